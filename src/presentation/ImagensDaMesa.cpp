#include "presentation/ImagensDaMesa.h"

#include <QByteArray>
#include <QFile>
#include <QImageReader>
#include <QString>

#include <filesystem>
#include <stdexcept>
#include <system_error>
#include <utility>

#include "presentation/CatalogoImagens.h"

namespace pelmar {

namespace {

QString nomeParaQt(const std::filesystem::path& arquivo) {
    return QFile::decodeName(QByteArray::fromStdString(arquivo.string()));
}

bool existeArquivo(const std::filesystem::path& arquivo) {
    std::error_code ec;
    return std::filesystem::is_regular_file(arquivo, ec);
}

std::string mensagemSemArquivo(const std::filesystem::path& arquivo) {
    return "Não foi possível abrir o arquivo \"" + arquivo.string() + "\"";
}

int indiceDoAssento(int assento) {
    if (assento < 1 || assento > 4) throw std::out_of_range("assento fora de 1..4: " + std::to_string(assento));
    return assento - 1;
}

}  // namespace

QImage cantosTransparentes(const QImage& carta) {
    QImage img = carta.convertToFormat(QImage::Format_ARGB32);
    const int w = img.width();
    const int h = img.height();
    if (w == 0 || h == 0) return img;
    auto doFundo = [&](int x, int y) { return img.pixel(x, y) == COR_FORA_DA_CARTA; };
    std::vector<std::pair<int, int>> pendentes;
    for (const auto& [x, y] : {std::pair{0, 0}, std::pair{w - 1, 0}, std::pair{0, h - 1}, std::pair{w - 1, h - 1}}) {
        pendentes.emplace_back(x, y);
    }
    // An explicit stack: a card-sized region would overflow a recursive fill.
    while (!pendentes.empty()) {
        const auto [x, y] = pendentes.back();
        pendentes.pop_back();
        if (x < 0 || y < 0 || x >= w || y >= h || !doFundo(x, y)) continue;
        img.setPixel(x, y, qRgba(0, 0, 0, 0));
        pendentes.emplace_back(x + 1, y);
        pendentes.emplace_back(x - 1, y);
        pendentes.emplace_back(x, y + 1);
        pendentes.emplace_back(x, y - 1);
    }
    return img;
}

ImagensDaMesa::ImagensDaMesa(PastaTrabalho pasta, Aviso aviso) : pasta_(std::move(pasta)), aviso_(std::move(aviso)) {}

bool ImagensDaMesa::nomeAceito(std::string_view nome, std::string_view catalogo) const {
    if (nomeDeCatalogoValido(nome)) return true;
    aviso_("Nome inválido: \"" + std::string(nome) + "\" não é um item da pasta " + std::string(catalogo));
    return false;
}

bool ImagensDaMesa::leImagem(const std::filesystem::path& arquivo, QImage& destino) const {
    QImageReader leitor(nomeParaQt(arquivo));
    leitor.setDecideFormatFromContent(true);
    QImage img = leitor.read();
    if (img.isNull()) {
        aviso_("Não foi possível ler a imagem \"" + arquivo.string() + "\": " + leitor.errorString().toStdString());
        return false;
    }
    destino = std::move(img);
    return true;
}

bool ImagensDaMesa::leDoCatalogo(std::string_view catalogo, std::string_view nome, std::string_view ausente,
                                 QImage& destino) {
    if (!nomeAceito(nome, catalogo)) return false;
    const auto arquivo = pasta_.resolve(std::string(catalogo) + "\\" + std::string(nome) + ".BMP");
    if (!existeArquivo(arquivo)) {
        aviso_(std::string(ausente));
        return false;
    }
    return leImagem(arquivo, destino);
}

bool ImagensDaMesa::carregaMarcasDaVez() {
    std::array<QImage, MARCAS_DA_VEZ + 1> novo;
    for (int i = 1; i <= MARCAS_DA_VEZ; ++i) {
        const auto arquivo = pasta_.resolve(std::string(PASTA_VEZ) + "\\JOGUE_" + std::to_string(i) + ".PNG");
        if (!existeArquivo(arquivo)) {
            aviso_(std::string(MENSAGEM_VEZ_AUSENTE) + ": " + arquivo.string());
            return false;
        }
        if (!leImagem(arquivo, novo[static_cast<std::size_t>(i)])) return false;
    }
    marcasDaVez_ = std::move(novo);
    return true;
}

const QImage& ImagensDaMesa::marcaDaVez(int indice) const {
    if (indice < 1 || indice > MARCAS_DA_VEZ) return marcasDaVez_[0];
    return marcasDaVez_[static_cast<std::size_t>(indice)];
}

bool ImagensDaMesa::carregaMesa(std::string_view nome) {
    return leDoCatalogo(PASTA_MESAS, nome, MENSAGEM_MESA_AUSENTE, mesa_);
}

bool ImagensDaMesa::carregaVerso(std::string_view nome) {
    QImage novo;
    if (!leDoCatalogo(PASTA_VERSOS, nome, MENSAGEM_VERSO_AUSENTE, novo)) return false;
    verso_ = cantosTransparentes(novo);
    return true;
}

bool ImagensDaMesa::carregaBaralho(std::string_view nome) {
    if (!nomeAceito(nome, PASTA_BARALHOS)) return false;
    const std::string base = std::string(PASTA_BARALHOS) + "\\" + std::string(nome) + "\\";
    std::array<QImage, 40> novo;
    for (std::size_t naipe = 0; naipe < LETRAS_DO_BARALHO.size(); ++naipe) {
        for (int n = 1; n <= 10; ++n) {
            const auto arquivo =
                pasta_.resolve(base + std::to_string(n) + "-" + LETRAS_DO_BARALHO[naipe] + ".BMP");
            if (!existeArquivo(arquivo)) {
                aviso_(mensagemSemArquivo(arquivo));
                return false;
            }
            QImage carta;
            if (!leImagem(arquivo, carta)) return false;
            novo[naipe * 10 + static_cast<std::size_t>(n - 1)] = cantosTransparentes(carta);
        }
    }
    baralho_ = std::move(novo);
    return true;
}

bool ImagensDaMesa::carregaPersonagem(int assento, std::string_view nome) {
    const int indice = indiceDoAssento(assento);
    if (!nomeAceito(nome, PASTA_PERSONAGENS)) return false;
    const std::string base = std::string(PASTA_PERSONAGENS) + "\\" + std::string(nome) + "\\";
    if (!existeArquivo(pasta_.resolve(base + "NORMAL.BMP"))) {
        aviso_(std::string(MENSAGEM_PERSONAGEM_AUSENTE));
        return false;
    }
    std::vector<QImage> novos;
    novos.reserve(ROSTOS_DO_PERSONAGEM.size());
    for (std::string_view rosto : ROSTOS_DO_PERSONAGEM) {
        const auto arquivo = pasta_.resolve(base + std::string(rosto) + ".BMP");
        if (!existeArquivo(arquivo)) {
            aviso_(mensagemSemArquivo(arquivo));
            return false;
        }
        QImage img;
        if (!leImagem(arquivo, img)) return false;
        novos.push_back(std::move(img));
    }
    rostos_[static_cast<std::size_t>(indice)] = std::move(novos);
    return true;
}

const QImage& ImagensDaMesa::carta(int entrada) const {
    if (entrada < 1 || entrada > 40) throw std::out_of_range("carta fora de 1..40: " + std::to_string(entrada));
    return baralho_[static_cast<std::size_t>(entrada - 1)];
}

const std::vector<QImage>& ImagensDaMesa::rostos(int assento) const {
    return rostos_[static_cast<std::size_t>(indiceDoAssento(assento))];
}

}  // namespace pelmar
