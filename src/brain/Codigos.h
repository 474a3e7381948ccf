#pragma once

namespace pelmar {

// The one-letter codes a rule describes a situation with.
char CLASSE_CARTA(int forca);
// Trick state (winner so far: 0 none, -1 tie, 1..4) as seen from the player's side.
char LETRA_RESULTADO(int jogador, int ganhador);
// The low byte of the truco state as seen from the player's side.
char LETRA_TRUCO(int jogador, int estadoTruco);

}  // namespace pelmar
