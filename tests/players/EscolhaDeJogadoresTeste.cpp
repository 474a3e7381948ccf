#include "jogo/EscolhaDeJogadores.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "headless/PlataformaHeadless.h"
#include "headless/TelaHeadless.h"
#include "jogo/Jogo.h"
#include "players/FichaDaPersonalidade.h"
#include "players/LinhasDeTeste.h"
#include "players/Personagens.h"
#include "base/Maiusculas.h"
#include "suporte/PastaTemporaria.h"

namespace pelmar::teste {
namespace {

namespace fs = std::filesystem;

// Names the preferences keep whole: 30 characters of the single-byte code page, one folder of JOG.
TEST(NomeDePersonagem, SoPassaONomeQueUmaCadeiraGuarda) {
    struct Caso {
        std::string nome;
        bool aceito;
    };
    const std::string trinta(30, 'x');
    std::string trintaAcentos;
    for (int i = 0; i < 30; ++i) trintaAcentos += "é";
    const Caso casos[] = {
        {"Dona-Cida", true},
        {trinta, true},
        {trinta + "x", false},
        // Characters, not bytes: 30 accented letters are 60 bytes and still fit.
        {trintaAcentos, true},
        {trintaAcentos + "é", false},
        {"Zé do Pé", true},
        {"Жора", false},  // no byte for it in the preferences' code page
        {"", false},
        {".", false},
        {"..", false},
        {"../TXT", false},
        {"a\\b", false},
        {"a/b", false},
        {"tab\there", false},
        {"\xff\xfe", false},  // not UTF-8
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        EXPECT_EQ(!problemaNoNomeDePersonagem(c.nome).has_value(), c.aceito);
    }
}

// A game in a folder of its own, with a table of six rows P1..P6 whose characters C1..C6 are
// folders of JOG.
class EscolhaDeJogadoresTeste : public PastaTemporaria {
protected:
    void SetUp() override {
        PastaTemporaria::SetUp();
        std::string tabela = "ATIVO;CHAVE;PERSONAGEM\r\n";
        for (int i = 1; i <= 6; ++i) {
            const std::string n = std::to_string(i);
            tabela += linhaTabela("P" + n, "C" + n, {{3, std::to_string(10 * i)}, {227, "DESCRICAO-" + n}}) + "\r\n";
            fs::create_directories(pasta / "JOG" / ("C" + n));
        }
        gravaBytes(pasta / "PERSONALIDADES.csv", tabela);
        jogo = std::make_unique<Jogo>(plataforma, tela, PastaTrabalho(pasta));
        ASSERT_FALSE(jogo->personalidades.SORTEIA_PERSONALIDADES().erro);
        escolha = std::make_unique<EscolhaDeJogadores>(*jogo);
    }
    void TearDown() override {
        escolha.reset();
        jogo.reset();
        PastaTemporaria::TearDown();
    }

    const LinhaPersonalidade& da(int assento) const { return jogo->personalidades.PERSONALIDADE_JOGADOR[assento]; }
    Preferencias& prefs() { return jogo->prefs; }

    PlataformaHeadless plataforma{20261210};
    TelaHeadless tela;
    std::unique_ptr<Jogo> jogo;
    std::unique_ptr<EscolhaDeJogadores> escolha;
};

TEST_F(EscolhaDeJogadoresTeste, ChavesNaOrdemDaTabelaEUmaOpcaoPorGrupoDeCadeiras) {
    EXPECT_EQ(escolha->chavesDaTabela(), (std::vector<std::string>{"P1", "P2", "P3", "P4", "P5", "P6"}));
    struct Caso {
        int assento;
        bool Preferencias::*opcao;
    };
    const Caso casos[] = {{1, &Preferencias::VOCE_FIXO},
                          {2, &Preferencias::ADVERSARIOS_FIXOS},
                          {3, &Preferencias::PARCEIRO_FIXO},
                          {4, &Preferencias::ADVERSARIOS_FIXOS}};
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.assento);
        prefs() = Preferencias{};
        escolha->fixa(c.assento, true);
        EXPECT_TRUE(prefs().*c.opcao);
        EXPECT_EQ(prefs().VOCE_FIXO + prefs().PARCEIRO_FIXO + prefs().ADVERSARIOS_FIXOS, 1);
        for (int outro = 1; outro <= 4; ++outro)
            EXPECT_EQ(escolha->fixo(outro), outro == c.assento || (c.assento % 2 == 0 && outro % 2 == 0)) << outro;
        escolha->fixa(c.assento, false);
        EXPECT_FALSE(prefs().*c.opcao);
    }
}

// The partner sat by its character keeps it, and that character's row, through every draw; no
// other seat is given the same row meanwhile.
TEST_F(EscolhaDeJogadoresTeste, PersonagemSentadoFicaNosSorteiosSeguintes) {
    const ResultadoDaEscolha r = escolha->sentaPersonagem(3, "C2");
    ASSERT_FALSE(r.recusa) << *r.recusa;
    EXPECT_TRUE(prefs().PARCEIRO_FIXO);
    EXPECT_EQ(prefs().NOME_JOGADOR[3], "C2");
    EXPECT_EQ(jogo->mesa["NOME_JOG_3"].texto, "C2");
    for (int sorteio = 0; sorteio < 20; ++sorteio) {
        SCOPED_TRACE(sorteio);
        jogo->personalidades.SORTEIA_PERSONALIDADES();
        // No row is keyed "C2": the row whose character it names is the one it plays.
        EXPECT_EQ(da(3).CHAVE, "P2");
        EXPECT_EQ(prefs().PERSONAGEM[3], "C2");
        EXPECT_FALSE(jogo->personalidades.SEM_LINHA_PROPRIA[3]);
        for (int p : {1, 2, 4}) EXPECT_NE(da(p).CHAVE, "P2") << p;
    }
    EXPECT_EQ(escolha->notaDoAssento(3), std::nullopt);

    // "Sorteia Personalidade Jogadores" frees it: some draw gives the partner another row.
    escolha->soltaTodos();
    EXPECT_FALSE(prefs().VOCE_FIXO || prefs().PARCEIRO_FIXO || prefs().ADVERSARIOS_FIXOS);
    bool mudou = da(3).CHAVE != "P2";
    for (int sorteio = 0; sorteio < 20 && !mudou; ++sorteio) {
        jogo->personalidades.SORTEIA_PERSONALIDADES();
        mudou = da(3).CHAVE != "P2";
    }
    EXPECT_TRUE(mudou);
}

// A folder the player added, with no row: its own faces and voice, the default personality, and
// the window has something to say about it. The character it had before is not kept.
TEST_F(EscolhaDeJogadoresTeste, PersonagemSemLinhaJogaComAPersonalidadePadraoESeuRosto) {
    fs::create_directories(pasta / "JOG" / "Meu-Boneco");
    const std::string antes = prefs().PERSONAGEM[3];
    ASSERT_FALSE(escolha->sentaPersonagem(3, "Meu-Boneco").recusa);
    ASSERT_NE(antes, "Meu-Boneco");
    for (int sorteio = 0; sorteio < 5; ++sorteio) {
        SCOPED_TRACE(sorteio);
        EXPECT_EQ(prefs().PERSONAGEM[3], "Meu-Boneco");
        EXPECT_EQ(da(3), personalidadePadrao("MEU-BONECO", "Meu-Boneco"));
        EXPECT_TRUE(jogo->personalidades.SEM_LINHA_PROPRIA[3]);
        jogo->personalidades.SORTEIA_PERSONALIDADES();
    }
    const auto nota = escolha->notaDoAssento(3);
    ASSERT_TRUE(nota);
    EXPECT_NE(nota->find("Meu-Boneco"), std::string::npos) << *nota;
    EXPECT_NE(nota->find("personalidade padrão"), std::string::npos) << *nota;
    for (int p : {1, 2, 4}) EXPECT_EQ(escolha->notaDoAssento(p), std::nullopt) << p;

    // The name as the preferences may hold it, in another case, finds the folder as it is on disk.
    prefs().NOME_JOGADOR[3] = "MEU-BONECO";
    jogo->personalidades.SORTEIA_PERSONALIDADES();
    EXPECT_EQ(prefs().PERSONAGEM[3], "Meu-Boneco");
}

// A fixed seat whose name names neither a row nor a folder (an edited preferences file): the
// default personality, and the face it had, never a folder outside JOG.
TEST_F(EscolhaDeJogadoresTeste, NomeSemLinhaNemPastaGuardaOPersonagemQueTinha) {
    fs::create_directories(pasta / "TXT");
    for (const char* nome : {"SUMIU", "../TXT", ".."}) {
        SCOPED_TRACE(nome);
        const std::string antes = prefs().PERSONAGEM[3];
        prefs().PARCEIRO_FIXO = true;
        prefs().NOME_JOGADOR[3] = nome;
        jogo->personalidades.SORTEIA_PERSONALIDADES();
        EXPECT_EQ(prefs().PERSONAGEM[3], antes);
        EXPECT_TRUE(jogo->personalidades.SEM_LINHA_PROPRIA[3]);
        EXPECT_EQ(da(3), personalidadePadrao(maiusculas(nome), antes));
    }
}

TEST_F(EscolhaDeJogadoresTeste, NomeRecusadoNaoMudaNada) {
    const Preferencias antes = prefs();
    for (const std::string& nome : {std::string(31, 'x'), std::string("../TXT"), std::string("Жора")}) {
        SCOPED_TRACE(nome);
        fs::create_directories(pasta / "JOG" / (nome == "../TXT" ? "x" : nome));
        const ResultadoDaEscolha r = escolha->sentaPersonagem(3, nome);
        ASSERT_TRUE(r.recusa);
        EXPECT_FALSE(prefs().PARCEIRO_FIXO);
        EXPECT_EQ(prefs().NOME_JOGADOR[3], antes.NOME_JOGADOR[3]);
        EXPECT_EQ(prefs().PERSONAGEM[3], antes.PERSONAGEM[3]);
    }
}

// The combo box of a fixed seat: the key is upper-cased and cut to the name's 30 characters.
TEST_F(EscolhaDeJogadoresTeste, NomeEscolhidoNaCaixaViraChaveEmMaiusculas) {
    escolha->fixa(2, true);
    ASSERT_FALSE(escolha->mudaNome(2, "p5").recusa);
    EXPECT_EQ(prefs().NOME_JOGADOR[2], "P5");
    EXPECT_EQ(da(2).CHAVE, "P5");
    std::string longo;
    for (int i = 0; i < 31; ++i) longo += "é";
    ASSERT_FALSE(escolha->mudaNome(4, longo).recusa);
    std::string esperado;
    for (int i = 0; i < 30; ++i) esperado += "É";
    EXPECT_EQ(prefs().NOME_JOGADOR[4], esperado);
    EXPECT_TRUE(escolha->mudaNome(4, "").recusa);
    EXPECT_EQ(prefs().NOME_JOGADOR[4], esperado);
}

// The card of a seat reads as that seat uses the row: the opponents' reserve on true signals,
// false signals only for them, the think time of the row numbered like the seat.
TEST_F(EscolhaDeJogadoresTeste, FichaMostraOsValoresComoACadeiraOsUsa) {
    const auto valor = [](const std::vector<ItemDaFicha>& ficha, const std::string& controle) {
        for (const ItemDaFicha& i : ficha)
            if (i.controle == controle) return i.valor;
        return std::string("(sem " + controle + ")");
    };
    const LinhaPersonalidade& p3 = jogo->personalidades.PERSONALIDADE[3];
    const LinhaPersonalidade& tempo = jogo->personalidades.PERSONALIDADE[2];
    const auto parceiro = fichaDaPersonalidade(p3, 3, jogo->personalidades.PERSONALIDADE[3], false);
    const auto adversario = fichaDaPersonalidade(p3, 2, tempo, true);
    EXPECT_EQ(valor(parceiro, "CHAVE"), "P3");
    EXPECT_EQ(valor(adversario, "CHAVE"), "P3 (personalidade padrão)");
    EXPECT_EQ(valor(parceiro, "DESCRICAO"), "DESCRICAO-3");
    EXPECT_EQ(valor(parceiro, "SINAIS"), "1ª rodada: 1 em 30; 2ª rodada: 1 em 1004; 3ª rodada: 1 em 1005");
    EXPECT_EQ(valor(adversario, "SINAIS"), "1 em 130 em toda rodada");
    EXPECT_EQ(valor(parceiro, "SINAL_FALSO").rfind("nenhum", 0), 0u);
    EXPECT_EQ(valor(adversario, "SINAL_FALSO"), "1 em 1006");
    EXPECT_EQ(valor(adversario, "GESTO"), "1 em 1007");
    EXPECT_EQ(valor(adversario, "TEMPO").rfind(std::to_string(tempo.TEMPO_MINIMO) + " a " +
                                                   std::to_string(tempo.TEMPO_MINIMO + tempo.TEMPO_EXTRA - 1) +
                                                   " ms (da linha P2",
                                               0),
              0u)
        << valor(adversario, "TEMPO");
    EXPECT_EQ(valor(parceiro, "FALA").rfind("1 em 1010", 0), 0u);

    EXPECT_EQ(textoDaChance(0), "sempre");
    EXPECT_EQ(textoDaChance(1), "sempre");
    EXPECT_EQ(textoDaChance(2), "1 em 2");
    EXPECT_EQ(textoDaChance(-3), "nunca");
}

}  // namespace
}  // namespace pelmar::teste
