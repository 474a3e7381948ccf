#include "engine/Sinais.h"

#include <algorithm>
#include <string>

#include "engine/Partida.h"

namespace pelmar {

int indiceDoSinal(std::string_view nome) {
    const auto achado = std::find(NOMES_DOS_SINAIS.begin(), NOMES_DOS_SINAIS.end(), nome);
    return achado == NOMES_DOS_SINAIS.end() ? sinal::NORMAL : static_cast<int>(achado - NOMES_DOS_SINAIS.begin());
}

Sinais::Sinais(Partida& jogo) : j_(jogo) {
    for (int p = 1; p <= 4; ++p) retratos_[p] = &j_.mesa["IMG_JOGADOR_" + std::to_string(p)];
    timerSINAIS = j_.plataforma.criaTimer(intervalo_, [this] { PASSA_SINAIS(); });
    j_.plataforma.ativaTimer(timerSINAIS, true);
    Timer3 = j_.plataforma.criaTimer(INTERVALO_TIMER3_MS, [this] { tickTimer3(); });
    j_.plataforma.ativaTimer(Timer3, true);
}

Sinais::~Sinais() {
    // The platform outlives the game; its timers must not call into a game that is gone.
    j_.plataforma.ativaTimer(timerSINAIS, false);
    j_.plataforma.ativaTimer(Timer3, false);
}

void Sinais::MOSTRA_SINAL(std::string_view nome, int jogador) { mostra(indiceDoSinal(nome), jogador); }

void Sinais::mostra(int indice, int jogador) {
    if (!SINAIS_ATIVOS || jogador < 1 || jogador > 4) return;
    if (indice < sinal::NORMAL || indice > sinal::PAUS) indice = sinal::NORMAL;
    if (indice >= sinal::DOIS && j_.historico.registra(3))
        j_.log(3, "JOG_" + std::to_string(jogador) + " PASSA SINAL:" + std::to_string(indice));
    if (SINAL_MOSTRADO[jogador] == indice) return;
    SINAL_MOSTRADO[jogador] = indice;
    retratos_[jogador]->carta = indice;
}

void Sinais::todosNormais() {
    for (int p = 1; p <= 4; ++p) {
        SINAL_MOSTRADO[p] = sinal::NORMAL;
        retratos_[p]->carta = sinal::NORMAL;
    }
}

bool Sinais::temCarta(int jogador, int valor) const {
    for (const SlotCarta& c : j_.estado.JOGADORES[jogador].CARTAS)
        if (!c.JOGADA && c.CARTA != 0 && (c.FORCA & valor) == valor) return true;
    return false;
}

// NADA tells of Fours to Sevens only: a seat with nothing left in its hand has nothing to tell.
bool Sinais::soCartasBaixas(int jogador) const {
    bool algumaNaMao = false;
    for (const SlotCarta& c : j_.estado.JOGADORES[jogador].CARTAS) {
        if (c.JOGADA || c.CARTA == 0) continue;
        if (c.FORCA >= valor::DAMA) return false;
        algumaNaMao = true;
    }
    return algumaNaMao;
}

bool Sinais::sinalVerdadeiro(int jogador, int chance) {
    const int vira = j_.baralho[j_.estado.VIRA].VALOR;
    switch (TIPO_SINAL) {
        case 0:
            if (j_.Chance(chance) && temCarta(jogador, valor::DOIS) && vira != valor::AS) mostra(sinal::DOIS, jogador);
            return true;
        case 1:
            if (j_.Chance(chance) && temCarta(jogador, valor::TRES) && vira != valor::DOIS) mostra(sinal::TRES, jogador);
            return true;
        case 2:
            if (j_.Chance(chance) && temCarta(jogador, naipe::OUROS)) mostra(sinal::OUROS, jogador);
            return true;
        case 3:
            if (j_.Chance(chance) && temCarta(jogador, naipe::ESPADA)) mostra(sinal::ESPADA, jogador);
            return true;
        case 4:
            if (j_.Chance(chance) && temCarta(jogador, naipe::COPAS)) mostra(sinal::COPAS, jogador);
            return true;
        case 5:
            if (j_.Chance(chance) && temCarta(jogador, naipe::PAUS)) mostra(sinal::PAUS, jogador);
            return true;
        case 6:
            if (j_.Chance(chance) && soCartasBaixas(jogador)) mostra(sinal::NADA, jogador);
            return true;
        default:
            return false;  // the gesture, whose chance is not the card signals'
    }
}

void Sinais::PASSA_SINAIS() {
    TIPO_SINAL = (TIPO_SINAL + 1) % 8;
    // Between hands nothing is shown, so nothing is drawn or told: the log holds only faces seen.
    if (!SINAIS_ATIVOS) return;
    for (int p = 1; p <= 4; ++p) mostra(sinal::NORMAL, p);
    const int rodada = std::clamp(j_.estado.RODADA, 1, 3);
    DeUm<int, 4> chanceFalsa{};
    for (int p = 1; p <= 4; ++p) {
        const auto chances = j_.bastidores.chancesDeSinal(p);
        chanceFalsa[p] = -1;
        if (!chances) continue;
        const bool parceiros = p == 1 || p == 3;
        chanceFalsa[p] = parceiros ? -1 : chances->falso;
        const int chance = parceiros ? chances->verdadeiro[rodada] : chances->verdadeiro[1] + RESERVA_DOS_ADVERSARIOS;
        if (!sinalVerdadeiro(p, chance) && j_.Chance(chances->gesto)) mostra(sinal::GESTO, p);
    }
    static constexpr std::array<int, 7> FALSOS = {sinal::NADA,  sinal::OUROS, sinal::ESPADA, sinal::COPAS,
                                                  sinal::PAUS, sinal::DOIS,  sinal::TRES};
    for (int p : {2, 4}) {
        if (chanceFalsa[p] < 0 || !j_.Chance(chanceFalsa[p])) continue;
        const int r = j_.random(static_cast<int>(FALSOS.size()));
        mostra(FALSOS[static_cast<std::size_t>(std::clamp(r, 0, 6))], p);
        j_.log(2, "SINAL FALSO JOG_" + std::to_string(p) + " CARTA:" + std::to_string(r));
    }
}

void Sinais::ativa() { SINAIS_ATIVOS = true; }

void Sinais::desativa() {
    SINAIS_ATIVOS = false;
    todosNormais();
}

void Sinais::pausa() {
    j_.plataforma.ativaTimer(timerSINAIS, false);
    todosNormais();
}

void Sinais::retoma() { j_.plataforma.ativaTimer(timerSINAIS, true); }

void Sinais::mudaIntervalo(int ms) {
    intervalo_ = std::clamp(ms, INTERVALO_MINIMO_MS, INTERVALO_MAXIMO_MS);
    j_.plataforma.mudaIntervalo(timerSINAIS, intervalo_);
}

void Sinais::tickTimer3() {
    PISCA_SINAL = !PISCA_SINAL;
    const int vez = j_.estado.JOGADOR_DA_VEZ;
    if (vez >= 1 && vez <= 4) retratos_[vez]->carta = SINAL_MOSTRADO[vez];
    // The marker of the seat whose card is awaited blinks with the same flag.
    j_.turnos.MOSTRA_VEZ(vez, PISCA_SINAL);
}

}  // namespace pelmar
