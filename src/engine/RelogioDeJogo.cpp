#include "engine/RelogioDeJogo.h"

#include "engine/Partida.h"

namespace pelmar {

std::string TempoDeJogo::texto() const {
    return doisDigitos(horas) + ":" + doisDigitos(minutos) + ":" + doisDigitos(segundos);
}

RelogioDeJogo::RelogioDeJogo(Partida& jogo) : j_(jogo) {
    COMP_1 = j_.plataforma.criaTimer(INTERVALO_MS, [this] { tick(); });
}

RelogioDeJogo::~RelogioDeJogo() {
    // The platform outlives the game; its timers must not call into a game that is gone.
    j_.plataforma.ativaTimer(COMP_1, false);
}

void RelogioDeJogo::liga() { j_.plataforma.ativaTimer(COMP_1, true); }

void RelogioDeJogo::tick() {
    if (++ticks_ < TICKS_POR_SEGUNDO) return;
    ticks_ = 0;
    if (++tempo_.segundos < 60) return;
    tempo_.segundos = 0;
    if (++tempo_.minutos == 60) {
        tempo_.minutos = 0;
        tempo_.horas = (tempo_.horas + 1) % 24;
    }
    if (j_.Chance(CHANCE_PIADA)) j_.conversa.CONTA_PIADA();
}

}  // namespace pelmar
