#include "brain/Cerebro.h"

#include <utility>

namespace pelmar {

Cerebro::Cerebro() : regras_(std::make_unique<Regra[]>(MAX_REGRAS)) {}

void Cerebro::defineQuantidade(int qte) {
    qte_ = qte < 0 ? 0 : (qte > MAX_REGRAS ? MAX_REGRAS : qte);
    ++versao_;
}

bool Cerebro::acrescenta(const Regra& regra) {
    if (qte_ >= MAX_REGRAS) return false;
    regras_[static_cast<std::size_t>(qte_)] = regra;
    ++qte_;
    ++versao_;
    return true;
}

void Cerebro::trocaRegrasCom(Cerebro& outra) {
    std::swap(regras_, outra.regras_);
    std::swap(qte_, outra.qte_);
    ++versao_;
    ++outra.versao_;
}

int Cerebro::primeiraQueServe(const ChaveSituacao& chave) const {
    if (versaoDoIndice_ != versao_) {
        indice_.reconstroi(regras_.get(), qte_);
        versaoDoIndice_ = versao_;
    }
    return indice_.primeiraQueServe(chave);
}

}  // namespace pelmar
