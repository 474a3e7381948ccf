#pragma once

#include "Wav.h"

#include <cstdint>
#include <functional>
#include <string_view>
#include <vector>

// Building blocks of the synthesised sounds: notes made of partials, noise, filters, a voice
// made of harmonics shaped by formants, and a mixer.
namespace pelmar::gerador {

// Noise seeded from a name, so each sound has its own and every run the same.
class Ruido {
public:
    explicit Ruido(std::string_view semente);
    double uniforme();  // [0, 1)
    float proximo();    // [-1, 1)

private:
    std::uint64_t estado_;
};

// One partial: frequency as a ratio of the note's, amplitude, and exponential decay per second
// (0 holds it until the release).
struct Parcial {
    double razao;
    double amplitude;
    double decaimento;
};

struct Timbre {
    std::vector<Parcial> parciais;
    double ataque = 0.005;   // seconds
    double soltura = 0.03;   // seconds
    double vibrato = 0;      // depth as a fraction of the frequency, at 5.5 Hz
};

Timbre sino();
Timbre marimba();
Timbre metal();
Timbre apito();
Timbre madeira();

Amostras silencio(double segundos);
// A note whose frequency slides exponentially from `f0` to `f1`.
Amostras nota(double f0, double segundos, const Timbre& t, double f1 = 0);
Amostras ruidoBranco(Ruido& r, double segundos);

// Resonant band-pass whose centre slides exponentially from `centro0` to `centro1`.
Amostras passaFaixa(const Amostras& s, double centro0, double centro1, double q);
Amostras passaBaixa(const Amostras& s, double corte);
// Attack in seconds, then an exponential decay per second.
void envelope(Amostras& s, double ataque, double decaimento);

// Harmonics of a pitch `f0(t)` weighted by formants that move from `inicio` to `fim`: a vowel.
struct Formante {
    double frequencia;
    double largura;
    double ganho;
};
Amostras vogal(double segundos, const std::function<double(double)>& f0, const std::vector<Formante>& inicio,
               const std::vector<Formante>& fim);

// Adds `s` into `destino` from `inicio` seconds on, growing it when needed.
void mistura(Amostras& destino, const Amostras& s, double inicio, double ganho = 1.0);

// Equal-tempered pitch of a MIDI note number.
double frequencia(int notaMidi);

}  // namespace pelmar::gerador
