#include "brain/Inteligencia.h"

#include "engine/Partida.h"

namespace pelmar {

Inteligencia::Inteligencia(Partida& j)
    : jogo(j), arquivos(*this), consulta(*this), aprendizado(*this), ferramentas(*this), edicao(*this) {}

void Inteligencia::aoComecarPartida() {
    if (primeiraPartidaComecou_) return;
    primeiraPartidaComecou_ = true;
    if (jogo.prefs.CEREBRO_USA_REGRAS) arquivos.LE_REGRAS();
}

}  // namespace pelmar
