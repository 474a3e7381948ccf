#include "windows/TfABOUT.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "windows/DesenhosDoPelmar.h"

namespace pelmar {

namespace {

QLabel* rotulo(QWidget* pai, const QString& nome, const QString& texto) {
    auto* r = new QLabel(texto, pai);
    r->setObjectName(nome);
    return r;
}

QLabel* figura(QWidget* pai, const QString& nome, const QPixmap& desenho) {
    auto* r = new QLabel(pai);
    r->setObjectName(nome);
    r->setPixmap(desenho);
    r->setFixedSize(desenho.size());
    return r;
}

}  // namespace

TfABOUT::TfABOUT(QWidget* pai) : QDialog(pai) {
    setObjectName("TfABOUT");
    setWindowTitle("Sobre o Pelmar");
    setModal(true);

    auto* nome = rotulo(this, "PROGRAMA", NOME_DO_PROGRAMA);
    QFont grande = nome->font();
    grande.setPointSize(grande.pointSize() * 2);
    grande.setBold(true);
    nome->setFont(grande);
    nome->setAlignment(Qt::AlignCenter);

    auto* dados = new QGridLayout;
    dados->addWidget(rotulo(this, "ROTULO_VERSAO", QString::fromUtf8("Versão:")), 0, 0);
    dados->addWidget(rotulo(this, "VERSAO", VERSAO_DO_PROGRAMA), 0, 1);
    dados->addWidget(rotulo(this, "ROTULO_DATA", "Data:"), 1, 0);
    dados->addWidget(rotulo(this, "DATA", DATA_DO_PROGRAMA), 1, 1);

    auto* figuras = new QHBoxLayout;
    figuras->addWidget(figura(this, "IMAGEM_1", desenhaLequeDeManilhas(QSize(160, 120))));
    figuras->addWidget(figura(this, "IMAGEM_2", desenhaPalitosNaMesa(QSize(160, 120))));

    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("FECHAR");
    connect(fechar, &QPushButton::clicked, this, [this] { accept(); });

    auto* geral = new QVBoxLayout(this);
    geral->addWidget(nome);
    geral->addLayout(figuras);
    geral->addLayout(dados);
    geral->addWidget(fechar, 0, Qt::AlignHCenter);
}

void TfABOUT::mostra(QPoint onde) {
    move(onde);
    exec();
}

}  // namespace pelmar
