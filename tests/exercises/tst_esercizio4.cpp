#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "exercises/es4/Esercizio4.h"
#include "vocabulary/ModuloColoriSuoni.h"
#include "vocabulary/Parole.h"

#include "Copione.h"
#include "TestPaths.h"

#include <QTest>

Q_DECLARE_METATYPE(Esercizio4::Esito)

namespace {

TabellaColoriTipo coloriPredefiniti()
{
    TabellaColoriTipo t;
    ColoriPredefiniti(t);
    return t;
}

// Draws of a new item: smoke and clouds, then per part its colour (and
// before it, at levels 3 and 6, its polarity: 0 affirmative).
QList<double> item(const QList<int> &colori, const QList<int> &polarita = {})
{
    QList<double> r{bit(1), bit(0)};
    for (int i = 0; i < colori.size(); ++i) {
        if (!polarita.isEmpty())
            r << bit(polarita.at(i));
        r << colore(colori.at(i));
    }
    return r;
}

double parte6(int k) { return (k - 0.5) / 6; }

} // namespace

class TestEsercizio4 : public QObject
{
    Q_OBJECT

private:
    TabellaParoleTipo m_parole;
    const TabellaColoriTipo m_colori = coloriPredefiniti();

    // Clicks a part until it shows colour c (the cycle is shared).
    static void colora(Esercizio4 &es, int parte, int c)
    {
        for (int i = 0; i < 4 && es.ColoreDato(parte) != c; ++i)
            es.clicSuParte(parte);
        QCOMPARE(es.ColoreDato(parte), c);
    }

private slots:
    void initTestCase()
    {
        Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_DATA_DIR));
        LinguaCorrente() = QStringLiteral("Italiano");
        CaricaParole(m_parole);
    }

    // The six sentences of a level, in the draw order of the item, with
    // the colours each admits.
    void frasi_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<QList<double>>("estrazioni");
        QTest::addColumn<QString>("stile");
        QTest::addColumn<QStringList>("frasi");
        QTest::addColumn<QStringList>("ammessi"); // per part, the admitted slots

        QTest::newRow("level 1 affirmative")
            << 1 << item({1, 2, 3, 4, 2, 4}) << QStringLiteral("minuscolo")
            << QStringList{"Il comignolo è verde.", "Il tetto è rosso.", "Le pareti sono blu.",
                           "Le finestre sono gialle.", "La porta è rossa.", "Il gradino è giallo."}
            << QStringList{"1", "2", "3", "4", "2", "4"};
        QTest::newRow("level 5 negative")
            << 5 << item({2, 1, 2, 2, 4, 1}) << QStringLiteral("minuscolo")
            << QStringList{"Il comignolo non è rosso.", "Il tetto non è verde.", "Le pareti non sono rosse.",
                           "Le finestre non sono rosse.", "La porta non è gialla.", "Il gradino non è verde."}
            << QStringList{"134", "234", "134", "134", "123", "234"};
        QTest::newRow("level 3 mixed, capitals")
            << 3 << item({3, 3, 1, 4, 3, 2}, {0, 1, 1, 0, 0, 1}) << QStringLiteral("maiuscolo")
            << QStringList{"IL COMIGNOLO È BLU.", "IL TETTO NON È BLU.", "LE PARETI NON SONO VERDI.",
                           "LE FINESTRE SONO GIALLE.", "LA PORTA È BLU.", "IL GRADINO NON È ROSSO."}
            << QStringList{"3", "124", "234", "4", "3", "134"};
    }

    void frasi()
    {
        QFETCH(int, livello);
        QFETCH(QList<double>, estrazioni);
        QFETCH(QString, stile);
        QFETCH(QStringList, frasi);
        QFETCH(QStringList, ammessi);
        Copione fonte(estrazioni);
        Esercizio4 es(fonte, m_parole, m_colori);
        es.GeneraEsercizio(livello, stile);
        QVERIFY(es.fumo());
        QVERIFY(!es.nuvole());
        for (int p = 1; p <= 6; ++p) {
            QCOMPARE(es.FrasiParti(p), frasi.at(p - 1));
            QString colori;
            for (int c = 1; c <= 4; ++c) {
                if (es.Ammesso(p, c))
                    colori += QString::number(c);
            }
            QCOMPARE(colori, ammessi.at(p - 1));
            QVERIFY(es.Ammesso(p, 0));
            QCOMPARE(es.ColoreDato(p), 0);
        }
        QVERIFY(fonte.esaurita());
        QCOMPARE(fonte.oltre(), 0);
        QCOMPARE(es.riepilogo(), frasi.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
    }

    // Each draw gives a sentence not yet presented; once all six are, none.
    void presentazione()
    {
        Copione fonte(item({1, 1, 1, 1, 1, 1})
                      + QList<double>{parte6(3), parte6(3), parte6(1), parte6(3), parte6(6), parte6(2),
                                      parte6(5), parte6(4)});
        Esercizio4 es(fonte, m_parole, m_colori);
        es.GeneraEsercizio(1, QStringLiteral("minuscolo"));
        QList<int> ordine;
        for (int i = 0; i < 6; ++i)
            ordine << es.estraiFrase();
        QCOMPARE(ordine, (QList<int>{3, 1, 6, 2, 5, 4}));
        QCOMPARE(es.FraseCorrente(), 4);
        QCOMPARE(es.estraiFrase(), -1);
        QCOMPARE(fonte.oltre(), 0);
        es.azzeraPresentate();
        QVERIFY(!es.Presentata(3));
    }

    // The mouse's colour counter is shared: the roof and then the walls get
    // consecutive colours; a locked part takes no colour but the counter
    // still moves; reports above 6 or below 0 change nothing; 0 only moves it.
    void cicloDelMouse()
    {
        Copione fonte(item({2, 2, 2, 2, 2, 2}) + QList<double>{parte6(2)});
        Esercizio4 es(fonte, m_parole, m_colori);
        es.GeneraEsercizio(1, QStringLiteral("minuscolo"));
        QCOMPARE(es.clicSuParte(Tetto), int(Tetto));
        QCOMPARE(es.clicSuParte(Pareti), int(Pareti));
        QCOMPARE(es.ColoreDato(Tetto), 1);
        QCOMPARE(es.ColoreDato(Pareti), 2);
        for (int fuori : {7, 8, 9, -1, 1000}) {
            QCOMPARE(es.clicSuParte(fuori), 0);
            QCOMPARE(es.ColoreCorrente(), 2);
        }
        QCOMPARE(es.clicSuParte(0), 0);
        QCOMPARE(es.ColoreCorrente(), 3);

        es.estraiFrase(); // the roof's sentence, "red"
        colora(es, Tetto, 2);
        QCOMPARE(es.verifica().esito, Esercizio4::Esito::Esatta);
        QVERIFY(!es.Ammesso(Tetto, 0));
        const int prima = es.ColoreCorrente();
        QCOMPARE(es.clicSuParte(Tetto), 0);
        QCOMPARE(es.ColoreDato(Tetto), 2);
        QCOMPARE(es.ColoreCorrente(), prima % 4 + 1);
    }

    // Levels 1 to 3: the check is about the current sentence only.
    void verificaUnaAllaVolta()
    {
        // Door: "La porta non è verde".
        Copione fonte(item({1, 1, 1, 1, 1, 1}) + QList<double>{parte6(Porta)});
        Esercizio4 es(fonte, m_parole, m_colori);
        es.GeneraEsercizio(2, QStringLiteral("minuscolo"));
        QCOMPARE(es.estraiFrase(), int(Porta));
        colora(es, Tetto, 1);
        QCOMPARE(es.verifica().esito, Esercizio4::Esito::Nessuno);
        colora(es, Porta, 1);
        QCOMPARE(es.verifica().esito, Esercizio4::Esito::Errata);
        QCOMPARE(es.Fatte(), 0);
        colora(es, Porta, 3);
        QCOMPARE(es.verifica().esito, Esercizio4::Esito::Esatta);
        QCOMPARE(es.Fatte(), 1);
        QVERIFY(!es.Ammesso(Porta, 0));
        // Answered: checking again changes nothing.
        QCOMPARE(es.verifica().esito, Esercizio4::Esito::Nessuno);
        QCOMPARE(es.Fatte(), 1);
    }

    // Levels 4 to 6: every coloured part is judged; a wrong one counts, a
    // grey one does not; parts right stay locked and count again.
    void verificaTutte_data()
    {
        QTest::addColumn<QList<int>>("dati"); // colour given to parts 1..6, 0 grey
        QTest::addColumn<Esercizio4::Esito>("esito");
        QTest::addColumn<int>("errate");
        QTest::addColumn<int>("fatte");

        // Sentences (level 4): all affirmative, slots 1 2 3 4 1 2.
        QTest::newRow("all right") << QList<int>{1, 2, 3, 4, 1, 2} << Esercizio4::Esito::Completa << 0 << 6;
        QTest::newRow("two wrong") << QList<int>{1, 3, 3, 1, 1, 2} << Esercizio4::Esito::Incompleta << 2 << 0;
        QTest::newRow("one grey") << QList<int>{1, 2, 3, 4, 1, 0} << Esercizio4::Esito::Incompleta << 0 << 0;
        QTest::newRow("none coloured") << QList<int>{0, 0, 0, 0, 0, 0} << Esercizio4::Esito::Incompleta << 0 << 0;
    }

    void verificaTutte()
    {
        QFETCH(QList<int>, dati);
        QFETCH(Esercizio4::Esito, esito);
        QFETCH(int, errate);
        QFETCH(int, fatte);
        Copione fonte(item({1, 2, 3, 4, 1, 2}));
        Esercizio4 es(fonte, m_parole, m_colori);
        es.GeneraEsercizio(4, QStringLiteral("minuscolo"));
        for (int p = 1; p <= 6; ++p) {
            if (dati.at(p - 1))
                colora(es, p, dati.at(p - 1));
        }
        const Esercizio4::Giudizio g = es.verifica();
        QCOMPARE(g.esito, esito);
        QCOMPARE(g.errate, errate);
        QCOMPARE(es.Fatte(), fatte);
        if (esito == Esercizio4::Esito::Completa)
            return;
        // Every part coloured right at the check is locked; the rest are
        // put right and a second check completes the house.
        for (int p = 1; p <= 6; ++p)
            QCOMPARE(es.Ammesso(p, 0), dati.at(p - 1) != es.ColoreFrase(p));
        for (int p = 1; p <= 6; ++p) {
            if (es.Ammesso(p, 0))
                colora(es, p, es.ColoreFrase(p));
        }
        const Esercizio4::Giudizio secondo = es.verifica();
        QCOMPARE(secondo.esito, Esercizio4::Esito::Completa);
        QCOMPARE(secondo.errate, 0);
        QCOMPARE(es.Fatte(), 6);
    }
};

QTEST_GUILESS_MAIN(TestEsercizio4)
#include "tst_esercizio4.moc"
