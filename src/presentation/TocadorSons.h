#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <list>
#include <memory>
#include <set>
#include <string>
#include <string_view>

class QSoundEffect;

namespace pelmar {

class PastaTrabalho;

// Plays the game's sounds on the desktop: "WAV/" + key + ".WAV" under the working folder, started
// without waiting. The length comes from the file's header, so the game paces a synchronous
// sound the same way with or without an audio device, and with the sound switched off.
class TocadorSons {
public:
    using Notas = std::function<void(const std::string&)>;

    static constexpr std::size_t LIMITE_PADRAO = 32;
    // Noted once while no audio device is found (the game goes on, silent).
    static constexpr const char* NOTA_SEM_DISPOSITIVO = "SONS MUDOS: nenhum dispositivo de áudio";

    using ConsultaDispositivo = std::function<bool()>;

    // `notas` hears, once per key, why a sound could not be played. `haDispositivo` tells whether
    // an audio output exists; empty asks Qt's default output.
    explicit TocadorSons(const PastaTrabalho& pasta, Notas notas = {}, std::size_t limiteCache = LIMITE_PADRAO,
                         ConsultaDispositivo haDispositivo = {});
    ~TocadorSons();
    TocadorSons(const TocadorSons&) = delete;
    TocadorSons& operator=(const TocadorSons&) = delete;

    // Starts the sound (unless switched off) and returns its length in ms; 0, and silence, when
    // the file is missing or not a 16-bit PCM WAV.
    int toca(std::string_view chave);
    // The same length, playing nothing.
    int duracaoMs(std::string_view chave);

    // Off, nothing is heard and whatever plays stops; lengths are still returned.
    void defineAtivo(bool ativo);
    bool ativo() const { return ativo_; }

    // Effects loaded (none while no audio device is found).
    std::size_t efeitosEmCache() const { return cache_.size(); }
    std::size_t limiteCache() const { return limite_; }

private:
    struct Efeito;

    std::filesystem::path caminhoDe(std::string_view chave) const;
    // The length, or 0 after noting the trouble.
    int duracaoDe(std::string_view chave, const std::filesystem::path& caminho);
    QSoundEffect& efeitoPara(const std::filesystem::path& caminho);

    const PastaTrabalho& pasta_;
    Notas notas_;
    ConsultaDispositivo haDispositivo_;
    std::size_t limite_;
    bool ativo_ = true;
    bool semDispositivoAnotado_ = false;
    std::list<std::unique_ptr<Efeito>> cache_;  // most recently played first
    std::set<std::string, std::less<>> anotadas_;
};

}  // namespace pelmar
