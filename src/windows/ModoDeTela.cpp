#include "windows/ModoDeTela.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace pelmar {

bool MUDA_TELA(int /*largura*/, int /*altura*/, int /*bitsPorPixel*/) { return false; }

void telaCheia(QWidget& janela) {
    if (janela.isFullScreen()) {
        janela.showNormal();
    } else {
        janela.showFullScreen();
    }
}

QSize tamanhoDaTelaPrincipal() {
    const QScreen* tela = QGuiApplication::primaryScreen();
    return tela ? tela->size() : QSize();
}

QString textoDaConfiguracaoDaTela(QSize tamanho) {
    const int w = tamanho.width() < 0 ? 0 : tamanho.width();
    const int h = tamanho.height() < 0 ? 0 : tamanho.height();
    QString texto = QString::fromUtf8("Tela do seu MONITOR está configurada em:\n\n%1x%2\n\n").arg(w).arg(h);
    if (h < 600 || w < 800) {
        texto += "ERRO!\nMude para 800x600!";
    } else {
        texto += QString::fromUtf8("Configuração OK!");
    }
    return texto;
}

void leConfiguracaoDaTela(const MensagemDeJanela& mensagem, QWidget* pai, QSize tamanho) {
    mostraMensagem(mensagem, pai, "Pelmar", textoDaConfiguracaoDaTela(tamanho));
}

}  // namespace pelmar
