#pragma once

#include "brain/IndiceCerebro.h"

namespace pelmar {

class Inteligencia;

// The calculated card choice, asked when the fitting rule names no card of its own.
class EscolhaCalculada {
public:
    virtual ~EscolhaCalculada() = default;
    virtual void ANALISA_CARTA(int jogador, int& slot, bool& trucar, bool& encobrir) = 0;
};

// Looks up the first rule that fits a computer seat's situation.
class ConsultaCerebro {
public:
    explicit ConsultaCerebro(Inteligencia& ia) : ia_(ia) {}

    void usaEscolhaCalculada(EscolhaCalculada* escolha) { calculada_ = escolha; }

    // The seat's situation in the rules' letters, from the game state now.
    ChaveSituacao chaveDe(int jogador) const;

    // slot and regra are written only when a rule fits; regra is 0 otherwise.
    bool CONSULTA_CEREBRO(int jogador, int& slot, bool& trucar, int& regra, bool& encobrir);

    int REGRA_USADA = 0;
    int PESO_REGRA_USADA = 0;
    int CONTADOR_REGRA_TRUCAR = 0;

private:
    Inteligencia& ia_;
    EscolhaCalculada* calculada_ = nullptr;
};

}  // namespace pelmar
