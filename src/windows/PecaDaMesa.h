#pragma once

#include <QWidget>

#include <functional>
#include <string>

#include "engine/ModeloMesa.h"
#include "windows/LayoutDaMesa.h"

namespace pelmar {

class ImagensDaMesa;

// One control of the table model, drawn over the cloth as its kind says. The flight of a card
// is drawn by a piece of its own with no control behind it.
class PecaDaMesa : public QWidget {
public:
    struct Gestos {
        std::function<void(const std::string& nome, Qt::MouseButton botao)> pressiona;
        std::function<void(const std::string& nome)> clica;
        std::function<void(const std::string& nome)> duploClique;
        std::function<void(const std::string& nome)> passaSobre;
    };

    PecaDaMesa(const LugarNaMesa& lugar, const ImagensDaMesa& imagens, const Gestos& gestos, QWidget* pai);

    // What the piece shows now; `controle` is null for the table's own labels and panels.
    void mostra(const Controle* controle, double escala);
    // The card in flight, which has no control of its own.
    void mostraCarta(Face face, int carta, double escala);

    const LugarNaMesa& lugar() const { return lugar_; }
    // The words shown, fixed caption included.
    QString texto() const;
    Face face() const { return face_; }
    int carta() const { return carta_; }
    Cor cor() const { return cor_; }
    const Falante& falante() const { return falante_; }
    // The font the words are drawn in within `area`: the piece's own, or smaller when they
    // would not fit.
    QFont fonteQueCabe(const QRect& area) const;

protected:
    void paintEvent(QPaintEvent* evento) override;
    void mousePressEvent(QMouseEvent* evento) override;
    void mouseReleaseEvent(QMouseEvent* evento) override;
    void mouseDoubleClickEvent(QMouseEvent* evento) override;
    void enterEvent(QEnterEvent* evento) override;

private:
    void desenhaCarta(class QPainter& p) const;
    void desenhaTexto(QPainter& p, const QRect& area, int alinhamento, const QColor& cor) const;
    void desenhaAviso(QPainter& p) const;
    // Who says the announcement, inside `area`: the seat's face and name, or the side's two faces.
    void desenhaFalante(QPainter& p, const QRectF& area, const QColor& borda) const;
    QFont fonte() const;

    const LugarNaMesa& lugar_;
    const ImagensDaMesa& imagens_;
    const Gestos& gestos_;
    double escala_ = 1.0;
    QString texto_;
    Face face_ = Face::Nada;
    int carta_ = 0;
    int imagem_ = 0;  // a turn marker's picture
    Cor cor_ = Cor::Preto;
    Cor corFundo_ = Cor::Preto;
    Falante falante_;
    bool aceso_ = true;  // a chip won, or only its empty place
    bool pressionada_ = false;
};

// A control's hint as its tooltip; set only when it changed, as every setting notifies the widget.
void poeDica(QWidget& w, const std::string& dica);

// The colours of the table model on the cloth.
QColor corNaMesa(Cor cor);

}  // namespace pelmar
