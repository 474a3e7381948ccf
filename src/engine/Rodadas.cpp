#include "engine/Rodadas.h"

#include "base/ArquivoTexto.h"
#include "engine/EstadoTruco.h"
#include "engine/OrdenaMao.h"
#include "engine/Partida.h"

namespace pelmar {

namespace {

constexpr const char* POSICAO_DICA[] = {"Mão", "Seg.", "Ante-pé", "Pé"};
constexpr const char* POSICAO_LOG[] = {"MÃO   ", "SEG.  ", "ANTEPÉ", "PÉ    "};

std::string posicaoLog(int ordem) { return (ordem >= 1 && ordem <= 4) ? POSICAO_LOG[ordem - 1] : "------"; }

const char* textoResultado(char r) {
    switch (r) {
        case 'C': return "COMPUTADOR";
        case 'E': return "EMPATE";
        case 'J': return "JOGADOR";
        default: return "";
    }
}

Cor corResultado(char r) {
    switch (r) {
        case 'C': return Cor::Vermelho;
        case 'E': return Cor::Amarelo;
        case 'J': return Cor::Azul;
        default: return Cor::Preto;
    }
}

bool venceu(char x, char t1, char t2, char t3) {
    return (t1 == x && t2 == x) || (t1 == x && t2 == 'E') || (t1 == x && t3 == x) || (t1 == x && t3 == 'E') ||
           (t2 == x && t3 == x) || (t1 == 'E' && t2 == x) || (t1 == 'E' && t2 == 'E' && t3 == x);
}

}  // namespace

int Rodadas::ganhadorDaMao(char t1, char t2, char t3, int atual) {
    if (venceu('C', t1, t2, t3)) return 1;
    if (venceu('J', t1, t2, t3)) return 2;
    if (t1 == 'E' && t2 == 'E' && t3 == 'E') return 0;
    return atual;
}

void Rodadas::ORDEM_DA_RODADA() {
    EstadoJogo& e = j_.estado;
    for (int p = 1; p <= 4; ++p) {
        RegistroJogador& r = e.JOGADORES[p];
        r.TIME = timeDoJogador(p);
        r.PARCEIRO = (p + 1) % 4 + 1;
        r.VALOR_JOGADO = 0;
    }
    e.LIDER_RODADA = e.GANHADOR_RODADA;
    e.TIME_GANHADOR_RODADA = '=';
    e.MAIOR_VALOR_RODADA = 0;
    const int lider = e.GANHADOR_RODADA;
    if (lider < 1 || lider > 4) return;
    for (int k = 0; k < 4; ++k) e.JOGADORES[(lider - 1 + k) % 4 + 1].ORDEM = k + 1;
    for (int p = 1; p <= 4; ++p) {
        if (e.JOGADORES[p].ORDEM == 4) e.ULTIMO_DA_RODADA = p;
        j_.mesa["IMG_JOGADOR_" + std::to_string(p)].dica =
            "( J" + std::to_string(p) + " ) " + POSICAO_DICA[e.JOGADORES[p].ORDEM - 1];
    }
}

void Rodadas::JOGA_MAO() {
    EstadoJogo& e = j_.estado;
    e.JOGADOR_DA_VEZ = 0;
    j_.placar.MOSTRA_PLACAR();
    j_.ganchos().MOSTRA_ESTATISTICAS();
    ORDEM_DA_RODADA();
    j_.turnos.depoisDoUsuario();
    soltaOrdens(j_);
    j_.distribuicao.INICIA_MAO();
    if (e.PARAR) return;

    for (int p = 1; p <= 4; ++p)
        j_.log(0, "JOG_" + std::to_string(p) + " " + j_.prefs.NOME_JOGADOR[p] + " | " +
                      posicaoLog(e.JOGADORES[p].ORDEM) + " | " + j_.rotulo(p, 1) + ", " + j_.rotulo(p, 2) + ", " +
                      j_.rotulo(p, 3));
    j_.log(0, "VIRA = " + j_.baralho[e.VIRA].NOME);
    for (int p = 1; p <= 4; ++p)
        for (int t = 1; t <= 3; ++t) j_.mesa.MESA(p, t).deslocX = j_.mesa.MESA(p, t).deslocY = 0;

    for (e.RODADA = 1; e.RODADA <= 3 && !e.PARAR; ++e.RODADA) {
        j_.log(0, "INICIO DA RODADA " + std::to_string(e.RODADA) + "º");
        if (e.ESTADO_TRUCO != estado_truco::JOGADOR_RECUSOU_ONZE) {
            for (int i = 1; i <= 4; ++i) {
                e.CARTAS_NA_MESA = i;
                const bool vezDoUsuario = i == e.JOGADORES[1].ORDEM;
                const bool vezDoParceiro = i == e.JOGADORES[3].ORDEM;
                if (vezDoUsuario) j_.turnos.antesDoUsuario();
                if (vezDoParceiro) j_.turnos.antesDoParceiro();
                j_.turnos.ESPERA_JOGADOR(i);
                if (vezDoUsuario) j_.turnos.depoisDoUsuario();
                if (vezDoParceiro) j_.turnos.depoisDoParceiro();
            }
        }
        if (e.PARAR) return;  // a stopped hand is not scored

        FIM_RODADA();
        j_.truco.ATUALIZA_TRUCO();
        ORDEM_DA_RODADA();
        j_.mesa["TfTRUCO_INFO"].visivel = false;

        if (e.MOTIVO_FECHOU != 0) mostraFechamento();
        if (e.PARAR) return;
        if (e.GANHADOR_MAO == 1 || e.GANHADOR_MAO == 2) {
            j_.turnos.escondeVez();
            pontuaMao(e.GANHADOR_MAO);
            return;
        }
        j_.mesa["CARTA_MAIOR"].visivel = false;
        if (e.RODADA < 3) limpaRodada();
    }
}

void Rodadas::mostraFechamento() {
    static constexpr const char* ANUNCIOS[] = {"", "", "M02: Me Fechou na Segunda    !", "M03: Me Fechou na Terceira   !",
                                               "M04: Fechei Você na Segunda  !", "M05: Fechei Você na Terceira !",
                                               "M06: Acabou Segunda          !", "M07: Acabou Terceira         !"};
    EstadoJogo& e = j_.estado;
    const int codigo = e.MOTIVO_FECHOU;
    j_.log(0, "ZAP FECHA!   M0" + std::to_string(codigo));
    // "Me Fechou", "Fechei Você", "Acabou": the computer's side speaks, closed or closing.
    if (codigo >= 2 && codigo <= 7) j_.anuncios.FALA(ANUNCIOS[codigo], "FX01", Falante::doLado('C'));
    if (codigo < 2 || codigo > 5 || !e.TRUCO_VALENDO) return;
    const int dono = e.JOGADOR_FECHOU;
    if (dono < 1 || dono > 4) return;
    mostraZap(dono);
    j_.ganchos().bonus("ZAP TESTA", timeDoJogador(dono) == 'C' ? 1 : 2, 5);
}

void Rodadas::mostraZap(int dono) {
    Controle& zap = j_.mesa["ZAP_JOG_" + std::to_string(dono)];
    zap.visivel = true;
    j_.anuncios.FALA("Chupa Meu!", "CHUPA", j_.anuncios.assento(dono));
    j_.anuncios.TOCA_SOM("MANILHA_PAUS", 500);
    j_.animacoes.chacoalhaComPausas(zap, {30, 30, 30});
    j_.Wait(1000);
    zap.visivel = false;
}

void Rodadas::pontuaMao(int lado) {
    EstadoJogo& e = j_.estado;
    if (lado == 1) e.PONTOS_COM += e.VALOR_TRUCO;
    else e.PONTOS_JOG += e.VALOR_TRUCO;
    if (e.VALOR_TRUCO == 1) e.TRUCOS_SEGUIDOS = 0;
    j_.ganchos().maoGanha(lado, e.VALOR_TRUCO);
    if (j_.placarCarregado) {
        // The hand a loaded snapshot aborted counts for nothing: the loaded scores stand.
        e.PONTOS_JOG = j_.placarCarregado->first;
        e.PONTOS_COM = j_.placarCarregado->second;
        j_.placarCarregado.reset();
    }
    // Both are the computer's side's words: "we" are seats 2 and 4, "you" the user and partner.
    if (lado == 1) j_.anuncios.FALA("NÓS GANHAMOS !", "EU_GANHEI", Falante::doLado('C'));
    else j_.anuncios.FALA("VOCÊS GANHARAM ! ", "VOCE_GANHOU", Falante::doLado('C'));
    j_.Wait(500);
    j_.mesa["CARTA_MAIOR"].visivel = false;
    RECOLHE_CARTAS(lado);
    j_.log(0, lado == 1 ? "[--] FIM MAO : GANHADOR COMPUTADOR " : "[++] FIM MAO : GANHADOR JOGADOR ");
}

void Rodadas::limpaRodada() {
    EstadoJogo& e = j_.estado;
    const int t = e.RODADA;
    j_.Wait(500);
    j_.mesa["MAIOR_CARTA_ROD_" + std::to_string(t)].visivel = false;
    j_.Wait(500);
    // The four cards pushed together towards the middle of the table, then shaken.
    static constexpr int PARA_O_CENTRO[5][2] = {{0, 0}, {0, -15}, {-15, 0}, {0, 15}, {15, 0}};
    for (int p = 1; p <= 4; ++p) {
        Controle& c = j_.mesa.MESA(p, t);
        c.deslocX += PARA_O_CENTRO[p][0] + (PARA_O_CENTRO[p][1] != 0 ? 2 : 0);
        c.deslocY += PARA_O_CENTRO[p][1] + (PARA_O_CENTRO[p][0] != 0 ? 2 : 0);
    }
    j_.tela.redesenha();
    for (int p = 1; p <= 4; ++p) j_.animacoes.chacoalha(j_.mesa.MESA(p, t));
    const char r = e.RESULTADO_RODADA[t];
    const std::string prefixo = std::to_string(t) + "ª Mão - ";
    const char* texto = r == 'C' ? "Ruim!" : r == 'E' ? "Empate!" : r == 'J' ? "Boa!" : nullptr;
    if (texto) j_.anuncios.FALA(prefixo + texto, "FX_FIM_MAOS");
}

void Rodadas::registraCartaVista(int carta, int forca) {
    EstadoJogo& e = j_.estado;
    if (const int manilha = indiceDoNaipe(naipeDaManilha(forca)); manilha >= 0) {
        const auto um = static_cast<std::size_t>(manilha);
        e.MANILHAS_SAIRAM[um] = true;
        j_.mesa["MANILHA_" + std::string(NOMES_DOS_NAIPES[um])].visivel = true;
    }
    const CartaBaralho& c = j_.baralho[carta];
    const int i = indiceDoNaipe(c.NAIPE);
    if (i < 0) return;
    const auto ui = static_cast<std::size_t>(i);
    const std::string nome(NOMES_DOS_NAIPES[ui]);
    if (c.VALOR == valor::TRES) {
        e.TRES_SAIRAM[ui] = true;
        j_.mesa[nome + "_3"].visivel = true;
    } else if (c.VALOR == valor::DOIS) {
        e.DOIS_SAIRAM[ui] = true;
        j_.mesa[nome + "_2"].visivel = true;
    } else if (c.VALOR == valor::AS) {
        e.ASES_SAIRAM[ui] = true;
        j_.mesa[nome + "_1"].visivel = true;
    }
}

void Rodadas::JOGA_CARTA(int p, int s) {
    EstadoJogo& e = j_.estado;
    if (p < 1 || p > 4 || s < 1 || s > 3) return;
    RegistroJogador& jogador = e.JOGADORES[p];
    SlotCarta& slot = jogador.CARTAS[s];
    if (slot.FORCA == 0) return;

    Controle& escondida = j_.mesa["ESCONDIDA"];
    const std::string estatistica = p >= 2 ? j_.decisoes.estatisticaDeRegras(p) : std::string();
    const std::string prefixoLog = std::string(escondida.marcado ? "#" : " ") + " " +
                                   alinhaDireita(j_.rotulo(p, s), 20) + " | " + estatistica;

    // Outside tricks 1..3 (a stopped hand being swept away) there is no table position to play to.
    if (e.PARAR || e.RODADA < 1 || e.RODADA > 3) return;
    j_.truco.ATUALIZA_TRUCO();
    if (!jogador.PODE_JOGAR) return;

    jogador.PODE_JOGAR = false;
    // The user's turn is over the moment his card leaves the hand, before it lands.
    if (p == 1) j_.turnos.mostraSuaVez(false);
    slot.JOGADA = true;
    const bool encoberta = escondida.marcado;
    j_.ganchos().APRENDE_REGRA(p, s, 0, encoberta);
    Controle& naMao = j_.mesa.JOG(p, s);
    if (p == 2 || p == 4 || (p == 1 && j_.prefs.J1_JOGA_SOZINHO) || (p == 3 && j_.prefs.J3_JOGA_SOZINHO))
        naMao.face = Face::Frente;

    const int t = e.RODADA;
    Controle& naMesa = j_.mesa.MESA(p, t);
    const std::string dicaBase = std::to_string(t) + "ª) J" + std::to_string(p) + "-";
    int v = 0;
    if (encoberta) {
        naMao.face = Face::Verso;
        naMesa.face = Face::Verso;
        naMesa.carta = 0;
        naMesa.dica = dicaBase + "Escondida";
        j_.anuncios.TOCA_SOM("ENCOBRIR", 150);
    } else {
        naMesa.face = Face::Frente;
        naMesa.carta = slot.CARTA;
        j_.anuncios.TOCA_SOM("DISTRIBUI_CARTAS", j_.prefs.TEMPO);
        j_.animacoes.voa(ModeloMesa::nomeJOG(p, s), ModeloMesa::nomeMESA(p, t), slot.CARTA, true, j_.prefs.PASSOS,
                         j_.prefs.TEMPO);
        jogador.CARTA_JOGADA[t] = slot.CARTA;
        v = slot.FORCA;
        registraCartaVista(slot.CARTA, v);
        naMesa.dica = dicaBase + j_.rotulo(p, s);
    }

    escondida.marcado = false;
    naMao.visivel = false;
    naMesa.visivel = true;
    Controle& marcador = j_.mesa["CARTA_MAIOR"];
    marcador.visivel = false;
    jogador.VALOR_JOGADO = v;
    const char lado = timeDoJogador(p);
    std::string marca = " ";

    if (v == e.MAIOR_VALOR_RODADA && lado != e.TIME_GANHADOR_RODADA) {
        e.RESULTADO_RODADA_ATUAL = 'E';
        marca = "=";
        e.DADOS_RODADAS[t].MAIOR_VALOR = v;
        e.DADOS_RODADAS[t].GANHADOR = -1;
        e.GANHADOR_RODADA = e.LIDER_RODADA;
        marcador.alvo = ModeloMesa::nomeMESA(p, t);
        marcador.cor = Cor::Amarelo;
        j_.animacoes.chacoalha(naMesa);
        j_.anuncios.TOCA_SOM("EMPATE", 50);
    } else if (v > e.MAIOR_VALOR_RODADA) {
        e.GANHADOR_RODADA = p;
        e.TIME_GANHADOR_RODADA = lado;
        e.MAIOR_VALOR_RODADA = v;
        marca = "*";
        e.DADOS_RODADAS[t].MAIOR_VALOR = v;
        e.DADOS_RODADAS[t].GANHADOR = p;
        marcador.alvo = ModeloMesa::nomeMESA(p, t);
        j_.animacoes.chacoalha(naMesa);
        marcador.cor = lado == 'C' ? Cor::Vermelho : Cor::Azul;
        j_.anuncios.TOCA_SOM(lado == 'C' ? "FX_WIN_COMPUTADOR" : "FX_WIN_JOGADOR", 200);
        if (v >= MENOR_MANILHA) j_.anuncios.TOCA_SOM(SOM_MANILHA(v), 850);
        if (t < 3) {
            Controle& maior = j_.mesa["MAIOR_CARTA_ROD_" + std::to_string(t)];
            maior.face = Face::Frente;
            maior.carta = slot.CARTA;
            maior.visivel = true;
        }
        e.RESULTADO_RODADA_ATUAL = lado;
    }

    marcaResultado();
    marcador.visivel = true;
    if (!encoberta && j_.prefs.DIFICULDADE <= 1) j_.anuncios.FALA(j_.rotulo(p, s), "", j_.anuncios.assento(p));

    if (e.CARTAS_NA_MESA == 4) {
        e.DADOS_RODADAS[t].RESULTADO = e.RESULTADO_RODADA_ATUAL;
        e.RESULTADO_RODADA[t] = e.RESULTADO_RODADA_ATUAL;
        recalculaSituacao();
        e.GANHADOR_MAO = ganhadorDaMao(e.RESULTADO_RODADA[1], e.RESULTADO_RODADA[2], e.RESULTADO_RODADA[3],
                                       e.GANHADOR_MAO);
    }

    j_.log(0, prefixoLog + " " + marca);
    slot.FORCA = 0;
    ORDENA_MAO(jogador);
    j_.Wait(10);
}

void Rodadas::marcaResultado() {
    EstadoJogo& e = j_.estado;
    ModeloMesa& m = j_.mesa;
    const int t = e.RODADA;
    const char r = e.RESULTADO_RODADA_ATUAL;
    const std::string n = std::to_string(t);
    m["R" + n + "Ja"].texto = textoResultado(r);
    m["RESULTADO_" + n].cor = corResultado(r);
    m["RODADA_MAU_" + n].visivel = r == 'C' || r == 'E';
    m["RODADA_BOM_" + n].visivel = r == 'J' || r == 'E';
    if (t > 2) return;
    Controle& forma = m["RESULTADO_RODADA_" + n];
    forma.corFundo = r == 'E' ? Cor::Amarelo : Cor::Preto;
    forma.cor = corResultado(r);
    Controle& repete = m["RJ" + n + "b"];
    repete.texto = textoResultado(r);
    repete.cor = r == 'C' ? Cor::Vermelho : r == 'J' ? Cor::Azul : Cor::Preto;
}

void Rodadas::recalculaSituacao() {
    EstadoJogo& e = j_.estado;
    bool empate = false;
    bool ganhouJ = false;
    bool ganhouC = false;
    for (int t = 1; t <= 3; ++t) {
        empate = empate || e.RESULTADO_RODADA[t] == 'E';
        ganhouJ = ganhouJ || e.RESULTADO_RODADA[t] == 'J';
        ganhouC = ganhouC || e.RESULTADO_RODADA[t] == 'C';
    }
    for (int p = 1; p <= 4; ++p) {
        const bool meuLado = timeDoJogador(p) == 'J' ? ganhouJ : ganhouC;
        const bool outroLado = timeDoJogador(p) == 'J' ? ganhouC : ganhouJ;
        e.JOGADORES[p].SITUACAO = empate ? 2 : meuLado ? 1 : outroLado ? 3 : 0;
    }
}

void Rodadas::FIM_RODADA() {
    EstadoJogo& e = j_.estado;
    e.MANILHAS_SAIRAM_ANTES = e.MANILHAS_SAIRAM;
    int c3 = 0, c2 = 0, ases = 0;
    for (std::size_t i = 0; i < 4; ++i) {
        c3 += e.TRES_SAIRAM[i];
        c2 += e.DOIS_SAIRAM[i];
        ases += e.ASES_SAIRAM[i];
    }
    std::string naipes;
    for (std::size_t i = 0; i < 4; ++i)
        if (e.MANILHAS_SAIRAM[i]) naipes += " " + std::string(NOMES_DOS_NAIPES[i]) + " ";

    if (e.RODADA >= 1 && e.RODADA <= 3 && e.ESTADO_TRUCO != estado_truco::COMPUTADOR_GANHA && e.ESTADO_TRUCO != estado_truco::JOGADOR_GANHA) {
        bool anunciou = true;
        switch (e.RESULTADO_RODADA_ATUAL) {
            case 'E':
                j_.log(0, "[=] FIM RODADA - EMPATE");
                j_.anuncios.FALA("Rodada Empatada!", "FX_FIM_RODADA_EMPATE");
                break;
            case 'C':
                j_.anuncios.FALA("Rodada Ruim!", "FX_FIM_RODADA_COMPUTADOR");
                j_.log(0, "[-] FIM RODADA - COMPUTADOR VENCEU ");
                break;
            case 'J':
                j_.anuncios.FALA("Rodada Boa!", "FX_FIM_RODADA_JOGADOR");
                j_.log(0, "[+] FIM RODADA - JOGADOR VENCEU    ");
                break;
            default: anunciou = false; break;
        }
        if (anunciou) j_.Wait(200);
    }

    for (std::size_t i = 0; i < 4; ++i)
        if (e.MANILHAS_SAIRAM[i]) e.CARTAS_QUE_SAIRAM[i] = 0;
    auto zeraPrimeiros = [&e](std::size_t inicio, int quantos) {
        for (std::size_t i = inicio; i < inicio + 4 && quantos > 0; ++i, --quantos) e.CARTAS_QUE_SAIRAM[i] = 0;
    };
    zeraPrimeiros(4, c3);
    zeraPrimeiros(8, c2);
    zeraPrimeiros(12, ases);

    if (j_.historico.registra(2))
        for (std::size_t n = 1; n <= 16; ++n)
            j_.log(2, "CARTAS QUE SAIRAM :POS[" + std::to_string(n) + "]= " + std::to_string(e.CARTAS_QUE_SAIRAM[n - 1]));
    j_.log(1, "FIM DA MÃO :" + naipes + " C3:" + std::to_string(c3) + " C2:" + std::to_string(c2) +
                  " AS:" + std::to_string(ases));
}

void Rodadas::RECOLHE_CARTAS(int ladoVencedor) {
    EstadoJogo& e = j_.estado;
    ModeloMesa& m = j_.mesa;
    m["SOMBRA"].visivel = false;
    for (int p = 1; p <= 4; ++p)
        for (int t = 1; t <= 3; ++t) m.MESA(p, t).visivel = false;

    auto mostraNaoJogadas = [&](int p, int pausaSom) {
        for (int s = 1; s <= 3; ++s) {
            const SlotCarta& c = e.JOGADORES[p].CARTAS[s];
            if (c.JOGADA || c.FORCA == 0) continue;
            m.JOG(p, s).face = Face::Frente;
            if (pausaSom > 0) j_.anuncios.TOCA_SOM("FX04", pausaSom);
        }
    };
    if (e.ESTADO_TRUCO == estado_truco::COMPUTADOR_GANHA && j_.chaves.ADV_MOSTRA_CARTAS) {
        mostraNaoJogadas(2, 0);
        mostraNaoJogadas(4, 0);
        j_.anuncios.TOCA_SOM("FX04", 100);
    }
    if ((e.ESTADO_TRUCO == estado_truco::COMPUTADOR_GANHA || e.ESTADO_TRUCO == estado_truco::JOGADOR_GANHA) && j_.chaves.PAR_MOSTRA_CARTAS) {
        mostraNaoJogadas(3, 0);
        j_.anuncios.TOCA_SOM("FX04", 100);
    }
    if (j_.chaves.MOSTRA_CARTAS_FINAL) {
        for (int p = 1; p <= 4; ++p) mostraNaoJogadas(p, 200);
        j_.anuncios.TOCA_SOM("FX04", 2000);
    }
    if (ladoVencedor == 1 && e.ESTADO_TRUCO == estado_truco::COMPUTADOR_GANHA && j_.Chance(7)) {
        mostraNaoJogadas(2, 1000);
        mostraNaoJogadas(4, 1000);
    }
    for (int p = 1; p <= 4; ++p)
        for (int s = 1; s <= 3; ++s) m.JOG(p, s).visivel = false;
    m["CVIRA"].visivel = false;
    j_.Wait(j_.prefs.DESAPARECER);
}

}  // namespace pelmar
