#include <gtest/gtest.h>

#include <random>

#include "base/ArquivoTexto.h"
#include "base/LeitorDeLinhas.h"
#include "brain/AberturaDaPasta.h"
#include "brain/CerebroDeTeste.h"
#include "brain/JuncaoPendente.h"
#include "brain/ReparoDoAprendizado.h"
#include "brain/TabelaAleatoria.h"
#include "suporte/DiscoCheio.h"
#include "suporte/ReferenciaLiteral.h"

namespace pelmar::teste {
namespace {

using namespace std::string_literals;

const char* const VISTA = "=,  2,1,  1,*, B,3, ?,?, ?,?,  2,A,?,  Z,M,?,  1,-,-,   1";
const char* const OUTRA = "=,  3,4,  1,*, B,3, M,Z, B,2,  ?,?,?,  P,?,?,  1,-,-,   1";
const char* const NOVA = "=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1";

class JuncaoTeste : public CerebroDeTeste {
protected:
    std::string cabecalho() const { return std::string(TITULO_CEREBRO) + "\r\n" + TRACOS_CEREBRO + "\r\n"; }
    // The rules of a brain file, with their weights, in file order.
    std::vector<Regra> regrasDe(const std::string& nome) const {
        std::vector<Regra> regras;
        for (const std::string& l : linhasDeTexto(leBytes(pasta / nome))) {
            const LinhaRegra lida = analisaLinhaRegra(l);
            if (lida.tipo == LinhaRegra::Tipo::Regra) regras.push_back(lida.regra);
        }
        return regras;
    }
    std::int64_t pesoTotal(const std::string& nome) const {
        std::int64_t total = 0;
        for (const Regra& r : regrasDe(nome)) total += r.QTE;
        return total;
    }
    NotasDaPasta abrePasta() { return abrePastaDoJogo({}, jogo->pasta); }
};

// 38 learned plays, as an editor may have saved them: every form must join to the same rules.
TEST_F(JuncaoTeste, AprendizadoEmQualquerFimDeLinhaOuUtf16EJuntadoInteiro) {
    std::vector<std::string> linhas = {TITULO_CEREBRO, TRACOS_CEREBRO};
    for (int i = 0; i < 38; ++i) linhas.push_back(i % 2 ? VISTA : i % 3 ? NOVA : OUTRA);
    auto junta = [&](const std::string& fim) {
        std::string texto;
        for (const std::string& l : linhas) texto += l + fim;
        return texto;
    };
    auto utf16 = [](const std::string& texto, bool grande) {
        return std::string(grande ? "\xFE\xFF" : "\xFF\xFE") + utf16DeUtf8(texto, grande);
    };
    const struct {
        const char* forma;
        std::string bytes;
    } formas[] = {
        {"CR LF", junta("\r\n")},
        {"LF", junta("\n")},
        {"so CR", junta("\r")},
        {"UTF-16 LE com marca", utf16(junta("\r\n"), false)},
        {"UTF-16 BE com marca e so CR", utf16(junta("\r"), true)},
    };
    for (const auto& f : formas) {
        TearDown();
        SetUp();
        gravaBytes(pasta / "P-LEARN.TXT", f.bytes);
        ASSERT_TRUE(ia().aprendizado.COMPILA_CEREBRO()) << f.forma;
        EXPECT_EQ(regrasDe("P-NEURON.TXT"), (std::vector<Regra>{comPeso(VISTA, 19), comPeso(NOVA, 12), comPeso(OUTRA, 7)}))
            << f.forma;
        EXPECT_EQ(leBytes(pasta / "P-LEARN.TXT"), cabecalho()) << f.forma;
    }
}

TEST_F(JuncaoTeste, ArquivoQueNaoETextoERecusadoENuncaEsvaziado) {
    // UTF-16 without its byte order mark: every other byte is a NUL.
    const std::string semMarca = utf16DeUtf8(cabecalho() + VISTA + "\r\n" + NOVA + "\r\n", false);
    gravaBytes(pasta / "P-LEARN.TXT", semMarca);
    escreveCerebro("P-NEURON.TXT", {comPeso(OUTRA, 4)});
    const std::string neuron = leBytes(pasta / "P-NEURON.TXT");
    EXPECT_FALSE(ia().aprendizado.COMPILA_CEREBRO());
    EXPECT_EQ(leBytes(pasta / "P-LEARN.TXT"), semMarca);
    EXPECT_EQ(leBytes(pasta / "P-NEURON.TXT"), neuron);
    ASSERT_EQ(tela.erros.size(), 1u);
    EXPECT_NE(tela.erros[0].find("mal formadas"), std::string::npos) << tela.erros[0];
}

// The learned rules reach P-NEURON.TXT, then P-LEARN.TXT cannot be reset: the join says so, and
// finishing it later counts each play once, keeping what was learned meanwhile.
TEST_F(JuncaoTeste, AprendizadoQueNaoPodeSerEsvaziadoETerminadoDepoisSemContarDuasVezes) {
    for (const bool pelaAbertura : {false, true}) {
        TearDown();
        SetUp();
        escreveCerebro("P-NEURON.TXT", {comPeso(VISTA, 10)});
        escreveCerebro("P-LEARN.TXT", std::vector<Regra>(5, regra(VISTA)));
        std::filesystem::create_directories(pasta / "P-LEARN.TXT.tmp");  // the reset's safe write fails
        EXPECT_FALSE(ia().aprendizado.COMPILA_CEREBRO());
        ASSERT_EQ(tela.erros.size(), 1u);
        EXPECT_NE(tela.erros[0].find("P-NEURON.TXT já tem as regras aprendidas, mas P-LEARN.TXT não pôde ser esvaziado"),
                  std::string::npos)
            << tela.erros[0];
        EXPECT_EQ(regrasDe("P-NEURON.TXT"), std::vector<Regra>{comPeso(VISTA, 15)});
        EXPECT_EQ(regrasDe("P-LEARN.TXT").size(), 5u);

        // A join asked for while the obstacle is still there is refused and changes nothing.
        EXPECT_FALSE(ia().aprendizado.COMPILA_CEREBRO());
        EXPECT_EQ(regrasDe("P-NEURON.TXT"), std::vector<Regra>{comPeso(VISTA, 15)});

        std::filesystem::remove(pasta / "P-LEARN.TXT.tmp");
        ASSERT_TRUE(ia().arquivos.GRAVA_REGRA(regra(NOVA), "P-LEARN.TXT"));  // learned meanwhile
        if (pelaAbertura) {
            EXPECT_FALSE(abrePasta().falhouGravar);
            EXPECT_EQ(regrasDe("P-LEARN.TXT"), std::vector<Regra>{regra(NOVA)});
        }
        ASSERT_TRUE(ia().aprendizado.COMPILA_CEREBRO());
        EXPECT_EQ(regrasDe("P-NEURON.TXT"), (std::vector<Regra>{comPeso(VISTA, 15), regra(NOVA)}))
            << "pela abertura: " << pelaAbertura;
        EXPECT_EQ(leBytes(pasta / "P-LEARN.TXT"), cabecalho());
        EXPECT_FALSE(std::filesystem::exists(pasta / MARCA_DA_JUNCAO));
    }
}

// A crash can stop a join at any step; at the next start the pair is the old state or the new.
TEST_F(JuncaoTeste, JuncaoInterrompidaFicaNoEstadoAntigoOuNoNovo) {
    escreveCerebro("P-NEURON.TXT", {comPeso(VISTA, 10)});
    escreveCerebro("P-LEARN.TXT", std::vector<Regra>(3, regra(VISTA)));
    const std::string neuron = leBytes(pasta / "P-NEURON.TXT");
    const std::string learn = leBytes(pasta / "P-LEARN.TXT");
    const std::string neuronNovo = cabecalho() + TEXTO_REGRA(comPeso(VISTA, 13)) + "\r\n";
    auto restaura = [&] {
        gravaBytes(pasta / "P-NEURON.TXT", neuron);
        gravaBytes(pasta / "P-LEARN.TXT", learn);
    };

    // Stopped before the mark: the new file alone is thrown away.
    gravaBytes(pasta / NEURON_NOVO, neuronNovo);
    abrePasta();
    EXPECT_FALSE(std::filesystem::exists(pasta / NEURON_NOVO));
    EXPECT_EQ(leBytes(pasta / "P-NEURON.TXT"), neuron);
    EXPECT_EQ(leBytes(pasta / "P-LEARN.TXT"), learn);

    // Stopped after the mark, before the new file took the old one's place: undone.
    gravaBytes(pasta / NEURON_NOVO, neuronNovo);
    ASSERT_EQ(marcaJuncao(jogo->pasta, learn.size(), resumoFnv(learn)), std::nullopt);
    const NotasDaPasta desfeita = abrePasta();
    ASSERT_EQ(desfeita.notas.size(), 1u);
    EXPECT_NE(desfeita.notas[0].find("desfeita"), std::string::npos);
    EXPECT_EQ(leBytes(pasta / "P-NEURON.TXT"), neuron);
    EXPECT_EQ(leBytes(pasta / "P-LEARN.TXT"), learn);
    EXPECT_FALSE(std::filesystem::exists(pasta / MARCA_DA_JUNCAO));

    // Stopped after the new file took its place: finished.
    gravaBytes(pasta / "P-NEURON.TXT", neuronNovo);
    ASSERT_EQ(marcaJuncao(jogo->pasta, learn.size(), resumoFnv(learn)), std::nullopt);
    EXPECT_FALSE(abrePasta().falhouGravar);
    EXPECT_EQ(leBytes(pasta / "P-LEARN.TXT"), cabecalho());
    EXPECT_FALSE(std::filesystem::exists(pasta / MARCA_DA_JUNCAO));
    ASSERT_TRUE(ia().aprendizado.COMPILA_CEREBRO());
    EXPECT_EQ(pesoTotal("P-NEURON.TXT"), 13);

    // The learning log was edited by hand meanwhile: it is left alone, and the note says so.
    restaura();
    gravaBytes(pasta / "P-NEURON.TXT", neuronNovo);
    ASSERT_EQ(marcaJuncao(jogo->pasta, learn.size(), resumoFnv(learn)), std::nullopt);
    const std::string editado = cabecalho() + NOVA + "\r\n";
    gravaBytes(pasta / "P-LEARN.TXT", editado);
    const NotasDaPasta alterada = abrePasta();
    ASSERT_EQ(alterada.notas.size(), 1u);
    EXPECT_NE(alterada.notas[0].find("P-LEARN.TXT mudou"), std::string::npos);
    EXPECT_EQ(leBytes(pasta / "P-LEARN.TXT"), editado);
}

TEST_F(JuncaoTeste, LinhaRasgadaNoFimDoAprendizadoESeparadaOuCompletada) {
    const std::string boas = cabecalho() + VISTA + "\r\n";
    const struct {
        const char* caso;
        std::string fim;
        std::string aprendizado;
        std::string separada;
    } casos[] = {
        {"regra cortada no meio", "=,  1,1,  1,S, ?,?", boas, "=,  1,1,  1,S, ?,?\r\n"},
        {"regra inteira sem fim de linha", NOVA, boas + NOVA + "\r\n", ""},
        {"comentario sem fim de linha", "#, nota", boas + "#, nota\r\n", ""},
    };
    for (const auto& c : casos) {
        TearDown();
        SetUp();
        gravaBytes(pasta / "P-LEARN.TXT", boas + c.fim);
        const NotasDaPasta notas = abrePasta();
        EXPECT_FALSE(notas.falhouGravar) << c.caso;
        EXPECT_EQ(notas.notas.size(), 1u) << c.caso;
        EXPECT_EQ(leBytes(pasta / "P-LEARN.TXT"), c.aprendizado) << c.caso;
        const bool separou = !c.separada.empty();
        ASSERT_EQ(std::filesystem::exists(pasta / LINHAS_INCOMPLETAS), separou) << c.caso;
        if (separou) {
            EXPECT_NE(leBytes(pasta / LINHAS_INCOMPLETAS).find(c.separada), std::string::npos) << c.caso;
        }
        // Nothing to repair a second time, and learning goes on in whole lines.
        EXPECT_TRUE(abrePasta().notas.empty()) << c.caso;
        ASSERT_TRUE(ia().arquivos.GRAVA_REGRA(regra(OUTRA), "P-LEARN.TXT"));
        EXPECT_TRUE(ia().aprendizado.COMPILA_CEREBRO()) << c.caso;
    }
}

TEST_F(JuncaoTeste, DiscoCheioAoAprenderNaoRasgaOAprendizado) {
    escreveCerebro("P-LEARN.TXT", {regra(VISTA)});
    const std::string antes = leBytes(pasta / "P-LEARN.TXT");
    {
        DiscoCheio disco(antes.size() + 10);
        EXPECT_FALSE(ia().arquivos.GRAVA_REGRA(regra(NOVA), "P-LEARN.TXT"));
    }
    EXPECT_EQ(leBytes(pasta / "P-LEARN.TXT"), antes);
    ASSERT_EQ(tela.erros.size(), 1u);
    EXPECT_NE(tela.erros[0].find("P-LEARN.TXT"), std::string::npos);
}

// The learning log is mostly repeats: it may be far longer than the table, as long as the
// distinct rules fit. Weights still stop at the cap.
TEST_F(JuncaoTeste, AprendizadoMaiorQueATabelaCabeQuandoAsRegrasDistintasCabem) {
    escreveCerebro("P-NEURON.TXT", {comPeso(VISTA, 10)});
    std::vector<Regra> muitas(LIMITE_LEITURA + 100, regra(VISTA));
    muitas.push_back(regra(NOVA));
    escreveCerebro("P-LEARN.TXT", muitas);
    ASSERT_TRUE(ia().aprendizado.COMPILA_CEREBRO());
    EXPECT_EQ(regrasDe("P-NEURON.TXT"), (std::vector<Regra>{comPeso(VISTA, PESO_MAXIMO), regra(NOVA)}));
    EXPECT_EQ(leBytes(pasta / "P-LEARN.TXT"), cabecalho());
}

// Rules made distinct by their letters: `n` different ones.
std::vector<Regra> distintas(int n) {
    static constexpr char LETRAS[] = "ZCEO32AMP?";
    std::vector<Regra> regras;
    Regra base = analisaLinhaRegra(VISTA).regra;
    for (int i = 0; i < n; ++i) {
        Regra r = base;
        int resto = i;
        for (int campo = CARTA_P1; campo <= CARTA_J3; ++campo, resto /= 10)
            r.campos[static_cast<std::size_t>(campo)] = static_cast<std::uint8_t>(LETRAS[resto % 10]);
        regras.push_back(r);
    }
    return regras;
}

TEST_F(JuncaoTeste, RegrasDistintasQueNaoCabemSaoRecusadasComOsDoisArquivosIntactos) {
    std::vector<Regra> neuron = distintas(LIMITE_LEITURA);
    escreveCerebro("P-NEURON.TXT", neuron);
    escreveCerebro("P-LEARN.TXT", {neuron[5], neuron[7], regra(NOVA)});
    const std::string antesNeuron = leBytes(pasta / "P-NEURON.TXT");
    const std::string antesLearn = leBytes(pasta / "P-LEARN.TXT");
    EXPECT_FALSE(ia().aprendizado.COMPILA_CEREBRO());
    ASSERT_EQ(tela.erros.size(), 1u);
    EXPECT_NE(tela.erros[0].find("mais de 299999 regras diferentes"), std::string::npos) << tela.erros[0];
    EXPECT_EQ(leBytes(pasta / "P-NEURON.TXT"), antesNeuron);
    EXPECT_EQ(leBytes(pasta / "P-LEARN.TXT"), antesLearn);
}

// Folding while reading must give what folding every pair and sorting by exchanges gives.
TEST_F(JuncaoTeste, JuncaoIgualAosPassosLiterais) {
    std::mt19937 g(31);
    for (int caso = 0; caso < 40; ++caso) {
        TearDown();
        SetUp();
        const auto neuron = tabelaAleatoria(g, static_cast<int>(g() % 40));
        const auto learn = tabelaAleatoria(g, static_cast<int>(g() % 60));
        escreveCerebro("P-NEURON.TXT", neuron);
        escreveCerebro("P-LEARN.TXT", learn);
        std::vector<Regra> todas = neuron;
        todas.insert(todas.end(), learn.begin(), learn.end());
        auto literal = deUm(todas);
        auto escritas = deUm(referencia::limpaRepetidos(literal));
        const auto esperadas = referencia::ordenaRegras(escritas);
        ASSERT_TRUE(ia().aprendizado.COMPILA_CEREBRO()) << "caso " << caso;
        ASSERT_EQ(regrasDe("P-NEURON.TXT"), esperadas) << "caso " << caso;
    }
}

}  // namespace
}  // namespace pelmar::teste
