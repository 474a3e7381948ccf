#pragma once

#include <QPixmap>
#include <QSize>

namespace pelmar {

// The program's own pictures, drawn in code for the about window and the splash.

// The four fixed manilhas fanned out: 4 of PAUS, 7 of COPAS, ace of ESPADA, 7 of OUROS.
QPixmap desenhaLequeDeManilhas(QSize tamanho);

// Matchsticks on the table cloth, the way a truco score is kept.
QPixmap desenhaPalitosNaMesa(QSize tamanho);

}  // namespace pelmar
