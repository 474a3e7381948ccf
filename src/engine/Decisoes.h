#pragma once

#include <string>
#include <string_view>

namespace pelmar {

struct DecisaoJogada {
    int slot = 0;
    bool trucar = false;
    bool encobrir = false;
    int regra = 0;  // the brain rule that decided, 0 for none
};

// What the computer decides: which card, whether to call, accept or play a hand of eleven.
// The engine runs the protocol around each answer; the reasoning lives behind this interface.
class Decisoes {
public:
    virtual ~Decisoes() = default;

    virtual DecisaoJogada DECIDE_JOGADA(int jogador) = 0;
    // The card the user ordered: the strongest or the weakest in hand, covered if asked. No
    // rule decided it and the seat wishes no call of its own.
    virtual DecisaoJogada JOGADA_ORDENADA(int jogador, bool maior, bool encobrir) = 0;
    // An opponent's call at this stake; forcar is the card decision's truco wish.
    virtual bool computadorQuerTrucar(int jogador, int valor, bool forcar) = 0;
    // The computer side's answer to a call of the user's side at this stake.
    virtual bool computadorAceita(int valor) = 0;
    virtual bool computadorJogaMaoDeOnze() = 0;
    // The user's side's hand of eleven when the computer answers for the user (demo mode).
    virtual bool parceiroJogaMaoDeOnze() = 0;

    // The foot keeps its card back in the last trick; may change the wishes.
    virtual bool GUARDA_CARTA(int /*jogador*/, bool& /*trucar*/, bool& /*encobrir*/) { return false; }
    virtual int tempoDePensarMs(int /*jogador*/) { return 0; }
    // The partner asks the user before calling; the answer is the wish that stands.
    virtual bool PEDE_PERMISSAO(bool desejo) { return desejo; }
    // The partner's own calls on a turn where no rule covered it and it had no wish.
    virtual void pseudoCerebro() {}
    // The advice for the user's card, marked on the table.
    virtual void mostraSugestao() {}
    // The rule-use figures printed beside a computer seat's play in the history.
    virtual std::string estatisticaDeRegras(int /*jogador*/) { return {}; }
};

// Where the engine reports to statistics and learning. Every call is optional.
class Ganchos {
public:
    virtual ~Ganchos() = default;

    // A card put down (slot, covered) or a truco of the user's side (valor 3..12).
    virtual void APRENDE_REGRA(int /*jogador*/, int /*slot*/, int /*valor*/, bool /*encoberta*/) {}
    // lado 1 is the computer's side, 2 the user's.
    virtual void maoGanha(int /*lado*/, int /*valorDaMao*/) {}
    virtual void bonus(std::string_view /*rotulo*/, int /*lado*/, int /*base*/) {}
    virtual void partidaGanha(int /*lado*/, int /*pontosVencedor*/, int /*pontosPerdedor*/) {}
    virtual void boiGanho(int /*lado*/) {}
    virtual void MOSTRA_ESTATISTICAS() {}
};

// Hooks that pass everything on to others; a watcher overrides what it watches and calls on.
class GanchosRepassados : public Ganchos {
public:
    explicit GanchosRepassados(Ganchos& proximos) : proximos_(proximos) {}
    void APRENDE_REGRA(int jogador, int slot, int valor, bool encoberta) override {
        proximos_.APRENDE_REGRA(jogador, slot, valor, encoberta);
    }
    void maoGanha(int lado, int valorDaMao) override { proximos_.maoGanha(lado, valorDaMao); }
    void bonus(std::string_view rotulo, int lado, int base) override { proximos_.bonus(rotulo, lado, base); }
    void partidaGanha(int lado, int vencedor, int perdedor) override {
        proximos_.partidaGanha(lado, vencedor, perdedor);
    }
    void boiGanho(int lado) override { proximos_.boiGanho(lado); }
    void MOSTRA_ESTATISTICAS() override { proximos_.MOSTRA_ESTATISTICAS(); }

private:
    Ganchos& proximos_;
};

}  // namespace pelmar
