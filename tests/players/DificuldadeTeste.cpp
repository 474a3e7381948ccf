#include "players/Dificuldade.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "engine/Estado.h"
#include "engine/Estatisticas.h"
#include "engine/Historico.h"
#include "engine/ModeloMesa.h"
#include "engine/Preferencias.h"
#include "players/NiveisDificuldade.h"

namespace pelmar {
namespace {

TEST(NiveisDificuldade, ZeroESeisUsamAMesmaLinha) {
    ASSERT_TRUE(parametrosDoNivel(0).has_value());
    EXPECT_EQ(parametrosDoNivel(0), parametrosDoNivel(6));
    EXPECT_EQ(parametrosDoNivel(-1), parametrosDoNivel(6));
    EXPECT_NE(parametrosDoNivel(5), parametrosDoNivel(6));
    EXPECT_NE(parametrosDoNivel(7), parametrosDoNivel(6));
}

TEST(NiveisDificuldade, PontosConhecidosDaTabela) {
    EXPECT_EQ(parametrosDoNivel(10)->CHANCE_ACEITA_3, 1000);
    EXPECT_EQ(parametrosDoNivel(10)->CHANCE_DESISTE_12, 5000);
    EXPECT_EQ(parametrosDoNivel(1)->CHANCE_AVALIA_ONZE, 20);
    EXPECT_EQ(parametrosDoNivel(2)->CHANCE_DESISTE_12, 0);
    EXPECT_EQ(parametrosDoNivel(5)->VIES_DIFICULDADE, 768);
    EXPECT_EQ(parametrosDoNivel(6)->CHANCE_ACEITA_12, 255);
    EXPECT_EQ(parametrosDoNivel(9)->CHANCE_ROUBAR_6, 3);
    EXPECT_FALSE(parametrosDoNivel(11).has_value());
}

// Higher levels accept a 3 less often by fixed chance and lean on a larger bias.
TEST(NiveisDificuldade, AceitarTresEOViesCrescemComONivel) {
    for (int nivel = 2; nivel <= NIVEL_MAXIMO; ++nivel) {
        if (nivel == 6) continue;  // the shared row sits between 5 and 7 all the same
        EXPECT_GE(parametrosDoNivel(nivel)->CHANCE_ACEITA_3, parametrosDoNivel(nivel - 1)->CHANCE_ACEITA_3) << nivel;
        EXPECT_GE(parametrosDoNivel(nivel)->VIES_DIFICULDADE, parametrosDoNivel(nivel - 1)->VIES_DIFICULDADE) << nivel;
    }
}

class NivelDeDificuldade : public ::testing::Test {
protected:
    std::vector<std::string> textosDoHistorico() const {
        std::vector<std::string> textos;
        // The text follows the prefix's last field, the trick result: "|J3|C| text".
        for (const auto& l : historico.linhas()) textos.push_back(l.substr(l.find('|', l.find("|J") + 1) + 4));
        return textos;
    }

    EstadoJogo estado;
    Historico historico{estado};
    ModeloMesa mesa;
    Preferencias prefs;
    Estatisticas estatisticas;
    Dificuldade dificuldade{prefs, historico, mesa};
};

TEST_F(NivelDeDificuldade, ComecaComOsParametrosDoNivelDasPreferencias) {
    EXPECT_EQ(dificuldade.parametros, *parametrosDoNivel(5));
    EXPECT_EQ(dificuldade.DIFICULDADE_NOVA, 5);
    EXPECT_FALSE(dificuldade.MUDANCA_PENDENTE);
    EXPECT_EQ(mesa["VL_DIFICULDADE_NOVA"].dica, "Nivel de Dificuldade Novo");
}

TEST_F(NivelDeDificuldade, DefinePoeONivelEmVigor) {
    dificuldade.DEFINE_DIFICULDADE(9);
    EXPECT_EQ(prefs.DIFICULDADE, 9);
    EXPECT_EQ(dificuldade.nivel(), 9);
    EXPECT_EQ(dificuldade.DIFICULDADE_NOVA, 9);
    EXPECT_EQ(dificuldade.parametros, *parametrosDoNivel(9));
    EXPECT_EQ(mesa["VL_DIFICULDADE_NOVA"].texto, "9");

    // Above 10 the level is taken, but no parameter changes.
    dificuldade.DEFINE_DIFICULDADE(12);
    EXPECT_EQ(prefs.DIFICULDADE, 12);
    EXPECT_EQ(dificuldade.parametros, *parametrosDoNivel(9));
}

TEST_F(NivelDeDificuldade, MudancaManualEsperaOInicioDaMao) {
    dificuldade.escolheNivel(7);
    EXPECT_TRUE(dificuldade.MUDANCA_PENDENTE);
    EXPECT_EQ(dificuldade.DIFICULDADE_NOVA, 7);
    EXPECT_TRUE(mesa["VL_DIFICULDADE_NOVA"].visivel);
    EXPECT_EQ(mesa["VL_DIFICULDADE_NOVA"].texto, "7");
    // Nothing else puts it in force: not a boi short of the lead, not the table reading it.
    EXPECT_FALSE(dificuldade.mudancaAposBoi(2, estatisticas, true).has_value());
    EXPECT_EQ(prefs.DIFICULDADE, 5);
    EXPECT_EQ(dificuldade.parametros, *parametrosDoNivel(5));
    EXPECT_TRUE(historico.linhas().empty());

    EXPECT_EQ(dificuldade.inicioDaMao(), std::optional<std::string>("Alteração de nível: 5 -> 7"));
    EXPECT_EQ(prefs.DIFICULDADE, 7);
    EXPECT_EQ(dificuldade.parametros, *parametrosDoNivel(7));
    EXPECT_FALSE(dificuldade.MUDANCA_PENDENTE);
    EXPECT_FALSE(mesa["VL_DIFICULDADE_NOVA"].visivel);
    EXPECT_EQ(textosDoHistorico(), (std::vector<std::string>{"ALTERAÇÃO DE DIFICULDADE: 5->7", "DIFICULDADE=7"}));

    EXPECT_FALSE(dificuldade.inicioDaMao().has_value());
    EXPECT_EQ(textosDoHistorico().back(), "DIFICULDADE=7");
    EXPECT_EQ(historico.linhas().size(), 3u);
}

TEST_F(NivelDeDificuldade, VoltarAoNivelAtualDesfazAMudanca) {
    dificuldade.escolheNivel(2);
    dificuldade.escolheNivel(5);
    EXPECT_FALSE(dificuldade.MUDANCA_PENDENTE);
    EXPECT_FALSE(mesa["VL_DIFICULDADE_NOVA"].visivel);
    EXPECT_FALSE(dificuldade.inicioDaMao().has_value());
    EXPECT_EQ(textosDoHistorico(), (std::vector<std::string>{"DIFICULDADE=5"}));
}

// A change after a boi overwrites a level chosen by hand and not yet in force.
TEST_F(NivelDeDificuldade, MudancaAutomaticaSubstituiAEscolhaPendente) {
    dificuldade.escolheNivel(2);
    estatisticas.BOIS_PRO = 5;
    ASSERT_TRUE(dificuldade.mudancaAposBoi(2, estatisticas, true).has_value());
    EXPECT_EQ(prefs.DIFICULDADE, 6);
    EXPECT_FALSE(dificuldade.MUDANCA_PENDENTE);
    EXPECT_FALSE(mesa["VL_DIFICULDADE_NOVA"].visivel);
    EXPECT_FALSE(dificuldade.inicioDaMao().has_value());
    EXPECT_EQ(prefs.DIFICULDADE, 6);
}

TEST_F(NivelDeDificuldade, CincoBoisAMaisSobemUmNivelEOSextoSobeOutro) {
    std::vector<int> niveis;
    for (int boi = 1; boi <= 7; ++boi) {
        ++estatisticas.BOIS_PRO;
        const auto mudanca = dificuldade.mudancaAposBoi(2, estatisticas, true);
        EXPECT_EQ(mudanca.has_value(), boi >= 5) << boi;
        niveis.push_back(prefs.DIFICULDADE);
    }
    EXPECT_EQ(niveis, (std::vector<int>{5, 5, 5, 5, 6, 7, 8}));
    // A boi the computer wins while behind changes nothing.
    ++estatisticas.BOIS_CONTRA;
    EXPECT_FALSE(dificuldade.mudancaAposBoi(1, estatisticas, true).has_value());
    EXPECT_EQ(prefs.DIFICULDADE, 8);
}

TEST_F(NivelDeDificuldade, RegrasDaMudancaAposUmBoi) {
    struct Caso {
        int lado, nivel, pro, contra;
        bool automatica;
        std::optional<int> nova;
        std::string aviso, som, registro;
    };
    const std::string sobe = "Aumentei um nível de dificuldade!";
    const std::string desce = "Baixei um nível de dificuldade! ";
    const std::vector<Caso> casos = {
        {2, 5, 5, 0, true, 6, sobe, "PERSONAL_ADD_1", sobe + " "},
        {2, 8, 9, 4, true, 9, sobe, "PERSONAL_ADD_1", sobe + " "},
        {2, 9, 5, 0, true, 10, "", "", ""},
        {2, 10, 12, 0, true, 10, "", "", ""},
        {2, 5, 4, 0, true, std::nullopt, "", "", ""},
        {2, 5, 5, 0, false, std::nullopt, "", "", ""},
        {2, 5, 0, 9, true, std::nullopt, "", "", ""},
        {1, 5, 0, 5, true, 4, desce, "PERSONAL_DEL_1", desce},
        {1, 3, 2, 7, true, 2, desce, "PERSONAL_DEL_1", desce},
        {1, 2, 0, 5, true, 1, "", "", ""},
        {1, 1, 0, 5, true, 1, "", "", ""},
        {1, 0, 0, 5, true, 0, "", "", ""},
        {1, 5, 3, 7, true, std::nullopt, "", "", ""},
        {1, 5, 0, 6, false, std::nullopt, "", "", ""},
    };
    for (const Caso& c : casos) {
        EstadoJogo e;
        Historico h{e};
        ModeloMesa m;
        Preferencias p;
        Dificuldade d{p, h, m};
        d.DEFINE_DIFICULDADE(c.nivel);
        Estatisticas est;
        est.BOIS_PRO = c.pro;
        est.BOIS_CONTRA = c.contra;
        const std::string rotulo = "lado " + std::to_string(c.lado) + " nível " + std::to_string(c.nivel) + " bois " +
                                   std::to_string(c.pro) + "/" + std::to_string(c.contra);
        const auto mudanca = d.mudancaAposBoi(c.lado, est, c.automatica);
        ASSERT_EQ(mudanca.has_value(), c.nova.has_value()) << rotulo;
        EXPECT_EQ(p.DIFICULDADE, c.nova.value_or(c.nivel)) << rotulo;
        if (!mudanca) {
            EXPECT_TRUE(h.linhas().empty()) << rotulo;
            continue;
        }
        EXPECT_EQ(mudanca->anterior, c.nivel);
        EXPECT_EQ(mudanca->nova, *c.nova);
        EXPECT_EQ(d.parametros, *parametrosDoNivel(*c.nova)) << rotulo;
        if (c.aviso.empty()) {
            EXPECT_FALSE(mudanca->aviso.has_value()) << rotulo;
            EXPECT_TRUE(h.linhas().empty()) << rotulo;
        } else {
            ASSERT_TRUE(mudanca->aviso.has_value()) << rotulo;
            EXPECT_EQ(mudanca->aviso->texto, c.aviso);
            EXPECT_EQ(mudanca->aviso->som, c.som);
            ASSERT_EQ(h.linhas().size(), 1u) << rotulo;
            EXPECT_TRUE(h.linhas()[0].ends_with("| " + c.registro)) << h.linhas()[0];
        }
    }
}

}  // namespace
}  // namespace pelmar
