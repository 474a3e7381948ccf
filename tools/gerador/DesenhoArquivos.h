#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

#include <vector>

namespace pelmar::gerador {

// Writes `imagem` to `caminho` (folders created); "BMP" gives 24 bits per pixel. Throws
// std::runtime_error naming the file when the folder or the file cannot be written.
void salvaImagem(const QImage& imagem, const QString& caminho, const char* formato);

// The pictures in a grid of `colunas`, each scaled to `largura` pixels wide, with an optional
// caption under each (empty list: none).
QImage folhaDeContato(const std::vector<QImage>& imagens, int colunas, int largura,
                      const QStringList& legendas, const QColor& fundo);

}  // namespace pelmar::gerador
