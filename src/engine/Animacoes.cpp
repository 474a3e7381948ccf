#include "engine/Animacoes.h"

#include "engine/Anuncios.h"
#include "engine/ContextoDaMesa.h"

namespace pelmar {

void Animacoes::voa(std::string_view de, std::string_view para, int carta, bool deFrente, int passos, int pausaMs) {
    VooCarta& voo = j_.mesa.voo;
    voo.ativo = true;
    voo.de = std::string(de);
    voo.para = std::string(para);
    voo.carta = carta;
    voo.face = deFrente ? Face::Frente : Face::Verso;
    voo.passos = passos < 1 ? 1 : passos;
    for (voo.passo = 1; voo.passo <= voo.passos && !j_.estado.PARAR; ++voo.passo) {
        j_.tela.redesenha();
        j_.Wait(pausaMs);
    }
    voo.ativo = false;
}

void Animacoes::chacoalha(Controle& controle, int pausaMs) {
    chacoalhaComPausas(controle, {pausaMs});
}

void Animacoes::chacoalhaComPausas(Controle& controle, std::initializer_list<int> pausas) {
    static constexpr std::pair<int, int> PASSOS[] = {{2, 0}, {-2, 0}, {0, 2}, {0, -2}};
    for (int pausa : pausas) {
        for (const auto& [dx, dy] : PASSOS) {
            if (j_.estado.PARAR) break;
            controle.deslocX += dx;
            controle.deslocY += dy;
            j_.tela.redesenha();
            j_.Wait(pausa);
        }
    }
}

void Animacoes::embaralha() {
    for (int i = 1; i <= 12; ++i) j_.mesa[ModeloMesa::nomePalito("MESA", i)].visivel = false;
    j_.mesa["PONTOS_MESA"].texto = "0";
    for (int i = 1; i <= 7; ++i) {
        Controle& c = j_.mesa["BARALHO_" + std::to_string(i)];
        c.visivel = true;
        c.face = Face::Verso;
        c.alvo.clear();
    }
    for (int passe = 0; passe < 3 && !j_.estado.PARAR; ++passe) {
        for (int i = 1; i <= 7; ++i) {
            Controle& c = j_.mesa["BARALHO_" + std::to_string(i)];
            c.deslocX = j_.random(41) - 20;
            c.deslocY = j_.random(21) - 10;
        }
        j_.tela.redesenha();
        anuncios_.TOCA_SOM("DISTRIBUI_CARTAS", 50);
    }
    anuncios_.TOCA_SOM("EMBARALHANDO", 50);
}

void Animacoes::corta(int jogadorQueCorta) {
    const std::string lugar = "CORTA_BARALHO_" + std::to_string(jogadorQueCorta);
    j_.mesa[lugar].visivel = true;
    for (int i = 1; i <= 7; ++i) {
        Controle& c = j_.mesa["BARALHO_" + std::to_string(i)];
        c.alvo = lugar;
        c.deslocX = 0;
        c.deslocY = -2 * (i - 1);
    }
    j_.tela.redesenha();
    anuncios_.TOCA_SOM("BATE_MESA", 20);
    const int levantadas = j_.random(5) + 1;
    for (int i = 8 - levantadas; i <= 7; ++i) j_.mesa["BARALHO_" + std::to_string(i)].deslocY -= 12;
    j_.tela.redesenha();
    j_.Wait(j_.prefs.TEMPO);
    for (int i = 8 - levantadas; i <= 7; ++i) j_.mesa["BARALHO_" + std::to_string(i)].deslocY += 12;
    j_.tela.redesenha();
    j_.Wait(j_.prefs.TEMPO);
    for (int i = 1; i <= 7; ++i) j_.mesa["BARALHO_" + std::to_string(i)].visivel = false;
    j_.mesa[lugar].visivel = false;
}

}  // namespace pelmar
