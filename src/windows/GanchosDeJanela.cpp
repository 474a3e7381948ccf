#include "windows/GanchosDeJanela.h"

#include <QDesktopServices>
#include <QMessageBox>
#include <QPushButton>
#include <QWidget>

namespace pelmar {

QPoint posicaoDeJanelaAuxiliar(const QWidget& janelaPrincipal) {
    // The frame's corner, as the window's own position counts it once shown.
    return janelaPrincipal.frameGeometry().topLeft() + QPoint(10, 45);
}

void mostraMensagem(const MensagemDeJanela& gancho, QWidget* pai, const QString& titulo, const QString& texto) {
    if (gancho) {
        gancho(titulo, texto);
        return;
    }
    QMessageBox::information(pai, titulo, texto);
}

bool perguntaSimNao(QWidget* pai, const QString& titulo, const QString& texto) {
    QMessageBox caixa(QMessageBox::Question, titulo, texto, QMessageBox::Yes | QMessageBox::No, pai);
    caixa.button(QMessageBox::Yes)->setText(QStringLiteral("Sim"));
    caixa.button(QMessageBox::No)->setText(QString::fromUtf8("Não"));
    caixa.setDefaultButton(QMessageBox::No);
    caixa.setEscapeButton(QMessageBox::No);
    return caixa.exec() == QMessageBox::Yes;
}

void abreNoSistema(const AbreEndereco& gancho, const QUrl& endereco) {
    if (gancho) {
        static_cast<void>(gancho(endereco));
        return;
    }
    static_cast<void>(QDesktopServices::openUrl(endereco));
}

void abreArquivoDaPasta(const AbreEndereco& gancho, const PastaTrabalho& pasta, std::string_view relativo) {
    abreNoSistema(gancho, QUrl::fromLocalFile(QString::fromStdString(pasta.resolve(relativo).string())));
}

}  // namespace pelmar
