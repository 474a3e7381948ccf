#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace pelmar {

// One fixed-size record read from its file.
struct LeituraRegistro {
    enum class Situacao { Lido, Ausente, Ilegivel };
    Situacao situacao = Situacao::Ausente;
    std::vector<std::uint8_t> bytes;  // at most one record; fewer when the file is short
    std::uintmax_t tamanhoDoArquivo = 0;
    std::string erro;                 // why an existing file could not be read
};

LeituraRegistro leRegistro(const std::filesystem::path& arquivo, std::size_t tamanhoRegistro);

// The old file is only replaced once the new one is complete on disk, so a failed save leaves
// it as it was. Returns the error message, nullopt on success.
std::optional<std::string> gravaRegistro(const std::filesystem::path& arquivo, std::span<const std::uint8_t> bytes);

struct CargaRegistro {
    std::optional<std::vector<std::uint8_t>> bytes;  // what the file holds; nullopt when the defaults stand
    std::vector<std::string> notas;                  // for the history log
};

// Reads the record's file. A missing file is created holding padrao; one that exists but cannot
// be read is first moved aside under a new name, so nothing of it is lost. A file of the wrong
// size is read as far as it goes and noted.
CargaRegistro carregaRegistro(const std::filesystem::path& arquivo, std::size_t tamanhoRegistro,
                              std::span<const std::uint8_t> padrao);

}  // namespace pelmar
