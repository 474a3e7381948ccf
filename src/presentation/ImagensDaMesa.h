#pragma once

#include <QImage>

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "base/PastaTrabalho.h"

namespace pelmar {

inline constexpr std::string_view MENSAGEM_MESA_AUSENTE = "Arquivo de IMG das MESAS não encontrado";
inline constexpr std::string_view MENSAGEM_VERSO_AUSENTE = "Arquivo de IMG VERSOS não encontrado";
inline constexpr std::string_view MENSAGEM_PERSONAGEM_AUSENTE = "Arquivo de IMG Jogadores não encontrado";
inline constexpr std::string_view MENSAGEM_VEZ_AUSENTE = "Arquivo de IMG das marcas da vez não encontrado";

// The turn markers beside the seats, L_JOGUE: 1..4 the seat's place in the trick, 5 the seat
// that must play now, 6 the seat holding the trick. Files JOGUE_1.PNG .. JOGUE_6.PNG.
inline constexpr std::string_view PASTA_VEZ = "IMG\\Vez";
inline constexpr int MARCAS_DA_VEZ = 6;

// A seat's faces, in the order the partner-signal code indexes them; 0 is also the portrait.
inline constexpr std::array<std::string_view, 9> ROSTOS_DO_PERSONAGEM = {
    "NORMAL", "GESTO", "NADA", "DOIS", "TRES", "OUROS", "ESPADA", "COPAS", "PAUS"};

// The deck file letters in deck order: entries 1..10, 11..20, 21..30, 31..40.
inline constexpr std::array<char, 4> LETRAS_DO_BARALHO = {'C', 'E', 'O', 'P'};

// The generated cards are painted on this colour outside their rounded corners.
inline constexpr QRgb COR_FORA_DA_CARTA = 0xFF165C34;  // (22, 92, 52)

// The image as ARGB32 with the pixels of exactly COR_FORA_DA_CARTA reachable from its four
// corners made transparent; the same colour enclosed by the card art stays.
QImage cantosTransparentes(const QImage& carta);

// The pictures the table draws: cloth, card back, the forty faces and the four seats' faces.
// Every load is all or nothing: on failure the message goes to `aviso` and the pictures in use
// stay as they were.
class ImagensDaMesa {
public:
    using Aviso = std::function<void(const std::string&)>;

    ImagensDaMesa(PastaTrabalho pasta, Aviso aviso);

    bool carregaMesa(std::string_view nome);
    bool carregaVerso(std::string_view nome);
    bool carregaBaralho(std::string_view nome);
    bool carregaMarcasDaVez();
    // `indice` 1..MARCAS_DA_VEZ; a null image outside or before they are loaded.
    const QImage& marcaDaVez(int indice) const;
    // `assento` 1..4; throws std::out_of_range outside.
    bool carregaPersonagem(int assento, std::string_view nome);

    const QImage& mesa() const { return mesa_; }
    const QImage& verso() const { return verso_; }
    // `entrada` 1..40 in deck order; null until a deck is loaded. Throws outside 1..40.
    const QImage& carta(int entrada) const;
    // Nine faces in ROSTOS_DO_PERSONAGEM order, or none before a character is loaded.
    const std::vector<QImage>& rostos(int assento) const;

private:
    bool nomeAceito(std::string_view nome, std::string_view catalogo) const;
    // One picture of a catalog folder: the name checked, the missing-file message, then the read.
    bool leDoCatalogo(std::string_view catalogo, std::string_view nome, std::string_view ausente, QImage& destino);
    bool leImagem(const std::filesystem::path& arquivo, QImage& destino) const;

    PastaTrabalho pasta_;
    Aviso aviso_;
    QImage mesa_;
    QImage verso_;
    std::array<QImage, 40> baralho_;
    std::array<std::vector<QImage>, 4> rostos_;
    std::array<QImage, MARCAS_DA_VEZ + 1> marcasDaVez_;  // [0] stays null
};

}  // namespace pelmar
