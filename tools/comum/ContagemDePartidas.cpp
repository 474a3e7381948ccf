#include "comum/ContagemDePartidas.h"

#include "jogo/Jogo.h"

namespace pelmar {

ContagemDePartidas::ContagemDePartidas(Jogo& jogo, Ganchos& doJogo, long long quantas)
    : GanchosRepassados(doJogo), jogo_(jogo), faltam_(quantas) {}

void ContagemDePartidas::maoGanha(int lado, int valor) {
    ++maos;
    (lado == 2 ? pontosJog : pontosCom) += valor;
    GanchosRepassados::maoGanha(lado, valor);
}

void ContagemDePartidas::partidaGanha(int lado, int vencedor, int perdedor) {
    ++partidas;
    (lado == 2 ? partidasJog : partidasCom) += 1;
    GanchosRepassados::partidaGanha(lado, vencedor, perdedor);
    if (--faltam_ <= 0) jogo_.estado.PARAR = true;
}

void ContagemDePartidas::boiGanho(int lado) {
    (lado == 2 ? boisJog : boisCom) += 1;
    GanchosRepassados::boiGanho(lado);
}

}  // namespace pelmar
