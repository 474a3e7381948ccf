#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "suporte/MesaDeTeste.h"

namespace pelmar::teste {
namespace {

class SuaVezTeste : public MesaDeTeste {
protected:
    // "Sua vez" as the table shows it: lit, dimmed (the other half of the blink) or gone.
    std::string suaVez() const {
        const bool aceso = jogo->mesa["LOGOTIPO_1"].visivel, apagado = jogo->mesa["LOGOTIPO_0"].visivel;
        if (aceso && apagado) return "os dois";
        return aceso ? "aceso" : apagado ? "fraco" : "nenhum";
    }
    Lance olha(std::vector<std::string>& vistos, int slot, bool pisca = false) {
        return Lance(slot, false, false, [this, &vistos, pisca](Jogo& j) {
            vistos.push_back(suaVez());
            if (pisca) j.turnos.tickPisca();
        });
    }
};

// The badge is up exactly while the user's card is awaited and starts each turn lit; the blink
// caught in either half when the turn ends does not keep it.
TEST_F(SuaVezTeste, SoNaVezDoUsuarioEAcesoAoComecar) {
    // Vira K of COPAS; seat 1 leads and wins both tricks.
    preset("KC", {{"3C", "2C", "4C"}, {"5C", "6C", "7C"}, {"QC", "JC", "4E"}, {"5E", "6E", "7E"}});
    primeiroAJogar(1);
    // A badge left in the dark half of its blink, as an earlier turn could leave it.
    jogo->mesa["LOGOTIPO_1"].visivel = false;
    jogo->mesa["LOGOTIPO_0"].visivel = true;
    std::vector<std::string> usuario, outros;
    // The user's card goes down in the dim half of the blink in trick 1, in the lit one in trick 2.
    roteiro(1, {olha(usuario, 1, true), olha(usuario, 2)});
    for (int p = 2; p <= 4; ++p) roteiro(p, {olha(outros, 1), olha(outros, 2)});
    jogaMao();
    EXPECT_EQ(usuario, (std::vector<std::string>{"aceso", "aceso"}));
    EXPECT_EQ(outros, std::vector<std::string>(6, "nenhum"));
    EXPECT_EQ(suaVez(), "nenhum");
}

// A turn that ends without a card (the hand decided by a run) takes the badge with it too.
TEST_F(SuaVezTeste, FugirTambemEncerraAVez) {
    preset("KC", {{"3C", "2C", "4C"}, {"5C", "6C", "7C"}, {"QC", "JC", "4E"}, {"5E", "6E", "7E"}});
    primeiroAJogar(1);
    std::string antes;
    roteiro(1, {Lance(1, false, false, [&](Jogo& j) {
        antes = suaVez();
        j.truco.FUGIR(true);
    })});
    jogaMao();
    EXPECT_EQ(antes, "aceso");
    EXPECT_EQ(jogo->estado.PONTOS_COM, 1);
    EXPECT_EQ(suaVez(), "nenhum");
}

}  // namespace
}  // namespace pelmar::teste
