#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/Tela.h"

namespace pelmar {

// Records what the table was told and answers its questions from a script or a callback.
class TelaHeadless : public Tela {
public:
    int perguntaTruco(const PerguntaTruco& pergunta) override;
    int perguntaOnze() override;
    void caixaMensagem(std::string_view titulo, std::string_view texto) override;
    void mostraErro(std::string_view texto) override;
    int tocaSom(std::string_view chave) override;
    void redesenha() override { ++redesenhos; }

    // Answers, in order; when a script runs out the callback answers, else the default.
    std::vector<int> respostasTruco;
    std::vector<int> respostasOnze;
    std::function<int(const PerguntaTruco&)> aoPerguntarTruco;
    std::function<int()> aoPerguntarOnze;
    int respostaTrucoPadrao = resposta::ACEITAR;
    int respostaOnzePadrao = resposta::JOGAR_ONZE;
    int duracaoSomMs = 0;  // what every sound pretends to last
    // A long run keeps no record of questions, sounds and boxes (errors are always kept).
    bool registra = true;

    std::vector<PerguntaTruco> perguntasTruco;
    int perguntasOnze = 0;
    std::vector<std::string> sons;
    std::vector<std::string> mensagens;  // "title: text"
    std::vector<std::string> erros;
    long long redesenhos = 0;
};

}  // namespace pelmar
