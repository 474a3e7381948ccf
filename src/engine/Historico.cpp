#include "engine/Historico.h"

#include <array>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "base/ArquivoTexto.h"

namespace pelmar {

Historico::Historico(const EstadoJogo& estado) : estado_(estado) {}

const std::vector<std::string>& Historico::linhas() const { return linhas_; }

void Historico::ESCREVE_HISTORICO(int nivel, std::string_view texto) {
    if (!registra(nivel)) return;
    ++NR_LINHA_HISTORICO;
    // Room for eight ints at full width plus the fixed text.
    std::array<char, 160> prefixo{};
    const int n = std::snprintf(prefixo.data(), prefixo.size(), "|%5d|%1d|%2d/%2d-%2d|%1d\u00B0|J%1d|%c| ",
                                NR_LINHA_HISTORICO, nivel, estado_.PONTOS_JOG, estado_.PONTOS_COM,
                                estado_.VALOR_TRUCO, estado_.RODADA, estado_.JOGADOR_DA_VEZ,
                                estado_.RESULTADO_RODADA_ATUAL);
    std::string linha;
    if (n > 0) linha.assign(prefixo.data(), static_cast<std::size_t>(n));
    linha += texto;
    if (guardaLinhas) linhas_.push_back(linha);
    // The local copy stays valid even if a listener writes to or clears the log.
    aoEscrever.avisa(linha);
}

void Historico::LIMPA_HISTORICO() { linhas_.clear(); }

std::optional<std::string> guardaHistoricoAnterior(const PastaTrabalho& pasta) {
    namespace fs = std::filesystem;
    const fs::path antigo = pasta.resolve("P-HISTORICO_OLD.TXT");
    const fs::path novo = pasta.resolve("P-HISTORICO_NEW.TXT");
    std::error_code ec;
    // A delete that fails is not reported on its own: the rename below then fails and says so.
    if (fs::exists(antigo, ec)) fs::remove(antigo, ec);
    ec.clear();
    if (fs::exists(novo, ec)) {
        fs::rename(novo, antigo, ec);
        if (ec) {
            return "Não foi possível renomear \"" + novo.string() + "\" para \"" + antigo.string() +
                   "\": " + ec.message();
        }
    }
    return std::nullopt;
}

std::optional<std::string> Historico::SALVA_HISTORICO(const PastaTrabalho& pasta) const {
    if (auto erro = guardaHistoricoAnterior(pasta)) return erro;
    // Resolved again: a rotated file of another letter case must not name the new one.
    return gravaLinhasTexto(pasta.resolve("P-HISTORICO_NEW.TXT"), linhas_);
}

std::optional<std::string> Historico::SALVA_HISTORICO_ERRO(const PastaTrabalho& pasta) const {
    return gravaLinhasTexto(pasta.resolve("P-HISTORICO_ERRO.TXT"), linhas_);
}

}  // namespace pelmar
