#include "windows/TfTRUCO_INFO.h"

#include <QHBoxLayout>
#include <QImage>
#include <QLabel>
#include <QPixmap>

#include "engine/ModeloMesa.h"
#include "windows/RotulosDeJanela.h"

namespace pelmar {


TfTRUCO_INFO::TfTRUCO_INFO(QWidget* pai) : QWidget(pai, Qt::Tool) {
    setObjectName("TfTRUCO_INFO");
    // Information only: it must never take the keyboard from the table.
    setAttribute(Qt::WA_ShowWithoutActivating);

    retrato_ = criaRetrato(this);
    texto_ = criaRotuloDestaque(this, "TEXTO", 2);

    auto* geral = new QHBoxLayout(this);
    geral->addWidget(retrato_);
    geral->addWidget(texto_, 1);
}

void TfTRUCO_INFO::sincroniza(const Controle& controle, const QImage& retrato) {
    if (!controle.visivel) {
        hide();
        return;
    }
    chamador_ = controle.carta;
    texto_->setText(QString::fromStdString(controle.texto));
    // A missing portrait leaves an empty frame rather than hiding the shout.
    if (retrato.isNull()) retrato_->clear();
    else retrato_->setPixmap(QPixmap::fromImage(retrato));
    show();
}

}  // namespace pelmar
