#pragma once

#include <QWidget>

#include <functional>
#include <string>

class QPlainTextEdit;

namespace pelmar {

struct Controle;
class ImagensDaMesa;

// The jokes window: a joke told now and then, shown until the user closes it. It sits on the
// table's own cloth, the joke on a sheet of lime paper.
class TfPIADAS : public QWidget {
public:
    explicit TfPIADAS(const ImagensDaMesa& imagens, QWidget* pai = nullptr);

    // Shows a joke the model asks for, or hides the window when the model no longer shows one.
    // Returns true when a new joke has just appeared.
    bool sincroniza(const Controle& controle);

    QString texto() const;

    // "Fechar" pressed: the owner tells the model.
    std::function<void()> aoFechar;

protected:
    void paintEvent(QPaintEvent* evento) override;

private:
    const ImagensDaMesa& imagens_;
    QPlainTextEdit* texto_ = nullptr;
    std::string mostrado_;
};

}  // namespace pelmar
