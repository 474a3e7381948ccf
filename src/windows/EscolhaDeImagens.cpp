#include "windows/EscolhaDeImagens.h"

#include <QWidget>

#include <utility>

#include "jogo/Jogo.h"
#include "presentation/ImagensDaMesa.h"
#include "windows/GanchosDeJanela.h"
#include "windows/TfBARALHOS.h"
#include "windows/TfMESAS.h"
#include "windows/TfVERSOS.h"

namespace pelmar {

namespace {

bool cartaDoBaralho(int carta) { return carta >= 1 && carta <= 40; }

}  // namespace

EscolhaDeImagens::EscolhaDeImagens(Jogo& jogo, ImagensDaMesa& imagens, TfMESAS& mesas, TfVERSOS& versos,
                                   TfBARALHOS& baralhos, const QWidget& janela, std::function<void()> aoTrocarImagens)
    : jogo_(jogo),
      imagens_(imagens),
      mesas_(mesas),
      versos_(versos),
      baralhos_(baralhos),
      janela_(janela),
      aoTrocarImagens_(std::move(aoTrocarImagens)) {}

QPoint EscolhaDeImagens::ondeAbrir() const { return posicaoDeJanelaAuxiliar(janela_); }

bool EscolhaDeImagens::aplica(const std::optional<QString>& escolha,
                              const std::function<bool(std::string_view)>& carrega, std::string& nomeGuardado) {
    if (!escolha) return false;
    const std::string nome = escolha->toStdString();
    // A name that did not load is not remembered: the next start would only fail on it again.
    if (!carrega(nome)) return false;
    nomeGuardado = nome;
    if (aoTrocarImagens_) aoTrocarImagens_();
    return true;
}

bool EscolhaDeImagens::ESCOLHE_MESA() {
    return aplica(mesas_.escolhe(ondeAbrir()), [this](std::string_view n) { return imagens_.carregaMesa(n); },
                  jogo_.prefs.NOME_MESA);
}

bool EscolhaDeImagens::ESCOLHE_VERSO() {
    const bool trocou = aplica(
        versos_.escolhe(ondeAbrir()), [this](std::string_view n) { return imagens_.carregaVerso(n); },
        jogo_.prefs.NOME_VERSO);
    mostraVersos();
    return trocou;
}

bool EscolhaDeImagens::ESCOLHE_BARALHO() {
    const bool trocou = aplica(
        baralhos_.escolhe(ondeAbrir()), [this](std::string_view n) { return imagens_.carregaBaralho(n); },
        jogo_.prefs.NOME_BARALHO);
    mostraFrentes();
    return trocou;
}

void EscolhaDeImagens::escolheBaralhoDoJogo() {
    ESCOLHE_BARALHO();
    ESCOLHE_VERSO();
}

void EscolhaDeImagens::mostraVersos() {
    ModeloMesa& m = jogo_.mesa;
    const Preferencias& p = jogo_.prefs;
    for (int jogador = 1; jogador <= 4; ++jogador) {
        const bool deCostas = jogador == 2 || jogador == 4 || (jogador == 1 && p.J1_JOGA_SOZINHO) ||
                              (jogador == 3 && p.J3_JOGA_SOZINHO);
        if (!deCostas) continue;
        for (int s = 1; s <= 3; ++s) m.JOG(jogador, s).face = Face::Verso;
    }
    for (const char* monte : {"MONTE_1", "MONTE_2", "MONTE_3"}) m[monte].face = Face::Verso;
}

void EscolhaDeImagens::mostraFrentes() {
    ModeloMesa& m = jogo_.mesa;
    const EstadoJogo& e = jogo_.estado;
    auto mostraMao = [&](int jogador) {
        for (int s = 1; s <= 3; ++s) {
            const int carta = e.JOGADORES[jogador].CARTAS[s].CARTA;
            if (!cartaDoBaralho(carta)) continue;
            Controle& c = m.JOG(jogador, s);
            c.face = Face::Frente;
            c.carta = carta;
        }
    };
    if (!jogo_.prefs.J1_JOGA_SOZINHO) mostraMao(1);
    if (!jogo_.prefs.J3_JOGA_SOZINHO) mostraMao(3);
    // A covered card holds no card on the table: it stays face down, hidden from the user.
    for (int jogador = 1; jogador <= 4; ++jogador)
        for (int t = 1; t <= 3; ++t) {
            Controle& c = m.MESA(jogador, t);
            if (cartaDoBaralho(c.carta)) c.face = Face::Frente;
        }
    if (cartaDoBaralho(e.VIRA)) {
        Controle& vira = m["CVIRA"];
        vira.face = Face::Frente;
        vira.carta = e.VIRA;
    }
}

}  // namespace pelmar
