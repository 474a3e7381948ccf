#include "base/Ouvintes.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace pelmar {
namespace {

using Ouvidas = std::vector<std::string>;

TEST(Ouvintes, CadaUmOuveEnquantoSuaAssinaturaVive) {
    Ouvintes<std::string> fonte;
    Ouvidas a, b;
    auto assinaturaA = fonte.assina([&a](const std::string& s) { a.push_back(s); });
    {
        const auto assinaturaB = fonte.assina([&b](const std::string& s) { b.push_back(s); });
        fonte.avisa("1");
        // The first to come leaves first: the other one keeps hearing.
        assinaturaA.cancela();
        fonte.avisa("2");
    }
    fonte.avisa("3");
    EXPECT_EQ(a, (Ouvidas{"1"}));
    EXPECT_EQ(b, (Ouvidas{"1", "2"}));
    EXPECT_TRUE(fonte.vazia());
}

TEST(Ouvintes, QuemSaiOuEntraDuranteOAvisoNaoQuebraALista) {
    Ouvintes<std::string> fonte;
    Ouvidas ouvidas;
    std::optional<Ouvintes<std::string>::Assinatura> segundo;
    std::optional<Ouvintes<std::string>::Assinatura> terceiro;
    const auto primeiro = fonte.assina([&](const std::string& s) {
        ouvidas.push_back("1:" + s);
        segundo.reset();  // leaves before its turn
        if (!terceiro) terceiro = fonte.assina([&](const std::string& t) { ouvidas.push_back("3:" + t); });
    });
    segundo = fonte.assina([&](const std::string& s) { ouvidas.push_back("2:" + s); });
    fonte.avisa("a");
    fonte.avisa("b");
    // The newcomer hears from the next line on; the one that left hears nothing.
    EXPECT_EQ(ouvidas, (Ouvidas{"1:a", "1:b", "3:b"}));
}

TEST(Ouvintes, AAssinaturaSobreviveAFonte) {
    Ouvintes<std::string>::Assinatura assinatura;
    {
        Ouvintes<std::string> fonte;
        assinatura = fonte.assina([](const std::string&) {});
    }
    assinatura.cancela();  // the source is gone: nothing to do, nothing touched
    SUCCEED();
}

}  // namespace
}  // namespace pelmar
