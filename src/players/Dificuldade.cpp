#include "players/Dificuldade.h"

#include <algorithm>

#include "engine/Estatisticas.h"
#include "engine/Historico.h"
#include "engine/ModeloMesa.h"
#include "engine/Preferencias.h"

namespace pelmar {

namespace {

constexpr const char* ATUAL = "VL_DIFICULDADE_ATUAL";
constexpr const char* NOVA = "VL_DIFICULDADE_NOVA";
// Bois one side must lead by before the level moves.
constexpr int VANTAGEM_EM_BOIS = 4;

}  // namespace

Dificuldade::Dificuldade(Preferencias& prefs, Historico& historico, ModeloMesa& mesa)
    : parametros(parametrosDoNivel(prefs.DIFICULDADE).value_or(*parametrosDoNivel(5))),
      DIFICULDADE_NOVA(prefs.DIFICULDADE),
      prefs_(prefs),
      historico_(historico),
      mesa_(mesa) {
    mesa_[NOVA].dica = "Nivel de Dificuldade Novo";
    mesa_[ATUAL].dica = "Nivel de Dificuldade Atual";
}

int Dificuldade::nivel() const { return prefs_.DIFICULDADE; }

void Dificuldade::mostraNivel(const std::string& controle, int valor) {
    mesa_[controle].texto = std::to_string(valor);
}

void Dificuldade::DEFINE_DIFICULDADE(int valor) {
    prefs_.DIFICULDADE = valor;
    DIFICULDADE_NOVA = valor;
    MUDANCA_PENDENTE = false;
    mesa_[NOVA].visivel = false;
    mostraNivel(ATUAL, valor);
    mostraNivel(NOVA, valor);
    if (const auto p = parametrosDoNivel(valor)) parametros = *p;
}

void Dificuldade::escolheNivel(int posicao) {
    DIFICULDADE_NOVA = posicao;
    MUDANCA_PENDENTE = posicao != prefs_.DIFICULDADE;
    mesa_[NOVA].visivel = MUDANCA_PENDENTE;
    mostraNivel(NOVA, posicao);
}

std::optional<std::string> Dificuldade::inicioDaMao() {
    std::optional<std::string> aviso;
    if (MUDANCA_PENDENTE) {
        const std::string de = std::to_string(prefs_.DIFICULDADE);
        const std::string para = std::to_string(DIFICULDADE_NOVA);
        mesa_[NOVA].visivel = false;
        aviso = "Alteração de nível: " + de + " -> " + para;
        historico_.ESCREVE_HISTORICO(0, "ALTERAÇÃO DE DIFICULDADE: " + de + "->" + para);
        DEFINE_DIFICULDADE(DIFICULDADE_NOVA);
    }
    historico_.ESCREVE_HISTORICO(0, "DIFICULDADE=" + std::to_string(prefs_.DIFICULDADE));
    return aviso;
}

std::optional<MudancaAposBoi> Dificuldade::mudancaAposBoi(int lado, const Estatisticas& estatisticas,
                                                          bool automatica) {
    if (!automatica) return std::nullopt;
    const bool computador = lado == 1;
    const int vantagem = computador ? estatisticas.BOIS_CONTRA - estatisticas.BOIS_PRO
                                    : estatisticas.BOIS_PRO - estatisticas.BOIS_CONTRA;
    if (vantagem <= VANTAGEM_EM_BOIS) return std::nullopt;
    MudancaAposBoi m;
    m.anterior = prefs_.DIFICULDADE;
    if (computador) {
        m.nova = m.anterior - 1;
        if (m.nova > 1) {
            historico_.ESCREVE_HISTORICO(0, "Baixei um nível de dificuldade! ");
            m.aviso = AvisoDeNivel{"Baixei um nível de dificuldade! ", "PERSONAL_DEL_1"};
        } else {
            // Never below 1 by this path, and level 0, chosen by hand, is not raised by a loss.
            m.nova = std::min(m.anterior, 1);
        }
    } else {
        m.nova = m.anterior + 1;
        if (m.nova < NIVEL_MAXIMO) {
            historico_.ESCREVE_HISTORICO(0, "Aumentei um nível de dificuldade! ");
            m.aviso = AvisoDeNivel{"Aumentei um nível de dificuldade!", "PERSONAL_ADD_1"};
        } else {
            m.nova = NIVEL_MAXIMO;
        }
    }
    DEFINE_DIFICULDADE(m.nova);
    return m;
}

}  // namespace pelmar
