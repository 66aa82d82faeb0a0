#include "core/Modulo1.h"
#include "users/RegistroAttivita.h"

#include <QTest>

class TestRegistro : public QObject
{
    Q_OBJECT

private slots:
    // One run with a level change, then a second run: runs are parted by
    // one empty row.
    void dueEsecuzioni()
    {
        StatoProgramma s;
        QVERIFY(iniziaRigaEsercizio(s, QStringLiteral("Vero o falso")));
        s.RisposteEsatte = 7;
        QVERIFY(completaSegmento(s, 1));
        s.RisposteEsatte = 2;
        s.RisposteErrate = 1;
        QVERIFY(completaSegmento(s, 2));
        QCOMPARE(s.NumeroRighe, qint16(3));
        QCOMPARE(s.RegistroAttivita[1], (std::array<QString, 4>{"Vero o falso", "1", "7", "0"}));
        QCOMPARE(s.RegistroAttivita[2], (std::array<QString, 4>{"", "2", "2", "1"}));
        QVERIFY(iniziaRigaEsercizio(s, QStringLiteral("Insiemi")));
        QCOMPARE(s.NumeroRighe, qint16(4));
        QCOMPARE(s.RegistroAttivita[3], (std::array<QString, 4>{}));
        QCOMPARE(s.RegistroAttivita[0], (std::array<QString, 4>{}));
    }

    // Rows stop at 500: nothing is written beyond, and the count never
    // points past the row after the last.
    void tabellaPiena()
    {
        StatoProgramma s;
        s.NumeroRighe = 499;
        QVERIFY(iniziaRigaEsercizio(s, QStringLiteral("x")));
        QCOMPARE(s.NumeroRighe, qint16(500));
        QVERIFY(!iniziaRigaEsercizio(s, QStringLiteral("y")));
        QCOMPARE(s.RegistroAttivita[500][0], QStringLiteral("x"));
        QVERIFY(completaSegmento(s, 3));
        QCOMPARE(s.NumeroRighe, qint16(501));
        QVERIFY(!completaSegmento(s, 4));
        QVERIFY(!iniziaRigaEsercizio(s, QStringLiteral("z")));
        QCOMPARE(s.NumeroRighe, qint16(501));
        QCOMPARE(s.RegistroAttivita[500][1], QStringLiteral("3"));
        svuotaRegistro(s);
        QCOMPARE(s.NumeroRighe, qint16(0));
        QVERIFY(s.RegistroAttivita[500][0].isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestRegistro)
#include "tst_registro.moc"
