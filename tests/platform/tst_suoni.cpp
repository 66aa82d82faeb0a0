#include "core/Percorsi.h"
#include "platform/SuoniQt.h"
#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QtTest>

// The real player against a private sound server whose only output is a
// null sink: sounds really load and play, nobody hears them.
class TestSuoni : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();

    // A sound starts at once and stops when asked.
    void suonaEFerma();
    // A new sound cuts the one playing, whether another file or the same one.
    void nuovoSuonoTagliaIlPrecedente_data();
    void nuovoSuonoTagliaIlPrecedente();
    // A sound plays to its end and then stops by itself.
    void finisceDaSolo();
    // What cannot be played gives the default sound instead.
    void fileNonSuonabileDaIlPredefinito_data();
    void fileNonSuonabileDaIlPredefinito();
    // With the default sound gone as well, the player stays quiet and sane.
    void senzaPredefinitoRestaMuto();

private:
    QString dato(const QString &relativo) const { return m_programma.filePath(relativo); }
    int effettiInCorso() const;

    QTemporaryDir m_server;
    QTemporaryDir m_programma;
    QProcess m_pulse;
    std::unique_ptr<SuoniQt> m_suoni;
};

void TestSuoni::initTestCase()
{
    // The server must be up before Qt Multimedia looks for sound outputs.
    QVERIFY(m_server.isValid());
    const QString socket = m_server.filePath(QStringLiteral("native"));
    QProcessEnvironment ambiente = QProcessEnvironment::systemEnvironment();
    ambiente.insert(QStringLiteral("PULSE_RUNTIME_PATH"), m_server.path());
    ambiente.insert(QStringLiteral("PULSE_STATE_PATH"), m_server.path());
    m_pulse.setProcessEnvironment(ambiente);
    m_pulse.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    m_pulse.start(QStringLiteral("pulseaudio"),
                  {QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                   QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--use-pid-file=no"),
                   QStringLiteral("--log-level=error"),
                   QStringLiteral("--load=module-null-sink"),
                   QStringLiteral("--load=module-native-protocol-unix socket=%1 auth-anonymous=1").arg(socket)});
    QVERIFY2(m_pulse.waitForStarted(5000), "pulseaudio (package pulseaudio) is needed for this test");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(socket), 10000);
    qputenv("PULSE_SERVER", QByteArray("unix:") + QFile::encodeName(socket));

    QVERIFY(m_programma.isValid());
    QDir().mkpath(dato(QStringLiteral("suoni/si")));
    for (const char *file : {"suoni/si/1.wav", "suoni/si/2.wav", "suoni/predefinito.wav"})
        QVERIFY(QFile::copy(QStringLiteral(PINNOLE_DATA_DIR "/") + QLatin1String(file), dato(QLatin1String(file))));
    QFile rotto(dato(QStringLiteral("suoni/si/rotto.wav")));
    QVERIFY(rotto.open(QIODevice::WriteOnly));
    rotto.write(QByteArray(4000, 'x'));
    rotto.close();
    QDir().mkpath(dato(QStringLiteral("suoni/si/cartella.wav")));
    Percorsi::impostaCartellaProgramma(m_programma.path());
}

void TestSuoni::cleanupTestCase()
{
    m_suoni.reset();
    m_pulse.terminate();
    if (!m_pulse.waitForFinished(5000))
        m_pulse.kill();
}

void TestSuoni::init()
{
    m_suoni = std::make_unique<SuoniQt>();
}

int TestSuoni::effettiInCorso() const
{
    int n = 0;
    for (const QSoundEffect *e : m_suoni->findChildren<QSoundEffect *>())
        n += e->isPlaying() ? 1 : 0;
    return n;
}

void TestSuoni::suonaEFerma()
{
    const QString file = dato(QStringLiteral("suoni/si/1.wav"));
    QElapsedTimer orologio;
    orologio.start();
    m_suoni->suona(file);
    QVERIFY2(orologio.elapsed() < 500, "playing must not wait for the sound");
    QTRY_VERIFY_WITH_TIMEOUT(m_suoni->staSuonando(), 5000);
    QCOMPARE(m_suoni->fileInCorso(), file);

    m_suoni->ferma();
    QVERIFY(!m_suoni->staSuonando());
    QCOMPARE(effettiInCorso(), 0);
}

void TestSuoni::nuovoSuonoTagliaIlPrecedente_data()
{
    QTest::addColumn<QString>("primo");
    QTest::addColumn<QString>("secondo");
    QTest::newRow("another file") << "suoni/si/1.wav" << "suoni/si/2.wav";
    QTest::newRow("the same file again") << "suoni/si/1.wav" << "suoni/si/1.wav";
    QTest::newRow("the default after a file") << "suoni/si/2.wav" << "suoni/predefinito.wav";
}

void TestSuoni::nuovoSuonoTagliaIlPrecedente()
{
    QFETCH(QString, primo);
    QFETCH(QString, secondo);
    m_suoni->suona(dato(primo));
    QTRY_VERIFY_WITH_TIMEOUT(m_suoni->staSuonando(), 5000);

    m_suoni->suona(dato(secondo));
    QTRY_VERIFY_WITH_TIMEOUT(m_suoni->staSuonando(), 5000);
    QCOMPARE(m_suoni->fileInCorso(), dato(secondo));
    QCOMPARE(effettiInCorso(), 1);
    QTest::qWait(100);
    QCOMPARE(effettiInCorso(), 1);
}

void TestSuoni::finisceDaSolo()
{
    m_suoni->suona(dato(QStringLiteral("suoni/predefinito.wav"))); // about half a second
    QTRY_VERIFY_WITH_TIMEOUT(m_suoni->staSuonando(), 5000);
    QTRY_VERIFY_WITH_TIMEOUT(!m_suoni->staSuonando(), 5000);
    QCOMPARE(effettiInCorso(), 0);
}

void TestSuoni::fileNonSuonabileDaIlPredefinito_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("decodificato"); // reaches Qt's decoder, which complains
    QTest::newRow("missing file") << "suoni/si/9.wav" << false;
    QTest::newRow("a folder") << "suoni/si/cartella.wav" << false;
    QTest::newRow("not a wav inside") << "suoni/si/rotto.wav" << true;
}

void TestSuoni::fileNonSuonabileDaIlPredefinito()
{
    QFETCH(QString, file);
    QFETCH(bool, decodificato);
    if (decodificato)
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("QSoundEffect.*rotto")));
    // Asked twice: a file that failed once must fail over again, not hang.
    for (int volta = 0; volta < 2; ++volta) {
        m_suoni->suona(dato(file));
        QTRY_COMPARE_WITH_TIMEOUT(m_suoni->fileInCorso(), dato(QStringLiteral("suoni/predefinito.wav")), 5000);
        QTRY_VERIFY_WITH_TIMEOUT(m_suoni->staSuonando(), 5000);
        QCOMPARE(effettiInCorso(), 1);
        m_suoni->ferma();
    }
}

void TestSuoni::senzaPredefinitoRestaMuto()
{
    QTemporaryDir vuota;
    Percorsi::impostaCartellaProgramma(vuota.path());
    m_suoni->suona(dato(QStringLiteral("suoni/si/9.wav")));
    QTest::qWait(300);
    QVERIFY(m_suoni->fileInCorso().isEmpty());
    QVERIFY(!m_suoni->staSuonando());
    QCOMPARE(effettiInCorso(), 0);

    // The player still works once the default is back.
    Percorsi::impostaCartellaProgramma(m_programma.path());
    m_suoni->suona(dato(QStringLiteral("suoni/si/9.wav")));
    QTRY_VERIFY_WITH_TIMEOUT(m_suoni->staSuonando(), 5000);
    QCOMPARE(m_suoni->fileInCorso(), dato(QStringLiteral("suoni/predefinito.wav")));
}

QTEST_MAIN(TestSuoni)
#include "tst_suoni.moc"
