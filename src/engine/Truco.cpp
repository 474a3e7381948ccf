#include "engine/Truco.h"

#include <string>

#include "engine/EstadoTruco.h"
#include "engine/Partida.h"

namespace pelmar {

namespace {

constexpr int SEM_VALOR = -1;  // the state leaves the hand's value as it is

struct LinhaDoEstado {
    int podeTrucar;
    bool jogadorPode;
    bool computadorPode;
    int valor;
};

// States 0..20 of the ladder and what each of them opens.
constexpr LinhaDoEstado LADDER[estado_truco::ULTIMO + 1] = {
    {65, true, true, 1},            // 0 nothing called (3 in a hand of eleven)
    {130, false, true, SEM_VALOR},  // 1 side 'J' called truco
    {66, true, false, SEM_VALOR},   // 2 side 'C' called truco
    {66, true, false, 3},           // 3
    {130, false, true, 3},          // 4
    {132, false, true, SEM_VALOR},  // 5
    {68, true, false, SEM_VALOR},   // 6
    {68, true, false, 6},           // 7
    {132, false, true, 6},          // 8
    {136, false, true, SEM_VALOR},  // 9
    {72, true, false, SEM_VALOR},   // 10
    {72, true, false, 9},           // 11
    {136, false, true, 9},          // 12
    {0, false, false, SEM_VALOR},   // 13
    {0, false, false, SEM_VALOR},   // 14
    {0, false, false, 12},          // 15
    {0, false, false, 12},          // 16
    {0, false, false, SEM_VALOR},   // 17 side 'J' ran, or side 'C' is sure to win
    {0, false, false, SEM_VALOR},   // 18 side 'C' ran, or side 'J' is sure to win
    {0, false, false, 1},           // 19 side 'C' declined its hand of eleven
    {0, false, false, 1},           // 20 side 'J' declined its hand of eleven
};

const char* gritoDe(int valor) {
    switch (valor) {
        case 3: return "TRUCO";
        case 6: return "SEIS";
        case 9: return "NOVE";
        default: return "DOZE";
    }
}

}  // namespace

void Truco::ATUALIZA_TRUCO() {
    EstadoJogo& e = j_.estado;
    if (e.GANHADOR_MAO != 0) j_.Wait(10);
    // Only an open hand can end early: once a run, a closing or a declined hand of eleven has
    // decided it, the winner stands (a side that ran conceded, whatever the cards say).
    if (!estado_truco::maoDecidida(e.ESTADO_TRUCO)) {
        if (j_.fechamento.COMPUTADOR_JA_PERDEU()) e.ESTADO_TRUCO = estado_truco::JOGADOR_GANHA;
        if (j_.fechamento.JOGADOR_JA_PERDEU()) e.ESTADO_TRUCO = estado_truco::COMPUTADOR_GANHA;
    }
    e.PODE_TRUCAR = 0;
    if (e.PARAR) return;

    if (e.ESTADO_TRUCO < 0 || e.ESTADO_TRUCO > estado_truco::ULTIMO) e.ESTADO_TRUCO = estado_truco::NADA_PEDIDO;
    const LinhaDoEstado& linha = LADDER[e.ESTADO_TRUCO];
    e.PODE_TRUCAR = linha.podeTrucar;
    e.JOG_PODE_TRUCAR = linha.jogadorPode;
    e.COM_PODE_TRUCAR = linha.computadorPode;
    if (e.ESTADO_TRUCO == estado_truco::NADA_PEDIDO) e.VALOR_TRUCO = e.MAO_DE_ONZE ? 3 : 1;
    else if (linha.valor != SEM_VALOR) e.VALOR_TRUCO = linha.valor;
    j_.mesa["STA_JOG_TRUCOU"].visivel = e.JOG_PODE_TRUCAR;
    j_.mesa["STA_COM_TRUCOU"].visivel = e.COM_PODE_TRUCAR;

    if (estado_truco::maoDecidida(e.ESTADO_TRUCO)) {
        e.GANHADOR_MAO =
            (e.ESTADO_TRUCO == estado_truco::COMPUTADOR_GANHA || e.ESTADO_TRUCO == estado_truco::JOGADOR_RECUSOU_ONZE) ? 1 : 2;
        for (auto& jogador : e.JOGADORES) jogador.PODE_JOGAR = false;
    }
    e.TRUCO_VALENDO = e.VALOR_TRUCO >= 2;
    j_.placar.mostraPalitosDaMesa();
}

void Truco::refrescaBotoes() {
    const int pode = j_.estado.PODE_TRUCAR;
    j_.mesa["TRUCO3"].visivel = pode == 65;
    j_.mesa["TRUCO6"].visivel = pode == 66;
    j_.mesa["TRUCO9"].visivel = pode == 68;
    j_.mesa["TRUCO12"].visivel = pode == 72;
}

void Truco::escondeBotoes() {
    for (const char* nome : {"TRUCO3", "TRUCO6", "TRUCO9", "TRUCO12"}) j_.mesa[nome].visivel = false;
}

void Truco::mostraGrito(int jogador, int valor) {
    Controle& info = j_.mesa["TfTRUCO_INFO"];
    info.visivel = true;
    info.texto = gritoDe(valor);
    info.carta = jogador;  // whose picture the window shows
    info.contador = 3;     // closes itself after three blinks
    j_.anuncios.GRITA_TRUCO(jogador, valor);
}

void Truco::PEDE_TRUCO(int jogador, int valor) {
    if (valor != 3 && valor != 6 && valor != 9 && valor != 12) return;
    j_.mesa["TRUCO" + std::to_string(valor)].visivel = false;
    j_.log(0, "PEDIU TRUCO " + std::to_string(valor));
    mostraGrito(jogador, valor);
    j_.estado.ESTADO_TRUCO = estado_truco::pedidoDoJogador(valor);
    RESPONDE(valor);
    ATUALIZA_TRUCO();
}

void Truco::botaoTruco(int valor) {
    const std::string botao = "TRUCO" + std::to_string(valor);
    if (!j_.mesa.existe(botao) || !j_.mesa[botao].visivel) return;
    j_.ganchos().APRENDE_REGRA(1, 0, valor, false);
    PEDE_TRUCO(1, valor);
}

bool Truco::TRUCO_NA_MAO_DE_ONZE() {
    EstadoJogo& e = j_.estado;
    if (!e.MAO_DE_ONZE) return false;
    e.ESTADO_TRUCO = estado_truco::COMPUTADOR_GANHA;
    e.VALOR_TRUCO = 3;
    j_.anuncios.FALA("Não pode TRUCAR na MÃO de ONZE", "BOBAO", j_.anuncios.assento(chamadorDoComputador()));
    return true;
}

void Truco::RESPONDE(int valor) {
    EstadoJogo& e = j_.estado;
    if (TRUCO_NA_MAO_DE_ONZE()) return;
    const bool aceita = j_.decisoes.computadorAceita(valor);
    // The side answers; the opponent who would raise is the one heard.
    const Falante quem = j_.anuncios.assento(chamadorDoComputador());
    if (!aceita) {
        j_.log(0, "[--] COMPUTADOR RECUSOU TRUCO " + std::to_string(valor) + (valor == 12 ? " - PARTIDA " : " "));
        j_.anuncios.FALA("Tá Louco !", "RECUSA", quem);
        // Running gives the caller the stake accepted before the call.
        e.VALOR_TRUCO = valor == 3 ? 1 : valor - 3;
        e.ESTADO_TRUCO = estado_truco::JOGADOR_GANHA;
        return;
    }
    switch (valor) {
        case 3:
            e.ESTADO_TRUCO = estado_truco::COMPUTADOR_ACEITOU_3;
            if (j_.Chance(50)) {
                j_.log(0, "[++] RE-TRUCO 6 ");
                TRUCA(6, true);
            } else {
                j_.log(0, "[++] COMPUTADOR ACEITOU TRUCO 3 ");
                j_.anuncios.FALA("JOGA", "JOGA", quem);
            }
            break;
        case 6:
            e.ESTADO_TRUCO = estado_truco::COMPUTADOR_ACEITOU_6;
            j_.log(0, "[++] COMPUTADOR ACEITOU TRUCO 6 ");
            if (j_.Chance(100)) {
                j_.log(0, "[++] RE-TRUCO 9 ");
                TRUCA(9, true);
            } else {
                j_.log(0, "[++] TRUCO 6 ACEITO ");
                j_.anuncios.FALA("JOGA !", "JOGA", quem);
            }
            break;
        case 9:
            e.ESTADO_TRUCO = estado_truco::COMPUTADOR_ACEITOU_9;
            j_.log(0, "[++] COMPUTADOR ACEITOU TRUCO 9 ");
            j_.anuncios.FALA("JOGA !!!", "JOGA", quem);
            break;
        default:
            e.ESTADO_TRUCO = estado_truco::COMPUTADOR_ACEITOU_12;
            j_.log(0, "[++] COMPUTADOR ACEITOU TRUCO 12 - PARTIDA ");
            j_.anuncios.FALA("Computador Aceitou o DOZE!", "JOGA", quem);
            break;
    }
}

int Truco::chamadorDoComputador() const {
    // A raise made while a user's seat is to play is made by the opponent who plays next.
    const int vez = j_.estado.JOGADOR_DA_VEZ;
    if (vez == 2 || vez == 4) return vez;
    return vez == 0 ? 2 : proximoJogador(vez);
}

void Truco::TRUCA(int valor, bool forcar) {
    EstadoJogo& e = j_.estado;
    const int est = e.ESTADO_TRUCO;
    bool permitido = false;
    switch (valor) {
        case 3: permitido = est == estado_truco::NADA_PEDIDO; break;
        case 6: permitido = est == estado_truco::JOGADOR_PEDIU_3 || est == estado_truco::COMPUTADOR_ACEITOU_3; break;
        case 9: permitido = est == estado_truco::JOGADOR_PEDIU_6 || est == estado_truco::COMPUTADOR_ACEITOU_6; break;
        case 12: permitido = est == estado_truco::JOGADOR_PEDIU_9 || est == estado_truco::COMPUTADOR_ACEITOU_9; break;
        default: return;
    }
    if (!permitido || e.MAO_DE_ONZE) return;

    const int chamador = chamadorDoComputador();
    bool desejo = j_.decisoes.computadorQuerTrucar(chamador, valor, forcar);
    if (desejo && j_.fechamento.COMPUTADOR_JA_PERDEU()) {
        desejo = false;
        j_.log(0, "Já Perdi");
    }
    if (desejo) {
        e.ESTADO_TRUCO = estado_truco::pedidoDoComputador(valor);
        int resposta = PERGUNTA_TRUCO(chamador, valor);
        // Nobody answered: the game is closing, and nothing is decided in the user's name.
        if (resposta == resposta::NENHUMA) return;
        if (resposta == resposta::SUBIR && valor == 12) resposta = resposta::ACEITAR;  // no raise above twelve
        if (resposta == resposta::ACEITAR) {
            if (e.JOGADOR_DA_VEZ == 4) j_.ganchos().APRENDE_REGRA(1, 0, valor, false);
            e.ESTADO_TRUCO = estado_truco::aceiteDoJogador(valor);
        } else if (resposta == resposta::SUBIR) {
            mostraGrito(1, valor + 3);
            e.ESTADO_TRUCO = estado_truco::pedidoDoJogador(valor + 3);
            RESPONDE(valor + 3);
        } else {
            e.VALOR_TRUCO = valor == 3 ? 1 : valor - 3;
            e.ESTADO_TRUCO = estado_truco::COMPUTADOR_GANHA;
        }
        ATUALIZA_TRUCO();
    }
    j_.Wait(0);
}

int Truco::PERGUNTA_TRUCO(int chamador, int valor) {
    j_.anuncios.GRITA_TRUCO(chamador, valor);
    PerguntaTruco pergunta;
    pergunta.chamador = chamador;
    pergunta.valor = valor;
    pergunta.verso = j_.anuncios.SORTEIA_LINHA("TXT\\TRUCO-" + std::to_string(valor) + ".TXT");
    pergunta.legenda = " TRUCO : Valendo " + std::to_string(valor) + " tentos";
    if (valor < 10) pergunta.textoSubir = "RE-TRUCA : " + std::to_string(valor + 3);

    int r = 0;
    if (j_.chaves.MODO_DEMO) r = j_.Chance(10) ? resposta::ACEITAR : resposta::FUGIR;
    else r = j_.tela.perguntaTruco(pergunta);
    if (r == resposta::NENHUMA && j_.estado.PARAR) return r;
    // Any other non-answer is a run, the answer that risks least.
    if (r != resposta::ACEITAR && r != resposta::SUBIR) r = resposta::FUGIR;

    const std::string c = std::to_string(chamador);
    const std::string v = std::to_string(valor);
    if (r == resposta::ACEITAR) {
        j_.log(0, "JOG_" + c + "= A | ACEITOU TRUCO  " + v);
        j_.anuncios.FALA("JOGA", "JOGA", j_.anuncios.assento(1));
    } else if (r == resposta::FUGIR) {
        j_.log(0, "JOG_" + c + "- F | FUGIU DO TRUCO " + v);
        j_.anuncios.FALA("Tá Louco !", "RECUSA", j_.anuncios.assento(1));
    } else {
        j_.log(0, "JOG_" + c + "+ S | SUBIU TRUCO    " + v);
    }
    return r;
}

void Truco::FUGIR(bool peloBotao) {
    if (peloBotao) j_.log(0, "JOGADOR FUGIU PELO BOTÃO");
    j_.estado.ESTADO_TRUCO = estado_truco::COMPUTADOR_GANHA;
    ATUALIZA_TRUCO();
}

void Truco::VERIFICA_ONZE() {
    EstadoJogo& e = j_.estado;
    e.MAO_DE_ONZE = e.PONTOS_COM == 11 || e.PONTOS_JOG == 11;
    if (e.PONTOS_COM == 11 && e.PONTOS_JOG == 11) j_.anuncios.FALA("*Mão de FERRO, 11 a 11", "MAO_DE_FERRO");
    else if (e.MAO_DE_ONZE) j_.anuncios.FALA("Mão de ONZE !", "MAO_DE_11");
}

void Truco::decideMaoDeOnze() {
    EstadoJogo& e = j_.estado;
    if (e.PONTOS_COM == 11 && e.PONTOS_JOG != 11 && !e.MAO_ONZE_DECIDIDA) {
        e.MAO_ONZE_DECIDIDA = true;
        if (j_.decisoes.computadorJogaMaoDeOnze()) {
            j_.anuncios.FALA("VOU JOGAR A MÃO DE ONZE", "JOGA_MAO_11", Falante::doLado('C'));
            j_.log(0, "MAO DE ONZE - JOGAR ");
        } else {
            e.ESTADO_TRUCO = estado_truco::COMPUTADOR_RECUSOU_ONZE;
            j_.anuncios.FALA("NÃO VOU JOGAR ESTA MÃO DE ONZE", "NAO_JOGA_MAO_11", Falante::doLado('C'));
            j_.log(0, "MAO DE ONZE - CORREU ");
        }
        j_.Wait(0);
    } else if (e.PONTOS_JOG == 11 && e.PONTOS_COM != 11) {
        int r = j_.chaves.MODO_DEMO
                    ? (j_.decisoes.parceiroJogaMaoDeOnze() ? resposta::JOGAR_ONZE : resposta::RECUSAR_ONZE)
                    : j_.tela.perguntaOnze();
        // Unanswered while the game closes, nothing is decided; otherwise declining risks least.
        if (r == resposta::NENHUMA && !e.PARAR) r = resposta::RECUSAR_ONZE;
        if (r == resposta::RECUSAR_ONZE) e.ESTADO_TRUCO = estado_truco::JOGADOR_RECUSOU_ONZE;
        j_.Wait(0);
    }
}

}  // namespace pelmar
