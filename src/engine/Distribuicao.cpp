#include "engine/Distribuicao.h"

#include <vector>

#include "engine/EstadoTruco.h"
#include "engine/OrdenaMao.h"
#include "engine/Partida.h"

namespace pelmar {

bool Distribuicao::existeCartaElegivel() const {
    for (int n = 1; n <= CARTAS_NO_BARALHO; ++n) {
        const CartaBaralho& c = j_.baralho[n];
        if (c.NO_BARALHO && !(j_.prefs.BARALHO_LIMPO && (c.VALOR & 1))) return true;
    }
    return false;
}

int Distribuicao::TIRA_CARTA() {
    // Redraw loops would spin for ever once nothing drawable is left.
    if (!existeCartaElegivel()) return 0;
    auto sorteia = [this] {
        int n = 0;
        do {
            n = j_.random(CARTAS_NO_BARALHO) + 1;
        } while (!j_.baralho[n].NO_BARALHO && !j_.estado.PARAR);
        return n;
    };
    int n = sorteia();
    if (j_.prefs.BARALHO_LIMPO)
        while ((j_.baralho[n].VALOR & 1) && !j_.estado.PARAR) n = sorteia();
    j_.baralho[n].NO_BARALHO = false;
    return n;
}

void Distribuicao::DA_CARTA(int jogador, int slot) {
    EstadoJogo& e = j_.estado;
    if (e.PARAR) return;
    int c = TIRA_CARTA();
    if (const auto preparada = j_.bastidores.cartaPreparada(jogador, slot)) {
        c = *preparada;
        j_.baralho[c].NO_BARALHO = false;  // a preset card must not come out of the pile again
    }
    if (j_.prefs.ROUBA_BARALHO) {
        const bool sorte = j_.Chance(3);
        if (sorte && slot == 3 && e.JOGADORES[jogador].ORDEM == 4) {
            while (j_.forca(c) < valor::DOIS && !e.PARAR) {
                const int outra = TIRA_CARTA();
                if (outra == 0) break;  // nothing better left: the dealer keeps the last card
                c = outra;
            }
        }
    }
    SlotCarta& s = e.JOGADORES[jogador].CARTAS[slot];
    s.CARTA = c;
    s.FORCA = j_.forca(c);
    s.JOGADA = false;
    Controle& imagem = j_.mesa.JOG(jogador, slot);
    imagem.carta = c;
    imagem.face = Face::Frente;
    imagem.deslocX = imagem.deslocY = 0;
    faceParaBaixo(jogador, slot);
}

void Distribuicao::faceParaBaixo(int jogador, int slot) {
    if (j_.chaves.MODO_DEBUG) return;
    Controle& imagem = j_.mesa.JOG(jogador, slot);
    if (jogador == 2 || jogador == 4) {
        imagem.face = Face::Verso;
        return;
    }
    // In a hand of eleven of side 'J' the user sees the partner's cards.
    if (j_.estado.PONTOS_JOG == 11) return;
    if ((jogador == 1 && j_.prefs.J1_JOGA_SOZINHO) || (jogador == 3 && j_.prefs.J3_JOGA_SOZINHO))
        imagem.face = Face::Verso;
}

void Distribuicao::NOVA_MAO_MESA() {
    EstadoJogo& e = j_.estado;
    ModeloMesa& m = j_.mesa;
    e.GANHADOR_MAO = 0;
    e.MOTIVO_FECHOU = 0;
    e.QTE_ROUBOS = 0;
    e.QTE_ESPIADAS = 0;
    e.ESTADO_TRUCO = estado_truco::NADA_PEDIDO;
    e.MAO_ONZE_DECIDIDA = false;

    for (int p = 1; p <= 4; ++p) m["NOME_JOG_" + std::to_string(p)].texto = j_.prefs.NOME_JOGADOR[p];
    e.MANILHAS_SAIRAM = {};
    e.MANILHAS_SAIRAM_ANTES = {};
    e.TRES_SAIRAM = {};
    e.DOIS_SAIRAM = {};
    e.ASES_SAIRAM = {};
    for (std::string_view naipe : NOMES_DOS_NAIPES) {
        m["MANILHA_" + std::string(naipe)].visivel = false;
        for (const char* v : {"_3", "_2", "_1"}) m[std::string(naipe) + v].visivel = false;
    }
    for (const char* nome : {"MAIOR_CARTA_ROD_1", "MAIOR_CARTA_ROD_2"}) {
        m[nome].visivel = true;
        m[nome].face = Face::Verso;
    }

    for (auto& jogador : e.JOGADORES)
        for (auto& slot : jogador.CARTAS) slot.CARTA = 1;
    // The brain reads these for tricks not begun.
    for (auto& rodada : e.DADOS_RODADAS) rodada = DadosRodada{};

    e.RESULTADO_RODADA_ATUAL = ' ';
    for (int t = 1; t <= 3; ++t) {
        e.RESULTADO_RODADA[t] = ' ';
        const std::string n = std::to_string(t);
        m["R" + n + "Ja"].texto.clear();
        m["RESULTADO_" + n].cor = Cor::Preto;
        m["RODADA_BOM_" + n].visivel = false;
        m["RODADA_MAU_" + n].visivel = false;
    }
    for (const char* nome : {"RESULTADO_RODADA_1", "RESULTADO_RODADA_2"}) {
        m[nome].cor = Cor::Preto;
        m[nome].corFundo = Cor::Preto;
    }
    for (const char* nome : {"RJ1b", "RJ2b"}) {
        m[nome].texto.clear();
        m[nome].cor = Cor::Preto;
    }
    for (int p = 1; p <= 4; ++p) m["JOGUE_J" + std::to_string(p)].visivel = false;
    m["SOMBRA"].visivel = false;

    e.CARTAS_QUE_SAIRAM = {naipe::PAUS, naipe::COPAS, naipe::ESPADA, naipe::OUROS,
                           valor::TRES, valor::TRES, valor::TRES, valor::TRES,
                           valor::DOIS, valor::DOIS, valor::DOIS, valor::DOIS,
                           valor::AS,   valor::AS,   valor::AS,   valor::AS};

    for (int n = 1; n <= CARTAS_NO_BARALHO; ++n) j_.baralho[n].NO_BARALHO = true;
    m["CVIRA"].visivel = false;
    for (int p = 1; p <= 4; ++p)
        for (int s = 1; s <= 3; ++s) {
            m.JOG(p, s).visivel = false;
            m.MESA(p, s).visivel = false;
        }
    for (int i = 1; i <= 3; ++i) m["MONTE_" + std::to_string(i)].visivel = false;
}

void Distribuicao::INICIA_MAO() {
    EstadoJogo& e = j_.estado;
    j_.sinais.desativa();
    NOVA_MAO_MESA();
    maoPronta = false;

    e.VIRA = TIRA_CARTA();
    if (const auto preparada = j_.bastidores.viraPreparada()) {
        e.VIRA = *preparada;
        j_.baralho[e.VIRA].NO_BARALHO = false;
    }
    Controle& vira = j_.mesa["CVIRA"];
    vira.face = Face::Frente;
    vira.carta = e.VIRA;
    e.GANHADOR_RODADA = 0;
    e.JOG_PODE_TRUCAR = false;
    e.COM_PODE_TRUCAR = false;

    for (int ordem = 1; ordem <= 4 && !e.PARAR; ++ordem) {
        const int p = jogadorNaPosicao(e, ordem);
        if (p == 0) continue;
        for (int s = 1; s <= 3; ++s) DA_CARTA(p, s);
        ORDENA_MAO(e.JOGADORES[p]);
    }
    if (e.PARAR) return;

    if (e.VIRA != 0) atualizaDicas();
    j_.truco.VERIFICA_ONZE();
    if (e.MAO_DE_ONZE) {
        animacaoMaoDeOnze();
        j_.truco.decideMaoDeOnze();
    } else {
        animacaoNormal();
    }

    if (auto erro = j_.bastidores.gravaSnapshotDaMao()) {
        j_.log(0, "DEBUG: " + *erro);
        // Said once a run: a missing folder would otherwise stop every hand with a box.
        if (!j_.erroDeSnapshotMostrado) j_.tela.mostraErro(*erro);
        j_.erroDeSnapshotMostrado = true;
    }
    e.VALOR_TRUCO = 1;
    j_.placar.mostraPalitosDaMesa();
    maoPronta = true;
    j_.sinais.ativa();
}

void Distribuicao::atualizaDicas() {
    for (int s = 1; s <= 3; ++s) {
        j_.mesa.JOG(1, s).dica = j_.rotulo(1, s);
        for (int p = 2; p <= 4; ++p) j_.mesa.JOG(p, s).dica.clear();
    }
    j_.mesa["CVIRA"].dica = DICA_VIRA(j_.baralho, j_.estado.VIRA, j_.modo());
}

void Distribuicao::mostraVira() {
    Controle& vira = j_.mesa["CVIRA"];
    if (j_.prefs.MODO_TRADICIONAL) {
        vira.visivel = false;
        return;
    }
    j_.animacoes.voa(ModeloMesa::nomeMESA(2, 2), "CVIRA", j_.estado.VIRA, true, j_.prefs.PASSOS, j_.prefs.TEMPO);
    vira.visivel = true;
    j_.animacoes.chacoalha(vira);
}

void Distribuicao::animacaoNormal() {
    EstadoJogo& e = j_.estado;
    const int distribuidor = jogadorNaPosicao(e, 4);
    j_.animacoes.embaralha();
    j_.animacoes.corta(jogadorNaPosicao(e, 3));
    const std::string origem = "IMG_JOGADOR_" + std::to_string(distribuidor);
    for (int ordem = 1; ordem <= 4 && !e.PARAR; ++ordem) {
        const int p = jogadorNaPosicao(e, ordem);
        const int passos = p == distribuidor ? 1 : j_.prefs.PASSOS;
        for (int s = 1; s <= 3 && !e.PARAR; ++s) {
            j_.anuncios.TOCA_SOM("DISTRIBUI_CARTAS", j_.prefs.TEMPO);
            j_.animacoes.voa(origem, ModeloMesa::nomeJOG(p, s), 0, false, passos, j_.prefs.TEMPO);
            Controle& imagem = j_.mesa.JOG(p, s);
            imagem.visivel = true;
            j_.animacoes.chacoalha(imagem);
        }
    }
    for (int i = 1; i <= 3; ++i) {
        j_.mesa["MONTE_" + std::to_string(i)].visivel = true;
        j_.mesa["MONTE_" + std::to_string(i)].face = Face::Verso;
    }
    j_.Wait(j_.prefs.TEMPO);
    mostraVira();
    revelaPorDificuldade();
}

void Distribuicao::animacaoMaoDeOnze() {
    EstadoJogo& e = j_.estado;
    j_.animacoes.embaralha();
    j_.animacoes.corta(jogadorNaPosicao(e, 3));
    const std::string origem = "IMG_JOGADOR_" + std::to_string(jogadorNaPosicao(e, 4));
    for (int s = 1; s <= 3 && !e.PARAR; ++s)
        for (int ordem = 1; ordem <= 4 && !e.PARAR; ++ordem) {
            const int p = jogadorNaPosicao(e, ordem);
            j_.anuncios.TOCA_SOM("DISTRIBUI_CARTAS", j_.prefs.TEMPO);
            j_.animacoes.voa(origem, ModeloMesa::nomeJOG(p, s), 0, false, j_.prefs.PASSOS, j_.prefs.TEMPO);
            j_.mesa.JOG(p, s).visivel = true;
        }
    j_.Wait(j_.prefs.TEMPO);
    mostraVira();
}

void Distribuicao::revelaPorDificuldade() {
    const int nivel = j_.prefs.DIFICULDADE;
    auto revela = [this](int p) {
        for (int s = 1; s <= 3; ++s) j_.mesa.JOG(p, s).face = Face::Frente;
    };
    if (nivel == 0) {
        revela(2);
        revela(4);
    }
    if (nivel <= 3) revela(3);
    if (nivel <= 4) {
        j_.chaves.MOSTRA_SUGESTAO = true;
        for (int s = 1; s <= 3; ++s) j_.anuncios.FALA("Carta(" + std::to_string(s) + ")- " + j_.rotulo(1, s), "");
        j_.anuncios.FALA("Vira- " + j_.mesa["CVIRA"].dica, "");
    }
    j_.mesa["CAIXA_CARTAS_SAIRAM"].visivel = nivel <= 6 && j_.chaves.MOSTRA_CARTAS_SAIRAM;
}

bool Distribuicao::ROUBA_CARTA(int item) {
    static constexpr const char* LOGS[] = {"ROUBAR CARTA MASSO - 1 ", "ROUBAR CARTA MASSO - 12", "ROUBAR CARTA MASSO - 3 ",
                                           "ROUBAR CARTA MASSO - 4 ", "ROUBAR CARTA MASSO - 5 ", "ROUBAR CARTA MASSO - 6 "};
    if (item < 1 || item > 6) return false;
    EstadoJogo& e = j_.estado;
    j_.log(0, LOGS[item - 1]);
    if (j_.prefs.DIFICULDADE > 5 || e.RODADA != 1) return false;
    if (e.QTE_ROUBOS >= 2) return false;
    ++e.QTE_ROUBOS;

    int c = TIRA_CARTA();
    while (j_.forca(c) <= valor::AS && !e.PARAR) {
        c = TIRA_CARTA();
        if (c == 0) return false;  // no strong card left in the pile
    }
    // Only a card still in hand may be swapped.
    std::vector<int> livres;
    for (int s = 1; s <= 3; ++s)
        if (!e.JOGADORES[1].CARTAS[s].JOGADA) livres.push_back(s);
    if (livres.empty() || c == 0) return false;
    const int s = livres[static_cast<std::size_t>(j_.random(static_cast<int>(livres.size())))];

    SlotCarta& slot = e.JOGADORES[1].CARTAS[s];
    slot.CARTA = c;
    slot.FORCA = j_.forca(c);
    j_.anuncios.TOCA_SOM("DISTRIBUI_CARTAS", 0);
    j_.animacoes.voa("CVIRA", ModeloMesa::nomeJOG(1, s), 0, false, j_.prefs.PASSOS, j_.prefs.TEMPO);
    j_.anuncios.TOCA_SOM("ROUBANDO", 100);
    Controle& imagem = j_.mesa.JOG(1, s);
    imagem.carta = c;
    imagem.face = Face::Frente;
    atualizaDicas();
    ORDENA_MAO(e.JOGADORES[1]);
    j_.mesa["BT_ROUBAR_" + std::to_string(item)].visivel = false;
    return true;
}

bool Distribuicao::ESPIA_CARTA(int item) {
    if (item < 1 || item > 6) return false;
    EstadoJogo& e = j_.estado;
    j_.log(0, "MOSTAR CARTAS " + std::to_string(item) + " - JOG_2 ");
    if (j_.prefs.DIFICULDADE > 5 || e.RODADA != 1) return false;
    if (e.QTE_ESPIADAS >= 2) return false;
    ++e.QTE_ESPIADAS;
    const int adversario = j_.Chance(2) ? 2 : 4;
    const int s = j_.random(3) + 1;
    j_.mesa.JOG(adversario, s).face = Face::Frente;
    j_.anuncios.TOCA_SOM("ROUBANDO", 100);
    j_.mesa["BT_VER_CARTA_" + std::to_string(item)].visivel = false;
    return true;
}

void Distribuicao::MOSTRA_CARTAS(int jogador) {
    if (jogador < 2 || jogador > 4) return;
    j_.log(0, "MOSTAR CARTAS - JOG_" + std::to_string(jogador) + " ");
    if (j_.prefs.DIFICULDADE > 4) return;
    for (int s = 1; s <= 3; ++s) j_.mesa.JOG(jogador, s).face = Face::Frente;
}

}  // namespace pelmar
