#pragma once

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

#include "brain/Regra.h"

namespace pelmar {

// A seat's situation in the rules' letters: trick and seat, then the twelve pattern fields R1 ..
// CARTA_J3 in field order.
struct ChaveSituacao {
    std::uint8_t rodada = 0;
    std::uint8_t posicao = 0;
    std::array<std::uint8_t, 12> padrao{};
};

inline constexpr int PRIMEIRO_CAMPO_PADRAO = R1;

// Finds the first fitting rule without scanning the table. Rules are grouped by trick and seat
// (exact fields); within a group each pattern field keeps, per letter, the set of rules whose
// field is that letter or "*", so the rules that fit are the AND of twelve bit sets and the
// winner is the lowest bit.
class IndiceCerebro {
public:
    void reconstroi(const Regra* regras, int quantidade);
    int primeiraQueServe(const ChaveSituacao& chave) const;

private:
    struct Grupo {
        std::vector<int> slots;
        std::size_t palavras = 0;
        // Per field and letter, which bit set of `bits` applies; a letter without rules of its
        // own uses the "*" set, which is entry 0.
        std::array<std::array<std::uint16_t, 256>, 12> conjunto{};
        std::array<std::size_t, 12> inicioDoCampo{};  // first word of each field's sets
        std::vector<std::uint64_t> bits;
    };
    std::unordered_map<std::uint16_t, Grupo> grupos_;
};

}  // namespace pelmar
