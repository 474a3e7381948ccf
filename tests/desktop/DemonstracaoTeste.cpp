#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <map>
#include <string>

#include "desktop/SessaoDeTeste.h"
#include "records/RegistroEstatisticas.h"
#include "records/RegistroPreferencias.h"
#include "windows/TfPARAMETROS.h"

namespace pelmar::teste {
namespace {

const char* const REGRA_APRENDIDA = "=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1";
const char* const REGRA_JUNTADA = "=,  2,3,  3,B, B,Z, ?,?, ?,?,  ?,?,?,  3,A,?,  3,E,T,   4";

// A run started as a demo, in a folder that holds the user's own files: a level, years of results
// and rules learned and joined. The demo is a show: whatever it plays and however it ends, those
// files are on disk as they were.
class DemonstracaoTeste : public SessaoDeTeste {
protected:
    static constexpr int NIVEL_DO_USUARIO = 5;

    void SetUp() override {
        SessaoDeTeste::SetUp();
        Preferencias prefs;
        prefs.DIFICULDADE = NIVEL_DO_USUARIO;
        prefs.J3_JOGA_SOZINHO = true;
        ASSERT_FALSE(SALVA_PREFERENCIAS(prefs, PastaTrabalho(pasta)).has_value());
        Estatisticas est;
        // The computer's side far ahead in bois: each boi it wins lowers the level and saves it.
        est.BOIS_PRO = 2;
        est.BOIS_CONTRA = 40;
        est.PARTIDAS = 90;
        est.RODADAS_PRO = 300;
        est.RODADAS_CONTRA = 350;
        ASSERT_FALSE(SALVA_ESTATISTICAS(est, PastaTrabalho(pasta)).has_value());
        gravaBytes(pasta / "P-LEARN.TXT", std::string(REGRA_APRENDIDA) + "\r\n");
        gravaBytes(pasta / "P-NEURON.TXT", std::string(REGRA_JUNTADA) + "\r\n");
        antes = arquivosDoUsuario();
        abreSessao(20250611, true);
        sessao->inicia();
        janela().perguntaJuntar = [this] {
            ++perguntasDeJuntar;
            return true;
        };
        janela().show();
    }

    std::map<std::string, std::string> arquivosDoUsuario() const {
        std::map<std::string, std::string> bytes;
        for (std::string_view nome : {ARQUIVO_PREFERENCIAS, ARQUIVO_ESTATISTICAS, std::string_view("P-LEARN.TXT"),
                                      std::string_view("P-NEURON.TXT")})
            bytes[std::string(nome)] = leBytes(pasta / nome);
        return bytes;
    }

    void confereArquivosComoEstavam() const {
        for (const auto& [nome, bytes] : arquivosDoUsuario())
            EXPECT_TRUE(bytes == antes.at(nome)) << nome << " mudou (" << antes.at(nome).size() << " → " << bytes.size()
                                                 << " bytes)";
    }

    // The demo plays by itself; at each tick while its match loop runs, `quando` says whether it
    // has shown enough, and then `fim` ends the run the way the user would.
    void assiste(const std::function<bool()>& quando, const std::function<void()>& fim, int limiteMs) {
        QTimer roteiro;
        roteiro.setInterval(2);
        bool feito = false, dentro = false;
        QObject::connect(&roteiro, &QTimer::timeout, [&] {
            if (dentro || feito || !janela().partidaNaPilha() || !quando()) return;
            dentro = true;
            feito = true;
            fim();
            dentro = false;
        });
        roteiro.start();
        QElapsedTimer relogio;
        relogio.start();
        while (janela().isVisible() && relogio.elapsed() < limiteMs) {
            QCoreApplication::processEvents();
            QTest::qSleep(1);
        }
        if (!feito) {
            ADD_FAILURE() << "a demonstração não chegou ao ponto esperado a tempo";
            janela().close();
            while (janela().partidaNaPilha()) QCoreApplication::processEvents();
        }
        EXPECT_FALSE(janela().isVisible()) << "a janela não fechou";
    }

    // Hands the demo has played through to their score, the user's seat playing in each.
    int maosJogadas() const {
        const Estatisticas& e = sessao->jogo().estatisticas;
        return e.RODADAS_PRO + e.RODADAS_CONTRA - 650;
    }

    std::map<std::string, std::string> antes;
    int perguntasDeJuntar = 0;
};

// Long enough for a boi: the computer's side wins one, the level drops on screen, and the saving
// exit finds nothing of the user's to write.
TEST_F(DemonstracaoTeste, UmBoiInteiroESairESalvarDeixamOsArquivosComoEstavam) {
    assiste([this] { return jogo().estatisticas.BOIS_CONTRA > 40 && jogo().prefs.DIFICULDADE < NIVEL_DO_USUARIO; },
            [this] { janela().acao("SAIR_E_SALVAR")->trigger(); }, 240000);
    // What the demo did, it did: counted on screen, the level lowered for the rest of the run.
    EXPECT_GT(jogo().estatisticas.BOIS_CONTRA, 40);
    EXPECT_LT(jogo().prefs.DIFICULDADE, NIVEL_DO_USUARIO);
    EXPECT_EQ(perguntasDeJuntar, 0) << "uma demonstração não tem regras suas para juntar";
    confereArquivosComoEstavam();
    EXPECT_TRUE(std::filesystem::exists(pasta / "P-HISTORICO_NEW.TXT")) << "o histórico ainda é gravado";
}

// Every other way a run ends or saves, each after a few hands of the demo.
TEST_F(DemonstracaoTeste, CadaSaidaDeixaOsArquivosComoEstavam) {
    struct Caso {
        const char* nome;
        std::function<void()> fim;
    };
    const Caso casos[] = {
        {"caixa de fechar", [this] { janela().close(); }},
        {"Sair", [this] { janela().acao("SAIR")->trigger(); }},
        {"Juntar regras, depois fechar",
         [this] {
             janela().acao("JUNTAR_REGRAS")->trigger();
             janela().close();
         }},
        {"Salvar Preferências, depois fechar",
         [this] {
             janela().parametros().show();
             janela().parametros().findChild<QPushButton*>("btSALVAR")->click();
             janela().close();
         }},
        {"Limpa as Estatisticas, depois fechar",
         [this] {
             janela().perguntaLimpar = [] { return true; };
             janela().acao("LIMPA_ESTATISTICAS")->trigger();
             janela().close();
         }},
    };
    bool primeiro = true;
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        if (!std::exchange(primeiro, false)) {
            for (const auto& [nome, bytes] : antes) gravaBytes(pasta / nome, bytes);
            abreSessao(20250611, true);
            sessao->inicia();
            janela().show();
        }
        assiste([this] { return maosJogadas() >= 3; }, caso.fim, 60000);
        confereArquivosComoEstavam();
    }
}

}  // namespace
}  // namespace pelmar::teste
