#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "brain/CerebroDeTeste.h"
#include "brain/EditorRegras.h"

namespace pelmar::teste {
namespace {

class EditorRegrasTeste : public CerebroDeTeste {
protected:
    EditorRegras& editor() { return ia().edicao; }
    ModeloEditor& m() { return ia().editor; }

    // Puts the letters on the nine pictures, in the order 1R 2R 3R P1 P2 P3 J1 J2 J3.
    void poeCartas(std::string_view letras) {
        for (int f = 0; f < QTE_FIGURAS; ++f) {
            const char* achada = std::strchr(LETRAS_DOS_CODIGOS, letras[static_cast<std::size_t>(f)]);
            m().CODIGO_CARTA[static_cast<std::size_t>(f)] = static_cast<int>(achada - LETRAS_DOS_CODIGOS);
        }
    }
    std::string cartas() const {
        std::string letras;
        for (int f = 0; f < QTE_FIGURAS; ++f) letras += jogo->ia.editor.letraDaFigura(f);
        return letras;
    }
    // A table of `n` copies of one rule, numbered by their weights 1..n.
    void tabelaDe(int n) {
        cerebro().defineQuantidade(0);
        for (int i = 1; i <= n; ++i) cerebro().acrescenta(comPeso("=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1", i));
    }
    std::vector<std::string> mensagens() {
        auto lidas = std::move(tela.mensagens);
        tela.mensagens.clear();
        return lidas;
    }
};

const char* const TRES_CARTAS = "=,  1,2,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   7";

TEST_F(EditorRegrasTeste, OLayoutSegueARodadaEAPosicaoEOQueSeEscondeViraInterrogacao) {
    const struct {
        int rodada, posicao;
        const char* grupos;    // result groups 1..3 shown
        const char* parceiro;  // partner pictures 1..3 shown
        const char* proprias;  // own pictures and card choices 1..3 shown
        const char* linha;
    } casos[] = {
        {1, 1, "000", "111", "111", "=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   0"},
        {1, 2, "100", "111", "111", "=,  1,2,  1,S, B,2, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   0"},
        {1, 3, "100", "110", "111", "=,  1,3,  1,S, B,2, ?,?, ?,?,  3,M,?,  Z,A,P,  1,-,-,   0"},
        {1, 4, "100", "110", "111", "=,  1,4,  1,S, B,2, ?,?, ?,?,  3,M,?,  Z,A,P,  1,-,-,   0"},
        {2, 1, "100", "110", "110", "=,  2,1,  1,S, B,2, ?,?, ?,?,  3,M,?,  Z,A,?,  1,-,-,   0"},
        {2, 2, "110", "110", "110", "=,  2,2,  1,S, B,2, M,A, ?,?,  3,M,?,  Z,A,?,  1,-,-,   0"},
        {2, 3, "110", "100", "110", "=,  2,3,  1,S, B,2, M,A, ?,?,  3,?,?,  Z,A,?,  1,-,-,   0"},
        {3, 1, "110", "100", "100", "=,  3,1,  1,S, B,2, M,A, ?,?,  3,?,?,  Z,?,?,  1,-,-,   0"},
        {3, 2, "111", "100", "100", "=,  3,2,  1,S, B,2, M,A, E,M,  3,?,?,  Z,?,?,  1,-,-,   0"},
        {3, 3, "111", "000", "100", "=,  3,3,  1,S, B,2, M,A, E,M,  ?,?,?,  Z,?,?,  1,-,-,   0"},
        {3, 4, "111", "000", "100", "=,  3,4,  1,S, B,2, M,A, E,M,  ?,?,?,  Z,?,?,  1,-,-,   0"},
    };
    poeCartas("2AM3MPZAP");
    m().resultado = {'B', 'M', 'E'};
    const auto mostrados = [](const std::array<bool, 3>& v) {
        return std::string{v[0] ? '1' : '0', v[1] ? '1' : '0', v[2] ? '1' : '0'};
    };
    for (const auto& c : casos) {
        editor().escolheRodada(c.rodada);
        editor().escolhePosicao(c.posicao);
        const std::string caso = std::to_string(c.rodada) + "/" + std::to_string(c.posicao);
        EXPECT_EQ(mostrados(m().grupoResultadoVisivel), c.grupos) << caso;
        EXPECT_EQ(mostrados(m().cartaParceiroVisivel), c.parceiro) << caso;
        EXPECT_EQ(mostrados(m().cartaPropriaVisivel), c.proprias) << caso;
        EXPECT_EQ(mostrados(m().escolhaVisivel), c.proprias) << caso;
        EXPECT_EQ(m().LINHA, c.linha) << caso;
        EXPECT_EQ(TEXTO_REGRA(m().regraDeTrabalho), c.linha) << caso;
    }
    // The labels name what the rule holds: a hidden group's result is "???".
    EXPECT_EQ(m().STR_R, (std::array<std::string, 3>{"BOM", "MAL", "EMP"}));
    editor().escolhePosicao(1);
    EXPECT_EQ(m().STR_R, (std::array<std::string, 3>{"BOM", "MAL", "???"}));
}

TEST_F(EditorRegrasTeste, CadaBotaoDoMouseGiraACartaNumSentidoSemPassarPelaInterrogacao) {
    const struct {
        char antes;
        bool esquerdo;
        char depois;
    } casos[] = {
        {'*', true, 'Z'}, {'Z', false, '*'}, {'?', true, 'Z'}, {'?', false, '*'},
        {'P', true, '*'}, {'*', false, 'P'}, {'M', false, 'A'}, {'C', true, 'E'}, {'C', false, 'Z'},
    };
    for (const auto& c : casos) {
        poeCartas(std::string(9, '?'));
        m().CODIGO_CARTA[FIG_J1] = static_cast<int>(std::strchr(LETRAS_DOS_CODIGOS, c.antes) - LETRAS_DOS_CODIGOS);
        editor().pressionaCarta(FIG_J1, c.esquerdo);
        EXPECT_EQ(m().letraDaFigura(FIG_J1), c.depois) << c.antes << (c.esquerdo ? " esquerdo" : " direito");
        EXPECT_EQ(m().regraDeTrabalho.letra(CARTA_J1), c.depois) << "the press rebuilds the rule";
    }
}

TEST_F(EditorRegrasTeste, DoisZapsNaMaoSaoRecusadosEATabelaNaoMuda) {
    poeNaTabela({regra(TRES_CARTAS)});
    editor().INICIO();
    m().CODIGO_CARTA[FIG_J2] = 1;  // "*"
    editor().pressionaCarta(FIG_J2, true);
    EXPECT_EQ(m().LINHA, "ERRO: Mais de um ZAP!!");
    editor().Alterar();
    EXPECT_EQ(mensagens(), (std::vector<std::string>{"Pelmar: Regra Errada !!!"}));
    EXPECT_EQ(cerebro()[1], regra(TRES_CARTAS));
    EXPECT_EQ(m().LINHA, "ERRO: Mais de um ZAP!!");
    editor().Acresentar();
    EXPECT_EQ(mensagens(), (std::vector<std::string>{"Pelmar: Regra Errada !!!"}));
    EXPECT_EQ(cerebro().QTE_REGRAS(), 1);
}

TEST_F(EditorRegrasTeste, AlterarGuardaOQueALinhaMostraComOPesoDoLugar) {
    poeNaTabela({regra(TRES_CARTAS), regra("=,  2,3,  9,M, B,3, M,A, ?,?,  A,?,?,  Z,2,?,  2,E,T,   40")});
    editor().INICIO();
    editor().avanca(1);
    // Showing rebuilds: the line is the rule as the controls have it, the slot's weight included.
    EXPECT_EQ(m().LINHA, "=,  2,3,  9,M, B,3, M,A, ?,?,  A,?,?,  Z,2,?,  2,E,T,   40");
    EXPECT_EQ(m().QTE, "40");
    EXPECT_TRUE(m().trucar);
    EXPECT_TRUE(m().encobrir);
    EXPECT_EQ(m().topoCartaPropria, (std::array<int, 3>{40, 20, 40}));
    editor().pressionaCarta(FIG_P1, false);  // A -> 2
    editor().escolheAcao(1);
    editor().Alterar();
    // The hidden truco letter and value travel with the rule untouched.
    EXPECT_EQ(TEXTO_REGRA(cerebro()[2]), "=,  2,3,  9,M, B,3, M,A, ?,?,  2,?,?,  Z,2,?,  1,E,T,   40");
    EXPECT_EQ(m().LINHA, TEXTO_REGRA(cerebro()[2]));
    EXPECT_EQ(cerebro()[1], regra(TRES_CARTAS));

    poeNaTabela({regra("=,  1,1,  1,*, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   3")});
    editor().INICIO();
    editor().Alterar();
    EXPECT_EQ(TEXTO_REGRA(cerebro()[1]), "=,  1,1,  1,*, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   3");
}

TEST_F(EditorRegrasTeste, AcrescentarPoeORegraNoFimComPesoUmEMostraSemMoverOCursor) {
    poeNaTabela({regra(TRES_CARTAS)});
    editor().INICIO();
    editor().escolhePosicao(1);
    editor().Acresentar();
    ASSERT_EQ(cerebro().QTE_REGRAS(), 2);
    EXPECT_EQ(TEXTO_REGRA(cerebro()[2]), "=,  1,1,  1,S, ?,?, ?,?, ?,?,  3,M,P,  Z,A,P,  1,-,-,   1");
    EXPECT_EQ(m().INDICE_REGRA, 1);
    EXPECT_EQ(m().QTE, "1");
    EXPECT_EQ(m().MAX, "0002");
    EXPECT_TRUE(mensagens().empty());
}

TEST_F(EditorRegrasTeste, AcrescentarNumaTabelaCheiaAvisaENadaMuda) {
    cerebro().defineQuantidade(MAX_REGRAS);
    cerebro().altera(MAX_REGRAS) = regra(TRES_CARTAS);
    editor().Acresentar();
    EXPECT_EQ(cerebro().QTE_REGRAS(), MAX_REGRAS);
    EXPECT_EQ(cerebro()[MAX_REGRAS], regra(TRES_CARTAS));
    EXPECT_EQ(mensagens(),
              (std::vector<std::string>{"Pelmar: A tabela de regras está cheia (300000 regras): nada foi acrescentado."}));
}

TEST_F(EditorRegrasTeste, ApagarMostraPesoZeroEARegraFicaNoLugar) {
    poeNaTabela({regra(TRES_CARTAS), regra(TRES_CARTAS)});
    editor().INICIO();
    editor().avanca(1);
    editor().Apagar();
    EXPECT_EQ(m().QTE, "0");
    EXPECT_EQ(cerebro()[2].QTE, 0);
    EXPECT_EQ(cerebro()[1].QTE, 7);
    EXPECT_EQ(cerebro().QTE_REGRAS(), 2);
}

TEST_F(EditorRegrasTeste, ACartaEscolhidaSobeEQualquerResultadoPoeCartaQualquer) {
    poeCartas("2AM3MPZAP");
    editor().escolheRodada(3);
    editor().escolhePosicao(4);
    editor().escolheAcao(3);
    EXPECT_EQ(m().topoCartaPropria, (std::array<int, 3>{40, 40, 20}));
    editor().escolheAcao(0);
    EXPECT_EQ(m().topoCartaPropria, (std::array<int, 3>{40, 40, 40}));
    editor().escolheResultado(2, '*');
    EXPECT_EQ(m().letraDaFigura(FIG_2R), '*');
    EXPECT_EQ(m().letraDaFigura(FIG_1R), '2');
    EXPECT_EQ(m().LINHA, "=,  3,4,  1,S, B,2, *,*, B,M,  ?,?,?,  Z,?,?,  0,-,-,   0");
    EXPECT_EQ(m().STR_R[1], "QLQ");
}

TEST_F(EditorRegrasTeste, NavegacaoPorSaltosVoltaAoInicioNoFimDaTabela) {
    const struct {
        int regras, de;
        int passos;  // 0: "INICIO", -1: "<<< -1"
        int para;
    } casos[] = {
        {120, 50, 100, 1},  {120, 50, 10, 60},  {120, 110, 10, 1},   {120, 109, 10, 119}, {120, 1, -1, 1},
        {120, 5, -1, 4},    {120, 120, 1, 121}, {MAX_REGRAS, MAX_REGRAS, 1, MAX_REGRAS},  {120, 77, 0, 1},
        {5000, 3999, 1000, 4999}, {5000, 4000, 1000, 1},
    };
    for (const auto& c : casos) {
        cerebro().defineQuantidade(c.regras);
        m().INDICE_REGRA = c.de;
        if (c.passos == 0) editor().INICIO();
        else if (c.passos == -1) editor().volta();
        else editor().avanca(c.passos);
        EXPECT_EQ(m().INDICE_REGRA, c.para) << c.de << " + " << c.passos << " of " << c.regras;
    }
    m().INDICE_REGRA = 41;
    editor().avanca(1);
    EXPECT_EQ(m().INDEX, "000042");
}

TEST_F(EditorRegrasTeste, ProcurarParaNaProximaRegraQueServeAoPadrao) {
    poeNaTabela({
        regra("=,  2,3,  1,S, B,3, M,A, ?,?,  A,?,?,  Z,2,?,  1,-,-,   1"),  // 1 the pattern's own
        regra("=,  2,4,  1,S, B,3, M,A, ?,?,  A,?,?,  Z,2,?,  0,-,T,   1"),  // 2 another seat
        regra("=,  2,3,  1,S, M,3, M,A, ?,?,  3,?,?,  Z,M,?,  1,-,-,   1"),  // 3 no truco
        regra("=,  2,3,  1,S, M,3, B,A, ?,?,  3,?,?,  2,M,?,  0,-,T,   1"),  // 4 truco
        regra("=,  1,3,  1,S, B,3, ?,?, ?,?,  A,M,?,  Z,2,P,  0,-,T,   1"),  // 5 another trick
        regra("=,  2,3,  1,S, B,P, M,3, ?,?,  A,?,?,  P,M,?,  1,-,-,   1"),  // 6 same results
        regra("=,  2,3,  1,S, E,3, M,A, ?,?,  A,?,?,  Z,2,?,  1,-,-,   1"),  // 7 same partner and hand
    });
    const struct {
        const char* criterios;  // R(esultados) P(arceiro) C(artas) T(rucar)
        int de, para;
    } casos[] = {
        {"T", 1, 4}, {"T", 4, 1}, {"R", 1, 6}, {"P", 1, 6}, {"C", 1, 7}, {"PC", 1, 7}, {"", 1, 3}, {"RPCT", 1, 1},
    };
    editor().INICIO();
    editor().MEMORIZAR();
    for (const auto& c : casos) {
        const std::string_view k = c.criterios;
        m().CK_RESULTADOS = k.find('R') != k.npos;
        m().CK_PARCEIRO = k.find('P') != k.npos;
        m().CK_CARTAS = k.find('C') != k.npos;
        m().CK_TRUCAR = k.find('T') != k.npos;
        m().INDICE_REGRA = c.de;
        editor().Procurar();
        EXPECT_EQ(m().INDICE_REGRA, c.para) << c.criterios << " from " << c.de;
    }
    // "*" in the pattern takes any letter; a match in the last slot is found.
    m().REGRA_MEMORIZADA[R1] = '*';
    m().CK_RESULTADOS = true;
    m().CK_PARCEIRO = m().CK_CARTAS = m().CK_TRUCAR = false;
    m().INDICE_REGRA = 6;
    editor().Procurar();
    EXPECT_EQ(m().INDICE_REGRA, 7);
    EXPECT_EQ(m().INDEX, "000007");
}

TEST_F(EditorRegrasTeste, InverterTrocaAsCartasDoParceiroComAsSuasERandomicoSorteiaNaOrdemDoPainel) {
    poeCartas("2AM3MPZAP");
    editor().MONTA_REGRA();
    const std::string linha = m().LINHA;
    editor().Inverter();
    EXPECT_EQ(cartas(), "2AMZAP3MP");
    EXPECT_EQ(m().LINHA, linha) << "the rule follows at the next change";

    plataforma.pedidos.clear();
    plataforma.respostas = {0, 1, 2, 3, 4, 5, 6, 7, 9};
    editor().Randomico();
    EXPECT_EQ(plataforma.pedidos, std::vector<int>(9, 10));
    // Drawn P1 P2 P3 J1 J2 J3 1R 2R 3R, codes 1..10.
    EXPECT_EQ(cartas(), "OEZ*PMA23");
}

TEST_F(EditorRegrasTeste, EdicaoValeNaProximaConsultaDaMesa) {
    poeNaTabela({regra("=,  1,1,  1,S, ?,?, ?,?, ?,?,  *,*,*,  *,*,*,  1,-,-,   1"),
                 regra("=,  1,1,  1,S, ?,?, ?,?, ?,?,  *,*,*,  *,*,*,  3,-,-,   1")});
    ChaveSituacao chave;
    chave.rodada = 1;
    chave.posicao = 1;
    chave.padrao.fill('?');
    for (int f = CARTA_P1; f <= CARTA_J3; ++f) chave.padrao[static_cast<std::size_t>(f - R1)] = 'P';
    ASSERT_EQ(cerebro().primeiraQueServe(chave), 1);
    editor().INICIO();
    editor().escolhePosicao(2);
    editor().Alterar();
    EXPECT_EQ(cerebro().primeiraQueServe(chave), 2);
}

TEST_F(EditorRegrasTeste, LerCerebroSalvoTrocaOCerebroSoQuandoALeituraDaCerto) {
    escreveCerebro("P-CEREBRO_SALVO.TXT", {regra(TRES_CARTAS), regra(TRES_CARTAS), regra(TRES_CARTAS)});
    poeNaTabela({regra("=,  2,3,  1,S, B,3, ?,?, ?,?,  A,?,?,  Z,2,?,  1,-,-,   1")});
    m().INDICE_REGRA = 9;
    ASSERT_TRUE(editor().leCerebroSalvo());
    EXPECT_EQ(cerebro().QTE_REGRAS(), 3);
    EXPECT_EQ(cerebro()[3], regra(TRES_CARTAS));
    EXPECT_EQ(m().INDICE_REGRA, 1);
    EXPECT_EQ(m().NOME, "P-CEREBRO_SALVO.TXT");

    // A file that cannot be read leaves the playing brain whole.
    std::filesystem::remove(pasta / "P-CEREBRO_SALVO.TXT");
    std::filesystem::create_directory(pasta / "P-CEREBRO_SALVO.TXT");
    poeNaTabela({regra(TRES_CARTAS), regra(TRES_CARTAS)});
    m().INDICE_REGRA = 2;
    EXPECT_FALSE(editor().leCerebroSalvo());
    EXPECT_EQ(cerebro().QTE_REGRAS(), 2);
    EXPECT_EQ(cerebro()[2], regra(TRES_CARTAS));
    EXPECT_EQ(m().INDICE_REGRA, 2);
    EXPECT_EQ(tela.erros.size(), 1u);
    EXPECT_EQ(m().TEXT.back(), "P-CEREBRO_SALVO.TXT não foi lido: o cérebro continua com 2 regras.");
}

TEST_F(EditorRegrasTeste, ListaDoBrainLeOsArquivosNaOrdemIgnorandoMaiusculas) {
    std::filesystem::create_directory(pasta / "Brain");
    gravaBytes(pasta / "Brain" / "Lista.ini", "fixas.txt\r\n\r\n  Sub/Novas.TXT \r\nnenhum.txt\r\n");
    escreveCerebro("Brain/FIXAS.TXT", {regra(TRES_CARTAS)});
    std::filesystem::create_directory(pasta / "Brain" / "sub");
    escreveCerebro("Brain/sub/novas.txt", {regra("=,  2,3,  1,S, B,3, ?,?, ?,?,  A,?,?,  Z,2,?,  1,-,-,   1"),
                                           regra(TRES_CARTAS)});
    poeNaTabela({regra(TRES_CARTAS)});
    m().INDICE_REGRA = 2;
    ASSERT_TRUE(editor().leListaDoBrain());
    ASSERT_EQ(cerebro().QTE_REGRAS(), 3);
    EXPECT_EQ(cerebro()[2][NR_RODADA], 2);
    EXPECT_EQ(m().NOME, "nenhum.txt - 3");
    EXPECT_EQ(m().ARQUIVO_EDITOR, ".\\BRAIN\\nenhum.txt");
    EXPECT_EQ(m().MAX, "0003");
    EXPECT_EQ(m().INDICE_REGRA, 2);
    EXPECT_EQ(m().QTE, "1") << "the rule at the cursor is shown";
    // A listed file that is missing is created with its header.
    EXPECT_TRUE(std::filesystem::exists(pasta / "Brain" / "nenhum.txt"));
}

TEST_F(EditorRegrasTeste, ListaDoBrainAusenteOuComNomeForaDaPastaNaoLeNada) {
    poeNaTabela({regra(TRES_CARTAS)});
    EXPECT_FALSE(editor().leListaDoBrain());
    EXPECT_EQ(cerebro().QTE_REGRAS(), 1);
    const auto aviso = mensagens();
    ASSERT_EQ(aviso.size(), 1u);
    EXPECT_NE(aviso[0].find((pasta / "BRAIN" / "LISTA.INI").string()), std::string::npos) << aviso[0];

    std::filesystem::create_directory(pasta / "BRAIN");
    escreveCerebro("segredo.txt", {regra(TRES_CARTAS), regra(TRES_CARTAS)});
    for (const char* fora : {"../segredo.txt", "sub\\..\\..\\segredo.txt", "/etc/passwd", "\\segredo.txt", "C:segredo.txt"}) {
        gravaBytes(pasta / "BRAIN" / "LISTA.INI", std::string("boas.txt\r\n") + fora + "\r\n");
        EXPECT_FALSE(editor().leListaDoBrain()) << fora;
        EXPECT_EQ(cerebro().QTE_REGRAS(), 1) << fora;
        EXPECT_EQ(mensagens().size(), 1u) << fora;
    }
    EXPECT_FALSE(std::filesystem::exists(pasta / "BRAIN" / "boas.txt")) << "nothing is read before the list is checked";
}

TEST_F(EditorRegrasTeste, VariavelLeFixasAprendidasERecemAprendidasEMostraAPrimeira) {
    escreveCerebro("P-BRAIN.TXT", {regra("=,  2,3,  1,S, B,3, ?,?, ?,?,  A,?,?,  Z,2,?,  1,-,-,   5")});
    escreveCerebro("P-NEURON.TXT", {regra(TRES_CARTAS)});
    escreveCerebro("P-LEARN.TXT", {regra(TRES_CARTAS)});
    m().INDICE_REGRA = 3;
    m().NOME = "outro";
    ASSERT_TRUE(editor().leVariavel());
    EXPECT_EQ(cerebro().QTE_REGRAS(), 3);
    EXPECT_EQ(m().INDICE_REGRA, 1);
    EXPECT_EQ(m().NOME, "P-NEURON.TXT");
    EXPECT_EQ(m().QTE, "5");
    EXPECT_EQ(m().rodada, 2);

    std::filesystem::remove(pasta / "P-LEARN.TXT");
    std::filesystem::create_directory(pasta / "P-LEARN.TXT");
    poeNaTabela({regra(TRES_CARTAS)});
    EXPECT_FALSE(editor().leVariavel());
    EXPECT_EQ(cerebro().QTE_REGRAS(), 1) << "a load that fails part way keeps the playing brain";
}

TEST_F(EditorRegrasTeste, NadaMudaATabelaEnquantoUmaLeituraServeEventos) {
    escreveCerebro("P-BRAIN.TXT", {regra(TRES_CARTAS)});
    escreveCerebro("P-NEURON.TXT", {regra(TRES_CARTAS), regra(TRES_CARTAS)});
    escreveCerebro("P-LEARN.TXT", {regra(TRES_CARTAS), regra(TRES_CARTAS), regra(TRES_CARTAS)});
    escreveCerebro("P-CEREBRO_SALVO.TXT", std::vector<Regra>(10, regra(TRES_CARTAS)));
    // The user clicks another load while the first one serves events.
    bool lida = false;
    const auto timer = plataforma.criaTimer(1, [&] {
        if (lida) return;
        lida = true;
        EXPECT_TRUE(editor().ocupado());
        EXPECT_FALSE(editor().leCerebroSalvo()) << "ignored while the first load runs";
        editor().Acresentar();
        EXPECT_EQ(cerebro().QTE_REGRAS(), 0) << "the playing brain is untouched until the load ends";
    });
    plataforma.ativaTimer(timer, true);
    ASSERT_TRUE(editor().leVariavel());
    plataforma.ativaTimer(timer, false);
    EXPECT_TRUE(lida);
    EXPECT_EQ(cerebro().QTE_REGRAS(), 6) << "the first load's own three files, and nothing else";
    EXPECT_FALSE(editor().ocupado());
}

TEST_F(EditorRegrasTeste, FerramentasRelatamNoTextoEAtualizamOMaximo) {
    poeNaTabela({comPeso(TRES_CARTAS, 5), comPeso(TRES_CARTAS, 0), comPeso(TRES_CARTAS, 7)});
    EXPECT_FALSE(editor().executa(FerramentaEditor::SORTEIA));
    EXPECT_EQ(m().MAX, "0002");
    EXPECT_EQ(m().TEXT.front(), "Sorteando: ");
    editor().limpaTexto();
    EXPECT_TRUE(m().TEXT.empty());
    EXPECT_FALSE(editor().executa(FerramentaEditor::SALVAR));
    EXPECT_EQ(linhasDe("P-CEREBRO_SALVO.TXT").size(), 4u);
}

TEST_F(EditorRegrasTeste, NomesDaListaQueFicamNaPastaBrain) {
    const struct {
        const char* nome;
        const char* aceito;
    } casos[] = {
        {"regras.txt", "regras.txt"}, {"  sub/r.txt\t", "sub/r.txt"}, {"a..b.txt", "a..b.txt"},
        {"..", ""}, {"sub/../../r.txt", ""}, {"sub\\..", ""}, {"/r.txt", ""}, {"\\r.txt", ""}, {"D:r.txt", ""}, {"", ""},
    };
    for (const auto& c : casos) EXPECT_EQ(nomeDentroDoBrain(c.nome), c.aceito) << c.nome;
}

}  // namespace
}  // namespace pelmar::teste
