#include "records/HistoricoEmArquivo.h"

#include "base/ArquivoTexto.h"
#include "engine/Historico.h"

namespace pelmar {

HistoricoEmArquivo::~HistoricoEmArquivo() {
    if (arquivo_) std::fclose(arquivo_);
}

std::optional<std::string> HistoricoEmArquivo::abre(const PastaTrabalho& pasta) {
    if (auto erro = guardaHistoricoAnterior(pasta)) return erro;
    const auto caminho = pasta.resolve("P-HISTORICO_NEW.TXT");
    nome_ = caminho.string();
    arquivo_ = std::fopen(caminho.c_str(), "wb");
    if (!arquivo_) return "Não foi possível gravar " + nome_;
    return std::nullopt;
}

void HistoricoEmArquivo::escreve(const std::string& linhaUtf8) {
    if (!arquivo_ || falhou_) return;
    const std::string bytes = windows1252DeUtf8(linhaUtf8) + "\r\n";
    if (std::fwrite(bytes.data(), 1, bytes.size(), arquivo_) != bytes.size()) falhou_ = true;
}

std::optional<std::string> HistoricoEmArquivo::fecha() {
    if (arquivo_ && std::fclose(arquivo_) != 0) falhou_ = true;
    arquivo_ = nullptr;
    if (falhou_) return "Não foi possível gravar " + nome_;
    return std::nullopt;
}

}  // namespace pelmar
