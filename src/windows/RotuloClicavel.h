#pragma once

#include <QLabel>
#include <QMouseEvent>

#include <functional>
#include <utility>

namespace pelmar {

// A label, text or picture, that answers a left click.
class RotuloClicavel : public QLabel {
public:
    RotuloClicavel(const QString& texto, QWidget* pai, std::function<void()> aoClicar)
        : QLabel(texto, pai), aoClicar_(std::move(aoClicar)) {}

protected:
    void mousePressEvent(QMouseEvent* evento) override {
        if (evento->button() == Qt::LeftButton && aoClicar_) aoClicar_();
        QLabel::mousePressEvent(evento);
    }

private:
    std::function<void()> aoClicar_;
};

}  // namespace pelmar
