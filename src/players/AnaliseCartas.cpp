#include "players/AnaliseCartas.h"

#include <cstdlib>
#include <string>

#include "brain/Inteligencia.h"
#include "engine/Partida.h"
#include "players/Dificuldade.h"
#include "players/Personalidades.h"

namespace pelmar {

namespace {
constexpr int PAUS_ = 0, COPAS_ = 1, ESPADA_ = 2;
}  // namespace

int AnaliseCartas::forcaNoSlot(int jogador, int slot) const { return j_.estado.JOGADORES[jogador].CARTAS[slot].FORCA; }

int AnaliseCartas::MENOR_CARTA(int jogador) {
    const RegistroJogador& r = j_.estado.JOGADORES[jogador];
    int limite = 65535, slot = 0;
    for (int s = 1; s <= 3; ++s)
        if (!r.CARTAS[s].JOGADA && r.CARTAS[s].FORCA < limite) {
            limite = r.CARTAS[s].FORCA;
            slot = s;
        }
    j_.log(3, "MENOR CARTA PARA JOGAR :" + std::to_string(slot));
    return slot;
}

int AnaliseCartas::MAIOR_CARTA(int jogador) {
    const RegistroJogador& r = j_.estado.JOGADORES[jogador];
    int limite = 0, slot = 0;
    for (int s = 1; s <= 3; ++s)
        if (!r.CARTAS[s].JOGADA && r.CARTAS[s].FORCA > limite) {
            limite = r.CARTAS[s].FORCA;
            slot = s;
        }
    j_.log(3, "MAIOR CARTA PARA JOGAR :" + std::to_string(slot));
    return slot;
}

int AnaliseCartas::CARTA_EMPATE(int jogador, int valor, int& slot) {
    const RegistroJogador& r = j_.estado.JOGADORES[jogador];
    slot = 0;
    for (int s = 1; s <= 3; ++s)
        if (!r.CARTAS[s].JOGADA && r.CARTAS[s].FORCA == valor) slot = s;
    j_.log(3, "EMPATE CARTA PARA JOGAR :" + std::to_string(slot));
    return slot != 0 ? 2 : 1;
}

int AnaliseCartas::CARTA_GANHA_RODADA(int jogador, int valor, int& slot) {
    const RegistroJogador& r = j_.estado.JOGADORES[jogador];
    int limite = 16777215, achado = 0;
    for (int s = 1; s <= 3; ++s)
        if (!r.CARTAS[s].JOGADA && r.CARTAS[s].FORCA > valor && r.CARTAS[s].FORCA < limite) {
            limite = r.CARTAS[s].FORCA;
            achado = s;
        }
    int resultado = 3;
    if (achado != 0) {
        slot = achado;
    } else {
        resultado = CARTA_EMPATE(jogador, valor, slot);
        // A trick already tied is not worth tying again.
        if (resultado == 1 || j_.estado.RESULTADO_RODADA_ATUAL == 'E') {
            resultado = 1;
            slot = MENOR_CARTA(jogador);
        }
    }
    j_.log(3, "CARTA QUE GANHA RODADA :" + std::to_string(resultado));
    return resultado;
}

bool AnaliseCartas::TEM_CARTA(int jogador, int mascara) {
    const RegistroJogador& r = j_.estado.JOGADORES[jogador];
    bool tem = false;
    for (int s = 1; s <= 3; ++s)
        if (!r.CARTAS[s].JOGADA && (r.CARTAS[s].FORCA & mascara) == mascara) {
            SLOT_ACHADO = s;
            tem = true;
        }
    return tem;
}

int AnaliseCartas::SOMA_CARTAS(int jogador) const {
    const RegistroJogador& r = j_.estado.JOGADORES[jogador];
    int soma = 0;
    for (int s = 1; s <= 3; ++s)
        if (!r.CARTAS[s].JOGADA) soma += r.CARTAS[s].FORCA;
    return soma;
}

int AnaliseCartas::FORCA_JOGADOR(int jogador) const {
    const EstadoJogo& e = j_.estado;
    const auto& fora = e.MANILHAS_SAIRAM_ANTES;
    auto tem = [&](int mascara) {
        const RegistroJogador& r = e.JOGADORES[jogador];
        for (int s = 1; s <= 3; ++s)
            if (!r.CARTAS[s].JOGADA && (r.CARTAS[s].FORCA & mascara) == mascara) return true;
        return false;
    };
    // A manilha is as good as the zap once every stronger one is out.
    int promocao = 0;
    if (fora[PAUS_] && tem(16384)) promocao = 32768;
    if (fora[PAUS_] && fora[COPAS_] && tem(8192)) promocao = 32768;
    if (fora[PAUS_] && fora[COPAS_] && tem(4096)) promocao = 16384;
    if (fora[PAUS_] && fora[COPAS_] && fora[ESPADA_] && tem(4096)) promocao = 32768;
    const int soma = SOMA_CARTAS(jogador);
    return soma > promocao ? soma : promocao;
}

int AnaliseCartas::ajusteDaRodadaAtual(char lado) const {
    const EstadoJogo& e = j_.estado;
    if (e.RESULTADO_RODADA_ATUAL == lado) return e.MAIOR_VALOR_RODADA;
    if (e.RESULTADO_RODADA_ATUAL == (lado == 'C' ? 'J' : 'C')) return -e.MAIOR_VALOR_RODADA;
    return 0;
}

int AnaliseCartas::PONTOS_JOGADORES() {
    const int pontos = FORCA_JOGADOR(2) + FORCA_JOGADOR(4) + ajusteDaRodadaAtual('C');
    j_.log(3, "PONTOS JOGADORES:" + std::to_string(pontos));
    return pontos;
}

int AnaliseCartas::PONTOS_PARCEIRO() {
    const int pontos = FORCA_JOGADOR(1) + FORCA_JOGADOR(3) + ajusteDaRodadaAtual('J');
    j_.log(3, "PONTOS PARCEIRO:" + std::to_string(pontos));
    return pontos;
}

int AnaliseCartas::CONTA_CARTAS_ACIMA(int valor) const {
    int abaixo = 0;
    for (int forca : j_.estado.CARTAS_QUE_SAIRAM)
        if (forca < valor) ++abaixo;
    return 16 - abaixo;
}

bool AnaliseCartas::AVALIA_COMP() {
    const EstadoJogo& e = j_.estado;
    const char primeira = e.RESULTADO_RODADA[1];
    int nossas = SOMA_CARTAS(2) + SOMA_CARTAS(4);
    int ajuste = 0;
    if (e.RODADA == 2) ajuste = primeira == 'J' ? 768 : -768;
    const int deles = SOMA_CARTAS(1) + SOMA_CARTAS(3) + dificuldade_.parametros.VIES_DIFICULDADE + 768 + ajuste;
    bool melhor = nossas > 37375;
    nossas += ajusteDaRodadaAtual('C');
    if (deles < nossas) melhor = true;
    const bool vale = e.RODADA == 1 || e.RODADA == 3 || (e.RODADA == 2 && (primeira == 'C' || primeira == 'E')) ||
                      e.MAO_DE_ONZE;
    const bool resultado = vale && melhor;
    ++CONTADOR_AVALIA_COMP;
    j_.log(0, std::string("# COMP. ") + (resultado ? "OK" : "") + " / " + std::to_string(CONTADOR_AVALIA_COMP) +
                  " C:" + std::to_string(nossas) + " J:" + std::to_string(deles));
    return resultado;
}

bool AnaliseCartas::AVALIA_JOG() {
    const EstadoJogo& e = j_.estado;
    const char primeira = e.RESULTADO_RODADA[1];
    const int nossas = SOMA_CARTAS(1) + SOMA_CARTAS(3);
    const int deles = SOMA_CARTAS(2) + SOMA_CARTAS(4) + dificuldade_.parametros.VIES_DIFICULDADE + 768 + ajusteDaRodadaAtual('C');
    const bool melhor = nossas > 37375 || deles < nossas;
    const bool vale = e.RODADA == 1 || e.RODADA == 3 || (e.RODADA == 2 && (primeira == 'J' || primeira == 'E'));
    ++CONTADOR_AVALIA_JOG;
    j_.log(0, "# JOG.  R" + std::to_string(CONTADOR_AVALIA_JOG));
    return vale && melhor;
}

}  // namespace pelmar
