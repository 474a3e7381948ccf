#include "engine/Anuncios.h"

#include "base/ArquivoTexto.h"
#include "engine/ContextoDaMesa.h"

namespace pelmar {

void Anuncios::TOCA_SOM(std::string_view chave, int espera) {
    if (!j_.prefs.SOM) return;
    if (chave.empty()) {
        j_.Wait(500);
        return;
    }
    j_.Wait(1);
    const int duracao = j_.tela.tocaSom(chave);
    // A synchronous sound keeps the table alive while it plays.
    j_.Wait(espera == 0 ? duracao : espera);
}

namespace {

// The side's colour on the table, as the tricks are marked.
Cor corDoLado(char lado) { return lado == 'C' ? Cor::Vermelho : lado == 'J' ? Cor::Azul : Cor::Preto; }

}  // namespace

Falante Anuncios::assento(int jogador) const {
    if (jogador < 1 || jogador > 4) return Falante::mesa();
    return Falante::doAssento(jogador, j_.prefs.NOME_JOGADOR[jogador]);
}

void Anuncios::FALA(std::string_view texto, std::string_view chave, const Falante& quem) {
    const bool mostraUltimas = j_.prefs.DIFICULDADE <= 4;
    for (int i = 6; i >= 1; --i) {
        Controle& aviso = j_.mesa["ULTIMA_AVISO_" + std::to_string(i)];
        aviso.visivel = mostraUltimas;
        if (i > 1) {
            const Controle& anterior = j_.mesa["ULTIMA_AVISO_" + std::to_string(i - 1)];
            aviso.texto = anterior.texto;
            aviso.falante = anterior.falante;
        } else {
            aviso.texto = std::string(texto);
            aviso.falante = quem;
        }
        aviso.cor = corDoLado(aviso.falante.lado);
    }
    Controle& avisoM = j_.mesa["AVISO_M"];
    avisoM.texto = std::string(texto);
    avisoM.cor = Cor::Amarelo;
    avisoM.corFundo = corDoLado(quem.lado);
    avisoM.falante = quem;
    avisoM.visivel = true;
    j_.tela.redesenha();
    j_.Wait(0);
    TOCA_SOM(chave, 0);
    j_.Wait(200);
    avisoM.visivel = false;
    j_.log(2, "MSG = " + std::string(texto));
}

void Anuncios::GRITA_TRUCO(int jogador, int valor) {
    j_.log(0, "GRITOU TRUCO VALENDO = " + std::to_string(valor));
    const std::string chave = "..\\JOG\\" + j_.prefs.PERSONAGEM[jogador] + "\\TRUCO_" + std::to_string(valor);
    switch (valor) {
        case 3: ++QTE_TRUCOS_3; break;
        case 6: ++QTE_TRUCOS_6; break;
        case 9: ++QTE_TRUCOS_9; break;
        case 12: ++QTE_TRUCOS_12; break;
        default: break;
    }
    TOCA_SOM(chave, 0);
    j_.log(0, "QTE TRUCOS =  3:" + std::to_string(QTE_TRUCOS_3) + " 6:" + std::to_string(QTE_TRUCOS_6) +
                  " 9:" + std::to_string(QTE_TRUCOS_9) + " 12:" + std::to_string(QTE_TRUCOS_12));
    j_.tela.redesenha();
    j_.Wait(250);
}

std::string Anuncios::SORTEIA_LINHA(std::string_view arquivo) {
    const auto linhas = leLinhasTexto(j_.pasta.resolve(arquivo));
    const int n = linhas ? static_cast<int>(linhas->size()) : 0;
    const int r = j_.random(n);
    if (r == 0) return {};
    return (*linhas)[static_cast<std::size_t>(r - 1)];
}

}  // namespace pelmar
