#include "windows/SeletorDeImagens.h"

#include <QByteArray>
#include <QFile>
#include <QHBoxLayout>
#include <QImage>
#include <QImageReader>
#include <QLabel>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

#include <filesystem>
#include <system_error>
#include <utility>

#include "windows/Enderecos.h"

namespace pelmar {

namespace {

// A missing or unreadable file gives a null image: previews say nothing about it.
QImage lePrevia(const std::filesystem::path& arquivo) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(arquivo, ec)) return {};
    QImageReader leitor(QFile::decodeName(QByteArray::fromStdString(arquivo.string())));
    leitor.setDecideFormatFromContent(true);
    return leitor.read();
}

QPushButton* criaBotao(QWidget* pai, const QString& nome, const QString& texto) {
    auto* botao = new QPushButton(texto, pai);
    botao->setObjectName(nome);
    botao->setAutoDefault(false);
    return botao;
}

}  // namespace

SeletorDeImagens::SeletorDeImagens(PastaTrabalho pasta, DescricaoDoSeletor descricao, QWidget* pai)
    : QDialog(pai), pasta_(std::move(pasta)), descricao_(std::move(descricao)) {
    setObjectName(descricao_.nome);
    setWindowTitle(descricao_.titulo);
    setModal(true);

    lista_ = new QListWidget(this);
    lista_->setObjectName("LISTA");
    lista_->setSelectionMode(QAbstractItemView::SingleSelection);
    lista_->setMinimumWidth(160);
    connect(lista_, &QListWidget::currentTextChanged, this, [this](const QString& nome) {
        if (!nome.isEmpty()) mostraPrevias(nome);
    });

    auto* previas = new QHBoxLayout;
    for (const PreviaDoSeletor& p : descricao_.previas) {
        auto* imagem = new QLabel(this);
        imagem->setObjectName(p.controle);
        imagem->setFixedSize(descricao_.tamanhoPrevia);
        imagem->setAlignment(Qt::AlignCenter);
        imagem->setFrameShape(QFrame::StyledPanel);
        previas->addWidget(imagem);
        previas_.push_back(imagem);
    }
    previas->addStretch();

    auto* selecionar = criaBotao(this, "SELECIONAR", "Selecionar");
    auto* fechar = criaBotao(this, "FECHAR", "Fechar");
    auto* extras = criaBotao(this, "EXTRAS", descricao_.textoExtras);
    auto* atualiza = criaBotao(this, "ATUALIZA_LISTA", "Atualiza Lista");
    connect(selecionar, &QPushButton::clicked, this, [this] { seleciona(); });
    connect(fechar, &QPushButton::clicked, this, [this] { reject(); });
    connect(extras, &QPushButton::clicked, this, [this] {
        abreNoSistema(abreEndereco, QUrl(ENDERECO_EXTRAS), mensagem, this);
    });
    connect(atualiza, &QPushButton::clicked, this, [this] { atualizaLista(); });

    auto* botoes = new QHBoxLayout;
    for (QPushButton* b : {selecionar, fechar, extras, atualiza}) botoes->addWidget(b);

    auto* lado = new QVBoxLayout;
    lado->addLayout(previas);
    lado->addStretch();
    lado->addLayout(botoes);
    auto* geral = new QHBoxLayout(this);
    geral->addWidget(lista_);
    geral->addLayout(lado, 1);

    preencheLista();
}

QStringList SeletorDeImagens::nomes() const {
    QStringList r;
    for (int i = 0; i < lista_->count(); ++i) r.push_back(lista_->item(i)->text());
    return r;
}

void SeletorDeImagens::preencheLista() {
    lista_->clear();
    const ListaCatalogo catalogo = descricao_.lista(pasta_);
    for (const std::string& nome : catalogo.nomes) lista_->addItem(QString::fromStdString(nome));
    nota_ = QString::fromStdString(catalogo.nota);
}

void SeletorDeImagens::avisaNota() {
    if (!nota_.isEmpty()) mostraMensagem(mensagem, this, windowTitle(), nota_);
}

void SeletorDeImagens::atualizaLista() {
    preencheLista();
    avisaNota();
}

void SeletorDeImagens::mostraPrevias(const QString& nome) {
    const std::string entrada = nome.toStdString();
    bool anteriorExiste = nomeDeCatalogoValido(entrada);
    std::filesystem::path ultimoArquivo;
    QImage ultima;
    for (std::size_t i = 0; i < previas_.size(); ++i) {
        if (anteriorExiste) {
            const auto arquivo =
                pasta_.resolve(std::string(descricao_.catalogo) + "\\" + entrada + descricao_.previas[i].sufixo);
            // The card-back previews all show one file: read it once.
            if (arquivo != ultimoArquivo) {
                ultima = lePrevia(arquivo);
                ultimoArquivo = arquivo;
            }
            anteriorExiste = !ultima.isNull();
        }
        // A preview not loaded is emptied: keeping another entry's picture would show it under
        // this entry's name.
        if (anteriorExiste) {
            previas_[i]->setPixmap(QPixmap::fromImage(
                ultima.scaled(descricao_.tamanhoPrevia, Qt::KeepAspectRatio, Qt::SmoothTransformation)));
        } else {
            previas_[i]->clear();
        }
    }
}

void SeletorDeImagens::seleciona() {
    const auto selecionados = lista_->selectedItems();
    if (selecionados.isEmpty()) return;
    nomeEscolhido_ = selecionados.front()->text();
    accept();
}

std::optional<QString> SeletorDeImagens::escolhe(QPoint onde) {
    move(onde);
    avisaNota();
    if (escolhaAutomatica) {
        std::optional<QString> escolha = escolhaAutomatica();
        if (escolha) nomeEscolhido_ = *escolha;
        return escolha;
    }
    if (exec() != QDialog::Accepted) return std::nullopt;
    return nomeEscolhido_;
}

}  // namespace pelmar
