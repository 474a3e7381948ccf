#include "records/DebugMesa.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <utility>

#include "base/ArquivoTexto.h"
#include "base/Inteiros.h"

namespace pelmar {

namespace {

constexpr std::string_view CABECALHO = "DEBUG-PELMAR";
constexpr std::string_view SEPARADOR = "#===================== ";
// Twelve points end the match before the next hand is dealt, so a hand starts from at most eleven.
constexpr int PONTOS_ANTES_DA_MAO = 11;

std::string_view semBrancos(std::string_view s) {
    const auto inicio = s.find_first_not_of(" \t");
    if (inicio == std::string_view::npos) return {};
    const auto fim = s.find_last_not_of(" \t");
    return s.substr(inicio, fim - inicio + 1);
}

std::string nomeDaCarta(const Baralho& baralho, int carta) {
    // A corrupt index must not stop a debug snapshot; it shows as an empty name.
    if (carta < 0 || carta > CARTAS_NO_BARALHO) return {};
    return baralho[carta].NOME;
}

// Walks the lines of the file, knowing the line number for the messages.
class LeitorLinhas {
public:
    LeitorLinhas(const std::vector<std::string>& linhas, std::string nomeArquivo)
        : linhas_(linhas), nomeArquivo_(std::move(nomeArquivo)) {}

    std::optional<std::string> proxima(std::string& erro) {
        if (posicao_ >= linhas_.size()) {
            erro = "O arquivo \"" + nomeArquivo_ + "\" termina antes da linha " + std::to_string(posicao_ + 1) +
                   " (faltam linhas).";
            return std::nullopt;
        }
        return linhas_[posicao_++];
    }

    std::optional<int> inteiro(std::string& erro) {
        const auto linha = proxima(erro);
        if (!linha) return std::nullopt;
        const auto valor = inteiroDe<int>(semBrancos(*linha));
        if (!valor) erro = onde() + "\"" + *linha + "\" não é um número.";
        return valor;
    }

    // A score read and held to what a hand can start from; the note says when it was not.
    std::optional<int> pontos(std::string_view nome, std::string& erro, std::vector<std::string>& notas) {
        const auto valor = inteiro(erro);
        if (!valor) return std::nullopt;
        const int usado = std::clamp(*valor, 0, PONTOS_ANTES_DA_MAO);
        if (usado != *valor)
            notas.push_back(onde() + std::string(nome) + " " + std::to_string(*valor) + " fora de 0.." +
                            std::to_string(PONTOS_ANTES_DA_MAO) + "; usado " + std::to_string(usado) + ".");
        return usado;
    }

private:
    // The line last read.
    std::string onde() const { return "Arquivo \"" + nomeArquivo_ + "\", linha " + std::to_string(posicao_) + ": "; }

    const std::vector<std::string>& linhas_;
    std::string nomeArquivo_;
    std::size_t posicao_ = 0;
};

}  // namespace

int CARTA_PELO_NOME(const Baralho& baralho, std::string_view nome) {
    const std::string_view procurado = semBrancos(nome);
    for (int i = 1; i <= CARTAS_NO_BARALHO; ++i) {
        if (semBrancos(baralho[i].NOME) == procurado) return i;
    }
    return 1;
}

std::optional<std::string> DebugMesa::GRAVA_DEBUG(bool rotativo, const PastaTrabalho& pasta, const Baralho& baralho,
                                                  const EstadoJogo& estado) {
    std::string nome = "TXT\\DEBUG.TXT";
    if (rotativo) {
        ++CONTADOR_DEBUG;
        if (CONTADOR_DEBUG > 9) CONTADOR_DEBUG = 0;
        nome = "TXT\\DEBUG_" + std::to_string(CONTADOR_DEBUG) + ".TXT";
    }
    std::vector<std::string> linhas;
    linhas.reserve(23);
    linhas.emplace_back(CABECALHO);
    linhas.push_back(std::string(SEPARADOR) + "VIRA");
    linhas.push_back(nomeDaCarta(baralho, estado.VIRA));
    for (int n = 1; n <= JOGADORES_NA_MESA; ++n) {
        linhas.push_back(std::string(SEPARADOR) + std::to_string(n) + "º JOGADOR");
        for (int s = 1; s <= 3; ++s) linhas.push_back(nomeDaCarta(baralho, estado.JOGADORES[n].CARTAS[s].CARTA));
    }
    linhas.push_back(std::string(SEPARADOR) + "PONTOS COMPUTADOR");
    linhas.push_back(std::to_string(estado.PONTOS_COM));
    linhas.push_back(std::string(SEPARADOR) + "PONTOS JOGADOR");
    linhas.push_back(std::to_string(estado.PONTOS_JOG));
    // The rotating snapshots are rewritten at every hand; only the one the user asks for is kept safe.
    return gravaLinhasTexto(pasta.resolve(nome), linhas, rotativo ? Substituicao::NoLugar : Substituicao::Segura);
}

ResultadoCargaDebug DebugMesa::CARREGA_DEBUG(const PastaTrabalho& pasta, const Baralho& baralho, EstadoJogo& estado) {
    ResultadoCargaDebug resultado;
    const std::filesystem::path caminho = pasta.resolve("TXT\\DEBUG.TXT");
    const auto linhas = leLinhasTexto(caminho);
    if (!linhas) {
        resultado.erro = "Não foi possível ler o arquivo \"" + caminho.string() + "\".";
        return resultado;
    }
    LeitorLinhas leitor(*linhas, caminho.string());
    std::string erro;
    auto falha = [&] {
        resultado.erro = erro;
        return resultado;
    };
    auto leCarta = [&](std::string& nome, int& carta) {
        auto linha = leitor.proxima(erro);
        if (!linha) return false;
        nome = *linha;
        carta = CARTA_PELO_NOME(baralho, nome);
        if (carta == 1 && semBrancos(nome) != semBrancos(baralho[1].NOME)) resultado.nomesDesconhecidos.push_back(nome);
        return true;
    };

    const auto primeira = leitor.proxima(erro);
    if (!primeira) return falha();
    if (*primeira == CABECALHO) {
        if (!leitor.proxima(erro)) return falha();
        if (!leCarta(MESA_DEBUG.nomeVira, MESA_DEBUG.vira)) return falha();
        for (int j = 1; j <= JOGADORES_NA_MESA; ++j) {
            if (!leitor.proxima(erro)) return falha();
            for (int s = 1; s <= 3; ++s) {
                if (!leCarta(MESA_DEBUG.nomes[j][s], MESA_DEBUG.cartas[j][s])) return falha();
            }
        }
        resultado.cartasCarregadas = true;
    }

    if (!leitor.proxima(erro)) return falha();
    const auto pontosCom = leitor.pontos("PONTOS_COM", erro, resultado.notas);
    if (!pontosCom) return falha();
    estado.PONTOS_COM = *pontosCom;
    if (!leitor.proxima(erro)) return falha();
    const auto pontosJog = leitor.pontos("PONTOS_JOG", erro, resultado.notas);
    if (!pontosJog) return falha();
    estado.PONTOS_JOG = *pontosJog;
    return resultado;
}

}  // namespace pelmar
