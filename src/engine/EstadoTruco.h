#pragma once

namespace pelmar {

// The codes of ESTADO_TRUCO, the whole truco state of a hand. They are stored as numbers (debug
// snapshots, brain rules), so they stay plain integers; side 'J' is the user's, side 'C' the computer's.
namespace estado_truco {

inline constexpr int NADA_PEDIDO = 0;
inline constexpr int JOGADOR_PEDIU_3 = 1;
inline constexpr int COMPUTADOR_PEDIU_3 = 2;
inline constexpr int JOGADOR_ACEITOU_3 = 3;
inline constexpr int COMPUTADOR_ACEITOU_3 = 4;
inline constexpr int JOGADOR_PEDIU_6 = 5;
inline constexpr int COMPUTADOR_PEDIU_6 = 6;
inline constexpr int JOGADOR_ACEITOU_6 = 7;
inline constexpr int COMPUTADOR_ACEITOU_6 = 8;
inline constexpr int JOGADOR_PEDIU_9 = 9;
inline constexpr int COMPUTADOR_PEDIU_9 = 10;
inline constexpr int JOGADOR_ACEITOU_9 = 11;
inline constexpr int COMPUTADOR_ACEITOU_9 = 12;
inline constexpr int JOGADOR_PEDIU_12 = 13;
inline constexpr int COMPUTADOR_PEDIU_12 = 14;
inline constexpr int JOGADOR_ACEITOU_12 = 15;
inline constexpr int COMPUTADOR_ACEITOU_12 = 16;
// Side 'J' ran, or side 'C' is sure to win: the hand is the computer's.
inline constexpr int COMPUTADOR_GANHA = 17;
// Side 'C' ran, or side 'J' is sure to win: the hand is the user's.
inline constexpr int JOGADOR_GANHA = 18;
inline constexpr int COMPUTADOR_RECUSOU_ONZE = 19;
inline constexpr int JOGADOR_RECUSOU_ONZE = 20;
inline constexpr int ULTIMO = JOGADOR_RECUSOU_ONZE;

// The hand is decided: nothing more is played or called.
constexpr bool maoDecidida(int estado) { return estado >= COMPUTADOR_GANHA; }

// The state a call at this stake (3, 6, 9 or 12) sets, by the side that calls it.
constexpr int pedidoDoJogador(int valor) {
    return valor == 3 ? JOGADOR_PEDIU_3 : valor == 6 ? JOGADOR_PEDIU_6 : valor == 9 ? JOGADOR_PEDIU_9 : JOGADOR_PEDIU_12;
}
constexpr int pedidoDoComputador(int valor) { return pedidoDoJogador(valor) + 1; }
// The state once the user's side accepts the computer's call at this stake.
constexpr int aceiteDoJogador(int valor) { return pedidoDoJogador(valor) + 2; }

}  // namespace estado_truco

}  // namespace pelmar
