#pragma once

#include <string>
#include <string_view>

namespace pelmar {

// A computer seat's truco put to the user's side.
struct PerguntaTruco {
    int chamador = 0;    // seat 2 or 4
    int valor = 0;       // 3, 6, 9 or 12
    std::string verso;   // a verse of that stake
    std::string legenda; // " TRUCO : Valendo n tentos"
    std::string textoSubir;  // "RE-TRUCA : n+3", empty when no raise is offered
};

namespace resposta {
// The question was ended without an answer: the game is closing under it.
inline constexpr int NENHUMA = 0;
inline constexpr int ACEITAR = 1;
inline constexpr int FUGIR = 2;
inline constexpr int SUBIR = 5;
inline constexpr int JOGAR_ONZE = 1;
inline constexpr int RECUSAR_ONZE = 2;
}  // namespace resposta

// What the table shows and asks. The visible state itself lives in the table model; this port
// carries what cannot be a state: questions, sounds, message boxes and "show it now".
class Tela {
public:
    virtual ~Tela() = default;

    // 1 accept, 2 run, 5 raise; 0 when the question was ended unanswered.
    virtual int perguntaTruco(const PerguntaTruco& pergunta) = 0;
    // 1 play, 2 decline; 0 when the question was ended unanswered.
    virtual int perguntaOnze() = 0;
    virtual void caixaMensagem(std::string_view titulo, std::string_view texto) = 0;
    // An input/output or conversion error the user should see.
    virtual void mostraErro(std::string_view texto) = 0;
    // Starts "WAV/" + key + ".WAV"; returns the sound's length in ms (0 when unknown or missing).
    virtual int tocaSom(std::string_view chave) = 0;
    // The model changed in a way worth showing at once (an animation step).
    virtual void redesenha() = 0;
};

}  // namespace pelmar
