#include "suporte/ReferenciaLiteral.h"

#include <utility>

namespace pelmar::referencia {

namespace {
int ultima(const Tabela& t) { return static_cast<int>(t.size()) - 1; }
std::string nr(long long n) { return std::to_string(n); }
}  // namespace

std::vector<Regra> limpaRepetidos(Tabela& t) {
    std::vector<Regra> gravadas;
    for (int i = 1; i <= ultima(t); ++i) {
        for (int j = i + 1; j <= ultima(t); ++j) {
            if (t[i].QTE != 0 && t[i].igualEntre(t[j], NR_RODADA, TRUCAR)) {
                t[i].QTE = somaPesos(t[i].QTE, t[j].QTE);
                t[j].QTE = 0;
            }
        }
        if (t[i].QTE != 0) gravadas.push_back(t[i]);
    }
    return gravadas;
}

std::vector<Regra> ordenaRegras(Tabela& t) {
    std::vector<Regra> gravadas;
    for (int n = 1; n <= ultima(t); ++n) {
        for (int i = n; i <= ultima(t); ++i)
            if (t[i].QTE >= t[n].QTE) std::swap(t[i], t[n]);
        gravadas.push_back(t[n]);
    }
    return gravadas;
}

void achaRepetidos(Tabela& t, std::vector<std::string>& texto) {
    std::int32_t m = 0;
    for (int i = 1; i <= ultima(t); ++i) {
        if (i % 100 == 0) texto.push_back("= " + nr(i));
        t[i][PONTO] = 1;
        t[i][TRUCO] = '*';
        for (int j = i + 1; j <= ultima(t); ++j) {
            t[j][PONTO] = 1;
            t[j][TRUCO] = '*';
            if (t[i].QTE != 0 && t[j].QTE != 0 && t[i].igualEntre(t[j], NR_RODADA, ACAO) &&
                t[i][TRUCAR] == t[j][TRUCAR]) {
                if (t[i][ENCOBRIR] == 'E' || t[j][ENCOBRIR] == 'E') t[i][ENCOBRIR] = 'E';
                if (t[i].QTE >= m) {
                    m = t[i].QTE;
                    texto.push_back("Rep: N:" + nr(i) + " <- I:" + nr(j) + " =" + nr(t[i].QTE) + "/" + nr(t[j].QTE));
                }
                t[i].QTE = somaPesos(t[i].QTE, t[j].QTE);
                t[j].QTE = 0;
            }
        }
    }
}

void achaRegraTrucar(Tabela& t, std::vector<std::string>& texto) {
    for (int i = 1; i <= ultima(t); ++i) {
        if (i % 1000 == 0) texto.push_back("= " + nr(i));
        for (int j = i + 1; j <= ultima(t); ++j) {
            if (t[i][ACAO] == 0 && t[i].QTE != 0 && t[j].QTE != 0 && t[i].igualEntre(t[j], NR_RODADA, CARTA_J3)) {
                texto.push_back("Regra: N:" + nr(i) + " <- I:" + nr(j) + " " + nr(t[i].QTE) + " " + nr(t[j].QTE));
                t[i].QTE = somaPesos(t[i].QTE, t[j].QTE);
                t[j].QTE = 0;
                t[i][ACAO] = t[j][ACAO];
                t[i][ENCOBRIR] = t[j][ENCOBRIR];
            }
        }
    }
}

int ordenaCerebro(Tabela& t, std::vector<std::string>& texto) {
    for (int n = 1; n <= ultima(t); ++n) {
        for (int i = n; i <= ultima(t); ++i)
            if (t[n].QTE < t[i].QTE) std::swap(t[n], t[i]);
        if (n % 1000 == 0) texto.push_back(nr(n) + " =" + nr(t[n].QTE));
    }
    for (int i = 1; i <= ultima(t); ++i)
        if (t[i].QTE == 0) return i - 1;
    return ultima(t);
}

int primeiraQueServe(const Regra* regras, int quantidade, const ChaveSituacao& chave) {
    for (int i = 1; i <= quantidade; ++i) {
        const Regra& r = regras[i - 1];
        if (r[NR_RODADA] != chave.rodada || r[POSICAO_RODADA] != chave.posicao) continue;
        bool serve = true;
        for (int f = 0; f < 12 && serve; ++f) {
            const std::uint8_t letra = r.campos[static_cast<std::size_t>(R1 + f)];
            serve = letra == '*' || letra == chave.padrao[static_cast<std::size_t>(f)];
        }
        if (serve) return i;
    }
    return 0;
}

}  // namespace pelmar::referencia
