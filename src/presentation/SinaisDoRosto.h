#pragma once

#include <array>
#include <optional>
#include <string_view>
#include <vector>

namespace pelmar {

// One of a character's nine faces as the players window teaches it: the face (its hint) and
// what it tells when true. In the order of the seat's image list.
struct SinalDoRosto {
    std::string_view nome;         // the image control and the file, without ".BMP"
    std::string_view dica;         // what the face does
    std::string_view significado;  // what the seat holds when the signal is true
};

inline constexpr std::array<SinalDoRosto, 9> SINAIS_DO_ROSTO = {{
    {"NORMAL", "Imagem normal do jogador", "Rosto neutro, sem sinal"},
    {"GESTO", "Piscar os dois olhos", "Apenas um gesto, sem valor "},
    {"NADA", "Franzir o Nariz", "Só cartas baixas: Quatro, Cinco, Seis ou Sete"},
    {"DOIS", "Mexer a cabeça", "Tem um Dois (não vale quando a vira é Ás)"},
    {"TRES", "Levantar o Ombro", "Tem um Três (não vale quando a vira é Dois)"},
    {"OUROS", "Mostrar a lingua", "Tem a manilha de OUROS (Pica Fumo)"},
    {"ESPADA", "Por a lingua no lado da boca", "Tem a manilha de ESPADAS (Espadilha)"},
    {"COPAS", "Levantar a Testa", "Tem a manilha de COPAS (Copeta)"},
    {"PAUS", "Piscar um Olho", "Tem o ZAP, a manilha de PAUS"},
}};

// One step of a preview: the face shown, the caption it sets (none: the caption stays), and
// how long it stays before the next step. The last step stays until another preview.
struct PassoDaPrevia {
    int indice;
    std::optional<std::string_view> legenda;
    int duracaoMs;

    bool operator==(const PassoDaPrevia&) const = default;
};

inline constexpr int PREVIA_NORMAL_MS = 50;
inline constexpr int PREVIA_SINAL_MS = 300;

// "Testar os Sinais": every signal in turn, the strongest manilha first, each named in the
// caption and followed by the normal face; the caption is cleared at the end.
std::vector<PassoDaPrevia> previaDeTodosOsSinais();
// A click on one signal's image: the normal face, the signal, the normal face again.
std::vector<PassoDaPrevia> previaDeUmSinal(int indice);

}  // namespace pelmar
