#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cmath>
#include <stdexcept>
#include <vector>

#include "DesenhoArquivos.h"
#include "Gerador.h"

namespace pelmar::gerador {

namespace {

// Drawn large; the table scales them down to the marker's place beside each seat.
constexpr int kLado = 48;

// A coin lying on the cloth: a soft shadow, a rim, a lit face.
void moeda(QPainter& p, const QColor& face, const QColor& borda) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawEllipse(QRectF(4, 5, kLado - 6, kLado - 6));
    const QRectF disco(2, 2, kLado - 6, kLado - 6);
    QRadialGradient luz(disco.center() - QPointF(7, 8), disco.width() * 0.75);
    luz.setColorAt(0, face.lighter(135));
    luz.setColorAt(1, face.darker(115));
    p.setBrush(luz);
    p.setPen(QPen(borda, 2.6));
    p.drawEllipse(disco);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 255, 255, 90), 1.2));
    p.drawEllipse(disco.adjusted(4, 4, -4, -4));
}

QRectF faceDaMoeda() { return QRectF(2, 2, kLado - 6, kLado - 6); }

void numero(QPainter& p, int n, const QColor& cor) {
    QFont f("DejaVu Sans");
    f.setPixelSize(26);
    f.setBold(true);
    f.setHintingPreference(QFont::PreferNoHinting);
    p.setFont(f);
    p.setPen(cor);
    p.drawText(faceDaMoeda(), Qt::AlignCenter, QString::number(n));
}

QImage transparente() {
    QImage img(kLado, kLado, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    return img;
}

// 1..4: the seat's place in the trick, ivory like the cards, green like the cloth.
QImage posicao(int n) {
    QImage img = transparente();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    moeda(p, QColor(246, 238, 214), QColor(22, 92, 52));
    numero(p, n, QColor(22, 92, 52));
    return img;
}

// 5: the seat that must play now, in the orange of "Sua vez", a card going down.
QImage vez() {
    QImage img = transparente();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    moeda(p, QColor(226, 132, 22), QColor(255, 250, 235));
    const QPointF c = faceDaMoeda().center();
    p.setPen(QPen(QColor(120, 60, 0), 1.2));
    p.setBrush(QColor(255, 252, 240));
    p.save();
    p.translate(c);
    p.rotate(-12);
    p.drawRoundedRect(QRectF(-8, -11, 16, 22), 2.5, 2.5);
    p.restore();
    QPainterPath seta;
    seta.moveTo(c + QPointF(-5, 12));
    seta.lineTo(c + QPointF(5, 12));
    seta.lineTo(c + QPointF(0, 18));
    seta.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 252, 240));
    p.drawPath(seta);
    return img;
}

// 6: the seat holding the trick, a gold star on the red of the lead marker.
QImage ganhando() {
    QImage img = transparente();
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    moeda(p, QColor(176, 28, 36), QColor(250, 214, 90));
    const QPointF c = faceDaMoeda().center();
    QPainterPath estrela;
    for (int k = 0; k < 10; ++k) {
        const double raio = k % 2 == 0 ? 15.0 : 6.2;
        const double a = -M_PI / 2 + k * M_PI / 5;
        const QPointF ponto = c + QPointF(raio * std::cos(a), raio * std::sin(a));
        k == 0 ? estrela.moveTo(ponto) : estrela.lineTo(ponto);
    }
    estrela.closeSubpath();
    p.setPen(QPen(QColor(140, 90, 0), 1.0));
    p.setBrush(QColor(250, 214, 90));
    p.drawPath(estrela);
    return img;
}

void salvaComTransparencia(const QImage& imagem, const QString& caminho) {
    if (!QDir().mkpath(QFileInfo(caminho).absolutePath()) || !imagem.save(caminho, "PNG"))
        throw std::runtime_error("cannot write " + caminho.toStdString());
}

}  // namespace

void geraMarcasDaVez(const QString& saida, const QString& folhas) {
    std::vector<QImage> marcas = {posicao(1), posicao(2), posicao(3), posicao(4), vez(), ganhando()};
    const QStringList nomes = {"1ª", "2ª", "3ª", "4ª", "joga agora", "ganhando"};
    for (std::size_t i = 0; i < marcas.size(); ++i)
        salvaComTransparencia(marcas[i], QDir(saida).filePath(QString("IMG/Vez/JOGUE_%1.PNG").arg(i + 1)));
    if (folhas.isEmpty()) return;
    // On the table's own cloth green, as they are seen beside the seats.
    salvaImagem(folhaDeContato(marcas, 6, 96, nomes, QColor(34, 124, 70)), QDir(folhas).filePath("marcas-da-vez.png"),
                "PNG");
}

}  // namespace pelmar::gerador
