#include "windows/PecaDaMesa.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>
#include <utility>
#include <vector>

#include "presentation/ImagensDaMesa.h"

namespace pelmar {

namespace {

// Deck entry n: suit (n-1)/10 in the file-letter order, rank (n-1)%10.
QString nomeDaEntrada(int entrada) {
    static constexpr std::array<const char*, 10> VALORES = {"A", "2", "3", "4", "5", "6", "7", "Q", "J", "K"};
    static constexpr std::array<const char*, 4> NAIPES = {"♥", "♠", "♦", "♣"};
    if (entrada < 1 || entrada > 40) return "?";
    return QString::fromUtf8(VALORES[static_cast<std::size_t>((entrada - 1) % 10)]) +
           QString::fromUtf8(NAIPES[static_cast<std::size_t>((entrada - 1) / 10)]);
}

QString simboloDoNaipe(const QString& naipe) {
    if (naipe == "PAUS") return QString::fromUtf8("♣");
    if (naipe == "COPAS") return QString::fromUtf8("♥");
    if (naipe == "ESPADA") return QString::fromUtf8("♠");
    return QString::fromUtf8("♦");
}

bool naipeVermelho(const QString& naipe) { return naipe == "COPAS" || naipe == "OUROS"; }

}  // namespace

void poeDica(QWidget& w, const std::string& dica) {
    const QString texto = QString::fromStdString(dica);
    if (w.toolTip() != texto) w.setToolTip(texto);
}

QColor corNaMesa(Cor cor) {
    switch (cor) {
        case Cor::Vermelho: return {200, 30, 30};
        case Cor::Azul: return {30, 70, 200};
        case Cor::Amarelo: return {255, 220, 40};
        case Cor::Branco: return {250, 250, 250};
        case Cor::Lima: return {120, 255, 60};
        case Cor::Preto: break;
    }
    return {20, 20, 20};
}

PecaDaMesa::PecaDaMesa(const LugarNaMesa& lugar, const ImagensDaMesa& imagens, const Gestos& gestos, QWidget* pai)
    : QWidget(pai), lugar_(lugar), imagens_(imagens), gestos_(gestos) {
    setObjectName(QString::fromStdString(lugar.nome));
    setAttribute(Qt::WA_TranslucentBackground);
    setMouseTracking(true);
    if (lugar.peca == Peca::Boi) setToolTip(lugar.legenda);
    // Panels and the announcement must not swallow clicks meant for the table below them.
    // A seat's tag lets clicks through to the portrait it lies on.
    if ((lugar.peca == Peca::Caixa && !lugar.dobravel) || lugar.peca == Peca::Aviso || lugar.peca == Peca::Sombra ||
        lugar.peca == Peca::Marca || lugar.peca == Peca::Etiqueta)
        setAttribute(Qt::WA_TransparentForMouseEvents);
}

void PecaDaMesa::mostra(const Controle* controle, double escala) {
    QString texto = lugar_.legenda;
    Face face = Face::Nada;
    int carta = 0;
    int imagem = 0;
    Cor cor = Cor::Preto, corFundo = Cor::Preto;
    Falante falante;
    const bool aceso = !controle || controle->visivel;
    if (controle) {
        // "\r" in the game's texts is a line break.
        const QString palavras = QString::fromStdString(controle->texto).replace('\r', '\n');
        switch (lugar_.peca) {
            case Peca::Rotulo: texto = palavras.isEmpty() ? QString() : lugar_.legenda + palavras; break;
            case Peca::Aviso: texto = palavras.isEmpty() ? lugar_.legenda : palavras; break;
            case Peca::Balao: texto = palavras; break;
            default: break;  // the legend is the panel's title or the badge's word
        }
        face = controle->face;
        carta = controle->carta;
        imagem = controle->imagem;
        // Without its pictures a turn marker still tells the place, "!" the turn, "*" the lead.
        if (lugar_.nome.rfind("JOGUE_J", 0) == 0) texto = imagem == 5 ? "!" : imagem == 6 ? "*" : QString::number(imagem);
        cor = controle->cor;
        corFundo = controle->corFundo;
        falante = controle->falante;
        poeDica(*this, controle->dica);
    }
    if (texto == texto_ && face == face_ && carta == carta_ && imagem == imagem_ && cor == cor_ &&
        corFundo == corFundo_ &&
        escala == escala_ && aceso == aceso_ && falante == falante_)
        return;
    falante_ = std::move(falante);
    aceso_ = aceso;
    texto_ = texto;
    face_ = face;
    carta_ = carta;
    imagem_ = imagem;
    cor_ = cor;
    corFundo_ = corFundo;
    escala_ = escala;
    update();
}

void PecaDaMesa::mostraCarta(Face face, int carta, double escala) {
    if (face == face_ && carta == carta_ && escala == escala_) return;
    face_ = face;
    carta_ = carta;
    escala_ = escala;
    update();
}

QString PecaDaMesa::texto() const { return texto_; }

QFont PecaDaMesa::fonte() const {
    QFont f = font();
    f.setPixelSize(std::max(6, static_cast<int>(std::lround(lugar_.fonte * escala_))));
    return f;
}

QFont PecaDaMesa::fonteQueCabe(const QRect& area) const {
    QFont f = fonte();
    // Words that would be cut at the edge of their place are drawn a little smaller instead,
    // down to four fifths of their size.
    const int menor = std::max(6, f.pixelSize() * 4 / 5);
    while (f.pixelSize() > menor &&
           QFontMetrics(f).boundingRect(area, Qt::TextWordWrap, texto_).height() > area.height())
        f.setPixelSize(f.pixelSize() - 1);
    return f;
}

void PecaDaMesa::desenhaTexto(QPainter& p, const QRect& area, int alinhamento, const QColor& cor) const {
    p.setFont(fonteQueCabe(area));
    p.setPen(cor);
    p.drawText(area, alinhamento | Qt::TextWordWrap, texto_);
}

void PecaDaMesa::desenhaAviso(QPainter& p) const {
    const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
    const double s = escala_;
    // The side that speaks tints the line in its colour, as the tricks are marked; the table's
    // own words keep the neutral gold.
    QColor borda(255, 240, 150), fundo(20, 30, 20, 200);
    if (falante_.lado == 'C') {
        borda = QColor(240, 90, 80);
        fundo = QColor(90, 16, 16, 225);
    } else if (falante_.lado == 'J') {
        borda = QColor(120, 160, 255);
        fundo = QColor(16, 32, 100, 225);
    }
    p.setPen(QPen(borda, 2.5 * s));
    p.setBrush(fundo);
    p.drawRoundedRect(r, 10 * s, 10 * s);
    QRect areaDoTexto = rect();
    if (falante_.lado == 'C' || falante_.lado == 'J') {
        const QRectF quem(r.left() + 6 * s, r.top() + 4 * s, 100 * s, r.height() - 8 * s);
        desenhaFalante(p, quem, borda);
        areaDoTexto.setLeft(static_cast<int>(quem.right() + 4 * s));
    }
    desenhaTexto(p, areaDoTexto, Qt::AlignCenter, cor_ == Cor::Preto ? QColor(255, 255, 255) : corNaMesa(cor_));
}

void PecaDaMesa::desenhaFalante(QPainter& p, const QRectF& area, const QColor& borda) const {
    const double s = escala_;
    std::vector<int> assentos;
    QString legenda;
    if (falante_.assento >= 1 && falante_.assento <= 4) {
        assentos = {falante_.assento};
        legenda = falante_.assento == 1 ? QString::fromUtf8("Você") : QString::fromStdString(falante_.nome);
    } else if (falante_.lado == 'C') {
        assentos = {4, 2};  // as they sit: left, then right
        legenda = QString::fromUtf8("Adversários");
    } else {
        assentos = {1, 3};
        legenda = "Sua dupla";
    }
    const double alturaLegenda = 13 * s;
    const QRectF lugar = area.adjusted(0, 0, 0, -alturaLegenda);
    // Faces keep the portraits' shape, side by side and centred.
    const double n = static_cast<double>(assentos.size());
    double h = lugar.height(), w = h * 1.25;
    const double folga = 4 * s;
    if (w * n + folga * (n - 1) > lugar.width()) {
        w = (lugar.width() - folga * (n - 1)) / n;
        h = w / 1.25;
    }
    double x = lugar.center().x() - (w * n + folga * (n - 1)) / 2;
    for (int assento : assentos) {
        const QRectF rosto(x, lugar.top() + (lugar.height() - h) / 2, w, h);
        const auto& rostos = imagens_.rostos(assento);
        QPainterPath moldura;
        moldura.addRoundedRect(rosto, 4 * s, 4 * s);
        if (!rostos.empty() && !rostos.front().isNull()) {
            p.save();
            p.setClipPath(moldura);
            p.drawImage(rosto, rostos.front());
            p.restore();
        } else {
            p.fillPath(moldura, QColor(90, 90, 100));
        }
        p.setPen(QPen(borda, 1.5 * s));
        p.setBrush(Qt::NoBrush);
        p.drawPath(moldura);
        x += w + folga;
    }
    QFont f = font();
    f.setPixelSize(std::max(6, static_cast<int>(std::lround(10 * s))));
    f.setBold(true);
    p.setFont(f);
    p.setPen(QColor(255, 255, 255));
    const QRectF linha(area.left() - 4 * s, area.bottom() - alturaLegenda, area.width() + 8 * s, alturaLegenda);
    p.drawText(linha, Qt::AlignCenter,
               QFontMetrics(f).elidedText(legenda, Qt::ElideRight, static_cast<int>(linha.width())));
}

void PecaDaMesa::desenhaCarta(QPainter& p) const {
    const QRectF r = rect();
    const QImage* imagem = nullptr;
    if (face_ == Face::Verso) imagem = &imagens_.verso();
    else if (face_ == Face::Frente && carta_ >= 1 && carta_ <= 40) imagem = &imagens_.carta(carta_);
    if (imagem && !imagem->isNull()) {
        p.drawImage(r, *imagem);
        return;
    }
    // A missing picture: a plain card that still says what it is.
    const double raio = r.width() / 10;
    p.setPen(QPen(QColor(60, 60, 60), 1));
    if (face_ == Face::Verso) {
        p.setBrush(QColor(40, 60, 140));
        p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), raio, raio);
        return;
    }
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), raio, raio);
    QFont f = font();
    f.setPixelSize(std::max(6, static_cast<int>(r.height() / 4)));
    p.setFont(f);
    const bool vermelha = carta_ >= 1 && carta_ <= 40 && ((carta_ - 1) / 10 == 0 || (carta_ - 1) / 10 == 2);
    p.setPen(vermelha ? QColor(190, 20, 20) : QColor(20, 20, 20));
    p.drawText(r, Qt::AlignCenter, nomeDaEntrada(carta_));
}

void PecaDaMesa::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    const QRectF r = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    const double s = escala_;
    switch (lugar_.peca) {
        case Peca::Carta:
            desenhaCarta(p);
            break;
        case Peca::Retrato: {
            const int assento = lugar_.nome.back() - '0';
            const auto& rostos = imagens_.rostos(assento);
            // The face the seat makes now; the normal one when that face is missing.
            const std::size_t indice = static_cast<std::size_t>(carta_);
            const bool temFace = carta_ > 0 && indice < rostos.size() && !rostos[indice].isNull();
            p.setPen(QPen(QColor(240, 230, 200), 2 * s));
            if (temFace) {
                p.drawImage(r, rostos[indice]);
                p.setBrush(Qt::NoBrush);
            } else if (!rostos.empty() && !rostos.front().isNull()) {
                p.drawImage(r, rostos.front());
                p.setBrush(Qt::NoBrush);
            } else {
                p.setBrush(QColor(90, 90, 100));
            }
            p.drawRoundedRect(r, 6 * s, 6 * s);
            break;
        }
        case Peca::Rotulo:
            if (texto_.isEmpty()) break;
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(250, 246, 230, 210));
            p.drawRoundedRect(r, 4 * s, 4 * s);
            desenhaTexto(p, rect().adjusted(static_cast<int>(3 * s), 0, 0, 0), Qt::AlignVCenter | Qt::AlignLeft,
                         corNaMesa(cor_));
            break;
        case Peca::Aviso:
            desenhaAviso(p);
            break;
        case Peca::Balao: {
            QPainterPath balao;
            balao.addRoundedRect(r.adjusted(0, 0, 0, -10 * s), 12 * s, 12 * s);
            QPolygonF bico;
            bico << QPointF(r.left() + 20 * s, r.bottom() - 11 * s) << QPointF(r.left() + 12 * s, r.bottom())
                 << QPointF(r.left() + 34 * s, r.bottom() - 11 * s);
            balao.addPolygon(bico);
            p.setPen(QPen(QColor(40, 40, 40), 1.5 * s));
            p.setBrush(QColor(255, 255, 255, 235));
            p.drawPath(balao.simplified());
            desenhaTexto(p, rect().adjusted(static_cast<int>(6 * s), 0, static_cast<int>(-6 * s),
                                            static_cast<int>(-10 * s)),
                         Qt::AlignCenter, QColor(20, 20, 20));
            break;
        }
        case Peca::Palito: {
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(235, 205, 140));
            p.drawRoundedRect(r.adjusted(0, 3 * s, 0, 0), r.width() / 2, r.width() / 2);
            p.setBrush(QColor(190, 30, 30));
            p.drawEllipse(QRectF(r.left() - 0.5 * s, r.top(), r.width() + 1 * s, 7 * s));
            break;
        }
        case Peca::Ficha:
            if (aceso_) {
                p.setPen(QPen(QColor(255, 255, 255), 1.5 * s, Qt::DashLine));
                p.setBrush(QColor(200, 40, 40));
            } else {
                p.setPen(QPen(QColor(255, 255, 255, 90), s));
                p.setBrush(Qt::NoBrush);
            }
            p.drawEllipse(r);
            break;
        case Peca::Boi: {
            p.setPen(QPen(QColor(60, 35, 10), 1.2 * s));
            p.setBrush(QColor(140, 90, 40));
            p.drawEllipse(r.adjusted(r.width() * 0.2, r.height() * 0.25, -r.width() * 0.2, 0));
            QPainterPath chifres;
            chifres.moveTo(r.left() + r.width() * 0.3, r.top() + r.height() * 0.35);
            chifres.quadTo(r.left(), r.top() + r.height() * 0.3, r.left() + r.width() * 0.1, r.top());
            chifres.moveTo(r.right() - r.width() * 0.3, r.top() + r.height() * 0.35);
            chifres.quadTo(r.right(), r.top() + r.height() * 0.3, r.right() - r.width() * 0.1, r.top());
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(240, 230, 200), 2 * s));
            p.drawPath(chifres);
            break;
        }
        case Peca::Resultado:
            p.setPen(QPen(corNaMesa(cor_), 2 * s));
            p.setBrush(corFundo_ == Cor::Preto ? QBrush(corNaMesa(cor_)) : QBrush(corNaMesa(corFundo_)));
            p.drawEllipse(r.adjusted(s, s, -s, -s));
            break;
        case Peca::Polegar: {
            const bool bom = lugar_.nome.rfind("RODADA_BOM_", 0) == 0;
            p.setPen(Qt::NoPen);
            p.setBrush(bom ? QColor(30, 150, 60) : QColor(190, 40, 40));
            p.drawEllipse(r);
            QFont f = font();
            f.setPixelSize(std::max(6, static_cast<int>(r.height() * 0.7)));
            f.setBold(true);
            p.setFont(f);
            p.setPen(Qt::white);
            p.drawText(r, Qt::AlignCenter, bom ? QString::fromUtf8("✓") : QString::fromUtf8("✗"));
            break;
        }
        case Peca::Naipe: {
            p.setPen(QPen(QColor(60, 60, 60), s));
            p.setBrush(QColor(255, 255, 250));
            p.drawRoundedRect(r, 4 * s, 4 * s);
            QFont f = font();
            f.setPixelSize(std::max(6, static_cast<int>(r.height() * 0.8)));
            p.setFont(f);
            p.setPen(naipeVermelho(lugar_.legenda) ? QColor(200, 20, 20) : QColor(10, 10, 10));
            p.drawText(r, Qt::AlignCenter, simboloDoNaipe(lugar_.legenda));
            break;
        }
        case Peca::Valor:
            p.setPen(QPen(QColor(60, 60, 60), s));
            p.setBrush(QColor(255, 250, 220));
            p.drawRoundedRect(r, 3 * s, 3 * s);
            desenhaTexto(p, rect(), Qt::AlignCenter, QColor(20, 20, 20));
            break;
        case Peca::Marca:
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(corNaMesa(cor_), 3 * s));
            p.drawRoundedRect(r.adjusted(1.5 * s, 1.5 * s, -1.5 * s, -1.5 * s), 6 * s, 6 * s);
            break;
        case Peca::Sombra:
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0, 0, 0, 90));
            p.drawRoundedRect(r, 7 * s, 7 * s);
            break;
        case Peca::Seta:
            if (lugar_.nome.rfind("JOGUE_J", 0) == 0) {
                if (const QImage& marca = imagens_.marcaDaVez(imagem_); !marca.isNull()) {
                    p.drawImage(r, marca);
                    break;
                }
            }
            p.setPen(QPen(QColor(60, 40, 0), s));
            p.setBrush(QColor(255, 210, 40));
            p.drawEllipse(r);
            desenhaTexto(p, rect(), Qt::AlignCenter, QColor(40, 20, 0));
            break;
        case Peca::Selo: {
            if (lugar_.legenda.isEmpty()) break;
            // The dim half of the turn's blink still says whose turn it is.
            const bool fraco = lugar_.nome == "LOGOTIPO_0";
            p.setPen(QPen(fraco ? QColor(255, 230, 190, 150) : QColor(255, 255, 255), s));
            p.setBrush(lugar_.nome.rfind("ZAP", 0) == 0 ? QColor(200, 30, 30)
                       : fraco                          ? QColor(120, 70, 10, 170)
                                                        : QColor(200, 120, 20));
            p.drawRoundedRect(r, 5 * s, 5 * s);
            desenhaTexto(p, rect(), Qt::AlignCenter, fraco ? QColor(255, 225, 170) : QColor(255, 255, 255));
            break;
        }
        case Peca::Etiqueta: {
            // The user's side's blue, as its tricks are marked.
            p.setPen(QPen(QColor(230, 236, 255), 1.2 * s));
            p.setBrush(QColor(30, 70, 200, 235));
            p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
            QFont f = fonte();
            f.setBold(true);
            p.setFont(f);
            p.setPen(QColor(255, 255, 255));
            p.drawText(rect(), Qt::AlignCenter, texto_);
            break;
        }
        case Peca::Caixa:
            p.setPen(QPen(QColor(255, 255, 255, 120), s));
            p.setBrush(QColor(0, 0, 0, 70));
            p.drawRoundedRect(r, 8 * s, 8 * s);
            p.setFont(fonte());
            p.setPen(QColor(255, 250, 220));
            p.drawText(rect().adjusted(static_cast<int>(8 * s), static_cast<int>(2 * s), 0, 0),
                       Qt::AlignTop | Qt::AlignLeft, texto_);
            break;
        case Peca::Botao:
        case Peca::Marcador:
            break;
    }
}

void PecaDaMesa::mousePressEvent(QMouseEvent* evento) {
    pressionada_ = true;
    if (gestos_.pressiona) gestos_.pressiona(lugar_.nome, evento->button());
}

void PecaDaMesa::mouseReleaseEvent(QMouseEvent* evento) {
    const bool clique = pressionada_ && evento->button() == Qt::LeftButton && rect().contains(evento->pos());
    pressionada_ = false;
    if (clique && gestos_.clica) gestos_.clica(lugar_.nome);
}

void PecaDaMesa::mouseDoubleClickEvent(QMouseEvent*) {
    if (gestos_.duploClique) gestos_.duploClique(lugar_.nome);
}

void PecaDaMesa::enterEvent(QEnterEvent*) {
    if (gestos_.passaSobre) gestos_.passaSobre(lugar_.nome);
}

}  // namespace pelmar
