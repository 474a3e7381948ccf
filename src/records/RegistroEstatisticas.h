#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/PastaTrabalho.h"
#include "engine/Estatisticas.h"

namespace pelmar {

inline constexpr std::size_t TAMANHO_ESTATISTICAS = 104;
inline constexpr std::string_view ARQUIVO_ESTATISTICAS = "ESTATISTICAS_6.2.1.PLM";

// The whole record as the file holds it: always TAMANHO_ESTATISTICAS bytes.
std::vector<std::uint8_t> bytesDasEstatisticas(const Estatisticas& estatisticas);

struct LeituraEstatisticas {
    Estatisticas estatisticas;
    std::vector<std::string> notas;  // each value that had to be corrected
};

// The reset values, overwritten by each integer the bytes hold in full. A match, boi, hand or
// point counter outside 0..1000000000 goes back to its reset value. A negative running score
// starts again from zero, with its card count; so do a card count outside 0..999 and a running
// score above a million, which play cannot reach.
LeituraEstatisticas estatisticasDosBytes(std::span<const std::uint8_t> bytes);

// Every counter, the running score and the record back to their reset values; the reserved
// integers are kept as read.
void zeraEstatisticas(Estatisticas& estatisticas);

// The start-up load (see carregaRegistro for a missing, unreadable or short file). Returns the
// notes for the history log.
std::vector<std::string> CARREGA_ESTATISTICAS(Estatisticas& estatisticas, const PastaTrabalho& pasta);

// Returns the error message, nullopt on success.
std::optional<std::string> SALVA_ESTATISTICAS(const Estatisticas& estatisticas, const PastaTrabalho& pasta);

}  // namespace pelmar
