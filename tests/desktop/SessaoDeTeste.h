#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "suporte/PastaTemporaria.h"
#include "windows/SessaoDesktop.h"

namespace pelmar::teste {

// A whole desktop run in a temporary folder, fast, its message boxes caught in `mensagens`.
// Nothing starts until a test serves events: the first game waits on a timer.
class SessaoDeTeste : public PastaTemporaria {
protected:
    void TearDown() override {
        sessao.reset();
        PastaTemporaria::TearDown();
    }

    // A new run in the same folder: what an earlier one saved is what it finds.
    SessaoDesktop& abreSessao(std::uint64_t semente = 20261210) {
        sessao.reset();
        OpcoesDaSessao opcoes;
        opcoes.pasta = pasta;
        opcoes.dados = PELMAR_DADOS;
        opcoes.rapido = true;
        opcoes.semente = semente;
        sessao = std::make_unique<SessaoDesktop>(opcoes);
        sessao->tela().aoMostrarMensagem = [this](std::string_view titulo, std::string_view texto) {
            mensagens.push_back(std::string(titulo) + ": " + std::string(texto));
        };
        return *sessao;
    }

    Jogo& jogo() { return sessao->jogo(); }
    TForm2& janela() { return sessao->janela(); }

    std::unique_ptr<SessaoDesktop> sessao;
    std::vector<std::string> mensagens;
};

}  // namespace pelmar::teste
