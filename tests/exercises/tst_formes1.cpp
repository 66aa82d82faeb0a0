#include "core/Casuale.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "exercises/es1/FormEs1.h"
#include "framework/Navigazione.h"
#include "framework/Pulsante.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/Parole.h"

#include "AmbienteEsercizio.h"
#include "TestPaths.h"
#include "framework/AgenteFinto.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The real window, driven as a child would drive it: clicks on its buttons
// and keys on its key catchers.
class TestFormEs1 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormEs1> m_finestra;
    AmbienteEsercizio m_ambiente;

    FormEs1 &apri(int modo, int velocita = 4)
    {
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        Stato().imp.VelocitaScansione = static_cast<qint16>(velocita);
        m_finestra = std::make_unique<FormEs1>();
        m_finestra->show();
        // The opening set-up runs once the window is shown.
        if (!QTest::qWaitFor([this] { return !m_finestra->Label1()->text().isEmpty(); }))
            qWarning("the window showed no sentence");
        return *m_finestra;
    }

    QWidget *catturaTasti(const char *nome) { return m_finestra->findChild<QWidget *>(QLatin1String(nome)); }

    void rilascia(const char *ricevitore, Qt::Key tasto)
    {
        QTest::keyRelease(catturaTasti(ricevitore), tasto);
    }

    bool evidenziato(int indice) const
    {
        return m_finestra->Command1(indice)->coloreSfondo() == m_finestra->colorePulsanteSelezionato();
    }

    int giusta() const { return m_finestra->esercizio().rispostaGiusta(); }

private slots:
    void initTestCase() { m_ambiente.prepara(); }

    void init()
    {
        m_ambiente.azzera();
    }

    void cleanup()
    {
        m_finestra.reset();
        m_ambiente.chiudi();
    }

    // Every item's sentence is shown with its full stop and read aloud with
    // the speech tags in front, after the character stopped what it said.
    void ogniFraseVieneLetta()
    {
        FormEs1 &f = apri(IngressoMouse);
        const QString frase = f.Label1()->text();
        QVERIFY(frase.endsWith(QLatin1Char('.')));
        QVERIFY(frase.at(0).isUpper());
        AgenteFinto *agente = AgenteFinto::creati().last();
        QCOMPARE(agente->detti().last(), QStringLiteral("\\Spd=130\\\\Pit=100\\") + frase);
        QCOMPARE(agente->registro.at(agente->registro.lastIndexOf(QStringLiteral("Speak:") + agente->detti().last()) - 1),
                 QStringLiteral("StopAll"));
        QVERIFY(agente->Visible());
        // With the voice the answer buttons show only the thumbs.
        QVERIFY(f.Command1(0)->text().isEmpty());
        QVERIFY(f.Command1(0)->immagineVisibile());
    }

    void senzaVoceParoleEnonPollici()
    {
        Stato().imp.VoceAttiva = false;
        FormEs1 &f = apri(IngressoMouse);
        QCOMPARE(f.Command1(0)->text(), QStringLiteral("Vero"));
        QCOMPARE(f.Command1(1)->text(), QStringLiteral("Falso"));
        QVERIFY(!f.Command1(0)->immagineVisibile());
        // The sentence is still read for every item.
        QCOMPARE(AgenteFinto::creati().last()->detti().size(), 1);
        QVERIFY(!AgenteFinto::creati().last()->Visible());
    }

    // Mouse: a right answer closes the item, a wrong one counts each time.
    void rispostaConIlMouse()
    {
        FormEs1 &f = apri(IngressoMouse);
        const int sbagliata = 1 - giusta();
        QTest::mouseClick(f.Command1(sbagliata), Qt::LeftButton);
        QTest::mouseClick(f.Command1(sbagliata), Qt::LeftButton);
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 2"));
        QVERIFY(f.Command1(sbagliata)->isEnabled());
        QVERIFY(m_ambiente.suoni->suonati.last().contains(QLatin1String("/suoni/no/")));

        QTest::mouseClick(f.Command1(giusta()), Qt::LeftButton);
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 1"));
        QVERIFY(m_ambiente.suoni->suonati.last().contains(QLatin1String("/suoni/si/")));
        QVERIFY(!f.Command1(0)->isEnabled());
        QVERIFY(!f.Command1(1)->isEnabled());
        QVERIFY(f.Command1(2)->isEnabled());

        QTest::mouseClick(f.Command1(2), Qt::LeftButton);
        QVERIFY(f.Command1(0)->isEnabled());
        QVERIFY(!f.Command1(2)->isEnabled());
        QCOMPARE(AgenteFinto::creati().last()->detti().size(), 2);
    }

    // In the scanning modes a click changes nothing.
    void clicIgnoratiInScansione_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("manual") << int(IngressoScansioneManuale);
        QTest::newRow("automatic") << int(IngressoScansioneAutomatica);
        QTest::newRow("keyboard") << int(IngressoTastiera);
    }

    void clicIgnoratiInScansione()
    {
        QFETCH(int, modo);
        FormEs1 &f = apri(modo);
        QTest::mouseClick(f.Command1(giusta()), Qt::LeftButton);
        QTest::mouseClick(f.Command1(1 - giusta()), Qt::LeftButton);
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 0"));
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 0"));
        QVERIFY(m_ambiente.suoni->suonati.isEmpty());
        QVERIFY(evidenziato(0)); // the scan's first highlight, untouched
    }

    // Mouse mode: the pointer lights the enabled button under it and puts the
    // others back; over the sentence, or over the next-item button while it is
    // disabled, nothing stays lit. In the scanning modes the pointer changes
    // nothing.
    void evidenziazioneColPuntatore_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("sopra"); // -1 the sentence
        QTest::addColumn<QList<int>>("accesi");

        QTest::newRow("mouse, Vero") << int(IngressoMouse) << 0 << QList<int>{0};
        QTest::newRow("mouse, Falso") << int(IngressoMouse) << 1 << QList<int>{1};
        QTest::newRow("mouse, disabled next-item") << int(IngressoMouse) << 2 << QList<int>{};
        QTest::newRow("mouse, sentence") << int(IngressoMouse) << -1 << QList<int>{};
        QTest::newRow("keyboard, Falso") << int(IngressoTastiera) << 1 << QList<int>{0};
        QTest::newRow("manual, sentence") << int(IngressoScansioneManuale) << -1 << QList<int>{0};
    }

    void evidenziazioneColPuntatore()
    {
        QFETCH(int, modo);
        QFETCH(int, sopra);
        QFETCH(QList<int>, accesi);

        FormEs1 &f = apri(modo);
        // Start from Vero lit, as a pointer or the scan would leave it.
        QTest::mouseMove(f.Label1());
        QTest::mouseMove(f.Command1(0));
        QTRY_VERIFY(evidenziato(0));
        QTest::mouseMove(sopra < 0 ? static_cast<QWidget *>(f.Label1()) : f.Command1(sopra));
        QTest::qWait(20);
        QList<int> visti;
        for (int i = 0; i < 3; ++i) {
            if (evidenziato(i))
                visti << i;
        }
        QCOMPARE(visti, accesi);
    }

    // Mouse mode: a lit button that the answer or the next item disables goes
    // dark though the pointer rests still on it.
    void pulsanteDisattivatoSottoIlPuntatoreSiSpegne()
    {
        FormEs1 &f = apri(IngressoMouse);
        const int vero = giusta();
        QTest::mouseMove(f.Command1(vero));
        QTRY_VERIFY(evidenziato(vero));
        QTest::mouseClick(f.Command1(vero), Qt::LeftButton);
        QVERIFY(!f.Command1(vero)->isEnabled());
        QVERIFY(!evidenziato(vero));
        QVERIFY(!f.Command1(vero)->evidenziato());

        QTest::mouseMove(f.Command1(2));
        QTRY_VERIFY(evidenziato(2));
        QTest::mouseClick(f.Command1(2), Qt::LeftButton);
        QVERIFY(!f.Command1(2)->isEnabled());
        QVERIFY(!evidenziato(2));
        QVERIFY(!f.Command1(2)->evidenziato());
        for (int i = 0; i < 3; ++i)
            QVERIFY2(!evidenziato(i), qPrintable(QString::number(i)));
    }

    // A level chosen from the menu while the highlight rests on the
    // next-item button starts the scan over on Vero for the new item.
    void livelloDalMenuRicominciaLaScansione_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("manual") << int(IngressoScansioneManuale);
        QTest::newRow("automatic") << int(IngressoScansioneAutomatica);
        QTest::newRow("keyboard") << int(IngressoTastiera);
    }

    void livelloDalMenuRicominciaLaScansione()
    {
        QFETCH(int, modo);
        FormEs1 &f = apri(modo);
        f.scansione().vaiA(giusta());
        f.scansione().seleziona();
        QCOMPARE(f.scansione().Posizione(), 2);
        QVERIFY(evidenziato(2));

        f.mnuLiv(3)->trigger();
        QCOMPARE(f.Livello(), 3);
        QCOMPARE(f.scansione().Posizione(), 0);
        QVERIFY(evidenziato(0));
        QVERIFY(!evidenziato(2));
        QVERIFY(!f.Command1(2)->evidenziato());
        QCOMPARE(f.Command1(2)->coloreSfondo(), f.colorePulsanti());
        // The ring runs again over the two answers.
        if (modo == IngressoScansioneAutomatica)
            f.scansione().Timer1_Timer();
        else
            f.scansione().avanti();
        QCOMPARE(f.scansione().Posizione(), 1);
    }

    // Automatic scanning: ticks alternate between the answers; holding the
    // switch stops the timer, releasing it restarts it and selects.
    void scansioneAutomatica()
    {
        FormEs1 &f = apri(IngressoScansioneAutomatica);
        QTimer *timer = f.findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        QVERIFY(evidenziato(0));
        QList<int> visti;
        for (int i = 0; i < 4; ++i) {
            f.scansione().Timer1_Timer();
            visti << f.scansione().Posizione();
        }
        QCOMPARE(visti, (QList<int>{1, 0, 1, 0}));
        QVERIFY(evidenziato(0) && !evidenziato(1));

        f.scansione().vaiA(giusta());
        QWidget *ricevitore = catturaTasti("PictureScansioneAutomatica");
        QTest::keyPress(ricevitore, Qt::Key_Space);
        QVERIFY(!timer->isActive());
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 0"));
        QTest::keyRelease(ricevitore, Qt::Key_Space);
        QVERIFY(timer->isActive());
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 1"));
        // After a right answer the highlight rests on the next-item button.
        QCOMPARE(f.scansione().Posizione(), 2);
        f.scansione().Timer1_Timer();
        f.scansione().Timer1_Timer();
        QCOMPARE(f.scansione().Posizione(), 2);
        QVERIFY(evidenziato(2));
        // Selecting it starts the next item with the highlight back on Vero.
        const int detti = AgenteFinto::creati().last()->detti().size();
        QTest::keyPress(ricevitore, Qt::Key_Space);
        QTest::keyRelease(ricevitore, Qt::Key_Space);
        QCOMPARE(f.scansione().Posizione(), 0);
        QVERIFY(evidenziato(0) && !evidenziato(2));
        QCOMPARE(AgenteFinto::creati().last()->detti().size(), detti + 1);
    }

    void velocitaSessantaQuindiciSecondi()
    {
        FormEs1 &f = apri(IngressoScansioneAutomatica, 60);
        QCOMPARE(f.findChild<QTimer *>(QStringLiteral("Timer1"))->interval(), 15000);
    }

    // Keyboard: back from Vero skips the disabled next-item button.
    void tastieraIndietroSaltaIlPulsanteDisattivato()
    {
        FormEs1 &f = apri(IngressoTastiera);
        // Nothing ticks between the child's strokes.
        QVERIFY(!f.findChild<QTimer *>(QStringLiteral("Timer1"))->isActive());
        rilascia("PictureScansioneManuale", Qt::Key_Left);
        QCOMPARE(f.scansione().Posizione(), 1);
        rilascia("PictureScansioneManuale", Qt::Key_Down);
        QCOMPARE(f.scansione().Posizione(), 0);
        rilascia("PictureScansioneManuale", Qt::Key_Space); // not a key of this mode
        QCOMPARE(f.scansione().Posizione(), 0);
    }

    // Manual scanning: Enter on a wrong answer counts every time; the
    // highlight stays on it.
    void scansioneManualeRisposteSbagliate()
    {
        FormEs1 &f = apri(IngressoScansioneManuale);
        if (giusta() == 0)
            rilascia("PictureScansioneManuale", Qt::Key_Space);
        const int sbagliata = f.scansione().Posizione();
        QCOMPARE(sbagliata, 1 - giusta());
        for (int i = 0; i < 3; ++i)
            rilascia("PictureScansioneManuale", Qt::Key_Return);
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 3"));
        QCOMPARE(f.scansione().Posizione(), sbagliata);
        QVERIFY(evidenziato(sbagliata));
        QCOMPARE(m_ambiente.suoni->suonati.size(), 3);
    }

    // The tenth right answer empties the sentence and shows a reward; the
    // next item loads the house again and paints it anew.
    void premioAllaDecimaRisposta()
    {
        FormEs1 &f = apri(IngressoMouse);
        for (int i = 0; i < 10; ++i) {
            QVERIFY(f.ShockwaveFlash1()->movie().endsWith(QLatin1String("swf/pinnole1.svg")));
            QTest::mouseClick(f.Command1(giusta()), Qt::LeftButton);
            if (i < 9)
                QTest::mouseClick(f.Command1(2), Qt::LeftButton);
        }
        QVERIFY(f.Label1()->text().isEmpty());
        QVERIFY(f.ShockwaveFlash1()->movie().contains(QLatin1String("animazioni/")));
        QVERIFY(f.premio().RicaricaCasa());

        QTest::mouseClick(f.Command1(2), Qt::LeftButton);
        QVERIFY(f.ShockwaveFlash1()->movie().endsWith(QLatin1String("swf/pinnole1.svg")));
        QVERIFY(f.esercizio().casaNuova());
        QVERIFY(f.ShockwaveFlash1()->coloreElemento(QStringLiteral("tetto.interno")).has_value());
        QVERIFY(!f.Label1()->text().isEmpty());
    }

    // Levels: the menu choice records a row and restarts the counts; with the
    // automatic change on, the fifth wrong answer at level 3 brings level 2
    // at the next item and the menu is hidden.
    void livelli()
    {
        FormEs1 &f = apri(IngressoMouse);
        QVERIFY(f.mnuLivelli()->menuAction()->isVisible());
        f.mnuLiv(3)->trigger();
        QCOMPARE(f.testoPannello(3), QStringLiteral("Livello 3"));
        QVERIFY(f.mnuLiv(3)->isChecked() && !f.mnuLiv(1)->isChecked());
        QCOMPARE(Stato().RegistroAttivita[1][1], QStringLiteral("1"));
        m_finestra.reset();

        Stato().imp.PassaggioLivelli = true;
        FormEs1 &g = apri(IngressoMouse);
        QVERIFY(!g.mnuLivelli()->menuAction()->isVisible());
        g.mnuLiv_Click(3);
        const qint16 riga = Stato().NumeroRighe;
        for (int i = 0; i < 5; ++i)
            QTest::mouseClick(g.Command1(1 - giusta()), Qt::LeftButton);
        QTest::mouseClick(g.Command1(giusta()), Qt::LeftButton);
        QTest::mouseClick(g.Command1(2), Qt::LeftButton);
        QCOMPARE(g.Livello(), 2);
        QCOMPARE(g.testoPannello(3), QStringLiteral("Livello 2"));
        QCOMPARE(Stato().RegistroAttivita[riga], (std::array<QString, 4>{"", "3", "1", "5"}));
        QCOMPARE(g.testoPannello(2), QStringLiteral("Errati 0"));
    }

    // The ignored presses' panel is there only while an acceptance or a
    // debounce time can ignore a press: never in mouse mode, never with both
    // times at 0.
    void pannelloIgnorateSoloConITempi_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("accettazione");
        QTest::addColumn<int>("antirimbalzo");
        QTest::addColumn<bool>("visibile");
        QTest::newRow("manual, no times") << int(IngressoScansioneManuale) << 0 << 0 << false;
        QTest::newRow("manual, acceptance") << int(IngressoScansioneManuale) << 300 << 0 << true;
        QTest::newRow("automatic, debounce") << int(IngressoScansioneAutomatica) << 0 << 500 << true;
        QTest::newRow("keyboard, both") << int(IngressoTastiera) << 300 << 500 << true;
        QTest::newRow("mouse, both") << int(IngressoMouse) << 300 << 500 << false;
    }
    void pannelloIgnorateSoloConITempi()
    {
        QFETCH(int, modo);
        QFETCH(int, accettazione);
        QFETCH(int, antirimbalzo);
        QFETCH(bool, visibile);
        Stato().accesso.accettazioneMs = accettazione;
        Stato().accesso.antirimbalzoMs = antirimbalzo;
        FormEs1 &f = apri(modo);
        QCOMPARE(f.pannelloIgnorateVisibile(), visibile);
        QCOMPARE(f.testoPannello(4), QStringLiteral("Ignorate 0"));
        // The three counts keep their panels and their room.
        QCOMPARE(f.testoPannello(3), QStringLiteral("Livello 1"));
    }

    // With an acceptance time of 800 ms a 50 ms tap on the switch moves
    // nothing and is counted in the panel, apart from the wrong answers, and
    // a 900 ms hold acts and is not counted (the long acceptance time keeps
    // a tap a tap on a busy machine); the
    // count goes into the row of its level segment when the level changes
    // and when the child leaves with "Esci", and each segment starts at 0.
    void pressioniIgnorateNelPannelloENelRegistro()
    {
        Stato().accesso.accettazioneMs = 800;
        FormEs1 &f = apri(IngressoScansioneManuale);
        QWidget *ricevitore = catturaTasti("PictureScansioneManuale");
        const int posizione = f.scansione().Posizione();
        auto tocco = [&](Qt::Key tasto) {
            QTest::keyPress(ricevitore, tasto);
            QTest::qWait(50);
            QTest::keyRelease(ricevitore, tasto);
        };
        tocco(Qt::Key_Space);
        QTRY_COMPARE(f.testoPannello(4), QStringLiteral("Ignorate 1"));
        tocco(Qt::Key_Return);
        QTRY_COMPARE(f.testoPannello(4), QStringLiteral("Ignorate 2"));
        QCOMPARE(f.scansione().Posizione(), posizione);
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 0"));
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 0"));
        // A press held past the acceptance time acts and is not counted.
        QTest::keyPress(ricevitore, Qt::Key_Space);
        QTest::qWait(900);
        QTest::keyRelease(ricevitore, Qt::Key_Space);
        QTRY_VERIFY(f.scansione().Posizione() != posizione);
        QCOMPARE(f.testoPannello(4), QStringLiteral("Ignorate 2"));

        f.mnuLiv(2)->trigger();
        QCOMPARE(Stato().RegistroAttivita[1], (std::array<QString, 4>{"", "1", "0", "0"}));
        QCOMPARE(Stato().IgnorateRegistro[1], QStringLiteral("2"));
        QCOMPARE(f.testoPannello(4), QStringLiteral("Ignorate 0"));

        tocco(Qt::Key_Space);
        QTRY_COMPARE(f.testoPannello(4), QStringLiteral("Ignorate 1"));
        f.mnuEsci()->trigger();
        QCOMPARE(Stato().RegistroAttivita[2], (std::array<QString, 4>{"", "2", "0", "0"}));
        QCOMPARE(Stato().IgnorateRegistro[2], QStringLiteral("1"));
        QCOMPARE(Stato().NumeroRighe, qint16(3));
    }

    // Leaving with "Esci" records the segment and goes back to the menu;
    // closing the window any other way records nothing but still brings
    // the menu back, once.
    void uscita()
    {
        int menuAperto = 0;
        impostaApriMenu([&] { ++menuAperto; });
        FormEs1 &f = apri(IngressoMouse);
        QTest::mouseClick(f.Command1(giusta()), Qt::LeftButton);
        f.mnuEsci()->trigger();
        QCOMPARE(menuAperto, 1);
        QCOMPARE(Stato().RegistroAttivita[1], (std::array<QString, 4>{"", "1", "1", "0"}));
        QCOMPARE(Stato().NumeroRighe, qint16(2));
        QVERIFY(!f.isVisible());
        m_finestra.reset();

        FormEs1 &g = apri(IngressoMouse);
        g.close();
        QCOMPARE(Stato().NumeroRighe, qint16(2));
        QCOMPARE(menuAperto, 2);
        impostaApriMenu({});
    }
};

QTEST_MAIN(TestFormEs1)
#include "tst_formes1.moc"
