#include "records/RegistroEstatisticas.h"

#include <array>
#include <utility>

#include "base/ArquivoBinario.h"
#include "base/CamposBinarios.h"

namespace pelmar {

namespace {

// In file order, each four bytes after the one before; the reserved integers follow.
constexpr std::array<int Estatisticas::*, 14> CONTADORES = {
    &Estatisticas::PARTIDAS,        &Estatisticas::BOIS_PRO,        &Estatisticas::BOIS_CONTRA,
    &Estatisticas::VITORIAS,        &Estatisticas::DERROTAS,        &Estatisticas::RODADAS,
    &Estatisticas::RODADAS_PRO,     &Estatisticas::RODADAS_CONTRA,  &Estatisticas::PONTOS_PRO,
    &Estatisticas::PONTOS_CONTRA,   &Estatisticas::PONTUACAO_TOTAL, &Estatisticas::RECORDE,
    &Estatisticas::PONTUACAO_PARCIAL, &Estatisticas::CARTAS_JOGADAS};
static_assert(4 * (CONTADORES.size() + std::tuple_size_v<decltype(Estatisticas::reservados)>) ==
              TAMANHO_ESTATISTICAS);

constexpr std::size_t posicaoDoReservado(std::size_t i) { return 4 * (CONTADORES.size() + i); }

// Counters that play moves up by one, or by a hand's value, and that are added and subtracted in
// pairs; below a billion, any two of them add up without overflow.
constexpr int CONTAGEM_MAXIMA = 1000000000;
struct Contagem {
    int Estatisticas::*campo;
    const char* nome;
};
constexpr std::array<Contagem, 9> CONTAGENS = {{{&Estatisticas::PARTIDAS, "PARTIDAS"},
                                                {&Estatisticas::BOIS_PRO, "BOIS_PRO"},
                                                {&Estatisticas::BOIS_CONTRA, "BOIS_CONTRA"},
                                                {&Estatisticas::VITORIAS, "VITORIAS"},
                                                {&Estatisticas::DERROTAS, "DERROTAS"},
                                                {&Estatisticas::RODADAS_PRO, "RODADAS_PRO"},
                                                {&Estatisticas::RODADAS_CONTRA, "RODADAS_CONTRA"},
                                                {&Estatisticas::PONTOS_PRO, "PONTOS_PRO"},
                                                {&Estatisticas::PONTOS_CONTRA, "PONTOS_CONTRA"}}};

}  // namespace

std::vector<std::uint8_t> bytesDasEstatisticas(const Estatisticas& estatisticas) {
    std::vector<std::uint8_t> bytes(TAMANHO_ESTATISTICAS, 0);
    for (std::size_t i = 0; i < CONTADORES.size(); ++i) gravaInteiro32(bytes, 4 * i, estatisticas.*CONTADORES[i]);
    for (std::size_t i = 0; i < estatisticas.reservados.size(); ++i)
        gravaInteiro32(bytes, posicaoDoReservado(i), estatisticas.reservados[i]);
    return bytes;
}

LeituraEstatisticas estatisticasDosBytes(std::span<const std::uint8_t> bytes) {
    LeituraEstatisticas leitura;
    Estatisticas& e = leitura.estatisticas;
    auto presente = [&bytes](std::size_t pos) { return pos + 4 <= bytes.size() && pos + 4 <= TAMANHO_ESTATISTICAS; };
    for (std::size_t i = 0; i < CONTADORES.size(); ++i)
        if (presente(4 * i)) e.*CONTADORES[i] = leInteiro32(bytes, 4 * i);
    for (std::size_t i = 0; i < e.reservados.size(); ++i)
        if (presente(posicaoDoReservado(i))) e.reservados[i] = leInteiro32(bytes, posicaoDoReservado(i));

    const Estatisticas padrao;
    for (const Contagem& c : CONTAGENS) {
        int& valor = e.*c.campo;
        if (valor >= 0 && valor <= CONTAGEM_MAXIMA) continue;
        leitura.notas.push_back(std::string(c.nome) + " " + std::to_string(valor) + " fora de 0.." +
                                std::to_string(CONTAGEM_MAXIMA) + "; usado o valor inicial " +
                                std::to_string(padrao.*c.campo) + ".");
        valor = padrao.*c.campo;
    }

    // Play never leaves these values: past 999 cards the count would never meet its reset at
    // 1000, and past a million an award is always taken back. The running score starts again.
    std::string fora;
    if (e.CARTAS_JOGADAS < 0 || e.CARTAS_JOGADAS > 999)
        fora = "CARTAS_JOGADAS " + std::to_string(e.CARTAS_JOGADAS) + " fora de 0..999";
    else if (e.PONTUACAO_PARCIAL > 1000000)
        fora = "PONTUACAO_PARCIAL " + std::to_string(e.PONTUACAO_PARCIAL) + " acima de 1000000";
    if (!fora.empty()) leitura.notas.push_back(fora + "; a pontuação parcial recomeça do zero.");
    if (!fora.empty() || e.PONTUACAO_PARCIAL < 0) {
        e.PONTUACAO_PARCIAL = 0;
        e.CARTAS_JOGADAS = 0;
    }
    return leitura;
}

void zeraEstatisticas(Estatisticas& estatisticas) {
    const auto reservados = estatisticas.reservados;
    estatisticas = Estatisticas{};
    estatisticas.reservados = reservados;
}

std::vector<std::string> CARREGA_ESTATISTICAS(Estatisticas& estatisticas, const PastaTrabalho& pasta) {
    estatisticas = Estatisticas{};
    CargaRegistro carga = carregaRegistro(pasta.resolve(ARQUIVO_ESTATISTICAS), TAMANHO_ESTATISTICAS,
                                          bytesDasEstatisticas(estatisticas));
    std::vector<std::string> notas = std::move(carga.notas);
    if (carga.bytes) {
        LeituraEstatisticas lidas = estatisticasDosBytes(*carga.bytes);
        estatisticas = lidas.estatisticas;
        for (const std::string& nota : lidas.notas) notas.push_back(std::string(ARQUIVO_ESTATISTICAS) + ": " + nota);
    }
    return notas;
}

std::optional<std::string> SALVA_ESTATISTICAS(const Estatisticas& estatisticas, const PastaTrabalho& pasta) {
    return gravaRegistro(pasta.resolve(ARQUIVO_ESTATISTICAS), bytesDasEstatisticas(estatisticas));
}

}  // namespace pelmar
