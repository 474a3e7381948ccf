#include <QCursor>
#include <QMenu>

#include <string>

#include "jogo/Jogo.h"
#include "windows/MesaDesenhada.h"
#include "windows/TForm2.h"
#include "windows/TfPARAMETROS.h"

// The gestures on the table: what a click, a press, a double click or the mouse passing over a
// control means to the game.

namespace pelmar {

namespace {

// The slot of a hand card control of `jogador` ("JOG_1_2" → 2), or 0.
int slotDaMao(const std::string& nome, int jogador) {
    const std::string prefixo = "JOG_" + std::to_string(jogador) + "_";
    if (nome.size() != prefixo.size() + 1 || nome.rfind(prefixo, 0) != 0) return 0;
    const int slot = nome.back() - '0';
    return slot >= 1 && slot <= 3 ? slot : 0;
}

}  // namespace

void TForm2::ligaGestos() {
    mesa_->gestos.pressiona = [this](const std::string& nome, Qt::MouseButton botao) {
        protege([&] { pressiona(nome, botao); });
    };
    mesa_->gestos.clica = [this](const std::string& nome) { protege([&] { clica(nome); }); };
    mesa_->gestos.duploClique = [this](const std::string& nome) { protege([&] { duploClique(nome); }); };
    mesa_->gestos.passaSobre = [this](const std::string& nome) { passaSobre(nome); };
    mesa_->aoApertarBotao = [this](const std::string& nome) { protege([&] { apertaBotao(nome); }); };
    mesa_->aoMarcar = [this](const std::string& nome, bool marcado) { protege([&] { marca(nome, marcado); }); };
}

void TForm2::baixaCartas() {
    bool mudou = false;
    for (int s = 1; s <= 3; ++s) {
        Controle& c = jogo_.mesa.JOG(1, s);
        mudou = mudou || c.deslocX != 0 || c.deslocY != 0;
        c.deslocX = c.deslocY = 0;
    }
    Controle& sombra = jogo_.mesa["SOMBRA"];
    if (sombra.visivel) {
        sombra.visivel = false;
        mudou = true;
    }
    if (mudou) mesa_->sincroniza();
}

void TForm2::jogaCartaDoUsuario(int slot) {
    EstadoJogo& e = jogo_.estado;
    if (!e.JOGADORES[1].PODE_JOGAR || !jogo_.mesa.JOG(1, slot).visivel) return;
    jogo_.pontuacao.CONTA_CARTA_JOGADA();
    baixaCartas();
    jogo_.rodadas.JOGA_CARTA(1, slot);
}

void TForm2::pressiona(const std::string& nome, Qt::MouseButton botao) {
    if (botao == Qt::RightButton && nome.rfind("IMG_JOGADOR_", 0) == 0) {
        menuDoAssento(nome.back() - '0')->popup(QCursor::pos());
        return;
    }
    if (botao == Qt::RightButton && nome == "MESA") {
        menuDaMesa_->popup(QCursor::pos());
        return;
    }
    const int slot = slotDaMao(nome, 1);
    if (slot == 0 || botao != Qt::RightButton) return;
    if (!jogo_.estado.JOGADORES[1].PODE_JOGAR) return;
    // Covered when the box is offered; in trick 1 it is not, and the card goes face up.
    Controle& escondida = jogo_.mesa["ESCONDIDA"];
    if (escondida.visivel) escondida.marcado = true;
    jogaCartaDoUsuario(slot);
}

void TForm2::clica(const std::string& nome) {
    Anuncios& anuncios = jogo_.anuncios;
    if (const int slot = slotDaMao(nome, 1)) {
        jogaCartaDoUsuario(slot);
    } else if (const int slotParceiro = slotDaMao(nome, 3)) {
        jogo_.rodadas.JOGA_CARTA(3, slotParceiro);
    } else if (nome.rfind("IMG_JOGADOR_", 0) == 0) {
        const int assento = nome.back() - '0';
        anuncios.GRITA_TRUCO(assento, 3);
        jogo_.animacoes.chacoalha(jogo_.mesa[nome], 10);
    } else if (nome == "CVIRA") {
        jogo_.animacoes.chacoalha(jogo_.mesa[nome], 10);
        anuncios.TOCA_SOM("BOBAO", 850);
    } else if (nome.rfind("MANILHA_", 0) == 0) {
        anuncios.TOCA_SOM(nome, 850);
    } else if (nome == "img_PERSONALIDADE") {
        anuncios.TOCA_SOM("yeeh", 0);
    } else if (nome == "IMG_BOIS_JOG" || nome == "IMG_BOIS_COM") {
        anuncios.TOCA_SOM("BOI", 1500);
    } else if (nome == "PAINEL_RESULTADO" || nome == "CAIXA_CARTAS_SAIRAM") {
        mesa_->alternaRecolhido(nome);
    } else if (nome.rfind("RESULTADO_", 0) == 0) {
        mostraForaDoJogo([this] { jogo_.rodadas.mostraZap(1); });
    } else if (nome == "NOME_JOG_1" || nome == "NOME_JOG_3") {
        parametros_->abreJuntoDaMesa();
    } else if (nome == "VL_DIFICULDADE_ATUAL" || nome == "VL_DIFICULDADE_NOVA") {
        parametros_->abreJuntoDaMesa();
    } else if (nome == "LB_JOGADOR") {
        contaPontosEmVozAlta(jogo_.estado.PONTOS_JOG);
    } else if (nome == "LB_COMPUTADOR") {
        contaPontosEmVozAlta(jogo_.estado.PONTOS_COM);
    }
}

void TForm2::contaPontosEmVozAlta(int pontos) {
    for (int i = 1; i <= pontos; ++i) {
        jogo_.anuncios.TOCA_SOM("PALITO", 150);
        if (i % 3 == 0) jogo_.Wait(150);
    }
}

void TForm2::duploClique(const std::string& nome) {
    // The chips hide the debug switch.
    if (nome == "FICHA_JOG_1" || nome == "FICHA_COM_1") {
        alternaDebug();
        return;
    }
    // Only while the user's own card is awaited: any other time it would play out of turn.
    if (nome != "IMG_JOGADOR_1" || !jogo_.estado.JOGO_EM_ANDAMENTO || !jogo_.estado.JOGADORES[1].PODE_JOGAR) return;
    jogo_.log(0, "PEDE PARA JOGAR");
    jogo_.turnos.PARCEIRO_JOGA(1);
}

void TForm2::passaSobre(const std::string& nome) {
    const int slot = slotDaMao(nome, 1);
    if (slot == 0 || !jogo_.estado.JOGADORES[1].PODE_JOGAR) {
        baixaCartas();
        return;
    }
    for (int s = 1; s <= 3; ++s) {
        Controle& c = jogo_.mesa.JOG(1, s);
        c.deslocX = c.deslocY = s == slot ? -3 : 0;
    }
    Controle& sombra = jogo_.mesa["SOMBRA"];
    sombra.visivel = true;
    sombra.alvo = nome;
    mesa_->sincroniza();
}

void TForm2::apertaBotao(const std::string& nome) {
    if (nome == "FUGIR") jogo_.truco.FUGIR(true);
    else if (nome == "TRUCO3") jogo_.truco.botaoTruco(3);
    else if (nome == "TRUCO6") jogo_.truco.botaoTruco(6);
    else if (nome == "TRUCO9") jogo_.truco.botaoTruco(9);
    else if (nome == "TRUCO12") jogo_.truco.botaoTruco(12);
    redesenha();
}

void TForm2::marca(const std::string& nome, bool marcado) {
    jogo_.mesa[nome].marcado = marcado;
    if (nome != "PAUSAR_JOG_3") return;
    jogo_.chaves.J3_PAUSADO = marcado;
    jogo_.log(0, marcado ? "J1 PAUSA J3 " : "J1 DES-PAUSA J3 ");
    jogo_.mesa["DESCISAO_JOGAR"].texto = marcado ? "Pausado" : "";
}

}  // namespace pelmar
