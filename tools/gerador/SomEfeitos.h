#pragma once

#include "Wav.h"

#include <span>
#include <string_view>

// The sounds made of no words: cards, table, matchsticks, chimes, jingles, the ox.
namespace pelmar::gerador {

struct Efeito {
    const char* chave;
    Amostras (*gera)(std::string_view chave);
};

// Every effect the game plays, finished (trimmed, faded, at its level).
std::span<const Efeito> efeitos();

// A short tune that stands for a spoken line when no speech synthesiser is at hand; its notes
// follow from `semente` around the pitch `notaBase` (MIDI), so each line keeps a tune of its own.
Amostras melodiaSubstituta(std::string_view semente, int notaBase, int notas);

}  // namespace pelmar::gerador
