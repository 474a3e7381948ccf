#pragma once

namespace pelmar {

class Partida;

// "Trocar Jogadores", also run at every start of play: the seats' faces flick through new
// personalities, ever more slowly, and settle on the last draw.
class TrocaDeJogadores {
public:
    explicit TrocaDeJogadores(Partida& jogo) : j_(jogo) {}

    static constexpr int MINIMO_DE_SORTEIOS = 10;
    static constexpr int SORTEIOS_A_MAIS = 10;  // a random 0..9 more
    static constexpr int PAUSA_INICIAL_MS = 5;
    static constexpr int PAUSA_A_MAIS_MS = 20;

    // A stop cuts the animation short, but the first draw is always made: from the menu, with
    // no game running, the stop flag is already set and the players must still change.
    void TROCA_JOGADORES();

private:
    Partida& j_;
};

}  // namespace pelmar
