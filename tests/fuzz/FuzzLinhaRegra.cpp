// A rule line: what the parser accepts is printed and parsed again to the same record, and the
// printed form is a fixed point (printing the re-read rule gives the same text).
#include <cstddef>
#include <cstdint>
#include <string>

#include "ApoioFuzz.h"
#include "brain/FormatoRegra.h"

using namespace pelmar;
using fuzz::exige;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* dados, std::size_t tamanho) {
    const LinhaRegra lida = analisaLinhaRegra(fuzz::comoTexto(dados, tamanho));
    if (lida.tipo == LinhaRegra::Tipo::Malformada) exige(!lida.motivo.empty(), "linha recusada sem motivo");
    if (lida.tipo != LinhaRegra::Tipo::Regra) return 0;

    const std::string texto = TEXTO_REGRA(lida.regra);
    const LinhaRegra relida = analisaLinhaRegra(texto);
    exige(relida.tipo == LinhaRegra::Tipo::Regra, "a linha escrita não é lida como regra: " + texto);
    exige(relida.regra == lida.regra, "a regra relida difere: " + texto);
    exige(TEXTO_REGRA(relida.regra) == texto, "a regra relida se escreve diferente: " + texto);
    return 0;
}
