#include "config/LogicaConfigura.h"
#include "core/Lingua.h"
#include "core/Percorsi.h"
#include "core/TestoFile.h"

#include "TestPaths.h"

#include <QSet>
#include <QTest>

// The configuration window's arithmetic and rules, without the window.
class TestLogicaConfigura : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_PROGRAM_DIR));
        LinguaCorrente() = QStringLiteral("Italiano");
    }

    void velocita_data()
    {
        QTest::addColumn<int>("velocita");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("6 con la virgola") << 6 << "it_IT" << "Velocità scansione: 1,50 secondi";
        QTest::newRow("6 con il punto") << 6 << "en_US" << "Velocità scansione: 1.50 secondi";
        QTest::newRow("minimo") << 4 << "it_IT" << "Velocità scansione: 1,00 secondi";
        QTest::newRow("massimo") << 60 << "it_IT" << "Velocità scansione: 15,00 secondi";
        QTest::newRow("un quarto") << 5 << "de_DE" << "Velocità scansione: 1,25 secondi";
        QTest::newRow("sotto il secondo") << 1 << "it_IT" << "Velocità scansione: 0,25 secondi";
    }
    // A quarter of a second per unit, two decimals, the locale's separator.
    void velocita()
    {
        QFETCH(int, velocita);
        QFETCH(QString, locale);
        QFETCH(QString, atteso);
        QCOMPARE(testoVelocitaScansione(velocita, QLocale(locale)), atteso);
    }

    // The grid holds 216 cells numbered row by row around its empty positions.
    void grigliaTavolozza()
    {
        const auto &p = posizioniCaselle();
        QCOMPARE(p[0], QPoint(0, 0));
        QCOMPARE(p[9], QPoint(9, 0));    // row 0 holds cells 0..9
        QCOMPARE(p[10], QPoint(0, 1));
        QCOMPARE(p[11], QPoint(5, 1));   // columns 1..4 of row 1 are empty
        QCOMPARE(p[17], QPoint(15, 1));  // row 1 holds cells 10..17
        QCOMPARE(p[18], QPoint(0, 2));
        QCOMPARE(p[33], QPoint(15, 2));  // a full row
        QCOMPARE(p[98], QPoint(0, 7));
        QCOMPARE(p[110], QPoint(15, 7)); // row 7 holds cells 98..110
        QCOMPARE(p[212], QPoint(6, 15));
        QCOMPARE(p[215], QPoint(9, 15)); // row 15 holds cells 212..215
        QSet<QPair<int, int>> viste;
        for (const QPoint &q : p) {
            QVERIFY(q.x() >= 0 && q.x() < 16 && q.y() >= 0 && q.y() < 16);
            viste.insert({q.x(), q.y()});
        }
        QCOMPARE(viste.size(), 216);
        QCOMPARE(casellaInPosizione(7, 7), -1);
        QCOMPARE(casellaInPosizione(9, 15), 215);
        QCOMPARE(casellaInPosizione(16, 0), -1);
    }

    void nomi_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<bool>("accettato");
        QTest::newRow("semplice") << "Anna" << true;
        QTest::newRow("con spazio e accento") << "Nicolò B" << true;
        QTest::newRow("64 caratteri") << QString(64, QLatin1Char('a')) << true;
        QTest::newRow("65 caratteri") << QString(65, QLatin1Char('a')) << false;
        QTest::newRow("vuoto") << "" << false;
        QTest::newRow("solo spazi") << "   " << false;
        QTest::newRow("barra") << "a/b" << false;
        QTest::newRow("barra rovescia") << "a\\b" << false;
        QTest::newRow("risale") << "../x" << false;
        QTest::newRow("punto iniziale") << ".nascosto" << false;
        QTest::newRow("due punti") << "c:x" << false;
        QTest::newRow("asterisco") << "a*" << false;
        QTest::newRow("a capo") << "a\nb" << false;
        QTest::newRow("spazio finale") << "Anna " << false;
        QTest::newRow("predefinito") << "_PreDefinito" << false;
        QTest::newRow("dispositivo") << "con" << false;
        QTest::newRow("esistente, altre maiuscole") << "MARCO" << false;
        QTest::newRow("fuori da 1252") << "Ālex" << false;
        QTest::newRow("emoji") << QString::fromUtf8("Lu\xF0\x9F\x98\x80") << false;
        QTest::newRow("euro sta in 1252") << "€uro" << true;
    }
    // A refused name always says why; an accepted one says nothing.
    void nomi()
    {
        QFETCH(QString, nome);
        QFETCH(bool, accettato);
        const QStringList esistenti = {QStringLiteral("_predefinito"), QStringLiteral("Marco")};
        QCOMPARE(nomeNuovoUtenteAccettato(nome, esistenti), accettato);
        QCOMPARE(motivoNomeRifiutato(nome, esistenti).isEmpty(), accettato);
    }

    void caratteri1252()
    {
        QCOMPARE(TestoFile::soloCaratteri1252(QString::fromUtf8("rosso \xE2\x82\xAC \xC4\x80 \xE2\x80\x94 \xC2\x81x")),
                 QString::fromUtf8("rosso \xE2\x82\xAC  \xE2\x80\x94 x"));
    }

    void didascalia()
    {
        const std::array<QString, 5> slot = {QStringLiteral("FF0000"), QStringLiteral("rosso"), QStringLiteral("rossi"),
                                             QStringLiteral("rossa"), QStringLiteral("rosse")};
        QCOMPARE(didascaliaSlot(slot), QStringLiteral("rosso - rossi - rossa - rosse"));
    }
};

QTEST_MAIN(TestLogicaConfigura)
#include "tst_logicaconfigura.moc"
