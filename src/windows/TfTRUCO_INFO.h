#pragma once

#include <QWidget>

class QImage;
class QLabel;

namespace pelmar {

struct Controle;

// The small window that shows a truco shout and the caller's picture. It has no will of its
// own: the table model's control of the same name says when it shows and what, and the
// engine's blink tick hides it.
class TfTRUCO_INFO : public QWidget {
public:
    explicit TfTRUCO_INFO(QWidget* pai = nullptr);

    // Follows the model control; the portrait is the one of the seat in its `carta`.
    void sincroniza(const Controle& controle, const QImage& retrato);

    // The seat whose picture is shown (0 before any shout).
    int chamador() const { return chamador_; }

private:
    QLabel* retrato_ = nullptr;
    QLabel* texto_ = nullptr;
    int chamador_ = 0;
};

}  // namespace pelmar
