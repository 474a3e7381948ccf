#pragma once

#include <QLabel>
#include <QString>

namespace pelmar {

// The caller's portrait, at the size the table shows the seats.
inline QLabel* criaRetrato(QWidget* pai) {
    auto* retrato = new QLabel(pai);
    retrato->setObjectName("IMG_CHAMADOR");
    retrato->setFixedSize(100, 80);
    retrato->setScaledContents(true);
    return retrato;
}

// A centred label in bold, its font scaled from the default.
inline QLabel* criaRotuloDestaque(QWidget* pai, const QString& nome, int escala) {
    auto* rotulo = new QLabel(pai);
    rotulo->setObjectName(nome);
    rotulo->setAlignment(Qt::AlignCenter);
    QFont fonte = rotulo->font();
    fonte.setPointSize(fonte.pointSize() * escala);
    fonte.setBold(true);
    rotulo->setFont(fonte);
    return rotulo;
}

}  // namespace pelmar
