#include <QDir>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <memory>
#include <stdexcept>
#include <utility>
#include <vector>

#include "DesenhoArquivos.h"
#include "DesenhoCartas.h"
#include "Gerador.h"

// The manual's pictures, put together from the cards, backs, cloths and faces the other parts
// of the generator have just written, so the manual shows exactly what the table shows. They are
// drawn at twice the size the manual's page gives them, for print.
namespace pelmar::gerador {
namespace {

constexpr int kCartaL = 112;  // a card, scaled down from the deck's 142 × 192
constexpr int kCartaA = kCartaL * kAlturaCarta / kLarguraCarta;
constexpr int kEspaco = 14;
constexpr int kMargem = 28;
constexpr int kLegenda = 40;

const QColor kTinta(0x2b, 0x26, 0x1c);
const QColor kEtiqueta(0xee, 0xea, 0xd8);

struct Carta {
    int numero;  // 1 = A, 2..7, 8 = Q, 9 = J, 10 = K, as the deck's files are named
    char naipe;  // C copas, E espadas, O ouros, P paus
};

QImage le(const QString& arquivo) {
    QImage imagem(arquivo);
    if (imagem.isNull()) throw std::runtime_error("cannot read " + arquivo.toStdString());
    return imagem;
}

// The card's rounded corners are felt green in the deck's files; on the cloth they must vanish.
QImage semCantos(const QImage& carta) {
    QImage img = carta.convertToFormat(QImage::Format_ARGB32);
    const QRgb fundo = corForaDaCarta().rgb();
    std::vector<std::pair<int, int>> pendentes{
        {0, 0}, {img.width() - 1, 0}, {0, img.height() - 1}, {img.width() - 1, img.height() - 1}};
    while (!pendentes.empty()) {
        const auto [x, y] = pendentes.back();
        pendentes.pop_back();
        if (x < 0 || y < 0 || x >= img.width() || y >= img.height() || img.pixel(x, y) != fundo) continue;
        img.setPixel(x, y, qRgba(0, 0, 0, 0));
        pendentes.insert(pendentes.end(), {{x + 1, y}, {x - 1, y}, {x, y + 1}, {x, y - 1}});
    }
    return img.scaled(kCartaL, kCartaA, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

class Figuras {
public:
    explicit Figuras(const QString& saida) : saida_(saida) {}

    QImage carta(Carta c) const {
        return semCantos(le(QDir(saida_).filePath(
            QString("IMG/Baralhos/Original/%1-%2.BMP").arg(c.numero).arg(QChar::fromLatin1(c.naipe)))));
    }
    QImage verso() const { return semCantos(le(QDir(saida_).filePath("IMG/Versos do Baralho/Original.BMP"))); }
    QImage rosto(const char* personagem, const char* face) const {
        return le(QDir(saida_).filePath(QString("JOG/%1/%2.BMP").arg(personagem, face)))
            .scaled(200, 160, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }

    // A canvas of the table's own cloth, stretched over it whole: its shading is not repeated.
    QImage pano(int largura, int altura) const {
        const QImage mesa = le(QDir(saida_).filePath("IMG/Mesas/Original.BMP"))
                                .scaled(largura, altura, Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        return mesa.copy((mesa.width() - largura) / 2, (mesa.height() - altura) / 2, largura, altura)
            .convertToFormat(QImage::Format_RGB32);
    }

    void grava(const QImage& figura, const char* nome) const {
        salvaImagem(figura, QDir(saida_).filePath(QString("MANUAL/") + nome), "PNG");
    }

private:
    QString saida_;
};

QFont fonte(int pixels, bool negrito = false) {
    QFont f("DejaVu Sans");
    f.setPixelSize(pixels);
    f.setBold(negrito);
    return f;
}

// A caption in the style of the table's labels: a light chip with dark letters.
void etiqueta(QPainter& p, const QRectF& onde, const QString& texto, int pixels = 20, bool negrito = false) {
    p.save();
    p.setFont(fonte(pixels, negrito));
    const QRectF caixa = p.fontMetrics().boundingRect(texto).adjusted(-10, -5, 10, 5);
    QRectF r(0, 0, caixa.width(), caixa.height());
    r.moveCenter(onde.center());
    p.setPen(QPen(QColor(0x8a, 0x84, 0x6c), 1.5));
    p.setBrush(kEtiqueta);
    p.drawRoundedRect(r, 8, 8);
    p.setPen(kTinta);
    p.drawText(r, Qt::AlignCenter, texto);
    p.restore();
}

// White letters straight on the cloth.
void letreiro(QPainter& p, const QRectF& onde, const QString& texto, int pixels, int alinhamento = Qt::AlignCenter) {
    p.save();
    p.setFont(fonte(pixels, true));
    p.setPen(QColor(0, 0, 0, 110));
    p.drawText(onde.translated(2, 2), alinhamento, texto);
    p.setPen(Qt::white);
    p.drawText(onde, alinhamento, texto);
    p.restore();
}

void seta(QPainter& p, QPointF de, QPointF ate, double espessura = 5) {
    p.save();
    p.setPen(QPen(Qt::white, espessura, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(de, ate);
    const QPointF d = (ate - de) / std::max(1.0, std::hypot(ate.x() - de.x(), ate.y() - de.y()));
    const QPointF n(-d.y(), d.x());
    QPainterPath ponta;
    ponta.moveTo(ate + d * 6);
    ponta.lineTo(ate - d * 16 + n * 11);
    ponta.lineTo(ate - d * 16 - n * 11);
    ponta.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(ponta);
    p.restore();
}

std::unique_ptr<QPainter> pintor(QImage& imagem) {
    auto p = std::make_unique<QPainter>(&imagem);
    p->setRenderHint(QPainter::Antialiasing);
    p->setRenderHint(QPainter::SmoothPixmapTransform);
    p->setRenderHint(QPainter::TextAntialiasing);
    return p;
}

int larguraDaFila(int cartas, int espaco) { return cartas * kCartaL + (cartas - 1) * espaco; }

// A row of cards from (x, topo), each with its caption below, and an optional second caption.
void filaDeCartas(QPainter& p, const Figuras& f, const std::vector<Carta>& cartas, const QStringList& legendas,
                  const QStringList& notas, int x0, int topo, int espaco) {
    for (int i = 0; i < static_cast<int>(cartas.size()); ++i) {
        const int x = x0 + i * (kCartaL + espaco);
        p.drawImage(x, topo, f.carta(cartas[static_cast<std::size_t>(i)]));
        const QRectF sob(x - espaco / 2.0, topo + kCartaA + 6, kCartaL + espaco, kLegenda - 8);
        if (i < legendas.size()) etiqueta(p, sob, legendas[i], 19, true);
        if (i < notas.size()) letreiro(p, sob.translated(0, kLegenda), notas[i], 17);
    }
}

int alturaDaFila(int topo, bool comNotas) { return topo + kCartaA + kLegenda * (comNotas ? 2 : 1) + kMargem; }

// The ordinary cards from the weakest to the strongest; suits never matter among them.
void ordemDasCartas(const Figuras& f) {
    const std::vector<Carta> cartas{{4, 'O'}, {5, 'E'}, {6, 'C'}, {7, 'P'}, {8, 'O'},
                                    {9, 'E'}, {10, 'C'}, {1, 'P'}, {2, 'O'}, {3, 'E'}};
    const QStringList nomes{"4", "5", "6", "7", "Q", "J", "K", "A", "2", "3"};
    QImage figura = f.pano(2 * kMargem + larguraDaFila(10, kEspaco), alturaDaFila(64, false));
    auto p = pintor(figura);
    filaDeCartas(*p, f, cartas, nomes, {}, kMargem, 64, kEspaco);
    const double fim = figura.width() - kMargem;
    seta(*p, QPointF(kMargem + 190, 32), QPointF(fim - 190, 32));
    letreiro(*p, QRectF(kMargem, 12, 180, 40), QString::fromUtf8("mais fraca"), 21, Qt::AlignLeft | Qt::AlignVCenter);
    letreiro(*p, QRectF(fim - 180, 12, 180, 40), QString::fromUtf8("mais forte"), 21, Qt::AlignRight | Qt::AlignVCenter);
    p.reset();
    f.grava(figura, "ordem-das-cartas.png");
}

// A turned seven makes the queens the manilhas, in the order of their suits.
void manilhasPaulista(const Figuras& f) {
    constexpr int topo = 58;
    constexpr int espaco = 24;
    constexpr int recuo = kMargem + kCartaL + 110;  // the vira and the arrow before the manilhas
    QImage figura = f.pano(recuo + larguraDaFila(4, espaco) + kMargem, alturaDaFila(topo, true));
    auto p = pintor(figura);
    filaDeCartas(*p, f, {{8, 'P'}, {8, 'C'}, {8, 'E'}, {8, 'O'}}, {"Zap", "Copeta", "Espadilha", "Pica-fumo"},
                 {QString::fromUtf8("1ª"), QString::fromUtf8("2ª"), QString::fromUtf8("3ª"), QString::fromUtf8("4ª")},
                 recuo, topo, espaco);
    p->drawImage(kMargem, topo, f.carta({7, 'C'}));
    etiqueta(*p, QRectF(kMargem - 8, topo + kCartaA + 6, kCartaL + 16, kLegenda - 8), "Vira", 19, true);
    seta(*p, QPointF(kMargem + kCartaL + 22, topo + kCartaA / 2.0), QPointF(recuo - 24, topo + kCartaA / 2.0));
    letreiro(*p, QRectF(recuo, 8, larguraDaFila(4, espaco), 40),
             QString::fromUtf8("Vira 7: as manilhas são as Damas (Q)"), 22, Qt::AlignLeft | Qt::AlignVCenter);
    p.reset();
    f.grava(figura, "manilhas-paulista.png");
}

// The four fixed manilhas of the traditional game.
void manilhasTradicional(const Figuras& f) {
    constexpr int espaco = 36;
    QImage figura = f.pano(2 * kMargem + larguraDaFila(4, espaco), alturaDaFila(24, true));
    auto p = pintor(figura);
    filaDeCartas(*p, f, {{4, 'P'}, {7, 'C'}, {1, 'E'}, {7, 'O'}}, {"Zap", "Copeta", "Espadilha", "Pica-fumo"},
                 {QString::fromUtf8("4 de Paus"), QString::fromUtf8("7 de Copas"), QString::fromUtf8("Ás de Espadas"),
                  QString::fromUtf8("7 de Ouros")},
                 kMargem, 24, espaco);
    p.reset();
    f.grava(figura, "manilhas-tradicional.png");
}

// The same card played open and played covered.
void cartaFechada(const Figuras& f) {
    constexpr int topo = 24;
    QImage figura = f.pano(2 * kMargem + 2 * kCartaL + 6 * kEspaco, topo + kCartaA + kLegenda + kMargem);
    auto p = pintor(figura);
    const int x2 = kMargem + kCartaL + 6 * kEspaco;
    p->drawImage(kMargem, topo, f.carta({3, 'P'}));
    p->drawImage(x2, topo, f.verso());
    const double y = topo + kCartaA + 6;
    etiqueta(*p, QRectF(kMargem - 20, y, kCartaL + 40, kLegenda - 8), "aberta", 19, true);
    etiqueta(*p, QRectF(x2 - 20, y, kCartaL + 40, kLegenda - 8), "fechada", 19, true);
    p.reset();
    f.grava(figura, "carta-fechada.png");
}

// The table from above: the seats, their cards and the order of play.
void mesa(const Figuras& f) {
    constexpr int largura = 1120;
    constexpr int altura = 860;
    QImage figura = f.pano(largura, altura);
    auto p = pintor(figura);
    const QImage verso = f.verso();
    const QImage costas = verso.transformed(QTransform().rotate(90), Qt::SmoothTransformation);
    struct Lugar {
        QPoint retrato;
        const char* personagem;
        QString nome;
        QPoint mao;
        bool deLado;
    };
    const Lugar lugares[] = {
        {{460, 650}, "Jogador-01", QString::fromUtf8("1 · Você"), {680, 640}, false},
        {{900, 290}, "Jogador-02", QString::fromUtf8("2 · Adversário"), {890, 520}, true},
        {{460, 30}, "Jogador-03", QString::fromUtf8("3 · Parceiro"), {680, 20}, false},
        {{20, 290}, "Jogador-04", QString::fromUtf8("4 · Adversário"), {10, 520}, true},
    };
    for (const Lugar& l : lugares) {
        p->drawImage(l.retrato, f.rosto(l.personagem, "NORMAL"));
        etiqueta(*p, QRectF(l.retrato.x() - 30, l.retrato.y() + 166, 260, 40), l.nome, 22, true);
        for (int i = 0; i < 3; ++i) {
            if (l.deLado) p->drawImage(l.mao + QPoint(i * 28, i * 10), costas);
            else p->drawImage(l.mao + QPoint(i * 52, 0), verso);
        }
    }
    // The vira beside the pile, in the middle.
    for (int i = 0; i < 3; ++i) p->drawImage(QPoint(430 + 3 * i, 360 + 3 * i), verso);
    p->drawImage(QPoint(580, 370), f.carta({7, 'C'}));
    etiqueta(*p, QRectF(560, 560, 152, 40), "vira", 20, true);
    // The order of play goes round the table: 1, 2, 3, 4.
    seta(*p, QPointF(740, 600), QPointF(860, 520), 6);
    seta(*p, QPointF(860, 300), QPointF(760, 220), 6);
    seta(*p, QPointF(360, 220), QPointF(260, 300), 6);
    seta(*p, QPointF(260, 520), QPointF(380, 600), 6);
    p.reset();
    f.grava(figura, "mesa.png");
}

// One character's nine faces: the signals the seats will make.
void sinais(const Figuras& f) {
    struct Face {
        const char* arquivo;
        QString nome;
    };
    const Face faces[] = {{"NORMAL", "normal"},
                          {"PAUS", "Zap"},
                          {"COPAS", "Copeta"},
                          {"ESPADA", "Espadilha"},
                          {"OUROS", "Pica-fumo"},
                          {"TRES", QString::fromUtf8("Três")},
                          {"DOIS", "Dois"},
                          {"NADA", "Nada"},
                          {"GESTO", "Gesto"}};
    constexpr int colunas = 5;
    constexpr int celulaL = 200 + 2 * kEspaco;
    constexpr int celulaA = 160 + kLegenda + kEspaco;
    QImage figura = f.pano(2 * kMargem + colunas * celulaL, 2 * kMargem + 2 * celulaA);
    auto p = pintor(figura);
    for (int i = 0; i < 9; ++i) {
        const int x = kMargem + (i % colunas) * celulaL + kEspaco;
        const int y = kMargem + (i / colunas) * celulaA;
        p->drawImage(x, y, f.rosto("Tia-Nena", faces[i].arquivo));
        etiqueta(*p, QRectF(x, y + 166, 200, kLegenda - 8), faces[i].nome, 19, true);
    }
    p.reset();
    f.grava(figura, "sinais.png");
}

}  // namespace

void geraFigurasDoManual(const QString& saida) {
    const Figuras f(saida);
    ordemDasCartas(f);
    manilhasPaulista(f);
    manilhasTradicional(f);
    cartaFechada(f);
    mesa(f);
    sinais(f);
}

}  // namespace pelmar::gerador
