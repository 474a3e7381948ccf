#pragma once

#include <QMainWindow>

#include <array>
#include <functional>
#include <memory>
#include <utility>
#include <vector>
#include <string>

class QAction;
class QMenu;
class QTimer;
class QUrl;

namespace pelmar {

class ComandosHistorico;
struct Controle;
class EscolhaDeImagens;
class ImagensDaMesa;
class Jogo;
class TfABOUT;
class TfBARALHOS;
class TfCONTADOR;
class TfJOGADORES;
class TfLOG;
class TfMESAS;
class TfPARAMETROS;
class TfPONTOS;
class TfmtPERSONALIDADE;
class TfREGRAS;
class TfmtRECORDE;
class TfVERSOS;
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
    // A gesture or command runs engine code inside the window's event handling: a fault there is
    // reported and logged instead of tearing the window down, and the first game, waiting on its
    // timer, does not start in the middle of it (it would run nested until the game ended).
    void protege(const std::function<void()>& acao);

    // The "I.A." question of the saving exit; tests answer it without a box.
    std::function<bool()> perguntaJuntar;
    // The confirmation before the statistics and the record are erased; tests answer it.
    std::function<bool()> perguntaLimpar;
    // Opens web pages and the working folder's files, true when the system took them; tests see
    // the addresses instead.
    std::function<bool(const QUrl&)> aoAbrirEndereco;
    TfLOG& log() { return *log_; }
    TfCONTADOR& contador() { return *contador_; }
    TfABOUT& sobre() { return *sobre_; }
    TfPARAMETROS& parametros() { return *parametros_; }
    TfPONTOS& pontos() { return *pontos_; }
    TfREGRAS& editorDeRegras() { return *regras_; }
    TfmtRECORDE& recorde() { return *recorde_; }
    TfMESAS& seletorDeMesas() { return *mesas_; }
    TfVERSOS& seletorDeVersos() { return *versos_; }
    TfBARALHOS& seletorDeBaralhos() { return *baralhos_; }
    TfJOGADORES& jogadores() { return *jogadores_; }
    TfmtPERSONALIDADE& personalidade() { return *personalidade_; }
    // "Jogadores ": the players window, modal, beside the table.
    void ESCOLHE_PERSONAGEM();
    QMenu* menuDoAssento(int assento) const { return menusDosAssentos_[static_cast<std::size_t>(assento)]; }

protected:
    void closeEvent(QCloseEvent* evento) override;
    void keyPressEvent(QKeyEvent* evento) override;
    void moveEvent(QMoveEvent* evento) override;

private:
    void criaMenus();
    void criaMenusDosAssentos();
    // "Jogar" and "Truco": the user's orders for the partner's next play, one of each at a time.
    void criaOrdensAoParceiro(QMenu* parceiro);
    QAction* criaAcao(QMenu* menu, const QString& nome, const QString& texto, const QKeySequence& tecla,
                      std::function<void()> efeito);
    // A file or folder of the working folder; `ancora` is a place inside a page.
    void abreArquivo(const std::string& relativo, const QString& ancora = {});
    void abreEndereco(const QUrl& url);
    void abreMenuDoAssento(int assento);
    void criaJanelasAuxiliares();
    void mensagem(const QString& titulo, const QString& texto);
    void alternaDebug();
    // F2 while a game runs: a note on the table instead of nothing at all.
    void explicaPartidaEmAndamento();
    // The table's shows play only while the stop flag is down; out of a game it is lowered for them.
    void mostraForaDoJogo(const std::function<void()>& show);
    void testaSom();
    void joguePorMim(bool pedido);
    void ligaGestos();

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
    void semJogadores(const std::function<void()>& operacao);

    void atualizaPersonagens();
    void tique();

    Jogo& jogo_;
    ImagensDaMesa& imagens_;
    TelaQt& tela_;
    MesaDesenhada* mesa_ = nullptr;
    TfPIADAS* piadas_ = nullptr;
    TfTRUCO_INFO* infoTruco_ = nullptr;
    TfCONTADOR* contador_ = nullptr;
    TfPONTOS* pontos_ = nullptr;
    TfmtRECORDE* recorde_ = nullptr;
    TfABOUT* sobre_ = nullptr;
    TfPARAMETROS* parametros_ = nullptr;
    TfJOGADORES* jogadores_ = nullptr;
    TfmtPERSONALIDADE* personalidade_ = nullptr;
    TfVERSOS* versos_ = nullptr;
    TfBARALHOS* baralhos_ = nullptr;
    TfMESAS* mesas_ = nullptr;
    TfLOG* log_ = nullptr;
    TfREGRAS* regras_ = nullptr;
    std::unique_ptr<ComandosHistorico> comandosHistorico_;
    std::unique_ptr<EscolhaDeImagens> escolhaDeImagens_;
    QMenu* menuDaMesa_ = nullptr;
    QTimer* desenho_ = nullptr;
    QAction* novaPartida_ = nullptr;
    QAction* pararJogo_ = nullptr;
    QMenu* menuExibir_ = nullptr;
    QMenu* menuEditar_ = nullptr;
    QMenu* menuRecordes_ = nullptr;
    QMenu* menuTestes_ = nullptr;
    QMenu* menuModificar_ = nullptr;
    QMenu* menuDebug_ = nullptr;
    QMenu* menuAjuda_ = nullptr;
    std::array<QMenu*, 5> menusDosAssentos_{};
    std::vector<std::pair<QAction*, const Controle*>> itensDoJogo_;
    int jogaPorMimAteRodada_ = 0;  // "this hand" asked in this trick; 0 when not asked
    int INICIO_JOGO = -1;
    int comandosEmCurso_ = 0;
    int partidasNaPilha_ = 0;
    bool fecharAoDesenrolar_ = false;
    bool novoJogoPedido_ = false;  // asked for while a stopped match loop was still unwinding
    bool parando_ = false;         // inside "Parar Jogo", which serves events as it clears the table
    bool estatisticasSalvas_ = false;
    std::array<std::string, 5> personagensCarregados_;
};

}  // namespace pelmar
