#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "suporte/MesaDeTeste.h"

namespace pelmar::teste {
namespace {

class MarcasDaVezTeste : public MesaDeTeste {
protected:
    // The four markers as the table shows them: the picture of each, "-" for a hidden one.
    std::string marcas() const {
        std::string r;
        for (int p = 1; p <= 4; ++p) {
            const Controle& m = jogo->mesa["JOGUE_J" + std::to_string(p)];
            r += m.visivel ? std::to_string(m.imagem) : "-";
        }
        return r;
    }
    // At the seat's turn: the markers lit for it, then half a blink later.
    Lance olha(std::vector<std::string>& vistos, int slot) {
        return Lance(slot, false, false, [this, &vistos](Jogo& j) {
            j.turnos.MOSTRA_VEZ(j.estado.JOGADOR_DA_VEZ, true);
            std::string aceso = marcas();
            j.turnos.MOSTRA_VEZ(j.estado.JOGADOR_DA_VEZ, false);
            vistos.push_back(aceso + "/" + marcas());
        });
    }
};

// Each marker shows its seat's place in the trick (1..4), the seat whose card is awaited is lit
// (5) and blinks back to its place, and the seat holding the trick is marked (6).
TEST_F(MarcasDaVezTeste, AcompanhamAVezEQuemGanhaARodada) {
    // Vira K of COPAS; seat 2 leads. Trick 1: 5C, QC, 2C (J4 takes it), 3C (J1 takes it back).
    // Trick 2, led by J1: 2E, 6C, 4E, 7C — J1 holds it throughout.
    preset("KC", {{"3C", "2E", "4C"}, {"5C", "6C", "7C"}, {"QC", "4E", "JC"}, {"2C", "7E", "6E"}});
    primeiroAJogar(2);
    std::vector<std::string> vistos;
    for (int p = 1; p <= 4; ++p) roteiro(p, {olha(vistos, 1), olha(vistos, 2), olha(vistos, 3)});
    jogaMao();
    const std::vector<std::string> esperado = {
        // trick 1, positions J1 4, J2 1, J3 2, J4 3; the opener holds it before any card is down
        "4523/4123", "4653/4623", "4165/4163", "5126/4126",
        // trick 2, positions J1 1, J2 2, J3 3, J4 4: redrawn although J1 played last and leads now
        "5234/1234", "6534/6234", "6254/6234", "6235/6234"};
    ASSERT_GE(vistos.size(), esperado.size());
    for (std::size_t i = 0; i < esperado.size(); ++i) EXPECT_EQ(vistos[i], esperado[i]) << "vez " << i + 1;
    EXPECT_EQ(marcas(), "----") << "a mão acabou";
}

// Only a hand in play shows markers: none while a game is stopped, while the loop has not started
// a game (the change of players), after the hand is decided, or between hands.
TEST_F(MarcasDaVezTeste, NadaForaDaMaoEmJogo) {
    const struct {
        const char* nome;
        std::function<void(EstadoJogo&)> situacao;
    } casos[] = {
        {"parado", [](EstadoJogo& e) { e.PARAR = true; }},
        {"troca de jogadores", [](EstadoJogo& e) { e.JOGO_EM_ANDAMENTO = false; }},
        {"mão decidida", [](EstadoJogo& e) { e.GANHADOR_MAO = 1; }},
        {"entre mãos", [](EstadoJogo& e) { e.RODADA = 0; }},
        {"ninguém na vez", [](EstadoJogo& e) { e.JOGADOR_DA_VEZ = 0; }},
    };
    for (const auto& c : casos) {
        SCOPED_TRACE(c.nome);
        EstadoJogo& e = jogo->estado;
        e.PARAR = false;
        e.JOGO_EM_ANDAMENTO = true;
        e.GANHADOR_MAO = 0;
        e.RODADA = 1;
        e.JOGADOR_DA_VEZ = 2;
        e.GANHADOR_RODADA = 1;
        for (int p = 1; p <= 4; ++p) e.JOGADORES[p].ORDEM = p;
        jogo->sinais.tickTimer3();
        ASSERT_NE(marcas(), "----");
        c.situacao(e);
        jogo->sinais.tickTimer3();
        EXPECT_EQ(marcas(), "----");
    }
}

// The match loop's own end of a hand and a stop leave no marker behind, and the blink of a
// later tick does not bring them back.
TEST_F(MarcasDaVezTeste, SomemAoFimDaMaoEAoParar) {
    preset("KC", {{"3C", "2C", "4C"}, {"5C", "6C", "7C"}, {"QC", "JC", "4E"}, {"5E", "6E", "7E"}});
    primeiroAJogar(1);
    std::string naVez;
    roteiro(3, {Lance(1, false, false, [&](Jogo& j) {
        naVez = marcas();
        j.turnos.PARAR_JOGO();
    })});
    jogaMao();
    EXPECT_NE(naVez.find('5'), std::string::npos) << naVez;
    EXPECT_EQ(marcas(), "----");
    jogo->sinais.tickTimer3();
    jogo->sinais.tickTimer3();
    EXPECT_EQ(marcas(), "----");
}

}  // namespace
}  // namespace pelmar::teste
