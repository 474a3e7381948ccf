#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace pelmar {

struct OpcoesDoTorneio {
    std::filesystem::path pasta;  // empty: the bundled files, in a folder of the run's own
    std::vector<int> niveis{0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    long long partidas = 2000;
    std::string modo = "paulista";
    std::optional<unsigned long long> semente;
    int trabalhos = 0;  // 0: one per core
    std::filesystem::path saida = ".";
    bool ajuda = false;
};

// The levels of --niveis: a range "A..B" or a list "A,B,C" of levels 0..10, each once, kept in
// the order given; nothing when the text is neither.
std::optional<std::vector<int>> niveisDoTexto(const std::string& texto);

// The command line, or the message of what is wrong with it.
std::variant<OpcoesDoTorneio, std::string> leOpcoesDoTorneio(const std::vector<std::string>& argumentos);

}  // namespace pelmar
