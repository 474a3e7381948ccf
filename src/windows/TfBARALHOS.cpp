#include "windows/TfBARALHOS.h"

#include <utility>

namespace pelmar {

TfBARALHOS::TfBARALHOS(PastaTrabalho pasta, QWidget* pai)
    : SeletorDeImagens(std::move(pasta),
                       DescricaoDoSeletor{"TfBARALHOS",
                                          "Lista de Baralhos",
                                          "Adicione mais Baralhos via Internet",
                                          PASTA_BARALHOS,
                                          listaBaralhos,
                                          {{"PAUS", "\\1-P.bmp"}, {"COPAS", "\\1-C.bmp"}, {"ESPADA", "\\1-E.bmp"},
                                           {"OUROS", "\\1-O.bmp"}},
                                          QSize(71, 96)},
                       pai) {}

}  // namespace pelmar
