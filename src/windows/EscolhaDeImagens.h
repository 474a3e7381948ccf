#pragma once

#include <QPoint>
#include <QString>

#include <functional>
#include <optional>
#include <string>
#include <string_view>

class QWidget;

namespace pelmar {

class ImagensDaMesa;
class Jogo;
class TfBARALHOS;
class TfMESAS;
class TfVERSOS;

// The table, card-back and deck choices: the picker opened over the main window, the choice
// loaded and remembered in the preferences, and the table's cards shown again as they must be.
class EscolhaDeImagens {
public:
    // `janela` places the pickers; `aoTrocarImagens` runs after new pictures were loaded.
    EscolhaDeImagens(Jogo& jogo, ImagensDaMesa& imagens, TfMESAS& mesas, TfVERSOS& versos, TfBARALHOS& baralhos,
                     const QWidget& janela, std::function<void()> aoTrocarImagens);

    // Each returns true when a new picture was loaded. A name that does not load (or would leave
    // its catalog folder) is reported by the pictures and neither pictures nor name change.
    bool ESCOLHE_MESA();
    // Whatever the result, every face-down card of the table is shown with the current back.
    bool ESCOLHE_VERSO();
    // Whatever the result, every face-up card of the table is shown again.
    bool ESCOLHE_BARALHO();
    // "Escolher Baralho do Jogo": the deck, then the back.
    void escolheBaralhoDoJogo();

    // Where the pickers open, as every window of the main window's menus.
    QPoint ondeAbrir() const;

private:
    bool aplica(const std::optional<QString>& escolha, const std::function<bool(std::string_view)>& carrega,
                std::string& nomeGuardado);
    void mostraVersos();
    void mostraFrentes();

    Jogo& jogo_;
    ImagensDaMesa& imagens_;
    TfMESAS& mesas_;
    TfVERSOS& versos_;
    TfBARALHOS& baralhos_;
    const QWidget& janela_;
    std::function<void()> aoTrocarImagens_;
};

}  // namespace pelmar
