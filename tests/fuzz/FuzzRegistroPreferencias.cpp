// The preferences record on any bytes: bytes -> record -> bytes gives a record that reads back
// to itself without a correction, and a whole record that needed none is written back byte for
// byte (a flag byte other than 0 and 1 is the one thing a save normalises).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "ApoioFuzz.h"
#include "records/RegistroPreferencias.h"

using namespace pelmar;
using fuzz::exige;

namespace {

constexpr std::size_t POSICOES_LOGICAS[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 2349, 2474, 2475, 2476};

bool logicosCanonicos(std::span<const std::uint8_t> bytes) {
    return std::all_of(std::begin(POSICOES_LOGICAS), std::end(POSICOES_LOGICAS),
                       [&](std::size_t pos) { return bytes[pos] <= 1; });
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::span<const std::uint8_t> entrada(dados, tamanho);
    const LeituraPreferencias lida = preferenciasDosBytes(entrada);
    const std::vector<std::uint8_t> bytes = bytesDasPreferencias(lida.prefs);
    exige(bytes.size() == TAMANHO_PREFERENCIAS, "registro gravado com outro tamanho");

    // What the game can use: the ranges of the parameters window, a window corner on some desktop.
    const Preferencias& p = lida.prefs;
    auto entre = [](int v, int minimo, int maximo) { return v >= minimo && v <= maximo; };
    exige(entre(p.PASSOS, 1, 20) && entre(p.TEMPO, 0, 20) && entre(p.DESAPARECER, 0, 200), "animação fora da faixa");
    exige(entre(p.DIFICULDADE, 0, 10), "dificuldade fora de 0..10");
    exige(entre(p.JANELA_ESQUERDA, -100000, 100000) && entre(p.JANELA_TOPO, -100000, 100000), "janela fora da tela");
    exige(!(p.MODO_TRADICIONAL && p.BARALHO_LIMPO), "dois modos de baralho");

    const LeituraPreferencias relida = preferenciasDosBytes(bytes);
    exige(relida.notas.empty(), "o registro gravado pede correções ao ser relido");
    exige(bytesDasPreferencias(relida.prefs) == bytes, "registro -> bytes -> registro não volta ao mesmo");

    if (tamanho == TAMANHO_PREFERENCIAS && lida.notas.empty() && logicosCanonicos(entrada))
        exige(std::equal(bytes.begin(), bytes.end(), entrada.begin()), "um registro sem correções volta diferente");
    return 0;
}
