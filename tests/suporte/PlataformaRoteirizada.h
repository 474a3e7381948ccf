#pragma once

#include <deque>
#include <functional>
#include <vector>

#include "headless/PlataformaHeadless.h"

namespace pelmar::teste {

// A headless platform whose random draws can be dictated: queued answers come first, then the
// answer by range (when set), then the seeded generator. Every draw's range is recorded, so a
// test sees which chances were asked.
class PlataformaRoteirizada : public PlataformaHeadless {
public:
    using PlataformaHeadless::PlataformaHeadless;

    int aleatorio(int n) override {
        pedidos.push_back(n);
        if (!respostas.empty()) {
            const int r = respostas.front();
            respostas.pop_front();
            return r;
        }
        if (porFaixa) return porFaixa(n);
        return PlataformaHeadless::aleatorio(n);
    }

    std::deque<int> respostas;
    // Chance(n) comes true when the draw of range n answers 1.
    std::function<int(int n)> porFaixa;
    std::vector<int> pedidos;
};

}  // namespace pelmar::teste
