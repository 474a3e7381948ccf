// pelmar-gerador: draws every picture and makes every sound the game ships with.

#include <QCoreApplication>
#include <QGuiApplication>

#include <cstdio>
#include <exception>

#include "Gerador.h"

int main(int argc, char** argv) {
    // Drawing needs no screen.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() < 2 || args[1] == "--help") {
        std::fprintf(stderr, "Uso: pelmar-gerador PASTA_SAIDA [--folhas PASTA]\n"
                             "     pelmar-gerador --icones PASTA_SAIDA NOME\n");
        return args.size() < 2 ? 2 : 0;
    }
    if (args[1] == "--icones") {
        if (args.size() != 4) return 2;
        try {
            pelmar::gerador::geraIcones(args[2], args[3]);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "pelmar-gerador: %s\n", e.what());
            return 1;
        }
        return 0;
    }
    const QString saida = args[1];
    const QString folhas = args.size() >= 4 && args[2] == "--folhas" ? args[3] : QString();
    try {
        pelmar::gerador::geraBaralhos(saida, folhas);
        pelmar::gerador::geraVersosEMesas(saida, folhas);
        pelmar::gerador::geraPersonagens(saida, folhas);
        pelmar::gerador::geraMarcasDaVez(saida, folhas);
        pelmar::gerador::geraClassesDoEditor(saida, folhas);
        pelmar::gerador::geraFigurasDoManual(saida);
        pelmar::gerador::geraSons(saida);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pelmar-gerador: %s\n", e.what());
        return 1;
    }
    return 0;
}
