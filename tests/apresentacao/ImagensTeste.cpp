#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "../suporte/PastaTemporaria.h"
#include "presentation/CatalogoImagens.h"
#include "presentation/ImagensDaMesa.h"

namespace pelmar::teste {
namespace {

namespace fs = std::filesystem;

const fs::path kDados = PELMAR_DADOS;

QImage arquivoDosDados(const std::string& relativo) {
    return QImage(QString::fromStdString((kDados / relativo).string()));
}

void copia(const fs::path& de, const fs::path& para) {
    fs::create_directories(para.parent_path());
    fs::copy(de, para, fs::copy_options::recursive);
}

bool contem(const std::vector<std::string>& nomes, const std::string& nome) {
    return std::find(nomes.begin(), nomes.end(), nome) != nomes.end();
}

// Loads with the messages kept, so a test can tell what the user would have been shown.
struct Carregador {
    std::vector<std::string> mensagens;
    ImagensDaMesa imagens;

    explicit Carregador(const fs::path& raiz)
        : imagens(PastaTrabalho(raiz), [this](const std::string& m) { mensagens.push_back(m); }) {}
};

using Carga = std::function<bool(ImagensDaMesa&, const std::string&)>;
using Retrato = std::function<std::vector<QImage>(const ImagensDaMesa&)>;

struct TipoDeImagem {
    const char* nome;
    Carga carrega;
    Retrato retrato;
    std::string bom;
};

std::vector<QImage> baralhoInteiro(const ImagensDaMesa& i) {
    std::vector<QImage> v;
    for (int e = 1; e <= 40; ++e) v.push_back(i.carta(e));
    return v;
}

const std::vector<TipoDeImagem>& tipos() {
    static const std::vector<TipoDeImagem> t = {
        {"mesa", [](ImagensDaMesa& i, const std::string& n) { return i.carregaMesa(n); },
         [](const ImagensDaMesa& i) { return std::vector<QImage>{i.mesa()}; }, "Original"},
        {"verso", [](ImagensDaMesa& i, const std::string& n) { return i.carregaVerso(n); },
         [](const ImagensDaMesa& i) { return std::vector<QImage>{i.verso()}; }, "Original"},
        {"baralho", [](ImagensDaMesa& i, const std::string& n) { return i.carregaBaralho(n); }, baralhoInteiro,
         "Original"},
        {"personagem", [](ImagensDaMesa& i, const std::string& n) { return i.carregaPersonagem(2, n); },
         [](const ImagensDaMesa& i) { return i.rostos(2); }, "Jogador-02"},
    };
    return t;
}

TEST(ImagensCatalogo, ListasTrazemOsNomesGerados) {
    const PastaTrabalho pasta(kDados);
    struct Caso {
        const char* catalogo;
        ListaCatalogo lista;
        std::vector<std::string> esperados;
        bool maiusculas;
    };
    const Caso casos[] = {
        {"mesas", listaMesas(pasta), {"ORIGINAL", "AZUL", "MADEIRA", "VINHO"}, true},
        {"versos", listaVersos(pasta), {"ORIGINAL", "VERDE", "VERMELHO"}, true},
        {"baralhos", listaBaralhos(pasta), {"ORIGINAL", "MODERNO"}, true},
        {"personagens", listaPersonagens(pasta), {"Jogador-01", "Jogador-04", "Ze-Matraca"}, false},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.catalogo);
        EXPECT_EQ(c.lista.nota, "");
        for (const std::string& nome : c.esperados) EXPECT_TRUE(contem(c.lista.nomes, nome)) << nome;
        EXPECT_TRUE(std::is_sorted(c.lista.nomes.begin(), c.lista.nomes.end()));
        for (const std::string& nome : c.lista.nomes) {
            EXPECT_EQ(nome.find(".BMP"), std::string::npos) << nome;
            if (c.maiusculas) {
                EXPECT_EQ(nome, maiusculasAscii(nome));
            }
        }
    }
}

class ImagensPasta : public PastaTemporaria {};

TEST_F(ImagensPasta, CatalogoAusenteDaListaVaziaEUmaNota) {
    const PastaTrabalho vazia(pasta);
    struct Caso {
        ListaCatalogo lista;
        std::string pastaCitada;
    };
    const Caso casos[] = {{listaMesas(vazia), "IMG\\Mesas"},
                          {listaVersos(vazia), "IMG\\Versos do Baralho"},
                          {listaBaralhos(vazia), "IMG\\Baralhos"},
                          {listaPersonagens(vazia), "JOG"}};
    for (const Caso& c : casos) {
        EXPECT_TRUE(c.lista.nomes.empty()) << c.pastaCitada;
        EXPECT_NE(c.lista.nota.find(c.pastaCitada), std::string::npos) << c.lista.nota;
    }
}

TEST_F(ImagensPasta, ListasFiltramArquivosEPastas) {
    for (const char* arquivo : {"img/mesas/b.bmp", "img/mesas/A.BMP", "img/mesas/c.Bmp", "img/mesas/a.bmp",
                                "img/mesas/notas.txt", "img/mesas/.bmp", "img/mesas/bmp",
                                "img/baralhos/solto.bmp", "jog/solto.bmp"}) {
        gravaBytes(pasta / arquivo, "x");
    }
    for (const char* sub : {"img/mesas/pasta.bmp", "img/baralhos/zeta", "img/baralhos/Alfa", "jog/Seu-Bento",
                            "jog/ana"}) {
        fs::create_directories(pasta / sub);
    }
    const PastaTrabalho raiz(pasta);
    EXPECT_EQ(listaMesas(raiz).nomes, (std::vector<std::string>{"A", "B", "C"}));
    EXPECT_EQ(listaBaralhos(raiz).nomes, (std::vector<std::string>{"ALFA", "ZETA"}));
    EXPECT_EQ(listaPersonagens(raiz).nomes, (std::vector<std::string>{"Seu-Bento", "ana"}));
    EXPECT_TRUE(listaVersos(raiz).nomes.empty());
    EXPECT_NE(listaVersos(raiz).nota, "");
}

TEST(ImagensCatalogo, NomesQueSaemDaPastaSaoInvalidos) {
    struct Caso {
        const char* nome;
        bool valido;
    };
    const Caso casos[] = {{"Original", true}, {"a..b", true}, {"Jogador-01", true}, {"Versos do Baralho", true},
                          {"..", false},      {".", false},   {"", false},          {"../Mesas", false},
                          {"..\\x", false},   {"a/b", false}, {"a\\b", false},      {"/etc", false}};
    for (const Caso& c : casos) EXPECT_EQ(nomeDeCatalogoValido(c.nome), c.valido) << c.nome;
}

TEST(ImagensCarga, CadaTipoCarregaNoTamanhoCerto) {
    Carregador c(kDados);
    struct Caso {
        const char* nome;
        bool ok;
        std::vector<QImage> imagens;
        std::size_t quantas;
        QSize tamanho;
    };
    const bool mesa = c.imagens.carregaMesa("original");  // the pickers hand over upper-cased names
    const bool verso = c.imagens.carregaVerso("ORIGINAL");
    const bool baralho = c.imagens.carregaBaralho("ORIGINAL");
    const bool personagem = c.imagens.carregaPersonagem(3, "Jogador-01");
    const Caso casos[] = {
        {"mesa", mesa, {c.imagens.mesa()}, 1, QSize(780, 560)},
        {"verso", verso, {c.imagens.verso()}, 1, QSize(142, 192)},
        {"baralho", baralho, baralhoInteiro(c.imagens), 40, QSize(142, 192)},
        {"personagem", personagem, c.imagens.rostos(3), 9, QSize(100, 80)},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.nome);
        EXPECT_TRUE(caso.ok);
        ASSERT_EQ(caso.imagens.size(), caso.quantas);
        for (const QImage& img : caso.imagens) EXPECT_EQ(img.size(), caso.tamanho);
    }
    EXPECT_EQ(c.mensagens, std::vector<std::string>{});
    EXPECT_TRUE(c.imagens.rostos(1).empty());
}

TEST(ImagensCarga, BaralhoSegueAOrdemDasEntradasERostosAOrdemDosSinais) {
    Carregador c(kDados);
    ASSERT_TRUE(c.imagens.carregaBaralho("Original"));
    struct Caso {
        int entrada;
        const char* arquivo;
    };
    const Caso casos[] = {{1, "1-C"}, {2, "2-C"}, {10, "10-C"}, {11, "1-E"}, {20, "10-E"},
                          {21, "1-O"}, {28, "8-O"}, {31, "1-P"}, {40, "10-P"}};
    for (const Caso& caso : casos) {
        const QImage esperada = cantosTransparentes(arquivoDosDados(std::string("IMG/Baralhos/Original/") + caso.arquivo + ".BMP"));
        EXPECT_EQ(c.imagens.carta(caso.entrada), esperada) << caso.entrada << " " << caso.arquivo;
    }
    ASSERT_TRUE(c.imagens.carregaPersonagem(4, "Jogador-04"));
    const std::vector<QImage>& rostos = c.imagens.rostos(4);
    ASSERT_EQ(rostos.size(), ROSTOS_DO_PERSONAGEM.size());
    for (std::size_t i = 0; i < rostos.size(); ++i) {
        const QImage esperada = arquivoDosDados("JOG/Jogador-04/" + std::string(ROSTOS_DO_PERSONAGEM[i]) + ".BMP");
        EXPECT_EQ(rostos[i], esperada) << ROSTOS_DO_PERSONAGEM[i];
    }
    EXPECT_EQ(ROSTOS_DO_PERSONAGEM[0], "NORMAL");
    EXPECT_EQ(ROSTOS_DO_PERSONAGEM[8], "PAUS");
}

TEST(ImagensCarga, NomeAusenteDaAMensagemEGuardaAsImagens) {
    struct Caso {
        const char* tipo;
        std::string mensagem;  // exact, or the start of it
        bool exata;
    };
    const Caso casos[] = {
        {"mesa", "Arquivo de IMG das MESAS não encontrado", true},
        {"verso", "Arquivo de IMG VERSOS não encontrado", true},
        {"baralho", "Não foi possível abrir o arquivo", false},
        {"personagem", "Arquivo de IMG Jogadores não encontrado", true},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.tipo);
        const auto& tipo = *std::find_if(tipos().begin(), tipos().end(),
                                         [&](const TipoDeImagem& t) { return std::string(t.nome) == caso.tipo; });
        Carregador c(kDados);
        ASSERT_TRUE(tipo.carrega(c.imagens, tipo.bom));
        const std::vector<QImage> antes = tipo.retrato(c.imagens);
        EXPECT_FALSE(tipo.carrega(c.imagens, "NAO-EXISTE"));
        ASSERT_EQ(c.mensagens.size(), 1u);
        if (caso.exata) {
            EXPECT_EQ(c.mensagens[0], caso.mensagem);
        } else {
            EXPECT_EQ(c.mensagens[0].rfind(caso.mensagem, 0), 0u) << c.mensagens[0];
        }
        EXPECT_EQ(tipo.retrato(c.imagens), antes);
    }
}

TEST_F(ImagensPasta, NomesComDoisPontosOuBarraSaoRecusados) {
    // Most of these names reach a real set outside their catalog folder.
    copia(kDados / "IMG" / "Mesas" / "Original.BMP", pasta / "Fora.BMP");
    fs::create_directories(pasta / "IMG" / "Mesas");
    fs::create_directories(pasta / "IMG" / "Versos do Baralho");
    copia(kDados / "IMG" / "Baralhos" / "Original", pasta / "IMG" / "Baralhos" / "Original");
    copia(kDados / "JOG" / "Jogador-01", pasta / "JOG" / "Jogador-01");
    struct Caso {
        const char* tipo;
        const char* nome;
    };
    const Caso casos[] = {
        {"mesa", "..\\..\\Fora"},      {"mesa", "../../Fora"},  {"verso", "..\\..\\Fora"},
        {"baralho", "../Baralhos/Original"}, {"baralho", ".."},       {"baralho", "..\\Baralhos\\Original"},
        {"personagem", "..\\JOG\\Jogador-01"}, {"personagem", "."}, {"mesa", ""},
    };
    for (const Caso& caso : casos) {
        SCOPED_TRACE(std::string(caso.tipo) + " " + caso.nome);
        const auto& tipo = *std::find_if(tipos().begin(), tipos().end(),
                                         [&](const TipoDeImagem& t) { return std::string(t.nome) == caso.tipo; });
        Carregador c(pasta);
        EXPECT_FALSE(tipo.carrega(c.imagens, caso.nome));
        ASSERT_EQ(c.mensagens.size(), 1u);
        EXPECT_EQ(c.mensagens[0].rfind("Nome inválido", 0), 0u) << c.mensagens[0];
        for (const QImage& img : tipo.retrato(c.imagens)) EXPECT_TRUE(img.isNull());
    }
}

TEST_F(ImagensPasta, ArquivoFaltandoNoMeioGuardaOBaralhoEOPersonagemAnteriores) {
    copia(kDados / "IMG" / "Baralhos" / "Original", pasta / "IMG" / "Baralhos" / "Original");
    copia(kDados / "IMG" / "Baralhos" / "Moderno", pasta / "IMG" / "Baralhos" / "Moderno");
    fs::remove(pasta / "IMG" / "Baralhos" / "Moderno" / "7-O.BMP");
    copia(kDados / "JOG" / "Jogador-01", pasta / "JOG" / "Jogador-01");
    copia(kDados / "JOG" / "Jogador-02", pasta / "JOG" / "Jogador-02");
    fs::remove(pasta / "JOG" / "Jogador-02" / "PAUS.BMP");
    struct Caso {
        const char* tipo;
        std::string bom;
        std::string quebrado;
        std::string arquivoCitado;
    };
    const Caso casos[] = {{"baralho", "Original", "Moderno", "7-O.BMP"},
                          {"personagem", "Jogador-01", "Jogador-02", "PAUS.BMP"}};
    for (const Caso& caso : casos) {
        SCOPED_TRACE(caso.tipo);
        const auto& tipo = *std::find_if(tipos().begin(), tipos().end(),
                                         [&](const TipoDeImagem& t) { return std::string(t.nome) == caso.tipo; });
        Carregador c(pasta);
        ASSERT_TRUE(tipo.carrega(c.imagens, caso.bom));
        const std::vector<QImage> antes = tipo.retrato(c.imagens);
        EXPECT_FALSE(tipo.carrega(c.imagens, caso.quebrado));
        ASSERT_EQ(c.mensagens.size(), 1u);
        EXPECT_NE(c.mensagens[0].find(caso.arquivoCitado), std::string::npos) << c.mensagens[0];
        EXPECT_EQ(tipo.retrato(c.imagens), antes);
    }
}

TEST_F(ImagensPasta, ImagemIlegivelDaMensagemClaraEGuardaAAnterior) {
    copia(kDados / "IMG" / "Mesas" / "Original.BMP", pasta / "IMG" / "Mesas" / "Original.BMP");
    gravaBytes(pasta / "IMG" / "Mesas" / "Ruim.BMP", "BM isto nao e um bitmap");
    gravaBytes(pasta / "IMG" / "Versos do Baralho" / "Ruim.BMP", "");
    Carregador c(pasta);
    ASSERT_TRUE(c.imagens.carregaMesa("Original"));
    const QImage antes = c.imagens.mesa();
    EXPECT_FALSE(c.imagens.carregaMesa("RUIM"));
    EXPECT_FALSE(c.imagens.carregaVerso("RUIM"));
    ASSERT_EQ(c.mensagens.size(), 2u);
    for (const std::string& m : c.mensagens) EXPECT_EQ(m.rfind("Não foi possível ler a imagem", 0), 0u) << m;
    EXPECT_EQ(c.imagens.mesa(), antes);
    EXPECT_TRUE(c.imagens.verso().isNull());
}

TEST(ImagensCarga, AssentoForaDeUmAQuatroEhErroDePrograma) {
    Carregador c(kDados);
    for (int assento : {0, 5, -1}) {
        EXPECT_THROW(c.imagens.carregaPersonagem(assento, "Jogador-01"), std::out_of_range) << assento;
        EXPECT_THROW(static_cast<void>(c.imagens.rostos(assento)), std::out_of_range) << assento;
    }
    for (int entrada : {0, 41}) EXPECT_THROW(static_cast<void>(c.imagens.carta(entrada)), std::out_of_range);
}

TEST(ImagensCantos, CartaCarregadaTemCantosTransparentesEMeioOpaco) {
    Carregador c(kDados);
    ASSERT_TRUE(c.imagens.carregaBaralho("Original"));
    ASSERT_TRUE(c.imagens.carregaVerso("Original"));
    for (const QImage& img : {c.imagens.carta(1), c.imagens.carta(27), c.imagens.carta(40), c.imagens.verso()}) {
        ASSERT_EQ(img.format(), QImage::Format_ARGB32);
        const int w = img.width();
        const int h = img.height();
        for (const QPoint p : {QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1)})
            EXPECT_EQ(qAlpha(img.pixel(p)), 0) << p.x() << "," << p.y();
        EXPECT_EQ(qAlpha(img.pixel(w / 2, h / 2)), 255);
        EXPECT_EQ(qAlpha(img.pixel(w / 2, 0)), 255);  // the straight edge is card, not felt
    }
}

TEST(ImagensCantos, SoOVerdeLigadoAosCantosSome) {
    const QRgb verde = COR_FORA_DA_CARTA;
    const QRgb quase = qRgb(22, 92, 53);
    const QRgb branco = qRgb(255, 255, 255);
    // Felt all round, a white card in the middle with felt green inside its art.
    QImage img(9, 7, QImage::Format_RGB32);
    img.fill(verde);
    for (int y = 1; y < 6; ++y)
        for (int x = 2; x < 7; ++x) img.setPixel(x, y, branco);
    img.setPixel(4, 3, verde);
    img.setPixel(8, 6, quase);
    const QImage r = cantosTransparentes(img);
    struct Caso {
        int x, y;
        int alfa;
        QRgb cor;  // checked when opaque
    };
    const Caso casos[] = {
        {0, 0, 0, 0},        {8, 0, 0, 0},         {0, 6, 0, 0},       {1, 3, 0, 0},
        {4, 0, 0, 0},        {7, 6, 0, 0},         {8, 6, 255, quase}, {4, 3, 255, verde},
        {2, 1, 255, branco}, {6, 5, 255, branco},
    };
    for (const Caso& c : casos) {
        const QRgb p = r.pixel(c.x, c.y);
        EXPECT_EQ(qAlpha(p), c.alfa) << c.x << "," << c.y;
        if (c.alfa == 255) {
            EXPECT_EQ(p, c.cor) << c.x << "," << c.y;
        }
    }
    EXPECT_TRUE(cantosTransparentes(QImage()).isNull());
    QImage umPixel(1, 1, QImage::Format_RGB888);
    umPixel.fill(QColor(22, 92, 52));
    EXPECT_EQ(qAlpha(cantosTransparentes(umPixel).pixel(0, 0)), 0);
}

}  // namespace
}  // namespace pelmar::teste
