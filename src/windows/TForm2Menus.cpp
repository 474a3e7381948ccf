#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QUrl>

#include <filesystem>

#include "jogo/Jogo.h"
#include "windows/ComandosHistorico.h"
#include "windows/Enderecos.h"
#include "windows/EscolhaDeImagens.h"
#include "windows/GanchosDeJanela.h"
#include "windows/ModoDeTela.h"
#include "windows/TForm2.h"
#include "windows/TelaQt.h"
#include "windows/TfABOUT.h"
#include "windows/TfPARAMETROS.h"
#include "windows/TfPONTOS.h"
#include "windows/TfREGRAS.h"
#include "windows/TfmtRECORDE.h"
#include "windows/VerificacoesDaInstalacao.h"

namespace pelmar {

QAction* TForm2::criaAcao(QMenu* menu, const QString& nome, const QString& texto, const QKeySequence& tecla,
                          std::function<void()> efeito) {
    auto* a = menu->addAction(texto);
    a->setObjectName(nome);
    if (!tecla.isEmpty()) a->setShortcut(tecla);
    connect(a, &QAction::triggered, this, [this, efeito = std::move(efeito)] { protege(efeito); });
    return a;
}

void TForm2::abreArquivo(const std::string& relativo, const QString& ancora) {
    abreArquivoDaPasta(aoAbrirEndereco, jogo_.pasta, relativo,
                       [this](const QString& t, const QString& x) { mensagem(t, x); }, this, ancora);
}

void TForm2::abreEndereco(const QUrl& url) {
    abreNoSistema(aoAbrirEndereco, url, [this](const QString& t, const QString& x) { mensagem(t, x); }, this);
}

void TForm2::criaMenus() {
    Jogo& j = jogo_;
    QMenu* jogo = menuBar()->addMenu("&Jogo");
    novaPartida_ = criaAcao(jogo, "NOVA_PARTIDA", "N&ova Partida", Qt::Key_F2, [this] { NOVO_JOGO(); });
    criaAcao(jogo, "TROCAR_JOGADORES", "Trocar Jogadores", Qt::Key_F5, [this] { trocaJogadores(); });
    pararJogo_ = criaAcao(jogo, "PARAR_JOGO", "Parar Jogo", Qt::Key_F3, [this] { PARAR_JOGO(); });
    pararJogo_->setEnabled(false);
    jogo->addSeparator();
    criaAcao(jogo, "JUNTAR_REGRAS", "Juntar / Aprender suas regras no cerebtro", {}, [this] { juntaRegras(); });
    criaAcao(jogo, "SAIR_E_SALVAR", "S&air e Salvar \"Preferências / Regras Aprendidas\"", Qt::Key_F4,
             [this] { sairSalvando(); });
    jogo->addSeparator();
    criaAcao(jogo, "SAIR", "Sair", {}, [this] { sair(); });

    menuExibir_ = menuBar()->addMenu("Exibir");
    QMenu* telaCheia = menuExibir_->addMenu("Tela Cheia");
    criaAcao(telaCheia, "TELA_CHEIA_16", "800x600 (16 Cores)", QKeySequence(Qt::ALT | Qt::Key_M), [this] {
        MUDA_TELA(800, 600, 16);
        pelmar::telaCheia(*this);
    });
    criaAcao(telaCheia, "TELA_CHEIA_32", "800x600 (32 Cores)", QKeySequence(Qt::ALT | Qt::Key_F), [this] {
        MUDA_TELA(800, 600, 32);
        pelmar::telaCheia(*this);
    });
    criaAcao(menuExibir_, "ESTATISTICAS_DO_JOGO", "E&statisticas do Jogo", Qt::Key_F6, [this] { pontos_->abre(); });
    criaAcao(menuExibir_, "QUANTIDADE_REGRAS", "Quantidade Regras Utilizadas", {},
             [this] { comandosHistorico_->quantidadeRegras(); });
    comandosHistorico_->montaMenuHistorico(menuExibir_->addMenu("Histórico"),
                                           [this](const std::function<void()>& f) { protege(f); });
    QMenu* animacoes = menuExibir_->addMenu("Animações");
    criaAcao(animacoes, "DOZE_A_ZERO_JOGADOR", "Doze a Zero para Jogador", {},
             [this, &j] { mostraForaDoJogo([&j] { j.placar.dozeAZero(2); }); });
    criaAcao(animacoes, "DOZE_A_ZERO_COMPUTADOR", "Doze a Zero para  Computador", {},
             [this, &j] { mostraForaDoJogo([&j] { j.placar.dozeAZero(1); }); });
    criaAcao(animacoes, "FIM_ZAP_1", "Fim Zap 1", {}, [this, &j] { mostraForaDoJogo([&j] { j.rodadas.mostraZap(1); }); });
    criaAcao(animacoes, "ANIMACAO_BARALHO", "Baralho", {}, [this, &j] {
        mostraForaDoJogo([&j] {
            j.animacoes.embaralha();
            j.animacoes.corta(j.estado.DISTRIBUIDOR % 4 + 1);
        });
    });

    menuEditar_ = menuBar()->addMenu("Editar");
    criaAcao(menuEditar_, "PARAMETROS_PELMAR", "Parâmetros PELMAR", Qt::Key_F10, [this] { parametros_->abre(); });
    criaAcao(menuEditar_, "LIMPA_ESTATISTICAS", "Limpa as Estatisticas e Recordes do PELMAR", {},
             [this] {
                 // The records are the player's own: nothing is erased without a "Sim".
                 const bool limpar =
                     perguntaLimpar ? perguntaLimpar()
                                    : perguntaSimNao(this, QString::fromUtf8("Limpar estatísticas"),
                                                     QString::fromUtf8("Apagar todas as suas estatísticas e o seu "
                                                                       "recorde?\nIsso não pode ser desfeito."));
                 if (limpar) limpaEstatisticas(jogo_, *pontos_);
             });
    menuRecordes_ = menuBar()->addMenu("Recordes");
    criaAcao(menuRecordes_, "RECORDES_INTERNET", "Tabela de Recordes na Internet", {},
             [this] { abreEndereco(QUrl(ENDERECO_RECORDES)); });
    criaAcao(menuRecordes_, "VALIDAR_RECORDE", "Validar seu Recorde", {}, [this] { recorde_->abre(); });

    QMenu* opcoes = menuBar()->addMenu("Opções");
    QAction* sugestao = criaAcao(opcoes, "MOSTRAR_SUJESTAO", "Mostrar Sujestão de jogada", {}, [&j] {
        j.chaves.MOSTRA_SUGESTAO = !j.chaves.MOSTRA_SUGESTAO;
        j.chaves.SUGESTAO_PENDENTE = j.chaves.MOSTRA_SUGESTAO;
        j.mesa["strNR_REGRA"].visivel = j.chaves.MOSTRA_SUGESTAO;
    });
    sugestao->setCheckable(true);
    criaAcao(opcoes, "JOGUE_PARA_MIM_RODADA", "Jogue para mim esta rodada.", {}, [this] { joguePorMim(false); });
    criaAcao(opcoes, "CONTE_UMA_PIADA", "Conte uma Piadas", {}, [this] { contaPiada(); });

    QMenu* ferramentas = menuBar()->addMenu("Ferramentas");
    menuTestes_ = ferramentas->addMenu("Testes");
    criaAcao(menuTestes_, "TESTE_SOM", "Som (executar um WAV)", {}, [this] { testaSom(); });
    criaAcao(menuTestes_, "TESTE_INSTALACAO", "Instalação (Verificar os Arquivos)", {}, [this] {
        verificaInstalacao(jogo_.pasta, [this](const QString& t, const QString& x) { mensagem(t, x); }, this);
    });
    QMenu* tela = menuTestes_->addMenu("Tela");
    criaAcao(tela, "LER_CONFIGURACAO_TELA", "Ler Configuração Atual da Tela", {}, [this] {
        leConfiguracaoDaTela([this](const QString& t, const QString& x) { mensagem(t, x); }, this);
    });
    criaAcao(tela, "CONFIGURAR_640", "Configurar para 640x480x16", {}, [] { MUDA_TELA(640, 480, 16); });

    QMenu* funcoes = menuBar()->addMenu("Funções");
    QMenu* jogar = funcoes->addMenu("Jogar");
    QMenu* jogarCarta = jogar->addMenu("Jogar carta");
    for (int s = 1; s <= 3; ++s)
        criaAcao(jogarCarta, QString("JOGUE_CARTA_%1").arg(s), QString("Jogue %1ª Carta").arg(s), {}, [this, s] {
            if (jogo_.mesa.JOG(1, s).visivel) jogaCartaDoUsuario(s);
        });
    jogarCarta->addSeparator();
    criaAcao(jogarCarta, "ENCOBRIR", "Encobrir", {}, [&j] {
        Controle& escondida = j.mesa["ESCONDIDA"];
        escondida.marcado = !escondida.marcado;
    });
    QMenu* truco = jogar->addMenu("Truco");
    const std::pair<int, const char*> valores[] = {{3, "Truco"}, {6, "Seis"}, {9, "Nove"}, {12, "Doze"}};
    for (const auto& [valor, nome] : valores)
        criaAcao(truco, QString("TRUCAR_%1").arg(valor), nome, {}, [&j, v = valor] { j.truco.botaoTruco(v); });
    const char* assentos[] = {"1 - Você", "2 - Adv. Direira", "3 - Parceiro", "4 - Adv. Esquerda"};
    for (int p = 1; p <= 4; ++p)
        criaAcao(funcoes, QString("MENU_JOGADOR_%1").arg(p), assentos[p - 1], {}, [this, p] { abreMenuDoAssento(p); });
    criaAcao(funcoes, "CONSELHO_PARA_JOGAR", "Conselho para Jogar", {}, [&j] { j.computador.escolha.CONSELHO(true); });
    criaAcao(funcoes, "JOGUE_PARA_MIM", "Jogue para mim", {}, [this] { joguePorMim(true); });
    criaAcao(funcoes, "FUGIR_MENU", "Fugir", {}, [&j] { j.truco.FUGIR(false); });

    menuModificar_ = menuBar()->addMenu("Modificar");
    criaAcao(menuModificar_, "SONS_DO_JOGO", "Sons do Jogo", {}, [this] { abreArquivo("WAV"); });
    criaAcao(menuModificar_, "JOGADORES", "Jogadores ", {}, [this] { ESCOLHE_PERSONAGEM(); });
    criaAcao(menuModificar_, "ESCOLHER_BARALHO", "Escolher Baralho do Jogo", {},
             [this] { escolhaDeImagens_->escolheBaralhoDoJogo(); });
    criaAcao(menuModificar_, "IMAGEM_DA_MESA", "Imagem da Mesa", {}, [this] { escolhaDeImagens_->ESCOLHE_MESA(); });
    QMenu* textos = menuModificar_->addMenu("Textos de Truco");
    for (const auto& [valor, nome] : valores)
        criaAcao(textos, QString("TEXTO_TRUCO_%1").arg(valor), nome, {},
                 [this, v = valor] { abreArquivo("TXT\\TRUCO-" + std::to_string(v) + ".TXT"); });
    criaAcao(menuModificar_, "FALAS_ENTRE_JOGADORES", "Falas entre Jogadores", {},
             [this] { abreArquivo("TXT\\FALAS.TXT"); });

    menuDebug_ = menuBar()->addMenu("Debug");
    menuDebug_->menuAction()->setObjectName("MENU_DEBUG");
    menuDebug_->menuAction()->setEnabled(false);
    criaAcao(menuDebug_, "LER_REGRAS", "Ler Regras", {}, [this] { semJogadores([this] { comandosHistorico_->lerRegras(); }); });
    // The editor's tools serve events while they rework the table: no seat may consult it meanwhile.
    criaAcao(menuDebug_, "EDITOR_DE_REGRAS", "Editor de Regras", {},
             [this] { semJogadores([this] { regras_->abre(); }); });
    criaAcao(menuDebug_, "MOSTRAR_CARTAS_DEBUG", "Mostrar Cartas", {}, [&j] {
        j.chaves.MODO_DEBUG = true;
        for (int p = 2; p <= 4; ++p)
            for (int s = 1; s <= 3; ++s) j.mesa.JOG(p, s).face = Face::Frente;
    });
    QAction* forca = criaAcao(menuDebug_, "FORCA_TRUCAR", "Força Computador a trucar", {}, [&j] {
        j.computador.truco.FORCA_COMPUTADOR_TRUCAR = !j.computador.truco.FORCA_COMPUTADOR_TRUCAR;
    });
    criaAcao(menuDebug_, "CARREGAR_DEBUG", "Carregar DEBUG.TXT", {}, [this] {
        comandosHistorico_->carregarDebug();
        menuDebug_->menuAction()->setEnabled(true);
    });
    criaAcao(menuDebug_, "EDITAR_DEBUG", "Editar DEBUG.TXT", {}, [this] { comandosHistorico_->editarDebug(); });
    forca->setCheckable(true);
    // The forced truco is the menu's last item.
    menuDebug_->removeAction(forca);
    menuDebug_->addAction(forca);

    menuAjuda_ = menuBar()->addMenu("Ajuda");
    criaAcao(menuAjuda_, "SOBRE_O_PELMAR", "Sobre o &PELMAR", {}, [this] { sobre_->mostra(posicaoDeJanelaAuxiliar(*this)); });
    criaAcao(menuAjuda_, "PAGINA_PELMAR", "PELMAR na Internet", {}, [this] { abreEndereco(QUrl(ENDERECO_PROGRAMA)); });
    criaAcao(menuAjuda_, "REGRAS_DO_TRUCO", "&Regras do TRUCO", Qt::Key_F1,
             [this] { abreArquivo(MANUAL_HTML, ANCORA_REGRAS); });
    criaAcao(menuAjuda_, "MANUAL_DO_JOGO", "Manual do Jogo", {}, [this] { abreArquivo(MANUAL_PDF); });

    criaMenusDosAssentos();
}

void TForm2::criaOrdensAoParceiro(QMenu* parceiro) {
    Jogo& j = jogo_;
    struct ItemJogar {
        const char* nome;
        const char* texto;
        OrdemDeJogar ordem;
    };
    static constexpr ItemJogar JOGAR[] = {{"JOGAR_SOZINHO", "Joga sozinho", OrdemDeJogar::Sozinho},
                                          {"MaiorCarta1", "Maior Carta", OrdemDeJogar::MaiorCarta},
                                          {"MenorCarta1", "Menor Carta", OrdemDeJogar::MenorCarta},
                                          {"Emcobrir1", "Encobrir Maior ???", OrdemDeJogar::EncobrirMaior},
                                          {"EncobrirMenor1", "Encobrir Menor ???", OrdemDeJogar::EncobrirMenor}};
    struct ItemTruco {
        const char* nome;
        const char* texto;
        OrdemDeTruco ordem;
    };
    static constexpr ItemTruco TRUCO[] = {
        {"J1_FORCA_J3_TRUCAR", "Pede Truco", OrdemDeTruco::PedeTruco},
        {"J1_FORCA_J3_TRUCAR_SOZINHO", "Truca sozinho", OrdemDeTruco::TrucaSozinho},
        {"J1_FORCA_J3_NAO_TRUCAR", "Ficar Quieto (Não Truca)", OrdemDeTruco::FicarQuieto}};
    QMenu* jogar = parceiro->addMenu("Jogar");
    QMenu* truco = parceiro->addMenu("Truco");
    auto* grupoJogar = new QActionGroup(jogar);
    auto* grupoTruco = new QActionGroup(truco);
    std::vector<std::pair<QAction*, OrdemDeJogar>> itensJogar;
    std::vector<std::pair<QAction*, OrdemDeTruco>> itensTruco;
    for (const ItemJogar& i : JOGAR) {
        QAction* a = criaAcao(jogar, i.nome, i.texto, {}, [&j, o = i.ordem] { ordenaJogar(j, o); });
        a->setCheckable(true);
        grupoJogar->addAction(a);
        itensJogar.emplace_back(a, i.ordem);
    }
    for (const ItemTruco& i : TRUCO) {
        QAction* a = criaAcao(truco, i.nome, i.texto, {}, [&j, o = i.ordem] { ordenaTruco(j, o); });
        a->setCheckable(true);
        grupoTruco->addAction(a);
        itensTruco.emplace_back(a, i.ordem);
    }
    // The orders lapse by themselves once the partner has played: the marks follow the game.
    connect(parceiro, &QMenu::aboutToShow, this, [&j, itensJogar, itensTruco] {
        for (const auto& [a, o] : itensJogar) a->setChecked(j.chaves.ORDENS_J3.jogar() == o);
        for (const auto& [a, o] : itensTruco) a->setChecked(j.chaves.ORDENS_J3.truco() == o);
    });
    for (const auto& [a, o] : itensJogar) a->setChecked(o == OrdemDeJogar::Sozinho);
    for (const auto& [a, o] : itensTruco) a->setChecked(o == OrdemDeTruco::TrucaSozinho);
    parceiro->addSeparator();
}

void TForm2::criaMenusDosAssentos() {
    Jogo& j = jogo_;
    for (int p = 1; p <= 4; ++p) {
        menusDosAssentos_[static_cast<std::size_t>(p)] = new QMenu(this);
        menusDosAssentos_[static_cast<std::size_t>(p)]->setObjectName(QString("POPUP_JOGADOR_%1").arg(p));
    }
    QMenu* voce = menusDosAssentos_[1];
    criaAcao(voce, "ALTERAR_JOGADORES", "Alterar Jogadores", {}, [this] { ESCOLHE_PERSONAGEM(); });
    QMenu* roubar = voce->addMenu("Roubar uma Carta do Masso");
    for (int i = 1; i <= 6; ++i)
        itensDoJogo_.emplace_back(criaAcao(roubar, QString("BT_ROUBAR_%1").arg(i), QString::number(i), {},
                                           [&j, i] { j.distribuicao.ROUBA_CARTA(i); }),
                                  &j.mesa["BT_ROUBAR_" + std::to_string(i)]);
    voce->addSeparator();
    criaAcao(voce, "MOSTRAR_CONSELHO", "Mostrar Conselho", {}, [&j] {
        j.log(0, "PEDE CONSELHO");
        j.computador.escolha.CONSELHO(true);
    });
    criaAcao(voce, "MOSTRAR_SUGESTAO", "Mostrar Sugestão", {}, [this] {
        jogo_.log(0, "PEDE SUGESTÃO");
        acao("MOSTRAR_SUJESTAO")->trigger();
    });
    criaAcao(voce, "JOGUE_PARA_MIM_POPUP", "Jogue para mim", {}, [this] { joguePorMim(true); });

    menuDaMesa_ = new QMenu(this);
    menuDaMesa_->setObjectName("POPUP_MESA");
    QMenu* carregar = menuDaMesa_->addMenu("Carregar Imagem");
    criaAcao(carregar, "CARREGAR_MESAS", "Mesas", {}, [this] { escolhaDeImagens_->ESCOLHE_MESA(); });
    criaAcao(carregar, "CARREGAR_VERSOS", "Versos do Baralho", {}, [this] { escolhaDeImagens_->ESCOLHE_VERSO(); });
    criaAcao(carregar, "CARREGAR_BARALHOS", "Baralhos", {}, [this] { escolhaDeImagens_->ESCOLHE_BARALHO(); });

    QMenu* direita = menusDosAssentos_[2];
    QMenu* abrir = direita->addMenu("Abrir uma Carta");
    for (int i = 1; i <= 6; ++i)
        itensDoJogo_.emplace_back(criaAcao(abrir, QString("BT_VER_CARTA_%1").arg(i), QString::number(i), {},
                                           [&j, i] { j.distribuicao.ESPIA_CARTA(i); }),
                                  &j.mesa["BT_VER_CARTA_" + std::to_string(i)]);
    criaAcao(direita, "MOSTRAR_CARTAS_2", "Mostrar Cartas", {}, [&j] { j.distribuicao.MOSTRA_CARTAS(2); });
    criaOrdensAoParceiro(menusDosAssentos_[3]);
    criaAcao(menusDosAssentos_[3], "MOSTRAR_CARTAS_3", "Mostrar Cartas", {}, [&j] { j.distribuicao.MOSTRA_CARTAS(3); });
    criaAcao(menusDosAssentos_[4], "MOSTRAR_CARTAS_4", "Mostar Cartas", {}, [&j] { j.distribuicao.MOSTRA_CARTAS(4); });
}

}  // namespace pelmar
