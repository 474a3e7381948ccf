#include "headless/PlataformaHeadless.h"

#include <algorithm>
#include <stdexcept>

namespace pelmar {

PlataformaHeadless::PlataformaHeadless(std::uint64_t semente) : gerador_(semente) {}

void PlataformaHeadless::processaEventos() {
    ++rodadasDeEventos_;
    agoraMs_ += 1;
    std::vector<IdTimer> vencidos;
    for (IdTimer id = 0; id < static_cast<IdTimer>(timers_.size()); ++id) {
        const Timer& t = *timers_[static_cast<std::size_t>(id)];
        if (t.ativo && !t.disparando && t.proximoMs <= agoraMs_) vencidos.push_back(id);
    }
    std::stable_sort(vencidos.begin(), vencidos.end(),
                     [this](IdTimer a, IdTimer b) { return timer(a).proximoMs < timer(b).proximoMs; });
    for (IdTimer id : vencidos) {
        Timer& t = timer(id);
        // An earlier callback may have stopped it, or be running it further up the stack.
        if (!t.ativo || t.disparando || t.proximoMs > agoraMs_) continue;
        t.proximoMs = agoraMs_ + std::max(1, t.intervaloMs);
        t.disparando = true;
        // A callback that throws must not leave its timer marked as running for good.
        struct Libera {
            PlataformaHeadless& p;
            IdTimer id;
            ~Libera() { p.timer(id).disparando = false; }
        } libera{*this, id};
        t.aoDisparar();
    }
}

void PlataformaHeadless::dorme(int ms) {
    if (ms > 0) agoraMs_ += ms;
}

DataHora PlataformaHeadless::dataHora() const {
    // A fixed afternoon, moved on by the virtual clock: logs stay reproducible.
    long long segundos = 12 * 3600 + agoraMs_ / 1000;
    DataHora d{8, 8, 2009, 0, 0, 0};
    d.dia += static_cast<int>(segundos / 86400) % 20;
    segundos %= 86400;
    d.hora = static_cast<int>(segundos / 3600);
    d.minuto = static_cast<int>(segundos / 60 % 60);
    d.segundo = static_cast<int>(segundos % 60);
    return d;
}

int PlataformaHeadless::aleatorio(int n) { return gerador_.proximo(n); }

Plataforma::IdTimer PlataformaHeadless::criaTimer(int intervaloMs, std::function<void()> aoDisparar) {
    auto t = std::make_unique<Timer>();
    t->intervaloMs = intervaloMs;
    t->aoDisparar = std::move(aoDisparar);
    timers_.push_back(std::move(t));
    return static_cast<IdTimer>(timers_.size() - 1);
}

bool PlataformaHeadless::existe(IdTimer id) const { return id >= 0 && id < static_cast<IdTimer>(timers_.size()); }

void PlataformaHeadless::ativaTimer(IdTimer id, bool ativo) {
    if (!existe(id)) return;
    Timer& t = timer(id);
    if (ativo && !t.ativo) t.proximoMs = agoraMs_ + std::max(1, t.intervaloMs);
    t.ativo = ativo;
}

void PlataformaHeadless::mudaIntervalo(IdTimer id, int intervaloMs) {
    if (!existe(id)) return;
    Timer& t = timer(id);
    t.intervaloMs = intervaloMs;
    t.proximoMs = agoraMs_ + std::max(1, intervaloMs);
}

bool PlataformaHeadless::timerAtivo(IdTimer id) const { return existe(id) && timer(id).ativo; }

PlataformaHeadless::Timer& PlataformaHeadless::timer(IdTimer id) {
    if (id < 0 || id >= static_cast<IdTimer>(timers_.size())) throw std::out_of_range("timer desconhecido");
    return *timers_[static_cast<std::size_t>(id)];
}

const PlataformaHeadless::Timer& PlataformaHeadless::timer(IdTimer id) const {
    if (id < 0 || id >= static_cast<IdTimer>(timers_.size())) throw std::out_of_range("timer desconhecido");
    return *timers_[static_cast<std::size_t>(id)];
}

}  // namespace pelmar
