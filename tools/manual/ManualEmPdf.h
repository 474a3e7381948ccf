#pragma once

#include <QByteArray>
#include <QString>

// The game's manual is written once, as a page of HTML with its pictures beside it; the PDF is
// made from that page at build time, so the two never say different things.
namespace pelmar::manual {

// Lays the page out on A4 sheets and writes the PDF to `caminhoPdf`, replacing it only once the
// whole file is made. Returns the number of pages. Throws std::runtime_error naming what went
// wrong: a page that cannot be read, a picture it names that is not there, a PDF that cannot be
// written.
int escreveManualEmPdf(const QString& caminhoHtml, const QString& caminhoPdf);

// How many A4 sheets the page takes, laid out exactly as the PDF is.
int paginasDoManual(const QString& caminhoHtml);

// Qt stamps a PDF with the moment it was written. The stamp is rewritten in place with a fixed
// one of the same length, so the same page always makes the same bytes; nothing else moves.
void fixaDataDoPdf(QByteArray& pdf);

}  // namespace pelmar::manual
