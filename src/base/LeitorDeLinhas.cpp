#include "base/LeitorDeLinhas.h"

#include <array>
#include <fstream>
#include <sstream>
#include <system_error>

#include "base/ArquivoTexto.h"

namespace pelmar {

namespace {

constexpr std::size_t TAMANHO_DO_BLOCO = 64 * 1024;
constexpr char32_t SUBSTITUTO = 0xFFFD;

}  // namespace

std::uint64_t resumoFnv(std::string_view bytes, std::uint64_t resumo) {
    for (const char c : bytes) {
        resumo ^= static_cast<unsigned char>(c);
        resumo *= 1099511628211ull;
    }
    return resumo;
}

LeitorDeLinhas::LeitorDeLinhas(const std::filesystem::path& arquivo) {
    std::error_code ec;
    // A folder opens as a stream on some systems; it is not a text file.
    if (std::filesystem::is_directory(arquivo, ec)) return;
    auto entrada = std::make_unique<std::ifstream>(arquivo, std::ios::binary);
    if (*entrada) entrada_ = std::move(entrada);
}

LeitorDeLinhas::LeitorDeLinhas(EmMemoria dados)
    : entrada_(std::make_unique<std::istringstream>(std::string(dados.bytes), std::ios::binary)) {}

LeitorDeLinhas::~LeitorDeLinhas() = default;

void LeitorDeLinhas::decodifica(std::string_view bloco) {
    sobra_.append(bloco);
    const bool grande = codificacao_ == Codificacao::Utf16BE;
    auto unidade = [&](std::size_t i) -> char32_t {
        const auto a = static_cast<unsigned char>(sobra_[i]);
        const auto b = static_cast<unsigned char>(sobra_[i + 1]);
        return grande ? static_cast<char32_t>(a << 8 | b) : static_cast<char32_t>(b << 8 | a);
    };
    std::size_t i = 0;
    while (i + 1 < sobra_.size()) {
        const char32_t u = unidade(i);
        if (u >= 0xD800 && u <= 0xDBFF) {
            if (i + 3 >= sobra_.size()) break;  // its pair is in the next block
            const char32_t baixo = unidade(i + 2);
            if (baixo >= 0xDC00 && baixo <= 0xDFFF) {
                acrescentaUtf8(texto_, 0x10000 + ((u - 0xD800) << 10) + (baixo - 0xDC00));
                i += 4;
                continue;
            }
            acrescentaUtf8(texto_, SUBSTITUTO);
        } else if (u >= 0xDC00 && u <= 0xDFFF) {
            acrescentaUtf8(texto_, SUBSTITUTO);
        } else {
            acrescentaUtf8(texto_, u);
        }
        i += 2;
    }
    sobra_.erase(0, i);
}

bool LeitorDeLinhas::enche() {
    if (fim_ || !entrada_) return false;
    if (pos_ > 0 && pos_ * 2 >= texto_.size()) {
        texto_.erase(0, pos_);
        pos_ = 0;
    }
    std::array<char, TAMANHO_DO_BLOCO> bloco;
    entrada_->read(bloco.data(), static_cast<std::streamsize>(bloco.size()));
    const auto lidos = static_cast<std::size_t>(entrada_->gcount());
    if (entrada_->bad()) falhou_ = true;
    if (lidos < bloco.size()) fim_ = true;
    std::string_view dados(bloco.data(), lidos);
    bytesLidos_ += lidos;
    resumo_ = resumoFnv(dados, resumo_);
    if (inicio_ && !dados.empty()) {
        inicio_ = false;
        if (dados.starts_with("\xEF\xBB\xBF")) {
            dados.remove_prefix(3);
        } else if (dados.starts_with("\xFF\xFE")) {
            codificacao_ = Codificacao::Utf16LE;
            dados.remove_prefix(2);
        } else if (dados.starts_with("\xFE\xFF")) {
            codificacao_ = Codificacao::Utf16BE;
            dados.remove_prefix(2);
        }
    }
    if (codificacao_ == Codificacao::Bytes) texto_.append(dados);
    else decodifica(dados);
    if (fim_ && !sobra_.empty()) {
        acrescentaUtf8(texto_, SUBSTITUTO);  // a file cut in the middle of a character
        sobra_.clear();
    }
    return lidos > 0;
}

bool LeitorDeLinhas::proxima(std::string& linha) {
    while (true) {
        if (pulaLf_) {
            if (pos_ == texto_.size() && !fim_) {
                enche();
                continue;
            }
            if (pos_ < texto_.size() && texto_[pos_] == '\n') ++pos_;
            pulaLf_ = false;
        }
        const std::size_t fimDaLinha = texto_.find_first_of("\r\n", pos_);
        if (fimDaLinha != std::string::npos) {
            linha.assign(texto_, pos_, fimDaLinha - pos_);
            pulaLf_ = texto_[fimDaLinha] == '\r';
            pos_ = fimDaLinha + 1;
            return true;
        }
        if (fim_ || falhou_ || !entrada_) {
            if (pos_ >= texto_.size() || falhou_) return false;
            linha.assign(texto_, pos_);
            pos_ = texto_.size();
            return true;
        }
        enche();
    }
}

}  // namespace pelmar
