#include "base/InstalacaoDados.h"

#include <cstdlib>
#include <system_error>

namespace pelmar {

void NotasDaPasta::acrescenta(const NotasDaPasta& outras) {
    notas.insert(notas.end(), outras.notas.begin(), outras.notas.end());
    falhouGravar = falhouGravar || outras.falhouGravar;
}

NotasDaPasta instalaDadosQueFaltam(const std::filesystem::path& dados, const PastaTrabalho& pasta) {
    namespace fs = std::filesystem;
    NotasDaPasta resultado;
    std::error_code ec;
    if (!fs::is_directory(dados, ec)) {
        resultado.notas.push_back("pasta de dados do jogo não encontrada: " + dados.string());
        return resultado;
    }
    for (auto it = fs::recursive_directory_iterator(dados, ec); !ec && it != fs::recursive_directory_iterator();
         it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const fs::path relativo = fs::relative(it->path(), dados, ec);
        if (ec) continue;
        const fs::path destino = pasta.resolve(relativo.generic_string());
        if (fs::exists(destino, ec)) continue;
        fs::create_directories(destino.parent_path(), ec);
        fs::copy_file(it->path(), destino, ec);
        if (ec) {
            resultado.notas.push_back("não foi possível instalar " + destino.string() + ": " + ec.message());
            resultado.falhouGravar = true;
        }
        ec.clear();
    }
    if (ec) resultado.notas.push_back("não foi possível ler a pasta de dados " + dados.string() + ": " + ec.message());
    return resultado;
}

std::filesystem::path pastaDosDadosDoJogo(const std::filesystem::path& daCompilacao) {
    if (const char* env = std::getenv("PELMAR_DADOS"); env && *env) return env;
    std::error_code ec;
    const auto programa = std::filesystem::canonical("/proc/self/exe", ec);
    if (!ec) {
        const auto instalada = programa.parent_path().parent_path() / "share" / "pelmar";
        if (std::filesystem::is_directory(instalada / "TXT", ec)) return instalada;
    }
    return daCompilacao;
}

}  // namespace pelmar
