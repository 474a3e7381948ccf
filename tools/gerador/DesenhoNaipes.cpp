#include "DesenhoNaipes.h"

#include <QPainter>
#include <QTransform>

namespace pelmar::gerador {

namespace {

// Shapes are drawn in a box from -1 to 1 on both axes, y downwards.
QPainterPath coracao() {
    QPainterPath c;
    c.moveTo(0, -0.58);
    c.cubicTo(0.08, -0.9, 0.3, -1.0, 0.5, -1.0);
    c.cubicTo(0.8, -1.0, 1.0, -0.76, 1.0, -0.42);
    c.cubicTo(1.0, 0.02, 0.55, 0.38, 0.0, 1.0);
    c.cubicTo(-0.55, 0.38, -1.0, 0.02, -1.0, -0.42);
    c.cubicTo(-1.0, -0.76, -0.8, -1.0, -0.5, -1.0);
    c.cubicTo(-0.3, -1.0, -0.08, -0.9, 0, -0.58);
    c.closeSubpath();
    return c;
}

QPainterPath pe() {
    QPainterPath p;
    p.moveTo(-0.07, 0.2);
    p.quadTo(-0.05, 0.82, -0.42, 1.0);
    p.lineTo(0.42, 1.0);
    p.quadTo(0.05, 0.82, 0.07, 0.2);
    p.closeSubpath();
    return p;
}

QPainterPath espada() {
    // An upside-down heart, a little flatter, on a flared foot.
    QTransform virada;
    virada.translate(0, -0.12);
    virada.scale(0.98, -0.8);
    return virada.map(coracao()).united(pe());
}

QPainterPath ouro() {
    QPainterPath d;
    d.moveTo(0, -1);
    d.quadTo(0.34, -0.42, 0.8, 0);
    d.quadTo(0.34, 0.42, 0, 1);
    d.quadTo(-0.34, 0.42, -0.8, 0);
    d.quadTo(-0.34, -0.42, 0, -1);
    d.closeSubpath();
    return d;
}

QPainterPath pau() {
    QPainterPath folhas;
    const double r = 0.43;
    folhas.addEllipse(QPointF(0, -0.55), r, r);
    folhas.addEllipse(QPointF(-0.53, 0.05), r, r);
    folhas.addEllipse(QPointF(0.53, 0.05), r, r);
    folhas.addEllipse(QPointF(0, -0.1), 0.3, 0.3);
    folhas.setFillRule(Qt::WindingFill);
    QPainterPath cheio;
    cheio.addPath(folhas.simplified());
    return cheio.united(pe());
}

}  // namespace

char letraDoNaipe(Naipe naipe) {
    switch (naipe) {
        case Naipe::Copas: return 'C';
        case Naipe::Espadas: return 'E';
        case Naipe::Ouros: return 'O';
        case Naipe::Paus: return 'P';
    }
    return '?';
}

bool naipeVermelho(Naipe naipe) { return naipe == Naipe::Copas || naipe == Naipe::Ouros; }

QColor corDoNaipe(Naipe naipe) {
    return naipeVermelho(naipe) ? QColor(204, 22, 38) : QColor(22, 22, 28);
}

QPainterPath formaDoNaipe(Naipe naipe, double altura) {
    QPainterPath base;
    switch (naipe) {
        case Naipe::Copas: base = coracao(); break;
        case Naipe::Espadas: base = espada(); break;
        case Naipe::Ouros: base = ouro(); break;
        case Naipe::Paus: base = pau(); break;
    }
    QTransform escala;
    escala.scale(altura / 2, altura / 2);
    return escala.map(base);
}

void desenhaNaipe(QPainter& p, Naipe naipe, QPointF centro, double altura, bool invertido,
                  const QColor& cor) {
    p.save();
    p.translate(centro);
    if (invertido) p.rotate(180);
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    p.drawPath(formaDoNaipe(naipe, altura));
    p.restore();
}

}  // namespace pelmar::gerador
