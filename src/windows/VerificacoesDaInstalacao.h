#pragma once

#include <QString>

#include "base/PastaTrabalho.h"
#include "windows/GanchosDeJanela.h"

class QWidget;

namespace pelmar {

inline constexpr const char* MENSAGEM_FALTAM_ARQUIVOS = "Faltam arquivos para o Pelmar funcionar adequadamente !";
inline constexpr const char* MENSAGEM_INSTALACAO_OK = "Arquivos foram encontrados, Pelmar instalado corretamente !";

// The installation check's verdict: the chat lines file stands for the bundled files.
QString textoDaInstalacao(const PastaTrabalho& pasta);

// "Instalação (Verificar os Arquivos)": the verdict in a box with an empty caption.
void verificaInstalacao(const PastaTrabalho& pasta, const MensagemDeJanela& mensagem, QWidget* pai);

}  // namespace pelmar
