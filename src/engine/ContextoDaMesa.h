#pragma once

#include <string_view>

#include "base/PastaTrabalho.h"
#include "engine/Estado.h"
#include "engine/Historico.h"
#include "engine/ModeloMesa.h"
#include "engine/Pausa.h"
#include "engine/Plataforma.h"
#include "engine/Preferencias.h"
#include "engine/Tela.h"

namespace pelmar {

// What a part that only shows, tells and waits needs: the state, the preferences, the table
// model, the log, the working folder and the two ports. Such a part holds this, not the game.
struct ContextoDaMesa {
    Plataforma& plataforma;
    Tela& tela;
    const PastaTrabalho& pasta;
    EstadoJogo& estado;
    ChavesDaSessao& chaves;
    Preferencias& prefs;
    ModeloMesa& mesa;
    Historico& historico;
    Pausa& pausa;

    void log(int nivel, std::string_view texto) { historico.ESCREVE_HISTORICO(nivel, texto); }
    void Wait(int ms) { pausa.Wait(ms); }
    bool Chance(int n) { return pausa.Chance(n); }
    int random(int n) { return pausa.random(n); }
};

}  // namespace pelmar
