#include "AmbienteMenu.h"

#include "core/Avvio.h"
#include "core/Caratteri.h"
#include "core/ColoriVB.h"
#include "exercises/es1/FormEs1.h"
#include "menu/FormAvvio.h"
#include "menu/FormInfo.h"
#include "menu/Immagine.h"
#include "menu/LogicaMenu.h"
#include "menu/PulsanteMenu.h"
#include "menu/VistaDocumento.h"

#include <QAction>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

// The real main menu, driven as a child would drive it: clicks on its
// buttons and pictures, keys on its key catchers, ticks of its timer.
class TestFormMenu : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AmbienteMenu> m_ambiente;
    QPointer<FormMenu> m_menu;

    FormMenu &apri(int modo, int velocita = 4)
    {
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        Stato().imp.VelocitaScansione = static_cast<qint16>(velocita);
        m_menu = m_ambiente->apriMenu();
        return *m_menu;
    }

    QWidget *ricevitore(const char *nome) const { return m_menu->findChild<QWidget *>(QLatin1String(nome)); }

    void rilascia(Qt::Key tasto, int volte = 1)
    {
        for (int i = 0; i < volte; ++i)
            QTest::keyRelease(ricevitore("PictureScansioneManuale"), tasto);
    }

    // The buttons carrying the highlight.
    QList<int> marcati() const
    {
        const QColor marcato = coloreVB(Stato().imp.ColorePulsanteSelezionato);
        QList<int> indici;
        for (int i = 0; i < kPulsantiMenu; ++i) {
            if (m_menu->Command1(i)->coloreSfondo() == marcato)
                indici << i;
        }
        return indici;
    }

    // Selects "esci" the way the mode does.
    void selezionaEsci(int modo)
    {
        switch (modo) {
        case IngressoScansioneManuale:
            rilascia(Qt::Key_Space, 8);
            rilascia(Qt::Key_Return);
            break;
        case IngressoTastiera:
            rilascia(Qt::Key_Left);
            rilascia(Qt::Key_Return);
            break;
        case IngressoScansioneAutomatica: {
            for (int i = 0; i < 8; ++i)
                m_menu->scansione().Timer1_Timer();
            QWidget *r = ricevitore("PictureScansioneAutomatica");
            QTest::keyPress(r, Qt::Key_Space);
            QVERIFY(!m_menu->scansione().Timer1()->isActive()); // the held switch holds the highlight
            QTest::keyRelease(r, Qt::Key_Space);
            break;
        }
        default:
            QTest::mouseClick(m_menu->Command1(kPulsanteEsci), Qt::LeftButton);
            break;
        }
    }

private slots:
    void initTestCase() { m_ambiente = std::make_unique<AmbienteMenu>(); }
    void init() { m_ambiente->azzera(); }
    void cleanup() { m_ambiente->chiudiFinestre(); }
    void cleanupTestCase() { m_ambiente.reset(); }

    // Each mode opens with its first highlight: none with the mouse, button 0
    // with the keys (the forward key was released once from "esci"), none in
    // automatic scanning until the first tick, which lands on button 1.
    void primaEvidenziazione_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QList<int>>("primi");
        QTest::addColumn<QList<int>>("dopoUnTick");
        QTest::addColumn<QString>("ricevitore");
        QTest::addColumn<int>("intervallo");
        QTest::newRow("mouse") << int(IngressoMouse) << QList<int>{} << QList<int>{} << QString() << 0;
        QTest::newRow("manual scanning") << int(IngressoScansioneManuale) << QList<int>{0} << QList<int>{0}
                                         << QStringLiteral("PictureScansioneManuale") << 0;
        QTest::newRow("automatic scanning") << int(IngressoScansioneAutomatica) << QList<int>{} << QList<int>{1}
                                            << QStringLiteral("PictureScansioneAutomatica") << 1000;
        QTest::newRow("keyboard") << int(IngressoTastiera) << QList<int>{0} << QList<int>{0}
                                  << QStringLiteral("PictureScansioneManuale") << 0;
    }
    void primaEvidenziazione()
    {
        QFETCH(int, modo);
        QFETCH(QList<int>, primi);
        QFETCH(QList<int>, dopoUnTick);
        QFETCH(QString, ricevitore);
        QFETCH(int, intervallo);
        FormMenu &m = apri(modo);
        QCOMPARE(marcati(), primi);
        QTimer *timer = m.scansione().Timer1();
        // Only automatic scanning has a clock.
        QCOMPARE(timer->isActive(), intervallo > 0);
        if (intervallo > 0)
            QCOMPARE(timer->interval(), intervallo);
        if (ricevitore.isEmpty())
            return;
        QWidget *r = m.findChild<QWidget *>(ricevitore);
        QVERIFY(r->isVisible());
        QCOMPARE(r->palette().color(QPalette::Window), m.sfondo());
        QTRY_VERIFY(r->hasFocus());
        m.scansione().Timer1_Timer();
        QCOMPARE(marcati(), dopoUnTick);
    }

    // The menu's own step onto its first button acts whatever the child's
    // acceptance and debounce times; the child's strokes still pass them: a
    // tap shorter than the acceptance time moves nothing, a stroke held past
    // it moves one button on.
    void primaEvidenziazioneConTempoDiAccettazione_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("tasto");
        QTest::newRow("manual scanning") << int(IngressoScansioneManuale) << int(Qt::Key_Space);
        QTest::newRow("keyboard") << int(IngressoTastiera) << int(Qt::Key_Right);
    }
    void primaEvidenziazioneConTempoDiAccettazione()
    {
        QFETCH(int, modo);
        QFETCH(int, tasto);
        Stato().accesso.accettazioneMs = 250;
        Stato().accesso.antirimbalzoMs = 400;
        FormMenu &m = apri(modo);
        QCOMPARE(marcati(), QList<int>{0});
        QCOMPARE(m.scansione().pressioniIgnorate(), 0);
        QWidget *r = ricevitore("PictureScansioneManuale");
        QTest::keyPress(r, Qt::Key(tasto));
        QTest::qWait(60);
        QTest::keyRelease(r, Qt::Key(tasto));
        QCOMPARE(marcati(), QList<int>{0});
        QCOMPARE(m.scansione().pressioniIgnorate(), 1);
        QTest::keyPress(r, Qt::Key(tasto));
        QTest::qWait(400);
        QTest::keyRelease(r, Qt::Key(tasto));
        QCOMPARE(marcati(), QList<int>{1});
    }

    // Automatic scanning visits the buttons in order and wraps after "esci".
    void laScansioneAutomaticaGiraSuiNovePulsanti()
    {
        FormMenu &m = apri(IngressoScansioneAutomatica);
        QList<int> visitati;
        for (int i = 0; i < 10; ++i) {
            m.scansione().Timer1_Timer();
            QCOMPARE(marcati().size(), 1);
            visitati << marcati().first();
        }
        QCOMPARE(visitati, (QList<int>{1, 2, 3, 4, 5, 6, 7, 8, 0, 1}));
    }

    // Forward and back over the ring of nine, wrapping at both ends; keys
    // that do not belong to the mode move nothing.
    void passiAvantiEIndietro_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("volte");
        QTest::addColumn<int>("atteso");
        QTest::newRow("manual: space 8 times reaches esci") << int(IngressoScansioneManuale) << int(Qt::Key_Space) << 8 << 8;
        QTest::newRow("manual: space 9 times wraps to 0") << int(IngressoScansioneManuale) << int(Qt::Key_Space) << 9 << 0;
        QTest::newRow("manual: arrows do not move") << int(IngressoScansioneManuale) << int(Qt::Key_Right) << 2 << 0;
        QTest::newRow("keyboard: right") << int(IngressoTastiera) << int(Qt::Key_Right) << 3 << 3;
        QTest::newRow("keyboard: down") << int(IngressoTastiera) << int(Qt::Key_Down) << 2 << 2;
        QTest::newRow("keyboard: left on 0 goes to esci") << int(IngressoTastiera) << int(Qt::Key_Left) << 1 << 8;
        QTest::newRow("keyboard: up twice") << int(IngressoTastiera) << int(Qt::Key_Up) << 2 << 7;
        QTest::newRow("keyboard: space does not move") << int(IngressoTastiera) << int(Qt::Key_Space) << 2 << 0;
    }
    void passiAvantiEIndietro()
    {
        QFETCH(int, modo);
        QFETCH(int, tasto);
        QFETCH(int, volte);
        QFETCH(int, atteso);
        FormMenu &m = apri(modo);
        rilascia(static_cast<Qt::Key>(tasto), volte);
        QCOMPARE(marcati(), QList<int>{atteso});
        QCOMPARE(m.Posizione(), atteso);
        QCOMPARE(m_ambiente->fini, 0);
    }

    // Selecting "esci" writes the settings in memory to the user's file and
    // ends the program, in every mode.
    void esciSalvaETermina_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("mouse") << int(IngressoMouse);
        QTest::newRow("manual scanning") << int(IngressoScansioneManuale);
        QTest::newRow("automatic scanning") << int(IngressoScansioneAutomatica);
        QTest::newRow("keyboard") << int(IngressoTastiera);
    }
    void esciSalvaETermina()
    {
        QFETCH(int, modo);
        apri(modo);
        Stato().imp.VelocitaVoce = 77; // changed after the menu opened
        selezionaEsci(modo);
        QCOMPARE(m_ambiente->fini, 1);
        Impostazioni lette;
        QVERIFY(LeggiImpostazioni(percorsoUtentePredefinito(), &lette, QString()));
        QCOMPARE(lette.VelocitaVoce, qint16(77));
        QCOMPARE(lette.ModoInput, qint16(modo));
        QVERIFY(m_ambiente->messaggi->mostrati.isEmpty());
    }

    // A settings file that cannot be written is not passed off as saved:
    // the user is told, and the program still ends.
    void unSalvataggioFallitoVieneDetto()
    {
        apri(IngressoMouse);
        Stato().PercorsoImpostazioni = Percorsi::cartellaPinnole() + QStringLiteral("manca/_predefinito.INI");
        QTest::mouseClick(m_menu->Command1(kPulsanteEsci), Qt::LeftButton);
        QCOMPARE(m_ambiente->messaggi->mostrati.size(), 1);
        QVERIFY(m_ambiente->messaggi->mostrati.first().contains(QLatin1String("impostazioni")));
        QCOMPARE(m_ambiente->messaggi->titoli.first(), QStringLiteral("Pinnole"));
        QCOMPARE(m_ambiente->fini, 1);
    }

    // With the mouse, the button and its picture both start the exercise:
    // a row of the activity table gets its name even with recording off, the
    // exercise window opens and the menu closes; leaving the exercise brings
    // a fresh menu back.
    void ilMouseAvviaLEsercizio_data()
    {
        QTest::addColumn<bool>("immagine");
        QTest::newRow("button") << false;
        QTest::newRow("picture") << true;
    }
    void ilMouseAvviaLEsercizio()
    {
        QFETCH(bool, immagine);
        Stato().imp.TracciaAttivita = false;
        FormMenu &m = apri(IngressoMouse);
        QWidget *bersaglio = immagine ? static_cast<QWidget *>(m.Image1(0)) : m.Command1(0);
        QTest::mouseClick(bersaglio, Qt::LeftButton, {}, bersaglio->rect().center());
        QCOMPARE(Stato().NumeroRighe, qint16(1));
        QCOMPARE(Stato().RegistroAttivita[1][0], QStringLiteral("Vero o falso"));
        FormEs1 *es1 = AmbienteMenu::aperta<FormEs1>();
        QVERIFY(es1);
        QTRY_VERIFY(m_menu.isNull());

        QTRY_VERIFY(!es1->Label1()->text().isEmpty());
        es1->mnuEsci()->trigger();
        QTRY_VERIFY(AmbienteMenu::aperta<FormMenu>() && AmbienteMenu::aperta<FormMenu>()->attivata());
        QTRY_VERIFY(!AmbienteMenu::aperta<FormEs1>());
        QCOMPARE(m_ambiente->fini, 0);
    }

    // The whole road, in every mode: splash, menu, "Vero o falso", back to
    // a fresh menu, "esci" with the settings saved.
    void giroCompleto_data() { esciSalvaETermina_data(); }
    void giroCompleto()
    {
        QFETCH(int, modo);
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        SalvaImpostazioni(Stato().PercorsoImpostazioni, Stato().imp);
        auto *avvio = new FormAvvio;
        avvio->setAttribute(Qt::WA_DeleteOnClose);
        avvio->show();
        QTRY_VERIFY(avvio->attivata());
        QTest::keyPress(avvio->Command1(), Qt::Key_Space);
        QTest::keyRelease(avvio->Command1(), Qt::Key_Space);
        QTRY_VERIFY(AmbienteMenu::aperta<FormMenu>() && AmbienteMenu::aperta<FormMenu>()->attivata());
        m_menu = AmbienteMenu::aperta<FormMenu>();

        switch (modo) {
        case IngressoScansioneManuale:
        case IngressoTastiera:
            rilascia(Qt::Key_Return);
            break;
        case IngressoScansioneAutomatica:
            for (int i = 0; i < 9; ++i)
                m_menu->scansione().Timer1_Timer();
            QCOMPARE(marcati(), QList<int>{0});
            QTest::keyPress(ricevitore("PictureScansioneAutomatica"), Qt::Key_Space);
            QTest::keyRelease(ricevitore("PictureScansioneAutomatica"), Qt::Key_Space);
            break;
        default:
            QTest::mouseClick(m_menu->Command1(0), Qt::LeftButton);
            break;
        }
        FormEs1 *es1 = AmbienteMenu::aperta<FormEs1>();
        QVERIFY(es1);
        QTRY_VERIFY(m_menu.isNull());
        QTRY_VERIFY(!es1->Label1()->text().isEmpty());
        es1->mnuEsci()->trigger();
        QTRY_VERIFY(AmbienteMenu::aperta<FormMenu>() && AmbienteMenu::aperta<FormMenu>()->attivata());
        m_menu = AmbienteMenu::aperta<FormMenu>();
        QTRY_VERIFY(!AmbienteMenu::aperta<FormEs1>());

        Stato().imp.VelocitaVoce = 66;
        selezionaEsci(modo);
        QCOMPARE(m_ambiente->fini, 1);
        Impostazioni lette;
        QVERIFY(LeggiImpostazioni(percorsoUtentePredefinito(), &lette, QString()));
        QCOMPARE(lette.VelocitaVoce, qint16(66));
        QCOMPARE(Stato().NumeroRighe, qint16(2)); // the exercise's name, then its level segment
    }

    // The keys start the highlighted exercise too.
    void invioAvviaLEsercizioEvidenziato()
    {
        apri(IngressoTastiera);
        rilascia(Qt::Key_Return);
        QVERIFY(AmbienteMenu::aperta<FormEs1>());
        QCOMPARE(Stato().NumeroRighe, qint16(1));
        QTRY_VERIFY(m_menu.isNull());
    }

    // In the scanning and keyboard modes a click on a button or a picture
    // does nothing, and the pointer does not move the highlight.
    void clicIgnoratiFuoriDalModoMouse_data()
    {
        QTest::addColumn<int>("modo");
        QTest::newRow("manual scanning") << int(IngressoScansioneManuale);
        QTest::newRow("automatic scanning") << int(IngressoScansioneAutomatica);
        QTest::newRow("keyboard") << int(IngressoTastiera);
    }
    void clicIgnoratiFuoriDalModoMouse()
    {
        QFETCH(int, modo);
        FormMenu &m = apri(modo);
        const QList<int> prima = marcati();
        QTest::mouseMove(m.Command1(3));
        QTest::mouseClick(m.Command1(0), Qt::LeftButton);
        QTest::mouseClick(m.Image1(0), Qt::LeftButton, {}, m.Image1(0)->rect().center());
        QTest::mouseClick(m.Command1(kPulsanteEsci), Qt::LeftButton);
        QCOMPARE(marcati(), prima);
        QCOMPARE(Stato().NumeroRighe, qint16(0));
        QVERIFY(!AmbienteMenu::aperta<FormEs1>());
        QCOMPARE(m_ambiente->fini, 0);
        QVERIFY(m.isVisible());
    }

    // With the mouse, the button or picture under the pointer is marked,
    // and the background puts every button back.
    void ilPuntatoreMarcaIlPulsante()
    {
        FormMenu &m = apri(IngressoMouse);
        QTest::mouseMove(m.Command1(5));
        QCOMPARE(marcati(), QList<int>{5});
        QTest::mouseMove(m.Image1(2));
        QCOMPARE(marcati(), QList<int>{2});
        QTest::mouseMove(m.centralWidget(), QPoint(2, 2));
        QCOMPARE(marcati(), QList<int>{});
        QCOMPARE(m.Command1(2)->coloreSfondo(), m.sfondo());
    }

    void esercizieseguitiSegueTracciaAttivita_data()
    {
        QTest::addColumn<bool>("traccia");
        QTest::newRow("tracking on") << true;
        QTest::newRow("tracking off") << false;
    }
    void esercizieseguitiSegueTracciaAttivita()
    {
        QFETCH(bool, traccia);
        Stato().imp.TracciaAttivita = traccia;
        FormMenu &m = apri(IngressoMouse);
        QCOMPARE(m.mnuEserciziEseguiti()->isVisible(), traccia);
    }

    // The buttons take the first size from 14 up at which the measuring
    // text, in the face and weight they draw, is as wide as a button; the user list ten points less, at least 14.
    // A window too short for three lines of 14 points keeps 14 all the same.
    void dimensioneDelCarattere_data()
    {
        QTest::addColumn<int>("altezza"); // 0: the whole screen
        QTest::newRow("full screen") << 0;
        QTest::newRow("short window") << 300;
    }
    void dimensioneDelCarattere()
    {
        QFETCH(int, altezza);
        FormMenu &m = apri(IngressoMouse);
        if (altezza > 0) {
            m.showNormal();
            m.setGeometry(0, 0, 800, altezza);
            QTRY_VERIFY(m.Command1(0)->height() < 60);
            m.ImpostaUtente();
        }
        const int punti = m.Command1(0)->font().pointSize();
        QVERIFY(punti >= 14);
        const int larghezza = m.Command1(0)->width();
        const QString famiglia = Stato().imp.FontTesto;
        const auto larghezzaMisura = [&famiglia](int p) {
            return QFontMetrics(fontTesto(famiglia, p, QFont::Bold)).horizontalAdvance(testoMisuraFont());
        };
        QVERIFY(larghezzaMisura(punti) >= larghezza - 1);
        if (punti > 14)
            QVERIFY(larghezzaMisura(punti - 1) < larghezza + 1);
        for (int i = 1; i < kPulsantiMenu; ++i)
            QCOMPARE(m.Command1(i)->font().pointSize(), punti);
        QCOMPARE(m.Combo1()->font().pointSize(), qMax(14, punti - 10));
        QVERIFY(m.LabelDimensionaFont()->isHidden());
    }

    // The ink of a button's caption: the pixels that change when the
    // caption is drawn on the face.
    static QRect inchiostroDidascalia(PulsanteMenu *p, QRect *area)
    {
        const QImage conDidascalia = p->grab().toImage();
        const QColor colore = p->coloreDidascalia();
        p->setColoreDidascalia(Qt::transparent);
        const QImage senza = p->grab().toImage();
        p->setColoreDidascalia(colore);
        const qreal scala = conDidascalia.width() / qreal(p->width());
        const QRectF a = p->areaDidascalia();
        *area = QRectF(a.topLeft() * scala, a.size() * scala).toAlignedRect();
        QRect inchiostro;
        for (int y = 0; y < senza.height(); ++y) {
            for (int x = 0; x < senza.width(); ++x) {
                if (conDidascalia.pixel(x, y) != senza.pixel(x, y))
                    inchiostro |= QRect(x, y, 1, 1);
            }
        }
        return inchiostro;
    }

    // Captions are drawn in the face's own weights and as large as their
    // buttons allow, measured in the face that is drawn: the cursive school
    // face, which has no bold, is drawn regular (the engine's bold fills its
    // "a" into an "x"); every caption's letters lie inside its area, and one
    // point more would push some caption's letters out of it (unless the
    // size already stands at its measure). Checked on the drawn pixels.
    void didascalieGrandiQuantoIPulsanti_data()
    {
        QTest::addColumn<QString>("famiglia");
        QTest::addColumn<int>("peso");
        QTest::addColumn<QSize>("schermo");
        for (const QSize schermo : {QSize(1024, 768), QSize(1920, 1080)}) {
            const QByteArray dimensione = QByteArray::number(schermo.width());
            QTest::newRow("print face, bold, " + dimensione) << QStringLiteral("Arial") << int(QFont::Bold) << schermo;
            QTest::newRow("cursive, regular, " + dimensione)
                << QStringLiteral("Indis1") << int(QFont::Normal) << schermo;
        }
    }
    void didascalieGrandiQuantoIPulsanti()
    {
        QFETCH(QString, famiglia);
        QFETCH(int, peso);
        QFETCH(QSize, schermo);
        RegistraFontCorsivo();
        Stato().imp.FontTesto = famiglia;
        Stato().imp.StileTesto = famiglia == QLatin1String("Indis1") ? QStringLiteral("corsivo")
                                                                      : QStringLiteral("minuscolo");
        FormMenu &m = apri(IngressoMouse);
        m.showNormal();
        m.setGeometry(QRect(QPoint(0, 0), schermo));
        QTRY_COMPARE(m.size(), schermo);
        m.ImpostaUtente();
        const QFont carattere = m.Command1(0)->font();
        QCOMPARE(QFontInfo(carattere).family(), QFontInfo(QFont(famiglia)).family());
        QCOMPARE(QFontInfo(carattere).weight(), peso);

        // The size the measuring text gives in the drawn face, and the least
        // size, at which a caption may stay too big for its button.
        int punti = kMinimoFontPulsanti;
        while (punti < kMassimoFontPulsanti
               && QFontMetrics(fontTesto(famiglia, punti, QFont::Bold)).horizontalAdvance(testoMisuraFont())
                      < m.Command1(0)->width())
            ++punti;
        const qreal misurata = fontTesto(famiglia, punti).pointSizeF();
        const qreal minima = fontTesto(famiglia, kMinimoFontPulsanti).pointSizeF();
        QVERIFY(carattere.pointSizeF() <= misurata);

        bool fuoriConUnPuntoInPiu = false;
        for (int i = 0; i < kPulsantiMenu; ++i) {
            PulsanteMenu *p = m.Command1(i);
            QRect area;
            const QRect inchiostro = inchiostroDidascalia(p, &area);
            QVERIFY2(!inchiostro.isEmpty(), qPrintable(p->text()));
            if (carattere.pointSizeF() > minima)
                QVERIFY2(area.contains(inchiostro), qPrintable(p->text()));
            QFont grande = carattere;
            grande.setPointSizeF(carattere.pointSizeF() + 1);
            p->setFont(grande);
            if (!area.contains(inchiostroDidascalia(p, &area)))
                fuoriConUnPuntoInPiu = true;
            p->setFont(carattere);
        }
        if (carattere.pointSizeF() < misurata)
            QVERIFY(fuoriConUnPuntoInPiu);
    }

    // Captions as loading builds them, in the user's text case.
    void didascalieNelCasoDelTesto_data()
    {
        QTest::addColumn<QString>("stile");
        QTest::addColumn<QString>("zero");
        QTest::addColumn<QString>("due");
        QTest::newRow("lower case") << QStringLiteral("minuscolo") << QStringLiteral("\nvero o falso")
                                    << QStringLiteral("trova le\ndifferenze\n1°");
        QTest::newRow("capitals") << QStringLiteral("maiuscolo") << QStringLiteral("\nVERO O FALSO")
                                  << QStringLiteral("TROVA LE\nDIFFERENZE\n1°");
    }
    void didascalieNelCasoDelTesto()
    {
        QFETCH(QString, stile);
        QFETCH(QString, zero);
        QFETCH(QString, due);
        Stato().imp.StileTesto = stile;
        FormMenu &m = apri(IngressoMouse);
        QCOMPARE(m.Command1(0)->text(), zero);
        QCOMPARE(m.Command1(2)->text(), due);
        QCOMPARE(m.Command1(0)->coloreDidascalia(), coloreVB(Stato().imp.ColoreTesto));
    }

    // The teachers' notes cover the menu and go away with a click, the
    // close button, Escape, or the keys of the switches; meanwhile the
    // scanning waits and its highlight does not move.
    void leNoteSiChiudono_data()
    {
        QTest::addColumn<int>("modo");
        QTest::addColumn<QString>("come");
        QTest::newRow("mouse: click on the text") << int(IngressoMouse) << QStringLiteral("clic");
        QTest::newRow("mouse: close button") << int(IngressoMouse) << QStringLiteral("chiudi");
        QTest::newRow("keyboard: escape") << int(IngressoTastiera) << QStringLiteral("esc");
        QTest::newRow("keyboard: enter") << int(IngressoTastiera) << QStringLiteral("invio");
        QTest::newRow("manual scanning: space") << int(IngressoScansioneManuale) << QStringLiteral("spazio");
        QTest::newRow("automatic scanning: space") << int(IngressoScansioneAutomatica) << QStringLiteral("spazio");
    }
    void leNoteSiChiudono()
    {
        QFETCH(int, modo);
        QFETCH(QString, come);
        FormMenu &m = apri(modo);
        const QList<int> prima = marcati();
        m.mnuInfo()->trigger();
        VistaDocumento *v = m.vistaDocumento();
        QVERIFY(v->isVisible());
        QCOMPARE(v->geometry(), m.centralWidget()->rect());
        QVERIFY(v->testo()->toPlainText().contains(QLatin1String("Pinnole")));
        QVERIFY(!m.scansione().Timer1()->isActive());
        QTRY_VERIFY(v->testo()->hasFocus());

        if (come == QLatin1String("clic")) {
            QTest::mouseClick(v->testo()->viewport(), Qt::LeftButton);
        } else if (come == QLatin1String("chiudi")) {
            QTest::mouseClick(v->pulsanteChiudi(), Qt::LeftButton);
        } else {
            const Qt::Key tasto = come == QLatin1String("esc")     ? Qt::Key_Escape
                                  : come == QLatin1String("invio") ? Qt::Key_Return
                                                                    : Qt::Key_Space;
            QTest::keyPress(v->testo(), tasto);
            QVERIFY(v->isVisible()); // the key acts when released
            QTest::keyRelease(v->testo(), tasto);
        }
        QVERIFY(v->isHidden());
        QCOMPARE(marcati(), prima);
        QCOMPARE(m.scansione().Timer1()->isActive(), modo == IngressoScansioneAutomatica);
        if (modo != IngressoMouse)
            QTRY_VERIFY(m.scansione().PictureScansioneAutomatica()->hasFocus()
                        || m.scansione().PictureScansioneManuale()->hasFocus());
        QVERIFY(!AmbienteMenu::aperta<FormEs1>());
        QCOMPARE(m_ambiente->fini, 0);
    }

    // "documentazione" hands the user's guide to the desktop; the menu stays.
    void laDocumentazioneVaAlDesktop()
    {
        FormMenu &m = apri(IngressoMouse);
        m.mnuDocum()->trigger();
        QCOMPARE(m_ambiente->documenti->aperti.size(), 1);
        QVERIFY(m_ambiente->documenti->aperti.first().endsWith(QLatin1String("/pinnole.pdf")));
        QVERIFY(m.isVisible());
    }

    // Switching language translates the menu and composes its captions
    // again, once, in the user's text case; the choice is remembered.
    void laLinguaRicomponeLeDidascalie()
    {
        QTemporaryDir programma;
        const QString lingue = programma.filePath(QStringLiteral("lngpinnole"));
        QDir().mkpath(lingue);
        for (const QString &file : QDir(QStringLiteral(PINNOLE_PROGRAM_DIR "/lngpinnole")).entryList(QDir::Files))
            QFile::copy(QStringLiteral(PINNOLE_PROGRAM_DIR "/lngpinnole/") + file, lingue + QLatin1Char('/') + file);
        Percorsi::impostaCartellaProgramma(programma.path());
        Lingua::svuotaCache();
        FormMenu &m = apri(IngressoTastiera);
        QStringList voci;
        for (QAction *a : m.mnuLanguage())
            voci << a->text();
        QCOMPARE(voci, (QStringList{QStringLiteral("English"), QStringLiteral("Italiano")}));

        m.mnuLanguage().at(0)->trigger();
        QCOMPARE(m.Command1(0)->text(), QStringLiteral("\ntrue or false"));
        QCOMPARE(m.Command1(2)->text(), QStringLiteral("spot the\ndifferences\n1st"));
        QCOMPARE(m.mnuInfo()->text(), QStringLiteral("Teaching notes"));
        QCOMPARE(Lingua::linguaSalvata(), QStringLiteral("English"));
        QCOMPARE(marcati(), QList<int>{0}); // the highlight stays where it was
        // The status bar headings composed at start follow at once.
        QCOMPARE(Stato().IntestazioneEsatti, QStringLiteral("Right "));
        QCOMPARE(Stato().IntestazioneErrati, QStringLiteral("Wrong "));
        QCOMPARE(Stato().IntestazioneLivello, QStringLiteral("Level "));

        m.mnuLanguage().at(1)->trigger();
        QCOMPARE(m.Command1(0)->text(), QStringLiteral("\nvero o falso"));
        QCOMPARE(m.Command1(6)->text(), QStringLiteral("\ntrova gli\nintrusi"));
        QCOMPARE(m.Command1(3)->text(), QStringLiteral("trova le\ndifferenze\n2°"));
        QCOMPARE(Stato().IntestazioneEsatti, QStringLiteral("Esatti "));
        QCOMPARE(Stato().IntestazioneLivello, QStringLiteral("Livello "));
        Lingua::svuotaCache();
    }

    // "about" opens the about window in place of the menu.
    void aboutApreLeInformazioni()
    {
        FormMenu &m = apri(IngressoMouse);
        m.mnuAbout()->trigger();
        QVERIFY(AmbienteMenu::aperta<FormInfo>());
        QTRY_VERIFY(m_menu.isNull());
    }
};

QTEST_MAIN(TestFormMenu)
#include "tst_formmenu.moc"
