#pragma once

#include "Wav.h"

// The finishing every sound gets, in code so the bytes never depend on an outside tool.
namespace pelmar::gerador {

// Drops the leading and trailing stretches quieter than `limiar` (a fraction of full scale),
// keeping `margem` seconds of each.
Amostras aparaSilencio(const Amostras& s, double limiar = 0.01, double margem = 0.02);

// Linear fades, so a cut never clicks.
void suaviza(Amostras& s, double entrada, double saida);

// Scales so the loudest sample reaches `pico`. Silence stays silence.
void normaliza(Amostras& s, double pico);

// Soft saturation that lifts the quiet parts: a shout sounds louder at the same peak.
void enfatiza(Amostras& s, double forca);

}  // namespace pelmar::gerador
