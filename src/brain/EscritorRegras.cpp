#include "brain/EscritorRegras.h"

#include <system_error>

#include "brain/FormatoRegra.h"

namespace pelmar {

std::string mensagemDeEscrita(const std::filesystem::path& arquivo) {
    return "Não foi possível gravar o arquivo de regras " + arquivo.string();
}

std::string mensagemDeLeitura(const std::filesystem::path& arquivo) {
    return "Não foi possível ler o arquivo de regras " + arquivo.string();
}

EscritorRegras::EscritorRegras(const std::filesystem::path& arquivo, Modo modo) : caminho_(arquivo) {
    std::error_code ec;
    const bool existe = std::filesystem::exists(arquivo, ec);
    const bool novo = modo == Modo::Substitui || !existe;
    arquivo_ = std::fopen(arquivo.c_str(), novo ? "wb" : "ab");
    if (!arquivo_) {
        falhou_ = true;
        erro_ = mensagemDeEscrita(arquivo);
        return;
    }
    if (novo && modo == Modo::Acrescenta) {
        linha(TITULO_CEREBRO);
        linha(TRACOS_CEREBRO);
    }
}

EscritorRegras::~EscritorRegras() {
    if (arquivo_) std::fclose(arquivo_);
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
    if (arquivo_) {
        if (std::fclose(arquivo_) != 0 && !falhou_) {
            falhou_ = true;
            erro_ = mensagemDeEscrita(caminho_);
        }
        arquivo_ = nullptr;
    }
    return !falhou_;
}

}  // namespace pelmar
