#include "presentation/RostosDoPersonagem.h"

#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QString>

#include <filesystem>
#include <system_error>

#include "presentation/CatalogoImagens.h"
#include "presentation/ImagensDaMesa.h"

namespace pelmar {

RostosLidos leRostosDoPersonagem(const PastaTrabalho& pasta, std::string_view nome) {
    RostosLidos lidos;
    if (!nomeDeCatalogoValido(nome)) {
        lidos.problemas.push_back("\"" + std::string(nome) + "\" não é uma pasta de " + std::string(PASTA_PERSONAGENS));
        return lidos;
    }
    const std::string base = std::string(PASTA_PERSONAGENS) + "\\" + std::string(nome) + "\\";
    for (std::size_t i = 0; i < ROSTOS_DO_PERSONAGEM.size(); ++i) {
        const std::string arquivo = std::string(ROSTOS_DO_PERSONAGEM[i]) + ".BMP";
        const std::filesystem::path caminho = pasta.resolve(base + arquivo);
        std::error_code ec;
        if (!std::filesystem::is_regular_file(caminho, ec)) {
            lidos.problemas.push_back("falta " + arquivo);
            continue;
        }
        QImageReader leitor(QFile::decodeName(QByteArray::fromStdString(caminho.string())));
        leitor.setDecideFormatFromContent(true);
        lidos.imagens[i] = leitor.read();
        if (lidos.imagens[i].isNull()) lidos.problemas.push_back(arquivo + " não pode ser lido");
    }
    return lidos;
}

}  // namespace pelmar
