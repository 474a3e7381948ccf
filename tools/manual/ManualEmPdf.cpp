#include "ManualEmPdf.h"

#include <QAbstractTextDocumentLayout>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QStringList>
#include <QTextDocument>
#include <QUrl>
#include <QVariant>

#include <stdexcept>

namespace pelmar::manual {
namespace {

// Fine enough for the pictures, and a round number of device units per point.
constexpr int kResolucao = 300;
// Below the text of each sheet: its number.
constexpr double kRodapeMm = 8.0;
const QString kFonte = QStringLiteral("DejaVu Sans");

std::runtime_error falha(const QString& texto) { return std::runtime_error(texto.toStdString()); }

// Remembers every picture the page names that could not be loaded: a manual with a hole where
// a picture should be is not made.
class DocumentoDoManual : public QTextDocument {
public:
    QStringList faltando;

protected:
    QVariant loadResource(int tipo, const QUrl& nome) override {
        QVariant r = QTextDocument::loadResource(tipo, nome);
        if (tipo == QTextDocument::ImageResource && r.isNull() && !faltando.contains(nome.toString()))
            faltando << nome.toString();
        return r;
    }
};

void preparaFolhas(QPdfWriter& pdf) {
    pdf.setResolution(kResolucao);
    pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(18, 16, 18, 12),
                                  QPageLayout::Millimeter));
    pdf.setTitle(QString::fromUtf8("Manual do Pelmar"));
    pdf.setCreator(QStringLiteral("Pelmar"));
}

double altura(double mm) { return mm / 25.4 * kResolucao; }

// The page laid out on the sheets of `pdf`, the footer's band left free.
void preparaDocumento(DocumentoDoManual& documento, QPdfWriter& pdf, const QString& caminhoHtml) {
    QFile arquivo(caminhoHtml);
    if (!arquivo.open(QIODevice::ReadOnly)) throw falha("não foi possível ler " + caminhoHtml);
    documento.setBaseUrl(QUrl::fromLocalFile(QFileInfo(caminhoHtml).absoluteFilePath()));
    QFont fonte(kFonte);
    fonte.setPointSizeF(10);
    documento.setDefaultFont(fonte);
    documento.setDocumentMargin(0);
    documento.documentLayout()->setPaintDevice(&pdf);
    documento.setHtml(QString::fromUtf8(arquivo.readAll()));
    const QRect area = pdf.pageLayout().paintRectPixels(pdf.resolution());
    documento.setPageSize(QSizeF(area.width(), area.height() - altura(kRodapeMm)));
    // Laying the pages out is what loads the pictures.
    static_cast<void>(documento.pageCount());
    if (!documento.faltando.isEmpty())
        throw falha(caminhoHtml + " mostra figuras que não existem: " + documento.faltando.join(", "));
}

}  // namespace

int paginasDoManual(const QString& caminhoHtml) {
    QBuffer descarte;
    descarte.open(QIODevice::WriteOnly);
    QPdfWriter pdf(&descarte);
    preparaFolhas(pdf);
    DocumentoDoManual documento;
    preparaDocumento(documento, pdf, caminhoHtml);
    return documento.pageCount();
}

int escreveManualEmPdf(const QString& caminhoHtml, const QString& caminhoPdf) {
    QBuffer bytes;
    bytes.open(QIODevice::WriteOnly);
    int paginas = 0;
    {
        QPdfWriter pdf(&bytes);
        preparaFolhas(pdf);
        DocumentoDoManual documento;
        preparaDocumento(documento, pdf, caminhoHtml);
        paginas = documento.pageCount();
        const QSizeF folha = documento.pageSize();
        QPainter pintor;
        if (!pintor.begin(&pdf)) throw falha("não foi possível começar o PDF " + caminhoPdf);
        QFont rodape(kFonte);
        rodape.setPointSizeF(8);
        for (int i = 0; i < paginas; ++i) {
            if (i > 0) pdf.newPage();
            pintor.save();
            pintor.translate(0, -i * folha.height());
            // One device pixel short: a picture that opens the next sheet must not leave a hairline here.
            documento.drawContents(&pintor, QRectF(0, i * folha.height(), folha.width(), folha.height() - 1));
            pintor.restore();
            pintor.setFont(rodape);
            pintor.setPen(QColor(0x55, 0x55, 0x55));
            pintor.drawText(QRectF(0, folha.height(), folha.width(), altura(kRodapeMm)), Qt::AlignCenter,
                            QString::fromUtf8("Manual do Pelmar — página %1 de %2").arg(i + 1).arg(paginas));
        }
        if (!pintor.end()) throw falha("não foi possível terminar o PDF " + caminhoPdf);
    }
    QByteArray conteudo = bytes.data();
    fixaDataDoPdf(conteudo);
    QSaveFile saida(caminhoPdf);
    if (!saida.open(QIODevice::WriteOnly) || saida.write(conteudo) != conteudo.size() || !saida.commit())
        throw falha("não foi possível gravar " + caminhoPdf + ": " + saida.errorString());
    return paginas;
}

void fixaDataDoPdf(QByteArray& pdf) {
    // "D:", fourteen digits from the year to the second, then the zone: "Z" or "+hh'mm'".
    static const QByteArray kFixa = QByteArrayLiteral("D:20090808000000");
    for (const QByteArray& chave : {QByteArrayLiteral("/CreationDate ("), QByteArrayLiteral("/ModDate (")}) {
        for (qsizetype de = pdf.indexOf(chave); de >= 0; de = pdf.indexOf(chave, de + chave.size())) {
            const qsizetype valor = de + chave.size();
            const qsizetype fim = pdf.indexOf(')', valor);
            if (fim < 0 || pdf.mid(valor, 2) != "D:" || fim - valor < kFixa.size()) continue;
            pdf.replace(valor, kFixa.size(), kFixa);
            const qsizetype zona = valor + kFixa.size();
            if (fim - zona == 7) pdf.replace(zona, 7, QByteArrayLiteral("+00'00'"));
        }
    }
}

}  // namespace pelmar::manual
