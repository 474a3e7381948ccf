#include "SomEfeitos.h"

#include <array>
#include <cmath>
#include <numbers>

#include "SomSintese.h"
#include "SomTratamento.h"

namespace pelmar::gerador {
namespace {

Amostras acabado(Amostras s, double pico) {
    normaliza(s, 1.0);
    s = aparaSilencio(s, 0.002, 0.005);
    suaviza(s, 0.002, 0.015);
    normaliza(s, pico);
    return s;
}

// A card leaving the hand: a bright swish that rises, then lands.
Amostras carta(Ruido& r, double segundos, double centro0, double centro1) {
    Amostras s = passaFaixa(ruidoBranco(r, segundos), centro0, centro1, 1.2);
    envelope(s, segundos * 0.25, 6 / segundos);
    Amostras pouso = passaFaixa(ruidoBranco(r, 0.02), 2500, 1800, 2.0);
    envelope(pouso, 0.001, 220);
    mistura(s, pouso, segundos * 0.85, 1.6);
    return s;
}

// One struck surface: a pitched thump and the crack of the hit.
Amostras batida(Ruido& r, double grave, double segundos) {
    Timbre t{{{1, 1, 18}, {1.6, 0.5, 30}, {2.3, 0.3, 45}}, 0.001, 0.02};
    Amostras s = nota(grave * 1.3, segundos, t, grave);
    Amostras estalo = passaFaixa(ruidoBranco(r, 0.03), 1800, 900, 0.9);
    envelope(estalo, 0.0005, 120);
    mistura(s, estalo, 0, 0.9);
    return s;
}

Amostras arpejo(const std::vector<int>& notas, double passo, double ultima, const Timbre& t, int transpor = 0) {
    Amostras s;
    for (std::size_t i = 0; i < notas.size(); ++i) {
        const bool fim = i + 1 == notas.size();
        mistura(s, nota(frequencia(notas[i] + transpor), fim ? ultima : passo * 1.3, t), passo * static_cast<double>(i));
    }
    return s;
}

Amostras embaralhando(std::string_view chave) {
    Ruido r(chave);
    Amostras s;
    // The riffle: many small card clicks, fastest in the middle, then the bridge settles them.
    const int cliques = 34;
    double t = 0;
    for (int i = 0; i < cliques; ++i) {
        const double u = static_cast<double>(i) / cliques;
        Amostras c = passaFaixa(ruidoBranco(r, 0.012), 3200 + 1500 * r.uniforme(), 2600, 3.0);
        envelope(c, 0.0005, 380);
        mistura(s, c, t, 0.5 + 0.5 * r.uniforme());
        t += 0.018 - 0.01 * std::sin(std::numbers::pi * u) + 0.003 * r.uniforme();
    }
    Amostras ponte = passaFaixa(ruidoBranco(r, 0.12), 1500, 3500, 0.8);
    envelope(ponte, 0.03, 25);
    mistura(s, ponte, t, 0.7);
    return acabado(s, 0.7);
}

Amostras distribui(std::string_view chave) {
    Ruido r(chave);
    return acabado(carta(r, 0.13, 1800, 5200), 0.7);
}

Amostras bateMesa(std::string_view chave) {
    Ruido r(chave);
    Amostras s = batida(r, 95, 0.25);
    return acabado(s, 0.85);
}

Amostras roubando(std::string_view chave) {
    Ruido r(chave);
    // A sly card slipped away: a swish that climbs and two tiptoe plucks.
    Amostras s = passaFaixa(ruidoBranco(r, 0.22), 700, 4200, 1.5);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] *= static_cast<float>(static_cast<double>(i) / static_cast<double>(s.size()));
    mistura(s, nota(frequencia(76), 0.12, marimba()), 0.23, 0.5);
    mistura(s, nota(frequencia(83), 0.16, marimba()), 0.31, 0.5);
    return acabado(s, 0.7);
}

Amostras palito(std::string_view chave) {
    Ruido r(chave);
    Amostras s = nota(1850, 0.09, madeira());
    Amostras estalo = passaFaixa(ruidoBranco(r, 0.01), 3500, 3000, 1.5);
    envelope(estalo, 0.0003, 500);
    mistura(s, estalo, 0, 0.8);
    return acabado(s, 0.65);
}

Amostras encobrir(std::string_view chave) {
    Ruido r(chave);
    // A face-down card: a duller slide and a soft pat.
    Amostras s = passaFaixa(ruidoBranco(r, 0.2), 500, 1400, 1.0);
    envelope(s, 0.06, 14);
    mistura(s, batida(r, 160, 0.09), 0.17, 0.5);
    return acabado(s, 0.65);
}

Amostras empate(std::string_view) {
    Amostras s = nota(frequencia(69), 0.14, marimba());
    mistura(s, nota(frequencia(69), 0.22, marimba()), 0.15);
    return acabado(s, 0.65);
}

Amostras ganhaComputador(std::string_view) { return acabado(arpejo({64, 60}, 0.11, 0.22, marimba()), 0.65); }
Amostras ganhaJogador(std::string_view) { return acabado(arpejo({72, 79}, 0.11, 0.22, marimba()), 0.65); }

// The manilhas ring like bells, the strongest highest and fullest.
Amostras manilha(const std::vector<int>& notas) { return acabado(arpejo(notas, 0.07, 0.75, sino()), 0.8); }
Amostras manilhaPaus(std::string_view) { return manilha({79, 84, 88, 91}); }
Amostras manilhaCopas(std::string_view) { return manilha({76, 81, 84}); }
Amostras manilhaEspada(std::string_view) { return manilha({74, 79}); }
Amostras manilhaOuros(std::string_view) { return manilha({72}); }

Amostras fx01(std::string_view chave) {
    // A hand closed early: a hit and a low chord.
    Ruido r(chave);
    Amostras s = batida(r, 70, 0.3);
    for (int n : {43, 50, 55}) mistura(s, nota(frequencia(n), 0.6, metal()), 0.02, 0.35);
    return acabado(s, 0.8);
}

Amostras fx02(std::string_view) {
    // Two plastic chips touching.
    Timbre t{{{1, 1, 35}, {2.9, 0.6, 50}, {5.1, 0.3, 70}}, 0.0005, 0.01};
    Amostras s = nota(2350, 0.08, t);
    mistura(s, nota(2650, 0.1, t), 0.045, 0.8);
    return acabado(s, 0.6);
}

Amostras fx04(std::string_view) { return acabado(nota(988, 0.12, apito()), 0.4); }

Amostras boi(std::string_view) {
    // The ox: a long low "muuu" whose mouth opens and closes.
    const auto f0 = [](double t) {
        const double arco = t < 0.25 ? 100 + 40 * t / 0.25 : 140 - 40 * (t - 0.25) / 1.35;
        return arco * (1 + 0.01 * std::sin(2 * std::numbers::pi * 5 * t));
    };
    Amostras s = vogal(1.6, f0, {{300, 80, 1.0}, {650, 100, 0.35}, {2300, 200, 0.05}},
                       {{450, 90, 1.0}, {900, 110, 0.5}, {2400, 200, 0.08}});
    Amostras env(s.size(), 1.0f);
    envelope(env, 0.12, 0.5);
    for (std::size_t i = 0; i < s.size(); ++i) s[i] *= env[i];
    suaviza(s, 0.02, 0.3);
    return acabado(s, 0.85);
}

Amostras ia1(std::string_view) { return acabado(nota(1200, 0.07, apito(), 1700), 0.35); }

Amostras bobao(std::string_view) {
    // The sad trombone: three steps down and a long wobbling fall.
    Timbre t = metal();
    t.vibrato = 0.012;
    Amostras s;
    const std::array<int, 4> notas{58, 57, 56, 55};
    for (std::size_t i = 0; i < 3; ++i) mistura(s, nota(frequencia(notas[i]), 0.26, t), 0.28 * static_cast<double>(i));
    Timbre longo = t;
    longo.vibrato = 0.03;
    mistura(s, nota(frequencia(notas[3]), 0.75, longo, frequencia(53)), 0.84);
    return acabado(passaBaixa(s, 1800), 0.8);
}

Amostras yeeh(std::string_view) {
    // A cheer: a voice sliding up on "ié".
    const auto f0 = [](double t) { return 260 + 320 * std::min(1.0, t / 0.35); };
    Amostras s = vogal(0.55, f0, {{300, 70, 1.0}, {2200, 150, 0.5}, {3000, 200, 0.2}},
                       {{500, 80, 1.0}, {1900, 150, 0.45}, {2700, 200, 0.2}});
    suaviza(s, 0.04, 0.12);
    return acabado(s, 0.75);
}

Amostras teste(std::string_view) {
    Amostras s = nota(frequencia(76), 0.3, sino());
    mistura(s, nota(frequencia(72), 0.5, sino()), 0.25);
    return acabado(s, 0.75);
}

Amostras fimRodadaEmpate(std::string_view) { return acabado(arpejo({67, 67, 67}, 0.12, 0.3, sino()), 0.7); }
Amostras fimRodadaComputador(std::string_view) {
    Amostras s = nota(frequencia(48), 0.6, metal(), frequencia(46));
    return acabado(passaBaixa(s, 900), 0.75);
}
Amostras fimRodadaJogador(std::string_view) { return acabado(arpejo({72, 76, 79, 84}, 0.09, 0.4, metal()), 0.75); }

Amostras fimMaos(std::string_view chave) {
    // The trick's cards pushed into a pile.
    Ruido r(chave);
    Amostras s = carta(r, 0.18, 900, 2600);
    mistura(s, batida(r, 130, 0.12), 0.17, 0.6);
    return acabado(s, 0.7);
}

Amostras personalAdd(std::string_view) {
    // A little fanfare: up the chord, then the chord held.
    Amostras s = arpejo({60, 64, 67}, 0.13, 0.15, metal());
    for (int n : {60, 64, 67, 72}) mistura(s, nota(frequencia(n), 0.9, metal()), 0.4, 0.45);
    return acabado(s, 0.8);
}

Amostras personalDel(std::string_view) {
    Amostras s = arpejo({67, 63, 60, 55}, 0.16, 0.7, metal());
    return acabado(passaBaixa(s, 1200), 0.75);
}

constexpr std::array<Efeito, 27> EFEITOS{{
    {"EMBARALHANDO", embaralhando},
    {"DISTRIBUI_CARTAS", distribui},
    {"BATE_MESA", bateMesa},
    {"ROUBANDO", roubando},
    {"PALITO", palito},
    {"ENCOBRIR", encobrir},
    {"EMPATE", empate},
    {"FX_WIN_COMPUTADOR", ganhaComputador},
    {"FX_WIN_JOGADOR", ganhaJogador},
    {"MANILHA_PAUS", manilhaPaus},
    {"MANILHA_COPAS", manilhaCopas},
    {"MANILHA_ESPADA", manilhaEspada},
    {"MANILHA_OUROS", manilhaOuros},
    {"FX01", fx01},
    {"FX02", fx02},
    {"FX04", fx04},
    {"BOI", boi},
    {"IA-1", ia1},
    {"BOBAO", bobao},
    {"yeeh", yeeh},
    {"TESTE", teste},
    {"FX_FIM_RODADA_EMPATE", fimRodadaEmpate},
    {"FX_FIM_RODADA_COMPUTADOR", fimRodadaComputador},
    {"FX_FIM_RODADA_JOGADOR", fimRodadaJogador},
    {"FX_FIM_MAOS", fimMaos},
    {"PERSONAL_ADD_1", personalAdd},
    {"PERSONAL_DEL_1", personalDel},
}};

}  // namespace

std::span<const Efeito> efeitos() { return EFEITOS; }

Amostras melodiaSubstituta(std::string_view semente, int notaBase, int notas) {
    static constexpr std::array<int, 6> PENTATONICA{0, 2, 4, 7, 9, 12};
    Ruido r(semente);
    Amostras s;
    for (int i = 0; i < notas; ++i) {
        const int grau = PENTATONICA[static_cast<std::size_t>(r.uniforme() * PENTATONICA.size())];
        const double dur = i + 1 == notas ? 0.3 : 0.12 + 0.08 * r.uniforme();
        mistura(s, nota(frequencia(notaBase + grau), dur, apito()), static_cast<double>(s.size()) / TAXA_AMOSTRAGEM);
    }
    return acabado(s, 0.45);
}

}  // namespace pelmar::gerador
