#include "windows/TfMao11.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <stdexcept>
#include <string>
#include <utility>

#include "engine/Tela.h"
#include "windows/LugarDasPerguntas.h"

namespace pelmar {

namespace {

bool respostaValida(int r) { return r == resposta::JOGAR_ONZE || r == resposta::RECUSAR_ONZE; }

}  // namespace

TfMao11::TfMao11(QWidget* pai) : QDialog(pai) {
    setObjectName("TfMao11");
    setModal(true);
    setWindowTitle(QString::fromUtf8("Mão de ONZE !"));

    texto_ = new QLabel(QString::fromUtf8("Vamos jogar esta mão de onze?"), this);
    texto_->setObjectName("TEXTO");
    texto_->setAlignment(Qt::AlignCenter);
    QFont negrito = texto_->font();
    negrito.setBold(true);
    texto_->setFont(negrito);

    aceitar_ = new QPushButton("ACEITAR", this);
    aceitar_->setObjectName("ACEITAR");
    recusar_ = new QPushButton("RECUSAR", this);
    recusar_->setObjectName("RECUSAR");
    // No default button: Enter must not decide the hand by accident.
    for (QPushButton* b : {aceitar_, recusar_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(aceitar_, &QPushButton::clicked, this, [this] { done(resposta::JOGAR_ONZE); });
    connect(recusar_, &QPushButton::clicked, this, [this] { done(resposta::RECUSAR_ONZE); });

    auto* botoes = new QHBoxLayout;
    botoes->addWidget(aceitar_);
    botoes->addWidget(recusar_);
    auto* geral = new QVBoxLayout(this);
    geral->addWidget(texto_);
    geral->addLayout(botoes);
}

void TfMao11::defineRespostaAutomatica(RespostaAutomatica resposta) {
    automatica_ = std::move(resposta);
}

int TfMao11::pergunta(const Lugar& lugar) {
    poeNoLugar(*this, lugar);
    if (automatica_) {
        const int r = automatica_();
        if (!respostaValida(r)) {
            throw std::invalid_argument("A resposta automática à mão de onze deve ser 1 ou 2, não " +
                                        std::to_string(r) + ".");
        }
        return r;
    }
    const int r = exec();
    // Only the game's close ends the question without an answer; the game decides what that means.
    return respostaValida(r) ? r : resposta::NENHUMA;
}

void TfMao11::reject() {}

}  // namespace pelmar
