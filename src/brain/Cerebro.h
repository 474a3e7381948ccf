#pragma once

#include <memory>

#include "brain/IndiceCerebro.h"
#include "brain/Regra.h"

namespace pelmar {

// The one rule table: play, learning, maintenance and the editor all work on it. Its 300000
// slots are allocated once; slots are numbered from 1.
class Cerebro {
public:
    Cerebro();
    Cerebro(const Cerebro&) = delete;
    Cerebro& operator=(const Cerebro&) = delete;

    int QTE_REGRAS() const { return qte_; }
    // Every change to the table goes through a non-const accessor, so the index knows.
    void defineQuantidade(int qte);
    int QTE_REGRAS_FIXAS = 0;
    Regra REGRA_ATUAL;

    const Regra& operator[](int slot) const { return regras_[static_cast<std::size_t>(slot - 1)]; }
    Regra& altera(int slot) {
        ++versao_;
        return regras_[static_cast<std::size_t>(slot - 1)];
    }
    // The whole table as a range, for tools that rewrite it in one go.
    Regra* alteraTodas() {
        ++versao_;
        return regras_.get();
    }
    const Regra* todas() const { return regras_.get(); }

    // Appends after the last rule; false when the table is full.
    bool acrescenta(const Regra& regra);

    // Takes the other table's rules (and gives it these): a load read elsewhere replaces the
    // playing brain in one step, or not at all.
    void trocaRegrasCom(Cerebro& outra);

    // First slot whose rule fits the key (0 when none), the same as scanning in slot order.
    int primeiraQueServe(const ChaveSituacao& chave) const;

private:
    std::unique_ptr<Regra[]> regras_;
    int qte_ = 0;
    unsigned long long versao_ = 1;
    mutable IndiceCerebro indice_;
    mutable unsigned long long versaoDoIndice_ = 0;
};

}  // namespace pelmar
