#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

#include <array>

class QPainter;

namespace pelmar::gerador {

enum class Naipe { Copas, Espadas, Ouros, Paus };

// Deck order: the file letters C, E, O, P.
inline constexpr std::array<Naipe, 4> kNaipesDoBaralho{Naipe::Copas, Naipe::Espadas, Naipe::Ouros,
                                                      Naipe::Paus};

char letraDoNaipe(Naipe naipe);
bool naipeVermelho(Naipe naipe);
QColor corDoNaipe(Naipe naipe);

// The suit's outline centred on the origin, `altura` pixels tall, point of a heart downwards.
QPainterPath formaDoNaipe(Naipe naipe, double altura);

// Fills the suit shape at `centro`; `invertido` turns it upside down, as pips below the middle.
void desenhaNaipe(QPainter& p, Naipe naipe, QPointF centro, double altura, bool invertido,
                  const QColor& cor);

}  // namespace pelmar::gerador
