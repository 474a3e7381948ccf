#pragma once

#include <cstdint>
#include <filesystem>
#include <istream>
#include <memory>
#include <string>
#include <string_view>

namespace pelmar {

// Reads a text file line by line, whatever editor saved it: lines may end in CR LF, LF or a lone
// CR, and a file saved as UTF-16 (little or big endian, with its byte order mark) is read too.
// Lines come back without their ends, in the file's own bytes, except UTF-16, which comes back
// as UTF-8; a UTF-8 byte order mark is dropped. Large files are read a block at a time.
class LeitorDeLinhas {
public:
    // Bytes already in memory, read by the same rules.
    struct EmMemoria {
        std::string_view bytes;
    };

    explicit LeitorDeLinhas(const std::filesystem::path& arquivo);
    explicit LeitorDeLinhas(EmMemoria dados);
    ~LeitorDeLinhas();
    LeitorDeLinhas(const LeitorDeLinhas&) = delete;
    LeitorDeLinhas& operator=(const LeitorDeLinhas&) = delete;

    // False when the file could not be opened (missing, a folder, not readable).
    bool aberto() const { return entrada_ != nullptr; }
    // The next line; false at the end of the file or on a read error.
    bool proxima(std::string& linha);
    bool falhou() const { return falhou_; }
    bool utf16() const { return codificacao_ != Codificacao::Bytes; }

    // The raw bytes consumed so far and their FNV-1a hash: together they identify what was read.
    std::uintmax_t bytesLidos() const { return bytesLidos_; }
    std::uint64_t resumoDosBytes() const { return resumo_; }

private:
    enum class Codificacao { Bytes, Utf16LE, Utf16BE };
    bool enche();
    void decodifica(std::string_view bloco);

    std::unique_ptr<std::istream> entrada_;
    Codificacao codificacao_ = Codificacao::Bytes;
    bool inicio_ = true;
    bool fim_ = false;
    bool falhou_ = false;
    bool pulaLf_ = false;  // the last line ended in CR: a LF right after it belongs to it
    std::string texto_;    // decoded, not yet returned
    std::size_t pos_ = 0;
    std::string sobra_;    // UTF-16 bytes not yet decoded (an odd byte, a high surrogate)
    std::uintmax_t bytesLidos_ = 0;
    std::uint64_t resumo_ = 14695981039346656037ull;
};

// FNV-1a over the bytes, continuing from `resumo`.
std::uint64_t resumoFnv(std::string_view bytes, std::uint64_t resumo = 14695981039346656037ull);

}  // namespace pelmar
