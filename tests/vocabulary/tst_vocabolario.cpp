#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Percorsi.h"
#include "vocabulary/ModuloColoriSuoni.h"
#include "vocabulary/Parole.h"

#include "TestPaths.h"

#include <QTemporaryDir>
#include <QTest>

class TestVocabolario : public QObject
{
    Q_OBJECT

private slots:
    void tavolozza_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<QString>("hex");
        QTest::addColumn<QString>("vb");
        QTest::newRow("0 white") << 0 << "FFFFFF" << "&H00FFFFFF&";
        QTest::newRow("5 black") << 5 << "000000" << "&H00000000&";
        QTest::newRow("6 blue-green-red order") << 6 << "FFCC00" << "&H0000CCFF&";
        QTest::newRow("31 default red") << 31 << "FF0000" << "&H000000FF&";
        QTest::newRow("88 default background") << 88 << "FFFFCC" << "&H00CCFFFF&";
        QTest::newRow("100 default green") << 100 << "00FF00" << "&H0000FF00&";
        QTest::newRow("197 default blue") << 197 << "0000FF" << "&H00FF0000&";
        QTest::newRow("24 default yellow") << 24 << "FFFF00" << "&H0000FFFF&";
        QTest::newRow("215 last") << 215 << "0033FF" << "&H00FF3300&";
    }

    void tavolozza()
    {
        QFETCH(int, indice);
        QFETCH(QString, hex);
        QFETCH(QString, vb);
        Tavolozza tvb, thex;
        PreparaTavolozza(tvb, thex);
        QCOMPARE(thex[indice], hex);
        QCOMPARE(tvb[indice], vb);
    }

    // The palette is the whole six-level colour cube, each colour once.
    void tavolozzaCuboCompleto()
    {
        Tavolozza tvb, thex;
        PreparaTavolozza(tvb, thex);
        QSet<QString> visti;
        const QString livelli = QStringLiteral("0369CF");
        for (const QString &c : thex) {
            QCOMPARE(c.size(), 6);
            for (int k = 0; k < 6; k += 2) {
                QCOMPARE(c.at(k), c.at(k + 1));
                QVERIFY(livelli.contains(c.at(k)));
            }
            visti.insert(c);
        }
        QCOMPARE(visti.size(), 216);
    }

    // Slot 0 asks nothing; a house slot asks "0042".."0045" in order, and a
    // cancelled question stores the empty word.
    void coloreNelloSlot()
    {
        TabellaColoriTipo t;
        ColoriPredefiniti(t);
        QStringList domande;
        QStringList risposte{QStringLiteral("viola"), QStringLiteral("viola"), QString(), QStringLiteral("viola")};
        auto chiedi = [&](const QString &d, bool *annullato) {
            domande << d;
            const QString r = risposte.takeFirst();
            *annullato = r.isNull();
            return r.isNull() ? QStringLiteral("ignorata") : r;
        };

        assegnaColoreSlot(t, 0, QStringLiteral("CCFFFF"), chiedi);
        QCOMPARE(t[0][0], QStringLiteral("CCFFFF"));
        QCOMPARE(t[0][1], QStringLiteral("sfondo"));
        QVERIFY(domande.isEmpty());

        QTemporaryDir vuota;
        Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_PROGRAM_DIR));
        LinguaCorrente().clear();
        assegnaColoreSlot(t, 2, QStringLiteral("990099"), chiedi);
        QCOMPARE(domande.size(), 4);
        QCOMPARE(domande, (QStringList{MLSGetText("0042"), MLSGetText("0043"), MLSGetText("0044"), MLSGetText("0045")}));
        QCOMPARE(t[2], (std::array<QString, 5>{"990099", "viola", "viola", "", "viola"}));
        QCOMPARE(t[3][1], QStringLiteral("blu"));
    }

    void paroleConSpaziatura()
    {
        TabellaParoleTipo p;
        CaricaParole(p, [](const QString &chiave) { return QStringLiteral("k") + chiave; });
        QCOMPARE(p[0], QStringLiteral(" "));
        QCOMPARE(p[1], QStringLiteral("k0007 "));
        QCOMPARE(p[6], QStringLiteral("k0012"));
        QCOMPARE(p[14], QStringLiteral(" k0020 "));
        QCOMPARE(p[24], QStringLiteral("k0030 "));
        QCOMPARE(p[32], QStringLiteral(" k0038 "));
        QCOMPARE(p[33], QStringLiteral("k0039 "));
        QCOMPARE(p[34], QStringLiteral("k0040"));
    }

    // With no language file only the added spaces remain.
    void paroleSenzaFileDiLingua()
    {
        QTemporaryDir vuota;
        Percorsi::impostaCartellaProgramma(vuota.path());
        LinguaCorrente().clear();
        TabellaParoleTipo p;
        CaricaParole(p);
        for (int i = 0; i < 35; ++i) {
            QString atteso;
            if (i == 0 || (i >= 1 && i <= 5) || (i >= 20 && i <= 30) || i == 33)
                atteso = QStringLiteral(" ");
            else if (i == 14 || i == 32)
                atteso = QStringLiteral("  ");
            QCOMPARE(p[i], atteso);
        }
    }

    void vociDellaParte()
    {
        QCOMPARE(vociParte(Porta).soggettoNegativo, 24);
        QCOMPARE(vociParte(Finestre).soggettoNegativo, 25);
        QCOMPARE(vociParte(Porta).diverso, 19);
        QCOMPARE(vociParte(Fumo).presente, 10);
        QCOMPARE(vociParte(Nuvole).presente, 16);
        QCOMPARE(vociParte(Nuvole).assente, 15);
        QCOMPARE(formaDellaParte(Pareti), 4);
        QCOMPARE(formaDellaParte(Porta), 3);
        QCOMPARE(formaDellaParte(Gradino), 1);
    }
};

QTEST_GUILESS_MAIN(TestVocabolario)
#include "tst_vocabolario.moc"
