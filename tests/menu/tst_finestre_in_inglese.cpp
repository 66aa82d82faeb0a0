#include "config/FormConfigura.h"
#include "core/Avvio.h"
#include "core/Modulo1.h"
#include "core/TestoFile.h"
#include "exercises/es1/FormEs1.h"
#include "exercises/es2/FormEs2.h"
#include "exercises/es4/FormEs4.h"
#include "exercises/es5/FormEs5.h"
#include "exercises/es6/FormEs6.h"
#include "exercises/es7/FormEs7.h"
#include "exercises/uguali/FormEs3.h"
#include "exercises/uguali/FormEs8.h"
#include "menu/Form1.h"
#include "menu/FormAvvio.h"
#include "menu/FormInfo.h"
#include "menu/LogicaMenu.h"
#include "menu/PulsanteMenu.h"
#include "menu/VistaDocumento.h"
#include "printing/frmStampa.h"
#include "users/FormEserciziEseguiti.h"
#include "vocabulary/Parole.h"

#include "AmbienteMenu.h"
#include "StampantiFinte.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QRegularExpression>
#include <QSet>
#include <QTabBar>
#include <QTimer>

#include <functional>

namespace {

// Words no English text holds, found in the Italian captions and messages.
const QStringList kParoleItaliane = {
    QStringLiteral("il"),        QStringLiteral("della"),    QStringLiteral("delle"),     QStringLiteral("degli"),
    QStringLiteral("gli"),       QStringLiteral("una"),      QStringLiteral("nella"),     QStringLiteral("sulla"),
    QStringLiteral("pinnola"),   QStringLiteral("giocatore"), QStringLiteral("utente"),   QStringLiteral("stampa"),
    QStringLiteral("chiudi"),    QStringLiteral("esci"),     QStringLiteral("scegli"),    QStringLiteral("colore"),
    QStringLiteral("frase"),     QStringLiteral("scatola"),  QStringLiteral("sinistra"),  QStringLiteral("destra"),
    QStringLiteral("immagine"),  QStringLiteral("barra"),    QStringLiteral("anteprima"), QStringLiteral("velocità"),
    QStringLiteral("sfondo"),    QStringLiteral("pulsanti"), QStringLiteral("livelli"),   QStringLiteral("foglio"),
    QStringLiteral("esercizi"),  QStringLiteral("eseguiti"), QStringLiteral("scala"),     QStringLiteral("margini"),
    QStringLiteral("proprietà"), QStringLiteral("sensore"),  QStringLiteral("scansione"), QStringLiteral("ricevitore"),
    QStringLiteral("predefinito"),
};

QString normalizza(QString testo)
{
    return testo.remove(QLatin1Char('&')).simplified();
}

// Every value of a language file, by section and key (in lower case).
QHash<QString, QString> valori(const QString &lingua)
{
    QFile f(Lingua::fileLingua(lingua));
    if (!f.open(QIODevice::ReadOnly))
        qFatal("cannot read the language file %s", qPrintable(lingua));
    QHash<QString, QString> risultato;
    QString sezione;
    const QString testo = TestoFile::decodifica(f.readAll());
    for (const QString &riga : testo.split(QStringLiteral("\r\n"))) {
        if (riga.startsWith(QLatin1Char('['))) {
            sezione = riga.mid(1, riga.indexOf(QLatin1Char(']')) - 1).toLower();
            continue;
        }
        const qsizetype uguale = riga.indexOf(QLatin1Char('='));
        if (riga.startsWith(QLatin1Char(';')) || uguale <= 0)
            continue;
        QString valore = riga.mid(uguale + 1).trimmed();
        if (valore.size() >= 2 && valore.startsWith(QLatin1Char('"')) && valore.endsWith(QLatin1Char('"')))
            valore = valore.mid(1, valore.size() - 2);
        risultato.insert(sezione + QLatin1Char('/') + riga.left(uguale).trimmed().toLower(), valore);
    }
    return risultato;
}

// The texts a user sees or hears of a window: its title, and of every
// control its caption, tool tip and accessible name, with menus and lists.
QStringList testiDellaFinestra(QWidget *finestra)
{
    QStringList testi{finestra->windowTitle(), finestra->accessibleName()};
    for (QWidget *w : finestra->findChildren<QWidget *>()) {
        testi << w->accessibleName() << w->toolTip();
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            testi << b->text();
        else if (auto *l = qobject_cast<QLabel *>(w))
            testi << l->text();
        else if (auto *g = qobject_cast<QGroupBox *>(w))
            testi << g->title();
        else if (auto *m = qobject_cast<QMenu *>(w))
            testi << m->title();
        else if (auto *e = qobject_cast<QLineEdit *>(w))
            testi << e->text();
        else if (auto *c = qobject_cast<QComboBox *>(w)) {
            for (int i = 0; i < c->count(); ++i)
                testi << c->itemText(i);
        } else if (auto *t = qobject_cast<QTabBar *>(w)) {
            for (int i = 0; i < t->count(); ++i)
                testi << t->tabText(i) << t->tabToolTip(i);
        }
    }
    for (QAction *a : finestra->findChildren<QAction *>())
        testi << a->text() << a->toolTip();
    return testi;
}

} // namespace

// With English chosen, no window shows or names anything in Italian: a text
// equal to an Italian value that the English file does not have, or holding
// a word only Italian uses.
class TestFinestreInInglese : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AmbienteMenu> m_ambiente;
    std::unique_ptr<StampantiFinte> m_stampanti;
    QSet<QString> m_soloItaliano;

    // The Italian texts among the window's, each with the control's name.
    QStringList italiano(QWidget *finestra) const
    {
        static const QRegularExpression separatori(QStringLiteral("[^\\p{L}]+"));
        QStringList trovati;
        for (const QString &grezzo : testiDellaFinestra(finestra)) {
            const QString testo = normalizza(grezzo);
            if (testo.isEmpty())
                continue;
            if (m_soloItaliano.contains(testo)) {
                trovati << testo;
                continue;
            }
            for (const QString &parola : testo.toLower().split(separatori, Qt::SkipEmptyParts)) {
                if (kParoleItaliane.contains(parola)) {
                    trovati << testo;
                    break;
                }
            }
        }
        trovati.removeDuplicates();
        return trovati;
    }

    void verifica(QWidget *finestra)
    {
        const QStringList trovati = italiano(finestra);
        QVERIFY2(trovati.isEmpty(), qPrintable(finestra->objectName() + QStringLiteral(": ") + trovati.join(QStringLiteral(" | "))));
    }

    template<typename Finestra>
    void apriEVerifica(const std::function<void(Finestra &)> &prepara = {})
    {
        auto finestra = std::make_unique<Finestra>();
        finestra->show();
        QTest::qWait(50);
        if (prepara)
            prepara(*finestra);
        verifica(finestra.get());
    }

private slots:
    void initTestCase()
    {
        m_ambiente = std::make_unique<AmbienteMenu>();
        m_ambiente->azzera();
        const QHash<QString, QString> italiani = valori(QStringLiteral("Italiano"));
        const QHash<QString, QString> inglesi = valori(QStringLiteral("English"));
        QSet<QString> testiInglesi;
        for (const QString &v : inglesi)
            testiInglesi << normalizza(v);
        for (const QString &v : italiani) {
            const QString testo = normalizza(v);
            if (testo.size() >= 3 && testo.contains(QRegularExpression(QStringLiteral("\\p{L}")))
                && !testiInglesi.contains(testo))
                m_soloItaliano << testo;
        }
        QVERIFY(m_soloItaliano.contains(QStringLiteral("Esci")));
    }

    void init()
    {
        m_ambiente->azzera();
        LinguaCorrente() = QStringLiteral("English");
        PreparaIntestazioni();
        CaricaParole(Stato().TabellaParole);
        m_stampanti = std::make_unique<StampantiFinte>();
    }

    void cleanup()
    {
        m_stampanti.reset();
        m_ambiente->chiudiFinestre();
        LinguaCorrente() = QStringLiteral("Italiano");
    }

    // The check itself finds an Italian control.
    void trovaIlTestoItaliano()
    {
        QWidget finestra;
        auto *b = new QPushButton(QStringLiteral("&Chiudi"), &finestra);
        b->setAccessibleName(QStringLiteral("Close"));
        auto *l = new QLabel(QStringLiteral("Done"), &finestra);
        l->setAccessibleName(QStringLiteral("La pinnola di Anna"));
        QCOMPARE(italiano(&finestra), (QStringList{QStringLiteral("Chiudi"), QStringLiteral("La pinnola di Anna")}));
    }

    // The menu reads the language chosen in "LangSetting.ini": it is chosen
    // in a copy of the program folder, so the build's own choice stays.
    void menuENoteDidattiche()
    {
        QTemporaryDir programma;
        const QDir originale(QStringLiteral(PINNOLE_PROGRAM_DIR));
        for (const QString &voce : originale.entryList(QDir::AllEntries | QDir::NoDotAndDotDot)) {
            if (voce != QLatin1String("lngpinnole"))
                QFile::link(originale.filePath(voce), programma.filePath(voce));
        }
        QDir(programma.path()).mkpath(QStringLiteral("lngpinnole"));
        for (const QString &file : QDir(originale.filePath(QStringLiteral("lngpinnole"))).entryList(QDir::Files))
            QFile::copy(originale.filePath(QStringLiteral("lngpinnole/") + file),
                        programma.filePath(QStringLiteral("lngpinnole/") + file));
        Percorsi::impostaCartellaProgramma(programma.path());
        Lingua::svuotaCache();
        QVERIFY(Lingua::scegliLingua(QStringLiteral("English")));
        Stato().imp.StileTesto = QStringLiteral("maiuscolo");
        // Two players, so the list of players shows the default one's name.
        SalvaUtenteCorrente(Stato());
        QVERIFY(QFile::copy(percorsoUtentePredefinito(), percorsoUtente(QStringLiteral("Anna"))));
        FormMenu *menu = m_ambiente->apriMenu();
        QVERIFY(QTest::qWaitFor([menu] { return menu->attivata(); }));
        verifica(menu);
        menu->mnuInfo()->trigger();
        auto *documento = menu->findChild<VistaDocumento *>();
        QVERIFY(documento && documento->isVisible());
        verifica(menu);
        // The second-form buttons read "1st" and "2nd".
        QVERIFY(menu->Command1(2)->text().contains(QStringLiteral("1st"), Qt::CaseInsensitive));
        QVERIFY(menu->Command1(3)->text().contains(QStringLiteral("2nd"), Qt::CaseInsensitive));
        // "DIFFERENCES" in capitals is longer than the Italian word the font
        // size is measured on: it still fits its button at 1024 x 768.
        menu->showNormal();
        menu->setGeometry(0, 0, 1024, 740);
        QTRY_VERIFY(menu->Command1(0)->width() < 200);
        menu->ImpostaUtente();
        for (int i = 0; i < kPulsantiMenu; ++i)
            QVERIFY2(menu->Command1(i)->didascaliaEntraInLarghezza(menu->Command1(i)->font()),
                     qPrintable(menu->Command1(i)->text()));
        m_ambiente->chiudiFinestre();
        Percorsi::impostaCartellaProgramma(QStringLiteral(PINNOLE_PROGRAM_DIR));
        Lingua::svuotaCache();
    }

    void avvioEInformazioni()
    {
        apriEVerifica<FormAvvio>();
        apriEVerifica<FormInfo>();
        apriEVerifica<Form1>();
    }

    void esercizi()
    {
        apriEVerifica<FormEs1>();
        apriEVerifica<FormEs2>();
        apriEVerifica<FormEs8>();
        apriEVerifica<FormEs3>();
        apriEVerifica<FormEs4>();
        apriEVerifica<FormEs5>();
        apriEVerifica<FormEs6>();
        apriEVerifica<FormEs7>();
    }

    // Every tab's controls exist from the start, shown or not.
    void configurazione()
    {
        apriEVerifica<FormConfigura>([](FormConfigura &f) {
            for (int i = 0; i < 7; ++i)
                f.mostraScheda(i);
        });
    }

    void eserciziEseguiti()
    {
        apriEVerifica<FormEserciziEseguiti>();
    }

    // The print window keeps itself between prints: opened first in
    // Italian, then in English, it speaks English.
    void finestraDiStampa()
    {
        QWidget esercizio;
        esercizio.setObjectName(QStringLiteral("FormEs1"));
        esercizio.resize(640, 480);
        frmStampa stampa;
        QStringList trovati;
        QString titolo;
        auto apri = [&] {
            QTimer attesa;
            attesa.setInterval(5);
            connect(&attesa, &QTimer::timeout, this, [&] {
                if (!stampa.isVisible())
                    return;
                attesa.stop();
                trovati = italiano(&stampa);
                titolo = stampa.windowTitle();
                stampa.chkProporzioni()->click(); // "Scale X:"
                trovati << italiano(&stampa);
                stampa.chkProporzioni()->click();
                stampa.cmdChiudi_Click();
            });
            attesa.start();
            stampa.StampaFPB(&esercizio, 10, 10, 100, 100, 1, QStringLiteral("FormEs1"));
        };
        LinguaCorrente() = QStringLiteral("Italiano");
        apri();
        QVERIFY(titolo.contains(QStringLiteral("Stampa pinnola")));
        LinguaCorrente() = QStringLiteral("English");
        apri();
        QVERIFY2(trovati.isEmpty(), qPrintable(trovati.join(QStringLiteral(" | "))));
        QCOMPARE(titolo, QStringLiteral("  Print house FormEs1"));
        // The printer entry that writes a file is named in the language too.
        QCOMPARE(Stampanti::nomeFilePdf(), QStringLiteral("PDF file"));
        LinguaCorrente() = QStringLiteral("Italiano");
        QCOMPARE(Stampanti::nomeFilePdf(), QStringLiteral("File PDF"));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestFinestreInInglese t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_finestre_in_inglese.moc"
