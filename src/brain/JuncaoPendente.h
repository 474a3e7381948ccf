#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/PastaTrabalho.h"

namespace pelmar {

// A join changes two files: P-NEURON.TXT gets the learned rules, then P-LEARN.TXT loses them. A
// mark written before the first change says which bytes of P-LEARN.TXT went into the new
// P-NEURON.TXT, so that a join stopped half way (a crash, a file that could not be written) is
// finished or undone the next time, and no learned play is ever counted twice or lost.
inline constexpr const char* MARCA_DA_JUNCAO = "P-JUNTANDO.TXT";
inline constexpr const char* NEURON_NOVO = "P-NEURON.TXT.novo";

// Says that the new P-NEURON.TXT (still under NEURON_NOVO) holds the first `bytes` bytes of
// P-LEARN.TXT, whose FNV-1a hash is `resumo`. Returns the error message, nullopt on success.
std::optional<std::string> marcaJuncao(const PastaTrabalho& pasta, std::uintmax_t bytes, std::uint64_t resumo);

struct ConclusaoDaJuncao {
    std::vector<std::string> notas;  // what was done, for the history and the user
    bool pendente = false;           // the join is still half done: P-LEARN.TXT could not be reset
    std::string motivo;              // why, when pendente
};

// With no mark, nothing to do (a new P-NEURON.TXT left without one is thrown away). With a mark and
// the new P-NEURON.TXT not yet in place, the join is undone: both files stay as they were. With the
// new P-NEURON.TXT in place, P-LEARN.TXT is reset to its header, keeping any line appended after
// the join read it; if P-LEARN.TXT was changed in some other way, it is left as it is, with a note.
ConclusaoDaJuncao concluiJuncaoPendente(const PastaTrabalho& pasta);

}  // namespace pelmar
