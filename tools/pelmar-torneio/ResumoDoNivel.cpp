#include "pelmar-torneio/ResumoDoNivel.h"

#include <algorithm>
#include <cmath>

namespace pelmar {

Intervalo intervaloDeWilson(long long sucessos, long long tentativas) {
    if (tentativas <= 0) return {};
    constexpr double z = 1.959963984540054;  // the normal quantile for 97.5 %
    const double n = static_cast<double>(tentativas);
    const double p = static_cast<double>(sucessos) / n;
    const double z2 = z * z;
    const double denominador = 1 + z2 / n;
    const double centro = (p + z2 / (2 * n)) / denominador;
    const double meiaLargura = z * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n)) / denominador;
    // All or none won: the bound on that side is exactly 0 or 1, not a rounding away from it.
    return {sucessos <= 0 ? 0.0 : std::max(0.0, centro - meiaLargura),
            sucessos >= tentativas ? 1.0 : std::min(1.0, centro + meiaLargura)};
}

Bois boisDaSequencia(const std::vector<int>& vencedores) {
    Bois bois;
    int com = 0, jog = 0;
    for (const int v : vencedores) {
        (v == 1 ? com : jog) += 1;
        const bool fim = com + jog == 3;
        if (com - jog == 2 || (fim && com == 2)) ++bois.computador;
        else if (jog - com == 2 || (fim && jog == 2)) ++bois.usuario;
        else continue;
        com = jog = 0;
    }
    return bois;
}

ResumoDoNivel resumeNivel(int nivel, const std::vector<ResultadoDaPartida>& partidas) {
    ResumoDoNivel r;
    r.nivel = nivel;
    std::vector<int> vencedores;
    long long micros = 0;
    for (const ResultadoDaPartida& p : partidas) {
        ++r.partidas;
        (p.vencedor == 1 ? r.vitoriasCom : r.vitoriasJog) += 1;
        vencedores.push_back(p.vencedor);
        r.maos += p.maos;
        r.pontosCom += p.pontosCom;
        r.pontosJog += p.pontosJog;
        micros += p.microssegundos;
    }
    if (r.partidas > 0) r.taxaCom = static_cast<double>(r.vitoriasCom) / static_cast<double>(r.partidas);
    r.intervalo = intervaloDeWilson(r.vitoriasCom, r.partidas);
    r.bois = boisDaSequencia(vencedores);
    if (r.maos > 0) r.pontosPorMao = static_cast<double>(r.pontosCom + r.pontosJog) / static_cast<double>(r.maos);
    if (micros > 0) r.maosPorSegundo = static_cast<double>(r.maos) * 1e6 / static_cast<double>(micros);
    return r;
}

}  // namespace pelmar
