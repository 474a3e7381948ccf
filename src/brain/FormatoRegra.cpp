#include "brain/FormatoRegra.h"

#include <array>

#include "base/Inteiros.h"

namespace pelmar {

namespace {

bool ehBrancoOuControle(unsigned char c) { return c <= ' '; }
bool ehBranco(char c) { return c == ' ' || c == '\t'; }

// Upper case of the single-byte code page the files are written in.
unsigned char maiuscula(unsigned char c) {
    if (c >= 'a' && c <= 'z') return static_cast<unsigned char>(c - 32);
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return static_cast<unsigned char>(c - 32);
    switch (c) {
        case 0x9A: return 0x8A;
        case 0x9C: return 0x8C;
        case 0x9E: return 0x8E;
        case 0xFF: return 0x9F;
        default: return c;
    }
}

std::string_view apara(std::string_view s) {
    while (!s.empty() && ehBrancoOuControle(static_cast<unsigned char>(s.front()))) s.remove_prefix(1);
    while (!s.empty() && ehBrancoOuControle(static_cast<unsigned char>(s.back()))) s.remove_suffix(1);
    return s;
}

constexpr int CAMPOS_DA_LINHA = 1 + QTE_CAMPOS + 1;  // "=", the nineteen, the weight

// Splits into at most `maximo` fields; returns how many were found.
int separaCampos(std::string_view s, std::array<std::string_view, CAMPOS_DA_LINHA>& campos) {
    int n = 0;
    std::size_t p = 0;
    while (n < CAMPOS_DA_LINHA) {
        const std::size_t inicio = p;
        while (p < s.size() && s[p] != ',' && !ehBranco(s[p])) ++p;
        campos[static_cast<std::size_t>(n++)] = s.substr(inicio, p - inicio);
        while (p < s.size() && ehBranco(s[p])) ++p;
        if (p >= s.size()) break;
        if (s[p] == ',') {
            ++p;
            while (p < s.size() && ehBranco(s[p])) ++p;
        }
    }
    return n;
}

}  // namespace

LinhaRegra analisaLinhaRegra(std::string_view bruta) {
    LinhaRegra resultado;
    const std::string_view aparada = apara(bruta);
    if (aparada.empty()) return resultado;
    // Text has no control characters inside a line; a file that does is not a brain file as
    // saved (UTF-16 without its mark, a binary file), and reading it as comments would lose it.
    for (const char c : aparada) {
        if (static_cast<unsigned char>(c) < ' ' && c != '\t') {
            resultado.tipo = LinhaRegra::Tipo::Malformada;
            resultado.motivo = "caracteres de controle no meio da linha (o arquivo não é texto?)";
            return resultado;
        }
    }

    std::array<char, 512> local{};
    std::string longa;
    std::string_view linha;
    if (aparada.size() <= local.size()) {
        for (std::size_t i = 0; i < aparada.size(); ++i)
            local[i] = static_cast<char>(maiuscula(static_cast<unsigned char>(aparada[i])));
        linha = std::string_view(local.data(), aparada.size());
    } else {
        longa.assign(aparada);
        for (char& c : longa) c = static_cast<char>(maiuscula(static_cast<unsigned char>(c)));
        linha = longa;
    }

    std::array<std::string_view, CAMPOS_DA_LINHA> campos{};
    const int n = separaCampos(linha, campos);
    if (campos[0] != "=") {
        resultado.tipo = LinhaRegra::Tipo::Comentario;
        return resultado;
    }
    resultado.tipo = LinhaRegra::Tipo::Malformada;
    if (n < CAMPOS_DA_LINHA) {
        resultado.motivo = "regra com " + std::to_string(n - 1) + " campos, faltam campos (são 20)";
        return resultado;
    }
    for (int c = 0; c < QTE_CAMPOS; ++c) {
        const std::string_view campo = campos[static_cast<std::size_t>(c + 1)];
        auto& destino = resultado.regra.campos[static_cast<std::size_t>(c)];
        if (campoNumerico(c)) {
            const std::optional<int> valor = inteiroDe<int>(campo);
            if (!valor || *valor < 0 || *valor > 255) {
                resultado.motivo = "campo " + std::to_string(c + 1) + " não é um número de 0 a 255: \"" +
                                   std::string(campo) + "\"";
                return resultado;
            }
            destino = static_cast<std::uint8_t>(*valor);
        } else {
            if (campo.empty()) {
                resultado.motivo = "campo " + std::to_string(c + 1) + " vazio";
                return resultado;
            }
            destino = static_cast<std::uint8_t>(campo.front());
        }
    }
    const std::string_view peso = campos[CAMPOS_DA_LINHA - 1];
    const auto qte = inteiroDe<decltype(resultado.regra.QTE)>(peso);
    if (!qte) {
        resultado.motivo = "peso não é um inteiro de 32 bits: \"" + std::string(peso) + "\"";
        return resultado;
    }
    resultado.regra.QTE = *qte;
    resultado.tipo = LinhaRegra::Tipo::Regra;
    return resultado;
}

std::string TEXTO_REGRA(const Regra& r) {
    // The separator written after each field; the weight ends the line.
    static constexpr std::array<const char*, QTE_CAMPOS> depois{
        ",", ",  ", ",", ", ",            // NR_RODADA POSICAO_RODADA PONTO TRUCO
        ",", ", ", ",", ", ", ",", ",  ", // R1 CARTA_1R R2 CARTA_2R R3 CARTA_3R
        ",", ",", ",  ",                  // partner
        ",", ",", ",  ",                  // own cards
        ",", ",", ",   "};                // ACAO ENCOBRIR TRUCAR
    std::string texto = "=,  ";
    texto.reserve(64);
    for (int c = 0; c < QTE_CAMPOS; ++c) {
        const std::uint8_t v = r.campos[static_cast<std::size_t>(c)];
        if (campoNumerico(c))
            texto += std::to_string(v);
        else
            texto += static_cast<char>(v);
        texto += depois[static_cast<std::size_t>(c)];
    }
    // A negative weight (only a hand-edited file has one) is written signed so it reads back.
    texto += std::to_string(r.QTE);
    return texto;
}

}  // namespace pelmar
