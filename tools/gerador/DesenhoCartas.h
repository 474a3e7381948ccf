#pragma once

#include <QColor>
#include <QImage>

#include "DesenhoNaipes.h"

namespace pelmar::gerador {

inline constexpr int kLarguraCarta = 142;
inline constexpr int kAlturaCarta = 192;

// Classico: serif indices, outlined court figures on cream. Moderno: bold sans indices, flat
// colour-block figures on a tinted panel.
enum class EstiloCarta { Classico, Moderno };

// What shows through the rounded corners: the felt of the default table.
QColor corForaDaCarta();

// The face of card `numero` (1 = A, 2..7, 8 = Q, 9 = J, 10 = K) of `naipe`.
QImage desenhaCarta(EstiloCarta estilo, int numero, Naipe naipe);

// A white card with its rounded border and nothing on it; backs are drawn inside.
QImage cartaEmBranco(double raio);

}  // namespace pelmar::gerador
