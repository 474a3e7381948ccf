#pragma once

#include "brain/Aprendizado.h"
#include "brain/ArquivosCerebro.h"
#include "brain/Cerebro.h"
#include "brain/ConsultaCerebro.h"
#include "brain/EditorRegras.h"
#include "brain/FerramentasEditor.h"
#include "brain/ModeloEditor.h"

namespace pelmar {

class Partida;

// The rule brain of one program run: the table, the editor's report, and the parts that read,
// consult, learn and maintain it, all working in the game's folder and through its ports.
class Inteligencia {
public:
    explicit Inteligencia(Partida& jogo);
    Inteligencia(const Inteligencia&) = delete;
    Inteligencia& operator=(const Inteligencia&) = delete;

    Partida& jogo;
    Cerebro cerebro;
    ModeloEditor editor;

    ArquivosCerebro arquivos;
    ConsultaCerebro consulta;
    Aprendizado aprendizado;
    FerramentasEditor ferramentas;
    EditorRegras edicao;

    // The first match of the program's life loads the playing brain, when rules are in use;
    // later matches never do.
    void aoComecarPartida();

private:
    bool primeiraPartidaComecou_ = false;
};

}  // namespace pelmar
