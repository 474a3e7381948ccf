#include "windows/TfPARAMETROS.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QVBoxLayout>

#include <utility>

#include "jogo/Jogo.h"
#include "windows/GanchosDeJanela.h"

namespace pelmar {

namespace {

constexpr const char* LEGENDA_NIVEIS[] = {
    "0 - Joga com as cartas abertas no nível 6 - (Aprendizagem)",
    "1,2 e 3  - Joga cartas aliatóriamente ",
    "3 - Mostra cartas do parceiro",
    "4 e 5 - Joga Truco e pemite que voce roube as cartas",
    "6, 7 e 8  - Joga Truco com mais conciência",
    "9 - Joga Truco e Rouba",
    "10 - Só Rouba no TRUCO (*)",
};

constexpr const char* NOTA_NIVEIS[] = {
    "(*) O Pelmar sempre sorteiala aliatóriamete as cartas do baralho,",
    "uma olhadas nas suas cartas e descide se deve trucas ou não ",
    "não roubas as cartas - apenas nos niveis 9 e 10 dá ",
};

constexpr const char* SUGESTOES[] = {"imgSUJESTAO_1", "imgSUJESTAO_2", "imgSUJESTAO_3", "imgSUJESTAO_TRUCAR",
                                     "imgSUJESTAO_ENCOBRIR"};

// Levels above this hide the "Manilhas Sairam" box at the deal.
constexpr int NIVEL_MAXIMO_CARTAS_SAIRAM = 6;

// Margins and spacing inside a group: tight, so the whole window fits a 1024 x 600 screen.
constexpr int MARGEM_DO_GRUPO = 6;
constexpr int ESPACO_NO_GRUPO = 2;
// The level legend wraps at this width beside its track bar.
constexpr int LARGURA_DA_LEGENDA = 180;

QGroupBox* grupo(const char* titulo, QLayout* destino) {
    auto* g = new QGroupBox(QString::fromUtf8(titulo));
    auto* corpo = new QVBoxLayout(g);
    corpo->setContentsMargins(MARGEM_DO_GRUPO, MARGEM_DO_GRUPO / 2, MARGEM_DO_GRUPO, MARGEM_DO_GRUPO);
    corpo->setSpacing(ESPACO_NO_GRUPO);
    destino->addWidget(g);
    return g;
}

QVBoxLayout* coluna(QWidget* dono) {
    auto* lista = new QVBoxLayout(dono);
    lista->setContentsMargins(0, 0, 0, 0);
    lista->setSpacing(4);
    return lista;
}

QLabel* linhaDaLegenda(const char* texto) {
    auto* linha = new QLabel(QString::fromUtf8(texto));
    linha->setWordWrap(true);
    linha->setFixedWidth(LARGURA_DA_LEGENDA);
    return linha;
}

QLabel* rotuloValor(const char* nome) {
    auto* r = new QLabel;
    r->setObjectName(nome);
    r->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // Wide enough for "200", so the track bar does not shift as the value grows.
    r->setMinimumWidth(r->fontMetrics().horizontalAdvance(QStringLiteral("0000")));
    return r;
}

}  // namespace

TfPARAMETROS::TfPARAMETROS(Jogo& jogo, QWidget* mesa) : QWidget(mesa, Qt::Tool), jogo_(jogo), mesa_(mesa) {
    setObjectName("TfPARAMETROS");
    setWindowTitle(QString::fromUtf8("Parâmetros do Jogo"));

    auto* colunas = new QHBoxLayout;
    colunas->setSpacing(6);
    colunas->addWidget(montaColunaTruco(), 0, Qt::AlignTop);
    colunas->addWidget(montaColunaTempos(), 0, Qt::AlignTop);
    colunas->addWidget(montaColunaNivel(), 0, Qt::AlignTop);

    auto* salvar = new QPushButton(QString::fromUtf8("Salvar Preferências"));
    salvar->setObjectName("btSALVAR");
    connect(salvar, &QPushButton::clicked, this, [this] { salva(); });
    auto* fechar = new QPushButton(QStringLiteral("Fechar"));
    fechar->setObjectName("FECHAR");
    connect(fechar, &QPushButton::clicked, this, [this] { close(); });
    auto* botoes = new QHBoxLayout;
    botoes->addStretch(1);
    botoes->addWidget(salvar);
    botoes->addWidget(fechar);

    auto* geral = new QVBoxLayout(this);
    geral->setContentsMargins(8, 8, 8, 8);
    geral->setSpacing(6);
    geral->addLayout(colunas);
    geral->addLayout(botoes);
    geral->setSizeConstraint(QLayout::SetFixedSize);
    dif_->setNum(dificuldade_->value());
    carregando_ = false;
}

void TfPARAMETROS::liga(QAbstractButton* botao, std::function<void(bool)> efeito) {
    connect(botao, &QAbstractButton::toggled, this, [this, efeito = std::move(efeito)](bool marcado) {
        if (!carregando_) efeito(marcado);
    });
}

QCheckBox* TfPARAMETROS::caixa(const char* nome, const char* texto, std::function<void(bool)> efeito) {
    auto* c = new QCheckBox(QString::fromUtf8(texto));
    c->setObjectName(nome);
    liga(c, std::move(efeito));
    return c;
}

QRadioButton* TfPARAMETROS::opcao(const char* nome, const char* texto, std::function<void()> efeito) {
    auto* r = new QRadioButton(QString::fromUtf8(texto));
    r->setObjectName(nome);
    // The button switched off also reports; one call per choice is enough.
    liga(r, [efeito = std::move(efeito)](bool marcado) {
        if (marcado) efeito();
    });
    return r;
}

QSlider* TfPARAMETROS::trilha(const char* nome, Qt::Orientation sentido, int minimo, int maximo, int marcas,
                              std::function<void(int)> efeito) {
    auto* t = new QSlider(sentido);
    t->setObjectName(nome);
    t->setRange(minimo, maximo);
    t->setTickInterval(marcas);
    t->setTickPosition(sentido == Qt::Horizontal ? QSlider::TicksBelow : QSlider::TicksRight);
    connect(t, &QSlider::valueChanged, this, [this, efeito = std::move(efeito)](int valor) {
        if (!carregando_) efeito(valor);
    });
    return t;
}

// Three columns, the groups in their order down each: the game and its rules; the brain, the
// timings and the demo; the personality, the level and the sound.
QWidget* TfPARAMETROS::montaColunaTruco() {
    auto* dono = new QWidget;
    QVBoxLayout* lista = coluna(dono);
    Preferencias& p = jogo_.prefs;

    QGroupBox* pelmar = grupo("PELMAR", lista);
    QGroupBox* exibicoes = grupo("Exibições", pelmar->layout());
    exibicoes->layout()->addWidget(new QLabel(QString::fromUtf8("(Balões de fala)")));
    falas_ = caixa("Falas1", "Mostra as falas entre os jogadores", [&p](bool v) { p.FALAS = v; });
    exibicoes->layout()->addWidget(falas_);

    QGroupBox* truco = grupo("TRUCO", lista);
    QGroupBox* encobrir = grupo("Regras de Encobrir Cartas (Esconder)", truco->layout());
    encobrirQualquer_ = opcao("ENCOBRIR_1", "Em qualquer Rodada (1ª, 2ª, 3ª)", [this] { mudaEncobrir(); });
    encobrirSegunda_ = opcao("ENCOBRIR_2", "A partir da 2ª rodada (2ª e 3ª)", [this] { mudaEncobrir(); });
    encobrir->layout()->addWidget(encobrirQualquer_);
    encobrir->layout()->addWidget(encobrirSegunda_);

    QGroupBox* modo = grupo("Modo", truco->layout());
    tradicional_ = opcao("TRADICIONAL_COMPLETO", "Tradicional ( Sem Vira / Baralho Completo )", [this] { mudaModo(); });
    paulistaCompleto_ = opcao("PAULISTA_COMPLETO", "Paulista ( Com Vira / Baralho Completo )", [this] { mudaModo(); });
    paulistaLimpo_ =
        opcao("PAULISTA_LIMPO", "Paulista ( Com Vira / Baralho Limpo Sem 4,5,6,7)", [this] { mudaModo(); });
    paulistaCompleto_->setChecked(true);
    for (QWidget* w : {static_cast<QWidget*>(tradicional_), static_cast<QWidget*>(paulistaCompleto_),
                       static_cast<QWidget*>(paulistaLimpo_)})
        modo->layout()->addWidget(w);

    QGroupBox* roubar = grupo("Roubar", truco->layout());
    rouba_ = caixa("ROUBA_BARALHO", "O Pé Rouba uma carta do Baralho (Sempre >2)", [&p](bool v) { p.ROUBA_BARALHO = v; });
    roubar->layout()->addWidget(rouba_);

    QGroupBox* automatico = grupo("Jogar Automaticamente", lista);
    jogador1_ = caixa("Jogador1jogasozinho1", "Jogador 1  Joga Sozinho (Você)", [this](bool v) {
        jogo_.prefs.J1_JOGA_SOZINHO = v;
        viraMao(1, v);
    });
    // Only "Modo DEMO" hands the user's seat to the computer.
    jogador1_->setEnabled(false);
    jogador3_ = caixa("Jogador3jogasozinho1", "Jogador 3  Joga Sozinho (Parceiro)", [this](bool v) {
        jogo_.prefs.J3_JOGA_SOZINHO = v;
        viraMao(3, v);
    });
    automatico->layout()->addWidget(jogador1_);
    automatico->layout()->addWidget(jogador3_);
    lista->addStretch(1);
    return dono;
}

QWidget* TfPARAMETROS::montaColunaTempos() {
    auto* dono = new QWidget;
    QVBoxLayout* lista = coluna(dono);
    Preferencias& p = jogo_.prefs;

    QGroupBox* regras = grupo("I.A. - Regras", lista);
    usaRegras_ = caixa("CEREBRO_USA_REGRAS", "Usar as REGRAS", [&p](bool v) { p.CEREBRO_USA_REGRAS = v; });
    aprendeRegras_ = caixa("CEREBRO_APRENDE_REGRAS", "Aprender REGRAS", [&p](bool v) { p.CEREBRO_APRENDE_REGRAS = v; });
    regras->layout()->addWidget(usaRegras_);
    regras->layout()->addWidget(aprendeRegras_);

    // The record's value is also the one the animations read, so one assignment serves both.
    QGroupBox* distribui = grupo("Distribui as Cartas", lista);
    strPassos_ = rotuloValor("STR_PASSOS");
    passos_ = trilha("PASSOS", Qt::Horizontal, 1, 20, 1, [this, &p](int v) {
        p.PASSOS = v;
        strPassos_->setNum(v);
    });
    strTempo_ = rotuloValor("STR_TEMPO");
    tempo_ = trilha("TEMPO", Qt::Horizontal, 0, 20, 1, [this, &p](int v) {
        p.TEMPO = v;
        strTempo_->setNum(v);
    });
    auto* grade = new QGridLayout;
    grade->addWidget(new QLabel(QStringLiteral("Passos:")), 0, 0);
    grade->addWidget(passos_, 0, 1);
    grade->addWidget(strPassos_, 0, 2);
    grade->addWidget(new QLabel(QStringLiteral("Tempo:")), 1, 0);
    grade->addWidget(tempo_, 1, 1);
    grade->addWidget(strTempo_, 1, 2);
    grade->addWidget(new QLabel(QStringLiteral("m seg.")), 1, 3);
    grade->setColumnMinimumWidth(1, 160);
    static_cast<QVBoxLayout*>(distribui->layout())->addLayout(grade);

    QGroupBox* recolhe = grupo("Recolhe as Cartas", lista);
    strDesaparece_ = rotuloValor("STR_DESAPARECE");
    desaparecer_ = trilha("DESAPARECER", Qt::Horizontal, 0, 200, 30, [this, &p](int v) {
        p.DESAPARECER = v;
        strDesaparece_->setNum(v);
    });
    auto* linhaRecolhe = new QHBoxLayout;
    linhaRecolhe->addWidget(new QLabel(QStringLiteral("Tempo:")));
    linhaRecolhe->addWidget(desaparecer_, 1);
    linhaRecolhe->addWidget(strDesaparece_);
    static_cast<QVBoxLayout*>(recolhe->layout())->addLayout(linhaRecolhe);

    ChavesDaSessao& c = jogo_.chaves;
    QGroupBox* naoSalvos = grupo("Parametros não salvos em disco", lista);
    advMostra_ = caixa("ckADV_MOSTRA_CARTAS", "Adversários mostram as cartas após ganhar o TRUCAR",
                       [&c](bool v) { c.ADV_MOSTRA_CARTAS = v; });
    parMostra_ = caixa("ckPAR_MOSTRA_CARTAS", "Parceiro mostra as cartas após ganhar ou perder o TRUCO",
                       [&c](bool v) { c.PAR_MOSTRA_CARTAS = v; });
    mostraFinal_ = caixa("ckMOSTRA_CARTAS_FINAL", "Mostrar as cartas no final da rodada",
                         [&c](bool v) { c.MOSTRA_CARTAS_FINAL = v; });
    cartasSairam_ = caixa("CK_CARTAS_SAIRAM", "Mostra Manilhas que sairam na Mesa",
                          [this](bool v) { mudaCartasSairam(v); });
    sugestao_ = caixa("ckSUGESTAO", "Mostrar Sugestão para Jogar", [this](bool v) { mudaSugestao(v); });
    for (QWidget* w : {static_cast<QWidget*>(advMostra_), static_cast<QWidget*>(parMostra_),
                       static_cast<QWidget*>(mostraFinal_), static_cast<QWidget*>(cartasSairam_),
                       static_cast<QWidget*>(sugestao_)})
        naoSalvos->layout()->addWidget(w);

    QGroupBox* sinais = grupo("Tempo entre os Sinais", lista);
    sinais_ = trilha("valSINAIS", Qt::Horizontal, Sinais::INTERVALO_MINIMO_MS, Sinais::INTERVALO_MAXIMO_MS, 50,
                     [this](int v) { jogo_.sinais.mudaIntervalo(v); });
    sinais_->setSingleStep(10);
    sinais_->setPageStep(50);
    sinais_->setValue(Sinais::INTERVALO_PADRAO_MS);
    sinais->layout()->addWidget(sinais_);

    QGroupBox* demo = grupo("DEMO", lista);
    demo_ = caixa("ckDEMO", "Modo DEMO", [this](bool v) {
        jogo_.chaves.MODO_DEMO = v;
        // The disabled box shows the user's seat; its own effect follows even when unchanged.
        {
            const QSignalBlocker calado(jogador1_);
            jogador1_->setChecked(v);
        }
        jogo_.prefs.J1_JOGA_SOZINHO = v;
        viraMao(1, v);
    });
    rapido_ = caixa("ckNO_TIME", "Rápido", [this](bool v) { mudaRapido(v); });
    // Side by side: two short words.
    auto* linhaDemo = new QHBoxLayout;
    linhaDemo->addWidget(demo_);
    linhaDemo->addWidget(rapido_);
    linhaDemo->addStretch(1);
    static_cast<QVBoxLayout*>(demo->layout())->addLayout(linhaDemo);
    lista->addStretch(1);
    return dono;
}

QWidget* TfPARAMETROS::montaColunaNivel() {
    auto* dono = new QWidget;
    QVBoxLayout* lista = coluna(dono);
    Preferencias& p = jogo_.prefs;

    QGroupBox* personalidade = grupo("Personalidade", lista);
    personalidade_ = caixa("CK_PERSONALIDADE", "Usar Variaveis de Personalidade",
                           [&p](bool v) { p.USA_PERSONALIDADE = v; });
    personalidade->layout()->addWidget(personalidade_);

    QGroupBox* nivel = grupo("Nívei de Dificuldade (0..10)", lista);
    dificuldade_ = trilha("VL_DIFICULDADE", Qt::Vertical, 0, 10, 1, [this](int v) { mudaNivel(v); });
    dificuldade_->setPageStep(5);
    // Level 0 at the top, beside the first line of the legend.
    dificuldade_->setInvertedAppearance(true);
    dificuldade_->setInvertedControls(true);
    dificuldade_->setValue(5);
    dificuldade_->setMinimumHeight(170);
    dif_ = new QLabel;
    dif_->setObjectName("DIF");
    dif_->setAlignment(Qt::AlignCenter);
    QFont grande = dif_->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.6);
    dif_->setFont(grande);

    auto* trilhaENumero = new QVBoxLayout;
    trilhaENumero->addWidget(dif_);
    trilhaENumero->addWidget(dificuldade_, 1, Qt::AlignHCenter);

    auto* legenda = new QVBoxLayout;
    legenda->setSpacing(1);
    for (const char* linha : LEGENDA_NIVEIS) legenda->addWidget(linhaDaLegenda(linha));
    legenda->addSpacing(4);
    for (const char* linha : NOTA_NIVEIS) {
        QLabel* nota = linhaDaLegenda(linha);
        QFont f = nota->font();
        f.setItalic(true);
        f.setPointSizeF(f.pointSizeF() * 0.9);
        nota->setFont(f);
        legenda->addWidget(nota);
    }
    legenda->addStretch(1);

    auto* lado = new QHBoxLayout;
    lado->addLayout(trilhaENumero);
    lado->addSpacing(6);
    lado->addLayout(legenda, 1);
    auto* corpo = static_cast<QVBoxLayout*>(nivel->layout());
    corpo->addLayout(lado);
    mudancaAutomatica_ = caixa("MUDANCA_NIVEL_ATIVADA", "Mudança de Nível Automática",
                               [this](bool v) { jogo_.chaves.MUDANCA_NIVEL_AUTOMATICA = v; });
    mudancaAutomatica_->setChecked(true);
    corpo->addWidget(mudancaAutomatica_);

    QGroupBox* acoes = grupo("Ações", lista);
    som_ = caixa("Som1", "Habilita sons no jogo", [this](bool v) { jogo_.prefs.SOM = v; });
    acoes->layout()->addWidget(som_);
    lista->addStretch(1);
    return dono;
}

void TfPARAMETROS::carrega() {
    carregando_ = true;
    const Preferencias& p = jogo_.prefs;
    jogador1_->setChecked(p.J1_JOGA_SOZINHO);
    jogador3_->setChecked(p.J3_JOGA_SOZINHO);
    (p.ENCOBRIR_QUALQUER_RODADA ? encobrirQualquer_ : encobrirSegunda_)->setChecked(true);
    rouba_->setChecked(p.ROUBA_BARALHO);
    falas_->setChecked(p.FALAS);
    som_->setChecked(p.SOM);
    strPassos_->setNum(p.PASSOS);
    strTempo_->setNum(p.TEMPO);
    strDesaparece_->setNum(p.DESAPARECER);
    passos_->setValue(p.PASSOS);
    tempo_->setValue(p.TEMPO);
    desaparecer_->setValue(p.DESAPARECER);
    usaRegras_->setChecked(p.CEREBRO_USA_REGRAS);
    aprendeRegras_->setChecked(p.CEREBRO_APRENDE_REGRAS);
    (p.MODO_TRADICIONAL ? tradicional_ : p.BARALHO_LIMPO ? paulistaLimpo_ : paulistaCompleto_)->setChecked(true);
    personalidade_->setChecked(p.USA_PERSONALIDADE);
    // A level chosen here and not yet in force is what the user left on the track bar.
    const Dificuldade& d = jogo_.dificuldade;
    dificuldade_->setValue(d.MUDANCA_PENDENTE ? d.DIFICULDADE_NOVA : p.DIFICULDADE);
    dif_->setNum(dificuldade_->value());

    // The run's switches may have changed elsewhere (menu, options, the level's aids).
    const ChavesDaSessao& c = jogo_.chaves;
    advMostra_->setChecked(c.ADV_MOSTRA_CARTAS);
    parMostra_->setChecked(c.PAR_MOSTRA_CARTAS);
    mostraFinal_->setChecked(c.MOSTRA_CARTAS_FINAL);
    cartasSairam_->setChecked(c.MOSTRA_CARTAS_SAIRAM);
    sugestao_->setChecked(c.MOSTRA_SUGESTAO);
    demo_->setChecked(c.MODO_DEMO);
    rapido_->setChecked(c.SEM_ESPERA);
    mudancaAutomatica_->setChecked(c.MUDANCA_NIVEL_AUTOMATICA);
    carregando_ = false;
}

void TfPARAMETROS::abre() {
    carrega();
    show();
    raise();
    activateWindow();
}

void TfPARAMETROS::abreJuntoDaMesa() {
    if (mesa_) move(posicaoDeJanelaAuxiliar(*mesa_));
    abre();
}

void TfPARAMETROS::viraMao(int jogador, bool fechada) {
    // Debug mode keeps every dealt card face up.
    if (jogo_.chaves.MODO_DEBUG) return;
    for (int s = 1; s <= 3; ++s) {
        Controle& carta = jogo_.mesa.JOG(jogador, s);
        // A slot with no card dealt stays empty.
        if (carta.face != Face::Nada) carta.face = fechada ? Face::Verso : Face::Frente;
    }
}

void TfPARAMETROS::mudaEncobrir() {
    const bool qualquer = encobrirQualquer_->isChecked();
    jogo_.prefs.ENCOBRIR_QUALQUER_RODADA = qualquer;
    Controle& escondida = jogo_.mesa["ESCONDIDA"];
    escondida.visivel = qualquer;
    escondida.habilitado = qualquer;
    // A ticked box out of sight would still cover the next card, where the rule now forbids it.
    if (!qualquer) escondida.marcado = false;
}

void TfPARAMETROS::mudaModo() {
    // Strengths are fixed at the deal, so the hand under way keeps its mode; the next deal
    // draws in the new one.
    jogo_.prefs.MODO_TRADICIONAL = tradicional_->isChecked();
    jogo_.prefs.BARALHO_LIMPO = paulistaLimpo_->isChecked();
}

void TfPARAMETROS::mudaSugestao(bool ligada) {
    jogo_.chaves.MOSTRA_SUGESTAO = ligada;
    jogo_.mesa["strNR_REGRA"].visivel = ligada;
    if (ligada) {
        // Advice for the turn under way, at the players' next tick.
        jogo_.chaves.SUGESTAO_PENDENTE = true;
    } else {
        for (const char* nome : SUGESTOES) jogo_.mesa[nome].visivel = false;
    }
}

void TfPARAMETROS::mudaCartasSairam(bool ligada) {
    jogo_.chaves.MOSTRA_CARTAS_SAIRAM = ligada;
    jogo_.mesa["CAIXA_CARTAS_SAIRAM"].visivel = ligada && jogo_.prefs.DIFICULDADE <= NIVEL_MAXIMO_CARTAS_SAIRAM;
}

void TfPARAMETROS::mudaRapido(bool rapido) {
    jogo_.turnos.mudaRapido(rapido);
    som_->setChecked(!rapido);
    // Also when the box already showed it, and so sent nothing.
    jogo_.prefs.SOM = !rapido;
}

void TfPARAMETROS::mudaNivel(int posicao) {
    jogo_.dificuldade.escolheNivel(posicao);
    dif_->setNum(posicao);
}

void TfPARAMETROS::salva() {
    if (mesa_) {
        jogo_.prefs.JANELA_ESQUERDA = mesa_->x();
        jogo_.prefs.JANELA_TOPO = mesa_->y();
    }
    jogo_.gravaPreferencias();
    close();
}

}  // namespace pelmar
