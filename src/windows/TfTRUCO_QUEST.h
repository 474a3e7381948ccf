#pragma once

#include <QDialog>
#include <QImage>

#include <functional>

#include "engine/Tela.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QTimer;

namespace pelmar {

// The truco question put to the user when a computer seat calls: the caller's picture, the
// verse, the stake and three answers. Modal; it answers 1 accept, 2 run, 5 raise, or 0 when the
// game closed it unanswered.
class TfTRUCO_QUEST : public QDialog {
public:
    // Answers at once without showing anything (window tests, automatic hosts).
    using RespostaAutomatica = std::function<int(const PerguntaTruco&)>;
    // Where the window goes, given its outer size once filled in.
    using Lugar = std::function<QPoint(QSize)>;

    explicit TfTRUCO_QUEST(QWidget* pai = nullptr);

    void defineRespostaAutomatica(RespostaAutomatica resposta);

    // Throws std::invalid_argument when an automatic answer is not 1, 2 or 5. Without `lugar`
    // the window opens where the system puts it.
    int pergunta(const PerguntaTruco& pergunta, const QImage& retrato, const Lugar& lugar = {});

    // One step of the RESPONDA blink (Timer1's tick).
    void piscaResponda();

protected:
    // The question must be answered: Escape and the close box are ignored.
    void reject() override;

private:
    void preenche(const PerguntaTruco& pergunta, const QImage& retrato);

    RespostaAutomatica automatica_;
    QLabel* retrato_ = nullptr;
    QPlainTextEdit* verso_ = nullptr;
    QLabel* pontos_ = nullptr;
    QLabel* responda_ = nullptr;
    QPushButton* aceitar_ = nullptr;
    QPushButton* fugir_ = nullptr;
    QPushButton* subir_ = nullptr;
    QTimer* pisca_ = nullptr;
};

}  // namespace pelmar
