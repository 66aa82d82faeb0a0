#include "StoriaGenerata.h"
#include "UsciteCups.h"
#include "core/StoriaProgressi.h"
#include "users/FinestraProgressi.h"
#include "users/FormProgressi.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QPushButton>

// The progress pages printed for real: the private CUPS server of the test
// command takes the job on its PDF queue, and the pages are read back.
class TestProgressiCups : public QObject
{
    Q_OBJECT

private slots:
    // The window comes with its module in the program; this test links it.
    void initTestCase() { installaFinestraProgressi(); }
    void iProgressiArrivanoAllaStampante()
    {
        UsciteCups stampa;
        QVERIFY2(stampa.uscite.disponibile(), UsciteCups::senzaServer);
        QVERIFY(stampa.pdfPredefinita());
        AmbienteMenu &ambiente = stampa.ambiente;

        const QDate oggi(2026, 12, 11);
        const QList<SegmentoStoria> trimestre = annoGenerato(5, QDate(2026, 9, 14), QDate(2026, 12, 10));
        {
            QFile f(percorsoUtente(QStringLiteral("Giulia")));
            QVERIFY(f.open(QIODevice::WriteOnly));
            StoriaProgressi storia(percorsoStoria(QStringLiteral("Giulia")));
            QCOMPARE(storia.apri(), StoriaProgressi::Esito::Nuova);
            for (const SegmentoStoria &s : trimestre)
                QVERIFY(storia.aggiungi(s));
        }
        StatoProgramma &s = Stato();
        s.UtenteCorrente = QStringLiteral("Giulia");
        s.PercorsoImpostazioni = percorsoUtente(s.UtenteCorrente);
        s.imp.TracciaAttivita = true;
        FormMenu *menu = ambiente.apriMenu();
        QVERIFY(menu);
        menu->mnuProgressi()->trigger();
        auto *f = AmbienteMenu::aperta<FormProgressi>();
        QVERIFY(f);
        f->impostaOggi(oggi);
        QTRY_VERIFY(f->attivata());
        f->cboPeriodo()->setCurrentIndex(1); // this school year
        QCOMPARE(f->segmentiPeriodo().size(), trimestre.size());

        QTest::mouseClick(f->cmdStampa(), Qt::LeftButton);
        QVERIFY2(ambiente.messaggi->mostrati.isEmpty(), qPrintable(ambiente.messaggi->mostrati.join(QLatin1Char('\n'))));
        QVERIFY(stampa.dialoghi.richiesteFile.isEmpty());

        const QStringList pdf = stampa.uscite.nuovi(1);
        QCOMPARE(pdf.size(), 1);
        const ProgressiDaStampare pagine = f->progressiDaStampare();
        QCOMPARE(pagine.esercizi.size(), 8);
        const CartellaPdf::Info info = CartellaPdf::info(pdf.first());
        QVERIFY(info.pagine >= 8); // each exercise from a page of its own
        QProcess testo;
        testo.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf.first(), QStringLiteral("-")});
        QVERIFY(testo.waitForFinished(30000));
        const QString letto = QString::fromUtf8(testo.readAllStandardOutput());
        QCOMPARE(letto.count(QStringLiteral("Progressi di Giulia")), info.pagine);
        QVERIFY(letto.contains(QStringLiteral("Pagina %1 di %1").arg(info.pagine)));
        const QLocale italiano(QLocale::Italian, QLocale::Italy);
        for (const EsercizioProgressi &e : pagine.esercizi) {
            QVERIFY2(letto.contains(TestiProgressi::nomeEsercizio(e.esercizio)), qPrintable(e.esercizio));
            // Every date of the exercise is a row with its figures.
            for (const GiornoProgressi &g : e.giorni) {
                const QString riga = QStringLiteral("%1 %2 %3 %4")
                                         .arg(italiano.toString(g.data, QLocale::ShortFormat))
                                         .arg(g.livelloMassimo)
                                         .arg(testoQuota(g.quotaEsatte(), italiano).remove(QChar(0xa0)))
                                         .arg(testoPerDieci(g.ignoratePerDieci(), italiano));
                QVERIFY2(letto.simplified().remove(QStringLiteral(" %")).contains(QString(riga).remove(QLatin1Char('%'))),
                         qPrintable(riga));
            }
        }
    }
};

QTEST_MAIN(TestProgressiCups)
#include "tst_progressi_cups.moc"
