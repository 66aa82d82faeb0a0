#include "core/Casuale.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "exercises/es2/FormEs2.h"
#include "framework/Navigazione.h"
#include "framework/Pulsante.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ElementiCasa.h"
#include "vocabulary/Parole.h"

#include "Copione.h"
#include "AmbienteEsercizio.h"
#include "TestPaths.h"
#include "framework/AgenteFinto.h"

#include <QAction>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {


// A pair whose houses differ in the roof only (red and blue): the smoke
// shows in both, the clouds in neither; then the first sentence is about
// the part given.
QList<double> coppiaTettoDiverso(int parteChiesta)
{
    QList<double> r;
    for (int p = Comignolo; p <= Gradino; ++p) {
        if (p == Tetto)
            r << bit(1) << colore(2) << colore(3);
        else
            r << bit(0) << colore(1);
    }
    r << bit(0) << bit(1) << bit(0) << bit(0);
    return r << parte(parteChiesta);
}

} // namespace

// The real window, driven as a child would: clicks on its buttons and keys
// on its key catchers, with the houses drawn from a scripted source.
class TestFormEs2 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormEs2> m_finestra;
    AmbienteEsercizio m_ambiente;
    std::unique_ptr<Copione> m_fonte;

    FormEs2 &apri(int modo, int parteChiesta = Tetto)
    {
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        Stato().imp.VelocitaScansione = 60; // the tests step the timer themselves
        m_fonte = std::make_unique<Copione>(coppiaTettoDiverso(parteChiesta));
        impostaFonteCasuale(m_fonte.get());
        m_finestra = std::make_unique<FormEs2>();
        m_finestra->show();
        if (!QTest::qWaitFor([this] { return !m_finestra->Label1()->text().isEmpty(); }))
            qWarning("the window showed no sentence");
        return *m_finestra;
    }

    void rilascia(const char *ricevitore, Qt::Key tasto)
    {
        QTest::keyRelease(m_finestra->findChild<QWidget *>(QLatin1String(ricevitore)), tasto);
    }

    bool evidenziato(int indice) const
    {
        return m_finestra->Command1(indice)->coloreSfondo() == m_finestra->colorePulsanteSelezionato();
    }

    AgenteFinto *agente() const { return AgenteFinto::creati().last(); }

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
        m_fonte.reset();
    }

    // Both houses are painted from the one draw and the sentence is read.
    void dueCaseDaUnaEstrazione()
    {
        FormEs2 &f = apri(IngressoMouse);
        QCOMPARE(f.ShockwaveFlash1()->coloreElemento(QStringLiteral("tetto.interno")), QColor(0xFF0000));
        QCOMPARE(f.ShockwaveFlash2()->coloreElemento(QStringLiteral("tetto.interno")), QColor(0x0000FF));
        QCOMPARE(f.ShockwaveFlash1()->coloreElemento(QStringLiteral("porta.interno")), QColor(0x00FF00));
        QCOMPARE(f.ShockwaveFlash2()->coloreElemento(QStringLiteral("porta.interno")), QColor(0x00FF00));
        QVERIFY(f.ShockwaveFlash1()->gruppoVisibile(QStringLiteral("fumo")));
        QVERIFY(f.ShockwaveFlash2()->gruppoVisibile(QStringLiteral("fumo")));
        QVERIFY(!f.ShockwaveFlash2()->gruppoVisibile(QStringLiteral("nuvole")));
        QCOMPARE(f.Label1()->text(), Stato().TabellaParole[1]);
        QCOMPARE(agente()->detti().last(), QStringLiteral("\\Spd=130\\\\Pit=100\\") + f.Label1()->text());
    }

    // With the mouse a wrong answer counts each time; the right one completes
    // the sentence with one space before the word, reads it and closes the item.
    void rispostaColMouse()
    {
        FormEs2 &f = apri(IngressoMouse);
        QCOMPARE(f.Command1(0)->text(), QStringLiteral("uguale"));
        QCOMPARE(f.Command1(1)->text(), QStringLiteral("diverso"));
        QTest::mouseClick(f.Command1(0), Qt::LeftButton);
        QTest::mouseClick(f.Command1(0), Qt::LeftButton);
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 2"));
        QVERIFY(m_ambiente.suoni->suonati.last().contains(QLatin1String("/suoni/no/")));
        const int detti = agente()->detti().size();

        QTest::mouseClick(f.Command1(1), Qt::LeftButton);
        const QString completa = Stato().TabellaParole[1].trimmed() + QStringLiteral(" diverso");
        QCOMPARE(f.Label1()->text(), completa);
        QVERIFY(!completa.contains(QStringLiteral("  ")));
        QCOMPARE(agente()->detti().size(), detti + 1);
        QVERIFY(agente()->detti().last().endsWith(completa));
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 1"));
        QVERIFY(!f.Command1(0)->isEnabled() && !f.Command1(1)->isEnabled());
        QVERIFY(f.Command1(2)->isEnabled());

        QTest::mouseClick(f.Command1(2), Qt::LeftButton);
        QVERIFY(f.Command1(0)->isEnabled() && !f.Command1(2)->isEnabled());
        QCOMPARE(f.esercizio().contatoreFrasi(), 2);
    }

    // By scanning a right select neither completes the sentence nor speaks;
    // the highlight rests on the next-item button, whose select brings the
    // next item with the highlight back on the first answer.
    void rispostaInScansioneManuale()
    {
        FormEs2 &f = apri(IngressoScansioneManuale, Gradino); // steps alike: "uguale" is right
        QVERIFY(evidenziato(0));
        const QString frase = f.Label1()->text();
        const int detti = agente()->detti().size();
        rilascia("PictureScansioneManuale", Qt::Key_Space);
        QVERIFY(evidenziato(1) && !evidenziato(0));
        rilascia("PictureScansioneManuale", Qt::Key_Return);
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 1"));
        QVERIFY(evidenziato(1));
        rilascia("PictureScansioneManuale", Qt::Key_Space);
        rilascia("PictureScansioneManuale", Qt::Key_Return);
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 1"));
        QCOMPARE(f.Label1()->text(), frase);
        QCOMPARE(agente()->detti().size(), detti);
        QVERIFY(f.Command1(0)->isEnabled());
        QVERIFY(evidenziato(2) && !evidenziato(0));
        rilascia("PictureScansioneManuale", Qt::Key_Space);
        QVERIFY(evidenziato(2));
        rilascia("PictureScansioneManuale", Qt::Key_Return);
        QVERIFY(evidenziato(0) && !evidenziato(2));
        QCOMPARE(agente()->detti().size(), detti + 1);
    }

    // Automatic scanning alternates the two answers while the item is open;
    // after a right answer it rests on the next-item button.
    void scansioneAutomatica()
    {
        FormEs2 &f = apri(IngressoScansioneAutomatica, Tetto); // roofs differ: "diverso" is right
        QList<int> visti;
        for (int i = 0; i < 3; ++i) {
            f.scansione().Timer1_Timer();
            visti << f.scansione().Posizione();
        }
        QCOMPARE(visti, (QList<int>{1, 0, 1}));
        QWidget *ricevitore = f.findChild<QWidget *>(QStringLiteral("PictureScansioneAutomatica"));
        QTest::keyPress(ricevitore, Qt::Key_Space);
        QVERIFY(!f.scansione().Timer1()->isActive());
        QTest::keyRelease(ricevitore, Qt::Key_Space);
        QVERIFY(f.scansione().Timer1()->isActive());
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 1"));
        for (int i = 0; i < 3; ++i)
            f.scansione().Timer1_Timer();
        QVERIFY(evidenziato(2));
    }

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
        FormEs2 &f = apri(modo);
        QTest::mouseClick(f.Command1(1), Qt::LeftButton);
        QTest::mouseClick(f.Command1(0), Qt::LeftButton);
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 0"));
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 0"));
        QVERIFY(evidenziato(0));
    }

    // With the voice the answer buttons show their pictures and their words
    // at one point; without it only the words, in capitals with "maiuscolo".
    void pulsantiConESenzaVoce()
    {
        FormEs2 &f = apri(IngressoMouse);
        QVERIFY(f.Command1(0)->immagineVisibile());
        QCOMPARE(f.Command1(0)->font().pointSize(), 1);
        QCOMPARE(f.Command1(1)->text(), QStringLiteral("diverso"));
        // The one-point word is not drawn: the button looks as with no word.
        const QImage conParola = f.Command1(1)->grab().toImage();
        f.Command1(1)->setText(QString());
        QCOMPARE(f.Command1(1)->grab().toImage(), conParola);
        f.Command1(1)->setText(QStringLiteral("diverso"));
        m_finestra.reset();

        Stato().imp.VoceAttiva = false;
        Stato().imp.StileTesto = QStringLiteral("maiuscolo");
        FormEs2 &g = apri(IngressoMouse);
        QVERIFY(!g.Command1(0)->immagineVisibile());
        QVERIFY(g.Command1(0)->font().pointSize() > 10);
        QCOMPARE(g.Command1(0)->text(), QStringLiteral("UGUALE"));
        QCOMPARE(g.Label1()->text(), Stato().TabellaParole[1].toUpper());
    }

    // The tenth right answer by mouse: the completed sentence is read, then
    // the sentence empties and the left house gives way to a reward while the
    // right one stays; the next item loads both houses and paints a new pair.
    void premioAllaDecimaRisposta()
    {
        FormEs2 &f = apri(IngressoMouse);
        for (int i = 0; i < 10; ++i) {
            if (i > 0)
                QTest::mouseClick(f.Command1(2), Qt::LeftButton);
            QTest::mouseClick(f.Command1(f.esercizio().rispostaGiusta()), Qt::LeftButton);
        }
        QVERIFY(f.Label1()->text().isEmpty());
        QVERIFY(!f.ShockwaveFlash1()->eCasa());
        QVERIFY(f.ShockwaveFlash1()->caricato());
        QVERIFY(f.ShockwaveFlash2()->eCasa());
        QVERIFY(agente()->detti().last().endsWith(f.Command1(f.esercizio().rispostaGiusta())->text()));
        QTest::mouseClick(f.Command1(2), Qt::LeftButton);
        QVERIFY(f.ShockwaveFlash1()->eCasa());
        QVERIFY(f.esercizio().coppiaNuova());
        QVERIFY(!f.Label1()->text().isEmpty());
    }

    // "Esci" records the level segment and goes back to the menu.
    void uscita()
    {
        int menuAperto = 0;
        impostaApriMenu([&] { ++menuAperto; });
        FormEs2 &f = apri(IngressoMouse);
        f.mnuLiv(3)->trigger();
        QTest::mouseClick(f.Command1(1 - f.esercizio().rispostaGiusta()), Qt::LeftButton);
        f.mnuEsci()->trigger();
        QCOMPARE(menuAperto, 1);
        QCOMPARE(Stato().RegistroAttivita[2], (std::array<QString, 4>{"", "3", "0", "1"}));
        impostaApriMenu({});
    }
};

QTEST_MAIN(TestFormEs2)
#include "tst_formes2.moc"
