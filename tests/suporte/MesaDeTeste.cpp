#include "suporte/MesaDeTeste.h"

#include <stdexcept>

namespace pelmar::teste {

int carta(std::string_view codigo) {
    static constexpr std::string_view VALORES = "A234567QJK";
    static constexpr std::string_view NAIPES = "CEOP";  // deck order: COPAS, ESPADA, OUROS, PAUS
    if (codigo.size() != 2) throw std::invalid_argument("carta: " + std::string(codigo));
    const auto v = VALORES.find(codigo[0]);
    const auto n = NAIPES.find(codigo[1]);
    if (v == std::string_view::npos || n == std::string_view::npos)
        throw std::invalid_argument("carta: " + std::string(codigo));
    return static_cast<int>(n * 10 + v + 1);
}

DecisaoJogada DecisoesRoteiro::DECIDE_JOGADA(int jogador) {
    auto& fila = lances[jogador];
    if (!fila.empty()) {
        Lance l = fila.front();
        fila.pop_front();
        if (l.antes && jogo) l.antes(*jogo);
        return {l.slot, l.trucar, l.encobrir, 0};
    }
    // Unscripted: the first card still in hand.
    for (int s = 1; s <= 3 && jogo; ++s)
        if (jogo->estado.JOGADORES[jogador].CARTAS[s].FORCA != 0) return {s, false, false, 0};
    return {};
}

DecisaoJogada DecisoesRoteiro::JOGADA_ORDENADA(int jogador, bool maior, bool encobrir) {
    return jogo->computador.JOGADA_ORDENADA(jogador, maior, encobrir);
}

void MesaDeTeste::SetUp() {
    PastaTemporaria::SetUp();
    // Cases that run several tables in one test start each from scratch.
    jogo.reset();
    plataforma = PlataformaRoteirizada{7};
    tela = TelaHeadless{};
    decisoes = DecisoesRoteiro{};
    ganchos = GanchosGravados{};
    std::filesystem::create_directories(pasta / "TXT");
    jogo = std::make_unique<Jogo>(plataforma, tela, decisoes, PastaTrabalho(pasta));
    decisoes.jogo = jogo.get();
    jogo->usaGanchos(&ganchos);
    jogo->prefs.J1_JOGA_SOZINHO = true;
    jogo->prefs.J3_JOGA_SOZINHO = true;
    jogo->historico.NIVEL_HISTORICO = 3;
}

void MesaDeTeste::TearDown() {
    jogo.reset();
    PastaTemporaria::TearDown();
}

void MesaDeTeste::preset(std::string_view vira,
                         std::initializer_list<std::initializer_list<std::string_view>> maos) {
    MesaDebug& m = jogo->debug.MESA_DEBUG;
    m.vira = carta(vira);
    int p = 1;
    for (const auto& mao : maos) {
        int s = 1;
        for (std::string_view c : mao) m.cartas[p][s++] = carta(c);
        ++p;
    }
    jogo->debug.DEBUG_DISTRIBUICAO = true;
}

void MesaDeTeste::primeiroAJogar(int jogador) {
    // The match loop moves the dealer on one seat before the hand.
    jogo->estado.DISTRIBUIDOR = (jogador + 1) % 4 + 1;
}

void MesaDeTeste::roteiro(int jogador, std::initializer_list<Lance> lances) {
    decisoes.lances[jogador] = std::deque<Lance>(lances);
}

void MesaDeTeste::jogaMao() {
    jogo->estado.PARAR = false;
    jogo->estado.JOGO_EM_ANDAMENTO = true;
    jogo->turnos.jogaUmaMao();
}

bool MesaDeTeste::logContem(std::string_view trecho) const { return contaNoLog(trecho) > 0; }

int MesaDeTeste::contaNoLog(std::string_view trecho) const {
    int n = 0;
    for (const std::string& linha : jogo->historico.linhas())
        if (linha.find(trecho) != std::string::npos) ++n;
    return n;
}

}  // namespace pelmar::teste
