#include <gtest/gtest.h>

#include <set>

#include "engine/Jogo.h"
#include "headless/PlataformaHeadless.h"
#include "headless/TelaHeadless.h"
#include "suporte/PastaTemporaria.h"

namespace pelmar::teste {
namespace {

// Watches every card put down and every hand and match end, and stops after some matches.
struct Vigia : GanchosDeAprendizado {
    Vigia(Jogo& j, int quantas) : GanchosDeAprendizado(j.ia.aprendizado), jogo(j), partidasQueFaltam(quantas) {}
    Jogo& jogo;
    int partidasQueFaltam;
    int cartas = 0, maos = 0, partidas = 0;
    std::set<int> naMesa;
    int pontosJog = 0, pontosCom = 0;
    bool maoAcabou = true;
    std::vector<std::string> falhas;

    void APRENDE_REGRA(int jogador, int slot, int valor, bool encoberta) override {
        GanchosDeAprendizado::APRENDE_REGRA(jogador, slot, valor, encoberta);
        if (slot == 0) return;
        ++cartas;
        const EstadoJogo& e = jogo.estado;
        const int carta = e.JOGADORES[jogador].CARTAS[slot].CARTA;
        if (!naMesa.insert(carta).second) falhas.push_back("carta jogada duas vezes: " + std::to_string(carta));
        if (!maoAcabou && (e.PONTOS_JOG != pontosJog || e.PONTOS_COM != pontosCom))
            falhas.push_back("placar mudou no meio da mão");
        maoAcabou = false;
        pontosJog = e.PONTOS_JOG;
        pontosCom = e.PONTOS_COM;
    }
    void maoGanha(int, int) override {
        ++maos;
        maoAcabou = true;
        naMesa.clear();
    }
    void partidaGanha(int, int vencedor, int perdedor) override {
        ++partidas;
        if (vencedor < 12 || perdedor > 11) falhas.push_back("partida terminou com " + std::to_string(vencedor));
        if (--partidasQueFaltam <= 0) jogo.estado.PARAR = true;
    }
};

TEST(PartidasSozinhas, QuatroComputadoresJogamPartidasInteiras) {
    for (unsigned semente : {1u, 2u, 3u}) {
        const auto pasta = std::filesystem::temp_directory_path() / ("pelmar-sozinhas-" + std::to_string(semente));
        std::filesystem::create_directories(pasta);
        PlataformaHeadless plataforma(semente);
        TelaHeadless tela;
        Jogo jogo(plataforma, tela, PastaTrabalho(pasta));
        Vigia vigia(jogo, 3);
        jogo.usaGanchos(&vigia);
        jogo.chaves.MODO_DEMO = true;
        jogo.prefs.J1_JOGA_SOZINHO = true;
        jogo.chaves.SEM_ESPERA = true;
        jogo.historico.NIVEL_HISTORICO = 0;
        jogo.turnos.NOVO_JOGO();
        EXPECT_EQ(vigia.partidas, 3) << semente;
        EXPECT_TRUE(vigia.falhas.empty()) << vigia.falhas.front();
        std::filesystem::remove_all(pasta);
    }
}

}  // namespace
}  // namespace pelmar::teste
