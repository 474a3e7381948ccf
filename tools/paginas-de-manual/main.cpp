// pelmar-pagina-manual: writes a program's manual pages, in Portuguese and an English summary,
// from its --help text and a small file of what --help does not say.
//
//   pelmar-pagina-manual SOBRE AJUDA SECAO DATA VERSAO SAIDA_PT SAIDA_EN
//
// SOBRE holds "resumo: ...", "summary: ...", "veja: a(6) b(1)", a blank line, then the English
// description.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>

#include "PaginaDeManual.h"

namespace {

bool leArquivo(const char* caminho, std::string& texto) {
    std::ifstream in(caminho, std::ios::binary);
    if (!in) return false;
    std::ostringstream s;
    s << in.rdbuf();
    texto = s.str();
    return true;
}

bool grava(const char* caminho, const std::string& texto) {
    std::ofstream out(caminho, std::ios::binary | std::ios::trunc);
    out << texto;
    return static_cast<bool>(out.flush());
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 8) {
        std::cerr << "Uso: pelmar-pagina-manual SOBRE AJUDA SECAO DATA VERSAO SAIDA_PT SAIDA_EN\n";
        return 2;
    }
    std::string sobre, ajuda;
    if (!leArquivo(argv[1], sobre) || !leArquivo(argv[2], ajuda)) {
        std::cerr << "pelmar-pagina-manual: não foi possível ler " << (sobre.empty() ? argv[1] : argv[2]) << '\n';
        return 1;
    }
    pelmar::manual::DadosDaPagina dados;
    std::string programa = argv[1];  // SOBRE is named after the program
    programa = programa.substr(programa.find_last_of('/') + 1);
    dados.programa = programa.substr(0, programa.find('.'));
    dados.secao = std::atoi(argv[3]);
    dados.data = argv[4];
    dados.versao = argv[5];

    std::istringstream in(sobre);
    std::string linha, resumoIngles, descricao;
    while (std::getline(in, linha) && !linha.empty()) {
        const std::size_t dois = linha.find(": ");
        if (dois == std::string::npos) continue;
        const std::string chave = linha.substr(0, dois), valor = linha.substr(dois + 2);
        if (chave == "resumo") dados.resumo = valor;
        else if (chave == "summary") resumoIngles = valor;
        else if (chave == "veja") {
            std::istringstream refs(valor);
            for (std::string ref; refs >> ref;) dados.vejaTambem.push_back(ref);
        }
    }
    for (std::string resto; std::getline(in, resto);) descricao += resto + '\n';
    if (dados.resumo.empty() || resumoIngles.empty()) {
        std::cerr << "pelmar-pagina-manual: " << argv[1] << " não tem as linhas \"resumo:\" e \"summary:\"\n";
        return 1;
    }

    const std::string portugues = pelmar::manual::paginaEmPortugues(ajuda, dados);
    dados.resumo = resumoIngles;
    const std::string ingles = pelmar::manual::paginaEmIngles(ajuda, dados, descricao);
    if (!grava(argv[6], portugues) || !grava(argv[7], ingles)) {
        std::cerr << "pelmar-pagina-manual: não foi possível gravar as páginas\n";
        return 1;
    }
    return 0;
}
