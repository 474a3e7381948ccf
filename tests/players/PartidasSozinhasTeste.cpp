#include <gtest/gtest.h>

#include <set>

#include "headless/PlataformaHeadless.h"
#include "headless/TelaHeadless.h"
#include "jogo/Jogo.h"
#include "records/RegistroEstatisticas.h"
#include "suporte/PastaTemporaria.h"

namespace pelmar::teste {
namespace {

// Watches every card put down and every result, passes them on to the game's own hooks, and
// stops the match loop after some matches.
struct Vigia : GanchosRepassados {
    Vigia(Jogo& j, int partidas_) : GanchosRepassados(j.ganchos()), jogo(j), partidasQueFaltam(partidas_) {}
    Jogo& jogo;
    int partidasQueFaltam;
    int cartas = 0, maos = 0, partidas = 0, vitorias = 0, boisPro = 0, boisContra = 0;
    long long pontosPro = 0, pontosContra = 0;
    std::set<int> naMao;
    // A hand of three tied tricks scores for nobody; the next has another dealer.
    int distribuidorDaMao = 0;
    int pontosJog = 0, pontosCom = 0;
    bool maoAcabou = true;
    std::vector<std::string> falhas;

    void falha(const std::string& texto) {
        if (falhas.size() < 5) falhas.push_back(texto);
    }
    void APRENDE_REGRA(int jogador, int slot, int valor, bool encoberta) override {
        GanchosRepassados::APRENDE_REGRA(jogador, slot, valor, encoberta);
        if (slot == 0) return;
        ++cartas;
        const EstadoJogo& e = jogo.estado;
        if (e.DISTRIBUIDOR != distribuidorDaMao) {
            naMao.clear();
            distribuidorDaMao = e.DISTRIBUIDOR;
        }
        const int carta = e.JOGADORES[jogador].CARTAS[slot].CARTA;
        if (!naMao.insert(carta).second) falha("carta jogada duas vezes na mão: " + std::to_string(carta));
        if (!maoAcabou && (e.PONTOS_JOG != pontosJog || e.PONTOS_COM != pontosCom)) falha("placar mudou no meio da mão");
        if (e.PONTOS_JOG > 11 || e.PONTOS_COM > 11) falha("mão jogada depois do fim da partida");
        maoAcabou = false;
        pontosJog = e.PONTOS_JOG;
        pontosCom = e.PONTOS_COM;
    }
    void maoGanha(int lado, int valor) override {
        GanchosRepassados::maoGanha(lado, valor);
        ++maos;
        (lado == 2 ? pontosPro : pontosContra) += valor;
        maoAcabou = true;
        naMao.clear();
    }
    void partidaGanha(int lado, int vencedor, int perdedor) override {
        GanchosRepassados::partidaGanha(lado, vencedor, perdedor);
        ++partidas;
        if (lado == 2) ++vitorias;
        if (vencedor < 12 || perdedor > 11) falha("partida terminou com " + std::to_string(vencedor));
        if (--partidasQueFaltam <= 0) jogo.estado.PARAR = true;
    }
    void boiGanho(int lado) override {
        GanchosRepassados::boiGanho(lado);
        ++(lado == 2 ? boisPro : boisContra);
    }
};

using PartidasSozinhas = PastaTemporaria;

TEST_F(PartidasSozinhas, EmTodosOsModosENiveisAsRegrasSeMantemEAsEstatisticasBatem) {
    struct Modo {
        const char* nome;
        bool tradicional, limpo;
    };
    const Modo modos[] = {{"paulista", false, false}, {"limpo", false, true}, {"tradicional", true, false}};
    unsigned semente = 0;
    for (const Modo& modo : modos) {
        for (int nivel : {1, 5, 10}) {
            ++semente;
            const auto aqui = pasta / (std::string(modo.nome) + std::to_string(nivel));
            std::filesystem::create_directories(aqui);
            PastaTrabalho trabalho(aqui);
            // Play needs the brain and the personalities, not the pictures and sounds.
            for (const char* arquivo : {"P-BRAIN.TXT", "PERSONALIDADES.csv"})
                std::filesystem::copy_file(std::filesystem::path(PELMAR_DADOS) / arquivo, aqui / arquivo);
            PlataformaHeadless plataforma(semente);
            TelaHeadless tela;
            Jogo jogo(plataforma, tela, trabalho);
            jogo.INICIALIZA_TUDO();
            jogo.prefs.MODO_TRADICIONAL = modo.tradicional;
            jogo.prefs.BARALHO_LIMPO = modo.limpo;
            jogo.dificuldade.DEFINE_DIFICULDADE(nivel);
            jogo.chaves.MODO_DEMO = true;
            jogo.prefs.J1_JOGA_SOZINHO = true;
            jogo.chaves.SEM_ESPERA = true;
            jogo.historico.NIVEL_HISTORICO = 0;
            Vigia vigia(jogo, 8);
            jogo.usaGanchos(&vigia);
            jogo.turnos.NOVO_JOGO();
            jogo.pontuacao.SALVA_ESTATISTICAS();

            const std::string caso = std::string(modo.nome) + " nível " + std::to_string(nivel);
            EXPECT_EQ(vigia.partidas, 8) << caso;
            EXPECT_GT(vigia.cartas, vigia.maos) << caso;
            EXPECT_TRUE(vigia.falhas.empty()) << caso << ": " << vigia.falhas.front();
            EXPECT_TRUE(tela.erros.empty()) << caso << ": " << tela.erros.front();

            Estatisticas lidas;
            CARREGA_ESTATISTICAS(lidas, trabalho);
            EXPECT_EQ(lidas.PARTIDAS, vigia.partidas) << caso;
            EXPECT_EQ(lidas.VITORIAS, vigia.vitorias) << caso;
            EXPECT_EQ(lidas.DERROTAS, vigia.partidas - vigia.vitorias) << caso;
            EXPECT_EQ(lidas.RODADAS_PRO + lidas.RODADAS_CONTRA, vigia.maos) << caso;
            EXPECT_EQ(lidas.PONTOS_PRO, vigia.pontosPro) << caso;
            EXPECT_EQ(lidas.PONTOS_CONTRA, vigia.pontosContra) << caso;
            EXPECT_EQ(lidas.BOIS_PRO, vigia.boisPro) << caso;
            EXPECT_EQ(lidas.BOIS_CONTRA, vigia.boisContra) << caso;
        }
    }
}

}  // namespace
}  // namespace pelmar::teste
