#pragma once

#include <functional>
#include <string>
#include <vector>

namespace pelmar {

class Inteligencia;

// The rule editor's tools on the loaded table. Each empties the editor's report box and writes
// its lines there; only SALVA_BRAIN_AUX and the last step of COMPILA_EDITOR write files.
class FerramentasEditor {
public:
    explicit FerramentasEditor(Inteligencia& ia) : ia_(ia) {}

    void TROCA_QTE_REGRAS();
    void APAGA_REGRAS_ERRADAS();
    void LIMPA_TRUCOS();
    void ACHA_REPETIDOS();
    void ACHA_REGRA_TRUCAR();
    void ORDENA_CEREBRO();
    bool COMPILA_EDITOR();
    bool SALVA_BRAIN_AUX();
    // The editor's full load: fixed, learned and just-learned rules, in that order. It replaces
    // the playing brain only when all three were read.
    bool carregaTudo();
    // True when REGRA_ATUAL's cards cannot all exist; the reason goes to LINHA.
    bool VALIDA_CARTAS();

private:
    // Served between the stages of the long passes: the editor window stays alive.
    std::function<void()> serveEventos();
    // Each tool empties the report box and starts it with its title.
    std::vector<std::string>& novoRelatorio(const char* titulo);

    Inteligencia& ia_;
};

// "Quantidade Regras Utilizadas": the table's figures, naming the learned rules' real file.
std::string textoQuantidadeRegras(int fixas, int total, const std::string& arquivoAprendidas);

}  // namespace pelmar
