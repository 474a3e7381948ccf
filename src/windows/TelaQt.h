#pragma once

#include <QImage>

#include <functional>
#include <string>
#include <string_view>

#include "engine/Tela.h"
#include "windows/LugarDasPerguntas.h"
#include "windows/TfMao11.h"
#include "windows/TfTRUCO_QUEST.h"

class QWidget;

namespace pelmar {

class TocadorSons;

// The desktop's side of the table port: the question windows, message boxes and sounds. The table
// window supplies the seats' portraits and what "show it now" means.
class TelaQt : public Tela {
public:
    using Retrato = std::function<QImage(int jogador)>;
    using Mensagem = std::function<void(std::string_view titulo, std::string_view texto)>;

    TelaQt(TocadorSons& sons, Retrato retrato, QWidget* pai = nullptr);

    int perguntaTruco(const PerguntaTruco& pergunta) override;
    int perguntaOnze() override;
    void caixaMensagem(std::string_view titulo, std::string_view texto) override;
    void mostraErro(std::string_view texto) override;
    int tocaSom(std::string_view chave) override;
    void redesenha() override;

    // The table window, built after this port: boxes belong to it and questions open over it.
    void defineJanela(QWidget* janela) { pai_ = janela; }
    // The table's design area on the screen, from the table window: the questions open beside the
    // seat that asks. Unset, or with the table hidden, they open where the system puts them.
    MesaNaTela mesaNaTela;
    // Ends an open question without an answer (the game is closing under it).
    void encerraPerguntas();

    // Window tests answer the questions and see the boxes without anything modal.
    TfTRUCO_QUEST perguntaDeTruco;
    TfMao11 perguntaDeOnze;
    Mensagem aoMostrarMensagem;
    // Hears the key of every sound the game asks for, heard or not.
    std::function<void(std::string_view)> aoTocarSom;
    std::function<void()> aoRedesenhar;

private:
    TocadorSons& sons_;
    Retrato retrato_;
    QWidget* pai_;
};

}  // namespace pelmar
