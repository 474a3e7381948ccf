#include "windows/TfTRUCO_QUEST.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <stdexcept>
#include <string>
#include <utility>

#include "windows/LugarDasPerguntas.h"
#include "windows/RotulosDeJanela.h"

namespace pelmar {

namespace {

constexpr int kPiscaMs = 500;
// The longest verses fill four lines of this width.
constexpr int LARGURA_DO_VERSO = 184;
constexpr int LINHAS_DO_VERSO = 5;

bool respostaValida(int r) {
    return r == resposta::ACEITAR || r == resposta::FUGIR || r == resposta::SUBIR;
}

}  // namespace

TfTRUCO_QUEST::TfTRUCO_QUEST(QWidget* pai) : QDialog(pai) {
    setObjectName("TfTRUCO_QUEST");
    setModal(true);

    retrato_ = criaRetrato(this);
    pontos_ = criaRotuloDestaque(this, "PONTOS", 2);

    verso_ = new QPlainTextEdit(this);
    verso_->setObjectName("Memo1");
    verso_->setReadOnly(true);

    responda_ = new QLabel("RESPONDA", this);
    responda_->setObjectName("RESPONDA");
    responda_->setAlignment(Qt::AlignCenter);
    QFont negrito = responda_->font();
    negrito.setBold(true);
    responda_->setFont(negrito);
    // The blink must not make the buttons jump.
    QSizePolicy politica = responda_->sizePolicy();
    politica.setRetainSizeWhenHidden(true);
    responda_->setSizePolicy(politica);

    aceitar_ = new QPushButton("ACEITAR", this);
    aceitar_->setObjectName("ACEITAR");
    fugir_ = new QPushButton("FUGIR", this);
    fugir_->setObjectName("FUGIR");
    subir_ = new QPushButton(this);
    subir_->setObjectName("BT_PONTOS");
    // No default button: Enter must not answer a truco by accident.
    for (QPushButton* b : {aceitar_, fugir_, subir_}) {
        b->setAutoDefault(false);
        b->setDefault(false);
    }
    connect(aceitar_, &QPushButton::clicked, this, [this] { done(resposta::ACEITAR); });
    connect(fugir_, &QPushButton::clicked, this, [this] { done(resposta::FUGIR); });
    connect(subir_, &QPushButton::clicked, this, [this] { done(resposta::SUBIR); });

    pisca_ = new QTimer(this);
    pisca_->setObjectName("Timer1");
    pisca_->setInterval(kPiscaMs);
    connect(pisca_, &QTimer::timeout, this, [this] { piscaResponda(); });

    // Narrow and upright: it opens in the band beside the caller's seat, clear of the cards.
    verso_->setFixedWidth(LARGURA_DO_VERSO);
    verso_->setFixedHeight(verso_->fontMetrics().lineSpacing() * LINHAS_DO_VERSO +
                           2 * (verso_->frameWidth() + static_cast<int>(verso_->document()->documentMargin())));
    verso_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    verso_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    auto* topo = new QHBoxLayout;
    topo->addWidget(retrato_);
    topo->addWidget(pontos_, 1);
    auto* botoes = new QGridLayout;
    botoes->addWidget(aceitar_, 0, 0);
    botoes->addWidget(fugir_, 0, 1);
    botoes->addWidget(subir_, 1, 0, 1, 2);
    auto* geral = new QVBoxLayout(this);
    geral->setContentsMargins(6, 6, 6, 6);
    geral->setSizeConstraint(QLayout::SetFixedSize);
    geral->addLayout(topo);
    geral->addWidget(verso_);
    geral->addWidget(responda_);
    geral->addLayout(botoes);
}

void TfTRUCO_QUEST::defineRespostaAutomatica(RespostaAutomatica resposta) {
    automatica_ = std::move(resposta);
}

void TfTRUCO_QUEST::preenche(const PerguntaTruco& pergunta, const QImage& retrato) {
    setWindowTitle(QString::fromStdString(pergunta.legenda));
    verso_->setPlainText(QString::fromStdString(pergunta.verso));
    pontos_->setText(QString::number(pergunta.valor));
    // A missing portrait leaves an empty frame rather than stopping the question.
    if (retrato.isNull()) retrato_->clear();
    else retrato_->setPixmap(QPixmap::fromImage(retrato));
    subir_->setText(QString::fromStdString(pergunta.textoSubir));
    subir_->setVisible(!pergunta.textoSubir.empty());
    responda_->setVisible(true);
}

int TfTRUCO_QUEST::pergunta(const PerguntaTruco& pergunta, const QImage& retrato, const Lugar& lugar) {
    preenche(pergunta, retrato);
    poeNoLugar(*this, lugar);
    if (automatica_) {
        const int r = automatica_(pergunta);
        if (!respostaValida(r)) {
            throw std::invalid_argument("A resposta automática ao truco deve ser 1, 2 ou 5, não " +
                                        std::to_string(r) + ".");
        }
        return r;
    }
    pisca_->start();
    const int r = exec();
    pisca_->stop();
    // Only the game's close ends the question without an answer; the game decides what that means.
    return respostaValida(r) ? r : resposta::NENHUMA;
}

void TfTRUCO_QUEST::piscaResponda() { responda_->setVisible(responda_->isHidden()); }

void TfTRUCO_QUEST::reject() {}

}  // namespace pelmar
