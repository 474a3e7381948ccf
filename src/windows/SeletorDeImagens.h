#pragma once

#include <QDialog>
#include <QPoint>
#include <QSize>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "base/PastaTrabalho.h"
#include "presentation/CatalogoImagens.h"
#include "windows/GanchosDeJanela.h"

class QLabel;
class QListWidget;
class QPushButton;

namespace pelmar {

// One preview image of a picker: its control and the file it shows, `catalogo\` + name + `sufixo`.
struct PreviaDoSeletor {
    QString controle;
    std::string sufixo;
};

// What tells one picker from another; the window is the same.
struct DescricaoDoSeletor {
    QString nome;                 // the window's control name
    QString titulo;               // its caption
    QString textoExtras;          // the add-ons button
    std::string_view catalogo;    // the catalog folder below the working folder
    std::function<ListaCatalogo(const PastaTrabalho&)> lista;
    std::vector<PreviaDoSeletor> previas;  // in order: each shown only if the one before was
    QSize tamanhoPrevia;
};

// A picker of a catalog: the sorted list `LISTA`, the previews, "Selecionar", "Fechar", the
// add-ons button and "Atualiza Lista". Modal. The list is filled when it is built and again
// only by "Atualiza Lista".
class SeletorDeImagens : public QDialog {
public:
    // Chooses without showing the window: a name stands for "Selecionar", none for "Fechar".
    using EscolhaAutomatica = std::function<std::optional<QString>()>;

    SeletorDeImagens(PastaTrabalho pasta, DescricaoDoSeletor descricao, QWidget* pai = nullptr);

    // Placed at `onde`, shown modal; the name chosen, or none when closed without a choice.
    // When the catalog folder could not be read, says so first.
    std::optional<QString> escolhe(QPoint onde);

    // "Atualiza Lista": the list filled again, and the reason when it came out empty.
    void atualizaLista();
    // The list filled again without a word: the working folder has just received its files.
    void preencheLista();

    QStringList nomes() const;
    // The last name chosen here.
    const QString& nomeEscolhido() const { return nomeEscolhido_; }
    // Why the list is empty when the catalog folder could not be read; empty otherwise.
    const QString& nota() const { return nota_; }

    EscolhaAutomatica escolhaAutomatica;
    MensagemDeJanela mensagem;
    AbreEndereco abreEndereco;

private:
    void avisaNota();
    void mostraPrevias(const QString& nome);
    void seleciona();

    PastaTrabalho pasta_;
    DescricaoDoSeletor descricao_;
    QListWidget* lista_ = nullptr;
    std::vector<QLabel*> previas_;
    QString nomeEscolhido_;
    QString nota_;
};

}  // namespace pelmar
