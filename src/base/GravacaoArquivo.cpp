#include "base/GravacaoArquivo.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <string>
#include <system_error>

#include "base/ArquivoTexto.h"

namespace pelmar {

namespace {

bool escreveTudo(int fd, std::string_view bytes) {
    std::size_t escritos = 0;
    while (escritos < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + escritos, bytes.size() - escritos);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        escritos += static_cast<std::size_t>(n);
    }
    return true;
}

// Overwrites from the start and then cuts to length: emptying a file first would make the file
// system flush it to disk on close, which costs more than the whole write.
bool sobrescreveNoLugar(const std::filesystem::path& arquivo, std::string_view bytes) {
    const int fd = ::open(arquivo.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0) return false;
    bool ok = escreveTudo(fd, bytes);
    if (ok && ::ftruncate(fd, static_cast<off_t>(bytes.size())) != 0) ok = false;
    if (::close(fd) != 0) ok = false;
    return ok;
}

std::string prefixoDeErro(const std::filesystem::path& arquivo) {
    return "Não foi possível gravar o arquivo \"" + arquivo.string() + "\": ";
}

std::optional<std::string> pastaImpedeGravacao(const std::filesystem::path& arquivo) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path pasta = arquivo.has_parent_path() ? arquivo.parent_path() : fs::path(".");
    if (!fs::is_directory(pasta, ec)) return prefixoDeErro(arquivo) + "a pasta \"" + pasta.string() + "\" não existe.";
    if (fs::is_directory(arquivo, ec)) return prefixoDeErro(arquivo) + "já existe uma pasta com esse nome.";
    return std::nullopt;
}

}  // namespace

std::optional<std::string> acrescentaLinhas(const std::filesystem::path& arquivo, std::string_view linhas,
                                            std::string_view cabecalhoSeNovo) {
    if (auto impedimento = pastaImpedeGravacao(arquivo)) return impedimento;
    bool novo = false;
    int fd = ::open(arquivo.c_str(), O_RDWR | O_CLOEXEC);
    if (fd < 0 && errno == ENOENT) {
        fd = ::open(arquivo.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        novo = true;
    }
    if (fd < 0) return prefixoDeErro(arquivo) + std::strerror(errno) + ".";

    struct stat info {};
    if (::fstat(fd, &info) != 0) {
        const std::string motivo = std::strerror(errno);
        ::close(fd);
        return prefixoDeErro(arquivo) + motivo + ".";
    }
    const off_t tamanho = info.st_size;
    std::string bytes = novo ? std::string(cabecalhoSeNovo) : std::string();
    // A file an editor saved as UTF-16 gets its new lines in UTF-16 too.
    std::array<unsigned char, 2> marca{}, fim{};
    const bool temMarca = tamanho >= 2 && ::pread(fd, marca.data(), 2, 0) == 2;
    const bool utf16 = temMarca && ((marca[0] == 0xFF && marca[1] == 0xFE) || (marca[0] == 0xFE && marca[1] == 0xFF));
    const bool grande = utf16 && marca[0] == 0xFE;
    const off_t largura = utf16 ? 2 : 1;
    bool terminada = true;
    if (tamanho > (utf16 ? 2 : 0) && ::pread(fd, fim.data(), static_cast<std::size_t>(largura), tamanho - largura) == largura) {
        const unsigned ultimo = !utf16 ? fim[0] : grande ? (fim[0] << 8 | fim[1]) : (fim[1] << 8 | fim[0]);
        terminada = ultimo == '\n' || ultimo == '\r';
    }
    if (!terminada) bytes += "\r\n";
    bytes.append(linhas);
    if (utf16) bytes = utf16DeUtf8(utf8DeWindows1252(bytes), grande);

    bool ok = ::lseek(fd, tamanho, SEEK_SET) == tamanho && escreveTudo(fd, bytes);
    const int erroDaEscrita = ok ? 0 : errno;
    // A torn line would glue onto every later append: take back whatever part got written.
    bool desfeito = ok || ::ftruncate(fd, tamanho) == 0;
    if (::close(fd) != 0 && ok) {
        ok = false;
        desfeito = ::truncate(arquivo.c_str(), tamanho) == 0;
    }
    if (ok) return std::nullopt;
    if (novo) desfeito = ::unlink(arquivo.c_str()) == 0;
    const std::string motivo = erroDaEscrita != 0 ? std::strerror(erroDaEscrita) : "erro de escrita";
    return prefixoDeErro(arquivo) + motivo +
           (desfeito ? "; nada foi acrescentado." : "; a última linha pode ter ficado incompleta.");
}

std::optional<std::string> gravaArquivo(const std::filesystem::path& arquivo, std::string_view bytes,
                                        Substituicao substituicao) {
    namespace fs = std::filesystem;
    const std::string prefixo = prefixoDeErro(arquivo);
    std::error_code ec;
    if (auto impedimento = pastaImpedeGravacao(arquivo)) return impedimento;

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
