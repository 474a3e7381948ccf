#include "pelmar-torneio/PlanilhaDaEscada.h"

#include <cstdio>

#include "pelmar-torneio/TextoDeNumero.h"

namespace pelmar {

std::string planilhaDaEscada(const std::string& modo, unsigned long long semente,
                             const std::vector<ResumoDoNivel>& niveis) {
    std::string texto =
        "modo,semente,nivel,partidas,vitorias_computador,vitorias_usuario,taxa_computador,wilson95_inferior,"
        "wilson95_superior,bois_computador,bois_usuario,maos,pontos_computador,pontos_usuario,pontos_por_mao\n";
    for (const ResumoDoNivel& n : niveis) {
        texto += modo + "," + std::to_string(semente) + "," + std::to_string(n.nivel) + "," +
                 std::to_string(n.partidas) + "," + std::to_string(n.vitoriasCom) + "," +
                 std::to_string(n.vitoriasJog) + "," + decimais(n.taxaCom, 4) + "," +
                 decimais(n.intervalo.inferior, 4) + "," + decimais(n.intervalo.superior, 4) + "," +
                 std::to_string(n.bois.computador) + "," + std::to_string(n.bois.usuario) + "," +
                 std::to_string(n.maos) + "," + std::to_string(n.pontosCom) + "," + std::to_string(n.pontosJog) +
                 "," + decimais(n.pontosPorMao, 3) + "\n";
    }
    return texto;
}

std::string tabelaDaEscada(const std::vector<ResumoDoNivel>& niveis) {
    std::string texto =
        "nível  partidas  comp/usuário   vitória comp.  IC 95% (Wilson)   bois comp/usu   pontos/mão   mãos/s\n";
    for (const ResumoDoNivel& n : niveis) {
        char linha[200];
        std::snprintf(linha, sizeof linha, "%5d  %8lld  %6lld/%-6lld %13s%%  %6s%% – %6s%%  %7lld/%-7lld %10s  %7.0f\n",
                      n.nivel, n.partidas, n.vitoriasCom, n.vitoriasJog, decimais(100 * n.taxaCom, 1).c_str(),
                      decimais(100 * n.intervalo.inferior, 1).c_str(), decimais(100 * n.intervalo.superior, 1).c_str(),
                      n.bois.computador, n.bois.usuario, decimais(n.pontosPorMao, 2).c_str(), n.maosPorSegundo);
        texto += linha;
    }
    return texto;
}

}  // namespace pelmar
