#include "windows/TelaQt.h"

#include <QMessageBox>
#include <QString>

#include <utility>

#include "presentation/TocadorSons.h"

namespace pelmar {

namespace {
QString texto(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

void centraSobre(QWidget& janela, const QWidget* mesa) {
    if (!mesa || !mesa->isVisible()) return;
    janela.adjustSize();
    const QRect area = mesa->frameGeometry();
    janela.move(area.center() - QPoint(janela.width() / 2, janela.height() / 2));
}
}  // namespace

TelaQt::TelaQt(TocadorSons& sons, Retrato retrato, QWidget* pai)
    : perguntaDeTruco(pai), perguntaDeOnze(pai), sons_(sons), retrato_(std::move(retrato)), pai_(pai) {}

int TelaQt::perguntaTruco(const PerguntaTruco& pergunta) {
    centraSobre(perguntaDeTruco, pai_);
    return perguntaDeTruco.pergunta(pergunta, retrato_ ? retrato_(pergunta.chamador) : QImage());
}

int TelaQt::perguntaOnze() {
    centraSobre(perguntaDeOnze, pai_);
    return perguntaDeOnze.pergunta();
}

void TelaQt::caixaMensagem(std::string_view titulo, std::string_view corpo) {
    if (aoMostrarMensagem) {
        aoMostrarMensagem(titulo, corpo);
        return;
    }
    QMessageBox::information(pai_, texto(titulo), texto(corpo));
}

void TelaQt::mostraErro(std::string_view corpo) {
    if (aoMostrarMensagem) {
        aoMostrarMensagem("Pelmar", corpo);
        return;
    }
    QMessageBox::critical(pai_, "Pelmar", texto(corpo));
}

int TelaQt::tocaSom(std::string_view chave) { return sons_.toca(chave); }

void TelaQt::redesenha() {
    if (aoRedesenhar) aoRedesenhar();
}

}  // namespace pelmar
