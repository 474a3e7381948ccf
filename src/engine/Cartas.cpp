#include "engine/Cartas.h"

#include <stdexcept>

namespace pelmar {

namespace {

constexpr std::array<int, 10> VALORES_NA_ORDEM = {valor::AS,   valor::DOIS, valor::TRES,   valor::QUATRO,
                                                  valor::CINCO, valor::SEIS, valor::SETE,  valor::DAMA,
                                                  valor::VALETE, valor::REI};

constexpr std::array<std::string_view, 10> TEXTOS_VALOR = {
    "(A) AS de ",    "(2) Dois de ",  "(3) Tres de ", "(4) Quatro de ", "(5) Cinco de ",
    "(6) Seis de ",  "(7) Sete de ",  "(Q) Dama de ", "(J) Valete de ", "(K) Rei de "};

struct NaipeDoBaralho {
    int codigo;
    std::string_view texto;
};
// Deck order: COPAS 1-10, ESPADA 11-20, OUROS 21-30, PAUS 31-40.
constexpr std::array<NaipeDoBaralho, 4> NAIPES_NA_ORDEM = {{{naipe::COPAS, "COPAS"},
                                                            {naipe::ESPADA, "ESPADA"},
                                                            {naipe::OUROS, "OUROS"},
                                                            {naipe::PAUS, "PAUS"}}};

int proximoValorCompleto(int v) {
    switch (v) {
        case valor::QUATRO: return valor::CINCO;
        case valor::CINCO: return valor::SEIS;
        case valor::SEIS: return valor::SETE;
        case valor::SETE: return valor::DAMA;
        case valor::DAMA: return valor::VALETE;
        case valor::VALETE: return valor::REI;
        case valor::REI: return valor::AS;
        case valor::AS: return valor::DOIS;
        case valor::DOIS: return valor::TRES;
        case valor::TRES: return valor::QUATRO;
        default: return -1;
    }
}

int proximoValorLimpo(int v) {
    switch (v) {
        case valor::DAMA: return valor::VALETE;
        case valor::VALETE: return valor::REI;
        case valor::REI: return valor::AS;
        case valor::AS: return valor::DOIS;
        case valor::DOIS: return valor::TRES;
        case valor::TRES: return valor::DAMA;
        default: return -1;
    }
}

bool ehManilhaTradicional(int naipeCarta, int valorCarta) {
    return (naipeCarta == naipe::PAUS && valorCarta == valor::QUATRO) ||
           (naipeCarta == naipe::COPAS && valorCarta == valor::SETE) ||
           (naipeCarta == naipe::ESPADA && valorCarta == valor::AS) ||
           (naipeCarta == naipe::OUROS && valorCarta == valor::SETE);
}

}  // namespace

int indiceDoNaipe(int codigoNaipe) {
    switch (codigoNaipe) {
        case naipe::PAUS: return static_cast<int>(IndiceNaipe::PAUS);
        case naipe::COPAS: return static_cast<int>(IndiceNaipe::COPAS);
        case naipe::ESPADA: return static_cast<int>(IndiceNaipe::ESPADA);
        case naipe::OUROS: return static_cast<int>(IndiceNaipe::OUROS);
        default: return -1;
    }
}

Baralho::Baralho() { INICIA_BARALHO(); }

void Baralho::INICIA_BARALHO() {
    cartas_ = {};
    int indice = 1;
    for (const auto& n : NAIPES_NA_ORDEM) {
        for (std::size_t r = 0; r < VALORES_NA_ORDEM.size(); ++r) {
            CartaBaralho& c = cartas_[static_cast<std::size_t>(indice++)];
            c.NAIPE = n.codigo;
            c.VALOR = VALORES_NA_ORDEM[r];
            c.NOME = std::string(TEXTOS_VALOR[r]) + std::string(n.texto);
        }
    }
}

CartaBaralho& Baralho::operator[](int indice) {
    if (indice < 0 || indice >= static_cast<int>(cartas_.size())) throw std::out_of_range("indice de carta");
    return cartas_[static_cast<std::size_t>(indice)];
}

const CartaBaralho& Baralho::operator[](int indice) const {
    if (indice < 0 || indice >= static_cast<int>(cartas_.size())) throw std::out_of_range("indice de carta");
    return cartas_[static_cast<std::size_t>(indice)];
}

int FORCA_CARTA(const Baralho& baralho, int carta, int vira, ModoBaralho modo) {
    const CartaBaralho& c = baralho[carta];
    const int r = c.VALOR;
    const int s = c.NAIPE;
    if (modo.MODO_TRADICIONAL) return ehManilhaTradicional(s, r) ? (s | r) : r;
    const int v = baralho[vira].VALOR;
    const int manilha = modo.BARALHO_LIMPO ? proximoValorLimpo(v) : proximoValorCompleto(v);
    return (r != 0 && r == manilha) ? (s | r) : r;
}

std::string TEXTO_MANILHAS(int valorVira, ModoBaralho modo) {
    if (modo.MODO_TRADICIONAL) return {};
    switch (valorVira) {
        case valor::AS: return "(Todos os Dois)";
        case valor::DOIS: return modo.BARALHO_LIMPO ? "(Todos os Tres)" : "(Todos Tres)";
        case valor::TRES: return modo.BARALHO_LIMPO ? "(Todos as Damas)" : "(Todos os Quatros)";
        case valor::QUATRO: return "(Todos os Cincos)";
        case valor::CINCO: return "(Todos os Seis)";
        case valor::SEIS: return "(Todos os Setes)";
        case valor::SETE: return "(Todos as Damas)";
        case valor::DAMA: return "(Todos os Valetes)";
        case valor::VALETE: return "(Todos os Reis)";
        case valor::REI: return "(Todos os Ases)";
        default: return {};
    }
}

std::string ROTULO_CARTA(const Baralho& baralho, int carta, int forca) {
    if (carta == 0) return {};
    std::string rotulo = baralho[carta].NOME;
    // Tested in this order, the later test winning, as the labels were always built.
    if (forca & naipe::PAUS) rotulo = "(%) ZAP       ";
    if (forca & naipe::COPAS) rotulo = "(@) COPETA    ";
    if (forca & naipe::ESPADA) rotulo = "(*) ESPADILHA ";
    if (forca & naipe::OUROS) rotulo = "(!) PICA FUMO ";
    return rotulo;
}

std::string DICA_VIRA(const Baralho& baralho, int vira, ModoBaralho modo) {
    return baralho[vira].NOME + " - Manilhas: " + TEXTO_MANILHAS(baralho[vira].VALOR, modo);
}

int naipeDaManilha(int forca) {
    for (int n : {naipe::PAUS, naipe::COPAS, naipe::ESPADA, naipe::OUROS})
        if (forca >= n) return n;
    return 0;
}

std::string_view SOM_MANILHA(int forca) {
    switch (naipeDaManilha(forca)) {
        case naipe::PAUS: return "MANILHA_PAUS";
        case naipe::COPAS: return "MANILHA_COPAS";
        case naipe::ESPADA: return "MANILHA_ESPADA";
        case naipe::OUROS: return "MANILHA_OUROS";
        default: return {};
    }
}

}  // namespace pelmar
