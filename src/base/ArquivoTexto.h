#pragma once

#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/GravacaoArquivo.h"

namespace pelmar {

// Files made by older versions, or edited on Windows, are Windows-1252 with CR LF; a file that is
// valid UTF-8 as a whole is taken as UTF-8 (a leading byte order mark is dropped), and one saved
// as UTF-16 with its byte order mark is read too. Lines may end in CR LF, LF or CR; they come
// back in UTF-8 without their ends. nullopt when the file cannot be opened or read.
std::optional<std::vector<std::string>> leLinhasTexto(const std::filesystem::path& arquivo);
// The same for bytes already in memory.
std::vector<std::string> linhasDeTexto(std::string_view bytes);

// Writes the UTF-8 lines as Windows-1252, each ended by CR LF. Returns the error message, nullopt
// on success.
std::optional<std::string> gravaLinhasTexto(const std::filesystem::path& arquivo,
                                            const std::vector<std::string>& linhas,
                                            Substituicao substituicao = Substituicao::Segura);

std::string utf8DeWindows1252(std::string_view texto);
// Characters without a Windows-1252 byte, and bytes that are not UTF-8, become '?'.
std::string windows1252DeUtf8(std::string_view utf8);

// UTF-16 code units, two bytes each in the order asked; bytes that are not UTF-8 become '?'.
std::string utf16DeUtf8(std::string_view utf8, bool bigEndian);

bool ehUtf8Valido(std::string_view texto);
void acrescentaUtf8(std::string& saida, char32_t codigo);

// Characters, not bytes.
std::size_t comprimentoUtf8(std::string_view utf8);
// Pad with blanks up to the width in characters; longer texts are kept whole, as printf does.
std::string alinhaDireita(std::string_view utf8, std::size_t largura);
std::string alinhaEsquerda(std::string_view utf8, std::size_t largura);

}  // namespace pelmar
