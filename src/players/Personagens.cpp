#include "players/Personagens.h"

#include <filesystem>
#include <system_error>

#include "base/ArquivoTexto.h"
#include "base/PastaTrabalho.h"
#include "players/LinhaPersonalidade.h"

namespace pelmar {

std::optional<std::string> problemaNoNomeDePersonagem(std::string_view nome) {
    const std::string citado = "\"" + std::string(nome) + "\"";
    if (nome.empty()) return "O nome do personagem está vazio.";
    if (nome == "." || nome == ".." || nome.find_first_of(std::string_view("/\\\0", 3)) != std::string_view::npos)
        return "O nome " + citado + " não é o de uma pasta dentro de " + std::string(PASTA_DE_PERSONAGENS) + ".";
    if (!ehUtf8Valido(nome) || utf8DeWindows1252(windows1252DeUtf8(nome)) != nome)
        return "O nome " + citado + " tem letras que o arquivo de preferências não guarda.";
    for (unsigned char c : nome)
        if (c < 0x20 || c == 0x7F) return "O nome " + citado + " tem caracteres de controle.";
    if (comprimentoUtf8(nome) > static_cast<std::size_t>(TAMANHO_NOME_JOGADOR))
        return "O nome " + citado + " passa de " + std::to_string(TAMANHO_NOME_JOGADOR) + " letras.";
    return std::nullopt;
}

std::optional<std::string> pastaDoPersonagem(const PastaTrabalho& pasta, std::string_view nome) {
    if (problemaNoNomeDePersonagem(nome)) return std::nullopt;
    const std::filesystem::path lugar = pasta.resolve(std::string(PASTA_DE_PERSONAGENS) + "\\" + std::string(nome));
    std::error_code ec;
    if (!std::filesystem::is_directory(lugar, ec)) return std::nullopt;
    return lugar.filename().string();
}

std::string vozDoPersonagem(std::string_view personagem, int valor) {
    return "..\\" + std::string(PASTA_DE_PERSONAGENS) + "\\" + std::string(personagem) + "\\TRUCO_" +
           std::to_string(valor);
}

}  // namespace pelmar
