#include "records/GravacaoArquivo.h"

#include <fcntl.h>
#include <unistd.h>

#include <fstream>
#include <system_error>

namespace pelmar {

namespace {

// Overwrites from the start and then cuts to length: emptying a file first would make the file
// system flush it to disk on close, which costs more than the whole write.
bool sobrescreveNoLugar(const std::filesystem::path& arquivo, std::string_view bytes) {
    const int fd = ::open(arquivo.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = true;
    std::size_t escritos = 0;
    while (ok && escritos < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + escritos, bytes.size() - escritos);
        if (n <= 0) ok = false;
        else escritos += static_cast<std::size_t>(n);
    }
    if (ok && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    return ok;
}

}  // namespace

std::optional<std::string> gravaArquivo(const std::filesystem::path& arquivo, std::string_view bytes,
                                        Substituicao substituicao) {
    namespace fs = std::filesystem;
    const std::string prefixo = "Não foi possível gravar o arquivo \"" + arquivo.string() + "\": ";
    std::error_code ec;
    const fs::path pasta = arquivo.has_parent_path() ? arquivo.parent_path() : fs::path(".");
    if (!fs::is_directory(pasta, ec)) return prefixo + "a pasta \"" + pasta.string() + "\" não existe.";
    if (fs::is_directory(arquivo, ec)) return prefixo + "já existe uma pasta com esse nome.";

    if (substituicao == Substituicao::NoLugar) {
        if (sobrescreveNoLugar(arquivo, bytes)) return std::nullopt;
        return prefixo + "erro de escrita.";
    }
    // Written aside first, so that a full disk or a crash never leaves the old file half replaced.
    fs::path temporario = arquivo;
    temporario += ".tmp";
    {
        std::ofstream saida(temporario, std::ios::binary | std::ios::trunc);
        if (!saida) return prefixo + "não foi possível criar \"" + temporario.string() + "\".";
        saida.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        saida.close();
        if (saida.fail()) {
            fs::remove(temporario, ec);
            return prefixo + "erro de escrita.";
        }
    }
    fs::rename(temporario, arquivo, ec);
    if (ec) {
        const std::string motivo = ec.message();
        std::error_code ignorado;
        fs::remove(temporario, ignorado);
        return prefixo + motivo;
    }
    return std::nullopt;
}

}  // namespace pelmar
