#pragma once

#include <QString>

#include <optional>

#include "Wav.h"

// Speech through espeak-ng, Brazilian Portuguese.
namespace pelmar::gerador {

struct Voz {
    const char* variante;  // espeak voice, e.g. "pt-br+m3"
    int velocidade;        // words per minute
    int tom;               // 0..99
    int volume;            // 0..200
};

class Locutor {
public:
    Locutor();
    // False once the synthesiser is missing or has failed; the first time, one message is
    // printed to stderr and the caller falls back to tunes.
    bool disponivel() const { return !programa_.isEmpty(); }
    // The spoken text, trimmed of its silences; nothing when speech cannot be made.
    std::optional<Amostras> fala(const QString& texto, const Voz& voz);

private:
    void desiste(const QString& motivo);
    QString programa_;
};

}  // namespace pelmar::gerador
