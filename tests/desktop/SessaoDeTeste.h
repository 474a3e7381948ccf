#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "suporte/PastaTemporaria.h"
#include "windows/SessaoDesktop.h"

namespace pelmar::teste {

// A whole desktop run in a temporary folder, fast, its message boxes caught in `mensagens`.
// Nothing starts until a test serves events: the first game waits on a timer.
//
// A box is a fault unless the test expects it: it takes the boxes it expects with
// `tomaMensagens()`, and any box still there when the test ends fails it. A modal box that
// slips past the game's hook is noted the same way and closed, so it never hangs the run.
class SessaoDeTeste : public PastaTemporaria {
protected:
    void TearDown() override {
        sessao.reset();
        vigia_.reset();
        for (const std::string& m : mensagens) ADD_FAILURE() << "caixa de mensagem que o teste não esperava: " << m;
        mensagens.clear();
        PastaTemporaria::TearDown();
    }

    // A new run in the same folder: what an earlier one saved is what it finds.
    SessaoDesktop& abreSessao(std::uint64_t semente = 20261210, bool demo = false) {
        sessao.reset();
        OpcoesDaSessao opcoes;
        opcoes.pasta = pasta;
        opcoes.dados = PELMAR_DADOS;
        opcoes.rapido = true;
        opcoes.demo = demo;
        opcoes.semente = semente;
        sessao = std::make_unique<SessaoDesktop>(opcoes);
        sessao->tela().aoMostrarMensagem = [this](std::string_view titulo, std::string_view texto) {
            mensagens.push_back(std::string(titulo) + ": " + std::string(texto));
        };
        vigiaCaixasModais();
        return *sessao;
    }

    // The boxes shown so far, which the test now answers for.
    std::vector<std::string> tomaMensagens() { return std::exchange(mensagens, {}); }

    Jogo& jogo() { return sessao->jogo(); }
    TForm2& janela() { return sessao->janela(); }

    std::unique_ptr<SessaoDesktop> sessao;
    std::vector<std::string> mensagens;

private:
    void vigiaCaixasModais() {
        if (vigia_) return;
        vigia_ = std::make_unique<QTimer>();
        vigia_->setInterval(20);
        QObject::connect(vigia_.get(), &QTimer::timeout, [this] {
            auto* caixa = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            if (!caixa) return;
            mensagens.push_back("(caixa modal) " + caixa->windowTitle().toStdString() + ": " +
                                caixa->text().toStdString());
            caixa->done(QMessageBox::Cancel);
        });
        vigia_->start();
    }

    std::unique_ptr<QTimer> vigia_;
};

}  // namespace pelmar::teste
