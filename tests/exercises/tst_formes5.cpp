#include "core/Casuale.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "exercises/es5/FormEs5.h"
#include "framework/Navigazione.h"
#include "framework/Pulsante.h"
#include "layout/Linea.h"
#include "menu/FinestreMenu.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ElementiCasa.h"
#include "vocabulary/Parole.h"

#include "Copione.h"
#include "AmbienteEsercizio.h"
#include "TestPaths.h"
#include "framework/AgenteFinto.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

// A script, then draws from a fixed seed.
class CopioneESeme : public FonteCasuale
{
public:
    explicit CopioneESeme(const QList<double> &valori) : m_valori(valori), m_seme(7) {}
    double r() override { return m_valori.isEmpty() ? m_seme.r() : m_valori.takeFirst(); }

private:
    QList<double> m_valori;
    FonteSeme m_seme;
};

// The real window, driven as a child would drive it: clicks on its buttons
// and keys on its key catchers, each house judged from what its picture shows.
class TestFormEs5 : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<FormEs5> m_finestra;
    AmbienteEsercizio m_ambiente;
    std::unique_ptr<FonteSeme> m_fonte;

    FormEs5 &apri(int modo)
    {
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        m_finestra = std::make_unique<FormEs5>();
        m_finestra->show();
        if (!QTest::qWaitFor([this] { return !m_finestra->Label1()->text().isEmpty(); }))
            qWarning("the window showed no sentence");
        return *m_finestra;
    }

    QWidget *ricevitore(const char *nome) const { return m_finestra->findChild<QWidget *>(QLatin1String(nome)); }
    void rilascia(Qt::Key tasto) { QTest::keyRelease(ricevitore("PictureScansioneManuale"), tasto); }

    bool evidenziato(int indice) const
    {
        return m_finestra->Command1(indice)->coloreSfondo() == m_finestra->colorePulsanteSelezionato();
    }

    // The value of a part as the picture shows it: the colour slot whose
    // colour the part is painted, or whether the smoke or the clouds show.
    static int valoreMostrato(const ShockwaveFlash &casa, int parte)
    {
        if (parte >= Fumo)
            return casa.gruppoVisibile(ElementiCasa::nomeParte(parte)) ? 1 : 0;
        const std::optional<QColor> c = casa.coloreElemento(ElementiCasa::idInterno(parte));
        for (int slot = 1; slot <= 4 && c; ++slot) {
            if (c->name().mid(1).compare(Stato().imp.TabellaColori[slot][0], Qt::CaseInsensitive) == 0)
                return slot;
        }
        return -1;
    }

    // The box the shown house belongs in (0 left, 1 right), by the rule of
    // the level applied to the facts of the sentence.
    int scatolaGiusta() const
    {
        const Esercizio5 &es = m_finestra->esercizio();
        const ShockwaveFlash &casa = *m_finestra->ShockwaveFlash1();
        const bool primo = valoreMostrato(casa, es.fatto1().parte) == es.fatto1().valore;
        const bool secondo = valoreMostrato(casa, es.fatto2().parte) == es.fatto2().valore;
        bool vera = primo;
        switch (es.livello()) {
        case 2: vera = primo && secondo; break;
        case 3: vera = primo || secondo; break;
        case 4: vera = primo != secondo; break;
        default: break;
        }
        return vera ? 0 : 1;
    }

    // The small houses shown in a box, in order.
    QList<ShockwaveFlash *> casette(int scatola) const
    {
        QList<ShockwaveFlash *> viste;
        for (int i = 0; i < 10; ++i) {
            ShockwaveFlash *c = scatola == 0 ? m_finestra->ShockwaveFlash2(i) : m_finestra->ShockwaveFlash3(i);
            if (c->isVisible())
                viste << c;
        }
        return viste;
    }

    static QStringList aspetto(const ShockwaveFlash &casa)
    {
        QStringList a{casa.coloreSfondo().name()};
        for (int p = Comignolo; p <= Nuvole; ++p)
            a << QString::number(valoreMostrato(casa, p));
        return a;
    }

private slots:
    void initTestCase() { m_ambiente.prepara(); }

    void init()
    {
        m_ambiente.azzera();
        m_fonte = std::make_unique<FonteSeme>(5);
        impostaFonteCasuale(m_fonte.get());
    }

    void cleanup()
    {
        m_finestra.reset();
        m_ambiente.chiudi();
    }

    void pulsanteCinqueDelMenu()
    {
        const FabbricaFinestra crea = finestraEsercizio(5);
        QVERIFY(crea);
        std::unique_ptr<QWidget> finestra(crea());
        QVERIFY(qobject_cast<FormEs5 *>(finestra.get()));
        QCOMPARE(finestra->objectName(), QStringLiteral("FormEs5"));
    }

    // Every house of a whole item, at each level, is sorted by what its
    // picture shows: a wrong box counts and leaves everything in place, the
    // right box gets a small copy that looks like the house, and a new house
    // comes for the same sentence until a box holds ten.
    void caseSmistateColMouse_data()
    {
        QTest::addColumn<int>("livello");
        for (int l = 1; l <= 4; ++l)
            QTest::addRow("level %d", l) << l;
    }

    void caseSmistateColMouse()
    {
        QFETCH(int, livello);
        FormEs5 &f = apri(IngressoMouse);
        f.mnuLiv_Click(livello);
        const QString frase = f.Label1()->text();
        QVERIFY(frase.endsWith(QLatin1Char('.')));
        QCOMPARE(AgenteFinto::creati().last()->detti().last(), Stato().PrefissoVoce + frase);
        QVERIFY(casette(0).isEmpty() && casette(1).isEmpty());
        int esatte = 0;
        int errate = 0;
        while (f.Command1(0)->isEnabled()) {
            QVERIFY(f.ShockwaveFlash1()->isVisible());
            const int giusta = scatolaGiusta();
            const QStringList casa = aspetto(*f.ShockwaveFlash1());
            const int prima[2] = {int(casette(0).size()), int(casette(1).size())};
            if ((esatte + errate) % 4 == 1) {
                QTest::mouseClick(f.Command1(1 - giusta), Qt::LeftButton);
                QCOMPARE(f.testoPannello(2), QStringLiteral("Errati %1").arg(++errate));
                QVERIFY(m_ambiente.suoni->suonati.last().contains(QLatin1String("/suoni/no/")));
                QCOMPARE(aspetto(*f.ShockwaveFlash1()), casa);
                QCOMPARE(casette(0).size(), prima[0]);
                QCOMPARE(casette(1).size(), prima[1]);
            }
            QTest::mouseClick(f.Command1(giusta), Qt::LeftButton);
            QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti %1").arg(++esatte));
            QVERIFY(m_ambiente.suoni->suonati.last().contains(QLatin1String("/suoni/si/")));
            QCOMPARE(casette(giusta).size(), prima[giusta] + 1);
            QCOMPARE(casette(1 - giusta).size(), prima[1 - giusta]);
            QCOMPARE(aspetto(*casette(giusta).last()), casa);
            QCOMPARE(f.Label1()->text(), frase);
            QVERIFY(esatte < 20);
        }
        // The item ended on the tenth house of one box.
        QCOMPARE(qMax(casette(0).size(), casette(1).size()), 10);
        QVERIFY(qMin(casette(0).size(), casette(1).size()) < 10);
        QVERIFY(!f.ShockwaveFlash1()->isVisible());
        QVERIFY(!f.Command1(1)->isEnabled());
        QVERIFY(f.Command1(2)->isEnabled());
        QCOMPARE(AgenteFinto::creati().last()->detti().size(), 2);
        // With no house left to sort, a box answer is not taken.
        f.Command1_Click(0);
        f.Command1_Click(1);
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti %1").arg(esatte));
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati %1").arg(errate));

        QTest::mouseClick(f.Command1(2), Qt::LeftButton);
        QVERIFY(casette(0).isEmpty() && casette(1).isEmpty());
        QVERIFY(f.ShockwaveFlash1()->isVisible());
        QVERIFY(f.Command1(0)->isEnabled() && f.Command1(1)->isEnabled() && !f.Command1(2)->isEnabled());
        QCOMPARE(AgenteFinto::creati().last()->detti().size(), 3);
    }

    // Facts of absence: each house is judged by whether its picture shows
    // the smoke or the clouds, and sorted right.
    void fattiDiAssenza_data()
    {
        QTest::addColumn<int>("livello");
        QTest::addColumn<QList<double>>("fatti");
        QTest::addColumn<QString>("frase");
        QTest::newRow("1 no smoke") << 1 << QList<double>{parte(Fumo), bit(0)} << "Non c'è il fumo.";
        QTest::newRow("2 roof, no clouds") << 2 << QList<double>{parte(Tetto), colore(3), parte(Nuvole), bit(0)}
                                           << "Il tetto è blu e non ci sono le nuvole.";
        QTest::newRow("4 no clouds, no smoke")
            << 4 << QList<double>{parte(Nuvole), bit(0), parte(Fumo), bit(0)}
            << "Solo una cosa è vera: non ci sono le nuvole o non c'è il fumo, ma non tutte e due.";
    }

    void fattiDiAssenza()
    {
        QFETCH(int, livello);
        QFETCH(QList<double>, fatti);
        QFETCH(QString, frase);
        // The opening item (level 1, a true house: no redraw), then the
        // facts; the houses after them are drawn from a seed.
        CopioneESeme fonte(QList<double>{parte(Tetto), colore(1), 0.005, colore(1), colore(1), colore(1), colore(1),
                                    colore(1), colore(1), bit(0), bit(0)}
                      + fatti);
        impostaFonteCasuale(&fonte);
        FormEs5 &f = apri(IngressoMouse);
        QCOMPARE(f.Label1()->text(), QStringLiteral("Il tetto è verde."));
        f.mnuLiv_Click(livello);
        QCOMPARE(f.Label1()->text(), frase);
        for (int i = 0; i < 6; ++i) {
            const int giusta = scatolaGiusta();
            const int prima = casette(giusta).size();
            QTest::mouseClick(f.Command1(giusta), Qt::LeftButton);
            QCOMPARE(casette(giusta).size(), prima + 1);
        }
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 0"));
        m_finestra.reset();
    }

    // Manual scanning: Space moves between the two box buttons, Enter
    // chooses; when a box is full the scan rests on the next-item button
    // (the box buttons stay enabled) until Enter starts a new item.
    void scansioneManuale()
    {
        FormEs5 &f = apri(IngressoScansioneManuale);
        QVERIFY(evidenziato(0));
        rilascia(Qt::Key_Space);
        QVERIFY(evidenziato(1) && !evidenziato(0));
        rilascia(Qt::Key_Space);
        QVERIFY(evidenziato(0));

        bool sbagliato = false;
        while (f.scansione().Posizione() != Esercizio5::Avanti) {
            const int giusta = scatolaGiusta();
            if (f.scansione().Posizione() != giusta) {
                if (!sbagliato) {
                    rilascia(Qt::Key_Return);
                    QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 1"));
                    QCOMPARE(f.scansione().Posizione(), 1 - giusta);
                    sbagliato = true;
                }
                rilascia(Qt::Key_Space);
            }
            QCOMPARE(f.scansione().Posizione(), giusta);
            const int prima = casette(giusta).size();
            rilascia(Qt::Key_Return);
            QCOMPARE(casette(giusta).size(), prima + 1);
        }
        QVERIFY(sbagliato);
        QCOMPARE(qMax(casette(0).size(), casette(1).size()), 10);
        QVERIFY(evidenziato(2) && !evidenziato(0) && !evidenziato(1));
        QVERIFY(f.Command1(0)->isEnabled() && f.Command1(1)->isEnabled());
        QVERIFY(!f.ShockwaveFlash1()->isVisible());
        rilascia(Qt::Key_Space);
        QCOMPARE(f.scansione().Posizione(), 2);

        rilascia(Qt::Key_Return);
        QCOMPARE(f.scansione().Posizione(), 0);
        QVERIFY(evidenziato(0) && !evidenziato(2));
        QVERIFY(casette(0).isEmpty() && casette(1).isEmpty());
        QVERIFY(f.ShockwaveFlash1()->isVisible());
    }

    // A level chosen in the menu while the scan rests on the next-item
    // button: the new item shows that button in its own colour and the scan
    // back on the left box.
    void livelloDalMenuARiposo()
    {
        FormEs5 &f = apri(IngressoTastiera);
        while (f.scansione().Posizione() != Esercizio5::Avanti) {
            f.scansione().vaiA(scatolaGiusta());
            rilascia(Qt::Key_Return);
        }
        QVERIFY(evidenziato(2));
        f.mnuLiv(3)->trigger();
        QVERIFY(!evidenziato(2) && evidenziato(0) && !evidenziato(1));
        QCOMPARE(f.scansione().Posizione(), 0);
        rilascia(Qt::Key_Right);
        QCOMPARE(f.scansione().Posizione(), 1);
    }

    // Automatic scanning: the ticks alternate between the box buttons; the
    // switch held stops the scan, released it chooses the lit box.
    void scansioneAutomatica()
    {
        FormEs5 &f = apri(IngressoScansioneAutomatica);
        QTimer *timer = f.findChild<QTimer *>(QStringLiteral("Timer1"));
        QCOMPARE(timer->interval(), 1000);
        QList<int> visti;
        for (int i = 0; i < 3; ++i) {
            f.scansione().Timer1_Timer();
            visti << f.scansione().Posizione();
        }
        QCOMPARE(visti, (QList<int>{1, 0, 1}));
        const int giusta = scatolaGiusta();
        if (f.scansione().Posizione() != giusta)
            f.scansione().Timer1_Timer();
        QWidget *sensore = ricevitore("PictureScansioneAutomatica");
        QTest::keyPress(sensore, Qt::Key_Space);
        QVERIFY(!timer->isActive());
        QCOMPARE(casette(giusta).size(), 0);
        QTest::keyRelease(sensore, Qt::Key_Space);
        QVERIFY(timer->isActive());
        QCOMPARE(casette(giusta).size(), 1);
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 1"));
    }

    // Keyboard: Right and Down go forward, Left and Up back, over the two box
    // buttons only while the item is open.
    void tastiera()
    {
        FormEs5 &f = apri(IngressoTastiera);
        const QList<std::pair<Qt::Key, int>> passi{
            {Qt::Key_Left, 1}, {Qt::Key_Up, 0}, {Qt::Key_Down, 1}, {Qt::Key_Right, 0}, {Qt::Key_Space, 0}};
        for (const auto &[tasto, dove] : passi) {
            rilascia(tasto);
            QCOMPARE(f.scansione().Posizione(), dove);
        }
    }

    // In the scanning modes a click on a box button changes nothing.
    void clicIgnoratiInScansione()
    {
        FormEs5 &f = apri(IngressoScansioneManuale);
        QTest::mouseClick(f.Command1(0), Qt::LeftButton);
        QTest::mouseClick(f.Command1(1), Qt::LeftButton);
        QCOMPARE(f.testoPannello(1), QStringLiteral("Esatti 0"));
        QCOMPARE(f.testoPannello(2), QStringLiteral("Errati 0"));
        QVERIFY(casette(0).isEmpty() && casette(1).isEmpty());
    }

    // The small houses sit inside their box's frame, at every screen size
    // the window is shown at.
    void casetteDentroLeScatole_data()
    {
        QTest::addColumn<QSize>("schermo");
        QTest::newRow("1024x768") << QSize(1024, 768);
        QTest::newRow("1920x1080") << QSize(1920, 1080);
        QTest::newRow("800x600") << QSize(800, 600);
    }

    void casetteDentroLeScatole()
    {
        QFETCH(QSize, schermo);
        FormEs5 &f = apri(IngressoMouse);
        f.resize(schermo);
        QTest::qWait(20);
        for (int s = 0; s < 2; ++s) {
            const QRect cornice = f.Line1(4 * s)->geometry().united(f.Line1(4 * s + 2)->geometry());
            const int spessore = f.Line1(4 * s)->spessore();
            const QRect dentro = cornice.adjusted(spessore, spessore, -spessore, -spessore);
            for (int i = 0; i < 10; ++i) {
                ShockwaveFlash *c = s == 0 ? f.ShockwaveFlash2(i) : f.ShockwaveFlash3(i);
                QVERIFY2(dentro.contains(c->geometry()), qPrintable(QStringLiteral("box %1 house %2").arg(s).arg(i)));
                if (i % 5)
                    QVERIFY(!c->geometry().intersects((s == 0 ? f.ShockwaveFlash2(i - 1) : f.ShockwaveFlash3(i - 1))->geometry()));
            }
        }
    }
};

QTEST_MAIN(TestFormEs5)
#include "tst_formes5.moc"
