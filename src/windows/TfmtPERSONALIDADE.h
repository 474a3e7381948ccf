#pragma once

#include <QDialog>

#include <functional>
#include <vector>

class QFormLayout;

namespace pelmar {

struct ItemDaFicha;

// "Personalidade do Jogador": a read-only card of what a seat's personality makes it do at the
// table. Opened from the players window, modal over it.
class TfmtPERSONALIDADE : public QDialog {
public:
    explicit TfmtPERSONALIDADE(QWidget* pai = nullptr);

    // Fills the card for seat 1..4 without showing it.
    void carrega(int assento, const std::vector<ItemDaFicha>& ficha);
    // carrega() and shown modal; tests set `aoMostrar` to look at it instead.
    void mostra(int assento, const std::vector<ItemDaFicha>& ficha);

    std::function<void()> aoMostrar;

private:
    QFormLayout* campos_ = nullptr;
};

}  // namespace pelmar
