#pragma once

#include <string>

namespace pelmar {

// The progress line of a run: matches done of all, the rate so far and the time it still needs
// at that rate.
std::string linhaDeProgresso(long long feitas, long long total, double segundos);

}  // namespace pelmar
