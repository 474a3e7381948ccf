#include "presentation/TocadorSons.h"

#include <QAudioDevice>
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QThread>
#include <QString>
#include <QUrl>
#include <system_error>
#include <utility>
#include <variant>

#include "base/PastaTrabalho.h"
#include "presentation/CabecalhoWav.h"

namespace pelmar {

struct TocadorSons::Efeito {
    std::filesystem::path caminho;
    // A file replaced on disk (the user may edit the sounds) must be loaded again.
    std::filesystem::file_time_type modificado;
    std::uintmax_t tamanho = 0;
    std::unique_ptr<QSoundEffect> som;
};

namespace {

struct Marca {
    std::filesystem::file_time_type modificado;
    std::uintmax_t tamanho = 0;
};

// Qt's sample cache is destroyed when the process ends, and it deadlocks with its loading thread
// if a sound is still being read then (the program never ends). An effect lets its load finish
// before it goes; loads take milliseconds, the bound is for a file that never answers.
void esperaCarregar(QSoundEffect& som) {
    const QDeadlineTimer prazo(2000);
    while (som.status() == QSoundEffect::Loading && !prazo.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QThread::msleep(1);
    }
}

Marca marcaDe(const std::filesystem::path& caminho) {
    std::error_code ec;
    Marca m;
    m.modificado = std::filesystem::last_write_time(caminho, ec);
    m.tamanho = std::filesystem::file_size(caminho, ec);
    return m;
}

}  // namespace

TocadorSons::TocadorSons(const PastaTrabalho& pasta, Notas notas, std::size_t limiteCache,
                         ConsultaDispositivo haDispositivo)
    : pasta_(pasta),
      notas_(std::move(notas)),
      haDispositivo_(haDispositivo ? std::move(haDispositivo)
                                   : ConsultaDispositivo([] { return !QMediaDevices::defaultAudioOutput().isNull(); })),
      limite_(limiteCache == 0 ? 1 : limiteCache) {}

TocadorSons::~TocadorSons() {
    for (auto& e : cache_) esperaCarregar(*e->som);
}

std::filesystem::path TocadorSons::caminhoDe(std::string_view chave) const {
    return pasta_.resolve("WAV\\" + std::string(chave) + ".WAV");
}

int TocadorSons::duracaoDe(std::string_view chave, const std::filesystem::path& caminho) {
    std::string motivo;
    std::error_code ec;
    if (chave.empty()) {
        motivo = "chave vazia";
    } else if (!std::filesystem::is_regular_file(caminho, ec)) {
        motivo = "arquivo não encontrado";
    } else {
        auto lido = leCabecalhoWav(caminho);
        if (const auto* cabecalho = std::get_if<CabecalhoWav>(&lido)) {
            // Mended files are noted again if they break later.
            if (auto it = anotadas_.find(chave); it != anotadas_.end()) anotadas_.erase(it);
            return cabecalho->duracaoMs();
        }
        motivo = std::get<std::string>(lido);
    }
    if (anotadas_.emplace(chave).second && notas_)
        notas_("SOM \"" + std::string(chave) + "\" NÃO TOCADO: " + motivo + " (" + caminho.string() + ")");
    return 0;
}

QSoundEffect& TocadorSons::efeitoPara(const std::filesystem::path& caminho) {
    const Marca marca = marcaDe(caminho);
    for (auto it = cache_.begin(); it != cache_.end(); ++it) {
        Efeito& e = **it;
        if (e.caminho != caminho) continue;
        if (e.modificado == marca.modificado && e.tamanho == marca.tamanho) {
            cache_.splice(cache_.begin(), cache_, it);
            return *e.som;
        }
        esperaCarregar(*e.som);
        cache_.erase(it);
        break;
    }
    if (cache_.size() >= limite_) {
        esperaCarregar(*cache_.back()->som);
        cache_.pop_back();
    }
    auto novo = std::make_unique<Efeito>();
    novo->caminho = caminho;
    novo->modificado = marca.modificado;
    novo->tamanho = marca.tamanho;
    novo->som = std::make_unique<QSoundEffect>();
    // Loading is asynchronous; a play asked before it ends starts once the sound is ready.
    novo->som->setSource(QUrl::fromLocalFile(QString::fromStdString(caminho.string())));
    cache_.push_front(std::move(novo));
    return *cache_.front()->som;
}

int TocadorSons::toca(std::string_view chave) {
    const std::filesystem::path caminho = caminhoDe(chave);
    const int duracao = duracaoDe(chave, caminho);
    if (duracao <= 0 || !ativo_) return duracao;
    // Asked at each sound, so a device plugged in later is used; without one the effect would
    // only complain on every play.
    if (!haDispositivo_()) {
        if (!semDispositivoAnotado_ && notas_) notas_(NOTA_SEM_DISPOSITIVO);
        semDispositivoAnotado_ = true;
        return duracao;
    }
    semDispositivoAnotado_ = false;
    efeitoPara(caminho).play();
    return duracao;
}

int TocadorSons::duracaoMs(std::string_view chave) { return duracaoDe(chave, caminhoDe(chave)); }

void TocadorSons::defineAtivo(bool ativo) {
    ativo_ = ativo;
    if (!ativo_)
        for (auto& e : cache_) e->som->stop();
}

}  // namespace pelmar
