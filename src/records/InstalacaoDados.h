#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "records/PastaTrabalho.h"

namespace pelmar {

// Copies every bundled data file (fixed brain, personalities, texts, images, sounds) that the
// working folder lacks, keeping the folder structure; never replaces a file the user has.
// Returns a note for each file that could not be copied, and one when the data folder is missing.
std::vector<std::string> instalaDadosQueFaltam(const std::filesystem::path& dados, const PastaTrabalho& pasta);

}  // namespace pelmar
