#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

namespace pelmar {

// Safe: the old file is only replaced once the new contents are complete on disk. In place: for
// throwaway files rewritten very often, where the extra rename is not worth its cost.
enum class Substituicao { Segura, NoLugar };

// Makes `bytes` the file's whole contents. Returns the error message naming the file, nullopt on
// success; a failed safe write leaves the old file as it was.
std::optional<std::string> gravaArquivo(const std::filesystem::path& arquivo, std::string_view bytes,
                                        Substituicao substituicao = Substituicao::Segura);

// Adds whole lines (each with its end) at the end of the file, all or nothing: a write that fails
// part way, as on a full disk, is cut back, so the file stays as it was. A missing file is created
// with `cabecalhoSeNovo` first; a file whose last line has no end gets CR LF first, so the new
// lines never glue onto it. Returns the error message naming the file, nullopt on success.
std::optional<std::string> acrescentaLinhas(const std::filesystem::path& arquivo, std::string_view linhas,
                                            std::string_view cabecalhoSeNovo);

}  // namespace pelmar
