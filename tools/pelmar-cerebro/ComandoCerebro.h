#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace pelmar {

// The whole command line of pelmar-cerebro; returns the exit code (0 done, 1 a file could not
// be read or written, or problems were found, 2 a usage error). The working folder gets the
// bundled files of `dados` it lacks first, as the game does (an empty `dados` installs nothing).
int comandoCerebro(const std::vector<std::string>& argumentos, const std::string& dados, std::ostream& saida,
                   std::ostream& erro);

}  // namespace pelmar
