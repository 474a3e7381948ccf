#pragma once

#include <functional>
#include <string>

namespace pelmar {

struct DataHora {
    int dia = 1, mes = 1, ano = 2000;
    int hora = 0, minuto = 0, segundo = 0;
};

inline std::string doisDigitos(int n) { return (n >= 0 && n < 10 ? "0" : "") + std::to_string(n); }
// "dd/mm/yyyy" and "dd/mm/yyyy hh:nn:ss", as the history writes them.
inline std::string textoData(const DataHora& d) {
    return doisDigitos(d.dia) + "/" + doisDigitos(d.mes) + "/" + std::to_string(d.ano);
}
inline std::string textoDataHora(const DataHora& d) {
    return textoData(d) + " " + doisDigitos(d.hora) + ":" + doisDigitos(d.minuto) + ":" + doisDigitos(d.segundo);
}

// Time, randomness and timers: everything that differs between the desktop and a headless run.
class Plataforma {
public:
    using IdTimer = int;

    virtual ~Plataforma() = default;

    // Serve pending events once: due timers, clicks, menu commands.
    virtual void processaEventos() = 0;
    virtual void dorme(int ms) = 0;
    virtual long long agoraMs() const = 0;
    virtual DataHora dataHora() const = 0;
    // 0..n-1; 0 when n <= 0.
    virtual int aleatorio(int n) = 0;

    // A repeating timer that fires while events are processed. A timer never fires again
    // while its own callback is still running (such ticks are dropped). An unknown timer is
    // ignored by the setters and reads as inactive.
    virtual IdTimer criaTimer(int intervaloMs, std::function<void()> aoDisparar) = 0;
    virtual void ativaTimer(IdTimer timer, bool ativo) = 0;
    virtual void mudaIntervalo(IdTimer timer, int intervaloMs) = 0;
    virtual bool timerAtivo(IdTimer timer) const = 0;
};

}  // namespace pelmar
