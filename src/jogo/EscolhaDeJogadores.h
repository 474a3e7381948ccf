#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace pelmar {

class Jogo;

// What a choice of players came to. `recusa`: nothing changed, and why. `erro`: the draw's fault
// for the user's error box (once, not again while the table file stays the same).
struct ResultadoDaEscolha {
    std::optional<std::string> recusa;
    std::optional<std::string> erro;
};

// Who sits at the table, as the players window chooses it: a seat given a name or a character,
// the three "fixed" options, and the draw that follows every change. The running table takes
// each change at once (names, faces and voices through the seats' characters); the preferences
// keep it until saved.
class EscolhaDeJogadores {
public:
    explicit EscolhaDeJogadores(Jogo& jogo) : jogo_(jogo) {}

    // The personality keys in table order.
    std::vector<std::string> chavesDaTabela() const;

    // The option that fixes seat 1..4: VOCE_FIXO for 1, PARCEIRO_FIXO for 3, ADVERSARIOS_FIXOS
    // for 2 and 4 together.
    bool fixo(int assento) const;
    void fixa(int assento, bool fixo);

    // A personality key for a fixed seat: upper-cased and cut to the name's 30 characters.
    ResultadoDaEscolha mudaNome(int assento, std::string_view texto);
    // A character folder of JOG at a seat: the seat is fixed, takes the name as it is written
    // and the draw keeps it. Refused, changing nothing, for a name no seat can keep.
    ResultadoDaEscolha sentaPersonagem(int assento, std::string_view personagem);
    // Every seat drawn again, none fixed.
    ResultadoDaEscolha soltaTodos();

    // What the window says of a seat, or nothing: a name with no row of its own plays the
    // default personality.
    std::optional<std::string> notaDoAssento(int assento) const;

private:
    ResultadoDaEscolha sorteia();
    bool* opcaoDoAssento(int assento) const;

    Jogo& jogo_;
};

}  // namespace pelmar
