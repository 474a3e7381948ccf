#include "players/FichaDaPersonalidade.h"

#include <algorithm>

#include "engine/Sinais.h"
#include "players/LinhaPersonalidade.h"

namespace pelmar {

std::string textoDaChance(int chance) {
    if (chance == 0 || chance == 1) return "sempre";
    if (chance < 0) return "nunca";
    return "1 em " + std::to_string(chance);
}

std::vector<ItemDaFicha> fichaDaPersonalidade(const LinhaPersonalidade& linha, int assento,
                                              const LinhaPersonalidade& linhaDoTempo, bool padrao) {
    const bool adversario = assento == 2 || assento == 4;
    std::vector<ItemDaFicha> ficha;
    ficha.push_back({"CHAVE", "Personalidade", linha.CHAVE + (padrao ? " (personalidade padrão)" : "")});
    ficha.push_back({"PERSONAGEM", "Personagem", linha.PERSONAGEM});
    ficha.push_back({"DESCRICAO", "Descrição", linha.TEXTO_FINAL.empty() ? "(sem descrição)" : linha.TEXTO_FINAL});
    std::string verdadeiros;
    if (adversario) {
        verdadeiros = textoDaChance(linha.CHANCE_SINAL[1] + Sinais::RESERVA_DOS_ADVERSARIOS) + " em toda rodada";
    } else {
        for (int r = 1; r <= 3; ++r)
            verdadeiros += (r > 1 ? "; " : "") + std::to_string(r) + "ª rodada: " + textoDaChance(linha.CHANCE_SINAL[r]);
    }
    ficha.push_back({"SINAIS", "Sinais verdadeiros", verdadeiros});
    ficha.push_back({"SINAL_FALSO", "Sinais falsos",
                     adversario ? textoDaChance(linha.CHANCE_SINAL_FALSO) : "nenhum (só os adversários blefam)"});
    ficha.push_back({"GESTO", "Gestos sem valor", textoDaChance(linha.CHANCE_GESTO)});
    const int minimo = std::max(linhaDoTempo.TEMPO_MINIMO, 0);
    const int maximo = minimo + std::max(linhaDoTempo.TEMPO_EXTRA - 1, 0);
    ficha.push_back({"TEMPO", "Tempo para pensar",
                     std::to_string(minimo) + " a " + std::to_string(maximo) + " ms (da linha " +
                         linhaDoTempo.CHAVE + ", como todo jogador " + std::to_string(assento) + ")"});
    ficha.push_back({"FALA", "Falas no balão", textoDaChance(linha.CHANCE_FALA) + " a cada meio segundo"});
    return ficha;
}

}  // namespace pelmar
