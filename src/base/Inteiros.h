#pragma once

#include <charconv>
#include <concepts>
#include <optional>
#include <string_view>

namespace pelmar {

// The whole number that `texto` is and nothing else: an optional "+" (or "-" for a signed type),
// then digits in `base`. Blanks, a second sign or a value out of T's range give no number.
template <std::integral T>
std::optional<T> inteiroDe(std::string_view texto, int base = 10) {
    if (texto.size() > 1 && texto.front() == '+' && texto[1] != '-') texto.remove_prefix(1);
    T valor{};
    const char* fim = texto.data() + texto.size();
    const auto [onde, erro] = std::from_chars(texto.data(), fim, valor, base);
    if (texto.empty() || erro != std::errc() || onde != fim) return std::nullopt;
    return valor;
}

}  // namespace pelmar
