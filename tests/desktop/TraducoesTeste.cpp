#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPushButton>
#include <QTranslator>

#include <memory>
#include <string>

#include "suporte/PastaTemporaria.h"
#include "windows/TraducoesDoQt.h"

namespace pelmar::teste {
namespace {

// A Brazilian player's system is often set to English or to nothing at all; the game speaks
// Portuguese whatever it is, and so do Qt's own buttons. A Portuguese system keeps its variant.
TEST(TraducoesDoQtTeste, IdiomaDosDialogos) {
    const std::pair<QLocale, QString> casos[] = {
        {QLocale::c(), "pt_BR"},
        {QLocale(QLocale::English, QLocale::UnitedStates), "pt_BR"},
        {QLocale(QLocale::German, QLocale::Germany), "pt_BR"},
        {QLocale(QLocale::Portuguese, QLocale::Brazil), "pt_BR"},
        {QLocale(QLocale::Portuguese, QLocale::Portugal), "pt_PT"},
    };
    for (const auto& [sistema, esperado] : casos)
        EXPECT_EQ(idiomaDosDialogos(sistema).name(), esperado) << sistema.name().toStdString();
}

// Removes what a test installed, so the other tests see Qt as it was.
struct TradutorDoTeste {
    QTranslator* tradutor;
    ~TradutorDoTeste() {
        if (!tradutor) return;
        QCoreApplication::removeTranslator(tradutor);
        delete tradutor;
    }
};

QString textoDoBotao(QMessageBox::StandardButton botao) {
    QMessageBox pergunta(QMessageBox::Question, "I.A.", "?", QMessageBox::Yes | QMessageBox::No);
    return pergunta.button(botao)->text().remove('&');
}

// The start-up's translations give the saving exit's question "Sim" and "Não", whatever the
// system's language; a Portuguese variant without a catalog of its own falls back to Brazil's.
TEST(TraducoesDoQtTeste, PerguntaRespondeSimOuNao) {
    const QString pasta = QLibraryInfo::path(QLibraryInfo::TranslationsPath);
    if (!QFileInfo::exists(pasta + "/qtbase_pt_BR.qm"))
        GTEST_SKIP() << "sem " << pasta.toStdString()
                     << "/qtbase_pt_BR.qm: o pacote qt6-translations-l10n não está instalado";
    ASSERT_EQ(textoDoBotao(QMessageBox::Yes), "Yes") << "outro teste deixou uma tradução instalada";
    for (const QLocale& sistema : {QLocale::c(), QLocale(QLocale::English, QLocale::UnitedStates),
                                   QLocale(QLocale::Portuguese, QLocale::Portugal)}) {
        SCOPED_TRACE(sistema.name().toStdString());
        const TradutorDoTeste instalado{instalaTraducoesDoQt(sistema)};
        ASSERT_NE(instalado.tradutor, nullptr);
        EXPECT_EQ(textoDoBotao(QMessageBox::Yes), "Sim");
        EXPECT_EQ(textoDoBotao(QMessageBox::No), QString::fromUtf8("Não"));
    }
}

// With no catalog at hand nothing is installed, and the buttons stay as Qt wrote them.
class TraducoesAusentesTeste : public PastaTemporaria {};

TEST_F(TraducoesAusentesTeste, SemCatalogoNadaMuda) {
    gravaBytes(pasta / "qtbase_pt_BR.qm", "isto não é um catálogo");
    const TradutorDoTeste instalado{instalaTraducoesDoQt(QLocale::c(), QString::fromStdString(pasta.string()))};
    EXPECT_EQ(instalado.tradutor, nullptr);
    EXPECT_EQ(textoDoBotao(QMessageBox::Yes), "Yes");
}

}  // namespace
}  // namespace pelmar::teste
