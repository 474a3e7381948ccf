#include "windows/GanchosDeJanela.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QWidget>

namespace pelmar {

QPoint posicaoDeJanelaAuxiliar(const QWidget& janelaPrincipal) { return janelaPrincipal.pos() + QPoint(10, 45); }

void mostraMensagem(const MensagemDeJanela& gancho, QWidget* pai, const QString& titulo, const QString& texto) {
    if (gancho) {
        gancho(titulo, texto);
        return;
    }
    QMessageBox::information(pai, titulo, texto);
}

void abreNoSistema(const AbreEndereco& gancho, const QUrl& endereco) {
    if (gancho) {
        static_cast<void>(gancho(endereco));
        return;
    }
    static_cast<void>(QDesktopServices::openUrl(endereco));
}

}  // namespace pelmar
