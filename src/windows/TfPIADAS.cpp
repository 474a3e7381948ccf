#include "windows/TfPIADAS.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

#include "engine/ModeloMesa.h"

namespace pelmar {

TfPIADAS::TfPIADAS(QWidget* pai) : QWidget(pai, Qt::Tool) {
    setObjectName("TfPIADAS");
    setWindowTitle("PIADAS");
    setAttribute(Qt::WA_ShowWithoutActivating);
    texto_ = new QPlainTextEdit(this);
    texto_->setObjectName("TEXTO");
    texto_->setReadOnly(true);
    texto_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    texto_->setStyleSheet("QPlainTextEdit { background: #00ff00; color: #000000; }");
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("Fechar");
    connect(fechar, &QPushButton::clicked, this, [this] {
        hide();
        if (aoFechar) aoFechar();
    });
    auto* geral = new QVBoxLayout(this);
    geral->addWidget(texto_, 1);
    geral->addWidget(fechar, 0, Qt::AlignRight);
    resize(414, 206);
}

bool TfPIADAS::sincroniza(const Controle& controle) {
    if (!controle.visivel) {
        mostrado_.clear();
        if (isVisible()) hide();
        return false;
    }
    if (isVisible() && controle.texto == mostrado_) return false;
    mostrado_ = controle.texto;
    texto_->setPlainText(QString::fromStdString(controle.texto));
    show();
    return true;
}

QString TfPIADAS::texto() const { return texto_->toPlainText(); }

}  // namespace pelmar
