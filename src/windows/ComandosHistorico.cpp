#include "windows/ComandosHistorico.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <filesystem>
#include <stdexcept>
#include <string>

#include "brain/FerramentasEditor.h"
#include "jogo/Jogo.h"
#include "windows/GanchosDeJanela.h"
#include "windows/TfLOG.h"

namespace pelmar {

ComandosHistorico::ComandosHistorico(Jogo& jogo, TfLOG& log)
    : mostraMensagem([&jogo](const QString& texto) { jogo.tela.caixaMensagem("Pelmar", texto.toStdString()); }),
      jogo_(jogo),
      log_(log) {}

void ComandosHistorico::salvarErro() {
    if (auto erro = jogo_.historico.SALVA_HISTORICO_ERRO(jogo_.pasta)) {
        jogo_.log(0, *erro);
        jogo_.tela.mostraErro(*erro);
    }
}

void ComandosHistorico::verHistorico() {
    // Brought back from the task bar, but a maximized window stays maximized.
    log_.setWindowState(log_.windowState() & ~Qt::WindowMinimized);
    log_.show();
    log_.raise();
    log_.activateWindow();
}

void ComandosHistorico::abreNoEditor(std::string_view arquivo) {
    // Started without waiting; a file that is not there, or no editor for it, is told in a box.
    abreArquivoDaPasta(abreEndereco, jogo_.pasta, arquivo,
                       [this](const QString&, const QString& texto) {
                           if (mostraMensagem) mostraMensagem(texto);
                       },
                       nullptr);
}

void ComandosHistorico::defineNivel(int nivel) {
    if (nivel < 0 || nivel > 3) throw std::out_of_range("nível de histórico fora de 0..3: " + std::to_string(nivel));
    jogo_.historico.NIVEL_HISTORICO = nivel;
    marcaNivel();
    jogo_.log(0, "--> NIVEL  " + std::to_string(nivel));
}

void ComandosHistorico::gravarDebug() { jogo_.gravaDebug(); }

void ComandosHistorico::carregarDebug() { jogo_.carregaDebug(); }

void ComandosHistorico::editarDebug() { abreNoEditor("TXT\\DEBUG.TXT"); }

void ComandosHistorico::lerRegras() { jogo_.ia.arquivos.LE_REGRAS(); }

void ComandosHistorico::quantidadeRegras() {
    const Cerebro& cerebro = jogo_.ia.cerebro;
    // The file to send is named where it really is, not where another system kept it.
    const std::string texto = textoQuantidadeRegras(cerebro.QTE_REGRAS_FIXAS, cerebro.QTE_REGRAS(),
                                                    jogo_.pasta.resolve("P-NEURON.TXT").string());
    if (mostraMensagem) mostraMensagem(QString::fromStdString(texto));
}

void ComandosHistorico::marcaNivel() {
    for (std::size_t n = 0; n < niveis_.size(); ++n)
        if (niveis_[n]) niveis_[n]->setChecked(static_cast<int>(n) == jogo_.historico.NIVEL_HISTORICO);
}

void ComandosHistorico::montaMenuHistorico(QMenu* menu, std::function<void(const std::function<void()>&)> envolve) {
    auto item = [envolve](QMenu* onde, const char* nome, const QString& texto, std::function<void()> efeito) {
        QAction* acao = onde->addAction(texto);
        acao->setObjectName(nome);
        QObject::connect(acao, &QAction::triggered, onde, [envolve, efeito] {
            if (envolve) envolve(efeito);
            else efeito();
        });
        return acao;
    };
    item(menu, "SALVAR_ERROR", "Salvar ERROR", [this] { salvarErro(); });
    item(menu, "VER_HISTORICO", "Ver Histórico de Jogadas", [this] { verHistorico(); });

    QMenu* arquivos = menu->addMenu("Mostrar Arquivo");
    arquivos->setObjectName("MOSTRAR_ARQUIVO");
    item(arquivos, "MOSTRAR_HISTORICO_OLD", "P-HISTORICO_OLD.TXT", [this] { abreNoEditor("P-HISTORICO_OLD.TXT"); });
    item(arquivos, "MOSTRAR_HISTORICO_NEW", "P-HISTORICO_NEW", [this] { abreNoEditor("P-HISTORICO_NEW.TXT"); });
    item(arquivos, "MOSTRAR_HISTORICO_ERRO", "P-HISTORICO_ERRO", [this] { abreNoEditor("P-HISTORICO_ERRO.TXT"); });

    QMenu* niveis = menu->addMenu("LOG");
    niveis->setObjectName("MENU_LOG");
    auto* grupo = new QActionGroup(niveis);
    const std::array<QString, 4> textos{"NÍVEL 0 (Simples)", "NÍVEL 1", "NÍVEL 2", "NÍVEL 3"};
    for (int n = 0; n < 4; ++n) {
        const std::string nome = "NIVEL_" + std::to_string(n);
        QAction* acao = item(niveis, nome.c_str(), textos[static_cast<std::size_t>(n)], [this, n] { defineNivel(n); });
        acao->setCheckable(true);
        grupo->addAction(acao);
        niveis_[static_cast<std::size_t>(n)] = acao;
    }
    marcaNivel();
    // The level may also be set without the menu (the command line, tests).
    QObject::connect(niveis, &QMenu::aboutToShow, niveis, [this] { marcaNivel(); });

    item(menu, "GRAVAR_DEBUG", "Gravar DEBUG.TXT", [this] { gravarDebug(); });
}

}  // namespace pelmar
