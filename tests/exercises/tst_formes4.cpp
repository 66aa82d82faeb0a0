#include "core/Avvio.h"
#include "core/Casuale.h"
#include "core/ColoriVB.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "exercises/es4/FormEs4.h"
#include "exercises/es4/TestoAdattato.h"
#include "framework/Pulsante.h"
#include "menu/FinestreMenu.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ElementiCasa.h"
#include "vocabulary/Parole.h"

#include "Copione.h"
#include "AmbienteEsercizio.h"
#include "TestPaths.h"
#include "framework/AgenteFinto.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// The window with its scanning ring at hand, so a test can ask the ring to
// describe positions as the scanning mechanism does.
class FormEs4Aperta : public FormEs4
{
public:
    using FormEs4::anelloScansione;
};

// The real window, driven as a child would drive it: clicks on the painted
// parts of the house and on the buttons, keys on the key catchers.
class TestFormEs4 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormEs4> m_finestra;
    AmbienteEsercizio m_ambiente;
    std::unique_ptr<FonteSeme> m_fonte;

    FormEs4 &apri(int modo)
    {
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        m_finestra = std::make_unique<FormEs4Aperta>();
        m_finestra->show();
        if (!QTest::qWaitFor([this] { return !m_finestra->Text1()->text().isEmpty(); }))
            qWarning("the window showed no sentence");
        return *m_finestra;
    }

    const Esercizio4 &es() const { return m_finestra->esercizio(); }
    void rilascia(Qt::Key tasto)
    {
        QTest::keyRelease(m_finestra->findChild<QWidget *>(QStringLiteral("PictureScansioneManuale")), tasto);
    }
    bool evidenziato(int indice) const
    {
        return m_finestra->Command1(indice)->coloreSfondo() == m_finestra->colorePulsanteSelezionato();
    }

    // A point of the picture where the part is drawn and a click reports it.
    QPoint puntoDellaParte(int parte) const
    {
        ShockwaveFlash *casa = m_finestra->ShockwaveFlash1();
        const QString atteso = QString::number(parte);
        const QRect r = casa->rettangoloDisegno();
        for (int y = r.top(); y < r.bottom(); y += 3) {
            for (int x = r.left(); x < r.right(); x += 3) {
                if (casa->comandoNelPunto(QPoint(x, y)) == atteso)
                    return QPoint(x, y);
            }
        }
        return QPoint(-1, -1);
    }

    // The colour slot a part is painted with, 0 while grey.
    static int slotDipinto(const ShockwaveFlash &casa, int parte)
    {
        const std::optional<QColor> c = casa.coloreElemento(ElementiCasa::idInterno(parte));
        for (int slot = 1; slot <= 4 && c; ++slot) {
            if (c->name().mid(1).compare(Stato().imp.TabellaColori[slot][0], Qt::CaseInsensitive) == 0)
                return slot;
        }
        return 0;
    }
    QString contorno(int parte) const
    {
        const auto c = m_finestra->ShockwaveFlash1()->coloreElemento(ElementiCasa::idContorno(parte));
        return c ? c->name().mid(1).toUpper() : QString();
    }

    // Clicks the part until it shows a colour its sentence admits (or does
    // not admit, when giusto is false).
    void coloraColMouse(int parte, bool giusto)
    {
        const QPoint punto = puntoDellaParte(parte);
        QVERIFY(punto.x() >= 0);
        for (int i = 0; i < 4; ++i) {
            const int dato = es().ColoreDato(parte);
            if (dato != 0 && es().Ammesso(parte, dato) == giusto)
                break;
            QTest::mouseClick(m_finestra->ShockwaveFlash1(), Qt::LeftButton, {}, punto);
            QCOMPARE(slotDipinto(*m_finestra->ShockwaveFlash1(), parte), es().ColoreDato(parte));
        }
        QCOMPARE(es().Ammesso(parte, es().ColoreDato(parte)), giusto);
    }

private slots:
    void initTestCase() { m_ambiente.prepara(); }

    void init()
    {
        m_ambiente.azzera();
        m_fonte = std::make_unique<FonteSeme>(11);
        impostaFonteCasuale(m_fonte.get());
    }

    void cleanup()
    {
        m_finestra.reset();
        m_ambiente.chiudi();
    }

    void pulsanteQuattroDelMenu()
    {
        std::unique_ptr<QWidget> finestra(finestraEsercizio(4)());
        QVERIFY(qobject_cast<FormEs4 *>(finestra.get()));
    }

    // Level 1 with the mouse: one sentence at a time, each spoken once; a
    // wrong colour counts, the right one locks the part and brings the
    // next; after the sixth the six sentences stay on screen.
    void unaFraseAllaVoltaColMouse()
    {
        FormEs4 &f = apri(IngressoMouse);
        QCOMPARE(f.ShockwaveFlash1()->fotogramma(), 2);
        QCOMPARE(f.Label2()->text(), QStringLiteral("Clicca sulla pinnola per modificarne il colore"));
        for (int p = 1; p <= 6; ++p)
            QCOMPARE(f.ShockwaveFlash1()->coloreElemento(ElementiCasa::idInterno(p))->name(), QStringLiteral("#cccccc"));
        AgenteFinto *agente = AgenteFinto::creati().last();
        QList<int> viste;
        for (int n = 0; n < 6; ++n) {
            const int parte = es().FraseCorrente();
            QVERIFY(!viste.contains(parte));
            viste << parte;
            QCOMPARE(f.Text1()->text(), es().FrasiParti(parte));
            QCOMPARE(agente->detti().size(), n + 1);
            QCOMPARE(agente->detti().last(), Stato().PrefissoVoce + es().FrasiParti(parte));
            // Checking with the part still grey does nothing.
            QTest::mouseClick(f.Command1(0), Qt::LeftButton);
            QCOMPARE(f.testoPannello(2), QStringLiteral("Errati %1").arg(n));
            coloraColMouse(parte, false);
            QTest::mouseClick(f.Command1(0), Qt::LeftButton);
            QCOMPARE(f.testoPannello(2), QStringLiteral("Errati %1").arg(n + 1));
            QVERIFY(m_ambiente.suoni->suonati.last().contains(QLatin1String("/suoni/no/")));
            coloraColMouse(parte, true);
            const int colore = es().ColoreDato(parte);
            QTest::mouseClick(f.Command1(0), Qt::LeftButton);
            QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti %1").arg(n + 1));
            QVERIFY(m_ambiente.suoni->suonati.last().contains(QLatin1String("/suoni/si/")));
            // Locked: a click no longer changes it.
            QTest::mouseClick(f.ShockwaveFlash1(), Qt::LeftButton, {}, puntoDellaParte(parte));
            QCOMPARE(slotDipinto(*f.ShockwaveFlash1(), parte), colore);
        }
        QCOMPARE(f.Text1()->text(), es().riepilogo());
        QCOMPARE(f.Text1()->text().count(QStringLiteral("\r\n")), 6);
        QVERIFY(!f.Command1(0)->isEnabled());
        QVERIFY(f.Command1(1)->isEnabled());
        QCOMPARE(agente->detti().size(), 6);

        QTest::mouseClick(f.Command1(1), Qt::LeftButton);
        QCOMPARE(slotDipinto(*f.ShockwaveFlash1(), es().FraseCorrente()), 0);
        QVERIFY(f.Command1(0)->isEnabled() && !f.Command1(1)->isEnabled());
        QCOMPARE(agente->detti().size(), 7);
    }

    // Level 4 with the mouse: all six sentences together; a check with two
    // wrong parts counts two wrong answers and one sound; once all are right
    // six right answers come at once.
    void tutteInsiemeColMouse()
    {
        FormEs4 &f = apri(IngressoMouse);
        f.mnuLiv_Click(4);
        QCOMPARE(f.Text1()->text().count(QStringLiteral("\r\n")), 6);
        QCOMPARE(AgenteFinto::creati().last()->detti().last(), Stato().PrefissoVoce + f.Text1()->text());
        for (int p = 1; p <= 6; ++p)
            coloraColMouse(p, p > 2);
        const int suoni = m_ambiente.suoni->suonati.size();
        QTest::mouseClick(f.Command1(0), Qt::LeftButton);
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 2"));
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 0"));
        QCOMPARE(m_ambiente.suoni->suonati.size(), suoni + 1);
        QVERIFY(m_ambiente.suoni->suonati.last().contains(QLatin1String("/suoni/no/")));
        coloraColMouse(1, true);
        coloraColMouse(2, true);
        QTest::mouseClick(f.Command1(0), Qt::LeftButton);
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 6"));
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 2"));
        QVERIFY(!f.Command1(0)->isEnabled() && f.Command1(1)->isEnabled());
    }

    // A report that is no part number is ignored: no colour, no step of the
    // cycle, nothing counted.
    void parteFuoriIntervallo()
    {
        FormEs4 &f = apri(IngressoMouse);
        for (const QString &comando : QStringList{"7", "9", "-2", "12345678901", "tetto", ""}) {
            f.ShockwaveFlash1_FSCommand(comando, QString());
            QCOMPARE(es().ColoreCorrente(), 0);
        }
        f.ShockwaveFlash1_FSCommand(QStringLiteral("0"), QString());
        QCOMPARE(es().ColoreCorrente(), 1);
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 0"));
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 0"));
    }

    // Manual scanning: the part of the sentence has a highlighted outline;
    // Space paints it the next colour, Enter on a wrong colour counts, on
    // a right one locks it and moves the outline to the next part. After
    // the sixth the scan rests on the new-item button.
    void scansioneManuale()
    {
        FormEs4 &f = apri(IngressoScansioneManuale);
        QCOMPARE(f.ShockwaveFlash1()->fotogramma(), 0);
        QVERIFY(evidenziato(0) && !evidenziato(1));
        QCOMPARE(f.ColoreScansione(), QStringLiteral("FF0000"));
        bool sbagliato = false;
        for (int n = 0; n < 6; ++n) {
            const int parte = es().FraseCorrente();
            QCOMPARE(contorno(parte), f.ColoreScansione());
            for (int giri = 0; giri < 5; ++giri) {
                const int prima = es().ColoreCorrente();
                rilascia(Qt::Key_Space);
                QCOMPARE(es().ColoreCorrente(), prima % 4 + 1);
                QCOMPARE(slotDipinto(*f.ShockwaveFlash1(), parte), es().ColoreCorrente());
                if (!es().Ammesso(parte, es().ColoreCorrente()) && !sbagliato) {
                    rilascia(Qt::Key_Return);
                    QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 1"));
                    QCOMPARE(es().FraseCorrente(), parte);
                    sbagliato = true;
                }
                if (es().Ammesso(parte, es().ColoreCorrente()))
                    break;
            }
            rilascia(Qt::Key_Return);
            QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti %1").arg(n + 1));
            QCOMPARE(contorno(parte), QStringLiteral("000000"));
        }
        QVERIFY(sbagliato);
        QCOMPARE(es().ColoreCorrente(), int(Esercizio4::kSuNuovoEsercizio));
        QVERIFY(evidenziato(1) && !evidenziato(0));
        rilascia(Qt::Key_Space);
        QCOMPARE(f.scansione().Posizione(), int(FormEs4::kRiposo));

        rilascia(Qt::Key_Return);
        QVERIFY(evidenziato(0) && !evidenziato(1));
        QCOMPARE(es().ColoreCorrente(), 0);
        QCOMPARE(es().Fatte(), 0);
        QCOMPARE(contorno(es().FraseCorrente()), f.ColoreScansione());
    }

    // Automatic scanning: the colours cycle on the part at every tick of the
    // one scanning timer; the switch held stops them, released it chooses.
    void scansioneAutomatica()
    {
        FormEs4 &f = apri(IngressoScansioneAutomatica);
        QTimer *timer = f.findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer->isActive());
        QCOMPARE(timer->interval(), 1000);
        int attivi = 0;
        for (QTimer *t : f.findChildren<QTimer *>())
            attivi += t->isActive();
        QCOMPARE(attivi, 1);

        const int parte = es().FraseCorrente();
        QList<int> colori;
        for (int i = 0; i < 5; ++i) {
            f.scansione().Timer1_Timer();
            colori << slotDipinto(*f.ShockwaveFlash1(), parte);
        }
        QCOMPARE(colori, (QList<int>{1, 2, 3, 4, 1}));
        while (!es().Ammesso(parte, es().ColoreCorrente()))
            f.scansione().Timer1_Timer();
        QWidget *sensore = f.findChild<QWidget *>(QStringLiteral("PictureScansioneAutomatica"));
        QTest::keyPress(sensore, Qt::Key_Space);
        QVERIFY(!timer->isActive());
        QTest::keyRelease(sensore, Qt::Key_Space);
        QVERIFY(timer->isActive());
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 1"));
        QVERIFY(es().FraseCorrente() != parte);
    }

    // Keyboard: every arrow key moves to the next colour.
    void tastieraTutteLeFrecceAvanti()
    {
        apri(IngressoTastiera);
        const int parte = es().FraseCorrente();
        int atteso = 0;
        for (Qt::Key tasto : {Qt::Key_Right, Qt::Key_Left, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left}) {
            rilascia(tasto);
            atteso = atteso % 4 + 1;
            QCOMPARE(es().ColoreCorrente(), atteso);
            QCOMPARE(slotDipinto(*m_finestra->ShockwaveFlash1(), parte), atteso);
        }
    }

    // A level chosen in the menu while the scan rests on the new-item
    // button: that button goes back to its own colour, the ring to its
    // first position and the outline of the last part goes out.
    void livelloDalMenuARiposo()
    {
        FormEs4 &f = apri(IngressoTastiera);
        f.mnuLiv_Click(4);
        while (f.scansione().Posizione() != FormEs4::kRiposo) {
            const int parte = es().FraseCorrente();
            rilascia(Qt::Key_Right);
            if (es().Ammesso(parte, es().ColoreCorrente()))
                rilascia(Qt::Key_Return);
        }
        QVERIFY(evidenziato(1));
        f.mnuLiv(2)->trigger();
        QVERIFY(!evidenziato(1) && evidenziato(0));
        QCOMPARE(f.scansione().Posizione(), 0);
        QCOMPARE(es().ColoreCorrente(), 0);
        for (int p = 1; p <= 6; ++p)
            QCOMPARE(contorno(p).isEmpty() || contorno(p) == QLatin1String("000000"), p != es().FraseCorrente());
        // A level chosen in the middle of an item clears the outline too.
        const int prima = es().FraseCorrente();
        f.mnuLiv(3)->trigger();
        if (es().FraseCorrente() != prima)
            QCOMPARE(contorno(prima), QStringLiteral("000000"));
    }

    // With the thick frame round the highlight, the ring's names and frames
    // are asked for often: asking never colours the part. After a right
    // answer the next part stays grey and a check judges nothing, in every
    // scanning mode; whatever is judged is the colour the child sees.
    void coloraConLaCorniceSpessa_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("spessore");
        for (int spessore : {4, 8, 12}) {
            QTest::addRow("two switches, %d px", spessore) << int(IngressoScansioneManuale) << spessore;
            QTest::addRow("keyboard, %d px", spessore) << int(IngressoTastiera) << spessore;
            QTest::addRow("one switch, %d px", spessore) << int(IngressoScansioneAutomatica) << spessore;
        }
    }
    void coloraConLaCorniceSpessa()
    {
        QFETCH(int, modo);
        QFETCH(int, spessore);
        Stato().accesso.spessoreEvidenziazione = spessore;
        FormEs4 &f = apri(modo);
        QWidget *automatica = f.findChild<QWidget *>(QStringLiteral("PictureScansioneAutomatica"));
        const auto avanti = [&] {
            if (modo == IngressoScansioneAutomatica)
                f.scansione().Timer1_Timer();
            else
                rilascia(modo == IngressoTastiera ? Qt::Key_Right : Qt::Key_Space);
        };
        const auto scegli = [&] {
            if (modo == IngressoScansioneAutomatica) {
                QTest::keyPress(automatica, Qt::Key_Space);
                QTest::keyRelease(automatica, Qt::Key_Space);
            } else {
                rilascia(Qt::Key_Return);
            }
        };
        const auto descriviTutto = [&] {
            const ControlloScansione::Anello anello = static_cast<FormEs4Aperta &>(f).anelloScansione();
            for (int volta = 0; volta < 2; ++volta) {
                for (int p = 0; p <= FormEs4::kRiposo; ++p) {
                    anello.nome(p);
                    anello.riquadro(p);
                    anello.illuminaDaSe(p);
                }
            }
        };

        const int prima = es().FraseCorrente();
        do
            avanti();
        while (!es().Ammesso(prima, es().ColoreCorrente()));
        scegli();
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 1"));
        const int parte = es().FraseCorrente();
        QVERIFY(parte != prima);
        // The part lights itself, as broad as the frame; no frame goes round it.
        QCOMPARE(f.ShockwaveFlash1()->partiEvidenziate(), QList<int>{parte});
        QCOMPARE(f.ShockwaveFlash1()->larghezzaAlone(), spessore);
        QVERIFY(f.scansione().illuminataDaSe());
        QVERIFY(f.scansione().zonaCornice().isEmpty());
        descriviTutto();
        QTest::qWait(250); // what the mechanism asks by itself meanwhile
        QCOMPARE(es().ColoreDato(parte), 0);
        QCOMPARE(slotDipinto(*f.ShockwaveFlash1(), parte), 0);
        if (modo != IngressoScansioneAutomatica) {
            scegli();
            QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 1"));
            QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 0"));
        }
        avanti();
        descriviTutto();
        QCOMPARE(es().ColoreDato(parte), slotDipinto(*f.ShockwaveFlash1(), parte));
        QVERIFY(es().ColoreDato(parte) != 0);
    }

    // A system colour as the highlight colour is sent to the picture as its
    // red, green and blue.
    void coloreDiSistema()
    {
        Stato().imp.ColorePulsanteSelezionato = -2147483635.0; // system colour 13, the highlight
        FormEs4 &f = apri(IngressoScansioneManuale);
        QCOMPARE(f.ColoreScansione().size(), 6);
        QCOMPARE(QLatin1Char('#') + f.ColoreScansione().toLower(), f.colorePulsanteSelezionato().name());
        QCOMPARE(contorno(es().FraseCorrente()), f.ColoreScansione());
    }

    // The caption asks for bold; a face with a bold of its own draws it, the
    // cursive school face (no bold) draws its regular letters, never the
    // engine's thickened strokes that turn its "a" into an "x".
    void didascaliaSenzaGrassettoFinto_data()
    {
        QTest::addColumn<QString>("famiglia");
        QTest::addColumn<int>("peso");
        QTest::newRow("print face") << QStringLiteral("Arial") << int(QFont::Bold);
        QTest::newRow("cursive") << QStringLiteral("Indis1") << int(QFont::Normal);
    }
    void didascaliaSenzaGrassettoFinto()
    {
        QFETCH(QString, famiglia);
        QFETCH(int, peso);
        RegistraFontCorsivo();
        Stato().imp.FontTesto = famiglia;
        FormEs4 &f = apri(IngressoMouse);
        const QFontInfo disegnato(f.Label2()->font());
        QCOMPARE(disegnato.family(), QFontInfo(QFont(famiglia)).family());
        QCOMPARE(disegnato.weight(), peso);
    }

    // The six sentences always fit the box, at every screen size.
    void testoSempreIntero_data()
    {
        QTest::addColumn<QSize>("schermo");
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("800x600") << QSize(800, 600);
    }

    void testoSempreIntero()
    {
        QFETCH(QSize, schermo);
        Stato().imp.DimensioneFontTesto = 40;
        FormEs4 &f = apri(IngressoMouse);
        f.mnuLiv_Click(6);
        f.resize(schermo);
        QTest::qWait(20);
        TestoAdattato *t = f.Text1();
        QVERIFY(t->dimensioneUsata() >= 8);
        QFont carattere = t->font();
        carattere.setPointSize(t->dimensioneUsata());
        const QFontMetrics m(carattere);
        const int righe = (6 + t->colonne() - 1) / t->colonne();
        QVERIFY2(righe * m.lineSpacing() <= t->height(), qPrintable(QString::number(t->dimensioneUsata())));
    }
};

QTEST_MAIN(TestFormEs4)
#include "tst_formes4.moc"
