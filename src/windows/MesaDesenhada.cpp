#include "windows/MesaDesenhada.h"

#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QTimer>

#include <algorithm>
#include <cmath>

#include "presentation/ImagensDaMesa.h"

namespace pelmar {

namespace {

void ajustaFonte(QWidget& w, int tamanho, double escala) {
    QFont f = w.font();
    const int pixels = std::max(6, static_cast<int>(std::lround(tamanho * escala)));
    if (f.pixelSize() == pixels) return;
    f.setPixelSize(pixels);
    // Buttons speak loud; check boxes must fit their words.
    f.setBold(!w.property("semNegrito").toBool());
    w.setFont(f);
}

// A folded panel keeps its title.
constexpr int ALTURA_RECOLHIDO = 22;

// The window's own notes: under the partner's hand, above the middle of the table.
const QRect CASA_DO_RECADO(170, 196, 440, 48);
constexpr int DURACAO_DO_RECADO_MS = 6000;

}  // namespace

MesaDesenhada::MesaDesenhada(ModeloMesa& modelo, const ImagensDaMesa& imagens, QWidget* pai)
    : QWidget(pai), modelo_(modelo), imagens_(imagens) {
    setObjectName("MESA");
    setMouseTracking(true);
    setMinimumSize(static_cast<int>(std::ceil(LARGURA_DA_MESA * ESCALA_MINIMA)),
                   static_cast<int>(std::ceil(ALTURA_DA_MESA * ESCALA_MINIMA)));
    for (const LugarNaMesa& lugar : lugaresDaMesa()) {
        const Controle* controle = modelo.existe(lugar.nome) ? &modelo[lugar.nome] : nullptr;
        const Controle* seguido = lugar.segue.empty() ? nullptr : &modelo[lugar.segue];
        if (lugar.peca == Peca::Botao) {
            criaBotao(lugar, controle);
        } else if (lugar.peca == Peca::Marcador) {
            criaMarcador(lugar, controle);
        } else {
            auto* peca = new PecaDaMesa(lugar, imagens_, gestos, this);
            itens_.push_back({&lugar, controle, peca, peca, seguido});
        }
    }
    lugarDoVoo_ = {"VOO", {0, 0, 71, 96}, Peca::Carta, 9, {}, false, {}, false, {}, {}};
    voo_ = new PecaDaMesa(lugarDoVoo_, imagens_, gestos, this);
    voo_->setAttribute(Qt::WA_TransparentForMouseEvents);
    voo_->hide();
    recado_ = new QLabel(this);
    recado_->setObjectName("RECADO");
    recado_->setAlignment(Qt::AlignCenter);
    recado_->setWordWrap(true);
    recado_->setAttribute(Qt::WA_TransparentForMouseEvents);
    recado_->setStyleSheet("QLabel { background: rgba(20, 30, 20, 215); color: #fff3c4;"
                           " border: 2px solid #ffe08a; border-radius: 10px; padding: 2px 8px; }");
    recado_->hide();
    fimDoRecado_ = new QTimer(this);
    fimDoRecado_->setSingleShot(true);
    fimDoRecado_->setInterval(DURACAO_DO_RECADO_MS);
    connect(fimDoRecado_, &QTimer::timeout, recado_, &QWidget::hide);
    sincroniza();
}

void MesaDesenhada::mostraRecado(const QString& texto) {
    recado_->setText(texto);
    posicionaRecado();
    recado_->show();
    recado_->raise();
    fimDoRecado_->start();
}

void MesaDesenhada::posicionaRecado() {
    recado_->setGeometry(naJanela(CASA_DO_RECADO));
    QFont f = recado_->font();
    f.setPixelSize(std::max(6, static_cast<int>(std::lround(13 * escala_))));
    recado_->setFont(f);
}

QString MesaDesenhada::recado() const { return recado_->isVisible() ? recado_->text() : QString(); }

void MesaDesenhada::criaBotao(const LugarNaMesa& lugar, const Controle* controle) {
    auto* botao = new QPushButton(this);
    botao->setObjectName(QString::fromStdString(lugar.nome));
    botao->setFocusPolicy(Qt::NoFocus);
    botao->setStyleSheet(
        "QPushButton { background: #f4e7b8; color: #5a1a00; border: 2px solid #7a4a10; border-radius: 6px; }"
        "QPushButton:hover { background: #ffd75a; }"
        "QPushButton:pressed { background: #e0b030; }");
    const std::string nome = lugar.nome;
    connect(botao, &QPushButton::clicked, this, [this, nome] {
        if (aoApertarBotao) aoApertarBotao(nome);
    });
    itens_.push_back({&lugar, controle, botao, nullptr, nullptr});
}

void MesaDesenhada::criaMarcador(const LugarNaMesa& lugar, const Controle* controle) {
    auto* caixa = new QCheckBox(this);
    caixa->setObjectName(QString::fromStdString(lugar.nome));
    caixa->setFocusPolicy(Qt::NoFocus);
    caixa->setStyleSheet(
        "QCheckBox { color: #fff8dc; background: rgba(0,0,0,90); border-radius: 4px; padding-left: 2px; }");
    caixa->setProperty("semNegrito", true);
    const std::string nome = lugar.nome;
    connect(caixa, &QCheckBox::toggled, this, [this, nome](bool marcado) {
        if (aoMarcar) aoMarcar(nome, marcado);
    });
    itens_.push_back({&lugar, controle, caixa, nullptr, nullptr});
}

QRect MesaDesenhada::naJanela(const QRect& casa) const {
    const auto x = [this](double v) { return static_cast<int>(std::lround(v * escala_)); };
    return {origem_.x() + x(casa.x()), origem_.y() + x(casa.y()), std::max(1, x(casa.width())),
            std::max(1, x(casa.height()))};
}

QRect MesaDesenhada::casaDe(const Item& item) const {
    QRect casa = item.lugar->casa;
    if (recolhidos_.count(item.lugar->nome)) casa.setHeight(ALTURA_RECOLHIDO);
    for (const std::string& vizinho : item.lugar->aoLadoDe) {
        if (!modelo_.existe(vizinho) || !modelo_[vizinho].visivel) continue;
        casa.moveTopLeft(casaNaMesa(vizinho).topLeft() + item.lugar->passo);
        break;
    }
    if (!item.controle) return casa;
    const Controle& c = *item.controle;
    if (!c.alvo.empty()) {
        const QRect alvo = casaNaMesa(c.alvo);
        if (alvo.isValid()) {
            // A frame takes its target's size; a card only its place.
            if (item.lugar->peca == Peca::Marca || item.lugar->peca == Peca::Sombra) casa = alvo;
            else casa.moveTopLeft(alvo.topLeft());
        }
    }
    if (item.lugar->peca == Peca::Marca) casa.adjust(-4, -4, 4, 4);
    return casa.translated(c.deslocX, c.deslocY);
}

void MesaDesenhada::alternaRecolhido(const std::string& painel) {
    if (!recolhidos_.erase(painel)) recolhidos_.insert(painel);
    sincroniza();
}

std::vector<const LugarNaMesa*> MesaDesenhada::paineisFechados() const {
    std::vector<const LugarNaMesa*> fechados;
    for (const Item& item : itens_) {
        if (item.lugar->peca != Peca::Caixa) continue;
        // Folded by the user, or hidden by the game: what lies in it goes with it.
        const bool escondido = item.controle && !item.controle->visivel;
        if (escondido || recolhidos_.count(item.lugar->nome)) fechados.push_back(item.lugar);
    }
    return fechados;
}

void MesaDesenhada::sincroniza() {
    const std::vector<const LugarNaMesa*> fechados = paineisFechados();
    const auto dentroDeFechado = [&fechados](const LugarNaMesa& lugar) {
        return std::any_of(fechados.begin(), fechados.end(), [&lugar](const LugarNaMesa* painel) {
            return painel != &lugar && painel->casa.contains(lugar.casa);
        });
    };
    for (const Item& item : itens_) {
        const Controle* c = item.controle;
        // A chip not yet won still shows its empty place (and hides the debug switch).
        const bool sempre = item.lugar->peca == Peca::Ficha;
        const bool visivel = (sempre || (c ? c->visivel : item.seguido ? item.seguido->visivel : true)) &&
                             !dentroDeFechado(*item.lugar);
        if (item.widget->isVisible() != visivel) item.widget->setVisible(visivel);
        if (!visivel) continue;
        item.widget->setGeometry(naJanela(casaDe(item)));
        if (item.peca) {
            item.peca->mostra(c, escala_);
            continue;
        }
        ajustaFonte(*item.widget, item.lugar->fonte, escala_);
        if (!c) continue;
        item.widget->setEnabled(c->habilitado);
        poeDica(*item.widget, c->dica);
        if (auto* botao = qobject_cast<QPushButton*>(item.widget)) {
            botao->setText(QString::fromStdString(c->texto));
        } else if (auto* caixa = qobject_cast<QCheckBox*>(item.widget)) {
            caixa->setText(QString::fromStdString(c->texto));
            if (caixa->isChecked() != c->marcado) {
                // The model changed it, not the user: no gesture to report.
                const QSignalBlocker quieto(caixa);
                caixa->setChecked(c->marcado);
            }
        }
    }
    sincronizaVoo();
}

void MesaDesenhada::sincronizaVoo() {
    const VooCarta& voo = modelo_.voo;
    const QRect de = casaNaMesa(voo.de), para = casaNaMesa(voo.para);
    if (!voo.ativo || !de.isValid() || !para.isValid()) {
        voo_->hide();
        return;
    }
    const double f = std::clamp(static_cast<double>(voo.passo) / std::max(1, voo.passos), 0.0, 1.0);
    const QRect casa(static_cast<int>(std::lround(de.x() + (para.x() - de.x()) * f)),
                     static_cast<int>(std::lround(de.y() + (para.y() - de.y()) * f)), 71, 96);
    voo_->setGeometry(naJanela(casa));
    voo_->mostraCarta(voo.face, voo.carta, escala_);
    voo_->show();
    voo_->raise();
}

void MesaDesenhada::trocaImagens() {
    panoEscalado_ = QPixmap();
    update();
    for (const Item& item : itens_)
        if (item.peca) item.peca->update();
    voo_->update();
}

void MesaDesenhada::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QImage& pano = imagens_.mesa();
    if (pano.isNull()) {
        p.fillRect(rect(), QColor(22, 92, 52));
        return;
    }
    if (panoEscalado_.size() != size()) {
        // The cloth covers the whole window, cut evenly where its shape differs.
        const QImage coberto = pano.scaled(size(), Qt::KeepAspectRatioByExpanding, Qt::SmoothTransformation);
        const QPoint corte((coberto.width() - width()) / 2, (coberto.height() - height()) / 2);
        panoEscalado_ = QPixmap::fromImage(coberto.copy(QRect(corte, size())));
    }
    p.drawPixmap(0, 0, panoEscalado_);
}

void MesaDesenhada::resizeEvent(QResizeEvent*) {
    escala_ = std::min(static_cast<double>(width()) / LARGURA_DA_MESA, static_cast<double>(height()) / ALTURA_DA_MESA);
    origem_ = QPoint(static_cast<int>((width() - LARGURA_DA_MESA * escala_) / 2),
                     static_cast<int>((height() - ALTURA_DA_MESA * escala_) / 2));
    posicionaRecado();
    sincroniza();
}

void MesaDesenhada::mousePressEvent(QMouseEvent* evento) {
    // The cloth itself carries the table's pop-up menu.
    if (gestos.pressiona) gestos.pressiona(objectName().toStdString(), evento->button());
}

void MesaDesenhada::mouseMoveEvent(QMouseEvent*) {
    if (gestos.passaSobre) gestos.passaSobre({});
}

}  // namespace pelmar
