#pragma once

#include <QDialog>
#include <QPoint>

namespace pelmar {

inline constexpr const char* NOME_DO_PROGRAMA = "PELMAR";
inline constexpr const char* VERSAO_DO_PROGRAMA = "6.2.01";
inline constexpr const char* DATA_DO_PROGRAMA = "08/08/2009";

// "Sobre o Pelmar": the program's name, version and date, two pictures and "Fechar". Modal.
class TfABOUT : public QDialog {
public:
    explicit TfABOUT(QWidget* pai = nullptr);

    // Placed at `onde` and shown modal until closed.
    void mostra(QPoint onde);
};

}  // namespace pelmar
