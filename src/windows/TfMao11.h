#pragma once

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;

namespace pelmar {

// Asks the user whether his side plays its hand of eleven. Modal; 1 play, 2 decline, or 0 when
// the game closed it unanswered.
class TfMao11 : public QDialog {
public:
    // Answers at once without showing anything (window tests, automatic hosts).
    using RespostaAutomatica = std::function<int()>;
    // Where the window goes, given its outer size.
    using Lugar = std::function<QPoint(QSize)>;

    explicit TfMao11(QWidget* pai = nullptr);

    void defineRespostaAutomatica(RespostaAutomatica resposta);

    // Throws std::invalid_argument when an automatic answer is not 1 or 2. Without `lugar` the
    // window opens where the system puts it.
    int pergunta(const Lugar& lugar = {});

protected:
    // The question must be answered: Escape and the close box are ignored.
    void reject() override;

private:
    RespostaAutomatica automatica_;
    QLabel* texto_ = nullptr;
    QPushButton* aceitar_ = nullptr;
    QPushButton* recusar_ = nullptr;
};

}  // namespace pelmar
