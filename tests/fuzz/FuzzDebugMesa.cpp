// TXT\DEBUG.TXT on any bytes: the load gives deck cards and scores a hand can start from only,
// and a deal it loaded whole, written as a snapshot and loaded again, comes back the same.
#include <cstddef>
#include <cstdint>
#include <string>

#include "ApoioFuzz.h"
#include "base/PastaTrabalho.h"
#include "engine/Cartas.h"
#include "engine/Estado.h"
#include "records/DebugMesa.h"

using namespace pelmar;
using fuzz::exige;

namespace {

bool cartaDoBaralho(int carta) { return carta >= 1 && carta <= CARTAS_NO_BARALHO; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    static const Baralho baralho = [] {
        Baralho b;
        b.INICIA_BARALHO();
        return b;
    }();
    const auto& raiz = fuzz::PastaDoProcesso::caminho();
    fuzz::gravaArquivo(raiz / "TXT" / "DEBUG.TXT", fuzz::comoTexto(dados, tamanho));
    const PastaTrabalho pasta(raiz);

    DebugMesa debug;
    EstadoJogo estado;
    const ResultadoCargaDebug carga = debug.CARREGA_DEBUG(pasta, baralho, estado);
    exige(estado.PONTOS_COM >= 0 && estado.PONTOS_COM <= 11 && estado.PONTOS_JOG >= 0 && estado.PONTOS_JOG <= 11,
          "placar carregado fora de 0..11");
    if (carga.erro || !carga.cartasCarregadas) return 0;
    const MesaDebug& mesa = debug.MESA_DEBUG;
    exige(cartaDoBaralho(mesa.vira), "vira fora do baralho");
    for (int p = 1; p <= 4; ++p)
        for (int s = 1; s <= 3; ++s) exige(cartaDoBaralho(mesa.cartas[p][s]), "carta fora do baralho");

    // The snapshot of that deal, as a hand start writes it.
    EstadoJogo mao;
    mao.VIRA = mesa.vira;
    for (int p = 1; p <= 4; ++p)
        for (int s = 1; s <= 3; ++s) mao.JOGADORES[p].CARTAS[s].CARTA = mesa.cartas[p][s];
    mao.PONTOS_COM = estado.PONTOS_COM;
    mao.PONTOS_JOG = estado.PONTOS_JOG;
    exige(!debug.GRAVA_DEBUG(false, pasta, baralho, mao).has_value(), "o snapshot não pôde ser gravado");

    DebugMesa outra;
    EstadoJogo relido;
    const ResultadoCargaDebug recarga = outra.CARREGA_DEBUG(pasta, baralho, relido);
    exige(!recarga.erro && recarga.cartasCarregadas && recarga.nomesDesconhecidos.empty(),
          "o snapshot gravado não carrega inteiro");
    exige(outra.MESA_DEBUG.vira == mesa.vira, "a vira volta diferente");
    for (int p = 1; p <= 4; ++p)
        for (int s = 1; s <= 3; ++s)
            exige(outra.MESA_DEBUG.cartas[p][s] == mesa.cartas[p][s], "uma carta volta diferente");
    exige(relido.PONTOS_COM == estado.PONTOS_COM && relido.PONTOS_JOG == estado.PONTOS_JOG, "o placar volta diferente");
    return 0;
}
