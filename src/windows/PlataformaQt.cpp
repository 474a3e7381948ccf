#include "windows/PlataformaQt.h"

#include <algorithm>
#include <chrono>
#include <stdexcept>
#include <thread>
#include <utility>

#include <QCoreApplication>
#include <QDateTime>
#include <QTimer>

namespace pelmar {

struct PlataformaQt::Timer {
    std::unique_ptr<QTimer> qt;
    std::function<void()> aoDisparar;
    bool disparando = false;
};

namespace {

std::uint64_t sementeDoRelogio() {
    const auto agora = std::chrono::system_clock::now().time_since_epoch();
    const auto monotono = std::chrono::steady_clock::now().time_since_epoch();
    return static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(agora).count()) ^
           (static_cast<std::uint64_t>(std::chrono::duration_cast<std::chrono::nanoseconds>(monotono).count())
            << 17);
}

// Qt warns and refuses a negative interval; the headless port treats anything below 1 as 1.
int intervaloValido(int ms) { return std::max(1, ms); }

}  // namespace

PlataformaQt::PlataformaQt() : PlataformaQt(sementeDoRelogio()) {}

PlataformaQt::PlataformaQt(const std::optional<std::uint64_t>& semente)
    : PlataformaQt(semente ? *semente : sementeDoRelogio()) {}

PlataformaQt::PlataformaQt(std::uint64_t semente) : gerador_(semente) {
    // Without an application object QTimer only prints a warning and never fires.
    if (QCoreApplication::instance() == nullptr)
        throw std::logic_error("PlataformaQt: crie a QCoreApplication (ou QApplication) antes da plataforma");
    relogio_.start();
}

PlataformaQt::~PlataformaQt() {
    for (auto& t : timers_) t->qt->stop();
}

void PlataformaQt::processaEventos() {
    QCoreApplication::processEvents();
    relancaFalha();
}

void PlataformaQt::relancaFalha() {
    if (!falha_) return;
    std::exception_ptr falha = std::exchange(falha_, nullptr);
    std::rethrow_exception(falha);
}

void PlataformaQt::dorme(int ms) {
    if (ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

long long PlataformaQt::agoraMs() const { return relogio_.elapsed(); }

DataHora PlataformaQt::dataHora() const {
    if (aoLerDataHora) return aoLerDataHora();
    const QDateTime agora = QDateTime::currentDateTime();
    const QDate data = agora.date();
    const QTime hora = agora.time();
    return DataHora{data.day(), data.month(), data.year(), hora.hour(), hora.minute(), hora.second()};
}

int PlataformaQt::aleatorio(int n) { return gerador_.proximo(n); }

Plataforma::IdTimer PlataformaQt::criaTimer(int intervaloMs, std::function<void()> aoDisparar) {
    auto t = std::make_unique<Timer>();
    t->qt = std::make_unique<QTimer>();
    t->qt->setInterval(intervaloValido(intervaloMs));
    t->aoDisparar = std::move(aoDisparar);
    Timer* alvo = t.get();
    QObject::connect(t->qt.get(), &QTimer::timeout, t->qt.get(), [this, alvo] { dispara(*alvo); });
    timers_.push_back(std::move(t));
    return static_cast<IdTimer>(timers_.size() - 1);
}

void PlataformaQt::dispara(Timer& t) {
    // Qt alone would re-enter a timer restarted (or re-timed) inside its own callback.
    if (t.disparando || !t.aoDisparar) return;
    t.disparando = true;
    try {
        t.aoDisparar();
    } catch (...) {
        if (!falha_) falha_ = std::current_exception();
    }
    t.disparando = false;
}

void PlataformaQt::ativaTimer(IdTimer id, bool ativo) {
    Timer* t = timer(id);
    if (t == nullptr) return;
    // Switching on a running timer keeps its phase, as the headless port does.
    if (ativo && !t->qt->isActive()) t->qt->start();
    if (!ativo) t->qt->stop();
}

void PlataformaQt::mudaIntervalo(IdTimer id, int intervaloMs) {
    Timer* t = timer(id);
    if (t == nullptr) return;
    // On a running QTimer this restarts it at the new interval; a stopped one stays stopped.
    t->qt->setInterval(intervaloValido(intervaloMs));
}

bool PlataformaQt::timerAtivo(IdTimer id) const {
    const Timer* t = timer(id);
    return t != nullptr && t->qt->isActive();
}

PlataformaQt::Timer* PlataformaQt::timer(IdTimer id) const {
    if (id < 0 || id >= static_cast<IdTimer>(timers_.size())) return nullptr;
    return timers_[static_cast<std::size_t>(id)].get();
}

}  // namespace pelmar
