// The statistics record on any bytes: bytes -> record -> bytes gives a record that reads back to
// itself without a correction, and a whole record that needed none is written back byte for byte.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "ApoioFuzz.h"
#include "base/CamposBinarios.h"
#include "records/RegistroEstatisticas.h"

using namespace pelmar;
using fuzz::exige;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::span<const std::uint8_t> entrada(dados, tamanho);
    const LeituraEstatisticas lida = estatisticasDosBytes(entrada);
    const std::vector<std::uint8_t> bytes = bytesDasEstatisticas(lida.estatisticas);
    exige(bytes.size() == TAMANHO_ESTATISTICAS, "registro gravado com outro tamanho");

    // What play can reach: counters that add in pairs without overflow, a running score and its
    // card count inside their limits.
    const Estatisticas& e = lida.estatisticas;
    for (int contador : {e.PARTIDAS, e.BOIS_PRO, e.BOIS_CONTRA, e.VITORIAS, e.DERROTAS, e.RODADAS_PRO,
                         e.RODADAS_CONTRA, e.PONTOS_PRO, e.PONTOS_CONTRA})
        exige(contador >= 0 && contador <= 1000000000, "contador fora de 0..1000000000");
    exige(e.CARTAS_JOGADAS >= 0 && e.CARTAS_JOGADAS <= 999, "cartas jogadas fora de 0..999");
    exige(e.PONTUACAO_PARCIAL >= 0 && e.PONTUACAO_PARCIAL <= 1000000, "pontuação parcial fora de 0..1000000");

    const LeituraEstatisticas relida = estatisticasDosBytes(bytes);
    exige(relida.notas.empty(), "o registro gravado pede correções ao ser relido");
    exige(bytesDasEstatisticas(relida.estatisticas) == bytes, "registro -> bytes -> registro não volta ao mesmo");

    // A negative running score starts again from zero without a note (every run does it).
    constexpr std::size_t PONTUACAO_PARCIAL = 48;
    if (tamanho == TAMANHO_ESTATISTICAS && lida.notas.empty() && leInteiro32(entrada, PONTUACAO_PARCIAL) >= 0)
        exige(std::equal(bytes.begin(), bytes.end(), entrada.begin()), "um registro sem correções volta diferente");
    return 0;
}
