#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <QElapsedTimer>

#include "engine/GeradorAleatorio.h"
#include "engine/Plataforma.h"

class QTimer;

namespace pelmar {

// The desktop's time and timers: a real clock, real sleeps and QTimer objects served by the
// Qt event loop. Needs a QCoreApplication (or QApplication) alive on this thread.
class PlataformaQt : public Plataforma {
public:
    // Seeded from the clock: each run plays differently.
    PlataformaQt();
    // A fixed seed, for runs that must repeat.
    explicit PlataformaQt(std::uint64_t semente);
    // The given seed, or the clock when there is none.
    explicit PlataformaQt(const std::optional<std::uint64_t>& semente);
    ~PlataformaQt() override;

    PlataformaQt(const PlataformaQt&) = delete;
    PlataformaQt& operator=(const PlataformaQt&) = delete;

    void processaEventos() override;
    void dorme(int ms) override;
    long long agoraMs() const override;
    DataHora dataHora() const override;
    int aleatorio(int n) override;

    IdTimer criaTimer(int intervaloMs, std::function<void()> aoDisparar) override;
    void ativaTimer(IdTimer timer, bool ativo) override;
    void mudaIntervalo(IdTimer timer, int intervaloMs) override;
    bool timerAtivo(IdTimer timer) const override;

    // Replaces the wall clock's date and time: a test that runs across midnight still reads one day.
    std::function<DataHora()> aoLerDataHora;

    // A callback's exception cannot cross Qt's event loop, so it is held and thrown here
    // (processaEventos does it too). A host that pumps through exec() calls this itself.
    void relancaFalha();

private:
    struct Timer;
    void dispara(Timer& t);
    Timer* timer(IdTimer id) const;

    QElapsedTimer relogio_;
    GeradorAleatorio gerador_;
    std::vector<std::unique_ptr<Timer>> timers_;
    std::exception_ptr falha_;
};

}  // namespace pelmar
