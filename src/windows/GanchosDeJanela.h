#pragma once

#include <QPoint>
#include <QString>
#include <QUrl>

#include <functional>
#include <string_view>

#include "base/PastaTrabalho.h"

class QWidget;

namespace pelmar {

// A message box with one OK button: caption, text. Hosts and tests route it elsewhere.
using MensagemDeJanela = std::function<void(const QString& titulo, const QString& texto)>;

// Hands an address to the system (browser, file viewer); true when it was taken.
using AbreEndereco = std::function<bool(const QUrl& endereco)>;

// Where a window opened from the main window's menus goes: 10 pixels right of and 45 below
// the main window's top-left corner.
QPoint posicaoDeJanelaAuxiliar(const QWidget& janelaPrincipal);

// Through `gancho` when set, otherwise an information box over `pai`.
void mostraMensagem(const MensagemDeJanela& gancho, QWidget* pai, const QString& titulo, const QString& texto);

// A Yes/No question in Portuguese ("Sim" / "Não"), "Não" by default and on Escape: true only
// for a "Sim".
bool perguntaSimNao(QWidget* pai, const QString& titulo, const QString& texto);

// Through `gancho` when set, otherwise QDesktopServices; nothing is said either way.
bool entregaAoSistema(const AbreEndereco& gancho, const QUrl& endereco);

// Every address, file and folder the game opens goes through here. A file or folder of this
// computer must exist before the system is asked. A missing file or an address the system did
// not take is told in a box (through `aviso` when set), so a click never just does nothing;
// the game goes on either way. True when the system took it.
bool abreNoSistema(const AbreEndereco& gancho, const QUrl& endereco, const MensagemDeJanela& aviso, QWidget* pai);
// A file or folder of the working folder, found ignoring letter case; `ancora` names a place
// inside a page.
bool abreArquivoDaPasta(const AbreEndereco& gancho, const PastaTrabalho& pasta, std::string_view relativo,
                        const MensagemDeJanela& aviso, QWidget* pai, const QString& ancora = {});

// What the box says when `endereco` could not be opened; `faltando` when the file was not there.
QString textoDeFalhaAoAbrir(const QUrl& endereco, bool faltando);

}  // namespace pelmar
