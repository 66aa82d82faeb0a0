#include "core/Percorsi.h"
#include "platform/AgenteFigura.h"
#include "platform/AgenteFumetto.h"
#include "platform/AgenteQt.h"
#include "platform/AudioQt.h"

#include "TestPaths.h"

#include <QDir>
#include <QSet>
#include <QSignalSpy>
#include <QtTest>

namespace {

const QString kFraseLunga = QStringLiteral(
    "C'era una volta una casetta con il tetto rosso, le pareti gialle, le finestre blu "
    "e una porta verde, in mezzo a un prato pieno di fiori.");
const QString kLenta = QStringLiteral("\\Spd=80\\\\Pit=100\\");
const QString kVeloce = QStringLiteral("\\Spd=250\\\\Pit=100\\");

} // namespace

class TestVoceAgente : public QObject
{
    Q_OBJECT
private slots:
    // The voice is heard on the sound output that the program opens as a
    // module; this test links it and installs it itself.
    void initTestCase() { installaAudioQt(); }
    void init();

    // Every character shipped with the program holds the agreed parts.
    void personaggiDelProgrammaCompleti();
    // A missing file or a drawing without its mouths is refused cleanly.
    void caricamentoFallito_data();
    void caricamentoFallito();
    // A character is shown at half its drawing's size, 300x400 giving 150x200.
    void dimensioneOriginale();
    // Inside its window the character stands where it is told in the
    // window's own coordinates, wherever the window lies on the screen.
    void postoNellaFinestra();
    // The mouth moves while the character speaks.
    void boccaSiMuove();
    // A character never shown says nothing.
    void nascostoTace();
    // Show, Speak, Hide: the character hides only once the text has been said.
    void nascondeDopoAverParlato();
    // StopAll silences at once and drops the requests still waiting.
    void stopAllSilenziaSubito();
    // Balloon style bit 1 shows the said text (its tags never appear).
    void fumettoVisibileSoloConIlBit_data();
    void fumettoVisibileSoloConIlBit();
    // Bit 2 sizes the balloon for the whole text; without it the balloon
    // keeps two lines and shows the rest in turns of two lines.
    void fumettoContieneTutto();
    // A balloon kept inside a zone beside the character: the text wraps at
    // the zone's width, then takes a smaller font, then comes in turns;
    // with no room for a line the balloon stays hidden. Never a word cut
    // or lost, never a pixel out of the zone.
    void fumettoNellaZona_data();
    void fumettoNellaZona();
    // The engine mode chooses the voice; an unknown one is refused and the
    // character's language chooses instead.
    void modoELingua();
};

void TestVoceAgente::init()
{
    Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_FIXTURES_DIR));
}

void TestVoceAgente::personaggiDelProgrammaCompleti()
{
    const QDir cartella(QStringLiteral(PINNOLE_DATA_DIR "/personaggi"));
    const QStringList file = cartella.entryList({QStringLiteral("*.svg")}, QDir::Files);
    QVERIFY(file.contains(QStringLiteral("Merlin.svg")));
    for (const QString &nome : file) {
        FiguraPersonaggio figura;
        QStringList mancanti;
        QVERIFY2(figura.carica(cartella.filePath(nome), &mancanti),
                 qPrintable(nome + QStringLiteral(" lacks ") + mancanti.join(QLatin1Char(' '))));
    }
}

void TestVoceAgente::caricamentoFallito_data()
{
    QTest::addColumn<QString>("nome");
    QTest::newRow("file che manca") << "Inesistente";
    QTest::newRow("senza bocche") << "Senzabocca";
    QTest::newRow("nome vuoto") << "";
    QTest::newRow("percorso fuori dalla cartella") << "../personaggi/Prova";
}

void TestVoceAgente::caricamentoFallito()
{
    QFETCH(QString, nome);
    AgenteQt agente;
    QVERIFY(!agente.Load(nome));
    QCOMPARE(agente.Name(), QString());
    QCOMPARE(agente.OriginalWidth(), 0);
    // It still takes every request without failing; there is nothing to show.
    agente.Show();
    QVERIFY(agente.Visible());
    QVERIFY(!agente.finestraPersonaggio()->isVisible());
    agente.Speak(kVeloce + QStringLiteral("Ciao."));
    agente.StopAll();
    QVERIFY(!agente.Speaking());

    // A failed load keeps the character loaded before.
    QVERIFY(agente.Load(QStringLiteral("prova")));
    QVERIFY(!agente.Load(nome));
    QCOMPARE(agente.Name(), QStringLiteral("prova"));
}

void TestVoceAgente::dimensioneOriginale()
{
    AgenteQt agente;
    QVERIFY(agente.Load(QStringLiteral("Prova")));
    QCOMPARE(agente.OriginalWidth(), 150);
    QCOMPARE(agente.OriginalHeight(), 200);
    QCOMPARE(QSize(agente.Width(), agente.Height()), QSize(150, 200));
    agente.SetSize(170, 220);
    agente.MoveTo(40, 30);
    QCOMPARE(agente.finestraPersonaggio()->geometry(), QRect(40, 30, 170, 220));
}

void TestVoceAgente::postoNellaFinestra()
{
    QWidget finestra;
    finestra.setGeometry(300, 200, 800, 600);
    finestra.show();
    AgenteQt agente;
    QVERIFY(agente.Load(QStringLiteral("Prova")));
    agente.impostaFinestra(&finestra, QRect(400, 0, 400, 600), 1.0);
    agente.SetSize(150, 200);
    agente.MoveTo(500, 350);
    agente.Show();
    QCOMPARE(agente.finestraPersonaggio()->parentWidget(), &finestra);
    QCOMPARE(agente.finestraPersonaggio()->geometry(), QRect(500, 350, 150, 200));
    // The window moves on the screen (another monitor): nothing inside it does.
    finestra.move(0, 0);
    agente.SetSize(160, 210);
    QCOMPARE(agente.finestraPersonaggio()->geometry(), QRect(500, 350, 160, 210));
    QCOMPARE(QPoint(agente.Left(), agente.Top()), QPoint(500, 350));
}

void TestVoceAgente::boccaSiMuove()
{
    AgenteQt agente;
    QVERIFY(agente.Load(QStringLiteral("Prova")));
    agente.Show();
    QVERIFY(agente.finestraPersonaggio()->isVisible());
    // Where the fixture draws its mouths at 150x200, clear of the eyes (a
    // blink must not pass for speech).
    const QRect bocca(45, 72, 60, 46);
    const auto zonaBocca = [&agente, &bocca] { return agente.finestraPersonaggio()->grab(bocca).toImage(); };
    const QImage chiusa = zonaBocca();
    agente.Speak(kLenta + kFraseLunga);
    QVERIFY(agente.Speaking());
    QSet<QByteArray> bocche;
    for (int i = 0; i < 100 && bocche.size() < 3; ++i) {
        QTest::qWait(30);
        const QImage adesso = zonaBocca();
        bocche.insert(QByteArray(reinterpret_cast<const char *>(adesso.constBits()), adesso.sizeInBytes()));
    }
    QCOMPARE(bocche.size(), 3); // closed, half open and open all seen
    agente.StopAll();
    QCOMPARE(zonaBocca(), chiusa);
}

void TestVoceAgente::nascostoTace()
{
    AgenteQt agente;
    QVERIFY(agente.Load(QStringLiteral("Prova")));
    QSignalSpy fine(&agente, &Agente::FineParlato);
    agente.Speak(kVeloce + QStringLiteral("Ciao."));
    QVERIFY(!agente.Speaking());
    QVERIFY(!agente.voce().staParlando());
    QVERIFY(!agente.finestraFumetto()->isVisible());
    QTest::qWait(200);
    QCOMPARE(fine.count(), 0);
}

void TestVoceAgente::nascondeDopoAverParlato()
{
    AgenteQt agente;
    QVERIFY(agente.Load(QStringLiteral("Prova")));
    QSignalSpy fine(&agente, &Agente::FineParlato);
    agente.StopAll();
    agente.Show();
    agente.Speak(kVeloce + QStringLiteral("Il tetto è rosso."));
    agente.Hide();
    QVERIFY(agente.Visible());
    QVERIFY(agente.Speaking());
    QVERIFY(agente.finestraPersonaggio()->isVisible());
    QVERIFY(fine.wait(5000));
    QVERIFY(!agente.Visible());
    QVERIFY(!agente.finestraPersonaggio()->isVisible());
}

void TestVoceAgente::stopAllSilenziaSubito()
{
    AgenteQt agente;
    QVERIFY(agente.Load(QStringLiteral("Prova")));
    QSignalSpy fine(&agente, &Agente::FineParlato);
    agente.Show();
    agente.Speak(kLenta + kFraseLunga);
    agente.Hide();
    QTRY_VERIFY_WITH_TIMEOUT(agente.voce().caratteriDetti() > 0, 5000);
    agente.StopAll();
    QVERIFY(!agente.Speaking());
    QVERIFY(!agente.voce().staParlando());
    QVERIFY(!agente.voce().suonoAttivo());
    QTest::qWait(400);
    QCOMPARE(fine.count(), 0);
    // The Hide that waited behind the text was dropped with it.
    QVERIFY(agente.Visible());
}

void TestVoceAgente::fumettoVisibileSoloConIlBit_data()
{
    QTest::addColumn<int>("stile");
    QTest::addColumn<bool>("visibile");
    QTest::newRow("spento") << 0 << false;
    QTest::newRow("visibile") << int(Agente::FumettoVisibile) << true;
    QTest::newRow("solo contiene il testo") << int(Agente::FumettoContieneTesto) << false;
    QTest::newRow("visibile, contiene il testo, a passo")
        << int(Agente::FumettoVisibile | Agente::FumettoContieneTesto | Agente::FumettoAPasso) << true;
}

void TestVoceAgente::fumettoVisibileSoloConIlBit()
{
    QFETCH(int, stile);
    QFETCH(bool, visibile);
    AgenteQt agente;
    QVERIFY(agente.Load(QStringLiteral("Prova")));
    agente.SetBalloonStyle(stile);
    QCOMPARE(agente.BalloonStyle(), stile);
    agente.Show();
    agente.Speak(kVeloce + QStringLiteral("Il tetto è rosso."));
    QCOMPARE(agente.finestraFumetto()->isVisible(), visibile);
    if (!visibile)
        return;
    QTRY_COMPARE_WITH_TIMEOUT(agente.finestraFumetto()->righeVisibili().join(QLatin1Char(' ')),
                              QStringLiteral("Il tetto è rosso."), 5000);
    QCOMPARE(agente.finestraFumetto()->accessibleDescription(), QStringLiteral("Il tetto è rosso."));
    // The balloon stands above the character.
    QVERIFY(agente.finestraFumetto()->geometry().bottom() < agente.Top() + 1);
}

void TestVoceAgente::fumettoContieneTutto()
{
    AgenteQt agente;
    QVERIFY(agente.Load(QStringLiteral("Prova")));
    agente.MoveTo(600, 500);
    agente.Show();
    const int fisso = Agente::FumettoVisibile; // shows the whole text at once
    agente.SetBalloonStyle(fisso);
    agente.Speak(kVeloce + QStringLiteral("Ciao."));
    const int altezzaBreve = agente.finestraFumetto()->height();
    agente.StopAll();
    agente.Speak(kVeloce + kFraseLunga);
    QCOMPARE(agente.finestraFumetto()->height(), altezzaBreve);
    FumettoPersonaggio *fisso2 = agente.finestraFumetto();
    QCOMPARE(fisso2->righePerTurno(), FumettoPersonaggio::kRigheFisse);
    QSet<QString> viste;
    for (int detti = 0; detti <= kFraseLunga.size(); ++detti) {
        fisso2->mostraTesto(kFraseLunga, detti, false, false);
        QVERIFY(fisso2->righeVisibili().size() <= FumettoPersonaggio::kRigheFisse);
        for (const QString &riga : fisso2->righeVisibili()) {
            QVERIFY(!riga.contains(QChar(0x2026)));
            for (const QString &parola : riga.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                viste.insert(parola);
        }
    }
    for (const QString &parola : kFraseLunga.split(QLatin1Char(' ')))
        QVERIFY2(viste.contains(parola), qPrintable(parola));

    agente.StopAll();
    agente.SetBalloonStyle(fisso | Agente::FumettoContieneTesto);
    agente.Speak(kVeloce + kFraseLunga);
    QVERIFY(agente.finestraFumetto()->height() > altezzaBreve);
    const QStringList righe = agente.finestraFumetto()->righeVisibili();
    QVERIFY(righe.size() > FumettoPersonaggio::kRigheFisse);
    QCOMPARE(righe.join(QLatin1Char(' ')), kFraseLunga);
}

void TestVoceAgente::fumettoNellaZona_data()
{
    QTest::addColumn<QRect>("zona");
    QTest::addColumn<QString>("esito"); // "intero", "ridotto", "a turni", "nascosto"
    // The character stands at (20, 300), 150x200; each zone lies right of it.
    QTest::newRow("wide zone: the asked font, all at once") << QRect(180, 200, 700, 400) << QStringLiteral("intero");
    QTest::newRow("small zone: a smaller font, all at once") << QRect(180, 300, 300, 120) << QStringLiteral("ridotto");
    QTest::newRow("thin band: in turns") << QRect(180, 330, 400, 34) << QStringLiteral("a turni");
    QTest::newRow("no room for a line") << QRect(180, 330, 400, 14) << QStringLiteral("nascosto");
}

void TestVoceAgente::fumettoNellaZona()
{
    QFETCH(QRect, zona);
    QFETCH(QString, esito);
    QWidget finestra;
    finestra.resize(1000, 700);
    FumettoPersonaggio fumetto;
    fumetto.setParent(&finestra, Qt::Widget);
    QFont carattere(QStringLiteral("Liberation Sans"));
    carattere.setPointSize(14);
    fumetto.impostaCarattere(carattere);
    fumetto.impostaZona(zona);
    const QRect personaggio(20, 300, 150, 200);
    fumetto.posiziona(personaggio);
    fumetto.mostraTesto(kFraseLunga, 0, true, false);

    QCOMPARE(fumetto.senzaPosto(), esito == QLatin1String("nascosto"));
    if (fumetto.senzaPosto())
        return;
    QVERIFY(zona.contains(fumetto.geometry()));
    QCOMPARE(fumetto.coda(), FumettoPersonaggio::Coda::Sinistra);
    QCOMPARE(fumetto.carattere().pointSizeF() == 14.0, esito == QLatin1String("intero"));
    QCOMPARE(fumetto.righePerTurno() > 0, esito == QLatin1String("a turni"));
    QSet<QString> viste;
    for (int detti = 0; detti <= kFraseLunga.size(); ++detti) {
        fumetto.mostraTesto(kFraseLunga, detti, true, false);
        QVERIFY(zona.contains(fumetto.geometry()));
        const QFontMetrics metrica(fumetto.carattere());
        const QRect area = fumetto.areaTesto();
        QVERIFY(fumetto.rect().contains(area));
        QVERIFY(fumetto.righeVisibili().size() * metrica.lineSpacing() <= area.height());
        for (const QString &riga : fumetto.righeVisibili()) {
            QVERIFY(metrica.horizontalAdvance(riga) <= area.width());
            for (const QString &parola : riga.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                viste.insert(parola);
        }
    }
    for (const QString &parola : kFraseLunga.split(QLatin1Char(' ')))
        QVERIFY2(viste.contains(parola), qPrintable(parola));
}

void TestVoceAgente::modoELingua()
{
    AgenteQt agente;
    agente.SetLanguageID(1040);
    QCOMPARE(agente.voceMotore(), QStringLiteral("roa/it"));
    agente.SetLanguageID(1036);
    QCOMPARE(agente.voceMotore(), QStringLiteral("roa/fr"));
    QVERIFY(agente.SetTTSModeID(QStringLiteral("{de}")));
    QCOMPARE(agente.TTSModeID(), QStringLiteral("{de}"));
    QCOMPARE(agente.voceMotore(), QStringLiteral("gmw/de"));

    QString errore;
    QVERIFY(!agente.SetTTSModeID(QStringLiteral("{CA141FD0-AC7F-11D1-97A3-006008273000}"), &errore));
    QVERIFY(!errore.isEmpty());
    QCOMPARE(agente.TTSModeID(), QString());
    QCOMPARE(agente.voceMotore(), QStringLiteral("roa/fr"));

    // With no language known the program's own language speaks.
    agente.SetLanguageID(0);
    QCOMPARE(agente.voceMotore(), QStringLiteral("roa/it"));
}

QTEST_MAIN(TestVoceAgente)
#include "tst_voce_agente.moc"
