#include "brain/DobraNaLeitura.h"

#include <string_view>

#include "base/LeitorDeLinhas.h"

namespace pelmar {

std::size_t DobraNaLeitura::Espalha::operator()(const Campos& campos) const {
    return static_cast<std::size_t>(resumoFnv(std::string_view(reinterpret_cast<const char*>(campos.data()), campos.size())));
}

bool DobraNaLeitura::acrescenta(const Regra& regra) {
    const auto achada = absorve_.find(regra.campos);
    if (achada != absorve_.end() && achada->second != 0) {
        Regra& primeira = cerebro_.altera(achada->second);
        primeira.QTE = somaPesos(primeira.QTE, regra.QTE);
        // A hand-edited negative weight can bring it to 0: then the next copy with a weight takes over.
        if (primeira.QTE == 0) achada->second = 0;
        return true;
    }
    if (regra.QTE == 0) return true;  // a deleted rule is never written and takes nothing
    if (cerebro_.QTE_REGRAS() >= LIMITE_LEITURA) return false;
    cerebro_.acrescenta(regra);
    absorve_[regra.campos] = cerebro_.QTE_REGRAS();
    return true;
}

}  // namespace pelmar
