#include "base/CamposBinarios.h"

#include <algorithm>

#include "base/ArquivoTexto.h"

namespace pelmar {

std::int32_t leInteiro32(std::span<const std::uint8_t> registro, std::size_t pos) {
    std::uint32_t v = 0;
    for (std::size_t i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(registro[pos + i]) << (8 * i);
    return static_cast<std::int32_t>(v);
}

void gravaInteiro32(std::span<std::uint8_t> registro, std::size_t pos, std::int32_t valor) {
    const auto v = static_cast<std::uint32_t>(valor);
    for (std::size_t i = 0; i < 4; ++i) registro[pos + i] = static_cast<std::uint8_t>((v >> (8 * i)) & 0xFFu);
}

std::string leTextoCurto(std::span<const std::uint8_t> registro, std::size_t pos, std::size_t comprimento) {
    const auto inicio = registro.subspan(pos + 1, comprimento);
    return utf8DeWindows1252(std::string(inicio.begin(), inicio.end()));
}

void gravaTextoCurto(std::span<std::uint8_t> registro, std::size_t pos, std::size_t maximo, std::string_view utf8) {
    std::string bytes = windows1252DeUtf8(utf8);
    bytes.resize(std::min(bytes.size(), std::min<std::size_t>(maximo, 255)));
    registro[pos] = static_cast<std::uint8_t>(bytes.size());
    std::copy(bytes.begin(), bytes.end(), registro.begin() + static_cast<std::ptrdiff_t>(pos + 1));
}

}  // namespace pelmar
