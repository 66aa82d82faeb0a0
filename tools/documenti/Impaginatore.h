#pragma once

#include <QString>

class QTextBlock;
class QTextDocument;

// Lays a rich-text document out on A4 pages and writes it as a PDF: the
// first page is the title page, every later page carries the document's
// title and its chapter (an <h1>) at the top and its number at the bottom.
// Tables and short paragraphs never break across pages, and neither a
// heading nor a line ending with a colon ends a page: they move to the next
// page instead. A text "@pagina:name@"
// becomes the number of the page that holds the anchor <a name="name">, so a
// table of contents keeps its numbers right as the text changes.
class Impaginatore
{
public:
    // Print resolution in dots per inch: pictures are rendered at it, and
    // text is laid out with its metrics so that what is measured is what is
    // printed.
    static constexpr int kRisoluzione = 300;

    explicit Impaginatore(QTextDocument *documento);

    // False, with a message, when the file cannot be written or a page
    // reference names no anchor.
    bool scriviPdf(const QString &percorso);

private:
    double fineRiga(const QTextBlock &blocco, int riga) const;
    double inizioPagina(double alto) const;
    void evitaSpezzature(double altezzaPagina);
    bool numeraRimandi(double altezzaPagina);

    QTextDocument *m_documento;
};
