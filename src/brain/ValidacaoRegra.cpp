#include "brain/ValidacaoRegra.h"

#include <algorithm>

namespace pelmar {

std::string cartasImpossiveis(const Regra& r) {
    const Campo cartas[] = {CARTA_1R, CARTA_2R, CARTA_3R, CARTA_P1, CARTA_P2,
                            CARTA_P3, CARTA_J1, CARTA_J2, CARTA_J3};
    auto conta = [&](char letra) {
        return std::count_if(std::begin(cartas), std::end(cartas), [&](Campo c) { return r.letra(c) == letra; });
    };
    struct Limite {
        char letra;
        long maximo;
        const char* mensagem;
    };
    static constexpr Limite limites[] = {
        {'Z', 1, "ERRO: Mais de um ZAP!!"},         {'C', 1, "ERRO: Mais de um 7 COPAS!!"},
        {'E', 1, "ERRO: Mais de um Espadilha!!"},   {'O', 1, "ERRO: Mais de um 7 Ouros!!"},
        {'3', 4, "ERRO: Qte de 3 exedida!!"},       {'2', 4, "ERRO: Qte de 2 exedida!!"},
        {'A', 4, "ERRO: Qte de AS exedida!!"}};
    std::string mensagem;
    for (const Limite& l : limites)
        if (conta(l.letra) > l.maximo) mensagem = l.mensagem;
    return mensagem;
}

std::vector<std::string> motivosDeRegraErrada(const Regra& r) {
    const int rodada = r[NR_RODADA];
    const int posicao = r[POSICAO_RODADA];
    const int acao = r[ACAO];
    auto vazia = [&](Campo c) { return r.letra(c) == '?'; };
    const bool inicio = posicao == 1 || posicao == 2;
    const bool fim = posicao == 3 || posicao == 4;
    const bool depoisDoPrimeiro = posicao >= 2 && posicao <= 4;

    std::vector<std::string> motivos;
    if (rodada == 2 && acao > 2) motivos.emplace_back("Rodada 2: ");
    if (rodada == 3 && acao > 1) motivos.emplace_back("Rodada 3: ");
    if (rodada == 1 && inicio && (vazia(CARTA_P3) || vazia(CARTA_J3))) motivos.emplace_back("RODADA 1:1,2 ");
    if (rodada == 1 && fim && vazia(CARTA_J3)) motivos.emplace_back("RODADA 1:3,4 ");
    if (rodada == 2 && inicio && (vazia(CARTA_P2) || vazia(CARTA_J2))) motivos.emplace_back("RODADA 2:1,2 ");
    if (rodada == 2 && fim && vazia(CARTA_J2)) motivos.emplace_back("RODADA 2:3,4 ");
    if (rodada == 2 && depoisDoPrimeiro && vazia(R2)) motivos.emplace_back("RESULTADO 2: 2,3,4 ");
    if (rodada == 3 && depoisDoPrimeiro && vazia(R3)) motivos.emplace_back("RESULTADO 3: 2,3,4 ");
    return motivos;
}

}  // namespace pelmar
