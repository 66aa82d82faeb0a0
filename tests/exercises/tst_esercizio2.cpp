#include "core/Casuale.h"
#include "core/Impostazioni.h"
#include "exercises/es2/Esercizio2.h"
#include "vocabulary/Parole.h"

#include "Copione.h"

#include <QTest>

#include <array>

namespace {

using Casa = std::array<int, 9>; // values of parts 1..8, index 0 unused


// The draws that paint a pair: per part, whether it differs, the left
// house's value, and the right house's when it differs.
QList<double> coppia(const Casa &sinistra, const Casa &destra)
{
    QList<double> r;
    for (int p = Comignolo; p <= Nuvole; ++p) {
        const bool diversa = sinistra[p] != destra[p];
        const auto valore = [p](int v) { return p <= Gradino ? colore(v) : bit(v); };
        r << bit(diversa ? 1 : 0) << valore(sinistra[p]);
        if (diversa)
            r << valore(destra[p]);
    }
    return r;
}

// Green chimney, red roof, red walls, blue windows, red door, yellow step,
// smoke, no clouds.
const Casa kSinistra{0, 1, 2, 2, 3, 2, 4, 1, 0};

Casa con(Casa casa, int p, int valore)
{
    casa[p] = valore;
    return casa;
}

// Every entry shows its key, with the spacing the word table gives it.
TabellaParoleTipo parole()
{
    TabellaParoleTipo t;
    CaricaParole(t, [](const QString &chiave) { return QStringLiteral("K") + chiave; });
    return t;
}

} // namespace

class TestEsercizio2 : public QObject
{
    Q_OBJECT

private:
    TabellaParoleTipo m_parole = parole();
    TabellaColoriTipo m_colori;

private slots:
    void initTestCase() { ColoriPredefiniti(m_colori); }

    // One draw paints both houses: a part alike copies the left value, a
    // part that differs is drawn again until it is another value.
    void unaEstrazioneDipingeLaCoppia()
    {
        const Casa destra = con(con(con(kSinistra, Tetto, 4), Fumo, 0), Nuvole, 1);
        QList<double> r = coppia(kSinistra, destra);
        // The right roof's first redraw gives the left colour again: drawn once more.
        r.insert(r.indexOf(colore(4)), colore(2));
        Copione fonte(r << parte(Tetto));
        Esercizio2 e(fonte, m_parole, m_colori);
        e.GeneraEsercizio(1, QString());
        QCOMPARE(fonte.oltre(), 0);
        QVERIFY(fonte.esaurita());
        for (int p = Comignolo; p <= Nuvole; ++p) {
            QCOMPARE(e.Colore(p, 0), kSinistra[p]);
            QCOMPARE(e.Colore(p, 1), destra[p]);
            // There are two houses: any other index has no colour.
            QCOMPARE(e.Colore(p, 2), 0);
            QCOMPARE(e.Colore(p, -1), 0);
        }
        QCOMPARE(e.esadecimale(Tetto, 0), QStringLiteral("FF0000"));
        QCOMPARE(e.esadecimale(Tetto, 1), QStringLiteral("FFFF00"));
        QVERIFY(e.coppiaNuova());
    }

    // The sentence, the two answer words and the right button for a part,
    // at each level and with the part alike or different.
    void fraseEParoleDellaParte_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<bool>("negativa"); // level 3 only: odd draw
        QTest::addColumn<int>("p");
        QTest::addColumn<bool>("diversa");
        QTest::addColumn<QString>("frase");
        QTest::addColumn<QString>("uguale");
        QTest::addColumn<QString>("diverso");
        QTest::addColumn<int>("giusta");

        QTest::newRow("1: roofs alike") << 1 << false << 2 << false << "K0007 " << "K0014" << "K0015" << 0;
        QTest::newRow("1: roofs differ") << 1 << false << 2 << true << "K0007 " << "K0014" << "K0015" << 1;
        QTest::newRow("2: roofs alike, answer turned") << 2 << false << 2 << false << "K0028 " << "K0014" << "K0015" << 1;
        QTest::newRow("2: roofs differ") << 2 << false << 2 << true << "K0028 " << "K0014" << "K0015" << 0;
        QTest::newRow("1: chimney") << 1 << false << 1 << false << "K0026 " << "K0014" << "K0015" << 0;
        QTest::newRow("1: walls, plural words") << 1 << false << 3 << true << "K0008 " << "K0023" << "K0024" << 1;
        QTest::newRow("2: windows, plural words") << 2 << false << 4 << true << "K0031 " << "K0023" << "K0024" << 0;
        QTest::newRow("1: door, feminine different") << 1 << false << 5 << false << "K0010 " << "K0014" << "K0025" << 0;
        QTest::newRow("2: door negative") << 2 << false << 5 << false << "K0030 " << "K0014" << "K0025" << 1;
        QTest::newRow("2: step") << 2 << false << 6 << true << "K0032 " << "K0014" << "K0015" << 0;
        // Smoke and clouds are asked about the two houses: plural words.
        QTest::newRow("1: smoke in one house only") << 1 << false << 7 << true << "K0034 " << "K0023" << "K0024" << 1;
        QTest::newRow("2: no clouds in either, alike") << 2 << false << 8 << false << "K0035 " << "K0023" << "K0024" << 1;
        QTest::newRow("3: even draw, affirmative") << 3 << false << 4 << false << "K0009 " << "K0023" << "K0024" << 0;
        QTest::newRow("3: odd draw, negative") << 3 << true << 4 << false << "K0031 " << "K0023" << "K0024" << 1;
    }

    void fraseEParoleDellaParte()
    {
        QFETCH(int, livello);
        QFETCH(bool, negativa);
        QFETCH(int, p);
        QFETCH(bool, diversa);
        QFETCH(QString, frase);
        QFETCH(QString, uguale);
        QFETCH(QString, diverso);
        QFETCH(int, giusta);

        const int altro = p <= Gradino ? kSinistra[p] % 4 + 1 : 1 - kSinistra[p];
        const Casa destra = diversa ? con(kSinistra, p, altro) : kSinistra;
        QList<double> r = coppia(kSinistra, destra);
        if (livello == 3)
            r << (negativa ? 0.15 : 0.05); // Int(r * 10): 1 odd, 0 even
        Copione fonte(r << parte(p));
        Esercizio2 e(fonte, m_parole, m_colori);
        e.GeneraEsercizio(livello, QStringLiteral("minuscolo"));
        QCOMPARE(fonte.oltre(), 0);
        QCOMPARE(e.Parte(), p);
        QCOMPARE(e.frase(), frase);
        QCOMPARE(e.didascalia(0), uguale);
        QCOMPARE(e.didascalia(1), diverso);
        QCOMPARE(e.rispostaGiusta(), giusta);
        QCOMPARE(e.valutaRisposta(giusta), Esercizio2::Esito::Esatta);
        QCOMPARE(e.valutaRisposta(1 - giusta), Esercizio2::Esito::Errata);
        QCOMPARE(e.valutaRisposta(Esercizio2::Avanti), Esercizio2::Esito::ProssimoEsercizio);
    }

    // "maiuscolo" puts the sentence and both words in capitals; the other
    // styles keep them as fetched, with no full stop.
    void stileDelTesto_data()
    {
        QTest::addColumn<QString>("stile");
        QTest::addColumn<QString>("frase");
        QTest::addColumn<QString>("uguale");
        QTest::newRow("maiuscolo") << "maiuscolo" << "K0008 " << "K0023";
        QTest::newRow("minuscolo") << "minuscolo" << "K0008 " << "K0023";
        QTest::newRow("corsivo") << "corsivo" << "K0008 " << "K0023";
    }

    void stileDelTesto()
    {
        QFETCH(QString, stile);
        QFETCH(QString, frase);
        QFETCH(QString, uguale);
        TabellaParoleTipo minuscole = m_parole;
        for (QString &voce : minuscole)
            voce = voce.toLower();
        Copione fonte(coppia(kSinistra, kSinistra) << parte(Pareti));
        Esercizio2 e(fonte, minuscole, m_colori);
        e.GeneraEsercizio(1, stile);
        const bool maiuscolo = stile == QLatin1String("maiuscolo");
        QCOMPARE(e.frase(), maiuscolo ? frase : frase.toLower());
        QCOMPARE(e.didascalia(0), maiuscolo ? uguale : uguale.toLower());
        QCOMPARE(e.didascalia(1), maiuscolo ? QStringLiteral("K0024") : QStringLiteral("k0024"));
    }

    // The completed sentence has one space before the chosen word.
    void frasecompletataConUnoSpazio()
    {
        QCOMPARE(Esercizio2::completa(m_parole, QStringLiteral("Il tetto è "), QStringLiteral("uguale")),
                 QStringLiteral("Il tetto è uguale"));
        QCOMPARE(Esercizio2::completa(m_parole, QStringLiteral("Il tetto è"), QStringLiteral("uguale")),
                 QStringLiteral("Il tetto è uguale"));
    }

    // One pair serves four sentences about four different parts; the fifth
    // item paints a new pair, where any part may come again.
    void quattroPartiDiversePerCoppia()
    {
        // Parts drawn: roof; roof again (asked, drawn anew) then door; door, walls; step.
        QList<double> r = coppia(kSinistra, kSinistra);
        r << parte(Tetto) << parte(Tetto) << parte(Porta) << parte(Porta) << parte(Pareti) << parte(Gradino);
        r << coppia(kSinistra, kSinistra) << parte(Tetto);
        Copione fonte(r);
        Esercizio2 e(fonte, m_parole, m_colori);
        QList<int> parti;
        QList<bool> nuove;
        for (int i = 0; i < 5; ++i) {
            e.GeneraEsercizio(1, QString());
            parti << e.Parte();
            nuove << e.coppiaNuova();
        }
        QCOMPARE(fonte.oltre(), 0);
        QCOMPARE(parti, (QList<int>{Tetto, Porta, Pareti, Gradino, Tetto}));
        QCOMPARE(nuove, (QList<bool>{true, false, false, false, true}));
        QVERIFY(e.Chiesta(Tetto));
        QVERIFY(!e.Chiesta(Porta));
    }
};

QTEST_APPLESS_MAIN(TestEsercizio2)
#include "tst_esercizio2.moc"
