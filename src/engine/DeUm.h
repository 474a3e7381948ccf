#pragma once

#include <array>
#include <cstddef>

namespace pelmar {

// Players, seats, slots and tricks all count from 1 in the rules; a table indexed the same way
// keeps every formula as the rules write it. Out-of-range access throws instead of corrupting.
template <class T, std::size_t N>
struct DeUm {
    std::array<T, N> itens{};

    T& operator[](int i) { return itens.at(static_cast<std::size_t>(i - 1)); }
    const T& operator[](int i) const { return itens.at(static_cast<std::size_t>(i - 1)); }
    static constexpr int tamanho() { return static_cast<int>(N); }
    auto begin() { return itens.begin(); }
    auto end() { return itens.end(); }
    auto begin() const { return itens.begin(); }
    auto end() const { return itens.end(); }
};

}  // namespace pelmar
