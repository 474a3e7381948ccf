#include "comum/PastaPropria.h"

#include <stdlib.h>

#include <system_error>

namespace pelmar {

std::optional<std::filesystem::path> pastaPropria(const std::string& prefixo) {
    std::error_code ec;
    std::string modelo = (std::filesystem::temp_directory_path(ec) / (prefixo + "-XXXXXX")).string();
    if (ec || ::mkdtemp(modelo.data()) == nullptr) return std::nullopt;
    return std::filesystem::path(modelo);
}

}  // namespace pelmar
