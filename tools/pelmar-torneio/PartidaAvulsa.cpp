#include "pelmar-torneio/PartidaAvulsa.h"

#include <chrono>

#include "comum/ContagemDePartidas.h"
#include "comum/JogoSozinho.h"
#include "headless/PlataformaHeadless.h"
#include "headless/TelaHeadless.h"
#include "jogo/Jogo.h"
#include "pelmar-torneio/SementeDaPartida.h"

namespace pelmar {

std::variant<ResultadoDaPartida, std::string> jogaPartidaAvulsa(const PastaTrabalho& pasta, int nivel,
                                                                const std::string& modo, std::uint64_t semente,
                                                                long long indice) {
    const auto inicio = std::chrono::steady_clock::now();
    PlataformaHeadless plataforma(sementeDaPartida(semente, indice));
    TelaHeadless tela;
    tela.registra = false;
    Jogo jogo(plataforma, tela, pasta);
    jogo.historico.guardaLinhas = false;
    jogo.historico.NIVEL_HISTORICO = 0;
    jogo.fazDemonstracao();
    preparaJogoSozinho(jogo, AjustesDoJogoSozinho{nivel, modo, false});

    ContagemDePartidas contagem(jogo, jogo.ganchos(), 1);
    jogo.usaGanchos(&contagem);
    jogo.turnos.NOVO_JOGO();
    if (!tela.erros.empty()) return tela.erros.front();
    if (contagem.partidas != 1) return "a partida " + std::to_string(indice) + " terminou sem vencedor";

    ResultadoDaPartida r;
    r.nivel = nivel;
    r.indice = indice;
    r.vencedor = contagem.partidasCom == 1 ? 1 : 2;
    r.maos = static_cast<int>(contagem.maos);
    r.pontosCom = static_cast<int>(contagem.pontosCom);
    r.pontosJog = static_cast<int>(contagem.pontosJog);
    r.microssegundos =
        std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - inicio).count();
    return r;
}

}  // namespace pelmar
