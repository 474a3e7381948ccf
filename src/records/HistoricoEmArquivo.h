#pragma once

#include <cstdio>
#include <optional>
#include <string>

#include "base/PastaTrabalho.h"

namespace pelmar {

// The history log written line by line as it grows, so a long run keeps no lines in memory.
// The file is the one the exit command saves: P-HISTORICO_NEW.TXT, the previous one kept as OLD.
class HistoricoEmArquivo {
public:
    HistoricoEmArquivo() = default;
    ~HistoricoEmArquivo();
    HistoricoEmArquivo(const HistoricoEmArquivo&) = delete;
    HistoricoEmArquivo& operator=(const HistoricoEmArquivo&) = delete;

    std::optional<std::string> abre(const PastaTrabalho& pasta);
    void escreve(const std::string& linhaUtf8);
    // The first error met while writing, or on closing.
    std::optional<std::string> fecha();

private:
    std::FILE* arquivo_ = nullptr;
    std::string nome_;
    bool falhou_ = false;
};

}  // namespace pelmar
