#include "core/Lingua.h"
#include "core/Percorsi.h"
#include "core/TraduciFinestra.h"

#include "MessaggiFinti.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

void scrivi(const QString &percorso, const QByteArray &byte)
{
    QFile f(percorso);
    QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(byte);
}

// A small window with a control array, a label, a menu with an item and a tab strip.
struct Finestra
{
    QMainWindow finestra;
    QList<QPushButton *> pulsanti;
    QLabel *etichetta = nullptr;
    QMenu *menu = nullptr;
    QAction *esci = nullptr;
    QTabBar *schede = nullptr;

    explicit Finestra(const QString &titolo)
    {
        finestra.setObjectName(QStringLiteral("FormProva"));
        finestra.setWindowTitle(titolo);
        for (int i = 0; i < 4; ++i) {
            auto *p = new QPushButton(QStringLiteral("design %1").arg(i), &finestra);
            p->setObjectName(QStringLiteral("Command1"));
            p->setProperty("index", i);
            pulsanti << p;
        }
        etichetta = new QLabel(QStringLiteral("etichetta"), &finestra);
        etichetta->setObjectName(QStringLiteral("Label1"));
        menu = finestra.menuBar()->addMenu(QStringLiteral("Livelli"));
        menu->setObjectName(QStringLiteral("mnuLivelli"));
        esci = menu->addAction(QStringLiteral("Esci"));
        esci->setObjectName(QStringLiteral("mnuEsci"));
        schede = new QTabBar(&finestra);
        schede->setObjectName(QStringLiteral("TabStrip1"));
        schede->addTab(QStringLiteral("a"));
        schede->addTab(QStringLiteral("b"));
    }
};

} // namespace

class TestTraduzione : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_programma;
    QString lng(const QString &nome) const { return m_programma.filePath(QStringLiteral("lngpinnole/") + nome); }

private slots:
    void init()
    {
        QDir(m_programma.path()).mkpath(QStringLiteral("lngpinnole"));
        Percorsi::impostaCartellaProgramma(m_programma.path());
        scrivi(lng(QStringLiteral("Italiano.lng")),
               "[FormProva]\r\n"
               "FormProva.Caption=\"Vero o falso\"\r\n"
               "FormProva.Tag=\"@L,T\"\r\n"
               "Command1(3).Caption=\"Avanti\"\r\n"
               "Command1(3).ToolTipText=\"Una nuova frase\"\r\n"
               "Command1.Caption=\"non per gli elementi\"\r\n"
               "Label1.Caption=\"\"\r\n"
               "Label1.Tag=\"@W\"\r\n"
               "mnuLivelli.Caption=\"Livello\"\r\n"
               "mnuEsci.Caption=\"Esci subito\"\r\n"
               "TabStrip1.TabCaption(0)=\"Colori\"\r\n");
        scrivi(lng(QStringLiteral("English.lng")), "[FormProva]\r\nFormProva.Caption=\"True or false\"\r\n");
        scrivi(lng(QStringLiteral("LangSetting.ini")), "[Language]\r\nCurrentLanguage=Italiano\r\n");
        QFile::remove(lng(QStringLiteral("Deutsch.lng")));
        LinguaCorrente() = QStringLiteral("Italiano");
    }

    void finestraEControlli()
    {
        Finestra f(QStringLiteral("design"));
        MLSTranslateForm(&f.finestra);
        QCOMPARE(f.finestra.windowTitle(), QStringLiteral("Vero o falso"));
        QCOMPARE(f.finestra.property("Tag").toString(), QStringLiteral("@L,T"));
        QCOMPARE(f.pulsanti[3]->text(), QStringLiteral("Avanti"));
        QCOMPARE(f.pulsanti[3]->toolTip(), QStringLiteral("Una nuova frase"));
        QCOMPARE(f.pulsanti[0]->text(), QStringLiteral("design 0")); // no key: design caption stays
        QCOMPARE(f.etichetta->text(), QStringLiteral("etichetta"));  // an empty value changes nothing
        QCOMPARE(f.etichetta->property("Tag").toString(), QStringLiteral("@W"));
        QCOMPARE(f.menu->title(), QStringLiteral("Livello"));
        QCOMPARE(f.esci->text(), QStringLiteral("Esci subito"));
        QCOMPARE(f.schede->tabText(0), QStringLiteral("Colori"));
        QCOMPARE(f.schede->tabText(1), QString()); // tab captions follow the file even when empty
    }

    // A window with no caption keeps it empty; one with a caption and no key
    // gets an empty caption; a missing language keeps the design captions.
    void didascalieDellaFinestra()
    {
        Finestra senza{QString()};
        MLSTranslateForm(&senza.finestra);
        QVERIFY(senza.finestra.windowTitle().isEmpty());

        scrivi(lng(QStringLiteral("Italiano.lng")), "[FormProva]\r\nCommand1(0).Caption=\"x\"\r\n");
        Finestra con(QStringLiteral("design"));
        MLSTranslateForm(&con.finestra);
        QVERIFY(con.finestra.windowTitle().isEmpty());

        LinguaCorrente() = QStringLiteral("Nessuna");
        Finestra persa(QStringLiteral("design"));
        MLSTranslateForm(&persa.finestra);
        QCOMPARE(persa.pulsanti[0]->text(), QStringLiteral("design 0"));
    }

    // Events served during the translation may delete a control that is
    // still to come; the translation goes on without it.
    void controlloEliminatoDuranteLaTraduzione()
    {
        Finestra f(QStringLiteral("design"));
        QPointer<QPushButton> avanti = f.pulsanti[3];
        QTimer::singleShot(0, &f.finestra, [&] { delete avanti.data(); });
        MLSTranslateForm(&f.finestra);
        QVERIFY(avanti.isNull());
        QCOMPARE(f.esci->text(), QStringLiteral("Esci subito"));
    }

    // The language menu lists the files, checks the current one, and a choice
    // translates the open windows and is remembered in LangSetting.ini.
    void menuDelleLingue()
    {
        MessaggiFinti finti;
        Finestra f(QStringLiteral("design"));
        f.finestra.show();
        QMenu lingue;
        const QList<QAction *> voci = MLSFillMenuLanguages(&lingue);
        QCOMPARE(voci.size(), 2);
        QCOMPARE(voci[0]->text(), QStringLiteral("English"));
        QCOMPARE(voci[1]->text(), QStringLiteral("Italiano"));
        QCOMPARE(voci[1]->property("index").toInt(), 1);
        QVERIFY(!voci[0]->isChecked());
        QVERIFY(voci[1]->isChecked());

        mnuLanguage_Click(voci, 0);
        QVERIFY(voci[0]->isChecked());
        QVERIFY(!voci[1]->isChecked());
        QCOMPARE(LinguaCorrente(), QStringLiteral("English"));
        QCOMPARE(f.finestra.windowTitle(), QStringLiteral("True or false"));
        QCOMPARE(Lingua::linguaSalvata(), QStringLiteral("English"));
        QVERIFY(finti.mostrati.isEmpty());
    }

    void nessunFileDiLingua()
    {
        MessaggiFinti finti;
        QFile::remove(lng(QStringLiteral("Italiano.lng")));
        QFile::remove(lng(QStringLiteral("English.lng")));
        QMenu lingue;
        QVERIFY(MLSFillMenuLanguages(&lingue).isEmpty());
        QCOMPARE(finti.mostrati, QStringList{QStringLiteral("Non è presente alcun file di linguaggio!")});
        QCOMPARE(finti.titoli, QStringList{QStringLiteral("Pinnole")});
        QVERIFY(lingue.actions().isEmpty());
    }
};

QTEST_MAIN(TestTraduzione)
#include "tst_traduzione.moc"
