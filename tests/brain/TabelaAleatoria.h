#pragma once

#include <random>
#include <vector>

#include "brain/Regra.h"

namespace pelmar::teste {

// Small random tables full of the cases the folds and sorts must agree on: exact copies, copies
// differing only in ENCOBRIR or in the card to play, card-less truco rules, deleted rules,
// negative weights and weights at the cap.
inline std::vector<Regra> tabelaAleatoria(std::mt19937& gerador, int quantidade) {
    auto sorteia = [&](int n) { return static_cast<int>(gerador() % static_cast<unsigned>(n)); };
    auto letra = [&](const char* opcoes, int n) { return static_cast<std::uint8_t>(opcoes[sorteia(n)]); };
    static constexpr std::int32_t pesos[] = {0, 1, 1, 1, 2, 3, 3, 5, 7, -1, -3, 150000, 299999, 300000};
    std::vector<Regra> tabela;
    for (int k = 0; k < quantidade; ++k) {
        if (!tabela.empty() && sorteia(3) == 0) {
            // A near copy of an earlier rule.
            Regra copia = tabela[static_cast<std::size_t>(sorteia(static_cast<int>(tabela.size())))];
            switch (sorteia(5)) {
                case 0: copia[ENCOBRIR] = copia[ENCOBRIR] == 'E' ? '-' : 'E'; break;
                case 1: copia[ACAO] = static_cast<std::uint8_t>(sorteia(4)); break;
                case 2: copia[PONTO] = 3; copia[TRUCO] = 'B'; break;
                default: break;
            }
            copia.QTE = pesos[sorteia(std::size(pesos))];
            tabela.push_back(copia);
            continue;
        }
        Regra r;
        r[NR_RODADA] = static_cast<std::uint8_t>(1 + sorteia(3));
        r[POSICAO_RODADA] = static_cast<std::uint8_t>(1 + sorteia(2));
        r[PONTO] = static_cast<std::uint8_t>(sorteia(2) ? 1 : 3);
        r[TRUCO] = letra("S*B", 3);
        for (int f = R1; f <= CARTA_J3; ++f) r.campos[static_cast<std::size_t>(f)] = letra("??*Z3B", f < CARTA_P1 ? 6 : 4);
        r[ACAO] = static_cast<std::uint8_t>(sorteia(4));
        r[ENCOBRIR] = letra("E--", 3);
        r[TRUCAR] = letra("T-", 2);
        r.QTE = pesos[sorteia(std::size(pesos))];
        tabela.push_back(r);
    }
    return tabela;
}

// The same table with an unused entry 0, as the plain versions count slots from 1.
inline std::vector<Regra> deUm(const std::vector<Regra>& tabela) {
    std::vector<Regra> t(1);
    t.insert(t.end(), tabela.begin(), tabela.end());
    return t;
}

}  // namespace pelmar::teste
