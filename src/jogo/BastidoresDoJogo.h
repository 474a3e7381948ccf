#pragma once

#include "engine/Bastidores.h"

namespace pelmar {

class Jogo;

// The game's answers to what the rules ask of the subsystems above them: the brain loads at the
// first match, the level moves at a hand's start and after a boi, the personalities are drawn,
// the preferences and the hand's snapshot are written, a loaded deal is dealt again.
class BastidoresDoJogo : public Bastidores {
public:
    explicit BastidoresDoJogo(Jogo& jogo) : jogo_(jogo) {}

    void comecoDePartida() override;
    std::optional<std::string> comecoDaMao() override;
    std::optional<MudancaDeNivel> depoisDoBoi(int lado) override;
    void gravaPreferencias() override;
    SorteioDeJogadores sorteiaPersonalidades() override;
    int chanceDeFala(int jogador) override;
    std::optional<ChancesDeSinal> chancesDeSinal(int jogador) override;
    std::optional<std::string> gravaSnapshotDaMao() override;
    std::optional<int> viraPreparada() override;
    std::optional<int> cartaPreparada(int jogador, int slot) override;

private:
    Jogo& jogo_;
};

}  // namespace pelmar
