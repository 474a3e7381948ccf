#include "windows/LugarDasPerguntas.h"

#include <QWidget>

#include <algorithm>
#include <string>

#include "windows/LayoutDaMesa.h"

namespace pelmar {

namespace {

// Design pixels between a question and what it must not cover.
constexpr int FOLGA = 6;

QRect naTelaDe(const MesaNaTela& naTela, const std::string& nome) { return naTela(casaNaMesa(nome)); }

// Keeps a window of `tamanho` at `canto` inside `tela`; a window larger than the screen keeps its
// top-left corner (its title bar) in sight.
QPoint dentroDaTela(QPoint canto, QSize tamanho, const QRect& tela) {
    if (tela.isEmpty()) return canto;
    canto.setX(std::max(tela.left(), std::min(canto.x(), tela.right() + 1 - tamanho.width())));
    canto.setY(std::max(tela.top(), std::min(canto.y(), tela.bottom() + 1 - tamanho.height())));
    return canto;
}

}  // namespace

QRect cartasNaMesa(const MesaNaTela& naTela) {
    QRect cartas = naTelaDe(naTela, "CVIRA");
    for (int p = 1; p <= 4; ++p)
        for (int t = 1; t <= 3; ++t) cartas |= naTelaDe(naTela, "MESA_J" + std::to_string(p) + std::to_string(t));
    for (int i = 1; i <= 3; ++i) cartas |= naTelaDe(naTela, "MONTE_" + std::to_string(i));
    return cartas;
}

QPoint lugarDaPerguntaDeTruco(int chamador, QSize janela, const MesaNaTela& naTela, const QRect& tela) {
    const QRect mesa = naTela(QRect(0, 0, LARGURA_DA_MESA, ALTURA_DA_MESA));
    const QRect cartas = cartasNaMesa(naTela);
    const QRect retrato = naTelaDe(naTela, "IMG_JOGADOR_" + std::to_string(chamador));
    const int folga = naTela(QRect(0, 0, FOLGA, FOLGA)).width();
    const int largura = janela.width();

    int x = retrato.center().x() - largura / 2;
    if (chamador == 4) {
        // The band from the table's left edge to the cards; too narrow, the window leaves by the left.
        const int limite = cartas.left() - folga;
        x = std::min(std::max(x, mesa.left()), limite - largura);
    } else {
        const int limite = cartas.right() + 1 + folga;
        x = std::max(std::min(x, mesa.right() + 1 - largura), limite);
    }
    // From just above the portrait down: the score and the tricks' results above stay in sight.
    const int y = retrato.top() - folga;
    return dentroDaTela({x, y}, janela, tela);
}

QPoint lugarDaPerguntaDeOnze(QSize janela, const MesaNaTela& naTela, const QRect& tela) {
    const QRect mao = naTelaDe(naTela, "JOG_1_1") | naTelaDe(naTela, "JOG_1_3");
    const QRect vira = naTelaDe(naTela, "CVIRA") | naTelaDe(naTela, "MONTE_3");
    const int folga = naTela(QRect(0, 0, FOLGA, FOLGA)).width();
    const int x = mao.center().x() - janela.width() / 2;
    // Right above the hand; a window too tall for the gap keeps clear of the vira instead.
    const int y = std::max(mao.top() - folga - janela.height(), vira.bottom() + 1 + folga);
    return dentroDaTela({x, y}, janela, tela);
}

void poeNoLugar(QWidget& janela, const std::function<QPoint(QSize)>& lugar) {
    if (!lugar) return;
    janela.adjustSize();
    janela.move(lugar(janela.frameGeometry().size()));
}

}  // namespace pelmar
