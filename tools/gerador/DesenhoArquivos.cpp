#include "DesenhoArquivos.h"

#include <QDir>
#include <QFileInfo>
#include <QFont>
#include <QPainter>

#include <algorithm>
#include <stdexcept>

namespace pelmar::gerador {

void salvaImagem(const QImage& imagem, const QString& caminho, const char* formato) {
    const QString pasta = QFileInfo(caminho).absolutePath();
    if (!QDir().mkpath(pasta)) {
        throw std::runtime_error("cannot create the folder " + pasta.toStdString() + " for " +
                                 caminho.toStdString());
    }
    // No alpha in the files: the game's bitmaps are opaque.
    if (!imagem.convertToFormat(QImage::Format_RGB32).save(caminho, formato)) {
        throw std::runtime_error("cannot write " + caminho.toStdString());
    }
}

QImage folhaDeContato(const std::vector<QImage>& imagens, int colunas, int largura,
                      const QStringList& legendas, const QColor& fundo) {
    const int margem = 10;
    int alturaCelula = 0;
    for (const QImage& i : imagens) {
        alturaCelula = std::max(alturaCelula, i.height() * largura / std::max(1, i.width()));
    }
    const int legenda = legendas.isEmpty() ? 0 : 22;
    const int linhas = (static_cast<int>(imagens.size()) + colunas - 1) / colunas;
    QImage folha(margem + colunas * (largura + margem),
                 margem + linhas * (alturaCelula + legenda + margem), QImage::Format_RGB32);
    folha.fill(fundo);
    QPainter p(&folha);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.setRenderHint(QPainter::Antialiasing);
    QFont fonte("DejaVu Sans");
    fonte.setPixelSize(14);
    p.setFont(fonte);
    p.setPen(QColor(235, 235, 235));
    for (int k = 0; k < static_cast<int>(imagens.size()); ++k) {
        const int x = margem + (k % colunas) * (largura + margem);
        const int y = margem + (k / colunas) * (alturaCelula + legenda + margem);
        const QImage& i = imagens[static_cast<std::size_t>(k)];
        const QImage escalada =
            i.width() == largura ? i : i.scaledToWidth(largura, Qt::SmoothTransformation);
        p.drawImage(x, y, escalada);
        if (k < legendas.size()) {
            p.drawText(QRect(x, y + escalada.height(), largura, legenda), Qt::AlignCenter,
                       legendas[k]);
        }
    }
    return folha;
}

}  // namespace pelmar::gerador
