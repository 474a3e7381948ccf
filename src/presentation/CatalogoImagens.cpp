#include "presentation/CatalogoImagens.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

namespace pelmar {

namespace {

enum class Entradas { Bitmaps, Pastas };

ListaCatalogo lista(const PastaTrabalho& pasta, std::string_view catalogo, Entradas tipo, bool maiusculas) {
    ListaCatalogo resultado;
    const std::filesystem::path folder = pasta.resolve(catalogo);
    std::error_code ec;
    if (!std::filesystem::is_directory(folder, ec)) {
        resultado.nota = "Pasta " + std::string(catalogo) + " não encontrada";
        return resultado;
    }
    std::filesystem::directory_iterator it(folder, ec);
    if (ec) {
        resultado.nota = "Pasta " + std::string(catalogo) + " não pode ser lida";
        return resultado;
    }
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec) {
            resultado.nota = "Pasta " + std::string(catalogo) + " não pode ser lida";
            break;
        }
        const std::string nome = it->path().filename().string();
        std::error_code ecTipo;
        std::string entrada;
        if (tipo == Entradas::Bitmaps) {
            if (!it->is_regular_file(ecTipo) || nome.size() <= 4) continue;
            if (maiusculasAscii(nome.substr(nome.size() - 4)) != ".BMP") continue;
            entrada = nome.substr(0, nome.size() - 4);
        } else {
            if (!it->is_directory(ecTipo)) continue;
            entrada = nome;
        }
        resultado.nomes.push_back(maiusculas ? maiusculasAscii(entrada) : entrada);
    }
    std::sort(resultado.nomes.begin(), resultado.nomes.end());
    // "Azul.bmp" and "AZUL.BMP" are one entry once upper-cased, and load the same file.
    resultado.nomes.erase(std::unique(resultado.nomes.begin(), resultado.nomes.end()), resultado.nomes.end());
    return resultado;
}

}  // namespace

std::string maiusculasAscii(std::string_view texto) {
    std::string r(texto);
    for (char& c : r) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return r;
}

bool nomeDeCatalogoValido(std::string_view nome) {
    if (nome.empty() || nome == "." || nome == "..") return false;
    return nome.find_first_of(std::string_view("/\\\0", 3)) == std::string_view::npos;
}

ListaCatalogo listaMesas(const PastaTrabalho& pasta) { return lista(pasta, PASTA_MESAS, Entradas::Bitmaps, true); }

ListaCatalogo listaVersos(const PastaTrabalho& pasta) {
    return lista(pasta, PASTA_VERSOS, Entradas::Bitmaps, true);
}

ListaCatalogo listaBaralhos(const PastaTrabalho& pasta) {
    return lista(pasta, PASTA_BARALHOS, Entradas::Pastas, true);
}

ListaCatalogo listaPersonagens(const PastaTrabalho& pasta) {
    return lista(pasta, PASTA_PERSONAGENS, Entradas::Pastas, false);
}

}  // namespace pelmar
