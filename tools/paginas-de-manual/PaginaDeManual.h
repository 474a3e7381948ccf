#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace pelmar::manual {

// What a manual page needs besides the program's own --help text.
struct DadosDaPagina {
    std::string programa;   // "pelmar-simula"
    int secao = 1;          // 1 for the tools, 6 for the game
    std::string data;       // the release date, so that a rebuild makes the same page
    std::string versao;     // "Pelmar 6.2.1"
    std::string resumo;     // the one-line "what is" of the NAME section
    std::vector<std::string> vejaTambem;  // "pelmar(6)", ...
};

// The Brazilian Portuguese page, laid out from the program's --help text: "Uso:" gives the
// synopsis, a line "Título:" opens a section, "  TERMO  texto" lines are its items (indented
// lines under the text continue them), plain paragraphs before the first section describe the
// program and those after it become notes.
std::string paginaEmPortugues(std::string_view ajuda, const DadosDaPagina& dados);

// The English summary page that stands in the language-neutral folder: the synopsis from the
// --help text, the English description given, and where the full Portuguese page is.
std::string paginaEmIngles(std::string_view ajuda, const DadosDaPagina& dados, std::string_view descricao);

}  // namespace pelmar::manual
