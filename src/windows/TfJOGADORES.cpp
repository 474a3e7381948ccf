#include "windows/TfJOGADORES.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include <utility>

#include "jogo/Jogo.h"
#include "players/FichaDaPersonalidade.h"
#include "players/Personagens.h"
#include "presentation/CatalogoImagens.h"
#include "presentation/RostosDoPersonagem.h"
#include "windows/RotuloClicavel.h"
#include "windows/TelaQt.h"
#include "windows/TfmtPERSONALIDADE.h"

namespace pelmar {

namespace {

constexpr QSize TAMANHO_DO_SINAL(60, 48);
constexpr QSize TAMANHO_DA_PREVIA(200, 160);

constexpr const char* ROTULOS_DOS_ASSENTOS[] = {"Você", "Jogador 2", "Parceiro", "Jogador 4"};
constexpr const char* BOTOES_DOS_ASSENTOS[] = {"(J1) Voce", "Jogador 2", "(J3) Parceiro", "Jogador 4"};

// The box that fixes a seat: 1 you, 2 both opponents, 3 the partner.
int grupoDoAssento(int assento) { return assento == 4 ? 2 : assento; }

QString doTexto(std::string_view texto) { return QString::fromUtf8(texto.data(), static_cast<qsizetype>(texto.size())); }


QPushButton* botao(QWidget* pai, const QString& nome, const QString& texto, std::function<void()> efeito) {
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, pai, [efeito = std::move(efeito)] { efeito(); });
    return b;
}

// The empty image: a face that is missing or cannot be read. One flat grey inside a frame, so
// it reads as "nothing here" at any size.
QPixmap imagemNula() {
    QPixmap nulo(TAMANHO_DA_PREVIA);
    nulo.fill(QColor(0xD8, 0xD8, 0xD8));
    QPainter p(&nulo);
    p.setPen(QColor(0xA0, 0xA0, 0xA0));
    p.drawRect(nulo.rect().adjusted(0, 0, -1, -1));
    return nulo;
}

QPixmap ajustada(const QPixmap& imagem, QSize tamanho) {
    return imagem.scaled(tamanho, Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

}  // namespace

TfJOGADORES::TfJOGADORES(Jogo& jogo, TelaQt& tela, QWidget* mesa)
    : QDialog(mesa), jogo_(jogo), tela_(tela), mesa_(mesa), escolha_(jogo), nulo_(imagemNula()) {
    setObjectName("TfJOGADORES");
    setWindowTitle("Lista de Jogadores e Sinais");
    setModal(true);
    relogio_ = new QTimer(this);
    relogio_->setSingleShot(true);
    connect(relogio_, &QTimer::timeout, this, [this] { proximoPasso(); });

    auto* colunas = new QHBoxLayout;
    colunas->addWidget(montaJogadores());
    colunas->addWidget(montaPersonagens());
    colunas->addWidget(montaSinais());

    aviso_ = new QLabel(this);
    aviso_->setObjectName("AVISO");
    aviso_->setWordWrap(true);
    auto* nulo = new QLabel(this);
    nulo->setObjectName("NULO");
    nulo->setPixmap(nulo_);
    nulo->hide();
    auto* rodape = new QHBoxLayout;
    rodape->addWidget(aviso_, 1);
    rodape->addWidget(botao(this, "btSALVAR", QString::fromUtf8("Salvar Preferências"), [this] { btSALVARClick(); }));
    rodape->addWidget(botao(this, "Button2", "Fechar", [this] { reject(); }));

    auto* geral = new QVBoxLayout(this);
    geral->addLayout(colunas);
    geral->addLayout(rodape);
    geral->setSizeConstraint(QLayout::SetFixedSize);
    carregando_ = false;
}

QWidget* TfJOGADORES::montaJogadores() {
    auto* grupo = new QGroupBox("Jogadores na Mesa", this);
    auto* grade = new QGridLayout;
    for (int p = 1; p <= 4; ++p) {
        auto* rotulo = new QLabel(QString::fromUtf8(ROTULOS_DOS_ASSENTOS[p - 1]), grupo);
        auto* nome = new QComboBox(grupo);
        nome->setObjectName(QString("NOME_JOG_%1").arg(p));
        nome->setMinimumContentsLength(16);
        nome->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        connect(nome, &QComboBox::activated, this, [this, p] { NOME_JOGChange(p); });
        auto* ver = botao(grupo, QString("BT_PERSONALIDADE_%1").arg(p), "?", [this, p] { personalidadeClick(p); });
        ver->setToolTip("Ver a personalidade deste jogador");
        ver->setFixedWidth(ver->fontMetrics().horizontalAdvance("??") + 16);
        auto* nota = new QLabel(grupo);
        nota->setObjectName(QString("NOTA_JOG_%1").arg(p));
        nota->setWordWrap(true);
        nota->setStyleSheet("color: #8a4b00;");
        nota->setMaximumWidth(260);
        nomes_[static_cast<std::size_t>(p)] = nome;
        notas_[static_cast<std::size_t>(p)] = nota;
        grade->addWidget(rotulo, 2 * (p - 1), 0);
        grade->addWidget(nome, 2 * (p - 1), 1);
        grade->addWidget(ver, 2 * (p - 1), 2);
        grade->addWidget(nota, 2 * (p - 1) + 1, 1, 1, 2);
    }
    const std::pair<int, std::pair<const char*, const char*>> caixas[] = {
        {1, {"CK_VOCE_FIXO", "Seu personagem fixo"}},
        {3, {"CK_PARCEITO_FIXO", "Parceiro fixo"}},
        {2, {"CK_ADVERSARIOS_FIXOS", "Adversarios fixos"}}};
    auto* corpo = new QVBoxLayout(grupo);
    corpo->addLayout(grade);
    for (const auto& [g, nomeTexto] : caixas) {
        auto* caixa = new QCheckBox(QString::fromUtf8(nomeTexto.second), grupo);
        caixa->setObjectName(nomeTexto.first);
        connect(caixa, &QCheckBox::toggled, this, [this, g] { CK_FIXOClick(g); });
        fixos_[static_cast<std::size_t>(g)] = caixa;
        corpo->addWidget(caixa);
    }
    corpo->addWidget(botao(grupo, "BT_SORTEIA", "Sorteia Personalidade Jogadores", [this] { BT_SORTEIAClick(); }));
    corpo->addStretch();
    return grupo;
}

QWidget* TfJOGADORES::montaPersonagens() {
    auto* grupo = new QGroupBox("Personagens", this);
    lista_ = new QListWidget(grupo);
    lista_->setObjectName("LISTA");
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setFixedWidth(170);
    connect(lista_, &QListWidget::currentRowChanged, this, [this] {
        if (!carregando_) LISTAClick();
    });
    auto* assentos = new QGridLayout;
    for (int p = 1; p <= 4; ++p)
        assentos->addWidget(botao(grupo, QString("BT_JOG_%1").arg(p), BOTOES_DOS_ASSENTOS[p - 1],
                                  [this, p] { BT_JOGClick(p); }),
                            (p - 1) / 2, (p - 1) % 2);
    auto* vozes = new QHBoxLayout;
    const std::pair<const char*, std::pair<const char*, int>> botoesDeVoz[] = {
        {"Button1", {"Truco", 3}}, {"Button3", {"Seis", 6}}, {"Button4", {"Nove", 9}}, {"Button5", {"Doze", 12}}};
    for (const auto& [nome, textoValor] : botoesDeVoz) {
        const int valor = textoValor.second;
        vozes->addWidget(botao(grupo, nome, textoValor.first, [this, valor] { vozClick(valor); }));
    }
    auto* corpo = new QVBoxLayout(grupo);
    corpo->addWidget(lista_, 1);
    corpo->addWidget(new QLabel("Sentar o personagem escolhido em:", grupo));
    corpo->addLayout(assentos);
    corpo->addWidget(new QLabel("Vozes:", grupo));
    corpo->addLayout(vozes);
    return grupo;
}

QWidget* TfJOGADORES::montaSinais() {
    auto* grupo = new QGroupBox("Sinais", this);
    // Two columns of faces; the preview goes under the shorter one.
    std::array<QVBoxLayout*, 2> colunas = {new QVBoxLayout, new QVBoxLayout};
    for (QVBoxLayout* c : colunas) c->setSpacing(2);
    for (std::size_t i = 0; i < SINAIS_DO_ROSTO.size(); ++i) {
        const SinalDoRosto& s = SINAIS_DO_ROSTO[i];
        const int indice = static_cast<int>(i);
        auto* imagem = new RotuloClicavel({}, grupo, [this, indice] { sinalClick(indice); });
        imagem->setObjectName(doTexto(s.nome));
        imagem->setFixedSize(TAMANHO_DO_SINAL);
        imagem->setAlignment(Qt::AlignCenter);
        imagem->setToolTip(doTexto(s.dica));
        imagem->setCursor(Qt::PointingHandCursor);
        auto* sentido = new QLabel(QString("<b>%1</b><br>%2").arg(doTexto(s.dica).toHtmlEscaped(),
                                                                   doTexto(s.significado).toHtmlEscaped()),
                                   grupo);
        sentido->setObjectName("SIGNIFICADO_" + doTexto(s.nome));
        sentido->setFixedWidth(200);
        sentido->setWordWrap(true);
        imagens_[i] = imagem;
        auto* linha = new QHBoxLayout;
        linha->setSpacing(6);
        linha->addWidget(imagem);
        linha->addWidget(sentido);
        colunas[i < 5 ? 0 : 1]->addLayout(linha);
    }
    sinal_ = new QLabel(grupo);
    sinal_->setObjectName("sinal");
    sinal_->setFixedSize(TAMANHO_DA_PREVIA);
    sinal_->setAlignment(Qt::AlignCenter);
    sinal_->setFrameShape(QFrame::StyledPanel);
    txtSinal_ = new QLabel(grupo);
    txtSinal_->setObjectName("TXT_SINAL");
    txtSinal_->setAlignment(Qt::AlignCenter);
    QFont grande = txtSinal_->font();
    grande.setBold(true);
    grande.setPointSizeF(grande.pointSizeF() * 1.4);
    txtSinal_->setFont(grande);
    auto* previa = new QVBoxLayout;
    previa->addWidget(sinal_, 0, Qt::AlignHCenter);
    previa->addWidget(txtSinal_);
    previa->addWidget(botao(grupo, "Testar", "Testar os Sinais", [this] { TestarClick(); }));
    previa->addStretch();
    auto* dica = new QLabel("Clique numa imagem para ver o sinal.", grupo);
    dica->setWordWrap(true);
    previa->addWidget(dica);
    colunas[0]->addStretch();
    colunas[1]->addLayout(previa);
    auto* corpo = new QHBoxLayout(grupo);
    corpo->addLayout(colunas[0]);
    corpo->addLayout(colunas[1]);
    return grupo;
}

void TfJOGADORES::carrega() {
    carregando_ = true;
    const std::vector<std::string> chaves = escolha_.chavesDaTabela();
    for (int p = 1; p <= 4; ++p) {
        QComboBox* nome = nomes_[static_cast<std::size_t>(p)];
        nome->clear();
        for (const std::string& chave : chaves) nome->addItem(QString::fromStdString(chave));
        const QString atual = QString::fromStdString(jogo_.prefs.NOME_JOGADOR[p]);
        // A character the player added sits under its folder's name, which no row has.
        if (nome->findText(atual) < 0) nome->addItem(atual);
        nome->setCurrentIndex(nome->findText(atual));
        const auto nota = escolha_.notaDoAssento(p);
        notas_[static_cast<std::size_t>(p)]->setText(nota ? QString::fromStdString(*nota) : QString());
    }
    for (int g = 1; g <= 3; ++g) fixos_[static_cast<std::size_t>(g)]->setChecked(escolha_.fixo(g));
    habilitaNomes();

    const QString antes = selecionado();
    lista_->clear();
    const ListaCatalogo personagens = listaPersonagens(jogo_.pasta);
    for (const std::string& nome : personagens.nomes) lista_->addItem(QString::fromStdString(nome));
    const auto achados = lista_->findItems(antes, Qt::MatchExactly);
    lista_->setCurrentRow(achados.isEmpty() ? 0 : lista_->row(achados.front()));
    carregando_ = false;
    aviso_->setText(QString::fromStdString(personagens.nota));
    LISTAClick();
}

void TfJOGADORES::abre(QPoint onde) {
    carrega();
    move(onde);
    exec();
}

QString TfJOGADORES::selecionado() const {
    const QListWidgetItem* item = lista_->currentItem();
    return item ? item->text() : QString();
}

void TfJOGADORES::habilitaNomes() {
    for (int p = 1; p <= 4; ++p)
        nomes_[static_cast<std::size_t>(p)]->setEnabled(fixos_[static_cast<std::size_t>(grupoDoAssento(p))]->isChecked());
}

void TfJOGADORES::avisa(const QString& texto) { aviso_->setText(texto); }

void TfJOGADORES::LISTAClick() {
    relogio_->stop();
    const QString nome = selecionado();
    const RostosLidos lidos = nome.isEmpty() ? RostosLidos{} : leRostosDoPersonagem(jogo_.pasta, nome.toStdString());
    for (std::size_t i = 0; i < imagens_.size(); ++i) {
        rostos_[i] = lidos.imagens[i].isNull() ? nulo_ : QPixmap::fromImage(lidos.imagens[i]);
        imagens_[i]->setPixmap(ajustada(rostos_[i], TAMANHO_DO_SINAL));
    }
    txtSinal_->clear();
    desenhaPrevia(0);
    if (nome.isEmpty()) return;
    QString problemas;
    for (const std::string& p : lidos.problemas) problemas += (problemas.isEmpty() ? "" : ", ") + QString::fromStdString(p);
    avisa(problemas.isEmpty() ? QString() : nome + ": " + problemas + ".");
}

void TfJOGADORES::desenhaPrevia(int indice) {
    indiceNaPrevia_ = indice;
    sinal_->setPixmap(ajustada(rostos_[static_cast<std::size_t>(indice)], TAMANHO_DA_PREVIA));
}

bool TfJOGADORES::previaEmAndamento() const { return relogio_->isActive(); }

void TfJOGADORES::mostraPrevia(std::vector<PassoDaPrevia> passos) {
    relogio_->stop();
    passos_ = std::move(passos);
    passo_ = 0;
    proximoPasso();
}

void TfJOGADORES::proximoPasso() {
    if (passo_ >= passos_.size()) return;
    const PassoDaPrevia passo = passos_[passo_++];
    desenhaPrevia(passo.indice);
    if (passo.legenda) txtSinal_->setText(doTexto(*passo.legenda));
    if (aoMudarPrevia) aoMudarPrevia(passo.indice, txtSinal_->text());
    if (passo_ < passos_.size()) relogio_->start(passo.duracaoMs);
}

void TfJOGADORES::TestarClick() { mostraPrevia(previaDeTodosOsSinais()); }

void TfJOGADORES::sinalClick(int indice) { mostraPrevia(previaDeUmSinal(indice)); }

void TfJOGADORES::aplica(const ResultadoDaEscolha& resultado) {
    if (resultado.recusa) mostraMensagem(mensagem, this, windowTitle(), QString::fromStdString(*resultado.recusa));
    if (resultado.erro) tela_.mostraErro(*resultado.erro);
    const QString aviso = aviso_->text();
    carrega();
    // Reading the list again must not hide what the change itself had to say.
    if (aviso_->text().isEmpty()) avisa(aviso);
    if (aoMudarJogadores) aoMudarJogadores();
}

void TfJOGADORES::BT_JOGClick(int assento) {
    const QString nome = selecionado();
    if (nome.isEmpty()) return;
    const std::string personagem = nome.toStdString();
    // The table shows all nine faces: a character that lacks one cannot sit there.
    if (auto problema = problemaNoNomeDePersonagem(personagem)) {
        aplica({std::move(problema), std::nullopt});
        return;
    }
    const RostosLidos rostos = leRostosDoPersonagem(jogo_.pasta, personagem);
    if (!rostos.completo()) {
        std::string faltas;
        for (const std::string& p : rostos.problemas) faltas += (faltas.empty() ? "" : ", ") + p;
        aplica({"O personagem \"" + personagem + "\" não pode sentar à mesa: " + faltas + ".", std::nullopt});
        return;
    }
    const ResultadoDaEscolha r = escolha_.sentaPersonagem(assento, personagem);
    aplica(r);
    if (!r.recusa)
        if (auto nota = escolha_.notaDoAssento(assento)) avisa(QString::fromStdString(*nota));
}

void TfJOGADORES::NOME_JOGChange(int assento) {
    if (carregando_) return;
    aplica(escolha_.mudaNome(assento, nomes_[static_cast<std::size_t>(assento)]->currentText().toStdString()));
}

void TfJOGADORES::CK_FIXOClick(int grupo) {
    if (carregando_) return;
    escolha_.fixa(grupo, fixos_[static_cast<std::size_t>(grupo)]->isChecked());
    habilitaNomes();
}

void TfJOGADORES::BT_SORTEIAClick() { aplica(escolha_.soltaTodos()); }

void TfJOGADORES::vozClick(int valor) {
    const QString nome = selecionado();
    if (nome.isEmpty()) return;
    if (!jogo_.prefs.SOM) {
        avisa("Os sons do jogo estão desligados (Parâmetros: \"Habilita sons no jogo\").");
        return;
    }
    const std::string chave = vozDoPersonagem(nome.toStdString(), valor);
    // Started and left to play: the window stays with the user.
    if (tela_.tocaSom(chave) <= 0)
        avisa(nome + QString(": sem a voz TRUCO_%1.WAV (ou ela não é um som que o jogo toca).").arg(valor));
    else
        avisa({});
}

void TfJOGADORES::btSALVARClick() {
    if (mesa_) {
        jogo_.prefs.JANELA_ESQUERDA = mesa_->x();
        jogo_.prefs.JANELA_TOPO = mesa_->y();
    }
    jogo_.gravaPreferencias();
    accept();
}

void TfJOGADORES::personalidadeClick(int assento) {
    if (!janelaDaPersonalidade) return;
    const Personalidades& p = jogo_.personalidades;
    janelaDaPersonalidade->mostra(assento, fichaDaPersonalidade(p.PERSONALIDADE_JOGADOR[assento], assento,
                                                                p.linhaDoTempo(assento), p.SEM_LINHA_PROPRIA[assento]));
}

void TfJOGADORES::hideEvent(QHideEvent* evento) {
    // A preview left running would go on drawing in a window nobody sees.
    relogio_->stop();
    QDialog::hideEvent(evento);
}

}  // namespace pelmar
