#pragma once

#include <QPointer>
#include <QString>
#include <QUrl>

#include <array>
#include <functional>
#include <string_view>

class QAction;
class QMenu;

#include "windows/GanchosDeJanela.h"

namespace pelmar {

class Jogo;
class TfLOG;

// The main window's commands on the history log, the debug snapshot and the rule files.
// Files open in the desktop's own editor; both that and the message box go through hooks that
// tests replace. A file that cannot be opened is told in the message box.
class ComandosHistorico {
public:
    ComandosHistorico(Jogo& jogo, TfLOG& log);

    // Hands a file or address to the system without waiting, true when taken; empty: the
    // desktop's own handler.
    AbreEndereco abreEndereco;
    // An information box; by default the game's own message box.
    std::function<void(const QString&)> mostraMensagem;

    // "Salvar ERROR"
    void salvarErro();
    // "Ver Histórico de Jogadas"
    void verHistorico();
    // "Mostrar Arquivo" → each file; also "Editar DEBUG.TXT". A file of the working folder.
    void abreNoEditor(std::string_view arquivo);
    // "LOG" → "NÍVEL n": the detail level, 0..3, with its check mark.
    void defineNivel(int nivel);
    // "Gravar DEBUG.TXT"
    void gravarDebug();
    // Menu "Debug": "Carregar DEBUG.TXT", "Editar DEBUG.TXT", "Ler Regras".
    void carregarDebug();
    void editarDebug();
    void lerRegras();
    // "Quantidade Regras Utilizadas"
    void quantidadeRegras();

    // Fills the "Histórico" submenu with its items, each running through `envolve` when given
    // (the main window's guard against faults).
    void montaMenuHistorico(QMenu* menu, std::function<void(const std::function<void()>&)> envolve = {});

private:
    void marcaNivel();

    Jogo& jogo_;
    TfLOG& log_;
    std::array<QPointer<QAction>, 4> niveis_;
};

}  // namespace pelmar
