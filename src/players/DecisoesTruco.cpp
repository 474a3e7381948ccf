#include "players/DecisoesTruco.h"

#include <cstdlib>
#include <string>

#include "brain/Inteligencia.h"
#include "engine/EstadoTruco.h"
#include "engine/Partida.h"
#include "players/AnaliseCartas.h"
#include "players/Dificuldade.h"
#include "players/Personalidades.h"

namespace pelmar {

namespace {
constexpr int MAO = 1, SEGUNDO = 2, ANTEPE = 3, PE = 4;
}  // namespace

void DecisoesTruco::TRUCA_ALEATORIO(bool& desejo, int valor) {
    if (desejo) return;
    const EstadoJogo& e = j_.estado;
    const int p = e.JOGADOR_DA_VEZ;
    if (p < 1 || p > 4) return;
    const RegistroJogador& jogador = e.JOGADORES[p];
    const int ordem = jogador.ORDEM;
    const int escape = e.RODADA == 1 ? 6 - ordem : (e.RODADA == 2 ? 9 - ordem : 14 - ordem);
    if (j_.Chance(escape)) return;
    int n = valor - 4 * ordem - 2 * e.RODADA + 20;
    if (e.RODADA == 1 || e.RODADA == 3) n += 50;
    if (jogador.TIME != e.RESULTADO_RODADA_ATUAL) n += 50;
    if (e.RODADA == 2 && jogador.TIME == e.RESULTADO_RODADA[1]) n -= 30;
    if (j_.Chance(n)) {
        desejo = true;
        j_.log(0, "TRUCAR ALIATÓRIAMENTE SEM IA OU PERFONALIDADE" + std::to_string(n));
    }
}

void DecisoesTruco::TRUCA_POR_PONTOS(bool& desejo) {
    if (desejo) return;
    const EstadoJogo& e = j_.estado;
    const int d = std::abs(e.PONTOS_JOG - e.PONTOS_COM);
    if (d > 5 && j_.Chance((15 - d) * 10)) {
        desejo = true;
        j_.log(0, "TRUCAR DIFERENÇA DE PONTOS = " + std::to_string(d));
    }
    if (e.PONTOS_COM + 3 > 11 && j_.Chance(50)) {
        desejo = true;
        j_.log(0, "TRUCAR SOMA MAIOR QUE 12 = " + std::to_string(e.PONTOS_COM));
    }
    if (e.PONTOS_JOG + e.VALOR_TRUCO > 11) {
        desejo = true;
        j_.log(0, "TRUCAR SOMA ATUAL MAIS PONTO JOG PASSOU LIMITE = " + std::to_string(e.PONTOS_JOG + e.VALOR_TRUCO));
    }
}

void DecisoesTruco::ACEITA_POR_PONTOS(bool& desejo) {
    const EstadoJogo& e = j_.estado;
    if (e.MAO_DE_ONZE || e.PONTOS_JOG + e.VALOR_TRUCO <= 11) return;
    desejo = true;
    j_.log(0, "ACEITA POR DIFERENÇA DE PONTOS " + std::to_string(e.PONTOS_JOG + e.VALOR_TRUCO) + " = " +
                  std::to_string(e.PONTOS_JOG) + "+" + std::to_string(e.VALOR_TRUCO));
}

void DecisoesTruco::TRUCA_POR_DEDUCAO(bool& desejo) {
    const EstadoJogo& e = j_.estado;
    const int q = e.JOGADOR_DA_VEZ % 4 + 1;
    const int maior = a_.MAIOR_CARTA(q);
    const int k = maior == 0 ? 100 : a_.CONTA_CARTAS_ACIMA(e.JOGADORES[q].CARTAS[maior].FORCA);
    if (k < 5 && j_.Chance(k)) {
        desejo = true;
        j_.log(0, "TRUCAR POR DEDUÇAO DAS CARTAS QUE SAIRAM " + std::to_string(q) + " = " + std::to_string(k));
    }
}

bool DecisoesTruco::IA_ACEITA(int jogador) {
    int slot = 0, regra = 0;
    bool trucar = false, encobrir = false;
    ia_.consulta.CONSULTA_CEREBRO(jogador, slot, trucar, regra, encobrir);
    if (trucar) return true;
    if (j_.Chance(10)) {
        j_.log(1, "IA ACEITA ALEATORIAMENTE");
        return true;
    }
    return false;
}

void DecisoesTruco::blefe(bool& desejo, int chanceRoubar, int segundaChance, const char* texto) {
    if (j_.Chance(chanceRoubar) && j_.Chance(segundaChance)) {
        desejo = a_.AVALIA_COMP();
        j_.log(0, texto);
    }
}

bool DecisoesTruco::desejoDeTrucar(int valor, bool forcar) {
    EstadoJogo& e = j_.estado;
    const auto& n = dificuldade_.parametros;
    if (e.MAO_DE_ONZE) return false;
    const int rodada = e.RODADA, vez = e.JOGADOR_DA_VEZ;
    const char primeira = e.RESULTADO_RODADA[1];
    bool desejo = false;
    switch (valor) {
        case 3: {
            if (e.ESTADO_TRUCO != estado_truco::NADA_PEDIDO) return false;
            desejo = FORCA_COMPUTADOR_TRUCAR;
            a_.PONTOS_JOGADORES();
            TRUCA_ALEATORIO(desejo, n.CHANCE_DESISTE_3);
            if (desejo && j_.Chance(n.CHANCE_DESISTE_3)) {
                desejo = false;
                j_.log(0, "DESISTE DE TRUCAR 3");
            }
            blefe(desejo, n.CHANCE_ROUBAR_3, 60 - 5 * rodada * vez, "TRUCA 3 ALEATORIAMENTE R");
            TRUCA_POR_PONTOS(desejo);
            break;
        }
        case 6: {
            if ((e.ESTADO_TRUCO != estado_truco::JOGADOR_PEDIU_3 && e.ESTADO_TRUCO != estado_truco::COMPUTADOR_ACEITOU_3) || e.PONTOS_COM > 6 || e.PONTOS_COM + e.VALOR_TRUCO > 12)
                return false;
            const int s = a_.PONTOS_JOGADORES();
            if (rodada == 2 && (primeira == 'C' || primeira == 'E') && s > 8192) desejo = true;
            if (rodada == 3 && primeira == 'E' && s > 16384) desejo = true;
            TRUCA_ALEATORIO(desejo, n.CHANCE_DESISTE_6);
            if (desejo && j_.Chance(n.CHANCE_DESISTE_6)) desejo = false;
            blefe(desejo, n.CHANCE_ROUBAR_6, 36 - 3 * rodada * vez, "TRUCA 6 ALEATORIAMENTE R");
            break;
        }
        case 9: {
            if (e.PONTOS_COM > 3 || (e.ESTADO_TRUCO != estado_truco::JOGADOR_PEDIU_6 && e.ESTADO_TRUCO != estado_truco::COMPUTADOR_ACEITOU_6)) return false;
            const int s = a_.PONTOS_JOGADORES();
            if (rodada == 1 && s > 20480) desejo = true;
            if (rodada == 2 && (primeira == 'C' || primeira == 'E') && s >= 16385) desejo = true;
            if (rodada == 3 && primeira == 'E' && s >= 16385) desejo = true;
            TRUCA_ALEATORIO(desejo, n.CHANCE_DESISTE_9);
            if (desejo && j_.Chance(n.CHANCE_DESISTE_9)) desejo = false;
            blefe(desejo, n.CHANCE_ROUBAR_9, (12 - rodada * vez) * 2, "TRUCA 9 ALEATORIAMENTE R");
            break;
        }
        case 12: {
            if (e.ESTADO_TRUCO != estado_truco::JOGADOR_PEDIU_9 && e.ESTADO_TRUCO != estado_truco::COMPUTADOR_ACEITOU_9) return false;
            const int s = a_.PONTOS_JOGADORES();
            if (rodada == 1 && s > 18688) desejo = true;
            if (rodada == 2 && ((primeira == 'C' && s > 16384) || (primeira == 'E' && s > 8192))) desejo = true;
            if (rodada == 3 && primeira == 'E' && s > 16384) desejo = true;
            TRUCA_ALEATORIO(desejo, n.CHANCE_DESISTE_12);
            blefe(desejo, n.CHANCE_ROUBAR_12, 12 - rodada * vez, "TRUCA 12 ALEATORIAMENTE R");
            break;
        }
        default: return false;
    }
    if (forcar) desejo = true;
    return desejo;
}

bool DecisoesTruco::cartasParaAceitar(int valor, int s) const {
    const EstadoJogo& e = j_.estado;
    const int rodada = e.RODADA;
    const char primeira = e.RESULTADO_RODADA[1], atual = e.RESULTADO_RODADA_ATUAL;
    switch (valor) {
        case 3:
            return (rodada == 1 && s > 6400) ||
                   (rodada == 2 && ((primeira == 'C' && s > 2304) || (primeira == 'E' && s > 8192) ||
                                    (primeira == 'J' && s > 8192))) ||
                   (rodada == 3 && ((primeira == 'E' && s > 2304) || (atual == 'C' && s > 768) ||
                                    (atual == 'J' && s > 1280)));
        case 6:
            return s > 40960 || (rodada == 1 && s > 10496) ||
                   (rodada == 2 && ((primeira == 'C' && s > 8192) || (primeira == 'E' && s > 4096))) ||
                   (rodada == 3 && s > 4096);
        case 9:
            return s > 40960 || (rodada == 1 && s > 20480) ||
                   (rodada == 2 && ((primeira == 'C' && s > 8192) || (primeira == 'E' && s > 16384))) ||
                   (rodada == 3 && s > 16384);
        default:
            return s > 40960 || (rodada == 1 && s > 36864) ||
                   (rodada == 2 && ((primeira == 'C' && s > 16384) || (primeira == 'E' && s > 8192))) ||
                   (rodada == 3 && s > 16384);
    }
}

bool DecisoesTruco::aceita(int valor) {
    EstadoJogo& e = j_.estado;
    const auto& n = dificuldade_.parametros;
    const int chanceAceita = valor == 3 ? n.CHANCE_ACEITA_3
                             : valor == 6 ? n.CHANCE_ACEITA_6
                             : valor == 9 ? n.CHANCE_ACEITA_9
                                          : n.CHANCE_ACEITA_12;
    const int chanceRoubar = valor == 3 ? n.CHANCE_ROUBAR_3
                             : valor == 6 ? n.CHANCE_ROUBAR_6
                             : valor == 9 ? n.CHANCE_ROUBAR_9
                                          : n.CHANCE_ROUBAR_12;
    bool w = false;
    // Points (from the six up), the brain (three and six), cards, the run of trucos (three), a
    // fixed chance, a bluff: in this order, as each may draw a random number.
    if (valor > 3 && e.PONTOS_JOG + valor - 3 > 12) w = true;
    if (valor <= 6) {
        bool ia = IA_ACEITA(2);
        ia = IA_ACEITA(4) || ia;
        if (ia) w = true;
    }
    if (cartasParaAceitar(valor, a_.PONTOS_JOGADORES())) w = true;
    if (valor == 3) {
        ++e.TRUCOS_SEGUIDOS;
        if (e.TRUCOS_SEGUIDOS >= MAX_TRUCOS_SEGUIDOS) {
            w = true;
            j_.log(0, "MAXIMO NR TRUCOS SEGUIDOS " + std::to_string(e.TRUCOS_SEGUIDOS));
        }
    }
    if (j_.Chance(chanceAceita)) w = true;
    if (j_.Chance(chanceRoubar)) w = a_.AVALIA_COMP();
    ACEITA_POR_PONTOS(w);
    TRUCA_POR_DEDUCAO(w);
    // A side that has already lost refuses whatever the points or the cards seen say.
    if (j_.fechamento.COMPUTADOR_JA_PERDEU()) w = false;
    return w;
}

bool DecisoesTruco::MAO_ONZE_COMPUTADOR() {
    const int s = a_.PONTOS_JOGADORES();
    const bool cartas = s > 6400 || (s > 3584 && j_.Chance(5));
    return j_.Chance(dificuldade_.parametros.CHANCE_AVALIA_ONZE) ? a_.AVALIA_COMP() : cartas;
}

bool DecisoesTruco::MAO_ONZE_PARCEIRO() {
    const int s = a_.PONTOS_PARCEIRO();
    bool joga = s > 6400 || (s > 3584 && j_.Chance(10));
    if (j_.Chance(20)) joga = true;
    return joga;
}

bool DecisoesTruco::PEDE_PERMISSAO(bool desejo) {
    if (!desejo || !j_.estado.JOG_PODE_TRUCAR) return desejo;
    j_.log(1, "JOGADOR 3 PEDE PERMISSÃO PARA TRUCAR");
    Controle& caixa = j_.mesa["CK_VOU_TRUCAR"];
    caixa.visivel = true;
    caixa.habilitado = true;
    caixa.marcado = true;
    caixa.cor = Cor::Preto;
    caixa.dica = "Deixe marcado para eu TRUCAR ou desmaque para me impedir";
    j_.anuncios.TOCA_SOM("FX04", 100);
    j_.Wait(500);
    // Each step gives the user a moment more to untick it.
    const struct {
        Cor cor;
        bool som;
        int espera;
    } passos[] = {{Cor::Amarelo, true, 500}, {Cor::Vermelho, true, 1000}, {Cor::Vermelho, false, 500}};
    for (const auto& p : passos) {
        if (!caixa.marcado) break;
        caixa.cor = p.cor;
        if (p.som) j_.anuncios.TOCA_SOM("FX04", 100);
        j_.Wait(p.espera);
    }
    caixa.visivel = false;
    caixa.habilitado = false;
    return caixa.marcado;
}

void DecisoesTruco::pseudoTrucaSeQuiser(bool desejo, int chanceAleatoria, int valor) {
    EstadoJogo& e = j_.estado;
    TRUCA_ALEATORIO(desejo, chanceAleatoria);
    desejo = PEDE_PERMISSAO(desejo);
    if (desejo) {
        static constexpr const char* PALAVRA[] = {"TRUCO", "SEIS", "NOVE"};
        const int passo = valor / 3 - 1;
        j_.log(0, "TRUCOU " + std::to_string(valor));
        Controle& fala = j_.mesa["FALA_J3"];
        fala.texto = PALAVRA[passo];
        fala.visivel = true;
        j_.truco.mostraGrito(3, valor);
        e.ESTADO_TRUCO = estado_truco::pedidoDoJogador(valor);
        j_.truco.RESPONDE(valor);
        j_.truco.ATUALIZA_TRUCO();
    }
    j_.Wait(0);
}

void DecisoesTruco::PSEUDO_CEREBRO_3() {
    const EstadoJogo& e = j_.estado;
    if (e.MAO_DE_ONZE || e.ESTADO_TRUCO != estado_truco::NADA_PEDIDO) return;
    j_.log(2, "PSEUDO CEREBRO 3");
    const int s = a_.PONTOS_PARCEIRO();
    const int p = e.JOGADORES[e.JOGADOR_DA_VEZ].ORDEM;
    const char r1 = e.RESULTADO_RODADA[1], x = e.RESULTADO_RODADA_ATUAL;
    bool desejo = false;
    if (e.RODADA == 1) {
        if (s > 10496 && j_.Chance(20)) {
            desejo = true;
            j_.log(0, "PRIMEIRA COM ESPADA E TREIS");
        }
    } else {
        // Thresholds by position (MAO, SEGUNDO, ANTEPE, PE): at least the value, or more than it
        // for PE where marked; an ANTEPE marked with a chance may also call on Chance(10).
        struct Limiar {
            int mao, segundo, antepe, pe;
            bool peEstrito, antepeComChance;
        };
        Limiar l{16384, 10496, 8192, 0, true, false};
        if (e.RODADA == 2) {
            if (r1 == 'C' && x == 'C') l = {40960, 40960, 40960, 32768, false, false};
            else if (r1 == 'C' && x == 'E') l = {40960, 40960, 40960, 35071, true, false};
            else if (r1 == 'C') l = {49152, 40960, 40960, 35071, true, true};
            else if (r1 == 'E' && x == 'C') l = {32768, 49152, 49152, 18687, true, false};
            else if (r1 == 'E' && x == 'E') l = {32768, 18688, 8192, 0, true, false};
            else if (r1 == 'E') l = {32768, 10496, 8192, 0, true, false};
        } else {
            l.antepeComChance = (r1 == 'C' && x == 'C') || (r1 == 'J' && (x == 'C' || x == 'E'));
        }
        switch (p) {
            case MAO: desejo = s >= l.mao; break;
            case SEGUNDO: desejo = s >= l.segundo; break;
            case ANTEPE: desejo = s >= l.antepe || (l.antepeComChance && j_.Chance(10)); break;
            case PE: desejo = l.peEstrito ? s > l.pe : s >= l.pe; break;
            default: break;
        }
    }
    pseudoTrucaSeQuiser(desejo, PSEUDO_CHANCE_3, 3);
}

void DecisoesTruco::pseudoSeisOuNove(int valorAtual, int chanceAntepe, int limiteAntepeFinal, int chanceAleatoria,
                                     int valor) {
    const EstadoJogo& e = j_.estado;
    if (e.MAO_DE_ONZE || e.VALOR_TRUCO != valorAtual || e.RODADA == 1) return;
    j_.log(2, valor == 6 ? "PSEUDO CEREBRO 6" : "PSEUDO CEREBRO 9");
    const int s = a_.PONTOS_PARCEIRO();
    const int p = e.JOGADORES[e.JOGADOR_DA_VEZ].ORDEM;
    const char r1 = e.RESULTADO_RODADA[1], x = e.RESULTADO_RODADA_ATUAL;
    const int b = e.MAIOR_VALOR_RODADA;
    bool desejo = false;
    if (e.RODADA == 2) {
        if (r1 == 'J') {
            if (x == 'J' && p == ANTEPE && (s >= b || j_.Chance(chanceAntepe))) desejo = true;
            if (x == 'C' && s >= b && s >= 768) desejo = true;
        } else if (r1 == 'E') {
            if (s > 8192) desejo = true;
            if (x == 'J' && s > 2304 && p == ANTEPE) desejo = true;
            if (p == MAO) desejo = false;
        }
    } else {
        if (s > 16383) desejo = true;
        if (r1 == 'E' && s > 4096) desejo = true;
        if (x == 'C' && p == PE) {
            if (b < s) desejo = true;
            if (b < 768) desejo = true;
        }
        if (p == ANTEPE && s > limiteAntepeFinal) desejo = true;
    }
    pseudoTrucaSeQuiser(desejo, chanceAleatoria, valor);
}

void DecisoesTruco::PSEUDO_CEREBRO_6() {
    // Only as the raise that is the partner's to make now.
    if (j_.estado.PODE_TRUCAR != 66) return;
    pseudoSeisOuNove(3, 20, 1280, PSEUDO_CHANCE_6, 6);
}

void DecisoesTruco::PSEUDO_CEREBRO_9() {
    if (j_.estado.PODE_TRUCAR != 68) return;
    pseudoSeisOuNove(6, 25, 4096, PSEUDO_CHANCE_9, 9);
}

}  // namespace pelmar
