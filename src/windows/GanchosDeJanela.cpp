#include "windows/GanchosDeJanela.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
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

bool entregaAoSistema(const AbreEndereco& gancho, const QUrl& endereco) {
    return gancho ? gancho(endereco) : QDesktopServices::openUrl(endereco);
}

QString textoDeFalhaAoAbrir(const QUrl& endereco, bool faltando) {
    if (endereco.isLocalFile()) {
        const QString caminho = QDir::toNativeSeparators(endereco.toLocalFile());
        if (faltando) return QString::fromUtf8("Não encontrei o arquivo:\n%1").arg(caminho);
        return QString::fromUtf8("Não consegui abrir:\n%1\n\nNenhum programa deste computador aceitou abri-lo. "
                                 "Você pode abri-lo por conta própria a partir dessa pasta.")
            .arg(caminho);
    }
    return QString::fromUtf8("Não consegui abrir o endereço:\n%1\n\nNenhum programa deste computador "
                             "(um navegador ou um programa de e-mail) aceitou abri-lo.")
        .arg(endereco.toString());
}

bool abreNoSistema(const AbreEndereco& gancho, const QUrl& endereco, const MensagemDeJanela& aviso, QWidget* pai) {
    if (endereco.isLocalFile()) {
        if (!QFileInfo::exists(endereco.toLocalFile())) {
            mostraMensagem(aviso, pai, "Pelmar", textoDeFalhaAoAbrir(endereco, true));
            return false;
        }
    }
    if (entregaAoSistema(gancho, endereco)) return true;
    mostraMensagem(aviso, pai, "Pelmar", textoDeFalhaAoAbrir(endereco, false));
    return false;
}

bool abreArquivoDaPasta(const AbreEndereco& gancho, const PastaTrabalho& pasta, std::string_view relativo,
                        const MensagemDeJanela& aviso, QWidget* pai, const QString& ancora) {
    QUrl endereco = QUrl::fromLocalFile(QString::fromStdString(pasta.resolve(relativo).string()));
    if (!ancora.isEmpty()) endereco.setFragment(ancora);
    return abreNoSistema(gancho, endereco, aviso, pai);
}

}  // namespace pelmar
