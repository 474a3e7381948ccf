#include "players/EscolhaDeCarta.h"

#include <cstdio>

#include "brain/Inteligencia.h"
#include "engine/Partida.h"
#include "players/AnaliseCartas.h"
#include "players/Dificuldade.h"
#include "players/Personalidades.h"

namespace pelmar {

namespace {
constexpr int MAO = 1, SEGUNDO = 2, ANTEPE = 3, PE = 4;
constexpr int REI = 144;

// Where the user sees a card of his hand. The hand lies left to right in slot order and a card
// played leaves a gap, so the place is counted among the cards still held: with slot 1 gone,
// slot 2 is the one on the left.
std::string lugarNaMao(const RegistroJogador& eu, int slot) {
    int antes = 0, naMao = 0;
    for (int s = 1; s <= 3; ++s) {
        if (eu.CARTAS[s].JOGADA || eu.CARTAS[s].FORCA == 0) continue;
        ++naMao;
        if (s < slot) ++antes;
    }
    if (naMao <= 1) return "última carta";
    if (antes == 0) return "carta da esquerda";
    if (antes == naMao - 1) return "carta da direita";
    return "carta do meio";
}
}  // namespace

int EscolhaDeCarta::forca(int jogador, int slot) const {
    return slot >= 1 && slot <= 3 ? j_.estado.JOGADORES[jogador].CARTAS[slot].FORCA : 0;
}

bool EscolhaDeCarta::parceiroGanhando(int jogador) const {
    return j_.estado.JOGADORES[jogador].PARCEIRO == j_.estado.GANHADOR_RODADA;
}

void EscolhaDeCarta::ANALISA_CARTA(int jogador, int& slot, bool& trucar, bool& encobrir) {
    const EstadoJogo& e = j_.estado;
    const RegistroJogador& eu = e.JOGADORES[jogador];
    trucar = false;
    encobrir = false;
    const int posicao = eu.ORDEM;
    int b = e.MAIOR_VALOR_RODADA;
    if (e.RODADA == 1 && b < REI && posicao != PE) b = REI;  // aim above a King

    a_.CARTA_GANHA_RODADA(jogador, b, slot);
    if (posicao == ANTEPE && parceiroGanhando(jogador) && e.MAIOR_VALOR_RODADA > 143) slot = a_.MENOR_CARTA(jogador);
    if (posicao == PE && parceiroGanhando(jogador)) slot = a_.MENOR_CARTA(jogador);
    if (posicao == MAO || posicao == SEGUNDO) {
        int doParceiro = 0;
        if (a_.CARTA_GANHA_RODADA(eu.PARCEIRO, b, doParceiro) == 3) slot = a_.MENOR_CARTA(jogador);
    }
    if (e.RODADA == 2 && e.RESULTADO_RODADA[1] == 'E') slot = a_.MAIOR_CARTA(jogador);

    regrasDoTrucoComCarta(jogador, b, slot, trucar);
    regrasDeEncobrir(jogador, b, slot, trucar, encobrir);
    j_.log(3, "Analisou carta para Jogar na Rodada!");
}

void EscolhaDeCarta::regrasDoTrucoComCarta(int jogador, int b, int& slot, bool& trucar) {
    const EstadoJogo& e = j_.estado;
    const int posicao = e.JOGADORES[jogador].ORDEM;
    if (e.RODADA == 1 && posicao != PE) {
        int manilha = 0;
        if (a_.TEM_CARTA(jogador, 4096)) manilha = a_.SLOT_ACHADO;
        if (a_.TEM_CARTA(jogador, 8192)) manilha = a_.SLOT_ACHADO;
        if (manilha != 0 && forca(jogador, manilha) > b) slot = manilha;
    }
    if (e.RODADA == 3 && a_.TEM_CARTA(jogador, 32768)) {
        slot = a_.SLOT_ACHADO;
        trucar = true;
        j_.log(0, "3ª RODADA COM ZAP TRUCAR");
    }
    if (e.RODADA == 3 && posicao == PE && !parceiroGanhando(jogador)) {
        // The first line that matches the strongest card on the table decides.
        struct Linha {
            bool casa;
            int acima;  // strong cards that must still be out, 0 for no condition
            int chance;
            const char* texto;
        };
        const Linha linhas[] = {
            {b <= 9, 0, 0, "PE 3ª truca Carta <= 7"},
            {b <= REI, 0, 3, "PE 3ª truca Carta <= REI "},
            {b <= 1280, 1280, 7, "PE 3ª truca Carta <= 3 "},
            {b == 2304, 2304, 10, "PE 3ª truca Carta <= TREIS"},
            // A manilha's strength is its suit plus its rank: match the suit's range.
            {b >= 4096 && b < 8192, 4096, 10, "PE 3ª truca Carta = OUROS"},
            {b >= 8192 && b < 16384, 8192, 20, "PE 3ª truca Carta = ESPADA"},
            {b >= 16384 && b < 32768, 16384, 30, "PE 3ª truca Carta = COPAS"},
        };
        for (const Linha& l : linhas) {
            if (!l.casa) continue;
            if (l.acima == 0 || a_.CONTA_CARTAS_ACIMA(l.acima) > 0) {
                trucar = l.chance == 0 ? true : j_.Chance(l.chance);
                if (trucar) j_.log(0, l.texto);
            }
            break;
        }
    }
    if (e.RODADA == 3 && posicao == PE) {
        const auto& sairam = e.MANILHAS_SAIRAM;
        if (!(sairam[0] && sairam[1] && sairam[2] && sairam[3])) {
            trucar = j_.Chance(5);
            if (trucar) j_.log(0, "PE 3ª truca devido a falta de manilhas");
        }
    }
}

void EscolhaDeCarta::regrasDeEncobrir(int jogador, int b, int slot, bool& trucar, bool& encobrir) {
    if (slot == 0) return;
    const EstadoJogo& e = j_.estado;
    const int posicao = e.JOGADORES[jogador].ORDEM;
    const int minha = forca(jogador, slot);
    if (!e.MAO_DE_ONZE && posicao != MAO && minha < b) {
        encobrir = true;
        j_.log(1, "Esconde a carta se for menor que a da mesa");
    }
    if (e.RODADA == 3 && posicao == PE && parceiroGanhando(jogador) && minha > 4096) {
        encobrir = true;
        trucar = false;
        j_.log(1, "Pé encobre carta que a rodada já esta ganha");
    }
    if (e.RODADA == 3 && posicao == ANTEPE && parceiroGanhando(jogador) && minha <= e.MAIOR_VALOR_RODADA) {
        encobrir = true;
        j_.log(1, "Antepé encobrir carta quando rodada parceiro ganhando e sua maior é menor ou igual");
    }
    if (posicao == MAO && minha <= 9) {
        encobrir = true;
        j_.log(1, "Encobrir carta <= Sete na mão");
    }
    j_.log(3, encobrir ? "ENCOBRIR" : "NÃO ENCOBRIR");
}

void EscolhaDeCarta::APLICA_PERSONALIDADE(int jogador, int rodada) {
    if (!j_.prefs.USA_PERSONALIDADE) return;
    const EstadoJogo& e = j_.estado;
    const char nosso = e.JOGADORES[jogador].TIME;
    auto situacao = [&](char resultado) { return resultado == 'E' ? 2 : (resultado == nosso ? 0 : 1); };
    int linha = 1;
    if (rodada == 1) linha = 1 + situacao(e.RESULTADO_RODADA_ATUAL);
    if (rodada == 2) linha = 4 + 3 * situacao(e.RESULTADO_RODADA[1]) + situacao(e.RESULTADO_RODADA_ATUAL);
    j_.log(1, "PERSONALIDADE USADA : " + std::to_string(linha));
    const auto v = personalidades_.valoresDaSituacao(jogador, linha);
    // MAO, SEGUNDO, ANTEPE, PE, then these.
    const int TRUCAR_ALEATORIO = v[4], NAO_TRUCAR = v[5], ROUBAR = v[6];
    const int SAIRAM_MAIOR_IGUAL = v[7], SAIRAM_MAIOR = v[8];

    if (TRUCAR_DECIDIDO) {
        if (j_.Chance(NAO_TRUCAR)) {
            TRUCAR_DECIDIDO = false;
            j_.log(1, "PERSONALIDADE COIBE TRUCO : " + std::to_string(NAO_TRUCAR));
        }
        return;
    }
    static constexpr const char* TEXTO_POSICAO[] = {"PERSONALIDADE MAO: ", "PERSONALIDADE SEGUNDO: ",
                                                    "PERSONALIDADE ANTEPE: ", "PERSONALIDADE - PE TRUCAR: "};
    const int posicao = e.JOGADORES[jogador].ORDEM;
    if (posicao >= 1 && posicao <= 4 && j_.Chance(v[static_cast<std::size_t>(posicao - 1)])) {
        TRUCAR_DECIDIDO = true;
        j_.log(1, TEXTO_POSICAO[posicao - 1] + std::to_string(v[static_cast<std::size_t>(posicao - 1)]));
    }
    if (j_.Chance(TRUCAR_ALEATORIO)) {
        TRUCAR_DECIDIDO = true;
        j_.log(1, "PERSONALIDADE : TRUCAR ALETÓRIO : " + std::to_string(TRUCAR_ALEATORIO));
    }
    if (j_.Chance(ROUBAR + 100)) {
        TRUCAR_DECIDIDO = jogador % 2 == 1 ? a_.AVALIA_JOG() : a_.AVALIA_COMP();
        j_.log(1, "PERSONALIDADE ROUBAR : " + std::to_string(ROUBAR));
    }
    if (TRUCAR_DECIDIDO && j_.Chance(NAO_TRUCAR)) {
        TRUCAR_DECIDIDO = false;
        j_.log(1, "PERSONALIDADE NÃO TRUCAR : " + std::to_string(NAO_TRUCAR));
    }
    auto cartasQueSairam = [&](int chance, const char* texto) {
        if (!j_.Chance(chance)) return;
        const int k = a_.CONTA_CARTAS_ACIMA(forca(jogador, a_.MAIOR_CARTA(jogador)));
        if (k == 0 || j_.Chance(k)) {
            TRUCAR_DECIDIDO = true;
            j_.log(1, texto + std::to_string(k));
        }
    };
    cartasQueSairam(SAIRAM_MAIOR_IGUAL, "CARTAS QUE SAIRAM MAIOR E IGUAL - ");
    cartasQueSairam(SAIRAM_MAIOR, "CARTAS QUE SAIRAM MAIOR - ");
}

DecisaoJogada EscolhaDeCarta::JOGADA_ORDENADA(int jogador, bool maior, bool encobrir) {
    return {maior ? a_.MAIOR_CARTA(jogador) : a_.MENOR_CARTA(jogador), false, encobrir, 0};
}

DecisaoJogada EscolhaDeCarta::DECIDE_JOGADA(int jogador) {
    const EstadoJogo& e = j_.estado;
    int sc = 0;
    bool tc = false, ec = false;
    ANALISA_CARTA(jogador, sc, tc, ec);
    int sb = 0, regra = 0;
    bool tb = false, eb = false;
    const bool achou = ia_.consulta.CONSULTA_CEREBRO(jogador, sb, tb, regra, eb);

    TRUCAR_DECIDIDO = false;
    if (tc) {
        TRUCAR_DECIDIDO = true;
        j_.log(0, "TRUCAR CALCULADO");
    }
    if (tb) {
        TRUCAR_DECIDIDO = true;
        j_.log(0, "TRUCAR INTELIGENCIA ARTIFICIAL");
    }
    APLICA_PERSONALIDADE(jogador, e.RODADA);

    const int nivel = j_.prefs.DIFICULDADE;
    if ((jogador == 2 || jogador == 4) && nivel >= 1 && nivel <= 3) {
        if (j_.Chance(nivel)) {
            sc = a_.MENOR_CARTA(jogador);
            j_.log(0, "JOGAR MENOR CARTA ERRADA");
        } else {
            sc = a_.MAIOR_CARTA(jogador);
            j_.log(0, "JOGAR MAIOR CARTA ERRADA");
        }
        if (j_.Chance(10 * nivel)) {
            TRUCAR_DECIDIDO = true;
            j_.log(0, "TRUCAR ERRADO");
        }
        if (j_.Chance(10 * nivel)) {
            ec = true;
            j_.log(0, "ENCOBRIR ERRADO");
        }
        sb = sc;
        eb = ec;
    }

    DecisaoJogada d;
    if (achou) {
        d.slot = forca(jogador, sb) != 0 ? sb : sc;
        d.encobrir = eb;
    } else {
        d.slot = sc;
        d.encobrir = ec;
    }
    d.trucar = TRUCAR_DECIDIDO && !e.MAO_DE_ONZE;
    d.regra = achou ? regra : 0;
    if (jogador >= 2) {
        ++jogadasDoComputador_;
        if (achou) ++jogadasPorRegra_;
        ultimaRegra_ = d.regra;
    }
    return d;
}

bool EscolhaDeCarta::GUARDA_CARTA(int jogador, bool& trucar, bool& encobrir) {
    const EstadoJogo& e = j_.estado;
    if (e.RODADA != 3 || e.JOGADORES[jogador].ORDEM != PE || !parceiroGanhando(jogador)) return false;
    encobrir = true;
    trucar = false;
    return true;
}

std::string EscolhaDeCarta::estatisticaDeRegras(int) const {
    const double taxa = jogadasDoComputador_ == 0 ? 0.0 : 100.0 * jogadasPorRegra_ / jogadasDoComputador_;
    char texto[96];
    std::snprintf(texto, sizeof texto, "%3.2f%% %4d/%4d R%d/%d ", taxa, jogadasDoComputador_, jogadasPorRegra_,
                  ultimaRegra_ + 3, ia_.cerebro.QTE_REGRAS());
    return texto;
}

EscolhaDeCarta::Conselho EscolhaDeCarta::CONSELHO(bool mostrar) {
    const EstadoJogo& e = j_.estado;
    Conselho c;
    int sc = 0;
    bool tc = false, ec = false;
    ANALISA_CARTA(1, sc, tc, ec);
    Controle& numeroRegra = j_.mesa["strNR_REGRA"];
    numeroRegra.texto = "Calculado";
    // Rule numbers and weights mean something only to whoever is debugging the brain.
    const bool depurando = j_.mesa["DEBUG"].visivel;
    const RegistroJogador& eu = e.JOGADORES[1];
    auto texto = [&](int slot, bool trucar, bool encobrir, const char* jogar) {
        if (slot < 1 || slot > 3) return std::string("Você não tem carta na mão para jogar agora.");
        // The card by the place it lies in on the table and by its name, never by its slot.
        return "Jogue a " + lugarNaMao(eu, slot) + " / " + j_.rotulo(1, slot) + " " + (trucar ? "TRUCAR! " : " ") +
               (encobrir ? "ENCOBRIR! " : jogar);
    };
    if (e.RODADA == 1) ec = false;
    const std::string primeiro = texto(sc, tc, ec, "JOGAR! ");

    int sb = 0, regra = 0;
    bool tb = false, eb = false;
    const bool achou = ia_.consulta.CONSULTA_CEREBRO(1, sb, tb, regra, eb);
    std::string segundo, descricao;
    if (achou) {
        if (e.RODADA == 1) eb = false;
        // A rule may name a card already on the table: as in play, the calculated card stands.
        if (forca(1, sb) == 0) sb = sc;
        const ConsultaCerebro& consulta = ia_.consulta;
        numeroRegra.texto = depurando ? "IA = " + std::to_string(consulta.REGRA_USADA) + "/" +
                                            std::to_string(consulta.PESO_REGRA_USADA)
                                      : "IA";
        segundo = texto(sb, tb, eb, " JOGAR! ");
        const Regra& r = ia_.cerebro[regra];
        if (depurando) {
            auto l = [&](Campo f) { return std::string(1, r.letra(f)); };
            descricao = " CP:" + l(CARTA_P1) + l(CARTA_P2) + l(CARTA_P3) + " Rodada= " +
                        std::to_string(r[NR_RODADA]) + std::to_string(r[POSICAO_RODADA]) + "     (1)" + l(R1) +
                        l(CARTA_1R) + "   (2)" + l(R2) + l(CARTA_2R) + "   (3)" + l(R3) + l(CARTA_3R) +
                        "   Ação= " + std::to_string(r[ACAO]) + "   E=" + l(ENCOBRIR) + "   T=" + l(TRUCAR) +
                        " Cartas= " + l(CARTA_J1) + l(CARTA_J2) + l(CARTA_J3);
        }
    }
    c.texto = "Conselho do PELMAR: \nCalculado:\n" + primeiro + "\n\nIA:\n" + (depurando ? descricao + "\n" : "") +
              segundo + "\n\n";
    c.decisao = achou ? DecisaoJogada{sb, tb, eb, regra} : DecisaoJogada{sc, tc, ec, 0};
    if (mostrar) j_.tela.caixaMensagem("Conselho", c.texto);
    return c;
}

}  // namespace pelmar
