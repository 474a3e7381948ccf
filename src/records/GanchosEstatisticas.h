#pragma once

#include <string_view>

#include "engine/Decisoes.h"
#include "records/Pontuacao.h"

namespace pelmar {

// The engine's reports with statistics: learning goes on to the other hooks, results to Pontuacao.
class GanchosEstatisticas : public Ganchos {
public:
    GanchosEstatisticas(Ganchos& aprendizado, Pontuacao& pontuacao)
        : aprendizado_(aprendizado), pontuacao_(pontuacao) {}

    void APRENDE_REGRA(int jogador, int slot, int valor, bool encoberta) override {
        aprendizado_.APRENDE_REGRA(jogador, slot, valor, encoberta);
    }
    void maoGanha(int lado, int valorDaMao) override { pontuacao_.maoGanha(lado, valorDaMao); }
    void bonus(std::string_view rotulo, int lado, int base) override { pontuacao_.PONTUA(rotulo, lado, base); }
    // The finished match is shown at once.
    void partidaGanha(int lado, int pontosVencedor, int pontosPerdedor) override {
        pontuacao_.partidaGanha(lado, pontosVencedor, pontosPerdedor);
        pontuacao_.MOSTRA_ESTATISTICAS();
    }
    void boiGanho(int lado) override { pontuacao_.boiGanho(lado); }
    void MOSTRA_ESTATISTICAS() override { pontuacao_.MOSTRA_ESTATISTICAS(); }

private:
    Ganchos& aprendizado_;
    Pontuacao& pontuacao_;
};

}  // namespace pelmar
