#include <gtest/gtest.h>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSet>
#include <QString>

namespace pelmar::teste {
namespace {

const QString kDados = QStringLiteral(PELMAR_DADOS);

QString caminho(const QString& relativo) { return QDir(kDados).filePath(relativo); }

struct Contagem {
    int brancos = 0;
    int vermelhos = 0;
    int escuros = 0;
};

Contagem conta(const QImage& img) {
    Contagem c;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QColor p = img.pixelColor(x, y);
            if (p.red() > 245 && p.green() > 245 && p.blue() > 245) ++c.brancos;
            if (p.red() > 150 && p.green() < 80 && p.blue() < 90) ++c.vermelhos;
            if (p.red() < 60 && p.green() < 60 && p.blue() < 60) ++c.escuros;
        }
    }
    return c;
}

int coresDistintas(const QImage& img) {
    QSet<QRgb> cores;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) cores.insert(img.pixel(x, y));
    }
    return static_cast<int>(cores.size());
}

// The bit count in the bitmap's header; 0 when it is not a bitmap.
int bitsPorPixel(const QString& arquivo) {
    QFile f(arquivo);
    if (!f.open(QIODevice::ReadOnly)) return 0;
    const QByteArray cabecalho = f.read(30);
    if (cabecalho.size() < 30 || !cabecalho.startsWith("BM")) return 0;
    return static_cast<unsigned char>(cabecalho[28]) | (static_cast<unsigned char>(cabecalho[29]) << 8);
}

QStringList subpastas(const QString& relativo) {
    return QDir(caminho(relativo)).entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList bitmaps(const QString& relativo) {
    QStringList nomes;
    for (const QString& f : QDir(caminho(relativo)).entryList({"*.BMP"}, QDir::Files, QDir::Name)) {
        nomes << f.chopped(4);
    }
    return nomes;
}

TEST(Baralhos, CadaBaralhoTemAsQuarentaCartasNoTamanhoCerto) {
    const QStringList baralhos = subpastas("IMG/Baralhos");
    ASSERT_GE(baralhos.size(), 2) << "decks in " << caminho("IMG/Baralhos").toStdString();
    EXPECT_TRUE(baralhos.contains("Original"));
    for (const QString& b : baralhos) {
        for (const char* letra : {"C", "E", "O", "P"}) {
            for (int n = 1; n <= 10; ++n) {
                const QString arquivo = caminho(QString("IMG/Baralhos/%1/%2-%3.BMP").arg(b).arg(n).arg(letra));
                const QImage img(arquivo);
                ASSERT_FALSE(img.isNull()) << arquivo.toStdString();
                EXPECT_EQ(img.size(), QSize(142, 192)) << arquivo.toStdString();
                EXPECT_EQ(bitsPorPixel(arquivo), 24) << arquivo.toStdString();
            }
        }
    }
}

// A face must show a white card with ink in its suit's colour: red suits red, black suits none.
TEST(Baralhos, FacesTemACorDoNaipe) {
    struct Caso {
        const char* letra;
        bool vermelho;
    };
    const Caso casos[] = {{"C", true}, {"E", false}, {"O", true}, {"P", false}};
    for (const QString& b : subpastas("IMG/Baralhos")) {
        for (const Caso& caso : casos) {
            for (int n = 1; n <= 10; ++n) {
                const QString arquivo = caminho(QString("IMG/Baralhos/%1/%2-%3.BMP").arg(b).arg(n).arg(caso.letra));
                const Contagem c = conta(QImage(arquivo));
                const int area = 142 * 192;
                EXPECT_GT(c.brancos, area / 4) << arquivo.toStdString();
                if (caso.vermelho) {
                    EXPECT_GT(c.vermelhos, 150) << arquivo.toStdString();
                } else {
                    EXPECT_EQ(c.vermelhos, 0) << arquivo.toStdString();
                    EXPECT_GT(c.escuros, 150) << arquivo.toStdString();
                }
            }
        }
    }
}

// Cards of one suit differ from each other, and the same card differs between decks.
TEST(Baralhos, NenhumaFaceRepeteOutra) {
    const QStringList baralhos = subpastas("IMG/Baralhos");
    for (const char* letra : {"C", "E", "O", "P"}) {
        for (int n = 1; n <= 10; ++n) {
            QImage anterior;
            for (const QString& b : baralhos) {
                const QImage img(caminho(QString("IMG/Baralhos/%1/%2-%3.BMP").arg(b).arg(n).arg(letra)));
                if (!anterior.isNull()) {
                    EXPECT_NE(img, anterior) << b.toStdString() << " " << n << letra;
                }
                anterior = img;
            }
        }
    }
    const QString pasta = QString("IMG/Baralhos/Original/");
    for (int a = 1; a <= 10; ++a) {
        for (int b = a + 1; b <= 10; ++b) {
            EXPECT_NE(QImage(caminho(pasta + QString("%1-E.BMP").arg(a))),
                      QImage(caminho(pasta + QString("%1-E.BMP").arg(b))))
                << a << " and " << b;
        }
    }
}

TEST(Baralhos, VersosEMesasCarregamNoTamanhoCerto) {
    struct Caso {
        const char* pasta;
        QSize tamanho;
    };
    const Caso casos[] = {{"IMG/Versos do Baralho", QSize(142, 192)}, {"IMG/Mesas", QSize(780, 560)}};
    for (const Caso& caso : casos) {
        const QStringList nomes = bitmaps(caso.pasta);
        EXPECT_GE(nomes.size(), 3) << caso.pasta;
        EXPECT_TRUE(nomes.contains("Original")) << caso.pasta;
        for (const QString& nome : nomes) {
            const QString arquivo = caminho(QString(caso.pasta) + "/" + nome + ".BMP");
            const QImage img(arquivo);
            ASSERT_FALSE(img.isNull()) << arquivo.toStdString();
            EXPECT_EQ(img.size(), caso.tamanho) << arquivo.toStdString();
            EXPECT_EQ(bitsPorPixel(arquivo), 24) << arquivo.toStdString();
            // Not a flat fill: a pattern or a texture.
            EXPECT_GT(coresDistintas(img), 40) << arquivo.toStdString();
        }
    }
}

}  // namespace
}  // namespace pelmar::teste
