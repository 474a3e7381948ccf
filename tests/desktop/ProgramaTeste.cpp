#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <signal.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/LinhaDeComando.h"
#include "records/RegistroEstatisticas.h"
#include "records/RegistroPreferencias.h"
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
        {{"--version"}, true},
        {{"-platform", "offscreen", "--style=fusion", "-reverse"}, true},
        {{"-platform"}, false},
        {{"-plataforma", "offscreen"}, false},
    };
    for (const Caso& c : casos) {
        const LinhaDeComando l = leLinhaDeComando(c.argumentos);
        EXPECT_EQ(l.erro.empty(), c.valida) << (c.argumentos.empty() ? "" : c.argumentos[0]) << ": " << l.erro;
    }
    const LinhaDeComando l = leLinhaDeComando({"--demo", "--rapido", "--pasta", "/tmp/x", "--semente", "42"});
    EXPECT_TRUE(l.demo && l.rapido);
    EXPECT_EQ(l.pasta, "/tmp/x");
    EXPECT_EQ(l.semente, 42u);
    EXPECT_TRUE(l.opcoesDoQt.empty());
    EXPECT_TRUE(leLinhaDeComando({"--version"}).versao);
    // Qt's own options reach the application whole, values included, and ours are still read.
    const LinhaDeComando comQt = leLinhaDeComando({"-platform", "offscreen", "--demo", "--style=fusion", "-reverse"});
    EXPECT_EQ(comQt.opcoesDoQt, (std::vector<std::string>{"-platform", "offscreen", "--style=fusion", "-reverse"}));
    EXPECT_TRUE(comQt.demo);
}

// Help, version and a wrong option are answered before the GUI exists: no display needed.
TEST(ProgramaSemTela, AjudaVersaoEErroDeUsoSemTela) {
    struct Caso {
        QStringList argumentos;
        int codigo;
        const char* saida;  // expected in standard output
        const char* erro;   // expected in standard error
    };
    const Caso casos[] = {
        {{"--help"}, 0, "Uso: pelmar", ""},
        {{"--version"}, 0, "Pelmar 6.2.01", ""},
        {{"--janela"}, 2, "", "opção desconhecida: --janela"},
        {{"--semente"}, 2, "", "falta o valor de --semente"},
    };
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    for (const char* variavel : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) ambiente.remove(variavel);
    for (const Caso& c : casos) {
        const std::string nome = c.argumentos.join(' ').toStdString();
        QProcess programa;
        programa.setProcessEnvironment(ambiente);
        programa.start(PELMAR_PROGRAMA, c.argumentos);
        ASSERT_TRUE(programa.waitForFinished(30000)) << nome;
        EXPECT_EQ(programa.exitStatus(), QProcess::NormalExit) << nome;
        EXPECT_EQ(programa.exitCode(), c.codigo) << nome;
        const QString saida = QString::fromUtf8(programa.readAllStandardOutput());
        const QString erro = QString::fromUtf8(programa.readAllStandardError());
        EXPECT_TRUE(saida.contains(QString::fromUtf8(c.saida))) << nome << ": " << saida.toStdString();
        EXPECT_TRUE(erro.contains(QString::fromUtf8(c.erro))) << nome << ": " << erro.toStdString();
        // Nothing of Qt's: no platform was looked for.
        EXPECT_FALSE(erro.contains("platform")) << nome << ": " << erro.toStdString();
    }
}

class ProgramaTeste : public PastaTemporaria {
protected:
    // The program on the offscreen platform, in this test's folder, with the bundled files.
    void inicia(QProcess& programa, QStringList argumentos, const QProcessEnvironment& extra = {}) {
        QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
        ambiente.insert("QT_QPA_PLATFORM", "offscreen");
        ambiente.insert("PELMAR_DADOS", PELMAR_DADOS);
        ambiente.insert(extra);
        programa.setProcessEnvironment(ambiente);
        programa.start(PELMAR_PROGRAMA, QStringList{"--pasta", QString::fromStdString(pasta.string())} + argumentos);
        ASSERT_TRUE(programa.waitForStarted(10000));
    }

    // Every hand writes its deal to TXT/DEBUG_n.TXT once dealt, so the n-th file tells that play
    // has reached the n-th hand (the tenth is DEBUG_0). Polls with a generous bound, never a
    // guess of how long it takes.
    bool esperaMao(QProcess& programa, int mao, int limiteMs = 120000) {
        return esperaArquivo(programa, pasta / "TXT" / ("DEBUG_" + std::to_string(mao % 10) + ".TXT"), limiteMs);
    }

    // Waits for `arquivo` to appear while the program runs, with a generous bound.
    static bool esperaArquivo(QProcess& programa, const std::filesystem::path& arquivo, int limiteMs = 120000) {
        QElapsedTimer relogio;
        relogio.start();
        while (!std::filesystem::exists(arquivo)) {
            if (programa.state() != QProcess::Running || relogio.elapsed() > limiteMs) return false;
            programa.waitForFinished(20);
        }
        return true;
    }

    void terminaComSinal(QProcess& programa) {
        ::kill(static_cast<pid_t>(programa.processId()), SIGTERM);
        ASSERT_TRUE(programa.waitForFinished(30000)) << "o programa não terminou";
        EXPECT_EQ(programa.exitStatus(), QProcess::NormalExit);
        EXPECT_EQ(programa.exitCode(), 0);
    }
};

// SIGTERM closes the table as its close box does: the statistics are saved and the program ends
// normally, even with a match running.
TEST_F(ProgramaTeste, SinalDeTerminoFechaComoACaixaDeFechar) {
    QProcess programa;
    // Not a demo: the table waits for the user's first card, so only the close can save.
    inicia(programa, {"--rapido"});
    ASSERT_TRUE(esperaMao(programa, 1)) << "o programa não chegou à primeira mão";
    const auto estatisticas = pasta / std::string(ARQUIVO_ESTATISTICAS);
    ASSERT_TRUE(std::filesystem::exists(estatisticas));
    std::filesystem::remove(estatisticas);
    terminaComSinal(programa);
    EXPECT_TRUE(std::filesystem::exists(estatisticas)) << "as estatísticas não foram salvas ao fechar";
}

// SIGTERM while the truco question is up: the program closes as its close box does — the
// statistics saved, the preferences left — and ends normally instead of waiting for an answer.
// The robot plugin plays the user's cards inside the real program until a question opens.
TEST_F(ProgramaTeste, SinalDeTerminoComAPerguntaAbertaFechaComoACaixaDeFechar) {
    const auto aviso = pasta / "pergunta-aberta";
    QProcessEnvironment robo;
    robo.insert("QT_PLUGIN_PATH", PELMAR_PLUGINS_DO_ROBO);
    robo.insert("QT_QPA_GENERIC_PLUGINS", QString("pelmar-robo:") + QString::fromStdString(aviso.string()));
    QProcess programa;
    inicia(programa, {"--rapido"}, robo);
    ASSERT_TRUE(esperaArquivo(programa, aviso)) << "nenhuma pergunta de truco apareceu: "
                                                << programa.readAllStandardError().toStdString();
    const auto estatisticas = pasta / std::string(ARQUIVO_ESTATISTICAS);
    const auto preferencias = pasta / std::string(ARQUIVO_PREFERENCIAS);
    ASSERT_TRUE(std::filesystem::exists(estatisticas));
    std::filesystem::remove(estatisticas);
    const std::string prefsAntes = leBytes(preferencias);
    terminaComSinal(programa);
    EXPECT_TRUE(std::filesystem::exists(estatisticas)) << "as estatísticas não foram salvas ao fechar";
    EXPECT_TRUE(leBytes(preferencias) == prefsAntes) << "a caixa de fechar não salva as preferências";
}

// `pelmar --demo` is a show: after ten hands played by the table alone and a close, the user's
// preferences, statistics and learned rules are as they were.
TEST_F(ProgramaTeste, DemoDaLinhaDeComandoDeixaOsArquivosDoUsuario) {
    Preferencias prefs;
    prefs.DIFICULDADE = 7;
    ASSERT_FALSE(SALVA_PREFERENCIAS(prefs, PastaTrabalho(pasta)).has_value());
    Estatisticas est;
    est.BOIS_PRO = 12;
    est.BOIS_CONTRA = 9;
    est.PARTIDAS = 55;
    ASSERT_FALSE(SALVA_ESTATISTICAS(est, PastaTrabalho(pasta)).has_value());
    gravaBytes(pasta / "P-LEARN.TXT", "=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1\r\n");
    gravaBytes(pasta / "P-NEURON.TXT", "=,  2,3,  3,B, B,Z, ?,?, ?,?,  ?,?,?,  3,A,?,  3,E,T,   4\r\n");
    const std::vector<std::string> nomes = {std::string(ARQUIVO_PREFERENCIAS), std::string(ARQUIVO_ESTATISTICAS),
                                            "P-LEARN.TXT", "P-NEURON.TXT"};
    std::vector<std::string> antes;
    for (const std::string& nome : nomes) antes.push_back(leBytes(pasta / nome));

    QProcess programa;
    inicia(programa, {"--demo", "--rapido"});
    ASSERT_TRUE(esperaMao(programa, 10)) << "a demonstração não chegou à décima mão";
    terminaComSinal(programa);
    for (std::size_t i = 0; i < nomes.size(); ++i) EXPECT_EQ(leBytes(pasta / nomes[i]), antes[i]) << nomes[i];
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
