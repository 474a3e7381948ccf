#include "RostoDesenho.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>
#include <numbers>

namespace pelmar::gerador {
namespace {

// Drawn on a 200 × 160 board, then scaled: the numbers below are board units.
constexpr double LB = 200.0;
constexpr double AB = 160.0;
constexpr double CX = 100.0;
constexpr double CY = 68.0;

constexpr double OLHO_Y = CY + 4.0;
constexpr double SOBRANCELHA_Y = CY - 9.0;
constexpr double NARIZ_Y = CY + 17.0;
constexpr double BOCA_Y = CY + 30.0;
constexpr double PESCOCO_Y = 126.0;

const QColor TINTA(38, 26, 22);

struct Cabeca {
    double a;          // half width
    double b;          // half height
    double mandibula;  // jaw width, share of a
    double queixo;     // chin width, share of a
};

Cabeca medidas(Formato f) {
    switch (f) {
        case Formato::Redondo: return {45, 48, 0.93, 0.55};
        case Formato::Oval: return {41, 49, 0.84, 0.42};
        case Formato::Quadrado: return {44, 48, 0.99, 0.72};
        case Formato::Comprido: return {38, 52, 0.88, 0.50};
        case Formato::Coracao: return {43, 49, 0.74, 0.18};
    }
    return {42, 48, 0.9, 0.5};
}

// What moves in each face, exaggerated so that it reads at portrait size.
struct Pose {
    double inclinacao = 0;  // head tilt, degrees
    double ombro = 0;       // left shoulder raised
    double testa = 0;       // hair and hat lifted with the brows
};

Pose poseDe(Expressao e) {
    Pose p;
    if (e == Expressao::Dois) p.inclinacao = 26;
    if (e == Expressao::Tres) p.ombro = 36;
    if (e == Expressao::Copas) p.testa = 8;
    return p;
}

// Raised, the left shoulder climbs towards the ear.
QPointF pontaDoOmbro(double ombro) { return {36 + ombro * 0.62, 134 - ombro}; }

QColor cor(QRgb c) { return QColor::fromRgb(c); }

QPen caneta(const QColor& c, double largura) {
    QPen p(c, largura);
    p.setCapStyle(Qt::RoundCap);
    p.setJoinStyle(Qt::RoundJoin);
    return p;
}

void contorna(QPainter& p, const QPainterPath& caminho, const QColor& preenche, double largura = 2.6) {
    p.setPen(caneta(TINTA, largura));
    p.setBrush(preenche);
    p.drawPath(caminho);
}

void traco(QPainter& p, const QPainterPath& caminho, const QColor& c, double largura) {
    p.setPen(caneta(c, largura));
    p.setBrush(Qt::NoBrush);
    p.drawPath(caminho);
}

// Dark lines vanish on dark skin: a lighter edge keeps the signals readable.
void tracoNaPele(QPainter& p, const QPainterPath& caminho, const QColor& pele, double largura) {
    if (pele.lightness() < 150) traco(p, caminho, pele.lighter(175), largura + 2.4);
    traco(p, caminho, TINTA, largura);
}

QPainterPath curva(QPointF a, QPointF controle, QPointF b) {
    QPainterPath c(a);
    c.quadTo(controle, b);
    return c;
}

QPainterPath elipse(double x, double y, double rx, double ry) {
    QPainterPath c;
    c.addEllipse(QPointF(x, y), rx, ry);
    return c;
}

QColor cabeloEscuro(const Aparencia& ap) { return cor(ap.cabelo).darker(135); }

// Upper half a true ellipse, so hair and hats can follow it.
QPainterPath contornoRosto(const Cabeca& h) {
    const double a = h.a, b = h.b, j = h.a * h.mandibula, q = h.a * h.queixo;
    QPainterPath c(QPointF(CX, CY - b));
    c.cubicTo(CX + 0.552 * a, CY - b, CX + a, CY - 0.552 * b, CX + a, CY);
    c.cubicTo(CX + a, CY + 0.3 * b, CX + (a + j) / 2, CY + 0.5 * b, CX + j, CY + 0.66 * b);
    c.cubicTo(CX + j * 0.92, CY + 0.86 * b, CX + q, CY + b, CX, CY + b);
    c.cubicTo(CX - q, CY + b, CX - j * 0.92, CY + 0.86 * b, CX - j, CY + 0.66 * b);
    c.cubicTo(CX - (a + j) / 2, CY + 0.5 * b, CX - a, CY + 0.3 * b, CX - a, CY);
    c.cubicTo(CX - a, CY - 0.552 * b, CX - 0.552 * a, CY - b, CX, CY - b);
    c.closeSubpath();
    return c;
}

// The hair over the skull: the head's top, `t` thick, down to `lateral` above the eye line at
// the temples and to `linha` above it in the middle, the middle shifted by `risca`.
QPainterPath capa(const Cabeca& h, double t, double linha, double lateral, double risca = 0) {
    const QRectF r(CX - h.a - t, CY - h.b - t, 2 * (h.a + t), 2 * (h.b + t));
    const double s = std::clamp(lateral / (h.b + t), -0.9, 0.9);
    const double theta = std::asin(s) * 180.0 / std::numbers::pi;
    QPainterPath c;
    c.arcMoveTo(r, 180.0 - theta);
    c.arcTo(r, 180.0 - theta, -(180.0 - 2 * theta));
    c.lineTo(CX + h.a - 4, CY - lateral);
    c.cubicTo(CX + h.a * 0.85, CY - linha + 4, CX + risca + h.a * 0.4, CY - linha, CX + risca, CY - linha);
    c.cubicTo(CX + risca - h.a * 0.4, CY - linha, CX - h.a * 0.85, CY - linha + 4, CX - h.a + 4, CY - lateral);
    c.closeSubpath();
    return c;
}

void fundo(QPainter& p, const Aparencia& ap) {
    const QColor f = cor(ap.fundo);
    p.setPen(Qt::NoPen);
    p.setBrush(f.lighter(112));
    p.drawEllipse(QPointF(CX, CY + 6), 78, 70);
}

void moldura(QPainter& p, const Aparencia& ap) {
    p.setPen(QPen(cor(ap.fundo).darker(150), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(2, 2, LB - 4, AB - 4));
}

// Swept lines where the head came from.
void marcasDaCabeca(QPainter& p) {
    const QPointF pivo(CX, CY + 44);
    for (const double raio : {104.0, 116.0}) {
        QPainterPath arco;
        const QRectF r(pivo.x() - raio, pivo.y() - raio, 2 * raio, 2 * raio);
        arco.arcMoveTo(r, 122);
        arco.arcTo(r, 122, 20);
        traco(p, arco, TINTA, 3.2);
    }
}

void marcasDoOmbro(QPainter& p, double ombro) {
    const QPointF ponta = pontaDoOmbro(ombro);
    for (const double d : {-26.0, -14.0, -2.0}) {
        const double x = ponta.x() + d;
        const double y = ponta.y() - 6 + std::abs(d + 14) * 0.3;
        traco(p, curva({x, y}, {x, y - 6}, {x, y - 12}), TINTA, 3.2);
    }
}

// --- the back of the head ---------------------------------------------------------------

void cabeloAtras(QPainter& p, const Aparencia& ap, const Cabeca& h, double testa) {
    const QColor c = cor(ap.cabelo);
    switch (ap.penteado) {
        case Penteado::Liso: {
            QPainterPath m;
            const QRectF r(CX - h.a - 11, CY - h.b - 9, 2 * (h.a + 11), 2 * (h.b + 9));
            m.arcMoveTo(r, 180);
            m.arcTo(r, 180, -180);
            m.cubicTo(CX + h.a + 14, CY + 40, CX + h.a + 18, CY + 64, CX + h.a + 12, CY + 70);
            m.lineTo(CX - h.a - 12, CY + 70);
            m.cubicTo(CX - h.a - 18, CY + 64, CX - h.a - 14, CY + 40, CX - h.a - 11, CY);
            m.closeSubpath();
            contorna(p, m, c);
            break;
        }
        case Penteado::Chanel: {
            QPainterPath m;
            const QRectF r(CX - h.a - 10, CY - h.b - 8, 2 * (h.a + 10), 2 * (h.b + 8));
            m.arcMoveTo(r, 180);
            m.arcTo(r, 180, -180);
            m.cubicTo(CX + h.a + 12, CY + 20, CX + h.a + 12, CY + 34, CX + h.a + 4, CY + 38);
            m.lineTo(CX - h.a - 4, CY + 38);
            m.cubicTo(CX - h.a - 12, CY + 34, CX - h.a - 12, CY + 20, CX - h.a - 10, CY);
            m.closeSubpath();
            contorna(p, m, c);
            break;
        }
        case Penteado::Cachos: {
            // Curls all round, down to the jaw.
            for (int i = 0; i <= 16; ++i) {
                const double ang = (-25.0 + 230.0 * i / 16.0) * std::numbers::pi / 180.0;
                const double x = CX + (h.a + 12) * std::cos(ang);
                const double y = CY + 4 - (h.b + 8) * std::sin(ang);
                contorna(p, elipse(x, y, 13, 13), c);
            }
            break;
        }
        case Penteado::Coque: {
            const double y = CY - h.b - 10 - testa;
            contorna(p, elipse(CX, y, 19, 15), c);
            traco(p, curva({CX - 12, y - 2}, {CX, y + 8}, {CX + 12, y - 2}), c.darker(130), 2);
            traco(p, curva({CX - 8, y - 9}, {CX + 2, y - 4}, {CX + 10, y - 8}), c.darker(130), 2);
            break;
        }
        case Penteado::RaboDeCavalo: {
            QPainterPath r(QPointF(CX + h.a * 0.55, CY - h.b * 0.75 - testa));
            r.cubicTo(CX + h.a + 30, CY - h.b - 10 - testa, CX + h.a + 34, CY + 10, CX + h.a + 22, CY + 36);
            r.cubicTo(CX + h.a + 20, CY + 14, CX + h.a + 6, CY - 18, CX + h.a * 0.8, CY - h.b * 0.35 - testa);
            r.closeSubpath();
            contorna(p, r, c);
            traco(p, curva({CX + h.a + 8, CY - 26 - testa}, {CX + h.a + 22, CY - 10}, {CX + h.a + 20, CY + 20}),
                  c.darker(125), 2);
            break;
        }
        default:
            break;
    }
    if (ap.chapeu == Chapeu::BoneVirado) {
        // The visor, turned to the back, peeks out behind the crown.
        p.save();
        p.translate(CX + h.a * 0.75, CY - h.b + 6 - testa);
        p.rotate(-28);
        contorna(p, elipse(8, 0, 24, 7), cor(ap.corChapeu).darker(115));
        p.restore();
    }
}

// --- the body --------------------------------------------------------------------------

QPainterPath torso(double ombro) {
    const QPointF ponta = pontaDoOmbro(ombro);
    QPainterPath t(QPointF(-8, 172));
    t.lineTo(-8, 154 - ombro * 0.3);
    t.cubicTo(-4, 142 - ombro * 0.6, ponta.x() - 22, ponta.y(), ponta.x(), ponta.y());
    t.cubicTo(ponta.x() + 14, ponta.y(), CX - 28, PESCOCO_Y + 2, CX - 20, PESCOCO_Y);
    t.lineTo(CX + 20, PESCOCO_Y);
    t.cubicTo(130, PESCOCO_Y + 2, 142, 134, 164, 134);
    t.cubicTo(186, 134, 204, 142, 208, 154);
    t.lineTo(208, 172);
    t.closeSubpath();
    return t;
}

void corpo(QPainter& p, const Aparencia& ap, double ombro) {
    const QColor pele = cor(ap.pele);
    const QColor roupa = cor(ap.roupa);
    const QColor detalhe = cor(ap.detalheRoupa);

    QPainterPath pescoco;
    pescoco.addRect(QRectF(CX - 14, CY + 26, 28, PESCOCO_Y - CY - 16));
    contorna(p, pescoco, pele);
    p.setPen(Qt::NoPen);
    p.setBrush(pele.darker(118));
    p.drawEllipse(QPointF(CX, CY + 50), 14, 7);

    const QPainterPath t = torso(ombro);
    contorna(p, t, roupa, 2.8);

    p.save();
    p.setClipPath(t);
    if (ap.gola == Roupa::Listrada) {
        for (double y = 136; y < 172; y += 12) {
            p.setPen(Qt::NoPen);
            p.setBrush(detalhe);
            p.drawRect(QRectF(-10, y, LB + 20, 5));
        }
    }
    if (ap.gola == Roupa::Xadrez) {
        QColor linha = roupa.darker(150);
        linha.setAlpha(150);
        p.setPen(QPen(linha, 4));
        for (double x = 6; x < LB; x += 16) p.drawLine(QPointF(x, 90), QPointF(x, 172));
        for (double y = 138; y < 172; y += 14) p.drawLine(QPointF(-10, y), QPointF(LB + 10, y));
        p.setPen(QPen(cor(ap.detalheRoupa), 1.5));
        for (double x = 14; x < LB; x += 16) p.drawLine(QPointF(x, 90), QPointF(x, 172));
    }
    if (ap.alcaViolao) {
        QPainterPath alca(pontaDoOmbro(ombro) + QPointF(-6, 4));
        alca.lineTo(LB - 20, 176);
        p.setPen(caneta(TINTA, 13));
        p.drawPath(alca);
        p.setPen(caneta(QColor(0x8a, 0x4a, 0x22), 9));
        p.drawPath(alca);
        p.setPen(caneta(QColor(0xf0, 0xc0, 0x60), 1.6));
        for (double k = 0.15; k < 1.0; k += 0.14) {
            const QPointF m = alca.pointAtPercent(k);
            p.drawPoint(m);
        }
    }
    p.restore();

    switch (ap.gola) {
        case Roupa::Camiseta:
        case Roupa::Listrada: {
            traco(p, curva({CX - 21, PESCOCO_Y}, {CX, PESCOCO_Y + 20}, {CX + 21, PESCOCO_Y}), TINTA, 7);
            traco(p, curva({CX - 21, PESCOCO_Y}, {CX, PESCOCO_Y + 20}, {CX + 21, PESCOCO_Y}), detalhe, 4);
            break;
        }
        case Roupa::GolaV: {
            QPainterPath v(QPointF(CX - 21, PESCOCO_Y));
            v.lineTo(CX, PESCOCO_Y + 26);
            v.lineTo(CX + 21, PESCOCO_Y);
            v.closeSubpath();
            contorna(p, v, pele);
            QPainterPath borda(QPointF(CX - 21, PESCOCO_Y));
            borda.lineTo(CX, PESCOCO_Y + 26);
            borda.lineTo(CX + 21, PESCOCO_Y);
            traco(p, borda, detalhe, 3);
            break;
        }
        case Roupa::Camisa:
        case Roupa::Xadrez: {
            QPainterPath v(QPointF(CX - 15, PESCOCO_Y));
            v.lineTo(CX, PESCOCO_Y + 16);
            v.lineTo(CX + 15, PESCOCO_Y);
            v.closeSubpath();
            contorna(p, v, pele);
            const QColor gola = ap.gola == Roupa::Xadrez ? roupa.darker(120) : detalhe;
            for (const double s : {-1.0, 1.0}) {
                QPainterPath aba(QPointF(CX + s * 15, PESCOCO_Y - 4));
                aba.lineTo(CX + s * 1, PESCOCO_Y + 17);
                aba.lineTo(CX + s * 26, PESCOCO_Y + 14);
                aba.closeSubpath();
                contorna(p, aba, gola, 2.4);
            }
            p.setPen(caneta(TINTA, 1.6));
            p.setBrush(detalhe.lighter(105));
            for (const double y : {PESCOCO_Y + 24, PESCOCO_Y + 33}) p.drawEllipse(QPointF(CX, y), 2.2, 2.2);
            break;
        }
        case Roupa::Cardigan: {
            QPainterPath blusa(QPointF(CX - 21, PESCOCO_Y));
            blusa.lineTo(CX - 6, 172);
            blusa.lineTo(CX + 6, 172);
            blusa.lineTo(CX + 21, PESCOCO_Y);
            blusa.closeSubpath();
            contorna(p, blusa, detalhe);
            traco(p, curva({CX - 17, PESCOCO_Y}, {CX, PESCOCO_Y + 12}, {CX + 17, PESCOCO_Y}), TINTA, 2.2);
            p.setPen(caneta(TINTA, 1.6));
            p.setBrush(roupa.darker(125));
            for (const double y : {PESCOCO_Y + 24, PESCOCO_Y + 32}) {
                p.drawEllipse(QPointF(CX - 12, y), 2.4, 2.4);
            }
            break;
        }
    }
    if (ap.colar) {
        p.setPen(caneta(TINTA.lighter(200), 0.8));
        p.setBrush(QColor(0xfa, 0xf6, 0xee));
        for (int i = 0; i <= 8; ++i) {
            const double u = i / 8.0;
            const QPointF m = curva({CX - 18, PESCOCO_Y - 2}, {CX, PESCOCO_Y + 20}, {CX + 18, PESCOCO_Y - 2}).pointAtPercent(u);
            p.drawEllipse(m, 2.6, 2.6);
        }
    }
}

// --- the face --------------------------------------------------------------------------

void orelhas(QPainter& p, const Aparencia& ap, const Cabeca& h) {
    const QColor pele = cor(ap.pele);
    for (const double s : {-1.0, 1.0}) {
        const double x = CX + s * (h.a - 1);
        contorna(p, elipse(x, CY + 8, 7.5, 11), pele);
        traco(p, curva({x + s * 1, CY + 2}, {x + s * 5, CY + 8}, {x + s * 1, CY + 14}), pele.darker(140), 1.8);
        if (ap.brincos) {
            p.setPen(caneta(TINTA, 3.6));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPointF(x, CY + 24), 5.5, 5.5);
            p.setPen(caneta(QColor(0xf0, 0xc0, 0x30), 2.2));
            p.drawEllipse(QPointF(x, CY + 24), 5.5, 5.5);
        }
    }
}

void bochechas(QPainter& p, const Aparencia& ap, const Cabeca& h) {
    QColor rosa(0xff, 0x70, 0x70, 55);
    p.setPen(Qt::NoPen);
    p.setBrush(rosa);
    for (const double s : {-1.0, 1.0}) p.drawEllipse(QPointF(CX + s * h.a * 0.6, NARIZ_Y + 5), 8, 5);
    if (ap.sardas) {
        p.setBrush(QColor(0xb0, 0x60, 0x30, 190));
        for (const double s : {-1.0, 1.0})
            for (const auto& [dx, dy] : {std::pair{18.0, 0.0}, {24.0, 3.0}, {20.0, 6.0}, {28.0, -1.0}, {14.0, 4.0}})
                p.drawEllipse(QPointF(CX + s * dx, NARIZ_Y + dy), 1.3, 1.3);
    }
    if (ap.idade) {
        const QColor ruga = cor(ap.pele).darker(160);
        for (const double s : {-1.0, 1.0}) {
            const double x = CX + s * (h.a * 0.4 + 11);
            traco(p, curva({x, OLHO_Y - 2}, {x + s * 4, OLHO_Y - 4}, {x + s * 7, OLHO_Y - 6}), ruga, 1.6);
            traco(p, curva({x, OLHO_Y + 2}, {x + s * 4, OLHO_Y + 3}, {x + s * 7, OLHO_Y + 5}), ruga, 1.6);
            traco(p, curva({CX + s * 11, NARIZ_Y + 2}, {CX + s * 18, BOCA_Y - 6}, {CX + s * 16, BOCA_Y + 4}), ruga, 1.8);
        }
    }
}

void linhasDaTesta(QPainter& p, const QColor& pele) {
    for (const double y : {CY - 24.0, CY - 30.0, CY - 36.0}) {
        const double w = y < CY - 33 ? 16.0 : 22.0;
        QPainterPath l(QPointF(CX - w, y + 1));
        l.cubicTo(CX - w / 2, y - 3, CX - w / 4, y + 3, CX, y);
        l.cubicTo(CX + w / 4, y - 3, CX + w / 2, y + 3, CX + w, y + 1);
        tracoNaPele(p, l, pele, 2.2);
    }
}

void olhoAberto(QPainter& p, const Aparencia& ap, double x, double y, bool arregalado) {
    const double rx = arregalado ? 10.5 : 8.5;
    const double ry = arregalado ? 13.0 : 10.0;
    contorna(p, elipse(x, y, rx, ry), Qt::white, 2.4);
    const double ri = arregalado ? 4.5 : 5.4;
    const double iy = arregalado ? y : y + 1.5;
    p.setPen(Qt::NoPen);
    p.setBrush(cor(ap.olhos));
    p.drawEllipse(QPointF(x, iy), ri, ri);
    p.setBrush(TINTA);
    p.drawEllipse(QPointF(x, iy), ri * 0.55, ri * 0.55);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(x - 1.8, iy - 1.8), 1.6, 1.6);
    traco(p, curva({x - rx, y - 1}, {x, y - ry * 1.45}, {x + rx, y - 1}), TINTA, 3.2);
}

void olhoFechado(QPainter& p, const QColor& pele, double x, double y) {
    const QPainterPath palpebra = curva({x - 11, y - 1}, {x, y + 9}, {x + 11, y - 1});
    QPainterPath cilios;
    for (const double d : {-6.0, 0.0, 6.0}) {
        const double base = y + 3.6 - std::abs(d) * 0.35;
        cilios.addPath(curva({x + d, base}, {x + d * 1.2, base + 3}, {x + d * 1.4, base + 6}));
    }
    // One light edge under the whole eye, so the lashes do not blur into each other.
    if (pele.lightness() < 150) {
        QPainterPath tudo = palpebra;
        tudo.addPath(cilios);
        traco(p, tudo, pele.lighter(175), 6.0);
    }
    traco(p, palpebra, TINTA, 4.6);
    traco(p, cilios, TINTA, 2.2);
}

void olhoApertado(QPainter& p, const Aparencia& ap, double x, double y) {
    QPainterPath fenda(QPointF(x - 9, y + 2));
    fenda.quadTo(x, y - 3, x + 9, y + 2);
    fenda.quadTo(x, y + 6, x - 9, y + 2);
    contorna(p, fenda, Qt::white, 2.0);
    p.save();
    p.setClipPath(fenda);
    p.setPen(Qt::NoPen);
    p.setBrush(cor(ap.olhos));
    p.drawEllipse(QPointF(x, y + 2), 4.5, 4.5);
    p.setBrush(TINTA);
    p.drawEllipse(QPointF(x, y + 2), 2.4, 2.4);
    p.restore();
    traco(p, curva({x - 10, y + 2}, {x, y - 4}, {x + 10, y + 2}), TINTA, 3.6);
}

void sobrancelha(QPainter& p, const Aparencia& ap, double x, double s, Expressao e) {
    const QColor c = cabeloEscuro(ap);
    const double inner = x - s * 9;  // the end nearer the nose
    const double outer = x + s * 9;
    double yi = SOBRANCELHA_Y + 1, yo = SOBRANCELHA_Y + 1, topo = SOBRANCELHA_Y - 3;
    if (e == Expressao::Copas) {
        yi = CY - 15;
        yo = CY - 14;
        topo = CY - 24;
    } else if (e == Expressao::Nada) {
        yi = SOBRANCELHA_Y + 7;
        yo = SOBRANCELHA_Y - 1;
        topo = SOBRANCELHA_Y + 2;
    } else if (e == Expressao::Paus && s > 0) {
        yi = SOBRANCELHA_Y + 4;
        yo = SOBRANCELHA_Y + 5;
        topo = SOBRANCELHA_Y + 3;
    } else if (e == Expressao::Paus) {
        yi = SOBRANCELHA_Y - 1;
        yo = SOBRANCELHA_Y - 2;
        topo = SOBRANCELHA_Y - 6;
    }
    const QPainterPath linha = curva({inner, yi}, {x, topo}, {outer, yo});
    tracoNaPele(p, linha, cor(ap.pele), 6.4);
    traco(p, linha, c, 4.0);
}

void olhos(QPainter& p, const Aparencia& ap, const Cabeca& h, Expressao e) {
    const double dx = h.a * 0.40;
    for (const double s : {-1.0, 1.0}) {
        const double x = CX + s * dx;
        switch (e) {
            case Expressao::Gesto: olhoFechado(p, cor(ap.pele), x, OLHO_Y); break;
            case Expressao::Paus:
                if (s > 0) {
                    olhoFechado(p, cor(ap.pele), x, OLHO_Y);
                    tracoNaPele(p, curva({x - 8, OLHO_Y + 12}, {x, OLHO_Y + 8}, {x + 8, OLHO_Y + 12}), cor(ap.pele), 2.0);
                } else {
                    olhoAberto(p, ap, x, OLHO_Y, false);
                }
                break;
            case Expressao::Nada: olhoApertado(p, ap, x, OLHO_Y); break;
            case Expressao::Copas: olhoAberto(p, ap, x, OLHO_Y - 1, true); break;
            default: olhoAberto(p, ap, x, OLHO_Y, false); break;
        }
        sobrancelha(p, ap, x, s, e);
    }
}

void nariz(QPainter& p, const Aparencia& ap, Expressao e) {
    const double n = ap.nariz;
    const QColor pele = cor(ap.pele);
    if (e == Expressao::Nada) {
        const double y = NARIZ_Y - 3;
        p.setPen(Qt::NoPen);
        p.setBrush(pele.darker(112));
        p.drawEllipse(QPointF(CX, y), 8 * n, 5 * n);
        tracoNaPele(p, curva({CX - 8 * n, y}, {CX, y + 7 * n}, {CX + 8 * n, y}), pele, 2.6);
        // The wrinkles across the bridge and beside the nose.
        for (const double k : {0.0, 4.5, 9.0}) {
            const double yy = y - 7 - k;
            tracoNaPele(p, curva({CX - 6, yy + 1.5}, {CX, yy - 2.5}, {CX + 6, yy + 1.5}), pele, 2.2);
        }
        for (const double s : {-1.0, 1.0}) {
            tracoNaPele(p, curva({CX + s * 11, y - 6}, {CX + s * 14, y - 1}, {CX + s * 13, y + 5}), pele, 2.0);
            tracoNaPele(p, curva({CX + s * 16, y - 4}, {CX + s * 19, y + 1}, {CX + s * 18, y + 6}), pele, 1.6);
        }
        return;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(pele.darker(110));
    p.drawEllipse(QPointF(CX, NARIZ_Y), 6 * n, 4.5 * n);
    traco(p, curva({CX - 6 * n, NARIZ_Y}, {CX, NARIZ_Y + 6.5 * n}, {CX + 6 * n, NARIZ_Y}), TINTA, 2.4);
    traco(p, curva({CX - 2 * n, NARIZ_Y - 11 * n}, {CX - 4 * n, NARIZ_Y - 5 * n}, {CX - 4.5 * n, NARIZ_Y - 1}),
          pele.darker(135), 1.6);
}

QColor corLabios(const Aparencia& ap) {
    return ap.boca == Boca::Batom ? QColor(0xc8, 0x2a, 0x48) : cor(ap.pele).darker(135);
}

void bocaHabitual(QPainter& p, const Aparencia& ap) {
    switch (ap.boca) {
        case Boca::Sorriso:
            traco(p, curva({CX - 14, BOCA_Y - 1}, {CX, BOCA_Y + 10}, {CX + 14, BOCA_Y - 1}), TINTA, 3.0);
            break;
        case Boca::Contida:
            traco(p, curva({CX - 10, BOCA_Y}, {CX, BOCA_Y + 6}, {CX + 10, BOCA_Y}), TINTA, 2.8);
            break;
        case Boca::Batom: {
            QPainterPath l(QPointF(CX - 14, BOCA_Y));
            l.cubicTo(CX - 8, BOCA_Y - 6, CX - 3, BOCA_Y - 4, CX, BOCA_Y - 2);
            l.cubicTo(CX + 3, BOCA_Y - 4, CX + 8, BOCA_Y - 6, CX + 14, BOCA_Y);
            l.cubicTo(CX + 8, BOCA_Y + 9, CX - 8, BOCA_Y + 9, CX - 14, BOCA_Y);
            contorna(p, l, corLabios(ap), 2.0);
            traco(p, curva({CX - 13, BOCA_Y}, {CX, BOCA_Y + 4}, {CX + 13, BOCA_Y}), TINTA, 1.8);
            break;
        }
        case Boca::Risada: {
            QPainterPath b(QPointF(CX - 16, BOCA_Y - 3));
            b.quadTo(CX, BOCA_Y + 1, CX + 16, BOCA_Y - 3);
            b.cubicTo(CX + 14, BOCA_Y + 16, CX - 14, BOCA_Y + 16, CX - 16, BOCA_Y - 3);
            contorna(p, b, QColor(0x7a, 0x1c, 0x24), 2.6);
            p.save();
            p.setClipPath(b);
            p.setPen(Qt::NoPen);
            p.setBrush(Qt::white);
            p.drawRect(QRectF(CX - 16, BOCA_Y - 6, 32, 9));
            p.setBrush(QColor(0xee, 0x6f, 0x86));
            p.drawEllipse(QPointF(CX, BOCA_Y + 13), 9, 5);
            p.restore();
            traco(p, b, TINTA, 2.6);
            break;
        }
    }
}

void lingua(QPainter& p, const QPainterPath& forma, double comprimento) {
    contorna(p, forma, QColor(0xee, 0x6f, 0x86), 2.6);
    traco(p, curva({0, 0}, {comprimento * 0.4, 0.5}, {comprimento * 0.7, 0}), QColor(0xb8, 0x3a, 0x52), 1.8);
}

void boca(QPainter& p, const Aparencia& ap, Expressao e) {
    switch (e) {
        case Expressao::Ouros: {
            contorna(p, elipse(CX, BOCA_Y + 2, 13, 8.5), QColor(0x5a, 0x16, 0x20), 2.6);
            // A long tongue hanging straight down, past the chin.
            QPainterPath l(QPointF(-11, 0));
            l.lineTo(-11, 13);
            l.cubicTo(-11, 29, 11, 29, 11, 13);
            l.lineTo(11, 0);
            l.closeSubpath();
            p.save();
            p.translate(CX, BOCA_Y + 3);
            contorna(p, l, QColor(0xee, 0x6f, 0x86), 2.6);
            traco(p, curva({0, 3}, {0.5, 10}, {0, 18}), QColor(0xb8, 0x3a, 0x52), 1.8);
            p.restore();
            break;
        }
        case Expressao::Espada: {
            // The tongue pushed out of the corner of a closed mouth.
            p.save();
            p.translate(CX + 9, BOCA_Y + 1);
            p.rotate(24);
            QPainterPath l(QPointF(-4, -7));
            l.lineTo(16, -8);
            l.cubicTo(31, -8, 31, 8, 16, 8);
            l.lineTo(-4, 7);
            l.closeSubpath();
            lingua(p, l, 30);
            p.restore();
            traco(p, curva({CX - 13, BOCA_Y + 1}, {CX - 2, BOCA_Y + 5}, {CX + 10, BOCA_Y - 1}), TINTA, 3.0);
            break;
        }
        case Expressao::Nada: {
            // Upper lip pulled up over the teeth.
            QPainterPath d;
            d.addRoundedRect(QRectF(CX - 12, BOCA_Y - 5, 24, 9), 3, 3);
            contorna(p, d, Qt::white, 2.4);
            p.setPen(caneta(TINTA, 1.4));
            for (const double x : {CX - 4, CX + 4}) p.drawLine(QPointF(x, BOCA_Y - 5), QPointF(x, BOCA_Y + 4));
            break;
        }
        case Expressao::Paus:
            traco(p, curva({CX - 12, BOCA_Y + 1}, {CX + 2, BOCA_Y + 8}, {CX + 15, BOCA_Y - 5}), TINTA, 3.0);
            break;
        default:
            bocaHabitual(p, ap);
            break;
    }
}

void barba(QPainter& p, const Aparencia& ap, const Cabeca& h) {
    const QColor c = cor(ap.cabelo);
    if (ap.pelos == Pelos::Barba) {
        QTransform maior;
        maior.translate(CX, CY);
        maior.scale(1.06, 1.07);
        maior.translate(-CX, -CY);
        QPainterPath baixo;
        baixo.addRect(QRectF(0, CY + 6, LB, 80));
        QPainterPath b = maior.map(contornoRosto(h)).intersected(baixo);
        b = b.subtracted(elipse(CX, NARIZ_Y + 2, h.a * 0.72, 13));
        b = b.subtracted(elipse(CX, BOCA_Y + 2, 15, 7));
        contorna(p, b, c, 2.2);
        for (const double s : {-1.0, 1.0})
            for (const double k : {0.0, 1.0, 2.0})
                traco(p, curva({CX + s * (8 + 10 * k), BOCA_Y + 10 + k}, {CX + s * (10 + 10 * k), BOCA_Y + 13}, {CX + s * (9 + 10 * k), BOCA_Y + 16}),
                      c.lighter(150), 1.4);
    }
    if (ap.pelos == Pelos::Cavanhaque) {
        QPainterPath g(QPointF(CX - 8, BOCA_Y + 9));
        g.cubicTo(CX - 8, BOCA_Y + 20, CX + 8, BOCA_Y + 20, CX + 8, BOCA_Y + 9);
        g.quadTo(CX, BOCA_Y + 7, CX - 8, BOCA_Y + 9);
        contorna(p, g, c, 2.0);
    }
}

void bigode(QPainter& p, const Aparencia& ap) {
    const QColor c = cor(ap.cabelo);
    if (ap.pelos == Pelos::Bigodao) {
        QPainterPath b(QPointF(CX, BOCA_Y - 10));
        b.cubicTo(CX + 9, BOCA_Y - 13, CX + 22, BOCA_Y - 10, CX + 26, BOCA_Y - 1);
        b.cubicTo(CX + 18, BOCA_Y - 4, CX + 10, BOCA_Y - 3, CX, BOCA_Y - 4);
        b.cubicTo(CX - 10, BOCA_Y - 3, CX - 18, BOCA_Y - 4, CX - 26, BOCA_Y - 1);
        b.cubicTo(CX - 22, BOCA_Y - 10, CX - 9, BOCA_Y - 13, CX, BOCA_Y - 10);
        contorna(p, b, c, 2.2);
    }
    if (ap.pelos == Pelos::Barba || ap.pelos == Pelos::Cavanhaque) {
        QPainterPath b(QPointF(CX, BOCA_Y - 8));
        b.cubicTo(CX + 8, BOCA_Y - 10, CX + 14, BOCA_Y - 7, CX + 16, BOCA_Y - 2);
        b.cubicTo(CX + 10, BOCA_Y - 4, CX + 5, BOCA_Y - 4, CX, BOCA_Y - 4);
        b.cubicTo(CX - 5, BOCA_Y - 4, CX - 10, BOCA_Y - 4, CX - 16, BOCA_Y - 2);
        b.cubicTo(CX - 14, BOCA_Y - 7, CX - 8, BOCA_Y - 10, CX, BOCA_Y - 8);
        contorna(p, b, c, 1.8);
    }
}

void oculos(QPainter& p, const Aparencia& ap, const Cabeca& h) {
    if (ap.oculos == Oculos::Nenhum) return;
    const QColor armacao = cor(ap.corOculos);
    const double dx = h.a * 0.40;
    QPainterPath lentes;
    for (const double s : {-1.0, 1.0}) {
        const double x = CX + s * dx;
        if (ap.oculos == Oculos::Redondo)
            lentes.addEllipse(QPointF(x, OLHO_Y), 13, 13);
        else
            lentes.addRoundedRect(QRectF(x - 14, OLHO_Y - 10, 28, 20), 4, 4);
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 255, 45));
    p.drawPath(lentes);
    const double borda = ap.oculos == Oculos::Redondo ? 13 : 14;
    QPainterPath armas;
    armas.moveTo(CX - dx + borda, OLHO_Y - 2);
    armas.quadTo(CX, OLHO_Y - 7, CX + dx - borda, OLHO_Y - 2);
    armas.moveTo(CX - dx - borda, OLHO_Y - 3);
    armas.lineTo(CX - h.a + 1, OLHO_Y - 5);
    armas.moveTo(CX + dx + borda, OLHO_Y - 3);
    armas.lineTo(CX + h.a - 1, OLHO_Y - 5);
    for (const QPainterPath& c : {lentes, armas}) {
        traco(p, c, TINTA, 5.0);
        traco(p, c, armacao, 3.0);
    }
}

void cabeloFrente(QPainter& p, const Aparencia& ap, const Cabeca& h) {
    const QColor c = cor(ap.cabelo);
    const QColor escuro = c.darker(130);
    switch (ap.penteado) {
        case Penteado::Raspado: {
            QColor r = c;
            r.setAlpha(215);
            p.setPen(caneta(TINTA, 1.8));
            p.setBrush(r);
            p.drawPath(capa(h, 2.5, 36, 10));
            break;
        }
        case Penteado::Curto: {
            contorna(p, capa(h, 6, 33, 6, -10), c);
            QPainterPath franja(QPointF(CX - 10, CY - 34));
            franja.cubicTo(CX + 4, CY - 40, CX + 20, CY - 38, CX + 30, CY - 26);
            traco(p, franja, escuro, 2.0);
            break;
        }
        case Penteado::Topete: {
            contorna(p, capa(h, 5, 35, 6, 6), c);
            QPainterPath t(QPointF(CX - h.a * 0.75, CY - h.b + 14));
            t.cubicTo(CX - h.a * 0.7, CY - h.b - 26, CX + h.a * 0.2, CY - h.b - 30, CX + h.a * 0.75, CY - h.b - 10);
            t.cubicTo(CX + h.a * 0.6, CY - h.b - 2, CX + h.a * 0.7, CY - h.b + 8, CX + h.a * 0.8, CY - h.b + 16);
            t.cubicTo(CX + h.a * 0.3, CY - h.b - 2, CX - h.a * 0.3, CY - h.b, CX - h.a * 0.75, CY - h.b + 14);
            contorna(p, t, c);
            traco(p, curva({CX - h.a * 0.4, CY - h.b - 6}, {CX, CY - h.b - 22}, {CX + h.a * 0.5, CY - h.b - 10}), escuro, 2.0);
            break;
        }
        case Penteado::Liso: {
            contorna(p, capa(h, 7, 36, -14), c);
            traco(p, curva({CX, CY - h.b - 6}, {CX + 1, CY - h.b + 4}, {CX, CY - 35}), escuro, 2.0);
            break;
        }
        case Penteado::Chanel: {
            contorna(p, capa(h, 6, 34, -6, 16), c);
            QPainterPath onda(QPointF(CX + 16, CY - 34));
            onda.cubicTo(CX - 6, CY - 38, CX - 28, CY - 30, CX - h.a + 4, CY - 8);
            traco(p, onda, escuro, 2.0);
            break;
        }
        case Penteado::RaboDeCavalo: {
            contorna(p, capa(h, 5, 35, 4, -8), c);
            traco(p, curva({CX - 8, CY - 35}, {CX + 10, CY - 46}, {CX + h.a * 0.6, CY - h.b * 0.72}), escuro, 2.0);
            p.setPen(caneta(TINTA, 1.8));
            p.setBrush(QColor(0x30, 0xa0, 0xd0));
            p.drawEllipse(QPointF(CX + h.a * 0.66, CY - h.b * 0.7), 4, 5);
            break;
        }
        case Penteado::Coque: {
            contorna(p, capa(h, 5, 37, 4), c);
            for (const double d : {-16.0, 0.0, 16.0})
                traco(p, curva({CX + d, CY - 37}, {CX + d * 0.8, CY - h.b + 4}, {CX + d * 0.3, CY - h.b - 3}), escuro, 1.8);
            break;
        }
        case Penteado::Cachos: {
            for (int i = 0; i <= 6; ++i) {
                const double ang = (20.0 + 140.0 * i / 6.0) * std::numbers::pi / 180.0;
                const double x = CX + (h.a - 2) * std::cos(ang);
                const double y = CY - 4 - (h.b - 8) * std::sin(ang);
                contorna(p, elipse(x, y, 10, 10), c);
                traco(p, curva({x - 4, y + 1}, {x, y - 5}, {x + 4, y + 1}), escuro, 1.6);
            }
            break;
        }
    }
}

void chapeu(QPainter& p, const Aparencia& ap, const Cabeca& h) {
    const QColor c = cor(ap.corChapeu);
    if (ap.chapeu == Chapeu::Palha) {
        const double y = CY - 40;
        contorna(p, elipse(CX, y, 68, 11), c, 2.8);
        QPainterPath copa(QPointF(CX - 38, y));
        copa.cubicTo(CX - 40, y - 20, CX - 34, y - 34, CX - 26, y - 36);
        copa.quadTo(CX, y - 28, CX + 26, y - 36);
        copa.cubicTo(CX + 34, y - 34, CX + 40, y - 20, CX + 38, y);
        copa.quadTo(CX, y + 6, CX - 38, y);
        contorna(p, copa, c, 2.8);
        QPainterPath fita(QPointF(CX - 38, y - 4));
        fita.quadTo(CX, y + 2, CX + 38, y - 4);
        fita.lineTo(CX + 39, y - 12);
        fita.quadTo(CX, y - 6, CX - 39, y - 12);
        fita.closeSubpath();
        contorna(p, fita, QColor(0x6a, 0x3a, 0x1a), 2.0);
        for (const double d : {-50.0, -30.0, 30.0, 50.0})
            traco(p, curva({CX + d, y - 4}, {CX + d * 1.05, y}, {CX + d * 1.1, y + 4}), c.darker(130), 1.4);
    }
    if (ap.chapeu == Chapeu::BoneVirado) {
        contorna(p, capa(h, 5, 30, 16), c);
        // The strap opening, turned to the front.
        QPainterPath abertura(QPointF(CX - 9, CY - 30));
        abertura.quadTo(CX, CY - 44, CX + 9, CY - 30);
        abertura.closeSubpath();
        contorna(p, abertura, cor(ap.cabelo), 2.0);
        traco(p, curva({CX - 30, CY - 34}, {CX, CY - 62}, {CX + 30, CY - 34}), c.darker(125), 1.8);
        p.setPen(caneta(TINTA, 2.0));
        p.setBrush(c.darker(115));
        p.drawEllipse(QPointF(CX, CY - h.b - 4), 4, 3);
    }
}

}  // namespace

QImage desenhaRosto(const Aparencia& ap, Expressao e) {
    QImage img(LARGURA_RETRATO, ALTURA_RETRATO, QImage::Format_RGB32);
    img.fill(cor(ap.fundo));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(LARGURA_RETRATO / LB, ALTURA_RETRATO / AB);

    const Cabeca h = medidas(ap.formato);
    const Pose pose = poseDe(e);
    const auto naCabeca = [&p, &pose] {
        p.translate(CX, CY + 44);
        p.rotate(pose.inclinacao);
        p.translate(-CX, -(CY + 44));
    };

    fundo(p, ap);
    if (e == Expressao::Dois) marcasDaCabeca(p);

    p.save();
    naCabeca();
    cabeloAtras(p, ap, h, pose.testa);
    p.restore();

    corpo(p, ap, pose.ombro);
    if (e == Expressao::Tres) marcasDoOmbro(p, pose.ombro);

    p.save();
    naCabeca();
    orelhas(p, ap, h);
    contorna(p, contornoRosto(h), cor(ap.pele), 2.8);
    bochechas(p, ap, h);
    if (e == Expressao::Copas) linhasDaTesta(p, cor(ap.pele));
    barba(p, ap, h);
    olhos(p, ap, h, e);
    nariz(p, ap, e);
    boca(p, ap, e);
    bigode(p, ap);
    oculos(p, ap, h);
    p.translate(0, -pose.testa);
    if (ap.chapeu == Chapeu::Nenhum || ap.chapeu == Chapeu::Palha) cabeloFrente(p, ap, h);
    chapeu(p, ap, h);
    p.restore();

    moldura(p, ap);
    p.end();
    return img;
}

}  // namespace pelmar::gerador
