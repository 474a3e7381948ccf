#pragma once

#include <cstdint>

namespace pelmar {

// The seed of match `indice` of a run: the same at every level, so each level is dealt from the
// same start, and independent of which worker plays it or when.
inline std::uint64_t sementeDaPartida(std::uint64_t semente, long long indice) {
    // splitmix64's finaliser over the run's seed and the index: neighbouring indices land far apart.
    std::uint64_t z = semente + 0x9E3779B97F4A7C15ull * (static_cast<std::uint64_t>(indice) + 1);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

}  // namespace pelmar
