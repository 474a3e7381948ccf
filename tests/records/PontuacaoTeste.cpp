#include "records/Pontuacao.h"

#include <gtest/gtest.h>

#include <climits>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "records/GanchosEstatisticas.h"
#include "records/RegistroEstatisticas.h"
#include "suporte/PastaTemporaria.h"

namespace pelmar {
namespace {

// What the running-score label showed at each 1 ms wait of a count-up.
struct Quadro {
    std::string texto;
    Cor cor;
};

class PontuacaoTeste : public teste::PastaTemporaria {
protected:
    void SetUp() override {
        PastaTemporaria::SetUp();
        usaPasta(pasta);
    }

    void usaPasta(const std::filesystem::path& raiz) {
        pontuacao.reset();
        trabalho.emplace(raiz);
        pontuacao = std::make_unique<Pontuacao>(
            prefs, est, mesa, janela, historico, *trabalho,
            [this](int ms) {
                esperas.push_back(ms);
                quadros.push_back({mesa["TXT_PONTUACAO_PARCIAL"].texto, mesa["TXT_PONTUACAO_PARCIAL"].cor});
            },
            [this](const std::string& texto) { anuncios.push_back(texto); });
    }

    Estatisticas lidoDoArquivo() {
        Estatisticas e;
        EXPECT_TRUE(CARREGA_ESTATISTICAS(e, *trabalho).empty());
        return e;
    }

    std::vector<std::string> linhasComTexto(const std::string& parte) const {
        std::vector<std::string> achadas;
        for (const std::string& l : historico.linhas())
            if (l.find(parte) != std::string::npos) achadas.push_back(l);
        return achadas;
    }

    EstadoJogo estado;
    Historico historico{estado};
    ModeloMesa mesa;
    ModeloPontos janela;
    Preferencias prefs;
    Estatisticas est;
    std::optional<PastaTrabalho> trabalho;
    std::unique_ptr<Pontuacao> pontuacao;
    std::vector<int> esperas;
    std::vector<Quadro> quadros;
    std::vector<std::string> anuncios;
};

TEST_F(PontuacaoTeste, PremioEDificuldadeVezesBaseComSinalDoLado) {
    struct Caso {
        int nivel, lado, base;
        const char* rotulo;
        int parcialFinal;
        const char* anuncio;
    };
    const std::vector<Caso> casos = {
        {5, 1, 3, "", 85, "Pontos: -15"},
        {5, 2, 3, "", 115, "Pontos: 15"},
        {10, 2, 12, "", 220, "Pontos: 120"},
        {1, 1, 1, "", 99, "Pontos: -1"},
        {3, 2, 5, "ZAP TESTA", 115, "BONUS( ZAP TESTA ): 15"},
        {7, 1, 10, "DOZE A ZERO", 30, "BONUS( DOZE A ZERO ): -70"},
        // Bases play never gives: the count still ends on the award.
        {5, 2, 0, "DIFERENÇA", 100, "BONUS( DIFERENÇA ): 0"},
        {5, 2, -2, "DIFERENÇA", 90, "BONUS( DIFERENÇA ): -10"},
    };
    for (const Caso& c : casos) {
        prefs.DIFICULDADE = c.nivel;
        est.PONTUACAO_PARCIAL = 100;
        est.PONTUACAO_TOTAL = 1000;
        anuncios.clear();
        pontuacao->PONTUA(c.rotulo, c.lado, c.base);
        EXPECT_EQ(est.PONTUACAO_PARCIAL, c.parcialFinal) << c.anuncio;
        EXPECT_EQ(est.PONTUACAO_TOTAL, 1000 + c.parcialFinal - 100) << c.anuncio;
        EXPECT_EQ(anuncios, std::vector<std::string>{c.anuncio});
        EXPECT_EQ(mesa["TXT_PONTUACAO_PARCIAL"].texto, std::to_string(c.parcialFinal));
        EXPECT_EQ(mesa["TXT_PONTUACAO_PARCIAL"].cor, Cor::Preto);
    }
}

TEST_F(PontuacaoTeste, DerrotaContaParaBaixoEmVermelhoComEsperaACadaTresPassos) {
    est.PONTUACAO_PARCIAL = 100;
    pontuacao->maoGanha(1, 3);  // difficulty 5, a hand worth 3 lost
    EXPECT_EQ(est.PONTUACAO_PARCIAL, 85);
    ASSERT_EQ(quadros.size(), 5u);
    const std::vector<std::string> textos = {"97", "94", "91", "88", "85"};
    for (std::size_t i = 0; i < quadros.size(); ++i) {
        EXPECT_EQ(quadros[i].texto, textos[i]);
        EXPECT_EQ(quadros[i].cor, Cor::Vermelho);
    }
    EXPECT_EQ(esperas, std::vector<int>(5, 1));
}

TEST_F(PontuacaoTeste, VitoriaContaParaCimaEmAzul) {
    prefs.DIFICULDADE = 2;
    pontuacao->PONTUA("", 2, 3);
    ASSERT_EQ(quadros.size(), 2u);
    EXPECT_EQ(quadros[0].texto, "3");
    EXPECT_EQ(quadros[1].texto, "6");
    EXPECT_EQ(quadros[1].cor, Cor::Azul);
}

TEST_F(PontuacaoTeste, NivelZeroNaoContaPontosMasContaAsMaos) {
    prefs.DIFICULDADE = 0;
    est.PONTUACAO_PARCIAL = 40;
    pontuacao->maoGanha(2, 12);
    pontuacao->partidaGanha(2, 12, 0);
    pontuacao->PONTUA("ZAP TESTA", 2, 5);
    pontuacao->boiGanho(2);
    EXPECT_EQ(est.PONTUACAO_PARCIAL, 40);
    EXPECT_EQ(est.PONTUACAO_TOTAL, 0);
    EXPECT_TRUE(anuncios.empty());
    EXPECT_TRUE(esperas.empty());
    EXPECT_EQ(mesa["TXT_PONTUACAO_PARCIAL"].cor, Cor::Preto);
    EXPECT_EQ(est.RODADAS_PRO, 1);
    EXPECT_EQ(est.PONTOS_PRO, 12);
    EXPECT_EQ(est.VITORIAS, 1);
    EXPECT_EQ(est.BOIS_PRO, 1);
}

TEST_F(PontuacaoTeste, PremioAcimaDe5000EMostradoENaoAplicado) {
    struct Caso {
        int base, lado;
        bool aplicado;
        const char* ultimoMostrado;
    };
    const std::vector<Caso> casos = {
        {500, 2, true, "5010"},
        {500, 1, true, "-4990"},
        {501, 2, false, "5011"},   // stops one step past 5000
        {501, 1, false, "-4991"},
    };
    for (const Caso& c : casos) {
        prefs.DIFICULDADE = 10;
        est = Estatisticas{};
        est.PONTUACAO_PARCIAL = 10;
        est.RECORDE = 1000000;
        pontuacao->PONTUA("", c.lado, c.base);
        const int premio = (c.lado == 1 ? -10 : 10) * c.base;
        EXPECT_EQ(est.PONTUACAO_PARCIAL, c.aplicado ? 10 + premio : 10) << c.base;
        EXPECT_EQ(est.PONTUACAO_TOTAL, c.aplicado ? premio : 0) << c.base;
        const Controle& parcial = mesa["TXT_PONTUACAO_PARCIAL"];
        EXPECT_EQ(parcial.texto, c.ultimoMostrado) << c.base;
        EXPECT_EQ(parcial.cor, c.aplicado ? Cor::Preto : c.lado == 1 ? Cor::Vermelho : Cor::Azul) << c.base;
    }
}

TEST_F(PontuacaoTeste, NovoRecordeFicaAmareloEEAnunciado) {
    est.PONTUACAO_PARCIAL = 4990;
    pontuacao->PONTUA("", 2, 4);  // +20 at level 5
    EXPECT_EQ(est.RECORDE, 5010);
    EXPECT_EQ(mesa["TXT_PONTUACAO_RECORDE"].cor, Cor::Amarelo);
    EXPECT_EQ(mesa["TXT_PONTUACAO_RECORDE"].texto, "5010");
    EXPECT_EQ(anuncios, (std::vector<std::string>{"Pontos: 20", "Novo Record: 5010"}));

    // Equal is not a new record; the colour stays for the run.
    anuncios.clear();
    est.PONTUACAO_PARCIAL = 5000;
    pontuacao->PONTUA("", 2, 2);
    EXPECT_EQ(est.RECORDE, 5010);
    EXPECT_EQ(anuncios, std::vector<std::string>{"Pontos: 10"});
    pontuacao->LIMPA_ESTATISTICAS();
    EXPECT_EQ(mesa["TXT_PONTUACAO_RECORDE"].cor, Cor::Amarelo);
}

TEST_F(PontuacaoTeste, ParcialQuePassariaDeUmMilhaoFicaOTotalCresce) {
    struct Caso {
        int parcial, lado, parcialFinal;
    };
    const std::vector<Caso> casos = {
        {999990, 2, 999990},
        {999980, 2, 1000000},
        {-999990, 1, -999990},
        {-999980, 1, -1000000},
    };
    for (const Caso& c : casos) {
        est = Estatisticas{};
        est.PONTUACAO_PARCIAL = c.parcial;
        est.PONTUACAO_TOTAL = 7;
        pontuacao->PONTUA("", c.lado, 4);  // 20 at level 5
        EXPECT_EQ(est.PONTUACAO_PARCIAL, c.parcialFinal) << c.parcial;
        EXPECT_EQ(est.PONTUACAO_TOTAL, c.lado == 1 ? -13 : 27) << c.parcial;
        EXPECT_EQ(mesa["TXT_PONTUACAO_PARCIAL"].texto, std::to_string(c.parcialFinal));
    }
    // The record set on the way stays.
    EXPECT_EQ(est.RECORDE, 5000);
    est.PONTUACAO_PARCIAL = 999990;
    pontuacao->PONTUA("", 2, 4);
    EXPECT_EQ(est.RECORDE, 1000010);
}

TEST_F(PontuacaoTeste, TotaisNoLimiteDoInteiroNaoTransbordam) {
    prefs.DIFICULDADE = 10;
    est.PONTUACAO_TOTAL = INT_MAX - 5;
    est.RODADAS_PRO = INT_MAX;
    est.PONTOS_PRO = INT_MAX - 1;
    est.RODADAS_CONTRA = 3;
    pontuacao->maoGanha(2, 12);
    EXPECT_EQ(est.PONTUACAO_TOTAL, INT_MAX);
    EXPECT_EQ(est.RODADAS_PRO, INT_MAX);
    EXPECT_EQ(est.PONTOS_PRO, INT_MAX);
    EXPECT_EQ(est.RODADAS, INT_MAX);
}

TEST_F(PontuacaoTeste, CartasContadasAteOMilesimoQueZeraAParcial) {
    struct Caso {
        int antes, depois, parcialDepois;
        bool visivel;
    };
    const std::vector<Caso> casos = {
        {0, 1, 321, false},
        {898, 899, 321, false},
        {899, 900, 321, true},
        {998, 999, 321, true},
        {999, 0, 0, false},
    };
    for (const Caso& c : casos) {
        est.CARTAS_JOGADAS = c.antes;
        est.PONTUACAO_PARCIAL = 321;
        mesa["TXT_PONTUACAO_PARCIAL"].texto = "321";
        pontuacao->CONTA_CARTA_JOGADA();
        const std::string texto = std::to_string(c.depois) + "/999";
        EXPECT_EQ(est.CARTAS_JOGADAS, c.depois) << c.antes;
        EXPECT_EQ(est.PONTUACAO_PARCIAL, c.parcialDepois) << c.antes;
        EXPECT_EQ(mesa["TXT_PONTUACAO_PARCIAL"].texto, std::to_string(c.parcialDepois)) << c.antes;
        EXPECT_EQ(mesa["TXT_QTE_RODADAS"].visivel, c.visivel) << c.antes;
        EXPECT_EQ(mesa["TXT_QTE_RODADAS"].texto, texto) << c.antes;
        ASSERT_FALSE(historico.linhas().empty());
        EXPECT_TRUE(historico.linhas().back().ends_with("| Cartas " + texto)) << historico.linhas().back();
        const Estatisticas salvas = lidoDoArquivo();
        EXPECT_EQ(salvas.CARTAS_JOGADAS, c.depois) << c.antes;
        EXPECT_EQ(salvas.PONTUACAO_PARCIAL, c.parcialDepois) << c.antes;
    }
}

TEST_F(PontuacaoTeste, PartidaContaEPremiaADiferenca) {
    struct Caso {
        int lado, vencedor, perdedor;
        std::vector<std::string> anuncios;
        int parcial, vitorias, derrotas;
    };
    const std::vector<Caso> casos = {
        {2, 12, 5, {"BONUS( RODADA ): 50", "BONUS( DIFERENÇA ): 105"}, 155, 1, 0},
        {1, 13, 11, {"BONUS( PARTIDA ): -50", "BONUS( DIFERENÇA ): -30"}, -80, 0, 1},
    };
    for (const Caso& c : casos) {
        est = Estatisticas{};
        anuncios.clear();
        pontuacao->partidaGanha(c.lado, c.vencedor, c.perdedor);
        EXPECT_EQ(anuncios, c.anuncios);
        EXPECT_EQ(est.PONTUACAO_PARCIAL, c.parcial);
        EXPECT_EQ(est.PARTIDAS, 1);
        EXPECT_EQ(est.VITORIAS, c.vitorias);
        EXPECT_EQ(est.DERROTAS, c.derrotas);
    }
}

TEST_F(PontuacaoTeste, MaoGanhaSomaAoLadoCertoERecalculaAsRodadas) {
    prefs.DIFICULDADE = 1;
    pontuacao->maoGanha(2, 3);
    pontuacao->maoGanha(1, 12);
    pontuacao->maoGanha(1, 1);
    EXPECT_EQ(est.RODADAS_PRO, 1);
    EXPECT_EQ(est.PONTOS_PRO, 3);
    EXPECT_EQ(est.RODADAS_CONTRA, 2);
    EXPECT_EQ(est.PONTOS_CONTRA, 13);
    EXPECT_EQ(est.RODADAS, 3);
    EXPECT_EQ(est.PONTUACAO_PARCIAL, -10);
}

TEST_F(PontuacaoTeste, BoiPremiaContaESalvaNaHora) {
    pontuacao->boiGanho(1);
    pontuacao->boiGanho(2);
    pontuacao->boiGanho(1);
    EXPECT_EQ(est.BOIS_CONTRA, 2);
    EXPECT_EQ(est.BOIS_PRO, 1);
    EXPECT_EQ(est.PONTUACAO_PARCIAL, -150);
    const Estatisticas salvas = lidoDoArquivo();
    EXPECT_EQ(salvas.BOIS_CONTRA, 2);
    EXPECT_EQ(salvas.BOIS_PRO, 1);
}

TEST_F(PontuacaoTeste, MostraOsContadoresNaJanelaENaMesa) {
    est.BOIS_PRO = 1;
    est.BOIS_CONTRA = 2;
    est.VITORIAS = 3;
    est.DERROTAS = 4;
    est.RODADAS_PRO = 5;
    est.RODADAS_CONTRA = 6;
    est.PONTOS_PRO = 7;
    est.PONTOS_CONTRA = 8;
    est.PARTIDAS = 9;
    est.PONTUACAO_PARCIAL = -12;
    est.RECORDE = 6000;
    est.CARTAS_JOGADAS = 17;
    pontuacao->MOSTRA_ESTATISTICAS();
    EXPECT_EQ(janela.BOI_PRO, "1");
    EXPECT_EQ(janela.BOI_CONTRA, "2");
    EXPECT_EQ(janela.VITORIAS, "3");
    EXPECT_EQ(janela.DEROTAS, "4");
    EXPECT_EQ(janela.RODADAS_PRO, "5");
    EXPECT_EQ(janela.RODADAS_CONTRA, "6");
    EXPECT_EQ(janela.PONTOS_PRO, "7");
    EXPECT_EQ(janela.PONTOS_CONTRA, "8");
    EXPECT_EQ(janela.RODADAS, "11");
    EXPECT_EQ(janela.PARTIDAS, "9");
    EXPECT_FALSE(janela.visivel);
    EXPECT_EQ(mesa["TXT_PONTUACAO_PARCIAL"].texto, "-12");
    EXPECT_EQ(mesa["TXT_PONTUACAO_RECORDE"].texto, "6000");
    EXPECT_EQ(mesa["TXT_QTE_RODADAS"].texto, "17/999");
    EXPECT_EQ(mesa["TXT_PONTUACAO_PARCIAL"].dica, "Pontuação atual da partida");
    EXPECT_EQ(mesa["TXT_PONTUACAO_RECORDE"].dica, "Pontuação Recorde");
    EXPECT_EQ(mesa["TXT_QTE_RODADAS"].dica, "Quantidade / Limite de Cartas jogadas na mesa");
}

TEST_F(PontuacaoTeste, LimparZeraSalvaMostraEGuardaOsReservados) {
    est.PARTIDAS = 8;
    est.BOIS_PRO = 6;
    est.RECORDE = 9000;
    est.PONTUACAO_PARCIAL = 700;
    est.CARTAS_JOGADAS = 950;
    for (std::size_t i = 0; i < est.reservados.size(); ++i) est.reservados[i] = 40 + static_cast<int>(i);
    const auto reservados = est.reservados;
    mesa["TXT_QTE_RODADAS"].visivel = true;
    pontuacao->LIMPA_ESTATISTICAS();

    const Estatisticas salvas = lidoDoArquivo();
    const Estatisticas* const ambas[] = {&est, &salvas};
    for (const Estatisticas* e : ambas) {
        EXPECT_EQ(e->PARTIDAS, 0);
        EXPECT_EQ(e->BOIS_PRO, 0);
        EXPECT_EQ(e->RECORDE, 5000);
        EXPECT_EQ(e->PONTUACAO_PARCIAL, 0);
        EXPECT_EQ(e->CARTAS_JOGADAS, 0);
        EXPECT_EQ(e->reservados, reservados);
    }
    EXPECT_TRUE(janela.visivel);
    EXPECT_EQ(janela.PARTIDAS, "0");
    EXPECT_EQ(mesa["TXT_PONTUACAO_RECORDE"].texto, "5000");
    EXPECT_EQ(mesa["TXT_QTE_RODADAS"].texto, "0/999");
    EXPECT_FALSE(mesa["TXT_QTE_RODADAS"].visivel);
}

TEST_F(PontuacaoTeste, FalhaAoSalvarVaiParaOHistoricoEOJogoSegue) {
    usaPasta(pasta / "nao-existe");
    pontuacao->CONTA_CARTA_JOGADA();
    EXPECT_EQ(est.CARTAS_JOGADAS, 1);
    EXPECT_EQ(linhasComTexto("Não foi possível gravar").size(), 1u);
}

// The learning side of the hooks, to see what reaches it.
class AprendizadoEspiao : public Ganchos {
public:
    void APRENDE_REGRA(int jogador, int slot, int valor, bool encoberta) override {
        chamadas.push_back({jogador, slot, valor, encoberta ? 1 : 0});
    }
    std::vector<std::vector<int>> chamadas;
};

TEST_F(PontuacaoTeste, GanchosLevamOAprendizadoEOsResultadosCadaUmAoSeu) {
    AprendizadoEspiao aprendizado;
    GanchosEstatisticas ganchos(aprendizado, *pontuacao);
    Ganchos& g = ganchos;
    g.APRENDE_REGRA(1, 2, 0, true);
    g.maoGanha(2, 3);
    g.bonus("ZAP TESTA", 1, 5);
    g.partidaGanha(1, 12, 4);
    g.boiGanho(2);
    EXPECT_EQ(aprendizado.chamadas, (std::vector<std::vector<int>>{{1, 2, 0, 1}}));
    EXPECT_EQ(anuncios, (std::vector<std::string>{"Pontos: 15", "BONUS( ZAP TESTA ): -25", "BONUS( PARTIDA ): -50",
                                                  "BONUS( DIFERENÇA ): -120", "BONUS( BOI ): 150"}));
    EXPECT_EQ(est.RODADAS_PRO, 1);
    EXPECT_EQ(est.DERROTAS, 1);
    EXPECT_EQ(est.BOIS_PRO, 1);
    EXPECT_EQ(janela.DEROTAS, "1") << "a finished match is shown at once";
    est.PARTIDAS = 41;
    g.MOSTRA_ESTATISTICAS();
    EXPECT_EQ(janela.PARTIDAS, "41");
}

}  // namespace
}  // namespace pelmar
