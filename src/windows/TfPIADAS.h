#pragma once

#include <QWidget>

#include <functional>
#include <string>

class QPlainTextEdit;

namespace pelmar {

struct Controle;

// The jokes window: a joke told now and then, shown until the user closes it.
class TfPIADAS : public QWidget {
public:
    explicit TfPIADAS(QWidget* pai = nullptr);

    // Shows a joke the model asks for, or hides the window when the model no longer shows one.
    // Returns true when a new joke has just appeared.
    bool sincroniza(const Controle& controle);

    QString texto() const;

    // "Fechar" pressed: the owner tells the model.
    std::function<void()> aoFechar;

private:
    QPlainTextEdit* texto_ = nullptr;
    std::string mostrado_;
};

}  // namespace pelmar
