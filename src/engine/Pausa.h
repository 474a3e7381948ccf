#pragma once

namespace pelmar {

class Plataforma;
struct EstadoJogo;
struct ChavesDaSessao;

// Every pause of the game, and the one-in-n test every decision uses.
class Pausa {
public:
    Pausa(Plataforma& plataforma, const EstadoJogo& estado, const ChavesDaSessao& chaves)
        : plataforma_(plataforma), estado_(estado), chaves_(chaves) {}

    // Pauses while serving events; returns at once when the game is stopping.
    void Wait(int ms);
    // One in n: true for n of 0 or 1, never for a negative n.
    bool Chance(int n);
    // 0..n-1; 0 when n <= 0.
    int random(int n);

private:
    Plataforma& plataforma_;
    const EstadoJogo& estado_;
    const ChavesDaSessao& chaves_;
};

}  // namespace pelmar
