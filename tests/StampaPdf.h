#pragma once

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSizeF>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

#include <cups/cups.h>

// What the private CUPS server of the test command printed: the PDF queue
// writes every job as a file into $PINNOLE_PDF_DIR (scripts/cups-privato.sh).
// Tests that use it take the CTest resource lock "cups-pdf", so the files that
// appear after a print are theirs.
class CartellaPdf
{
public:
    CartellaPdf()
        : m_cartella(qEnvironmentVariable("PINNOLE_PDF_DIR"))
    {
        m_prima = elenco();
    }

    // False outside the test command (no private CUPS server).
    bool disponibile() const { return !m_cartella.isEmpty() && QDir(m_cartella).exists(); }
    QString cartella() const { return m_cartella; }

    // Waits until CUPS has no job left and returns the files that appeared
    // since construction (or the last call), oldest job first.
    QStringList nuovi(int attesi, int attesaMs = 60000)
    {
        QElapsedTimer orologio;
        orologio.start();
        QStringList trovati;
        while (orologio.elapsed() < attesaMs) {
            cups_job_t *lavori = nullptr;
            const int attivi = cupsGetJobs(&lavori, nullptr, 0, CUPS_WHICHJOBS_ACTIVE);
            cupsFreeJobs(attivi, lavori);
            trovati = differenza();
            if (attivi <= 0 && trovati.size() >= attesi)
                break;
            QTest::qWait(100);
        }
        // A moment for a job still being written by the backend.
        QTest::qWait(200);
        trovati = differenza();
        m_prima = elenco();
        return trovati;
    }

    // Page size in points (as seen, rotation applied) and page count.
    struct Info
    {
        QSizeF pagina;
        int pagine = 0;
    };
    static Info info(const QString &pdf)
    {
        Info risultato;
        QProcess p;
        p.start(QStringLiteral("pdfinfo"), {pdf});
        p.waitForFinished(30000);
        const QString testo = QString::fromUtf8(p.readAllStandardOutput());
        const QRegularExpression dimensione(QStringLiteral("Page size:\\s+([0-9.]+) x ([0-9.]+)"));
        const QRegularExpression rotazione(QStringLiteral("Page rot:\\s+(\\d+)"));
        const QRegularExpression pagine(QStringLiteral("Pages:\\s+(\\d+)"));
        if (auto m = dimensione.match(testo); m.hasMatch())
            risultato.pagina = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
        if (auto m = rotazione.match(testo); m.hasMatch() && (m.captured(1).toInt() % 180) == 90)
            risultato.pagina.transpose();
        if (auto m = pagine.match(testo); m.hasMatch())
            risultato.pagine = m.captured(1).toInt();
        return risultato;
    }

    // Page 1 rendered by pdftoppm at the given resolution.
    static QImage pagina(const QString &pdf, int dpi, int numero = 1)
    {
        QTemporaryDir cartella;
        const QString base = cartella.filePath(QStringLiteral("pagina"));
        QProcess p;
        p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(dpi), QStringLiteral("-f"),
                                             QString::number(numero), QStringLiteral("-l"), QString::number(numero),
                                             QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, base});
        p.waitForFinished(60000);
        return QImage(base + QStringLiteral(".png"));
    }

    // The box of the dark pixels of a page, in millimetres from its top-left corner.
    static QRectF scuroMm(const QImage &pagina, int dpi, int soglia = 100)
    {
        int sinistra = pagina.width(), alto = pagina.height(), destra = -1, basso = -1;
        const QImage img = pagina.convertToFormat(QImage::Format_Grayscale8);
        for (int y = 0; y < img.height(); ++y) {
            const uchar *riga = img.constScanLine(y);
            for (int x = 0; x < img.width(); ++x) {
                if (riga[x] < soglia) {
                    sinistra = std::min(sinistra, x);
                    destra = std::max(destra, x);
                    alto = std::min(alto, y);
                    basso = std::max(basso, y);
                }
            }
        }
        if (destra < 0)
            return QRectF();
        const double mm = 25.4 / dpi;
        return QRectF(sinistra * mm, alto * mm, (destra + 1 - sinistra) * mm, (basso + 1 - alto) * mm);
    }

private:
    QStringList elenco() const
    {
        if (m_cartella.isEmpty())
            return {};
        return QDir(m_cartella).entryList({QStringLiteral("*.pdf")}, QDir::Files, QDir::Time | QDir::Reversed);
    }
    QStringList differenza() const
    {
        QStringList nuovi;
        for (const QString &nome : elenco()) {
            if (!m_prima.contains(nome))
                nuovi << QDir(m_cartella).filePath(nome);
        }
        // Oldest job first: the job number ends the name ("...-job_12.pdf").
        std::sort(nuovi.begin(), nuovi.end(), [](const QString &a, const QString &b) {
            static const QRegularExpression numero(QStringLiteral("job_(\\d+)\\.pdf$"));
            return numero.match(a).captured(1).toInt() < numero.match(b).captured(1).toInt();
        });
        return nuovi;
    }

    QString m_cartella;
    QStringList m_prima;
};
