#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QString>

#include <vector>

namespace pelmar::teste {
namespace {

// The rule editor's eleven class pictures: each there, card-sized, and no two alike, so every
// letter a rule holds is told apart on the editor's table.
TEST(ClassesDoEditorTeste, OnzeFigurasDoTamanhoDeUmaCartaTodasDiferentes) {
    const char* nomes[] = {"ZAP",    "COPETA", "ESPADILHA", "PICA_FUMO", "TREIS",   "DOIS",
                           "AS",     "MEDIAS", "PEQUENAS",  "QUALQUER",  "NULA"};
    std::vector<QImage> imagens;
    for (const char* nome : nomes) {
        const QString arquivo = QDir(QStringLiteral(PELMAR_DADOS)).filePath(QString("IMG/Editor/IMG_CARTA_%1.PNG").arg(nome));
        const QImage img(arquivo);
        ASSERT_FALSE(img.isNull()) << arquivo.toStdString();
        EXPECT_EQ(img.size(), QSize(142, 192)) << nome;
        for (const QImage& outra : imagens) EXPECT_NE(img, outra) << nome;
        imagens.push_back(img);
    }
}

}  // namespace
}  // namespace pelmar::teste
