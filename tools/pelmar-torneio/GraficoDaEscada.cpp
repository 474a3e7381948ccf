#include "pelmar-torneio/GraficoDaEscada.h"

#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPen>
#include <QString>

#include <algorithm>
#include <cmath>

#include "pelmar-torneio/TextoDeNumero.h"

namespace pelmar {

namespace {
constexpr int LARGURA = 960;
constexpr int ALTURA = 600;
constexpr int ESQUERDA = 90, DIREITA = 30, TOPO = 90, BASE = 70;

QString q(const std::string& texto) { return QString::fromStdString(texto); }
}  // namespace

std::optional<std::string> desenhaGraficoDaEscada(const std::vector<ResumoDoNivel>& niveis, const std::string& modo,
                                                  long long partidasPorNivel, const std::filesystem::path& arquivo) {
    QImage imagem(LARGURA, ALTURA, QImage::Format_RGB32);
    imagem.fill(Qt::white);
    QPainter p(&imagem);
    p.setRenderHint(QPainter::Antialiasing);

    // The vertical range shows every interval with a margin, in steps of 5 %.
    double menor = 0.5, maior = 0.5;
    for (const ResumoDoNivel& n : niveis) {
        menor = std::min(menor, n.intervalo.inferior);
        maior = std::max(maior, n.intervalo.superior);
    }
    menor = std::max(0.0, std::floor(menor * 20 - 1) / 20);
    maior = std::min(1.0, std::ceil(maior * 20 + 1) / 20);
    const QRectF area(ESQUERDA, TOPO, LARGURA - ESQUERDA - DIREITA, ALTURA - TOPO - BASE);
    auto y = [&](double taxa) { return area.bottom() - (taxa - menor) / (maior - menor) * area.height(); };
    const double passo = area.width() / static_cast<double>(std::max<std::size_t>(niveis.size(), 1));
    auto x = [&](std::size_t i) { return area.left() + passo * (static_cast<double>(i) + 0.5); };

    QFont titulo = p.font();
    titulo.setPixelSize(20);
    titulo.setBold(true);
    QFont texto = p.font();
    texto.setPixelSize(14);

    p.setFont(titulo);
    p.setPen(Qt::black);
    p.drawText(QRectF(0, 12, LARGURA, 28), Qt::AlignCenter,
               q("Vitórias do computador por nível — modo " + modo));
    p.setFont(texto);
    p.drawText(QRectF(0, 42, LARGURA, 22), Qt::AlignCenter,
               q(std::to_string(partidasPorNivel) +
                 " partidas por nível · ponto: taxa de vitória · barra: intervalo de 95 % (Wilson)"));

    // Grid and the even line.
    for (int k = static_cast<int>(std::lround(menor * 20)); k <= static_cast<int>(std::lround(maior * 20)); ++k) {
        const double taxa = k / 20.0;
        p.setPen(QPen(QColor(225, 225, 225), 1));
        p.drawLine(QPointF(area.left(), y(taxa)), QPointF(area.right(), y(taxa)));
        p.setPen(Qt::black);
        p.drawText(QRectF(0, y(taxa) - 10, ESQUERDA - 10, 20), Qt::AlignRight | Qt::AlignVCenter,
                   q(std::to_string(k * 5) + " %"));
    }
    if (menor < 0.5 && maior > 0.5) {
        p.setPen(QPen(QColor(120, 120, 120), 1.5, Qt::DashLine));
        p.drawLine(QPointF(area.left(), y(0.5)), QPointF(area.right(), y(0.5)));
    }
    p.setPen(QPen(Qt::black, 1.5));
    p.drawLine(area.bottomLeft(), area.bottomRight());
    p.drawLine(area.bottomLeft(), area.topLeft());

    p.save();
    p.translate(22, area.center().y());
    p.rotate(-90);
    p.drawText(QRectF(-area.height() / 2, -12, area.height(), 24), Qt::AlignCenter,
               q("partidas ganhas pelo computador"));
    p.restore();
    p.drawText(QRectF(area.left(), ALTURA - 30, area.width(), 22), Qt::AlignCenter, q("nível de dificuldade"));

    const QColor cor(30, 90, 170);
    for (std::size_t i = 0; i < niveis.size(); ++i) {
        const ResumoDoNivel& n = niveis[i];
        const double cx = x(i);
        p.setPen(QPen(cor, 2.5));
        p.drawLine(QPointF(cx, y(n.intervalo.inferior)), QPointF(cx, y(n.intervalo.superior)));
        p.drawLine(QPointF(cx - 8, y(n.intervalo.inferior)), QPointF(cx + 8, y(n.intervalo.inferior)));
        p.drawLine(QPointF(cx - 8, y(n.intervalo.superior)), QPointF(cx + 8, y(n.intervalo.superior)));
        p.setBrush(cor);
        p.drawEllipse(QPointF(cx, y(n.taxaCom)), 5, 5);
        p.setPen(Qt::black);
        p.drawText(QRectF(cx - passo / 2, area.bottom() + 6, passo, 20), Qt::AlignCenter, q(std::to_string(n.nivel)));
        p.drawText(QRectF(cx - passo / 2, y(n.intervalo.superior) - 24, passo, 18), Qt::AlignCenter,
                   q(decimais(100 * n.taxaCom, 1)));
    }
    p.end();
    if (!imagem.save(QString::fromStdString(arquivo.string()), "PNG"))
        return "não foi possível gravar " + arquivo.string();
    return std::nullopt;
}

}  // namespace pelmar
