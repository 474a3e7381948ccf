#pragma once

#include <deque>
#include <vector>

#include "headless/PlataformaHeadless.h"

namespace pelmar::teste {

// A headless platform whose random draws can be dictated: queued answers come first, then the
// seeded generator. Every draw's range is recorded, so a test sees which chances were asked.
class PlataformaRoteirizada : public PlataformaHeadless {
public:
    using PlataformaHeadless::PlataformaHeadless;

    int aleatorio(int n) override {
        pedidos.push_back(n);
        if (respostas.empty()) return PlataformaHeadless::aleatorio(n);
        const int r = respostas.front();
        respostas.pop_front();
        return r;
    }

    std::deque<int> respostas;
    std::vector<int> pedidos;
};

}  // namespace pelmar::teste
