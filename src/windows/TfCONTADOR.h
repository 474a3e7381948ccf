#pragma once

#include <QWidget>

class QLabel;

namespace pelmar {

class ModeloMesa;

// The rule counter: shows a long rule operation's progress. The operation drives the table
// model's controls "TfCONTADOR" (caption, shown or not), "NUMERO", "Total" and "Maximo"; the
// window only follows them, placed over the main window's corner each time it appears.
class TfCONTADOR : public QWidget {
public:
    // `janela` is the main window it is placed against (it may be null).
    TfCONTADOR(const ModeloMesa& mesa, QWidget* janela = nullptr);

    void sincroniza();

private:
    const ModeloMesa& mesa_;
    QWidget* janela_;
    QLabel* numero_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* maximo_ = nullptr;
};

}  // namespace pelmar
