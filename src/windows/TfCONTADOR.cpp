#include "windows/TfCONTADOR.h"

#include <QGridLayout>
#include <QLabel>

#include "engine/ModeloMesa.h"
#include "windows/GanchosDeJanela.h"

namespace pelmar {

namespace {

QLabel* criaRotulo(QWidget* pai, const QString& nome, const QString& texto, Qt::Alignment alinhamento) {
    auto* rotulo = new QLabel(texto, pai);
    rotulo->setObjectName(nome);
    rotulo->setAlignment(alinhamento | Qt::AlignVCenter);
    return rotulo;
}

void mudaTexto(QLabel* rotulo, const std::string& texto) {
    const QString novo = QString::fromStdString(texto);
    if (rotulo->text() != novo) rotulo->setText(novo);
}

}  // namespace

TfCONTADOR::TfCONTADOR(const ModeloMesa& mesa, QWidget* janela)
    : QWidget(janela, Qt::Tool), mesa_(mesa), janela_(janela) {
    setObjectName("TfCONTADOR");
    setWindowTitle("Contador de Regras");
    // Progress only: the keyboard stays with the table.
    setAttribute(Qt::WA_ShowWithoutActivating);

    auto* grade = new QGridLayout(this);
    grade->addWidget(criaRotulo(this, "ROTULO_LENDO", "Lendo:", Qt::AlignLeft), 0, 0);
    grade->addWidget(criaRotulo(this, "ROTULO_TOTAL", "Total:", Qt::AlignLeft), 1, 0);
    grade->addWidget(criaRotulo(this, "ROTULO_MAXIMO", "Maximo:", Qt::AlignLeft), 2, 0);
    numero_ = criaRotulo(this, "NUMERO", "000000", Qt::AlignRight);
    total_ = criaRotulo(this, "Total", "000000", Qt::AlignRight);
    maximo_ = criaRotulo(this, "Maximo", "000000", Qt::AlignRight);
    grade->addWidget(numero_, 0, 1);
    grade->addWidget(total_, 1, 1);
    grade->addWidget(maximo_, 2, 1);
    setFixedSize(175, 97);
}

void TfCONTADOR::sincroniza() {
    const Controle& janela = mesa_["TfCONTADOR"];
    if (!janela.visivel) {
        if (isVisible()) hide();
        return;
    }
    const QString legenda = QString::fromStdString(janela.texto);
    if (windowTitle() != legenda) setWindowTitle(legenda);
    mudaTexto(numero_, mesa_["NUMERO"].texto);
    mudaTexto(total_, mesa_["Total"].texto);
    mudaTexto(maximo_, mesa_["Maximo"].texto);
    if (isVisible()) return;
    show();
    // Placed once shown, when the position counts the window frame, as the main window's does.
    if (janela_) move(posicaoDeJanelaAuxiliar(*janela_));
}

}  // namespace pelmar
