#include <gtest/gtest.h>

#include <filesystem>

#include "base/InstalacaoDados.h"
#include "jogo/Jogo.h"
#include "presentation/TocadorSons.h"
#include "suporte/PastaTemporaria.h"
#include "windows/PlataformaQt.h"
#include "windows/TelaQt.h"

namespace pelmar::teste {
namespace {

class TelaQtTeste : public PastaTemporaria {
protected:
    void SetUp() override {
        PastaTemporaria::SetUp();
        trabalho = std::make_unique<PastaTrabalho>(pasta);
        for (const char* arquivo : {"P-BRAIN.TXT", "PERSONALIDADES.csv"})
            std::filesystem::copy_file(std::filesystem::path(PELMAR_DADOS) / arquivo, pasta / arquivo);
        std::filesystem::copy(std::filesystem::path(PELMAR_DADOS) / "WAV", pasta / "WAV");
        sons = std::make_unique<TocadorSons>(*trabalho);
        sons->defineAtivo(false);  // lengths without noise
        tela = std::make_unique<TelaQt>(*sons, [this](int jogador) {
            retratosPedidos.push_back(jogador);
            return QImage(100, 80, QImage::Format_RGB32);
        });
        tela->aoMostrarMensagem = [this](std::string_view titulo, std::string_view texto) {
            mensagens.push_back(std::string(titulo) + ": " + std::string(texto));
        };
    }
    std::unique_ptr<PastaTrabalho> trabalho;
    std::unique_ptr<TocadorSons> sons;
    std::unique_ptr<TelaQt> tela;
    std::vector<int> retratosPedidos;
    std::vector<std::string> mensagens;
};

TEST_F(TelaQtTeste, PerguntasCaixasESonsPelasJanelasDaMesa) {
    tela->perguntaDeTruco.defineRespostaAutomatica([](const PerguntaTruco& p) { return p.valor == 3 ? 1 : 5; });
    tela->perguntaDeOnze.defineRespostaAutomatica([] { return 2; });
    PerguntaTruco pergunta;
    pergunta.chamador = 4;
    pergunta.valor = 3;
    EXPECT_EQ(tela->perguntaTruco(pergunta), 1);
    EXPECT_EQ(retratosPedidos, std::vector<int>{4});
    EXPECT_EQ(tela->perguntaOnze(), 2);

    tela->caixaMensagem("BUG !!!", "texto");
    tela->mostraErro("falhou");
    EXPECT_EQ(mensagens, (std::vector<std::string>{"BUG !!!: texto", "Pelmar: falhou"}));

    EXPECT_GT(tela->tocaSom("BATE_MESA"), 0);
    EXPECT_EQ(tela->tocaSom("NAO_EXISTE"), 0);
}

// The engine on the desktop ports: real Qt timers and events play a whole match.
TEST_F(TelaQtTeste, UmaPartidaInteiraNasPortasDoDesktop) {
    tela->perguntaDeTruco.defineRespostaAutomatica([](const PerguntaTruco&) { return 1; });
    tela->perguntaDeOnze.defineRespostaAutomatica([] { return 1; });
    PlataformaQt plataforma(5);
    Jogo jogo(plataforma, *tela, *trabalho);
    jogo.INICIALIZA_TUDO();
    jogo.chaves.MODO_DEMO = true;
    jogo.prefs.J1_JOGA_SOZINHO = true;
    jogo.chaves.SEM_ESPERA = true;
    jogo.turnos.mudaRapido(true);

    struct FimDaPartida : Ganchos {
        explicit FimDaPartida(Jogo& j) : jogo(j) {}
        Jogo& jogo;
        int partidas = 0, maos = 0;
        void maoGanha(int, int) override { ++maos; }
        void partidaGanha(int, int, int) override {
            ++partidas;
            jogo.estado.PARAR = true;
        }
    } fim(jogo);
    jogo.usaGanchos(&fim);
    jogo.turnos.NOVO_JOGO();
    EXPECT_EQ(fim.partidas, 1);
    EXPECT_GE(fim.maos, 2);
    EXPECT_TRUE(mensagens.empty()) << mensagens.front();
}

}  // namespace
}  // namespace pelmar::teste
