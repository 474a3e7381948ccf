#include "windows/TfmtRECORDE.h"

#include <QClipboard>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include <cstdint>
#include <string>
#include <utility>

#include "jogo/Jogo.h"
#include "records/ValidacaoRecorde.h"
#include "windows/RotuloClicavel.h"

namespace pelmar {

namespace {

QLineEdit* campo(QWidget* pai, const QString& nome) {
    auto* c = new QLineEdit(pai);
    c->setObjectName(nome);
    return c;
}

QPushButton* botao(QWidget* pai, const QString& nome, const QString& texto, std::function<void()> efeito) {
    auto* b = new QPushButton(texto, pai);
    b->setObjectName(nome);
    b->setAutoDefault(false);
    QObject::connect(b, &QPushButton::clicked, pai, [efeito = std::move(efeito)] { efeito(); });
    return b;
}

std::string texto(const QLineEdit* c) { return c->text().toStdString(); }

}  // namespace

TfmtRECORDE::TfmtRECORDE(Jogo& jogo, QWidget* pai) : QWidget(pai, Qt::Dialog), jogo_(jogo) {
    setObjectName("TfmtRECORDE");
    setWindowTitle("Validação do RECORDE");

    recorde_ = campo(this, "STR_RECORDE");
    recorde_->setEnabled(false);
    recorde_->setStyleSheet("QLineEdit { background: yellow; color: black; }");
    nome_ = campo(this, "STR_NOME");
    idade_ = campo(this, "STR_IDADE");
    cidade_ = campo(this, "STR_CIDADE");
    uf_ = campo(this, "STR_UF");
    validacao_ = campo(this, "STR_VALIDACAO");
    validacao_->setReadOnly(true);

    auto* rotuloNome = new RotuloClicavel("Nome:", this, [this] { checar_->show(); });
    rotuloNome->setObjectName("ROTULO_NOME");
    auto rotulo = [this](const QString& nome, const QString& texto) {
        auto* r = new QLabel(texto, this);
        r->setObjectName(nome);
        return r;
    };
    auto* dados = new QGridLayout;
    dados->addWidget(rotulo("ROTULO_RECORDE", "Recorde ATUAL:"), 0, 0);
    dados->addWidget(recorde_, 0, 1);
    dados->addWidget(rotuloNome, 1, 0);
    dados->addWidget(nome_, 1, 1);
    dados->addWidget(rotulo("ROTULO_IDADE", "Idade:"), 2, 0);
    dados->addWidget(idade_, 2, 1);
    dados->addWidget(rotulo("ROTULO_CIDADE", "Cidade:"), 3, 0);
    dados->addWidget(cidade_, 3, 1);
    dados->addWidget(rotulo("ROTULO_UF", "UF:"), 4, 0);
    dados->addWidget(uf_, 4, 1);

    auto* validar = botao(this, "BT_VALIDAR", "Validar Recorde para envio", [this] { validaParaEnvio(); });
    checar_ = botao(this, "BT_CHECAR", "CHECAR", [this] { checa(); });
    checar_->hide();
    auto* acoes = new QHBoxLayout;
    acoes->addWidget(validar);
    acoes->addWidget(checar_);
    acoes->addStretch(1);

    auto* envio = new QHBoxLayout;
    envio->addWidget(botao(this, "BT_COPIAR", "Copiar  Texto do Recorde", [this] { copiaTexto(); }));
    envio->addWidget(botao(this, "BT_INTERNET", "Ver os recordes na internet", [this] { verRecordesNaInternet(); }));
    envio->addWidget(botao(this, "BT_EMAIL", "Enviar E-mail", [this] { enviaEmail(); }));
    envio->addStretch(1);
    envio->addWidget(botao(this, "BT_FECHAR", "Fechar", [this] { close(); }));

    auto* geral = new QVBoxLayout(this);
    geral->addLayout(dados);
    const QString instrucoes[] = {
        "Preencha os dados acima, seu nome ou apelido, cidade e idade e depois pressione",
        "o botão para validar o recorde, será gerado um texo único para evitar fraudes nos valores",
        QString("Copie o texto gerado e envie-o por e-mail para %1 com o assunto \"RECORDE PELMAR\"")
            .arg(EMAIL_RECORDES),
    };
    for (int i = 0; i < 3; ++i) geral->addWidget(rotulo(QString("INSTRUCAO_%1").arg(i + 1), instrucoes[i]));
    geral->addLayout(acoes);
    geral->addWidget(validacao_);
    geral->addLayout(envio);
}

void TfmtRECORDE::abre() {
    recorde_->setText(QString::number(jogo_.estatisticas.RECORDE));
    if (QWidget* pai = parentWidget()) move(posicaoDeJanelaAuxiliar(*pai->window()));
    show();
    raise();
}

// The table's "DEBUG" label is the debug switch the user sees and toggles.
bool TfmtRECORDE::modoDebug() const { return jogo_.mesa["DEBUG"].visivel; }

void TfmtRECORDE::validaParaEnvio() {
    checar_->hide();
    const bool debug = modoDebug();
    if (debug) {
        recorde_->setEnabled(true);
        checar_->show();
    }
    DadosDoRecorde dados{texto(nome_), texto(idade_), texto(cidade_), texto(uf_)};
    const std::string resultado =
        validaRecordeParaEnvio(dados, jogo_.estatisticas, debug, jogo_.plataforma.dataHora());
    validacao_->setText(QString::fromStdString(resultado));
    // A refused record leaves the fields as they were; an accepted one turns them to upper case.
    const std::pair<QLineEdit*, const std::string*> campos[] = {
        {nome_, &dados.nome}, {idade_, &dados.idade}, {cidade_, &dados.cidade}, {uf_, &dados.uf}};
    for (const auto& [c, valor] : campos) c->setText(QString::fromStdString(*valor));
    recorde_->setText(QString::number(jogo_.estatisticas.RECORDE));
}

void TfmtRECORDE::checa() {
    const QString digitado = recorde_->text();
    bool ok = false;
    const std::int32_t valor = digitado.trimmed().toInt(&ok);
    if (!ok) {
        jogo_.tela.mostraErro("'" + digitado.toStdString() + "' não é um valor inteiro válido");
        return;
    }
    const std::string recebido = "PRECORDE; " + texto(nome_) + "; " + texto(idade_) + "; " + texto(cidade_) + "; " +
                                 texto(uf_) + "*";
    const std::string resultado = VALIDA_RECORDE(recebido, valor, jogo_.estatisticas, jogo_.plataforma.dataHora());
    validacao_->setText(QString::fromStdString(resultado + "*"));
}

void TfmtRECORDE::copiaTexto() { QGuiApplication::clipboard()->setText(validacao_->text()); }

void TfmtRECORDE::verRecordesNaInternet() { abreNoSistema(abreEndereco, QUrl(ENDERECO_RECORDES), aviso(), this); }

void TfmtRECORDE::enviaEmail() {
    abreNoSistema(abreEndereco, QUrl(QString("mailto:") + EMAIL_RECORDES), aviso(), this);
}

MensagemDeJanela TfmtRECORDE::aviso() {
    return [this](const QString& titulo, const QString& texto) {
        jogo_.tela.caixaMensagem(titulo.toStdString(), texto.toStdString());
    };
}

}  // namespace pelmar
