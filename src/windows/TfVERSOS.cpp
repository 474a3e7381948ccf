#include "windows/TfVERSOS.h"

#include <utility>

namespace pelmar {

TfVERSOS::TfVERSOS(PastaTrabalho pasta, QWidget* pai)
    : SeletorDeImagens(std::move(pasta),
                       DescricaoDoSeletor{"TfVERSOS",
                                          "Lista de Versos",
                                          "Adicione mais versos via Internet",
                                          PASTA_VERSOS,
                                          listaVersos,
                                          {{"PREVIEW", ".bmp"}, {"PREVIEW1", ".bmp"}, {"PREVIEW2", ".bmp"},
                                           {"PREVIEW3", ".bmp"}},
                                          QSize(71, 96)},
                       pai) {}

}  // namespace pelmar
