#include "brain/JuncaoPendente.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#include "base/ArquivoTexto.h"
#include "base/Inteiros.h"
#include "base/LeitorDeLinhas.h"
#include "brain/EscritorRegras.h"
#include "brain/FormatoRegra.h"

namespace pelmar {

namespace {

constexpr const char* TITULO_DA_MARCA = "#, junção de P-LEARN.TXT em P-NEURON.TXT em andamento";

struct Marca {
    std::uintmax_t bytes = 0;
    std::uint64_t resumo = 0;
};

template <typename T>
bool valorDe(const std::string& linha, std::string_view chave, int base, T& valor) {
    if (!linha.starts_with(chave)) return false;
    const std::optional<T> lido = inteiroDe<T>(std::string_view(linha).substr(chave.size()), base);
    if (lido) valor = *lido;
    return lido.has_value();
}

std::optional<Marca> leMarca(const std::filesystem::path& arquivo) {
    const auto linhas = leLinhasTexto(arquivo);
    if (!linhas || linhas->size() < 3 || (*linhas)[0] != TITULO_DA_MARCA) return std::nullopt;
    Marca marca;
    if (!valorDe((*linhas)[1], "bytes=", 10, marca.bytes) || !valorDe((*linhas)[2], "resumo=", 16, marca.resumo))
        return std::nullopt;
    return marca;
}

std::optional<std::string> leBytes(const std::filesystem::path& arquivo) {
    std::ifstream entrada(arquivo, std::ios::binary);
    if (!entrada) return std::nullopt;
    std::ostringstream bytes;
    bytes << entrada.rdbuf();
    if (entrada.bad()) return std::nullopt;
    return std::move(bytes).str();
}

void apaga(const std::filesystem::path& arquivo) {
    std::error_code ec;
    std::filesystem::remove(arquivo, ec);
}

}  // namespace

std::optional<std::string> marcaJuncao(const PastaTrabalho& pasta, std::uintmax_t bytes, std::uint64_t resumo) {
    std::ostringstream hexa;
    hexa << std::hex << resumo;
    EscritorRegras escritor(pasta.resolve(MARCA_DA_JUNCAO));
    escritor.linha(TITULO_DA_MARCA);
    escritor.linha("bytes=" + std::to_string(bytes));
    escritor.linha("resumo=" + hexa.str());
    if (escritor.fecha()) return std::nullopt;
    return escritor.erro();
}

ConclusaoDaJuncao concluiJuncaoPendente(const PastaTrabalho& pasta) {
    namespace fs = std::filesystem;
    ConclusaoDaJuncao conclusao;
    const fs::path marca = pasta.resolve(MARCA_DA_JUNCAO);
    const fs::path novo = pasta.resolve(NEURON_NOVO);
    std::error_code ec;
    if (!fs::exists(marca, ec)) {
        if (fs::exists(novo, ec)) {
            apaga(novo);
            conclusao.notas.push_back("Uma junção de regras interrompida antes de começar a mudar os arquivos foi "
                                      "descartada; P-NEURON.TXT e P-LEARN.TXT ficaram como estavam.");
        }
        return conclusao;
    }
    if (fs::exists(novo, ec)) {
        // The old P-NEURON.TXT is still in place, and P-LEARN.TXT untouched: undoing is exact.
        apaga(novo);
        apaga(marca);
        conclusao.notas.push_back("Uma junção de regras interrompida foi desfeita; P-NEURON.TXT e P-LEARN.TXT "
                                  "ficaram como estavam antes dela.");
        return conclusao;
    }

    const std::optional<Marca> lida = leMarca(marca);
    const fs::path aprendizado = pasta.resolve("P-LEARN.TXT");
    const std::optional<std::string> bytes = fs::exists(aprendizado, ec) ? leBytes(aprendizado) : std::string();
    if (!lida) {
        apaga(marca);
        conclusao.notas.push_back(marca.string() + " estava ilegível e foi apagado; P-LEARN.TXT ficou como está.");
        return conclusao;
    }
    if (!bytes) {
        conclusao.pendente = true;
        conclusao.motivo = mensagemDeLeitura(aprendizado);
        conclusao.notas.push_back(conclusao.motivo);
        return conclusao;
    }
    const bool mesmoInicio =
        bytes->size() >= lida->bytes && resumoFnv(std::string_view(*bytes).substr(0, lida->bytes)) == lida->resumo;
    if (!mesmoInicio) {
        apaga(marca);
        conclusao.notas.push_back("P-LEARN.TXT mudou depois de uma junção interrompida e ficou como está; as regras "
                                  "dele que já estão em P-NEURON.TXT serão contadas de novo na próxima junção.");
        return conclusao;
    }
    // What was appended after the join read the log stays in it, to be joined next time; the
    // log is written back in the game's own format, whatever an editor had saved it in.
    const std::string_view inicio(*bytes);
    const bool utf16 = inicio.starts_with("\xFF\xFE") || inicio.starts_with("\xFE\xFF");
    const std::string depois = std::string(utf16 ? inicio.substr(0, 2) : "") + bytes->substr(lida->bytes);
    std::vector<std::string> linhas{TITULO_CEREBRO, TRACOS_CEREBRO};
    for (std::string& linha : linhasDeTexto(depois))
        if (!linha.empty()) linhas.push_back(std::move(linha));
    if (const auto falha = gravaLinhasTexto(aprendizado, linhas)) {
        conclusao.pendente = true;
        conclusao.motivo = *falha;
        conclusao.notas.push_back(*falha);
        return conclusao;
    }
    apaga(marca);
    return conclusao;
}

}  // namespace pelmar
