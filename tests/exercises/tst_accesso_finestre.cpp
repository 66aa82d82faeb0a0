#include "AmbienteEsercizio.h"
#include "framework/VoceScansioneFinta.h"
#include "exercises/es1/FormEs1.h"
#include "exercises/es2/FormEs2.h"
#include "exercises/es4/FormEs4.h"
#include "exercises/es5/FormEs5.h"
#include "exercises/es6/FormEs6.h"
#include "exercises/es7/FormEs7.h"
#include "exercises/uguali/FormEs3.h"
#include "exercises/uguali/FormEs8.h"
#include "framework/ControlloScansione.h"
#include "menu/Form1.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ElementiCasa.h"
#include "ChiaviLingua.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScopeGuard>
#include <QSet>
#include <QTest>
#include <QTextEdit>

#include <functional>
#include <memory>

// Every window that scans follows the user's spoken scanning and bold frame
// through the one scanning mechanism: at each step of a manual scan the
// frame lies around something of the window and a name is said.
class TestAccessoFinestre : public QObject
{
    Q_OBJECT

private:
    AmbienteEsercizio m_ambiente;

    template <typename F>
    static std::function<QWidget *()> crea()
    {
        return [] { return new F; };
    }

    // The window scanned by hand with spoken scanning, shown and settled.
    static std::unique_ptr<QWidget> apriConScansioneParlata(const std::function<QWidget *()> &finestra)
    {
        Stato().imp.ModoInput = IngressoScansioneManuale;
        Stato().imp.VelocitaScansione = 60;
        Stato().accesso.scansioneParlata = true;
        std::unique_ptr<QWidget> w(finestra());
        w->show();
        if (QTest::qWaitForWindowExposed(w.get()))
            QTest::qWait(50);
        return w;
    }

    // What a child or the exercise could tell apart in the window, beside
    // its picture: every control's text, colour, visibility and state, the
    // lit position and the frame, the colours given to the house pictures,
    // and the exercise's own state where it keeps one.
    static QString stato(QWidget *w, const ControlloScansione &scansione)
    {
        QStringList righe;
        if (const auto *f = dynamic_cast<const FormEs4 *>(w)) {
            const Esercizio4 &e = f->esercizio();
            QString parti;
            for (int p = 1; p <= Esercizio4::kParti; ++p)
                parti += QStringLiteral("%1:%2%3 ").arg(p).arg(e.ColoreDato(p)).arg(e.Ammesso(p, 0));
            righe << QStringLiteral("level %1 sentence %2 colour %3 done %4 parts %5")
                         .arg(e.livello()).arg(e.FraseCorrente()).arg(e.ColoreCorrente()).arg(e.Fatte()).arg(parti);
        }
        if (const auto *f = dynamic_cast<const FinestraUguali *>(w)) {
            const CaseUguali &g = f->gioco();
            QString parti;
            for (int p = 1; p <= 8; ++p)
                parti += QStringLiteral("%1:%2/%3%4 ").arg(p).arg(g.Colore(p, 0)).arg(g.Colore(p, 1)).arg(g.Diverso(p));
            righe << QStringLiteral("level %1 put right %2 parts %3").arg(g.livello()).arg(g.Sistemati()).arg(parti);
        }
        righe << QStringLiteral("lit %1, frame %2").arg(scansione.Posizione()).arg(
                     QVariant(scansione.zonaCornice().boundingRect()).toString());
        for (const QWidget *c : w->findChildren<QWidget *>()) {
            QString testo;
            if (const auto *l = qobject_cast<const QLabel *>(c))
                testo = l->text();
            else if (const auto *b = qobject_cast<const QAbstractButton *>(c))
                testo = b->text();
            else if (const auto *e = qobject_cast<const QLineEdit *>(c))
                testo = e->text();
            else if (const auto *t = qobject_cast<const QTextEdit *>(c))
                testo = t->toPlainText();
            else if (const auto *t = qobject_cast<const QPlainTextEdit *>(c))
                testo = t->toPlainText();
            righe << QStringLiteral("%1 %2 %3 %4%5 %6 %7")
                         .arg(QString::fromLatin1(c->metaObject()->className()), c->objectName(), testo,
                              QString::number(c->isVisible()), QString::number(c->isEnabled()),
                              c->palette().color(c->backgroundRole()).name(), c->accessibleName());
        }
        for (const ShockwaveFlash *casa : w->findChildren<ShockwaveFlash *>()) {
            QString colori;
            for (const QString &id : ElementiCasa::idRichiesti()) {
                const std::optional<QColor> c = casa->coloreElemento(id);
                colori += id + QLatin1Char('=') + (c ? c->name() : QString()) + QLatin1Char(' ');
            }
            QString lit;
            for (int p : casa->partiEvidenziate())
                lit += QString::number(p);
            righe << colori + QStringLiteral("lit ") + lit
                    + QStringLiteral(" band %1 movie %2").arg(casa->larghezzaAlone()).arg(casa->movie());
        }
        return righe.join(QLatin1Char('\n'));
    }

private slots:
    void initTestCase() { m_ambiente.prepara(); }
    void init() { m_ambiente.azzera(); }
    void cleanup() { m_ambiente.chiudi(); }

    void finestre_data()
    {
        QTest::addColumn<std::function<QWidget *()>>("finestra");
        QTest::newRow("Vero o falso") << crea<FormEs1>();
        QTest::newRow("Uguale - diverso") << crea<FormEs2>();
        QTest::newRow("Uguali - 1") << crea<FormEs8>();
        QTest::newRow("Uguali - 2") << crea<FormEs3>();
        QTest::newRow("Colora la pinnola") << crea<FormEs4>();
        QTest::newRow("Insiemi") << crea<FormEs5>();
        QTest::newRow("Trova gli intrusi") << crea<FormEs6>();
        QTest::newRow("Indovina chi") << crea<FormEs7>();
        QTest::newRow("Pinnole da colorare") << crea<Form1>();
    }

    void finestre()
    {
        QFETCH(std::function<QWidget *()>, finestra);
        VoceScansioneFinta voce;
        Stato().accesso.spessoreEvidenziazione = 12;
        std::unique_ptr<QWidget> w = apriConScansioneParlata(finestra);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto *scansione = w->findChild<ControlloScansione *>();
        QVERIFY(scansione);
        QVERIFY(scansione->attivo());
        auto *cornice = w->findChild<QWidget *>(QStringLiteral("CorniceScansione"));
        QVERIFY(cornice);
        QWidget *tasti = scansione->PictureScansioneManuale();

        int inquadrate = 0;
        for (int passo = 0; passo < 10; ++passo) {
            const QRect r = scansione->riquadroCornice();
            if (!r.isEmpty()) {
                ++inquadrate;
                QVERIFY2(cornice->parentWidget()->rect().contains(r.center()),
                         qPrintable(QStringLiteral("step %1: frame outside the window").arg(passo)));
                QVERIFY(cornice->isVisible());
                // The frame widget covers the window whatever the rescaling did.
                QCOMPARE(cornice->geometry(), cornice->parentWidget()->rect());
                // A house part lights a band inside itself: no frame goes
                // round it, over the parts next to it.
                if (scansione->illuminataDaSe())
                    QVERIFY(scansione->zonaCornice().isEmpty());
                else
                    QVERIFY(scansione->zonaCornice().boundingRect().contains(r.adjusted(-12, -12, 12, 12)));
            }
            QTest::keyRelease(tasti, Qt::Key_Space);
            QTest::qWait(30); // the name is said once the highlight shows
        }
        QVERIFY2(inquadrate >= 8, qPrintable(QString::number(inquadrate)));
        const QStringList detti = voce.nomi();
        const QSet<QString> nomi(detti.cbegin(), detti.cend());
        QVERIFY2(nomi.size() >= 2, qPrintable(detti.join(QLatin1Char('|'))));
        for (const QString &nome : nomi)
            QVERIFY(!nome.trimmed().isEmpty());
    }

    void descrivereNonCambiaNulla_data()
    {
        QTest::addColumn<std::function<QWidget *()>>("finestra");
        QTest::addColumn<int>("modo");
        const QList<std::pair<const char *, std::function<QWidget *()>>> finestre = {
            {"Vero o falso", crea<FormEs1>()},     {"Uguale - diverso", crea<FormEs2>()},
            {"Uguali - 1", crea<FormEs8>()},       {"Uguali - 2", crea<FormEs3>()},
            {"Colora la pinnola", crea<FormEs4>()}, {"Insiemi", crea<FormEs5>()},
            {"Trova gli intrusi", crea<FormEs6>()}, {"Indovina chi", crea<FormEs7>()},
            {"Pinnole da colorare", crea<Form1>()}};
        const QList<std::pair<const char *, int>> modi = {{"two switches", IngressoScansioneManuale},
                                                          {"one switch", IngressoScansioneAutomatica},
                                                          {"keyboard", IngressoTastiera}};
        for (const auto &[nome, finestra] : finestre) {
            for (const auto &[nomeModo, modo] : modi)
                QTest::addRow("%s, %s", nome, nomeModo) << finestra << modo;
        }
    }

    // What the ring says of its positions (a name to speak, where the frame
    // goes, its corners, where Down and Up lead, whether the position lights
    // itself) only describes them: asked about every position, twice, it
    // changes nothing in the window or its exercise. The mechanism asks at
    // every step and every repaint, so a describing call that changed the
    // exercise would change it unseen.
    void descrivereNonCambiaNulla()
    {
        QFETCH(std::function<QWidget *()>, finestra);
        QFETCH(int, modo);
        Stato().imp.ModoInput = static_cast<qint16>(modo);
        Stato().imp.VelocitaScansione = 60; // no step of its own meanwhile
        Stato().accesso.spessoreEvidenziazione = 8;
        std::unique_ptr<QWidget> w(finestra());
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        QTest::qWait(50);
        auto *scansione = w->findChild<ControlloScansione *>();
        QVERIFY(scansione);
        QVERIFY(scansione->attivo());
        const ControlloScansione::Anello &anello = scansione->anello();
        QVERIFY(anello.posizioni.numero() > 0);

        const auto descriviTutto = [&] {
            QTest::qWait(20);
            const QString prima = stato(w.get(), *scansione);
            const QImage immagine = w->grab().toImage();
            // Nothing else runs meanwhile: no event is handled until the
            // comparison is made.
            for (int giro = 0; giro < 2; ++giro) {
                for (int p = 0; p < anello.posizioni.numero(); ++p) {
                    if (anello.nome)
                        anello.nome(p);
                    if (anello.riquadro)
                        anello.riquadro(p);
                    if (anello.angoliRetti)
                        anello.angoliRetti(p);
                    if (anello.illuminaDaSe)
                        anello.illuminaDaSe(p);
                    if (anello.verticale) {
                        anello.verticale(p, 1);
                        anello.verticale(p, -1);
                    }
                }
            }
            QCOMPARE(stato(w.get(), *scansione), prima);
            QVERIFY(w->grab().toImage() == immagine);
        };
        // At the start, after each step and after each choice, for a few
        // rounds: enough for a right answer in every window (in "Colora la
        // pinnola" the next sentence's part then waits grey).
        descriviTutto();
        for (int giro = 0; giro < 5 && !QTest::currentTestFailed(); ++giro) {
            scansione->avanti();
            descriviTutto();
            scansione->seleziona();
            descriviTutto();
        }
    }

    void testiDellaLingua_data() { finestre_data(); }

    // Every text of the window's section of both language files names a
    // control of the window, so no control keeps its Italian text.
    void testiDellaLingua()
    {
        QFETCH(std::function<QWidget *()>, finestra);
        std::unique_ptr<QWidget> w(finestra());
        const QString mancanti = chiaviSenzaControllo(w.get());
        QVERIFY2(mancanti.isEmpty(), qPrintable(mancanti));
    }

    void nomiNellaLingua_data()
    {
        QTest::addColumn<std::function<QWidget *()>>("finestra");
        QTest::addColumn<QStringList>("attesi");
        QTest::newRow("Colora la pinnola") << crea<FormEs4>() << QStringList{QStringLiteral("Check the colours")};
        QTest::newRow("Insiemi") << crea<FormEs5>()
                                 << QStringList{QStringLiteral("The sentence is true: the house goes here"),
                                                QStringLiteral("The sentence is false: the house goes here")};
        QTest::newRow("Pinnole da colorare") << crea<Form1>()
                                             << QStringList{QStringLiteral("Print this house"), QStringLiteral("Exit")};
    }

    // Picture buttons are named in the user's language, as the language
    // file words them, never by the program's fixed Italian descriptions.
    void nomiNellaLingua()
    {
        QFETCH(std::function<QWidget *()>, finestra);
        QFETCH(QStringList, attesi);
        VoceScansioneFinta voce;
        LinguaCorrente() = QStringLiteral("English");
        const auto italiano = qScopeGuard([] { LinguaCorrente() = QStringLiteral("Italiano"); });
        std::unique_ptr<QWidget> w = apriConScansioneParlata(finestra);
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        auto *scansione = w->findChild<ControlloScansione *>();
        QVERIFY(scansione);
        for (int passo = 0; passo < 6; ++passo) {
            QTest::keyRelease(scansione->PictureScansioneManuale(), Qt::Key_Space);
            QTest::qWait(30);
        }
        const QStringList detti = voce.nomi();
        for (const QString &atteso : attesi)
            QVERIFY2(detti.contains(atteso), qPrintable(detti.join(QLatin1Char('|'))));
        for (const QString &nome : detti)
            QVERIFY2(!nome.contains(QLatin1String("scatola")) && !nome.contains(QLatin1String("Verifica"))
                         && !nome.contains(QLatin1String("Pinnola")),
                     qPrintable(nome));
    }
};

QTEST_MAIN(TestAccessoFinestre)
#include "tst_accesso_finestre.moc"
