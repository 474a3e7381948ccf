// The personality table file on any bytes, read and drawn the way the game does at each match
// series: at most 100 rows, each with a key that fits a seat's name, every seat with a row, and
// think times a player can sit through.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ApoioFuzz.h"
#include "base/ArquivoTexto.h"
#include "base/PastaTrabalho.h"
#include "engine/Estado.h"
#include "engine/Historico.h"
#include "engine/ModeloMesa.h"
#include "engine/Pausa.h"
#include "engine/Preferencias.h"
#include "headless/PlataformaHeadless.h"
#include "players/Personalidades.h"

using namespace pelmar;
using fuzz::exige;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    // The table model is costly to build and the draw only writes the name labels on it.
    static ModeloMesa mesa;
    const auto& pasta = fuzz::PastaDoProcesso::caminho();
    fuzz::gravaArquivo(pasta / Personalidades::ARQUIVO, fuzz::comoTexto(dados, tamanho));

    PlataformaHeadless plataforma(static_cast<std::uint64_t>(tamanho));
    EstadoJogo estado;
    ChavesDaSessao chaves;
    Pausa pausa(plataforma, estado, chaves);
    Historico historico(estado);
    Preferencias prefs;
    const PastaTrabalho trabalho(pasta);
    Personalidades personalidades(prefs, pausa, historico, trabalho, mesa);
    personalidades.SORTEIA_PERSONALIDADES();

    exige(personalidades.NR_PERSONALIDADES >= 0 && personalidades.NR_PERSONALIDADES <= MAX_PERSONALIDADES,
          "número de personalidades fora de 0..100");
    auto chance = [](int n) { return n >= -CHANCE_MAXIMA && n <= CHANCE_MAXIMA; };
    auto tempo = [](int ms) { return ms >= 0 && ms <= TEMPO_MAXIMO_MS; };
    for (int i = 1; i <= personalidades.NR_PERSONALIDADES; ++i) {
        const LinhaPersonalidade& p = personalidades.PERSONALIDADE[i];
        exige(!p.CHAVE.empty() && comprimentoUtf8(p.CHAVE) <= TAMANHO_NOME_JOGADOR, "chave vazia ou longa demais");
        exige(!p.PERSONAGEM.empty(), "personagem vazio");
        exige(tempo(p.TEMPO_MINIMO) && tempo(p.TEMPO_EXTRA), "tempo de pensar fora da faixa");
        bool chances = chance(p.CHANCE_SINAL_FALSO) && chance(p.CHANCE_GESTO) && chance(p.CHANCE_FALA);
        for (int r = 1; r <= 3; ++r) chances = chances && chance(p.CHANCE_SINAL[r]);
        for (const SituacaoPersonalidade& s : p.SITUACOES)
            for (int v : s.valores()) chances = chances && chance(v);
        exige(chances, "chance fora da faixa");
    }
    for (int jogador = 1; jogador <= 4; ++jogador) {
        exige(!personalidades.PERSONALIDADE_JOGADOR[jogador].CHAVE.empty(), "cadeira sem personalidade");
        const int ms = personalidades.tempoDePensarMs(jogador);
        exige(ms >= 0 && ms < 2 * TEMPO_MAXIMO_MS, "tempo de pensar de " + std::to_string(ms) + " ms");
    }
    return 0;
}
