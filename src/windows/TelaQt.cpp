#include "windows/TelaQt.h"

#include <QMessageBox>
#include <QScreen>
#include <QWidget>
#include <QString>

#include <utility>

#include "presentation/TocadorSons.h"

namespace pelmar {

namespace {
QString texto(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

// The screen the table is on, where a question must fit.
QRect telaDe(const QWidget& mesa) {
    const QScreen* tela = mesa.screen();
    return tela ? tela->availableGeometry() : QRect();
}
}  // namespace

TelaQt::TelaQt(TocadorSons& sons, Retrato retrato, QWidget* pai)
    : perguntaDeTruco(pai), perguntaDeOnze(pai), sons_(sons), retrato_(std::move(retrato)), pai_(pai) {}

int TelaQt::perguntaTruco(const PerguntaTruco& pergunta) {
    TfTRUCO_QUEST::Lugar lugar;
    if (mesaNaTela && pai_ && pai_->isVisible())
        lugar = [this, chamador = pergunta.chamador](QSize tamanho) {
            return lugarDaPerguntaDeTruco(chamador, tamanho, mesaNaTela, telaDe(*pai_));
        };
    return perguntaDeTruco.pergunta(pergunta, retrato_ ? retrato_(pergunta.chamador) : QImage(), lugar);
}

int TelaQt::perguntaOnze() {
    TfMao11::Lugar lugar;
    if (mesaNaTela && pai_ && pai_->isVisible())
        lugar = [this](QSize tamanho) { return lugarDaPerguntaDeOnze(tamanho, mesaNaTela, telaDe(*pai_)); };
    return perguntaDeOnze.pergunta(lugar);
}

void TelaQt::encerraPerguntas() {
    if (perguntaDeTruco.isVisible()) perguntaDeTruco.done(resposta::NENHUMA);
    if (perguntaDeOnze.isVisible()) perguntaDeOnze.done(resposta::NENHUMA);
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

int TelaQt::tocaSom(std::string_view chave) {
    if (aoTocarSom) aoTocarSom(chave);
    return sons_.toca(chave);
}

void TelaQt::redesenha() {
    if (aoRedesenhar) aoRedesenhar();
}

}  // namespace pelmar
