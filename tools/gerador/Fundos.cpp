#include <QDir>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <vector>

#include "DesenhoArquivos.h"
#include "DesenhoCartas.h"
#include "DesenhoNaipes.h"
#include "Gerador.h"

namespace pelmar::gerador {

namespace {

constexpr int kLarguraMesa = 780;
constexpr int kAlturaMesa = 560;

// ---- Seeded value noise: the same numbers on every run and every machine ----

double acaso(std::int64_t x, std::int64_t y, std::uint64_t semente) {
    std::uint64_t z = semente ^ (static_cast<std::uint64_t>(x) * 0x9E3779B97F4A7C15ULL) ^
                      (static_cast<std::uint64_t>(y) * 0xC2B2AE3D27D4EB4FULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / 9007199254740992.0;
}

double suave(double t) { return t * t * (3 - 2 * t); }

double ruido(double x, double y, std::uint64_t semente) {
    const double fx = std::floor(x), fy = std::floor(y);
    const auto ix = static_cast<std::int64_t>(fx), iy = static_cast<std::int64_t>(fy);
    const double tx = suave(x - fx), ty = suave(y - fy);
    const double a = acaso(ix, iy, semente), b = acaso(ix + 1, iy, semente);
    const double c = acaso(ix, iy + 1, semente), d = acaso(ix + 1, iy + 1, semente);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

// Several octaves, in 0..1.
double ruidoFractal(double x, double y, std::uint64_t semente, int oitavas) {
    double soma = 0, peso = 1, total = 0;
    for (int k = 0; k < oitavas; ++k) {
        soma += peso * ruido(x, y, semente + static_cast<std::uint64_t>(k) * 7919);
        total += peso;
        x *= 2;
        y *= 2;
        peso *= 0.5;
    }
    return soma / total;
}

int canal(double v) { return static_cast<int>(std::lround(std::clamp(v, 0.0, 255.0))); }

QImage pintaPixels(int largura, int altura,
                   const std::function<void(double x, double y, double rgb[3])>& cor) {
    QImage img(largura, altura, QImage::Format_RGB32);
    for (int y = 0; y < altura; ++y) {
        auto* linha = reinterpret_cast<QRgb*>(img.scanLine(y));
        for (int x = 0; x < largura; ++x) {
            double rgb[3] = {0, 0, 0};
            cor(x, y, rgb);
            linha[x] = qRgb(canal(rgb[0]), canal(rgb[1]), canal(rgb[2]));
        }
    }
    return img;
}

// Darker towards the edges, as a lamp over the middle of the table.
double vinheta(double x, double y, double forca) {
    const double dx = (x - kLarguraMesa / 2.0) / (kLarguraMesa / 2.0);
    const double dy = (y - kAlturaMesa / 2.0) / (kAlturaMesa / 2.0);
    const double r2 = (dx * dx + dy * dy) / 2;
    return 1 - forca * r2 * r2 - forca * 0.6 * r2;
}

QImage feltro(const QColor& base, std::uint64_t semente) {
    return pintaPixels(kLarguraMesa, kAlturaMesa, [&](double x, double y, double rgb[3]) {
        const double manchas = ruidoFractal(x / 90, y / 90, semente, 3) - 0.5;
        const double fibra = ruidoFractal(x / 2.2, y / 2.2, semente + 101, 2) - 0.5;
        const double grao = acaso(static_cast<std::int64_t>(x), static_cast<std::int64_t>(y), semente + 7) - 0.5;
        const double luz = vinheta(x, y, 0.42) * (1 + 0.10 * manchas + 0.07 * fibra + 0.05 * grao);
        rgb[0] = base.red() * luz;
        rgb[1] = base.green() * luz;
        rgb[2] = base.blue() * luz;
    });
}

QImage madeira(std::uint64_t semente) {
    const double claro[3] = {184, 124, 72};
    const double escuro[3] = {112, 64, 34};
    const double tabua = 80;
    return pintaPixels(kLarguraMesa, kAlturaMesa, [&](double x, double y, double rgb[3]) {
        const int n = static_cast<int>(y / tabua);
        const double yl = y - n * tabua;
        const auto sementeTabua = semente + static_cast<std::uint64_t>(n) * 131;
        const double desvio = acaso(n, 0, semente) * 400;
        const double torcao = ruidoFractal((x + desvio) / 320, yl / 70, sementeTabua, 3);
        const double veio = 0.5 + 0.5 * std::sin((yl / tabua * 12 + torcao * 3.5) * 3.14159265);
        const double anel = std::pow(veio, 4);
        const double fibra = ruidoFractal((x + desvio) / 60, yl / 1.2, sementeTabua + 3, 2) - 0.5;
        const double tom = 0.85 + 0.3 * acaso(n, 1, semente);
        double t = std::clamp(0.25 + 0.55 * anel + 0.3 * fibra, 0.0, 1.0);
        // Joins between boards, and the ends of boards at staggered places.
        const double junta = std::min(yl, tabua - yl);
        double sombra = junta < 1.2 ? 0.45 : (junta < 3 ? 0.8 : 1.0);
        const double fim = std::fmod(x + desvio * 1.7, 520.0);
        if (fim < 1.5) sombra = std::min(sombra, 0.5);
        const double luz = vinheta(x, y, 0.35) * sombra * tom;
        for (int k = 0; k < 3; ++k) rgb[k] = (claro[k] + (escuro[k] - claro[k]) * t) * luz;
    });
}

// ---- Card backs: a white margin round a patterned field, the same upside down ----

constexpr double kMargemVerso = 8;

QRectF campoDoVerso() {
    return QRectF(kMargemVerso, kMargemVerso, kLarguraCarta - 2 * kMargemVerso,
                  kAlturaCarta - 2 * kMargemVerso);
}

QImage versoBase(const QColor& fundo) {
    QImage img = cartaEmBranco(8);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(fundo);
    p.drawRoundedRect(campoDoVerso(), 5, 5);
    return img;
}

void molduraDoVerso(QPainter& p, const QColor& cor) {
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(cor, 1.6));
    p.drawRoundedRect(campoDoVerso().adjusted(3.5, 3.5, -3.5, -3.5), 3, 3);
}

QImage versoOriginal() {
    const QColor azul(26, 56, 138);
    QImage img = versoBase(azul);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF campo = campoDoVerso();
    QPainterPath clip;
    clip.addRoundedRect(campo, 5, 5);
    p.setClipPath(clip);
    // Lattice of diagonals, crossed at every point by a small dot.
    const double passo = 11;
    p.setPen(QPen(QColor(92, 130, 212), 1.1));
    for (double k = -kAlturaCarta; k < kLarguraCarta + kAlturaCarta; k += passo) {
        p.drawLine(QPointF(k, 0),
                   QPointF(k + kAlturaCarta, kAlturaCarta));
        p.drawLine(QPointF(k, 0), QPointF(k - kAlturaCarta, kAlturaCarta));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 214, 245));
    for (double k = -kAlturaCarta; k < kLarguraCarta + kAlturaCarta; k += passo) {
        for (double j = -kAlturaCarta; j < kLarguraCarta + kAlturaCarta; j += passo) {
            // Crossing of x - y = k and x + y = j.
            const QPointF c((k + j) / 2, (j - k) / 2);
            if (campo.contains(c)) p.drawEllipse(c, 1.3, 1.3);
        }
    }
    p.setClipping(false);
    molduraDoVerso(p, QColor(220, 228, 248));
    // Medallion with the four suits.
    const QPointF centro(kLarguraCarta / 2.0, kAlturaCarta / 2.0);
    p.setPen(QPen(QColor(220, 228, 248), 2));
    p.setBrush(azul);
    p.drawEllipse(centro, 34, 44);
    p.setPen(QPen(QColor(92, 130, 212), 1));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centro, 29, 39);
    const QColor claro(226, 234, 252);
    desenhaNaipe(p, Naipe::Espadas, centro + QPointF(0, -20), 17, false, claro);
    desenhaNaipe(p, Naipe::Copas, centro + QPointF(0, 20), 17, true, claro);
    desenhaNaipe(p, Naipe::Ouros, centro + QPointF(-15, 0), 17, false, claro);
    desenhaNaipe(p, Naipe::Paus, centro + QPointF(15, 0), 17, false, claro);
    return img;
}

QImage versoVermelho() {
    const QColor vermelho(160, 22, 34);
    QImage img = versoBase(vermelho);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF campo = campoDoVerso().adjusted(6, 6, -6, -6);
    p.setClipRect(campo);
    // Nested diamonds on a staggered grid.
    const double lx = 18, ly = 22;
    const QColor linha(232, 150, 150);
    for (int linhaN = -1; linhaN * ly < kAlturaCarta + ly; ++linhaN) {
        for (int col = -1; col * lx < kLarguraCarta + lx; ++col) {
            const double cx = col * lx + (linhaN % 2 ? lx / 2 : 0) + kLarguraCarta / 2.0 - 4 * lx;
            const double cy = linhaN * ly + kAlturaCarta / 2.0 - 4 * ly;
            for (double s : {1.0, 0.55}) {
                QPolygonF d;
                d << QPointF(cx, cy - ly / 2 * s) << QPointF(cx + lx / 2 * s, cy)
                  << QPointF(cx, cy + ly / 2 * s) << QPointF(cx - lx / 2 * s, cy);
                p.setPen(QPen(linha, s > 0.9 ? 1.0 : 0.8));
                p.setBrush(s > 0.9 ? QBrush(Qt::NoBrush) : QBrush(QColor(196, 54, 62)));
                p.drawPolygon(d);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 214, 200));
            p.drawEllipse(QPointF(cx, cy), 1.1, 1.1);
        }
    }
    p.setClipping(false);
    molduraDoVerso(p, QColor(250, 226, 210));
    p.setPen(QPen(QColor(250, 226, 210), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(campo);
    return img;
}

QImage versoVerde() {
    const QColor verde(18, 92, 58);
    QImage img = versoBase(verde);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF campo = campoDoVerso().adjusted(5, 5, -5, -5);
    p.setClipRect(campo);
    // Squares cut into four triangles of two greens: a pinwheel tiling.
    const double lado = 16;
    const QColor a(30, 124, 78), b(12, 70, 44);
    const double x0 = kLarguraCarta / 2.0 - 5 * lado, y0 = kAlturaCarta / 2.0 - 6 * lado;
    p.setPen(Qt::NoPen);
    for (int j = -1; j < 13; ++j) {
        for (int i = -1; i < 11; ++i) {
            const double x = x0 + i * lado, y = y0 + j * lado;
            const QPointF c(x + lado / 2, y + lado / 2);
            const QPointF cantos[4] = {{x, y}, {x + lado, y}, {x + lado, y + lado}, {x, y + lado}};
            for (int t = 0; t < 4; ++t) {
                QPolygonF tri;
                tri << cantos[t] << cantos[(t + 1) % 4] << c;
                p.setBrush(((t + i + j) % 2 == 0) ? a : b);
                p.drawPolygon(tri);
            }
        }
    }
    p.setClipping(false);
    const QColor ouro(222, 186, 92);
    molduraDoVerso(p, ouro);
    const QPointF centro(kLarguraCarta / 2.0, kAlturaCarta / 2.0);
    QPolygonF losango;
    losango << centro + QPointF(0, -34) << centro + QPointF(26, 0) << centro + QPointF(0, 34)
            << centro + QPointF(-26, 0);
    p.setPen(QPen(ouro, 2));
    p.setBrush(verde);
    p.drawPolygon(losango);
    desenhaNaipe(p, Naipe::Paus, centro, 24, false, ouro);
    return img;
}

struct Figura {
    const char* nome;
    QImage imagem;
};

void salvaCatalogo(const std::vector<Figura>& figuras, const QString& pasta, const QString& folhas,
                   const QString& folha, int largura, int colunas) {
    std::vector<QImage> imagens;
    QStringList nomes;
    for (const Figura& f : figuras) {
        salvaImagem(f.imagem, QDir(pasta).filePath(QString(f.nome) + ".BMP"), "BMP");
        imagens.push_back(f.imagem);
        nomes << f.nome;
    }
    if (!folhas.isEmpty()) {
        salvaImagem(folhaDeContato(imagens, colunas, largura, nomes, QColor(48, 48, 52)),
                    QDir(folhas).filePath(folha), "PNG");
    }
}

}  // namespace

void geraVersosEMesas(const QString& saida, const QString& folhas) {
    salvaCatalogo({{"Original", versoOriginal()}, {"Vermelho", versoVermelho()}, {"Verde", versoVerde()}},
                  QDir(saida).filePath("IMG/Versos do Baralho"), folhas, "versos.png", kLarguraCarta,
                  3);
    salvaCatalogo({{"Original", feltro(QColor(34, 124, 70), 11)},
                   {"Madeira", madeira(23)},
                   {"Azul", feltro(QColor(30, 78, 150), 37)},
                   {"Vinho", feltro(QColor(120, 26, 38), 53)}},
                  QDir(saida).filePath("IMG/Mesas"), folhas, "mesas.png", 390, 2);
}

}  // namespace pelmar::gerador
