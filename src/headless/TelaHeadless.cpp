#include "headless/TelaHeadless.h"

namespace pelmar {

int TelaHeadless::perguntaTruco(const PerguntaTruco& pergunta) {
    if (registra) perguntasTruco.push_back(pergunta);
    if (!respostasTruco.empty()) {
        const int r = respostasTruco.front();
        respostasTruco.erase(respostasTruco.begin());
        return r;
    }
    return aoPerguntarTruco ? aoPerguntarTruco(pergunta) : respostaTrucoPadrao;
}

int TelaHeadless::perguntaOnze() {
    ++perguntasOnze;
    if (!respostasOnze.empty()) {
        const int r = respostasOnze.front();
        respostasOnze.erase(respostasOnze.begin());
        return r;
    }
    return aoPerguntarOnze ? aoPerguntarOnze() : respostaOnzePadrao;
}

void TelaHeadless::caixaMensagem(std::string_view titulo, std::string_view texto) {
    if (registra) mensagens.push_back(std::string(titulo) + ": " + std::string(texto));
}

void TelaHeadless::mostraErro(std::string_view texto) { erros.emplace_back(texto); }

int TelaHeadless::tocaSom(std::string_view chave) {
    if (registra) sons.emplace_back(chave);
    return duracaoSomMs;
}

}  // namespace pelmar
