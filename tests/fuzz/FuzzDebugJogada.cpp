// TXT\DEBUG.TXT on any bytes, loaded the way the "Carregar DEBUG.TXT" menu does in the middle of
// a hand, then played on by the computer at every seat: the interrupted hand ends, the next ones
// are dealt from the snapshot when it held a whole deal, and after every hand the scores are
// those of a match in progress.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ApoioFuzz.h"
#include "headless/PlataformaHeadless.h"
#include "headless/TelaHeadless.h"
#include "jogo/Jogo.h"

using namespace pelmar;
using fuzz::exige;

namespace {

constexpr int MAOS = 4;

// The game's own players, with the load made as the first card of the run is awaited.
class CarregaNaPrimeiraJogada : public Decisoes {
public:
    Jogo* jogo = nullptr;

    DecisaoJogada DECIDE_JOGADA(int jogador) override {
        if (!carregou_) {
            carregou_ = true;
            jogo->carregaDebug();
        }
        return c().DECIDE_JOGADA(jogador);
    }
    DecisaoJogada JOGADA_ORDENADA(int jogador, bool maior, bool encobrir) override {
        return c().JOGADA_ORDENADA(jogador, maior, encobrir);
    }
    bool computadorQuerTrucar(int jogador, int valor, bool forcar) override {
        return c().computadorQuerTrucar(jogador, valor, forcar);
    }
    bool computadorAceita(int valor) override { return c().computadorAceita(valor); }
    bool computadorJogaMaoDeOnze() override { return c().computadorJogaMaoDeOnze(); }
    bool parceiroJogaMaoDeOnze() override { return c().parceiroJogaMaoDeOnze(); }
    bool GUARDA_CARTA(int jogador, bool& trucar, bool& encobrir) override {
        return c().GUARDA_CARTA(jogador, trucar, encobrir);
    }
    int tempoDePensarMs(int jogador) override { return c().tempoDePensarMs(jogador); }
    bool PEDE_PERMISSAO(bool desejo) override { return c().PEDE_PERMISSAO(desejo); }
    void pseudoCerebro() override { c().pseudoCerebro(); }
    std::string estatisticaDeRegras(int jogador) override { return c().estatisticaDeRegras(jogador); }

private:
    JogadoresComputador& c() { return jogo->computador; }
    bool carregou_ = false;
};

bool placarDePartida(const EstadoJogo& e) {
    return e.PONTOS_JOG >= 0 && e.PONTOS_JOG <= 11 && e.PONTOS_COM >= 0 && e.PONTOS_COM <= 11;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const auto& raiz = fuzz::PastaDoProcesso::caminho();
    fuzz::gravaArquivo(raiz / "TXT" / "DEBUG.TXT", fuzz::comoTexto(dados, tamanho));

    PlataformaHeadless plataforma(1);
    TelaHeadless tela;
    CarregaNaPrimeiraJogada decisoes;
    Jogo jogo(plataforma, tela, decisoes, PastaTrabalho(raiz));
    decisoes.jogo = &jogo;
    jogo.prefs.J1_JOGA_SOZINHO = true;
    jogo.prefs.J3_JOGA_SOZINHO = true;
    jogo.prefs.CEREBRO_APRENDE_REGRAS = false;  // nothing piles up in the folder between inputs
    jogo.chaves.MODO_DEMO = true;
    jogo.chaves.SEM_ESPERA = true;
    jogo.historico.NIVEL_HISTORICO = 3;

    jogo.estado.PARAR = false;
    jogo.estado.JOGO_EM_ANDAMENTO = true;
    for (int mao = 1; mao <= MAOS && !jogo.estado.PARAR; ++mao) {
        jogo.turnos.jogaUmaMao();
        exige(placarDePartida(jogo.estado), "placar fora de 0..11 depois da mão " + std::to_string(mao) + ": " +
                                                std::to_string(jogo.estado.PONTOS_JOG) + " a " +
                                                std::to_string(jogo.estado.PONTOS_COM));
    }
    return 0;
}
