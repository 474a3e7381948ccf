#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "brain/Regra.h"

namespace pelmar {

// Appends rule lines to a brain file, each ended by CR LF. A missing file is created with its two
// header lines; a file that exists but cannot be opened is an error, and is never truncated.
class EscritorRegras {
public:
    enum class Modo { Acrescenta, Substitui };
    EscritorRegras(const std::filesystem::path& arquivo, Modo modo);
    ~EscritorRegras();
    EscritorRegras(const EscritorRegras&) = delete;
    EscritorRegras& operator=(const EscritorRegras&) = delete;

    bool aberto() const { return arquivo_ != nullptr && !falhou_; }
    void linha(std::string_view texto);
    void regra(const Regra& regra);
    // Flushes and closes; false when anything failed, with the reason in erro().
    bool fecha();
    const std::string& erro() const { return erro_; }

private:
    std::filesystem::path caminho_;
    std::FILE* arquivo_ = nullptr;
    bool falhou_ = false;
    std::string erro_;
};

// "Appending to FILE failed", naming the file as the user knows it.
std::string mensagemDeEscrita(const std::filesystem::path& arquivo);
std::string mensagemDeLeitura(const std::filesystem::path& arquivo);

}  // namespace pelmar
