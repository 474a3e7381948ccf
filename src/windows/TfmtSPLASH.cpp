#include "windows/TfmtSPLASH.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

#include "windows/DesenhosDoPelmar.h"
#include "windows/TfABOUT.h"

namespace pelmar {

TfmtSPLASH::TfmtSPLASH(QWidget* pai)
    : QWidget(pai, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName("TfmtSPLASH");
    setAutoFillBackground(true);
    QPalette cores = palette();
    cores.setColor(QPalette::Window, QColor(22, 92, 52));
    cores.setColor(QPalette::WindowText, Qt::white);
    setPalette(cores);

    auto* nome = new QLabel(NOME_DO_PROGRAMA, this);
    nome->setObjectName("PROGRAMA");
    QFont grande = nome->font();
    grande.setPointSize(grande.pointSize() * 2);
    grande.setBold(true);
    nome->setFont(grande);
    nome->setAlignment(Qt::AlignCenter);

    auto* desenho = new QLabel(this);
    desenho->setObjectName("IMAGEM");
    desenho->setPixmap(desenhaLequeDeManilhas(QSize(160, 120)));
    desenho->setAlignment(Qt::AlignCenter);

    auto* versao = new QLabel(QString::fromUtf8("Versão: ") + VERSAO_DO_PROGRAMA, this);
    versao->setObjectName("VERSAO");
    versao->setAlignment(Qt::AlignCenter);

    progresso_ = new QLabel(this);
    progresso_->setObjectName("PROGRESSO");
    progresso_->setAlignment(Qt::AlignCenter);
    progresso_->setMinimumWidth(240);

    auto* geral = new QVBoxLayout(this);
    geral->addWidget(nome);
    geral->addWidget(desenho);
    geral->addWidget(versao);
    geral->addWidget(progresso_);
}

void TfmtSPLASH::mostra() {
    adjustSize();
    if (const QScreen* tela = QGuiApplication::primaryScreen()) {
        move(tela->geometry().center() - rect().center());
    }
    show();
    repaint();
}

void TfmtSPLASH::progresso(const QString& texto) {
    progresso_->setText(texto);
    if (isVisible()) repaint();
}

QString TfmtSPLASH::textoDoProgresso() const { return progresso_->text(); }

}  // namespace pelmar
