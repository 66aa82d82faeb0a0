#include "core/Casuale.h"
#include "core/Impostazioni.h"
#include "exercises/caratteristiche/Caratteristiche.h"
#include "vocabulary/Parole.h"

#include "exercises/CopioneCasuale.h"

#include <QHash>
#include <QTest>

namespace {

using Valori = EsercizioCaratteristiche::Valori;

// The r that makes each kind of draw give k.
double indice(int k, int n) { return (k + 0.5) / n; }
double colore(int k) { return (k - 0.5) / 4; }
double bit(int k) { return (k + 0.5) / 2; }
double caratteristica(int k) { return (k - 0.5) / 8; }

QList<double> casa(const Valori &v)
{
    QList<double> r;
    for (int p = Comignolo; p <= Gradino; ++p)
        r << colore(v[p]);
    r << bit(v[Fumo]) << bit(v[Nuvole]);
    return r;
}

// Chimney green, roof red, walls blue, windows yellow, door red, step blue,
// smoke, no clouds.
const Valori kModello{0, 1, 2, 3, 4, 2, 3, 1, 0};
// Everything yellow, no smoke, clouds.
const Valori kGialla{0, 4, 4, 4, 4, 4, 4, 0, 1};
// The sentences drawn in the order clouds, walls, chimney, step, smoke,
// door, roof, windows; repeated draws of used ones come between.
const QList<double> kOrdine{caratteristica(8), caratteristica(3), caratteristica(8), caratteristica(1),
                            caratteristica(6), caratteristica(7), caratteristica(3), caratteristica(5),
                            caratteristica(2), caratteristica(4)};

TabellaParoleTipo paroleDiProva()
{
    // Capitals as a language file writes them, so the case rule shows.
    static const QHash<QString, QString> testi{
        {QStringLiteral("0007"), QStringLiteral("Il tetto è")},
        {QStringLiteral("0008"), QStringLiteral("Le pareti sono")},
        {QStringLiteral("0009"), QStringLiteral("Le finestre sono")},
        {QStringLiteral("0010"), QStringLiteral("La porta è")},
        {QStringLiteral("0011"), QStringLiteral("Il gradino è")},
        {QStringLiteral("0012"), QStringLiteral("C'è il fumo")},
        {QStringLiteral("0013"), QStringLiteral("Non c'è il fumo")},
        {QStringLiteral("0018"), QStringLiteral("Ci sono le nuvole")},
        {QStringLiteral("0026"), QStringLiteral("Il comignolo è")},
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

class TestCaratteristiche : public QObject
{
    Q_OBJECT

private:
    const TabellaParoleTipo m_parole = paroleDiProva();
    const TabellaColoriTipo m_colori = coloriPredefiniti();
    const QString m_senzaNuvole = QStringLiteral("Non ci sono nuvole");

    static void verificaCopioneFinito(const Copione &fonte)
    {
        QVERIFY2(fonte.esaurita(), "draws left in the script");
        QCOMPARE(fonte.oltre(), 0);
    }

private slots:
    // Every level draws the model's index, then every house in index order,
    // then the sentences' order; the sentences name the model's colours in
    // the form each part's noun takes.
    void itemDelLivello_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<int>("modello");
        QTest::addColumn<int>("numero");
        QTest::newRow("level 1, model right") << 1 << 1 << 2;
        QTest::newRow("level 2, model first") << 2 << 0 << 4;
        QTest::newRow("level 3") << 3 << 4 << 6;
        QTest::newRow("level 4") << 4 << 8 << 9;
        QTest::newRow("level 5, model last") << 5 << 11 << 12;
    }

    void itemDelLivello()
    {
        QFETCH(int, livello);
        QFETCH(int, modello);
        QFETCH(int, numero);
        QCOMPARE(EsercizioCaratteristiche::numeroCase(livello), numero);

        QList<double> copione{indice(modello, numero)};
        for (int i = 0; i < numero; ++i)
            copione << casa(i == modello ? kModello : kGialla);
        copione << kOrdine;
        Copione fonte(copione);
        Esercizio6 es(fonte, m_parole, m_colori, m_senzaNuvole);
        es.ImpostaColori(numero);
        es.ScriviFrase(QStringLiteral("minuscolo"));

        QCOMPARE(es.NumeroCase(), numero);
        QCOMPARE(es.Modello(), modello);
        QCOMPARE(es.ColoriModello(), kModello);
        for (int i = 0; i < numero; ++i) {
            if (i != modello)
                QCOMPARE(es.valori(i), kGialla);
        }
        QCOMPARE(es.esadecimale(modello, Pareti), QStringLiteral("0000FF"));
        QCOMPARE(es.esadecimale(modello, Finestre), QStringLiteral("FFFF00"));
        QCOMPARE(es.sfondo(), QStringLiteral("FFFFCC"));

        // Frasi in characteristic order, as composed.
        const QStringList frasi{QStringLiteral("Il comignolo è verde"), QStringLiteral("Il tetto è rosso"),
                                QStringLiteral("Le pareti sono blu"),   QStringLiteral("Le finestre sono gialle"),
                                QStringLiteral("La porta è rossa"),     QStringLiteral("Il gradino è blu"),
                                QStringLiteral("C'è il fumo"),          QStringLiteral("Non ci sono nuvole")};
        for (int k = 0; k < 8; ++k)
            QCOMPARE(es.Frasi(k), frasi.at(k));
        // The written list in the order drawn, small letters with a capital first.
        const QStringList righe{QStringLiteral("Non ci sono nuvole."), QStringLiteral("Le pareti sono blu."),
                                QStringLiteral("Il comignolo è verde."), QStringLiteral("Il gradino è blu."),
                                QStringLiteral("C'è il fumo."),         QStringLiteral("La porta è rossa."),
                                QStringLiteral("Il tetto è rosso."),    QStringLiteral("Le finestre sono gialle.")};
        QCOMPARE(es.righe(), righe);
        QVERIFY(es.testo().startsWith(QStringLiteral("Non ci sono nuvole.\r\nLe pareti sono blu.\r\n")));
        QVERIFY(es.testo().endsWith(QStringLiteral("Le finestre sono gialle.\r\n")));
        verificaCopioneFinito(fonte);
    }

    // Each exercise brings its own sentence for a model without clouds; with
    // clouds and without smoke the presence phrases are the table's. The
    // case rule turns the whole line to capitals, or to small letters with a
    // capital first.
    void presenzaECaso_data()
    {
        QTest::addColumn<QString>("senzaNuvole");
        QTest::addColumn<QString>("stile");
        QTest::addColumn<int>("fumo");
        QTest::addColumn<int>("nuvole");
        QTest::addColumn<QString>("frase7");
        QTest::addColumn<QString>("frase8");
        QTest::addColumn<QString>("riga8");

        QTest::newRow("intruders, no clouds") << QStringLiteral("Non ci sono le nuvole") << QStringLiteral("minuscolo")
                                              << 1 << 0 << QStringLiteral("C'è il fumo")
                                              << QStringLiteral("Non ci sono le nuvole")
                                              << QStringLiteral("Non ci sono le nuvole.");
        QTest::newRow("guess who, no clouds, capitals") << QStringLiteral("Nessuna nuvola") << QStringLiteral("maiuscolo")
                                                        << 0 << 0 << QStringLiteral("Non c'è il fumo")
                                                        << QStringLiteral("Nessuna nuvola")
                                                        << QStringLiteral("NESSUNA NUVOLA.");
        QTest::newRow("clouds, no smoke, cursive") << QStringLiteral("x") << QStringLiteral("corsivo") << 0 << 1
                                                   << QStringLiteral("Non c'è il fumo")
                                                   << QStringLiteral("Ci sono le nuvole")
                                                   << QStringLiteral("Ci sono le nuvole.");
    }

    void presenzaECaso()
    {
        QFETCH(QString, senzaNuvole);
        QFETCH(QString, stile);
        QFETCH(int, fumo);
        QFETCH(int, nuvole);
        QFETCH(QString, frase7);
        QFETCH(QString, frase8);
        QFETCH(QString, riga8);

        Valori v = kModello;
        v[Fumo] = fumo;
        v[Nuvole] = nuvole;
        // Model 0 of two; clouds first in the list, then the rest in order.
        QList<double> copione{indice(0, 2)};
        copione << casa(v) << casa(kGialla) << caratteristica(8);
        for (int k = 1; k <= 7; ++k)
            copione << caratteristica(k);
        Copione fonte(copione);
        Esercizio7 es(fonte, m_parole, m_colori, senzaNuvole);
        es.ImpostaColori(2);
        es.ScriviFrase(stile);
        QCOMPARE(es.Frasi(6), frase7);
        QCOMPARE(es.Frasi(7), frase8);
        QCOMPARE(es.righe().first(), riga8);
        const QString tetto = es.righe().at(2);
        QCOMPARE(tetto, stile == QLatin1String("maiuscolo") ? QStringLiteral("IL TETTO È ROSSO.")
                                                            : QStringLiteral("Il tetto è rosso."));
        verificaCopioneFinito(fonte);
    }

    // An intruder that chance paints exactly like the model is drawn again,
    // after every ordinary draw and in index order, until it differs; a
    // house that differs in one value only is kept.
    void gemelloRidisegnato()
    {
        Valori quasi = kModello;
        quasi[Nuvole] = 1; // differs only by the clouds
        QList<double> copione{indice(1, 4)};
        copione << casa(kModello) << casa(kModello) << casa(quasi) << casa(kModello);
        // House 0 is drawn again: a twin once more, then yellow; house 3 at once.
        copione << casa(kModello) << casa(kGialla) << casa(kGialla);
        copione << kOrdine;
        Copione fonte(copione);
        Esercizio6 es(fonte, m_parole, m_colori, m_senzaNuvole);
        es.ImpostaColori(4);
        es.ScriviFrase(QStringLiteral("minuscolo"));
        QCOMPARE(es.Modello(), 1);
        QCOMPARE(es.valori(0), kGialla);
        QCOMPARE(es.valori(1), kModello);
        QCOMPARE(es.valori(2), quasi);
        QCOMPARE(es.valori(3), kGialla);
        QCOMPARE(es.Frasi(1), QStringLiteral("Il tetto è rosso"));
        verificaCopioneFinito(fonte);
    }

    // Removing the model counts wrong and removes nothing, also once the
    // item is complete; the item completes exactly when the last intruder
    // goes; a house already removed does nothing.
    void intrusiEliminati()
    {
        QList<double> copione{indice(2, 4)};
        for (int i = 0; i < 4; ++i)
            copione << casa(i == 2 ? kModello : kGialla);
        Copione fonte(copione);
        Esercizio6 es(fonte, m_parole, m_colori, m_senzaNuvole);
        es.ImpostaColori(4);
        es.nuovoItem();
        using E = Esercizio6::Esito;
        QCOMPARE(es.scegli(2), E::Errata);
        QCOMPARE(es.Eliminate(), 0);
        QCOMPARE(es.scegli(0), E::Eliminata);
        QCOMPARE(es.scegli(0), E::Nessuno);
        QCOMPARE(es.scegli(3), E::Eliminata);
        QVERIFY(!es.completo());
        QCOMPARE(es.scegli(1), E::Completata);
        QVERIFY(es.completo());
        QCOMPARE(es.Eliminate(), 3);
        QCOMPARE(es.scegli(2), E::Errata);
        QVERIFY(!es.eliminata(2));
        QCOMPARE(es.scegli(7), E::Nessuno); // not a house of this level
        // A new item brings every house back.
        es.nuovoItem();
        QCOMPARE(es.Eliminate(), 0);
        QVERIFY(!es.eliminata(0));
    }

    // "Indovina chi?": only the model is right.
    void indovinaChi()
    {
        Copione fonte({indice(1, 2), 0, 0, 0, 0, 0, 0, 0, 0, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9, 0.9});
        Esercizio7 es(fonte, m_parole, m_colori, m_senzaNuvole);
        es.ImpostaColori(2);
        QVERIFY(es.giusta(1));
        QVERIFY(!es.giusta(0));
        verificaCopioneFinito(fonte);
    }

    // The reading in turn goes from the slot set, chimney to clouds and round again.
    void letturaATurno()
    {
        QList<double> copione{indice(0, 2)};
        copione << casa(kModello) << casa(kGialla) << kOrdine;
        Copione fonte(copione);
        Esercizio6 es(fonte, m_parole, m_colori, m_senzaNuvole);
        es.ImpostaColori(2);
        es.ScriviFrase(QStringLiteral("minuscolo"));
        es.impostaProssimaFrase(6);
        QStringList letti;
        for (int i = 0; i < 4; ++i)
            letti << es.fraseDaLeggere();
        QCOMPARE(letti, (QStringList{QStringLiteral("C'è il fumo"), QStringLiteral("Non ci sono nuvole"),
                                     QStringLiteral("Il comignolo è verde"), QStringLiteral("Il tetto è rosso")}));
        QCOMPARE(es.ProssimaFrase(), 2);
    }

    // Down and Up of the keyboard: one row at a time, wrapping within the
    // column, passing over removed houses; a column with no other shown
    // house, and level 1, leave the highlight where it was.
    void spostamentoVerticale_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<int>("da");
        QTest::addColumn<int>("verso");
        QTest::addColumn<QList<int>>("nascoste");
        QTest::addColumn<int>("a");

        QTest::newRow("level 1 down") << 1 << 0 << 1 << QList<int>{} << 0;
        QTest::newRow("level 1 up") << 1 << 1 << -1 << QList<int>{} << 1;
        QTest::newRow("level 2 down") << 2 << 1 << 1 << QList<int>{} << 3;
        QTest::newRow("level 2 down wraps") << 2 << 3 << 1 << QList<int>{} << 1;
        QTest::newRow("level 4 down from 7") << 4 << 7 << 1 << QList<int>{} << 1;
        QTest::newRow("level 4 up from 1") << 4 << 1 << -1 << QList<int>{} << 7;
        QTest::newRow("level 4 skips removed") << 4 << 0 << 1 << QList<int>{3} << 6;
        QTest::newRow("level 5 up skips two") << 5 << 11 << -1 << QList<int>{7, 3} << 11;
        QTest::newRow("level 5 up skips one") << 5 << 11 << -1 << QList<int>{7} << 3;
        QTest::newRow("column gone, on a removed house") << 3 << 4 << 1 << QList<int>{1, 4} << 4;
        QTest::newRow("level 5 column gone") << 5 << 2 << -1 << QList<int>{2, 6, 10} << 2;
    }

    void spostamentoVerticale()
    {
        QFETCH(int, livello);
        QFETCH(int, da);
        QFETCH(int, verso);
        QFETCH(QList<int>, nascoste);
        QFETCH(int, a);
        int prove = 0;
        const int arrivo = EsercizioCaratteristiche::spostamentoVerticale(livello, da, verso, [&](int casa) {
            ++prove;
            return !nascoste.contains(casa);
        });
        QCOMPARE(arrivo, a);
        QVERIFY(prove < EsercizioCaratteristiche::numeroCase(livello) / EsercizioCaratteristiche::casePerRiga(livello));
    }
};

QTEST_GUILESS_MAIN(TestCaratteristiche)
#include "tst_caratteristiche.moc"
