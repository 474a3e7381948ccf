#include "pelmar-torneio/OpcoesDoTorneio.h"

#include <algorithm>

#include "comum/JogoSozinho.h"
#include "comum/NumeroDaOpcao.h"

namespace pelmar {

namespace {
constexpr long long MAXIMO_DE_PARTIDAS = 10000000;
constexpr int MAXIMO_DE_TRABALHOS = 256;
}  // namespace

std::optional<std::vector<int>> niveisDoTexto(const std::string& texto) {
    std::vector<int> niveis;
    const auto ponto = texto.find("..");
    if (ponto != std::string::npos) {
        const auto de = numeroEntre(texto.substr(0, ponto), 0, 10);
        const auto ate = numeroEntre(texto.substr(ponto + 2), 0, 10);
        if (!de || !ate || *de > *ate) return std::nullopt;
        for (long long n = *de; n <= *ate; ++n) niveis.push_back(static_cast<int>(n));
        return niveis;
    }
    std::size_t inicio = 0;
    while (true) {
        const auto virgula = texto.find(',', inicio);
        const auto nivel = numeroEntre(texto.substr(inicio, virgula - inicio), 0, 10);
        if (!nivel || std::find(niveis.begin(), niveis.end(), *nivel) != niveis.end()) return std::nullopt;
        niveis.push_back(static_cast<int>(*nivel));
        if (virgula == std::string::npos) return niveis;
        inicio = virgula + 1;
    }
}

std::variant<OpcoesDoTorneio, std::string> leOpcoesDoTorneio(const std::vector<std::string>& args) {
    OpcoesDoTorneio o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") {
            o.ajuda = true;
            return o;
        }
        if (a != "--pasta" && a != "--niveis" && a != "--partidas" && a != "--modo" && a != "--semente" &&
            a != "--trabalhos" && a != "--saida")
            return "opção desconhecida: " + a;
        if (i + 1 >= args.size()) return a + " precisa de um valor";
        const std::string& v = args[++i];
        if (a == "--pasta" || a == "--saida") {
            if (v.empty()) return a + " precisa de uma pasta";
            (a == "--pasta" ? o.pasta : o.saida) = v;
        } else if (a == "--niveis") {
            const auto niveis = niveisDoTexto(v);
            if (!niveis) return "--niveis é um intervalo como 0..10 ou uma lista como 2,5,8 (níveis de 0 a 10, sem repetir)";
            o.niveis = *niveis;
        } else if (a == "--partidas") {
            const auto n = numeroEntre(v, 1, MAXIMO_DE_PARTIDAS);
            if (!n) return "--partidas precisa de um número de 1 a " + std::to_string(MAXIMO_DE_PARTIDAS);
            o.partidas = *n;
        } else if (a == "--modo") {
            if (!modoDeBaralhoValido(v)) return "--modo é paulista, limpo ou tradicional";
            o.modo = v;
        } else if (a == "--semente") {
            const auto n = numeroEntre(v, 0, INT64_MAX);
            if (!n) return "--semente precisa de um número natural";
            o.semente = static_cast<unsigned long long>(*n);
        } else {
            const auto n = numeroEntre(v, 1, MAXIMO_DE_TRABALHOS);
            if (!n) return "--trabalhos precisa de um número de 1 a " + std::to_string(MAXIMO_DE_TRABALHOS);
            o.trabalhos = static_cast<int>(*n);
        }
    }
    return o;
}

}  // namespace pelmar
