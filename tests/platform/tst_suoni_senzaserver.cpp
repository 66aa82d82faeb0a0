#include "core/Casuale.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "framework/Feedback.h"
#include "platform/SuoniQt.h"
#include "TestPaths.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QtTest>

// The real player on a machine with no sound server: answers must stay
// silent without blocking the window or failing.
class TestSuoniSenzaServer : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // Playing returns at once and nothing plays; stopping is harmless.
    void restaMutoSenzaBloccare_data();
    void restaMutoSenzaBloccare();
    // The answer sounds of the program folder go through the real player quietly.
    void suoniDelleRisposte();
};

void TestSuoniSenzaServer::initTestCase()
{
    // A server address where nothing listens, set before Qt Multimedia looks
    // for outputs; it also keeps the sound library from starting a server.
    static QTemporaryDir nessuno;
    qputenv("PULSE_SERVER", QByteArray("unix:") + QFile::encodeName(nessuno.filePath("native")));
    Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_PROGRAM_DIR));
}

void TestSuoniSenzaServer::restaMutoSenzaBloccare_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("a right-answer sound") << PINNOLE_PROGRAM_DIR "/suoni/si/1.wav";
    QTest::newRow("a missing file") << PINNOLE_PROGRAM_DIR "/suoni/si/99.wav";
}

void TestSuoniSenzaServer::restaMutoSenzaBloccare()
{
    QFETCH(QString, file);
    SuoniQt suoni;
    QElapsedTimer orologio;
    orologio.start();
    suoni.suona(file);
    suoni.suona(file);
    QVERIFY2(orologio.elapsed() < 1000, qPrintable(QString::number(orologio.elapsed())));
    QTest::qWait(300);
    QVERIFY(!suoni.staSuonando());
    suoni.ferma();
    QVERIFY(!suoni.staSuonando());
}

void TestSuoniSenzaServer::suoniDelleRisposte()
{
    SuoniQt suoni;
    impostaSuoni(&suoni);
    FonteScriptata fonte{0.1, 0.9, 0.5};
    impostaFonteCasuale(&fonte);
    Stato().imp.SuoniAttivi = true;
    QElapsedTimer orologio;
    orologio.start();
    SuonaSi();
    SuonaNo();
    SuonaSi();
    QVERIFY(orologio.elapsed() < 1000);
    QCOMPARE(fonte.estrazioni(), 3);
    QTest::qWait(300);
    QVERIFY(!suoni.staSuonando());
    impostaFonteCasuale(nullptr);
    impostaSuoni(nullptr);
}

QTEST_MAIN(TestSuoniSenzaServer)
#include "tst_suoni_senzaserver.moc"
