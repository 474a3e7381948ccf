#include "engine/Placar.h"

#include <string>

#include "engine/Partida.h"

namespace pelmar {

void Placar::mostraPalitosDaMesa() {
    const int valor = j_.estado.VALOR_TRUCO;
    for (int i = 1; i <= 12; ++i) j_.mesa[ModeloMesa::nomePalito("MESA", i)].visivel = i <= valor;
    j_.mesa["PONTOS_MESA"].texto = std::to_string(valor);
}

void Placar::MOSTRA_PLACAR() {
    EstadoJogo& e = j_.estado;
    ModeloMesa& m = j_.mesa;
    m["PONTOS_COM"].texto = std::to_string(e.PONTOS_COM);
    m["PONTOS_JOG"].texto = std::to_string(e.PONTOS_JOG);
    if (e.BOIS_JOG > 0) {
        m["IMG_BOIS_JOG"].visivel = true;
        m["CNT_BOIS_JOG"].visivel = true;
        m["CNT_BOIS_JOG"].texto = std::to_string(e.BOIS_JOG);
    }
    if (e.BOIS_COM > 0) {
        m["IMG_BOIS_COM"].visivel = true;
        m["CNT_BOIS_COM"].visivel = true;
        m["CNT_BOIS_COM"].texto = std::to_string(e.BOIS_COM);
    }
    // The points just won move one matchstick at a time from the table to the score.
    auto palito = [&](std::string_view lado, int i, int pontos) {
        Controle& c = m[ModeloMesa::nomePalito(lado, i)];
        if (i > pontos) {
            c.visivel = false;
        } else if (!c.visivel) {
            c.visivel = true;
            --e.VALOR_TRUCO;
            mostraPalitosDaMesa();
            j_.anuncios.TOCA_SOM("PALITO", 150);
        }
    };
    for (int i = 1; i <= 12; ++i) {
        palito("COM", i, e.PONTOS_COM);
        palito("JOG", i, e.PONTOS_JOG);
    }
    // Points past the twelve matchsticks have none to move: the stake leaves the table anyway.
    e.VALOR_TRUCO = 0;
    mostraPalitosDaMesa();
    j_.Wait(200);
}

void Placar::mostraFichas() {
    EstadoJogo& e = j_.estado;
    ModeloMesa& m = j_.mesa;
    auto fichas = [&](const std::string& lado, int ganhas) {
        Controle& primeira = m["FICHA_" + lado + "_1"];
        Controle& segunda = m["FICHA_" + lado + "_2"];
        primeira.visivel = ganhas >= 1;
        segunda.visivel = ganhas >= 2;
        if (ganhas == 1) j_.animacoes.chacoalha(primeira);
        if (ganhas >= 2) {
            j_.anuncios.TOCA_SOM("FX02", 150);
            j_.anuncios.TOCA_SOM("FX02", 150);
            j_.Wait(1000);
        }
    };
    fichas("COM", e.PARTIDAS_COM);
    fichas("JOG", e.PARTIDAS_JOG);
}

void Placar::apagaPlacar() {
    ModeloMesa& m = j_.mesa;
    for (const char* pontos : {"PONTOS_JOG", "PONTOS_COM", "PONTOS_MESA"}) m[pontos].texto = "0";
    for (int i = 1; i <= 12; ++i)
        for (std::string_view lado : {"JOG", "COM", "MESA"}) m[ModeloMesa::nomePalito(lado, i)].visivel = false;
    for (const char* ficha : {"FICHA_JOG_1", "FICHA_JOG_2", "FICHA_COM_1", "FICHA_COM_2"}) m[ficha].visivel = false;
}

void Placar::dozeAZero(int lado) {
    const bool computador = lado == 1;
    j_.ganchos().bonus("DOZE A ZERO", lado, 10);
    j_.log(0, computador ? "DOZE A ZERO PATO" : "DOZE A ZERO SABIDO");
    j_.anuncios.FALA(computador ? "DOZE A ZERO PATO! 0/12" : "DOZE A ZERO SABIDO ! 12/0", "VOZ_DOZE_A_ZERO",
                     Falante::doLado('C'));
    const int perdedores[2] = {computador ? 1 : 2, computador ? 3 : 4};
    for (int p : perdedores) {
        Controle& retrato = j_.mesa["IMG_JOGADOR_" + std::to_string(p)];
        j_.animacoes.chacoalhaComPausas(retrato, {50, 30, 10});
        j_.anuncios.TOCA_SOM("MANILHA_PAUS", 500);
        retrato.visivel = false;
    }
    j_.Wait(1000);
    for (int p : perdedores) j_.mesa["IMG_JOGADOR_" + std::to_string(p)].visivel = true;
}

void Placar::partidaGanha(int lado) {
    EstadoJogo& e = j_.estado;
    const bool computador = lado == 1;
    const int vencedor = computador ? e.PONTOS_COM : e.PONTOS_JOG;
    const int perdedor = computador ? e.PONTOS_JOG : e.PONTOS_COM;
    // The match is over: no face speaks of cards that no longer count.
    j_.sinais.desativa();
    if (computador) j_.Wait(200);
    // The final points are on the score while the match end is announced; the next hand's
    // score display brings it back to 0.
    MOSTRA_PLACAR();
    // The computer's side speaks either way: "I won", "you won".
    j_.anuncios.FALA(computador ? "Eu ganhei Partida" : "Você ganhou a Partida",
                     computador ? "EU_GANHEI_PARTIDA" : "VOCE_GANHOU_PARTIDA", Falante::doLado('C'));
    if (perdedor == 0) dozeAZero(lado);
    j_.ganchos().partidaGanha(lado, vencedor, perdedor);
    ++e.PARTIDAS_NO_BOI;
    if (computador) ++e.PARTIDAS_COM;
    else ++e.PARTIDAS_JOG;
    mostraFichas();
    e.PONTOS_JOG = 0;
    e.PONTOS_COM = 0;
    j_.log(0, computador ? "FIM PARTIDA - COMPUTADOR GANHOU " : "FIM PARTIDA - JOGADOR GANHOU ");
    j_.Wait(200);
    if (computador)
        for (int i = 0; i < e.PARTIDAS_COM; ++i) j_.anuncios.FALA("Feijão", "FX_FEIJAO", Falante::doLado('C'));
    VERIFICA_BOI();
    for (int i = 1; i <= 6; ++i) {
        j_.mesa["BT_ROUBAR_" + std::to_string(i)].visivel = true;
        j_.mesa["BT_VER_CARTA_" + std::to_string(i)].visivel = true;
    }
}

void Placar::VERIFICA_BOI() {
    EstadoJogo& e = j_.estado;
    auto ganhou = [&e](int minhas, int deles) {
        return (e.PARTIDAS_NO_BOI == 3 && minhas == 2) || minhas - deles == 2;
    };
    int lado = 0;
    if (ganhou(e.PARTIDAS_COM, e.PARTIDAS_JOG)) lado = 1;
    else if (ganhou(e.PARTIDAS_JOG, e.PARTIDAS_COM)) lado = 2;
    if (lado == 0) return;
    const bool computador = lado == 1;
    // Counted and saved first: the level change below compares the stored boi counters.
    j_.ganchos().boiGanho(lado);
    j_.anuncios.FALA(computador ? "Eu ganhei um BOI" : "Voce ganhou um BOI", computador ? "BOI_COMP" : "BOI_JOG",
                     Falante::doLado('C'));
    e.PONTOS_JOG = e.PONTOS_COM = 0;
    e.PARTIDAS_NO_BOI = e.PARTIDAS_JOG = e.PARTIDAS_COM = 0;
    if (computador) ++e.BOIS_COM;
    else ++e.BOIS_JOG;
    j_.log(0, std::string(computador ? "BOI RUIM " : "BOI BOM ") + std::to_string(e.BOIS_JOG) + "/" +
                  std::to_string(e.BOIS_COM));
    j_.Wait(50);
    j_.anuncios.TOCA_SOM("BOI", 2500);
    j_.Wait(1000);
    if (auto mudanca = j_.bastidores.depoisDoBoi(lado)) {
        // "Baixei", "Aumentei": the computer tells of its own level.
        if (mudanca->aviso) j_.anuncios.FALA(mudanca->aviso->texto, mudanca->aviso->som, Falante::doLado('C'));
        j_.bastidores.gravaPreferencias();
    }
    mostraFichas();
}

void Placar::FIM_PARTIDA() {
    EstadoJogo& e = j_.estado;
    j_.log(0, std::string("--------- FIM DA MÃO (") + e.RESULTADO_RODADA[1] + ")(" + e.RESULTADO_RODADA[2] + ")(" +
                  e.RESULTADO_RODADA[3] + ")[" + std::to_string(e.PONTOS_JOG) + "/" + std::to_string(e.PONTOS_COM) +
                  "]");
    if (e.PONTOS_COM > 11) partidaGanha(1);
    else if (e.PONTOS_JOG > 11) partidaGanha(2);
}

}  // namespace pelmar
