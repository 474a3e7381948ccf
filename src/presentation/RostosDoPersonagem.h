#pragma once

#include <QImage>

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "base/PastaTrabalho.h"

namespace pelmar {

// A character's nine faces read for a preview, in the order of the seat's image list: a face
// missing or unreadable is a null image, and each is one line of `problemas`.
struct RostosLidos {
    std::array<QImage, 9> imagens;
    std::vector<std::string> problemas;

    // The table can seat it: all nine faces are there.
    bool completo() const { return problemas.empty(); }
};

// Never throws; a name that would leave JOG reads nothing.
RostosLidos leRostosDoPersonagem(const PastaTrabalho& pasta, std::string_view nome);

}  // namespace pelmar
