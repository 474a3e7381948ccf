#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <variant>

namespace pelmar {

// What the player needs from a sound file's header.
struct CabecalhoWav {
    std::uint32_t canais = 0;
    std::uint32_t taxa = 0;          // samples per second
    std::uint64_t bytesDados = 0;    // of the data chunk, cut to what the file really holds

    // Whole milliseconds of 16-bit sound.
    int duracaoMs() const;
};

// Reads the header of a 16-bit PCM WAV, skipping chunks it does not need and never reading the
// samples; a rate below 1000 Hz is refused. On failure, the reason in words (for the history log).
std::variant<CabecalhoWav, std::string> leCabecalhoWav(const std::filesystem::path& arquivo);

}  // namespace pelmar
