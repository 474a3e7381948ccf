#include "windows/TfPONTOS.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QPushButton>
#include <QVBoxLayout>

#include "jogo/Jogo.h"
#include "records/ModeloPontos.h"
#include "windows/GanchosDeJanela.h"

namespace pelmar {

namespace {

constexpr int LARGURA = 321;
// Where every auxiliary window opens, from the main window's top-left corner.

QLabel* rotulo(QWidget* pai, const QString& nome, const QString& texto, Qt::Alignment alinhamento = Qt::AlignLeft) {
    auto* r = new QLabel(texto, pai);
    r->setObjectName(nome);
    r->setAlignment(alinhamento | Qt::AlignVCenter);
    return r;
}

QLabel* negrito(QLabel* r) {
    QFont fonte = r->font();
    fonte.setBold(true);
    r->setFont(fonte);
    return r;
}

}  // namespace

TfPONTOS::TfPONTOS(ModeloPontos& modelo, QWidget* pai) : QWidget(pai, Qt::Tool), modelo_(modelo) {
    setObjectName("TfPONTOS");
    setWindowTitle("Informações Uteis");
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    setPalette(paleta);
    setAutoFillBackground(true);

    auto contador = [this](const QString& nome, const std::string& texto) {
        auto* r = rotulo(this, nome, QString::fromStdString(texto), Qt::AlignRight);
        contadores_.emplace_back(r, &texto);
        return r;
    };

    auto* grade = new QGridLayout;
    auto* titulo = negrito(rotulo(this, "ROTULO_ESTATISTICAS", "Estatísticas", Qt::AlignHCenter));
    grade->addWidget(titulo, 0, 0, 1, 3);
    grade->addWidget(negrito(rotulo(this, "ROTULO_BOM", "Bom", Qt::AlignRight)), 1, 1);
    grade->addWidget(negrito(rotulo(this, "ROTULO_MAU", "Mau", Qt::AlignRight)), 1, 2);
    struct Linha {
        const char* nome;
        const char* texto;
        const char* pro;
        const std::string& valorPro;
        const char* contra;
        const std::string& valorContra;
    };
    const Linha linhas[] = {
        {"ROTULO_MELHOR_DE_3", "Melhor de 3:", "BOI_PRO", modelo_.BOI_PRO, "BOI_CONTRA", modelo_.BOI_CONTRA},
        {"ROTULO_PARTIDAS", "Partidas:", "VITORIAS", modelo_.VITORIAS, "DEROTAS", modelo_.DEROTAS},
        {"ROTULO_RODADAS", "Rodadas:", "RODADAS_PRO", modelo_.RODADAS_PRO, "RODADAS_CONTRA", modelo_.RODADAS_CONTRA},
        {"ROTULO_PONTOS", "Pontos:", "PONTOS_PRO", modelo_.PONTOS_PRO, "PONTOS_CONTRA", modelo_.PONTOS_CONTRA},
    };
    int linha = 2;
    for (const Linha& l : linhas) {
        grade->addWidget(rotulo(this, l.nome, l.texto), linha, 0);
        grade->addWidget(contador(l.pro, l.valorPro), linha, 1);
        grade->addWidget(contador(l.contra, l.valorContra), linha, 2);
        ++linha;
    }

    auto* bevel = new QFrame(this);
    bevel->setObjectName("BEVEL");
    bevel->setFrameShape(QFrame::HLine);
    bevel->setFrameShadow(QFrame::Sunken);

    auto* totais = new QHBoxLayout;
    totais->addWidget(rotulo(this, "ROTULO_TOTAL_RODADAS", "Rodadas"));
    totais->addWidget(contador("RODADAS", modelo_.RODADAS));
    totais->addSpacing(20);
    totais->addWidget(rotulo(this, "ROTULO_TOTAL_PARTIDAS", "Partidas"));
    totais->addWidget(contador("PARTIDAS", modelo_.PARTIDAS));
    totais->addStretch(1);

    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("Fechar");
    connect(fechar, &QPushButton::clicked, this, [this] { close(); });

    auto* geral = new QVBoxLayout(this);
    geral->addLayout(grade);
    geral->addWidget(bevel);
    geral->addLayout(totais);
    geral->addWidget(fechar, 0, Qt::AlignRight);
    setFixedWidth(LARGURA);
}

void TfPONTOS::sincroniza() {
    for (auto& [r, texto] : contadores_) {
        const QString novo = QString::fromStdString(*texto);
        if (r->text() != novo) r->setText(novo);
    }
    if (modelo_.visivel == isVisible()) return;
    if (!modelo_.visivel) {
        hide();
        return;
    }
    if (QWidget* pai = parentWidget()) move(posicaoDeJanelaAuxiliar(*pai->window()));
    show();
}

void TfPONTOS::abre() {
    modelo_.visivel = true;
    sincroniza();
    raise();
}

// Closed by its button or its title bar alike: the model must not open it again on the next tick.
void TfPONTOS::closeEvent(QCloseEvent* evento) {
    modelo_.visivel = false;
    evento->accept();
}

void limpaEstatisticas(Jogo& jogo, TfPONTOS& pontos) {
    jogo.pontuacao.LIMPA_ESTATISTICAS();
    pontos.sincroniza();
}

}  // namespace pelmar
