#include "engine/Pausa.h"

#include "engine/Estado.h"
#include "engine/Plataforma.h"

namespace pelmar {

void Pausa::Wait(int ms) {
    if (estado_.PARAR) return;
    plataforma_.processaEventos();
    if (chaves_.SEM_ESPERA) return;
    if (ms <= 0) return;
    if (ms <= 10) {
        plataforma_.dorme(ms);
        return;
    }
    // Events are served at every step, not every tenth, so the table never feels sluggish.
    for (int passo = 0; passo < ms / 10 && !estado_.PARAR; ++passo) {
        if (passo > 0) plataforma_.processaEventos();
        plataforma_.dorme(10);
    }
}

bool Pausa::Chance(int n) {
    if (n == 0 || n == 1) return true;
    if (n < 0) return false;
    return plataforma_.aleatorio(n) == 1;
}

int Pausa::random(int n) { return plataforma_.aleatorio(n); }

}  // namespace pelmar
