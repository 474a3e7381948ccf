#pragma once

// Brain files shaped like the ones play produces, written by the benchmarks themselves.

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "brain/FormatoRegra.h"

namespace pelmar::bench {

// Situations shaped like learned ones: the cards still held, results of the tricks played.
class Situacoes {
public:
    explicit Situacoes(unsigned semente) : g_(semente) {}

    Regra nova() {
        Regra r;
        const int rodada = 1 + sorteia(3), posicao = 1 + sorteia(4);
        r[NR_RODADA] = static_cast<std::uint8_t>(rodada);
        r[POSICAO_RODADA] = static_cast<std::uint8_t>(posicao);
        r[PONTO] = 1;
        r[TRUCO] = '*';
        const Campo resultados[] = {R1, R2, R3}, lideres[] = {CARTA_1R, CARTA_2R, CARTA_3R};
        for (int k = 1; k <= 3; ++k) {
            const bool jogada = k < rodada || (k == rodada && posicao > 1);
            r[resultados[k - 1]] = static_cast<std::uint8_t>(jogada ? "BME"[sorteia(3)] : '?');
            r[lideres[k - 1]] = static_cast<std::uint8_t>(jogada ? carta() : '?');
        }
        const int minhas = 4 - rodada, doParceiro = posicao <= 2 ? minhas : minhas - 1;
        const Campo parceiro[] = {CARTA_P1, CARTA_P2, CARTA_P3}, eu[] = {CARTA_J1, CARTA_J2, CARTA_J3};
        for (int n = 0; n < 3; ++n) {
            r[parceiro[n]] = static_cast<std::uint8_t>(n < doParceiro ? carta() : '?');
            r[eu[n]] = static_cast<std::uint8_t>(n < minhas ? carta() : '?');
        }
        r[ACAO] = static_cast<std::uint8_t>(sorteia(4) == 0 ? 0 : 1 + sorteia(minhas));
        r[ENCOBRIR] = sorteia(8) == 0 ? 'E' : '-';
        r[TRUCAR] = r[ACAO] == 0 ? 'T' : '-';
        r.QTE = 1;
        return r;
    }
    int sorteia(int n) { return static_cast<int>(g_() % static_cast<unsigned>(n)); }

private:
    char carta() { return "PPPMMMAA23OECZ"[sorteia(14)]; }
    std::mt19937 g_;
};

inline void escreve(const std::filesystem::path& arquivo, const std::vector<Regra>& regras) {
    std::ofstream saida(arquivo, std::ios::binary);
    saida << TITULO_CEREBRO << "\r\n" << TRACOS_CEREBRO << "\r\n";
    for (const Regra& r : regras) saida << TEXTO_REGRA(r) << "\r\n";
}

// Learned rules drawn from a pool, so many repeat as real play does.
inline std::vector<Regra> aprendidas(Situacoes& s, const std::vector<Regra>& pool, int quantidade) {
    std::vector<Regra> regras;
    regras.reserve(static_cast<std::size_t>(quantidade));
    for (int i = 0; i < quantidade; ++i) {
        const int a = s.sorteia(static_cast<int>(pool.size())), b = s.sorteia(static_cast<int>(pool.size()));
        regras.push_back(pool[static_cast<std::size_t>(a < b ? a : b)]);  // lower entries more often
    }
    return regras;
}

}  // namespace pelmar::bench
