#pragma once

#include <string>
#include <string_view>

#include "engine/ModeloMesa.h"

namespace pelmar {

struct ContextoDaMesa;

// Announcements, sounds and the spoken truco: the table's voice.
class Anuncios {
public:
    explicit Anuncios(ContextoDaMesa& contexto) : j_(contexto) {}

    void TOCA_SOM(std::string_view chave, int espera);
    // `quem` says it: the table shows whose words they are, the words themselves unchanged.
    void FALA(std::string_view texto, std::string_view chave, const Falante& quem = Falante::mesa());
    // One seat speaks, under the name it has now.
    Falante assento(int jogador) const;
    void GRITA_TRUCO(int jogador, int valor);
    // A random line of a text file of the working folder; the last line is never drawn.
    std::string SORTEIA_LINHA(std::string_view arquivo);

    int QTE_TRUCOS_3 = 0;
    int QTE_TRUCOS_6 = 0;
    int QTE_TRUCOS_9 = 0;
    int QTE_TRUCOS_12 = 0;

private:
    ContextoDaMesa& j_;
};

}  // namespace pelmar
