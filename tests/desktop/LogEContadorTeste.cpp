#include <gtest/gtest.h>

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTest>
#include <QTextBlock>
#include <QTimer>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "desktop/SessaoDeTeste.h"
#include "windows/ComandosHistorico.h"
#include "windows/SessaoDesktop.h"
#include "windows/TfCONTADOR.h"
#include "windows/TfLOG.h"

namespace pelmar::teste {
namespace {

const char* const REGRA_A = "=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1";
const char* const REGRA_B = "=,  2,3,  3,B, B,Z, ?,?, ?,?,  ?,?,?,  3,A,?,  3,E,T,   4";

// Judged by the glyphs: some monospaced fonts do not declare themselves so.
bool larguraFixa(const QFont& fonte) {
    const QFontMetrics medida(fonte);
    const int largura = medida.horizontalAdvance('W');
    for (QChar c : QString("il.|m0 "))
        if (medida.horizontalAdvance(c) != largura) return false;
    return true;
}

// A family whose glyphs are all one width, or empty when the machine has none.
QString familiaDeLarguraFixa() {
    for (const QString& familia : QFontDatabase::families())
        if (larguraFixa(QFont(familia, 8))) return familia;
    const QFont sistema = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    return larguraFixa(sistema) ? sistema.family() : QString();
}

std::vector<std::string> separaLinhas(const std::string& texto, const std::string& fim) {
    std::vector<std::string> linhas;
    std::size_t inicio = 0;
    for (std::size_t p = texto.find(fim); p != std::string::npos; p = texto.find(fim, inicio)) {
        linhas.push_back(texto.substr(inicio, p - inicio));
        inicio = p + fim.size();
    }
    if (inicio < texto.size()) linhas.push_back(texto.substr(inicio));
    return linhas;
}

// A desktop run in a temporary folder, with the log window and the commands built over it.
// The run is not started: its first game would begin inside these tests' event processing.
class LogEContadorTeste : public SessaoDeTeste {
protected:
    void SetUp() override {
        SessaoDeTeste::SetUp();
        abreSessao(20240817);
        jogo().turnos.mudaRapido(true);
        jogo().prefs.SOM = false;
        log = std::make_unique<TfLOG>(jogo().historico);
        comandos = std::make_unique<ComandosHistorico>(jogo(), *log);
        comandos->abreEndereco = [this](const QUrl& endereco) {
            abertos.push_back(endereco);
            return true;
        };
        menu = std::make_unique<QMenu>();
        comandos->montaMenuHistorico(menu.get());
    }

    void TearDown() override {
        menu.reset();
        comandos.reset();
        log.reset();
        SessaoDeTeste::TearDown();
    }

    QAction* item(const char* nome) {
        auto* acao = menu->findChild<QAction*>(nome);
        if (!acao) ADD_FAILURE() << "o menu não tem o item " << nome;
        return acao;
    }
    std::vector<std::string> linhasDoMemo() const {
        std::vector<std::string> linhas;
        if (log->memo().document()->isEmpty()) return linhas;
        for (QTextBlock b = log->memo().document()->begin(); b.isValid(); b = b.next())
            linhas.push_back(b.text().toStdString());
        return linhas;
    }
    // Serves events, as the game does while it waits, until the memo ends with `texto`.
    bool esperaNoMemo(const std::string& texto) {
        QElapsedTimer relogio;
        relogio.start();
        while (relogio.elapsed() < 10000) {
            QCoreApplication::processEvents();
            const auto linhas = linhasDoMemo();
            if (!linhas.empty() && linhas.back().ends_with(texto)) return true;
            QTest::qSleep(1);
        }
        return false;
    }

    std::unique_ptr<TfLOG> log;
    std::unique_ptr<ComandosHistorico> comandos;
    std::unique_ptr<QMenu> menu;
    std::vector<QUrl> abertos;
};

TEST_F(LogEContadorTeste, OMemoMostraOHistoricoAoVivoEmFonteDeLarguraFixa) {
    jogo().log(0, "ANTES DA JANELA");
    log->show();
    EXPECT_EQ(linhasDoMemo(), jogo().historico.linhas()) << "linhas de antes de a janela aparecer";

    // Nobody calls sincroniza: the window keeps up by itself while the game serves events.
    jogo().log(0, "AO VIVO 1");
    jogo().log(0, "AO VIVO 2");
    ASSERT_TRUE(esperaNoMemo("AO VIVO 2"));
    EXPECT_EQ(linhasDoMemo(), jogo().historico.linhas());

    // The match loop clears the log when play starts; the memo must not keep the old lines.
    jogo().historico.LIMPA_HISTORICO();
    jogo().log(0, "DEPOIS DE LIMPAR");
    log->sincroniza();
    ASSERT_EQ(linhasDoMemo().size(), 1u);
    EXPECT_TRUE(linhasDoMemo().front().ends_with("DEPOIS DE LIMPAR"));
    jogo().historico.LIMPA_HISTORICO();
    log->sincroniza();
    EXPECT_TRUE(linhasDoMemo().empty());

    // Hidden, it costs nothing, and shows everything written meanwhile when it comes back.
    log->hide();
    jogo().log(0, "ESCONDIDA 1");
    jogo().log(0, "ESCONDIDA 2");
    log->show();
    EXPECT_EQ(linhasDoMemo(), jogo().historico.linhas());

    // A machine without any fixed-width font cannot line the prefixes up, whatever the window asks.
    if (!familiaDeLarguraFixa().isEmpty()) {
        EXPECT_TRUE(larguraFixa(log->memo().font())) << QFontInfo(log->memo().font()).family().toStdString();
    }
    EXPECT_EQ(log->memo().font().pointSize(), 8);
    EXPECT_EQ(log->windowTitle(), "Log");
    EXPECT_EQ(log->memo().objectName(), "LOG");
}

TEST_F(LogEContadorTeste, AFonteFaltandoCaiNaDeLarguraFixaDoSistema) {
    const QString presente = familiaDeLarguraFixa();
    if (presente.isEmpty()) GTEST_SKIP() << "nenhuma fonte de largura fixa instalada";
    // What the log needs of any request, a family the machine lacks or one it has: fixed-width
    // glyphs at 8 points. Which family that ends up being, and how it is spelt, is the machine's.
    for (const QString& pedida : {QString("Fonte Que Nenhum Sistema Tem"), presente}) {
        SCOPED_TRACE(pedida.toStdString());
        const QFont fonte = fonteDeLargura(pedida, 8);
        EXPECT_TRUE(larguraFixa(fonte)) << QFontInfo(fonte).family().toStdString();
        EXPECT_EQ(fonte.pointSize(), 8);
    }
}

TEST_F(LogEContadorTeste, MuitasLinhasChegamTodasAoMemo) {
    jogo().historico.NIVEL_HISTORICO = 3;
    for (bool visivel : {true, false}) {
        SCOPED_TRACE(visivel ? "visível" : "escondida");
        jogo().historico.LIMPA_HISTORICO();
        if (visivel) log->show();
        else log->hide();
        for (int i = 1; i <= 20000; ++i) {
            jogo().log(3, "LINHA " + std::to_string(i));
            // Events are served now and then, as during a match.
            if (i % 500 == 0) QCoreApplication::processEvents();
        }
        log->show();
        log->sincroniza();
        const auto linhas = linhasDoMemo();
        ASSERT_EQ(linhas.size(), 20000u);
        EXPECT_EQ(linhas, jogo().historico.linhas());
    }
}

TEST_F(LogEContadorTeste, AtivarHistoricoAlternaAGravacao) {
    QAction& ativar = log->ativarHistorico();
    EXPECT_FALSE(ativar.isChecked());
    EXPECT_TRUE(jogo().historico.HISTORICO_ATIVO);

    ativar.trigger();
    EXPECT_TRUE(ativar.isChecked());
    EXPECT_TRUE(jogo().historico.HISTORICO_ATIVO);
    jogo().log(0, "LIGADO");
    const int numero = jogo().historico.NR_LINHA_HISTORICO;

    ativar.trigger();
    EXPECT_FALSE(ativar.isChecked());
    EXPECT_FALSE(jogo().historico.HISTORICO_ATIVO);
    jogo().log(0, "DESLIGADO");
    EXPECT_EQ(jogo().historico.NR_LINHA_HISTORICO, numero);
    EXPECT_TRUE(jogo().historico.linhas().back().ends_with("LIGADO"));
}

TEST_F(LogEContadorTeste, ItensDeNivelMudamONivelEAMarca) {
    EXPECT_TRUE(item("NIVEL_0")->isChecked()) << "NÍVEL 0 vem marcado";
    EXPECT_EQ(item("NIVEL_0")->text(), "NÍVEL 0 (Simples)");
    for (int nivel : {2, 3, 1, 0, 0}) {
        SCOPED_TRACE(nivel);
        const std::string nome = "NIVEL_" + std::to_string(nivel);
        item(nome.c_str())->trigger();
        EXPECT_EQ(jogo().historico.NIVEL_HISTORICO, nivel);
        for (int outro = 0; outro <= 3; ++outro)
            EXPECT_EQ(item(("NIVEL_" + std::to_string(outro)).c_str())->isChecked(), outro == nivel) << outro;
        const std::string& ultima = jogo().historico.linhas().back();
        EXPECT_TRUE(ultima.ends_with("| --> NIVEL  " + std::to_string(nivel))) << ultima;
        EXPECT_EQ(ultima.substr(6, 3), "|0|") << "registrado no nível 0";
    }

    // A level set elsewhere is what the submenu marks when it opens.
    jogo().historico.NIVEL_HISTORICO = 2;
    QMenu* niveis = menu->findChild<QMenu*>("MENU_LOG");
    ASSERT_NE(niveis, nullptr);
    Q_EMIT niveis->aboutToShow();
    EXPECT_TRUE(item("NIVEL_2")->isChecked());
    EXPECT_FALSE(item("NIVEL_0")->isChecked());

    EXPECT_THROW(comandos->defineNivel(4), std::out_of_range);
    EXPECT_EQ(jogo().historico.NIVEL_HISTORICO, 2);
}

TEST_F(LogEContadorTeste, SalvarErrorGravaOHistoricoEmArquivoProprio) {
    jogo().log(0, "PRIMEIRA");
    jogo().log(0, "SEGUNDA");
    item("SALVAR_ERROR")->trigger();
    const std::filesystem::path erro = pasta / "P-HISTORICO_ERRO.TXT";
    std::vector<std::string> linhas = separaLinhas(leBytes(erro), "\r\n");
    ASSERT_EQ(linhas.size(), 2u);
    EXPECT_TRUE(linhas[0].ends_with("| PRIMEIRA"));
    EXPECT_TRUE(linhas[1].ends_with("| SEGUNDA"));

    // Saved again, the file is replaced, never appended to, and nothing is rotated.
    jogo().historico.LIMPA_HISTORICO();
    jogo().log(0, "TERCEIRA");
    item("SALVAR_ERROR")->trigger();
    linhas = separaLinhas(leBytes(erro), "\r\n");
    ASSERT_EQ(linhas.size(), 1u);
    EXPECT_TRUE(linhas[0].ends_with("| TERCEIRA"));
    EXPECT_FALSE(std::filesystem::exists(pasta / "P-HISTORICO_OLD.TXT"));
    EXPECT_FALSE(std::filesystem::exists(pasta / "P-HISTORICO_NEW.TXT"));
    EXPECT_TRUE(mensagens.empty());

    // A file that cannot be written is reported, and the log keeps its lines.
    std::filesystem::remove(erro);
    std::filesystem::create_directories(erro / "ocupado");
    item("SALVAR_ERROR")->trigger();
    EXPECT_EQ(tomaMensagens().size(), 1u);
    EXPECT_TRUE(jogo().historico.linhas().front().ends_with("| TERCEIRA"));
}

TEST_F(LogEContadorTeste, ArquivosAbremNoEditorDaPastaDeTrabalho) {
    // The folder is matched ignoring case, as the game writes it.
    gravaBytes(pasta / "txt" / "Debug.txt", "DEBUG-PELMAR\r\n");
    for (const char* historico : {"P-HISTORICO_OLD.TXT", "P-HISTORICO_NEW.TXT", "P-HISTORICO_ERRO.TXT"})
        gravaBytes(pasta / historico, "linha\r\n");
    struct Caso {
        std::function<void()> comando;
        std::filesystem::path arquivo;
    };
    const std::vector<Caso> casos{
        {[this] { item("MOSTRAR_HISTORICO_OLD")->trigger(); }, pasta / "P-HISTORICO_OLD.TXT"},
        {[this] { item("MOSTRAR_HISTORICO_NEW")->trigger(); }, pasta / "P-HISTORICO_NEW.TXT"},
        {[this] { item("MOSTRAR_HISTORICO_ERRO")->trigger(); }, pasta / "P-HISTORICO_ERRO.TXT"},
        {[this] { comandos->editarDebug(); }, pasta / "txt" / "Debug.txt"},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.arquivo.string());
        abertos.clear();
        caso.comando();
        ASSERT_EQ(abertos.size(), 1u);
        EXPECT_TRUE(abertos[0].isLocalFile());
        EXPECT_EQ(abertos[0].toLocalFile().toStdString(), caso.arquivo.string());
    }

    // An editor that cannot be started changes nothing, and the user is told which file it was.
    comandos->abreEndereco = [](const QUrl&) { return false; };
    comandos->editarDebug();
    const std::vector<std::string> caixas = tomaMensagens();
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_NE(caixas[0].find("Debug.txt"), std::string::npos) << caixas[0];
}

TEST_F(LogEContadorTeste, VerHistoricoMostraAJanelaSemPrenderAMesa) {
    EXPECT_FALSE(log->isVisible());
    item("VER_HISTORICO")->trigger();
    EXPECT_TRUE(log->isVisible());
    EXPECT_FALSE(log->isModal());
    QAction* sair = log->findChild<QAction*>("SAIR_LOG");
    ASSERT_NE(sair, nullptr);
    sair->trigger();
    EXPECT_FALSE(log->isVisible());
}

TEST_F(LogEContadorTeste, DebugTxtGravadoECarregadoPelosComandos) {
    // Without the TXT folder the snapshot cannot be written: reported, the game goes on.
    item("GRAVAR_DEBUG")->trigger();
    ASSERT_EQ(tomaMensagens().size(), 1u);

    std::filesystem::create_directories(pasta / "TXT");
    for (int j = 1; j <= 4; ++j)
        for (int s = 1; s <= 3; ++s) jogo().estado.JOGADORES[j].CARTAS[s].CARTA = (j - 1) * 3 + s;
    jogo().estado.VIRA = 40;
    jogo().estado.PONTOS_JOG = 4;
    jogo().estado.PONTOS_COM = 9;
    item("GRAVAR_DEBUG")->trigger();
    EXPECT_TRUE(mensagens.empty());
    ASSERT_TRUE(std::filesystem::exists(pasta / "TXT" / "DEBUG.TXT"));

    jogo().estado.PONTOS_JOG = 0;
    jogo().estado.PONTOS_COM = 0;
    comandos->carregarDebug();
    EXPECT_TRUE(mensagens.empty());
    EXPECT_TRUE(jogo().debug.DEBUG_DISTRIBUICAO);
    EXPECT_TRUE(jogo().chaves.MODO_DEBUG);
    EXPECT_EQ(jogo().estado.ESTADO_TRUCO, 17);
    EXPECT_EQ(jogo().debug.MESA_DEBUG.vira, 40);
    EXPECT_EQ(jogo().debug.MESA_DEBUG.cartas[4][3], 12);
    EXPECT_EQ(jogo().estado.PONTOS_JOG, 4);
    EXPECT_EQ(jogo().estado.PONTOS_COM, 9);
}

TEST_F(LogEContadorTeste, QuantidadeDeRegrasNomeiaOArquivoRealDaPasta) {
    comandos->quantidadeRegras();
    const std::vector<std::string> vazio = tomaMensagens();
    ASSERT_EQ(vazio.size(), 1u);
    EXPECT_NE(vazio[0].find("Total: 0\n"), std::string::npos) << vazio[0];

    // Written in another letter case, as a user copying files might.
    gravaBytes(pasta / "P-BRAIN.TXT", std::string("#, fixas\r\n") + REGRA_A + "\r\n" + REGRA_B + "\r\n");
    gravaBytes(pasta / "p-neuron.txt", std::string(REGRA_B) + "\r\n");
    comandos->lerRegras();
    ASSERT_TRUE(tomaMensagens().empty());
    comandos->quantidadeRegras();
    const std::vector<std::string> contadas = tomaMensagens();
    ASSERT_EQ(contadas.size(), 1u);
    const std::string& texto = contadas[0];
    for (const std::string& parte :
         {std::string("I.A. - Inteligência Artificial\n"), std::string("Limite : 300000\n"), std::string("Fixas: 2\n"),
          std::string("Aprendidas: 1\n"), std::string("Total: 3\n"),
          "Envie o arquivo " + (pasta / "p-neuron.txt").string() + " \n"})
        EXPECT_NE(texto.find(parte), std::string::npos) << parte << "\nem:\n" << texto;
}

TEST_F(LogEContadorTeste, ContadorSegueOModelo) {
    sessao->janela().move(120, 80);
    TfCONTADOR contador(jogo().mesa, &sessao->janela());
    contador.sincroniza();
    EXPECT_FALSE(contador.isVisible());
    EXPECT_EQ(contador.windowTitle(), "Contador de Regras");
    EXPECT_EQ(contador.size(), QSize(175, 97));

    auto rotulo = [&](const char* nome) {
        auto* r = contador.findChild<QLabel*>(nome);
        return r ? r->text().toStdString() : std::string("(sem ") + nome + ")";
    };
    EXPECT_EQ(rotulo("ROTULO_LENDO"), "Lendo:");
    EXPECT_EQ(rotulo("ROTULO_TOTAL"), "Total:");
    EXPECT_EQ(rotulo("ROTULO_MAXIMO"), "Maximo:");
    EXPECT_EQ(rotulo("NUMERO"), "000000");

    jogo().mesa["TfCONTADOR"].texto = "Salvando Regras.";
    jogo().mesa["TfCONTADOR"].visivel = true;
    jogo().mesa["NUMERO"].texto = "120";
    jogo().mesa["Total"].texto = "4500";
    jogo().mesa["Maximo"].texto = "300000";
    contador.sincroniza();
    EXPECT_TRUE(contador.isVisible());
    EXPECT_EQ(contador.windowTitle(), "Salvando Regras.");
    EXPECT_EQ(rotulo("NUMERO"), "120");
    EXPECT_EQ(rotulo("Total"), "4500");
    EXPECT_EQ(rotulo("Maximo"), "300000");
    EXPECT_EQ(contador.frameGeometry().topLeft(), sessao->janela().frameGeometry().topLeft() + QPoint(10, 45));
    EXPECT_TRUE(contador.findChild<QLabel*>("NUMERO")->alignment() & Qt::AlignRight);

    jogo().mesa["TfCONTADOR"].visivel = false;
    contador.sincroniza();
    EXPECT_FALSE(contador.isVisible());
}

TEST_F(LogEContadorTeste, ContadorApareceEnquantoLerRegrasCarrega) {
    gravaBytes(pasta / "P-BRAIN.TXT", std::string(REGRA_A) + "\r\n" + REGRA_B + "\r\n" + REGRA_A + "\r\n");
    TfCONTADOR contador(jogo().mesa, &sessao->janela());
    std::vector<std::string> vistos;
    // The main window's redraw, at every turn of the event loop the load allows.
    QTimer desenho;
    desenho.setInterval(0);
    QObject::connect(&desenho, &QTimer::timeout, [&] {
        contador.sincroniza();
        if (contador.isVisible())
            vistos.push_back(contador.windowTitle().toStdString() + "|" +
                             contador.findChild<QLabel*>("Maximo")->text().toStdString());
    });
    desenho.start();
    comandos->lerRegras();
    desenho.stop();
    contador.sincroniza();

    EXPECT_FALSE(vistos.empty());
    for (const std::string& visto : vistos) EXPECT_EQ(visto, "Lendo Cerebro|300000");
    EXPECT_FALSE(contador.isVisible());
    EXPECT_EQ(jogo().ia.cerebro.QTE_REGRAS_FIXAS, 3);
}

}  // namespace
}  // namespace pelmar::teste
