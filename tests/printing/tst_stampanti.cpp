#include "StampaPdf.h"
#include "platform/StampantiCups.h"

#include <QApplication>
#include <QPainter>
#include <QTest>

namespace {

// A black square image, as a captured window would be.
Stampabile quadratoNero()
{
    QImage immagine(200, 200, QImage::Format_RGB888);
    immagine.fill(Qt::black);
    return {QStringLiteral("Prova"), immagine.size(),
            [immagine](QPainter &p, const QRectF &r) { p.drawImage(r, immagine); }};
}

} // namespace

// The CUPS printers through the private server of the test command: its PDF
// queue is the default, its PDFs are read back.
class TestStampanti : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY2(CartellaPdf().disponibile(), "run through scripts/test.sh or scripts/cups-privato.sh");
    }

    void elencoEPredefinita()
    {
        StampantiCups s;
        const QStringList nomi = s.nomi();
        QVERIFY(nomi.contains(QStringLiteral("PDF")));
        QCOMPARE(nomi.last(), Stampanti::nomeFilePdf());
        QCOMPARE(s.predefinita(), QStringLiteral("PDF"));
        ImpostazioniStampa imp;
        QVERIFY(s.apri(QStringLiteral("PDF"), imp));
        QVERIFY(imp.foglio.isValid());
        QVERIFY(!s.apri(QStringLiteral("NonEsiste"), imp));
    }

    // Whole millimetres of the printable area of A4 on the PDF queue (it
    // prints to the edges).
    void areaA4_data()
    {
        QTest::addColumn<int>("orientamento");
        QTest::addColumn<int>("larghezza");
        QTest::addColumn<int>("altezza");
        QTest::newRow("portrait") << 1 << 210 << 297;
        QTest::newRow("landscape") << 2 << 297 << 210;
    }
    void areaA4()
    {
        QFETCH(int, orientamento);
        QFETCH(int, larghezza);
        QFETCH(int, altezza);
        StampantiCups s;
        ImpostazioniStampa imp;
        imp.orientamento = orientamento;
        imp.foglio = QPageSize(QPageSize::A4);
        QVERIFY(s.apri(QStringLiteral("PDF"), imp));
        const std::optional<QSizeF> area = s.areaStampabile(QStringLiteral("PDF"), imp);
        QVERIFY(area);
        QCOMPARE(millimetriInteri(area->width()), larghezza);
        QCOMPARE(millimetriInteri(area->height()), altezza);
    }

    // The image lands where it was asked, within a millimetre, on an A4
    // sheet. A landscape page comes out of CUPS as a portrait sheet with its
    // content turned a quarter counter-clockwise (the way paper goes through
    // the printer): it is turned back before measuring.
    void immagineAlSuoPosto_data()
    {
        QTest::addColumn<int>("orientamento");
        QTest::addColumn<QSizeF>("foglioPunti");
        QTest::addColumn<QRect>("rettangolo");
        QTest::newRow("portrait 10/10 100x100") << 1 << QSizeF(595, 842) << QRect(10, 10, 100, 100);
        QTest::newRow("landscape 10/10 100x100") << 2 << QSizeF(842, 595) << QRect(10, 10, 100, 100);
        QTest::newRow("landscape 150/80 120x60") << 2 << QSizeF(842, 595) << QRect(150, 80, 120, 60);
    }
    void immagineAlSuoPosto()
    {
        QFETCH(int, orientamento);
        QFETCH(QSizeF, foglioPunti);
        QFETCH(QRect, rettangolo);
        StampantiCups s;
        ImpostazioniStampa imp;
        imp.orientamento = orientamento;
        QVERIFY(s.apri(QStringLiteral("PDF"), imp));
        CartellaPdf uscita;
        const RisultatoLavoro r = s.stampa(nullptr, QStringLiteral("PDF"), imp, quadratoNero(),
                                           {rettangolo.x(), rettangolo.y(), rettangolo.width(), rettangolo.height()},
                                           QStringLiteral("Posizione"), 1);
        QCOMPARE(r.esito, EsitoLavoro::Stampato);
        QCOMPARE(r.copieInviate, 1);
        const QStringList file = uscita.nuovi(1);
        QCOMPARE(file.size(), 1);
        const CartellaPdf::Info info = CartellaPdf::info(file.first());
        QCOMPARE(info.pagine, 1);
        QImage pagina = CartellaPdf::pagina(file.first(), 100);
        QSizeF foglio = info.pagina;
        if ((foglio.width() > foglio.height()) != (foglioPunti.width() > foglioPunti.height())) {
            foglio.transpose();
            pagina = pagina.transformed(QTransform().rotate(90));
        }
        QVERIFY2(qAbs(foglio.width() - foglioPunti.width()) < 2 && qAbs(foglio.height() - foglioPunti.height()) < 2,
                 qPrintable(QStringLiteral("page %1 x %2").arg(info.pagina.width()).arg(info.pagina.height())));
        const QRectF scuro = CartellaPdf::scuroMm(pagina, 100);
        const QRectF atteso(rettangolo);
        const QString dove = QStringLiteral("image at %1,%2 %3x%4 mm")
                                 .arg(scuro.x())
                                 .arg(scuro.y())
                                 .arg(scuro.width())
                                 .arg(scuro.height());
        QVERIFY2(qAbs(scuro.left() - atteso.left()) <= 1 && qAbs(scuro.top() - atteso.top()) <= 1
                     && qAbs(scuro.right() - atteso.right()) <= 1 && qAbs(scuro.bottom() - atteso.bottom()) <= 1,
                 qPrintable(dove));
    }

    // Each copy is a job of its own, one page each.
    void treCopieTreLavori()
    {
        StampantiCups s;
        ImpostazioniStampa imp;
        QVERIFY(s.apri(QStringLiteral("PDF"), imp));
        CartellaPdf uscita;
        const RisultatoLavoro r = s.stampa(nullptr, QStringLiteral("PDF"), imp, quadratoNero(), {10, 10, 50, 50},
                                           QStringLiteral("Copie"), 3);
        QCOMPARE(r.esito, EsitoLavoro::Stampato);
        QCOMPARE(r.copieInviate, 3);
        const QStringList file = uscita.nuovi(3);
        QCOMPARE(file.size(), 3);
        for (const QString &f : file)
            QCOMPARE(CartellaPdf::info(f).pagine, 1);
    }

    void nessunaCopiaNessunLavoro()
    {
        StampantiCups s;
        ImpostazioniStampa imp;
        QVERIFY(s.apri(QStringLiteral("PDF"), imp));
        CartellaPdf uscita;
        const RisultatoLavoro r = s.stampa(nullptr, QStringLiteral("PDF"), imp, quadratoNero(), {10, 10, 50, 50},
                                           QStringLiteral("Zero"), 0);
        QCOMPARE(r.esito, EsitoLavoro::Stampato);
        QCOMPARE(r.copieInviate, 0);
        QVERIFY(uscita.nuovi(0, 1500).isEmpty());
    }

    // A job for a queue that has gone away is reported, not lost quietly.
    void stampanteSparita()
    {
        StampantiCups s;
        ImpostazioniStampa imp;
        const RisultatoLavoro r = s.stampa(nullptr, QStringLiteral("Sparita"), imp, quadratoNero(),
                                           {10, 10, 50, 50}, QStringLiteral("Sparita"), 1);
        QCOMPARE(r.esito, EsitoLavoro::NonAvviato);
        QCOMPARE(r.copieInviate, 0);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestStampanti t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_stampanti.moc"
