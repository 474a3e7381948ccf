#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QTest>

#include <signal.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/LinhaDeComando.h"
#include "records/RegistroEstatisticas.h"
#include "suporte/PastaTemporaria.h"

namespace pelmar::teste {
namespace {

TEST(LinhaDeComandoTeste, OpcoesEErros) {
    struct Caso {
        std::vector<std::string> argumentos;
        bool valida;
    };
    const Caso casos[] = {
        {{}, true},
        {{"--demo", "--rapido", "--pasta", "/tmp/x", "--semente", "42"}, true},
        {{"--rápido"}, true},
        {{"--pasta"}, false},
        {{"--pasta", ""}, false},
        {{"--semente", "12a"}, false},
        {{"--semente", "-1"}, false},
        {{"--janela"}, false},
    };
    for (const Caso& c : casos) {
        const LinhaDeComando l = leLinhaDeComando(c.argumentos);
        EXPECT_EQ(l.erro.empty(), c.valida) << (c.argumentos.empty() ? "" : c.argumentos[0]) << ": " << l.erro;
    }
    const LinhaDeComando l = leLinhaDeComando({"--demo", "--rapido", "--pasta", "/tmp/x", "--semente", "42"});
    EXPECT_TRUE(l.demo && l.rapido);
    EXPECT_EQ(l.pasta, "/tmp/x");
    EXPECT_EQ(l.semente, 42u);
}

class ProgramaTeste : public PastaTemporaria {};

// SIGTERM closes the table as its close box does: the statistics are saved and the program ends
// normally, even with a match running.
TEST_F(ProgramaTeste, SinalDeTerminoFechaComoACaixaDeFechar) {
    QProcess programa;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("QT_QPA_PLATFORM", "offscreen");
    ambiente.insert("PELMAR_DADOS", PELMAR_DADOS);
    programa.setProcessEnvironment(ambiente);
    // Not a demo: the table waits for the user's first card, so only the close can save.
    programa.start(PELMAR_PROGRAMA, {"--pasta", QString::fromStdString(pasta.string()), "--rapido"});
    ASSERT_TRUE(programa.waitForStarted(5000));
    const auto estatisticas = pasta / std::string(ARQUIVO_ESTATISTICAS);
    for (int i = 0; i < 100 && !std::filesystem::exists(estatisticas); ++i) QTest::qSleep(50);
    ASSERT_TRUE(std::filesystem::exists(estatisticas)) << "o programa não começou";
    QTest::qSleep(1500);  // the match is under way, waiting for the user
    std::filesystem::remove(estatisticas);
    ::kill(static_cast<pid_t>(programa.processId()), SIGTERM);
    ASSERT_TRUE(programa.waitForFinished(10000)) << "o programa não terminou";
    EXPECT_EQ(programa.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(programa.exitCode(), 0);
    EXPECT_TRUE(std::filesystem::exists(estatisticas)) << "as estatísticas não foram salvas ao fechar";
}

TEST_F(ProgramaTeste, PastaQueNaoPodeSerCriadaDizPorQue) {
    std::ofstream(pasta / "arquivo") << "x";
    QProcess programa;
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert("QT_QPA_PLATFORM", "offscreen");
    programa.setProcessEnvironment(ambiente);
    // A working folder below a file cannot exist.
    programa.start(PELMAR_PROGRAMA, {"--pasta", QString::fromStdString((pasta / "arquivo" / "pelmar").string())});
    // The reason goes to the terminal, and to a box that waits for the user.
    QByteArray erro;
    for (int i = 0; i < 100 && !erro.contains("pasta de trabalho"); ++i) {
        programa.waitForReadyRead(100);
        erro += programa.readAllStandardError();
    }
    programa.kill();
    programa.waitForFinished(5000);
    EXPECT_TRUE(erro.contains("pasta de trabalho")) << erro.toStdString();
    EXPECT_FALSE(std::filesystem::exists(pasta / "arquivo" / "pelmar"));
}

}  // namespace
}  // namespace pelmar::teste
