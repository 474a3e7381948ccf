#pragma once

#include <string>
#include <vector>

#include "brain/IndiceCerebro.h"
#include "brain/Regra.h"

// The brain's maintenance passes and its lookup written the plain way, every pair compared and
// sorts by repeated exchanges, slots from 1 (entry 0 unused). The fast versions must agree with
// these byte for byte.
namespace pelmar::referencia {

using Tabela = std::vector<Regra>;

// The rules written, in order.
std::vector<Regra> limpaRepetidos(Tabela& t);
std::vector<Regra> ordenaRegras(Tabela& t);
void achaRepetidos(Tabela& t, std::vector<std::string>& texto);
void achaRegraTrucar(Tabela& t, std::vector<std::string>& texto);
// Returns the count after the cut.
int ordenaCerebro(Tabela& t, std::vector<std::string>& texto);
// First slot that fits, 0 for none.
int primeiraQueServe(const Regra* regras, int quantidade, const ChaveSituacao& chave);

}  // namespace pelmar::referencia
