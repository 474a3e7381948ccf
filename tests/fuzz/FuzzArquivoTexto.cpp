// The text reader on any bytes: every line comes back as UTF-8 without any line end; lines
// written back to a file in Windows-1252 read back the same, unless the written bytes happen to be
// valid UTF-8 or to start like a byte order mark (the reader's guess then takes them so),
// or a line holds a character Windows-1252 lacks.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "ApoioFuzz.h"
#include "base/ArquivoTexto.h"

using namespace pelmar;
using fuzz::exige;

namespace {

bool temAltos(std::string_view s) {
    for (char c : s)
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    return false;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const std::vector<std::string> linhas = linhasDeTexto(fuzz::comoTexto(dados, tamanho));

    std::string bytesWindows;
    bool representavel = true;
    for (const std::string& linha : linhas) {
        exige(ehUtf8Valido(linha), "linha que não é UTF-8");
        exige(linha.find_first_of("\r\n") == std::string::npos, "linha com fim de linha dentro");
        const std::string emWindows = windows1252DeUtf8(linha);
        representavel = representavel && utf8DeWindows1252(emWindows) == linha;
        bytesWindows += emWindows + "\r\n";
    }
    const bool pareceOutraCodificacao = (temAltos(bytesWindows) && ehUtf8Valido(bytesWindows)) ||
                                        bytesWindows.starts_with("\xFF\xFE") || bytesWindows.starts_with("\xFE\xFF") ||
                                        bytesWindows.starts_with("\xEF\xBB\xBF");
    if (!representavel || pareceOutraCodificacao) return 0;

    const auto copia = fuzz::PastaDoProcesso::caminho() / "COPIA.TXT";
    exige(!gravaLinhasTexto(copia, linhas).has_value(), "as linhas não puderam ser gravadas");
    const auto relidas = leLinhasTexto(copia);
    exige(relidas.has_value() && *relidas == linhas, "as linhas gravadas voltam diferentes");
    return 0;
}
