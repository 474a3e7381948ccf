#pragma once

#include <QFont>
#include <QMainWindow>
#include <QStringList>

#include <cstddef>
#include <string>

#include "base/Ouvintes.h"

class QAction;
class QPlainTextEdit;
class QTimer;

namespace pelmar {

class Historico;

// The family if the system has it, else the system's fixed-width font, at the given size.
QFont fonteDeLargura(const QString& familia, int pontos);

// The history log window: a view of the game's log, kept current as lines are written.
// It listens to the log's lines for as long as it lives.
class TfLOG : public QMainWindow {
public:
    explicit TfLOG(Historico& historico, QWidget* pai = nullptr);
    TfLOG(const TfLOG&) = delete;
    TfLOG& operator=(const TfLOG&) = delete;

    // Puts the lines written since the last call on screen now; the window also does it by
    // itself shortly after a line arrives.
    void sincroniza();

    QPlainTextEdit& memo() { return *memo_; }
    QAction& ativarHistorico() { return *ativar_; }

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void recebe(const std::string& linha);
    void reconstroi();

    Historico& historico_;
    Ouvintes<std::string>::Assinatura assinatura_;
    QPlainTextEdit* memo_ = nullptr;
    QAction* ativar_ = nullptr;
    QTimer* descarga_ = nullptr;
    QStringList pendentes_;
    // Lines of the log already in the memo; meaningful while the log keeps its lines.
    std::size_t mostradas_ = 0;
    bool desatualizado_ = true;
    bool jaPosta_ = false;
};

}  // namespace pelmar
