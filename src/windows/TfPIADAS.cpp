#include "windows/TfPIADAS.h"

#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <functional>

#include "engine/ModeloMesa.h"
#include "presentation/ImagensDaMesa.h"

namespace pelmar {

namespace {

// The joke's sheet: lime paper, softened so a few lines can be read on it, framed in the
// table's wood. The scroll bar stays, in the same wood.
constexpr const char* ESTILO_DO_PAPEL =
    "QPlainTextEdit { background: #d4f59a; color: #1b2a0c; border: 3px solid #7a4a10; border-radius: 8px;"
    " padding: 4px 6px; font-size: 14px; }"
    "QScrollBar:vertical { background: #e6f8c4; width: 12px; margin: 2px; border-radius: 5px; }"
    "QScrollBar::handle:vertical { background: #a87a3a; min-height: 24px; border-radius: 4px; }"
    "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical { height: 0; }";

// The table's own buttons.
constexpr const char* ESTILO_DO_BOTAO =
    "QPushButton { background: #f4e7b8; color: #5a1a00; border: 2px solid #7a4a10; border-radius: 6px;"
    " padding: 3px 18px; font-weight: bold; }"
    "QPushButton:hover { background: #ffd75a; }"
    "QPushButton:pressed { background: #e0b030; }";

}  // namespace

TfPIADAS::TfPIADAS(const ImagensDaMesa& imagens, QWidget* pai) : QWidget(pai, Qt::Tool), imagens_(imagens) {
    setObjectName("TfPIADAS");
    setWindowTitle("PIADAS");
    setAttribute(Qt::WA_ShowWithoutActivating);
    texto_ = new QPlainTextEdit(this);
    texto_->setObjectName("TEXTO");
    texto_->setReadOnly(true);
    texto_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    texto_->setStyleSheet(ESTILO_DO_PAPEL);
    auto* fechar = new QPushButton("Fechar", this);
    fechar->setObjectName("Fechar");
    fechar->setStyleSheet(ESTILO_DO_BOTAO);
    fechar->setCursor(Qt::PointingHandCursor);
    connect(fechar, &QPushButton::clicked, this, [this] {
        hide();
        if (aoFechar) aoFechar();
    });
    auto* geral = new QVBoxLayout(this);
    geral->setContentsMargins(12, 12, 12, 10);
    geral->setSpacing(8);
    geral->addWidget(texto_, 1);
    geral->addWidget(fechar, 0, Qt::AlignRight);
    resize(414, 206);
}

void TfPIADAS::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QImage& pano = imagens_.mesa();
    if (pano.isNull()) {
        p.fillRect(rect(), QColor(22, 92, 52));
    } else {
        // The cloth covers the window, cut evenly where its shape differs, as on the table.
        const QImage coberto = pano.scaled(size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        p.drawImage(QPoint(0, 0), coberto, QRect(QPoint((coberto.width() - width()) / 2,
                                                        (coberto.height() - height()) / 2), size()));
    }
    p.setPen(QPen(QColor(122, 74, 16), 4));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(rect()).adjusted(2, 2, -2, -2));
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
