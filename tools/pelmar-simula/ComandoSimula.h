#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace pelmar {

// The whole command line of pelmar-simula; returns the exit code (0 done, 1 a file could not be
// read or written, 2 a usage error). `dados` is the folder of the bundled data files.
int comandoSimula(const std::vector<std::string>& argumentos, const std::string& dados, std::ostream& saida,
                  std::ostream& erro);

}  // namespace pelmar
