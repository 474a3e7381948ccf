#include "windows/TfMESAS.h"

#include <utility>

namespace pelmar {

TfMESAS::TfMESAS(PastaTrabalho pasta, QWidget* pai)
    : SeletorDeImagens(std::move(pasta),
                       DescricaoDoSeletor{"TfMESAS", "Lista de Mesas", "Adicione mais mesas via Internet", PASTA_MESAS,
                                          listaMesas, {{"PREVIEW", ".bmp"}}, QSize(234, 168)},
                       pai) {}

}  // namespace pelmar
