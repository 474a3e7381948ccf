#pragma once

#include <string>

#include "engine/Plataforma.h"

namespace pelmar {

class Partida;

// Play time since the first game of the run.
struct TempoDeJogo {
    int horas = 0;  // wraps after 23
    int minutos = 0;
    int segundos = 0;

    // "hh:mm:ss"
    std::string texto() const;
    bool operator==(const TempoDeJogo&) const = default;
};

// The play clock on its own 100 ms timer; now and then, at a full minute, a joke.
class RelogioDeJogo {
public:
    explicit RelogioDeJogo(Partida& jogo);
    ~RelogioDeJogo();
    RelogioDeJogo(const RelogioDeJogo&) = delete;
    RelogioDeJogo& operator=(const RelogioDeJogo&) = delete;

    static constexpr int INTERVALO_MS = 100;
    static constexpr int TICKS_POR_SEGUNDO = 10;
    static constexpr int CHANCE_PIADA = 200;

    // Runs from the first game on; a stopped game does not stop it.
    void liga();
    void tick();
    const TempoDeJogo& tempo() const { return tempo_; }

    Plataforma::IdTimer COMP_1 = -1;

private:
    Partida& j_;
    int ticks_ = 0;
    TempoDeJogo tempo_;
};

}  // namespace pelmar
