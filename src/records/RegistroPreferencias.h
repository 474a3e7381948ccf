#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "base/PastaTrabalho.h"
#include "engine/Preferencias.h"

namespace pelmar {

inline constexpr std::size_t TAMANHO_PREFERENCIAS = 2477;
inline constexpr std::string_view ARQUIVO_PREFERENCIAS = "PREFERENCIAS_6.2.1.PLM";

// The whole record as the file holds it: always TAMANHO_PREFERENCIAS bytes.
std::vector<std::uint8_t> bytesDasPreferencias(const Preferencias& prefs);

struct LeituraPreferencias {
    Preferencias prefs;
    std::vector<std::string> notas;  // each value that had to be corrected
};

// The defaults, overwritten by each field the bytes hold in full. Every value is brought into
// what the game can use: a number outside its range (animation timings, difficulty, the window's
// corner) keeps its default, names are cut to their fields, and one deck mode only.
LeituraPreferencias preferenciasDosBytes(std::span<const std::uint8_t> bytes);

// The start-up load: the defaults, then the file over them (see carregaRegistro for a missing,
// unreadable or short file). The user's seat always starts played by the user. Returns the notes
// for the history log.
std::vector<std::string> CARREGA_PREFERENCIAS(Preferencias& prefs, const PastaTrabalho& pasta);

// Returns the error message, nullopt on success; the record in memory is never touched.
std::optional<std::string> SALVA_PREFERENCIAS(const Preferencias& prefs, const PastaTrabalho& pasta);

}  // namespace pelmar
