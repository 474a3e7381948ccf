#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <stdexcept>

#include "Gerador.h"
#include "ListaPersonagens.h"
#include "RostoDesenho.h"
#include "RostoElenco.h"

namespace pelmar::gerador {
namespace {

void criaPasta(const QString& pasta) {
    if (!QDir().mkpath(pasta)) throw std::runtime_error("cannot create the folder " + pasta.toStdString());
}

void grava(const QImage& imagem, const QString& arquivo, const char* formato) {
    if (!imagem.save(arquivo, formato)) throw std::runtime_error("cannot write " + arquivo.toStdString());
}

// One row per character, its nine faces side by side, twice the size the table shows them.
QImage folhaDeContato(const std::array<std::array<QImage, EXPRESSOES.size()>, PERSONAGENS.size()>& rostos) {
    constexpr int escala = 2;
    constexpr int margemNome = 130;
    constexpr int cabecalho = 22;
    constexpr int espaco = 6;
    constexpr int celulaL = LARGURA_RETRATO * escala + espaco;
    constexpr int celulaA = ALTURA_RETRATO * escala + espaco;
    QImage folha(margemNome + celulaL * static_cast<int>(EXPRESSOES.size()),
                 cabecalho + celulaA * static_cast<int>(PERSONAGENS.size()), QImage::Format_RGB32);
    folha.fill(QColor(0xf4, 0xf1, 0xea));
    QPainter p(&folha);
    QFont fonte("DejaVu Sans");
    fonte.setPixelSize(13);
    p.setFont(fonte);
    p.setPen(Qt::black);
    for (std::size_t e = 0; e < EXPRESSOES.size(); ++e) {
        const QRect r(margemNome + celulaL * static_cast<int>(e), 0, celulaL - espaco, cabecalho);
        p.drawText(r, Qt::AlignCenter, QString::fromLatin1(EXPRESSOES[e].rotulo));
    }
    for (std::size_t i = 0; i < PERSONAGENS.size(); ++i) {
        const int y = cabecalho + celulaA * static_cast<int>(i);
        p.drawText(QRect(4, y, margemNome - 8, celulaA - espaco), Qt::AlignVCenter | Qt::AlignLeft,
                   QString::fromLatin1(PERSONAGENS[i]));
        for (std::size_t e = 0; e < EXPRESSOES.size(); ++e) {
            const QRect alvo(margemNome + celulaL * static_cast<int>(e), y, LARGURA_RETRATO * escala,
                             ALTURA_RETRATO * escala);
            p.drawImage(alvo, rostos[i][e]);
        }
    }
    p.end();
    return folha;
}

}  // namespace

void geraPersonagens(const QString& saida, const QString& folhas) {
    std::array<std::array<QImage, EXPRESSOES.size()>, PERSONAGENS.size()> rostos;
    for (std::size_t i = 0; i < PERSONAGENS.size(); ++i) {
        const Aparencia& aparencia = aparenciaDe(PERSONAGENS[i]);
        const QString pasta = saida + "/JOG/" + QString::fromLatin1(PERSONAGENS[i]);
        criaPasta(pasta);
        for (std::size_t e = 0; e < EXPRESSOES.size(); ++e) {
            rostos[i][e] = desenhaRosto(aparencia, EXPRESSOES[e].expressao);
            grava(rostos[i][e], pasta + "/" + QString::fromLatin1(EXPRESSOES[e].arquivo), "BMP");
        }
    }
    if (folhas.isEmpty()) return;
    criaPasta(folhas);
    grava(folhaDeContato(rostos), folhas + "/personagens.png", "PNG");
}

}  // namespace pelmar::gerador
