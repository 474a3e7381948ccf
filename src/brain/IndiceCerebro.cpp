#include "brain/IndiceCerebro.h"

#include <bit>

namespace pelmar {

namespace {
std::uint16_t chaveDoGrupo(std::uint8_t rodada, std::uint8_t posicao) {
    return static_cast<std::uint16_t>((rodada << 8) | posicao);
}
}  // namespace

void IndiceCerebro::reconstroi(const Regra* regras, int quantidade) {
    grupos_.clear();
    for (int i = 0; i < quantidade; ++i) {
        const Regra& r = regras[i];
        grupos_[chaveDoGrupo(r[NR_RODADA], r[POSICAO_RODADA])].slots.push_back(i + 1);
    }
    for (auto& [chave, grupo] : grupos_) {
        grupo.palavras = (grupo.slots.size() + 63) / 64;
        // Number the sets: "*" first, then each letter met in the field.
        std::size_t conjuntos = 0;
        for (int f = 0; f < 12; ++f) {
            auto& mapa = grupo.conjunto[static_cast<std::size_t>(f)];
            mapa.fill(0);
            std::uint16_t proximo = 1;
            for (int slot : grupo.slots) {
                const std::uint8_t letra = regras[slot - 1].campos[static_cast<std::size_t>(PRIMEIRO_CAMPO_PADRAO + f)];
                if (letra != '*' && mapa[letra] == 0) mapa[letra] = proximo++;
            }
            conjuntos += proximo;
        }
        grupo.bits.assign(conjuntos * grupo.palavras, 0);
        std::size_t base = 0;
        for (int f = 0; f < 12; ++f) {
            const auto& mapa = grupo.conjunto[static_cast<std::size_t>(f)];
            std::uint16_t maior = 0;
            for (std::size_t b = 0; b < grupo.slots.size(); ++b) {
                const std::uint8_t letra =
                    regras[grupo.slots[b] - 1].campos[static_cast<std::size_t>(PRIMEIRO_CAMPO_PADRAO + f)];
                const std::uint16_t n = letra == '*' ? 0 : mapa[letra];
                if (n > maior) maior = n;
                grupo.bits[base + n * grupo.palavras + b / 64] |= std::uint64_t{1} << (b % 64);
            }
            // A "*" rule fits every letter.
            for (std::uint16_t n = 1; n <= maior; ++n)
                for (std::size_t w = 0; w < grupo.palavras; ++w)
                    grupo.bits[base + n * grupo.palavras + w] |= grupo.bits[base + w];
            grupo.inicioDoCampo[static_cast<std::size_t>(f)] = base;
            base += (static_cast<std::size_t>(maior) + 1) * grupo.palavras;
        }
    }
}

int IndiceCerebro::primeiraQueServe(const ChaveSituacao& chave) const {
    const auto it = grupos_.find(chaveDoGrupo(chave.rodada, chave.posicao));
    if (it == grupos_.end()) return 0;
    const Grupo& g = it->second;
    std::array<const std::uint64_t*, 12> conjuntos{};
    for (std::size_t f = 0; f < 12; ++f)
        conjuntos[f] = g.bits.data() + g.inicioDoCampo[f] + g.conjunto[f][chave.padrao[f]] * g.palavras;
    for (std::size_t w = 0; w < g.palavras; ++w) {
        std::uint64_t servem = conjuntos[0][w];
        for (std::size_t f = 1; f < 12 && servem; ++f) servem &= conjuntos[f][w];
        if (servem) return g.slots[w * 64 + static_cast<std::size_t>(std::countr_zero(servem))];
    }
    return 0;
}

}  // namespace pelmar
