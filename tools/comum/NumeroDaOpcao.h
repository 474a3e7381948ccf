#pragma once

#include <optional>
#include <string>

#include "base/Inteiros.h"

namespace pelmar {

// The value of a numeric command-line option, when it is a whole number in [minimo, maximo].
inline std::optional<long long> numeroEntre(const std::string& texto, long long minimo, long long maximo) {
    const std::optional<long long> lido = inteiroDe<long long>(texto);
    if (!lido || *lido < minimo || *lido > maximo) return std::nullopt;
    return lido;
}

}  // namespace pelmar
