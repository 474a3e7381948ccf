#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>

#include <QString>

#include "base/PastaTrabalho.h"
#include "jogo/Jogo.h"
#include "presentation/ImagensDaMesa.h"
#include "presentation/TocadorSons.h"
#include "windows/PlataformaQt.h"
#include "windows/TForm2.h"
#include "windows/TelaQt.h"

namespace pelmar {

struct OpcoesDaSessao {
    std::filesystem::path pasta;   // the working folder
    std::filesystem::path dados;   // the bundled files copied into it where missing
    bool demo = false;             // the table plays the user's seat too
    bool rapido = false;           // no waits, no sounds
    std::optional<std::uint64_t> semente;  // a fixed seed instead of the clock
};

// One run of the desktop game: the ports, the pictures and sounds, the game and its window,
// built and started in the order the game needs them.
class SessaoDesktop {
public:
    explicit SessaoDesktop(const OpcoesDaSessao& opcoes);
    SessaoDesktop(const SessaoDesktop&) = delete;
    SessaoDesktop& operator=(const SessaoDesktop&) = delete;

    // Loads everything, applies the options and arms the first game; the window is not shown.
    // `progresso` hears each step as it starts (the splash shows it).
    void inicia(const std::function<void(const QString&)>& progresso = {});

    Jogo& jogo() { return jogo_; }
    TForm2& janela() { return janela_; }
    TelaQt& tela() { return tela_; }
    TocadorSons& sons() { return sons_; }
    PlataformaQt& plataforma() { return plataforma_; }

private:
    OpcoesDaSessao opcoes_;
    PlataformaQt plataforma_;
    PastaTrabalho pasta_;
    TocadorSons sons_;
    ImagensDaMesa imagens_;
    TelaQt tela_;
    Jogo jogo_;
    TForm2 janela_;
};

}  // namespace pelmar
