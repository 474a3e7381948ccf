#pragma once

#include <filesystem>
#include <optional>
#include <string>

namespace pelmar {

// A new, empty folder under the temporary folder, named from `prefixo`; nothing when none can be
// made. Runs that play by themselves use one so they never write into the player's folder.
std::optional<std::filesystem::path> pastaPropria(const std::string& prefixo);

}  // namespace pelmar
