#include "users/StampaGriglia.h"

#include <QGuiApplication>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

// The text of a PDF as poppler reads it back, one entry per page.
QStringList testoPagine(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
    if (!p.waitForFinished(30000) || p.exitCode() != 0)
        return {};
    QStringList pagine = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!pagine.isEmpty() && pagine.last().trimmed().isEmpty())
        pagine.removeLast();
    return pagine;
}

// "842 x 595 pts (A4)" -> the width and height in points of page 1.
QSizeF dimensionePagina(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(30000);
    const QRegularExpression re(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)"));
    const auto m = re.match(QString::fromUtf8(p.readAllStandardOutput()));
    return m.hasMatch() ? QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble()) : QSizeF();
}

GrigliaDaStampare griglia(int righe)
{
    GrigliaDaStampare g;
    g.utente = QStringLiteral("Niccolò");
    g.etichettaUtente = QStringLiteral("Niccolò");
    g.etichettaData = QStringLiteral("Esercizi eseguiti il 10/12/26");
    g.intestazioni = {QString(), QStringLiteral("Esercizio"), QStringLiteral("Livello "), QStringLiteral("Esatti "),
                      QStringLiteral("Errati "), QStringLiteral("Ignorate ")};
    for (int i = 1; i <= righe; ++i) {
        if (i % 3 == 0)
            g.righe.append(RigaRegistro {});
        else
            g.righe.append({i % 3 == 1 ? QStringLiteral("Trova gli intrusi") : QString(), QString::number(i % 5 + 1),
                            QString::number(100 + i), QString::number(200 + i)});
    }
    return g;
}

} // namespace

class TestStampaGriglia : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
            QFAIL("pdftotext (poppler-utils) is needed to read the printed page back");
    }

    // A short table: one landscape page with the user, both labels, the
    // headings and every cell, cut to nothing where a cell is empty.
    void paginaOrizzontaleConOgniTesto()
    {
        QTemporaryDir cartella;
        const QString pdf = cartella.filePath(QStringLiteral("griglia.pdf"));
        QPdfWriter scrittore(pdf);
        scrittore.setPageSize(QPageSize(QPageSize::A4));
        scrittore.setPageOrientation(QPageLayout::Portrait); // the grid turns it
        scrittore.setResolution(600);
        GrigliaDaStampare g = griglia(5);
        // The ignored presses, one short of the rows: the last cell stays empty.
        g.ignorate = QStringList {"0", "7", "", "3"};
        QVERIFY(StampaGriglia(scrittore, g));

        const QSizeF pagina = dimensionePagina(pdf);
        QVERIFY2(pagina.width() > pagina.height(), "the page is not landscape");
        const QStringList pagine = testoPagine(pdf);
        QCOMPARE(pagine.size(), 1);
        const QString testo = pagine.first();
        QCOMPARE(testo.count(QStringLiteral("Niccolò")), 2);
        QVERIFY(testo.contains(QStringLiteral("Esercizi eseguiti il 10/12/26")));
        // The heading lines come first, then the table below them.
        QVERIFY(testo.indexOf(QStringLiteral("Esercizi eseguiti")) < testo.indexOf(QStringLiteral("Esercizio")));
        const QStringList righe = testo.split(QLatin1Char('\n'));
        auto rigaCon = [&righe](const QString &inizio) {
            for (const QString &r : righe) {
                if (r.simplified().startsWith(inizio))
                    return r.simplified();
            }
            return QString();
        };
        QCOMPARE(rigaCon(QStringLiteral("Esercizio")), QStringLiteral("Esercizio Livello Esatti Errati Ignorate"));
        QCOMPARE(rigaCon(QStringLiteral("1 ")), QStringLiteral("1 Trova gli intrusi 2 101 201 0"));
        QCOMPARE(rigaCon(QStringLiteral("2 ")), QStringLiteral("2 3 102 202 7"));
        QCOMPARE(rigaCon(QStringLiteral("3")), QStringLiteral("3"));
        QCOMPARE(rigaCon(QStringLiteral("4 ")), QStringLiteral("4 Trova gli intrusi 5 104 204 3"));
        QCOMPARE(rigaCon(QStringLiteral("5 ")), QStringLiteral("5 1 105 205"));
    }

    // A text wider than its column is cut; a full table runs over pages,
    // each starting with the heading row, and every row is printed once.
    void tabellaLungaETestiTagliati()
    {
        QTemporaryDir cartella;
        const QString pdf = cartella.filePath(QStringLiteral("lunga.pdf"));
        QPdfWriter scrittore(pdf);
        scrittore.setPageSize(QPageSize(QPageSize::A4));
        scrittore.setResolution(300);
        GrigliaDaStampare g = griglia(500);
        const QString lungo = QStringLiteral("Colora la pinnola ").repeated(6) + QStringLiteral("FINE");
        g.righe[0][0] = lungo;
        QVERIFY(StampaGriglia(scrittore, g));

        const QStringList pagine = testoPagine(pdf);
        QVERIFY2(pagine.size() > 10, qPrintable(QString::number(pagine.size())));
        QString tutto;
        for (const QString &p : pagine) {
            QVERIFY(p.contains(QStringLiteral("Esercizio")));
            tutto += p;
        }
        QVERIFY(tutto.contains(QStringLiteral("Colora la pinnola")));
        QVERIFY(!tutto.contains(QStringLiteral("FINE")));
        for (int i = 1; i <= 500; ++i) {
            if (i % 3 != 0) {
                QVERIFY2(tutto.count(QStringLiteral(" %1 ").arg(100 + i)) == 1, qPrintable(QString::number(i)));
            }
        }
        QVERIFY(pagine.last().contains(QStringLiteral("500")));
    }
};

QTEST_MAIN(TestStampaGriglia)
#include "tst_stampagriglia.moc"
