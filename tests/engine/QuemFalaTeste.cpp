#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "suporte/MesaDeTeste.h"

namespace pelmar::teste {
namespace {

// Every announcement carries who says it, so the table can show whose words they are: "NÓS
// GANHAMOS !" is the computer's side talking, also when the user reads it after losing.
class QuemFalaTeste : public MesaDeTeste {
protected:
    void SetUp() override {
        MesaDeTeste::SetUp();
        falas.clear();
        // An announcement is logged as it ends, while the big line still holds its speaker.
        escuta = jogo->historico.aoEscrever.assina([this](const std::string& linha) {
            const auto p = linha.find("MSG = ");
            if (p != std::string::npos) falas.emplace_back(linha.substr(p + 6), jogo->mesa["AVISO_M"].falante);
        });
    }
    // Who said `texto` the first time it was announced.
    Falante quem(const std::string& texto) const {
        for (const auto& [dito, falante] : falas)
            if (dito == texto) return falante;
        ADD_FAILURE() << "ninguém anunciou \"" << texto << "\"";
        return Falante::doLado('?');
    }
    // Vira K of COPAS: the aces are the manilhas. The side given the threes and twos wins both tricks.
    void distribui(bool usuarioGanha) {
        if (usuarioGanha)
            preset("KC", {{"3C", "2C", "4C"}, {"5C", "6C", "7C"}, {"QC", "JC", "4E"}, {"5E", "6E", "7E"}});
        else
            preset("KC", {{"5C", "6C", "7C"}, {"3C", "2C", "4C"}, {"5E", "6E", "7E"}, {"QC", "JC", "4E"}});
    }
    std::vector<std::pair<std::string, Falante>> falas;
    Ouvintes<std::string>::Assinatura escuta;
};

const Falante MESA = Falante::mesa();
const Falante COMPUTADOR = Falante::doLado('C');

constexpr bool USUARIO_GANHA = true, COMPUTADOR_GANHA = false;

TEST_F(QuemFalaTeste, FimDaMaoEDaPartidaSaoDitosPeloLadoDoComputador) {
    struct Caso {
        const char* nome;
        bool usuarioGanha;
        int pontos;  // both sides before the hand; 11 makes it an iron hand that ends the match
        std::vector<std::pair<std::string, Falante>> esperadas;
    };
    const Caso casos[] = {
        {"o usuário ganha a mão", USUARIO_GANHA, 0,
         {{"VOCÊS GANHARAM ! ", COMPUTADOR}, {"Rodada Boa!", MESA}, {"1ª Mão - Boa!", MESA}}},
        {"o computador ganha a mão", COMPUTADOR_GANHA, 0,
         {{"NÓS GANHAMOS !", COMPUTADOR}, {"Rodada Ruim!", MESA}, {"1ª Mão - Ruim!", MESA}}},
        {"o usuário ganha a partida", USUARIO_GANHA, 11,
         {{"*Mão de FERRO, 11 a 11", MESA}, {"Você ganhou a Partida", COMPUTADOR}}},
        {"o computador ganha a partida", COMPUTADOR_GANHA, 11,
         {{"Eu ganhei Partida", COMPUTADOR}, {"Feijão", COMPUTADOR}}},
    };
    for (const Caso& c : casos) {
        SCOPED_TRACE(c.nome);
        TearDown();
        SetUp();
        distribui(c.usuarioGanha);
        primeiroAJogar(1);
        jogo->estado.PONTOS_JOG = jogo->estado.PONTOS_COM = c.pontos;
        jogaMao();
        for (const auto& [texto, falante] : c.esperadas) EXPECT_EQ(quem(texto), falante) << texto;
    }
}

// At the lowest level every card played face up is read out by the seat that played it.
TEST_F(QuemFalaTeste, CartaLidaPeloAssentoQueAJogou) {
    distribui(USUARIO_GANHA);
    primeiroAJogar(3);
    jogo->prefs.DIFICULDADE = 1;
    for (int p = 1; p <= 4; ++p) jogo->prefs.NOME_JOGADOR[p] = "Nome " + std::to_string(p);
    jogaMao();
    std::vector<int> assentos;
    for (const auto& [texto, falante] : falas) {
        if (falante.assento == 0) continue;
        assentos.push_back(falante.assento);
        EXPECT_EQ(falante.nome, "Nome " + std::to_string(falante.assento)) << texto;
        EXPECT_EQ(falante.lado, falante.assento % 2 == 1 ? 'J' : 'C') << texto;
    }
    // Trick 1 from seat 3; seat 1 won it and leads trick 2, which ends the hand.
    EXPECT_EQ(assentos, (std::vector<int>{3, 4, 1, 2, 1, 2, 3, 4}));
}

// The computer's side answers a call in the voice of the opponent who would raise: the one who
// plays next.
TEST_F(QuemFalaTeste, RespostaAoTrucoNaVozDoAdversarioSeguinte) {
    const struct {
        bool aceita;
        const char* resposta;
    } casos[] = {{true, "JOGA"}, {false, "Tá Louco !"}};
    for (const auto& c : casos) {
        SCOPED_TRACE(c.resposta);
        TearDown();
        SetUp();
        distribui(USUARIO_GANHA);
        primeiroAJogar(1);
        jogo->prefs.NOME_JOGADOR[2] = "Direita";
        decisoes.aceita = [&c](int) { return c.aceita; };
        roteiro(1, {Lance(1, false, false, [](Jogo& j) { j.truco.botaoTruco(3); })});
        jogaMao();
        EXPECT_EQ(quem(c.resposta), Falante::doAssento(2, "Direita"));
    }
}

// The last announcements keep each one's speaker as they move down the list, in its side's colour.
TEST_F(QuemFalaTeste, UltimosAvisosGuardamQuemDisseNaCorDoLado) {
    distribui(USUARIO_GANHA);
    primeiroAJogar(1);
    jogo->prefs.DIFICULDADE = 1;
    jogaMao();
    ASSERT_GE(falas.size(), 6u);
    bool viuLado = false, viuMesa = false;
    for (std::size_t i = 1; i <= 6; ++i) {
        const Controle& aviso = jogo->mesa["ULTIMA_AVISO_" + std::to_string(i)];
        const auto& [texto, falante] = falas[falas.size() - i];
        EXPECT_EQ(aviso.texto, texto) << i;
        EXPECT_EQ(aviso.falante, falante) << i;
        const Cor cor = falante.lado == 'C' ? Cor::Vermelho : falante.lado == 'J' ? Cor::Azul : Cor::Preto;
        EXPECT_EQ(aviso.cor, cor) << i;
        viuLado = viuLado || falante.lado != ' ';
        viuMesa = viuMesa || falante.lado == ' ';
    }
    EXPECT_TRUE(viuLado && viuMesa) << "a lista devia misturar falas da mesa e dos lados";
}

}  // namespace
}  // namespace pelmar::teste
