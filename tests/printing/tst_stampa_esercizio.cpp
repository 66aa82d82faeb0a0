#include "TestiItaliani.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "exercises/es1/FormEs1.h"
#include "framework/Pulsante.h"
#include "menu/Form1.h"
#include "platform/Pannello.h"
#include "platform/StampantiCups.h"
#include "printing/FiguraStampabile.h"
#include "printing/frmStampa.h"
#include "vocabulary/Parole.h"

#include "MessaggiFinti.h"
#include "StampaPdf.h"
#include "SuoniFinti.h"
#include "TestPaths.h"
#include "framework/AgenteFinto.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

// The print menu of an exercise window, end to end: through the print window
// or the picture for colouring to the private CUPS server's PDF queue, and
// back into the exercise where it was.
class TestStampaEsercizio : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_casa;
    std::unique_ptr<StampantiCups> m_stampanti;
    std::unique_ptr<MessaggiFinti> m_messaggi;
    std::unique_ptr<SuoniFinti> m_suoni;
    std::unique_ptr<FormEs1> m_finestra;

    // Runs passo on every modal window (or panel over a window) that opens until it returns true for
    // the last one, while azione runs (it opens them).
    static void conFinestreModali(const std::function<void()> &azione,
                                  const std::function<bool(QWidget *)> &passo)
    {
        QTimer guida;
        guida.setInterval(20);
        QWidget *ultima = nullptr;
        connect(&guida, &QTimer::timeout, [&] {
            QWidget *modale = QApplication::activeModalWidget();
            if (!modale)
                modale = pannelloAperto();
            if (!modale || modale == ultima || !modale->isVisible())
                return;
            ultima = modale;
            if (passo(modale))
                guida.stop();
        });
        guida.start();
        azione();
    }

    static QAction *voce(QWidget *finestra, const char *nome)
    {
        return finestra->findChild<QAction *>(QLatin1String(nome));
    }

    // Non-white pixels of a page as seen in the orientation asked, in mm.
    static QRectF disegnoMm(const QString &pdf, bool orizzontale)
    {
        QImage pagina = CartellaPdf::pagina(pdf, 100);
        if ((pagina.width() > pagina.height()) != orizzontale)
            pagina = pagina.transformed(QTransform().rotate(90));
        return CartellaPdf::scuroMm(pagina, 100, 250);
    }

    static int immaginiNelPdf(const QString &pdf)
    {
        QProcess p;
        p.start(QStringLiteral("pdfimages"), {QStringLiteral("-list"), pdf});
        p.waitForFinished(30000);
        // Two heading lines, then one line per image.
        return QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts).size() - 2;
    }

    static bool entroUnMillimetro(const QRectF &r, const QRectF &atteso)
    {
        return qAbs(r.left() - atteso.left()) <= 1 && qAbs(r.top() - atteso.top()) <= 1
               && qAbs(r.right() - atteso.right()) <= 1 && qAbs(r.bottom() - atteso.bottom()) <= 1;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(CartellaPdf().disponibile(), "run through scripts/test.sh or scripts/cups-privato.sh");
        qputenv("XDG_CONFIG_HOME", m_casa.path().toUtf8());
        preparaTestiItaliani();
        ImpostazioniPredefinite(Stato().imp, QStringLiteral("{it}"));
        Stato().imp.VoceAttiva = false;
        registraStampaEsercizi();
    }

    void init()
    {
        AgenteFinto::installa();
        m_suoni = std::make_unique<SuoniFinti>();
        m_messaggi = std::make_unique<MessaggiFinti>();
        m_stampanti = std::make_unique<StampantiCups>();
        impostaStampanti(m_stampanti.get());
        frmStampa::istanza().dimentica();
        m_finestra = std::make_unique<FormEs1>();
        m_finestra->resize(1024, 700);
        m_finestra->show();
        QVERIFY(QTest::qWaitFor([this] { return !m_finestra->Label1()->text().isEmpty(); }));
    }

    void cleanup()
    {
        m_finestra.reset();
        impostaStampanti(nullptr);
        m_stampanti.reset();
        m_messaggi.reset();
        m_suoni.reset();
        AgenteFinto::disinstalla();
    }

    // "veloce": the window on the default printer, whole, on one page.
    void veloce()
    {
        CartellaPdf uscita;
        voce(m_finestra.get(), "mnuStEserc")->trigger();
        const QStringList file = uscita.nuovi(1);
        QCOMPARE(file.size(), 1);
        QCOMPARE(CartellaPdf::info(file.first()).pagine, 1);
        QCOMPARE(immaginiNelPdf(file.first()), 1);
        const QRectF disegno = disegnoMm(file.first(), m_finestra->width() > m_finestra->height());
        QVERIFY2(disegno.width() > 200, qPrintable(QString::number(disegno.width())));
        QVERIFY(m_messaggi->mostrati.isEmpty());
    }

    // "foglio orizzontale" with two copies: two jobs, each with the window at
    // 10/10 mm, 100 x 100 mm on a landscape A4; then the exercise goes on
    // with the same item, level and counts.
    void conOpzioniDueCopie()
    {
        FormEs1 &f = *m_finestra;
        QTest::mouseClick(f.Command1(1 - f.esercizio().rispostaGiusta()), Qt::LeftButton);
        const QString frase = f.Label1()->text();
        const QString errati = f.testoPannello(2);
        const int righe = Stato().NumeroRighe;

        CartellaPdf uscita;
        bool stampato = false;
        conFinestreModali([&] { voce(&f, "mnuStOr")->trigger(); },
                          [&](QWidget *modale) {
                              auto *stampa = qobject_cast<frmStampa *>(modale);
                              if (!stampa)
                                  return false;
                              stampa->txtNCopies()->setText(QStringLiteral("2"));
                              stampa->cmdStampa_Click();
                              stampato = stampa->stampato();
                              return true;
                          });
        QVERIFY(stampato);
        QCOMPARE(f.Label1()->text(), frase);
        QCOMPARE(f.testoPannello(2), errati);
        QCOMPARE(f.Livello(), 1);
        QCOMPARE(Stato().NumeroRighe, righe);

        const QStringList file = uscita.nuovi(2);
        QCOMPARE(file.size(), 2);
        for (const QString &pdf : file) {
            const CartellaPdf::Info info = CartellaPdf::info(pdf);
            QCOMPARE(info.pagine, 1);
            QVERIFY(qAbs(qMin(info.pagina.width(), info.pagina.height()) - 595) < 2);
            const QRectF disegno = disegnoMm(pdf, true);
            QVERIFY2(entroUnMillimetro(disegno, QRectF(10, 10, 100, 100)),
                     qPrintable(QStringLiteral("%1,%2 %3x%4").arg(disegno.x()).arg(disegno.y())
                                    .arg(disegno.width()).arg(disegno.height())));
        }
    }

    // A drawing to colour, printed at 10/10 mm, 100 x 100 mm on a portrait
    // sheet as vectors (no picture in the PDF: sharp at any size).
    void figuraDaColorare()
    {
        FormEs1 &f = *m_finestra;
        const QString frase = f.Label1()->text();
        CartellaPdf uscita;
        bool cliccata = false;
        int orientamento = 0;
        conFinestreModali([&] { voce(&f, "mnuCol")->trigger(); },
                          [&](QWidget *modale) {
                              if (auto *figure = qobject_cast<Form1 *>(modale)) {
                                  if (cliccata) {
                                      figure->mnuesci_Click();
                                      return true;
                                  }
                                  cliccata = true;
                                  // Clicked once this step is over: the print
                                  // window it opens is the next step.
                                  QTimer::singleShot(0, figure, [figure] {
                                      QTest::mouseClick(figure->Picture1(2), Qt::LeftButton);
                                  });
                                  return false;
                              }
                              if (auto *stampa = qobject_cast<frmStampa *>(modale)) {
                                  orientamento = stampa->Impostazioni().orientamento;
                                  stampa->cmdStampa_Click();
                              }
                              return false;
                          });
        QVERIFY(cliccata);
        QCOMPARE(orientamento, 1);
        QCOMPARE(f.Label1()->text(), frase);
        const QStringList file = uscita.nuovi(1);
        QCOMPARE(file.size(), 1);
        QCOMPARE(immaginiNelPdf(file.first()), 0);
        const QRectF disegno = disegnoMm(file.first(), false);
        // The drawing keeps its own margins inside the square.
        QVERIFY2(disegno.left() >= 9 && disegno.top() >= 9 && disegno.right() <= 111 && disegno.bottom() <= 111
                     && disegno.width() > 90,
                 qPrintable(QStringLiteral("%1,%2 %3x%4").arg(disegno.x()).arg(disegno.y())
                                .arg(disegno.width()).arg(disegno.height())));
    }
};

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    TestStampaEsercizio t;
    return QTest::qExec(&t, argc, argv);
}

#include "tst_stampa_esercizio.moc"
