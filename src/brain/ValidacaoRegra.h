#pragma once

#include <string>
#include <vector>

#include "brain/Regra.h"

namespace pelmar {

// The deck allows one card of each manilha and four of each of 3, 2 and A (counted with one to
// spare). Empty when the card fields are possible; otherwise the message of the last test failed.
std::string cartasImpossiveis(const Regra& regra);

// A card beyond those still held, a partner's card that must still be in hand, or a missing
// result of the trick in progress: the texts of every condition the rule breaks, in order.
std::vector<std::string> motivosDeRegraErrada(const Regra& regra);

}  // namespace pelmar
