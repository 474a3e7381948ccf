#include "pelmar-torneio/PastasDoTorneio.h"

#include <system_error>

namespace pelmar {

namespace fs = std::filesystem;

namespace {
bool soDoRegistro(const fs::path& arquivo) {
    const std::string nome = arquivo.filename().string();
    return nome.rfind("P-HISTORICO", 0) == 0 || nome.rfind("DEBUG", 0) == 0;
}
}  // namespace

std::optional<std::string> copiaArquivosDoJogo(const fs::path& origem, const fs::path& destino) {
    std::error_code ec;
    fs::create_directories(destino, ec);
    if (ec) return "não foi possível criar " + destino.string() + ": " + ec.message();
    for (fs::directory_iterator i(origem, ec), fim; !ec && i != fim; i.increment(ec)) {
        const fs::path& de = i->path();
        if (i->is_regular_file(ec) && !soDoRegistro(de)) {
            fs::copy_file(de, destino / de.filename(), fs::copy_options::overwrite_existing, ec);
        } else if (i->is_directory(ec) && de.filename() == "TXT") {
            for (fs::recursive_directory_iterator j(de, ec), fimJ; !ec && j != fimJ; j.increment(ec)) {
                const fs::path para = destino / "TXT" / fs::relative(j->path(), de, ec);
                if (ec) break;
                if (j->is_directory(ec)) fs::create_directories(para, ec);
                else if (j->is_regular_file(ec) && !soDoRegistro(j->path()))
                    fs::copy_file(j->path(), para, fs::copy_options::overwrite_existing, ec);
            }
        }
        if (ec) return "não foi possível copiar " + de.string() + " para " + destino.string() + ": " + ec.message();
    }
    if (ec) return "não foi possível ler " + origem.string() + ": " + ec.message();
    return std::nullopt;
}

}  // namespace pelmar
