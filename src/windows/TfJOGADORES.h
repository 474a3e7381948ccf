#pragma once

#include <QDialog>
#include <QPixmap>
#include <QPoint>
#include <QString>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "jogo/EscolhaDeJogadores.h"
#include "presentation/SinaisDoRosto.h"
#include "windows/GanchosDeJanela.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QListWidget;
class QTimer;

namespace pelmar {

class Jogo;
class TelaQt;
class TfmtPERSONALIDADE;

// "Lista de Jogadores e Sinais": who sits at the table and what their faces mean. The seats'
// names, the three "fixed" boxes, the characters of JOG with their nine faces and four voices,
// and a preview of the signals on the window's own timer (the game's waits and stop flag are
// left alone). Every choice reaches the running table at once; "Salvar Preferências" writes it.
class TfJOGADORES : public QDialog {
public:
    // `mesa` is the main window: the position a save records.
    TfJOGADORES(Jogo& jogo, TelaQt& tela, QWidget* mesa);

    // The controls set from the game as it is now, and the character list read again.
    void carrega();
    // carrega(), placed at `onde` and shown modal.
    void abre(QPoint onde);

    // The handlers, by the controls they belong to.
    void LISTAClick();
    void TestarClick();
    void sinalClick(int indice);
    void BT_JOGClick(int assento);
    void NOME_JOGChange(int assento);
    void CK_FIXOClick(int assento);
    void BT_SORTEIAClick();
    void vozClick(int valor);
    void btSALVARClick();
    void personalidadeClick(int assento);

    // The face the preview shows now, and whether its sequence still runs.
    int indiceNaPrevia() const { return indiceNaPrevia_; }
    bool previaEmAndamento() const;

    MensagemDeJanela mensagem;
    std::function<void()> aoMudarJogadores;
    // Hears every step of a preview as it is shown: the face and the caption.
    std::function<void(int indice, const QString& legenda)> aoMudarPrevia;
    TfmtPERSONALIDADE* janelaDaPersonalidade = nullptr;

protected:
    void hideEvent(QHideEvent* evento) override;

private:
    QWidget* montaJogadores();
    QWidget* montaPersonagens();
    QWidget* montaSinais();
    QString selecionado() const;
    void mostraPrevia(std::vector<PassoDaPrevia> passos);
    void proximoPasso();
    void desenhaPrevia(int indice);
    void habilitaNomes();
    // After a change: the controls follow the game, the table is redrawn, the result is told.
    void aplica(const ResultadoDaEscolha& resultado);
    void avisa(const QString& texto);

    Jogo& jogo_;
    TelaQt& tela_;
    QWidget* mesa_;
    EscolhaDeJogadores escolha_;
    bool carregando_ = true;

    std::array<QComboBox*, 5> nomes_{};
    std::array<QLabel*, 5> notas_{};
    std::array<QCheckBox*, 4> fixos_{};  // by group: 1 you, 2 the opponents, 3 the partner
    QListWidget* lista_ = nullptr;
    std::array<QLabel*, 9> imagens_{};
    std::array<QPixmap, 9> rostos_{};
    QPixmap nulo_;
    QLabel* sinal_ = nullptr;
    QLabel* txtSinal_ = nullptr;
    QLabel* aviso_ = nullptr;
    QTimer* relogio_ = nullptr;
    std::vector<PassoDaPrevia> passos_;
    std::size_t passo_ = 0;
    int indiceNaPrevia_ = 0;
};

}  // namespace pelmar
