#pragma once

#include <QDialog>
#include <QPixmap>

#include <array>
#include <functional>
#include <string>

class QAbstractButton;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QTimer;

namespace pelmar {

class EditorRegras;
class FiguraDeCarta;
class PastaTrabalho;
struct ModeloEditor;
enum class FerramentaEditor;

// The rule editor: one rule of the playing brain drawn as a small card table, with the buttons
// that move through the table, edit, search, load and run the tools. It draws the editor's model
// and hands every click to it; created once, it keeps its state between openings.
class TfREGRAS : public QDialog {
public:
    TfREGRAS(EditorRegras& editor, const PastaTrabalho& pasta, QWidget* janela);

    // Modal, beside the main window; returns when the user closes it.
    void abre();
    // Brings every control in line with the model.
    void sincroniza();

    // Runs each operation: a fault is reported instead of tearing the window down.
    std::function<void(const std::function<void()>&)> protege = [](const std::function<void()>& f) { f(); };
    // Called once, right after the window next shows (tests and benchmarks drive it from here).
    std::function<void()> aoMostrar;

    QAbstractButton* botao(const QString& texto) const;

protected:
    void showEvent(QShowEvent* evento) override;

private:
    void montaMesa(QWidget* mesa);
    void montaLateral();
    void montaMenus(QWidget* topo);
    QAbstractButton* criaBotao(const QString& nome, const QString& texto, int x, int y, int largura,
                               const std::function<void()>& acao);
    // A change made by the user: the model acts, then the controls follow it.
    void age(const std::function<void()>& acao);
    void ferramenta(FerramentaEditor qual);
    void sincronizaTexto();
    void carregaClasses();
    const QPixmap& imagemDaClasse(char letra);

    EditorRegras& editor_;
    ModeloEditor& m_;
    const PastaTrabalho& pasta_;
    QWidget* janela_;
    std::array<QPixmap, 11> classes_;
    bool classesCarregadas_ = false;
    std::array<QRadioButton*, 3> rodadas_{};
    std::array<QRadioButton*, 4> posicoes_{};
    std::array<QGroupBox*, 3> gruposResultado_{};
    std::array<std::array<QRadioButton*, 4>, 3> resultados_{};  // Bom, Mal, =, Qlq
    std::array<QLabel*, 3> nomesResultado_{};
    std::array<FiguraDeCarta*, 9> figuras_{};
    std::array<QRadioButton*, 4> acoes_{};  // SEM_CAR, CARTA_1 .. CARTA_3
    std::array<QRadioButton*, 4> trucos_{};  // hidden: S, B, M, *
    std::array<QRadioButton*, 5> pontos_{};  // hidden: 1, 3, 6, 9, 12
    QCheckBox* trucar_ = nullptr;
    QCheckBox* encobrir_ = nullptr;
    std::array<QCheckBox*, 4> criterios_{};  // CK_PARCEIRO, CK_RESULTADOS, CK_CARTAS, CK_TRUCAR
    QLabel* lTRUCO_ = nullptr;
    QLabel* lCOBRIR_ = nullptr;
    QLabel* index_ = nullptr;
    QLabel* max_ = nullptr;
    QLabel* qte_ = nullptr;
    QLabel* nome_ = nullptr;
    QLineEdit* linha_ = nullptr;
    QPlainTextEdit* texto_ = nullptr;
    QTimer* acompanha_ = nullptr;
    std::size_t linhasMostradas_ = 0;
    std::string primeiraMostrada_;
};

}  // namespace pelmar
