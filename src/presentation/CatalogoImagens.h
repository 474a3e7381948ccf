#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "base/PastaTrabalho.h"

namespace pelmar {

// The catalog folders, below the working folder, written the Windows way.
inline constexpr std::string_view PASTA_MESAS = "IMG\\Mesas";
inline constexpr std::string_view PASTA_VERSOS = "IMG\\Versos do Baralho";
inline constexpr std::string_view PASTA_BARALHOS = "IMG\\Baralhos";
inline constexpr std::string_view PASTA_PERSONAGENS = "JOG";

// What a picker shows. `nota` is empty unless the catalog folder could not be read.
struct ListaCatalogo {
    std::vector<std::string> nomes;
    std::string nota;
};

// The "*.bmp" files (any case), upper-cased, without ".BMP", sorted.
ListaCatalogo listaMesas(const PastaTrabalho& pasta);
ListaCatalogo listaVersos(const PastaTrabalho& pasta);
// The deck folders, upper-cased as the deck picker shows them, sorted.
ListaCatalogo listaBaralhos(const PastaTrabalho& pasta);
// The character folders as written on disk: the personality table names them that way.
ListaCatalogo listaPersonagens(const PastaTrabalho& pasta);

// A name chosen for a catalog must stay one entry of it: not empty, no separator, not "." or "..".
bool nomeDeCatalogoValido(std::string_view nome);

std::string maiusculasAscii(std::string_view texto);

}  // namespace pelmar
