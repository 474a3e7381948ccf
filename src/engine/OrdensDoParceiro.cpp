#include "engine/OrdensDoParceiro.h"

#include "engine/Partida.h"

namespace pelmar {

OrdemDeJogar OrdensDoParceiro::jogar() const {
    if (J3_DECIDE_SOZINHO) return OrdemDeJogar::Sozinho;
    if (J3_FORCA_MAIOR) return J3_FORCA_ENCOBRIR ? OrdemDeJogar::EncobrirMaior : OrdemDeJogar::MaiorCarta;
    if (J3_FORCA_MENOR) return J3_FORCA_ENCOBRIR ? OrdemDeJogar::EncobrirMenor : OrdemDeJogar::MenorCarta;
    return OrdemDeJogar::Sozinho;
}

OrdemDeTruco OrdensDoParceiro::truco() const {
    if (J3_FORCA_TRUCAR) return OrdemDeTruco::PedeTruco;
    if (J3_FORCA_NAO_TRUCAR) return OrdemDeTruco::FicarQuieto;
    return OrdemDeTruco::TrucaSozinho;
}

void ordenaJogar(Partida& jogo, OrdemDeJogar ordem) {
    struct Efeito {
        const char* log;
        bool maior, menor, encobrir;
        const char* rotulo;
    };
    static constexpr Efeito EFEITOS[] = {
        {nullptr, false, false, false, ""},
        {"J1 FORÇA J3 A JOGAR MAIOR CARTA", true, false, false, "Maior!"},
        {"J1 FORÇA J3 A JOGAR MENOR CARTA", false, true, false, "Menor!"},
        {"J1 FORÇA J3 A JOGAR CARTA MAIOR ENCOBERTA", true, false, true, "Maior*!"},
        {"J1 FORÇA J3 A JOGAR MENOR CARTA ENCOBERTA", false, true, true, "Menor*!"},
    };
    const Efeito& f = EFEITOS[static_cast<int>(ordem)];
    OrdensDoParceiro& o = jogo.chaves.ORDENS_J3;
    if (f.log) jogo.log(0, f.log);
    o.J3_DECIDE_SOZINHO = ordem == OrdemDeJogar::Sozinho;
    o.J3_FORCA_MAIOR = f.maior;
    o.J3_FORCA_MENOR = f.menor;
    o.J3_FORCA_ENCOBRIR = f.encobrir;
    Controle& rotulo = jogo.mesa["DECISAO_CARTA"];
    rotulo.texto = f.rotulo;
    rotulo.visivel = true;
}

void ordenaTruco(Partida& jogo, OrdemDeTruco ordem) {
    OrdensDoParceiro& o = jogo.chaves.ORDENS_J3;
    o.J3_FORCA_TRUCAR = ordem == OrdemDeTruco::PedeTruco;
    o.J3_FORCA_NAO_TRUCAR = ordem == OrdemDeTruco::FicarQuieto;
    Controle& rotulo = jogo.mesa["DECISAO_TRUCO"];
    rotulo.visivel = true;
    switch (ordem) {
        case OrdemDeTruco::PedeTruco:
            jogo.log(0, "J1 FORÇA J3 A TRUCAR ");
            rotulo.texto = "Trucar!";
            break;
        case OrdemDeTruco::FicarQuieto:
            jogo.log(0, "J1 FORÇA J3 A NÃO TRUCAR ");
            rotulo.texto = "Quieto!";
            break;
        case OrdemDeTruco::TrucaSozinho: rotulo.texto.clear(); break;
    }
}

void soltaOrdens(Partida& jogo) {
    jogo.chaves.ORDENS_J3 = OrdensDoParceiro{};
    jogo.mesa["DECISAO_CARTA"].texto.clear();
    jogo.mesa["DECISAO_TRUCO"].texto.clear();
}

}  // namespace pelmar
