#include <QDir>

#include <vector>

#include "DesenhoArquivos.h"
#include "DesenhoCartas.h"
#include "Gerador.h"

namespace pelmar::gerador {

namespace {

struct Baralho {
    const char* nome;
    EstiloCarta estilo;
};

constexpr Baralho kBaralhos[] = {{"Original", EstiloCarta::Classico},
                                 {"Moderno", EstiloCarta::Moderno}};

}  // namespace

void geraBaralhos(const QString& saida, const QString& folhas) {
    for (const Baralho& b : kBaralhos) {
        const QString pasta = QDir(saida).filePath(QString("IMG/Baralhos/") + b.nome);
        std::vector<QImage> cartas;
        for (Naipe naipe : kNaipesDoBaralho) {
            for (int n = 1; n <= 10; ++n) {
                const QImage carta = desenhaCarta(b.estilo, n, naipe);
                salvaImagem(carta,
                            QDir(pasta).filePath(QString("%1-%2.BMP").arg(n).arg(QChar(letraDoNaipe(naipe)))),
                            "BMP");
                cartas.push_back(carta);
            }
        }
        if (!folhas.isEmpty()) {
            salvaImagem(folhaDeContato(cartas, 10, kLarguraCarta, {}, corForaDaCarta()),
                        QDir(folhas).filePath(QString("baralho-%1.png").arg(b.nome)), "PNG");
        }
    }
}

}  // namespace pelmar::gerador
