#pragma once

#include <string>
#include <string_view>

#include "brain/Regra.h"

namespace pelmar {

inline constexpr const char* TITULO_CEREBRO = "#, CEREBRO PELMAR 6.2.01 Varonte 6 08/08/2009";
inline constexpr const char* TRACOS_CEREBRO = "#, -----------------------";
inline constexpr const char* TRACOS_CEREBRO_SALVO = "#, ---------------------------------------------------";

// What one line of a brain file turned out to be.
struct LinhaRegra {
    enum class Tipo { Vazia, Comentario, Regra, Malformada };
    Tipo tipo = Tipo::Vazia;
    Regra regra;
    std::string motivo;  // why a rule line was refused
};

// Blanks around fields and commas do not matter and letters may be lower case; only a line whose
// first field is a lone "=" is a rule. A line with control characters inside is malformed.
LinhaRegra analisaLinhaRegra(std::string_view linha);

// "=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1"
std::string TEXTO_REGRA(const Regra& regra);

}  // namespace pelmar
