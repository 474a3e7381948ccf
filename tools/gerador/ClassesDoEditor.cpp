#include <QDir>
#include <QFont>
#include <QPainter>

#include <cstring>
#include <vector>

#include "DesenhoArquivos.h"
#include "DesenhoCartas.h"
#include "Gerador.h"

namespace pelmar::gerador {

namespace {

// One class of card as the rule editor shows it: a card of the class in the deck's classic look,
// with a ribbon across its foot naming the class.
struct Classe {
    const char* arquivo;
    const char* letra;
    const char* nome;
    int numero;  // the card drawn; 0 for no real card
    Naipe naipe;
    QColor fita;
};

void fita(QPainter& p, const Classe& c) {
    const QRectF faixa(1, kAlturaCarta - 54, kLarguraCarta - 2, 48);
    p.setPen(QPen(c.fita.darker(160), 1.5));
    p.setBrush(c.fita);
    p.drawRect(faixa);
    QFont letra("DejaVu Sans");
    letra.setPixelSize(30);
    letra.setBold(true);
    letra.setHintingPreference(QFont::PreferNoHinting);
    p.setFont(letra);
    p.setPen(Qt::white);
    p.drawText(faixa.adjusted(6, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, c.letra);
    QFont nome("DejaVu Sans");
    nome.setPixelSize(c.nome[0] != '\0' && std::strlen(c.nome) > 7 ? 13 : 16);
    nome.setBold(true);
    nome.setHintingPreference(QFont::PreferNoHinting);
    p.setFont(nome);
    p.drawText(faixa.adjusted(36, 0, -4, 0), Qt::AlignCenter, c.nome);
}

QImage desenhaClasse(const Classe& c) {
    QImage img;
    if (c.numero > 0) {
        img = desenhaCarta(EstiloCarta::Classico, c.numero, c.naipe);
    } else if (c.letra[0] == '*') {
        // Any card: a white card with the wildcard star.
        img = cartaEmBranco(8);
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        QFont f("DejaVu Serif");
        f.setPixelSize(110);
        f.setBold(true);
        f.setHintingPreference(QFont::PreferNoHinting);
        p.setFont(f);
        p.setPen(QColor(22, 92, 52));
        p.drawText(QRectF(0, 0, kLarguraCarta, kAlturaCarta - 50), Qt::AlignCenter, "*");
        const auto naipes = kNaipesDoBaralho;
        for (std::size_t k = 0; k < naipes.size(); ++k)
            desenhaNaipe(p, naipes[k], QPointF(22.0 + 32.0 * static_cast<double>(k), 24), 20, false,
                         corDoNaipe(naipes[k]));
    } else {
        // No card: only the place of one, outlined on the felt.
        img = QImage(kLarguraCarta, kAlturaCarta, QImage::Format_RGB32);
        img.fill(corForaDaCarta());
        QPainter p(&img);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        p.setPen(QPen(QColor(210, 230, 210), 3, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(3, 3, kLarguraCarta - 6, kAlturaCarta - 6), 8, 8);
        QFont f("DejaVu Sans");
        f.setPixelSize(96);
        f.setBold(true);
        f.setHintingPreference(QFont::PreferNoHinting);
        p.setFont(f);
        p.setPen(QColor(210, 230, 210));
        p.drawText(QRectF(0, 0, kLarguraCarta, kAlturaCarta - 50), Qt::AlignCenter, "?");
    }
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    fita(p, c);
    return img;
}

}  // namespace

void geraClassesDoEditor(const QString& saida, const QString& folhas) {
    const QColor ouro(176, 128, 20), vinho(140, 28, 40), verde(22, 92, 52), azul(30, 64, 140), cinza(90, 90, 90);
    const std::vector<Classe> classes = {
        {"IMG_CARTA_ZAP", "Z", "ZAP", 4, Naipe::Paus, ouro},
        {"IMG_CARTA_COPETA", "C", "COPETA", 7, Naipe::Copas, ouro},
        {"IMG_CARTA_ESPADILHA", "E", "ESPADILHA", 1, Naipe::Espadas, ouro},
        {"IMG_CARTA_PICA_FUMO", "O", "PICA FUMO", 7, Naipe::Ouros, ouro},
        {"IMG_CARTA_TREIS", "3", "TRÊS", 3, Naipe::Copas, vinho},
        {"IMG_CARTA_DOIS", "2", "DOIS", 2, Naipe::Ouros, vinho},
        {"IMG_CARTA_AS", "A", "ÁS", 1, Naipe::Copas, vinho},
        {"IMG_CARTA_MEDIAS", "M", "Q J K", 10, Naipe::Espadas, azul},
        {"IMG_CARTA_PEQUENAS", "P", "4 A 7", 5, Naipe::Paus, azul},
        {"IMG_CARTA_QUALQUER", "*", "QUALQUER", 0, Naipe::Copas, verde},
        {"IMG_CARTA_NULA", "?", "NENHUMA", 0, Naipe::Copas, cinza},
    };
    std::vector<QImage> imagens;
    QStringList legendas;
    for (const Classe& c : classes) {
        imagens.push_back(desenhaClasse(c));
        legendas << QString("%1 = %2").arg(QString::fromUtf8(c.letra), QString::fromUtf8(c.nome));
        salvaImagem(imagens.back(), QDir(saida).filePath(QString("IMG/Editor/%1.PNG").arg(c.arquivo)), "PNG");
    }
    if (folhas.isEmpty()) return;
    salvaImagem(folhaDeContato(imagens, 6, 142, legendas, corForaDaCarta()),
                QDir(folhas).filePath("classes-do-editor.png"), "PNG");
}

}  // namespace pelmar::gerador
