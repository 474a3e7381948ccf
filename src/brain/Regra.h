#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

namespace pelmar {

inline constexpr int MAX_REGRAS = 300000;
// Reading stops one short of the table's size.
inline constexpr int LIMITE_LEITURA = 299999;
inline constexpr int PESO_MAXIMO = 300000;

// The nineteen one-byte fields of a rule, in the order of a rule line.
enum Campo : int {
    NR_RODADA, POSICAO_RODADA, PONTO, TRUCO,
    R1, CARTA_1R, R2, CARTA_2R, R3, CARTA_3R,
    CARTA_P1, CARTA_P2, CARTA_P3, CARTA_J1, CARTA_J2, CARTA_J3,
    ACAO, ENCOBRIR, TRUCAR,
    QTE_CAMPOS
};

inline constexpr bool campoNumerico(int campo) {
    return campo == NR_RODADA || campo == POSICAO_RODADA || campo == PONTO || campo == ACAO;
}

// One rule: a situation seen by a computer seat, what to do in it, and how often it was seen.
struct Regra {
    std::array<std::uint8_t, QTE_CAMPOS> campos{};
    std::int32_t QTE = 0;

    std::uint8_t& operator[](Campo c) { return campos[static_cast<std::size_t>(c)]; }
    std::uint8_t operator[](Campo c) const { return campos[static_cast<std::size_t>(c)]; }
    char letra(Campo c) const { return static_cast<char>(campos[static_cast<std::size_t>(c)]); }

    // Same bytes in the fields [de, ate), both given as fields.
    bool igualEntre(const Regra& outra, Campo de, Campo ateInclusive) const {
        return std::equal(campos.begin() + de, campos.begin() + ateInclusive + 1, outra.campos.begin() + de);
    }
    bool operator==(const Regra&) const = default;
};

// Weights add as whole numbers and never pass the cap (nor wrap around on hand-edited extremes).
inline std::int32_t somaPesos(std::int32_t a, std::int32_t b) {
    const long long soma = static_cast<long long>(a) + b;
    if (soma > PESO_MAXIMO) return PESO_MAXIMO;
    if (soma < INT32_MIN) return INT32_MIN;
    return static_cast<std::int32_t>(soma);
}

}  // namespace pelmar
