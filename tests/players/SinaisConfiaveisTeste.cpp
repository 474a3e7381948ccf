#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string_view>
#include <string>
#include <vector>

#include "headless/PlataformaHeadless.h"
#include "headless/TelaHeadless.h"
#include "jogo/Jogo.h"
#include "suporte/PastaTemporaria.h"

namespace pelmar::teste {
namespace {

// Stops the match loop after some matches.
struct FimDepoisDe : GanchosRepassados {
    FimDepoisDe(Jogo& j, int partidas) : GanchosRepassados(j.ganchos()), jogo(j), faltam(partidas) {}
    Jogo& jogo;
    int faltam;
    void partidaGanha(int lado, int vencedor, int perdedor) override {
        GanchosRepassados::partidaGanha(lado, vencedor, perdedor);
        if (--faltam <= 0) jogo.estado.PARAR = true;
    }
};

std::string semEspacosNoFim(std::string s) {
    s.erase(s.find_last_not_of(' ') + 1);
    return s;
}

// Reads the history as a player at the table would and checks every signal against it: the
// hands dealt, the cards put down, the signals. Returns the faults found.
struct LeitorDoHistorico {
    std::vector<std::vector<std::string>> maos = std::vector<std::vector<std::string>>(5);
    std::vector<std::string> falhas;
    int sinaisDosParceiros = 0;
    int sinaisFalsos = 0;

    void falha(const std::string& texto) {
        if (falhas.size() < 8) falhas.push_back(texto);
    }

    static bool nomeia(const std::string& rotulo, int indice) {
        switch (indice) {
            case sinal::DOIS: return rotulo.rfind("(2)", 0) == 0;
            case sinal::TRES: return rotulo.rfind("(3)", 0) == 0;
            case sinal::OUROS: return rotulo == "(!) PICA FUMO";
            case sinal::ESPADA: return rotulo == "(*) ESPADILHA";
            case sinal::COPAS: return rotulo == "(@) COPETA";
            case sinal::PAUS: return rotulo == "(%) ZAP";
            default: return false;
        }
    }

    void le(const std::string& linha) {
        // "|  nr|level|score|trick|J<seat to play>|side| text"
        std::size_t barras[7];
        std::size_t pos = 0;
        for (std::size_t& b : barras) {
            b = linha.find('|', pos);
            if (b == std::string::npos) return;
            pos = b + 1;
        }
        const int vez = linha[barras[4] + 2] - '0';
        const std::string texto = linha.substr(barras[6] + 2);
        const std::string_view SINAL = " PASSA SINAL:", FALSO = "SINAL FALSO JOG_", SEPARA = " | ";
        const std::size_t sinal = texto.find(SINAL);
        const std::size_t primeira = texto.find(SEPARA);
        const std::size_t segunda = primeira == std::string::npos ? primeira : texto.find(SEPARA, primeira + 3);
        if (texto.rfind("--------- INICIO DA M", 0) == 0) {
            for (auto& mao : maos) mao.clear();
        } else if (texto.rfind("JOG_", 0) == 0 && sinal == 5 && texto.size() == sinal + SINAL.size() + 1) {
            const int p = texto[4] - '0';
            const int indice = texto.back() - '0';
            if (p == 2 || p == 4) return;
            ++sinaisDosParceiros;
            const auto& mao = maos[static_cast<std::size_t>(p)];
            if (std::none_of(mao.begin(), mao.end(), [&](const std::string& r) { return nomeia(r, indice); }))
                falha(linha + " (na mão: " + std::to_string(mao.size()) + " cartas)");
        } else if (texto.rfind(FALSO, 0) == 0) {
            ++sinaisFalsos;
            const char p = texto[FALSO.size()];
            if (p != '2' && p != '4') falha("sinal falso de parceiro: " + linha);
        } else if (texto.rfind("JOG_", 0) == 0 && segunda != std::string::npos && texto[4] >= '1' && texto[4] <= '4') {
            auto& mao = maos[static_cast<std::size_t>(texto[4] - '0')];
            mao.clear();
            const std::string cartas = texto.substr(segunda + 3);
            for (std::size_t inicio = 0; inicio <= cartas.size();) {
                const std::size_t fim = std::min(cartas.find(", ", inicio), cartas.size());
                mao.push_back(semEspacosNoFim(cartas.substr(inicio, fim - inicio)));
                inicio = fim + 2;
            }
        } else if (texto.size() > 2 && (texto[0] == ' ' || texto[0] == '#') && texto[1] == ' ' &&
                   primeira != std::string::npos && vez >= 1 && vez <= 4) {
            // A card put down: its label right-aligned, then the figures.
            const std::size_t comeco = texto.find_first_not_of(' ', 1);
            if (comeco >= primeira || texto[comeco] != '(') return;
            const std::string rotulo = semEspacosNoFim(texto.substr(comeco, primeira - comeco));
            auto& mao = maos[static_cast<std::size_t>(vez)];
            const auto achada = std::find(mao.begin(), mao.end(), rotulo);
            if (achada == mao.end()) falha("carta que não estava na mão: " + linha);
            else mao.erase(achada);
        }
    }
};

using SinaisConfiaveis = PastaTemporaria;

// The partner's signals are facts: each names a card the seat still holds, as the history
// tells it; only the opponents lie.
TEST_F(SinaisConfiaveis, TodoSinalDoParceiroNomeiaCartaQueEleAindaTem) {
    struct Modo {
        const char* nome;
        bool tradicional, limpo;
        unsigned semente;
    };
    for (const Modo& modo : {Modo{"paulista", false, false, 21}, Modo{"limpo", false, true, 22},
                             Modo{"tradicional", true, false, 23}}) {
        SCOPED_TRACE(modo.nome);
        const auto aqui = pasta / modo.nome;
        std::filesystem::create_directories(aqui);
        for (const char* arquivo : {"P-BRAIN.TXT", "PERSONALIDADES.csv"})
            std::filesystem::copy_file(std::filesystem::path(PELMAR_DADOS) / arquivo, aqui / arquivo);
        PlataformaHeadless plataforma(modo.semente);
        TelaHeadless tela;
        Jogo jogo(plataforma, tela, PastaTrabalho(aqui));
        jogo.INICIALIZA_TUDO();
        jogo.prefs.MODO_TRADICIONAL = modo.tradicional;
        jogo.prefs.BARALHO_LIMPO = modo.limpo;
        jogo.chaves.MODO_DEMO = true;
        jogo.prefs.J1_JOGA_SOZINHO = true;
        // The table's own pace on the virtual clock, the signals at their quickest: many ticks a hand.
        jogo.sinais.mudaIntervalo(Sinais::INTERVALO_MINIMO_MS);
        jogo.historico.NIVEL_HISTORICO = 3;
        jogo.historico.guardaLinhas = false;
        LeitorDoHistorico leitor;
        auto assinatura = jogo.historico.aoEscrever.assina([&](const std::string& l) { leitor.le(l); });
        FimDepoisDe fim(jogo, 2);
        jogo.usaGanchos(&fim);
        jogo.turnos.NOVO_JOGO();

        EXPECT_TRUE(leitor.falhas.empty()) << leitor.falhas.front();
        // The property was put to the test, not passed for want of signals.
        EXPECT_GT(leitor.sinaisDosParceiros, 0);
        EXPECT_GT(leitor.sinaisFalsos, 0);
    }
}

}  // namespace
}  // namespace pelmar::teste
