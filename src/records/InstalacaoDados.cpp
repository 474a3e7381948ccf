#include "records/InstalacaoDados.h"

#include <system_error>

namespace pelmar {

std::vector<std::string> instalaDadosQueFaltam(const std::filesystem::path& dados, const PastaTrabalho& pasta) {
    namespace fs = std::filesystem;
    std::vector<std::string> notas;
    std::error_code ec;
    if (!fs::is_directory(dados, ec)) {
        notas.push_back("pasta de dados do jogo não encontrada: " + dados.string());
        return notas;
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
        if (ec) notas.push_back("não foi possível instalar " + destino.string() + ": " + ec.message());
        ec.clear();
    }
    if (ec) notas.push_back("não foi possível ler a pasta de dados " + dados.string() + ": " + ec.message());
    return notas;
}

}  // namespace pelmar
