#include "windows/TfmtPERSONALIDADE.h"

#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "players/FichaDaPersonalidade.h"

namespace pelmar {

namespace {

constexpr int LARGURA_DOS_VALORES = 320;

}  // namespace

TfmtPERSONALIDADE::TfmtPERSONALIDADE(QWidget* pai) : QDialog(pai) {
    setObjectName("TfmtPERSONALIDADE");
    setWindowTitle("Personalidade do Jogador");
    setModal(true);
    campos_ = new QFormLayout;
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("FECHAR");
    fechar->setAutoDefault(false);
    connect(fechar, &QPushButton::clicked, this, [this] { accept(); });
    auto* geral = new QVBoxLayout(this);
    geral->addLayout(campos_);
    geral->addWidget(fechar, 0, Qt::AlignRight);
    geral->setSizeConstraint(QLayout::SetFixedSize);
}

void TfmtPERSONALIDADE::carrega(int assento, const std::vector<ItemDaFicha>& ficha) {
    setWindowTitle(QString("Personalidade do Jogador %1").arg(assento));
    while (campos_->rowCount() > 0) campos_->removeRow(0);
    for (const ItemDaFicha& item : ficha) {
        auto* valor = new QLabel(QString::fromStdString(item.valor), this);
        valor->setObjectName(QString::fromStdString(item.controle));
        valor->setWordWrap(true);
        valor->setFixedWidth(LARGURA_DOS_VALORES);
        valor->setTextInteractionFlags(Qt::TextSelectableByMouse);
        campos_->addRow(QString::fromStdString(item.rotulo + ":"), valor);
    }
}

void TfmtPERSONALIDADE::mostra(int assento, const std::vector<ItemDaFicha>& ficha) {
    carrega(assento, ficha);
    if (aoMostrar) {
        aoMostrar();
        return;
    }
    exec();
}

}  // namespace pelmar
