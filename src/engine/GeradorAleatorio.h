#pragma once

#include <cstdint>

namespace pelmar {

// A small generator with a fixed algorithm, so that a seed gives the same game on every build.
class GeradorAleatorio {
public:
    explicit GeradorAleatorio(std::uint64_t semente = 0) { semeia(semente); }
    void semeia(std::uint64_t semente) { estado_ = semente; }
    // 0..n-1; 0 when n <= 0.
    int proximo(int n);

private:
    std::uint64_t estado_ = 0;
};

}  // namespace pelmar
