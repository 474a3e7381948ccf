// How long the table goes without serving its events while a match plays at normal speed (demo
// mode, no audio device needed): a 5 ms timer stamps every moment the event loop is served, and
// the longest gaps are printed. Also the start-to-ready time inside the process. Never fails.

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <vector>

#include <unistd.h>

#include "windows/SessaoDesktop.h"

namespace pelmar {
namespace {

int principal(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const auto pasta = std::filesystem::temp_directory_path() / ("pelmar-bench-resposta-" + std::to_string(getpid()));
    OpcoesDaSessao opcoes;
    opcoes.pasta = pasta;
    opcoes.dados = PELMAR_DADOS;
    opcoes.demo = true;
    opcoes.semente = 7;
    std::filesystem::create_directories(pasta);
    SessaoDesktop sessao(opcoes);
    QElapsedTimer relogio;
    relogio.start();
    sessao.inicia();
    sessao.janela().show();
    const qint64 pronta = relogio.elapsed();

    std::vector<qint64> intervalos;
    qint64 ultimo = relogio.elapsed();
    QTimer carimbo;
    carimbo.setInterval(5);
    QObject::connect(&carimbo, &QTimer::timeout, [&] {
        const qint64 agora = relogio.elapsed();
        intervalos.push_back(agora - ultimo);
        ultimo = agora;
    });
    carimbo.start();
    const int segundos = 20;
    QTimer::singleShot(segundos * 1000, [&] { sessao.janela().close(); });
    QApplication::exec();

    std::sort(intervalos.begin(), intervalos.end());
    const auto quantil = [&](double q) {
        return intervalos.empty() ? 0 : intervalos[static_cast<std::size_t>(q * static_cast<double>(intervalos.size() - 1))];
    };
    std::printf("mesa pronta em %lld ms (no processo)\n", static_cast<long long>(pronta));
    std::printf("%d s de partida em modo demo: %zu carimbos, intervalo mediano %lld ms, p99 %lld ms, máximo %lld ms "
                "(alvo: nenhuma espera acima de 100 ms)\n",
                segundos, intervalos.size(), static_cast<long long>(quantil(0.5)), static_cast<long long>(quantil(0.99)),
                static_cast<long long>(intervalos.empty() ? 0 : intervalos.back()));
    std::error_code ec;
    std::filesystem::remove_all(pasta, ec);
    return 0;
}

}  // namespace
}  // namespace pelmar

int main(int argc, char** argv) { return pelmar::principal(argc, argv); }
