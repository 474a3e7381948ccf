#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/Ouvintes.h"
#include "base/PastaTrabalho.h"
#include "engine/Estado.h"

namespace pelmar {

// The game history log: one line per event, prefixed with the state of the hand at that moment.
class Historico {
public:
    explicit Historico(const EstadoJogo& estado);

    bool HISTORICO_ATIVO = true;
    int NIVEL_HISTORICO = 0;
    int NR_LINHA_HISTORICO = 0;

    // Told of each line as it is added (the log window, a file that streams the log).
    Ouvintes<std::string> aoEscrever;
    // A long run that streams its lines to a file need not keep them.
    bool guardaLinhas = true;

    const std::vector<std::string>& linhas() const;

    void ESCREVE_HISTORICO(int nivel, std::string_view texto);
    // Whether a line of this level would be written; lets callers skip building costly texts.
    bool registra(int nivel) const { return HISTORICO_ATIVO && nivel <= NIVEL_HISTORICO; }
    // Numbering goes on across a clear, so lines stay unique within a run.
    void LIMPA_HISTORICO();

    // Keeps the previous run's log as P-HISTORICO_OLD.TXT and writes P-HISTORICO_NEW.TXT.
    std::optional<std::string> SALVA_HISTORICO(const PastaTrabalho& pasta) const;
    std::optional<std::string> SALVA_HISTORICO_ERRO(const PastaTrabalho& pasta) const;

private:
    const EstadoJogo& estado_;
    std::vector<std::string> linhas_;
};

// Keeps the previous run's P-HISTORICO_NEW.TXT as P-HISTORICO_OLD.TXT; the error, if any.
std::optional<std::string> guardaHistoricoAnterior(const PastaTrabalho& pasta);

}  // namespace pelmar
