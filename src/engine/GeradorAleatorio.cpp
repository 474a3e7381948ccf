#include "engine/GeradorAleatorio.h"

namespace pelmar {

int GeradorAleatorio::proximo(int n) {
    if (n <= 0) return 0;
    // splitmix64
    estado_ += 0x9E3779B97F4A7C15ULL;
    std::uint64_t z = estado_;
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<int>(z % static_cast<std::uint64_t>(n));
}

}  // namespace pelmar
