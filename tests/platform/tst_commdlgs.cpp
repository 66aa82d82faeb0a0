#include "platform/CommDlgs.h"
#include "platform/CommDlgsQt.h"
#include "platform/MessaggiQt.h"
#include "platform/Pannello.h"

#include "DialoghiFinti.h"

#include <QApplication>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFontDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>

// The colour, font and file choices, through the scripted fake and through
// the real Qt dialogs; the message and question boxes.
class TestCommDlgs : public QObject
{
    Q_OBJECT

    // Runs `risposta` on the modal dialog as soon as it is shown.
    static void quandoAperto(std::function<void(QWidget *)> risposta)
    {
        auto *t = new QTimer;
        t->setInterval(10);
        QObject::connect(t, &QTimer::timeout, t, [t, risposta] {
            QWidget *w = QApplication::activeModalWidget();
            if (!w)
                w = pannelloAperto();
            if (w) {
                t->stop();
                t->deleteLater();
                risposta(w);
            }
        });
        t->start();
    }

private slots:
    // A confirmed colour becomes the control's text colour; a cancelled one
    // leaves the control as it was.
    void coloreConfermatoOAnnullato()
    {
        DialoghiFinti finti;
        QWidget proprietario;
        QLabel etichetta;
        const QColor prima = coloreTesto(&etichetta);
        finti.colori << std::nullopt << QColor(12, 34, 56);
        QVERIFY(!ScegliColore(&proprietario, &etichetta));
        QCOMPARE(coloreTesto(&etichetta), prima);
        QVERIFY(ScegliColore(&proprietario, &etichetta));
        QCOMPARE(coloreTesto(&etichetta), QColor(12, 34, 56));
        QCOMPARE(finti.richiesteColore, 2);
        QCOMPARE(finti.proprietari.value(1), &proprietario);
    }

    void fontApplicato_data()
    {
        QTest::addColumn<double>("punti");
        QTest::addColumn<int>("peso");
        QTest::addColumn<int>("puntiAttesi");
        QTest::addColumn<bool>("grassetto");
        QTest::newRow("12 normale") << 12.0 << int(QFont::Normal) << 12 << false;
        QTest::newRow("10.4 arrotondato giu") << 10.4 << int(QFont::Normal) << 10 << false;
        QTest::newRow("10.6 arrotondato su") << 10.6 << int(QFont::Normal) << 11 << false;
        QTest::newRow("peso 600 non grassetto") << 14.0 << int(QFont::DemiBold) << 14 << false;
        QTest::newRow("peso 700 grassetto") << 14.0 << int(QFont::Bold) << 14 << true;
        QTest::newRow("peso 900 grassetto") << 14.0 << int(QFont::Black) << 14 << true;
    }
    // The control takes the family, the size in whole points, bold from
    // weight 700, italic and underline.
    void fontApplicato()
    {
        QFETCH(double, punti);
        QFETCH(int, peso);
        QFETCH(int, puntiAttesi);
        QFETCH(bool, grassetto);
        DialoghiFinti finti;
        QFont f(QStringLiteral("DejaVu Serif"));
        f.setPointSizeF(punti);
        f.setWeight(QFont::Weight(peso));
        f.setItalic(true);
        f.setUnderline(true);
        finti.fonts << std::pair{EsitoDialogo::Confermato, f};
        QLabel etichetta;
        QCOMPARE(ScegliFont(nullptr, &etichetta), EsitoDialogo::Confermato);
        QCOMPARE(etichetta.font().family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(etichetta.font().pointSize(), puntiAttesi);
        QCOMPARE(etichetta.font().bold(), grassetto);
        QVERIFY(etichetta.font().italic());
        QVERIFY(etichetta.font().underline());
    }

    // Cancelled, failed, or answered with no family: the control keeps its font.
    void fontNonSceltoNonCambiaNulla()
    {
        DialoghiFinti finti;
        finti.fonts << std::pair{EsitoDialogo::Annullato, QFont(QStringLiteral("Arial"))}
                    << std::pair{EsitoDialogo::Fallito, QFont(QStringLiteral("Arial"))}
                    << std::pair{EsitoDialogo::Confermato, QFont(QString())};
        QLabel etichetta;
        QFont prima(QStringLiteral("DejaVu Sans"), 9);
        etichetta.setFont(prima);
        QCOMPARE(ScegliFont(nullptr, &etichetta), EsitoDialogo::Annullato);
        QCOMPARE(ScegliFont(nullptr, &etichetta), EsitoDialogo::Fallito);
        QCOMPARE(ScegliFont(nullptr, &etichetta), EsitoDialogo::Fallito);
        QCOMPARE(etichetta.font(), prima);
    }

    // Mode 1 asks the open dialog, any other mode the save dialog, with every
    // detail passed on; a cancelled dialog gives the empty text.
    void fileApriOSalva()
    {
        DialoghiFinti finti;
        finti.percorsi << QStringLiteral("/tmp/a.rpt") << QString() << QStringLiteral("/tmp/b.rpt");
        QCOMPARE(ScegliFile(nullptr, 1, QStringLiteral("Apri"), QStringLiteral("x.rpt"),
                            QStringLiteral("Attività|*.rpt"), QStringLiteral("/tmp"), QStringLiteral("rpt")),
                 QStringLiteral("/tmp/a.rpt"));
        QCOMPARE(ScegliFile(nullptr, 2, QStringLiteral("Salva"), QString(), QString(), QString(), QString()),
                 QString());
        QCOMPARE(ScegliFile(nullptr, 0, QStringLiteral("Salva"), QString(), QString(), QString(), QString()),
                 QStringLiteral("/tmp/b.rpt"));
        QCOMPARE(finti.richiesteFile.size(), 3);
        const RichiestaFile &r = finti.richiesteFile[0];
        QVERIFY(r.apri);
        QCOMPARE(r.titolo, QStringLiteral("Apri"));
        QCOMPARE(r.nomePredefinito, QStringLiteral("x.rpt"));
        QCOMPARE(r.filtro, QStringLiteral("Attività|*.rpt"));
        QCOMPARE(r.cartellaIniziale, QStringLiteral("/tmp"));
        QCOMPARE(r.estensionePredefinita, QStringLiteral("rpt"));
        QVERIFY(!finti.richiesteFile[1].apri);
        QVERIFY(!finti.richiesteFile[2].apri);
    }

    void filtri_data()
    {
        QTest::addColumn<QString>("filtro");
        QTest::addColumn<QString>("atteso");
        QTest::newRow("una voce") << "Attività (*.rpt)|*.rpt" << "Attività (*.rpt) (*.rpt)";
        QTest::newRow("due voci") << "Attività|*.rpt|Tutti i file|*.*" << "Attività (*.rpt);;Tutti i file (*.*)";
        QTest::newRow("piu modelli") << "Testi|*.txt;*.ini" << "Testi (*.txt *.ini)";
        QTest::newRow("gia nella forma Qt") << "Attività (*.rpt);;Tutti (*)" << "Attività (*.rpt);;Tutti (*)";
        QTest::newRow("vuoto") << "" << "";
    }
    void filtri()
    {
        QFETCH(QString, filtro);
        QFETCH(QString, atteso);
        QCOMPARE(filtroQt(filtro), atteso);
    }

    // Until the program installs the real dialogs, every dialog is cancelled.
    void senzaDialoghiTuttoAnnullato()
    {
        QLabel etichetta;
        QVERIFY(!ScegliColore(nullptr, &etichetta));
        QCOMPARE(ScegliFont(nullptr, &etichetta), EsitoDialogo::Annullato);
        QCOMPARE(ScegliFile(nullptr, 1, QString(), QString(), QString(), QString(), QString()), QString());
    }

    // The real colour dialog: the colour confirmed comes back opaque; a
    // cancelled dialog gives nothing.
    void coloreQt()
    {
        DialoghiQt qt;
        quandoAperto([](QWidget *w) {
            auto *d = qobject_cast<QColorDialog *>(w);
            QVERIFY(d);
            d->setCurrentColor(QColor(200, 100, 50));
            d->accept();
        });
        QCOMPARE(qt.colore(nullptr), std::optional<QColor>(QColor(200, 100, 50)));
        quandoAperto([](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); });
        QCOMPARE(qt.colore(nullptr), std::nullopt);
    }

    // The real font dialog opens on the control's font, so confirming it at
    // once changes nothing; what is chosen comes back.
    void fontQt()
    {
        DialoghiQt qt;
        QFont atteso(QStringLiteral("DejaVu Sans"), 17);
        QFont aperto;
        quandoAperto([atteso, &aperto](QWidget *w) {
            auto *d = qobject_cast<QFontDialog *>(w);
            QVERIFY(d);
            aperto = d->currentFont();
            d->setCurrentFont(atteso);
            d->accept();
        });
        QFont scelto(QStringLiteral("DejaVu Serif"), 23);
        scelto.setBold(true);
        QCOMPARE(qt.font(nullptr, &scelto), EsitoDialogo::Confermato);
        QCOMPARE(aperto.family(), QStringLiteral("DejaVu Serif"));
        QCOMPARE(aperto.pointSize(), 23);
        QVERIFY(aperto.bold());
        QCOMPARE(scelto.family(), atteso.family());
        QCOMPARE(scelto.pointSize(), 17);
        quandoAperto([](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); });
        QCOMPARE(qt.font(nullptr, &scelto), EsitoDialogo::Annullato);
    }

    // A message belongs to the window the user is looking at, also where the
    // window system names no active window; over a full-screen window it is
    // drawn inside that window.
    void ilMessaggioHaUnaFinestra()
    {
        MessaggiQt scatole;
        QWidget finestra;
        finestra.showFullScreen();
        QWidget *proprietario = nullptr;
        bool dentro = false;
        quandoAperto([&](QWidget *w) {
            proprietario = w->window();
            dentro = !w->isWindow();
            qobject_cast<QDialog *>(w)->accept();
        });
        scatole.mostra(QStringLiteral("Prova"), QStringLiteral("Pinnole"), IconaMessaggio::Nessuna);
        QCOMPARE(proprietario, &finestra);
        QVERIFY(dentro);
    }

    // A button that acts when Enter is let go opens a dialog; Enter pressed
    // in the dialog confirms it, and its release, which comes after the
    // dialog has closed, does not open the dialog again. The next stroke acts.
    void unInvioConfermaUnaVolta_data()
    {
        QTest::addColumn<QString>("dialogo");
        QTest::newRow("font") << "font";
        QTest::newRow("colour") << "colore";
        QTest::newRow("message") << "messaggio";
    }
    void unInvioConfermaUnaVolta()
    {
        QFETCH(QString, dialogo);
        DialoghiQt qt;
        MessaggiQt scatole;
        QWidget finestra;
        QPushButton bottone(&finestra);
        finestra.show();
        bottone.setFocus();
        int aperture = 0;
        const auto apri = [&] {
            ++aperture;
            quandoAperto([](QWidget *w) {
                QWidget *fuoco = w->focusWidget() ? w->focusWidget() : w;
                QTest::keyPress(fuoco, Qt::Key_Return);
            });
            QFont f;
            if (dialogo == QLatin1String("font"))
                QCOMPARE(qt.font(&finestra, &f), EsitoDialogo::Confermato);
            else if (dialogo == QLatin1String("colore"))
                QVERIFY(qt.colore(&finestra).has_value());
            else
                scatole.mostra(QStringLiteral("Prova"), QStringLiteral("Pinnole"), IconaMessaggio::Nessuna);
        };
        struct Rilascio : QObject
        {
            std::function<void()> azione;
            bool eventFilter(QObject *, QEvent *e) override
            {
                if (e->type() == QEvent::KeyRelease && static_cast<QKeyEvent *>(e)->key() == Qt::Key_Return)
                    azione();
                return false;
            }
        } rilascio;
        rilascio.azione = apri;
        bottone.installEventFilter(&rilascio);

        QTest::keyPress(&bottone, Qt::Key_Return);
        QTest::keyRelease(&bottone, Qt::Key_Return);
        QCOMPARE(aperture, 1);
        QTest::keyRelease(&bottone, Qt::Key_Return); // the release of the Enter that confirmed
        QCOMPARE(aperture, 1);
        QTest::keyPress(&bottone, Qt::Key_Return);
        QTest::keyRelease(&bottone, Qt::Key_Return);
        QCOMPARE(aperture, 2);
        QTest::keyRelease(&bottone, Qt::Key_Return);
        QCOMPARE(aperture, 2);
    }

    // The real save dialog adds the default extension; the open dialog is
    // given the initial folder.
    void fileQt()
    {
        QTemporaryDir cartella;
        DialoghiQt qt;
        RichiestaFile salva;
        salva.apri = false;
        salva.titolo = QStringLiteral("Salva");
        salva.filtro = QStringLiteral("Attività|*.rpt");
        salva.cartellaIniziale = cartella.path();
        salva.estensionePredefinita = QStringLiteral("rpt");
        salva.nomePredefinito = QStringLiteral("registro");
        quandoAperto([](QWidget *w) {
            auto *d = qobject_cast<QFileDialog *>(w);
            QVERIFY(d);
            QCOMPARE(d->windowTitle(), QStringLiteral("Salva"));
            QCOMPARE(d->acceptMode(), QFileDialog::AcceptSave);
            static_cast<QDialog *>(d)->accept();
        });
        QCOMPARE(qt.file(nullptr, salva), cartella.filePath(QStringLiteral("registro.rpt")));

        RichiestaFile apri;
        apri.cartellaIniziale = cartella.path();
        quandoAperto([](QWidget *w) { qobject_cast<QDialog *>(w)->reject(); });
        QCOMPARE(qt.file(nullptr, apri), QString());
    }

    void domande_data()
    {
        QTest::addColumn<int>("pulsanti");
        QTest::addColumn<int>("premuto");
        QTest::addColumn<int>("risposta");
        const int siNo = int(PulsantiDomanda::SiNo), siNoAnnulla = int(PulsantiDomanda::SiNoAnnulla);
        QTest::newRow("si/no: si") << siNo << int(QMessageBox::Yes) << int(RispostaDomanda::Si);
        QTest::newRow("si/no: no") << siNo << int(QMessageBox::No) << int(RispostaDomanda::No);
        QTest::newRow("si/no: esc") << siNo << 0 << int(RispostaDomanda::No);
        QTest::newRow("si/no/annulla: si") << siNoAnnulla << int(QMessageBox::Yes) << int(RispostaDomanda::Si);
        QTest::newRow("si/no/annulla: no") << siNoAnnulla << int(QMessageBox::No) << int(RispostaDomanda::No);
        QTest::newRow("si/no/annulla: annulla")
            << siNoAnnulla << int(QMessageBox::Cancel) << int(RispostaDomanda::Annulla);
        QTest::newRow("si/no/annulla: esc") << siNoAnnulla << 0 << int(RispostaDomanda::Annulla);
    }
    // The real question box: its buttons, its icon, and Escape as the
    // "do nothing" answer.
    void domande()
    {
        QFETCH(int, pulsanti);
        QFETCH(int, premuto);
        QFETCH(int, risposta);
        MessaggiQt reali;
        Messaggi &qt = reali;
        quandoAperto([pulsanti, premuto](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            QCOMPARE(box->icon(), QMessageBox::Question);
            QCOMPARE(box->windowTitle(), QStringLiteral("Pinnole"));
            QCOMPARE(box->button(QMessageBox::Cancel) != nullptr,
                     pulsanti == int(PulsantiDomanda::SiNoAnnulla));
            if (premuto)
                box->button(QMessageBox::StandardButton(premuto))->click();
            else
                QTest::keyClick(box, Qt::Key_Escape);
        });
        QCOMPARE(int(qt.domanda(QStringLiteral("Stampo?"), QStringLiteral("Pinnole"), PulsantiDomanda(pulsanti))),
                 risposta);
    }

    void icone_data()
    {
        QTest::addColumn<int>("icona");
        QTest::addColumn<int>("iconaQt");
        QTest::newRow("nessuna") << int(IconaMessaggio::Nessuna) << int(QMessageBox::NoIcon);
        QTest::newRow("critico") << int(IconaMessaggio::Critico) << int(QMessageBox::Critical);
        QTest::newRow("informazione") << int(IconaMessaggio::Informazione) << int(QMessageBox::Information);
        QTest::newRow("domanda") << int(IconaMessaggio::Domanda) << int(QMessageBox::Question);
    }
    // The real message box shows the icon asked, the text as plain text and an OK button.
    void icone()
    {
        QFETCH(int, icona);
        QFETCH(int, iconaQt);
        MessaggiQt qt;
        bool visto = false;
        quandoAperto([&visto, iconaQt](QWidget *w) {
            auto *box = qobject_cast<QMessageBox *>(w);
            QVERIFY(box);
            QCOMPARE(int(box->icon()), iconaQt);
            QCOMPARE(box->text(), QStringLiteral("<b>a</b>\nb"));
            QCOMPARE(box->textFormat(), Qt::PlainText);
            QVERIFY(box->button(QMessageBox::Ok));
            visto = true;
            box->button(QMessageBox::Ok)->click();
        });
        qt.mostra(QStringLiteral("<b>a</b>\nb"), QStringLiteral("Pinnole"), IconaMessaggio(icona));
        QVERIFY(visto);
    }
};

QTEST_MAIN(TestCommDlgs)
#include "tst_commdlgs.moc"
