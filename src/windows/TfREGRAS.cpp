#include "windows/TfREGRAS.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>


#include "base/PastaTrabalho.h"
#include "brain/EditorRegras.h"
#include "windows/GanchosDeJanela.h"

namespace pelmar {

// A card picture of the rule: a press changes its class, the left button backwards.
class FiguraDeCarta : public QLabel {
public:
    FiguraDeCarta(QWidget* pai, const QString& nome, std::function<void(bool esquerdo)> aoPressionar)
        : QLabel(pai), aoPressionar_(std::move(aoPressionar)) {
        setObjectName(nome);
        setScaledContents(true);
        setCursor(Qt::PointingHandCursor);
    }
    char letra = '\0';  // the class shown, so a redraw happens only on a change

protected:
    void mousePressEvent(QMouseEvent* evento) override { aoPressionar_(evento->button() == Qt::LeftButton); }

private:
    std::function<void(bool)> aoPressionar_;
};

namespace {

constexpr int LARGURA = 779;
constexpr int ALTURA = 557;
constexpr int LARGURA_CARTA = 50;
constexpr int ALTURA_CARTA = 68;

struct ClasseDeCarta {
    char letra;
    const char* controle;
};
// The eleven source pictures, one per class letter.
constexpr ClasseDeCarta CLASSES[] = {
    {'Z', "IMG_CARTA_ZAP"},   {'C', "IMG_CARTA_COPETA"}, {'E', "IMG_CARTA_ESPADILHA"}, {'O', "IMG_CARTA_PICA_FUMO"},
    {'3', "IMG_CARTA_TREIS"}, {'2', "IMG_CARTA_DOIS"},   {'A', "IMG_CARTA_AS"},        {'M', "IMG_CARTA_MEDIAS"},
    {'P', "IMG_CARTA_PEQUENAS"}, {'*', "IMG_CARTA_QUALQUER"}, {'?', "IMG_CARTA_NULA"},
};

constexpr const char* NOMES_FIGURAS[] = {"IMG_CARTA_1R", "IMG_CARTA_2R", "IMG_CARTA_3R", "IMG_CARTA_P1", "IMG_CARTA_P2",
                                         "IMG_CARTA_P3", "IMG_CARTA_J1", "IMG_CARTA_J2", "IMG_CARTA_J3"};
constexpr char LETRAS_RESULTADO[] = {'B', 'M', 'E', '*'};
constexpr int VALORES_PONTO[] = {1, 3, 6, 9, 12};
constexpr char LETRAS_TRUCO[] = {'S', 'B', 'M', '*'};

// A class picture the working folder lacks: the letter on a plain card, so the editor still works.
QPixmap cartaSimples(char letra) {
    QPixmap p(142, 192);
    p.fill(QColor(22, 92, 52));
    QPainter pintor(&p);
    pintor.setRenderHint(QPainter::Antialiasing);
    pintor.setPen(QColor(110, 110, 110));
    pintor.setBrush(letra == '?' ? QColor(22, 92, 52) : QColor(Qt::white));
    pintor.drawRoundedRect(QRectF(0.5, 0.5, 141, 191), 8, 8);
    QFont f = pintor.font();
    f.setPixelSize(90);
    f.setBold(true);
    pintor.setFont(f);
    pintor.setPen(letra == '?' ? QColor(Qt::white) : QColor(22, 92, 52));
    pintor.drawText(QRect(0, 0, 142, 192), Qt::AlignCenter, QString(QChar(letra)));
    return p;
}

QLabel* rotulo(QWidget* pai, const QString& nome, const QString& texto, const QRect& onde) {
    auto* r = new QLabel(texto, pai);
    r->setObjectName(nome);
    r->setGeometry(onde);
    return r;
}

QRadioButton* radio(QWidget* pai, const QString& nome, const QString& texto, const QRect& onde) {
    auto* r = new QRadioButton(texto, pai);
    r->setObjectName(nome);
    r->setGeometry(onde);
    return r;
}

QCheckBox* caixa(QWidget* pai, const QString& nome, const QString& texto, const QRect& onde) {
    auto* c = new QCheckBox(texto, pai);
    c->setObjectName(nome);
    c->setGeometry(onde);
    return c;
}

QGroupBox* grupo(QWidget* pai, const QString& nome, const QString& titulo, const QRect& onde) {
    auto* g = new QGroupBox(titulo, pai);
    g->setObjectName(nome);
    g->setGeometry(onde);
    return g;
}

void mudaTexto(QLabel* r, const std::string& texto) {
    const QString novo = QString::fromStdString(texto);
    if (r->text() != novo) r->setText(novo);
}

}  // namespace

TfREGRAS::TfREGRAS(EditorRegras& editor, const PastaTrabalho& pasta, QWidget* janela)
    : QDialog(janela, Qt::Tool | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                          Qt::WindowCloseButtonHint),
      editor_(editor), m_(editor.modelo()), pasta_(pasta), janela_(janela) {
    setObjectName("TfREGRAS");
    setWindowTitle("Editor de Regras do Pelmar");
    setModal(true);

    QPalette prata = palette();
    prata.setColor(QPalette::Window, QColor(192, 192, 192));
    setPalette(prata);
    setAutoFillBackground(true);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    auto* area = new QWidget(this);
    area->setObjectName("AREA");
    area->setFixedSize(LARGURA, ALTURA);
    layout->addWidget(area);
    montaMenus(this);

    auto* mesa = new QWidget(area);
    mesa->setObjectName("MESA");
    mesa->setGeometry(4, 4, 571, 380);
    QPalette feltro = mesa->palette();
    feltro.setColor(QPalette::Window, QColor(22, 92, 52));
    feltro.setColor(QPalette::WindowText, QColor(240, 240, 220));
    mesa->setPalette(feltro);
    mesa->setAutoFillBackground(true);
    montaMesa(mesa);

    // Below the table: the rule line and the tools' report.
    QGroupBox* grupoLinha = grupo(area, "GRUPO_LINHA", "LINHA", QRect(4, 388, 571, 48));
    linha_ = new QLineEdit(grupoLinha);
    linha_->setObjectName("LINHA");
    linha_->setGeometry(6, 20, 559, 22);
    linha_->setReadOnly(true);
    QFont fixa("DejaVu Sans Mono");
    fixa.setStyleHint(QFont::Monospace);
    linha_->setFont(fixa);
    texto_ = new QPlainTextEdit(area);
    texto_->setObjectName("TEXT");
    texto_->setGeometry(4, 440, 571, 113);
    texto_->setReadOnly(true);
    texto_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    texto_->setFont(fixa);

    montaLateral();

    // Long tools serve events as they go: the window shows their progress meanwhile.
    acompanha_ = new QTimer(this);
    acompanha_->setInterval(30);
    connect(acompanha_, &QTimer::timeout, this, [this] { sincroniza(); });
    connect(this, &QDialog::finished, acompanha_, &QTimer::stop);
    sincroniza();
}

void TfREGRAS::montaMenus(QWidget* topo) {
    auto* barra = new QMenuBar(topo);
    barra->setObjectName("MENU_EDITOR");
    static_cast<QVBoxLayout*>(layout())->setMenuBar(barra);
    const auto item = [this](QMenu* menu, const QString& nome, const QString& texto, std::function<void()> efeito) {
        QAction* a = menu->addAction(texto);
        a->setObjectName(nome);
        connect(a, &QAction::triggered, this, [this, efeito = std::move(efeito)] { protege(efeito); });
    };
    QMenu* arquivo = barra->addMenu("Arquivo");
    item(arquivo, "SALVAR_BRAIN_AUX", "Salvar + Comprimir + Ordenar (P-BRAIN-AUX) ",
         [this] { ferramenta(FerramentaEditor::SALVA_BRAIN_AUX); });
    arquivo->addSeparator();
    item(arquivo, "SAIR_EDITOR", "Sair", [this] { close(); });
    QMenu* editar = barra->addMenu("Editar");
    item(editar, "VARIAVEL_NEURON", "Variável (P-NEURON)", [this] { age([this] { editor_.leVariavel(); }); });
    QMenu* ferramentas = barra->addMenu("Ferramentas");
    item(ferramentas, "JUNTAR_ADQUIRIDAS", "Juntar Regas Adquiridas", [this] { ferramenta(FerramentaEditor::JUNTAR); });
}

void TfREGRAS::montaMesa(QWidget* mesa) {
    QGroupBox* rodada = grupo(mesa, "GRUPO_RODADA", "Rodada", QRect(6, 4, 90, 84));
    const char* textosRodada[] = {"(1ª)", "(2ª)", "(3ª)"};
    for (int k = 0; k < 3; ++k) {
        rodadas_[static_cast<std::size_t>(k)] =
            radio(rodada, QString("INDICADOR_%1_RODADA").arg(k + 1), textosRodada[k], QRect(8, 20 + 20 * k, 76, 18));
        connect(rodadas_[static_cast<std::size_t>(k)], &QRadioButton::clicked, this,
                [this, k] { age([this, k] { editor_.escolheRodada(k + 1); }); });
    }
    QGroupBox* posicao = grupo(mesa, "GRUPO_POSICAO", "Posição", QRect(100, 4, 108, 100));
    const char* textosPosicao[] = {"1-Mão", "2-Segundo", "3-Anti-Pé", "4-Pé"};
    for (int k = 0; k < 4; ++k) {
        posicoes_[static_cast<std::size_t>(k)] =
            radio(posicao, QString("POSICAO_%1").arg(k + 1), textosPosicao[k], QRect(8, 20 + 19 * k, 96, 18));
        connect(posicoes_[static_cast<std::size_t>(k)], &QRadioButton::clicked, this,
                [this, k] { age([this, k] { editor_.escolhePosicao(k + 1); }); });
    }

    const auto figura = [this](QWidget* pai, int f, int x, int y) {
        auto* fig = new FiguraDeCarta(pai, NOMES_FIGURAS[f],
                                      [this, f](bool esquerdo) { age([this, f, esquerdo] { editor_.pressionaCarta(f, esquerdo); }); });
        fig->setGeometry(x, y, LARGURA_CARTA, ALTURA_CARTA);
        figuras_[static_cast<std::size_t>(f)] = fig;
    };

    const char* titulosResultado[] = {"1ª - Primeira", "2ª - Segunda", "3ª - Terceira"};
    const char* textosResultado[] = {"Bom", "Mal", "=", "Qlq"};
    const char* sufixos[] = {"BOM", "MAL", "EQU", "QLQ"};
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        QGroupBox* g = grupo(mesa, QString("RESULTADO_%1_RODADA").arg(k + 1), titulosResultado[k],
                             QRect(214 + 119 * k, 4, 114, 116));
        gruposResultado_[i] = g;
        for (int r = 0; r < 4; ++r) {
            auto* b = radio(g, QString("R%1_%2").arg(k + 1).arg(sufixos[r]), textosResultado[r], QRect(6, 20 + 20 * r, 52, 18));
            resultados_[i][static_cast<std::size_t>(r)] = b;
            connect(b, &QRadioButton::clicked, this,
                    [this, k, r] { age([this, k, r] { editor_.escolheResultado(k + 1, LETRAS_RESULTADO[r]); }); });
        }
        figura(g, FIG_1R + k, 58, 18);
        nomesResultado_[i] = rotulo(g, QString("STR_%1R").arg(k + 1), "???", QRect(58, 90, 50, 18));
        nomesResultado_[i]->setAlignment(Qt::AlignCenter);
    }

    QGroupBox* parceiro = grupo(mesa, "CARTAS_PARCEIRO", "Cartas do Parceiro", QRect(6, 124, 180, 124));
    for (int n = 0; n < 3; ++n) figura(parceiro, FIG_P1 + n, 8 + 57 * n, 40);
    QGroupBox* suas = grupo(mesa, "SUAS_CARTAS", "Suas Cartas", QRect(192, 124, 180, 124));
    auto* nota = rotulo(suas, "NOTA_ORDEM", "Coloque as cartas em ordem crescente", QRect(4, 17, 172, 16));
    QFont pequena = nota->font();
    pequena.setPixelSize(10);
    nota->setFont(pequena);
    for (int n = 0; n < 3; ++n) figura(suas, FIG_J1 + n, 8 + 57 * n, 40);

    QFont grande("DejaVu Sans");
    grande.setPixelSize(34);
    grande.setBold(true);
    QPalette amarelo = mesa->palette();
    amarelo.setColor(QPalette::WindowText, QColor(255, 230, 0));
    lTRUCO_ = rotulo(mesa, "lTRUCO", "TRUCO!", QRect(384, 136, 180, 48));
    lCOBRIR_ = rotulo(mesa, "lCOBRIR", "Encobir", QRect(384, 192, 180, 48));
    for (QLabel* r : {lTRUCO_, lCOBRIR_}) {
        r->setFont(grande);
        r->setPalette(amarelo);
        r->setAlignment(Qt::AlignCenter);
    }

    QGroupBox* acao = grupo(mesa, "J_OPCAO_CARTA", "Ação a ser Tomada ", QRect(6, 254, 366, 70));
    const char* nomesAcao[] = {"SEM_CAR", "CARTA_1", "CARTA_2", "CARTA_3"};
    const char* textosAcao[] = {"Sem Ação", "1ª Maior", "2ª Média", "3ª Menor"};
    const int xAcao[] = {270, 6, 92, 178};
    for (int a = 0; a < 4; ++a) {
        acoes_[static_cast<std::size_t>(a)] = radio(acao, nomesAcao[a], textosAcao[a], QRect(xAcao[a], 20, 88, 18));
        connect(acoes_[static_cast<std::size_t>(a)], &QRadioButton::clicked, this,
                [this, a] { age([this, a] { editor_.escolheAcao(a); }); });
    }
    trucar_ = caixa(acao, "TRUCAR", "Trucar/Aceitar", QRect(6, 44, 130, 18));
    encobrir_ = caixa(acao, "ENCOBRIR", "Encobrir", QRect(140, 44, 100, 18));
    connect(trucar_, &QCheckBox::clicked, this, [this](bool v) { age([this, v] { editor_.marcaTrucar(v); }); });
    connect(encobrir_, &QCheckBox::clicked, this, [this](bool v) { age([this, v] { editor_.marcaEncobrir(v); }); });

    // Carried through an edit only: the user never sees nor reaches them.
    QGroupBox* truco = grupo(mesa, "GRUPO_TRUCO", "Truco", QRect(384, 250, 90, 96));
    const char* nomesTruco[] = {"TRUCO_SEM", "TRUCO_BOM", "TRUCO_MAL", "TRUCO_QLQ"};
    const char* textosTruco[] = {"Sem", "Truco BOM", "Truco MAL", "Qualquer"};
    for (int t = 0; t < 4; ++t)
        trucos_[static_cast<std::size_t>(t)] = radio(truco, nomesTruco[t], textosTruco[t], QRect(4, 18 + 18 * t, 84, 18));
    QGroupBox* valor = grupo(mesa, "GRUPO_VALOR", "Valor", QRect(478, 250, 86, 110));
    const char* textosValor[] = {"Um", "Truco", "Seis", "Nove", "Doze"};
    for (int v = 0; v < 5; ++v)
        pontos_[static_cast<std::size_t>(v)] =
            radio(valor, QString("PONTO_%1").arg(VALORES_PONTO[v]), textosValor[v], QRect(4, 18 + 18 * v, 80, 18));
    for (QGroupBox* g : {truco, valor}) {
        g->setEnabled(false);
        g->hide();
    }
}

QAbstractButton* TfREGRAS::criaBotao(const QString& nome, const QString& texto, int x, int y, int largura,
                                     const std::function<void()>& acao) {
    auto* b = new QPushButton(texto, findChild<QWidget*>("AREA"));
    b->setObjectName(nome);
    b->setGeometry(x, y, largura, 24);
    b->setAutoDefault(false);
    connect(b, &QPushButton::clicked, this, [this, acao] { protege(acao); });
    return b;
}

void TfREGRAS::montaLateral() {
    auto* area = findChild<QWidget*>("AREA");
    QFont numeros("DejaVu Sans Mono");
    numeros.setPixelSize(18);
    numeros.setBold(true);
    index_ = rotulo(area, "INDEX", "000000", QRect(582, 4, 96, 26));
    max_ = rotulo(area, "MAX", "0000", QRect(680, 4, 94, 26));
    for (QLabel* r : {index_, max_}) {
        r->setFont(numeros);
        r->setAlignment(Qt::AlignCenter);
        r->setFrameShape(QFrame::Panel);
        r->setFrameShadow(QFrame::Sunken);
    }
    QGroupBox* vezes = grupo(area, "GRUPO_VEZES", "Vezes", QRect(582, 32, 192, 44));
    qte_ = rotulo(vezes, "QTE", "1111", QRect(6, 18, 180, 22));
    qte_->setFont(numeros);
    qte_->setAlignment(Qt::AlignCenter);

    const int c1 = 582, c2 = 647, c3 = 712, l = 63;
    const auto ato = [this](std::function<void()> f) { return [this, f] { age(f); }; };
    EditorRegras& e = editor_;
    criaBotao("BT_INICIO", "INICIO", c1, 82, l, ato([&e] { e.INICIO(); }));
    criaBotao("BT_MENOS_1", "<<< -1", c2, 82, l, ato([&e] { e.volta(); }));
    criaBotao("BT_MAIS_1", "+1 >>>", c3, 82, l, ato([&e] { e.avanca(1); }));
    criaBotao("BT_MAIS_10", "+10 >", c1, 108, l, ato([&e] { e.avanca(10); }));
    criaBotao("BT_MAIS_100", "+100 >", c2, 108, l, ato([&e] { e.avanca(100); }));
    criaBotao("BT_MAIS_1000", "+1000 >", c3, 108, l, ato([&e] { e.avanca(1000); }));

    const int m1 = 582, m2 = 679, ml = 95;
    criaBotao("BT_ALTERAR", "Alterar", m1, 140, ml, ato([&e] { e.Alterar(); }));
    criaBotao("BT_ACRESENTAR", "Acresentar", m2, 140, ml, ato([&e] { e.Acresentar(); }));
    criaBotao("BT_APAGAR", "Apagar", m1, 166, ml, ato([&e] { e.Apagar(); }));
    criaBotao("BT_INVERTER", "Inverter", m2, 166, ml, ato([&e] { e.Inverter(); }));
    criaBotao("BT_RANDOMICO", "Randômico", m1, 192, ml, ato([&e] { e.Randomico(); }));

    criaBotao("BT_MEMORIZAR", "MEMORIZAR", m1, 224, ml, ato([&e] { e.MEMORIZAR(); }));
    criaBotao("BT_PROCURAR", "Procurar", m2, 224, ml, ato([&e] { e.Procurar(); }));
    rotulo(area, "VERIFICAR", "Verificar ", QRect(m1, 250, 80, 16));
    const char* nomes[] = {"CK_PARCEIRO", "CK_RESULTADOS", "CK_CARTAS", "CK_TRUCAR"};
    const char* textos[] = {"Parceito", "Resultados", "Cartas Mão", "Trucar"};
    bool ModeloEditor::*campos[] = {&ModeloEditor::CK_PARCEIRO, &ModeloEditor::CK_RESULTADOS, &ModeloEditor::CK_CARTAS,
                                     &ModeloEditor::CK_TRUCAR};
    for (int k = 0; k < 4; ++k) {
        auto* c = caixa(area, nomes[k], textos[k], QRect(k % 2 ? m2 : m1, 266 + 18 * (k / 2), ml, 18));
        criterios_[static_cast<std::size_t>(k)] = c;
        connect(c, &QCheckBox::clicked, this, [this, campo = campos[k]](bool v) { m_.*campo = v; });
    }

    criaBotao("BT_LISTA_INI", "Ler ./Brain/Lista.ini", m1, 308, 192, ato([&e] { e.leListaDoBrain(); }));
    criaBotao("BT_CEREBRO_SALVO", "le P-CEREBRO_SALVO.TXT", m1, 334, 192, ato([&e] { e.leCerebroSalvo(); }));
    nome_ = rotulo(area, "NOME", "P-NEURON", QRect(m1, 362, 192, 18));
    nome_->setAlignment(Qt::AlignCenter);

    struct Ferramenta {
        const char* nome;
        const char* texto;
        FerramentaEditor qual;
    };
    const Ferramenta ferramentas[] = {
        {"BT_QTE_1", "Qte=1", FerramentaEditor::QTE_1},
        {"BT_REGRAS_ERRADAS", "Regras Erradas", FerramentaEditor::REGRAS_ERRADAS},
        {"BT_LIMPA_TRUCOS", "Limpa Trucos", FerramentaEditor::LIMPA_TRUCOS},
        {"BT_LIMPA_REP_1", "Limpa Rep.", FerramentaEditor::LIMPA_REPETIDOS},
        {"BT_SORTEIA_1", "Sorteia", FerramentaEditor::SORTEIA},
        {"BT_LIMPA_REP_2", "Limpa Rep.", FerramentaEditor::LIMPA_REPETIDOS},
        {"BT_SORTEIA_2", "Sorteia", FerramentaEditor::SORTEIA},
        {"BT_SALVAR", "Salvar", FerramentaEditor::SALVAR},
        {"BT_COMPILAR", "Compilar", FerramentaEditor::COMPILAR},
    };
    // The tools in two columns of short buttons, the long one across both.
    int y = 386;
    for (std::size_t k = 0; k < std::size(ferramentas); ++k) {
        const Ferramenta& f = ferramentas[k];
        criaBotao(f.nome, f.texto, k % 2 ? m2 : m1, y, ml, [this, qual = f.qual] { ferramenta(qual); })
            ->setFixedHeight(22);
        if (k % 2) y += 24;
    }
    criaBotao("BT_LIMPA", "Limpa", m2, y, ml, ato([&e] { e.limpaTexto(); }))->setFixedHeight(22);
    y += 24;
    criaBotao("BT_ACHA_TRUCAR", "Acha Regra para Trucar", m1, y, 192, [this] { ferramenta(FerramentaEditor::REGRA_TRUCAR); })
        ->setFixedHeight(22);
    y += 24;
    criaBotao("BT_SAIR", "Sair", m1, y, 192, [this] { close(); })->setFixedHeight(22);
}

void TfREGRAS::age(const std::function<void()>& acao) {
    acao();
    sincroniza();
}

void TfREGRAS::ferramenta(FerramentaEditor qual) {
    const bool fecha = editor_.executa(qual);
    sincroniza();
    if (fecha) close();
}

QAbstractButton* TfREGRAS::botao(const QString& texto) const {
    for (auto* b : findChildren<QAbstractButton*>())
        if (b->text() == texto) return b;
    return nullptr;
}

void TfREGRAS::carregaClasses() {
    // Read at the first opening: the working folder receives the bundled pictures after the
    // window is built.
    for (std::size_t k = 0; k < classes_.size(); ++k) {
        const auto arquivo = pasta_.resolve(std::string("IMG\\Editor\\") + CLASSES[k].controle + ".PNG");
        QPixmap imagem(QString::fromStdString(arquivo.string()));
        classes_[k] = imagem.isNull() ? cartaSimples(CLASSES[k].letra) : imagem;
    }
    classesCarregadas_ = true;
    for (FiguraDeCarta* fig : figuras_) fig->letra = '\0';
}

const QPixmap& TfREGRAS::imagemDaClasse(char letra) {
    for (std::size_t k = 0; k < std::size(CLASSES); ++k)
        if (CLASSES[k].letra == letra) return classes_[k];
    return classes_.back();
}

void TfREGRAS::abre() {
    if (!classesCarregadas_) carregaClasses();
    if (janela_) move(posicaoDeJanelaAuxiliar(*janela_));
    editor_.aoAbrir();
    sincroniza();
    exec();
}

void TfREGRAS::showEvent(QShowEvent* evento) {
    QDialog::showEvent(evento);
    // Placed again once shown, when the position counts the window frame.
    if (janela_) move(posicaoDeJanelaAuxiliar(*janela_));
    acompanha_->start();
    if (aoMostrar) QTimer::singleShot(0, this, [this] {
            // Once: the steps may open the window again.
            const auto passos = std::exchange(aoMostrar, nullptr);
            if (passos) passos();
        });
}

void TfREGRAS::sincronizaTexto() {
    const auto& linhas = m_.TEXT;
    // A tool that starts its report anew empties the box; otherwise only new lines are added.
    if (linhas.size() < linhasMostradas_ || (linhasMostradas_ > 0 && linhas.front() != primeiraMostrada_)) {
        texto_->clear();
        linhasMostradas_ = 0;
    }
    if (linhas.size() == linhasMostradas_) return;
    QString novas;
    for (std::size_t k = linhasMostradas_; k < linhas.size(); ++k) {
        if (k > linhasMostradas_) novas += '\n';
        novas += QString::fromStdString(linhas[k]);
    }
    texto_->appendPlainText(novas);
    linhasMostradas_ = linhas.size();
    primeiraMostrada_ = linhas.front();
    texto_->verticalScrollBar()->setValue(texto_->verticalScrollBar()->maximum());
}

void TfREGRAS::sincroniza() {
    rodadas_[static_cast<std::size_t>(m_.rodada - 1)]->setChecked(true);
    posicoes_[static_cast<std::size_t>(m_.posicao - 1)]->setChecked(true);
    for (std::size_t k = 0; k < 3; ++k) {
        gruposResultado_[k]->setVisible(m_.grupoResultadoVisivel[k]);
        for (std::size_t r = 0; r < 4; ++r)
            if (LETRAS_RESULTADO[r] == m_.resultado[k]) resultados_[k][r]->setChecked(true);
        mudaTexto(nomesResultado_[k], m_.STR_R[k]);
    }
    for (int f = 0; f < QTE_FIGURAS; ++f) {
        FiguraDeCarta* fig = figuras_[static_cast<std::size_t>(f)];
        const char letra = m_.letraDaFigura(f);
        if (fig->letra != letra) {
            fig->letra = letra;
            fig->setPixmap(imagemDaClasse(letra));
        }
    }
    for (std::size_t n = 0; n < 3; ++n) {
        figuras_[FIG_P1 + n]->setVisible(m_.cartaParceiroVisivel[n]);
        FiguraDeCarta* propria = figuras_[FIG_J1 + n];
        propria->setVisible(m_.cartaPropriaVisivel[n]);
        if (propria->y() != m_.topoCartaPropria[n]) propria->move(propria->x(), m_.topoCartaPropria[n]);
        acoes_[n + 1]->setVisible(m_.escolhaVisivel[n]);
    }
    acoes_[static_cast<std::size_t>(m_.acao)]->setChecked(true);
    for (std::size_t t = 0; t < 4; ++t)
        if (LETRAS_TRUCO[t] == m_.truco) trucos_[t]->setChecked(true);
    for (std::size_t v = 0; v < 5; ++v)
        if (VALORES_PONTO[v] == m_.ponto) pontos_[v]->setChecked(true);
    trucar_->setChecked(m_.trucar);
    encobrir_->setChecked(m_.encobrir);
    lTRUCO_->setVisible(m_.trucar);
    lCOBRIR_->setVisible(m_.encobrir);
    const bool criterios[] = {m_.CK_PARCEIRO, m_.CK_RESULTADOS, m_.CK_CARTAS, m_.CK_TRUCAR};
    for (std::size_t k = 0; k < 4; ++k) criterios_[k]->setChecked(criterios[k]);
    mudaTexto(index_, m_.INDEX);
    mudaTexto(max_, m_.MAX);
    mudaTexto(qte_, m_.QTE);
    mudaTexto(nome_, m_.NOME);
    const QString linha = QString::fromStdString(m_.LINHA);
    if (linha_->text() != linha) linha_->setText(linha);
    sincronizaTexto();
}

}  // namespace pelmar
