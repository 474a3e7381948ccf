#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "engine/Cartas.h"
#include "engine/DeUm.h"

namespace pelmar {

// The preferences record with its defaults (a first start, no preferences file).
struct Preferencias {
    bool SOM = true;
    bool FALAS = true;
    bool J3_JOGA_SOZINHO = true;
    bool J1_JOGA_SOZINHO = false;
    bool ENCOBRIR_QUALQUER_RODADA = false;
    bool ROUBA_BARALHO = false;
    bool CEREBRO_APRENDE_REGRAS = true;
    bool CEREBRO_USA_REGRAS = true;
    bool MODO_TRADICIONAL = false;
    bool BARALHO_LIMPO = false;
    int JANELA_ESQUERDA = 0;
    int JANELA_TOPO = 0;
    std::string NOME_MESA = "Original";
    std::string NOME_VERSO = "Original";
    std::string NOME_BARALHO = "Original";
    DeUm<std::string, 4> PERSONAGEM{{"Jogador-01", "Jogador-02", "Jogador-03", "Jogador-04"}};
    int PASSOS = 5;
    int TEMPO = 5;
    int DESAPARECER = 20;
    int DIFICULDADE = 5;
    bool USA_PERSONALIDADE = true;
    DeUm<std::string, 4> NOME_JOGADOR{{"JOGADOR-01", "JOGADOR-02", "JOGADOR-03", "JOGADOR-04"}};
    bool VOCE_FIXO = false;
    bool PARCEIRO_FIXO = false;
    bool ADVERSARIOS_FIXOS = false;

    // The record as last read from its file. A save writes the fields above over these bytes, so
    // what the game does not use (reserved fields, bytes past a name's length) stays as found.
    // Empty until a file is read.
    std::vector<std::uint8_t> bytesLidos;

    ModoBaralho modoBaralho() const { return {MODO_TRADICIONAL, BARALHO_LIMPO}; }
};

}  // namespace pelmar
