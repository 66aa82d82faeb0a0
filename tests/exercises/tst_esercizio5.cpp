#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "exercises/es5/Esercizio5.h"
#include "vocabulary/ModuloColoriSuoni.h"
#include "vocabulary/Parole.h"

#include "Copione.h"
#include "TestPaths.h"

#include <QSet>
#include <QTest>

using Fatto = Esercizio5::Fatto;
Q_DECLARE_METATYPE(Esercizio5::Fatto)

namespace {

TabellaColoriTipo coloriPredefiniti()
{
    TabellaColoriTipo t;
    ColoriPredefiniti(t);
    return t;
}

// Chimney green, roof red, walls red, windows blue, door red, step yellow,
// no smoke, clouds (default colour table).
QList<double> casa()
{
    return {colore(1), colore(2), colore(2), colore(3), colore(2), colore(4), bit(0), bit(1)};
}

// The r that makes Int(r * 100) mod 2 give the answer (0 the left box).
double scatola(int k) { return (k + 0.5) / 100; }

// The truth of a sentence of each level, from whether each fact holds.
bool vera(int livello, bool primo, bool secondo)
{
    switch (livello) {
    case 1: return primo;
    case 2: return primo && secondo;
    case 3: return primo || secondo;
    default: return primo != secondo;
    }
}

} // namespace

class TestEsercizio5 : public QObject
{
    Q_OBJECT

private:
    TabellaParoleTipo m_parole;
    const TabellaColoriTipo m_colori = coloriPredefiniti();

    static void verificaCopioneFinito(const Copione &fonte)
    {
        QVERIFY2(fonte.esaurita(), "draws left in the script");
        QCOMPARE(fonte.oltre(), 0);
    }

    void usaLingua(const QString &lingua)
    {
        LinguaCorrente() = lingua;
        CaricaParole(m_parole);
    }

private slots:
    void initTestCase()
    {
        Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_DATA_DIR));
        usaLingua(QStringLiteral("Italiano"));
    }

    void init() { usaLingua(QStringLiteral("Italiano")); }

    // The sentences as the Italian language file composes them: the step is
    // one ("il gradino è giallo"), and "ma non tutte e due" follows the comma
    // after one space.
    void frase_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<Fatto>("primo");
        QTest::addColumn<Fatto>("secondo");
        QTest::addColumn<QString>("stile");
        QTest::addColumn<QString>("frase");

        const QString m = QStringLiteral("minuscolo");
        QTest::newRow("1 roof") << 1 << Fatto{Tetto, 2} << Fatto{} << m << "Il tetto è rosso.";
        QTest::newRow("1 walls") << 1 << Fatto{Pareti, 4} << Fatto{} << m << "Le pareti sono gialle.";
        QTest::newRow("1 door") << 1 << Fatto{Porta, 2} << Fatto{} << m << "La porta è rossa.";
        QTest::newRow("1 smoke") << 1 << Fatto{Fumo, 1} << Fatto{} << m << "C'è il fumo.";
        QTest::newRow("1 no smoke") << 1 << Fatto{Fumo, 0} << Fatto{} << m << "Non c'è il fumo.";
        QTest::newRow("1 clouds") << 1 << Fatto{Nuvole, 1} << Fatto{} << m << "Ci sono le nuvole.";
        QTest::newRow("1 no clouds") << 1 << Fatto{Nuvole, 0} << Fatto{} << m << "Non ci sono le nuvole.";
        QTest::newRow("2 door, step") << 2 << Fatto{Porta, 2} << Fatto{Gradino, 4} << m
                                      << "La porta è rossa e il gradino è giallo.";
        QTest::newRow("2 chimney, windows") << 2 << Fatto{Comignolo, 3} << Fatto{Finestre, 2} << m
                                            << "Il comignolo è blu e le finestre sono rosse.";
        QTest::newRow("2 roof, no smoke") << 2 << Fatto{Tetto, 1} << Fatto{Fumo, 0} << m
                                          << "Il tetto è verde e non c'è il fumo.";
        QTest::newRow("2 smoke, clouds") << 2 << Fatto{Fumo, 1} << Fatto{Nuvole, 1} << m
                                         << "C'è il fumo e ci sono le nuvole.";
        QTest::newRow("3 walls, chimney") << 3 << Fatto{Pareti, 1} << Fatto{Comignolo, 4} << m
                                          << "Almeno una cosa è vera: le pareti sono verdi o anche il comignolo è giallo.";
        QTest::newRow("3 step, door") << 3 << Fatto{Gradino, 2} << Fatto{Porta, 1} << m
                                      << "Almeno una cosa è vera: il gradino è rosso o anche la porta è verde.";
        QTest::newRow("3 smoke, no clouds") << 3 << Fatto{Fumo, 1} << Fatto{Nuvole, 0} << m
                                            << "Almeno una cosa è vera: c'è il fumo o anche non ci sono le nuvole.";
        QTest::newRow("3 roof, no smoke") << 3 << Fatto{Tetto, 3} << Fatto{Fumo, 0} << m
                                          << "Almeno una cosa è vera: il tetto è blu o anche non c'è il fumo.";
        QTest::newRow("3 no clouds, clouds") << 3 << Fatto{Fumo, 0} << Fatto{Nuvole, 1} << m
                                             << "Almeno una cosa è vera: non c'è il fumo o anche ci sono le nuvole.";
        QTest::newRow("4 roof, windows")
            << 4 << Fatto{Tetto, 2} << Fatto{Finestre, 3} << m
            << "Solo una cosa è vera: il tetto è rosso o le finestre sono blu, ma non tutte e due.";
        QTest::newRow("4 door, chimney")
            << 4 << Fatto{Porta, 4} << Fatto{Comignolo, 1} << m
            << "Solo una cosa è vera: la porta è gialla o il comignolo è verde, ma non tutte e due.";
        QTest::newRow("4 step, smoke") << 4 << Fatto{Gradino, 4} << Fatto{Fumo, 1} << m
                                       << "Solo una cosa è vera: il gradino è giallo o c'è il fumo, ma non tutte e due.";
        QTest::newRow("4 clouds, no smoke")
            << 4 << Fatto{Nuvole, 1} << Fatto{Fumo, 0} << m
            << "Solo una cosa è vera: ci sono le nuvole o non c'è il fumo, ma non tutte e due.";
        QTest::newRow("4 walls, no clouds")
            << 4 << Fatto{Pareti, 2} << Fatto{Nuvole, 0} << m
            << "Solo una cosa è vera: le pareti sono rosse o non ci sono le nuvole, ma non tutte e due.";
        QTest::newRow("4 capitals") << 4 << Fatto{Tetto, 2} << Fatto{Porta, 3} << QStringLiteral("maiuscolo")
                                    << "SOLO UNA COSA È VERA: IL TETTO È ROSSO O LA PORTA È BLU, MA NON TUTTE E DUE.";
        QTest::newRow("2 cursive as lower case") << 2 << Fatto{Tetto, 2} << Fatto{Porta, 3}
                                                 << QStringLiteral("corsivo") << "Il tetto è rosso e la porta è blu.";
    }

    void frase()
    {
        QFETCH(int, livello);
        QFETCH(Fatto, primo);
        QFETCH(Fatto, secondo);
        QFETCH(QString, stile);
        QFETCH(QString, frase);
        FonteScriptata fonte;
        const Esercizio5 es(fonte, m_parole, m_colori);
        QCOMPARE(es.componiFrase(livello, primo, secondo, stile), frase);
    }

    // Every sentence of every level, in both shipped languages, has one
    // space between words and none at its ends.
    void nessunDoppioSpazio_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::newRow("Italiano") << QStringLiteral("Italiano");
        QTest::newRow("English") << QStringLiteral("English");
    }

    void nessunDoppioSpazio()
    {
        QFETCH(QString, lingua);
        usaLingua(lingua);
        FonteScriptata fonte;
        const Esercizio5 es(fonte, m_parole, m_colori);
        QList<Fatto> fatti;
        for (int p = Comignolo; p <= Nuvole; ++p) {
            for (int v = p <= Gradino ? 1 : 0; v <= (p <= Gradino ? 4 : 1); ++v)
                fatti << Fatto{p, v};
        }
        for (int livello = 1; livello <= Esercizio5::kLivelli; ++livello) {
            for (const Fatto &a : fatti) {
                for (const Fatto &b : fatti) {
                    if (a.parte == b.parte)
                        continue;
                    const QString f = es.componiFrase(livello, a, b, QStringLiteral("minuscolo"));
                    QVERIFY2(!f.contains(QStringLiteral("  ")) && f == f.trimmed() && !f.contains(QStringLiteral(" ,")),
                             qPrintable(f));
                }
            }
        }
    }

    // Level 1, a false sentence about the smoke: while the house has what
    // the sentence says, the smoke is drawn again.
    void ordineLivello1Falsa()
    {
        Copione fonte(QList<double>{parte(Fumo), bit(1), scatola(1)} + casa().mid(0, 6)
                      + QList<double>{bit(1), bit(0), bit(1), bit(0)});
        Esercizio5 es(fonte, m_parole, m_colori);
        es.GeneraEsercizio(1, QStringLiteral("minuscolo"));
        QCOMPARE(es.frase(), QStringLiteral("C'è il fumo."));
        QCOMPARE(es.RispostaGiusta(), int(Esercizio5::ScatolaNo));
        QVERIFY(!es.fumo());
        QVERIFY(!es.nuvole());
        QCOMPARE(es.esadecimaleParte(Tetto), QStringLiteral("FF0000"));
        verificaCopioneFinito(fonte);
    }

    // Level 2: the second part is drawn again, with its value, until it
    // differs from the first; a true house takes both facts.
    void ordineLivello2Vera()
    {
        Copione fonte(QList<double>{parte(Pareti), colore(2), parte(Pareti), colore(1), parte(Porta), colore(4),
                                    scatola(0)}
                      + casa());
        Esercizio5 es(fonte, m_parole, m_colori);
        es.GeneraEsercizio(2, QStringLiteral("minuscolo"));
        QCOMPARE(es.fatto2().parte, int(Porta));
        QCOMPARE(es.fatto2().valore, 4);
        QCOMPARE(es.frase(), QStringLiteral("Le pareti sono rosse e la porta è gialla."));
        QCOMPARE(es.RispostaGiusta(), int(Esercizio5::ScatolaSi));
        QCOMPARE(es.valoriCasa()[Pareti], 2);
        QCOMPARE(es.valoriCasa()[Porta], 4);
        QCOMPARE(es.valoriCasa()[Tetto], 2);
        verificaCopioneFinito(fonte);
    }

    // Levels 3 and 4 first redraw both parts while either fact holds, then
    // a last draw k chooses which facts the house gets.
    void ordineLivelli3e4_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<int>("risposta");
        QTest::addColumn<double>("k");
        QTest::addColumn<bool>("primo");
        QTest::addColumn<bool>("secondo");

        // Int(r * 150) mod 3 at level 3, Int(r * 100) mod 2 at level 4.
        QTest::newRow("3 false: neither, no k") << 3 << 1 << -1.0 << false << false;
        QTest::newRow("3 true k=1: first only") << 3 << 0 << 1.5 / 150 << true << false;
        QTest::newRow("3 true k=0: second only") << 3 << 0 << 3.5 / 150 << false << true;
        QTest::newRow("3 true k=2: both") << 3 << 0 << 2.5 / 150 << true << true;
        QTest::newRow("4 true k=1: first only") << 4 << 0 << 1.5 / 100 << true << false;
        QTest::newRow("4 true k=0: second only") << 4 << 0 << 0.5 / 100 << false << true;
        QTest::newRow("4 false k=1: both") << 4 << 1 << 1.5 / 100 << true << true;
        QTest::newRow("4 false k=0: neither") << 4 << 1 << 0.5 / 100 << false << false;
    }

    void ordineLivelli3e4()
    {
        QFETCH(int, livello);
        QFETCH(int, risposta);
        QFETCH(double, k);
        QFETCH(bool, primo);
        QFETCH(bool, secondo);
        // Facts: roof red, door red. The house has both; the redraw gives the
        // roof red again and the door blue (the door still holds nothing),
        // then the roof green and the door yellow: neither holds.
        QList<double> copione{parte(Tetto), colore(2), parte(Porta), colore(2), scatola(risposta)};
        copione << casa() << colore(2) << colore(3) << colore(1) << colore(4);
        if (k >= 0)
            copione << k;
        Copione fonte(copione);
        Esercizio5 es(fonte, m_parole, m_colori);
        es.GeneraEsercizio(livello, QStringLiteral("minuscolo"));
        QCOMPARE(es.RispostaGiusta(), risposta);
        QCOMPARE(es.valoriCasa()[Tetto] == 2, primo);
        QCOMPARE(es.valoriCasa()[Porta] == 2, secondo);
        verificaCopioneFinito(fonte);
    }

    // Many houses of each level, judged by the rule of the level from the
    // values of the house itself: the answer always matches, both answers
    // come about equally, every way of being true or false turns up, and the
    // two facts are never about the same part.
    void caseGiudicate_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<QSet<int>>("modiVeri");  // primo * 2 + secondo
        QTest::addColumn<QSet<int>>("modiFalsi");
        QTest::newRow("1 the fact") << 1 << QSet<int>{3} << QSet<int>{0};
        QTest::newRow("2 both") << 2 << QSet<int>{3} << QSet<int>{0, 1, 2};
        QTest::newRow("3 at least one") << 3 << QSet<int>{1, 2, 3} << QSet<int>{0};
        QTest::newRow("4 exactly one") << 4 << QSet<int>{1, 2} << QSet<int>{0, 3};
    }

    void caseGiudicate()
    {
        QFETCH(int, livello);
        QFETCH(QSet<int>, modiVeri);
        QFETCH(QSet<int>, modiFalsi);
        FonteSeme fonte(1234 + livello);
        Esercizio5 es(fonte, m_parole, m_colori);
        QSet<int> veri, falsi;
        int sinistra = 0;
        bool assenzaVista = false;
        const int prove = 600;
        for (int i = 0; i < prove; ++i) {
            if (i % 3 == 0)
                es.GeneraEsercizio(livello, QStringLiteral("minuscolo"));
            else
                es.ImpostaColori();
            const Fatto a = es.fatto1();
            const Fatto b = es.fatto2();
            if (livello > 1)
                QVERIFY(a.parte != b.parte);
            assenzaVista = assenzaVista || (a.parte >= Fumo && a.valore == 0);
            const Esercizio5::ValoriCasa &c = es.valoriCasa();
            for (int p = Comignolo; p <= Nuvole; ++p)
                QVERIFY(p <= Gradino ? (c[p] >= 1 && c[p] <= 4) : (c[p] == 0 || c[p] == 1));
            const bool primo = c[a.parte] == a.valore;
            const bool secondo = livello > 1 && c[b.parte] == b.valore;
            const bool v = vera(livello, primo, secondo);
            QCOMPARE(es.RispostaGiusta(), v ? 0 : 1);
            QCOMPARE(es.valutaRisposta(v ? 0 : 1), Esercizio5::Esito::Esatta);
            QCOMPARE(es.valutaRisposta(v ? 1 : 0), Esercizio5::Esito::Errata);
            (v ? veri : falsi).insert(livello == 1 ? (primo ? 3 : 0) : primo * 2 + secondo);
            sinistra += v;
        }
        QCOMPARE(veri, modiVeri);
        QCOMPARE(falsi, modiFalsi);
        QVERIFY2(sinistra > prove * 2 / 5 && sinistra < prove * 3 / 5, qPrintable(QString::number(sinistra)));
        QVERIFY(assenzaVista);
    }

    // The box that reaches ten first ends the item; nothing goes in after.
    void scatolaPiena()
    {
        FonteSeme fonte(99);
        Esercizio5 es(fonte, m_parole, m_colori);
        es.GeneraEsercizio(1, QStringLiteral("minuscolo"));
        int aggiunte = 0;
        while (!es.scatolaPiena()) {
            const int numero = es.RispostaGiusta() == 0 ? es.NumeroSi() : es.NumeroNo();
            QCOMPARE(es.aggiungiCasa(), numero);
            ++aggiunte;
            QVERIFY(aggiunte < Esercizio5::kCasePerScatola * 2);
            if (!es.scatolaPiena())
                es.ImpostaColori();
        }
        QCOMPARE(qMax(es.NumeroSi(), es.NumeroNo()), 10);
        QVERIFY(qMin(es.NumeroSi(), es.NumeroNo()) < 10);
        QCOMPARE(es.NumeroSi() + es.NumeroNo(), aggiunte);
        // The last house went into the box it filled.
        QCOMPARE(es.aggiungiCasa(), -1);
        QCOMPARE(es.valutaRisposta(2), Esercizio5::Esito::ProssimoEsercizio);

        es.GeneraEsercizio(1, QStringLiteral("minuscolo"));
        QCOMPARE(es.NumeroSi(), 0);
        QCOMPARE(es.NumeroNo(), 0);
        QVERIFY(!es.scatolaPiena());
    }
};

QTEST_GUILESS_MAIN(TestEsercizio5)
#include "tst_esercizio5.moc"
