#pragma once

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <system_error>

namespace pelmar::fuzz {

// A broken property stops the run the way a sanitizer does, so libFuzzer keeps the input.
inline void exige(bool condicao, std::string_view oQue) {
    if (condicao) return;
    std::fprintf(stderr, "propriedade violada: %.*s\n", static_cast<int>(oQue.size()), oQue.data());
    std::abort();
}

inline std::string_view comoTexto(const std::uint8_t* dados, std::size_t tamanho) {
    return {reinterpret_cast<const char*>(dados), tamanho};
}

// One folder per process (libFuzzer's -fork and -jobs run several), removed at exit. Targets
// rewrite their files in it for every input, so it lives in memory where the system offers it:
// on a disk, replacing a file makes the file system flush it, which would cost more than the run.
class PastaDoProcesso {
public:
    static const std::filesystem::path& caminho() {
        static PastaDoProcesso pasta;
        return pasta.caminho_;
    }

private:
    PastaDoProcesso() {
        std::error_code ec;
        const std::filesystem::path memoria = "/dev/shm";
        const auto base =
            std::filesystem::is_directory(memoria, ec) ? memoria : std::filesystem::temp_directory_path(ec);
        caminho_ = base / ("pelmar-fuzz-" + std::to_string(::getpid()));
        std::filesystem::remove_all(caminho_, ec);
        std::filesystem::create_directories(caminho_, ec);
        exige(!ec, "a pasta temporária do fuzzer não pôde ser criada");
    }
    ~PastaDoProcesso() {
        std::error_code ec;
        std::filesystem::remove_all(caminho_, ec);
    }
    std::filesystem::path caminho_;
};

inline void gravaArquivo(const std::filesystem::path& arquivo, std::string_view bytes) {
    std::error_code ec;
    std::filesystem::create_directories(arquivo.parent_path(), ec);
    std::ofstream saida(arquivo, std::ios::binary | std::ios::trunc);
    saida.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    saida.close();
    exige(saida.good(), "o arquivo de entrada não pôde ser gravado");
}

}  // namespace pelmar::fuzz
