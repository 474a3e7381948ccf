#pragma once

#include <QUrl>
#include <QWidget>

#include <functional>

class QLabel;
class QLineEdit;
class QPushButton;

#include "windows/Enderecos.h"
#include "windows/GanchosDeJanela.h"

namespace pelmar {

class Jogo;

// The project's addresses: the records table, its mailbox and the program's page.

// "Validação do RECORDE": turns the record and the user's name, age, town and state into the
// text with its check code that the user sends to the records table.
class TfmtRECORDE : public QWidget {
public:
    explicit TfmtRECORDE(Jogo& jogo, QWidget* pai = nullptr);

    // The second item of the "Recordes" menu: the current record in its field, beside the main window.
    void abre();

    // The buttons, by their captions.
    void validaParaEnvio();    // "Validar Recorde para envio"
    void checa();              // "CHECAR": the makers' check of a text received
    void copiaTexto();         // "Copiar  Texto do Recorde"
    void verRecordesNaInternet();
    void enviaEmail();

    // Hands a web page or an e-mail address to the system, true when taken; a refusal is told in
    // the game's message box. Tests replace it.
    AbreEndereco abreEndereco;

private:
    MensagemDeJanela aviso();
    bool modoDebug() const;

    Jogo& jogo_;
    QLineEdit* recorde_ = nullptr;
    QLineEdit* nome_ = nullptr;
    QLineEdit* idade_ = nullptr;
    QLineEdit* cidade_ = nullptr;
    QLineEdit* uf_ = nullptr;
    QLineEdit* validacao_ = nullptr;
    QPushButton* checar_ = nullptr;
};

}  // namespace pelmar
