#include "engine/Conversa.h"

#include <string>

#include "base/ArquivoTexto.h"
#include "engine/Partida.h"

namespace pelmar {

namespace {

std::string nomeBalao(int jogador) { return "FALA_J" + std::to_string(jogador); }

}  // namespace

void Conversa::CONTA_FALAS() {
    const auto linhas = leLinhasTexto(j_.pasta.resolve(ARQUIVO_FALAS));
    QTD_FALAS = linhas ? static_cast<int>(linhas->size()) : 0;
}

// Line r counted from 1, as the random line reader does: 0 quotes nothing. The file may have
// been edited since it was counted, so a line past its end is empty too.
std::string Conversa::linhaDasFalas(int r) const {
    if (r < 1) return {};
    const auto linhas = leLinhasTexto(j_.pasta.resolve(ARQUIVO_FALAS));
    if (!linhas || r > static_cast<int>(linhas->size())) return {};
    return (*linhas)[static_cast<std::size_t>(r - 1)];
}

void Conversa::fechaBaloes() {
    for (int p = 1; p <= 4; ++p) j_.mesa[nomeBalao(p)].visivel = false;
}

void Conversa::CONVERSA_JOGADORES() {
    // Switching the talk off mid-sentence must not leave a balloon up with no tick to close it.
    if (!j_.prefs.FALAS) {
        fechaBaloes();
        return;
    }
    for (int p = 1; p <= 4; ++p) {
        Controle& balao = j_.mesa[nomeBalao(p)];
        if (!balao.visivel) continue;
        if (--balao.contador < 1) balao.visivel = false;
        return;
    }
    for (int p = 1; p <= 4; ++p) {
        if (!j_.Chance(j_.bastidores.chanceDeFala(p))) continue;
        Controle& balao = j_.mesa[nomeBalao(p)];
        if (balao.visivel) continue;
        const std::string texto = linhaDasFalas(j_.random(QTD_FALAS));
        balao.texto = texto;
        balao.visivel = true;
        balao.contador = static_cast<int>(comprimentoUtf8(texto) / 3);
        j_.log(2, "FALA - JOG_" + std::to_string(p) + " " + texto);
        return;
    }
}

void Conversa::CONTA_PIADA() {
    const std::string arquivo = "TXT\\PIADAS\\ARQ_" + std::to_string(j_.random(100)) + ".TXT";
    std::string texto;
    if (const auto linhas = leLinhasTexto(j_.pasta.resolve(arquivo))) {
        for (std::size_t i = 0; i < linhas->size(); ++i) {
            if (i > 0) texto += '\n';
            texto += (*linhas)[i];
        }
    }
    Controle& janela = j_.mesa["TfPIADAS"];
    janela.texto = std::move(texto);
    janela.visivel = true;
}

}  // namespace pelmar
