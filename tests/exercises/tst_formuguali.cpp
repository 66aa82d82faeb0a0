#include "core/Casuale.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "exercises/uguali/FormEs3.h"
#include "exercises/uguali/FormEs8.h"
#include "framework/Cornice.h"
#include "framework/Pulsante.h"
#include "menu/FinestreMenu.h"
#include "menu/Immagine.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ElementiCasa.h"
#include "vocabulary/Parole.h"

#include "Copione.h"
#include "AmbienteEsercizio.h"
#include "TestPaths.h"
#include "framework/AgenteFinto.h"

#include <QAction>
#include <QGuiApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QPalette>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

double parteColorata(int k) { return (k - 0.5) / 6; }

// The first house: chimney green, roof red, walls blue, windows yellow, door
// green, step red, smoke shown, clouds hidden; then the differences.
QList<double> casa(const QList<double> &differenze)
{
    return QList<double>{colore(1), colore(2), colore(3), colore(4), colore(1), colore(2), bit(1), bit(0)}
        << differenze;
}

const QString kPrefisso = QStringLiteral("\\Spd=130\\\\Pit=100\\");

} // namespace

// The two windows of "Uguali", driven as a child would: clicks on the part
// pictures and on the painted parts of the houses, keys on the key catchers,
// with the houses drawn from a scripted source.
class TestFormUguali : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FinestraUguali> m_finestra;
    AmbienteEsercizio m_ambiente;
    std::unique_ptr<Copione> m_fonte;

    template <typename Finestra>
    Finestra &apri(int modo, const QList<double> &copione)
    {
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        Stato().imp.VelocitaScansione = 60; // the tests step the timer themselves
        m_fonte = std::make_unique<Copione>(copione);
        impostaFonteCasuale(m_fonte.get());
        auto *f = new Finestra;
        m_finestra.reset(f);
        f->show();
        if (!QTest::qWaitFor([f] { return !f->Label1()->text().isEmpty() && f->ShockwaveFlash2()->eCasa(); }))
            qWarning("the window did not open");
        return *f;
    }

    void rilascia(Qt::Key tasto)
    {
        const bool automatica = Stato().imp.ModoInput == IngressoScansioneAutomatica;
        QWidget *r = m_finestra->findChild<QWidget *>(automatica ? QStringLiteral("PictureScansioneAutomatica")
                                                                 : QStringLiteral("PictureScansioneManuale"));
        if (automatica)
            QTest::keyPress(r, tasto);
        QTest::keyRelease(r, tasto);
    }

    bool avantiEvidenziato() const
    {
        return m_finestra->Command1(0)->coloreSfondo() == m_finestra->colorePulsanteSelezionato();
    }

    // The frames of the strip that are shown.
    QList<int> cornici(FormEs8 &f) const
    {
        QList<int> visibili;
        for (int i = 0; i < 8; ++i) {
            if (f.Shape1(i)->isVisible())
                visibili << i;
        }
        return visibili;
    }

    QString conti() const { return m_finestra->testoPannello(1) + QLatin1Char('/') + m_finestra->testoPannello(2); }

    AgenteFinto *agente() const { return AgenteFinto::creati().last(); }

    // The pointer comes over a control.
    static void puntatoreSu(QWidget *w)
    {
        const QPointF centro = QRectF(w->rect()).center();
        QMouseEvent muove(QEvent::MouseMove, centro, w->mapToGlobal(centro), Qt::NoButton, Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(w, &muove);
    }

    void clicSullaParte(ShockwaveFlash *casa, int p)
    {
        const std::optional<QPoint> punto = casa->puntoSullaParte(p);
        QVERIFY2(punto, qPrintable(ElementiCasa::nomeParte(p)));
        QTest::mouseClick(casa, Qt::LeftButton, Qt::NoModifier, *punto);
    }

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

    // "Uguali - 1°" with the mouse, level 2: a picture of a part alike counts
    // one wrong answer, of a part that differs repaints the second house; the
    // part just put right is alike too; once both are right the next-item
    // button is enabled and further clicks are ignored.
    void es8ColMouse()
    {
        FormEs8 &f = apri<FormEs8>(IngressoMouse, casa({parte(Tetto), colore(4)}));
        for (double r : casa({parte(Tetto), colore(4), parte(Fumo), bit(0)}))
            m_fonte->aggiungi(r);
        f.mnuLiv_Click(2);
        QCOMPARE(f.gioco().livello(), 2);
        QVERIFY(!f.Command1(0)->isEnabled());
        QCOMPARE(f.ShockwaveFlash2()->coloreElemento(QStringLiteral("tetto.interno")), QColor(0xFFFF00));

        QTest::mouseClick(f.Image1(Comignolo - 1), Qt::LeftButton);
        QCOMPARE(conti(), QStringLiteral("Esatti 0/Errati 1"));
        QTest::mouseClick(f.Image1(Tetto - 1), Qt::LeftButton);
        QCOMPARE(f.ShockwaveFlash2()->coloreElemento(QStringLiteral("tetto.interno")), QColor(0xFF0000));
        QCOMPARE(conti(), QStringLiteral("Esatti 1/Errati 1"));
        QVERIFY(m_ambiente.suoni->suonati.last().contains(QLatin1String("/suoni/si/")));
        QTest::mouseClick(f.Image1(Tetto - 1), Qt::LeftButton);
        QCOMPARE(conti(), QStringLiteral("Esatti 1/Errati 2"));
        QVERIFY(!f.Command1(0)->isEnabled());
        QVERIFY(!f.ShockwaveFlash2()->gruppoVisibile(QStringLiteral("fumo")));
        QTest::mouseClick(f.Image1(Fumo - 1), Qt::LeftButton);
        QVERIFY(f.ShockwaveFlash2()->gruppoVisibile(QStringLiteral("fumo")));
        QVERIFY(f.Command1(0)->isEnabled());
        QTest::mouseClick(f.Image1(Porta - 1), Qt::LeftButton);
        QCOMPARE(conti(), QStringLiteral("Esatti 2/Errati 2"));

        QTest::mouseClick(f.Command1(0), Qt::LeftButton);
        QVERIFY(!f.Command1(0)->isEnabled());
        QCOMPARE(f.gioco().Sistemati(), 0);
    }

    // In mouse mode the frames follow the pointer over the pictures; in the
    // scanning modes they do not, and clicks on the pictures change nothing.
    void es8CorniciColPuntatore_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("mouse") << int(IngressoMouse);
        QTest::newRow("manual") << int(IngressoScansioneManuale);
        QTest::newRow("automatic") << int(IngressoScansioneAutomatica);
        QTest::newRow("keyboard") << int(IngressoTastiera);
    }

    void es8CorniciColPuntatore()
    {
        QFETCH(int, modo);
        FormEs8 &f = apri<FormEs8>(modo, casa({parte(Tetto), colore(4)}));
        puntatoreSu(f.Image1(3));
        QCOMPARE(cornici(f), modo == IngressoMouse ? QList<int>{3} : QList<int>{0});
        QTest::mouseClick(f.Image1(Tetto - 1), Qt::LeftButton);
        if (modo == IngressoMouse) {
            QCOMPARE(conti(), QStringLiteral("Esatti 1/Errati 0"));
            puntatoreSu(f.Picture1());
            QCOMPARE(cornici(f), QList<int>());
        } else {
            QCOMPARE(cornici(f), QList<int>{0});
            QCOMPARE(conti(), QStringLiteral("Esatti 0/Errati 0"));
        }
    }

    // Manual scanning: Space moves the frame over the eight pictures and
    // wraps from the last to the first, never to the disabled next-item
    // button; the right choice closes the item and the scan rests on that
    // button; Space no longer moves; Enter starts the next item with the
    // button back in its colour and the frame on the first picture.
    void es8ScansioneManuale()
    {
        FormEs8 &f = apri<FormEs8>(IngressoScansioneManuale, casa({parte(Tetto), colore(4)}));
        QList<int> visti;
        for (int i = 0; i < 9; ++i) {
            rilascia(Qt::Key_Space);
            visti << cornici(f).value(0, -1);
        }
        QCOMPARE(visti, (QList<int>{1, 2, 3, 4, 5, 6, 7, 0, 1}));
        rilascia(Qt::Key_Return);
        QCOMPARE(conti(), QStringLiteral("Esatti 1/Errati 0"));
        QVERIFY(avantiEvidenziato());
        QVERIFY(!f.Command1(0)->isEnabled());
        QCOMPARE(f.scansione().Posizione(), FinestraUguali::kPosizioneAvanti);
        rilascia(Qt::Key_Space);
        QCOMPARE(f.scansione().Posizione(), FinestraUguali::kPosizioneAvanti);
        rilascia(Qt::Key_Return);
        QVERIFY(!avantiEvidenziato());
        QCOMPARE(f.scansione().Posizione(), 0);
        QCOMPARE(cornici(f), QList<int>{0});
        QCOMPARE(f.gioco().Sistemati(), 0);
    }

    // Automatic scanning wraps over the pictures only while the item is open,
    // as the advance key does, and rests on the next-item button once it is
    // complete; keyboard Left from the first picture goes to the last.
    void es8AutomaticaETastiera()
    {
        FormEs8 &f = apri<FormEs8>(IngressoScansioneAutomatica, casa({parte(Porta), colore(3)}));
        QList<int> visti;
        for (int i = 0; i < 10; ++i) {
            f.scansione().Timer1_Timer();
            visti << f.scansione().Posizione();
        }
        QCOMPARE(visti, (QList<int>{1, 2, 3, 4, 5, 6, 7, 0, 1, 2}));
        for (int i = 0; i < 2; ++i)
            f.scansione().Timer1_Timer();
        rilascia(Qt::Key_Space); // on the door
        QVERIFY(avantiEvidenziato());
        for (int i = 0; i < 3; ++i)
            f.scansione().Timer1_Timer();
        QCOMPARE(f.scansione().Posizione(), FinestraUguali::kPosizioneAvanti);
        m_finestra.reset();

        FormEs8 &g = apri<FormEs8>(IngressoTastiera, casa({parte(Porta), colore(3)}));
        rilascia(Qt::Key_Left);
        QCOMPARE(cornici(g), QList<int>{7});
        rilascia(Qt::Key_Down);
        QCOMPARE(cornici(g), QList<int>{0});
    }

    // A level chosen from the menu while the scan rests on the next-item
    // button: the button goes back to its colour and the ring to its start.
    void es8LivelloDalMenuARiposo()
    {
        FormEs8 &f = apri<FormEs8>(IngressoScansioneManuale, casa({parte(Comignolo), colore(2)}));
        rilascia(Qt::Key_Return);
        QVERIFY(avantiEvidenziato());
        f.mnuLiv_Click(3);
        QVERIFY(!avantiEvidenziato());
        QCOMPARE(f.scansione().Posizione(), 0);
        QCOMPARE(cornici(f), QList<int>{0});
        rilascia(Qt::Key_Space);
        QCOMPARE(cornici(f), QList<int>{1});
    }

    // The instruction is read at the opening, then the character hides; the
    // instruction button reads it again with the voice, or shows its panel
    // without it, which a click on the text hides.
    void es8Consegna()
    {
        FormEs8 &f = apri<FormEs8>(IngressoMouse, casa({parte(Tetto), colore(4)}));
        const QString consegna = MLSGetText(QStringLiteral("0073"));
        QVERIFY(!consegna.isEmpty());
        QCOMPARE(f.Label1()->text(), consegna);
        const QStringList registro = agente()->registro;
        const int detta = registro.lastIndexOf(QStringLiteral("Speak:") + kPrefisso + consegna);
        QVERIFY(detta > 0);
        QCOMPARE(registro.at(detta - 1), QStringLiteral("StopAll"));
        QVERIFY(registro.indexOf(QStringLiteral("Hide"), detta) > detta);
        QTest::mouseClick(f.Command1(1), Qt::LeftButton);
        QCOMPARE(agente()->detti().size(), 2);
        QVERIFY(!f.Picture2()->isVisible());
        QCOMPARE(agente()->registro.last(), QStringLiteral("Hide"));
        m_finestra.reset();

        Stato().imp.VoceAttiva = false;
        Stato().imp.StileTesto = QStringLiteral("maiuscolo");
        FormEs8 &g = apri<FormEs8>(IngressoMouse, casa({parte(Tetto), colore(4)}));
        QCOMPARE(g.Label1()->text(), consegna.toUpper());
        QVERIFY(!g.Picture2()->isVisible());
        QTest::mouseClick(g.Command1(1), Qt::LeftButton);
        QVERIFY(g.Picture2()->isVisible());
        QTest::mouseClick(g.Label1(), Qt::LeftButton);
        QVERIFY(!g.Picture2()->isVisible());
    }

    // "Uguali - 2°" with the mouse: the painted parts are clicked on either
    // house (frame 2); the clicked house takes the other's value, the smoke
    // included; a part alike counts one wrong answer; numbers the picture
    // never sends count for nothing; after the last difference clicks are
    // ignored.
    void es3ColMouse()
    {
        FormEs3 &f = apri<FormEs3>(IngressoMouse, casa({parte(Fumo), bit(0)}));
        QCOMPARE(f.ShockwaveFlash1()->fotogramma(), 2);
        QCOMPARE(f.ShockwaveFlash2()->fotogramma(), 2);
        QCOMPARE(f.Label1()->text(), MLSGetText(QStringLiteral("0101")));
        for (const QString &comando : {QStringLiteral("0"), QStringLiteral("9"), QStringLiteral("x"), QString()})
            f.ShockwaveFlash_FSCommand(1, comando);
        QCOMPARE(conti(), QStringLiteral("Esatti 0/Errati 0"));
        clicSullaParte(f.ShockwaveFlash2(), Pareti);
        QCOMPARE(conti(), QStringLiteral("Esatti 0/Errati 1"));
        QVERIFY(f.ShockwaveFlash1()->gruppoVisibile(QStringLiteral("fumo")));
        QVERIFY(!f.ShockwaveFlash2()->gruppoVisibile(QStringLiteral("fumo")));
        clicSullaParte(f.ShockwaveFlash1(), Fumo);
        QVERIFY(!f.ShockwaveFlash1()->gruppoVisibile(QStringLiteral("fumo")));
        QCOMPARE(conti(), QStringLiteral("Esatti 1/Errati 1"));
        QVERIFY(f.Command1(0)->isEnabled());
        clicSullaParte(f.ShockwaveFlash2(), Tetto);
        QCOMPARE(conti(), QStringLiteral("Esatti 1/Errati 1"));
    }

    // A difference in a coloured part is put right from the second house too.
    void es3DallaSecondaCasa()
    {
        Stato().imp.CursoreDiSistema = true;
        FormEs3 &f = apri<FormEs3>(IngressoMouse, casa({parte(Finestre), colore(1)}));
        QCOMPARE(f.ShockwaveFlash2()->fotogramma(), 3);
        QCOMPARE(f.ShockwaveFlash2()->coloreElemento(QStringLiteral("finestre.interno")), QColor(0x00FF00));
        clicSullaParte(f.ShockwaveFlash2(), Finestre);
        QCOMPARE(f.ShockwaveFlash2()->coloreElemento(QStringLiteral("finestre.interno")), QColor(0xFFFF00));
        QVERIFY(f.Command1(0)->isEnabled());
    }

    // Scanning: the highlight is a coloured outline of a part of the second
    // house; smoke and clouds show in both houses and choosing them is
    // wrong; the outline of the part put right last stays while the scan
    // rests on the next-item button, until the next item.
    void es3Scansione()
    {
        QList<double> r{colore(1), colore(2), colore(3), colore(4), colore(1), colore(2), bit(0), bit(0)};
        FormEs3 &f = apri<FormEs3>(IngressoTastiera, r << parteColorata(Porta) << colore(4));
        ShockwaveFlash *seconda = f.ShockwaveFlash2();
        QCOMPARE(seconda->fotogramma(), 0);
        QCOMPARE(f.Label1()->text(), MLSGetText(QStringLiteral("0102")));
        QCOMPARE(f.coloreScansione(), QStringLiteral("FF0000"));
        QCOMPARE(seconda->partiEvidenziate(), QList<int>{Comignolo});
        QCOMPARE(seconda->coloreElemento(QStringLiteral("comignolo.contorno")), QColor(0xFF0000));
        for (int h = 0; h < 2; ++h) {
            ShockwaveFlash *c = h == 0 ? f.ShockwaveFlash1() : seconda;
            QVERIFY(c->gruppoVisibile(QStringLiteral("fumo")) && c->gruppoVisibile(QStringLiteral("nuvole")));
        }
        QVERIFY(f.ShockwaveFlash1()->partiEvidenziate().isEmpty());
        rilascia(Qt::Key_Left);
        QCOMPARE(seconda->partiEvidenziate(), QList<int>{Nuvole});
        rilascia(Qt::Key_Up);
        QCOMPARE(seconda->partiEvidenziate(), QList<int>{Fumo});
        rilascia(Qt::Key_Return);
        QCOMPARE(conti(), QStringLiteral("Esatti 0/Errati 1"));
        for (int i = 0; i < 3; ++i)
            rilascia(Qt::Key_Right);
        QCOMPARE(seconda->partiEvidenziate(), QList<int>{Tetto});
        for (int i = 0; i < 3; ++i)
            rilascia(Qt::Key_Right);
        QCOMPARE(seconda->partiEvidenziate(), QList<int>{Porta});
        rilascia(Qt::Key_Return);
        QCOMPARE(conti(), QStringLiteral("Esatti 1/Errati 1"));
        QCOMPARE(seconda->coloreElemento(QStringLiteral("porta.interno")), QColor(0x00FF00));
        QVERIFY(avantiEvidenziato());
        QCOMPARE(seconda->partiEvidenziate(), QList<int>{Porta});
        rilascia(Qt::Key_Right);
        QCOMPARE(f.scansione().Posizione(), FinestraUguali::kPosizioneAvanti);
        rilascia(Qt::Key_Return);
        QVERIFY(!avantiEvidenziato());
        QCOMPARE(seconda->partiEvidenziate(), QList<int>{Comignolo});
    }

    // The highlight colour comes from the settings; a system colour there is
    // resolved to the palette's colour.
    void es3ColoreDiSistema()
    {
        Stato().imp.ColorePulsanteSelezionato = -2147483635.0; // 0x8000000D
        FormEs3 &f = apri<FormEs3>(IngressoScansioneManuale, casa({parteColorata(Tetto), colore(4)}));
        const QColor atteso = QGuiApplication::palette().color(QPalette::Highlight);
        QCOMPARE(f.coloreScansione(), atteso.name().mid(1).toUpper());
        QCOMPARE(f.ShockwaveFlash2()->coloreElemento(QStringLiteral("comignolo.contorno")).value_or(QColor()).name(),
                 atteso.name());
        QCOMPARE(f.ShockwaveFlash2()->partiEvidenziate(), QList<int>{Comignolo});
    }

    // Menu buttons 1, 2 and 3 open "Uguale - diverso", "Uguali - 1°" and
    // "Uguali - 2°".
    void pulsantiDelMenu()
    {
        const QStringList attese{QStringLiteral("FormEs2"), QStringLiteral("FormEs8"), QStringLiteral("FormEs3")};
        for (int indice = 1; indice <= 3; ++indice) {
            const FabbricaFinestra fabbrica = finestraEsercizio(indice);
            QVERIFY(fabbrica);
            std::unique_ptr<QWidget> finestra(fabbrica());
            QCOMPARE(finestra->objectName(), attese.at(indice - 1));
        }
    }

    // With the automatic change on, the level goes up at the next item once
    // the surplus of right answers reaches 12.
    void es3SaleDiLivelloA12()
    {
        Stato().imp.PassaggioLivelli = true;
        FormEs3 &f = apri<FormEs3>(IngressoMouse, casa({parte(Tetto), colore(4)}));
        Stato().RisposteEsatte = 11;
        QTest::mouseClick(f.Command1(0), Qt::LeftButton); // disabled: nothing
        clicSullaParte(f.ShockwaveFlash2(), Tetto);
        QCOMPARE(f.Livello(), 1);
        QTest::mouseClick(f.Command1(0), Qt::LeftButton);
        QCOMPARE(f.Livello(), 2);
        QCOMPARE(f.gioco().livello(), 2);
    }
};

QTEST_MAIN(TestFormUguali)
#include "tst_formuguali.moc"
