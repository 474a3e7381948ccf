#include "windows/TraducoesDoQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <memory>

namespace pelmar {

QLocale idiomaDosDialogos(const QLocale& sistema) {
    if (sistema.language() == QLocale::Portuguese) return sistema;
    return QLocale(QLocale::Portuguese, QLocale::Brazil);
}

QTranslator* instalaTraducoesDoQt(const QLocale& sistema, const QString& pasta) {
    auto* aplicacao = QCoreApplication::instance();
    if (!aplicacao) return nullptr;
    const QString onde = pasta.isEmpty() ? QLibraryInfo::path(QLibraryInfo::TranslationsPath) : pasta;
    // "qtbase" is Qt 6's catalog; some variants only ship the older all-in-one "qt" one.
    for (const QLocale& idioma : {idiomaDosDialogos(sistema), QLocale(QLocale::Portuguese, QLocale::Brazil)})
        for (const char* catalogo : {"qtbase", "qt"}) {
            auto tradutor = std::make_unique<QTranslator>(aplicacao);
            // A catalog that does not know the dialogs' buttons is of no use here: older all-in-one
            // ones load, but name them the way Qt 5 did.
            if (!tradutor->load(idioma, catalogo, "_", onde) ||
                tradutor->translate("QPlatformTheme", "&Yes").isEmpty())
                continue;
            QCoreApplication::installTranslator(tradutor.get());
            return tradutor.release();
        }
    return nullptr;
}

}  // namespace pelmar
