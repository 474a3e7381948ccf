#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

namespace pelmar::teste {
namespace {

namespace fs = std::filesystem;

std::map<std::string, std::string> conteudo(const fs::path& raiz) {
    std::map<std::string, std::string> arquivos;
    for (const auto& e : fs::recursive_directory_iterator(raiz)) {
        if (!e.is_regular_file()) continue;
        std::ifstream in(e.path(), std::ios::binary);
        arquivos[fs::relative(e.path(), raiz).generic_string()] =
            std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    return arquivos;
}

TEST(Gerador, DuasExecucoesEscrevemOsMesmosBytes) {
    const fs::path base = fs::temp_directory_path() / ("pelmar-gerador-" + std::to_string(getpid()));
    for (const char* vez : {"a", "b"}) {
        const std::string comando = std::string("\"") + PELMAR_GERADOR + "\" \"" + (base / vez).string() + "\"";
        ASSERT_EQ(std::system(comando.c_str()), 0) << comando;
    }
    const auto a = conteudo(base / "a");
    const auto b = conteudo(base / "b");
    EXPECT_EQ(a.size(), b.size());
    for (const auto& [nome, bytes] : a) {
        const auto outro = b.find(nome);
        ASSERT_NE(outro, b.end()) << nome;
        EXPECT_TRUE(outro->second == bytes) << nome << " differs between runs";
    }
    fs::remove_all(base);
}

}  // namespace
}  // namespace pelmar::teste
