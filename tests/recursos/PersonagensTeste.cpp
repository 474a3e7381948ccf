#include <gtest/gtest.h>

#include <QImage>
#include <QString>

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "gerador/ListaPersonagens.h"

namespace pelmar::teste {
namespace {

namespace fs = std::filesystem;

// In the order of the seat's image list.
constexpr std::array<const char*, 9> ROSTOS = {"NORMAL.BMP", "GESTO.BMP",  "NADA.BMP",
                                               "DOIS.BMP",   "TRES.BMP",   "OUROS.BMP",
                                               "ESPADA.BMP", "COPAS.BMP",  "PAUS.BMP"};
constexpr int LARGURA = 100;
constexpr int ALTURA = 80;
// A signal must change the picture visibly, not by a stray pixel.
constexpr double MUDANCA_MINIMA_SINAL = 0.01;
constexpr double MUDANCA_MINIMA_PERSONAGEM = 0.15;

fs::path pastaJog() { return fs::path(PELMAR_DADOS) / "JOG"; }

std::string maiusculas(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return s;
}

std::string aparado(const std::string& s) {
    const auto inicio = s.find_first_not_of(" \t\r\n");
    if (inicio == std::string::npos) return {};
    return s.substr(inicio, s.find_last_not_of(" \t\r\n") - inicio + 1);
}

QImage carrega(const fs::path& arquivo) {
    QImage imagem;
    imagem.load(QString::fromStdString(arquivo.string()), "BMP");
    return imagem;
}

double parteDiferente(const QImage& a, const QImage& b) {
    const QImage x = a.convertToFormat(QImage::Format_RGB32);
    const QImage y = b.convertToFormat(QImage::Format_RGB32);
    int diferentes = 0;
    for (int j = 0; j < x.height(); ++j)
        for (int i = 0; i < x.width(); ++i)
            if (x.pixel(i, j) != y.pixel(i, j)) ++diferentes;
    return static_cast<double>(diferentes) / (x.width() * x.height());
}

// The game finds a character's folder whatever the case of its name.
std::optional<fs::path> pastaDoPersonagem(const std::string& nome) {
    if (!fs::is_directory(pastaJog())) return std::nullopt;
    for (const auto& e : fs::directory_iterator(pastaJog()))
        if (e.is_directory() && maiusculas(e.path().filename().string()) == maiusculas(nome)) return e.path();
    return std::nullopt;
}

std::vector<QImage> rostosDe(const char* personagem) {
    std::vector<QImage> rostos;
    for (const char* nome : ROSTOS) {
        const fs::path arquivo = pastaJog() / personagem / nome;
        EXPECT_TRUE(fs::is_regular_file(arquivo)) << arquivo << " is missing";
        QImage imagem = carrega(arquivo);
        EXPECT_FALSE(imagem.isNull()) << arquivo << " does not load as a bitmap";
        EXPECT_EQ(imagem.width(), LARGURA) << arquivo;
        EXPECT_EQ(imagem.height(), ALTURA) << arquivo;
        rostos.push_back(std::move(imagem));
    }
    return rostos;
}

TEST(Personagens, CadaPersonagemTemNoveRostosDoTamanhoDoRetrato) {
    for (const char* personagem : gerador::PERSONAGENS) {
        SCOPED_TRACE(personagem);
        EXPECT_EQ(rostosDe(personagem).size(), ROSTOS.size());
    }
}

TEST(Personagens, OsNoveSinaisDeUmPersonagemSaoImagensDiferentes) {
    for (const char* personagem : gerador::PERSONAGENS) {
        const std::vector<QImage> rostos = rostosDe(personagem);
        for (std::size_t i = 0; i < rostos.size(); ++i)
            for (std::size_t j = i + 1; j < rostos.size(); ++j) {
                if (rostos[i].isNull() || rostos[i].size() != rostos[j].size()) continue;
                EXPECT_GE(parteDiferente(rostos[i], rostos[j]), MUDANCA_MINIMA_SINAL)
                    << personagem << ": " << ROSTOS[i] << " and " << ROSTOS[j] << " look alike";
            }
    }
}

TEST(Personagens, DoisPersonagensNaoTemOMesmoRosto) {
    std::vector<QImage> normais;
    for (const char* personagem : gerador::PERSONAGENS)
        normais.push_back(carrega(pastaJog() / personagem / "NORMAL.BMP"));
    for (std::size_t i = 0; i < normais.size(); ++i)
        for (std::size_t j = i + 1; j < normais.size(); ++j) {
            if (normais[i].isNull() || normais[i].size() != normais[j].size()) continue;
            EXPECT_GE(parteDiferente(normais[i], normais[j]), MUDANCA_MINIMA_PERSONAGEM)
                << gerador::PERSONAGENS[i] << " and " << gerador::PERSONAGENS[j] << " look alike";
        }
}

TEST(Personagens, CadaPersonagemDaTabelaDePersonalidadesTemRosto) {
    const fs::path tabela = fs::path(PELMAR_DADOS) / "PERSONALIDADES.csv";
    std::ifstream in(tabela, std::ios::binary);
    ASSERT_TRUE(in) << tabela << " cannot be read";
    int ativos = 0;
    std::string linha;
    while (std::getline(in, linha)) {
        std::stringstream campos(maiusculas(linha));
        std::string ativo, nome;
        std::getline(campos, ativo, ';');
        std::getline(campos, nome, ';');
        if (aparado(ativo) != "OK") continue;
        ++ativos;
        nome = aparado(nome);
        const auto pasta = pastaDoPersonagem(nome);
        ASSERT_TRUE(pasta.has_value()) << "no folder under " << pastaJog() << " for " << nome << " of " << tabela;
        EXPECT_TRUE(fs::is_regular_file(*pasta / "NORMAL.BMP")) << *pasta << " has no NORMAL.BMP";
    }
    EXPECT_GT(ativos, 0) << tabela << " names no character";
}

}  // namespace
}  // namespace pelmar::teste
