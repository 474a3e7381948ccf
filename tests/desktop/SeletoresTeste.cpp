#include <gtest/gtest.h>

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QUrl>
#include <QWidget>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "jogo/Jogo.h"
#include "presentation/ImagensDaMesa.h"
#include "presentation/TocadorSons.h"
#include "suporte/PastaTemporaria.h"
#include "windows/DesenhosDoPelmar.h"
#include "windows/Enderecos.h"
#include "windows/EscolhaDeImagens.h"
#include "windows/ModoDeTela.h"
#include "windows/PlataformaQt.h"
#include "windows/TelaQt.h"
#include "windows/TfABOUT.h"
#include "windows/TfBARALHOS.h"
#include "windows/TfMESAS.h"
#include "windows/TfVERSOS.h"
#include "windows/TfmtSPLASH.h"
#include "windows/VerificacoesDaInstalacao.h"

namespace pelmar::teste {
namespace {

namespace fs = std::filesystem;

// Caption and text of each box, as UTF-8 so failures print readably.
using Mensagens = std::vector<std::pair<std::string, std::string>>;

MensagemDeJanela anota(Mensagens& mensagens) {
    return [&mensagens](const QString& titulo, const QString& texto) {
        mensagens.emplace_back(titulo.toStdString(), texto.toStdString());
    };
}

template <typename W>
W* filho(QWidget& pai, const char* nome) {
    W* w = pai.findChild<W*>(nome);
    if (!w) ADD_FAILURE() << "sem o controle " << nome;
    return w;
}

bool temImagem(QWidget& pai, const char* nome) {
    QLabel* l = filho<QLabel>(pai, nome);
    return l && !l->pixmap().isNull();
}

// A picture that is more than one flat colour.
bool desenhada(const QPixmap& desenho) {
    const QImage img = desenho.toImage();
    std::set<QRgb> cores;
    for (int y = 0; y < img.height(); y += 3)
        for (int x = 0; x < img.width(); x += 3) cores.insert(img.pixel(x, y));
    return cores.size() > 3;
}

// A working folder with the bundled catalogs only.
class ComCatalogos : public PastaTemporaria {
protected:
    void SetUp() override {
        PastaTemporaria::SetUp();
        fs::copy(fs::path(PELMAR_DADOS) / "IMG", pasta / "IMG", fs::copy_options::recursive);
        trabalho = std::make_unique<PastaTrabalho>(pasta);
    }
    std::unique_ptr<PastaTrabalho> trabalho;
};

struct CasoDeSeletor {
    const char* janela;
    std::function<std::unique_ptr<SeletorDeImagens>(PastaTrabalho)> cria;
    const char* titulo;
    const char* extras;
    fs::path catalogo;
    std::vector<QString> nomes;
};

std::vector<CasoDeSeletor> casosDeSeletor() {
    return {
        {"TfMESAS", [](PastaTrabalho p) { return std::make_unique<TfMESAS>(std::move(p)); }, "Lista de Mesas",
         "Adicione mais mesas via Internet", "IMG/Mesas", {"AZUL", "MADEIRA", "ORIGINAL", "VINHO"}},
        {"TfVERSOS", [](PastaTrabalho p) { return std::make_unique<TfVERSOS>(std::move(p)); }, "Lista de Versos",
         "Adicione mais versos via Internet", "IMG/Versos do Baralho", {"ORIGINAL", "VERDE", "VERMELHO"}},
        {"TfBARALHOS", [](PastaTrabalho p) { return std::make_unique<TfBARALHOS>(std::move(p)); },
         "Lista de Baralhos", "Adicione mais Baralhos via Internet", "IMG/Baralhos", {"MODERNO", "ORIGINAL"}},
    };
}

using SeletoresTeste = ComCatalogos;

TEST_F(SeletoresTeste, ListamOsCatalogosDoJogoEmOrdemEMaiusculas) {
    for (const CasoDeSeletor& caso : casosDeSeletor()) {
        SCOPED_TRACE(caso.janela);
        auto seletor = caso.cria(*trabalho);
        EXPECT_EQ(seletor->objectName(), caso.janela);
        EXPECT_EQ(seletor->windowTitle(), caso.titulo);
        EXPECT_TRUE(seletor->isModal());
        EXPECT_EQ(filho<QPushButton>(*seletor, "EXTRAS")->text(), caso.extras);
        EXPECT_EQ(filho<QPushButton>(*seletor, "SELECIONAR")->text(), "Selecionar");
        EXPECT_EQ(filho<QPushButton>(*seletor, "FECHAR")->text(), "Fechar");
        EXPECT_EQ(filho<QPushButton>(*seletor, "ATUALIZA_LISTA")->text(), "Atualiza Lista");
        EXPECT_EQ(seletor->nomes(), QStringList(caso.nomes.begin(), caso.nomes.end()));
        EXPECT_TRUE(seletor->nota().isEmpty());
    }
}

TEST_F(SeletoresTeste, SoAtualizaListaVeOQueMudouNaPasta) {
    TfMESAS mesas(*trabalho);
    gravaBytes(pasta / "IMG/Mesas/aaa praia.bmp", "x");
    gravaBytes(pasta / "IMG/Mesas/LEIA.TXT", "x");
    fs::create_directories(pasta / "IMG/Mesas/pasta.bmp");
    EXPECT_EQ(mesas.nomes(), QStringList({"AZUL", "MADEIRA", "ORIGINAL", "VINHO"}));
    filho<QPushButton>(mesas, "ATUALIZA_LISTA")->click();
    EXPECT_EQ(mesas.nomes(), QStringList({"AAA PRAIA", "AZUL", "MADEIRA", "ORIGINAL", "VINHO"}));

    TfBARALHOS baralhos(*trabalho);
    gravaBytes(pasta / "IMG/Baralhos/solto.bmp", "x");
    fs::create_directories(pasta / "IMG/Baralhos/Novo");
    baralhos.atualizaLista();
    EXPECT_EQ(baralhos.nomes(), QStringList({"MODERNO", "NOVO", "ORIGINAL"}));
}

TEST_F(SeletoresTeste, PastaDoCatalogoAusenteDaListaVaziaEAviso) {
    for (const CasoDeSeletor& caso : casosDeSeletor()) {
        SCOPED_TRACE(caso.janela);
        fs::remove_all(pasta / caso.catalogo);
        Mensagens mensagens;
        auto seletor = caso.cria(*trabalho);
        seletor->mensagem = anota(mensagens);
        EXPECT_TRUE(seletor->nomes().isEmpty());
        EXPECT_TRUE(mensagens.empty()) << "the list is filled at start-up without a box";

        seletor->escolhaAutomatica = [] { return std::nullopt; };
        EXPECT_EQ(seletor->escolhe(QPoint()), std::nullopt);
        filho<QPushButton>(*seletor, "ATUALIZA_LISTA")->click();
        ASSERT_EQ(mensagens.size(), 2u);
        for (const auto& [titulo, texto] : mensagens) {
            EXPECT_EQ(titulo, caso.titulo);
            EXPECT_NE(texto.find(caso.catalogo.filename().string()), std::string::npos) << texto;
            EXPECT_NE(texto.find("não encontrada"), std::string::npos) << texto;
        }
        // With nothing to select, "Selecionar" does nothing.
        filho<QPushButton>(*seletor, "SELECIONAR")->click();
        EXPECT_EQ(seletor->result(), QDialog::Rejected);
        EXPECT_TRUE(seletor->nomeEscolhido().isEmpty());
    }
}

TEST_F(SeletoresTeste, PreviasDeCadaSeletor) {
    const fs::path original = pasta / "IMG/Baralhos/Original";
    fs::create_directories(pasta / "IMG/Baralhos/SoPaus");
    fs::copy_file(original / "1-P.BMP", pasta / "IMG/Baralhos/SoPaus/1-P.bmp");
    fs::create_directories(pasta / "IMG/Baralhos/SemCopas");
    for (const char* carta : {"1-P.BMP", "1-E.BMP", "1-O.BMP"})
        fs::copy_file(original / carta, pasta / "IMG/Baralhos/SemCopas" / carta);
    gravaBytes(pasta / "IMG/Mesas/Quebrada.bmp", "não é um bitmap");

    struct Caso {
        std::function<std::unique_ptr<SeletorDeImagens>(PastaTrabalho)> cria;
        QString antes;
        QString entrada;
        std::vector<const char*> comImagem;
        std::vector<const char*> semImagem;
    };
    const auto baralhos = [](PastaTrabalho p) { return std::make_unique<TfBARALHOS>(std::move(p)); };
    const auto versos = [](PastaTrabalho p) { return std::make_unique<TfVERSOS>(std::move(p)); };
    const auto mesas = [](PastaTrabalho p) { return std::make_unique<TfMESAS>(std::move(p)); };
    const std::vector<Caso> casos = {
        {baralhos, "SOPAUS", "ORIGINAL", {"PAUS", "COPAS", "ESPADA", "OUROS"}, {}},
        {baralhos, "ORIGINAL", "SOPAUS", {"PAUS"}, {"COPAS", "ESPADA", "OUROS"}},
        // Each preview only when the one before it was shown.
        {baralhos, "MODERNO", "SEMCOPAS", {"PAUS"}, {"COPAS", "ESPADA", "OUROS"}},
        {versos, "ORIGINAL", "VERDE", {"PREVIEW", "PREVIEW1", "PREVIEW2", "PREVIEW3"}, {}},
        {mesas, "VINHO", "AZUL", {"PREVIEW"}, {}},
        {mesas, "AZUL", "QUEBRADA", {}, {"PREVIEW"}},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.entrada.toStdString());
        auto seletor = caso.cria(*trabalho);
        auto* lista = filho<QListWidget>(*seletor, "LISTA");
        // Another entry previewed first: its pictures must not pass for this one's.
        const auto anterior = lista->findItems(caso.antes, Qt::MatchExactly);
        ASSERT_EQ(anterior.size(), 1);
        lista->setCurrentItem(anterior.front());
        const auto achados = lista->findItems(caso.entrada, Qt::MatchExactly);
        ASSERT_EQ(achados.size(), 1);
        lista->setCurrentItem(achados.front());
        for (const char* p : caso.comImagem) EXPECT_TRUE(temImagem(*seletor, p)) << p;
        for (const char* p : caso.semImagem) EXPECT_FALSE(temImagem(*seletor, p)) << p;
    }
}

TEST_F(SeletoresTeste, BotoesDoSeletorAberto) {
    TfVERSOS versos(*trabalho);
    auto* lista = filho<QListWidget>(versos, "LISTA");
    auto* selecionar = filho<QPushButton>(versos, "SELECIONAR");

    std::vector<QUrl> enderecos;
    versos.abreEndereco = [&](const QUrl& endereco) {
        enderecos.push_back(endereco);
        return false;  // no browser: the picker says so and stays as it was
    };
    std::vector<QString> avisos;
    versos.mensagem = [&](const QString&, const QString& texto) { avisos.push_back(texto); };
    filho<QPushButton>(versos, "EXTRAS")->click();
    EXPECT_EQ(enderecos, std::vector<QUrl>{QUrl(ENDERECO_EXTRAS)});
    ASSERT_EQ(avisos.size(), 1u);
    EXPECT_TRUE(avisos[0].contains(ENDERECO_EXTRAS)) << avisos[0].toStdString();

    // Modal, at the place asked; "Selecionar" without a selection keeps it open.
    bool aindaAberta = false;
    QPoint posicao;
    QTimer::singleShot(0, &versos, [&] {
        posicao = versos.pos();
        lista->clearSelection();
        selecionar->click();
        aindaAberta = versos.isVisible();
        lista->setCurrentRow(2);
        selecionar->click();
    });
    EXPECT_EQ(versos.escolhe(QPoint(40, 60)), std::optional<QString>("VERMELHO"));
    EXPECT_TRUE(aindaAberta);
    EXPECT_EQ(posicao, QPoint(40, 60));
    EXPECT_EQ(versos.nomeEscolhido(), "VERMELHO");

    QTimer::singleShot(0, &versos, [&] {
        lista->setCurrentRow(0);
        filho<QPushButton>(versos, "FECHAR")->click();
    });
    EXPECT_EQ(versos.escolhe(QPoint(40, 60)), std::nullopt);
    EXPECT_FALSE(versos.isVisible());
}

// The choices applied to a game: the pickers answer through their hooks.
class EscolhaDeImagensTeste : public ComCatalogos {
protected:
    void SetUp() override {
        ComCatalogos::SetUp();
        sons = std::make_unique<TocadorSons>(*trabalho);
        sons->defineAtivo(false);
        tela = std::make_unique<TelaQt>(*sons, [](int) { return QImage(); });
        jogo = std::make_unique<Jogo>(plataforma, *tela, *trabalho);
        imagens = std::make_unique<ImagensDaMesa>(*trabalho, [this](const std::string& aviso) { avisos.push_back(aviso); });
        ASSERT_TRUE(imagens->carregaMesa("ORIGINAL"));
        ASSERT_TRUE(imagens->carregaVerso("ORIGINAL"));
        ASSERT_TRUE(imagens->carregaBaralho("ORIGINAL"));
        mesas = std::make_unique<TfMESAS>(*trabalho);
        versos = std::make_unique<TfVERSOS>(*trabalho);
        baralhos = std::make_unique<TfBARALHOS>(*trabalho);
        janela.move(120, 80);
        escolha = std::make_unique<EscolhaDeImagens>(*jogo, *imagens, *mesas, *versos, *baralhos, janela,
                                                     [this] { ++trocas; });
    }

    // The pickers answer `nome`, noting which was asked and where it stood.
    void responde(SeletorDeImagens& seletor, std::optional<QString> nome) {
        seletor.escolhaAutomatica = [this, &seletor, nome] {
            abertos.push_back(seletor.objectName());
            posicoes.push_back(seletor.pos());
            return nome;
        };
    }

    // A hand in its second trick: player 1 played face up and player 2 covered in the first.
    // Every hand card shows its face and the piles their fronts, so each redraw can be seen.
    void maoEmAndamento() {
        EstadoJogo& e = jogo->estado;
        ModeloMesa& m = jogo->mesa;
        e.VIRA = 17;
        m["CVIRA"].face = Face::Frente;
        m["CVIRA"].carta = 17;
        for (int p = 1; p <= 4; ++p)
            for (int s = 1; s <= 3; ++s) {
                const int carta = p * 3 + s;
                e.JOGADORES[p].CARTAS[s].CARTA = carta;
                m.JOG(p, s).carta = carta;
                m.JOG(p, s).face = Face::Frente;
            }
        e.JOGADORES[1].CARTAS[1].JOGADA = true;
        m.MESA(1, 1).face = Face::Frente;
        m.MESA(1, 1).carta = 4;
        m.MESA(2, 1).face = Face::Verso;
        m.MESA(2, 1).carta = 0;
        for (const char* monte : {"MONTE_1", "MONTE_2", "MONTE_3"}) m[monte].face = Face::Frente;
    }

    PlataformaQt plataforma{7};
    std::unique_ptr<TocadorSons> sons;
    std::unique_ptr<TelaQt> tela;
    std::unique_ptr<Jogo> jogo;
    std::unique_ptr<ImagensDaMesa> imagens;
    std::unique_ptr<TfMESAS> mesas;
    std::unique_ptr<TfVERSOS> versos;
    std::unique_ptr<TfBARALHOS> baralhos;
    QWidget janela;
    std::unique_ptr<EscolhaDeImagens> escolha;
    std::vector<std::string> avisos;
    std::vector<QString> abertos;
    std::vector<QPoint> posicoes;
    int trocas = 0;
};

TEST_F(EscolhaDeImagensTeste, EscolhaAplicadaTrocaImagemENomeGuardado) {
    struct Caso {
        const char* nome;
        std::function<SeletorDeImagens&()> seletor;
        std::function<bool()> escolhe;
        std::function<std::string&()> preferencia;
        std::function<QImage(const ImagensDaMesa&)> imagem;
        std::function<bool(ImagensDaMesa&, std::string_view)> carrega;
    };
    const std::vector<Caso> casos = {
        {"AZUL", [this]() -> SeletorDeImagens& { return *mesas; }, [this] { return escolha->ESCOLHE_MESA(); },
         [this]() -> std::string& { return jogo->prefs.NOME_MESA; }, [](const ImagensDaMesa& i) { return i.mesa(); },
         [](ImagensDaMesa& i, std::string_view n) { return i.carregaMesa(n); }},
        {"VERDE", [this]() -> SeletorDeImagens& { return *versos; }, [this] { return escolha->ESCOLHE_VERSO(); },
         [this]() -> std::string& { return jogo->prefs.NOME_VERSO; }, [](const ImagensDaMesa& i) { return i.verso(); },
         [](ImagensDaMesa& i, std::string_view n) { return i.carregaVerso(n); }},
        {"MODERNO", [this]() -> SeletorDeImagens& { return *baralhos; },
         [this] { return escolha->ESCOLHE_BARALHO(); },
         [this]() -> std::string& { return jogo->prefs.NOME_BARALHO; },
         [](const ImagensDaMesa& i) { return i.carta(27); },
         [](ImagensDaMesa& i, std::string_view n) { return i.carregaBaralho(n); }},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        const QImage antes = caso.imagem(*imagens);
        const int trocasAntes = trocas;
        responde(caso.seletor(), QString(caso.nome));
        posicoes.clear();
        EXPECT_TRUE(caso.escolhe());
        EXPECT_EQ(caso.preferencia(), caso.nome);
        ImagensDaMesa referencia(*trabalho, [](const std::string&) {});
        ASSERT_TRUE(caso.carrega(referencia, caso.nome));
        EXPECT_EQ(caso.imagem(*imagens), caso.imagem(referencia));
        EXPECT_NE(caso.imagem(*imagens), antes);
        EXPECT_EQ(trocas, trocasAntes + 1);
        EXPECT_EQ(posicoes, std::vector<QPoint>{QPoint(130, 125)});
    }
    EXPECT_TRUE(avisos.empty());
}

TEST_F(EscolhaDeImagensTeste, NomeQueNaoCarregaNaoMudaNadaEAvisa) {
    struct Caso {
        const char* nome;
        std::optional<QString> escolhido;
        bool avisa;
    };
    const std::vector<Caso> casos = {
        {"fechado", std::nullopt, false},
        {"ausente", QString("NAO EXISTE"), true},
        {"sobe de pasta", QString(".."), true},
        {"sai do catalogo", QString("../Mesas"), true},
        {"caminho", QString("..\\..\\IMG\\Mesas\\AZUL"), true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        avisos.clear();
        const QImage mesa = imagens->mesa();
        const QImage verso = imagens->verso();
        const QImage carta = imagens->carta(1);
        for (SeletorDeImagens* s : std::initializer_list<SeletorDeImagens*>{mesas.get(), versos.get(), baralhos.get()})
            responde(*s, caso.escolhido);
        EXPECT_FALSE(escolha->ESCOLHE_MESA());
        EXPECT_FALSE(escolha->ESCOLHE_VERSO());
        EXPECT_FALSE(escolha->ESCOLHE_BARALHO());
        EXPECT_EQ(avisos.size(), caso.avisa ? 3u : 0u);
        EXPECT_EQ(jogo->prefs.NOME_MESA, "Original");
        EXPECT_EQ(jogo->prefs.NOME_VERSO, "Original");
        EXPECT_EQ(jogo->prefs.NOME_BARALHO, "Original");
        EXPECT_EQ(imagens->mesa(), mesa);
        EXPECT_EQ(imagens->verso(), verso);
        EXPECT_EQ(imagens->carta(1), carta);
        EXPECT_EQ(trocas, 0);
    }
}

TEST_F(EscolhaDeImagensTeste, VersoNovoCobreAsCartasDeCostasDeQuemOComputadorJoga) {
    struct Caso {
        const char* nome;
        bool j1Sozinho;
        bool j3Sozinho;
        std::optional<QString> escolhido;
    };
    const std::vector<Caso> casos = {
        {"parceiro pelo computador", false, true, QString("VERDE")},
        {"parceiro pelo usuario", false, false, QString("VERDE")},
        {"usuario e parceiro pelo computador", true, true, QString("VERMELHO")},
        {"fechado sem escolha", false, true, std::nullopt},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        maoEmAndamento();
        jogo->prefs.J1_JOGA_SOZINHO = caso.j1Sozinho;
        jogo->prefs.J3_JOGA_SOZINHO = caso.j3Sozinho;
        responde(*versos, caso.escolhido);
        EXPECT_EQ(escolha->ESCOLHE_VERSO(), caso.escolhido.has_value());
        const ModeloMesa& m = jogo->mesa;
        for (int p = 1; p <= 4; ++p) {
            const bool deCostas = p == 2 || p == 4 || (p == 1 && caso.j1Sozinho) || (p == 3 && caso.j3Sozinho);
            for (int s = 1; s <= 3; ++s) {
                EXPECT_EQ(m.JOG(p, s).face, deCostas ? Face::Verso : Face::Frente) << "JOG_" << p << "_" << s;
                EXPECT_EQ(m.JOG(p, s).carta, p * 3 + s);
            }
        }
        for (const char* monte : {"MONTE_1", "MONTE_2", "MONTE_3"}) EXPECT_EQ(m[monte].face, Face::Verso) << monte;
        EXPECT_EQ(m.MESA(1, 1).face, Face::Frente) << "a table card is not a back to redraw";
        EXPECT_EQ(m["CVIRA"].face, Face::Frente);
    }
    EXPECT_EQ(jogo->prefs.NOME_VERSO, "VERMELHO");
}

TEST_F(EscolhaDeImagensTeste, BaralhoMostraDeNovoAsFrentesMesmoSemEscolha) {
    struct Caso {
        const char* nome;
        std::optional<QString> escolhido;
        bool j3Sozinho;
        int trocasEsperadas;
    };
    const std::vector<Caso> casos = {
        {"fechado", std::nullopt, true, 0},
        {"escolhido", QString("MODERNO"), true, 1},
        {"parceiro pelo usuario", std::nullopt, false, 0},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        trocas = 0;
        maoEmAndamento();
        ModeloMesa& m = jogo->mesa;
        for (int p = 1; p <= 4; ++p)
            for (int s = 1; s <= 3; ++s) {
                m.JOG(p, s).face = Face::Verso;
                m.JOG(p, s).carta = 0;
            }
        m["CVIRA"].face = Face::Verso;
        m["CVIRA"].carta = 0;
        jogo->prefs.J3_JOGA_SOZINHO = caso.j3Sozinho;
        responde(*baralhos, caso.escolhido);
        EXPECT_EQ(escolha->ESCOLHE_BARALHO(), caso.escolhido.has_value());
        EXPECT_EQ(trocas, caso.trocasEsperadas);
        for (int p = 1; p <= 4; ++p) {
            const bool deFrente = p == 1 || (p == 3 && !caso.j3Sozinho);
            for (int s = 1; s <= 3; ++s) {
                EXPECT_EQ(m.JOG(p, s).face, deFrente ? Face::Frente : Face::Verso) << "JOG_" << p << "_" << s;
                EXPECT_EQ(m.JOG(p, s).carta, deFrente ? p * 3 + s : 0);
            }
        }
        EXPECT_EQ(m.MESA(1, 1).face, Face::Frente);
        EXPECT_EQ(m.MESA(1, 1).carta, 4);
        EXPECT_EQ(m.MESA(2, 1).face, Face::Verso) << "a covered card must stay hidden";
        EXPECT_EQ(m["CVIRA"].face, Face::Frente);
        EXPECT_EQ(m["CVIRA"].carta, 17);
    }
    EXPECT_EQ(jogo->prefs.NOME_BARALHO, "MODERNO");
}

TEST_F(EscolhaDeImagensTeste, BaralhoDoJogoPedeOBaralhoEDepoisOVerso) {
    responde(*baralhos, QString("MODERNO"));
    responde(*versos, std::nullopt);
    escolha->escolheBaralhoDoJogo();
    EXPECT_EQ(abertos, (std::vector<QString>{"TfBARALHOS", "TfVERSOS"}));
    EXPECT_EQ(jogo->prefs.NOME_BARALHO, "MODERNO");
    EXPECT_EQ(jogo->prefs.NOME_VERSO, "Original");
}

TEST(VerificacoesTeste, ConfiguracaoDaTela) {
    const std::string inicio = "Tela do seu MONITOR está configurada em:\n\n";
    const std::string ok = "Configuração OK!";
    const std::string erro = "ERRO!\nMude para 800x600!";
    const std::vector<std::pair<QSize, std::string>> casos = {
        {{1024, 768}, inicio + "1024x768\n\n" + ok}, {{640, 480}, inicio + "640x480\n\n" + erro},
        {{800, 600}, inicio + "800x600\n\n" + ok},   {{800, 599}, inicio + "800x599\n\n" + erro},
        {{799, 1200}, inicio + "799x1200\n\n" + erro}, {QSize(), inicio + "0x0\n\n" + erro},
    };
    for (const auto& [tamanho, texto] : casos) {
        Mensagens mensagens;
        leConfiguracaoDaTela(anota(mensagens), nullptr, tamanho);
        ASSERT_EQ(mensagens.size(), 1u);
        EXPECT_EQ(mensagens.front(), std::make_pair(std::string("Pelmar"), texto));
    }
}

class AjudaEInstalacaoTeste : public PastaTemporaria {};

TEST_F(AjudaEInstalacaoTeste, FalasPresentesOuAusentes) {
    const PastaTrabalho trabalho(pasta);
    Mensagens mensagens;
    verificaInstalacao(trabalho, anota(mensagens), nullptr);
    fs::create_directories(pasta / "TXT" / "FALAS.TXT");  // a folder is not the file
    verificaInstalacao(trabalho, anota(mensagens), nullptr);
    fs::remove_all(pasta / "TXT");
    gravaBytes(pasta / "txt" / "Falas.txt", "Oi\r\n");
    verificaInstalacao(trabalho, anota(mensagens), nullptr);
    const std::string falta = "Faltam arquivos para o Pelmar funcionar adequadamente !";
    const std::string ok = "Arquivos foram encontrados, Pelmar instalado corretamente !";
    EXPECT_EQ(mensagens, (Mensagens{{"", falta}, {"", falta}, {"", ok}}));
}

TEST(ModoDeTelaTeste, TelaCheiaAlternaEModoDeVideoNuncaMuda) {
    EXPECT_FALSE(MUDA_TELA(640, 480, 16));
    QWidget janela;
    janela.show();
    telaCheia(janela);
    EXPECT_TRUE(janela.isFullScreen());
    telaCheia(janela);
    EXPECT_FALSE(janela.isFullScreen());
}

TEST(JanelasDoProgramaTeste, SobreOPelmar) {
    TfABOUT sobre;
    EXPECT_TRUE(sobre.windowTitle().startsWith("Sobre o Pelmar"));
    EXPECT_TRUE(sobre.isModal());
    const std::vector<std::pair<const char*, QString>> textos = {
        {"PROGRAMA", "PELMAR"}, {"ROTULO_VERSAO", QString::fromUtf8("Versão:")}, {"VERSAO", "6.2.01"},
        {"ROTULO_DATA", "Data:"}, {"DATA", "08/08/2009"}};
    for (const auto& [nome, texto] : textos) EXPECT_EQ(filho<QLabel>(sobre, nome)->text(), texto) << nome;
    for (const char* nome : {"IMAGEM_1", "IMAGEM_2"}) {
        QLabel* figura = filho<QLabel>(sobre, nome);
        ASSERT_NE(figura, nullptr);
        EXPECT_TRUE(desenhada(figura->pixmap())) << nome;
    }
    EXPECT_NE(filho<QLabel>(sobre, "IMAGEM_1")->pixmap().toImage(), filho<QLabel>(sobre, "IMAGEM_2")->pixmap().toImage());

    QPoint posicao;
    QTimer::singleShot(0, &sobre, [&] {
        posicao = sobre.pos();
        filho<QPushButton>(sobre, "FECHAR")->click();
    });
    sobre.mostra(QPoint(30, 50));
    EXPECT_EQ(posicao, QPoint(30, 50));
    EXPECT_FALSE(sobre.isVisible());
}

TEST(JanelasDoProgramaTeste, AberturaMostraOProgresso) {
    TfmtSPLASH abertura;
    EXPECT_TRUE(abertura.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(filho<QLabel>(abertura, "PROGRAMA")->text(), "PELMAR");
    EXPECT_TRUE(filho<QLabel>(abertura, "VERSAO")->text().contains("6.2.01"));
    abertura.progresso("Lendo preferências");
    abertura.mostra();
    EXPECT_TRUE(abertura.isVisible());
    EXPECT_EQ(abertura.textoDoProgresso(), "Lendo preferências");
    abertura.progresso("Carregando imagens");
    EXPECT_EQ(filho<QLabel>(abertura, "PROGRESSO")->text(), "Carregando imagens");
    abertura.close();
    EXPECT_FALSE(abertura.isVisible());
}

}  // namespace
}  // namespace pelmar::teste
