#include "core/OpzioniAccesso.h"
#include "framework/FiltroSensore.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QTest>

// The switch-access options: the filters of presses, the rhythm of automatic
// scanning and the file that keeps the options of one user.
class TestAccesso : public QObject
{
    Q_OBJECT

private slots:
    // A script of "p<switch><ms>" (down) and "r<switch><ms>" (up) events, the
    // switch 's' (space) or 'e' (enter). The caller checks the acceptance
    // time at every event, as the scanning mechanism does on its timer.
    void filtri_data()
    {
        QTest::addColumn<int>("accettazione");
        QTest::addColumn<int>("antirimbalzo");
        QTest::addColumn<QString>("eventi");
        QTest::addColumn<int>("azioni");
        QTest::addColumn<int>("ignorate");

        QTest::newRow("no filter: every press acts") << 0 << 0 << "ps0 rs50 ps60 rs100" << 2 << 0;
        QTest::newRow("tap shorter than acceptance") << 300 << 0 << "ps0 rs100" << 0 << 1;
        QTest::newRow("hold longer than acceptance") << 300 << 0 << "ps0 rs500" << 1 << 0;
        QTest::newRow("hold exactly the acceptance") << 300 << 0 << "ps0 rs300" << 1 << 0;
        QTest::newRow("double hit within debounce") << 0 << 500 << "ps0 rs80 ps200 rs260" << 1 << 1;
        QTest::newRow("second hit after debounce") << 0 << 500 << "ps0 rs80 ps600 rs700" << 2 << 0;
        QTest::newRow("second hit as the debounce ends") << 0 << 500 << "ps0 rs80 ps580 rs700" << 2 << 0;
        QTest::newRow("second hit a moment before") << 0 << 500 << "ps0 rs80 ps579 rs700" << 1 << 1;
        QTest::newRow("debounce counts from the release") << 0 << 500 << "ps0 rs1000 ps1200 rs1300" << 1 << 1;
        QTest::newRow("ignored hit does not extend debounce") << 0 << 500 << "ps0 rs10 ps100 rs150 ps520 rs600"
                                                              << 2 << 1;
        QTest::newRow("both filters") << 300 << 500 << "ps0 rs100 ps200 rs600 ps900 rs1300 ps1500 rs1900" << 2
                                      << 2;
        QTest::newRow("two switches debounce apart") << 0 << 500 << "ps0 rs50 pe100 re150" << 2 << 0;
    }

    void filtri()
    {
        QFETCH(int, accettazione);
        QFETCH(int, antirimbalzo);
        QFETCH(QString, eventi);
        QFETCH(int, azioni);
        QFETCH(int, ignorate);

        FiltroSensore f;
        f.imposta(accettazione, antirimbalzo);
        int fatte = 0;
        int tenute = 0; // presses that took hold (the timer stops in automatic scanning)
        for (const QString &e : eventi.split(QLatin1Char(' '))) {
            const int tasto = e.at(1) == QLatin1Char('s') ? 32 : 13;
            const qint64 t = e.mid(2).toLongLong();
            if (e.at(0) == QLatin1Char('p')) {
                if (f.premuto(tasto, t) == FiltroSensore::Esito::Accettata)
                    ++tenute;
            } else {
                if (f.matura(tasto, t))
                    ++tenute;
                if (f.rilasciato(tasto, t))
                    ++fatte;
            }
        }
        QCOMPARE(fatte, azioni);
        QCOMPARE(tenute, azioni); // a release acts only after its press took hold
        QCOMPARE(f.ignorate(), ignorate);
    }

    // The acceptance time is reached while the switch is still held: the
    // press takes hold once, at that moment.
    void pressioneMaturaUnaVolta()
    {
        FiltroSensore f;
        f.imposta(300, 0);
        QCOMPARE(f.premuto(32, 1000), FiltroSensore::Esito::InAttesa);
        QCOMPARE(f.attesaRimanente(32, 1100), qint64(200));
        QCOMPARE(f.attesaRimanente(32, 1450), qint64(0)); // late, never a wait below zero
        QCOMPARE(f.attesaRimanente(13, 1100), qint64(-1)); // that switch is not down
        QVERIFY(!f.matura(32, 1200));
        QVERIFY(f.matura(32, 1300));
        QVERIFY(!f.matura(32, 1400));
        QVERIFY(f.rilasciato(32, 3000));
        QVERIFY(!f.rilasciato(32, 3010)); // a release with no press cannot have been held
        f.imposta(0, 0);
        QVERIFY(f.rilasciato(32, 3020)); // without an acceptance time it acts, as unfiltered
    }

    // Ticks on a ring of three positions starting at 0; each tick writes the
    // position the highlight is on after it, or '-' once scanning stopped.
    void ritmo_data()
    {
        QTest::addColumn<int>("sosta");
        QTest::addColumn<int>("limite");
        QTest::addColumn<QString>("posizioni");

        QTest::newRow("defaults: as without options") << 1 << 0 << "1201201";
        QTest::newRow("first position held twice") << 2 << 0 << "0120012";
        QTest::newRow("first position held three times") << 3 << 0 << "0012000";
        QTest::newRow("stops after two turns") << 1 << 2 << "120120-";
        QTest::newRow("dwell and one turn") << 2 << 1 << "0120---";
    }

    void ritmo()
    {
        QFETCH(int, sosta);
        QFETCH(int, limite);
        QFETCH(QString, posizioni);

        RitmoScansione r;
        r.imposta(sosta, limite);
        int p = 0;
        bool fermo = false;
        QString visti;
        for (int tick = 0; tick < posizioni.size(); ++tick) {
            if (fermo) {
                visti += QLatin1Char('-');
                continue;
            }
            if (r.puoAvanzare()) {
                p = (p + 1) % 3;
                fermo = r.avanzato(p == 0);
            }
            visti += QString::number(p);
        }
        QCOMPARE(visti, posizioni);
    }

    void filePercorso_data()
    {
        QTest::addColumn<QString>("impostazioni");
        QTest::addColumn<QString>("accesso");
        QTest::newRow("default user") << "/c/pinnole/_predefinito.INI" << "/c/pinnole/_predefinito.accesso";
        QTest::newRow("named user") << "/c/pinnole/Marco.ini" << "/c/pinnole/Marco.accesso";
        QTest::newRow("dotted name") << "/c/pinnole/A.ini.ini" << "/c/pinnole/A.ini.accesso";
    }

    void filePercorso()
    {
        QFETCH(QString, impostazioni);
        QFETCH(QString, accesso);
        QCOMPARE(percorsoOpzioniAccesso(impostazioni), accesso);
    }

    void fileAndataERitorno()
    {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("Marco.accesso"));
        QCOMPARE(LeggiOpzioniAccesso(percorso), OpzioniAccesso()); // missing: defaults

        OpzioniAccesso o;
        o.accettazioneMs = 300;
        o.antirimbalzoMs = 500;
        o.sostaPrimaPosizione = 3;
        o.limiteGiri = 4;
        o.scansioneParlata = true;
        o.spessoreEvidenziazione = 12;
        QVERIFY(SalvaOpzioniAccesso(percorso, o));
        QCOMPARE(LeggiOpzioniAccesso(percorso), o);

        QFile file(percorso);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray byte = file.readAll();
        QVERIFY(byte.startsWith("accettazione=300\r\n"));
        QCOMPARE(byte.count('\n'), 6);
        QCOMPARE(QDir(cartella.path()).entryList(QDir::Files), QStringList{QStringLiteral("Marco.accesso")});
    }

    void fileDanneggiato_data()
    {
        QTest::addColumn<QString>("testo");
        QTest::addColumn<int>("accettazione");
        QTest::addColumn<int>("spessore");
        QTest::addColumn<bool>("parlata");

        QTest::newRow("empty") << "" << 0 << 0 << false;
        QTest::newRow("not numbers") << "accettazione=molto\nspessoreevidenziazione=x" << 0 << 0 << false;
        QTest::newRow("out of range") << "accettazione=5000\nspessoreevidenziazione=5" << 0 << 0 << false;
        QTest::newRow("negative") << "accettazione=-1" << 0 << 0 << false;
        QTest::newRow("no rest on the first position, turns beyond the limit")
            << "sostaprimaposizione=0\nlimitegiri=11" << 0 << 0 << false;
        QTest::newRow("rest beyond the limit") << "sostaprimaposizione=4\nlimitegiri=-1" << 0 << 0 << false;
        QTest::newRow("unknown lines skipped") << "colore=rosso\naccettazione=250\n=3\n" << 250 << 0 << false;
        QTest::newRow("spaces and case") << " Accettazione = 100 \r\nSCANSIONEPARLATA=true\r\nspessoreevidenziazione=8"
                                         << 100 << 8 << true;
        QTest::newRow("boolean not a word") << "scansioneparlata=1" << 0 << 0 << false;
        QTest::newRow("binary garbage") << QString::fromLatin1("\x01\xff=\x02\nspessoreevidenziazione=4") << 0 << 4
                                        << false;
    }

    void fileDanneggiato()
    {
        QFETCH(QString, testo);
        QFETCH(int, accettazione);
        QFETCH(int, spessore);
        QFETCH(bool, parlata);
        const OpzioniAccesso o = leggiRigheOpzioniAccesso(testo.split(QRegularExpression(QStringLiteral("\r?\n"))));
        QCOMPARE(o.accettazioneMs, accettazione);
        QCOMPARE(o.spessoreEvidenziazione, spessore);
        QCOMPARE(o.scansioneParlata, parlata);
        QCOMPARE(o.antirimbalzoMs, 0);
        QCOMPARE(o.sostaPrimaPosizione, 1);
        QCOMPARE(o.limiteGiri, 0);
    }
};

QTEST_GUILESS_MAIN(TestAccesso)
#include "tst_accesso.moc"
