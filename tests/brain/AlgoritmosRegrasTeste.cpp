#include <gtest/gtest.h>

#include <random>

#include "brain/AlgoritmosRegras.h"
#include "brain/TabelaAleatoria.h"
#include "suporte/ReferenciaLiteral.h"

namespace pelmar::teste {
namespace {

constexpr int TABELAS = 3000;

int tamanhoAleatorio(std::mt19937& g) {
    // Mostly small, some empty or single, some past a progress line.
    switch (g() % 10) {
        case 0: return 0;
        case 1: return 1;
        case 2: return 100 + static_cast<int>(g() % 120);
        default: return 2 + static_cast<int>(g() % 40);
    }
}

std::vector<Regra> semPrimeira(const std::vector<Regra>& t) { return {t.begin() + 1, t.end()}; }

TEST(AlgoritmosRegras, DobraDeRepetidosExatosIgualAComparacaoDeTodosOsPares) {
    std::mt19937 g(11);
    for (int caso = 0; caso < TABELAS; ++caso) {
        auto rapida = tabelaAleatoria(g, tamanhoAleatorio(g));
        auto literal = deUm(rapida);
        const auto gravadas = referencia::limpaRepetidos(literal);
        const auto restam = dobraRepetidosExatos(rapida.data(), static_cast<int>(rapida.size()));
        ASSERT_EQ(rapida, semPrimeira(literal)) << "caso " << caso;
        std::vector<Regra> escritas;
        for (int i : restam) escritas.push_back(rapida[static_cast<std::size_t>(i)]);
        ASSERT_EQ(escritas, gravadas) << "caso " << caso;
    }
}

TEST(AlgoritmosRegras, OrdemDoArquivoIgualAsTrocasComPesosIguais) {
    std::mt19937 g(12);
    for (int caso = 0; caso < TABELAS; ++caso) {
        const auto tabela = tabelaAleatoria(g, tamanhoAleatorio(g));
        auto literal = deUm(tabela);
        const auto gravadas = referencia::ordenaRegras(literal);
        const auto ordem = ordemDoArquivoPorPeso(tabela.data(), static_cast<int>(tabela.size()));
        std::vector<Regra> rapida;
        for (int i : ordem) rapida.push_back(tabela[static_cast<std::size_t>(i)]);
        ASSERT_EQ(rapida, gravadas) << "caso " << caso;
        ASSERT_EQ(rapida, semPrimeira(literal)) << "caso " << caso;
    }
}

TEST(AlgoritmosRegras, RepetidosSemEncobrirIguaisATodosOsPares) {
    std::mt19937 g(13);
    for (int caso = 0; caso < TABELAS; ++caso) {
        auto rapida = tabelaAleatoria(g, tamanhoAleatorio(g));
        auto literal = deUm(rapida);
        std::vector<std::string> textoLiteral, textoRapido;
        referencia::achaRepetidos(literal, textoLiteral);
        achaRepetidos(rapida.data(), static_cast<int>(rapida.size()), textoRapido);
        ASSERT_EQ(rapida, semPrimeira(literal)) << "caso " << caso;
        ASSERT_EQ(textoRapido, textoLiteral) << "caso " << caso;
    }
}

TEST(AlgoritmosRegras, RegraParaTrucarIgualATodosOsPares) {
    std::mt19937 g(14);
    for (int caso = 0; caso < TABELAS; ++caso) {
        auto rapida = tabelaAleatoria(g, tamanhoAleatorio(g));
        auto literal = deUm(rapida);
        std::vector<std::string> textoLiteral, textoRapido;
        referencia::achaRegraTrucar(literal, textoLiteral);
        achaRegraTrucar(rapida.data(), static_cast<int>(rapida.size()), textoRapido);
        ASSERT_EQ(rapida, semPrimeira(literal)) << "caso " << caso;
        ASSERT_EQ(textoRapido, textoLiteral) << "caso " << caso;
    }
}

TEST(AlgoritmosRegras, OrdenacaoDoCerebroIgualAsTrocasEstritas) {
    std::mt19937 g(15);
    for (int caso = 0; caso < TABELAS; ++caso) {
        auto rapida = tabelaAleatoria(g, tamanhoAleatorio(g));
        // Few distinct weights make long runs of ties, which is where the exchanges reorder.
        if (caso % 3 == 0)
            for (Regra& r : rapida) r.QTE = static_cast<std::int32_t>(g() % 4);
        auto literal = deUm(rapida);
        std::vector<std::string> textoLiteral, textoRapido;
        const int nLiteral = referencia::ordenaCerebro(literal, textoLiteral);
        const int nRapido = ordenaCerebro(rapida.data(), static_cast<int>(rapida.size()), textoRapido);
        ASSERT_EQ(nRapido, nLiteral) << "caso " << caso;
        ASSERT_EQ(rapida, semPrimeira(literal)) << "caso " << caso;
        ASSERT_EQ(textoRapido, textoLiteral) << "caso " << caso;
    }
}

TEST(AlgoritmosRegras, OrdenacoesDeUmaTabelaComMilharesDeRegras) {
    // Past the progress lines of every thousand, with runs ascending and descending.
    std::mt19937 g(16);
    auto rapida = tabelaAleatoria(g, 2500);
    for (std::size_t i = 0; i < rapida.size(); ++i)
        rapida[i].QTE = static_cast<std::int32_t>(i < 1200 ? i % 37 : (2500 - i) % 5);
    auto literal = deUm(rapida);
    std::vector<std::string> textoLiteral, textoRapido;
    const int nLiteral = referencia::ordenaCerebro(literal, textoLiteral);
    EXPECT_EQ(ordenaCerebro(rapida.data(), static_cast<int>(rapida.size()), textoRapido), nLiteral);
    EXPECT_EQ(rapida, semPrimeira(literal));
    EXPECT_EQ(textoRapido, textoLiteral);
    EXPECT_EQ(textoRapido.size(), 2u);
}

}  // namespace
}  // namespace pelmar::teste
