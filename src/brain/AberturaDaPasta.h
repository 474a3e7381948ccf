#pragma once

#include <filesystem>

#include "base/InstalacaoDados.h"
#include "base/PastaTrabalho.h"

namespace pelmar {

// What every program does before it uses a working folder, the same way: the bundled files the
// folder lacks are installed, then the brain files are put right — a join stopped half way is
// finished or undone, and a learning log ending in a torn line is repaired. An empty `dados`
// installs nothing.
NotasDaPasta abrePastaDoJogo(const std::filesystem::path& dados, const PastaTrabalho& pasta);

}  // namespace pelmar
