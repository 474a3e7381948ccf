#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "base/PastaTrabalho.h"
#include "engine/Estatisticas.h"
#include "engine/Historico.h"
#include "engine/ModeloMesa.h"
#include "engine/Preferencias.h"
#include "records/ModeloPontos.h"

namespace pelmar {

// The user's results as play goes: the counters, the running score with its awards and record,
// the card count that bounds the running score, and what the table and TfPONTOS show of them.
// Side (lado) 1 is the computer's, 2 the user's.
class Pontuacao {
public:
    using Espera = std::function<void(int ms)>;
    // An announcement in the table's message line, without sound.
    using Anuncio = std::function<void(const std::string& texto)>;

    Pontuacao(const Preferencias& prefs, Estatisticas& estatisticas, ModeloMesa& mesa, ModeloPontos& janela,
              Historico& historico, const PastaTrabalho& pasta, Espera espera, Anuncio anuncia);

    // base × difficulty, taken from the running score for side 1 and added for side 2, counted up
    // on the table. Nothing at difficulty 0. An award above 5000 either way is shown and dropped.
    void PONTUA(std::string_view rotulo, int lado, int base);

    // Each click on one of the user's cards. The 1000th resets the running score.
    void CONTA_CARTA_JOGADA();

    // The counters into TfPONTOS, the running score, record and card count onto the table.
    void MOSTRA_ESTATISTICAS();
    // Resets and saves without asking; the reserved integers are kept. Shows TfPONTOS.
    void LIMPA_ESTATISTICAS();
    // A failure is written to the history log and kept for the host to report; play goes on.
    void SALVA_ESTATISTICAS();
    // The first save of this run that failed, with the file's name; empty when none did.
    const std::string& falhaAoSalvar() const { return falhaAoSalvar_; }
    // A show leaves the stored statistics as they were: the counters change on screen only.
    bool naoGrava = false;

    // The counter updates and awards of each result.
    void maoGanha(int lado, int valorDaMao);
    void partidaGanha(int lado, int pontosVencedor, int pontosPerdedor);
    // Saved at once: the automatic level change compares the boi counters across runs.
    void boiGanho(int lado);

private:
    void recalculaRodadas();
    void mostraPlacarDePontos();

    const Preferencias& prefs_;
    Estatisticas& est_;
    ModeloMesa& mesa_;
    ModeloPontos& janela_;
    Historico& historico_;
    const PastaTrabalho& pasta_;
    Espera espera_;
    Anuncio anuncia_;
    std::string falhaAoSalvar_;
};

}  // namespace pelmar
