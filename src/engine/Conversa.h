#pragma once

#include <string>

namespace pelmar {

class Partida;

// The table's small talk: the seats' speech balloons and the jokes window.
class Conversa {
public:
    explicit Conversa(Partida& jogo) : j_(jogo) {}

    static constexpr const char* ARQUIVO_FALAS = "TXT\\FALAS.TXT";

    // Counts the chat lines; the draw range stays as counted until the next start-up.
    void CONTA_FALAS();
    // One blink tick: an open balloon counts down, else at most one seat may start talking.
    void CONVERSA_JOGADORES();
    // Puts a random joke into the jokes window and shows it, empty when the file is missing.
    void CONTA_PIADA();
    // A stopped table gets no more blink ticks, so nothing would close them.
    void fechaBaloes();

    int QTD_FALAS = 0;

private:
    std::string linhaDasFalas(int r) const;
    Partida& j_;
};

}  // namespace pelmar
