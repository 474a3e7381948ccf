#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "base/PastaTrabalho.h"
#include "engine/Animacoes.h"
#include "engine/Anuncios.h"
#include "engine/Bastidores.h"
#include "engine/Cartas.h"
#include "engine/ContextoDaMesa.h"
#include "engine/Conversa.h"
#include "engine/Decisoes.h"
#include "engine/Distribuicao.h"
#include "engine/Estado.h"
#include "engine/Estatisticas.h"
#include "engine/Fechamento.h"
#include "engine/Historico.h"
#include "engine/ModeloMesa.h"
#include "engine/Pausa.h"
#include "engine/Placar.h"
#include "engine/Plataforma.h"
#include "engine/Preferencias.h"
#include "engine/RelogioDeJogo.h"
#include "engine/Rodadas.h"
#include "engine/Sinais.h"
#include "engine/Tela.h"
#include "engine/TrocaDeJogadores.h"
#include "engine/Truco.h"
#include "engine/Turnos.h"

namespace pelmar {

// The rules of one game: the state, the preferences and counters every part reads, the table
// model, the log, the two ports and the engine's parts. Who decides (Decisoes), who learns and
// counts (Ganchos) and what the game asks of the subsystems above it (Bastidores) come in through
// interfaces: the rules know nothing of the computer players, the brain or the records.
class Partida {
public:
    Partida(Plataforma& plataforma, Tela& tela, Decisoes& decisoes, Bastidores& bastidores, PastaTrabalho pasta);
    Partida(const Partida&) = delete;
    Partida& operator=(const Partida&) = delete;

    Plataforma& plataforma;
    Tela& tela;
    Decisoes& decisoes;
    Bastidores& bastidores;
    PastaTrabalho pasta;

    EstadoJogo estado;
    ChavesDaSessao chaves;
    Preferencias prefs;
    Estatisticas estatisticas;
    Baralho baralho;
    ModeloMesa mesa;
    Historico historico;

    Pausa pausa;
    ContextoDaMesa contexto;
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
    Sinais sinais;

    // Other hooks for a while (tests, tools); without them, the game's own.
    void usaGanchos(Ganchos* ganchos) { ganchos_ = ganchos ? ganchos : padrao_; }
    Ganchos& ganchos() { return *ganchos_; }

    // Shorthands for what every part uses.
    void log(int nivel, std::string_view texto) { historico.ESCREVE_HISTORICO(nivel, texto); }
    void Wait(int ms) { pausa.Wait(ms); }
    bool Chance(int n) { return pausa.Chance(n); }
    int random(int n) { return pausa.random(n); }
    ModoBaralho modo() const { return prefs.modoBaralho(); }
    int forca(int carta) const { return FORCA_CARTA(baralho, carta, estado.VIRA, modo()); }
    std::string rotulo(int jogador, int slot) const;

    // Scores loaded from a snapshot stand once the hand it aborted is settled.
    std::optional<std::pair<int, int>> placarCarregado;
    bool erroDeSnapshotMostrado = false;

protected:
    // The hooks used whenever no others are given; those in use follow when they were the default.
    void defineGanchosPadrao(Ganchos& ganchos) {
        if (ganchos_ == padrao_) ganchos_ = &ganchos;
        padrao_ = &ganchos;
    }

private:
    Ganchos nenhum_;
    Ganchos* padrao_ = &nenhum_;
    Ganchos* ganchos_ = &nenhum_;
};

}  // namespace pelmar
