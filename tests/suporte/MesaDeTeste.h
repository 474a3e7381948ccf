#pragma once

#include <deque>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "headless/PlataformaHeadless.h"
#include "headless/TelaHeadless.h"
#include "jogo/Jogo.h"
#include "suporte/PastaTemporaria.h"
#include "suporte/PlataformaRoteirizada.h"

namespace pelmar::teste {

// Deck index of a card written as rank and suit: "3P" is the three of PAUS, "AE" the ace of
// ESPADA, "QC" the queen of COPAS, "7O" the seven of OUROS.
int carta(std::string_view codigo);

// One scripted play of a seat; `antes` runs at the seat's turn, before the card goes down.
struct Lance {
    Lance(int slot_ = 0, bool encobrir_ = false, bool trucar_ = false, std::function<void(Jogo&)> antes_ = {})
        : slot(slot_), encobrir(encobrir_), trucar(trucar_), antes(std::move(antes_)) {}
    int slot;
    bool encobrir;
    bool trucar;
    std::function<void(Jogo&)> antes;
};

// Decisions taken from a script: each seat's plays in order, fixed answers to trucos.
class DecisoesRoteiro : public Decisoes {
public:
    std::map<int, std::deque<Lance>> lances;
    std::function<bool(int jogador, int valor, bool forcar)> querTrucar = [](int, int, bool forcar) { return forcar; };
    std::function<bool(int valor)> aceita = [](int) { return true; };
    bool jogaOnze = true;
    bool parceiroJogaOnze = true;
    Jogo* jogo = nullptr;
    std::vector<int> valoresPerguntados;

    DecisaoJogada DECIDE_JOGADA(int jogador) override;
    // An order of the user is carried out by the game's own players, not by the script.
    DecisaoJogada JOGADA_ORDENADA(int jogador, bool maior, bool encobrir) override;
    bool computadorQuerTrucar(int jogador, int valor, bool forcar) override { return querTrucar(jogador, valor, forcar); }
    bool computadorAceita(int valor) override {
        valoresPerguntados.push_back(valor);
        return aceita(valor);
    }
    bool computadorJogaMaoDeOnze() override { return jogaOnze; }
    bool parceiroJogaMaoDeOnze() override { return parceiroJogaOnze; }
    int pseudoCerebros = 0;
    void pseudoCerebro() override { ++pseudoCerebros; }
};

// Counts what the engine reports to statistics and learning.
struct GanchosGravados : Ganchos {
    struct Aprendido {
        int jogador, slot, valor;
        bool encoberta;
    };
    std::vector<Aprendido> aprendidos;
    std::vector<std::pair<int, int>> maos;  // (side, value)
    std::vector<std::string> bonus_;
    std::vector<int> partidas;
    std::vector<int> bois;

    void APRENDE_REGRA(int jogador, int slot, int valor, bool encoberta) override {
        aprendidos.push_back({jogador, slot, valor, encoberta});
    }
    void maoGanha(int lado, int valor) override { maos.emplace_back(lado, valor); }
    void bonus(std::string_view rotulo, int lado, int base) override {
        bonus_.push_back(std::string(rotulo) + "/" + std::to_string(lado) + "/" + std::to_string(base));
    }
    void partidaGanha(int lado, int, int) override { partidas.push_back(lado); }
    void boiGanho(int lado) override { bois.push_back(lado); }
};

// A table in a fresh working folder with headless ports, every seat played from a script.
class MesaDeTeste : public PastaTemporaria {
protected:
    void SetUp() override;
    void TearDown() override;

    // The next hand is dealt from this vira and these hands (players 1..4, slots 1..3).
    void preset(std::string_view vira, std::initializer_list<std::initializer_list<std::string_view>> maos);
    // Seat `jogador` leads the next hand (its right-hand neighbour deals).
    void primeiroAJogar(int jogador);
    void roteiro(int jogador, std::initializer_list<Lance> lances);
    // Plays one hand the way the match loop does, up to the end-of-match checks.
    void jogaMao();
    bool logContem(std::string_view trecho) const;
    int contaNoLog(std::string_view trecho) const;

    PlataformaRoteirizada plataforma{7};
    TelaHeadless tela;
    DecisoesRoteiro decisoes;
    GanchosGravados ganchos;
    std::unique_ptr<Jogo> jogo;
};

}  // namespace pelmar::teste
