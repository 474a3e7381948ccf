#pragma once

#include <QSize>
#include <QString>

#include "windows/GanchosDeJanela.h"

class QWidget;

namespace pelmar {

// Asks for a temporary full-screen display mode of `largura` × `altura` at `bitsPorPixel`.
// A desktop session owns its display mode and Qt offers no way to change it, so the answer is
// always false; callers go on as after any failure, which is not reported. That is all
// "Configurar para 640x480x16" does.
bool MUDA_TELA(int largura, int altura, int bitsPorPixel);

// "Tela Cheia" → "800x600 (16 Cores)" / "800x600 (32 Cores)": the window without border over
// the whole screen; a second call gives it back its normal frame.
void telaCheia(QWidget& janela);

// The primary screen's size; an empty size when there is no screen.
QSize tamanhoDaTelaPrincipal();

// The screen check's text for a screen of `tamanho`.
QString textoDaConfiguracaoDaTela(QSize tamanho);

// "Ler Configuração Atual da Tela": the screen's size and whether it fits the table.
void leConfiguracaoDaTela(const MensagemDeJanela& mensagem, QWidget* pai, QSize tamanho = tamanhoDaTelaPrincipal());

}  // namespace pelmar
