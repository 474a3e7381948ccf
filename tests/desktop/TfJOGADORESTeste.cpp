#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QImage>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "desktop/SessaoDeTeste.h"
#include "presentation/ImagensDaMesa.h"
#include "windows/GanchosDeJanela.h"
#include "windows/PecaDaMesa.h"
#include "windows/TForm2.h"
#include "windows/TfJOGADORES.h"
#include "windows/TfmtPERSONALIDADE.h"

namespace pelmar::teste {
namespace {

namespace fs = std::filesystem;

// The players window of a desktop run in a temporary folder, found by its control names.
class TfJOGADORESTeste : public SessaoDeTeste {
protected:
    void SetUp() override {
        SessaoDeTeste::SetUp();
        abreRodada();
    }

    void abreRodada() {
        abreSessao(1612);
        sessao->inicia();
        janela().jogadores().carrega();
    }

    TfJOGADORES& jogadores() { return janela().jogadores(); }

    template <typename W>
    W* controle(const char* nome) {
        W* w = jogadores().findChild<W*>(QString::fromUtf8(nome));
        if (!w) throw std::runtime_error(std::string("a janela não tem o controle ") + nome);
        return w;
    }
    template <typename W>
    W* controle(const std::string& nome) { return controle<W>(nome.c_str()); }
    void clica(const char* nome) { controle<QPushButton>(nome)->click(); }
    QString aviso() { return controle<QLabel>("AVISO")->text(); }

    void escolhe(const QString& personagem) {
        auto* lista = controle<QListWidget>("LISTA");
        const auto itens = lista->findItems(personagem, Qt::MatchExactly);
        ASSERT_EQ(itens.size(), 1) << personagem.toStdString();
        lista->setCurrentItem(itens.front());
    }

    // A character folder made here: the faces asked for, each one flat colour.
    void fazPersonagem(const std::string& nome, QColor cor, std::vector<std::string_view> rostos = {},
                       QSize tamanho = QSize(100, 80)) {
        if (rostos.empty()) rostos.assign(ROSTOS_DO_PERSONAGEM.begin(), ROSTOS_DO_PERSONAGEM.end());
        const fs::path lugar = pasta / "JOG" / fs::path(std::u8string(nome.begin(), nome.end()));
        fs::create_directories(lugar);
        QImage img(tamanho, QImage::Format_RGB32);
        img.fill(cor);
        for (std::string_view rosto : rostos)
            ASSERT_TRUE(img.save(QString::fromStdString((lugar / (std::string(rosto) + ".BMP")).string()), "BMP"));
    }

    // The colour in the middle of a label's picture.
    static QColor meio(const QLabel* imagem) {
        const QImage img = imagem->pixmap().toImage();
        return img.isNull() ? QColor() : img.pixelColor(img.width() / 2, img.height() / 2);
    }
    QColor meioDoRetrato(int assento) {
        janela().show();
        janela().redesenha();
        auto* retrato =
            janela().findChild<PecaDaMesa*>(QString::fromStdString("IMG_JOGADOR_" + std::to_string(assento)));
        if (!retrato) throw std::runtime_error("a mesa não tem o retrato");
        const QImage img = retrato->grab().toImage();
        return img.pixelColor(img.width() / 2, img.height() / 2);
    }
};

TEST_F(TfJOGADORESTeste, NomesDasChavesNaOrdemDaTabelaECaixasComSeusNomes) {
    EXPECT_EQ(jogadores().windowTitle(), "Lista de Jogadores e Sinais");
    EXPECT_TRUE(jogadores().isModal());
    const QStringList chaves = {"JOGADOR-01", "JOGADOR-02", "JOGADOR-03", "JOGADOR-04", "DONA-CIDA",
                                "SEU-BENTO",  "ZE-MATRACA", "TIA-NENA",   "CHICO-VIOLA", "PROFESSORA-LIA"};
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(p);
        auto* nome = controle<QComboBox>("NOME_JOG_" + std::to_string(p));
        QStringList itens;
        for (int i = 0; i < nome->count(); ++i) itens.push_back(nome->itemText(i));
        EXPECT_EQ(itens, chaves);
        EXPECT_EQ(nome->currentText().toStdString(), jogo().prefs.NOME_JOGADOR[p]);
    }
    EXPECT_EQ(controle<QPushButton>("BT_JOG_1")->text(), "(J1) Voce");
    EXPECT_EQ(controle<QPushButton>("BT_JOG_3")->text(), "(J3) Parceiro");
    EXPECT_EQ(controle<QPushButton>("BT_SORTEIA")->text(), "Sorteia Personalidade Jogadores");
    EXPECT_EQ(controle<QPushButton>("Testar")->text(), "Testar os Sinais");
    EXPECT_EQ(controle<QLabel>("PAUS")->toolTip(), "Piscar um Olho");
    EXPECT_TRUE(controle<QLabel>("SIGNIFICADO_PAUS")->text().contains("ZAP"));
    // The characters of JOG, sorted, the first one selected.
    const auto* lista = controle<QListWidget>("LISTA");
    EXPECT_GE(lista->count(), 10);
    EXPECT_EQ(lista->currentRow(), 0);
    for (int i = 1; i < lista->count(); ++i) EXPECT_LT(lista->item(i - 1)->text(), lista->item(i)->text());
}

TEST_F(TfJOGADORESTeste, CadaCaixaHabilitaExatamenteOsNomesDasSuasCadeiras) {
    struct Caso {
        const char* caixa;
        std::vector<int> assentos;
        bool Preferencias::*opcao;
    };
    const Caso casos[] = {{"CK_VOCE_FIXO", {1}, &Preferencias::VOCE_FIXO},
                          {"CK_PARCEITO_FIXO", {3}, &Preferencias::PARCEIRO_FIXO},
                          {"CK_ADVERSARIOS_FIXOS", {2, 4}, &Preferencias::ADVERSARIOS_FIXOS}};
    for (int p = 1; p <= 4; ++p) EXPECT_FALSE(controle<QComboBox>("NOME_JOG_" + std::to_string(p))->isEnabled()) << p;
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.caixa);
        auto* caixa = controle<QCheckBox>(c.caixa);
        caixa->click();
        EXPECT_TRUE(jogo().prefs.*c.opcao);
        for (int p = 1; p <= 4; ++p) {
            const bool dela = std::find(c.assentos.begin(), c.assentos.end(), p) != c.assentos.end();
            EXPECT_EQ(controle<QComboBox>("NOME_JOG_" + std::to_string(p))->isEnabled(), dela) << p;
        }
        caixa->click();
        EXPECT_FALSE(jogo().prefs.*c.opcao);
        for (int p = 1; p <= 4; ++p) EXPECT_FALSE(controle<QComboBox>("NOME_JOG_" + std::to_string(p))->isEnabled());
    }
}

// "(J3) Parceiro" fixes the partner: the table shows it at once and every later draw keeps it,
// until the box is unticked.
TEST_F(TfJOGADORESTeste, ParceiroEscolhidoFicaNaMesaAteDesmarcarACaixa) {
    fazPersonagem("Azulao", QColor(0, 0, 255));
    jogadores().carrega();
    escolhe("Azulao");
    clica("BT_JOG_3");
    EXPECT_TRUE(jogo().prefs.PARCEIRO_FIXO);
    EXPECT_TRUE(controle<QCheckBox>("CK_PARCEITO_FIXO")->isChecked());
    EXPECT_TRUE(controle<QComboBox>("NOME_JOG_3")->isEnabled());
    EXPECT_EQ(controle<QComboBox>("NOME_JOG_3")->currentText(), "Azulao");
    EXPECT_EQ(jogo().mesa["NOME_JOG_3"].texto, "Azulao");
    EXPECT_EQ(meioDoRetrato(3), QColor(0, 0, 255));
    // The players change at every start of play: the partner stays.
    for (int vez = 0; vez < 5; ++vez) {
        jogo().troca.TROCA_JOGADORES();
        EXPECT_EQ(jogo().prefs.NOME_JOGADOR[3], "Azulao") << vez;
        EXPECT_EQ(jogo().prefs.PERSONAGEM[3], "Azulao") << vez;
    }
    EXPECT_EQ(meioDoRetrato(3), QColor(0, 0, 255));

    controle<QCheckBox>("CK_PARCEITO_FIXO")->click();
    EXPECT_FALSE(jogo().prefs.PARCEIRO_FIXO);
    bool trocou = false;
    for (int vez = 0; vez < 10 && !trocou; ++vez) {
        jogo().troca.TROCA_JOGADORES();
        trocou = jogo().prefs.NOME_JOGADOR[3] != "Azulao";
    }
    EXPECT_TRUE(trocou);
}

TEST_F(TfJOGADORESTeste, SorteiaSoltaAsTresCaixas) {
    escolhe("Dona-Cida");
    clica("BT_JOG_1");
    escolhe("Seu-Bento");
    clica("BT_JOG_4");
    clica("BT_JOG_3");
    EXPECT_TRUE(jogo().prefs.VOCE_FIXO && jogo().prefs.ADVERSARIOS_FIXOS && jogo().prefs.PARCEIRO_FIXO);
    clica("BT_SORTEIA");
    EXPECT_FALSE(jogo().prefs.VOCE_FIXO || jogo().prefs.ADVERSARIOS_FIXOS || jogo().prefs.PARCEIRO_FIXO);
    for (const char* caixa : {"CK_VOCE_FIXO", "CK_PARCEITO_FIXO", "CK_ADVERSARIOS_FIXOS"})
        EXPECT_FALSE(controle<QCheckBox>(caixa)->isChecked()) << caixa;
}

// A folder with only the normal face: it is previewed, every other face is the empty image, and
// it cannot sit at the table, which shows all nine.
TEST_F(TfJOGADORESTeste, SoONormalMostraNuloNoRestoENaoSentaNaMesa) {
    fazPersonagem("Esboco", QColor(255, 0, 0), {"NORMAL"});
    jogadores().carrega();
    escolhe("Esboco");
    const QColor nulo = meio(controle<QLabel>("NULO"));
    EXPECT_EQ(meio(controle<QLabel>("NORMAL")), QColor(255, 0, 0));
    EXPECT_EQ(meio(controle<QLabel>("sinal")), QColor(255, 0, 0));
    for (std::size_t i = 1; i < ROSTOS_DO_PERSONAGEM.size(); ++i)
        EXPECT_EQ(meio(controle<QLabel>(std::string(ROSTOS_DO_PERSONAGEM[i]))), nulo) << ROSTOS_DO_PERSONAGEM[i];
    EXPECT_TRUE(aviso().contains("falta GESTO.BMP")) << aviso().toStdString();

    const Preferencias antes = jogo().prefs;
    clica("BT_JOG_3");
    const auto caixas = tomaMensagens();
    ASSERT_EQ(caixas.size(), 1u);
    EXPECT_NE(caixas[0].find("Esboco"), std::string::npos) << caixas[0];
    EXPECT_FALSE(jogo().prefs.PARCEIRO_FIXO);
    EXPECT_EQ(jogo().prefs.PERSONAGEM[3], antes.PERSONAGEM[3]);
    EXPECT_EQ(jogo().prefs.NOME_JOGADOR[3], antes.NOME_JOGADOR[3]);

    // Another character's faces replace them all, none left over from this one.
    escolhe("Dona-Cida");
    for (const std::string_view rosto : ROSTOS_DO_PERSONAGEM)
        EXPECT_NE(meio(controle<QLabel>(std::string(rosto))), nulo) << rosto;
}

// A character the player added, with no personality row: its own faces at the table, the default
// personality, and the window says so beside the seat.
TEST_F(TfJOGADORESTeste, PersonagemSemPersonalidadeSentaComAPadraoEAJanelaAvisa) {
    fazPersonagem("Meu-Boneco", QColor(0, 160, 0));
    jogadores().carrega();
    escolhe("Meu-Boneco");
    clica("BT_JOG_2");
    EXPECT_TRUE(jogo().prefs.ADVERSARIOS_FIXOS);
    EXPECT_EQ(jogo().prefs.PERSONAGEM[2], "Meu-Boneco");
    EXPECT_EQ(jogo().personalidades.PERSONALIDADE_JOGADOR[2], personalidadePadrao("MEU-BONECO", "Meu-Boneco"));
    EXPECT_TRUE(controle<QLabel>("NOTA_JOG_2")->text().contains(QString::fromUtf8("personalidade padrão")));
    EXPECT_TRUE(aviso().contains(QString::fromUtf8("personalidade padrão")));
    for (int p : {1, 3, 4}) EXPECT_TRUE(controle<QLabel>("NOTA_JOG_" + std::to_string(p))->text().isEmpty()) << p;
    EXPECT_EQ(meioDoRetrato(2), QColor(0, 160, 0));
    jogo().troca.TROCA_JOGADORES();
    EXPECT_EQ(meioDoRetrato(2), QColor(0, 160, 0));
}

TEST_F(TfJOGADORESTeste, NomeQueACadeiraNaoGuardaEhRecusado) {
    const std::string longo(31, 'L');
    for (const std::string& nome : {longo, std::string("Жора")}) {
        SCOPED_TRACE(nome);
        fazPersonagem(nome, QColor(10, 20, 30));
        jogadores().carrega();
        escolhe(QString::fromStdString(nome));
        const Preferencias antes = jogo().prefs;
        clica("BT_JOG_1");
        EXPECT_EQ(tomaMensagens().size(), 1u);
        EXPECT_FALSE(jogo().prefs.VOCE_FIXO);
        EXPECT_EQ(jogo().prefs.NOME_JOGADOR[1], antes.NOME_JOGADOR[1]);
    }
}

// Pictures of another size are shrunk into the window's places; the window keeps its size.
TEST_F(TfJOGADORESTeste, RostoDeOutroTamanhoCabeNaJanela) {
    fazPersonagem("Comprido", QColor(200, 200, 0), {}, QSize(1500, 30));
    jogadores().carrega();
    const QSize tamanho = jogadores().sizeHint();
    escolhe("Comprido");
    EXPECT_EQ(jogadores().sizeHint(), tamanho);
    const QSize previa = controle<QLabel>("sinal")->pixmap().size();
    EXPECT_LE(previa.width(), 200);
    EXPECT_LE(previa.height(), 160);
    clica("BT_JOG_4");
    EXPECT_EQ(meioDoRetrato(4), QColor(200, 200, 0));
}

TEST_F(TfJOGADORESTeste, SemPastaJOGListaVaziaEAvisoENadaQuebra) {
    fs::remove_all(pasta / "JOG");
    jogadores().carrega();
    EXPECT_EQ(controle<QListWidget>("LISTA")->count(), 0);
    EXPECT_TRUE(aviso().contains("JOG")) << aviso().toStdString();
    const Preferencias antes = jogo().prefs;
    for (const char* botao : {"BT_JOG_1", "BT_JOG_3", "Button1", "Testar"}) clica(botao);
    EXPECT_FALSE(jogo().prefs.VOCE_FIXO || jogo().prefs.PARCEIRO_FIXO);
    EXPECT_EQ(jogo().prefs.NOME_JOGADOR[3], antes.NOME_JOGADOR[3]);
}

// "Salvar Preferências" keeps the fixed seats for the next run in the folder; "Fechar" does not.
TEST_F(TfJOGADORESTeste, SalvarGuardaAsCadeirasFixasParaAProximaVez) {
    for (const bool salva : {false, true}) {
        SCOPED_TRACE(salva);
        escolhe("Dona-Cida");
        clica("BT_JOG_3");
        escolhe("Seu-Bento");
        clica("BT_JOG_2");
        clica(salva ? "btSALVAR" : "Button2");
        abreRodada();
        EXPECT_EQ(jogo().prefs.PARCEIRO_FIXO, salva);
        EXPECT_EQ(jogo().prefs.ADVERSARIOS_FIXOS, salva);
        EXPECT_EQ(controle<QCheckBox>("CK_PARCEITO_FIXO")->isChecked(), salva);
        if (!salva) continue;
        // The start-up draw kept them.
        EXPECT_EQ(jogo().prefs.NOME_JOGADOR[3], "Dona-Cida");
        EXPECT_EQ(jogo().prefs.NOME_JOGADOR[2], "Seu-Bento");
        EXPECT_EQ(controle<QComboBox>("NOME_JOG_3")->currentText(), "Dona-Cida");
    }
}

// The preview runs on the window's own timer: the click returns at once, the faces come in
// order with their names, and the game's stop flag is never touched. Driven inside the window
// opened from the menu, as the user does (the first game waits while a command runs).
TEST_F(TfJOGADORESTeste, TestarOsSinaisMostraCadaRostoEmOrdemSemMexerNoPARAR) {
    janela().jogadores().carrega();
    escolhe("Dona-Cida");
    jogo().estado.PARAR = true;
    std::vector<std::pair<int, QString>> vistos, doClique;
    std::vector<QImage> previas;
    bool pararMexido = false;
    jogadores().aoMudarPrevia = [&](int indice, const QString& legenda) {
        vistos.emplace_back(indice, legenda);
        previas.push_back(controle<QLabel>("sinal")->pixmap().toImage());
        pararMexido = pararMexido || jogo().estado.PARAR != (previas.size() <= 18);
    };
    int etapa = 0;
    bool emAndamentoAposClique = false;
    std::size_t vistosAposClique = 0;
    QElapsedTimer limite;
    limite.start();
    QTimer roteiro;
    roteiro.setInterval(5);
    QObject::connect(&roteiro, &QTimer::timeout, [&] {
        if (QApplication::activeModalWidget() != &jogadores()) return;
        if (limite.elapsed() > 30000) {
            ADD_FAILURE() << "a prévia não terminou a tempo, etapa " << etapa;
            etapa = 3;
        }
        if (etapa == 0) {
            clica("Testar");
            emAndamentoAposClique = jogadores().previaEmAndamento();
            vistosAposClique = vistos.size();
            etapa = 1;
        } else if (etapa == 1 && !jogadores().previaEmAndamento()) {
            // A click on one face, now with the flag lowered.
            jogo().estado.PARAR = false;
            QTest::mouseClick(controle<QLabel>("PAUS"), Qt::LeftButton);
            etapa = 2;
        } else if (etapa == 2 && !jogadores().previaEmAndamento()) {
            etapa = 3;
        }
        if (etapa == 3) {
            roteiro.stop();
            clica("Button2");
        }
    });
    roteiro.start();
    janela().acao("JOGADORES")->trigger();

    EXPECT_TRUE(emAndamentoAposClique);
    EXPECT_EQ(vistosAposClique, 1u);
    const std::vector<std::pair<int, QString>> esperado = {
        {0, ""},      {8, "ZAP"},       {0, "ZAP"},       {7, "COPETA"},    {0, "COPETA"}, {6, "ESPADILHA"},
        {0, "ESPADILHA"}, {5, "PICA FUMO"}, {0, "PICA FUMO"}, {4, "TRES"}, {0, "TRES"},   {3, "DOIS"},
        {0, "DOIS"},  {2, "NADA"},      {0, "NADA"},      {1, "GESTO"},     {0, "GESTO"},  {0, ""}};
    ASSERT_EQ(vistos.size(), esperado.size() + 3);
    using Vistos = std::vector<std::pair<int, QString>>;
    EXPECT_EQ(Vistos(vistos.begin(), vistos.begin() + 18), esperado);
    // The click: normal, that face, normal.
    EXPECT_EQ(Vistos(vistos.begin() + 18, vistos.end()), (Vistos{{0, ""}, {8, ""}, {0, ""}}));
    EXPECT_FALSE(pararMexido);
    EXPECT_FALSE(jogo().estado.PARAR);
    EXPECT_TRUE(controle<QLabel>("TXT_SINAL")->text().isEmpty());
    // Each face is its own picture on the preview.
    EXPECT_NE(previas[1], previas[0]);
    EXPECT_NE(previas[3], previas[1]);
    EXPECT_EQ(previas[2], previas[0]);
    EXPECT_EQ(previas[19], previas[1]);
}

TEST_F(TfJOGADORESTeste, VozesDoPersonagemEscolhido) {
    std::vector<std::string> tocados;
    sessao->tela().aoTocarSom = [&](std::string_view chave) { tocados.emplace_back(chave); };
    jogo().prefs.SOM = true;
    escolhe("Dona-Cida");
    for (const char* botao : {"Button1", "Button3", "Button4", "Button5"}) clica(botao);
    EXPECT_EQ(tocados, (std::vector<std::string>{"..\\JOG\\Dona-Cida\\TRUCO_3", "..\\JOG\\Dona-Cida\\TRUCO_6",
                                                 "..\\JOG\\Dona-Cida\\TRUCO_9", "..\\JOG\\Dona-Cida\\TRUCO_12"}));
    EXPECT_TRUE(aviso().isEmpty()) << aviso().toStdString();

    // A character without voices is silent, and the window says which one is missing.
    fazPersonagem("Mudo", QColor(1, 2, 3));
    jogadores().carrega();
    escolhe("Mudo");
    clica("Button4");
    EXPECT_TRUE(aviso().contains("TRUCO_9.WAV")) << aviso().toStdString();

    // With the game's sounds off, nothing is played.
    tocados.clear();
    jogo().prefs.SOM = false;
    escolhe("Dona-Cida");
    clica("Button1");
    EXPECT_TRUE(tocados.empty());
}

TEST_F(TfJOGADORESTeste, FichaDaPersonalidadeDeCadaCadeira) {
    int mostrada = 0;
    TfmtPERSONALIDADE& ficha = janela().personalidade();
    ficha.aoMostrar = [&] { ++mostrada; };
    for (int p = 1; p <= 4; ++p) {
        SCOPED_TRACE(p);
        clica(("BT_PERSONALIDADE_" + std::to_string(p)).c_str());
        EXPECT_EQ(mostrada, p);
        EXPECT_EQ(ficha.windowTitle(), QString("Personalidade do Jogador %1").arg(p));
        auto* chave = ficha.findChild<QLabel*>("CHAVE");
        ASSERT_TRUE(chave);
        EXPECT_EQ(chave->text().toStdString(), jogo().personalidades.PERSONALIDADE_JOGADOR[p].CHAVE);
        auto* sinais = ficha.findChild<QLabel*>("SINAIS");
        ASSERT_TRUE(sinais);
        EXPECT_EQ(sinais->text().endsWith("em toda rodada"), p % 2 == 0) << sinais->text().toStdString();
    }
}

// "Modificar" -> "Jogadores " and the user's pop-up "Alterar Jogadores" open the window modal,
// beside the table, showing the game as it is at that moment.
TEST_F(TfJOGADORESTeste, AbreDoMenuEDoRetratoDoUsuario) {
    EXPECT_EQ(janela().acao("JOGADORES")->text(), "Jogadores ");
    ASSERT_FALSE(janela().menuDoAssento(1)->actions().isEmpty());
    EXPECT_EQ(janela().menuDoAssento(1)->actions().front()->objectName(), "ALTERAR_JOGADORES");
    EXPECT_EQ(janela().menuDoAssento(1)->actions().front()->text(), "Alterar Jogadores");
    janela().show();
    for (const char* acao : {"JOGADORES", "ALTERAR_JOGADORES"}) {
        SCOPED_TRACE(acao);
        jogo().prefs.PARCEIRO_FIXO = std::string(acao) == "JOGADORES";
        bool visto = false;
        QTimer espia;
        espia.setInterval(5);
        QObject::connect(&espia, &QTimer::timeout, [&] {
            if (QApplication::activeModalWidget() != &jogadores()) return;
            espia.stop();
            visto = true;
            EXPECT_EQ(jogadores().pos(), posicaoDeJanelaAuxiliar(janela()));
            EXPECT_EQ(controle<QCheckBox>("CK_PARCEITO_FIXO")->isChecked(), jogo().prefs.PARCEIRO_FIXO);
            clica("Button2");
        });
        espia.start();
        janela().acao(acao)->trigger();
        EXPECT_TRUE(visto);
        EXPECT_FALSE(jogadores().isVisible());
    }
}

}  // namespace
}  // namespace pelmar::teste
