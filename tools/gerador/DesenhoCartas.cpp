#include "DesenhoCartas.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <cstdlib>
#include <stdexcept>
#include <string>
#include <vector>

namespace pelmar::gerador {

namespace {

constexpr double kW = kLarguraCarta;
constexpr double kH = kAlturaCarta;
constexpr double kCentroX = kW / 2;
constexpr double kCentroY = kH / 2;

struct Paleta {
    QColor principal;   // the robe
    QColor secundaria;  // bands and trims
    QColor destaque;    // jewels, flowers, plumes
    QColor cabelo;
    QColor painel;      // the figure's background
};

const QColor kTinta(34, 28, 26);
const QColor kPele(246, 214, 182);
const QColor kOuro(226, 180, 52);
const QColor kVermelho(190, 28, 40);
const QColor kAzul(36, 66, 150);
const QColor kPreto(32, 32, 38);
const QColor kVerde(28, 110, 66);

Paleta paletaDoNaipe(Naipe naipe, EstiloCarta estilo) {
    const bool plano = estilo == EstiloCarta::Moderno;
    switch (naipe) {
        case Naipe::Copas:
            return {kVermelho, kOuro, kAzul, QColor(120, 72, 36),
                    plano ? QColor(252, 226, 226) : QColor(253, 248, 234)};
        case Naipe::Ouros:
            return {QColor(232, 152, 28), kVermelho, kVerde, QColor(96, 58, 28),
                    plano ? QColor(253, 238, 208) : QColor(253, 248, 234)};
        case Naipe::Espadas:
            return {kAzul, kPreto, kOuro, QColor(70, 60, 52),
                    plano ? QColor(222, 230, 248) : QColor(253, 248, 234)};
        case Naipe::Paus:
            return {kVerde, kPreto, kOuro, QColor(40, 34, 30),
                    plano ? QColor(220, 240, 226) : QColor(253, 248, 234)};
    }
    return {};
}

QString textoDoNumero(int numero) {
    static constexpr const char* kTextos[] = {"A", "2", "3", "4", "5", "6", "7", "Q", "J", "K"};
    return QString::fromLatin1(kTextos[numero - 1]);
}

QFont fonteDoIndice(EstiloCarta estilo) {
    QFont f(estilo == EstiloCarta::Classico ? "DejaVu Serif" : "DejaVu Sans");
    f.setPixelSize(estilo == EstiloCarta::Classico ? 25 : 28);
    f.setBold(true);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

// Rank and small suit at the top left, the same turned at the bottom right.
void desenhaIndices(QPainter& p, EstiloCarta estilo, int numero, Naipe naipe) {
    const QColor cor = corDoNaipe(naipe);
    const bool classico = estilo == EstiloCarta::Classico;
    for (int lado = 0; lado < 2; ++lado) {
        p.save();
        if (lado == 1) {
            p.translate(kW, kH);
            p.rotate(180);
        }
        p.setFont(fonteDoIndice(estilo));
        p.setPen(cor);
        p.drawText(QRectF(2, classico ? 4 : 3, 26, 28), Qt::AlignCenter, textoDoNumero(numero));
        desenhaNaipe(p, naipe, QPointF(15, classico ? 43 : 44), classico ? 16 : 18, false, cor);
        p.restore();
    }
}

// Pip centres for 2..7 in the classic arrangement.
std::vector<QPointF> posicoesDosPips(int numero) {
    const double esq = 50, meio = kCentroX, dir = kW - 50;
    const double topo = 40, centro = kCentroY, base = kH - 40;
    const double alto = topo + 29;
    switch (numero) {
        case 2: return {{meio, topo}, {meio, base}};
        case 3: return {{meio, topo}, {meio, centro}, {meio, base}};
        case 4: return {{esq, topo}, {dir, topo}, {esq, base}, {dir, base}};
        case 5: return {{esq, topo}, {dir, topo}, {meio, centro}, {esq, base}, {dir, base}};
        case 6:
            return {{esq, topo}, {dir, topo}, {esq, centro}, {dir, centro}, {esq, base}, {dir, base}};
        case 7:
            return {{esq, topo},    {dir, topo},    {meio, alto}, {esq, centro},
                    {dir, centro}, {esq, base}, {dir, base}};
        default: return {};
    }
}

void desenhaPips(QPainter& p, EstiloCarta estilo, int numero, Naipe naipe) {
    const double altura = estilo == EstiloCarta::Classico ? 27 : 29;
    for (const QPointF& c : posicoesDosPips(numero)) {
        desenhaNaipe(p, naipe, c, altura, c.y() > kCentroY + 1, corDoNaipe(naipe));
    }
}

void desenhaAs(QPainter& p, EstiloCarta estilo, Naipe naipe) {
    const QColor cor = corDoNaipe(naipe);
    const QPointF centro(kCentroX, kCentroY);
    if (estilo == EstiloCarta::Moderno) {
        p.setPen(QPen(cor, 3));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centro, 44, 44);
        desenhaNaipe(p, naipe, centro, 56, false, cor);
        return;
    }
    if (naipe == Naipe::Espadas) {
        // The ace of spades carries the deck's flourish.
        p.setPen(QPen(cor, 1.2));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(centro, 50, 58);
        p.setBrush(cor);
        p.setPen(Qt::NoPen);
        for (int k = 0; k < 24; ++k) {
            p.save();
            p.translate(centro);
            p.rotate(k * 15.0);
            p.drawEllipse(QPointF(0, -54), 1.6, 1.6);
            p.restore();
        }
        desenhaNaipe(p, naipe, centro, 78, false, cor);
        p.setPen(QPen(Qt::white, 1.5));
        p.setBrush(Qt::NoBrush);
        QPainterPath veio;
        veio.moveTo(kCentroX, kCentroY - 22);
        veio.cubicTo(kCentroX - 10, kCentroY - 8, kCentroX + 10, kCentroY + 2, kCentroX, kCentroY + 14);
        p.drawPath(veio);
        return;
    }
    desenhaNaipe(p, naipe, centro, 66, false, cor);
}

// ---- Court figures ----
// One half of the figure is drawn in coordinates centred on the card, upwards only; the other
// half is the same turned round, as on real court cards.

struct Tracos {
    QPen contorno;
    bool plano;
};

void pinta(QPainter& p, const Tracos& t, const QColor& cor) {
    p.setPen(t.plano ? QPen(Qt::NoPen) : t.contorno);
    p.setBrush(cor);
}

void pequenosPontos(QPainter& p, const QColor& cor, double x0, double x1, double y, double passo) {
    p.setPen(Qt::NoPen);
    p.setBrush(cor);
    for (double x = x0; x <= x1 + 0.01; x += passo) p.drawEllipse(QPointF(x, y), 1.3, 1.3);
}

void desenhaRoupa(QPainter& p, const Tracos& t, const Paleta& c, int numero) {
    QPainterPath corpo;
    corpo.moveTo(-42, 0);
    corpo.lineTo(-42, -16);
    corpo.cubicTo(-42, -28, -30, -35, -14, -37);
    corpo.lineTo(14, -37);
    corpo.cubicTo(30, -35, 42, -28, 42, -16);
    corpo.lineTo(42, 0);
    corpo.closeSubpath();
    pinta(p, t, c.principal);
    p.drawPath(corpo);
    if (!t.plano) {
        // Folds of the robe.
        p.setPen(QPen(c.principal.darker(135), 1));
        p.setBrush(Qt::NoBrush);
        for (double x : {-30.0, -20.0, 20.0, 30.0}) {
            QPainterPath dobra;
            dobra.moveTo(x * 0.8, -30);
            dobra.quadTo(x * 1.05, -16, x, 0);
            p.drawPath(dobra);
        }
    }

    // Front band with trims.
    pinta(p, t, c.secundaria);
    p.drawRect(QRectF(-9, -34, 18, 34));
    if (!t.plano) {
        pequenosPontos(p, c.destaque, -5, 5, -24, 5);
        pequenosPontos(p, c.destaque, -5, 5, -12, 5);
        p.setPen(QPen(kOuro, 1.2));
        p.drawLine(QPointF(-9, -30), QPointF(-9, 0));
        p.drawLine(QPointF(9, -30), QPointF(9, 0));
    } else {
        p.setPen(Qt::NoPen);
        p.setBrush(c.destaque);
        for (double y : {-26.0, -16.0, -6.0}) p.drawEllipse(QPointF(0, y), 2.6, 2.6);
    }
    // Sleeve stripes.
    pinta(p, t, c.destaque);
    p.drawRect(QRectF(-40, -14, 14, 6));
    p.drawRect(QRectF(26, -14, 14, 6));

    // Collar: ermine for the king, lace for the queen, a plain V for the jack.
    if (numero == 10) {
        pinta(p, t, QColor(250, 250, 246));
        QPainterPath gola;
        gola.moveTo(-24, -36);
        gola.quadTo(0, -24, 24, -36);
        gola.lineTo(22, -30);
        gola.quadTo(0, -17, -22, -30);
        gola.closeSubpath();
        p.drawPath(gola);
        p.setPen(Qt::NoPen);
        p.setBrush(kTinta);
        for (double x : {-16.0, -6.0, 6.0, 16.0}) p.drawRect(QRectF(x - 1, -29.5, 2, 3));
    } else if (numero == 8) {
        pinta(p, t, QColor(250, 250, 246));
        for (int k = -3; k <= 3; ++k) p.drawEllipse(QPointF(k * 6.0, -33 + std::abs(k) * -0.6), 4, 4);
    } else {
        pinta(p, t, c.secundaria);
        QPolygonF v;
        v << QPointF(-14, -37) << QPointF(0, -24) << QPointF(14, -37);
        p.drawPolygon(v);
    }
}

void desenhaRosto(QPainter& p, const Tracos& t, const Paleta& c, int numero) {
    // Hair behind the face for the queen.
    if (numero == 8) {
        pinta(p, t, c.cabelo);
        QPainterPath cabelo;
        cabelo.moveTo(-13, -40);
        cabelo.cubicTo(-17, -56, -14, -66, 0, -67);
        cabelo.cubicTo(14, -66, 17, -56, 13, -40);
        cabelo.closeSubpath();
        p.drawPath(cabelo);
    }
    pinta(p, t, kPele);
    p.drawRect(QRectF(-4.5, -44, 9, 8));
    p.drawEllipse(QPointF(0, -52), 10, 12);

    // Features: always lines, so the faces read at table size.
    p.setPen(QPen(kTinta, 1.1, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(kTinta);
    p.drawEllipse(QPointF(-4, -54), 1.2, 1.4);
    p.drawEllipse(QPointF(4, -54), 1.2, 1.4);
    p.drawLine(QPointF(-6, -57.5), QPointF(-2.5, -57));
    p.drawLine(QPointF(6, -57.5), QPointF(2.5, -57));
    p.setBrush(Qt::NoBrush);
    p.drawLine(QPointF(0, -53), QPointF(-1, -49));
    p.setPen(QPen(QColor(170, 92, 84), 1.4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(-2.5, -45.5), QPointF(2.5, -45.5));

    if (numero == 10) {
        // Beard and moustache.
        pinta(p, t, QColor(150, 146, 140));
        QPainterPath barba;
        barba.moveTo(-10, -50);
        barba.quadTo(-10, -38, 0, -34);
        barba.quadTo(10, -38, 10, -50);
        barba.quadTo(8, -43, 4, -44);
        barba.lineTo(-4, -44);
        barba.quadTo(-8, -43, -10, -50);
        barba.closeSubpath();
        p.drawPath(barba);
        p.setPen(QPen(QColor(120, 116, 110), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(-5, -47.3), QPointF(-0.5, -48));
        p.drawLine(QPointF(5, -47.3), QPointF(0.5, -48));
    } else if (numero == 9) {
        // Short hair at the temples.
        pinta(p, t, c.cabelo);
        p.drawEllipse(QPointF(-10, -55), 3, 5);
        p.drawEllipse(QPointF(10, -55), 3, 5);
    }
}

void desenhaChapeu(QPainter& p, const Tracos& t, const Paleta& c, int numero) {
    if (numero == 10) {
        pinta(p, t, kOuro);
        QPolygonF coroa;
        coroa << QPointF(-12, -61) << QPointF(-14, -75) << QPointF(-7, -68) << QPointF(0, -77)
              << QPointF(7, -68) << QPointF(14, -75) << QPointF(12, -61);
        p.drawPolygon(coroa);
        pinta(p, t, c.principal);
        p.drawRect(QRectF(-12, -64, 24, 4));
        p.setPen(Qt::NoPen);
        p.setBrush(c.destaque);
        for (double x : {-7.0, 0.0, 7.0}) p.drawEllipse(QPointF(x, -62), 1.6, 1.6);
    } else if (numero == 8) {
        pinta(p, t, kOuro);
        QPainterPath tiara;
        tiara.moveTo(-11, -63);
        tiara.lineTo(-12, -70);
        tiara.lineTo(-6, -66);
        tiara.lineTo(0, -73);
        tiara.lineTo(6, -66);
        tiara.lineTo(12, -70);
        tiara.lineTo(11, -63);
        tiara.closeSubpath();
        p.drawPath(tiara);
        p.setPen(Qt::NoPen);
        p.setBrush(c.destaque);
        for (const QPointF& b : {QPointF(-12, -71), QPointF(0, -74), QPointF(12, -71)}) {
            p.drawEllipse(b, 2, 2);
        }
    } else {
        // A soft cap with a plume.
        pinta(p, t, c.secundaria);
        QPainterPath copa;
        copa.moveTo(-13, -61);
        copa.cubicTo(-14, -74, 14, -76, 13, -61);
        copa.closeSubpath();
        p.drawPath(copa);
        pinta(p, t, c.principal);
        p.drawRect(QRectF(-15, -63, 30, 4));
        pinta(p, t, c.destaque);
        QPainterPath pluma;
        pluma.moveTo(8, -66);
        pluma.cubicTo(18, -78, 30, -74, 34, -66);
        pluma.cubicTo(26, -70, 18, -68, 8, -63);
        pluma.closeSubpath();
        p.drawPath(pluma);
    }
}

// Steel must stand out on the flat style's pale panels too.
QColor metal(const Tracos& t) { return t.plano ? QColor(128, 138, 156) : QColor(214, 218, 226); }

// The king holds a sword, the queen a flower, the jack a halberd.
void desenhaObjeto(QPainter& p, const Tracos& t, const Paleta& c, int numero) {
    if (numero == 10) {
        pinta(p, t, metal(t));
        QPolygonF lamina;
        lamina << QPointF(28, -20) << QPointF(28, -70) << QPointF(31, -75) << QPointF(34, -70)
               << QPointF(34, -20);
        p.drawPolygon(lamina);
        pinta(p, t, kOuro);
        p.drawRect(QRectF(23, -20, 16, 4));
        p.drawRect(QRectF(29, -16, 4, 10));
        p.drawEllipse(QPointF(31, -5), 3, 3);
    } else if (numero == 8) {
        p.setPen(QPen(kVerde.darker(120), 1.8));
        p.drawLine(QPointF(30, -14), QPointF(30, -52));
        pinta(p, t, kVerde);
        p.drawEllipse(QPointF(26, -34), 4, 2);
        pinta(p, t, c.destaque);
        for (int k = 0; k < 5; ++k) {
            p.save();
            p.translate(30, -58);
            p.rotate(k * 72.0);
            p.drawEllipse(QPointF(0, -4.5), 3.2, 4.5);
            p.restore();
        }
        pinta(p, t, kOuro);
        p.drawEllipse(QPointF(30, -58), 2.5, 2.5);
    } else {
        p.setPen(QPen(QColor(110, 74, 40), 2.4));
        p.drawLine(QPointF(-31, -4), QPointF(-31, -70));
        pinta(p, t, metal(t));
        QPainterPath machado;
        machado.moveTo(-31, -66);
        machado.quadTo(-42, -66, -41, -54);
        machado.quadTo(-36, -58, -31, -56);
        machado.closeSubpath();
        p.drawPath(machado);
        QPolygonF ponta;
        ponta << QPointF(-34, -69) << QPointF(-31, -78) << QPointF(-28, -69);
        p.drawPolygon(ponta);
    }
}

// The hand that holds the object, with its cuff.
void desenhaMao(QPainter& p, const Tracos& t, const Paleta& c, int numero) {
    const QPointF mao = numero == 10 ? QPointF(31, -12) : numero == 8 ? QPointF(30, -24) : QPointF(-31, -28);
    const double lado = mao.x() > 0 ? 1 : -1;
    pinta(p, t, c.principal);
    QPainterPath manga;
    manga.moveTo(lado * 24, -34);
    manga.quadTo(lado * 36, -30, mao.x() + lado * 2, mao.y() - 2);
    manga.lineTo(mao.x() - lado * 8, mao.y() + 3);
    manga.quadTo(lado * 22, -22, lado * 16, -30);
    manga.closeSubpath();
    p.drawPath(manga);
    pinta(p, t, kOuro);
    p.drawEllipse(mao + QPointF(-lado * 4, 1), 3.5, 5);
    pinta(p, t, kPele);
    p.drawEllipse(mao, 4.5, 4);
}

void desenhaMeiaFigura(QPainter& p, const Tracos& t, const Paleta& c, int numero, Naipe naipe) {
    desenhaRoupa(p, t, c, numero);
    desenhaRosto(p, t, c, numero);
    desenhaChapeu(p, t, c, numero);
    desenhaObjeto(p, t, c, numero);
    desenhaMao(p, t, c, numero);
    const double x = numero == 9 ? 30 : -30;
    desenhaNaipe(p, naipe, QPointF(x, -60), 15, false, corDoNaipe(naipe));
}

void desenhaFigura(QPainter& p, EstiloCarta estilo, int numero, Naipe naipe) {
    const bool plano = estilo == EstiloCarta::Moderno;
    const Paleta c = paletaDoNaipe(naipe, estilo);
    const QRectF moldura(28, 17, kW - 56, kH - 34);
    const Tracos t{QPen(kTinta, 0.9), plano};

    p.setPen(plano ? QPen(Qt::NoPen) : QPen(corDoNaipe(naipe), 1.4));
    p.setBrush(c.painel);
    if (plano) {
        p.drawRoundedRect(moldura, 8, 8);
    } else {
        p.drawRect(moldura);
    }

    for (int metade = 0; metade < 2; ++metade) {
        p.save();
        p.translate(kCentroX, kCentroY);
        if (metade == 1) p.rotate(180);
        p.setClipRect(QRectF(-moldura.width() / 2 + 1, -moldura.height() / 2 + 1,
                             moldura.width() - 2, moldura.height() / 2 - 1));
        desenhaMeiaFigura(p, t, c, numero, naipe);
        p.restore();
    }

    // The divide between the halves.
    if (plano) {
        p.setPen(QPen(c.painel, 3));
        p.drawLine(QPointF(moldura.left(), kCentroY), QPointF(moldura.right(), kCentroY));
    } else {
        p.setPen(QPen(corDoNaipe(naipe), 1.2));
        p.drawLine(QPointF(moldura.left(), kCentroY - 1.5), QPointF(moldura.right(), kCentroY - 1.5));
        p.drawLine(QPointF(moldura.left(), kCentroY + 1.5), QPointF(moldura.right(), kCentroY + 1.5));
        p.setPen(QPen(corDoNaipe(naipe), 0.8));
        p.setBrush(Qt::NoBrush);
        p.drawRect(moldura.adjusted(2.5, 2.5, -2.5, -2.5));
    }
}

}  // namespace

QColor corForaDaCarta() { return QColor(22, 92, 52); }

QImage cartaEmBranco(double raio) {
    QImage img(kLarguraCarta, kAlturaCarta, QImage::Format_RGB32);
    img.fill(corForaDaCarta());
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(110, 110, 110), 1));
    p.setBrush(Qt::white);
    p.drawRoundedRect(QRectF(0.5, 0.5, kW - 1, kH - 1), raio, raio);
    return img;
}

QImage desenhaCarta(EstiloCarta estilo, int numero, Naipe naipe) {
    if (numero < 1 || numero > 10) {
        throw std::invalid_argument("card number out of 1..10: " + std::to_string(numero));
    }
    QImage img = cartaEmBranco(estilo == EstiloCarta::Classico ? 8 : 11);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (numero == 1) {
        desenhaAs(p, estilo, naipe);
    } else if (numero <= 7) {
        desenhaPips(p, estilo, numero, naipe);
    } else {
        desenhaFigura(p, estilo, numero, naipe);
    }
    desenhaIndices(p, estilo, numero, naipe);
    return img;
}

}  // namespace pelmar::gerador
