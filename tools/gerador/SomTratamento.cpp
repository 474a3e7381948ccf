#include "SomTratamento.h"

#include <algorithm>
#include <cmath>

namespace pelmar::gerador {

Amostras aparaSilencio(const Amostras& s, double limiar, double margem) {
    const auto alto = [&](float a) { return std::fabs(a) > limiar; };
    const auto ini = std::find_if(s.begin(), s.end(), alto);
    if (ini == s.end()) return {};
    const auto fim = std::find_if(s.rbegin(), s.rend(), alto).base();
    const auto m = static_cast<std::ptrdiff_t>(margem * TAXA_AMOSTRAGEM);
    const auto a = std::max(ini - s.begin() - m, std::ptrdiff_t{0});
    const auto b = std::min(fim - s.begin() + m, static_cast<std::ptrdiff_t>(s.size()));
    return Amostras(s.begin() + a, s.begin() + b);
}

void suaviza(Amostras& s, double entrada, double saida) {
    const std::size_t n = s.size();
    const auto ne = std::min(n, static_cast<std::size_t>(entrada * TAXA_AMOSTRAGEM));
    const auto ns = std::min(n, static_cast<std::size_t>(saida * TAXA_AMOSTRAGEM));
    for (std::size_t i = 0; i < ne; ++i) s[i] *= static_cast<float>(static_cast<double>(i) / static_cast<double>(ne));
    for (std::size_t i = 0; i < ns; ++i)
        s[n - 1 - i] *= static_cast<float>(static_cast<double>(i) / static_cast<double>(ns));
}

void normaliza(Amostras& s, double pico) {
    float maior = 0;
    for (float a : s) maior = std::max(maior, std::fabs(a));
    if (maior <= 0) return;
    const auto g = static_cast<float>(pico / maior);
    for (float& a : s) a *= g;
}

void enfatiza(Amostras& s, double forca) {
    normaliza(s, 1.0);
    const double t = std::tanh(forca);
    for (float& a : s) a = static_cast<float>(std::tanh(forca * a) / t);
}

}  // namespace pelmar::gerador
