#pragma once

#include "engine/Decisoes.h"

namespace pelmar {

class Jogo;

// Counts what a run plays, side by side (1 the computer's, 2 the user's), and ends the match loop
// after the last match it was asked for.
class ContagemDePartidas : public GanchosRepassados {
public:
    ContagemDePartidas(Jogo& jogo, Ganchos& doJogo, long long quantas);
    void maoGanha(int lado, int valor) override;
    void partidaGanha(int lado, int vencedor, int perdedor) override;
    void boiGanho(int lado) override;

    long long maos = 0, partidas = 0, pontosJog = 0, pontosCom = 0, boisJog = 0, boisCom = 0;
    long long partidasJog = 0, partidasCom = 0;

private:
    Jogo& jogo_;
    long long faltam_;
};

}  // namespace pelmar
