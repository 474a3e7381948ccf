#include "engine/Partida.h"

namespace pelmar {

Partida::Partida(Plataforma& plataforma_, Tela& tela_, Decisoes& decisoes_, Bastidores& bastidores_,
                 PastaTrabalho pasta_)
    : plataforma(plataforma_),
      tela(tela_),
      decisoes(decisoes_),
      bastidores(bastidores_),
      pasta(std::move(pasta_)),
      historico(estado),
      pausa(plataforma_, estado, chaves),
      contexto{plataforma, tela, pasta, estado, chaves, prefs, mesa, historico, pausa},
      anuncios(contexto),
      animacoes(contexto, anuncios),
      distribuicao(*this),
      fechamento(contexto),
      rodadas(*this),
      truco(*this),
      placar(*this),
      turnos(*this),
      conversa(*this),
      relogio(*this),
      troca(*this),
      sinais(*this) {}

std::string Partida::rotulo(int jogador, int slot) const {
    if (jogador < 1 || jogador > 4) return {};
    const SlotCarta& c = estado.JOGADORES[jogador].CARTAS[slot];
    return ROTULO_CARTA(baralho, c.CARTA, c.FORCA);
}

}  // namespace pelmar
