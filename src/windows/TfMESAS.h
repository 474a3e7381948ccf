#pragma once

#include "windows/SeletorDeImagens.h"

namespace pelmar {

// The table picker: the table cloths of IMG\Mesas, one preview.
class TfMESAS : public SeletorDeImagens {
public:
    explicit TfMESAS(PastaTrabalho pasta, QWidget* pai = nullptr);
};

}  // namespace pelmar
