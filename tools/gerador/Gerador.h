#pragma once

#include <QString>

// Each part of the generator writes its catalog under `saida` (the data folder, laid out as the
// game's working folder) and, when `folhas` is not empty, one contact sheet per catalog there.
// Output depends on nothing but the code: two runs write identical bytes. Failures throw
// std::runtime_error naming the file.
namespace pelmar::gerador {

void geraBaralhos(const QString& saida, const QString& folhas);
void geraVersosEMesas(const QString& saida, const QString& folhas);
void geraPersonagens(const QString& saida, const QString& folhas);
void geraSons(const QString& saida);
// The turn markers beside the seats, numbered as the game's image list L_JOGUE.
void geraMarcasDaVez(const QString& saida, const QString& folhas);
// The eleven card classes of the rule editor, one picture per class letter.
void geraClassesDoEditor(const QString& saida, const QString& folhas);
// The manual's pictures under `saida`/MANUAL, made from the cards, backs, cloths and faces the
// three parts above wrote there: it runs after them.
void geraFigurasDoManual(const QString& saida);
// The menu icon in the usual sizes, laid out as an icon theme: `saida`/16x16/apps/`nome`.png ...
void geraIcones(const QString& saida, const QString& nome);

}  // namespace pelmar::gerador
