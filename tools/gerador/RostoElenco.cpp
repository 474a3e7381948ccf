#include "RostoElenco.h"

#include <array>
#include <stdexcept>
#include <string>

namespace pelmar::gerador {
namespace {

// Background, skin, hair, shirt and silhouette differ from one character to the next, so that
// the four seats stay apart at a glance even at portrait size.
constexpr std::array<Aparencia, 10> ELENCO = {{
    // A young man: short brown hair, blue T-shirt.
    {"Jogador-01", 0xbfe3f5, 0xefc29a, 0x6b3e1f, 0x4a7a3a, 0x2f6fd0, 0x1d4a94, Formato::Redondo,
     Penteado::Curto, Chapeu::Nenhum, 0, Pelos::Nenhum, Oculos::Nenhum, 0, Roupa::Camiseta,
     Boca::Sorriso, 1.0, false, false, false, false, false},
    // A woman with long black hair, red top, lipstick and hoops.
    {"Jogador-02", 0xfde8a0, 0xb97a4a, 0x1e1a1a, 0x3b2414, 0xd8343c, 0x9c1f2a, Formato::Oval,
     Penteado::Liso, Chapeu::Nenhum, 0, Pelos::Nenhum, Oculos::Nenhum, 0, Roupa::GolaV, Boca::Batom,
     0.9, true, false, false, false, false},
    // A man with a shaved head and a goatee, green shirt with a collar.
    {"Jogador-03", 0xd9cdf2, 0x6b4229, 0x141010, 0x2a1a10, 0x2e9a5a, 0xe8f5ec, Formato::Quadrado,
     Penteado::Raspado, Chapeu::Nenhum, 0, Pelos::Cavanhaque, Oculos::Nenhum, 0, Roupa::Camisa,
     Boca::Sorriso, 1.1, false, false, false, false, false},
    // A young woman with a ginger ponytail and freckles, striped purple top.
    {"Jogador-04", 0xc8f0d8, 0xf6d2b8, 0xd8642a, 0x3a78c8, 0x8a4cc2, 0xf2e6ff, Formato::Coracao,
     Penteado::RaboDeCavalo, Chapeu::Nenhum, 0, Pelos::Nenhum, Oculos::Nenhum, 0, Roupa::Listrada,
     Boca::Contida, 0.85, false, true, false, false, false},
    // An older lady: grey bun, round glasses, pink cardigan and pearls.
    {"Dona-Cida", 0xf9d9d0, 0xf3cdb0, 0xc4c4cc, 0x5a6a8a, 0xe07aa8, 0xffffff, Formato::Redondo,
     Penteado::Coque, Chapeu::Nenhum, 0, Pelos::Nenhum, Oculos::Redondo, 0x7a3a6a, Roupa::Cardigan,
     Boca::Batom, 0.95, false, false, true, true, false},
    // An older man: straw hat, big grey moustache, checked shirt.
    {"Seu-Bento", 0xd6ebc0, 0xcf9a6c, 0xdadada, 0x3a2a1a, 0xb5552f, 0xf0d6a8, Formato::Comprido,
     Penteado::Curto, Chapeu::Palha, 0xe8c86a, Pelos::Bigodao, Oculos::Nenhum, 0, Roupa::Xadrez,
     Boca::Contida, 1.35, false, false, true, false, false},
    // The talker: black quiff, wide open grin, yellow shirt.
    {"Ze-Matraca", 0xbde9e9, 0xd9a06f, 0x2a1a10, 0x5a3a1a, 0xf2c230, 0xfff4c0, Formato::Oval,
     Penteado::Topete, Chapeu::Nenhum, 0, Pelos::Nenhum, Oculos::Nenhum, 0, Roupa::Camisa,
     Boca::Risada, 1.05, false, false, false, false, false},
    // The aunt: big auburn curls, hoops, turquoise dress, lipstick.
    {"Tia-Nena", 0xf7c6e0, 0x8d5a3b, 0x7a3b1f, 0x2a1a10, 0x1fa5a0, 0x0f6e6a, Formato::Redondo,
     Penteado::Cachos, Chapeu::Nenhum, 0, Pelos::Nenhum, Oculos::Nenhum, 0, Roupa::GolaV, Boca::Batom,
     1.0, true, false, false, true, false},
    // The musician: red cap worn backwards, full beard, denim shirt, guitar strap.
    {"Chico-Viola", 0xf5e2b8, 0xc68a5a, 0x3a2418, 0x4a3020, 0x4a6fa5, 0x8fb0d8, Formato::Quadrado,
     Penteado::Curto, Chapeu::BoneVirado, 0xc0392b, Pelos::Barba, Oculos::Nenhum, 0, Roupa::Camisa,
     Boca::Sorriso, 1.1, false, false, false, false, true},
    // The teacher: dark bob, rectangular glasses, navy shirt with a white collar.
    {"Professora-Lia", 0xcfe0fb, 0xf0d0b0, 0x2a2226, 0x3a2a20, 0x2d4a7a, 0xffffff, Formato::Oval,
     Penteado::Chanel, Chapeu::Nenhum, 0, Pelos::Nenhum, Oculos::Retangular, 0x1c1c3a, Roupa::Camisa,
     Boca::Contida, 0.9, true, false, false, false, false},
}};

}  // namespace

const Aparencia& aparenciaDe(std::string_view nome) {
    for (const Aparencia& a : ELENCO)
        if (nome == a.nome) return a;
    throw std::runtime_error("no face is drawn for the character " + std::string(nome));
}

}  // namespace pelmar::gerador
