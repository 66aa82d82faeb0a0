#include "core/Modulo1.h"
#include "users/RegistroAttivita.h"
#include "users/Utenti.h"

#include <QTest>

using Riga = std::array<QString, 4>;

class TestRegistro : public QObject
{
    Q_OBJECT

private slots:
    // One run with a level change, then a second run: runs are parted by
    // one empty row. The ignored presses of each segment go beside its row,
    // never into its four columns.
    void dueEsecuzioni()
    {
        StatoProgramma s;
        QVERIFY(iniziaRigaEsercizio(s, QStringLiteral("Vero o falso")));
        s.RisposteEsatte = 7;
        s.PressioniIgnorate = 5;
        QVERIFY(completaSegmento(s, 1));
        s.RisposteEsatte = 2;
        s.RisposteErrate = 1;
        s.PressioniIgnorate = 0;
        QVERIFY(completaSegmento(s, 2));
        QCOMPARE(s.IgnorateRegistro[1], QStringLiteral("5"));
        QCOMPARE(s.IgnorateRegistro[2], QStringLiteral("0"));
        QVERIFY(s.IgnorateRegistro[3].isEmpty());
        QCOMPARE(s.NumeroRighe, qint16(3));
        QCOMPARE(s.RegistroAttivita[1], (std::array<QString, 4>{"Vero o falso", "1", "7", "0"}));
        QCOMPARE(s.RegistroAttivita[2], (std::array<QString, 4>{"", "2", "2", "1"}));
        QVERIFY(iniziaRigaEsercizio(s, QStringLiteral("Insiemi")));
        QCOMPARE(s.NumeroRighe, qint16(4));
        QCOMPARE(s.RegistroAttivita[3], (std::array<QString, 4>{}));
        QCOMPARE(s.RegistroAttivita[0], (std::array<QString, 4>{}));
    }

    // Rows stop at 500: nothing is written beyond, and the count never
    // points past the row after the last. A run that finds no row for its
    // name records nothing, not even on the row of the run before it.
    void tabellaPiena_data()
    {
        QTest::addColumn<int>("numeroRighe");
        QTest::addColumn<QString>("riga500");
        QTest::addColumn<bool>("iniziata");
        QTest::addColumn<Riga>("riga500Attesa");

        QTest::newRow("the last run starts on row 500")
            << 499 << QString() << true << Riga {"x", "3", "7", "0"};
        QTest::newRow("after an Esci that left row 500 empty")
            << 500 << QString() << false << Riga {};
        QTest::newRow("after a window closed on row 500")
            << 500 << QStringLiteral("chiusa") << false << Riga {"chiusa", "", "", ""};
    }
    void tabellaPiena()
    {
        QFETCH(int, numeroRighe);
        QFETCH(QString, riga500);
        QFETCH(bool, iniziata);
        QFETCH(Riga, riga500Attesa);

        StatoProgramma s;
        s.NumeroRighe = qint16(numeroRighe);
        s.RegistroAttivita[500][0] = riga500;
        s.PressioniIgnorate = 2;
        QCOMPARE(iniziaRigaEsercizio(s, QStringLiteral("x")), iniziata);
        QCOMPARE(s.NumeroRighe, qint16(iniziata ? 500 : 501));
        s.RisposteEsatte = 7;
        QCOMPARE(completaSegmento(s, 3), iniziata);
        QCOMPARE(s.NumeroRighe, qint16(501));
        QVERIFY(registroPieno(s));
        // Further segments and runs are refused.
        QVERIFY(!completaSegmento(s, 4));
        QVERIFY(!iniziaRigaEsercizio(s, QStringLiteral("z")));
        QCOMPARE(s.NumeroRighe, qint16(501));
        QCOMPARE(s.RegistroAttivita[500], riga500Attesa);
        QCOMPARE(s.IgnorateRegistro[500], iniziata ? QStringLiteral("2") : QString());
        QCOMPARE(righeRegistroUsate(s), 500);
        // A change of user starts the table afresh.
        svuotaRegistro(s);
        QCOMPARE(s.NumeroRighe, qint16(0));
        QVERIFY(!registroPieno(s));
        QCOMPARE(s.RegistroAttivita[500], Riga {});
        QVERIFY(s.IgnorateRegistro[500].isEmpty());
        QVERIFY(iniziaRigaEsercizio(s, QStringLiteral("y")));
        QCOMPARE(s.NumeroRighe, qint16(1));
    }

    // A change of user made outside the menu's list empties the table too,
    // ignored presses included: no count is carried over to another user;
    // the same user in another case keeps it.
    void cambioDiUtente_data()
    {
        QTest::addColumn<QString>("vecchio");
        QTest::addColumn<QString>("nuovo");
        QTest::addColumn<bool>("svuotato");
        QTest::newRow("another user") << QStringLiteral("_predefinito") << QStringLiteral("Anna") << true;
        QTest::newRow("a new user typed") << QStringLiteral("Anna") << QStringLiteral("B") << true;
        QTest::newRow("the same user in capitals") << QStringLiteral("anna") << QStringLiteral("ANNA") << false;
    }
    void cambioDiUtente()
    {
        QFETCH(QString, vecchio);
        QFETCH(QString, nuovo);
        QFETCH(bool, svuotato);
        StatoProgramma s;
        s.UtenteCorrente = vecchio;
        iniziaRigaEsercizio(s, QStringLiteral("Vero o falso"));
        s.PressioniIgnorate = 3;
        completaSegmento(s, 1);
        s.UtenteCorrente = nuovo;
        QCOMPARE(utenteCambiato(s, vecchio), svuotato);
        QCOMPARE(s.NumeroRighe, qint16(svuotato ? 0 : 2));
        QCOMPARE(s.RegistroAttivita[1][0].isEmpty(), svuotato);
        QCOMPARE(s.IgnorateRegistro[1].isEmpty(), svuotato);
    }
};

QTEST_GUILESS_MAIN(TestRegistro)
#include "tst_registro.moc"
