#pragma once

#include <QPixmap>
#include <QWidget>

class QLabel;
class QTimer;

#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/ModeloMesa.h"
#include "windows/LayoutDaMesa.h"
#include "windows/PecaDaMesa.h"

namespace pelmar {

class ImagensDaMesa;

// The card table as one picture: the cloth, and over it every control of the table model at its
// home on the design area, the whole scaled to fit the window. It only draws the model and
// reports gestures; what a gesture means is its owner's business.
class MesaDesenhada : public QWidget {
public:
    MesaDesenhada(ModeloMesa& modelo, const ImagensDaMesa& imagens, QWidget* pai = nullptr);

    // Brings every piece in line with the model (cheap when little changed).
    void sincroniza();
    // Pictures were loaded: the cloth, the cards or a seat's faces. Pieces repaint only when
    // their control changes, so they must be told.
    void trocaImagens();

    PecaDaMesa::Gestos gestos;
    std::function<void(const std::string& nome)> aoApertarBotao;
    std::function<void(const std::string& nome, bool marcado)> aoMarcar;

    // A panel folded to its title hides what lies in it; a second call unfolds it.
    void alternaRecolhido(const std::string& painel);
    bool recolhido(const std::string& painel) const { return recolhidos_.count(painel) > 0; }

    // A word from the window itself, not the game, over the table for a few seconds.
    void mostraRecado(const QString& texto);
    // The note shown now; empty when none is.
    QString recado() const;

    double escala() const { return escala_; }
    // A design-area rectangle in this widget's coordinates.
    QRect naJanela(const QRect& casa) const;

    QSize sizeHint() const override { return {LARGURA_DA_MESA, ALTURA_DA_MESA}; }

protected:
    void paintEvent(QPaintEvent* evento) override;
    void resizeEvent(QResizeEvent* evento) override;
    void mouseMoveEvent(QMouseEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;

private:
    struct Item {
        const LugarNaMesa* lugar;
        const Controle* controle;  // null for the table's own panels and labels
        QWidget* widget;
        PecaDaMesa* peca;          // null for buttons and check boxes
        const Controle* seguido;   // a table panel's game control, see LugarNaMesa::segue
    };

    void criaBotao(const LugarNaMesa& lugar, const Controle* controle);
    void criaMarcador(const LugarNaMesa& lugar, const Controle* controle);
    QRect casaDe(const Item& item) const;
    // The panels whose contents are not shown now.
    std::vector<const LugarNaMesa*> paineisFechados() const;
    void sincronizaVoo();
    void posicionaRecado();

    ModeloMesa& modelo_;
    const ImagensDaMesa& imagens_;
    std::vector<Item> itens_;
    LugarNaMesa lugarDoVoo_;
    PecaDaMesa* voo_ = nullptr;
    double escala_ = 1.0;
    QPoint origem_;
    QPixmap panoEscalado_;
    QLabel* recado_ = nullptr;
    QTimer* fimDoRecado_ = nullptr;
    std::set<std::string, std::less<>> recolhidos_;
};

}  // namespace pelmar
