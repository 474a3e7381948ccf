#pragma once

#include <filesystem>
#include <string_view>

namespace pelmar {

// The folder the game keeps its files in. Names are written the Windows way (TXT\DEBUG.TXT) and
// with any letter case, so each part is matched against what is on disk, ignoring ASCII case.
class PastaTrabalho {
public:
    explicit PastaTrabalho(std::filesystem::path raiz);

    const std::filesystem::path& raiz() const;

    // Accepts '\' and '/'. An exact-case entry wins over others; a part not found on disk is kept
    // as written, so a new file can be created under it. "." and ".." are resolved lexically.
    std::filesystem::path resolve(std::string_view nomeRelativo) const;

private:
    std::filesystem::path raiz_;
};

// Where the game keeps its files unless told otherwise: $PELMAR_PASTA, else the user's data
// folder ($XDG_DATA_HOME/pelmar, or ~/.local/share/pelmar).
std::filesystem::path pastaPadraoDoJogo();

}  // namespace pelmar
