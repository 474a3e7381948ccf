#include "pelmar-torneio/Progresso.h"

#include <cmath>

namespace pelmar {

namespace {
std::string duracao(double segundos) {
    const long long s = std::llround(segundos);
    const std::string ss = std::to_string(s % 60);
    return std::to_string(s / 60) + ":" + (ss.size() < 2 ? "0" : "") + ss;
}
}  // namespace

std::string linhaDeProgresso(long long feitas, long long total, double segundos) {
    std::string linha = "partidas " + std::to_string(feitas) + "/" + std::to_string(total);
    if (segundos <= 0 || feitas <= 0) return linha;
    const double taxa = static_cast<double>(feitas) / segundos;
    linha += " · " + std::to_string(std::llround(taxa)) + " partidas/s · faltam " +
             duracao(static_cast<double>(total - feitas) / taxa);
    return linha;
}

}  // namespace pelmar
