#include "pelmar-torneio/Trabalhador.h"

#include <variant>

#include "comum/NumeroDaOpcao.h"
#include "pelmar-torneio/OpcoesDoTorneio.h"
#include "pelmar-torneio/PartidaAvulsa.h"

namespace pelmar {

namespace {
constexpr const char* OPCAO = "--trabalhador";

std::string textoDosNiveis(const std::vector<int>& niveis) {
    std::string texto;
    for (const int n : niveis) texto += (texto.empty() ? "" : ",") + std::to_string(n);
    return texto;
}
}  // namespace

std::vector<std::string> argumentosDoTrabalhador(const Tarefa& t) {
    return {OPCAO,
            t.pasta.string(),
            textoDosNiveis(t.niveis),
            std::to_string(t.partidas),
            t.modo,
            std::to_string(t.semente),
            std::to_string(t.parte),
            std::to_string(t.de)};
}

bool ehTrabalhador(const std::vector<std::string>& argumentos) {
    return !argumentos.empty() && argumentos.front() == OPCAO;
}

int trabalha(const std::vector<std::string>& a, std::ostream& saida, std::ostream& erro) {
    if (a.size() != 8 || a[0] != OPCAO) {
        erro << "pelmar-torneio: trabalhador com argumentos errados\n";
        return 2;
    }
    Tarefa t;
    t.pasta = a[1];
    const auto niveis = niveisDoTexto(a[2]);
    const auto partidas = numeroEntre(a[3], 1, INT64_MAX);
    const auto semente = inteiroDe<unsigned long long>(a[5]);
    const auto de = numeroEntre(a[7], 1, 100000);
    const auto parte = de ? numeroEntre(a[6], 0, *de - 1) : std::nullopt;
    if (!niveis || !partidas || !semente || !de || !parte) {
        erro << "pelmar-torneio: trabalhador com argumentos errados\n";
        return 2;
    }
    const PastaTrabalho pasta(t.pasta);
    for (const int nivel : *niveis) {
        for (long long i = *parte; i < *partidas; i += *de) {
            const auto r = jogaPartidaAvulsa(pasta, nivel, a[4], *semente, i);
            if (const auto* falha = std::get_if<std::string>(&r)) {
                erro << "pelmar-torneio: nível " << nivel << ", partida " << i << ": " << *falha << "\n";
                return 1;
            }
            // At once, so the progress line moves with every match.
            saida << linhaDoResultado(std::get<ResultadoDaPartida>(r)) << "\n" << std::flush;
        }
    }
    saida << FIM_DO_TRABALHADOR << "\n";
    saida.flush();
    return saida ? 0 : 1;
}

}  // namespace pelmar
