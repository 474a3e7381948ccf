#pragma once

#include "base/InstalacaoDados.h"
#include "base/PastaTrabalho.h"

namespace pelmar {

inline constexpr const char* LINHAS_INCOMPLETAS = "P-LEARN-INCOMPLETAS.TXT";

// An append cut short (a full disk, under an older version) leaves P-LEARN.TXT ending in half a
// line, and every later line glued onto it. A last line without its end is completed when it is
// still a rule or a comment; a torn one is moved to LINHAS_INCOMPLETAS, the other lines kept.
NotasDaPasta reparaFimDoAprendizado(const PastaTrabalho& pasta);

}  // namespace pelmar
