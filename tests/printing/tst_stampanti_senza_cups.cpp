#include "StampaPdf.h"
#include "platform/StampantiCups.h"
#include "printing/AccessoStampante.h"

#include "core/Lingua.h"
#include "core/Percorsi.h"

#include "DialoghiFinti.h"
#include "TestPaths.h"
#include "MessaggiFinti.h"

#include <QApplication>
#include <QPainter>
#include <QTemporaryDir>
#include <QTest>

// With no print server at all, the "PDF file" entry is the default printer
// and a print becomes a PDF wherever the user chooses, one page per copy.
class TestStampantiSenzaCups : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_cartella;

private slots:
    void initTestCase()
    {
        // A server address where nothing listens.
        qputenv("CUPS_SERVER", QFile::encodeName(m_cartella.filePath(QStringLiteral("nessuno.sock"))));
        Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_PROGRAM_DIR));
        LinguaCorrente() = QStringLiteral("Italiano");
    }

    void fileLaPredefinita()
    {
        StampantiCups s;
        QCOMPARE(s.nomi(), QStringList{Stampanti::nomeFilePdf()});
        QCOMPARE(s.predefinita(), Stampanti::nomeFilePdf());
        ImpostazioniStampa imp;
        QVERIFY(s.apri(Stampanti::nomeFilePdf(), imp));
        QCOMPARE(imp.foglio.id(), QPageSize::A4);
        const std::optional<QSizeF> area = s.areaStampabile(Stampanti::nomeFilePdf(), imp);
        QVERIFY(area);
        QCOMPARE(millimetriInteri(area->width()), 210);
        QCOMPARE(millimetriInteri(area->height()), 297);
    }

    void dueCopieDuePagine()
    {
        const QString percorso = m_cartella.filePath(QStringLiteral("stampa.pdf"));
        QString titoloChiesto;
        StampantiCups s([&](QWidget *, const QString &titolo) {
            titoloChiesto = titolo;
            return percorso;
        });
        ImpostazioniStampa imp;
        imp.orientamento = 2;
        QVERIFY(s.apri(Stampanti::nomeFilePdf(), imp));
        QImage nero(50, 50, QImage::Format_RGB888);
        nero.fill(Qt::black);
        const Stampabile oggetto{QStringLiteral("Prova"), nero.size(),
                                 [nero](QPainter &p, const QRectF &r) { p.drawImage(r, nero); }};
        const RisultatoLavoro r = s.stampa(nullptr, Stampanti::nomeFilePdf(), imp, oggetto, {20, 30, 40, 50},
                                           QStringLiteral("Due copie"), 2);
        QCOMPARE(r.esito, EsitoLavoro::Stampato);
        QCOMPARE(r.copieInviate, 2);
        QCOMPARE(titoloChiesto, QStringLiteral("Due copie"));
        const CartellaPdf::Info info = CartellaPdf::info(percorso);
        QCOMPARE(info.pagine, 2);
        QVERIFY(qAbs(info.pagina.width() - 842) < 2 && qAbs(info.pagina.height() - 595) < 2);
        const QRectF scuro = CartellaPdf::scuroMm(CartellaPdf::pagina(percorso, 100, 2), 100);
        QVERIFY2(qAbs(scuro.x() - 20) <= 1 && qAbs(scuro.y() - 30) <= 1 && qAbs(scuro.width() - 40) <= 1
                     && qAbs(scuro.height() - 50) <= 1,
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(scuro.x()).arg(scuro.y()).arg(scuro.width()).arg(scuro.height())));
    }

    // The quick print of a window: the program's save dialog says that no
    // printer was found and asks where the PDF goes.
    void stampaVeloceChiedeIlFile()
    {
        DialoghiFinti dialoghi;
        MessaggiFinti messaggi;
        const QString percorso = m_cartella.filePath(QStringLiteral("veloce.pdf"));
        dialoghi.percorsi << percorso;
        StampantiCups s;
        impostaStampanti(&s);
        QImage nero(300, 200, QImage::Format_RGB888);
        nero.fill(Qt::black);
        QVERIFY(stampaVeloce(nullptr, stampabileDaImmagine(QStringLiteral("FormEs1"), nero), QStringLiteral("Vero o falso")));
        impostaStampanti(nullptr);
        QCOMPARE(dialoghi.richiesteFile.size(), 1);
        QCOMPARE(dialoghi.richiesteFile.first().titolo,
                 QStringLiteral("Nessuna stampante trovata: salva la stampa come file PDF"));
        QVERIFY(!dialoghi.richiesteFile.first().apri);
        QCOMPARE(dialoghi.richiesteFile.first().nomePredefinito, QStringLiteral("Vero o falso.pdf"));
        QVERIFY(messaggi.mostrati.isEmpty());
        const CartellaPdf::Info info = CartellaPdf::info(percorso);
        QCOMPARE(info.pagine, 1);
        // A wide window on a landscape sheet, filling its width.
        QVERIFY(info.pagina.width() > info.pagina.height());
        const QRectF scuro = CartellaPdf::scuroMm(CartellaPdf::pagina(percorso, 100), 100);
        QVERIFY2(qAbs(scuro.width() - 297) <= 1 && qAbs(scuro.height() - 198) <= 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(scuro.width()).arg(scuro.height())));
    }

    // A print to a CUPS printer remembered from before, with the server gone:
    // a message that says so, nothing printed.
    void stampanteSenzaServer()
    {
        MessaggiFinti messaggi;
        StampantiCups s;
        impostaStampanti(&s);
        QString nome = QStringLiteral("PDF");
        ImpostazioniStampa imp;
        QVERIFY(!OpenDocPrinter(nome, imp));
        impostaStampanti(nullptr);
        QCOMPARE(messaggi.mostrati, QStringList{QStringLiteral("Non è possibile usare la stampante.\n")});
        QCOMPARE(messaggi.titoli, QStringList{QStringLiteral(" Errore in frmStampaFPB/OpenDocPrinter")});
    }

    void salvataggioAnnullato()
    {
        StampantiCups s([](QWidget *, const QString &) { return QString(); });
        ImpostazioniStampa imp;
        QVERIFY(s.apri(Stampanti::nomeFilePdf(), imp));
        const RisultatoLavoro r = s.stampa(nullptr, Stampanti::nomeFilePdf(), imp, {}, {10, 10, 10, 10},
                                           QStringLiteral("Annullata"), 1);
        QCOMPARE(r.esito, EsitoLavoro::Annullato);
        QCOMPARE(r.copieInviate, 0);
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestStampantiSenzaCups t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_stampanti_senza_cups.moc"
