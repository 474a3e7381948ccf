#include <gtest/gtest.h>

#include "brain/CerebroDeTeste.h"

namespace pelmar::teste {
namespace {

class AprendizadoTeste : public CerebroDeTeste {
protected:
    void SetUp() override {
        CerebroDeTeste::SetUp();
        jogo->usaGanchos(nullptr);  // the game's own hooks: learning
    }
    std::vector<Regra> aprendidas() {
        std::vector<Regra> regras;
        for (const std::string& l : linhasDe("P-LEARN.TXT"))
            if (analisaLinhaRegra(l).tipo == LinhaRegra::Tipo::Regra) regras.push_back(analisaLinhaRegra(l).regra);
        return regras;
    }
};

TEST_F(AprendizadoTeste, CadaCartaDoUsuarioViraUmaRegraComAcaoLimitadaPelaRodada) {
    // Vira 7: the queens are manilhas. Seat 1 plays second, its middle card (the king) first.
    preset("7O", {{"3C", "KE", "4O"}, {"5P", "6E", "4C"}, {"AC", "JO", "5O"}, {"2O", "7C", "6P"}});
    primeiroAJogar(4);
    roteiro(1, {Lance(2), Lance(1), Lance(3)});
    roteiro(2, {Lance(1), Lance(2), Lance(3)});
    roteiro(3, {Lance(1), Lance(2), Lance(3)});
    roteiro(4, {Lance(3), Lance(2), Lance(1)});
    jogaMao();

    const auto regras = aprendidas();
    ASSERT_GE(regras.size(), 2u);
    const Regra& primeira = regras[0];
    EXPECT_EQ(TEXTO_REGRA(primeira), "=,  1,2,  1,S, M,P, ?,?, ?,?,  A,M,P,  3,M,P,  2,-,-,   1");
    for (const Regra& r : regras) {
        EXPECT_EQ(r.QTE, 1);
        EXPECT_EQ(r.letra(TRUCAR), '-');
        const int limite = r[NR_RODADA] == 1 ? 3 : (r[NR_RODADA] == 2 ? 2 : 1);
        EXPECT_LE(r[ACAO], limite) << TEXTO_REGRA(r);
        EXPECT_GE(r[ACAO], 1) << TEXTO_REGRA(r);
    }
}

TEST_F(AprendizadoTeste, TrucoDoUsuarioSemCartaEComT) {
    jogo->estado.RODADA = 2;
    jogo->estado.VALOR_TRUCO = 3;
    for (int valor : {3, 6, 12}) ia().aprendizado.APRENDE_REGRA(1, 0, valor, false);
    const auto regras = aprendidas();
    ASSERT_EQ(regras.size(), 3u);
    for (const Regra& r : regras) {
        EXPECT_EQ(r[ACAO], 0);
        EXPECT_EQ(r.letra(TRUCAR), 'T');
        EXPECT_EQ(r.letra(ENCOBRIR), '-');
        EXPECT_EQ(r[PONTO], 3);
    }
}

TEST_F(AprendizadoTeste, AssentoDoComputadorOuAprendizadoDesligadoNaoGravamNada) {
    ia().aprendizado.APRENDE_REGRA(2, 1, 0, false);
    ia().aprendizado.APRENDE_REGRA(3, 0, 3, false);
    jogo->prefs.CEREBRO_APRENDE_REGRAS = false;
    ia().aprendizado.APRENDE_REGRA(1, 1, 0, false);
    EXPECT_FALSE(std::filesystem::exists(pasta / "P-LEARN.TXT"));
}

const char* const VISTA = "=,  2,1,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  1,-,-,   1";
const char* const OUTRA = "=,  3,4,  1,*, B,3, M,Z, B,2,  ?,?,?,  P,?,?,  1,-,-,   2";
const char* const NOVA = "=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1";

TEST_F(AprendizadoTeste, JuntarSomaOsPesosOrdenaEEsvaziaOAprendizado) {
    escreveCerebro("P-NEURON.TXT", {comPeso(OUTRA, 2), comPeso(VISTA, 10)});
    escreveCerebro("P-LEARN.TXT", {regra(VISTA), regra(VISTA), regra(NOVA), regra(VISTA), regra(VISTA), regra(VISTA)});
    ASSERT_TRUE(ia().aprendizado.COMPILA_CEREBRO());
    EXPECT_EQ(linhasDe("P-NEURON.TXT"),
              (std::vector<std::string>{TITULO_CEREBRO, TRACOS_CEREBRO, TEXTO_REGRA(comPeso(VISTA, 15)),
                                        TEXTO_REGRA(comPeso(OUTRA, 2)), NOVA}));
    EXPECT_EQ(linhasDe("P-LEARN.TXT"), (std::vector<std::string>{TITULO_CEREBRO, TRACOS_CEREBRO}));
    ASSERT_EQ(cerebro().QTE_REGRAS(), 3);
    EXPECT_EQ(cerebro()[1], comPeso(VISTA, 15));
    EXPECT_FALSE(std::filesystem::exists(pasta / "P-NEURON.TXT.novo"));
}

TEST_F(AprendizadoTeste, JuntarRecusadoDeixaOsDoisArquivosComoEstavam) {
    const struct {
        const char* caso;
        std::function<void()> prepara;
    } casos[] = {
        {"linha mal formada",
         [&] {
             escreveCerebro("P-NEURON.TXT", {regra(OUTRA)});
             gravaBytes(pasta / "P-LEARN.TXT", std::string(VISTA) + "\r\n=,  1,1,  1\r\n");
         }},
        {"arquivo novo que nao pode ser gravado",
         [&] {
             escreveCerebro("P-NEURON.TXT", {regra(OUTRA)});
             escreveCerebro("P-LEARN.TXT", {regra(VISTA)});
             std::filesystem::create_directories(pasta / "P-NEURON.TXT.novo.tmp");
         }},
    };
    for (const auto& c : casos) {
        TearDown();
        SetUp();
        c.prepara();
        const std::string neuron = leBytes(pasta / "P-NEURON.TXT");
        const std::string learn = leBytes(pasta / "P-LEARN.TXT");
        EXPECT_FALSE(ia().aprendizado.COMPILA_CEREBRO()) << c.caso;
        EXPECT_EQ(leBytes(pasta / "P-NEURON.TXT"), neuron) << c.caso;
        EXPECT_EQ(leBytes(pasta / "P-LEARN.TXT"), learn) << c.caso;
        EXPECT_EQ(tela.erros.size(), 1u) << c.caso;
    }
}

TEST_F(AprendizadoTeste, PrimeiraPartidaCarregaOCerebroUmaVezSo) {
    escreveCerebro("P-BRAIN.TXT", {regra(NOVA)});
    escreveCerebro("P-NEURON.TXT", {regra(VISTA), regra(OUTRA)});
    jogo->prefs.CEREBRO_USA_REGRAS = false;
    ia().aoComecarPartida();
    EXPECT_EQ(cerebro().QTE_REGRAS(), 0);
    jogo->prefs.CEREBRO_USA_REGRAS = true;
    ia().aoComecarPartida();
    EXPECT_EQ(cerebro().QTE_REGRAS(), 0);

    TearDown();
    SetUp();
    escreveCerebro("P-BRAIN.TXT", {regra(NOVA)});
    escreveCerebro("P-NEURON.TXT", {regra(VISTA), regra(OUTRA)});
    ia().aoComecarPartida();
    EXPECT_EQ(cerebro().QTE_REGRAS(), 3);
    EXPECT_EQ(cerebro().QTE_REGRAS_FIXAS, 1);
}

}  // namespace
}  // namespace pelmar::teste
