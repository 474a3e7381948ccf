#include "windows/VerificacoesDaInstalacao.h"

#include <filesystem>
#include <system_error>

namespace pelmar {

QString textoDaInstalacao(const PastaTrabalho& pasta) {
    std::error_code ec;
    const bool existe = std::filesystem::is_regular_file(pasta.resolve("TXT\\FALAS.TXT"), ec);
    return QString::fromUtf8(existe ? MENSAGEM_INSTALACAO_OK : MENSAGEM_FALTAM_ARQUIVOS);
}

void verificaInstalacao(const PastaTrabalho& pasta, const MensagemDeJanela& mensagem, QWidget* pai) {
    mostraMensagem(mensagem, pai, QString(), textoDaInstalacao(pasta));
}

}  // namespace pelmar
