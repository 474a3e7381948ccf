#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <functional>

class QWidget;

namespace pelmar {

// A rectangle of the table's design area, as it lies on the screen now.
using MesaNaTela = std::function<QRect(const QRect& casa)>;

// The cards on the table as they lie on the screen: the four places of the tricks, the pile and
// the vira. A question must leave them in sight.
QRect cartasNaMesa(const MesaNaTela& naTela);

// Where the truco question of seat `chamador` opens (its outer top-left corner): in the band
// beside that seat (seat 4 on the left, the others on the right), clear of the cards on the
// table and below the score panels, centred on the seat's portrait when the band is wide enough.
// A window wider than the band overflows the table's outer edge rather than the cards. The whole
// window stays inside `tela`.
QPoint lugarDaPerguntaDeTruco(int chamador, QSize janela, const MesaNaTela& naTela, const QRect& tela);

// Where the hand-of-eleven question opens: beside the user's seat, above his hand and below the
// vira, where no card lies before the first trick; inside `tela`.
QPoint lugarDaPerguntaDeOnze(QSize janela, const MesaNaTela& naTela, const QRect& tela);

// Sizes `janela` to its contents and moves it where `lugar` says for its outer size (a window
// shown before knows its frame). Nothing moves without a `lugar`.
void poeNoLugar(QWidget& janela, const std::function<QPoint(QSize)>& lugar);

}  // namespace pelmar
