#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace pelmar {

// Fields of the fixed-layout record files: 32-bit signed little-endian integers, and short
// strings (a length byte, then that many Windows-1252 bytes, in a field of fixed size). Texts
// are UTF-8 in memory. Callers keep every position inside the record.

std::int32_t leInteiro32(std::span<const std::uint8_t> registro, std::size_t pos);
void gravaInteiro32(std::span<std::uint8_t> registro, std::size_t pos, std::int32_t valor);

// The comprimento bytes after the length byte at pos.
std::string leTextoCurto(std::span<const std::uint8_t> registro, std::size_t pos, std::size_t comprimento);
// Cut to at most maximo bytes; the bytes of the field past the new length are left as they are.
void gravaTextoCurto(std::span<std::uint8_t> registro, std::size_t pos, std::size_t maximo, std::string_view utf8);

}  // namespace pelmar
