#pragma once

#include "windows/SeletorDeImagens.h"

namespace pelmar {

// The deck picker: the deck folders of IMG\Baralhos, previewed by the ace of each suit.
class TfBARALHOS : public SeletorDeImagens {
public:
    explicit TfBARALHOS(PastaTrabalho pasta, QWidget* pai = nullptr);
};

}  // namespace pelmar
