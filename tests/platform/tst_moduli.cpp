// The modules as the program opens them: this test is linked like the
// program (every part of its libraries, exported, and neither module linked
// in), so each module is found, linked against it and started for real.

#include "TestiItaliani.h"
#include "menu/FinestreMenu.h"
#include "platform/Moduli.h"
#include "platform/Suoni.h"
#include "platform/UscitaVoce.h"

#include <QFile>
#include <QTemporaryDir>
#include <QWidget>
#include <QtTest>

#include <memory>

class TestModuli : public QObject
{
    Q_OBJECT

private slots:
    // Both modules open from the program folder of the build and install
    // what they bring: the answer-sound player, the voice's output and the
    // "Progressi" window. A second request opens nothing again.
    void iModuliDelProgramma()
    {
        preparaTestiItaliani();
        QCOMPARE(cartellaModuli(), QStringLiteral(PINNOLE_PROGRAM_DIR "/moduli"));

        QVERIFY(!creaUscitaVoce());
        QVERIFY(apriModulo("audio"));
        auto *giocatore = dynamic_cast<QObject *>(&suoni());
        QVERIFY(giocatore);
        QCOMPARE(giocatore->metaObject()->className(), "SuoniQt");
        QVERIFY(creaUscitaVoce());
        QVERIFY(apriModulo("audio"));
        QCOMPARE(dynamic_cast<QObject *>(&suoni()), giocatore);

        QVERIFY(apriModulo("progressi"));
        std::unique_ptr<QWidget> finestra(finestraProgressi()());
        QVERIFY(finestra);
        QCOMPARE(finestra->metaObject()->className(), "FormProgressi");
    }

    // A module that is missing, a link in place of the file, or a file that
    // is no module: none is opened, each is reported once, and asking again
    // gives the same answer without trying again.
    void moduliCheNonSiAprono()
    {
        QTemporaryDir programma;
        QVERIFY(programma.isValid());
        QVERIFY(QDir(programma.path()).mkdir(QStringLiteral("moduli")));
        const QString moduli = programma.path() + QStringLiteral("/moduli/");
        QVERIFY(QFile::link(QStringLiteral(PINNOLE_PROGRAM_DIR "/moduli/pinnole-audio.so"), moduli + QStringLiteral("pinnole-collegato.so")));
        QFile rotto(moduli + QStringLiteral("pinnole-rotto.so"));
        QVERIFY(rotto.open(QIODevice::WriteOnly));
        rotto.write("non un modulo\n");
        rotto.close();
        Percorsi::impostaCartellaProgramma(programma.path());

        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Module nessuno missing")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Module collegato missing")));
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("^Module rotto cannot be opened")));
        for (int volta = 0; volta < 2; ++volta) {
            QVERIFY(!apriModulo("nessuno"));
            QVERIFY(!apriModulo("collegato"));
            QVERIFY(!apriModulo("rotto"));
        }
        Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_PROGRAM_DIR));
    }
};

QTEST_MAIN(TestModuli)
#include "tst_moduli.moc"
