// pelmar-manual: makes the PDF of the game's manual from its HTML page.

#include <QGuiApplication>
#include <QHashSeed>
#include <QStringList>

#include <cstdio>
#include <exception>

#include "ManualEmPdf.h"

int main(int argc, char** argv) {
    // Laying text out needs no screen. Qt writes the fonts in the order of a hash table: with a
    // fixed seed, the same page makes the same bytes.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QHashSeed::setDeterministicGlobalSeed();
    // The PDF's date stamp is rewritten to a fixed one; its zone is then the same on every machine.
    qputenv("TZ", "UTC");
    QGuiApplication app(argc, argv);
    const QStringList args = QGuiApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "Uso: pelmar-manual MANUAL.html SAIDA.pdf\n");
        return 2;
    }
    try {
        const int paginas = pelmar::manual::escreveManualEmPdf(args[1], args[2]);
        std::printf("%s: %d páginas\n", qPrintable(args[2]), paginas);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "pelmar-manual: %s\n", e.what());
        return 1;
    }
    return 0;
}
