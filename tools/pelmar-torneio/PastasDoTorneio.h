#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace pelmar {

// Copies what a headless game reads from a working folder — the files at its top, the texts
// under TXT — into `destino`, leaving out the history logs and debug snapshots, which it never
// reads. The source is only read. The error, if any.
std::optional<std::string> copiaArquivosDoJogo(const std::filesystem::path& origem,
                                               const std::filesystem::path& destino);

}  // namespace pelmar
