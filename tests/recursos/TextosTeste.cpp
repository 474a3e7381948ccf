#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "base/ArquivoTexto.h"

// The table talk, the truco verses and the jokes, as the game will read them.
namespace pelmar::teste {
namespace {

namespace fs = std::filesystem;

const fs::path PASTA_TXT = fs::path(PELMAR_DADOS) / "TXT";
// Line n of a talk or verse file is never drawn, so it closes the file instead of holding text.
const std::string FECHO = "#FIM";

struct Arquivo {
    const char* nome;
    std::size_t minimoLinhas;
    std::size_t maximoCaracteres;
};

// A balloon stays up one 500 ms tick per three characters: short lines vanish before they are
// read, long ones overflow the balloon.
constexpr std::size_t MINIMO_FALA = 9;
const std::vector<Arquivo> FALAS_E_VERSOS = {
    {"FALAS.TXT", 80, 60},     {"TRUCO-3.TXT", 20, 90},  {"TRUCO-6.TXT", 20, 90},
    {"TRUCO-9.TXT", 20, 90},   {"TRUCO-12.TXT", 20, 90},
};
constexpr int QTE_PIADAS = 100;
// The jokes window is 414 pixels wide.
constexpr std::size_t LARGURA_PIADA = 48;

std::string bytes(const fs::path& arquivo) {
    std::ifstream in(arquivo, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

fs::path piada(int n) { return PASTA_TXT / "PIADAS" / ("ARQ_" + std::to_string(n) + ".TXT"); }

std::vector<fs::path> todosOsArquivos() {
    std::vector<fs::path> arquivos;
    for (const auto& a : FALAS_E_VERSOS) arquivos.push_back(PASTA_TXT / a.nome);
    for (int n = 0; n < QTE_PIADAS; ++n) arquivos.push_back(piada(n));
    return arquivos;
}

bool temAcento(const std::string& texto) {
    for (char c : texto) {
        if (static_cast<unsigned char>(c) >= 0x80) return true;
    }
    return false;
}

// The random-line draw: r from 0 to n - 1, line r, nothing for r = 0.
std::string linhaSorteada(const std::vector<std::string>& linhas, std::size_t r) {
    return r == 0 ? std::string() : linhas[r - 1];
}

TEST(Textos, ArquivosExistemEmUtf8ComFimDeLinhaWindows) {
    for (const auto& arquivo : todosOsArquivos()) {
        SCOPED_TRACE(arquivo.string());
        ASSERT_TRUE(fs::is_regular_file(arquivo));
        const std::string b = bytes(arquivo);
        ASSERT_FALSE(b.empty());
        EXPECT_TRUE(ehUtf8Valido(b));
        EXPECT_FALSE(b.starts_with("\xEF\xBB\xBF")) << "byte order mark";
        EXPECT_TRUE(b.ends_with("\r\n")) << "the last line has no line end";
        for (std::size_t i = 0; i < b.size(); ++i) {
            if (b[i] == '\n') {
                EXPECT_TRUE(i > 0 && b[i - 1] == '\r') << "bare LF at byte " << i;
            } else if (b[i] == '\r') {
                EXPECT_TRUE(i + 1 < b.size() && b[i + 1] == '\n') << "bare CR at byte " << i;
            } else if (b[i] == '\t') {
                ADD_FAILURE() << "tab at byte " << i;
            }
        }
    }
}

TEST(Textos, TudoCabeNoWindows1252) {
    // Edited and saved in the old code page, every character must come back unchanged.
    for (const auto& arquivo : todosOsArquivos()) {
        const auto linhas = leLinhasTexto(arquivo);
        ASSERT_TRUE(linhas) << arquivo;
        for (const auto& linha : *linhas) {
            EXPECT_EQ(utf8DeWindows1252(windows1252DeUtf8(linha)), linha) << arquivo << ": " << linha;
        }
    }
}

TEST(Textos, AcentosSobrevivemAoLeitorNasDuasCodificacoes) {
    const fs::path temp = fs::temp_directory_path() / ("pelmar-textos-" + std::to_string(getpid()));
    fs::create_directories(temp);
    std::size_t arquivosComAcento = 0;
    for (const auto& arquivo : todosOsArquivos()) {
        SCOPED_TRACE(arquivo.string());
        // What the reader returns is exactly what is on disk, split at CR LF.
        std::vector<std::string> esperadas;
        const std::string b = bytes(arquivo);
        for (std::size_t inicio = 0; inicio < b.size();) {
            const std::size_t fim = b.find("\r\n", inicio);
            ASSERT_NE(fim, std::string::npos);
            esperadas.push_back(b.substr(inicio, fim - inicio));
            inicio = fim + 2;
        }
        const auto utf8 = leLinhasTexto(arquivo);
        ASSERT_TRUE(utf8);
        EXPECT_EQ(*utf8, esperadas);

        // The same text saved as Windows-1252 reads back the same.
        const fs::path copia = temp / arquivo.filename();
        ASSERT_FALSE(gravaLinhasTexto(copia, *utf8));
        const std::string b1252 = bytes(copia);
        const auto ansi = leLinhasTexto(copia);
        ASSERT_TRUE(ansi);
        EXPECT_EQ(*ansi, *utf8);
        if (temAcento(b)) {
            ++arquivosComAcento;
            EXPECT_FALSE(ehUtf8Valido(b1252)) << "the Windows-1252 copy should not pass for UTF-8";
        }
    }
    fs::remove_all(temp);
    // Portuguese without a single accent in a whole file is a sign of a lossy conversion.
    EXPECT_GE(arquivosComAcento, todosOsArquivos().size() * 3 / 4);

    const auto falas = leLinhasTexto(PASTA_TXT / "FALAS.TXT");
    ASSERT_TRUE(falas);
    std::string tudo;
    for (const auto& l : *falas) tudo += l + "\n";
    for (const char* palavra : {"mão", "você", "é", "ç", "ó", "ô"}) {
        EXPECT_NE(tudo.find(palavra), std::string::npos) << palavra;
    }
}

TEST(Textos, FalasEVersosSoSorteiamTexto) {
    for (const auto& a : FALAS_E_VERSOS) {
        SCOPED_TRACE(a.nome);
        const auto linhas = leLinhasTexto(PASTA_TXT / a.nome);
        ASSERT_TRUE(linhas);
        ASSERT_FALSE(linhas->empty());
        EXPECT_EQ(linhas->back(), FECHO);
        const std::size_t n = linhas->size();
        EXPECT_GE(n - 1, a.minimoLinhas);

        std::set<std::string> vistas;
        for (std::size_t r = 1; r < n; ++r) {
            const std::string linha = linhaSorteada(*linhas, r);
            SCOPED_TRACE("line " + std::to_string(r) + ": " + linha);
            EXPECT_FALSE(linha.empty());
            EXPECT_NE(linha, FECHO);
            EXPECT_FALSE(linha.starts_with("#")) << "only the closing line is a marker";
            EXPECT_EQ(linha.find_first_not_of(' '), 0u) << "leading blank";
            EXPECT_NE(linha.back(), ' ') << "trailing blank";
            const std::size_t caracteres = comprimentoUtf8(linha);
            EXPECT_LE(caracteres, a.maximoCaracteres);
            EXPECT_GE(caracteres, MINIMO_FALA);
            EXPECT_TRUE(vistas.insert(linha).second) << "repeated line";
        }
    }
}

TEST(Textos, CemPiadasQueCabemNaJanela) {
    std::set<std::string> vistas;
    for (int n = 0; n < QTE_PIADAS; ++n) {
        SCOPED_TRACE(piada(n).string());
        const auto linhas = leLinhasTexto(piada(n));
        ASSERT_TRUE(linhas);
        ASSERT_FALSE(linhas->empty());
        // A joke needs a setup and an ending; the window shows about a dozen lines at once.
        EXPECT_GE(linhas->size(), 2u);
        EXPECT_LE(linhas->size(), 12u);
        EXPECT_FALSE(linhas->front().empty());
        EXPECT_FALSE(linhas->back().empty());
        std::string texto;
        for (const auto& linha : *linhas) {
            EXPECT_LE(comprimentoUtf8(linha), LARGURA_PIADA) << linha;
            EXPECT_FALSE(linha.ends_with(" ")) << "trailing blank: " << linha;
            texto += linha + "\n";
        }
        EXPECT_TRUE(vistas.insert(texto).second) << "the same joke in two files";
    }
    // The draw is 0..99: any other file in the folder is never told.
    std::size_t arquivos = 0;
    for (const auto& e : fs::directory_iterator(PASTA_TXT / "PIADAS")) {
        if (e.is_regular_file()) ++arquivos;
    }
    EXPECT_EQ(arquivos, static_cast<std::size_t>(QTE_PIADAS));
}

}  // namespace
}  // namespace pelmar::teste
