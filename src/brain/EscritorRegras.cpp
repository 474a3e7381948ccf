#include "brain/EscritorRegras.h"

#include <unistd.h>

#include <system_error>

#include "brain/FormatoRegra.h"

namespace pelmar {

std::string mensagemDeEscrita(const std::filesystem::path& arquivo) {
    return "Não foi possível gravar o arquivo de regras " + arquivo.string();
}

std::string mensagemDeLeitura(const std::filesystem::path& arquivo) {
    return "Não foi possível ler o arquivo de regras " + arquivo.string();
}

std::string linhaDeRegra(const Regra& regra) { return TEXTO_REGRA(regra) + "\r\n"; }

std::string cabecalhoDeRegras() { return std::string(TITULO_CEREBRO) + "\r\n" + TRACOS_CEREBRO + "\r\n"; }

EscritorRegras::EscritorRegras(const std::filesystem::path& arquivo) : caminho_(arquivo), provisorio_(arquivo) {
    provisorio_ += ".tmp";
    std::error_code ec;
    if (!std::filesystem::is_directory(arquivo, ec)) arquivo_ = std::fopen(provisorio_.c_str(), "wb");
    if (!arquivo_) {
        falhou_ = true;
        erro_ = mensagemDeEscrita(arquivo);
    }
}

EscritorRegras::~EscritorRegras() { descarta(); }

void EscritorRegras::descarta() {
    if (!arquivo_) return;
    std::fclose(arquivo_);
    arquivo_ = nullptr;
    std::error_code ec;
    std::filesystem::remove(provisorio_, ec);
}

void EscritorRegras::linha(std::string_view texto) {
    if (!arquivo_ || falhou_) return;
    if (std::fwrite(texto.data(), 1, texto.size(), arquivo_) != texto.size() || std::fputs("\r\n", arquivo_) < 0) {
        falhou_ = true;
        erro_ = mensagemDeEscrita(caminho_);
    }
}

void EscritorRegras::regra(const Regra& r) { linha(TEXTO_REGRA(r)); }

bool EscritorRegras::fecha() {
    if (!arquivo_) return !falhou_;
    // On disk before the rename, so that even a power cut leaves one whole file or the other.
    const bool gravado = !falhou_ && std::fflush(arquivo_) == 0 && ::fsync(::fileno(arquivo_)) == 0;
    const bool fechado = std::fclose(arquivo_) == 0;
    arquivo_ = nullptr;
    std::error_code ec;
    if (gravado && fechado) std::filesystem::rename(provisorio_, caminho_, ec);
    if (gravado && fechado && !ec) return true;
    std::error_code ignorado;
    std::filesystem::remove(provisorio_, ignorado);
    falhou_ = true;
    erro_ = mensagemDeEscrita(caminho_) + (ec ? ": " + ec.message() : std::string());
    return false;
}

}  // namespace pelmar
