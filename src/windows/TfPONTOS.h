#pragma once

#include <QWidget>

#include <string>
#include <utility>
#include <vector>

class QLabel;

namespace pelmar {

class Jogo;
struct ModeloPontos;

// "Informações Uteis": the user's counters as the game last wrote them into its model. The
// window has no will of its own: the model says what it shows and whether it is open.
class TfPONTOS : public QWidget {
public:
    explicit TfPONTOS(ModeloPontos& modelo, QWidget* pai = nullptr);

    // Follows the model; cheap when nothing changed, so the main window may call it on every tick.
    void sincroniza();
    // "E&statisticas do Jogo".
    void abre();

protected:
    void closeEvent(QCloseEvent* evento) override;

private:
    ModeloPontos& modelo_;
    std::vector<std::pair<QLabel*, const std::string*>> contadores_;
};

// "Limpa as Estatisticas e Recordes do PELMAR", once confirmed: resets and saves, then shows the
// cleared counters.
void limpaEstatisticas(Jogo& jogo, TfPONTOS& pontos);

}  // namespace pelmar
