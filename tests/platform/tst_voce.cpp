#include "platform/AudioQt.h"
#include "platform/Voce.h"
#include "platform/VoceEspeak.h"

#include <QSignalSpy>
#include <QtTest>

namespace {

const QString kFrase = QStringLiteral("Il tetto è rosso.");
const QString kFraseLunga = QStringLiteral(
    "C'era una volta una casetta con il tetto rosso, le pareti gialle, le finestre blu "
    "e una porta verde, in mezzo a un prato pieno di fiori.");

// The test command starts a private sound server and names it here; without
// one the voice must work silently.
bool conServerAudio()
{
    return qEnvironmentVariableIsSet("PULSE_SERVER");
}

ParametriVoce italiano(int velocita = 175)
{
    ParametriVoce p;
    p.voce = voceDellaLingua(QStringLiteral("it"));
    p.velocita = velocita;
    return p;
}

} // namespace

class TestVoce : public QObject
{
    Q_OBJECT
private slots:
    // The voice is heard on the sound output that the program opens as a
    // module; this test links it and installs it itself.
    void initTestCase() { installaAudioQt(); }
    // A faster speed gives shorter audio (output is not bit-stable: compare lengths).
    void piuVeloceEPiuBreve();
    // Word events point at the words of the text, accents included, in order of time.
    void paroleNelTesto();
    // A synthesis told to stop returns early with less audio.
    void sintesiAnnullata();
    // Block by block the engine hands over exactly the whole text's samples
    // and words, the first block long before the synthesis ends.
    void sintesiABlocchi();
    // Every engine voice is a mode "{id}" with a name; Italian is there.
    void modiDelMotore();
    void voceDalModo_data();
    void voceDalModo();
    // A text is said to its end, the mouth moves meanwhile and closes after.
    void testoDettoFinoInFondo();
    // Stopping silences at once and no end is reported for the cut text.
    void fermaSubito();
    // A new text replaces the one being said: only the new one ends.
    void nuovoTestoSostituisce();
    // A long text starts to be said while the rest is still synthesised.
    void testoLungoIniziaSubito();
};

void TestVoce::piuVeloceEPiuBreve()
{
    const AudioVoce lenta = sintetizzaVoce(kFrase, italiano(80));
    const AudioVoce veloce = sintetizzaVoce(kFrase, italiano(250));
    QVERIFY(veloce.campioni() > 0);
    QVERIFY2(veloce.campioni() * 2 < lenta.campioni(),
             qPrintable(QStringLiteral("250: %1 samples, 80: %2").arg(veloce.campioni()).arg(lenta.campioni())));
    // The measured length of this sentence at 80 words a minute is about two seconds.
    QVERIFY(lenta.durataMs() > 1200 && lenta.durataMs() < 3500);
}

void TestVoce::paroleNelTesto()
{
    const AudioVoce audio = sintetizzaVoce(kFrase, italiano());
    QStringList parole;
    qint64 precedente = -1;
    for (const ParolaDetta &p : audio.parole) {
        parole.append(kFrase.mid(p.inizio, p.lunghezza));
        QVERIFY(p.campione >= precedente);
        QVERIFY(p.campione < audio.campioni());
        precedente = p.campione;
    }
    QCOMPARE(parole, QStringList({"Il", "tetto", "è", "rosso"}));
}

void TestVoce::sintesiAnnullata()
{
    const AudioVoce intera = sintetizzaVoce(kFraseLunga, italiano());
    int chiamate = 0;
    const AudioVoce interrotta = sintetizzaVoce(kFraseLunga, italiano(), [&chiamate] { return ++chiamate > 2; });
    QVERIFY(interrotta.campioni() < intera.campioni() / 2);
    // The engine is usable again right after.
    QVERIFY(sintetizzaVoce(kFrase, italiano()).campioni() > 0);
}

void TestVoce::sintesiABlocchi()
{
    QElapsedTimer orologio;
    orologio.start();
    qint64 primoBlocco = -1;
    AudioVoce unite;
    int blocchi = 0;
    const AudioVoce intera = sintetizzaVoce(kFraseLunga, italiano(), {}, [&](const AudioVoce &parte) {
        if (primoBlocco < 0)
            primoBlocco = orologio.nsecsElapsed();
        unite.pcm.append(parte.pcm);
        unite.parole.append(parte.parole);
        ++blocchi;
    });
    const qint64 tutto = orologio.nsecsElapsed();
    QVERIFY(intera.campioni() > 0);
    QVERIFY2(blocchi > 10, qPrintable(QString::number(blocchi)));
    QCOMPARE(unite.pcm, intera.pcm);
    QCOMPARE(unite.parole.size(), intera.parole.size());
    for (qsizetype i = 0; i < intera.parole.size(); ++i) {
        QCOMPARE(unite.parole.at(i).campione, intera.parole.at(i).campione);
        QCOMPARE(unite.parole.at(i).inizio, intera.parole.at(i).inizio);
    }
    QVERIFY2(primoBlocco * 4 < tutto, qPrintable(QStringLiteral("first block %1 us of %2 us").arg(primoBlocco / 1000).arg(tutto / 1000)));
}

void TestVoce::modiDelMotore()
{
    const QList<ModoVoce> modi = modiVoce();
    QVERIFY(modi.size() > 10);
    const auto italiano = std::find_if(modi.cbegin(), modi.cend(),
                                       [](const ModoVoce &m) { return m.modo() == QLatin1String("{it}"); });
    QVERIFY(italiano != modi.cend());
    QCOMPARE(italiano->nome, QStringLiteral("Italian"));
    for (const ModoVoce &m : modi) {
        QVERIFY2(!m.nome.isEmpty() && !m.identificativo.isEmpty(), qPrintable(m.voce));
        QCOMPARE(voceDelModoMotore(m.modo()), m.voce);
    }
}

void TestVoce::voceDalModo_data()
{
    QTest::addColumn<QString>("modo");
    QTest::addColumn<QString>("voce");
    QTest::newRow("italiano") << "{it}" << "roa/it";
    QTest::newRow("maiuscole") << "{IT}" << "roa/it";
    QTest::newRow("inglese britannico") << "{en-GB-x-rp}" << "gmw/en-GB-x-rp";
    QTest::newRow("voce che manca") << "{xx}" << "";
    QTest::newRow("modo di un altro sistema") << "{CA141FD0-AC7F-11D1-97A3-006008273000}" << "";
    QTest::newRow("senza graffe") << "it" << "";
}

void TestVoce::voceDalModo()
{
    QFETCH(QString, modo);
    QTEST(voceDelModoMotore(modo), "voce");
}

void TestVoce::testoDettoFinoInFondo()
{
    Voce voce;
    QSignalSpy fine(&voce, &Voce::finito);
    int aperturaMassima = 0;
    connect(&voce, &Voce::aperturaCambiata, this, [&aperturaMassima](int a) { aperturaMassima = std::max(aperturaMassima, a); });
    QElapsedTimer orologio;
    orologio.start();
    voce.parla(kFrase, italiano(250));
    QVERIFY(voce.staParlando());
    QVERIFY(voce.caratteriDetti() < kFrase.size());
    if (conServerAudio())
        QTRY_VERIFY_WITH_TIMEOUT(voce.suonoAttivo(), 3000);
    QVERIFY(fine.wait(5000));
    QCOMPARE(fine.count(), 1);
    // Said in about the time the audio lasts, neither at once nor much later.
    QVERIFY2(orologio.elapsed() >= 500 && orologio.elapsed() < 4000, qPrintable(QString::number(orologio.elapsed())));
    QCOMPARE(aperturaMassima, 2);
    QCOMPARE(voce.apertura(), 0);
    QCOMPARE(voce.caratteriDetti(), kFrase.size());
    QVERIFY(!voce.staParlando());
    QVERIFY(!voce.suonoAttivo());
}

void TestVoce::fermaSubito()
{
    Voce voce;
    QSignalSpy fine(&voce, &Voce::finito);
    voce.parla(kFraseLunga, italiano(80));
    QTRY_VERIFY_WITH_TIMEOUT(voce.caratteriDetti() > 0, 5000);
    if (conServerAudio())
        QVERIFY(voce.suonoAttivo());
    voce.ferma();
    QVERIFY(!voce.staParlando());
    QVERIFY(!voce.suonoAttivo());
    QCOMPARE(voce.apertura(), 0);
    QTest::qWait(400);
    QCOMPARE(voce.caratteriDetti(), 0);
    QCOMPARE(fine.count(), 0);

    // Stopping while the text is still being synthesised works the same.
    voce.parla(kFraseLunga, italiano(80));
    voce.ferma();
    QTest::qWait(300);
    QVERIFY(!voce.staParlando());
    QCOMPARE(fine.count(), 0);
}

void TestVoce::nuovoTestoSostituisce()
{
    Voce voce;
    QSignalSpy fine(&voce, &Voce::finito);
    voce.parla(kFraseLunga, italiano(80));
    voce.parla(QStringLiteral("Ciao."), italiano(250));
    QCOMPARE(voce.testo(), QStringLiteral("Ciao."));
    QVERIFY(fine.wait(4000));
    QCOMPARE(voce.caratteriDetti(), 5);
    QTest::qWait(300);
    QCOMPARE(fine.count(), 1);
}

void TestVoce::testoLungoIniziaSubito()
{
    // Five times the long text: well over a hundred milliseconds to make.
    QString lungo;
    for (int i = 0; i < 5; ++i)
        lungo += kFraseLunga + QLatin1Char(' ');
    Voce::preparaMotore();
    sintetizzaVoce(kFrase, italiano());
    QElapsedTimer orologio;
    orologio.start();
    sintetizzaVoce(lungo, italiano());
    const qint64 sintesi = orologio.elapsed();

    Voce voce;
    QSignalSpy avanza(&voce, &Voce::avanzamento);
    orologio.restart();
    voce.parla(lungo, italiano());
    QVERIFY(avanza.wait(5000));
    const qint64 primaParola = orologio.elapsed();
    QVERIFY2(primaParola * 2 < sintesi, qPrintable(QStringLiteral("first word after %1 ms, synthesis %2 ms").arg(primaParola).arg(sintesi)));
    if (conServerAudio())
        QTRY_VERIFY_WITH_TIMEOUT(voce.suonoAttivo(), 1000);
    voce.ferma();
}

QTEST_MAIN(TestVoce)
#include "tst_voce.moc"
