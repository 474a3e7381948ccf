#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "pelmar-torneio/ResumoDoNivel.h"

namespace pelmar {

// ladder.png: the computer side's win rate at each level, with its 95 % interval, drawn with Qt
// offscreen (a QGuiApplication must exist). The error, when the file could not be written.
std::optional<std::string> desenhaGraficoDaEscada(const std::vector<ResumoDoNivel>& niveis, const std::string& modo,
                                                  long long partidasPorNivel, const std::filesystem::path& arquivo);

}  // namespace pelmar
