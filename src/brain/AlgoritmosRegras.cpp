#include "brain/AlgoritmosRegras.h"

#include <algorithm>
#include <deque>
#include <numeric>

namespace pelmar {

namespace {

// The table's indices grouped by the bytes of the chosen fields, each group in table order.
void serveSe(const ServeEventos& serve) {
    if (serve) serve();
}

std::vector<int> agrupa(const Regra* regras, int quantidade, Campo ultimo, bool semEncobrir,
                        const ServeEventos& serve = {}) {
    std::vector<int> ordem(static_cast<std::size_t>(quantidade));
    std::iota(ordem.begin(), ordem.end(), 0);
    auto chave = [&](int i) {
        auto c = regras[i].campos;
        for (int f = ultimo + 1; f < QTE_CAMPOS; ++f) c[static_cast<std::size_t>(f)] = 0;
        if (semEncobrir) c[ENCOBRIR] = 0;
        return c;
    };
    std::vector<std::array<std::uint8_t, QTE_CAMPOS>> chaves(static_cast<std::size_t>(quantidade));
    for (int i = 0; i < quantidade; ++i) chaves[static_cast<std::size_t>(i)] = chave(i);
    serveSe(serve);
    std::sort(ordem.begin(), ordem.end(), [&](int a, int b) {
        const auto& ka = chaves[static_cast<std::size_t>(a)];
        const auto& kb = chaves[static_cast<std::size_t>(b)];
        return ka != kb ? ka < kb : a < b;
    });
    return ordem;
}

// Calls visita(group) for each run of equal keys in an order made by agrupa.
template <typename Visita>
void paraCadaGrupo(const Regra* regras, const std::vector<int>& ordem, Campo ultimo, bool semEncobrir,
                   Visita visita) {
    auto iguais = [&](int a, int b) {
        for (int f = 0; f <= ultimo; ++f) {
            if (semEncobrir && f == ENCOBRIR) continue;
            if (regras[a].campos[static_cast<std::size_t>(f)] != regras[b].campos[static_cast<std::size_t>(f)])
                return false;
        }
        return true;
    };
    std::size_t inicio = 0;
    while (inicio < ordem.size()) {
        std::size_t fim = inicio + 1;
        while (fim < ordem.size() && iguais(ordem[inicio], ordem[fim])) ++fim;
        visita(ordem.data() + inicio, fim - inicio);
        inicio = fim;
    }
}

struct Dobra {
    int i, j;  // 1-based slots
    std::int32_t pesoI, pesoJ;
    bool operator<(const Dobra& o) const { return i != o.i ? i < o.i : j < o.j; }
};

}  // namespace

std::vector<int> dobraRepetidosExatos(Regra* regras, int quantidade) {
    const auto ordem = agrupa(regras, quantidade, TRUCAR, false);
    paraCadaGrupo(regras, ordem, TRUCAR, false, [&](const int* membros, std::size_t n) {
        // The first copy with a weight takes every later one until its own weight comes to 0.
        int absorve = -1;
        for (std::size_t k = 0; k < n; ++k) {
            Regra& r = regras[membros[k]];
            if (absorve >= 0) {
                Regra& a = regras[absorve];
                a.QTE = somaPesos(a.QTE, r.QTE);
                r.QTE = 0;
                if (a.QTE == 0) absorve = -1;
            } else if (r.QTE != 0) {
                absorve = membros[k];
            }
        }
    });
    std::vector<int> restam;
    for (int i = 0; i < quantidade; ++i)
        if (regras[i].QTE != 0) restam.push_back(i);
    return restam;
}

std::vector<int> ordemDoArquivoPorPeso(const Regra* regras, int quantidade) {
    std::vector<int> ordem(static_cast<std::size_t>(quantidade));
    std::iota(ordem.begin(), ordem.end(), 0);
    std::sort(ordem.begin(), ordem.end(), [&](int a, int b) {
        return regras[a].QTE != regras[b].QTE ? regras[a].QTE > regras[b].QTE : a > b;
    });
    return ordem;
}

void achaRepetidos(Regra* regras, int quantidade, std::vector<std::string>& texto, const ServeEventos& serve) {
    for (int i = 0; i < quantidade; ++i) {
        regras[i][PONTO] = 1;
        regras[i][TRUCO] = '*';
    }
    std::vector<Dobra> dobras;
    const auto ordem = agrupa(regras, quantidade, TRUCAR, true, serve);
    serveSe(serve);
    paraCadaGrupo(regras, ordem, TRUCAR, true, [&](const int* membros, std::size_t n) {
        int absorve = -1;
        for (std::size_t k = 0; k < n; ++k) {
            Regra& r = regras[membros[k]];
            if (r.QTE == 0) continue;
            if (absorve < 0) {
                absorve = membros[k];
                continue;
            }
            Regra& a = regras[absorve];
            if (a[ENCOBRIR] == 'E' || r[ENCOBRIR] == 'E') a[ENCOBRIR] = 'E';
            dobras.push_back({absorve + 1, membros[k] + 1, a.QTE, r.QTE});
            a.QTE = somaPesos(a.QTE, r.QTE);
            r.QTE = 0;
            if (a.QTE == 0) absorve = -1;
        }
    });
    serveSe(serve);
    std::sort(dobras.begin(), dobras.end());
    // Only folds into a rule at least as heavy as every earlier report are reported.
    std::int32_t maximo = 0;
    std::size_t d = 0;
    for (int i = 1; i <= quantidade; ++i) {
        if (i % 100 == 0) texto.push_back("= " + std::to_string(i));
        for (; d < dobras.size() && dobras[d].i == i; ++d) {
            if (dobras[d].pesoI < maximo) continue;
            maximo = dobras[d].pesoI;
            texto.push_back("Rep: N:" + std::to_string(i) + " <- I:" + std::to_string(dobras[d].j) + " =" +
                            std::to_string(dobras[d].pesoI) + "/" + std::to_string(dobras[d].pesoJ));
        }
    }
}

void achaRegraTrucar(Regra* regras, int quantidade, std::vector<std::string>& texto, const ServeEventos& serve) {
    std::vector<Dobra> dobras;
    const auto ordem = agrupa(regras, quantidade, CARTA_J3, false, serve);
    serveSe(serve);
    paraCadaGrupo(regras, ordem, CARTA_J3, false, [&](const int* membros, std::size_t n) {
        // A card-less rule takes later rules of its situation until one gives it a card.
        int absorve = -1;
        for (std::size_t k = 0; k < n; ++k) {
            Regra& r = regras[membros[k]];
            if (r.QTE == 0) continue;
            if (absorve < 0) {
                if (r[ACAO] == 0) absorve = membros[k];
                continue;
            }
            Regra& a = regras[absorve];
            dobras.push_back({absorve + 1, membros[k] + 1, a.QTE, r.QTE});
            a.QTE = somaPesos(a.QTE, r.QTE);
            r.QTE = 0;
            a[ACAO] = r[ACAO];
            a[ENCOBRIR] = r[ENCOBRIR];
            if (a[ACAO] != 0 || a.QTE == 0) absorve = -1;
        }
    });
    serveSe(serve);
    std::sort(dobras.begin(), dobras.end());
    std::size_t d = 0;
    for (int i = 1; i <= quantidade; ++i) {
        if (i % 1000 == 0) texto.push_back("= " + std::to_string(i));
        for (; d < dobras.size() && dobras[d].i == i; ++d)
            texto.push_back("Regra: N:" + std::to_string(i) + " <- I:" + std::to_string(dobras[d].j) + " " +
                            std::to_string(dobras[d].pesoI) + " " + std::to_string(dobras[d].pesoJ));
    }
}

namespace {

// Counts marked positions, to know how many heavier rules lie between two rules.
class ContagemPosicoes {
public:
    explicit ContagemPosicoes(int n) : arvore_(static_cast<std::size_t>(n) + 1, 0) {}
    void marca(int posicao) {
        for (int i = posicao + 1; i < static_cast<int>(arvore_.size()); i += i & -i) ++arvore_[static_cast<std::size_t>(i)];
    }
    // Marked positions below `posicao`.
    int antes(int posicao) const {
        int soma = 0;
        for (int i = posicao; i > 0; i -= i & -i) soma += arvore_[static_cast<std::size_t>(i)];
        return soma;
    }

private:
    std::vector<int> arvore_;
};

}  // namespace

// How the exchanges move rules of one weight w: heavier rules only pass through the table, and
// every time one of them is taken out while a rule of weight w stands before all of them, the
// first of the rules of weight w at the front is carried to that heavier rule's place, behind
// the other rules of weight w before it. So, reading the table in order, each rule of weight w
// joins the back of its class's queue, and each heavier rule met after it turns the queue once.
int ordenaCerebro(Regra* regras, int quantidade, std::vector<std::string>& texto, const ServeEventos& serve) {
    std::vector<int> porPeso(static_cast<std::size_t>(quantidade));
    std::iota(porPeso.begin(), porPeso.end(), 0);
    std::stable_sort(porPeso.begin(), porPeso.end(),
                     [&](int a, int b) { return regras[a].QTE > regras[b].QTE; });
    serveSe(serve);

    std::vector<int> saida;
    saida.reserve(static_cast<std::size_t>(quantidade));
    ContagemPosicoes maisPesadas(quantidade);
    std::size_t inicio = 0;
    while (inicio < porPeso.size()) {
        std::size_t fim = inicio + 1;
        const std::int32_t peso = regras[porPeso[inicio]].QTE;
        while (fim < porPeso.size() && regras[porPeso[fim]].QTE == peso) ++fim;

        std::deque<int> fila;
        for (std::size_t k = inicio; k < fim; ++k) {
            fila.push_back(porPeso[k]);
            const int aqui = porPeso[k] + 1;
            const int ate = k + 1 < fim ? porPeso[k + 1] : quantidade;
            const std::size_t giros =
                static_cast<std::size_t>(maisPesadas.antes(ate) - maisPesadas.antes(aqui)) % fila.size();
            if (giros <= fila.size() / 2) {
                for (std::size_t g = 0; g < giros; ++g) {
                    fila.push_back(fila.front());
                    fila.pop_front();
                }
            } else {
                for (std::size_t g = giros; g < fila.size(); ++g) {
                    fila.push_front(fila.back());
                    fila.pop_back();
                }
            }
        }
        saida.insert(saida.end(), fila.begin(), fila.end());
        for (std::size_t k = inicio; k < fim; ++k) maisPesadas.marca(porPeso[k]);
        inicio = fim;
    }

    serveSe(serve);
    std::vector<Regra> ordenadas(static_cast<std::size_t>(quantidade));
    for (std::size_t k = 0; k < saida.size(); ++k) ordenadas[k] = regras[saida[k]];
    std::copy(ordenadas.begin(), ordenadas.end(), regras);

    for (int n = 1000; n <= quantidade; n += 1000)
        texto.push_back(std::to_string(n) + " =" + std::to_string(regras[n - 1].QTE));
    int novaQuantidade = quantidade;
    for (int i = 0; i < quantidade; ++i)
        if (regras[i].QTE == 0) {
            novaQuantidade = i;
            break;
        }
    return novaQuantidade;
}

}  // namespace pelmar
