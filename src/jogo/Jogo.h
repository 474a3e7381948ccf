#pragma once

#include <optional>
#include <string_view>

#include "base/PastaTrabalho.h"
#include "brain/Aprendizado.h"
#include "brain/Inteligencia.h"
#include "engine/Decisoes.h"
#include "engine/Partida.h"
#include "jogo/BastidoresDoJogo.h"
#include "players/Dificuldade.h"
#include "players/JogadoresComputador.h"
#include "players/Personalidades.h"
#include "records/DebugMesa.h"
#include "records/GanchosEstatisticas.h"
#include "records/ModeloPontos.h"
#include "records/Pontuacao.h"

namespace pelmar {

// The one object that owns a whole game: the rules (a Partida) with the computer players, the
// brain, the level, the personalities and the records around them, and the only place that knows
// all of them. Tests build a fresh one per case.
class Jogo : public Partida {
public:
    // A game played by its own computer players.
    Jogo(Plataforma& plataforma, Tela& tela, PastaTrabalho pasta);
    // A game whose decisions come from elsewhere (tests script them).
    Jogo(Plataforma& plataforma, Tela& tela, Decisoes& decisoes, PastaTrabalho pasta);

    DebugMesa debug;

    Dificuldade dificuldade{prefs, historico, mesa};
    Personalidades personalidades{prefs, pausa, historico, pasta, mesa};
    ModeloPontos pontos;
    Pontuacao pontuacao{prefs, estatisticas, mesa, pontos, historico, pasta, [this](int ms) { Wait(ms); },
                        [this](const std::string& texto) { anuncios.FALA(texto, ""); }};

    // The rule brain and the computer players; built last, as they work through all above.
    Inteligencia ia;
    JogadoresComputador computador;

    // The start-up loading, in its order: statistics, chat lines, preferences, deck, level, players.
    void INICIALIZA_TUDO();
    // Saves the preferences unless this run must leave them as they are; errors go to the log.
    void gravaPreferencias();

    // A show, as the command line's demo is: it plays and counts on screen, and leaves the
    // preferences, the statistics and the learned rules on disk as they were. The history log is
    // still written. It lasts for the run.
    void fazDemonstracao();
    bool demonstracao() const { return demonstracao_; }

    // "Gravar DEBUG.TXT" and "Carregar DEBUG.TXT".
    void gravaDebug();
    void carregaDebug();

private:
    BastidoresDoJogo bastidores_{*this};
    // Without other hooks, the user's plays are learned and the results counted.
    GanchosDeAprendizado aprende_{ia.aprendizado};
    GanchosEstatisticas doJogo_{aprende_, pontuacao};
    Ganchos semAprender_;
    GanchosEstatisticas daDemonstracao_{semAprender_, pontuacao};
    bool demonstracao_ = false;
};

}  // namespace pelmar
