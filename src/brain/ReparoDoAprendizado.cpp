#include "brain/ReparoDoAprendizado.h"

#include <fstream>
#include <sstream>
#include <system_error>

#include "base/GravacaoArquivo.h"
#include "brain/FormatoRegra.h"

namespace pelmar {

namespace {

bool terminaEmFimDeLinha(std::ifstream& entrada, std::uintmax_t tamanho) {
    char ultimo = '\n';
    entrada.seekg(static_cast<std::streamoff>(tamanho - 1));
    entrada.get(ultimo);
    return ultimo == '\n' || ultimo == '\r';
}

bool comecaEmUtf16(std::ifstream& entrada) {
    char marca[2] = {};
    entrada.seekg(0);
    entrada.read(marca, 2);
    const std::string_view inicio(marca, static_cast<std::size_t>(entrada.gcount()));
    entrada.clear();
    return inicio == "\xFF\xFE" || inicio == "\xFE\xFF";
}

}  // namespace

NotasDaPasta reparaFimDoAprendizado(const PastaTrabalho& pasta) {
    namespace fs = std::filesystem;
    NotasDaPasta resultado;
    const fs::path arquivo = pasta.resolve("P-LEARN.TXT");
    std::error_code ec;
    const std::uintmax_t tamanho = fs::is_regular_file(arquivo, ec) ? fs::file_size(arquivo, ec) : 0;
    if (ec || tamanho == 0) return resultado;
    std::ifstream entrada(arquivo, std::ios::binary);
    // The appends that tear lines never wrote UTF-16; such a file is left to the reader.
    if (!entrada || comecaEmUtf16(entrada) || terminaEmFimDeLinha(entrada, tamanho)) return resultado;

    entrada.seekg(0);
    std::ostringstream todo;
    todo << entrada.rdbuf();
    const std::string bytes = std::move(todo).str();
    entrada.close();
    const std::size_t corte = bytes.find_last_of("\r\n");
    const std::size_t inicio = corte == std::string::npos ? 0 : corte + 1;
    const std::string linha = bytes.substr(inicio);

    if (analisaLinhaRegra(linha).tipo != LinhaRegra::Tipo::Malformada) {
        if (const auto falha = acrescentaLinhas(arquivo, "", "")) {
            resultado.notas.push_back(*falha);
            resultado.falhouGravar = true;
        } else {
            resultado.notas.push_back("P-LEARN.TXT: a última linha não tinha fim de linha e foi completada.");
        }
        return resultado;
    }
    const fs::path aparte = pasta.resolve(LINHAS_INCOMPLETAS);
    if (const auto falha =
            acrescentaLinhas(aparte, linha + "\r\n", "#, linhas incompletas tiradas do fim de P-LEARN.TXT\r\n")) {
        resultado.notas.push_back(*falha + " P-LEARN.TXT ficou como estava.");
        resultado.falhouGravar = true;
        return resultado;
    }
    fs::resize_file(arquivo, inicio, ec);
    if (ec) {
        resultado.notas.push_back("Não foi possível tirar a linha incompleta do fim de " + arquivo.string() + ": " +
                                  ec.message() + ". Ela foi copiada para " + aparte.string() + ".");
        resultado.falhouGravar = true;
        return resultado;
    }
    resultado.notas.push_back("P-LEARN.TXT terminava numa linha incompleta (uma gravação interrompida); ela foi "
                              "separada em " + std::string(LINHAS_INCOMPLETAS) + " e as outras linhas ficaram.");
    return resultado;
}

}  // namespace pelmar
