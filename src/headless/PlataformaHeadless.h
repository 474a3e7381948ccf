#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "engine/GeradorAleatorio.h"
#include "engine/Plataforma.h"

namespace pelmar {

// A virtual clock and a seeded generator: a whole match runs in milliseconds, the same way for
// the same seed, through the very same waits and timer ticks as on the desktop. Each round of
// event processing costs one virtual millisecond, so even a game with every wait switched off
// moves its clock and its timers.
class PlataformaHeadless : public Plataforma {
public:
    explicit PlataformaHeadless(std::uint64_t semente = 1);

    void processaEventos() override;
    void dorme(int ms) override;
    long long agoraMs() const override { return agoraMs_; }
    DataHora dataHora() const override;
    int aleatorio(int n) override;

    IdTimer criaTimer(int intervaloMs, std::function<void()> aoDisparar) override;
    void ativaTimer(IdTimer timer, bool ativo) override;
    void mudaIntervalo(IdTimer timer, int intervaloMs) override;
    bool timerAtivo(IdTimer timer) const override;

    long long rodadasDeEventos() const { return rodadasDeEventos_; }

private:
    struct Timer {
        int intervaloMs = 0;
        long long proximoMs = 0;
        bool ativo = false;
        bool disparando = false;
        std::function<void()> aoDisparar;
    };
    bool existe(IdTimer id) const;
    Timer& timer(IdTimer id);
    const Timer& timer(IdTimer id) const;

    long long agoraMs_ = 0;
    long long rodadasDeEventos_ = 0;
    GeradorAleatorio gerador_;
    std::vector<std::unique_ptr<Timer>> timers_;
};

}  // namespace pelmar
