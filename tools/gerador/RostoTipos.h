#pragma once

#include <QRgb>

#include <array>

// The nine faces of a character and what makes one character look unlike another.
namespace pelmar::gerador {

enum class Expressao { Normal, Gesto, Nada, Dois, Tres, Ouros, Espada, Copas, Paus };

struct ArquivoExpressao {
    Expressao expressao;
    const char* arquivo;
    const char* rotulo;  // caption on the contact sheet
};

// In the order of the seat's image list: the partner signals index it.
inline constexpr std::array<ArquivoExpressao, 9> EXPRESSOES = {{
    {Expressao::Normal, "NORMAL.BMP", "NORMAL"},
    {Expressao::Gesto, "GESTO.BMP", "GESTO: pisca"},
    {Expressao::Nada, "NADA.BMP", "NADA: nariz"},
    {Expressao::Dois, "DOIS.BMP", "DOIS: cabeca"},
    {Expressao::Tres, "TRES.BMP", "TRES: ombro"},
    {Expressao::Ouros, "OUROS.BMP", "OUROS: lingua"},
    {Expressao::Espada, "ESPADA.BMP", "ESPADA: canto"},
    {Expressao::Copas, "COPAS.BMP", "COPAS: testa"},
    {Expressao::Paus, "PAUS.BMP", "PAUS: 1 olho"},
}};

// The table shows each portrait 100 wide and 80 high.
inline constexpr int LARGURA_RETRATO = 100;
inline constexpr int ALTURA_RETRATO = 80;

enum class Formato { Redondo, Oval, Quadrado, Comprido, Coracao };
enum class Penteado { Raspado, Curto, Topete, Liso, RaboDeCavalo, Coque, Cachos, Chanel };
enum class Chapeu { Nenhum, Palha, BoneVirado };
enum class Pelos { Nenhum, Bigodao, Barba, Cavanhaque };
enum class Oculos { Nenhum, Redondo, Retangular };
enum class Roupa { Camiseta, GolaV, Camisa, Cardigan, Xadrez, Listrada };
enum class Boca { Sorriso, Risada, Batom, Contida };

struct Aparencia {
    const char* nome;
    QRgb fundo;
    QRgb pele;
    QRgb cabelo;
    QRgb olhos;
    QRgb roupa;
    QRgb detalheRoupa;
    Formato formato;
    Penteado penteado;
    Chapeu chapeu;
    QRgb corChapeu;
    Pelos pelos;
    Oculos oculos;
    QRgb corOculos;
    Roupa gola;
    Boca boca;
    double nariz;  // 1 = the usual size
    bool brincos;
    bool sardas;
    bool idade;  // crow's feet and folds beside the mouth
    bool colar;
    bool alcaViolao;
};

}  // namespace pelmar::gerador
