#pragma once

#include <string>
#include <string_view>

#include "brain/ModeloEditor.h"

namespace pelmar {

class Inteligencia;

// The maintenance tools the editor's buttons and menus run on the playing table.
enum class FerramentaEditor {
    QTE_1,            // "Qte=1"
    REGRAS_ERRADAS,   // "Regras Erradas"
    LIMPA_TRUCOS,     // "Limpa Trucos"
    LIMPA_REPETIDOS,  // "Limpa Rep."
    SORTEIA,          // "Sorteia"
    REGRA_TRUCAR,     // "Acha Regra para Trucar"
    SALVAR,           // "Salvar"
    COMPILAR,         // "Compilar"
    SALVA_BRAIN_AUX,  // "Salvar + Comprimir + Ordenar (P-BRAIN-AUX) "
    JUNTAR,           // "Juntar Regas Adquiridas"
};

// The rule editor's behaviour: a rule of the playing table drawn as controls, the controls turned
// back into a rule, moving through the table, editing, searching, loading and the tools. It keeps
// its state in the brain's ModeloEditor, so it lasts between openings of the window.
class EditorRegras {
public:
    explicit EditorRegras(Inteligencia& ia);

    ModeloEditor& modelo();
    const ModeloEditor& modelo() const;

    // Sets the controls from the rule in the slot, then rebuilds the work rule from them.
    void MOSTRA_REGRA(int slot);
    // The layout follows the trick and the seat; the work rule follows the controls.
    void MONTA_REGRA();

    // The user's changes to the rule's controls; each rebuilds.
    void escolheRodada(int rodada);
    void escolhePosicao(int posicao);
    void escolheResultado(int rodada, char letra);  // B, M, E or *
    void escolheAcao(int acao);                      // 0 .. 3
    void marcaTrucar(bool marcado);
    void marcaEncobrir(bool marcado);
    // A press on a card picture: the left button goes back, any other forward.
    void pressionaCarta(int figura, bool botaoEsquerdo);

    // Navigation.
    void INICIO();
    void volta();
    void avanca(int passos);

    // Editing.
    void Alterar();
    void Acresentar();
    void Apagar();
    void Inverter();
    void Randomico();

    // Search.
    void MEMORIZAR();
    void Procurar();

    // Loading. Each reads into a table of its own and replaces the playing brain only when
    // everything was read; otherwise the brain stays and the report box says why.
    bool leCerebroSalvo();
    bool leListaDoBrain();
    // "Variável (P-NEURON)": the fixed, learned and just-learned rules.
    bool leVariavel();

    // True while a load or a tool runs: it serves events as it goes, and whatever would change the
    // table meanwhile (another load or tool, an edit) is ignored until it ends.
    bool ocupado() const { return ocupado_; }

    // Runs a tool; true when the window should close afterwards.
    bool executa(FerramentaEditor ferramenta);
    void limpaTexto();
    // Opening the window shows the table's size as it is now.
    void aoAbrir();

private:
    void mostraCodigo(int figura, char letra);
    void marcaPonto(int ponto);
    void atualizaIndice();
    void atualizaMaximo();
    void mostraCarregado();
    bool armazenavel();
    void relata(const std::string& linha);
    void mensagem(std::string_view texto);

    Inteligencia& ia_;
    bool ocupado_ = false;
};

// A name listed in BRAIN/LISTA.INI that stays inside the BRAIN folder; empty when it would leave it.
std::string nomeDentroDoBrain(std::string_view nome);

}  // namespace pelmar
