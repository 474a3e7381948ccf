#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <string>

class QAction;
class QTimer;

namespace pelmar {

class ImagensDaMesa;
class Jogo;
class MesaDesenhada;
class TelaQt;
class TfPIADAS;
class TfTRUCO_INFO;

// The card table: the main window. It draws the game's table model, turns the user's gestures
// and menu commands into the game's operations, and closes only once the match loop has let go.
class TForm2 : public QMainWindow {
public:
    TForm2(Jogo& jogo, ImagensDaMesa& imagens, TelaQt& tela);
    ~TForm2() override;

    // The window's part of the start-up: assets, the table reset and the timer that starts play.
    void INICIA_JANELA();

    void NOVO_JOGO();
    void PARAR_JOGO();

    // Brings the window in line with the model now.
    void redesenha();

    MesaDesenhada& mesa() { return *mesa_; }
    TfPIADAS& piadas() { return *piadas_; }
    TfTRUCO_INFO& infoTruco() { return *infoTruco_; }
    QAction* acao(const QString& nome) const;
    // True while a match loop runs on the stack under the window.
    bool partidaNaPilha() const { return partidasNaPilha_ > 0; }

    // The "I.A." question of the saving exit; tests answer it without a box.
    std::function<bool()> perguntaJuntar;

protected:
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void moveEvent(QMoveEvent* evento) override;

private:
    void criaMenus();
    void ligaGestos();
    // A gesture or command runs engine code inside the window's event handling; a fault there
    // is reported and logged instead of tearing the window down.
    void protege(const std::function<void()>& acao);

    void pressiona(const std::string& nome, Qt::MouseButton botao);
    void clica(const std::string& nome);
    void duploClique(const std::string& nome);
    void passaSobre(const std::string& nome);
    void apertaBotao(const std::string& nome);
    void marca(const std::string& nome, bool marcado);
    void jogaCartaDoUsuario(int slot);
    void contaPontosEmVozAlta(int pontos);
    void baixaCartas();

    void sairSalvando();
    void sair();
    void contaPiada();
    void trocaJogadores();
    void juntaRegras();

    void atualizaPersonagens();
    void tique();

    Jogo& jogo_;
    ImagensDaMesa& imagens_;
    TelaQt& tela_;
    MesaDesenhada* mesa_ = nullptr;
    TfPIADAS* piadas_ = nullptr;
    TfTRUCO_INFO* infoTruco_ = nullptr;
    QTimer* desenho_ = nullptr;
    QAction* novaPartida_ = nullptr;
    QAction* pararJogo_ = nullptr;
    int INICIO_JOGO = -1;
    int partidasNaPilha_ = 0;
    bool fecharAoDesenrolar_ = false;
    bool estatisticasSalvas_ = false;
    std::array<std::string, 5> personagensCarregados_;
};

}  // namespace pelmar
