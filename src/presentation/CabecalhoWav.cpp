#include "presentation/CabecalhoWav.h"

#include <array>
#include <cstring>
#include <fstream>
#include <limits>
#include <system_error>

namespace pelmar {

namespace {

// Below the slowest rate any sound is recorded at (telephone speech is 8000 Hz).
constexpr std::uint32_t TAXA_MINIMA = 1000;

std::uint32_t le32(const unsigned char* b) {
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
           static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

std::uint32_t le16(const unsigned char* b) {
    return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8;
}

bool leBytes(std::ifstream& in, unsigned char* destino, std::size_t n) {
    in.read(reinterpret_cast<char*>(destino), static_cast<std::streamsize>(n));
    return static_cast<std::size_t>(in.gcount()) == n;
}

}  // namespace

int CabecalhoWav::duracaoMs() const {
    const std::uint64_t bytesPorSegundo = static_cast<std::uint64_t>(taxa) * canais * 2;
    if (bytesPorSegundo == 0) return 0;
    const std::uint64_t ms = bytesDados * 1000 / bytesPorSegundo;
    return ms > static_cast<std::uint64_t>(std::numeric_limits<int>::max()) ? std::numeric_limits<int>::max()
                                                                             : static_cast<int>(ms);
}

std::variant<CabecalhoWav, std::string> leCabecalhoWav(const std::filesystem::path& arquivo) {
    std::error_code ec;
    const std::uintmax_t tamanhoArquivo = std::filesystem::file_size(arquivo, ec);
    if (ec) return std::string("não pode ser lido");
    std::ifstream in(arquivo, std::ios::binary);
    if (!in) return std::string("não pode ser aberto");

    std::array<unsigned char, 12> riff{};
    if (!leBytes(in, riff.data(), riff.size()) || std::memcmp(riff.data(), "RIFF", 4) != 0 ||
        std::memcmp(riff.data() + 8, "WAVE", 4) != 0)
        return std::string("não é um arquivo RIFF/WAVE");

    bool temFormato = false;
    CabecalhoWav cabecalho;
    std::uint64_t posicao = 12;
    for (;;) {
        std::array<unsigned char, 8> bloco{};
        if (!leBytes(in, bloco.data(), bloco.size()))
            return std::string(temFormato ? "sem bloco de dados" : "sem bloco de formato");
        posicao += 8;
        const std::uint32_t tamanho = le32(bloco.data() + 4);
        if (std::memcmp(bloco.data(), "fmt ", 4) == 0) {
            if (tamanho < 16) return std::string("bloco de formato curto");
            std::array<unsigned char, 16> fmt{};
            if (!leBytes(in, fmt.data(), fmt.size())) return std::string("bloco de formato cortado");
            const std::uint32_t formato = le16(fmt.data());
            cabecalho.canais = le16(fmt.data() + 2);
            cabecalho.taxa = le32(fmt.data() + 4);
            const std::uint32_t bits = le16(fmt.data() + 14);
            if (formato != 1 || bits != 16) return std::string("não é PCM de 16 bits");
            if (cabecalho.canais == 0 || cabecalho.taxa == 0) return std::string("formato sem canais ou sem taxa");
            // The game waits out a sound by its length: a few bytes at a rate of 1 Hz would hold
            // the table for hours.
            if (cabecalho.taxa < TAXA_MINIMA)
                return "taxa de " + std::to_string(cabecalho.taxa) + " Hz abaixo de " + std::to_string(TAXA_MINIMA) +
                       " Hz";
            temFormato = true;
        } else if (std::memcmp(bloco.data(), "data", 4) == 0) {
            if (!temFormato) return std::string("bloco de dados antes do formato");
            // A truncated file plays what it holds, so its length is what is there.
            const std::uint64_t resta = tamanhoArquivo > posicao ? tamanhoArquivo - posicao : 0;
            cabecalho.bytesDados = tamanho < resta ? tamanho : resta;
            return cabecalho;
        }
        // Chunks are padded to an even length.
        posicao += static_cast<std::uint64_t>(tamanho) + (tamanho & 1u);
        if (posicao >= tamanhoArquivo)
            return std::string(temFormato ? "sem bloco de dados" : "sem bloco de formato");
        in.seekg(static_cast<std::streamoff>(posicao));
        if (!in) return std::string("bloco cortado");
    }
}

}  // namespace pelmar
