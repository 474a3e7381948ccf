#pragma once

#include <string>
#include <vector>

namespace pelmar {

struct LinhaPersonalidade;

// One line of a personality's card: the control that shows it, its label and its value.
struct ItemDaFicha {
    std::string controle;
    std::string rotulo;
    std::string valor;
};

// How a chance denominator reads to a player: "sempre", "nunca" or "1 em n".
std::string textoDaChance(int chance);

// What a seat's personality makes it do at the table, read-only: its description and the values
// as that seat uses them (the opponents signal truly at the first trick's chance plus a reserve
// in every trick, and only they make false signals; the think time comes from `linhaDoTempo`,
// the table row numbered like the seat). `padrao`: the seat's name found no row of its own.
std::vector<ItemDaFicha> fichaDaPersonalidade(const LinhaPersonalidade& linha, int assento,
                                              const LinhaPersonalidade& linhaDoTempo, bool padrao);

}  // namespace pelmar
