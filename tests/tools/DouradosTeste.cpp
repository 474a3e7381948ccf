#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "base/ArquivoTexto.h"
#include "pelmar-simula/ComandoSimula.h"
#include "suporte/PastaTemporaria.h"

namespace pelmar::teste {
namespace {

// A short seeded run of pelmar-simula whose history log is kept, byte for byte, in
// tests/dourados under the name `arquivo`. Any change in how the computer deals, decides or
// scores shows up there as a changed line; scripts/regenera-dourados.sh rewrites the files
// when such a change is meant.
struct Execucao {
    std::string arquivo;
    std::vector<std::string> argumentos;
};

void PrintTo(const Execucao& e, std::ostream* saida) { *saida << e.arquivo; }

const std::filesystem::path DOURADOS = PELMAR_DOURADOS;

// One run a line: the file's name, then the options. The script reads the same list.
std::vector<Execucao> execucoes() {
    std::vector<Execucao> lista;
    std::ifstream entrada(DOURADOS / "execucoes.txt");
    std::string linha;
    while (std::getline(entrada, linha)) {
        std::istringstream campos(linha);
        Execucao e;
        if (!(campos >> e.arquivo) || e.arquivo.starts_with('#')) continue;
        for (std::string a; campos >> a;) e.argumentos.push_back(a);
        lista.push_back(e);
    }
    return lista;
}

std::vector<std::string> separaLinhas(const std::string& bytes) {
    std::vector<std::string> linhas;
    std::istringstream entrada(bytes);
    for (std::string l; std::getline(entrada, l);) {
        if (!l.empty() && l.back() == '\r') l.pop_back();
        linhas.push_back(l);
    }
    return linhas;
}

class DouradosTeste : public PastaTemporaria, public ::testing::WithParamInterface<Execucao> {};

TEST_P(DouradosTeste, HistoricoIgualAoGuardado) {
    const Execucao& e = GetParam();
    const std::string esperado = leBytes(DOURADOS / e.arquivo);
    ASSERT_FALSE(esperado.empty()) << (DOURADOS / e.arquivo) << " is missing: run scripts/regenera-dourados.sh";

    std::vector<std::string> argumentos = {"--pasta", (pasta / "jogo").string()};
    argumentos.insert(argumentos.end(), e.argumentos.begin(), e.argumentos.end());
    std::ostringstream saida, erro;
    ASSERT_EQ(comandoSimula(argumentos, PELMAR_DADOS, saida, erro), 0) << erro.str();
    const std::string obtido = leBytes(pasta / "jogo" / "P-HISTORICO_NEW.TXT");
    if (obtido == esperado) return;

    const auto guardadas = separaLinhas(esperado);
    const auto obtidas = separaLinhas(obtido);
    std::size_t n = 0;
    while (n < guardadas.size() && n < obtidas.size() && guardadas[n] == obtidas[n]) ++n;
    const auto linha = [](const std::vector<std::string>& l, std::size_t i) {
        return i < l.size() ? utf8DeWindows1252(l[i]) : std::string("(end of file)");
    };
    if (n == guardadas.size() && n == obtidas.size()) {
        FAIL() << e.arquivo << " has the same lines, but not the same line ends.";
    }
    FAIL() << e.arquivo << " differs from line " << n + 1 << " (" << guardadas.size() << " lines kept, "
           << obtidas.size() << " now)\n  kept: " << linha(guardadas, n) << "\n  now:  " << linha(obtidas, n)
           << "\nWhen the change is meant, run scripts/regenera-dourados.sh and read the diff in the commit.";
}

INSTANTIATE_TEST_SUITE_P(Modos, DouradosTeste, ::testing::ValuesIn(execucoes()),
                         [](const ::testing::TestParamInfo<Execucao>& execucao) {
                             std::string nome;
                             for (char c : execucao.param.arquivo.substr(0, execucao.param.arquivo.find('.')))
                                 if (std::isalnum(static_cast<unsigned char>(c))) nome += c;
                             return nome;
                         });

}  // namespace
}  // namespace pelmar::teste
