#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTest>
#include <QTimer>

#include <functional>
#include <utility>

#include "engine/Estado.h"

namespace pelmar::teste {

// Keeps a scripted game from hanging a test. Past its limit it stops play over and over from a
// timer of its own: Qt never fires a timer inside its own tick, and the game the script started
// may be waiting in there. `alemDisso` ends whatever else could hold the game (an open question).
class VigiaDaPartida {
public:
    VigiaDaPartida(EstadoJogo& estado, int limiteMs, std::function<void()> alemDisso = {})
        : limiteMs_(limiteMs) {
        relogio_.start();
        timer_.setInterval(50);
        QObject::connect(&timer_, &QTimer::timeout, [this, &estado, alemDisso = std::move(alemDisso)] {
            if (!passou()) return;
            estourou_ = true;
            estado.PARAR = true;
            if (alemDisso) alemDisso();
        });
        timer_.start();
    }

    bool passou() const { return relogio_.elapsed() > limiteMs_; }
    bool estourou() const { return estourou_; }

    // Serves events until `pronto` holds, or a while after the limit if it never does.
    void esperaAte(const std::function<bool()>& pronto) {
        while (!pronto() && relogio_.elapsed() < limiteMs_ + 5000) {
            QCoreApplication::processEvents();
            QTest::qSleep(1);
        }
    }

private:
    int limiteMs_;
    QElapsedTimer relogio_;
    QTimer timer_;
    bool estourou_ = false;
};

}  // namespace pelmar::teste
