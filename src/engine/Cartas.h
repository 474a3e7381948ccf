#pragma once

#include <array>
#include <string>
#include <string_view>

namespace pelmar {

// Suit codes: one bit each, so that the suit alone orders the manilhas.
namespace naipe {
inline constexpr int OUROS = 0x1000;
inline constexpr int ESPADA = 0x2000;
inline constexpr int COPAS = 0x4000;
inline constexpr int PAUS = 0x8000;
}  // namespace naipe

// Rank codes: a group bit plus a member bit; odd exactly for 4, 5, 6 and 7.
namespace valor {
inline constexpr int QUATRO = 1;
inline constexpr int CINCO = 3;
inline constexpr int SEIS = 5;
inline constexpr int SETE = 9;
inline constexpr int DAMA = 48;
inline constexpr int VALETE = 80;
inline constexpr int REI = 144;
inline constexpr int AS = 768;
inline constexpr int DOIS = 1280;
inline constexpr int TRES = 2304;
}  // namespace valor

inline constexpr int MENOR_MANILHA = naipe::OUROS;  // any strength from here up is a manilha
inline constexpr int CARTAS_NO_BARALHO = 40;

// Index into the per-suit "seen" tables: PAUS, COPAS, ESPADA, OUROS.
enum class IndiceNaipe { PAUS = 0, COPAS = 1, ESPADA = 2, OUROS = 3 };
inline constexpr std::array<std::string_view, 4> NOMES_DOS_NAIPES = {"PAUS", "COPAS", "ESPADA", "OUROS"};
int indiceDoNaipe(int codigoNaipe);  // -1 for a code that is no suit

struct ModoBaralho {
    bool MODO_TRADICIONAL = false;
    bool BARALHO_LIMPO = false;
};

struct CartaBaralho {
    bool NO_BARALHO = false;
    int NAIPE = 0;
    int VALOR = 0;
    std::string NOME;
};

// The deck table: entry 0 is the empty card, 1..40 the cards, 41..54 never filled.
class Baralho {
public:
    Baralho();
    void INICIA_BARALHO();

    CartaBaralho& operator[](int indice);
    const CartaBaralho& operator[](int indice) const;

private:
    std::array<CartaBaralho, 55> cartas_;
};

// Strength of a deck card against the vira; 0 for the empty card.
int FORCA_CARTA(const Baralho& baralho, int carta, int vira, ModoBaralho modo);

// The text naming the manilha rank for a vira rank; empty in the traditional mode.
std::string TEXTO_MANILHAS(int valorVira, ModoBaralho modo);

// Label of a card in a hand slot: its name, or the manilha name when the strength has a suit bit.
std::string ROTULO_CARTA(const Baralho& baralho, int carta, int forca);

// Hint of the vira image: name, " - Manilhas: " and the manilha text.
std::string DICA_VIRA(const Baralho& baralho, int vira, ModoBaralho modo);

// The suit code of a manilha's strength (its top bit); 0 for an ordinary card.
int naipeDaManilha(int forca);

// Sound played when a manilha of this strength takes the lead; empty for ordinary cards.
std::string_view SOM_MANILHA(int forca);

}  // namespace pelmar
