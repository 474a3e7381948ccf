#pragma once

#include "windows/SeletorDeImagens.h"

namespace pelmar {

// The card-back picker: the backs of IMG\Versos do Baralho, one picture in four previews.
class TfVERSOS : public SeletorDeImagens {
public:
    explicit TfVERSOS(PastaTrabalho pasta, QWidget* pai = nullptr);
};

}  // namespace pelmar
