#pragma once

#include <QString>

#include <vector>

// Sounds are handled as floating-point samples in [-1, 1] at one fixed rate; only the edges of
// the generator touch WAV bytes.
namespace pelmar::gerador {

inline constexpr int TAXA_AMOSTRAGEM = 22050;

using Amostras = std::vector<float>;

// 16-bit PCM, mono, TAXA_AMOSTRAGEM. Samples beyond full scale are clamped. Throws
// std::runtime_error naming the file when it cannot be written.
void gravaWav(const QString& caminho, const Amostras& amostras);

// Reads a 16-bit PCM WAV of any rate and channel count, mixed down to mono and resampled to
// TAXA_AMOSTRAGEM. Throws std::runtime_error naming the file when it is unreadable or not such
// a WAV.
Amostras leWav(const QString& caminho);

}  // namespace pelmar::gerador
