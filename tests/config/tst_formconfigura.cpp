#include "ChiaviLingua.h"
#include "menu/AmbienteMenu.h"

#include "DialoghiFinti.h"
#include "framework/VoceScansioneFinta.h"

#include "config/CasellaColorata.h"
#include "config/FormConfigura.h"
#include "config/LogicaConfigura.h"
#include "core/Caratteri.h"
#include "core/ColoriVB.h"
#include "core/OpzioniAccesso.h"
#include "core/TestoFile.h"
#include "users/FileGiocatore.h"
#include "framework/ControlloScansione.h"
#include "framework/Personaggio.h"
#include "framework/Pulsante.h"
#include "framework/TastiTenuti.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ModuloColoriSuoni.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QDirIterator>
#include <QFile>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabBar>
#include <QTimer>

// The real configuration window, opened from the real menu and driven with
// clicks and keys on its controls.
class TestFormConfigura : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AmbienteMenu> m_ambiente;
    std::unique_ptr<DialoghiFinti> m_dialoghi;
    QPointer<FormConfigura> m_dlg;

    // Opens the window from the menu's "Configurazione", with the current settings.
    FormConfigura &apri()
    {
        FormMenu *menu = m_ambiente->apriMenu();
        menu->mnuConfigura()->trigger();
        m_dlg = AmbienteMenu::aperta<FormConfigura>();
        if (!m_dlg || !QTest::qWaitFor([this] { return m_dlg->attivata(); }))
            qFatal("the configuration window did not open");
        return *m_dlg;
    }

    // Leaves with "Esci"; the menu that comes back.
    FormMenu *esci()
    {
        m_dlg->mnuEsci()->trigger();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        FormMenu *menu = AmbienteMenu::aperta<FormMenu>();
        if (menu && !QTest::qWaitFor([menu] { return menu->attivata(); }))
            qWarning("the menu did not activate");
        return menu;
    }

    // A click where the control takes it: a push button anywhere, a check
    // box or an option on its indicator.
    static void clicca(QAbstractButton *b)
    {
        const bool indicatore = qobject_cast<QCheckBox *>(b) || qobject_cast<QRadioButton *>(b);
        QTest::mouseClick(b, Qt::LeftButton, {}, indicatore ? QPoint(8, b->height() / 2) : b->rect().center());
    }

    // Types a text key by key, accented and foreign letters included.
    static void digita(QWidget *w, const QString &testo)
    {
        for (const QChar c : testo) {
            QKeyEvent premuto(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &premuto);
            QKeyEvent rilasciato(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(c));
            QCoreApplication::sendEvent(w, &rilasciato);
        }
    }

    static AgenteFinto *personaggio() { return AgenteFinto::creati().isEmpty() ? nullptr : AgenteFinto::creati().last(); }

    static QByteArray leggiFile(const QString &percorso)
    {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    static OpzioniAccesso accessoSuDisco(const QString &utente)
    {
        return LeggiOpzioniAccesso(percorsoOpzioniAccesso(percorsoUtente(utente)));
    }

    // Starts the preview of the switch-access tab with its button, as a teacher does.
    static void avviaProva(FormConfigura &d)
    {
        clicca(d.CommandProvaScansione());
        QVERIFY(d.anteprima().attivo());
        // Only automatic scanning has a clock.
        QCOMPARE(d.anteprima().Timer1()->isActive(), d.anteprima().modo() == IngressoScansioneAutomatica);
        QVERIFY(d.PulsanteAnteprima(0)->evidenziato());
    }

    static QStringList fileCartella()
    {
        return QDir(Percorsi::cartellaPinnole()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }

    // A player with every file a player can have: settings (with their own
    // voice speed), switch access, a progress history with its log, and a
    // saved record.
    static void creaGiocatore(const QString &nome, int velocita)
    {
        Impostazioni imp;
        ImpostazioniPredefinite(imp, QStringLiteral("{it}"));
        imp.VelocitaVoce = qint16(velocita);
        const QString cartella = Percorsi::cartellaPinnole();
        QVERIFY(SalvaImpostazioni(cartella + nome + QStringLiteral(".ini"), imp));
        QVERIFY(QDir().mkpath(cartella + QStringLiteral("dati/") + nome));
        for (const QString &f : {nome + QStringLiteral(".accesso"), nome + QStringLiteral(".storia.sqlite"),
                                 nome + QStringLiteral(".storia.sqlite-wal"),
                                 QStringLiteral("dati/") + nome + QStringLiteral("/registro.txt")}) {
            QFile file(cartella + f);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(f.toUtf8());
        }
    }

    // Every file under the settings folder, records included, relative to it.
    static QStringList tuttiIFile()
    {
        QStringList file;
        const QDir radice(Percorsi::cartellaPinnole());
        QDirIterator it(radice.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext())
            file << radice.relativeFilePath(it.next());
        file.sort();
        return file;
    }

    // "Modifica utente", then the arrows to a player of the list (which
    // highlights without choosing), or a click on it (which chooses).
    static void evidenzia(FormConfigura &d, const QString &testo, bool scegli)
    {
        clicca(d.OptionUtente(1));
        const QList<QListWidgetItem *> voci = d.ListModificaUtente()->findItems(testo, Qt::MatchExactly);
        QCOMPARE(voci.size(), 1);
        QListWidget *l = d.ListModificaUtente();
        if (scegli) {
            QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, l->visualItemRect(voci.first()).center());
            return;
        }
        l->setFocus();
        for (int passi = 0; passi < l->count() && l->currentItem() != voci.first(); ++passi)
            QTest::keyClick(l, l->row(voci.first()) > l->currentRow() ? Qt::Key_Down : Qt::Key_Up);
        QCOMPARE(l->currentItem(), voci.first());
    }

private slots:
    void initTestCase()
    {
        QLocale::setDefault(QLocale(QStringLiteral("it_IT")));
        m_ambiente = std::make_unique<AmbienteMenu>();
    }
    void init()
    {
        m_ambiente->azzera();
        PreparaTavolozza(Stato().TavolozzaVB, Stato().TavolozzaHex);
        m_dialoghi = std::make_unique<DialoghiFinti>();
    }
    void cleanup()
    {
        m_ambiente->chiudiFinestre();
        m_dialoghi.reset();
    }
    void cleanupTestCase() { m_ambiente.reset(); }

    // "Configurazione" closes the menu and opens the window on the user tab,
    // with the current user shown; a click on a tab shows that tab's frame only.
    void apreSulTabGiocatori()
    {
        Stato().UtenteCorrente = QStringLiteral("_predefinito");
        FormConfigura &d = apri();
        QVERIFY(!AmbienteMenu::aperta<FormMenu>());
        QCOMPARE(d.TabStrip1()->count(), 7);
        QCOMPARE(d.TabStrip1()->tabText(5), QStringLiteral("Modalità di input"));
        QCOMPARE(d.TabStrip1()->tabText(6), QStringLiteral("Accesso con sensori"));
        QCOMPARE(d.TabStrip1()->currentIndex(), 0);
        QCOMPARE(d.Label4()->text(), QStringLiteral("_predefinito"));
        for (int i = 0; i < 7; ++i)
            QCOMPARE(d.frameScheda(i)->isVisible(), i == 0);
        QTest::mouseClick(d.TabStrip1(), Qt::LeftButton, {}, d.TabStrip1()->tabRect(3).center());
        for (int i = 0; i < 7; ++i)
            QCOMPARE(d.frameScheda(i)->isVisible(), i == 3);
        // Coming back to the window from a dialog is no new opening.
        QEvent attiva(QEvent::WindowActivate);
        QCoreApplication::sendEvent(&d, &attiva);
        QCoreApplication::processEvents();
        QCOMPARE(d.TabStrip1()->currentIndex(), 3);
    }

    // Every text of the window's section of both language files names a
    // control of the window, so no control keeps its Italian text.
    void testiDellaLingua()
    {
        FormConfigura &d = apri();
        const QString mancanti = chiaviSenzaControllo(&d);
        QVERIFY2(mancanti.isEmpty(), qPrintable(mancanti));
    }

    // In English the labels of the player and of the character are English.
    void etichetteInInglese()
    {
        FormMenu *menu = m_ambiente->apriMenu();
        LinguaCorrente() = QStringLiteral("English");
        menu->mnuConfigura()->trigger();
        LinguaCorrente() = QStringLiteral("Italiano");
        m_dlg = AmbienteMenu::aperta<FormConfigura>();
        QVERIFY(m_dlg);
        QCOMPARE(m_dlg->findChild<QLabel *>(QStringLiteral("LabelUtente"))->text(), QStringLiteral("Player:"));
        QCOMPARE(m_dlg->findChild<QLabel *>(QStringLiteral("LabelPersonaggio"))->text(), QStringLiteral("Character"));
    }

    // Opening changes no setting and says nothing, whatever the settings
    // hold: cursive with its saved font, the balloon on, values outside the
    // sliders' ranges, an input mode that does not exist.
    void aperturaNonCambiaNulla()
    {
        Impostazioni &imp = Stato().imp;
        imp.StileTesto = QStringLiteral("corsivo");
        imp.FontTesto = QStringLiteral("Indis1");
        imp.FontTestoSalvato = QStringLiteral("Verdana");
        imp.FumettoVisibile = true;
        imp.FumettoContieneTesto = true;
        imp.VelocitaVoce = 900;
        imp.TonoVoce = 10;
        imp.VelocitaScansione = 99;
        imp.ModoInput = 7;
        imp.ColoriVari = false;
        const Impostazioni prima = imp;
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaSuoniEVoce);
        QCOMPARE(Stato().imp, prima);
        QVERIFY(personaggio()->detti().isEmpty());
        for (int i = 0; i < 4; ++i)
            QVERIFY(!d.Option4(i)->isChecked());
        QVERIFY(d.corsivo()->isChecked());
        QVERIFY(d.CommandSceltaColori()->isEnabled());
        QVERIFY(d.OptionColoreCasualeFisso(1)->isChecked());
    }

    void velocitaScansione_data()
    {
        QTest::addColumn<int>("velocita");
        QTest::addColumn<QString>("testo");
        QTest::newRow("6") << 6 << "Velocità scansione: 1,50 secondi";
        QTest::newRow("60") << 60 << "Velocità scansione: 15,00 secondi";
    }
    // Automatic scanning shows the slider and its text; the other modes hide them.
    void velocitaScansione()
    {
        QFETCH(int, velocita);
        QFETCH(QString, testo);
        Stato().imp.ModoInput = IngressoScansioneAutomatica;
        Stato().imp.VelocitaScansione = qint16(velocita);
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaModalitaInput);
        QCOMPARE(d.Label7()->text(), testo);
        QCOMPARE(d.HScroll3()->value(), velocita);
        QVERIFY(d.HScroll3()->isVisible());
        QVERIFY(!d.CheckDisabilitaMousePersonalizzato()->isVisible());
        clicca(d.Option4(IngressoMouse));
        QCOMPARE(Stato().imp.ModoInput, qint16(IngressoMouse));
        QVERIFY(!d.HScroll3()->isVisible());
        QVERIFY(!d.Label7()->isVisible());
        QVERIFY(d.CheckDisabilitaMousePersonalizzato()->isVisible());
        clicca(d.Option4(IngressoTastiera));
        QVERIFY(!d.CheckDisabilitaMousePersonalizzato()->isVisible());
    }

    // One-switch scanning chosen in the window, at the slowest speed: the
    // menu that comes back steps every 15 seconds, and the choice is on disk.
    void modoInputPassaAlMenu()
    {
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaModalitaInput);
        clicca(d.Option4(IngressoScansioneAutomatica));
        QVERIFY(d.HScroll3()->isVisible());
        d.HScroll3()->setFocus();
        QTest::keyClick(d.HScroll3(), Qt::Key_End);
        QCOMPARE(Stato().imp.VelocitaScansione, qint16(60));
        QCOMPARE(d.Label7()->text(), QStringLiteral("Velocità scansione: 15,00 secondi"));
        FormMenu *menu = esci();
        QVERIFY(menu);
        QCOMPARE(menu->scansione().Timer1()->interval(), 15000);
        QVERIFY(menu->scansione().Timer1()->isActive());
        Impostazioni letto;
        QVERIFY(LeggiImpostazioni(Stato().PercorsoImpostazioni, &letto, QStringLiteral("{it}")));
        QCOMPARE(letto.ModoInput, qint16(IngressoScansioneAutomatica));
        QCOMPARE(letto.VelocitaScansione, qint16(60));
    }

    // Closing through the window frame does what "Esci" does.
    void chiusuraDallaCornice()
    {
        FormConfigura &d = apri();
        clicca(d.Check1());
        QVERIFY(Stato().imp.PassaggioLivelli);
        QFile::remove(Stato().PercorsoImpostazioni);
        d.close();
        QVERIFY(QTest::qWaitFor([] { return AmbienteMenu::aperta<FormMenu>() != nullptr; }));
        Impostazioni letto;
        QVERIFY(LeggiImpostazioni(Stato().PercorsoImpostazioni, &letto, QStringLiteral("{it}")));
        QVERIFY(letto.PassaggioLivelli);
    }

    // A palette click for the background slot paints only the preview's
    // background and asks nothing; with no slot chosen it does nothing.
    void tavolozzaSfondo()
    {
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaColoriPinnole);
        const TabellaColoriTipo prima = Stato().imp.TabellaColori;
        clicca(d.CasellaColorata_(40));
        QCOMPARE(Stato().imp.TabellaColori, prima);
        clicca(d.Option2(0));
        clicca(d.CasellaColorata_(40));
        QVERIFY(m_ambiente->messaggi->domande.isEmpty());
        TabellaColoriTipo atteso = prima;
        atteso[0][0] = Stato().TavolozzaHex[40];
        QCOMPARE(Stato().imp.TabellaColori, atteso);
        QCOMPARE(d.ShockwaveFlash1()->coloreSfondo(), coloreEsadecimale(Stato().TavolozzaHex[40]));
        QCOMPARE(d.ShockwaveFlash1()->coloreElemento(QStringLiteral("tetto.interno")),
                 std::optional<QColor>(coloreEsadecimale(prima[1][0])));
    }

    // A house colour asks its four words; a cancelled question leaves its
    // word empty; the slot's caption and the preview follow. Characters the
    // settings file cannot store are dropped from the words.
    void tavolozzaColoreCasa()
    {
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaColoriPinnole);
        m_ambiente->messaggi->risposte = {QStringLiteral("blu"), QStringLiteral("blu\u0100"), MessaggiFinti::kAnnulla,
                                          QStringLiteral("blu")};
        clicca(d.Option2(2));
        clicca(d.CasellaColorata_(200));
        QCOMPARE(m_ambiente->messaggi->domande.size(), 4);
        QCOMPARE(m_ambiente->messaggi->domande.at(0), MLSGetText(QStringLiteral("0042")));
        const auto &slot = Stato().imp.TabellaColori[2];
        QCOMPARE(slot[0], Stato().TavolozzaHex[200]);
        QCOMPARE(slot[1], QStringLiteral("blu"));
        QCOMPARE(slot[2], QStringLiteral("blu"));
        QCOMPARE(slot[3], QString());
        QCOMPARE(slot[4], QStringLiteral("blu"));
        QCOMPARE(d.Option2(2)->text(), QStringLiteral("blu - blu -  - blu"));
        // Slot 2 paints the chimney and the walls.
        QCOMPARE(d.ShockwaveFlash1()->coloreElemento(QStringLiteral("pareti.interno")),
                 std::optional<QColor>(coloreEsadecimale(Stato().TavolozzaHex[200])));
        QCOMPARE(d.ShockwaveFlash1()->coloreElemento(QStringLiteral("comignolo.interno")),
                 std::optional<QColor>(coloreEsadecimale(Stato().TavolozzaHex[200])));
    }

    // "Configurazione predefinita" puts back the five colours and words and
    // nothing else.
    void configurazionePredefinita()
    {
        Impostazioni &imp = Stato().imp;
        imp.TabellaColori[3][0] = QStringLiteral("123456");
        imp.TabellaColori[3][1] = QStringLiteral("strano");
        imp.TabellaColori[0][0] = QStringLiteral("000000");
        imp.VelocitaVoce = 200;
        imp.ColoreSfondo = 255;
        imp.StileTesto = QStringLiteral("maiuscolo");
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaColoriPinnole);
        Impostazioni atteso = imp;
        ColoriPredefiniti(atteso.TabellaColori);
        clicca(d.Command4());
        QCOMPARE(Stato().imp, atteso);
        QCOMPARE(d.ShockwaveFlash1()->coloreSfondo(), coloreEsadecimale(atteso.TabellaColori[0][0]));
        QCOMPARE(d.Option2(3)->text(), didascaliaSlot(atteso.TabellaColori[3]));
    }

    // The palette from the keyboard: arrows move between neighbouring cells
    // (across the empty positions), Enter chooses the cell once.
    void tavolozzaDaTastiera()
    {
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaColoriPinnole);
        clicca(d.Option2(0));
        d.CasellaColorata_(10)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right); // over columns 1..4 of row 1
        QCOMPARE(QApplication::focusWidget(), d.CasellaColorata_(11));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QCOMPARE(QApplication::focusWidget(), d.CasellaColorata_(23)); // (5, 2)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QCOMPARE(QApplication::focusWidget(), d.CasellaColorata_(5)); // (5, 0)
        // A held key chooses once, on the release.
        const QString sfondoPrima = Stato().imp.TabellaColori[0][0];
        QTest::keyPress(QApplication::focusWidget(), Qt::Key_Return);
        QKeyEvent ripetuto(QEvent::KeyRelease, Qt::Key_Return, Qt::NoModifier, QString(), true);
        QCoreApplication::sendEvent(QApplication::focusWidget(), &ripetuto);
        QCOMPARE(Stato().imp.TabellaColori[0][0], sfondoPrima);
        QTest::keyRelease(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(Stato().imp.TabellaColori[0][0], Stato().TavolozzaHex[5]);
        // Only the cell last visited is a Tab stop.
        int fermate = 0;
        for (int i = 0; i < 216; ++i)
            fermate += (d.CasellaColorata_(i)->focusPolicy() & Qt::TabFocus) ? 1 : 0;
        QCOMPARE(fermate, 1);
        QVERIFY(d.CasellaColorata_(5)->focusPolicy() & Qt::TabFocus);
    }

    // Without the voice the six voice controls are disabled; with the voice
    // and no balloon, only the balloon-holds-text box is.
    void voceDisattivata()
    {
        Stato().imp.VoceAttiva = true;
        Stato().imp.FumettoVisibile = false;
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaSuoniEVoce);
        const QList<QWidget *> sei = {d.CommandProvaVoce(), d.HScroll1(), d.HScroll2(), d.ChkFumetto(),
                                      d.CheckContieneTesto(), d.CommandFontFumetto()};
        for (QWidget *w : sei)
            QCOMPARE(w->isEnabled(), w != d.CheckContieneTesto());
        clicca(d.Check2());
        QVERIFY(!Stato().imp.VoceAttiva);
        for (QWidget *w : sei)
            QVERIFY2(!w->isEnabled(), qPrintable(w->objectName()));
        clicca(d.Check2());
        clicca(d.ChkFumetto());
        QVERIFY(Stato().imp.FumettoVisibile);
        QVERIFY(d.CheckContieneTesto()->isEnabled());
        QVERIFY(personaggio()->BalloonStyle() & Agente::FumettoVisibile);
        QCOMPARE(personaggio()->detti().last(), Stato().PrefissoVoce + MLSGetText(QStringLiteral("0048")));
    }

    // The voice test speaks the box's text through the window's own
    // character, with the speed and pitch of the sliders.
    void provaVoce()
    {
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaSuoniEVoce);
        QCOMPARE(d.Text1()->text(), MLSGetText(QStringLiteral("0056")));
        QVERIFY(personaggio()->Visible());
        d.HScroll1()->setValue(150);
        QCOMPARE(Stato().imp.VelocitaVoce, qint16(150));
        QCOMPARE(d.Label5()->text(), MLSGetText(QStringLiteral("0054")) + QStringLiteral("150"));
        d.Text1()->setText(QStringLiteral("Ciao bambini"));
        d.CommandProvaVoce()->setFocus();
        // The child's acceptance and debounce times never hold back the
        // teacher's keys in this window.
        Stato().accesso.accettazioneMs = 2000;
        Stato().accesso.antirimbalzoMs = 2000;
        const int detti = personaggio()->detti().size();
        QTest::keyClick(d.CommandProvaVoce(), Qt::Key_Return);
        QTest::keyClick(d.CommandProvaVoce(), Qt::Key_Return);
        QCOMPARE(personaggio()->detti().size(), detti + 2);
        QCOMPARE(personaggio()->detti().last(), QStringLiteral("\\Spd=150\\\\Pit=100\\Ciao bambini"));
        // Another tab hides the character.
        d.mostraScheda(FormConfigura::SchedaGiocatori);
        QVERIFY(!personaggio()->Visible());
    }

    // A character chosen in the list replaces the window's own at once, with
    // the balloon style, balloon font and voice of the settings.
    void sceltaPersonaggio()
    {
        Impostazioni &imp = Stato().imp;
        imp.FumettoVisibile = true;
        imp.FumettoContieneTesto = false;
        imp.FontFumetto = QStringLiteral("DejaVu Serif");
        imp.DimensioneFontFumetto = 20;
        imp.ModoVoceTTS = QStringLiteral("{en}");
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaSuoniEVoce);
        QCOMPARE(d.List2()->count(), ElencoPersonaggi().size());
        QCOMPARE(d.List2()->currentItem()->text(), QStringLiteral("Merlin"));
        const QList<QListWidgetItem *> gufo = d.List2()->findItems(QStringLiteral("Gufo"), Qt::MatchExactly);
        QCOMPARE(gufo.size(), 1);
        QTest::mouseClick(d.List2()->viewport(), Qt::LeftButton, {},
                          d.List2()->visualItemRect(gufo.first()).center());
        AgenteFinto *nuovo = personaggio();
        QCOMPARE(AgenteFinto::creati().size(), 1); // the first one released
        QCOMPARE(nuovo->registro.value(0), QStringLiteral("Load:Gufo"));
        QCOMPARE(imp.NomePersonaggio, QStringLiteral("Gufo"));
        QCOMPARE(nuovo->Name(), QStringLiteral("Gufo"));
        QVERIFY(nuovo->BalloonStyle() & Agente::FumettoVisibile);
        QVERIFY(!(nuovo->BalloonStyle() & Agente::FumettoContieneTesto));
        QCOMPARE(nuovo->BalloonFontName(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(nuovo->BalloonFontSize(), 20);
        QCOMPARE(nuovo->TTSModeID(), QStringLiteral("{en}"));
        QVERIFY(nuovo->Visible());
    }

    void fontTesto_data()
    {
        QTest::addColumn<QString>("stile");
        QTest::addColumn<QString>("fontTesto");
        QTest::addColumn<bool>("avviso");
        QTest::newRow("minuscolo") << "minuscolo" << "DejaVu Serif" << false;
        QTest::newRow("corsivo") << "corsivo" << "Indis1" << true;
    }
    // The chosen font becomes the text font (the saved one with cursive,
    // with a notice); a cancelled or failed dialog changes nothing.
    void fontTesto()
    {
        QFETCH(QString, stile);
        QFETCH(QString, fontTesto);
        QFETCH(bool, avviso);
        Impostazioni &imp = Stato().imp;
        imp.StileTesto = stile;
        imp.FontTesto = stile == QLatin1String("corsivo") ? QStringLiteral("Indis1") : QStringLiteral("Arial");
        imp.FontTestoSalvato = QStringLiteral("Arial");
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaFontEColori);
        const Impostazioni prima = imp;
        m_dialoghi->fonts << std::pair {EsitoDialogo::Annullato, QFont()}
                          << std::pair {EsitoDialogo::Fallito, QFont()}
                          << DialoghiFinti::fontScelto(QStringLiteral("DejaVu Serif"), 30);
        clicca(d.CommandSceltaFont());
        QCOMPARE(imp, prima);
        QVERIFY(m_ambiente->messaggi->mostrati.isEmpty());
        clicca(d.CommandSceltaFont());
        QCOMPARE(imp, prima);
        QCOMPARE(m_ambiente->messaggi->mostrati, QStringList {MLSGetText(QStringLiteral("0053"))});
        QCOMPARE(m_ambiente->messaggi->icone.last(), IconaMessaggio::Critico);
        clicca(d.CommandSceltaFont());
        QCOMPARE(imp.FontTesto, fontTesto);
        QCOMPARE(imp.FontTestoSalvato, QStringLiteral("DejaVu Serif"));
        QCOMPARE(imp.DimensioneFontTesto, qint16(30));
        QCOMPARE(m_ambiente->messaggi->mostrati.size(), avviso ? 2 : 1);
        if (avviso) {
            QCOMPARE(m_ambiente->messaggi->mostrati.last(),
                     MLSGetText(QStringLiteral("0051")) + QLatin1Char('\n') + MLSGetText(QStringLiteral("0052")));
            QCOMPARE(m_ambiente->messaggi->icone.last(), IconaMessaggio::Informazione);
        }
        QCOMPARE(d.LabelFontSelezionato(1)->font(), ::fontTesto(imp.FontTesto, 30));
    }

    // "corsivo" keeps the print font for the other cases, also when it is
    // clicked a second time.
    void corsivoEIndietro()
    {
        Impostazioni &imp = Stato().imp;
        imp.StileTesto = QStringLiteral("minuscolo");
        imp.FontTesto = QStringLiteral("Verdana");
        imp.FontTestoSalvato = QStringLiteral("Verdana");
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaFontEColori);
        clicca(d.corsivo());
        QCOMPARE(imp.FontTesto, QStringLiteral("Indis1"));
        clicca(d.corsivo());
        QCOMPARE(imp.FontTestoSalvato, QStringLiteral("Verdana"));
        clicca(d.maiuscolo());
        QCOMPARE(imp.StileTesto, QStringLiteral("maiuscolo"));
        QCOMPARE(imp.FontTesto, QStringLiteral("Verdana"));
        QCOMPARE(d.LabelFontSelezionato(0)->text(), d.LabelFontSelezionato(0)->text().toUpper());
    }

    // The balloon font: a cancelled dialog keeps the setting; a chosen one
    // goes to the settings, the label and the character at once.
    void fontFumetto()
    {
        Stato().imp.FontFumetto = QStringLiteral("Arial");
        Stato().imp.DimensioneFontFumetto = 14;
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaSuoniEVoce);
        QCOMPARE(d.Label3()->text(), QStringLiteral("Arial 14"));
        m_dialoghi->fonts << std::pair {EsitoDialogo::Annullato, QFont()}
                          << DialoghiFinti::fontScelto(QStringLiteral("Ωmega Sans"), 18)
                          << DialoghiFinti::fontScelto(QStringLiteral("DejaVu Sans"), 18);
        clicca(d.CommandFontFumetto());
        QCOMPARE(Stato().imp.FontFumetto, QStringLiteral("Arial"));
        QCOMPARE(d.Label3()->text(), QStringLiteral("Arial 14"));
        QVERIFY(m_ambiente->messaggi->mostrati.isEmpty());
        // A name the settings file cannot store is refused with the message.
        clicca(d.CommandFontFumetto());
        QCOMPARE(Stato().imp.FontFumetto, QStringLiteral("Arial"));
        QCOMPARE(m_ambiente->messaggi->mostrati, QStringList {MLSGetText(QStringLiteral("0050"))});
        QCOMPARE(d.Label3()->font().family(), QStringLiteral("Arial"));
        clicca(d.CommandFontFumetto());
        QCOMPARE(Stato().imp.FontFumetto, QStringLiteral("DejaVu Sans"));
        QCOMPARE(Stato().imp.DimensioneFontFumetto, qint16(18));
        QCOMPARE(d.Label3()->text(), QStringLiteral("DejaVu Sans 18"));
        QCOMPARE(personaggio()->BalloonFontName(), QStringLiteral("DejaVu Sans"));
        QCOMPARE(personaggio()->BalloonFontSize(), 18);
    }

    void colori_data()
    {
        QTest::addColumn<QString>("pulsante");
        QTest::addColumn<int>("campo");
        QTest::newRow("colore font") << "CommandSceltaColoreFont" << 0;
        QTest::newRow("sfondo testo") << "CommandSceltaSfondoTesto" << 1;
        QTest::newRow("pulsanti") << "CommandSceltaColoreBottoni" << 2;
        QTest::newRow("pulsanti selezionati") << "Command1" << 3;
        QTest::newRow("colori") << "CommandSceltaColori" << 4;
    }
    // Each colour button: a cancelled dialog changes nothing, a chosen
    // colour goes to its setting and shows at once.
    void colori()
    {
        QFETCH(QString, pulsante);
        QFETCH(int, campo);
        Stato().imp.ColoriVari = false;
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaFontEColori);
        auto *b = d.findChild<QPushButton *>(pulsante);
        QVERIFY(b && b->isEnabled());
        const Impostazioni prima = Stato().imp;
        m_dialoghi->colori << std::nullopt << QColor(0x12, 0x34, 0x56);
        clicca(b);
        QCOMPARE(Stato().imp, prima);
        clicca(b);
        QCOMPARE(m_dialoghi->richiesteColore, 2);
        QCOMPARE(m_dialoghi->proprietari.last(), &d);
        const double atteso = valoreVB(QColor(0x12, 0x34, 0x56));
        Impostazioni &imp = Stato().imp;
        double *campi[] = {&imp.ColoreTesto, &imp.ColoreSfondoTesto, &imp.ColorePulsanti,
                           &imp.ColorePulsanteSelezionato, &imp.ColoreSfondo};
        QCOMPARE(*campi[campo], atteso);
        Impostazioni resto = imp;
        double *campiResto[] = {&resto.ColoreTesto, &resto.ColoreSfondoTesto, &resto.ColorePulsanti,
                                &resto.ColorePulsanteSelezionato, &resto.ColoreSfondo};
        const double *campiPrima[] = {&prima.ColoreTesto, &prima.ColoreSfondoTesto, &prima.ColorePulsanti,
                                      &prima.ColorePulsanteSelezionato, &prima.ColoreSfondo};
        *campiResto[campo] = *campiPrima[campo];
        QCOMPARE(resto, prima);
        const QColor mostrato = QColor(0x12, 0x34, 0x56);
        switch (campo) {
        case 0:
            QCOMPARE(d.LabelFontSelezionato(1)->palette().color(QPalette::WindowText), mostrato);
            break;
        case 1:
            QCOMPARE(d.LabelFontSelezionato(1)->palette().color(QPalette::Window), mostrato);
            break;
        case 2:
            QCOMPARE(d.CommandSceltaColoreBottoni()->palette().color(QPalette::Button), mostrato);
            break;
        case 3:
            QCOMPARE(d.Command1()->palette().color(QPalette::Button), mostrato);
            break;
        case 4:
            QCOMPARE(d.frameScheda(FormConfigura::SchedaFontEColori)->palette().color(QPalette::Window), mostrato);
            break;
        }
    }

    // "Colori" is enabled exactly when "Colore fisso" is chosen.
    void coloreFissoOVari()
    {
        Stato().imp.ColoriVari = true;
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaFontEColori);
        QVERIFY(!d.CommandSceltaColori()->isEnabled());
        clicca(d.OptionColoreCasualeFisso(1));
        QVERIFY(!Stato().imp.ColoriVari);
        QVERIFY(d.CommandSceltaColori()->isEnabled());
        clicca(d.OptionColoreCasualeFisso(0));
        QVERIFY(Stato().imp.ColoriVari);
        QVERIFY(!d.CommandSceltaColori()->isEnabled());
    }

    // A new user typed and the window closed: the new user's file holds the
    // settings that were current, byte for byte as the settings are written,
    // and the user it started from keeps its own file untouched.
    void nuovoUtenteCreato()
    {
        Stato().imp.VelocitaVoce = 77;
        Stato().imp.TabellaColori[1][1] = QStringLiteral("rossò");
        FormConfigura &d = apri();
        const QByteArray predefinito = leggiFile(percorsoUtentePredefinito());
        QVERIFY(!predefinito.isEmpty());
        clicca(d.OptionUtente(2));
        QVERIFY(d.TextNuovoUtente()->isVisible());
        QCOMPARE(QApplication::focusWidget(), d.TextNuovoUtente());
        QTest::keyClicks(d.TextNuovoUtente(), QStringLiteral("Bea"));
        QCOMPARE(Stato().UtenteCorrente, QStringLiteral("Bea"));
        QCOMPARE(d.Label4()->text(), QStringLiteral("Bea"));
        QVERIFY(d.LabelNomeRifiutato()->text().isEmpty());
        const Impostazioni attese = Stato().imp;
        esci();
        QTemporaryDir altrove;
        const QString riferimento = altrove.filePath(QStringLiteral("r.ini"));
        QVERIFY(SalvaImpostazioni(riferimento, attese));
        QCOMPARE(leggiFile(Percorsi::cartellaPinnole() + QStringLiteral("Bea.ini")), leggiFile(riferimento));
        QCOMPARE(leggiFile(percorsoUtentePredefinito()), predefinito);
    }

    void nomiRifiutati_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::newRow("barra") << "../fuori";
        QTest::newRow("barra rovescia") << "a\\b";
        QTest::newRow("assoluto") << "/tmp/x";
        QTest::newRow("punto") << ".nascosto";
        QTest::newRow("punti") << "..";
        QTest::newRow("riservati") << "a<b>c";
        QTest::newRow("due punti") << "C:";
        QTest::newRow("spazio iniziale") << " Bea";
        QTest::newRow("spazio finale") << "Bea ";
        QTest::newRow("troppo lungo") << QString(65, QLatin1Char('x'));
        QTest::newRow("predefinito") << "_PREDEFINITO";
        QTest::newRow("esistente") << "anna";
        QTest::newRow("dispositivo") << "NUL";
        QTest::newRow("fuori da 1252") << "Ωmega";
    }
    // A name that cannot be a new user's is refused as it is typed: the user
    // stays, a message under the box says why, and closing the window leaves
    // the folder's files as they were.
    void nomiRifiutati()
    {
        QFETCH(QString, nome);
        ImpostazioniPredefinite(Stato().imp, QStringLiteral("{it}"));
        Impostazioni anna;
        ImpostazioniPredefinite(anna, QStringLiteral("{it}"));
        anna.VelocitaVoce = 61;
        QVERIFY(SalvaImpostazioni(Percorsi::cartellaPinnole() + QStringLiteral("Anna.ini"), anna));
        FormConfigura &d = apri();
        const QStringList primaFile = fileCartella();
        const QByteArray annaPrima = leggiFile(Percorsi::cartellaPinnole() + QStringLiteral("Anna.ini"));
        clicca(d.OptionUtente(2));
        digita(d.TextNuovoUtente(), nome);
        QCOMPARE(d.TextNuovoUtente()->text(), nome);
        QCOMPARE(Stato().UtenteCorrente, QStringLiteral("_predefinito"));
        QCOMPARE(d.Label4()->text(), QStringLiteral("_predefinito"));
        QVERIFY(!d.LabelNomeRifiutato()->text().isEmpty());
        QVERIFY(d.LabelNomeRifiutato()->isVisible());
        if (nome == QLatin1String("Ωmega"))
            QVERIFY(d.LabelNomeRifiutato()->text().contains(QLatin1String("«Ω»")));
        esci();
        QCOMPARE(fileCartella(), primaFile);
        QCOMPARE(leggiFile(Percorsi::cartellaPinnole() + QStringLiteral("Anna.ini")), annaPrima);
        QVERIFY(QDir(QDir::tempPath()).entryList({QStringLiteral("x.ini")}).isEmpty());
    }

    // "Modifica utente" lists the named users in capitals, in alphabetical
    // order ignoring case, never the default user; choosing one reads its
    // settings and refills the window, and the activity table, which was
    // the other user's, is emptied.
    void modificaUtente()
    {
        for (const char *nome : {"zeno", "Anna", "bruno"}) {
            Impostazioni imp;
            ImpostazioniPredefinite(imp, QStringLiteral("{it}"));
            imp.VelocitaVoce = qint16(60 + int(qstrlen(nome)));
            imp.PassaggioLivelli = QByteArray(nome) == "bruno";
            QVERIFY(SalvaImpostazioni(Percorsi::cartellaPinnole() + QLatin1String(nome) + QStringLiteral(".ini"), imp));
        }
        Stato().NumeroRighe = 1;
        Stato().RegistroAttivita[0][0] = QStringLiteral("Vero o falso");
        FormConfigura &d = apri();
        clicca(d.OptionUtente(1));
        QVERIFY(d.ListModificaUtente()->isVisible());
        QStringList voci;
        for (int i = 0; i < d.ListModificaUtente()->count(); ++i)
            voci << d.ListModificaUtente()->item(i)->text();
        QCOMPARE(voci, (QStringList {QStringLiteral("ANNA"), QStringLiteral("BRUNO"), QStringLiteral("ZENO")}));
        // Reaching the list and browsing it chooses nobody; Enter chooses.
        d.ListModificaUtente()->setFocus();
        QTest::keyClick(d.ListModificaUtente(), Qt::Key_Down);
        QCOMPARE(Stato().UtenteCorrente, QStringLiteral("_predefinito"));
        d.ListModificaUtente()->setCurrentRow(0);
        QTest::keyClick(d.ListModificaUtente(), Qt::Key_Down);
        QTest::keyClick(d.ListModificaUtente(), Qt::Key_Return);
        QCOMPARE(Stato().UtenteCorrente, QStringLiteral("bruno"));
        QCOMPARE(d.Label4()->text(), QStringLiteral("bruno"));
        QCOMPARE(Stato().imp.VelocitaVoce, qint16(65));
        QVERIFY(d.Check1()->isChecked());
        QCOMPARE(Stato().NumeroRighe, qint16(0));
        QVERIFY(Stato().RegistroAttivita[0][0].isEmpty());
        // Back to the default user: its own settings are read, and bruno's
        // are not written over them.
        clicca(d.OptionUtente(0));
        QCOMPARE(Stato().UtenteCorrente, QStringLiteral("_predefinito"));
        QCOMPARE(Stato().imp.VelocitaVoce, qint16(130));
        QVERIFY(!d.Check1()->isChecked());
        Impostazioni predefinito;
        QVERIFY(LeggiImpostazioni(percorsoUtentePredefinito(), &predefinito, QStringLiteral("{it}")));
        QCOMPARE(predefinito.VelocitaVoce, qint16(130));
    }

    // The name box and the list show only with their option, so typing
    // without choosing "Nuovo utente" makes no player, now or on leaving.
    void nessunGiocatoreSenzaOpzione()
    {
        creaGiocatore(QStringLiteral("Anna"), 61);
        FormConfigura &d = apri();
        for (QWidget *w : std::initializer_list<QWidget *> {d.TextNuovoUtente(), d.ListModificaUtente(),
                                                            d.CommandRinominaGiocatore(), d.CommandEliminaGiocatore()})
            QVERIFY2(!w->isVisible(), qPrintable(w->objectName()));
        const QStringList prima = tuttiIFile();
        digita(d.TextNuovoUtente(), QStringLiteral("Bea"));
        QCOMPARE(Stato().UtenteCorrente, QStringLiteral("_predefinito"));
        clicca(d.OptionUtente(1));
        QVERIFY(d.ListModificaUtente()->isVisible());
        QVERIFY(d.CommandRinominaGiocatore()->isVisible());
        QVERIFY(!d.TextNuovoUtente()->isVisible());
        digita(d.TextNuovoUtente(), QStringLiteral("Carla"));
        clicca(d.OptionUtente(0));
        QVERIFY(!d.ListModificaUtente()->isVisible());
        QVERIFY(!d.CommandEliminaGiocatore()->isVisible());
        digita(d.TextNuovoUtente(), QStringLiteral("Dario"));
        QCOMPARE(Stato().UtenteCorrente, QStringLiteral("_predefinito"));
        esci();
        QStringList dopo = tuttiIFile();
        dopo.removeAll(QStringLiteral("_predefinito.INI"));
        QStringList attesi = prima;
        attesi.removeAll(QStringLiteral("_predefinito.INI"));
        QCOMPARE(dopo, attesi);
    }

    // Renaming carries every file of the player, records folder and
    // history included. The current player keeps being current under the
    // new name, with the activity table; another player leaves the current
    // one alone.
    void rinominaGiocatore_data()
    {
        QTest::addColumn<bool>("corrente");
        QTest::newRow("giocatore corrente") << true;
        QTest::newRow("altro giocatore") << false;
    }
    void rinominaGiocatore()
    {
        QFETCH(bool, corrente);
        creaGiocatore(QStringLiteral("Anna"), 61);
        creaGiocatore(QStringLiteral("Bruno"), 62);
        FormConfigura &d = apri();
        evidenzia(d, QString::fromLatin1(corrente ? "ANNA" : "BRUNO"), true);
        Stato().NumeroRighe = 1;
        Stato().RegistroAttivita[0][0] = QStringLiteral("Vero o falso");
        evidenzia(d, QStringLiteral("ANNA"), false);
        Stato().imp.VelocitaVoce = 99; // not saved yet
        m_ambiente->messaggi->risposte << QStringLiteral("Annalisa");
        clicca(d.CommandRinominaGiocatore());
        QCOMPARE(m_ambiente->messaggi->domande.size(), 1);
        QVERIFY(m_ambiente->messaggi->domande.first().contains(QLatin1String("Anna")));
        QVERIFY(m_ambiente->messaggi->mostrati.isEmpty());
        const QStringList file = tuttiIFile();
        for (const char *f : {"Annalisa.ini", "Annalisa.accesso", "Annalisa.storia.sqlite", "Annalisa.storia.sqlite-wal",
                              "dati/Annalisa/registro.txt"})
            QVERIFY2(file.contains(QLatin1String(f)), f);
        QVERIFY2(file.filter(QStringLiteral("Anna.")).isEmpty() && file.filter(QStringLiteral("/Anna/")).isEmpty(),
                 qPrintable(file.join(QLatin1Char(' '))));
        QVERIFY(!d.ListModificaUtente()->findItems(QStringLiteral("ANNALISA"), Qt::MatchExactly).isEmpty());
        QCOMPARE(Stato().UtenteCorrente, QString::fromLatin1(corrente ? "Annalisa" : "Bruno"));
        QCOMPARE(d.Label4()->text(), Stato().UtenteCorrente);
        QCOMPARE(Stato().NumeroRighe, qint16(1));
        esci();
        Impostazioni letta;
        QVERIFY(LeggiImpostazioni(percorsoUtente(QStringLiteral("Annalisa")), &letta, QStringLiteral("{it}")));
        // The current player's unsaved change went with the file it was saved to.
        QCOMPARE(letta.VelocitaVoce, qint16(corrente ? 99 : 61));
        QVERIFY(!QFile::exists(Percorsi::cartellaPinnole() + QStringLiteral("Anna.ini")));
    }

    // A rename that cannot be made says why and changes nothing: a name
    // another player has (in any case), a character the settings cannot
    // store (named), a step that fails midway.
    void rinominaRifiutata_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<int>("passoGuasto"); // -1: none
        QTest::addColumn<QString>("nelMessaggio");
        QTest::newRow("nome di un altro") << QStringLiteral("bruno") << -1 << QStringLiteral("bruno");
        QTest::newRow("nome non salvabile") << QStringLiteral("Ωmega") << -1 << QStringLiteral("«Ω»");
        QTest::newRow("guasto a metà") << QStringLiteral("Annalisa") << 2 << QStringLiteral("Anna");
    }
    void rinominaRifiutata()
    {
        QFETCH(QString, nome);
        QFETCH(int, passoGuasto);
        QFETCH(QString, nelMessaggio);
        creaGiocatore(QStringLiteral("Anna"), 61);
        creaGiocatore(QStringLiteral("Bruno"), 62);
        FormConfigura &d = apri();
        evidenzia(d, QStringLiteral("ANNA"), true);
        const QStringList prima = tuttiIFile();
        int passi = 0;
        impostaGuastoFileGiocatore([&](const QString &, const QString &) { return passi++ == passoGuasto; });
        m_ambiente->messaggi->risposte << nome;
        clicca(d.CommandRinominaGiocatore());
        impostaGuastoFileGiocatore({});
        QCOMPARE(m_ambiente->messaggi->mostrati.size(), 1);
        QVERIFY2(m_ambiente->messaggi->mostrati.first().contains(nelMessaggio),
                 qPrintable(m_ambiente->messaggi->mostrati.first()));
        QCOMPARE(tuttiIFile(), prima);
        QCOMPARE(Stato().UtenteCorrente, QStringLiteral("Anna"));
        QCOMPARE(Stato().imp.VelocitaVoce, qint16(61));
        esci();
        QCOMPARE(tuttiIFile(), prima);
    }

    // Removing asks first, naming the player, then whether the history goes
    // too; the settings and access files go, the saved records stay and the
    // message says where. The current player removed, the default player
    // becomes current and nothing of the removed one is written again.
    void eliminaGiocatore_data()
    {
        QTest::addColumn<bool>("corrente");
        QTest::addColumn<bool>("storiaAnche");
        QTest::newRow("corrente, storia tenuta") << true << false;
        QTest::newRow("altro, storia eliminata") << false << true;
    }
    void eliminaGiocatore()
    {
        QFETCH(bool, corrente);
        QFETCH(bool, storiaAnche);
        creaGiocatore(QStringLiteral("Anna"), 61);
        creaGiocatore(QStringLiteral("Bruno"), 62);
        FormConfigura &d = apri();
        evidenzia(d, QString::fromLatin1(corrente ? "ANNA" : "BRUNO"), true);
        evidenzia(d, QStringLiteral("ANNA"), false);
        MessaggiFinti &m = *m_ambiente->messaggi;
        // "No" first: nothing happens.
        const QStringList prima = tuttiIFile();
        clicca(d.CommandEliminaGiocatore());
        QCOMPARE(m.domandeSiNo.size(), 1);
        QCOMPARE(tuttiIFile(), prima);
        m.domandeSiNo.clear();
        m.risposteSiNo << RispostaDomanda::Si << (storiaAnche ? RispostaDomanda::Si : RispostaDomanda::No);
        clicca(d.CommandEliminaGiocatore());
        QCOMPARE(m.domandeSiNo.size(), 2);
        for (const QString &domanda : m.domandeSiNo)
            QVERIFY(domanda.contains(QLatin1String("Anna")));
        QCOMPARE(m.domandeSiNo.at(1), MLSGetText(QStringLiteral("0408")).arg(QStringLiteral("Anna")));
        QStringList restano = prima;
        for (const char *f : {"Anna.ini", "Anna.accesso"})
            restano.removeAll(QLatin1String(f));
        if (storiaAnche) {
            for (const char *f : {"Anna.storia.sqlite", "Anna.storia.sqlite-wal"})
                restano.removeAll(QLatin1String(f));
        }
        QCOMPARE(tuttiIFile(), restano);
        QCOMPARE(m.mostrati.size(), 1);
        QVERIFY(m.mostrati.first().contains(QDir::toNativeSeparators(cartellaRegistriUtente(QStringLiteral("Anna")))));
        QVERIFY(d.ListModificaUtente()->findItems(QStringLiteral("ANNA"), Qt::MatchExactly).isEmpty());
        QCOMPARE(Stato().UtenteCorrente, QString::fromLatin1(corrente ? "_predefinito" : "Bruno"));
        QCOMPARE(d.Label4()->text(), Stato().UtenteCorrente);
        esci();
        QVERIFY(!QFile::exists(Percorsi::cartellaPinnole() + QStringLiteral("Anna.ini")));
        QVERIFY(!QFile::exists(Percorsi::cartellaPinnole() + QStringLiteral("Anna.accesso")));
    }

    // Without a history, removing asks one question only.
    void eliminaSenzaStoria()
    {
        creaGiocatore(QStringLiteral("Anna"), 61);
        QVERIFY(QFile::remove(Percorsi::cartellaPinnole() + QStringLiteral("Anna.storia.sqlite")));
        QVERIFY(QFile::remove(Percorsi::cartellaPinnole() + QStringLiteral("Anna.storia.sqlite-wal")));
        FormConfigura &d = apri();
        evidenzia(d, QStringLiteral("ANNA"), false);
        m_ambiente->messaggi->risposteSiNo << RispostaDomanda::Si << RispostaDomanda::Si;
        clicca(d.CommandEliminaGiocatore());
        QCOMPARE(m_ambiente->messaggi->domandeSiNo.size(), 1);
        QVERIFY(!QFile::exists(Percorsi::cartellaPinnole() + QStringLiteral("Anna.ini")));
    }

    // The tracking box switches the setting; the menu shows its item by it.
    void tracciaAttivita()
    {
        FormConfigura &d = apri();
        d.CheckSalvaUtente()->setFocus();
        QTest::keyClick(d.CheckSalvaUtente(), Qt::Key_Space);
        QVERIFY(Stato().imp.TracciaAttivita);
        FormMenu *menu = esci();
        QVERIFY(menu->mnuEserciziEseguiti()->isVisible());
    }

    // The switch-access tab shows the current user's options, and each
    // control, used from the keyboard, changes that option alone, for the
    // preview at once and in the user's file on leaving.
    void accessoMostraEModifica()
    {
        OpzioniAccesso &a = Stato().accesso;
        a = {};
        a.accettazioneMs = 250;
        a.antirimbalzoMs = 700;
        a.sostaPrimaPosizione = 3;
        a.limiteGiri = 1;
        a.scansioneParlata = true;
        a.spessoreEvidenziazione = 8;
        const Impostazioni impostazioni = Stato().imp;
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaAccessoSensori);
        QVERIFY(d.frameScheda(FormConfigura::SchedaAccessoSensori)->isVisible());
        QCOMPARE(d.SpinAccettazione()->text(), QStringLiteral("250 ms"));
        QCOMPARE(d.SpinAntirimbalzo()->value(), 700);
        QCOMPARE(d.ComboSosta()->currentText(), QStringLiteral("×3"));
        QCOMPARE(d.SpinLimiteGiri()->value(), 1);
        QVERIFY(d.CheckScansioneParlata()->isChecked());
        QCOMPARE(d.ComboSpessore()->currentText(), QStringLiteral("8 pixel"));
        QCOMPARE(d.anteprima().opzioni(), a);

        OpzioniAccesso atteso = a;
        d.SpinAccettazione()->setFocus();
        QTest::keyClick(d.SpinAccettazione(), Qt::Key_Up);
        atteso.accettazioneMs = 300;
        QCOMPARE(a, atteso);
        d.SpinAntirimbalzo()->setFocus();
        QTest::keyClick(d.SpinAntirimbalzo(), Qt::Key_PageUp);
        atteso.antirimbalzoMs = 1200;
        QCOMPARE(a, atteso);
        d.ComboSosta()->setFocus();
        QTest::keyClick(d.ComboSosta(), Qt::Key_Up);
        atteso.sostaPrimaPosizione = 2;
        QCOMPARE(a, atteso);
        d.SpinLimiteGiri()->setFocus();
        QTest::keyClick(d.SpinLimiteGiri(), Qt::Key_Down);
        atteso.limiteGiri = 0;
        QCOMPARE(a, atteso);
        QCOMPARE(d.SpinLimiteGiri()->text(), QStringLiteral("nessun limite"));
        clicca(d.CheckScansioneParlata());
        atteso.scansioneParlata = false;
        QCOMPARE(a, atteso);
        d.ComboSpessore()->setFocus();
        QTest::keyClick(d.ComboSpessore(), Qt::Key_Down);
        atteso.spessoreEvidenziazione = 12;
        QCOMPARE(a, atteso);
        QCOMPARE(d.anteprima().opzioni(), atteso);
        QCOMPARE(Stato().imp, impostazioni);
        esci();
        QCOMPARE(accessoSuDisco(QStringLiteral("_predefinito")), atteso);
    }

    // Switching user in the window shows the other user's options on the
    // tab; each user's changes go to that user's file only.
    void accessoPerUtente()
    {
        for (const char *nome : {"anna", "bruno"}) {
            Impostazioni imp;
            ImpostazioniPredefinite(imp, QStringLiteral("{it}"));
            QVERIFY(SalvaImpostazioni(percorsoUtente(QLatin1String(nome)), imp));
        }
        OpzioniAccesso anna;
        anna.accettazioneMs = 400;
        anna.spessoreEvidenziazione = 12;
        QVERIFY(SalvaOpzioniAccesso(percorsoOpzioniAccesso(percorsoUtente(QStringLiteral("anna"))), anna));
        FormConfigura &d = apri();
        auto scegli = [&d](const QString &nome) {
            d.mostraScheda(FormConfigura::SchedaGiocatori);
            clicca(d.OptionUtente(1));
            const QList<QListWidgetItem *> voce = d.ListModificaUtente()->findItems(nome, Qt::MatchFixedString);
            QCOMPARE(voce.size(), 1);
            QTest::mouseClick(d.ListModificaUtente()->viewport(), Qt::LeftButton, {},
                              d.ListModificaUtente()->visualItemRect(voce.first()).center());
            QCOMPARE(Stato().UtenteCorrente, nome);
            d.mostraScheda(FormConfigura::SchedaAccessoSensori);
        };
        scegli(QStringLiteral("anna"));
        QCOMPARE(d.SpinAccettazione()->value(), 400);
        QCOMPARE(d.ComboSpessore()->currentIndex(), 3);
        d.SpinAccettazione()->setFocus();
        QTest::keyClick(d.SpinAccettazione(), Qt::Key_Up);
        anna.accettazioneMs = 450;
        QCOMPARE(Stato().accesso, anna);

        scegli(QStringLiteral("bruno"));
        QCOMPARE(Stato().accesso, OpzioniAccesso());
        QCOMPARE(d.SpinAccettazione()->value(), 0);
        QCOMPARE(d.ComboSpessore()->currentIndex(), 0);
        QCOMPARE(d.anteprima().opzioni(), OpzioniAccesso());
        QCOMPARE(accessoSuDisco(QStringLiteral("anna")), anna);
        d.ComboSpessore()->setFocus();
        QTest::keyClick(d.ComboSpessore(), Qt::Key_Down);
        esci();
        OpzioniAccesso bruno;
        bruno.spessoreEvidenziazione = 4;
        QCOMPARE(accessoSuDisco(QStringLiteral("bruno")), bruno);
        QCOMPARE(accessoSuDisco(QStringLiteral("anna")), anna);
        QVERIFY(!QFile::exists(percorsoOpzioniAccesso(percorsoUtentePredefinito())));
    }

    void anteprimaScansione_data()
    {
        QTest::addColumn<int>("modoInput");
        QTest::addColumn<int>("modoProva");
        QTest::addColumn<int>("tasto");
        QTest::addColumn<int>("tenutaMs");
        QTest::addColumn<QString>("scelto");
        QTest::addColumn<int>("ignorate");
        const int automatica = IngressoScansioneAutomatica;
        QTest::newRow("tocco breve") << automatica << automatica << int(Qt::Key_Space) << 100 << "" << 1;
        QTest::newRow("pressione lunga") << automatica << automatica << int(Qt::Key_Space) << 450 << "Scelto: Uno" << 0;
        QTest::newRow("manuale, invio breve")
            << int(IngressoScansioneManuale) << int(IngressoScansioneManuale) << int(Qt::Key_Return) << 100 << "" << 1;
        QTest::newRow("manuale, invio lungo") << int(IngressoScansioneManuale) << int(IngressoScansioneManuale)
                                              << int(Qt::Key_Return) << 450 << "Scelto: Uno" << 0;
        QTest::newRow("mouse: prova automatica")
            << int(IngressoMouse) << automatica << int(Qt::Key_Space) << 450 << "Scelto: Uno" << 0;
        QTest::newRow("tastiera") << int(IngressoTastiera) << int(IngressoTastiera) << int(Qt::Key_Return) << 450
                                  << "Scelto: Uno" << 0;
    }
    // The preview scans in the input mode chosen (automatic scanning for the
    // mouse) with the options of the tab: with an acceptance time of 300 ms a
    // short tap of the switch chooses nothing and is counted as ignored; a
    // longer press chooses the highlighted button once.
    void anteprimaScansione()
    {
        QFETCH(int, modoInput);
        QFETCH(int, modoProva);
        QFETCH(int, tasto);
        QFETCH(int, tenutaMs);
        QFETCH(QString, scelto);
        QFETCH(int, ignorate);
        Stato().imp.ModoInput = qint16(modoInput);
        Stato().imp.VelocitaScansione = 60; // the highlight stays on "Uno"
        Stato().accesso = {};
        Stato().accesso.accettazioneMs = 300;
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaAccessoSensori);
        QCOMPARE(d.LabelModoAnteprima()->text(), testoModoAnteprima(modoInput));
        // Until it is started the preview takes no key.
        QVERIFY(!d.anteprima().attivo());
        QVERIFY(!d.anteprima().PictureScansioneAutomatica()->isVisible());
        QVERIFY(!d.anteprima().PictureScansioneManuale()->isVisible());
        avviaProva(d);
        QCOMPARE(d.anteprima().modo(), modoProva);
        QCOMPARE(d.CommandProvaScansione()->text(), QStringLiteral("Ferma la prova"));
        QWidget *ricevitore = QApplication::focusWidget();
        QVERIFY(ricevitore == d.anteprima().PictureScansioneAutomatica()
                || ricevitore == d.anteprima().PictureScansioneManuale());
        QTest::keyPress(ricevitore, Qt::Key(tasto));
        QTest::qWait(tenutaMs);
        QTest::keyRelease(ricevitore, Qt::Key(tasto));
        QTest::qWait(3 * TastiTenuti::attesaRipetizione);
        QCOMPARE(d.LabelSceltaAnteprima()->text(), scelto);
        QCOMPARE(d.anteprima().pressioniIgnorate(), ignorate);
        QCOMPARE(d.LabelIgnorateAnteprima()->text(), QStringLiteral("Pressioni ignorate: %1").arg(ignorate));
        QVERIFY(d.PulsanteAnteprima(0)->evidenziato());
    }

    // The preview's buttons take the colours of the settings, also when they
    // were just changed on another tab. A thickness chosen on the tab frames
    // the highlighted button of the running preview at once, with room for
    // the frame inside the preview.
    void anteprimaCornice()
    {
        Stato().imp.ModoInput = IngressoScansioneAutomatica;
        Stato().imp.VelocitaScansione = 60;
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaFontEColori);
        m_dialoghi->colori << QColor(0x12, 0x34, 0x56);
        clicca(d.CommandSceltaColoreBottoni());
        d.mostraScheda(FormConfigura::SchedaAccessoSensori);
        QCOMPARE(d.PulsanteAnteprima(0)->coloreSfondo(), QColor(0x12, 0x34, 0x56));
        avviaProva(d);
        QCOMPARE(d.PulsanteAnteprima(0)->coloreSfondo(), coloreVB(Stato().imp.ColorePulsanteSelezionato));
        QCOMPARE(d.PulsanteAnteprima(1)->coloreSfondo(), QColor(0x12, 0x34, 0x56));
        auto *cornice = d.AreaAnteprima()->findChild<QWidget *>(QStringLiteral("CorniceScansione"));
        QVERIFY(cornice);
        QVERIFY(!cornice->isVisible());
        d.ComboSpessore()->setCurrentIndex(3);
        QCOMPARE(Stato().accesso.spessoreEvidenziazione, 12);
        QVERIFY(d.anteprima().attivo());
        QVERIFY(cornice->isVisible());
        d.anteprima().vaiA(2);
        const QRect riquadro = d.anteprima().riquadroCornice();
        QCOMPARE(riquadro, QRect(d.PulsanteAnteprima(2)->mapTo(d.AreaAnteprima(), QPoint()),
                                 d.PulsanteAnteprima(2)->size()));
        QVERIFY(d.AreaAnteprima()->rect().contains(riquadro.adjusted(-12, -12, 12, 12)));
        d.ComboSpessore()->setCurrentIndex(0);
        QVERIFY(!cornice->isVisible());
    }

    // Spoken scanning, switched on in the tab, says the name of each button
    // of the preview as the highlight reaches it; switched off, nothing.
    void anteprimaParlata()
    {
        VoceScansioneFinta voce;
        Stato().imp.ModoInput = IngressoScansioneManuale;
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaAccessoSensori);
        avviaProva(d);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(d.anteprima().Posizione(), 1);
        QTest::qWait(100);
        QVERIFY(voce.nomi().isEmpty());
        clicca(d.CheckScansioneParlata());
        QVERIFY(Stato().accesso.scansioneParlata);
        avviaProva(d);
        QTRY_COMPARE(voce.nomi(), QStringList {QStringLiteral("Uno")});
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QTRY_COMPARE(voce.nomi(), (QStringList {QStringLiteral("Uno"), QStringLiteral("Due")}));
    }

    // The preview keeps the keys only while it runs: Esc and Tab stop it and
    // give the keys back, so do a click on another control, another tab and
    // closing the window.
    void anteprimaCedeITasti()
    {
        FormConfigura &d = apri();
        d.mostraScheda(FormConfigura::SchedaAccessoSensori);
        auto fermata = [&d] {
            return !d.anteprima().attivo() && !d.anteprima().Timer1()->isActive()
                   && !d.PulsanteAnteprima(0)->evidenziato() && !d.CommandProvaScansione()->isChecked()
                   && d.CommandProvaScansione()->text() == QLatin1String("Prova con il sensore");
        };
        QVERIFY(fermata());
        for (const Qt::Key tasto : {Qt::Key_Escape, Qt::Key_Tab}) {
            avviaProva(d);
            QTest::keyClick(QApplication::focusWidget(), tasto);
            QVERIFY(fermata());
            QCOMPARE(QApplication::focusWidget(), d.CommandProvaScansione());
        }
        // Space on the focused button starts it again, on the release.
        QTest::keyClick(d.CommandProvaScansione(), Qt::Key_Space);
        QVERIFY(d.anteprima().attivo());
        clicca(d.CommandProvaScansione());
        QVERIFY(fermata());
        avviaProva(d);
        QTest::mouseClick(d.SpinAntirimbalzo(), Qt::LeftButton);
        QVERIFY(fermata());
        QCOMPARE(QApplication::focusWidget(), d.SpinAntirimbalzo());
        avviaProva(d);
        d.mostraScheda(FormConfigura::SchedaModalitaInput);
        QVERIFY(fermata());
        d.mostraScheda(FormConfigura::SchedaAccessoSensori);
        avviaProva(d);
        const QPointer<QTimer> timer = d.anteprima().Timer1();
        d.close();
        QVERIFY(!timer || !timer->isActive());
    }

    // Every control a teacher can reach has a name for a screen reader, and
    // Tab reaches the controls of the tab shown.
    void nomiAccessibili()
    {
        FormConfigura &d = apri();
        for (int s = 0; s < d.TabStrip1()->count(); ++s) {
            d.mostraScheda(s);
            for (QWidget *w : d.frameScheda(s)->findChildren<QWidget *>()) {
                if (w->focusPolicy() == Qt::NoFocus && !qobject_cast<QLabel *>(w))
                    continue;
                if (w->objectName() == QLatin1String("LabelPerColore") || w->objectName().startsWith(QLatin1String("qt_")))
                    continue;
                if (w->parentWidget() && w->parentWidget()->inherits("QAbstractScrollArea"))
                    continue; // the viewport of a list
                QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
            }
        }
        d.mostraScheda(FormConfigura::SchedaModalitaInput);
        d.TabStrip1()->setFocus();
        QTest::keyClick(d.TabStrip1(), Qt::Key_Tab);
        QVERIFY(d.frameScheda(FormConfigura::SchedaModalitaInput)->isAncestorOf(QApplication::focusWidget()));
    }
};

QTEST_MAIN(TestFormConfigura)
#include "tst_formconfigura.moc"
