#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QUrl>

#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "base/InstalacaoDados.h"
#include "desktop/SessaoDeTeste.h"
#include "windows/Enderecos.h"
#include "windows/TForm2.h"
#include "windows/TfMESAS.h"
#include "windows/TfmtRECORDE.h"

namespace pelmar::teste {
namespace {

namespace fs = std::filesystem;

// The table window over a working folder that holds the bundled files, as after a first start.
// The run is not started (its first game would begin inside these tests' event processing):
// the help and the other openers need only the window and its folder.
class AjudaTeste : public SessaoDeTeste {
protected:
    void SetUp() override {
        SessaoDeTeste::SetUp();
        abreSessao();
        for (const std::string& nota : instalaDadosQueFaltam(PELMAR_DADOS, PastaTrabalho(pasta)).notas)
            ADD_FAILURE() << nota;
        janela().aoAbrirEndereco = [this](const QUrl& url) {
            abertos.push_back(url);
            return sistemaAceita;
        };
    }

    QAction* acao(const char* nome) {
        QAction* a = janela().acao(nome);
        if (!a) ADD_FAILURE() << "a janela não tem o item " << nome;
        return a;
    }

    std::vector<QUrl> abertos;
    bool sistemaAceita = true;
};

// The help items lead to the manual installed in the working folder: the rules open at their
// section of the page, the manual as the PDF. The addresses that name the internet stay web pages.
TEST_F(AjudaTeste, ItensDeAjudaAbremOManualDaPastaDeTrabalho) {
    struct Caso {
        const char* item;
        fs::path arquivo;  // empty: a web address
        QString ancora;
        QUrl web;
    };
    const Caso casos[] = {
        {"REGRAS_DO_TRUCO", pasta / "MANUAL" / "manual.html", "regras", {}},
        {"MANUAL_DO_JOGO", pasta / "manual.pdf", {}, {}},
        {"PAGINA_PELMAR", {}, {}, QUrl(ENDERECO_PROGRAMA)},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.item);
        abertos.clear();
        acao(caso.item)->trigger();
        ASSERT_EQ(abertos.size(), 1u);
        if (caso.arquivo.empty()) {
            EXPECT_EQ(abertos[0], caso.web);
            continue;
        }
        ASSERT_TRUE(abertos[0].isLocalFile()) << abertos[0].toString().toStdString();
        EXPECT_EQ(fs::path(abertos[0].toLocalFile().toStdString()), caso.arquivo);
        EXPECT_EQ(abertos[0].fragment(), caso.ancora);
        ASSERT_TRUE(fs::is_regular_file(caso.arquivo)) << "o manual não foi instalado na pasta de trabalho";
        // The place the address names is in the page.
        if (!caso.ancora.isEmpty()) {
            EXPECT_NE(leBytes(caso.arquivo).find("id=\"" + caso.ancora.toStdString() + "\""), std::string::npos);
        }
    }
    EXPECT_EQ(leBytes(pasta / "manual.pdf").substr(0, 5), "%PDF-");
    EXPECT_TRUE(tomaMensagens().empty());
}

// The help key is the rules' item.
TEST_F(AjudaTeste, F1AbreAsRegras) {
    janela().show();
    janela().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&janela()));
    QTest::keyClick(&janela(), Qt::Key_F1);
    ASSERT_EQ(abertos.size(), 1u);
    EXPECT_EQ(fs::path(abertos[0].toLocalFile().toStdString()), pasta / "MANUAL" / "manual.html");
    EXPECT_EQ(abertos[0].fragment(), "regras");
}

// Every place that hands something to the system says so when the system does not take it:
// one box each, naming what could not be opened.
TEST_F(AjudaTeste, CadaAberturaRecusadaMostraUmaCaixa) {
    sistemaAceita = false;
    TfmtRECORDE& recorde = janela().recorde();
    struct Caso {
        const char* nome;
        std::function<void()> abre;
        std::string alvo;  // part of the box's text
    };
    const std::vector<Caso> casos{
        {"regras", [&] { acao("REGRAS_DO_TRUCO")->trigger(); }, "manual.html"},
        {"manual", [&] { acao("MANUAL_DO_JOGO")->trigger(); }, "manual.pdf"},
        {"página", [&] { acao("PAGINA_PELMAR")->trigger(); }, ENDERECO_PROGRAMA},
        {"recordes", [&] { acao("RECORDES_INTERNET")->trigger(); }, ENDERECO_RECORDES},
        {"sons", [&] { acao("SONS_DO_JOGO")->trigger(); }, "WAV"},
        {"falas", [&] { acao("FALAS_ENTRE_JOGADORES")->trigger(); }, "FALAS.TXT"},
        {"versos", [&] { acao("TEXTO_TRUCO_6")->trigger(); }, "TRUCO-6.TXT"},
        {"histórico", [&] { acao("MOSTRAR_HISTORICO_OLD")->trigger(); }, "P-HISTORICO_OLD.TXT"},
        {"recorde na internet", [&] { recorde.verRecordesNaInternet(); }, ENDERECO_RECORDES},
        {"e-mail", [&] { recorde.enviaEmail(); }, EMAIL_RECORDES},
        {"extras", [&] { janela().seletorDeMesas().findChild<QPushButton*>("EXTRAS")->click(); }, ENDERECO_EXTRAS},
    };
    // The history file exists only once written; here it is there, so the system is asked.
    gravaBytes(pasta / "P-HISTORICO_OLD.TXT", "linha\r\n");
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        abertos.clear();
        caso.abre();
        EXPECT_EQ(abertos.size(), 1u) << "o sistema não foi chamado";
        const std::vector<std::string> caixas = tomaMensagens();
        ASSERT_EQ(caixas.size(), 1u);
        EXPECT_NE(caixas[0].find("Não consegui abrir"), std::string::npos) << caixas[0];
        EXPECT_NE(caixas[0].find(caso.alvo), std::string::npos) << caixas[0];
    }
}

// A file the game should have but does not is told as missing, and never handed to the system.
TEST_F(AjudaTeste, ArquivoQueFaltaNaoVaiAoSistema) {
    fs::remove(pasta / "manual.pdf");
    fs::remove_all(pasta / "MANUAL");
    for (const char* item : {"MANUAL_DO_JOGO", "REGRAS_DO_TRUCO"}) {
        SCOPED_TRACE(item);
        acao(item)->trigger();
        const std::vector<std::string> caixas = tomaMensagens();
        ASSERT_EQ(caixas.size(), 1u);
        EXPECT_NE(caixas[0].find("Não encontrei o arquivo"), std::string::npos) << caixas[0];
    }
    EXPECT_TRUE(abertos.empty());
}

// Without a hook the desktop's own handler is asked; the test platform has none, so the box shows.
TEST_F(AjudaTeste, SemGanchoORecusoDoSistemaTambemAparece) {
    janela().aoAbrirEndereco = nullptr;
    acao("PAGINA_PELMAR")->trigger();
    const std::vector<std::string> caixas = tomaMensagens();
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_NE(caixas[0].find(ENDERECO_PROGRAMA), std::string::npos) << caixas[0];
}

}  // namespace
}  // namespace pelmar::teste
