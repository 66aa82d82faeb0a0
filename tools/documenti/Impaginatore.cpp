#include "Impaginatore.h"

#include <QAbstractTextDocumentLayout>
#include <QFont>
#include <QHash>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QSet>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextLayout>
#include <QTextTable>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

// Page margins in millimetres; the running title and the page number sit
// inside the top and bottom margins.
const QMarginsF kMargini(22.0, 24.0, 22.0, 24.0);

const QColor kGrigio(0x6b, 0x6b, 0x7b);
const QColor kLinea(0xd8, 0xd0, 0xc0);

int millimetri(double mm)
{
    return int(std::lround(mm / 25.4 * Impaginatore::kRisoluzione));
}

} // namespace

Impaginatore::Impaginatore(QTextDocument *documento)
    : m_documento(documento)
{
}

bool Impaginatore::scriviPdf(const QString &percorso)
{
    QPdfWriter scrittore(percorso);
    scrittore.setResolution(kRisoluzione);
    scrittore.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, kMargini,
                                        QPageLayout::Millimeter));
    const QString titolo = m_documento->metaInformation(QTextDocument::DocumentTitle);
    scrittore.setTitle(titolo);
    scrittore.setCreator(QStringLiteral("Pinnole"));

    // Lay the text out with the printer's metrics on pages as large as the
    // area inside the margins.
    const QRect area = scrittore.pageLayout().paintRectPixels(kRisoluzione);
    m_documento->documentLayout()->setPaintDevice(&scrittore);
    m_documento->setDocumentMargin(0);
    m_documento->setPageSize(QSizeF(area.width(), area.height()));
    evitaSpezzature(area.height());
    if (!numeraRimandi(area.height()))
        return false;
    const int pagine = std::max(m_documento->pageCount(), 1);

    // The chapter named at the top of a page: the first top-level heading
    // that starts on it, or else the last one before it.
    QStringList capitoli(pagine);
    std::vector<bool> apertaQui(size_t(pagine), false);
    for (QTextBlock blocco = m_documento->begin(); blocco.isValid(); blocco = blocco.next()) {
        if (blocco.blockFormat().headingLevel() != 1)
            continue;
        const int inizio = std::clamp(
            int(m_documento->documentLayout()->blockBoundingRect(blocco).top() / area.height()), 0, pagine - 1);
        const int da = apertaQui[size_t(inizio)] ? inizio + 1 : inizio;
        apertaQui[size_t(inizio)] = true;
        for (int p = da; p < pagine; ++p)
            capitoli[p] = blocco.text().simplified();
    }

    QPainter pittore;
    if (!pittore.begin(&scrittore)) {
        std::fprintf(stderr, "documenti: cannot write %s\n", qPrintable(percorso));
        return false;
    }

    QFont piccolo(m_documento->defaultFont());
    piccolo.setPointSizeF(9.0);
    piccolo.setItalic(true);

    for (int pagina = 0; pagina < pagine; ++pagina) {
        if (pagina > 0)
            scrittore.newPage();
        const QRectF intera(0, pagina * area.height(), area.width(), area.height());
        // A line that starts on the page before and reaches into this one is
        // that page's: drawn here too, it would be hidden by the clip but
        // written twice into the PDF's text.
        const double inizio = inizioPagina(intera.top());
        const QRectF finestra(0, inizio, area.width(), intera.bottom() - inizio);
        pittore.save();
        pittore.translate(0, -intera.top());
        QAbstractTextDocumentLayout::PaintContext contesto;
        // The layout also draws a line that only touches the clip's edge:
        // the line starting right at the next page's top would be drawn here.
        contesto.clip = finestra.adjusted(0, 0.01, 0, -0.01);
        pittore.setClipRect(finestra);
        m_documento->documentLayout()->draw(&pittore, contesto);
        pittore.restore();

        if (pagina == 0)
            continue; // the title page stands alone

        // Running title over a thin rule, page number under one.
        pittore.save();
        pittore.setFont(piccolo);
        pittore.setPen(kGrigio);
        const int alto = -millimetri(12.0);
        const QRect testata(0, alto, area.width(), millimetri(6.0));
        pittore.drawText(testata, Qt::AlignLeft | Qt::AlignBottom, titolo);
        pittore.drawText(testata, Qt::AlignRight | Qt::AlignBottom, capitoli.at(pagina));
        pittore.setPen(QPen(kLinea, millimetri(0.3)));
        pittore.drawLine(0, alto + millimetri(7.5), area.width(), alto + millimetri(7.5));
        const int basso = area.height() + millimetri(6.0);
        pittore.drawLine(0, basso, area.width(), basso);
        pittore.setPen(kGrigio);
        const QRect piede(0, basso + millimetri(1.5), area.width(), millimetri(6.0));
        pittore.drawText(piede, Qt::AlignHCenter | Qt::AlignTop, QString::number(pagina + 1));
        pittore.restore();
    }
    return pittore.end();
}

// The top of what a page at alto draws: below every line that crosses alto.
double Impaginatore::inizioPagina(double alto) const
{
    double inizio = alto;
    auto *impaginazione = m_documento->documentLayout();
    for (QTextBlock blocco = m_documento->begin(); blocco.isValid(); blocco = blocco.next()) {
        const QTextLayout *righe = blocco.layout();
        if (!righe)
            continue;
        const double y = impaginazione->blockBoundingRect(blocco).top();
        for (int i = 0; i < righe->lineCount(); ++i) {
            const QTextLine riga = righe->lineAt(i);
            const double su = y + riga.y();
            const double giu = su + riga.height();
            if (su < alto && giu > alto)
                inizio = std::max(inizio, giu);
        }
    }
    return inizio;
}

// Where line n of a block ends, in document coordinates. A line pushed to
// the next page may leave its block's top on this one, so lines are what
// tell the page.
double Impaginatore::fineRiga(const QTextBlock &blocco, int riga) const
{
    const QTextLine linea = blocco.layout()->lineAt(riga);
    return m_documento->documentLayout()->blockBoundingRect(blocco).top() + linea.y() + linea.height() - 1;
}

void Impaginatore::evitaSpezzature(double altezzaPagina)
{
    auto *impaginazione = m_documento->documentLayout();
    QTextFrame *radice = m_documento->rootFrame();
    const auto pagina = [altezzaPagina](double y) { return int(std::floor(y / altezzaPagina)); };

    // The table of the main flow a block lies in; null for a block of the
    // main flow itself.
    const auto tabellaDi = [&](const QTextBlock &blocco) -> QTextTable * {
        QTextFrame *cornice = m_documento->frameAt(blocco.position());
        while (cornice && cornice != radice && cornice->parentFrame() != radice)
            cornice = cornice->parentFrame();
        return cornice == radice ? nullptr : qobject_cast<QTextTable *>(cornice);
    };

    // Breaks set here, so that one can be taken back when what stands before
    // it moves to the next page as well (a heading with its paragraph).
    QSet<int> blocchiSpostati;
    QSet<QTextTable *> tabelleSpostate;
    const auto spostaBlocco = [&](const QTextBlock &blocco) {
        QTextBlockFormat formato = blocco.blockFormat();
        if (formato.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            return false; // already at the top of a page: nothing better to do
        formato.setPageBreakPolicy(formato.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        QTextCursor(blocco).setBlockFormat(formato);
        blocchiSpostati.insert(blocco.blockNumber());
        return true;
    };
    const auto spostaTabella = [&](QTextTable *tabella) {
        QTextTableFormat formato = tabella->format();
        if (formato.pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore)
            return false;
        formato.setPageBreakPolicy(formato.pageBreakPolicy() | QTextFormat::PageBreak_AlwaysBefore);
        tabella->setFormat(formato);
        tabelleSpostate.insert(tabella);
        return true;
    };
    const auto liberaSeguente = [&](const QTextBlock &blocco) {
        if (QTextTable *tabella = tabellaDi(blocco)) {
            if (tabelleSpostate.remove(tabella)) {
                QTextTableFormat formato = tabella->format();
                formato.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
                tabella->setFormat(formato);
            }
        } else if (blocchiSpostati.remove(blocco.blockNumber())) {
            QTextBlockFormat formato = blocco.blockFormat();
            formato.setPageBreakPolicy(QTextFormat::PageBreak_Auto);
            QTextCursor(blocco).setBlockFormat(formato);
        }
    };

    // Each move shifts what follows, so look again from the top after every
    // one. Every move puts something at the top of a page for good, so the
    // bound is never reached by a document of this size.
    for (int giro = 0; giro < 1000; ++giro) {
        bool spostato = false;
        QSet<QTextTable *> viste;
        for (QTextBlock blocco = m_documento->begin(); !spostato && blocco.isValid(); blocco = blocco.next()) {
            if (QTextTable *tabella = tabellaDi(blocco)) {
                // A table that fits on a page is never split.
                if (viste.contains(tabella))
                    continue;
                viste.insert(tabella);
                const QRectF r = impaginazione->frameBoundingRect(tabella);
                if (r.height() < altezzaPagina && pagina(r.top()) != pagina(r.bottom() - 1))
                    spostato = spostaTabella(tabella);
                continue;
            }
            const int righe = blocco.layout() ? blocco.layout()->lineCount() : 0;
            if (righe == 0)
                continue;
            // A paragraph moves whole rather than break: the pages of a
            // guide read better with a short foot than with a split, and a
            // split paragraph would also draw its last line again, unseen,
            // at the top of the next page.
            if (pagina(fineRiga(blocco, 0)) != pagina(fineRiga(blocco, righe - 1))
                && impaginazione->blockBoundingRect(blocco).height() < altezzaPagina / 3) {
                spostato = spostaBlocco(blocco);
                continue;
            }
            // A heading never ends a page, nor does a line that introduces
            // what follows it (ending with a colon).
            const QTextBlock seguente = blocco.next();
            const bool introduce = blocco.blockFormat().headingLevel() > 0
                || blocco.text().trimmed().endsWith(QLatin1Char(':'));
            if (introduce && seguente.isValid() && seguente.layout() && seguente.layout()->lineCount() > 0
                && pagina(fineRiga(blocco, righe - 1)) != pagina(fineRiga(seguente, 0))
                && spostaBlocco(blocco)) {
                liberaSeguente(seguente);
                spostato = true;
            }
        }
        if (!spostato)
            return;
    }
}

bool Impaginatore::numeraRimandi(double altezzaPagina)
{
    QHash<QString, int> pagine;
    auto *impaginazione = m_documento->documentLayout();
    for (QTextBlock blocco = m_documento->begin(); blocco.isValid(); blocco = blocco.next()) {
        for (auto it = blocco.begin(); !it.atEnd(); ++it) {
            const QStringList nomi = it.fragment().charFormat().anchorNames();
            if (nomi.isEmpty())
                continue;
            const double y = impaginazione->blockBoundingRect(blocco).top();
            for (const QString &nome : nomi)
                pagine.insert(nome, int(y / altezzaPagina) + 1);
        }
    }
    static const QRegularExpression rimando(QStringLiteral("@pagina:([A-Za-z0-9_-]+)@"));
    for (QTextCursor trovato = m_documento->find(rimando); !trovato.isNull();
         trovato = m_documento->find(rimando, trovato)) {
        const QString nome = rimando.match(trovato.selectedText()).captured(1);
        const auto pagina = pagine.constFind(nome);
        if (pagina == pagine.constEnd()) {
            std::fprintf(stderr, "documenti: no anchor named %s\n", qPrintable(nome));
            return false;
        }
        trovato.insertText(QString::number(*pagina));
    }
    return true;
}
