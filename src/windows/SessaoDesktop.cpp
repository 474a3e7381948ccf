#include "windows/SessaoDesktop.h"

#include "brain/AberturaDaPasta.h"

namespace pelmar {

SessaoDesktop::SessaoDesktop(const OpcoesDaSessao& opcoes)
    : opcoes_(opcoes),
      plataforma_(opcoes.semente),
      pasta_(opcoes.pasta),
      sons_(pasta_, [this](const std::string& nota) { jogo_.log(0, nota); }),
      imagens_(pasta_, [this](const std::string& aviso) { tela_.caixaMensagem("", aviso); }),
      tela_(sons_, [this](int assento) {
          const auto& rostos = imagens_.rostos(assento);
          return rostos.empty() ? QImage() : rostos.front();
      }),
      jogo_(plataforma_, tela_, pasta_),
      janela_(jogo_, imagens_, tela_) {}

void SessaoDesktop::inicia(const std::function<void(const QString&)>& progresso) {
    const auto passo = [&](const QString& texto) {
        if (progresso) progresso(texto);
    };
    passo("Instalando os arquivos do jogo...");
    for (const std::string& nota : abrePastaDoJogo(opcoes_.dados, pasta_).notas) jogo_.log(0, nota);
    passo("Lendo estatísticas e preferências...");
    jogo_.INICIALIZA_TUDO();
    if (opcoes_.demo) {
        jogo_.chaves.MODO_DEMO = true;
        jogo_.prefs.J1_JOGA_SOZINHO = true;
        // Started as a demo, the run is a show: the user's files stay as they were.
        jogo_.fazDemonstracao();
    }
    if (opcoes_.rapido) {
        jogo_.turnos.mudaRapido(true);
        jogo_.prefs.SOM = false;
    }
    passo("Preparando a mesa...");
    janela_.INICIA_JANELA();
}

}  // namespace pelmar
