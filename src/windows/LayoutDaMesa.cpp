#include "windows/LayoutDaMesa.h"

#include <algorithm>
#include <array>
#include <set>
#include <string_view>

namespace pelmar {

namespace {

constexpr int LARGURA_CARTA = 71;
constexpr int ALTURA_CARTA = 96;

std::vector<LugarNaMesa> montaLugares() {
    std::vector<LugarNaMesa> l;
    auto poe = [&l](std::string nome, QRect casa, Peca peca, int fonte = 9, QString legenda = {}) {
        l.push_back({std::move(nome), casa, peca, fonte, std::move(legenda), false, {}, false, {}, {}});
    };
    auto carta = [](int x, int y) { return QRect(x, y, LARGURA_CARTA, ALTURA_CARTA); };
    const std::string um = "1", dois = "2", tres = "3";

    // Panels first: everything else is drawn over them.
    poe("PAINEL_PLACAR", {4, 4, 162, 182}, Peca::Caixa, 9, "Placar");
    poe("PAINEL_RESULTADO", {614, 4, 162, 182}, Peca::Caixa, 9, "Resultado Rod. ");
    poe("PAINEL_AVISOS", {4, 398, 166, 160}, Peca::Caixa, 9, "Últimos avisos");
    poe("CAIXA_CARTAS_SAIRAM", {640, 404, 136, 152}, Peca::Caixa, 9, "Manilhas Sairam ");

    // The score: each side's points and matchsticks, the stake on the table, chips and bois.
    poe("LB_JOGADOR", {10, 22, 80, 18}, Peca::Rotulo, 10, " Jogador");
    poe("PONTOS_JOG", {126, 18, 36, 24}, Peca::Rotulo, 18);
    poe("LB_COMPUTADOR", {10, 76, 86, 18}, Peca::Rotulo, 10, " Computador");
    poe("PONTOS_COM", {126, 72, 36, 24}, Peca::Rotulo, 18);
    poe("LB_VALENDO", {10, 130, 60, 18}, Peca::Rotulo, 9, " Valendo");
    poe("PONTOS_MESA", {126, 126, 36, 24}, Peca::Rotulo, 18);
    for (int i = 1; i <= 12; ++i) {
        const std::string n = (i < 10 ? "0" : "") + std::to_string(i);
        const int x = 12 + (i - 1) * 9 + (i - 1) / 3 * 3;
        poe("PALITO_JOG_" + n, {x, 42, 5, 30}, Peca::Palito);
        poe("PALITO_COM_" + n, {x, 96, 5, 30}, Peca::Palito);
        poe("PALITO_MESA_" + n, {x, 150, 5, 30}, Peca::Palito);
    }
    poe("FICHA_JOG_1", {99, 26, 12, 12}, Peca::Ficha);
    poe("FICHA_JOG_2", {112, 26, 12, 12}, Peca::Ficha);
    poe("FICHA_COM_1", {99, 80, 12, 12}, Peca::Ficha);
    poe("FICHA_COM_2", {112, 80, 12, 12}, Peca::Ficha);
    poe("IMG_BOIS_JOG", {128, 44, 22, 20}, Peca::Boi, 9, "BOI BOM ");
    poe("CNT_BOIS_JOG", {150, 46, 16, 16}, Peca::Rotulo, 10);
    poe("IMG_BOIS_COM", {128, 98, 22, 20}, Peca::Boi, 9, "BOI MAL");
    poe("CNT_BOIS_COM", {150, 100, 16, 16}, Peca::Rotulo, 10);

    // The tricks: the mark and word of each, the best cards of the first two, how they ended.
    for (int t = 1; t <= 3; ++t) {
        const std::string n = std::to_string(t);
        const int y = 24 + (t - 1) * 24;
        poe("RESULTADO_" + n, {622, y, 18, 18}, Peca::Resultado);
        poe("R" + n + "Ja", {644, y, 88, 18}, Peca::Rotulo, 9, QString::number(t) + "ª ");
        poe("RODADA_BOM_" + n, {736, y + 1, 16, 16}, Peca::Polegar);
        poe("RODADA_MAU_" + n, {754, y + 1, 16, 16}, Peca::Polegar);
    }
    poe("MAIOR_CARTA_ROD_1", {622, 98, 30, 41}, Peca::Carta);
    poe("MAIOR_CARTA_ROD_2", {656, 98, 30, 41}, Peca::Carta);
    poe("RESULTADO_RODADA_1", {694, 102, 14, 14}, Peca::Resultado);
    poe("RJ1b", {708, 100, 66, 16}, Peca::Rotulo, 9);
    poe("RESULTADO_RODADA_2", {694, 122, 14, 14}, Peca::Resultado);
    poe("RJ2b", {708, 120, 66, 16}, Peca::Rotulo, 9);
    poe("VL_DIFICULDADE_ATUAL", {620, 146, 70, 16}, Peca::Rotulo, 9, "Nível ");
    poe("VL_DIFICULDADE_NOVA", {690, 146, 50, 16}, Peca::Rotulo, 9, "-> ");
    poe("img_PERSONALIDADE", {744, 144, 26, 18}, Peca::Selo, 9, "IA");
    poe("TXT_PONTUACAO_PARCIAL", {620, 164, 70, 16}, Peca::Rotulo, 9, "Pontos ");
    poe("TXT_PONTUACAO_RECORDE", {692, 164, 80, 16}, Peca::Rotulo, 9, "Recorde ");

    // The cards seen: manilhas by suit, then threes, twos and aces.
    constexpr std::array<std::string_view, 4> NAIPES = {"PAUS", "COPAS", "ESPADA", "OUROS"};
    for (int k = 0; k < 4; ++k) {
        const std::string naipe(NAIPES[static_cast<std::size_t>(k)]);
        const int y = 424 + k * 32;
        poe("MANILHA_" + naipe, {648, y, 26, 26}, Peca::Naipe, 16, QString::fromStdString(naipe));
        poe(naipe + "_3", {680, y + 2, 26, 22}, Peca::Valor, 11, "3");
        poe(naipe + "_2", {710, y + 2, 26, 22}, Peca::Valor, 11, "2");
        poe(naipe + "_1", {740, y + 2, 26, 22}, Peca::Valor, 11, "A");
    }

    // The last announcements, newest first, each tall enough for two lines.
    for (int i = 1; i <= 6; ++i)
        poe("ULTIMA_AVISO_" + std::to_string(i), {10, 414 + (i - 1) * 24, 156, 23}, Peca::Rotulo, 9);

    // The seats: 1 the user at the bottom, 2 on the right, 3 the partner at the top, 4 on the left.
    struct Assento {
        QRect retrato;
        int maoX, maoY, passoMao;
        int mesaX, mesaY, passoMesaX, passoMesaY;
        QPoint jogue;
        QRect balao;
    };
    const std::array<Assento, 4> assentos = {{
        {{180, 456, 100, 80}, 290, 452, 80, 354, 330, 16, 0, {160, 458}, {176, 346, 140, 70}},
        {{660, 196, 100, 80}, 636, 300, 24, 484, 214, 0, 14, {762, 196}, {522, 196, 134, 70}},
        {{180, 8, 100, 80}, 290, 8, 80, 354, 124, 16, 0, {160, 10}, {176, 112, 140, 70}},
        {{20, 196, 100, 80}, 22, 300, 24, 226, 214, 0, 14, {2, 196}, {124, 196, 134, 70}},
    }};
    for (int p = 1; p <= 4; ++p) {
        const Assento& a = assentos[static_cast<std::size_t>(p - 1)];
        const std::string n = std::to_string(p);
        // The user's name sits above his portrait, the others' below theirs.
        const int yNome = p == 1 ? a.retrato.top() - 20 : a.retrato.bottom() + 2;
        poe("NOME_JOG_" + n, {a.retrato.x() - 10, yNome, 120, 18}, Peca::Rotulo, 10);
        poe("IMG_JOGADOR_" + n, a.retrato, Peca::Retrato);
        poe("JOGUE_J" + n, {a.jogue, QSize(16, 16)}, Peca::Seta, 9, "M");
        for (int t = 1; t <= 3; ++t)
            poe("MESA_J" + n + std::to_string(t),
                carta(a.mesaX + (t - 1) * a.passoMesaX, a.mesaY + (t - 1) * a.passoMesaY), Peca::Carta);
    }
    // Hands after the table positions: a card thrown flies over the ones already down.
    for (int p = 1; p <= 4; ++p) {
        const Assento& a = assentos[static_cast<std::size_t>(p - 1)];
        for (int s = 1; s <= 3; ++s)
            poe("JOG_" + std::to_string(p) + "_" + std::to_string(s), carta(a.maoX + (s - 1) * a.passoMao, a.maoY),
                Peca::Carta);
    }

    // The pile, the vira and the deck while it is shuffled and cut.
    for (int i = 1; i <= 3; ++i) poe("MONTE_" + std::to_string(i), carta(364 + 2 * i, 222 + 2 * i), Peca::Carta);
    poe("CVIRA", carta(404, 232), Peca::Carta);
    const std::array<QPoint, 4> corte = {{{474, 420}, {540, 300}, {474, 40}, {160, 300}}};
    for (int p = 1; p <= 4; ++p)
        poe("CORTA_BARALHO_" + std::to_string(p), carta(corte[static_cast<std::size_t>(p - 1)].x(),
                                                          corte[static_cast<std::size_t>(p - 1)].y()),
            Peca::Sombra);
    for (int i = 1; i <= 7; ++i) poe("BARALHO_" + std::to_string(i), carta(354, 222), Peca::Carta);

    // Marks over the cards. The suggestion stands above the card it advises, the truco and cover
    // marks beside its arrow; the row above the hand holds nothing else.
    poe("SOMBRA", carta(290, 452), Peca::Sombra);
    poe("CARTA_MAIOR", carta(354, 330), Peca::Marca);
    for (int s = 1; s <= 3; ++s)
        poe("imgSUJESTAO_" + std::to_string(s), {290 + (s - 1) * 80 + 5, 430, 22, 20}, Peca::Seta, 9, "▼");
    for (int p = 1; p <= 4; ++p) {
        const QRect r = assentos[static_cast<std::size_t>(p - 1)].retrato;
        poe("ZAP_JOG_" + std::to_string(p), {r.right() - 44, r.bottom() - 22, 50, 24}, Peca::Selo, 11, "ZAP!");
    }

    // The user's controls in a column right of his hand, clear of its cards: whose turn, whether
    // his side may call, the call, the run, the covered play.
    poe("LOGOTIPO_1", {540, 428, 84, 20}, Peca::Selo, 10, "Sua vez");
    poe("LOGOTIPO_0", {540, 428, 84, 20}, Peca::Selo, 10, "Sua vez");
    poe("STA_JOG_TRUCOU", {526, 450, 110, 16}, Peca::Rotulo, 9);
    poe("TRUCO3", {526, 468, 110, 28}, Peca::Botao, 11);
    poe("TRUCO6", {526, 468, 110, 28}, Peca::Botao, 11);
    poe("TRUCO9", {526, 468, 110, 28}, Peca::Botao, 11);
    poe("TRUCO12", {526, 468, 110, 28}, Peca::Botao, 11);
    poe("FUGIR", {526, 499, 110, 24}, Peca::Botao, 10);
    poe("ESCONDIDA", {524, 527, 114, 22}, Peca::Marcador, 9);
    poe("imgSUJESTAO_TRUCAR", {319, 430, 18, 20}, Peca::Selo, 9, "T");
    poe("imgSUJESTAO_ENCOBRIR", {339, 430, 18, 20}, Peca::Selo, 9, "E");
    // Below and above the user's portrait: where the advice came from, the card count.
    poe("strNR_REGRA", {176, 543, 112, 15}, Peca::Rotulo, 9);
    poe("TXT_QTE_RODADAS", {176, 414, 112, 16}, Peca::Rotulo, 9);

    // The partner's controls, beside and under his hand. Under it too, the computer's side's
    // flag, which says whose it is: alone there it read as the partner's.
    poe("PAUSAR_JOG_3", {290, 106, 100, 18}, Peca::Marcador, 9);
    poe("STA_COM_TRUCOU", {394, 106, 127, 16}, Peca::Rotulo, 9, "Adversários: ");
    poe("CK_VOU_TRUCAR", {526, 10, 86, 20}, Peca::Marcador, 9);
    poe("DESCISAO_JOGAR", {530, 54, 84, 16}, Peca::Rotulo, 9);
    poe("DECISAO_CARTA", {530, 70, 84, 16}, Peca::Rotulo, 9);
    poe("DECISAO_TRUCO", {530, 86, 84, 16}, Peca::Rotulo, 9);

    poe("MAO11", {176, 188, 90, 20}, Peca::Selo, 10, "MÃO DE 11");
    poe("DEBUG", {176, 210, 60, 16}, Peca::Selo, 9, "DEBUG");

    // Whose seats the user and his partner have, whatever names the draw gave them: a tag on
    // each portrait's lower edge.
    poe("MARCA_VOCE", {200, 526, 60, 16}, Peca::Etiqueta, 10, "Você");
    poe("MARCA_PARCEIRO", {195, 72, 70, 16}, Peca::Etiqueta, 10, "Parceiro");

    // Balloons, the start prompt and the announcement above everything on the cloth.
    for (int p = 1; p <= 4; ++p)
        poe("FALA_J" + std::to_string(p), assentos[static_cast<std::size_t>(p - 1)].balao, Peca::Balao, 9);
    poe("INICIO", {200, 250, 380, 44}, Peca::Aviso, 15, "Pressione F2 para começar uma nova partida");
    // Tall enough for the faces of whoever speaks beside the words.
    poe("AVISO_M", {150, 250, 480, 64}, Peca::Aviso, 18);

    const std::set<std::string, std::less<>> deInicio = {
        "PONTOS_JOG", "PONTOS_COM", "PONTOS_MESA", "RESULTADO_1", "RESULTADO_2", "RESULTADO_3", "R1Ja", "R2Ja",
        "R3Ja", "RESULTADO_RODADA_1", "RESULTADO_RODADA_2", "RJ1b", "RJ2b", "TXT_PONTUACAO_PARCIAL",
        "TXT_PONTUACAO_RECORDE", "VL_DIFICULDADE_ATUAL", "PAUSAR_JOG_3", "CAIXA_CARTAS_SAIRAM",
        "IMG_JOGADOR_1", "IMG_JOGADOR_2", "IMG_JOGADOR_3", "IMG_JOGADOR_4", "NOME_JOG_1", "NOME_JOG_2",
        "NOME_JOG_3", "NOME_JOG_4"};
    for (LugarNaMesa& lugar : l) {
        lugar.deInicio = deInicio.count(lugar.nome) > 0;
        // The last announcements are hidden at the higher levels, and their panel with them.
        if (lugar.nome == "PAINEL_AVISOS") lugar.segue = "ULTIMA_AVISO_1";
        // A seat's tag goes with its portrait (hidden in the twelve-to-nothing show).
        if (lugar.nome == "MARCA_VOCE") lugar.segue = "IMG_JOGADOR_1";
        if (lugar.nome == "MARCA_PARCEIRO") lugar.segue = "IMG_JOGADOR_3";
        lugar.dobravel = lugar.nome == "PAINEL_RESULTADO" || lugar.nome == "CAIXA_CARTAS_SAIRAM";
        if (lugar.nome == "imgSUJESTAO_TRUCAR" || lugar.nome == "imgSUJESTAO_ENCOBRIR") {
            lugar.aoLadoDe = {"imgSUJESTAO_1", "imgSUJESTAO_2", "imgSUJESTAO_3"};
            lugar.passo = {lugar.nome == "imgSUJESTAO_TRUCAR" ? 24 : 44, 0};
        }
    }
    return l;
}

}  // namespace

const std::vector<LugarNaMesa>& lugaresDaMesa() {
    static const std::vector<LugarNaMesa> lugares = montaLugares();
    return lugares;
}

QRect casaNaMesa(const std::string& nome) {
    const auto& lugares = lugaresDaMesa();
    auto it = std::find_if(lugares.begin(), lugares.end(), [&](const LugarNaMesa& l) { return l.nome == nome; });
    return it == lugares.end() ? QRect() : it->casa;
}

}  // namespace pelmar
