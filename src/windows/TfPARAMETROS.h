#pragma once

#include <QWidget>

#include <functional>

class QAbstractButton;
class QCheckBox;
class QLabel;
class QRadioButton;
class QSlider;

namespace pelmar {

class Jogo;

// "Parâmetros do Jogo": the preferences and the run's switches. Every control acts on the
// running game at once; only "Salvar Preferências" writes the file.
class TfPARAMETROS : public QWidget {
public:
    // `mesa` is the main window: the parent, and the position that a save records.
    TfPARAMETROS(Jogo& jogo, QWidget* mesa);

    // Sets the controls from the game's current values without acting on the game. Called
    // once at start and before each showing, as the game may have changed them meanwhile.
    void carrega();
    // carrega() and show, where it is.
    void abre();
    // carrega() and show 10 pixels right and 45 below the main window's corner.
    void abreJuntoDaMesa();

private:
    QCheckBox* caixa(const char* nome, const char* texto, std::function<void(bool)> efeito);
    QRadioButton* opcao(const char* nome, const char* texto, std::function<void()> efeito);
    QSlider* trilha(const char* nome, Qt::Orientation sentido, int minimo, int maximo, int marcas,
                    std::function<void(int)> efeito);
    void liga(QAbstractButton* botao, std::function<void(bool)> efeito);

    QWidget* montaColunaTruco();
    QWidget* montaColunaTempos();
    QWidget* montaColunaNivel();

    // A seat's hand shown as card backs, or face up again.
    void viraMao(int jogador, bool fechada);
    void mudaEncobrir();
    void mudaModo();
    void mudaSugestao(bool ligada);
    void mudaCartasSairam(bool ligada);
    void mudaRapido(bool rapido);
    void mudaNivel(int posicao);
    void salva();

    Jogo& jogo_;
    QWidget* mesa_;
    // Controls set while the window is built or by carrega() must not act on the game.
    bool carregando_ = true;

    QCheckBox* falas_ = nullptr;
    QCheckBox* som_ = nullptr;
    QCheckBox* jogador1_ = nullptr;
    QCheckBox* jogador3_ = nullptr;
    QRadioButton* encobrirQualquer_ = nullptr;
    QRadioButton* encobrirSegunda_ = nullptr;
    QRadioButton* tradicional_ = nullptr;
    QRadioButton* paulistaCompleto_ = nullptr;
    QRadioButton* paulistaLimpo_ = nullptr;
    QCheckBox* rouba_ = nullptr;
    QCheckBox* usaRegras_ = nullptr;
    QCheckBox* aprendeRegras_ = nullptr;
    QSlider* passos_ = nullptr;
    QSlider* tempo_ = nullptr;
    QSlider* desaparecer_ = nullptr;
    QLabel* strPassos_ = nullptr;
    QLabel* strTempo_ = nullptr;
    QLabel* strDesaparece_ = nullptr;
    QCheckBox* advMostra_ = nullptr;
    QCheckBox* parMostra_ = nullptr;
    QCheckBox* mostraFinal_ = nullptr;
    QCheckBox* cartasSairam_ = nullptr;
    QCheckBox* sugestao_ = nullptr;
    QSlider* sinais_ = nullptr;
    QCheckBox* demo_ = nullptr;
    QCheckBox* rapido_ = nullptr;
    QCheckBox* personalidade_ = nullptr;
    QSlider* dificuldade_ = nullptr;
    QLabel* dif_ = nullptr;
    QCheckBox* mudancaAutomatica_ = nullptr;
};

}  // namespace pelmar
