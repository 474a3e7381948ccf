#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <unordered_map>

#include "brain/Cerebro.h"
#include "brain/Regra.h"

namespace pelmar {

// Folds equal rules (all nineteen fields) as they are read into the table, the way folding exact
// duplicates after reading would: the first copy with a weight takes the later ones' weights, and
// the table holds each distinct rule once. The learning log is mostly repeats, so a join reads a
// log far longer than the table through this.
class DobraNaLeitura {
public:
    explicit DobraNaLeitura(Cerebro& cerebro) : cerebro_(cerebro) {}

    // False when the rule is new and the table's reading limit is already reached.
    bool acrescenta(const Regra& regra);

private:
    using Campos = std::array<std::uint8_t, QTE_CAMPOS>;
    struct Espalha {
        std::size_t operator()(const Campos& campos) const;
    };

    Cerebro& cerebro_;
    // The slot that takes the next equal rule's weight, 0 when none does.
    std::unordered_map<Campos, int, Espalha> absorve_;
};

}  // namespace pelmar
