#include "windows/DesenhosDoPelmar.h"

#include <QColor>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QRectF>
#include <QTransform>

#include <array>

namespace pelmar {

namespace {

enum class Naipe { Paus, Copas, Espada, Ouros };

const QColor VERDE_DA_MESA(22, 92, 52);

// A suit sign centred on the origin, about one unit tall.
QPainterPath sinalDoNaipe(Naipe naipe) {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    switch (naipe) {
        case Naipe::Copas:
            p.addEllipse(QPointF(-0.24, -0.15), 0.27, 0.27);
            p.addEllipse(QPointF(0.24, -0.15), 0.27, 0.27);
            p.addPolygon(QPolygonF({{-0.5, -0.05}, {0.5, -0.05}, {0.0, 0.5}}));
            break;
        case Naipe::Ouros:
            p.addPolygon(QPolygonF({{0.0, -0.5}, {0.38, 0.0}, {0.0, 0.5}, {-0.38, 0.0}}));
            break;
        case Naipe::Espada:
            p.addEllipse(QPointF(-0.24, 0.08), 0.27, 0.27);
            p.addEllipse(QPointF(0.24, 0.08), 0.27, 0.27);
            p.addPolygon(QPolygonF({{-0.5, -0.02}, {0.5, -0.02}, {0.0, -0.5}}));
            p.addPolygon(QPolygonF({{0.0, 0.1}, {0.18, 0.5}, {-0.18, 0.5}}));
            break;
        case Naipe::Paus:
            p.addEllipse(QPointF(0.0, -0.24), 0.22, 0.22);
            p.addEllipse(QPointF(-0.24, 0.08), 0.22, 0.22);
            p.addEllipse(QPointF(0.24, 0.08), 0.22, 0.22);
            p.addPolygon(QPolygonF({{0.0, 0.0}, {0.18, 0.5}, {-0.18, 0.5}}));
            break;
    }
    return p.simplified();
}

QColor corDoNaipe(Naipe naipe) {
    return naipe == Naipe::Copas || naipe == Naipe::Ouros ? QColor(200, 20, 30) : QColor(20, 20, 20);
}

// One card with its top-left corner at the origin.
void desenhaCarta(QPainter& pintor, const QSizeF& tamanho, const QString& valor, Naipe naipe) {
    const QRectF borda(QPointF(0, 0), tamanho);
    pintor.setPen(QPen(QColor(60, 60, 60), 1.0));
    pintor.setBrush(QColor(252, 250, 240));
    pintor.drawRoundedRect(borda, tamanho.width() * 0.1, tamanho.width() * 0.1);

    const QColor cor = corDoNaipe(naipe);
    QFont fonte = pintor.font();
    fonte.setBold(true);
    fonte.setPixelSize(static_cast<int>(tamanho.height() * 0.22));
    pintor.setFont(fonte);
    pintor.setPen(cor);
    pintor.drawText(QRectF(tamanho.width() * 0.08, tamanho.height() * 0.03, tamanho.width() * 0.5,
                           tamanho.height() * 0.25),
                    Qt::AlignLeft | Qt::AlignTop, valor);

    QTransform noCentro;
    noCentro.translate(tamanho.width() / 2, tamanho.height() * 0.58);
    noCentro.scale(tamanho.width() * 0.55, tamanho.width() * 0.55);
    pintor.setPen(Qt::NoPen);
    pintor.setBrush(cor);
    pintor.drawPath(noCentro.map(sinalDoNaipe(naipe)));
}

QPixmap fundoDaMesa(QSize tamanho) {
    QPixmap imagem(tamanho);
    imagem.fill(Qt::transparent);
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QPen(QColor(90, 60, 30), 3.0));
    pintor.setBrush(VERDE_DA_MESA);
    pintor.drawRoundedRect(QRectF(1.5, 1.5, tamanho.width() - 3.0, tamanho.height() - 3.0), 12, 12);
    return imagem;
}

}  // namespace

QPixmap desenhaLequeDeManilhas(QSize tamanho) {
    QPixmap imagem = fundoDaMesa(tamanho);
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setRenderHint(QPainter::TextAntialiasing);

    struct Carta {
        const char* valor;
        Naipe naipe;
    };
    const std::array<Carta, 4> manilhas = {
        {{"7", Naipe::Ouros}, {"A", Naipe::Espada}, {"7", Naipe::Copas}, {"4", Naipe::Paus}}};
    const double altura = tamanho.height() * 0.62;
    const QSizeF carta(altura * 0.74, altura);
    // The cards turn about a point below the picture, so their feet meet like a hand of cards.
    const QPointF eixo(tamanho.width() / 2.0, tamanho.height() * 0.95);
    for (std::size_t i = 0; i < manilhas.size(); ++i) {
        pintor.save();
        pintor.translate(eixo);
        pintor.rotate(-30.0 + 20.0 * static_cast<double>(i));
        pintor.translate(-carta.width() / 2, -carta.height() - tamanho.height() * 0.12);
        desenhaCarta(pintor, carta, QString::fromLatin1(manilhas[i].valor), manilhas[i].naipe);
        pintor.restore();
    }
    return imagem;
}

QPixmap desenhaPalitosNaMesa(QSize tamanho) {
    QPixmap imagem = fundoDaMesa(tamanho);
    QPainter pintor(&imagem);
    pintor.setRenderHint(QPainter::Antialiasing);

    const double w = tamanho.width();
    const double h = tamanho.height();
    const double comprimento = h * 0.55;
    const double espessura = w * 0.025;
    // Three groups of three sticks and one of two: eleven points, a hand of eleven.
    const std::array<int, 4> grupos = {3, 3, 3, 2};
    double x = w * 0.12;
    for (std::size_t g = 0; g < grupos.size(); ++g) {
        for (int i = 0; i < grupos[g]; ++i) {
            const QPointF pe(x, h * 0.8);
            const QPointF cabeca(x + w * 0.03, h * 0.8 - comprimento);
            pintor.setPen(QPen(QColor(225, 195, 140), espessura, Qt::SolidLine, Qt::RoundCap));
            pintor.drawLine(pe, cabeca);
            pintor.setPen(Qt::NoPen);
            pintor.setBrush(QColor(180, 30, 30));
            pintor.drawEllipse(cabeca, espessura * 1.1, espessura * 1.6);
            x += w * 0.055;
        }
        x += w * 0.06;
    }
    return imagem;
}

}  // namespace pelmar
