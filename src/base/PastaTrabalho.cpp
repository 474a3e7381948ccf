#include "base/PastaTrabalho.h"

#include <cstdlib>
#include <optional>
#include <string>
#include <system_error>
#include <utility>
#include <vector>

namespace pelmar {

namespace {

char minuscula(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool igualSemCaixa(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (minuscula(a[i]) != minuscula(b[i])) return false;
    }
    return true;
}

std::vector<std::string> partesDoNome(std::string_view nome) {
    std::vector<std::string> partes;
    std::string atual;
    for (char c : nome) {
        if (c == '\\' || c == '/') {
            if (!atual.empty()) partes.push_back(std::move(atual));
            atual.clear();
        } else {
            atual.push_back(c);
        }
    }
    if (!atual.empty()) partes.push_back(std::move(atual));
    return partes;
}

// The entry of the folder that names the part: the exact-case one if present, else the first in
// name order among those equal without case, so the choice does not depend on listing order.
std::string nomeNoDisco(const std::filesystem::path& pasta, const std::string& parte) {
    std::error_code ec;
    // The usual case, an exact-case entry, needs no listing of the folder.
    if (std::filesystem::exists((pasta.empty() ? std::filesystem::path(".") : pasta) / parte, ec)) return parte;
    std::filesystem::directory_iterator it(pasta.empty() ? std::filesystem::path(".") : pasta, ec);
    if (ec) return parte;
    std::optional<std::string> candidato;
    for (; it != std::filesystem::directory_iterator(); it.increment(ec)) {
        if (ec) break;
        std::string nome = it->path().filename().string();
        if (nome == parte) return parte;
        if (igualSemCaixa(nome, parte) && (!candidato || nome < *candidato)) candidato = std::move(nome);
    }
    return candidato.value_or(parte);
}

}  // namespace

PastaTrabalho::PastaTrabalho(std::filesystem::path raiz) : raiz_(std::move(raiz)) {}

const std::filesystem::path& PastaTrabalho::raiz() const { return raiz_; }

std::filesystem::path PastaTrabalho::resolve(std::string_view nomeRelativo) const {
    int subidas = 0;  // ".." above the root
    std::vector<std::string> abaixo;
    auto caminhoAtual = [&] {
        std::filesystem::path p = raiz_;
        for (int i = 0; i < subidas; ++i) p /= "..";
        for (const std::string& s : abaixo) p /= s;
        return p;
    };
    for (const std::string& parte : partesDoNome(nomeRelativo)) {
        if (parte == ".") continue;
        if (parte == "..") {
            if (abaixo.empty()) {
                ++subidas;
            } else {
                abaixo.pop_back();
            }
            continue;
        }
        abaixo.push_back(nomeNoDisco(caminhoAtual(), parte));
    }
    std::filesystem::path resultado = caminhoAtual();
    return subidas > 0 ? resultado.lexically_normal() : resultado;
}

std::filesystem::path pastaPadraoDoJogo() {
    auto variavel = [](const char* nome) -> std::string {
        const char* valor = std::getenv(nome);
        return valor ? valor : "";
    };
    if (const std::string propria = variavel("PELMAR_PASTA"); !propria.empty()) return propria;
    if (const std::string dados = variavel("XDG_DATA_HOME"); !dados.empty())
        return std::filesystem::path(dados) / "pelmar";
    const std::string casa = variavel("HOME");
    return std::filesystem::path(casa.empty() ? "." : casa) / ".local" / "share" / "pelmar";
}

}  // namespace pelmar
