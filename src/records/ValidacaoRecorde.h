#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "engine/Estatisticas.h"
#include "engine/Plataforma.h"

namespace pelmar {

// The record text sent to the makers' record table: the given text, the value, the version, the
// date, the value's four bytes, a check code of the value, then the user's bois and matches.
std::string VALIDA_RECORDE(std::string_view texto, std::int32_t valor, const Estatisticas& estatisticas,
                           const DataHora& hoje);

// The fields of TfmtRECORDE the user fills in.
struct DadosDoRecorde {
    std::string nome;
    std::string idade;
    std::string cidade;
    std::string uf;
};

// "Validar Recorde para envio": the text for the result field. A record not above the starting
// 5000 is refused unless in debug mode; otherwise the fields are turned to upper case in place,
// as the window then shows them.
std::string validaRecordeParaEnvio(DadosDoRecorde& dados, const Estatisticas& estatisticas, bool modoDebug,
                                   const DataHora& hoje);

}  // namespace pelmar
