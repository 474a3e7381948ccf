#include "base/ArquivoTexto.h"

#include <array>
#include <cstdint>

#include "base/LeitorDeLinhas.h"

namespace pelmar {

namespace {

// Code points of the bytes 0x80..0x9F. The five bytes Windows leaves undefined map to the C1
// control of the same value, as Windows itself converts them, so they survive a round trip.
constexpr std::array<char32_t, 32> FAIXA_80_9F = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

}  // namespace

void acrescentaUtf8(std::string& saida, char32_t c) {
    auto byte = [&saida](std::uint32_t b) { saida.push_back(static_cast<char>(static_cast<unsigned char>(b))); };
    const auto v = static_cast<std::uint32_t>(c);
    if (v < 0x80) {
        byte(v);
    } else if (v < 0x800) {
        byte(0xC0 | (v >> 6));
        byte(0x80 | (v & 0x3F));
    } else if (v < 0x10000) {
        byte(0xE0 | (v >> 12));
        byte(0x80 | ((v >> 6) & 0x3F));
        byte(0x80 | (v & 0x3F));
    } else {
        byte(0xF0 | (v >> 18));
        byte(0x80 | ((v >> 12) & 0x3F));
        byte(0x80 | ((v >> 6) & 0x3F));
        byte(0x80 | (v & 0x3F));
    }
}

namespace {

// Decodes one strict UTF-8 sequence at pos (no overlongs, no surrogates, nothing past U+10FFFF).
// On success advances pos; on failure leaves it and returns nullopt.
std::optional<char32_t> proximoCodigo(std::string_view t, std::size_t& pos) {
    const auto b0 = static_cast<unsigned char>(t[pos]);
    if (b0 < 0x80) {
        ++pos;
        return b0;
    }
    std::size_t extra = 0;
    std::uint32_t v = 0;
    std::uint32_t minimo = 0;
    if (b0 >= 0xC2 && b0 <= 0xDF) {
        extra = 1;
        v = b0 & 0x1Fu;
        minimo = 0x80;
    } else if (b0 >= 0xE0 && b0 <= 0xEF) {
        extra = 2;
        v = b0 & 0x0Fu;
        minimo = 0x800;
    } else if (b0 >= 0xF0 && b0 <= 0xF4) {
        extra = 3;
        v = b0 & 0x07u;
        minimo = 0x10000;
    } else {
        return std::nullopt;
    }
    if (t.size() - pos <= extra) return std::nullopt;
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto b = static_cast<unsigned char>(t[pos + i]);
        if ((b & 0xC0) != 0x80) return std::nullopt;
        v = (v << 6) | (b & 0x3Fu);
    }
    if (v < minimo || v > 0x10FFFF || (v >= 0xD800 && v <= 0xDFFF)) return std::nullopt;
    pos += extra + 1;
    return static_cast<char32_t>(v);
}

std::optional<unsigned char> byteWindows1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (std::size_t i = 0; i < FAIXA_80_9F.size(); ++i) {
        if (FAIXA_80_9F[i] == c) return static_cast<unsigned char>(0x80 + i);
    }
    return std::nullopt;
}

}  // namespace

bool ehUtf8Valido(std::string_view texto) {
    std::size_t pos = 0;
    while (pos < texto.size()) {
        if (!proximoCodigo(texto, pos)) return false;
    }
    return true;
}

std::string utf8DeWindows1252(std::string_view texto) {
    std::string saida;
    saida.reserve(texto.size());
    for (char ch : texto) {
        const auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            saida.push_back(ch);
        } else if (b < 0xA0) {
            acrescentaUtf8(saida, FAIXA_80_9F[b - 0x80u]);
        } else {
            acrescentaUtf8(saida, b);
        }
    }
    return saida;
}

std::string windows1252DeUtf8(std::string_view utf8) {
    // Most lines are plain ASCII, the same in both.
    bool ascii = true;
    for (char c : utf8) ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    if (ascii) return std::string(utf8);
    std::string saida;
    saida.reserve(utf8.size());
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto codigo = proximoCodigo(utf8, pos);
        if (!codigo) {
            saida.push_back('?');
            ++pos;
            continue;
        }
        const auto byte = byteWindows1252(*codigo);
        saida.push_back(byte ? static_cast<char>(*byte) : '?');
    }
    return saida;
}

std::string utf16DeUtf8(std::string_view utf8, bool bigEndian) {
    std::string saida;
    saida.reserve(utf8.size() * 2);
    auto unidade = [&](std::uint32_t u) {
        const auto alto = static_cast<char>(u >> 8), baixo = static_cast<char>(u & 0xFF);
        saida.push_back(bigEndian ? alto : baixo);
        saida.push_back(bigEndian ? baixo : alto);
    };
    std::size_t pos = 0;
    while (pos < utf8.size()) {
        const auto codigo = proximoCodigo(utf8, pos);
        if (!codigo) {
            unidade('?');
            ++pos;
            continue;
        }
        const auto v = static_cast<std::uint32_t>(*codigo);
        if (v < 0x10000) {
            unidade(v);
        } else {
            unidade(0xD800 + ((v - 0x10000) >> 10));
            unidade(0xDC00 + ((v - 0x10000) & 0x3FF));
        }
    }
    return saida;
}

std::size_t comprimentoUtf8(std::string_view utf8) {
    std::size_t n = 0;
    for (char ch : utf8) {
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
    }
    return n;
}

std::string alinhaDireita(std::string_view utf8, std::size_t largura) {
    const std::size_t n = comprimentoUtf8(utf8);
    std::string saida(n < largura ? largura - n : 0, ' ');
    saida += utf8;
    return saida;
}

std::string alinhaEsquerda(std::string_view utf8, std::size_t largura) {
    const std::size_t n = comprimentoUtf8(utf8);
    std::string saida(utf8);
    if (n < largura) saida.append(largura - n, ' ');
    return saida;
}

namespace {

// A file is UTF-8 when all of it is; otherwise every line is Windows-1252.
std::optional<std::vector<std::string>> linhasUtf8(LeitorDeLinhas& leitor) {
    if (!leitor.aberto()) return std::nullopt;
    std::vector<std::string> linhas;
    std::string linha;
    bool utf8 = true;
    while (leitor.proxima(linha)) {
        utf8 = utf8 && ehUtf8Valido(linha);
        linhas.push_back(linha);
    }
    if (leitor.falhou()) return std::nullopt;
    if (!utf8 && !leitor.utf16())
        for (std::string& l : linhas) l = utf8DeWindows1252(l);
    return linhas;
}

}  // namespace

std::optional<std::vector<std::string>> leLinhasTexto(const std::filesystem::path& arquivo) {
    LeitorDeLinhas leitor(arquivo);
    return linhasUtf8(leitor);
}

std::vector<std::string> linhasDeTexto(std::string_view bytes) {
    LeitorDeLinhas leitor(LeitorDeLinhas::EmMemoria{bytes});
    return linhasUtf8(leitor).value_or(std::vector<std::string>{});
}

std::optional<std::string> gravaLinhasTexto(const std::filesystem::path& arquivo,
                                            const std::vector<std::string>& linhas, Substituicao substituicao) {
    std::string bytes;
    for (const std::string& linha : linhas) bytes += windows1252DeUtf8(linha) + "\r\n";
    return gravaArquivo(arquivo, bytes, substituicao);
}

}  // namespace pelmar
