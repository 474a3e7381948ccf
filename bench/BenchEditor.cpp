// How long the rule editor goes without serving its events while every load and tool runs on a
// full brain (299999 rules): a 5 ms timer stamps every moment the event loop is served, and the
// longest gap of each operation is printed beside its time. Offscreen. Never fails.

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include <unistd.h>

#include "RegrasGeradas.h"
#include "brain/Inteligencia.h"
#include "jogo/Jogo.h"
#include "windows/SessaoDesktop.h"
#include "windows/TForm2.h"
#include "windows/TfREGRAS.h"

namespace pelmar {
namespace {

int principal(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    const auto pasta = std::filesystem::temp_directory_path() / ("pelmar-bench-editor-" + std::to_string(getpid()));
    std::filesystem::create_directories(pasta);
    OpcoesDaSessao opcoes;
    opcoes.pasta = pasta;
    opcoes.dados = PELMAR_DADOS;
    opcoes.semente = 7;
    SessaoDesktop sessao(opcoes);
    sessao.inicia();
    sessao.tela().aoMostrarMensagem = [](std::string_view, std::string_view texto) {
        std::printf("(mensagem) %.*s\n", static_cast<int>(texto.size()), texto.data());
    };

    // A full brain of learned-looking rules, many repeated: the saved snapshot and a collection.
    bench::Situacoes situacoes(11);
    std::vector<Regra> pool;
    for (int i = 0; i < 60000; ++i) pool.push_back(situacoes.nova());
    std::vector<Regra> regras = bench::aprendidas(situacoes, pool, LIMITE_LEITURA);
    for (std::size_t i = 0; i < regras.size(); ++i) regras[i].QTE = 1 + static_cast<int>(i % 7);
    bench::escreve(pasta / "P-CEREBRO_SALVO.TXT", regras);
    std::filesystem::create_directories(pasta / "BRAIN");
    const std::size_t metade = regras.size() / 2;
    bench::escreve(pasta / "BRAIN" / "A.TXT", std::vector<Regra>(regras.begin(), regras.begin() + static_cast<long>(metade)));
    bench::escreve(pasta / "BRAIN" / "B.TXT", std::vector<Regra>(regras.begin() + static_cast<long>(metade), regras.end()));
    {
        std::FILE* lista = std::fopen((pasta / "BRAIN" / "LISTA.INI").c_str(), "wb");
        std::fputs("A.TXT\r\nB.TXT\r\n", lista);
        std::fclose(lista);
    }

    QElapsedTimer relogio;
    relogio.start();
    qint64 ultimo = relogio.elapsed();
    qint64 maiorIntervalo = 0;
    QTimer carimbo;
    carimbo.setInterval(5);
    QObject::connect(&carimbo, &QTimer::timeout, [&] {
        const qint64 agora = relogio.elapsed();
        maiorIntervalo = std::max(maiorIntervalo, agora - ultimo);
        ultimo = agora;
    });
    carimbo.start();

    TfREGRAS& editor = sessao.janela().editorDeRegras();
    qint64 pior = 0;
    const auto mede = [&](const char* nome, const std::function<void()>& operacao) {
        // Stamps in the loop between operations do not count.
        QApplication::processEvents();
        ultimo = relogio.elapsed();
        maiorIntervalo = 0;
        const qint64 inicio = relogio.elapsed();
        operacao();
        const qint64 duracao = relogio.elapsed() - inicio;
        const qint64 fim = relogio.elapsed();
        maiorIntervalo = std::max(maiorIntervalo, fim - ultimo);
        pior = std::max(pior, maiorIntervalo);
        std::printf("%-26s %6lld ms, regras %6d, maior intervalo sem eventos %4lld ms\n", nome,
                    static_cast<long long>(duracao), sessao.jogo().ia.cerebro.QTE_REGRAS(),
                    static_cast<long long>(maiorIntervalo));
    };
    const auto clica = [&](const char* texto) { return [&editor, texto] { editor.botao(texto)->click(); }; };
    editor.aoMostrar = [&] {
        mede("le P-CEREBRO_SALVO.TXT", clica("le P-CEREBRO_SALVO.TXT"));
        mede("+1000 >", clica("+1000 >"));
        mede("Procurar", clica("Procurar"));
        mede("Alterar", clica("Alterar"));
        mede("Acresentar", clica("Acresentar"));
        mede("Qte=1", clica("Qte=1"));
        mede("Regras Erradas", clica("Regras Erradas"));
        mede("Limpa Trucos", clica("Limpa Trucos"));
        mede("Limpa Rep.", clica("Limpa Rep."));
        mede("Acha Regra para Trucar", clica("Acha Regra para Trucar"));
        mede("Sorteia", clica("Sorteia"));
        mede("Salvar", clica("Salvar"));
        mede("Ler ./Brain/Lista.ini", clica("Ler ./Brain/Lista.ini"));
        mede("Compilar", clica("Compilar"));
        mede("Variável (P-NEURON)", [&] { editor.findChild<QAction*>("VARIAVEL_NEURON")->trigger(); });
        editor.close();
    };
    // From the menu, as the user opens it: while it is open the first game does not start.
    sessao.janela().acao("EDITOR_DE_REGRAS")->trigger();
    std::printf("pior intervalo sem eventos no editor com o cérebro cheio: %lld ms (alvo: até 100 ms)\n",
                static_cast<long long>(pior));
    std::error_code ec;
    std::filesystem::remove_all(pasta, ec);
    return 0;
}

}  // namespace
}  // namespace pelmar

int main(int argc, char** argv) { return pelmar::principal(argc, argv); }
