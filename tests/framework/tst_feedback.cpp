#include "core/Casuale.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "framework/Feedback.h"
#include "SuoniFinti.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

// Creates the entries of a folder: a name ending in "/" is a subfolder, any
// other name an empty file (the player is a fake, so contents never matter).
void creaVoci(const QString &cartella, const QStringList &voci)
{
    QDir().mkpath(cartella);
    for (const QString &voce : voci) {
        if (voce.endsWith(QLatin1Char('/'))) {
            QDir().mkpath(cartella + QLatin1Char('/') + voce);
        } else {
            QFile f(cartella + QLatin1Char('/') + voce);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
    }
}

// Counts every access the kernel reports on some folders (listing one opens
// it), to show that a folder was never read.
class AccessiCartelle
{
public:
    explicit AccessiCartelle(const QStringList &cartelle)
        : m_fd(inotify_init1(IN_NONBLOCK | IN_CLOEXEC))
    {
        for (const QString &c : cartelle)
            inotify_add_watch(m_fd, QFile::encodeName(c).constData(), IN_OPEN | IN_ACCESS);
    }
    ~AccessiCartelle() { ::close(m_fd); }
    AccessiCartelle(const AccessiCartelle &) = delete;
    AccessiCartelle &operator=(const AccessiCartelle &) = delete;

    bool valido() const { return m_fd >= 0; }
    int accessi()
    {
        alignas(inotify_event) char buffer[4096];
        ssize_t letti;
        while ((letti = ::read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char *p = buffer; p < buffer + letti;) {
                const auto *evento = reinterpret_cast<const inotify_event *>(p);
                ++m_accessi;
                p += sizeof(inotify_event) + evento->len;
            }
        }
        return m_accessi;
    }

private:
    int m_fd;
    int m_accessi = 0;
};

} // namespace

class TestFeedback : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    // An answer sound is drawn from 1..n, n counting every "*.wav" entry of
    // its own folder, and a chosen file that is missing plays the default sound.
    void suonoScelto_data();
    void suonoScelto();
    // With sounds off nothing is drawn, played or even listed.
    void suoniSpentiNonLeggonoLeCartelle();
    // The reward is drawn from 1..n over the "*.svg" entries of "animazioni".
    void premioScelto_data();
    void premioScelto();

private:
    std::unique_ptr<QTemporaryDir> m_programma;
    QString m_cartellaPrecedente;
};

void TestFeedback::init()
{
    m_programma = std::make_unique<QTemporaryDir>();
    QVERIFY(m_programma->isValid());
    m_cartellaPrecedente = Percorsi::cartellaProgramma();
    Percorsi::impostaCartellaProgramma(m_programma->path());
    Stato().imp.SuoniAttivi = true;
}

void TestFeedback::cleanup()
{
    impostaFonteCasuale(nullptr);
    Percorsi::impostaCartellaProgramma(m_cartellaPrecedente);
    m_programma.reset();
}

void TestFeedback::suonoScelto_data()
{
    QTest::addColumn<QString>("cartella"); // "si" or "no"
    QTest::addColumn<QStringList>("voci");
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("atteso"); // file of the folder, or "" for the default sound

    const QStringList tre{"1.wav", "2.wav", "3.wav"};
    QTest::newRow("three files, lowest draw") << "si" << tre << 0.0 << "1.wav";
    QTest::newRow("three files, middle draw") << "si" << tre << 0.5 << "2.wav";
    QTest::newRow("three files, highest draw") << "si" << tre << 0.9999 << "3.wav";
    QTest::newRow("wrong answer folder") << "no" << tre << 0.7 << "3.wav";
    QTest::newRow("gap: the missing file gives the default")
        << "no" << QStringList{"1.wav", "3.wav"} << 0.5 << "";
    QTest::newRow("gap: the file past the count is never chosen")
        << "si" << QStringList{"1.wav", "3.wav"} << 0.9999 << "";
    QTest::newRow("gap: below the gap plays")
        << "si" << QStringList{"1.wav", "3.wav"} << 0.4999 << "1.wav";
    QTest::newRow("other wav names are counted")
        << "si" << QStringList{"1.wav", "2.wav", "applauso.wav"} << 0.9 << "";
    QTest::newRow("a subfolder named like a wav is counted")
        << "si" << QStringList{"1.wav", "2.wav", "vecchi.wav/"} << 0.9 << "";
    QTest::newRow("hidden wav files are counted")
        << "si" << QStringList{"1.wav", ".2.wav"} << 0.9 << "";
    QTest::newRow("extension in capitals is counted and found")
        << "no" << QStringList{"1.wav", "2.WAV"} << 0.9 << "2.WAV";
    QTest::newRow("other files are not counted")
        << "si" << QStringList{"1.wav", "2.wav", "3.mp3", "4.wav.bak", "leggimi.txt", "altro/"}
        << 0.9999 << "2.wav";
    QTest::newRow("empty folder asks for 1.wav") << "si" << QStringList{} << 0.7 << "";
}

void TestFeedback::suonoScelto()
{
    QFETCH(QString, cartella);
    QFETCH(QStringList, voci);
    QFETCH(double, r);
    QFETCH(QString, atteso);

    // The other folder holds more files, so reading the wrong one shows.
    const QString altra = cartella == QLatin1String("si") ? QStringLiteral("no") : QStringLiteral("si");
    creaVoci(m_programma->filePath("suoni/" + altra),
             {"1.wav", "2.wav", "3.wav", "4.wav", "5.wav", "6.wav", "7.wav"});
    creaVoci(m_programma->filePath("suoni/" + cartella), voci);

    FonteScriptata fonte{r};
    impostaFonteCasuale(&fonte);
    SuoniFinti suoni;
    if (cartella == QLatin1String("si"))
        SuonaSi();
    else
        SuonaNo();

    const QString file = atteso.isEmpty()
        ? m_programma->filePath("suoni/predefinito.wav")
        : m_programma->filePath("suoni/" + cartella + "/" + atteso);
    QCOMPARE(suoni.suonati, QStringList{file});
    QCOMPARE(fonte.estrazioni(), 1);
}

void TestFeedback::suoniSpentiNonLeggonoLeCartelle()
{
    const QString si = m_programma->filePath("suoni/si");
    const QString no = m_programma->filePath("suoni/no");
    creaVoci(si, {"1.wav", "2.wav"});
    creaVoci(no, {"1.wav", "2.wav"});
    AccessiCartelle accessi({si, no});
    QVERIFY(accessi.valido());
    FonteScriptata fonte{0.5};
    impostaFonteCasuale(&fonte);
    SuoniFinti suoni;

    Stato().imp.SuoniAttivi = false;
    SuonaSi();
    SuonaNo();
    QCOMPARE(accessi.accessi(), 0);
    QVERIFY(suoni.suonati.isEmpty());
    QCOMPARE(fonte.estrazioni(), 0);

    // Switched on, the same calls list both folders: the watch does see reads.
    Stato().imp.SuoniAttivi = true;
    SuonaSi();
    SuonaNo();
    QVERIFY(accessi.accessi() >= 2);
    QCOMPARE(suoni.suonati, (QStringList{si + "/2.wav", no + "/2.wav"}));
    QCOMPARE(fonte.estrazioni(), 2);
}

void TestFeedback::premioScelto_data()
{
    QTest::addColumn<QStringList>("voci");
    QTest::addColumn<double>("r");
    QTest::addColumn<QString>("atteso");

    const QStringList cinque{"1.svg", "2.svg", "3.svg", "4.svg", "5.svg"};
    QTest::newRow("lowest draw") << cinque << 0.0 << "1.svg";
    QTest::newRow("highest draw") << cinque << 0.9999 << "5.svg";
    QTest::newRow("draw scaled by the count") << cinque << 0.6 << "4.svg";
    QTest::newRow("only svg entries count")
        << QStringList{"1.svg", "2.svg", "1.png", "3.swf", "anteprima.svg.txt"} << 0.9999 << "2.svg";
    QTest::newRow("empty folder asks for 1.svg") << QStringList{} << 0.9 << "1.svg";
}

void TestFeedback::premioScelto()
{
    QFETCH(QStringList, voci);
    QFETCH(double, r);
    QFETCH(QString, atteso);

    creaVoci(m_programma->filePath("animazioni"), voci);
    FonteScriptata fonte{r};
    QCOMPARE(filePremio(fonte), m_programma->filePath("animazioni/" + atteso));
    QCOMPARE(fonte.estrazioni(), 1);
}

QTEST_GUILESS_MAIN(TestFeedback)
#include "tst_feedback.moc"
