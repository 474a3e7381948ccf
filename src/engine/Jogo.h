#pragma once

#include <optional>
#include <string_view>

#include "brain/Aprendizado.h"
#include "brain/Inteligencia.h"
#include "engine/Anuncios.h"
#include "engine/Animacoes.h"
#include "engine/Cartas.h"
#include "engine/Conversa.h"
#include "engine/Decisoes.h"
#include "engine/Distribuicao.h"
#include "engine/Estado.h"
#include "engine/Fechamento.h"
#include "engine/ModeloMesa.h"
#include "engine/Pausa.h"
#include "engine/Placar.h"
#include "engine/Plataforma.h"
#include "engine/RelogioDeJogo.h"
#include "engine/Rodadas.h"
#include "engine/Tela.h"
#include "engine/TrocaDeJogadores.h"
#include "engine/Truco.h"
#include "engine/Turnos.h"
#include "players/JogadoresComputador.h"
#include "players/Dificuldade.h"
#include "players/Personalidades.h"
#include "records/DebugMesa.h"
#include "records/GanchosEstatisticas.h"
#include "records/ModeloPontos.h"
#include "records/Pontuacao.h"
#include "records/Estatisticas.h"
#include "records/Historico.h"
#include "records/PastaTrabalho.h"
#include "records/Preferencias.h"

namespace pelmar {

// The one object that owns a game: state, preferences, records and the engine's parts, with
// references to the two ports and to the decisions. Tests build a fresh one per case.
class Jogo {
public:
    // A game played by its own computer players.
    Jogo(Plataforma& plataforma, Tela& tela, PastaTrabalho pasta);
    // A game whose decisions come from elsewhere (tests script them).
    Jogo(Plataforma& plataforma, Tela& tela, Decisoes& decisoes, PastaTrabalho pasta);
    Jogo(const Jogo&) = delete;
    Jogo& operator=(const Jogo&) = delete;

    Plataforma& plataforma;
    Tela& tela;
    Decisoes& decisoes;
    PastaTrabalho pasta;

    EstadoJogo estado;
    ChavesDaSessao chaves;
    Preferencias prefs;
    Estatisticas estatisticas;
    Baralho baralho;
    ModeloMesa mesa;
    Historico historico;
    DebugMesa debug;

    Pausa pausa;
    Anuncios anuncios;
    Animacoes animacoes;
    Distribuicao distribuicao;
    Fechamento fechamento;
    Rodadas rodadas;
    Truco truco;
    Placar placar;
    Turnos turnos;
    Conversa conversa;
    RelogioDeJogo relogio;
    TrocaDeJogadores troca;

    Dificuldade dificuldade{prefs, historico, mesa};
    Personalidades personalidades{prefs, pausa, historico, pasta, mesa};
    ModeloPontos pontos;
    Pontuacao pontuacao{prefs, estatisticas, mesa, pontos, historico, pasta, [this](int ms) { Wait(ms); },
                        [this](const std::string& texto) { anuncios.FALA(texto, ""); }};

    // The rule brain and the computer players; built last, as they work through all above.
    Inteligencia ia;
    JogadoresComputador computador;

    // Without other hooks, the user's plays are learned and the results counted.
    void usaGanchos(Ganchos* ganchos) { ganchos_ = ganchos ? ganchos : padrao(); }
    Ganchos& ganchos() { return *ganchos_; }

    // Shorthands for what every part uses.
    void log(int nivel, std::string_view texto) { historico.ESCREVE_HISTORICO(nivel, texto); }
    void Wait(int ms) { pausa.Wait(ms); }
    bool Chance(int n) { return pausa.Chance(n); }
    int random(int n) { return pausa.random(n); }
    ModoBaralho modo() const { return prefs.modoBaralho(); }
    int forca(int carta) const { return FORCA_CARTA(baralho, carta, estado.VIRA, modo()); }
    std::string rotulo(int jogador, int slot) const;

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
    // Scores loaded from a snapshot stand once the hand it aborted is settled.
    std::optional<std::pair<int, int>> placarCarregado;
    bool erroDeSnapshotMostrado = false;

private:
    Ganchos* padrao() { return demonstracao_ ? &daDemonstracao_ : &doJogo_; }

    GanchosDeAprendizado aprende_{ia.aprendizado};
    GanchosEstatisticas doJogo_{aprende_, pontuacao};
    Ganchos semAprender_;
    GanchosEstatisticas daDemonstracao_{semAprender_, pontuacao};
    Ganchos* ganchos_ = &doJogo_;
    bool demonstracao_ = false;
};

}  // namespace pelmar
