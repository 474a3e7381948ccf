#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <memory>
#include <string>
#include <vector>

#include "records/RegistroEstatisticas.h"
#include "desktop/SessaoDeTeste.h"
#include "windows/GanchosDeJanela.h"
#include "windows/SessaoDesktop.h"
#include "windows/TfPONTOS.h"
#include "windows/TfmtRECORDE.h"

namespace pelmar::teste {
namespace {

// A whole desktop run in a temporary folder. No test serves events, so the first game, armed on
// a timer, never starts: the windows are driven directly.
class EstatisticasJanelasTeste : public SessaoDeTeste {
protected:
    void SetUp() override {
        SessaoDeTeste::SetUp();
        abreSessao().inicia();
        sessao->janela().move(120, 90);
        // One day for the whole test, even one that runs across midnight: the check codes carry it.
        sessao->plataforma().aoLerDataHora = [] { return DataHora{5, 3, 2031, 23, 59, 59}; };
    }

    Estatisticas& est() { return sessao->jogo().estatisticas; }

    template <typename W>
    static W* filho(QWidget& janela, const char* nome) {
        W* w = janela.findChild<W*>(nome);
        if (!w) ADD_FAILURE() << "a janela não tem o controle " << nome;
        return w;
    }
    static QString textoDe(QWidget& janela, const char* nome) {
        if (auto* r = janela.findChild<QLabel*>(nome)) return r->text();
        if (auto* c = janela.findChild<QLineEdit*>(nome)) return c->text();
        ADD_FAILURE() << "a janela não tem o controle " << nome;
        return {};
    }
    static void clica(QWidget& janela, const char* botao) {
        if (auto* b = filho<QPushButton>(janela, botao)) b->click();
    }

    // Every counter different, so a label showing the wrong one is caught.
    void preencheContadores() {
        Estatisticas& e = est();
        e.PARTIDAS = 31;
        e.BOIS_PRO = 4;
        e.BOIS_CONTRA = 2;
        e.VITORIAS = 18;
        e.DERROTAS = 13;
        e.RODADAS_PRO = 240;
        e.RODADAS_CONTRA = 199;
        e.PONTOS_PRO = 377;
        e.PONTOS_CONTRA = 301;
        e.PONTUACAO_TOTAL = 9100;
        e.RECORDE = 7300;
        e.PONTUACAO_PARCIAL = 650;
        e.CARTAS_JOGADAS = 912;
        for (std::size_t i = 0; i < e.reservados.size(); ++i) e.reservados[i] = 1000 + 7 * static_cast<int>(i);
    }

    // The day the platform reads, as the record text writes it.
    static std::string hoje() { return "05.03.31"; }
};

struct RotuloEsperado {
    const char* nome;
    const char* texto;
};

TEST_F(EstatisticasJanelasTeste, PontosMostraCadaContadorNoSeuRotuloESegueOModelo) {
    preencheContadores();
    jogo().pontuacao.MOSTRA_ESTATISTICAS();
    TfPONTOS janela(jogo().pontos, &sessao->janela());
    EXPECT_FALSE(janela.isVisible());
    janela.abre();

    ASSERT_TRUE(janela.isVisible());
    EXPECT_EQ(janela.windowTitle(), "Informações Uteis");
    EXPECT_EQ(janela.width(), 321);
    EXPECT_TRUE(janela.windowFlags().testFlag(Qt::Tool));
    EXPECT_EQ(janela.pos(), sessao->janela().pos() + QPoint(10, 45));
    const RotuloEsperado contadores[] = {
        {"BOI_PRO", "4"},        {"BOI_CONTRA", "2"},       {"VITORIAS", "18"},   {"DEROTAS", "13"},
        {"RODADAS_PRO", "240"},  {"RODADAS_CONTRA", "199"}, {"PONTOS_PRO", "377"}, {"PONTOS_CONTRA", "301"},
        {"RODADAS", "439"},      {"PARTIDAS", "31"},
    };
    for (const RotuloEsperado& r : contadores) EXPECT_EQ(textoDe(janela, r.nome), r.texto) << r.nome;

    QStringList legendas;
    for (const QLabel* r : janela.findChildren<QLabel*>()) legendas << r->text();
    for (const char* legenda :
         {"Estatísticas", "Bom", "Mau", "Melhor de 3:", "Partidas:", "Rodadas:", "Pontos:", "Rodadas", "Partidas"})
        EXPECT_TRUE(legendas.contains(legenda)) << legenda;
    EXPECT_EQ(filho<QPushButton>(janela, "Fechar")->text(), "Fechar");

    // The window shows what the game last wrote, not the live counters.
    est().VITORIAS = 19;
    janela.sincroniza();
    EXPECT_EQ(textoDe(janela, "VITORIAS"), "18");
    jogo().pontuacao.MOSTRA_ESTATISTICAS();
    janela.sincroniza();
    EXPECT_EQ(textoDe(janela, "VITORIAS"), "19");
}

TEST_F(EstatisticasJanelasTeste, PontosFechadoPeloBotaoOuPelaBarraNaoVoltaSozinho) {
    TfPONTOS janela(jogo().pontos, &sessao->janela());
    janela.abre();
    clica(janela, "Fechar");
    EXPECT_FALSE(janela.isVisible());
    EXPECT_FALSE(jogo().pontos.visivel);
    janela.sincroniza();
    EXPECT_FALSE(janela.isVisible()) << "o próximo tique reabriu a janela fechada";

    janela.abre();
    ASSERT_TRUE(janela.isVisible());
    janela.close();
    EXPECT_FALSE(jogo().pontos.visivel);
    janela.sincroniza();
    EXPECT_FALSE(janela.isVisible());
}

TEST_F(EstatisticasJanelasTeste, LimparZeraSalvaMantemOsReservadosEMostraAJanela) {
    preencheContadores();
    const auto reservados = est().reservados;
    SALVA_ESTATISTICAS(est(), jogo().pasta);
    TfPONTOS janela(jogo().pontos, &sessao->janela());
    jogo().pontuacao.MOSTRA_ESTATISTICAS();

    limpaEstatisticas(jogo(), janela);

    EXPECT_TRUE(mensagens.empty()) << "limpar não faz pergunta nem mostra mensagem";
    Estatisticas lidas;
    lidas.reservados.fill(-1);
    CARREGA_ESTATISTICAS(lidas, jogo().pasta);
    const Estatisticas* const ambas[] = {&est(), &lidas};
    for (const Estatisticas* e : ambas) {
        const int zerados[] = {e->PARTIDAS,       e->BOIS_PRO,        e->BOIS_CONTRA,     e->VITORIAS,
                               e->DERROTAS,       e->RODADAS,         e->RODADAS_PRO,     e->RODADAS_CONTRA,
                               e->PONTOS_PRO,     e->PONTOS_CONTRA,   e->PONTUACAO_TOTAL, e->PONTUACAO_PARCIAL,
                               e->CARTAS_JOGADAS};
        for (int v : zerados) EXPECT_EQ(v, 0);
        EXPECT_EQ(e->RECORDE, 5000);
        EXPECT_EQ(e->reservados, reservados);
    }
    EXPECT_TRUE(janela.isVisible());
    for (const char* nome : {"BOI_PRO", "VITORIAS", "DEROTAS", "RODADAS_PRO", "PONTOS_CONTRA", "RODADAS", "PARTIDAS"})
        EXPECT_EQ(textoDe(janela, nome), "0") << nome;
    EXPECT_EQ(jogo().mesa["TXT_PONTUACAO_RECORDE"].texto, "5000");
    EXPECT_EQ(jogo().mesa["TXT_PONTUACAO_PARCIAL"].texto, "0");
}

// The menu item asks first: "Não" leaves every counter, the file and the closed window as they
// were; "Sim" clears.
TEST_F(EstatisticasJanelasTeste, LimparPeloMenuSoDepoisDoSim) {
    for (const bool sim : {false, true}) {
        SCOPED_TRACE(sim ? "Sim" : "Não");
        preencheContadores();
        SALVA_ESTATISTICAS(est(), jogo().pasta);
        const std::string antes = leBytes(pasta / std::string(ARQUIVO_ESTATISTICAS));
        int perguntas = 0;
        janela().perguntaLimpar = [&] {
            ++perguntas;
            return sim;
        };
        janela().pontos().close();
        janela().acao("LIMPA_ESTATISTICAS")->trigger();
        EXPECT_EQ(perguntas, 1);
        Estatisticas lidas;
        CARREGA_ESTATISTICAS(lidas, jogo().pasta);
        if (sim) {
            EXPECT_EQ(lidas.PARTIDAS, 0);
            EXPECT_EQ(lidas.RECORDE, 5000);
            EXPECT_EQ(est().VITORIAS, 0);
        } else {
            EXPECT_TRUE(leBytes(pasta / std::string(ARQUIVO_ESTATISTICAS)) == antes) << "o arquivo mudou";
            EXPECT_EQ(est().PARTIDAS, 31);
            EXPECT_EQ(est().RECORDE, 7300);
            EXPECT_EQ(est().PONTUACAO_PARCIAL, 650);
        }
        EXPECT_EQ(janela().pontos().isVisible(), sim);
    }
}

// The question itself, as the player sees it: Portuguese buttons, and only "Sim" says yes.
TEST(PerguntaSimNao, SoOSimConfirma) {
    struct Caso {
        const char* resposta;  // the button clicked, or empty for Escape
        bool esperado;
    };
    const Caso casos[] = {{"Sim", true}, {"Não", false}, {"", false}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(*c.resposta ? c.resposta : "Escape");
        bool vista = false;
        QTimer::singleShot(0, [&] {
            auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!caixa) {
                ADD_FAILURE() << "a pergunta não apareceu";
                return;
            }
            vista = true;
            EXPECT_EQ(caixa->windowTitle(), "Limpar?");
            EXPECT_EQ(caixa->text(), "Apagar tudo?");
            QStringList botoes;
            for (QAbstractButton* b : caixa->buttons()) botoes << b->text();
            botoes.sort();
            EXPECT_EQ(botoes, (QStringList{"Não", "Sim"}));
            ASSERT_NE(caixa->defaultButton(), nullptr);
            EXPECT_EQ(caixa->defaultButton()->text(), "Não");
            if (!*c.resposta) {
                QTest::keyClick(caixa, Qt::Key_Escape);
                return;
            }
            for (QAbstractButton* b : caixa->buttons())
                if (b->text() == QString::fromUtf8(c.resposta)) b->click();
        });
        EXPECT_EQ(perguntaSimNao(nullptr, "Limpar?", "Apagar tudo?"), c.esperado);
        EXPECT_TRUE(vista);
    }
}

TEST_F(EstatisticasJanelasTeste, RecordeDe5001GeraOTextoDoExemploEVaiParaAAreaDeTransferencia) {
    est().RECORDE = 5001;
    est().BOIS_PRO = 3;
    est().BOIS_CONTRA = 1;
    est().VITORIAS = 17;
    est().DERROTAS = 12;
    TfmtRECORDE janela(jogo(), &sessao->janela());
    janela.abre();
    ASSERT_TRUE(janela.isVisible());
    EXPECT_EQ(janela.windowTitle(), "Validação do RECORDE");
    EXPECT_EQ(janela.pos(), sessao->janela().pos() + QPoint(10, 45));
    auto* recorde = filho<QLineEdit>(janela, "STR_RECORDE");
    EXPECT_EQ(recorde->text(), "5001");
    EXPECT_FALSE(recorde->isEnabled());
    EXPECT_FALSE(filho<QPushButton>(janela, "BT_CHECAR")->isVisible());
    QStringList legendas;
    for (const QLabel* r : janela.findChildren<QLabel*>()) legendas << r->text();
    for (const char* legenda :
         {"Recorde ATUAL:", "Nome:", "Idade:", "Cidade:", "UF:",
          "Preencha os dados acima, seu nome ou apelido, cidade e idade e depois pressione",
          "o botão para validar o recorde, será gerado um texo único para evitar fraudes nos valores"})
        EXPECT_TRUE(legendas.contains(legenda)) << legenda;

    filho<QLineEdit>(janela, "STR_NOME")->setText("João da Silva");
    filho<QLineEdit>(janela, "STR_IDADE")->setText("42");
    filho<QLineEdit>(janela, "STR_CIDADE")->setText("Ribeirão Preto");
    filho<QLineEdit>(janela, "STR_UF")->setText("sp");
    clica(janela, "BT_VALIDAR");

    const QString esperado = QString::fromStdString("PRECORDE; JOÃO DA SILVA; 42; RIBEIRÃO PRETO; SP; 5001.....; " +
                                                    std::string("6.2.01; ") + hoje() +
                                                    "; 137.19.0.0; 193793; 3; 1; 17; 12");
    EXPECT_EQ(textoDe(janela, "STR_VALIDACAO"), esperado);
    const RotuloEsperado emMaiusculas[] = {
        {"STR_NOME", "JOÃO DA SILVA"}, {"STR_IDADE", "42"}, {"STR_CIDADE", "RIBEIRÃO PRETO"}, {"STR_UF", "SP"}};
    for (const RotuloEsperado& c : emMaiusculas) EXPECT_EQ(textoDe(janela, c.nome), QString::fromUtf8(c.texto));
    EXPECT_FALSE(filho<QPushButton>(janela, "BT_CHECAR")->isVisible());

    QGuiApplication::clipboard()->setText("outra coisa");
    clica(janela, "BT_COPIAR");
    EXPECT_EQ(QGuiApplication::clipboard()->text(), esperado);
    EXPECT_EQ(filho<QPushButton>(janela, "BT_COPIAR")->text(), "Copiar  Texto do Recorde");

    clica(janela, "BT_FECHAR");
    EXPECT_FALSE(janela.isVisible());
}

TEST_F(EstatisticasJanelasTeste, RecordeNoLimiteSoEValidadoEmModoDebug) {
    struct Caso {
        int recorde;
        bool debug;
        bool aceito;
    };
    const Caso casos[] = {{5000, false, false}, {4000, false, false}, {5000, true, true}, {5001, false, true}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(std::to_string(c.recorde) + (c.debug ? " debug" : ""));
        est().RECORDE = c.recorde;
        jogo().mesa["DEBUG"].visivel = c.debug;
        TfmtRECORDE janela(jogo(), &sessao->janela());
        janela.abre();
        filho<QLineEdit>(janela, "STR_NOME")->setText("ana");
        clica(janela, "BT_VALIDAR");

        const QString resultado = textoDe(janela, "STR_VALIDACAO");
        if (c.aceito) {
            EXPECT_TRUE(resultado.startsWith(QString("PRECORDE; ANA; ; ; ; %1").arg(c.recorde)))
                << resultado.toStdString();
            EXPECT_EQ(textoDe(janela, "STR_NOME"), "ANA");
        } else {
            EXPECT_EQ(resultado, "Recorde está abaixo do limite");
            EXPECT_EQ(textoDe(janela, "STR_NOME"), "ana") << "um recorde recusado deixa os campos como digitados";
        }
        EXPECT_EQ(filho<QPushButton>(janela, "BT_CHECAR")->isVisibleTo(&janela), c.debug);
        EXPECT_EQ(filho<QLineEdit>(janela, "STR_RECORDE")->isEnabled(), c.debug);
    }
}

TEST_F(EstatisticasJanelasTeste, ChecarAparecePeloRotuloNomeEConfereOTextoRecebido) {
    est().BOIS_PRO = 3;
    est().BOIS_CONTRA = 1;
    est().VITORIAS = 17;
    est().DERROTAS = 12;
    TfmtRECORDE janela(jogo(), &sessao->janela());
    janela.abre();
    auto* checar = filho<QPushButton>(janela, "BT_CHECAR");
    ASSERT_FALSE(checar->isVisible());
    QTest::mouseClick(filho<QLabel>(janela, "ROTULO_NOME"), Qt::LeftButton);
    EXPECT_TRUE(checar->isVisible());

    // As received: the fields are taken as typed and the value from the record field.
    filho<QLineEdit>(janela, "STR_RECORDE")->setText("5001");
    filho<QLineEdit>(janela, "STR_NOME")->setText("Ana");
    filho<QLineEdit>(janela, "STR_IDADE")->setText("22");
    filho<QLineEdit>(janela, "STR_CIDADE")->setText("Niterói");
    filho<QLineEdit>(janela, "STR_UF")->setText("rj");
    checar->click();
    EXPECT_EQ(textoDe(janela, "STR_VALIDACAO"),
              QString::fromStdString("PRECORDE; Ana; 22; Niterói; rj*; 5001.....; 6.2.01; " + hoje() +
                                     "; 137.19.0.0; 193793; 3; 1; 17; 12*"));
    EXPECT_EQ(textoDe(janela, "STR_NOME"), "Ana");
    EXPECT_TRUE(mensagens.empty());

    const QString anterior = textoDe(janela, "STR_VALIDACAO");
    for (const char* invalido : {"50x1", "", "99999999999", "5.001"}) {
        filho<QLineEdit>(janela, "STR_RECORDE")->setText(invalido);
        checar->click();
        const std::vector<std::string> caixas = tomaMensagens();
        ASSERT_EQ(caixas.size(), 1u) << invalido;
        EXPECT_EQ(caixas[0], "Pelmar: '" + std::string(invalido) + "' não é um valor inteiro válido");
        EXPECT_EQ(textoDe(janela, "STR_VALIDACAO"), anterior) << invalido;
    }
}

TEST_F(EstatisticasJanelasTeste, BotoesAbremAPaginaDeRecordesEOEmailEDizemQuandoFalham) {
    TfmtRECORDE janela(jogo(), &sessao->janela());
    std::vector<QUrl> abertos;
    bool aceita = true;
    janela.abreEndereco = [&](const QUrl& url) {
        abertos.push_back(url);
        return aceita;
    };
    clica(janela, "BT_INTERNET");
    clica(janela, "BT_EMAIL");
    EXPECT_EQ(abertos, (std::vector<QUrl>{QUrl("https://pelmar.example/recordes"),
                                          QUrl("mailto:recordes@pelmar.example")}));
    EXPECT_TRUE(mensagens.empty());
    // Without a browser or a mail program, each button says what it could not open.
    aceita = false;
    clica(janela, "BT_INTERNET");
    clica(janela, "BT_EMAIL");
    const std::vector<std::string> caixas = tomaMensagens();
    ASSERT_EQ(caixas.size(), 2u);
    EXPECT_NE(caixas[0].find("https://pelmar.example/recordes"), std::string::npos) << caixas[0];
    EXPECT_NE(caixas[1].find("recordes@pelmar.example"), std::string::npos) << caixas[1];
}

}  // namespace
}  // namespace pelmar::teste
