#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

#include "brain/Regra.h"

namespace pelmar {

// Writes a brain file anew, one line at a time, each ended by CR LF. The lines go to a file beside
// it, which replaces the old one only when all of them are on disk: a full disk or a crash while
// writing leaves the old file whole.
class EscritorRegras {
public:
    explicit EscritorRegras(const std::filesystem::path& arquivo);
    ~EscritorRegras();
    EscritorRegras(const EscritorRegras&) = delete;
    EscritorRegras& operator=(const EscritorRegras&) = delete;

    bool aberto() const { return arquivo_ != nullptr && !falhou_; }
    void linha(std::string_view texto);
    void regra(const Regra& regra);
    // Puts the new file in place; false when anything failed, with the reason in erro().
    bool fecha();
    const std::string& erro() const { return erro_; }

private:
    void descarta();

    std::filesystem::path caminho_;
    std::filesystem::path provisorio_;
    std::FILE* arquivo_ = nullptr;
    bool falhou_ = false;
    std::string erro_;
};

// "Writing FILE failed", naming the file as the user knows it.
std::string mensagemDeEscrita(const std::filesystem::path& arquivo);
std::string mensagemDeLeitura(const std::filesystem::path& arquivo);

// A rule line with its CR LF, and the two header lines a brain file starts with.
std::string linhaDeRegra(const Regra& regra);
std::string cabecalhoDeRegras();

}  // namespace pelmar
