#include "engine/Turnos.h"

#include <cmath>
#include <string>

#include "engine/EstadoTruco.h"
#include "engine/Partida.h"

namespace pelmar {

Turnos::Turnos(Partida& jogo) : j_(jogo) {
    TEMPO_JOGADORES = j_.plataforma.criaTimer(100, [this] { tickJogadores(); });
    j_.plataforma.ativaTimer(TEMPO_JOGADORES, true);
    PISCA = j_.plataforma.criaTimer(500, [this] { tickPisca(); });
}

Turnos::~Turnos() {
    // The platform outlives the game; its timers must not call into a game that is gone.
    j_.plataforma.ativaTimer(TEMPO_JOGADORES, false);
    j_.plataforma.ativaTimer(PISCA, false);
}

bool Turnos::jogaSozinho(int jogador) const {
    if (jogador == 2 || jogador == 4) return true;
    if (jogador == 1) return j_.prefs.J1_JOGA_SOZINHO;
    return j_.prefs.J3_JOGA_SOZINHO;
}

void Turnos::mudaRapido(bool rapido) {
    j_.chaves.SEM_ESPERA = rapido;
    j_.plataforma.mudaIntervalo(TEMPO_JOGADORES, rapido ? 1 : 100);
}

void Turnos::ESPERA_JOGADOR(int posicao) {
    EstadoJogo& e = j_.estado;
    j_.log(3, "** ESPERA JOGADOR JOG_" + std::to_string(posicao));
    Controle& escondida = j_.mesa["ESCONDIDA"];
    escondida.visivel = true;
    escondida.habilitado = true;
    if (!j_.prefs.ENCOBRIR_QUALQUER_RODADA && (e.MAO_DE_ONZE || e.RODADA == 1)) {
        escondida.visivel = false;
        escondida.habilitado = false;
        escondida.marcado = false;
    }
    for (auto& jogador : e.JOGADORES) {
        jogador.PODE_JOGAR = false;
        jogador.OCUPADO = false;
    }
    const int p = jogadorNaPosicao(e, posicao);
    if (p == 0) return;
    e.JOGADOR_DA_VEZ = p;
    if (jogaSozinho(p)) escondida.visivel = false;  // stays enabled: the seat's cover wish goes into it
    e.JOGADORES[p].PODE_JOGAR = true;
    if (p == 1) mostraSuaVez(true);
    // The marker moves with the turn, not half a second later on the blink.
    MOSTRA_VEZ(p, true);
    j_.plataforma.ativaTimer(PISCA, true);
    while (e.JOGADORES[p].PODE_JOGAR && !e.PARAR) {
        if (e.ESTADO_TRUCO == estado_truco::COMPUTADOR_GANHA || e.ESTADO_TRUCO == estado_truco::JOGADOR_GANHA ||
            e.ESTADO_TRUCO == estado_truco::COMPUTADOR_RECUSOU_ONZE)
            break;
        j_.Wait(10);
    }
    // However the wait ended (a card, a decided hand, a stop), no seat stays awaited: a later
    // timer tick would play into nothing.
    e.JOGADORES[p].PODE_JOGAR = false;
    mostraSuaVez(false);
    j_.plataforma.ativaTimer(PISCA, false);
}

void Turnos::antesDoUsuario() {
    j_.mesa["FUGIR"].visivel = true;
    j_.mesa["ESCONDIDA"].visivel = true;
    j_.truco.ATUALIZA_TRUCO();
    j_.truco.refrescaBotoes();
    j_.chaves.SUGESTAO_PENDENTE = true;
}

void Turnos::antesDoParceiro() {
    j_.mesa["FUGIR"].visivel = true;
    j_.mesa["ESCONDIDA"].visivel = true;
    j_.truco.ATUALIZA_TRUCO();
    j_.truco.refrescaBotoes();
}

void Turnos::depoisDoUsuario() {
    j_.truco.escondeBotoes();
    for (const char* nome : {"ESCONDIDA", "FUGIR", "strNR_REGRA", "imgSUJESTAO_1", "imgSUJESTAO_2", "imgSUJESTAO_3",
                             "imgSUJESTAO_TRUCAR", "imgSUJESTAO_ENCOBRIR"})
        j_.mesa[nome].visivel = false;
}

void Turnos::depoisDoParceiro() {
    soltaOrdens(j_);
    j_.mesa["DESCISAO_JOGAR"].texto.clear();
    j_.chaves.J3_PAUSADO = false;
    j_.mesa["PAUSAR_JOG_3"].marcado = false;
    j_.truco.escondeBotoes();
}

void Turnos::tickJogadores() {
    const EstadoJogo& e = j_.estado;
    if (e.JOGADORES[2].PODE_JOGAR) COMPUTADOR_JOGA(2);
    if (e.JOGADORES[4].PODE_JOGAR) COMPUTADOR_JOGA(4);
    if (j_.prefs.J3_JOGA_SOZINHO && e.JOGADORES[3].PODE_JOGAR && !j_.chaves.J3_PAUSADO) PARCEIRO_JOGA(3);
    if (e.JOGADORES[1].PODE_JOGAR && j_.chaves.MOSTRA_SUGESTAO && j_.chaves.SUGESTAO_PENDENTE) {
        j_.chaves.SUGESTAO_PENDENTE = false;
        j_.decisoes.mostraSugestao();
    }
    if (j_.prefs.J1_JOGA_SOZINHO && e.JOGADORES[1].PODE_JOGAR) PARCEIRO_JOGA(1);
}

// A slot that holds no card would leave the seat waiting for ever.
int Turnos::slotValido(int jogador, int slot) {
    const RegistroJogador& r = j_.estado.JOGADORES[jogador];
    if (slot >= 1 && slot <= 3 && !r.CARTAS[slot].JOGADA && r.CARTAS[slot].FORCA != 0) return slot;
    int menor = 0;
    for (int s = 1; s <= 3; ++s)
        if (!r.CARTAS[s].JOGADA && r.CARTAS[s].FORCA != 0 && (menor == 0 || r.CARTAS[s].FORCA < r.CARTAS[menor].FORCA))
            menor = s;
    return menor;
}

void Turnos::COMPUTADOR_JOGA(int jogador) {
    RegistroJogador& r = j_.estado.JOGADORES[jogador];
    if (r.OCUPADO) return;
    r.OCUPADO = true;
    j_.Wait(j_.decisoes.tempoDePensarMs(jogador));
    DecisaoJogada d = j_.decisoes.DECIDE_JOGADA(jogador);
    if (j_.estado.MAO_DE_ONZE) d.trucar = false;
    if (j_.decisoes.GUARDA_CARTA(jogador, d.trucar, d.encobrir)) {
        j_.anuncios.FALA("Guardei!", "", j_.anuncios.assento(jogador));
    } else {
        for (int valor : {3, 6, 9, 12}) j_.truco.TRUCA(valor, d.trucar);
    }
    Controle& escondida = j_.mesa["ESCONDIDA"];
    if (escondida.habilitado) escondida.marcado = d.encobrir;
    j_.Wait(1);
    if (!j_.Chance(j_.prefs.DIFICULDADE * 10)) j_.Wait(j_.random(1000) + 1);
    j_.rodadas.JOGA_CARTA(jogador, slotValido(jogador, d.slot));
}

void Turnos::PARCEIRO_JOGA(int jogador) {
    EstadoJogo& e = j_.estado;
    RegistroJogador& r = e.JOGADORES[jogador];
    if (r.OCUPADO) return;
    r.OCUPADO = true;
    if (jogador != 1) j_.Wait(j_.decisoes.tempoDePensarMs(jogador));
    // The user's orders are for the partner's seat only, not for his own seat in auto-play.
    const OrdensDoParceiro ordens = jogador == 3 ? j_.chaves.ORDENS_J3 : OrdensDoParceiro{};
    DecisaoJogada d = ordens.J3_DECIDE_SOZINHO
                          ? j_.decisoes.DECIDE_JOGADA(jogador)
                          : j_.decisoes.JOGADA_ORDENADA(jogador, ordens.J3_FORCA_MAIOR, ordens.J3_FORCA_ENCOBRIR);
    Controle& permissao = j_.mesa["CK_VOU_TRUCAR"];
    permissao.visivel = false;
    permissao.habilitado = false;
    permissao.marcado = false;
    d.trucar = j_.decisoes.PEDE_PERMISSAO(d.trucar);
    j_.decisoes.GUARDA_CARTA(jogador, d.trucar, d.encobrir);
    if (ordens.J3_FORCA_TRUCAR) d.trucar = true;
    if (ordens.J3_FORCA_NAO_TRUCAR) d.trucar = false;
    if (e.MAO_DE_ONZE) d.trucar = false;
    if (d.trucar) {
        switch (e.PODE_TRUCAR) {
            case 72: j_.truco.PEDE_TRUCO(3, 12); break;
            case 68: j_.truco.PEDE_TRUCO(3, 9); break;
            case 66: j_.truco.PEDE_TRUCO(3, 6); break;
            case 65: j_.truco.PEDE_TRUCO(3, 3); break;
            default: break;
        }
    } else if (d.regra == 0 && !ordens.J3_FORCA_NAO_TRUCAR) {
        // Told to keep quiet, the partner makes no call of its own either.
        j_.decisoes.pseudoCerebro();
    }
    Controle& escondida = j_.mesa["ESCONDIDA"];
    if (escondida.habilitado) escondida.marcado = d.encobrir;
    j_.rodadas.JOGA_CARTA(jogador, slotValido(jogador, d.slot));
}

void Turnos::mostraSuaVez(bool vez) {
    j_.mesa["LOGOTIPO_1"].visivel = vez;
    j_.mesa["LOGOTIPO_0"].visivel = false;
}

void Turnos::MOSTRA_VEZ(int jogador, bool destaque) {
    const EstadoJogo& e = j_.estado;
    if (jogador < 1 || jogador > 4 || e.PARAR || !e.JOGO_EM_ANDAMENTO || e.RODADA < 1 || e.GANHADOR_MAO != 0) {
        escondeVez();
        return;
    }
    auto marca = [this](int p) -> Controle& { return j_.mesa["JOGUE_J" + std::to_string(p)]; };
    const int lider = e.GANHADOR_RODADA;
    if (lider >= 1 && lider <= 4) marca(lider).imagem = 6;
    // A new trick reorders the seats even when the seat that played last leads it.
    if (jogador != ultimoDaVez_ || e.RODADA != rodadaDaVez_) {
        for (int p = 1; p <= 4; ++p) marca(p).imagem = e.JOGADORES[p].ORDEM;
        ultimoDaVez_ = jogador;
        rodadaDaVez_ = e.RODADA;
    }
    marca(jogador).imagem = destaque ? 5 : e.JOGADORES[jogador].ORDEM;
    for (int p = 1; p <= 4; ++p) marca(p).visivel = marca(p).imagem >= 1;
}

void Turnos::escondeVez() {
    for (int p = 1; p <= 4; ++p) j_.mesa["JOGUE_J" + std::to_string(p)].visivel = false;
    ultimoDaVez_ = 0;
    rodadaDaVez_ = 0;
}

void Turnos::tickPisca() {
    ModeloMesa& m = j_.mesa;
    if (j_.estado.JOGADORES[1].PODE_JOGAR) {
        const bool aceso = m["LOGOTIPO_1"].visivel;
        m["LOGOTIPO_1"].visivel = !aceso;
        m["LOGOTIPO_0"].visivel = aceso;
    }
    if (j_.chaves.J3_PAUSADO) j_.animacoes.chacoalha(m["IMG_JOGADOR_3"]);
    if (j_.estado.JOGO_EM_ANDAMENTO) j_.conversa.CONVERSA_JOGADORES();
    Controle& info = m["TfTRUCO_INFO"];
    if (info.contador >= 0) {
        --info.contador;
        if (info.contador < 1) info.visivel = false;
    }
}

void Turnos::NOVO_JOGO() {
    EstadoJogo& e = j_.estado;
    j_.mesa["INICIO"].visivel = false;
    j_.relogio.liga();
    // Tested before PARAR is cleared: clearing it would revive a loop that is still unwinding.
    if (e.JOGO_EM_ANDAMENTO) {
        j_.tela.caixaMensagem(
            "BUG !!!",
            "Desculpe mas o jogo está com um problema que ainda não consegui resolver \nquando existem varios "
            "reinicio de partida, para uma nova partida saia do jogo !!!\n\nRoubas os pontos e ate pode travar o "
            "computar\nAcontece umas loucuras !!!");
        return;
    }
    e.PARAR = false;
    j_.bastidores.comecoDePartida();
    j_.Wait(500);
    const int pro = j_.estatisticas.BOIS_PRO;
    const int contra = j_.estatisticas.BOIS_CONTRA;
    const int taxa = pro + contra == 0 ? 0 : static_cast<int>(std::lround(100.0 * pro / (pro + contra)));
    j_.anuncios.FALA("Boa Partida! " + std::to_string(pro) + " x " + std::to_string(contra) + " Bois (" +
                         std::to_string(pro - contra) + ") " + std::to_string(taxa) + "% ",
                     "PERSONAL_ADD_1");
    for (int i = 1; i <= 6; ++i) {
        j_.mesa["BT_ROUBAR_" + std::to_string(i)].visivel = true;
        j_.mesa["BT_VER_CARTA_" + std::to_string(i)].visivel = true;
    }
    LACO_PARTIDAS();
    e.PARAR = true;
}

void Turnos::PARAR_JOGO() {
    j_.mesa["TRUCO3"].visivel = false;
    j_.rodadas.RECOLHE_CARTAS(2);
    j_.Wait(50);
    j_.estado.PARAR = true;
    j_.distribuicao.NOVA_MAO_MESA();
    j_.conversa.fechaBaloes();
    limpaMesaParada();
    j_.Wait(50);
    j_.mesa["INICIO"].visivel = true;
}

void Turnos::limpaMesaParada() {
    ModeloMesa& m = j_.mesa;
    mostraSuaVez(false);
    escondeVez();
    depoisDoUsuario();
    depoisDoParceiro();
    for (const char* nome : {"CARTA_MAIOR", "STA_JOG_TRUCOU", "STA_COM_TRUCOU", "CK_VOU_TRUCAR", "AVISO_M",
                             "TfTRUCO_INFO", "MAO11"})
        m[nome].visivel = false;
    for (int p = 1; p <= 4; ++p) m["ZAP_JOG_" + std::to_string(p)].visivel = false;
    j_.sinais.desativa();
    j_.placar.apagaPlacar();
}

void Turnos::LACO_PARTIDAS() {
    EstadoJogo& e = j_.estado;
    const Estatisticas& s = j_.estatisticas;
    const DataHora d = j_.plataforma.dataHora();
    const std::string linha = "===============================";
    escondeVez();
    j_.troca.TROCA_JOGADORES();
    j_.historico.LIMPA_HISTORICO();
    j_.log(0, linha);
    j_.log(0, "INICIO DO JOGO AS " + textoData(d));
    j_.log(0, linha);
    j_.log(0, "      BOIS PRO/CONTRA : " + std::to_string(s.BOIS_PRO) + "/" + std::to_string(s.BOIS_CONTRA));
    j_.log(0, "             PARTIDAS : " + std::to_string(s.PARTIDAS));
    j_.log(0, "              RODADAS : " + std::to_string(s.RODADAS));
    j_.log(0, "    VITORIAS/DERROTAS : " + std::to_string(s.VITORIAS) + "/" + std::to_string(s.DERROTAS));
    j_.log(0, "   RODADAS PRO/CONTRA : " + std::to_string(s.RODADAS_PRO) + "/" + std::to_string(s.RODADAS_CONTRA));
    j_.log(0, "    PONTOS PRO/CONTRA : " + std::to_string(s.PONTOS_PRO) + "/" + std::to_string(s.PONTOS_CONTRA));
    j_.log(0, linha);
    // A stop asked for during the greeting or the change of players stands: the game it
    // stopped does not start behind the user's back.
    if (e.JOGO_EM_ANDAMENTO || e.PARAR) return;
    e.JOGO_EM_ANDAMENTO = true;
    e.PONTOS_COM = e.PONTOS_JOG = 0;
    // A boi left half played by a stop starts over with the new game.
    e.PARTIDAS_NO_BOI = e.PARTIDAS_JOG = e.PARTIDAS_COM = 0;
    // However the loop ends, a fault included, no game is left marked as running: the next
    // "N&ova Partida" would find it and refuse.
    // Nor a face left signalling over a table that no longer plays.
    struct FimDoLaco {
        EstadoJogo& estado;
        Sinais& sinais;
        ~FimDoLaco() {
            estado.JOGO_EM_ANDAMENTO = false;
            sinais.desativa();
        }
    } fim{e, j_.sinais};
    while (!e.PARAR) jogaUmaMao();
}

void Turnos::jogaUmaMao() {
    EstadoJogo& e = j_.estado;
    // The last hand's cards are no longer anybody's to signal.
    j_.sinais.desativa();
    e.DISTRIBUIDOR = e.DISTRIBUIDOR % 4 + 1;
    e.JOGADOR_MAO = e.DISTRIBUIDOR % 4 + 1;
    e.GANHADOR_RODADA = e.JOGADOR_MAO;
    const DataHora d = j_.plataforma.dataHora();
    j_.log(0, "--------- INICIO DA MÃO | " + textoDataHora(d));
    if (auto aviso = j_.bastidores.comecoDaMao()) j_.anuncios.FALA(*aviso, "");
    j_.mesa["img_PERSONALIDADE"].visivel = j_.prefs.USA_PERSONALIDADE;
    j_.log(0, std::to_string(j_.estatisticas.PONTUACAO_PARCIAL) + "/" + std::to_string(j_.estatisticas.PONTUACAO_TOTAL) +
                  "/" + std::to_string(j_.estatisticas.RECORDE));
    j_.rodadas.JOGA_MAO();
    e.RODADA = 0;
    e.JOGADOR_DA_VEZ = 0;
    escondeVez();
    if (!e.PARAR) j_.placar.FIM_PARTIDA();
}

}  // namespace pelmar
