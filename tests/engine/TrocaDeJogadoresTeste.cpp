#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "headless/TelaHeadless.h"
#include "jogo/Jogo.h"
#include "suporte/PastaTemporaria.h"
#include "suporte/PlataformaRoteirizada.h"

namespace pelmar::teste {
namespace {

// Notes the virtual time each sound starts at.
struct TelaComRelogio : TelaHeadless {
    explicit TelaComRelogio(const Plataforma& p) : plataforma(p) {}
    int tocaSom(std::string_view chave) override {
        inicios.push_back(plataforma.agoraMs());
        if (aoTocar) aoTocar();
        return TelaHeadless::tocaSom(chave);
    }
    const Plataforma& plataforma;
    std::vector<long long> inicios;
    std::function<void()> aoTocar;
};

class TrocaDeJogadoresTeste : public PastaTemporaria {
protected:
    void SetUp() override {
        PastaTemporaria::SetUp();
        std::filesystem::copy_file(std::filesystem::path(PELMAR_DADOS) / "PERSONALIDADES.csv",
                                   pasta / "PERSONALIDADES.csv");
        jogo = std::make_unique<Jogo>(plataforma, tela, PastaTrabalho(pasta));
        jogo->estado.PARAR = false;  // as in a running game; a stopped one is a case of its own
    }
    void TearDown() override {
        jogo.reset();
        PastaTemporaria::TearDown();
    }

    PlataformaRoteirizada plataforma{11};
    TelaComRelogio tela{plataforma};
    std::unique_ptr<Jogo> jogo;
};

TEST_F(TrocaDeJogadoresTeste, DezADezenoveSorteiosCadaUmMaisDevagar) {
    struct Caso {
        int sorteado;  // the random 0..9
        int sorteios;
    };
    for (const Caso c : {Caso{0, 10}, Caso{9, 19}}) {
        SCOPED_TRACE(c.sorteios);
        tela.sons.clear();
        tela.inicios.clear();
        plataforma.pedidos.clear();
        plataforma.respostas = {c.sorteado};
        jogo->troca.TROCA_JOGADORES();
        const long long fim = plataforma.agoraMs();

        EXPECT_EQ(plataforma.pedidos.front(), 10);
        EXPECT_EQ(tela.sons, std::vector<std::string>(static_cast<std::size_t>(c.sorteios), "IA-1"));
        ASSERT_EQ(tela.inicios.size(), static_cast<std::size_t>(c.sorteios));
        EXPECT_EQ(jogo->personalidades.NR_PERSONALIDADES, 10);
        // Each sound is followed by its pause (5, 25, 45 … ms) before the next draw. Waits
        // sleep in whole 10 ms steps, and the virtual clock adds a millisecond for every round
        // of events served meanwhile.
        long long anterior = 0;
        for (std::size_t i = 0; i < tela.inicios.size(); ++i) {
            const long long pausa = 5 + 20 * static_cast<long long>(i);
            const long long ate = i + 1 < tela.inicios.size() ? tela.inicios[i + 1] : fim;
            const long long intervalo = ate - tela.inicios[i];
            EXPECT_GE(intervalo, pausa - 10) << i;
            EXPECT_LE(intervalo, pausa + pausa / 10 + 5) << i;
            EXPECT_GT(intervalo, anterior) << i;
            anterior = intervalo;
        }
    }
}

TEST_F(TrocaDeJogadoresTeste, ParadaEncurtaATrocaMasUmSorteioSempreHa) {
    struct Caso {
        const char* nome;
        bool paradoAntes;
        int paraNoSom;  // 0: never
        std::size_t sons;
    };
    const Caso casos[] = {{"menu com o jogo parado", true, 0, 1}, {"parada no meio", false, 3, 3}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        tela.sons.clear();
        jogo->estado.PARAR = c.paradoAntes;
        tela.aoTocar = [&] {
            if (static_cast<int>(tela.sons.size()) + 1 == c.paraNoSom) jogo->estado.PARAR = true;
        };
        plataforma.respostas = {9};
        jogo->troca.TROCA_JOGADORES();
        EXPECT_EQ(tela.sons.size(), c.sons);
        EXPECT_EQ(jogo->personalidades.NR_PERSONALIDADES, 10);
    }
}

TEST_F(TrocaDeJogadoresTeste, TabelaIlegivelMostraUmErroSoPorTroca) {
    std::filesystem::remove(pasta / "PERSONALIDADES.csv");
    jogo->troca.TROCA_JOGADORES();
    EXPECT_GE(tela.sons.size(), 10u);
    ASSERT_EQ(tela.erros.size(), 1u);
    EXPECT_NE(tela.erros[0].find("PERSONALIDADES.csv"), std::string::npos);
}

}  // namespace
}  // namespace pelmar::teste
