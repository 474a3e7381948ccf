#pragma once

#include <utility>

namespace pelmar {

// Runs an action when the scope ends, by return or by exception, unless dispensed first.
template <typename Acao>
class AoSair {
public:
    explicit AoSair(Acao acao) : acao_(std::move(acao)) {}
    ~AoSair() {
        if (ativo_) acao_();
    }
    AoSair(const AoSair&) = delete;
    AoSair& operator=(const AoSair&) = delete;

    void dispensa() { ativo_ = false; }

private:
    Acao acao_;
    bool ativo_ = true;
};

}  // namespace pelmar
