#pragma once

#include <algorithm>
#include <initializer_list>
#include <set>

#include "engine/OrdenaMao.h"
#include "suporte/MesaDeTeste.h"

namespace pelmar::teste {

// Card strengths as the deck ranks them; a manilha is its suit plus its rank.
namespace forca {
inline constexpr int QUATRO = 1, SETE = 9, DAMA = 48, VALETE = 80, REI = 144, AS = 768, DOIS = 1280, TRES = 2304;
inline constexpr int OUROS = 4096 + DAMA, ESPADA = 8192 + DAMA, COPAS = 16384 + DAMA, ZAP = 32768 + DAMA;
}  // namespace forca

// A table set up by hand: who plays where, what each holds, what is on the table.
class DecisaoDeTeste : public MesaDeTeste {
protected:
    void SetUp() override {
        MesaDeTeste::SetUp();
        jogo->prefs.USA_PERSONALIDADE = false;
        jogo->prefs.CEREBRO_USA_REGRAS = false;
        jogo->prefs.DIFICULDADE = 5;
        jogo->estado.CARTAS_QUE_SAIRAM = {32768, 16384, 8192, 4096, 2304, 2304, 2304, 2304,
                                          1280, 1280, 1280, 1280, 768, 768, 768, 768};
        primeiro(1);
    }
    // Seat `jogador` opens the trick; the others follow in seat order.
    void primeiro(int jogador) {
        EstadoJogo& e = jogo->estado;
        for (int k = 0; k < 4; ++k) {
            const int p = (jogador - 1 + k) % 4 + 1;
            e.JOGADORES[p].ORDEM = k + 1;
            e.JOGADORES[p].PARCEIRO = (p + 1) % 4 + 1;
            e.JOGADORES[p].TIME = p % 2 == 1 ? 'J' : 'C';
        }
    }
    void mao(int jogador, std::initializer_list<int> forcas) {
        RegistroJogador& r = jogo->estado.JOGADORES[jogador];
        int s = 1;
        for (int f : forcas) {
            if (s > 3) break;
            r.CARTAS[s].FORCA = f;
            r.CARTAS[s].JOGADA = f == 0;
            r.CARTAS[s].CARTA = jogador * 3 + s;
            ++s;
        }
        for (; s <= 3; ++s) r.CARTAS[s] = SlotCarta{true, 0, 0, 0};
        ORDENA_MAO(r);
    }
    // The trick so far: who holds it, with what, and which side that is.
    void mesa(int ganhador, int valor) {
        EstadoJogo& e = jogo->estado;
        e.GANHADOR_RODADA = ganhador;
        e.MAIOR_VALOR_RODADA = valor;
        e.RESULTADO_RODADA_ATUAL = ganhador == 0 ? ' ' : (ganhador % 2 == 1 ? 'J' : 'C');
        e.TIME_GANHADOR_RODADA = ganhador == 0 ? '=' : e.RESULTADO_RODADA_ATUAL;
    }
    EscolhaDeCarta& escolha() { return jogo->computador.escolha; }
    AnaliseCartas& analise() { return jogo->computador.analise; }
    DecisoesTruco& truco() { return jogo->computador.truco; }
    // Chance(n) never holds for a negative n: the level's random tests all off.
    void semAcaso() {
        auto& n = jogo->dificuldade.parametros;
        for (int* c : {&n.CHANCE_AVALIA_ONZE, &n.CHANCE_ROUBAR_3, &n.CHANCE_ACEITA_3, &n.CHANCE_DESISTE_3,
                       &n.CHANCE_ROUBAR_6, &n.CHANCE_ACEITA_6, &n.CHANCE_DESISTE_6, &n.CHANCE_ROUBAR_9,
                       &n.CHANCE_ACEITA_9, &n.CHANCE_DESISTE_9, &n.CHANCE_ROUBAR_12, &n.CHANCE_ACEITA_12,
                       &n.CHANCE_DESISTE_12})
            *c = -1;
    }
    // Scripted chances: every Chance(n) of n >= 2 fails, every one comes true, or only those of
    // the ranges named come true.
    void acasoFalha() { plataforma.porFaixa = [](int) { return 0; }; }
    void acasoSai() { plataforma.porFaixa = [](int) { return 1; }; }
    void saemSo(std::set<int> faixas) {
        plataforma.porFaixa = [faixas](int n) { return faixas.count(n) > 0 ? 1 : 0; };
    }
    bool pediu(int faixa) const {
        return std::find(plataforma.pedidos.begin(), plataforma.pedidos.end(), faixa) != plataforma.pedidos.end();
    }
    struct Escolha {
        int slot = 0;
        bool trucar = false, encobrir = false;
    };
    Escolha analisa(int jogador) {
        Escolha r;
        escolha().ANALISA_CARTA(jogador, r.slot, r.trucar, r.encobrir);
        return r;
    }
};

}  // namespace pelmar::teste
