#include "jogo/Jogo.h"

#include <filesystem>
#include <system_error>

#include "engine/EstadoTruco.h"
#include "records/RegistroEstatisticas.h"
#include "records/RegistroPreferencias.h"

namespace pelmar {

Jogo::Jogo(Plataforma& plataforma_, Tela& tela_, PastaTrabalho pasta_)
    : Jogo(plataforma_, tela_, computador, std::move(pasta_)) {}

Jogo::Jogo(Plataforma& plataforma_, Tela& tela_, Decisoes& decisoes_, PastaTrabalho pasta_)
    : Partida(plataforma_, tela_, decisoes_, bastidores_, std::move(pasta_)), ia(*this), computador(*this, ia, dificuldade, personalidades) {
    defineGanchosPadrao(doJogo_);
    ia.consulta.usaEscolhaCalculada(&computador.escolha);
    estado.PARAR = true;
    baralho.INICIA_BARALHO();
    distribuicao.NOVA_MAO_MESA();
}

void Jogo::INICIALIZA_TUDO() {
    // Debug snapshots and texts live in TXT; a new folder gets it at once.
    std::error_code ec;
    std::filesystem::create_directories(pasta.resolve("TXT"), ec);
    for (const std::string& nota : CARREGA_ESTATISTICAS(estatisticas, pasta)) log(0, nota);
    conversa.CONTA_FALAS();
    for (const std::string& nota : CARREGA_PREFERENCIAS(prefs, pasta)) log(0, nota);
    baralho.INICIA_BARALHO();
    dificuldade.DEFINE_DIFICULDADE(prefs.DIFICULDADE);
    const auto sorteio = personalidades.SORTEIA_PERSONALIDADES();
    if (sorteio.erro && !sorteio.repetido) tela.mostraErro(*sorteio.erro);
    pontuacao.MOSTRA_ESTATISTICAS();
}

void Jogo::gravaPreferencias() {
    if (chaves.naoGravaPreferencias) return;
    if (auto erro = SALVA_PREFERENCIAS(prefs, pasta)) log(0, *erro);
}

void Jogo::fazDemonstracao() {
    demonstracao_ = true;
    chaves.naoGravaPreferencias = true;
    pontuacao.naoGrava = true;
    // The user's seat is played by the computer: nothing of it is the user's to learn.
    defineGanchosPadrao(daDemonstracao_);
}

void Jogo::gravaDebug() {
    if (auto erro = debug.GRAVA_DEBUG(false, pasta, baralho, estado)) tela.mostraErro(*erro);
}

void Jogo::carregaDebug() {
    chaves.MODO_DEBUG = true;
    mesa["DEBUG"].visivel = true;
    const ResultadoCargaDebug carga = debug.CARREGA_DEBUG(pasta, baralho, estado);
    for (const std::string& nome : carga.nomesDesconhecidos)
        log(0, "DEBUG.TXT: CARTA DESCONHECIDA '" + nome + "' CARREGADA COMO " + baralho[1].NOME);
    for (const std::string& nota : carga.notas) log(0, "DEBUG.TXT: " + nota);
    if (carga.erro) {
        log(0, "DEBUG.TXT: " + *carga.erro);
        tela.mostraErro(*carga.erro);
    }
    // Only a whole, valid preset may drive the deals: a partial one would deal empty cards.
    if (!carga.erro && carga.cartasCarregadas) debug.DEBUG_DISTRIBUICAO = true;
    if (estado.JOGO_EM_ANDAMENTO) placarCarregado = std::make_pair(estado.PONTOS_JOG, estado.PONTOS_COM);
    estado.ESTADO_TRUCO = estado_truco::COMPUTADOR_GANHA;
}

}  // namespace pelmar
