#pragma once

#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>

#include "engine/DeUm.h"

namespace pelmar {

enum class Cor { Preto, Vermelho, Azul, Amarelo, Branco, Lima };

// What a card image shows.
enum class Face { Nada, Frente, Verso };

// Who says an announcement: the table itself, one side, or one seat of a side. The words of
// "NÓS GANHAMOS !" are the computer's side's, whoever reads them.
struct Falante {
    char lado = ' ';  // 'C' the computer's side (seats 2 and 4), 'J' the user's (1 and 3), ' ' the table
    int assento = 0;  // the one seat that says it, 0 for a whole side or the table
    std::string nome; // that seat's name when it spoke: names change with every draw

    static Falante mesa() { return {}; }
    static Falante doLado(char lado) { return {lado, 0, {}}; }
    static Falante doAssento(int assento, std::string nome) {
        return {(assento == 1 || assento == 3) ? 'J' : 'C', assento, std::move(nome)};
    }
    bool operator==(const Falante&) const = default;
};

// The visible state of one control of the card table, named after it. One shape serves labels,
// buttons, check boxes, shapes and card images; each control uses the fields that apply to it.
struct Controle {
    bool visivel = false;
    bool habilitado = true;
    bool marcado = false;
    std::string texto;
    std::string dica;
    Cor cor = Cor::Preto;       // font colour, shape pen, marker colour
    Cor corFundo = Cor::Preto;  // shape brush
    Face face = Face::Nada;
    int carta = 0;              // deck index shown when face is Frente; a portrait's face (0 NORMAL .. 8 PAUS)
    int deslocX = 0;            // offset from the control's home position, in table pixels
    int deslocY = 0;
    int imagem = 0;             // index in the control's image list (the turn markers)
    int contador = 0;           // countdowns (the truco information window, the speech balloons)
    std::string alvo;           // the control this one is drawn around (the lead marker)
    Falante falante;            // who says the announcement a control shows
};

// A card in flight between two controls' home positions; the window interpolates.
struct VooCarta {
    bool ativo = false;
    std::string de;
    std::string para;
    Face face = Face::Verso;
    int carta = 0;
    int passo = 0;
    int passos = 1;
};

// The card table as the engine leaves it: every control the rules touch, by its name.
class ModeloMesa {
public:
    ModeloMesa();
    ModeloMesa(const ModeloMesa&) = delete;
    ModeloMesa& operator=(const ModeloMesa&) = delete;

    // Throws std::out_of_range naming the control when there is no such control.
    Controle& operator[](std::string_view nome);
    const Controle& operator[](std::string_view nome) const;
    bool existe(std::string_view nome) const;

    Controle& JOG(int jogador, int slot) { return *jog_[jogador][slot]; }
    Controle& MESA(int jogador, int rodada) { return *mesa_[jogador][rodada]; }
    const Controle& JOG(int jogador, int slot) const { return *jog_[jogador][slot]; }
    const Controle& MESA(int jogador, int rodada) const { return *mesa_[jogador][rodada]; }

    static std::string nomeJOG(int jogador, int slot);
    static std::string nomeMESA(int jogador, int rodada);
    // PALITO_MESA_07, PALITO_JOG_12…
    static std::string nomePalito(std::string_view lado, int i);

    void paraCada(const std::function<void(const std::string&, const Controle&)>& visita) const;

    VooCarta voo;

private:
    void cria(const std::string& nome);

    std::map<std::string, Controle, std::less<>> controles_;
    DeUm<DeUm<Controle*, 3>, 4> jog_{};
    DeUm<DeUm<Controle*, 3>, 4> mesa_{};
};

}  // namespace pelmar
