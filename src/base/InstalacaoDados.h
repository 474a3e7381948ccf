#pragma once

#include <filesystem>
#include <string>
#include <vector>

#include "base/PastaTrabalho.h"

namespace pelmar {

// What opening a working folder did, for the history and the user.
struct NotasDaPasta {
    std::vector<std::string> notas;
    bool falhouGravar = false;  // some file could not be written: a tool must not report success

    void acrescenta(const NotasDaPasta& outras);
};

// Copies every bundled data file (fixed brain, personalities, texts, images, sounds) that the
// working folder lacks, keeping the folder structure; never replaces a file the user has.
// Notes each file that could not be copied, and a missing data folder.
NotasDaPasta instalaDadosQueFaltam(const std::filesystem::path& dados, const PastaTrabalho& pasta);

// Where the bundled files are: $PELMAR_DADOS when set, else the share/pelmar folder installed
// beside the running program, else the build's own folder.
std::filesystem::path pastaDosDadosDoJogo(const std::filesystem::path& daCompilacao);

}  // namespace pelmar
