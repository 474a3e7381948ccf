#pragma once

#include <initializer_list>
#include <string_view>
#include <utility>

namespace pelmar {

class Anuncios;
struct ContextoDaMesa;
struct Controle;

// Motion on the table, as steps of the model with the game's own pauses between them.
class Animacoes {
public:
    Animacoes(ContextoDaMesa& contexto, Anuncios& anuncios) : j_(contexto), anuncios_(anuncios) {}

    // A card flies between two controls' home positions in `passos` steps of `pausaMs`.
    void voa(std::string_view de, std::string_view para, int carta, bool deFrente, int passos, int pausaMs);
    // Two pixels right, left, down and up, `pausaMs` each.
    void chacoalha(Controle& controle, int pausaMs = 30);
    // The same shake with growing or shrinking pauses.
    void chacoalhaComPausas(Controle& controle, std::initializer_list<int> pausas);
    void embaralha();
    void corta(int jogadorQueCorta);

private:
    ContextoDaMesa& j_;
    Anuncios& anuncios_;
};

}  // namespace pelmar
