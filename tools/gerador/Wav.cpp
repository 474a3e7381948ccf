#include "Wav.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <stdexcept>
#include <string>

namespace pelmar::gerador {
namespace {

void poe16(QByteArray& b, unsigned v) {
    b.append(static_cast<char>(v & 0xFFu));
    b.append(static_cast<char>((v >> 8) & 0xFFu));
}

void poe32(QByteArray& b, std::uint32_t v) {
    poe16(b, v & 0xFFFFu);
    poe16(b, v >> 16);
}

std::uint32_t le16(const QByteArray& b, qsizetype i) {
    return static_cast<std::uint32_t>(static_cast<unsigned char>(b[i])) |
           static_cast<std::uint32_t>(static_cast<unsigned char>(b[i + 1])) << 8;
}

std::uint32_t le32(const QByteArray& b, qsizetype i) { return le16(b, i) | le16(b, i + 2) << 16; }

std::runtime_error erro(const QString& caminho, const char* motivo) {
    return std::runtime_error(QDir::toNativeSeparators(caminho).toStdString() + ": " + motivo);
}

}  // namespace

void gravaWav(const QString& caminho, const Amostras& amostras) {
    const auto bytesDados = static_cast<std::uint32_t>(amostras.size() * 2);
    QByteArray b;
    b.reserve(static_cast<qsizetype>(44 + bytesDados));
    b.append("RIFF");
    poe32(b, 36 + bytesDados);
    b.append("WAVEfmt ");
    poe32(b, 16);
    poe16(b, 1);  // PCM
    poe16(b, 1);  // mono
    poe32(b, TAXA_AMOSTRAGEM);
    poe32(b, TAXA_AMOSTRAGEM * 2);
    poe16(b, 2);
    poe16(b, 16);
    b.append("data");
    poe32(b, bytesDados);
    for (float a : amostras) {
        const long v = std::lround(std::clamp(static_cast<double>(a), -1.0, 1.0) * 32767.0);
        poe16(b, static_cast<unsigned>(static_cast<std::uint16_t>(static_cast<std::int16_t>(v))));
    }
    if (!QDir().mkpath(QFileInfo(caminho).absolutePath())) throw erro(caminho, "cannot create its folder");
    QFile f(caminho);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw erro(caminho, "cannot be opened for writing");
    if (f.write(b) != b.size() || !f.flush()) throw erro(caminho, "write failed");
    f.close();
    if (f.error() != QFileDevice::NoError) throw erro(caminho, "write failed");
}

Amostras leWav(const QString& caminho) {
    QFile f(caminho);
    if (!f.open(QIODevice::ReadOnly)) throw erro(caminho, "cannot be opened");
    const QByteArray b = f.readAll();
    if (b.size() < 12 || !b.startsWith("RIFF") || b.mid(8, 4) != "WAVE") throw erro(caminho, "not a RIFF/WAVE file");
    std::uint32_t canais = 0, taxa = 0, bits = 0, formato = 0;
    qsizetype dados = -1, tamanho = 0;
    for (qsizetype i = 12; i + 8 <= b.size();) {
        const QByteArray id = b.mid(i, 4);
        const auto n = static_cast<qsizetype>(le32(b, i + 4));
        if (id == "fmt " && i + 8 + 16 <= b.size()) {
            formato = le16(b, i + 8);
            canais = le16(b, i + 10);
            taxa = le32(b, i + 12);
            bits = le16(b, i + 22);
        } else if (id == "data") {
            // A writer streaming to a pipe leaves the size unknown; take what is there.
            dados = i + 8;
            tamanho = std::min(n, b.size() - dados);
            break;
        }
        i += 8 + n + (n & 1);
    }
    if (formato != 1 || bits != 16 || canais == 0 || taxa == 0 || dados < 0)
        throw erro(caminho, "not a 16-bit PCM WAV");
    const qsizetype quadros = tamanho / (2 * static_cast<qsizetype>(canais));
    std::vector<double> mono(static_cast<std::size_t>(quadros));
    for (qsizetype q = 0; q < quadros; ++q) {
        double soma = 0;
        for (std::uint32_t c = 0; c < canais; ++c) {
            const auto v = static_cast<std::int16_t>(le16(b, dados + (q * canais + c) * 2));
            soma += v / 32768.0;
        }
        mono[static_cast<std::size_t>(q)] = soma / canais;
    }
    if (taxa == TAXA_AMOSTRAGEM) return Amostras(mono.begin(), mono.end());
    // Linear interpolation is enough for speech headed to a small speaker.
    const double passo = static_cast<double>(taxa) / TAXA_AMOSTRAGEM;
    const auto n = static_cast<std::size_t>(static_cast<double>(mono.size()) / passo);
    Amostras saida(n);
    for (std::size_t i = 0; i < n; ++i) {
        const double x = static_cast<double>(i) * passo;
        const auto k = static_cast<std::size_t>(x);
        const double fr = x - static_cast<double>(k);
        const double a = mono[k], c = k + 1 < mono.size() ? mono[k + 1] : a;
        saida[i] = static_cast<float>(a + (c - a) * fr);
    }
    return saida;
}

}  // namespace pelmar::gerador
