#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace pelmar {

class PastaTrabalho;

// Characters are the folders under JOG: their nine faces and their voices.
inline constexpr std::string_view PASTA_DE_PERSONAGENS = "JOG";

// Why `nome` cannot seat a character, or nothing when it can. A seat's name is stored in 30
// characters of the single-byte code page and names the folder when the table has no row for it,
// so a longer name, or one that code page cannot write, would lose its folder on the way.
// A name must also stay one folder of JOG: no separator, not "." or "..".
std::optional<std::string> problemaNoNomeDePersonagem(std::string_view nome);

// The folder of that name under JOG as written on disk (found ignoring letter case), when the
// name is acceptable and the folder exists.
std::optional<std::string> pastaDoPersonagem(const PastaTrabalho& pasta, std::string_view nome);

// The sound key of a character's truco voice for `valor` (3, 6, 9 or 12).
std::string vozDoPersonagem(std::string_view personagem, int valor);

}  // namespace pelmar
