#pragma once

#include <array>

// The characters the game ships with: the four default seats and those the personality table
// names. Faces and voices are made for each.
namespace pelmar::gerador {

inline constexpr std::array<const char*, 10> PERSONAGENS = {
    "Jogador-01", "Jogador-02", "Jogador-03", "Jogador-04", "Dona-Cida",
    "Seu-Bento",  "Ze-Matraca", "Tia-Nena",   "Chico-Viola", "Professora-Lia"};

}  // namespace pelmar::gerador
