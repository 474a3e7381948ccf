#include "brain/ConsultaCerebro.h"

#include <string>

#include "brain/Codigos.h"
#include "brain/Inteligencia.h"
#include "engine/Partida.h"

namespace pelmar {

namespace {

// Strength of the card at a place of the hand's order; 0 for a hand not dealt yet.
int forcaNaOrdem(const RegistroJogador& j, int n) {
    const int slot = j.ORDEM_CARTAS[n];
    return slot >= 1 && slot <= 3 ? j.CARTAS[slot].FORCA : 0;
}

// The hand's strongest held card, used when no calculated choice is attached.
int primeiraCartaNaMao(const RegistroJogador& j) {
    for (int n = 1; n <= 3; ++n)
        if (forcaNaOrdem(j, n) != 0) return j.ORDEM_CARTAS[n];
    return 0;
}

}  // namespace

ChaveSituacao ConsultaCerebro::chaveDe(int jogador) const {
    const EstadoJogo& e = ia_.jogo.estado;
    const RegistroJogador& eu = e.JOGADORES[jogador];
    const int p = eu.PARCEIRO >= 1 && eu.PARCEIRO <= 4 ? eu.PARCEIRO : (jogador + 1) % 4 + 1;
    const RegistroJogador& parceiro = e.JOGADORES[p];
    ChaveSituacao chave;
    chave.rodada = static_cast<std::uint8_t>(e.RODADA);
    chave.posicao = static_cast<std::uint8_t>(eu.ORDEM);
    for (int k = 1; k <= 3; ++k) {
        chave.padrao[static_cast<std::size_t>(2 * (k - 1))] =
            static_cast<std::uint8_t>(LETRA_RESULTADO(jogador, e.DADOS_RODADAS[k].GANHADOR));
        chave.padrao[static_cast<std::size_t>(2 * (k - 1) + 1)] =
            static_cast<std::uint8_t>(CLASSE_CARTA(e.DADOS_RODADAS[k].MAIOR_VALOR));
    }
    for (int n = 1; n <= 3; ++n) {
        chave.padrao[static_cast<std::size_t>(5 + n)] =
            static_cast<std::uint8_t>(CLASSE_CARTA(forcaNaOrdem(parceiro, n)));
        chave.padrao[static_cast<std::size_t>(8 + n)] =
            static_cast<std::uint8_t>(CLASSE_CARTA(forcaNaOrdem(eu, n)));
    }
    return chave;
}

bool ConsultaCerebro::CONSULTA_CEREBRO(int jogador, int& slot, bool& trucar, int& regra, bool& encobrir) {
    REGRA_USADA = 0;
    PESO_REGRA_USADA = 0;
    trucar = false;
    encobrir = false;
    Partida& jogo = ia_.jogo;
    const Cerebro& c = ia_.cerebro;
    if (!jogo.prefs.CEREBRO_USA_REGRAS || c.QTE_REGRAS() == 0) {
        regra = 0;
        return false;
    }

    const int i = c.primeiraQueServe(chaveDe(jogador));
    regra = i;
    if (i == 0) return false;

    const Regra& r = c[i];
    const int numero = i + 2;
    REGRA_USADA = numero;
    PESO_REGRA_USADA = r.QTE;
    const std::string sufixo = std::to_string(numero) + "/" + std::to_string(r.QTE);

    const RegistroJogador& eu = jogo.estado.JOGADORES[jogador];
    const int acao = r[ACAO];
    const int slotDaRegra = acao >= 1 && acao <= 3 ? eu.ORDEM_CARTAS[acao] : 0;
    // A card the rule names but the seat no longer holds falls back to the calculated choice.
    if (acao >= 1 && acao <= 3 && forcaNaOrdem(eu, acao) != 0) {
        slot = slotDaRegra;
    } else {
        if (calculada_)
            calculada_->ANALISA_CARTA(jogador, slot, trucar, encobrir);
        else
            slot = primeiraCartaNaMao(eu);
        jogo.log(3, "SEM IA " + std::to_string(slot));
    }

    if (r[ENCOBRIR] == 'E') {
        encobrir = true;
        jogo.log(0, "REGRA ENCOBRIR IA ACHADA " + sufixo);
    } else if (r[ENCOBRIR] == '-') {
        encobrir = false;
    }
    if (r[TRUCAR] == 'T') {
        ++CONTADOR_REGRA_TRUCAR;
        trucar = true;
        jogo.log(0, "REGRA TRUCAR IA ACHADA " + sufixo + " IA:" + std::to_string(CONTADOR_REGRA_TRUCAR));
    } else if (r[TRUCAR] == '-') {
        trucar = false;
    }

    if (jogo.historico.registra(1)) {
        auto l = [&](Campo f) { return std::string(1, r.letra(f)); };
        jogo.log(1, "J" + std::to_string(jogador) + ":" + " ROD-" + std::to_string(r[NR_RODADA]) + " POS-" +
                        std::to_string(r[POSICAO_RODADA]) + " (1)" + l(R1) + l(CARTA_1R) + " (2)" + l(R2) +
                        l(CARTA_2R) + " (3)" + l(R3) + l(CARTA_3R) + " P[" + l(CARTA_P1) + "." + l(CARTA_P2) +
                        "." + l(CARTA_P3) + "]" + " CARTAS-" + "[" + l(CARTA_J1) + "." + l(CARTA_J2) + "." +
                        l(CARTA_J3) + "]" + " JOGAR:" + std::to_string(acao) + "ª" + " E:" + l(ENCOBRIR) +
                        " T:" + l(TRUCAR) + " R" + sufixo);
    }
    if (r.QTE >= 300) jogo.log(1, "IA ESPECIAL - C:" + std::to_string(slot) + " " + sufixo);
    jogo.log(2, "IA - C:" + std::to_string(slot) + " " + sufixo);
    return true;
}

}  // namespace pelmar
