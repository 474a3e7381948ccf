#include "windows/TfLOG.h"

#include <QAction>
#include <QFontDatabase>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QShowEvent>
#include <QTimer>

#include <algorithm>

#include "engine/Historico.h"

namespace pelmar {

namespace {

// Lines that arrive together are put on screen together, at the table's redraw pace.
constexpr int INTERVALO_DESCARGA_MS = 30;

}  // namespace

QFont fonteDeLargura(const QString& familia, int pontos) {
    if (QFontDatabase::hasFamily(familia)) {
        QFont fonte(familia, pontos);
        fonte.setStyleHint(QFont::TypeWriter);
        return fonte;
    }
    // The log's prefixes only line up in a fixed-width font.
    QFont fonte = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    fonte.setPointSize(pontos);
    return fonte;
}

TfLOG::TfLOG(Historico& historico, QWidget* pai) : QMainWindow(pai, Qt::Window), historico_(historico) {
    setObjectName("TfLOG");
    setWindowTitle("Log");

    memo_ = new QPlainTextEdit(this);
    memo_->setObjectName("LOG");
    // The saved log is the game's own record; edits here could never reach it.
    memo_->setReadOnly(true);
    memo_->setFrameShape(QFrame::NoFrame);
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setFont(fonteDeLargura("Courier New", 8));
    setCentralWidget(memo_);

    QMenu* arquivo = menuBar()->addMenu("Arquivo");
    arquivo->setObjectName("Arquivo");
    ativar_ = arquivo->addAction("Ativar histórico de jogadas");
    ativar_->setObjectName("ATIVAR_HISTORICO");
    ativar_->setCheckable(true);
    ativar_->setChecked(false);
    connect(ativar_, &QAction::triggered, this, [this](bool marcado) { historico_.HISTORICO_ATIVO = marcado; });
    QAction* sair = arquivo->addAction("Sair");
    sair->setObjectName("SAIR_LOG");
    connect(sair, &QAction::triggered, this, [this] { close(); });

    descarga_ = new QTimer(this);
    descarga_->setSingleShot(true);
    descarga_->setInterval(INTERVALO_DESCARGA_MS);
    connect(descarga_, &QTimer::timeout, this, [this] { sincroniza(); });

    assinatura_ = historico_.aoEscrever.assina([this](const std::string& linha) { recebe(linha); });

    resize(787, 280);
    move(8, 600);
}

void TfLOG::recebe(const std::string& linha) {
    // While hidden the log itself holds the lines; the memo is rebuilt from it when shown.
    if (historico_.guardaLinhas && !isVisible()) {
        pendentes_.clear();
        desatualizado_ = true;
        return;
    }
    pendentes_.append(QString::fromStdString(linha));
    if (!descarga_->isActive()) descarga_->start();
}

void TfLOG::sincroniza() {
    descarga_->stop();
    if (historico_.guardaLinhas) {
        if (!isVisible()) {
            pendentes_.clear();
            desatualizado_ = true;
            return;
        }
        // Every stored line passes through `recebe`, so any other count means the log was
        // cleared meanwhile.
        if (desatualizado_ || historico_.linhas().size() != mostradas_ + static_cast<std::size_t>(pendentes_.size())) {
            reconstroi();
            return;
        }
    }
    if (pendentes_.isEmpty()) return;
    memo_->appendPlainText(pendentes_.join('\n'));
    mostradas_ += static_cast<std::size_t>(pendentes_.size());
    pendentes_.clear();
}

void TfLOG::reconstroi() {
    const auto& linhas = historico_.linhas();
    QStringList todas;
    todas.reserve(static_cast<qsizetype>(linhas.size()));
    for (const std::string& linha : linhas) todas.append(QString::fromStdString(linha));
    memo_->setPlainText(todas.join('\n'));
    memo_->verticalScrollBar()->setValue(memo_->verticalScrollBar()->maximum());
    mostradas_ = linhas.size();
    pendentes_.clear();
    desatualizado_ = false;
}

void TfLOG::showEvent(QShowEvent* evento) {
    QMainWindow::showEvent(evento);
    if (!jaPosta_) {
        jaPosta_ = true;
        // Left 8, top 600 suits the design screen; a smaller one must still show the window.
        if (QScreen* tela = screen()) {
            const QRect area = tela->availableGeometry();
            QRect quadro = frameGeometry();
            if (!area.contains(quadro)) {
                quadro.moveRight(std::min(quadro.right(), area.right()));
                quadro.moveBottom(std::min(quadro.bottom(), area.bottom()));
                quadro.moveLeft(std::max(quadro.left(), area.left()));
                quadro.moveTop(std::max(quadro.top(), area.top()));
                move(quadro.topLeft());
            }
        }
    }
    sincroniza();
}

}  // namespace pelmar
