#include <gtest/gtest.h>

#include <QColor>
#include <QImage>

#include <filesystem>
#include <string>
#include <vector>

#include "../suporte/PastaTemporaria.h"
#include "presentation/ImagensDaMesa.h"
#include "presentation/RostosDoPersonagem.h"
#include "presentation/SinaisDoRosto.h"

namespace pelmar::teste {
namespace {

namespace fs = std::filesystem;

// The window teaches the faces in the order of the seat's image list, one hint per face.
TEST(SinaisDoRosto, NaOrdemDaListaDeImagensDoAssento) {
    ASSERT_EQ(SINAIS_DO_ROSTO.size(), ROSTOS_DO_PERSONAGEM.size());
    for (std::size_t i = 0; i < SINAIS_DO_ROSTO.size(); ++i) EXPECT_EQ(SINAIS_DO_ROSTO[i].nome, ROSTOS_DO_PERSONAGEM[i]);
    EXPECT_EQ(SINAIS_DO_ROSTO[8].dica, "Piscar um Olho");
    EXPECT_EQ(SINAIS_DO_ROSTO[2].dica, "Franzir o Nariz");
    EXPECT_EQ(SINAIS_DO_ROSTO[1].significado, "Apenas um gesto, sem valor ");
}

TEST(SinaisDoRosto, TesteMostraCadaSinalComSeuNomeEONormalEntreEles) {
    const std::vector<PassoDaPrevia> esperado = {
        {0, std::nullopt, 50},  {8, "ZAP", 300},       {0, std::nullopt, 50}, {7, "COPETA", 300},
        {0, std::nullopt, 50},  {6, "ESPADILHA", 300}, {0, std::nullopt, 50}, {5, "PICA FUMO", 300},
        {0, std::nullopt, 50},  {4, "TRES", 300},      {0, std::nullopt, 50}, {3, "DOIS", 300},
        {0, std::nullopt, 50},  {2, "NADA", 300},      {0, std::nullopt, 50}, {1, "GESTO", 300},
        {0, std::nullopt, 50},  {0, "", 0},
    };
    EXPECT_EQ(previaDeTodosOsSinais(), esperado);
}

TEST(SinaisDoRosto, CliqueMostraOSinalEntreDoisNormais) {
    const std::vector<PassoDaPrevia> paus = {{0, std::nullopt, 50}, {8, std::nullopt, 300}, {0, std::nullopt, 0}};
    EXPECT_EQ(previaDeUmSinal(8), paus);
    // An index outside the nine shows the normal face, never another list's picture.
    for (int fora : {-1, 9}) EXPECT_EQ(previaDeUmSinal(fora)[1].indice, 0) << fora;
}

class RostosDoPersonagemTeste : public PastaTemporaria {
protected:
    void grava(const std::string& personagem, const std::string& arquivo, QColor cor) {
        fs::create_directories(pasta / "JOG" / personagem);
        QImage img(100, 80, QImage::Format_RGB32);
        img.fill(cor);
        ASSERT_TRUE(img.save(QString::fromStdString((pasta / "JOG" / personagem / arquivo).string()), "BMP"));
    }
};

TEST_F(RostosDoPersonagemTeste, RostoQueFaltaOuNaoSeLeEhImagemNulaEUmProblema) {
    grava("So-Normal", "NORMAL.BMP", Qt::red);
    gravaBytes(pasta / "JOG/So-Normal/PAUS.BMP", "isto não é um bitmap");
    const RostosLidos lidos = leRostosDoPersonagem(PastaTrabalho(pasta), "so-normal");
    EXPECT_FALSE(lidos.completo());
    EXPECT_EQ(lidos.imagens[0].pixelColor(5, 5), QColor(Qt::red));
    for (std::size_t i = 1; i < lidos.imagens.size(); ++i) EXPECT_TRUE(lidos.imagens[i].isNull()) << i;
    ASSERT_EQ(lidos.problemas.size(), 8u);
    EXPECT_EQ(lidos.problemas[0], "falta GESTO.BMP");
    EXPECT_EQ(lidos.problemas[7], "PAUS.BMP não pode ser lido");
}

TEST_F(RostosDoPersonagemTeste, NoveRostosCompletosENomeForaDeJOGNaoLeNada) {
    for (std::string_view rosto : ROSTOS_DO_PERSONAGEM) grava("Inteiro", std::string(rosto) + ".BMP", Qt::blue);
    EXPECT_TRUE(leRostosDoPersonagem(PastaTrabalho(pasta), "Inteiro").completo());
    // The same faces one folder up are out of reach.
    for (std::string_view rosto : ROSTOS_DO_PERSONAGEM) grava("../Fora", std::string(rosto) + ".BMP", Qt::blue);
    const RostosLidos fora = leRostosDoPersonagem(PastaTrabalho(pasta), "../Fora");
    EXPECT_FALSE(fora.completo());
    for (const QImage& img : fora.imagens) EXPECT_TRUE(img.isNull());
}

}  // namespace
}  // namespace pelmar::teste
