#include "players/TextoVirgula.h"

namespace pelmar {

namespace {

// Control characters count as blanks, as in the trimming.
bool ehBranco(char c) { return static_cast<unsigned char>(c) <= ' ' && c != '\0'; }

bool ehContinuacaoUtf8(char c) { return (static_cast<unsigned char>(c) & 0xC0) == 0x80; }

}  // namespace

std::string primeirosCaracteres(std::string_view utf8, std::size_t maximo) {
    std::size_t caracteres = 0;
    std::size_t i = 0;
    for (; i < utf8.size(); ++i) {
        if (ehContinuacaoUtf8(utf8[i])) continue;
        if (caracteres == maximo) break;
        ++caracteres;
    }
    return std::string(utf8.substr(0, i));
}

std::string normalizaLinhaTabela(std::string_view linha) {
    while (!linha.empty() && ehBranco(linha.front())) linha.remove_prefix(1);
    while (!linha.empty() && ehBranco(linha.back())) linha.remove_suffix(1);
    std::string saida = maiusculas(linha);
    for (char& c : saida)
        if (c == ';') c = ',';
    return saida;
}

std::vector<std::string> separaTextoVirgula(std::string_view linha) {
    std::vector<std::string> campos;
    std::size_t p = 0;
    const std::size_t n = linha.size();
    auto pulaBrancos = [&] {
        while (p < n && ehBranco(linha[p])) ++p;
    };
    pulaBrancos();
    while (p < n) {
        std::string campo;
        if (linha[p] == '"') {
            ++p;
            while (p < n) {
                if (linha[p] != '"') {
                    campo += linha[p++];
                } else if (p + 1 < n && linha[p + 1] == '"') {
                    campo += '"';
                    p += 2;
                } else {
                    ++p;
                    break;
                }
            }
        } else {
            const std::size_t inicio = p;
            while (p < n && !ehBranco(linha[p]) && linha[p] != ',') ++p;
            campo.assign(linha.substr(inicio, p - inicio));
        }
        campos.push_back(std::move(campo));
        pulaBrancos();
        if (p < n && linha[p] == ',') {
            ++p;
            pulaBrancos();
            if (p >= n) campos.emplace_back();
        }
    }
    return campos;
}

}  // namespace pelmar
