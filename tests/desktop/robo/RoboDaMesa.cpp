#include <QAction>
#include <QApplication>
#include <QFile>
#include <QGenericPlugin>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <utility>

// The player's hand inside the real program, for the tests that run it whole. Qt loads it as a
// generic plugin (QT_QPA_GENERIC_PLUGINS=pelmar-robo:<file>): it asks the opponents to call truco
// (the Debug menu's "Força Computador a trucar"), clicks the user's cards as he would until a
// truco question is up, and then writes "pergunta" to <file> and keeps its hands off.

namespace {

class RoboDaMesa : public QObject {
public:
    explicit RoboDaMesa(QString aviso) : aviso_(std::move(aviso)) {
        auto* passo = new QTimer(this);
        passo->setInterval(50);
        connect(passo, &QTimer::timeout, this, [this] { age(); });
        passo->start();
    }

private:
    void age() {
        if (avisou_) return;
        QWidget* mesa = nullptr;
        for (QWidget* janela : QApplication::topLevelWidgets()) {
            if (!janela->isVisible()) continue;
            if (janela->objectName() == "TfTRUCO_QUEST") {
                QFile arquivo(aviso_);
                avisou_ = arquivo.open(QIODevice::WriteOnly) && arquivo.write("pergunta\n") > 0;
                return;
            }
            if (janela->objectName() == "TForm2") mesa = janela;
        }
        if (!mesa) return;
        if (!forcou_) {
            auto* forca = mesa->findChild<QAction*>("FORCA_TRUCAR");
            if (!forca) return;
            if (!forca->isChecked()) forca->trigger();
            forcou_ = true;
        }
        // A click out of the user's turn does nothing, as on the real table.
        for (int slot = 1; slot <= 3; ++slot) {
            auto* carta = mesa->findChild<QWidget*>(QString("JOG_1_%1").arg(slot));
            if (carta && carta->isVisible()) {
                QTest::mouseClick(carta, Qt::LeftButton);
                return;
            }
        }
    }

    QString aviso_;
    bool forcou_ = false;
    bool avisou_ = false;
};

}  // namespace

class PluginDoRobo : public QGenericPlugin {
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QGenericPluginFactoryInterface_iid FILE "robo.json")

public:
    QObject* create(const QString& chave, const QString& especificacao) override {
        if (chave.compare("pelmar-robo", Qt::CaseInsensitive) != 0) return nullptr;
        return new RoboDaMesa(especificacao);
    }
};

#include "RoboDaMesa.moc"
