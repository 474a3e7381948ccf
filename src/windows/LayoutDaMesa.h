#pragma once

#include <QPoint>
#include <QRect>
#include <QString>

#include <string>
#include <vector>

namespace pelmar {

// The table is drawn on a fixed design area and scaled to the window as a whole.
inline constexpr int LARGURA_DA_MESA = 780;
inline constexpr int ALTURA_DA_MESA = 560;
// The window is not made smaller than this share of the design: below it the smallest words on
// the table (9 design pixels) would drop under 8 screen pixels.
inline constexpr double ESCALA_MINIMA = 0.9;

// How a control of the table model is drawn.
enum class Peca {
    Carta,        // a card image, face or back
    Retrato,      // a seat's portrait
    Rotulo,       // text
    Aviso,        // the big announcement line
    Balao,        // a seat's speech balloon
    Palito,       // a matchstick of the score
    Ficha,        // a chip of the current boi
    Boi,          // the bois won
    Resultado,    // a trick's coloured mark
    Polegar,      // a trick good (up) or bad (down)
    Naipe,        // a suit's manilha seen
    Valor,        // a three, two or ace seen
    Marca,        // the frame around the best card of the trick
    Sombra,       // the shadow under a lifted card
    Seta,         // a suggestion or a lead marker
    Selo,         // a small coloured badge with a word
    Etiqueta,     // a seat's permanent tag saying whose seat it is
    Caixa,        // a panel drawn under other controls
    Botao,        // a push button
    Marcador,     // a check box
};

// One control's home on the design area.
struct LugarNaMesa {
    std::string nome;
    QRect casa;
    Peca peca;
    int fonte = 9;       // design pixels
    QString legenda;     // fixed words drawn before the model's text, or the panel's title
    bool deInicio = false;  // shown from the start: the game only changes its words or colours
    std::string segue;      // a table piece shown only while this control of the game is
    bool dobravel = false;  // a panel the user folds to its title with a click
    // A mark that stands beside whichever of these is shown, `passo` from its home; at its own
    // home when none is.
    std::vector<std::string> aoLadoDe;
    QPoint passo;
};

// Every control the table window draws, in drawing order (later ones on top).
const std::vector<LugarNaMesa>& lugaresDaMesa();

// The home of a control, or an empty rectangle when the table does not draw it.
QRect casaNaMesa(const std::string& nome);

}  // namespace pelmar
