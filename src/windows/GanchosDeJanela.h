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

// Through `gancho` when set, otherwise QDesktopServices. A failure to start is ignored: the
// program goes on whether or not a browser exists.
void abreNoSistema(const AbreEndereco& gancho, const QUrl& endereco);
// A file or folder of the working folder, found ignoring letter case, handed to the system.
void abreArquivoDaPasta(const AbreEndereco& gancho, const PastaTrabalho& pasta, std::string_view relativo);

}  // namespace pelmar
