#include "AmbienteEsercizio.h"
#include "exercises/es1/FormEs1.h"
#include "exercises/es2/FormEs2.h"
#include "exercises/es4/FormEs4.h"
#include "exercises/es4/TestoAdattato.h"
#include "exercises/es5/FormEs5.h"
#include "exercises/es6/FormEs6.h"
#include "exercises/es7/FormEs7.h"
#include "exercises/uguali/FormEs3.h"
#include "exercises/uguali/FormEs8.h"
#include "framework/Pulsante.h"
#include "menu/Immagine.h"
#include "platform/AgenteFumetto.h"
#include "platform/AgenteQt.h"
#include "platform/ShockwaveFlash.h"

#include <QLabel>
#include <QRegularExpression>
#include <QSet>
#include <QStatusBar>
#include <QTest>

#include <functional>
#include <memory>

namespace {

// The longest texts the windows read: a sentence of "Insiemi", the six
// sentences of "Colora la pinnola" at its top levels, and the instruction
// of "Uguali" given to scanning.
const QString kFraseLunga =
    QStringLiteral("Solo una cosa è vera: il gradino è giallo o la porta è blu, ma non tutte e due.");
const QString kSeiFrasi = QStringLiteral(
    "La porta non è gialla.\r\nLe finestre non sono verdi.\r\nIl tetto non è rosso.\r\n"
    "Il comignolo non è giallo.\r\nIl gradino non è giallo.\r\nLe pareti non sono rosse.\r\n");

using Crea = std::function<FinestraEsercizio *()>;

template <typename F>
Crea crea()
{
    return [] {
        auto *f = new F;
        // The pause after a new item's houses are loaded passes at once.
        if constexpr (std::is_base_of_v<FinestraCaratteristiche, F>)
            f->impostaAttesa([](double) {});
        return f;
    };
}

} // namespace

// Nothing covers what the child must see: in every exercise window, at
// both screen sizes, with the balloon on and the longest text of the
// window being read, neither the character nor its balloon meets a house,
// a part picture, a sentence or a button, and the balloon shows every word
// of the text, all at once or in turns, none of it cut.
class TestPostoPersonaggio : public QObject
{
    Q_OBJECT

private:
    AmbienteEsercizio m_ambiente;

    // What the child plays with, told by its kind rather than by what the
    // window says of itself.
    static QList<QWidget *> controlliDelGioco(QMainWindow &f)
    {
        QList<QWidget *> controlli;
        const QList<QWidget *> tutti = f.centralWidget()->findChildren<QWidget *>();
        for (QWidget *w : tutti) {
            if (!w->isVisibleTo(&f))
                continue;
            auto *etichetta = qobject_cast<QLabel *>(w);
            if (qobject_cast<ShockwaveFlash *>(w) || qobject_cast<Immagine *>(w) || qobject_cast<Pulsante *>(w)
                || qobject_cast<TestoAdattato *>(w) || (etichetta && !etichetta->text().isEmpty()))
                controlli.append(w);
        }
        return controlli;
    }

private slots:
    void initTestCase() { m_ambiente.prepara(); }
    void init()
    {
        m_ambiente.azzera();
        // The real character and balloon, as the child sees them.
        AgenteFinto::disinstalla();
    }
    void cleanup() { m_ambiente.chiudi(); }

    void nienteCopreIlGioco_data()
    {
        QTest::addColumn<Crea>("finestra");
        QTest::addColumn<int>("livello");
        QTest::addColumn<QString>("testo"); // empty: the instruction
        QTest::addColumn<QSize>("schermo");
        for (const QSize schermo : {QSize(1024, 768), QSize(1920, 1080)}) {
            const QByteArray misura = QByteArray::number(schermo.width()) + 'x' + QByteArray::number(schermo.height());
            QTest::newRow("Vero o falso " + misura) << crea<FormEs1>() << 6 << kFraseLunga << schermo;
            QTest::newRow("Uguale - diverso " + misura) << crea<FormEs2>() << 3 << kFraseLunga << schermo;
            QTest::newRow("Uguali - 1° " + misura) << crea<FormEs8>() << 3 << QString() << schermo;
            QTest::newRow("Uguali - 2° " + misura) << crea<FormEs3>() << 3 << QString() << schermo;
            QTest::newRow("Colora la pinnola, level 1 " + misura) << crea<FormEs4>() << 1 << kFraseLunga << schermo;
            QTest::newRow("Colora la pinnola, level 5 " + misura) << crea<FormEs4>() << 5 << kSeiFrasi << schermo;
            QTest::newRow("Insiemi " + misura) << crea<FormEs5>() << 4 << kFraseLunga << schermo;
            QTest::newRow("Trova gli intrusi " + misura) << crea<FormEs6>() << 5 << kFraseLunga << schermo;
            QTest::newRow("Indovina chi? " + misura) << crea<FormEs7>() << 5 << kFraseLunga << schermo;
        }
    }

    void nienteCopreIlGioco()
    {
        QFETCH(Crea, finestra);
        QFETCH(int, livello);
        QFETCH(QString, testo);
        QFETCH(QSize, schermo);
        Stato().imp.VoceAttiva = true;
        Stato().imp.FumettoVisibile = true;
        Stato().imp.FumettoContieneTesto = true;
        Stato().imp.ModoInput = IngressoScansioneManuale;
        Stato().imp.VelocitaScansione = 60;
        Stato().accesso.spessoreEvidenziazione = 12;

        std::unique_ptr<FinestraEsercizio> f(finestra());
        f->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.get()));
        QTest::qWait(50);
        f->resize(schermo);
        QTest::qWait(50);
        QCOMPARE(f->size(), schermo);
        if (livello > 1)
            f->mnuLiv_Click(livello);
        if (auto *uguali = dynamic_cast<FinestraUguali *>(f.get())) {
            // The instruction button: the character comes back and reads.
            uguali->Command1_Click(1);
            testo = uguali->Label1()->text();
        }
        f->leggi(testo);
        QTest::qWait(50);

        auto *agente = dynamic_cast<AgenteQt *>(f->personaggio());
        QVERIFY(agente);
        QVERIFY(agente->Visible());
        FumettoPersonaggio *fumetto = agente->finestraFumetto();
        QVERIFY(fumetto->isVisible());
        const QRect figura = agente->finestraPersonaggio()->geometry();
        QCOMPARE(figura, QRect(agente->Left(), agente->Top(), agente->Width(), agente->Height()));
        const QRect palloncino = fumetto->geometry();
        const QRect finestraUtile(0, 0, f->width(), f->StatusBar1()->geometry().top());
        QVERIFY(finestraUtile.contains(figura));
        QVERIFY(finestraUtile.contains(palloncino));
        QVERIFY(!figura.intersects(palloncino));

        const QList<QWidget *> controlli = controlliDelGioco(*f);
        QVERIFY(controlli.size() >= 3);
        for (QWidget *w : controlli) {
            const QRect r(w->mapTo(f.get(), QPoint(0, 0)), w->size());
            const QString nome = w->objectName() + QLatin1Char('(') + w->property("index").toString()
                + QLatin1Char(')');
            QVERIFY2(!figura.intersects(r), qPrintable(QStringLiteral("the character covers ") + nome));
            QVERIFY2(!palloncino.intersects(r), qPrintable(QStringLiteral("the balloon covers ") + nome));
        }

        // Every word said shows in some turn, and no line is cut: each fits
        // the text area, and so do the lines together.
        const bool aPasso = agente->BalloonStyle() & Agente::FumettoAPasso;
        const bool contieneTutto = agente->BalloonStyle() & Agente::FumettoContieneTesto;
        QSet<QString> viste;
        for (int detti = 0; detti <= testo.size(); ++detti) {
            fumetto->mostraTesto(testo, detti, contieneTutto, aPasso);
            QCOMPARE(fumetto->geometry(), palloncino);
            const QFontMetrics metrica(fumetto->carattere());
            const QRect area = fumetto->areaTesto();
            QVERIFY(fumetto->rect().contains(area));
            const QStringList righe = fumetto->righeVisibili();
            QVERIFY(righe.size() * metrica.lineSpacing() <= area.height());
            for (const QString &riga : righe) {
                QVERIFY2(metrica.horizontalAdvance(riga) <= area.width(), qPrintable(riga));
                for (const QString &parola : riga.split(QLatin1Char(' '), Qt::SkipEmptyParts))
                    viste.insert(parola);
            }
        }
        const QStringList parole = testo.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        for (const QString &parola : parole)
            QVERIFY2(viste.contains(parola), qPrintable(QStringLiteral("never shown: ") + parola));
    }
};

QTEST_MAIN(TestPostoPersonaggio)
#include "tst_posto_personaggio.moc"
