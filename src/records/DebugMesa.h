#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/PastaTrabalho.h"
#include "engine/Cartas.h"
#include "engine/DeUm.h"
#include "engine/Estado.h"

namespace pelmar {

// Index 1..40 of the first deck card whose name equals the text, both without surrounding
// blanks, case-sensitive; 1 when none does.
int CARTA_PELO_NOME(const Baralho& baralho, std::string_view nome);

// A deal read from a debug snapshot, to be dealt again.
struct MesaDebug {
    int vira = 0;
    std::string nomeVira;
    DeUm<DeUm<int, 3>, 4> cartas{};
    DeUm<DeUm<std::string, 3>, 4> nomes{};
};

struct ResultadoCargaDebug {
    std::optional<std::string> erro;
    bool cartasCarregadas = false;
    std::vector<std::string> nomesDesconhecidos;  // as written in the file; each loaded as card 1
    std::vector<std::string> notas;               // scores held to what a hand can start from
};

// Snapshots of a deal to TXT\DEBUG*.TXT, and the load of TXT\DEBUG.TXT to repeat a deal.
class DebugMesa {
public:
    MesaDebug MESA_DEBUG;
    bool DEBUG_DISTRIBUICAO = false;
    int CONTADOR_DEBUG = 0;

    // rotativo: TXT\DEBUG_1.TXT .. DEBUG_9, DEBUG_0 and round again; else TXT\DEBUG.TXT.
    // The TXT folder is never created here. Returns the error message, nullopt on success.
    std::optional<std::string> GRAVA_DEBUG(bool rotativo, const PastaTrabalho& pasta, const Baralho& baralho,
                                           const EstadoJogo& estado);

    // Fills MESA_DEBUG (only when the file starts with the DEBUG-PELMAR header) and the two
    // scores, each held to 0..11 (a hand starts from there) with a note. Stops at the first fault;
    // what was read before it stays. Leaves DEBUG_DISTRIBUICAO to the caller, who sets it only
    // after a load without error and with the cards.
    ResultadoCargaDebug CARREGA_DEBUG(const PastaTrabalho& pasta, const Baralho& baralho, EstadoJogo& estado);
};

}  // namespace pelmar
