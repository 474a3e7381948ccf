#pragma once

#include <array>
#include <string_view>

#include "engine/DeUm.h"
#include "engine/Plataforma.h"

namespace pelmar {

class Partida;
struct Controle;

// The faces of a seat, by their index in the seat's image list.
namespace sinal {
inline constexpr int NORMAL = 0;
inline constexpr int GESTO = 1;
inline constexpr int NADA = 2;
inline constexpr int DOIS = 3;
inline constexpr int TRES = 4;
inline constexpr int OUROS = 5;
inline constexpr int ESPADA = 6;
inline constexpr int COPAS = 7;
inline constexpr int PAUS = 8;
}  // namespace sinal

inline constexpr std::array<std::string_view, 9> NOMES_DOS_SINAIS = {"NORMAL", "GESTO", "NADA",  "DOIS", "TRES",
                                                                      "OUROS",  "ESPADA", "COPAS", "PAUS"};
// The index of a signal's name; any other name is NORMAL.
int indiceDoSinal(std::string_view nome);

// The faces the seats make while a hand is played: true signals of the cards they hold, the
// opponents' false ones, and gestures. Each lasts one tick of its own timer.
class Sinais {
public:
    explicit Sinais(Partida& jogo);
    ~Sinais();
    Sinais(const Sinais&) = delete;
    Sinais& operator=(const Sinais&) = delete;

    static constexpr int INTERVALO_PADRAO_MS = 200;
    static constexpr int INTERVALO_MINIMO_MS = 50;
    static constexpr int INTERVALO_MAXIMO_MS = 500;
    static constexpr int INTERVALO_TIMER3_MS = 500;
    // Seats 2 and 4 signal truly this much more rarely than their personality's first trick.
    static constexpr int RESERVA_DOS_ADVERSARIOS = 100;

    void MOSTRA_SINAL(std::string_view nome, int jogador);
    void PASSA_SINAIS();
    // The deal is complete: the faces may speak.
    void ativa();
    // A hand starts, or the game stops: every face back to NORMAL, and none speaks until the
    // next deal is complete.
    void desativa();
    // The change of players: no face speaks while the seats are being drawn.
    void pausa();
    void retoma();
    // Kept within 50..500 ms.
    void mudaIntervalo(int ms);
    int intervalo() const { return intervalo_; }
    // Every 500 ms: the seat to move keeps its signal drawn and its turn marker blinks.
    void tickTimer3();

    bool SINAIS_ATIVOS = false;
    int TIPO_SINAL = 0;
    DeUm<int, 4> SINAL_MOSTRADO{};
    bool PISCA_SINAL = false;  // the blink flag Timer3 toggles

    Plataforma::IdTimer timerSINAIS = -1;
    Plataforma::IdTimer Timer3 = -1;

private:
    void mostra(int indice, int jogador);
    void todosNormais();
    // The bit test: an unplayed card whose strength holds every bit of `valor`.
    bool temCarta(int jogador, int valor) const;
    bool soCartasBaixas(int jogador) const;
    bool sinalVerdadeiro(int jogador, int chance);

    Partida& j_;
    DeUm<Controle*, 4> retratos_{};
    int intervalo_ = INTERVALO_PADRAO_MS;
};

}  // namespace pelmar
