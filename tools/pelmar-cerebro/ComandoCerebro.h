#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace pelmar {

// The whole command line of pelmar-cerebro; returns the exit code (0 done, 1 a file could not
// be read or written, or problems were found, 2 a usage error).
int comandoCerebro(const std::vector<std::string>& argumentos, std::ostream& saida, std::ostream& erro);

}  // namespace pelmar
