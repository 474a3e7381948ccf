#pragma once

#include <QLocale>
#include <QString>

class QTranslator;

namespace pelmar {

// The language of Qt's own dialog texts (the Yes and No of a question, a file dialog): the
// system's when it is a Portuguese one, Brazilian Portuguese otherwise, as the game itself is.
QLocale idiomaDosDialogos(const QLocale& sistema);

// Loads Qt's translations for that language from `pasta` (Qt's translations folder when empty),
// Brazilian Portuguese when the system's own variant is not there, and installs them in the
// running application. The translator belongs to the application; null when no file was found,
// and the dialogs stay as Qt wrote them.
QTranslator* instalaTraducoesDoQt(const QLocale& sistema = QLocale::system(), const QString& pasta = {});

}  // namespace pelmar
