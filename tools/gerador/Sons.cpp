#include <QDir>
#include <QString>

#include <algorithm>
#include <array>
#include <stdexcept>
#include <string>
#include <string_view>

#include "Gerador.h"
#include "ListaPersonagens.h"
#include "SomEfeitos.h"
#include "SomFala.h"
#include "SomTratamento.h"
#include "Wav.h"

namespace pelmar::gerador {
namespace {

struct FalaChave {
    const char* chave;
    const char* texto;
};

// The lines the table says aloud, worded as a player would say them.
constexpr std::array<FalaChave, 15> FALAS{{
    {"JOGA", "Joga!"},
    {"RECUSA", "Tá louco!"},
    {"JOGA_MAO_11", "Vou jogar a mão de onze."},
    {"NAO_JOGA_MAO_11", "Não vou jogar esta mão de onze."},
    {"MAO_DE_FERRO", "Mão de ferro! Onze a onze."},
    {"MAO_DE_11", "Mão de onze!"},
    {"EU_GANHEI", "Nós ganhamos!"},
    {"VOCE_GANHOU", "Vocês ganharam!"},
    {"EU_GANHEI_PARTIDA", "Eu ganhei a partida!"},
    {"VOCE_GANHOU_PARTIDA", "Você ganhou a partida!"},
    {"FX_FEIJAO", "Feijão!"},
    {"BOI_COMP", "Eu ganhei um boi!"},
    {"BOI_JOG", "Você ganhou um boi!"},
    {"CHUPA", "Chupa meu!"},
    {"VOZ_DOZE_A_ZERO", "Doze a zero!"},
}};

constexpr Voz LOCUTOR{"pt-br+m3", 150, 45, 170};

struct Personagem {
    const char* nome;
    Voz voz;
    int notaBase;  // the pitch of the stand-in tunes
};

// Each character's voice; pitch and pace follow who they are (the old man slow and low, the
// chatterbox fast, the aunt high).
constexpr std::array<Personagem, 10> VOZES{{
    {"Jogador-01", {"pt-br+m1", 165, 45, 200}, 55},
    {"Jogador-02", {"pt-br+m3", 185, 58, 200}, 57},
    {"Jogador-03", {"pt-br+m2", 170, 38, 200}, 52},
    {"Jogador-04", {"pt-br+m4", 160, 62, 200}, 59},
    {"Dona-Cida", {"pt-br+f2", 150, 62, 200}, 67},
    {"Seu-Bento", {"pt-br+m6", 130, 22, 200}, 45},
    {"Ze-Matraca", {"pt-br+m7", 215, 70, 200}, 62},
    {"Tia-Nena", {"pt-br+f4", 170, 78, 200}, 71},
    {"Chico-Viola", {"pt-br+m5", 175, 33, 200}, 50},
    {"Professora-Lia", {"pt-br+f1", 155, 56, 200}, 69},
}};

struct Grito {
    int valor;
    const char* texto;
};
constexpr std::array<Grito, 4> GRITOS{{{3, "Truco!"}, {6, "Seis!"}, {9, "Nove!"}, {12, "Doze!"}}};

void acabaFala(Amostras& s, double pico) {
    suaviza(s, 0.005, 0.03);
    normaliza(s, pico);
}

}  // namespace

void geraSons(const QString& saida) {
    const QDir raiz(saida);
    for (const Efeito& e : efeitos()) gravaWav(raiz.filePath(QString("WAV/") + e.chave + ".WAV"), e.gera(e.chave));

    Locutor locutor;
    for (const FalaChave& f : FALAS) {
        auto s = locutor.fala(QString::fromUtf8(f.texto), LOCUTOR);
        if (s) {
            enfatiza(*s, 1.3);
            acabaFala(*s, 0.89);
        }
        gravaWav(raiz.filePath(QString("WAV/") + f.chave + ".WAV"),
                 s ? *s : melodiaSubstituta(f.chave, 60, 4));
    }

    for (const char* quem : PERSONAGENS) {
        const auto p = std::find_if(VOZES.begin(), VOZES.end(), [&](const Personagem& v) { return std::string_view(v.nome) == quem; });
        if (p == VOZES.end()) throw std::logic_error(std::string("no voice for the character ") + quem);
        for (const Grito& g : GRITOS) {
            const QString nome = QString("JOG/%1/TRUCO_%2.WAV").arg(p->nome).arg(g.valor);
            auto s = locutor.fala(QString::fromUtf8(g.texto), p->voz);
            if (s) {
                // Shouted: driven hard into a soft limit, at nearly full scale.
                enfatiza(*s, 2.2);
                acabaFala(*s, 0.95);
            }
            gravaWav(raiz.filePath(nome),
                     s ? *s : melodiaSubstituta(std::string(p->nome) + g.texto, p->notaBase + g.valor / 3, 2 + g.valor / 3));
        }
    }
}

}  // namespace pelmar::gerador
