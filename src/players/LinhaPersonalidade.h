#pragma once

#include <array>
#include <string>

#include "engine/DeUm.h"

namespace pelmar {

inline constexpr int MAX_PERSONALIDADES = 100;
inline constexpr int QTE_SITUACOES = 21;
// The marker, 227 columns, ten per situation from column 17, and the closing text at 227.
inline constexpr int CAMPOS_PERSONALIDADE = 228;
// Keys become the seats' names, which hold at most this many characters.
inline constexpr int TAMANHO_NOME_JOGADOR = 30;
// Each part of a think time, minimum and extra, in ms: a seat may ponder, never keep the table
// waiting for minutes.
inline constexpr int TEMPO_MAXIMO_MS = 10000;
// One in a million is as good as never, and a negative chance is never: values past either
// bound mean the same held to it, and sums such as an offset added to a chance stay inside int.
inline constexpr int CHANCE_MAXIMA = 1000000;

// The nine chances of one game situation; each is a denominator for Chance (0 or 1: always).
struct SituacaoPersonalidade {
    std::string ROTULO;
    int MAO = 0;
    int SEGUNDO = 0;
    int ANTEPE = 0;
    int PE = 0;
    int TRUCAR_ALEATORIO = 0;
    int NAO_TRUCAR = 0;
    int ROUBAR = 0;
    int SAIRAM_MAIOR_IGUAL = 0;
    int SAIRAM_MAIOR = 0;

    // The nine in column order, MAO first.
    std::array<int, 9> valores() const {
        return {MAO, SEGUNDO, ANTEPE, PE, TRUCAR_ALEATORIO, NAO_TRUCAR, ROUBAR, SAIRAM_MAIOR_IGUAL, SAIRAM_MAIOR};
    }

    bool operator==(const SituacaoPersonalidade&) const = default;
};

// One row of the personality table.
struct LinhaPersonalidade {
    bool DISPONIVEL = true;  // not yet given to a seat in the current draw
    std::string CHAVE;
    std::string PERSONAGEM;
    DeUm<int, 3> CHANCE_SINAL{};  // true signals of seats 1 and 3 per trick; column 3 also for 2 and 4
    int CHANCE_SINAL_FALSO = 0;
    int CHANCE_GESTO = 0;
    int TEMPO_MINIMO = 0;  // ms
    int TEMPO_EXTRA = 0;   // ms; a random 0..TEMPO_EXTRA-1 is added
    int CHANCE_FALA = 0;
    DeUm<SituacaoPersonalidade, QTE_SITUACOES> SITUACOES{};
    std::string TEXTO_FINAL;

    bool operator==(const LinhaPersonalidade& outra) const;
};

// What a seat plays with while the table has no row for it: a quiet player whose chances are
// all rare, so it neither forces nor vetoes trucos, thinking half a second to a second and a half.
LinhaPersonalidade personalidadePadrao(std::string chave, std::string personagem);

}  // namespace pelmar
