#include "base/ArquivoBinario.h"

#include "base/GravacaoArquivo.h"

#include <fstream>
#include <system_error>
#include <utility>

namespace pelmar {

namespace {

std::string nomeCitado(const std::filesystem::path& arquivo) { return "\"" + arquivo.string() + "\""; }

std::string notaDeTamanho(const std::filesystem::path& arquivo, const LeituraRegistro& leitura,
                          std::size_t tamanhoRegistro) {
    const std::string tamanhos = "O arquivo " + nomeCitado(arquivo) + " tem " +
                                 std::to_string(leitura.tamanhoDoArquivo) + " bytes em vez de " +
                                 std::to_string(tamanhoRegistro);
    if (leitura.tamanhoDoArquivo < tamanhoRegistro)
        return tamanhos + "; os campos que faltam ficaram com os valores padrão.";
    return tamanhos + "; só os primeiros " + std::to_string(tamanhoRegistro) + " foram lidos.";
}

// NAME.ilegivel, or NAME.ilegivel-2, -3… when taken.
std::filesystem::path nomeLivreAoLado(const std::filesystem::path& arquivo, std::error_code& ec) {
    constexpr int TENTATIVAS = 1000;
    for (int n = 1; n <= TENTATIVAS; ++n) {
        std::filesystem::path candidato = arquivo;
        candidato += n == 1 ? std::string(".ilegivel") : ".ilegivel-" + std::to_string(n);
        const auto tipo = std::filesystem::symlink_status(candidato, ec).type();
        if (tipo == std::filesystem::file_type::not_found) {
            ec.clear();
            return candidato;
        }
        if (ec) return candidato;
    }
    ec = std::make_error_code(std::errc::file_exists);
    return arquivo;
}

}  // namespace

LeituraRegistro leRegistro(const std::filesystem::path& arquivo, std::size_t tamanhoRegistro) {
    namespace fs = std::filesystem;
    LeituraRegistro leitura;
    std::error_code ec;
    const fs::file_status estado = fs::status(arquivo, ec);
    if (estado.type() == fs::file_type::not_found) return leitura;
    leitura.situacao = LeituraRegistro::Situacao::Ilegivel;
    if (ec) {
        leitura.erro = ec.message();
        return leitura;
    }
    if (!fs::is_regular_file(estado)) {
        leitura.erro = "não é um arquivo comum";
        return leitura;
    }
    leitura.tamanhoDoArquivo = fs::file_size(arquivo, ec);
    if (ec) {
        leitura.erro = ec.message();
        return leitura;
    }
    std::ifstream entrada(arquivo, std::ios::binary);
    if (!entrada) {
        leitura.erro = "não foi possível abrir o arquivo";
        return leitura;
    }
    std::vector<char> bloco(tamanhoRegistro);
    entrada.read(bloco.data(), static_cast<std::streamsize>(bloco.size()));
    if (entrada.bad()) {
        leitura.erro = "erro de leitura";
        return leitura;
    }
    const auto lidos = static_cast<std::size_t>(entrada.gcount());
    leitura.bytes.assign(bloco.begin(), bloco.begin() + static_cast<std::ptrdiff_t>(lidos));
    leitura.situacao = LeituraRegistro::Situacao::Lido;
    return leitura;
}

std::optional<std::string> gravaRegistro(const std::filesystem::path& arquivo, std::span<const std::uint8_t> bytes) {
    return gravaArquivo(arquivo,
                        std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

CargaRegistro carregaRegistro(const std::filesystem::path& arquivo, std::size_t tamanhoRegistro,
                              std::span<const std::uint8_t> padrao) {
    CargaRegistro carga;
    LeituraRegistro leitura = leRegistro(arquivo, tamanhoRegistro);
    if (leitura.situacao == LeituraRegistro::Situacao::Lido) {
        if (leitura.tamanhoDoArquivo != tamanhoRegistro)
            carga.notas.push_back(notaDeTamanho(arquivo, leitura, tamanhoRegistro));
        carga.bytes = std::move(leitura.bytes);
        return carga;
    }
    if (leitura.situacao == LeituraRegistro::Situacao::Ilegivel) {
        const std::string problema =
            "Não foi possível ler o arquivo " + nomeCitado(arquivo) + " (" + leitura.erro + ")";
        std::error_code ec;
        const std::filesystem::path guardado = nomeLivreAoLado(arquivo, ec);
        if (!ec) std::filesystem::rename(arquivo, guardado, ec);
        if (ec) {
            carga.notas.push_back(problema + " nem guardá-lo à parte (" + ec.message() +
                                  "); valores padrão em uso, o arquivo não foi alterado.");
            return carga;
        }
        carga.notas.push_back(problema + "; guardado como " + nomeCitado(guardado) + ", valores padrão em uso.");
    }
    if (auto erro = gravaRegistro(arquivo, padrao)) carga.notas.push_back(std::move(*erro));
    return carga;
}

}  // namespace pelmar
