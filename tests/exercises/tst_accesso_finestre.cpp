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
#include "ChiaviLingua.h"

#include <QScopeGuard>
#include <QSet>
#include <QTest>

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
