#include "core/Casuale.h"
#include "core/Impostazioni.h"
#include "exercises/es1/Esercizio1.h"
#include "vocabulary/ModuloColoriSuoni.h"
#include "vocabulary/Parole.h"

#include "Copione.h"

#include <QHash>
#include <QTest>

namespace {

// Chimney green, roof red, walls red, windows blue, door red, step yellow,
// no smoke, clouds (default colour table).
QList<double> casa()
{
    return {colore(1), colore(2), colore(2), colore(3), colore(2), colore(4), bit(0), bit(1)};
}

// Everything yellow, with smoke and without clouds.
QList<double> casaGialla()
{
    return {colore(4), colore(4), colore(4), colore(4), colore(4), colore(4), bit(1), bit(0)};
}

TabellaParoleTipo paroleDiProva()
{
    // Capitals as a language file writes them, so the case rule shows.
    static const QHash<QString, QString> testi{
        {QStringLiteral("0007"), QStringLiteral("Il tetto è")},
        {QStringLiteral("0008"), QStringLiteral("Le pareti sono")},
        {QStringLiteral("0009"), QStringLiteral("Le finestre sono")},
        {QStringLiteral("0010"), QStringLiteral("La porta è")},
        {QStringLiteral("0011"), QStringLiteral("Il gradino è")},
        {QStringLiteral("0016"), QStringLiteral("C'è il fumo")},
        {QStringLiteral("0017"), QStringLiteral("Non c'è il fumo")},
        {QStringLiteral("0020"), QStringLiteral("e")},
        {QStringLiteral("0021"), QStringLiteral("Non ci sono le nuvole")},
        {QStringLiteral("0022"), QStringLiteral("Ci sono le nuvole")},
        {QStringLiteral("0026"), QStringLiteral("Il comignolo è")},
        {QStringLiteral("0027"), QStringLiteral("Il comignolo non è")},
        {QStringLiteral("0028"), QStringLiteral("Il tetto non è")},
        {QStringLiteral("0029"), QStringLiteral("Le pareti non sono")},
        {QStringLiteral("0030"), QStringLiteral("La porta non è")},
        {QStringLiteral("0031"), QStringLiteral("Le finestre non sono")},
        {QStringLiteral("0032"), QStringLiteral("Il gradino non è")},
    };
    TabellaParoleTipo t;
    // Any other entry shows its key, so a wrong entry cannot pass unseen.
    CaricaParole(t, [](const QString &chiave) {
        return testi.value(chiave, QLatin1Char('<') + chiave + QLatin1Char('>'));
    });
    return t;
}

TabellaColoriTipo coloriPredefiniti()
{
    TabellaColoriTipo t;
    ColoriPredefiniti(t);
    return t;
}

} // namespace

Q_DECLARE_METATYPE(Esercizio1::Esito)

class TestEsercizio1 : public QObject
{
    Q_OBJECT

private:
    const TabellaParoleTipo m_parole = paroleDiProva();
    const TabellaColoriTipo m_colori = coloriPredefiniti();

    static void verificaCopioneFinito(const Copione &fonte)
    {
        QVERIFY2(fonte.esaurita(), "draws left in the script");
        QCOMPARE(fonte.oltre(), 0);
    }

private slots:
    // A new house draws the six coloured parts from the chimney to the step,
    // then the smoke, then the clouds; painting goes through the slots.
    void casaDipinta()
    {
        Copione fonte(casa());
        Esercizio1 es(fonte, m_parole, m_colori);
        es.ImpostaColori();
        const int attesi[9] = {0, 1, 2, 2, 3, 2, 4, 0, 1};
        for (int p = 1; p <= 8; ++p)
            QCOMPARE(es.colore(p), attesi[p]);
        QCOMPARE(es.esadecimaleParte(Comignolo), QStringLiteral("00FF00"));
        QCOMPARE(es.esadecimaleParte(Finestre), QStringLiteral("0000FF"));
        QCOMPARE(es.esadecimaleParte(Gradino), QStringLiteral("FFFF00"));
        QCOMPARE(es.sfondo(), QStringLiteral("FFFFCC"));
        QVERIFY(!es.fumo());
        QVERIFY(es.nuvole());
        verificaCopioneFinito(fonte);
    }

    void frase_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<QList<double>>("estrazioni"); // after the house's
        QTest::addColumn<QString>("frase");
        QTest::addColumn<int>("risposta");

        const int V = Esercizio1::Vero;
        const int F = Esercizio1::Falso;

        // Level 1: truth, then part, then (false only) another colour.
        QTest::newRow("1 roof red, true") << 1 << QList<double>{bit(0), parte(2)}
                                          << "Il tetto è rosso." << V;
        QTest::newRow("1 walls take the feminine plural")
            << 1 << QList<double>{bit(0), parte(3)} << "Le pareti sono rosse." << V;
        QTest::newRow("1 door takes the feminine singular")
            << 1 << QList<double>{bit(0), parte(5)} << "La porta è rossa." << V;
        QTest::newRow("1 false colour redrawn while it is the real one")
            << 1 << QList<double>{bit(1), parte(1), colore(1), colore(3)} << "Il comignolo è blu." << F;
        QTest::newRow("1 step, false") << 1 << QList<double>{bit(1), parte(6), colore(2)}
                                       << "Il gradino è rosso." << F;
        QTest::newRow("1 no smoke, true") << 1 << QList<double>{bit(0), parte(7)}
                                          << "Non c'è il fumo." << V;
        QTest::newRow("1 no smoke, false") << 1 << QList<double>{bit(1), parte(7)}
                                           << "C'è il fumo." << F;
        QTest::newRow("1 clouds, true") << 1 << QList<double>{bit(0), parte(8)}
                                        << "Ci sono le nuvole." << V;
        QTest::newRow("1 clouds, false") << 1 << QList<double>{bit(1), parte(8)}
                                         << "Non ci sono le nuvole." << F;

        // Level 2: denying the real colour is false, denying another is true.
        QTest::newRow("2 roof not red is false") << 2 << QList<double>{bit(1), parte(2)}
                                                 << "Il tetto non è rosso." << F;
        QTest::newRow("2 windows take their own negative subject")
            << 2 << QList<double>{bit(0), parte(4), colore(3), colore(1)}
            << "Le finestre non sono verdi." << V;
        QTest::newRow("2 door takes its own negative subject")
            << 2 << QList<double>{bit(0), parte(5), colore(4)} << "La porta non è gialla." << V;
        QTest::newRow("2 smoke as in an affirmative clause")
            << 2 << QList<double>{bit(0), parte(7)} << "Non c'è il fumo." << V;

        // Level 3: the polarity is drawn after the part, before the colour.
        QTest::newRow("3 affirmative, false") << 3 << QList<double>{bit(1), parte(3), bit(0), colore(4)}
                                              << "Le pareti sono gialle." << F;
        QTest::newRow("3 negative, false") << 3 << QList<double>{bit(1), parte(6), bit(1)}
                                           << "Il gradino non è giallo." << F;

        // Levels 4 to 6: truth, two different parts, the false clauses of a
        // false sentence, then each clause with its own draws in turn.
        QTest::newRow("4 true, second part redrawn while it equals the first")
            << 4 << QList<double>{bit(0), parte(2), parte(2), parte(3)}
            << "Il tetto è rosso e le pareti sono rosse." << V;
        QTest::newRow("4 false first clause, both-true pair redrawn")
            << 4 << QList<double>{bit(1), parte(4), parte(5), bit(0), bit(0), bit(1), bit(0), colore(1)}
            << "Le finestre sono verdi e la porta è rossa." << F;
        QTest::newRow("4 false second clause")
            << 4 << QList<double>{bit(1), parte(1), parte(8), bit(0), bit(1)}
            << "Il comignolo è verde e non ci sono le nuvole." << F;
        QTest::newRow("4 both clauses false")
            << 4 << QList<double>{bit(1), parte(6), parte(7), bit(1), bit(1), colore(4), colore(2)}
            << "Il gradino è rosso e c'è il fumo." << F;
        QTest::newRow("5 true, colours drawn clause by clause")
            << 5 << QList<double>{bit(0), parte(3), parte(2), colore(1), colore(4)}
            << "Le pareti non sono verdi e il tetto non è giallo." << V;
        QTest::newRow("5 false first clause")
            << 5 << QList<double>{bit(1), parte(5), parte(1), bit(1), bit(0), colore(2)}
            << "La porta non è rossa e il comignolo non è rosso." << F;
        QTest::newRow("6 each polarity just before its clause")
            << 6 << QList<double>{bit(0), parte(2), parte(4), bit(1), colore(3), bit(0)}
            << "Il tetto non è blu e le finestre sono blu." << V;
        QTest::newRow("6 both false, affirmative then negative")
            << 6 << QList<double>{bit(1), parte(8), parte(3), bit(1), bit(1), bit(0), bit(1)}
            << "Non ci sono le nuvole e le pareti non sono rosse." << F;
    }

    // The first item of a house paints it, then the level's sentence follows
    // with exactly the draws of the row.
    void frase()
    {
        QFETCH(int, livello);
        QFETCH(QList<double>, estrazioni);
        QFETCH(QString, frase);
        QFETCH(int, risposta);

        Copione fonte(casa() + estrazioni);
        Esercizio1 es(fonte, m_parole, m_colori);
        es.GeneraEsercizio(livello, QStringLiteral("minuscolo"));
        QVERIFY(es.casaNuova());
        QCOMPARE(es.frase(), frase);
        QCOMPARE(es.rispostaGiusta(), risposta);
        verificaCopioneFinito(fonte);
    }

    void maiuscole_data()
    {
        QTest::addColumn<QString>("stile");
        QTest::addColumn<int>("livello");
        QTest::addColumn<QList<double>>("estrazioni");
        QTest::addColumn<QString>("frase");

        const QList<double> tetto{bit(0), parte(2)};
        const QList<double> dueFrasi{bit(0), parte(2), parte(3)};
        QTest::newRow("minuscolo") << "minuscolo" << 1 << tetto << "Il tetto è rosso scuro.";
        QTest::newRow("corsivo as minuscolo") << "corsivo" << 1 << tetto << "Il tetto è rosso scuro.";
        QTest::newRow("empty style as minuscolo") << "" << 1 << tetto << "Il tetto è rosso scuro.";
        QTest::newRow("maiuscolo") << "maiuscolo" << 1 << tetto << "IL TETTO È ROSSO SCURO.";
        QTest::newRow("maiuscolo, two clauses")
            << "maiuscolo" << 4 << dueFrasi << "IL TETTO È ROSSO SCURO E LE PARETI SONO ROSSE.";
        QTest::newRow("minuscolo, two clauses")
            << "minuscolo" << 4 << dueFrasi << "Il tetto è rosso scuro e le pareti sono rosse.";
    }

    // "maiuscolo" puts the whole sentence in capitals; any other style puts it
    // in lower case with a capital first letter. A full stop ends it.
    void maiuscole()
    {
        QFETCH(QString, stile);
        QFETCH(int, livello);
        QFETCH(QList<double>, estrazioni);
        QFETCH(QString, frase);

        TabellaColoriTipo colori = m_colori;
        colori[2][MaschileSingolare] = QStringLiteral("Rosso Scuro");
        Copione fonte(casa() + estrazioni);
        Esercizio1 es(fonte, m_parole, colori);
        es.GeneraEsercizio(livello, stile);
        QCOMPARE(es.frase(), frase);
    }

    // The second clause is put in lower case when it is joined, before the
    // case rule of the whole sentence.
    void secondaFraseInMinuscolo()
    {
        Copione fonte(casa() + QList<double>{bit(0), parte(2), parte(3)});
        Esercizio1 es(fonte, m_parole, m_colori);
        es.ImpostaColori();
        es.ScriviFrase(4);
        QCOMPARE(es.frase(), QStringLiteral("Il tetto è rosso e le pareti sono rosse"));
    }

    void casaOgniQuattroFrasi_data()
    {
        QTest::addColumn<int>("frasi");
        QTest::addColumn<int>("azzeraDopo"); // item after which a reward comes, 0 none
        QTest::addColumn<QString>("caseNuove"); // N = that item paints a new house

        QTest::newRow("five items") << 5 << 0 << "N...N";
        QTest::newRow("nine items") << 9 << 0 << "N...N...N";
        QTest::newRow("reward after the second item") << 7 << 2 << "N.N...N";
    }

    // A house serves four items and the fifth paints a new one; a reward
    // makes the next item paint a new house.
    void casaOgniQuattroFrasi()
    {
        QFETCH(int, frasi);
        QFETCH(int, azzeraDopo);
        QFETCH(QString, caseNuove);

        // Houses alternate between one without smoke and one with it; every
        // item says "there is smoke" truly, so the sentence shows which
        // house it was written for.
        QList<double> copione;
        QStringList attese;
        bool gialla = true;
        for (int i = 0; i < frasi; ++i) {
            if (caseNuove.at(i) == QLatin1Char('N')) {
                gialla = !gialla;
                copione += gialla ? casaGialla() : casa();
            }
            copione += {bit(0), parte(7)};
            attese << (gialla ? QStringLiteral("C'è il fumo.") : QStringLiteral("Non c'è il fumo."));
        }

        Copione fonte(copione);
        Esercizio1 es(fonte, m_parole, m_colori);
        QString viste;
        QStringList frasiViste;
        for (int i = 1; i <= frasi; ++i) {
            es.GeneraEsercizio(1, QStringLiteral("minuscolo"));
            viste += es.casaNuova() ? QLatin1Char('N') : QLatin1Char('.');
            frasiViste << es.frase();
            if (i == azzeraDopo)
                es.azzeraContatoreFrasi();
        }
        QCOMPARE(viste, caseNuove);
        QCOMPARE(frasiViste, attese);
        verificaCopioneFinito(fonte);
    }

    void risposta_data()
    {
        QTest::addColumn<int>("giusta");
        QTest::addColumn<int>("indice");
        QTest::addColumn<Esercizio1::Esito>("esito");

        QTest::newRow("true sentence, Vero") << 0 << 0 << Esercizio1::Esito::Esatta;
        QTest::newRow("true sentence, Falso") << 0 << 1 << Esercizio1::Esito::Errata;
        QTest::newRow("false sentence, Falso") << 1 << 1 << Esercizio1::Esito::Esatta;
        QTest::newRow("false sentence, Vero") << 1 << 0 << Esercizio1::Esito::Errata;
        QTest::newRow("next-item button") << 1 << 2 << Esercizio1::Esito::ProssimoEsercizio;
    }

    // Button 0 says true and button 1 false; the item's truth decides; a
    // wrong answer leaves the item as it was, so every try is judged again.
    void risposta()
    {
        QFETCH(int, giusta);
        QFETCH(int, indice);
        QFETCH(Esercizio1::Esito, esito);

        Copione fonte(casa() + QList<double>{bit(giusta), parte(7)});
        Esercizio1 es(fonte, m_parole, m_colori);
        es.GeneraEsercizio(1, QStringLiteral("minuscolo"));
        QCOMPARE(es.valutaRisposta(indice), esito);
        QCOMPARE(es.valutaRisposta(indice), esito);
        QCOMPARE(es.valutaRisposta(giusta), Esercizio1::Esito::Esatta);
    }
};

QTEST_GUILESS_MAIN(TestEsercizio1)
#include "tst_esercizio1.moc"
