#pragma once

#include <functional>
#include <string>
#include <vector>

#include "brain/Regra.h"

namespace pelmar {

// The table's maintenance passes, on rules[0 .. quantidade-1]. Each gives exactly the result of
// comparing every pair and sorting by repeated exchanges, as the editor's tools are defined, but
// groups equal rules (or sorts) first so a full table takes a fraction of a second.

// `serve`, when given, is called between the stages of the long passes, so a window stays alive.
using ServeEventos = std::function<void()>;

// Folds exact duplicates (all nineteen fields) into their first copy; the later copies keep
// weight 0. Returns the 0-based indices of the rules left with a weight, in table order.
std::vector<int> dobraRepetidosExatos(Regra* regras, int quantidade);

// The order the file sort leaves: heaviest first, equal weights in reverse table order.
std::vector<int> ordemDoArquivoPorPeso(const Regra* regras, int quantidade);

// Folds rules equal in all but ENCOBRIR (after setting PONTO 1 and TRUCO "*" everywhere),
// appending the report lines to `texto`.
void achaRepetidos(Regra* regras, int quantidade, std::vector<std::string>& texto, const ServeEventos& serve = {});

// Gives card-less rules the card of a later rule of the same situation.
void achaRegraTrucar(Regra* regras, int quantidade, std::vector<std::string>& texto,
                     const ServeEventos& serve = {});

// Heaviest first by strict exchanges, then cut at the first deleted rule. Returns the new count.
int ordenaCerebro(Regra* regras, int quantidade, std::vector<std::string>& texto, const ServeEventos& serve = {});

}  // namespace pelmar
