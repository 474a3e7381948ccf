#pragma once

#include <string>
#include <vector>

namespace pelmar {

// What the rule editor shows that its tools write to: the report box and the rule line.
struct ModeloEditor {
    std::vector<std::string> TEXT;
    std::string LINHA;
    std::string ARQUIVO_EDITOR = "P-NEURON.TXT";
};

}  // namespace pelmar
