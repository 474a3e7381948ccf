#include <QDir>
#include <QFont>
#include <QPainter>
#include <QPainterPath>

#include "DesenhoArquivos.h"
#include "Gerador.h"

namespace pelmar::gerador {

namespace {

// The menu icon: two cards, a black four and a red seven, fanned on the green cloth. Drawn on a
// 256 grid and scaled by the painter, so every size is drawn, not shrunk from a bitmap.
void carta(QPainter& p, const QPointF& centro, double graus, const QString& valor, const QString& naipe,
           const QColor& cor, bool comTexto) {
    p.save();
    p.translate(centro);
    p.rotate(graus);
    const QRectF corpo(-52, -72, 104, 144);
    p.setPen(QPen(QColor("#3a3a3a"), 4));
    p.setBrush(QColor("#f7f3e8"));
    p.drawRoundedRect(corpo, 12, 12);
    QFont f("DejaVu Sans");
    f.setHintingPreference(QFont::PreferNoHinting);
    p.setPen(cor);
    if (comTexto) {
        f.setPixelSize(34);
        f.setBold(true);
        p.setFont(f);
        p.drawText(QRectF(-42, -66, 40, 40), Qt::AlignLeft | Qt::AlignTop, valor);
    }
    f.setBold(false);
    f.setPixelSize(comTexto ? 64 : 88);
    p.setFont(f);
    p.drawText(corpo.adjusted(0, comTexto ? 24 : 0, 0, 0), Qt::AlignCenter, naipe);
    p.restore();
}

QImage icone(int lado) {
    QImage img(lado, lado, QImage::Format_ARGB32);
    img.fill(Qt::transparent);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.scale(lado / 256.0, lado / 256.0);
    // Below 48 pixels the value and the name are specks: the suits alone carry the picture.
    const bool comTexto = lado >= 48;
    p.setPen(QPen(QColor("#0c3a20"), 8));
    p.setBrush(QColor("#165c34"));
    p.drawRoundedRect(QRectF(8, 8, 240, 240), 40, 40);
    carta(p, QPointF(104, comTexto ? 132 : 128), -14, "4", QString::fromUtf8("\u2663"), QColor("#1a1a1a"), comTexto);
    carta(p, QPointF(164, comTexto ? 128 : 124), 12, "7", QString::fromUtf8("\u2665"), QColor("#b81c1c"), comTexto);
    if (comTexto) {
        QFont f("DejaVu Sans");
        f.setHintingPreference(QFont::PreferNoHinting);
        f.setPixelSize(34);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor("#ffd75a"));
        p.drawText(QRectF(8, 204, 240, 40), Qt::AlignCenter, "PELMAR");
    }
    return img;
}

}  // namespace

void geraIcones(const QString& saida, const QString& nome) {
    for (int lado : {16, 22, 24, 32, 48, 64, 128, 256}) {
        const QString tamanho = QString("%1x%1").arg(lado);
        salvaImagem(icone(lado), QDir(saida).filePath(tamanho + "/apps/" + nome + ".png"), "PNG");
    }
}

}  // namespace pelmar::gerador
