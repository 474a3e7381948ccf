#include <gtest/gtest.h>

#include <QImage>
#include <QTimer>

#include <string>
#include <vector>

#include "desktop/SessaoDeTeste.h"
#include "desktop/VigiaDaPartida.h"
#include "windows/MesaDesenhada.h"
#include "windows/PecaDaMesa.h"
#include "windows/TForm2.h"

namespace pelmar::teste {
namespace {

// The faces the seats make, as the table window draws them on the portraits.
class SinaisNaMesaTeste : public SessaoDeTeste {
protected:
    void SetUp() override {
        SessaoDeTeste::SetUp();
        abreSessao(20261210, true);
        sessao->inicia();
        janela().show();
    }

    PecaDaMesa* retrato(int assento) {
        auto* peca = janela().findChild<PecaDaMesa*>(QString::fromStdString("IMG_JOGADOR_" + std::to_string(assento)));
        if (!peca) ADD_FAILURE() << "a mesa não tem o retrato " << assento;
        return peca;
    }
    QImage imagem(int assento) { return retrato(assento)->grab().toImage(); }
};

// Each of the nine faces is its own picture on the portrait; NORMAL is the portrait as it was.
TEST_F(SinaisNaMesaTeste, CadaSinalDesenhaSeuRostoNoRetrato) {
    janela().redesenha();
    const QImage normal = imagem(3);
    jogo().sinais.ativa();
    std::vector<QImage> vistas;
    for (int indice = 0; indice < static_cast<int>(NOMES_DOS_SINAIS.size()); ++indice) {
        SCOPED_TRACE(std::string(NOMES_DOS_SINAIS[static_cast<std::size_t>(indice)]));
        jogo().sinais.MOSTRA_SINAL(NOMES_DOS_SINAIS[static_cast<std::size_t>(indice)], 3);
        janela().redesenha();
        EXPECT_EQ(retrato(3)->carta(), indice);
        vistas.push_back(imagem(3));
        for (std::size_t antes = 0; antes + 1 < vistas.size(); ++antes)
            EXPECT_NE(vistas.back(), vistas[antes]) << "o mesmo desenho que o sinal " << antes;
    }
    EXPECT_EQ(vistas.front(), normal);
    // The other seats keep their normal faces.
    EXPECT_EQ(retrato(1)->carta(), 0);
}

// In a game played on its own, a portrait shows a signal; after "Parar Jogo" every face is NORMAL.
TEST_F(SinaisNaMesaTeste, RetratoSinalizaDuranteOJogoEVoltaAoNormalAoParar) {
    VigiaDaPartida vigia(jogo().estado, 60000);
    int assentoVisto = 0;
    bool desenhoDiferente = false;
    QTimer roteiro;
    roteiro.setInterval(0);
    QObject::connect(&roteiro, &QTimer::timeout, [&] {
        if (assentoVisto != 0 || !janela().partidaNaPilha()) return;
        janela().redesenha();
        for (int p = 1; p <= 4; ++p) {
            if (retrato(p)->carta() == 0) continue;
            assentoVisto = p;
            // The same portrait with the normal face, for comparison.
            const QImage comSinal = imagem(p);
            jogo().mesa["IMG_JOGADOR_" + std::to_string(p)].carta = 0;
            janela().redesenha();
            desenhoDiferente = imagem(p) != comSinal;
            janela().acao("PARAR_JOGO")->trigger();
            return;
        }
    });
    roteiro.start();
    vigia.esperaAte([&] { return assentoVisto != 0 && !janela().partidaNaPilha(); });
    ASSERT_FALSE(vigia.estourou()) << "nenhum retrato sinalizou a tempo";
    ASSERT_NE(assentoVisto, 0);
    EXPECT_TRUE(desenhoDiferente) << "o retrato mudou de sinal mas não de desenho";
    janela().redesenha();
    for (int p = 1; p <= 4; ++p) EXPECT_EQ(retrato(p)->carta(), 0) << p;
}

}  // namespace
}  // namespace pelmar::teste
