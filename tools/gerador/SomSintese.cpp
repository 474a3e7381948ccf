#include "SomSintese.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace pelmar::gerador {
namespace {

constexpr double DOIS_PI = 2 * std::numbers::pi;
constexpr double TAXA = TAXA_AMOSTRAGEM;

std::size_t quadros(double segundos) { return static_cast<std::size_t>(std::max(0.0, segundos) * TAXA); }

}  // namespace

Ruido::Ruido(std::string_view semente) : estado_(1469598103934665603ULL) {
    for (unsigned char c : semente) estado_ = (estado_ ^ c) * 1099511628211ULL;
}

double Ruido::uniforme() {
    // splitmix64
    std::uint64_t z = (estado_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    z ^= z >> 31;
    return static_cast<double>(z >> 11) / 9007199254740992.0;
}

float Ruido::proximo() { return static_cast<float>(uniforme() * 2 - 1); }

Timbre sino() { return {{{1, 1, 1.6}, {2, 0.55, 2.6}, {2.76, 0.5, 3.2}, {5.4, 0.22, 6}, {8.93, 0.1, 9}}, 0.002, 0.05}; }
Timbre marimba() { return {{{1, 1, 7}, {3.93, 0.3, 20}, {9.8, 0.07, 45}}, 0.002, 0.02}; }
Timbre metal() {
    Timbre t{{}, 0.025, 0.07, 0.006};
    for (int k = 1; k <= 10; ++k) t.parciais.push_back({double(k), 1.0 / std::pow(k, 0.9), 0.4});
    return t;
}
Timbre apito() { return {{{1, 1, 0}, {3, 0.08, 0}}, 0.006, 0.02}; }
Timbre madeira() { return {{{1, 1, 38}, {2.57, 0.5, 60}, {4.2, 0.25, 90}}, 0.0008, 0.01}; }

Amostras silencio(double segundos) { return Amostras(quadros(segundos), 0.0f); }

Amostras nota(double f0, double segundos, const Timbre& t, double f1) {
    if (f1 <= 0) f1 = f0;
    const std::size_t n = quadros(segundos);
    Amostras s(n, 0.0f);
    const double nyquist = TAXA / 2 * 0.9;
    for (const Parcial& p : t.parciais) {
        double fase = 0;
        for (std::size_t i = 0; i < n; ++i) {
            const double tt = static_cast<double>(i) / TAXA;
            double f = f0 * std::pow(f1 / f0, tt / segundos) * p.razao;
            f *= 1 + t.vibrato * std::sin(DOIS_PI * 5.5 * tt);
            if (f >= nyquist) continue;
            fase += DOIS_PI * f / TAXA;
            s[i] += static_cast<float>(p.amplitude * std::exp(-p.decaimento * tt) * std::sin(fase));
        }
    }
    for (std::size_t i = 0; i < n; ++i) {
        const double tt = static_cast<double>(i) / TAXA;
        const double fim = segundos - tt;
        double e = 1;
        if (tt < t.ataque) e = tt / t.ataque;
        if (fim < t.soltura) e = std::min(e, fim / t.soltura);
        s[i] *= static_cast<float>(e);
    }
    return s;
}

Amostras ruidoBranco(Ruido& r, double segundos) {
    Amostras s(quadros(segundos));
    for (float& a : s) a = r.proximo();
    return s;
}

Amostras passaFaixa(const Amostras& s, double centro0, double centro1, double q) {
    Amostras y(s.size());
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    const double total = std::max<double>(1, static_cast<double>(s.size()));
    for (std::size_t i = 0; i < s.size(); ++i) {
        // RBJ band-pass, peak gain 1, retuned every sample.
        const double fc = centro0 * std::pow(centro1 / centro0, static_cast<double>(i) / total);
        const double w = DOIS_PI * std::min(fc, TAXA * 0.45) / TAXA;
        const double alfa = std::sin(w) / (2 * q);
        const double a0 = 1 + alfa;
        const double b0 = alfa / a0, b2 = -alfa / a0, a1 = -2 * std::cos(w) / a0, a2 = (1 - alfa) / a0;
        const double x = s[i];
        const double v = b0 * x + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = v;
        y[i] = static_cast<float>(v);
    }
    return y;
}

Amostras passaBaixa(const Amostras& s, double corte) {
    const double a = 1 - std::exp(-DOIS_PI * corte / TAXA);
    Amostras y(s.size());
    double v = 0;
    for (std::size_t i = 0; i < s.size(); ++i) y[i] = static_cast<float>(v += a * (s[i] - v));
    return y;
}

void envelope(Amostras& s, double ataque, double decaimento) {
    for (std::size_t i = 0; i < s.size(); ++i) {
        const double t = static_cast<double>(i) / TAXA;
        const double e = t < ataque ? t / ataque : std::exp(-decaimento * (t - ataque));
        s[i] *= static_cast<float>(e);
    }
}

Amostras vogal(double segundos, const std::function<double(double)>& f0, const std::vector<Formante>& inicio,
               const std::vector<Formante>& fim) {
    const std::size_t n = quadros(segundos);
    Amostras s(n, 0.0f);
    std::vector<double> fases(80, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        const double t = static_cast<double>(i) / TAXA;
        const double u = t / segundos;
        const double f = f0(t);
        double v = 0;
        for (std::size_t k = 1; k < fases.size(); ++k) {
            const double fk = f * static_cast<double>(k);
            if (fk > 5000) break;
            fases[k] += DOIS_PI * fk / TAXA;
            double peso = 0;
            for (std::size_t j = 0; j < inicio.size() && j < fim.size(); ++j) {
                const double fj = inicio[j].frequencia + (fim[j].frequencia - inicio[j].frequencia) * u;
                const double bj = inicio[j].largura + (fim[j].largura - inicio[j].largura) * u;
                const double gj = inicio[j].ganho + (fim[j].ganho - inicio[j].ganho) * u;
                const double d = (fk - fj) / bj;
                peso += gj / (1 + d * d);
            }
            v += peso / std::sqrt(static_cast<double>(k)) * std::sin(fases[k]);
        }
        s[i] = static_cast<float>(v);
    }
    return s;
}

void mistura(Amostras& destino, const Amostras& s, double inicio, double ganho) {
    const std::size_t i0 = quadros(inicio);
    if (destino.size() < i0 + s.size()) destino.resize(i0 + s.size(), 0.0f);
    for (std::size_t i = 0; i < s.size(); ++i) destino[i0 + i] += static_cast<float>(s[i] * ganho);
}

double frequencia(int notaMidi) { return 440.0 * std::pow(2.0, (notaMidi - 69) / 12.0); }

}  // namespace pelmar::gerador
