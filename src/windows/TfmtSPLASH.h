#pragma once

#include <QString>
#include <QWidget>

class QLabel;

namespace pelmar {

// The small frameless window shown while the program loads: its name, its version and what is
// being loaded. The host shows it before the start-up loading and closes it once the table is
// ready.
class TfmtSPLASH : public QWidget {
public:
    explicit TfmtSPLASH(QWidget* pai = nullptr);

    // Centred on the primary screen and painted at once: the event loop is not running yet.
    void mostra();
    // The line under the name; painted at once when the window is shown.
    void progresso(const QString& texto);

    QString textoDoProgresso() const;

private:
    QLabel* progresso_ = nullptr;
};

}  // namespace pelmar
