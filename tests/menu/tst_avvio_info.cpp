#include "ChiaviLingua.h"
#include "AmbienteMenu.h"

#include "core/TestoFile.h"
#include "exercises/es1/FormEs1.h"
#include "framework/Pulsante.h"
#include "menu/FormAvvio.h"
#include "menu/FormInfo.h"
#include "menu/Immagine.h"

#include <QLabel>
#include <QPointer>

// The splash and the about window, shown for real.
class TestAvvioInfo : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AmbienteMenu> m_ambiente;

    template<typename Finestra>
    Finestra *mostra()
    {
        auto *f = new Finestra;
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->show();
        if (!QTest::qWaitFor([f] { return f->attivata(); }))
            qWarning("the window did not activate");
        return f;
    }

    // A program folder whose language gives only the about window's lines 9996 and 9998.
    void cartellaConDueRighe(const QTemporaryDir &cartella)
    {
        QDir().mkpath(cartella.filePath(QStringLiteral("lngpinnole")));
        TestoFile::scriviRighe(cartella.filePath(QStringLiteral("lngpinnole/LangSetting.ini")),
                               {QStringLiteral("[Language]"), QStringLiteral("CurrentLanguage=Prova")});
        TestoFile::scriviRighe(cartella.filePath(QStringLiteral("lngpinnole/Prova.lng")),
                               {QStringLiteral("[Strings]"), QStringLiteral("0191=\"Programma di\""),
                                QStringLiteral("9996=\"Prima riga\""),
                                QStringLiteral("9998=\"Terza riga\"")});
        Percorsi::impostaCartellaProgramma(cartella.path());
        Lingua::svuotaCache();
        LinguaCorrente() = QStringLiteral("Prova");
    }

private slots:
    void initTestCase() { m_ambiente = std::make_unique<AmbienteMenu>(); }
    void init() { m_ambiente->azzera(); }
    void cleanup()
    {
        m_ambiente->chiudiFinestre();
        Lingua::svuotaCache();
    }
    void cleanupTestCase() { m_ambiente.reset(); }

    // Every text of the windows' sections of both language files names a
    // control of its window, so no control keeps its Italian text.
    void testiDellaLingua()
    {
        const QList<QWidget *> finestre{mostra<FormAvvio>(), mostra<FormInfo>(), m_ambiente->apriMenu()};
        for (QWidget *finestra : finestre) {
            const QString mancanti = chiaviSenzaControllo(finestra);
            QVERIFY2(mancanti.isEmpty(), qPrintable(finestra->objectName() + QLatin1String(": ") + mancanti));
        }
    }

    // The background fades from white at the top to green at the bottom:
    // band i ends at i / 256 of the height.
    void sfumaturaDellAvvio_data()
    {
        QTest::addColumn<double>("altezza"); // fraction of the window's height
        QTest::addColumn<QColor>("colore");
        QTest::newRow("top row: band 1") << 0.0 << QColor(254, 255, 254);
        QTest::newRow("three quarters down: band 192") << 191.5 / 256 << QColor(63, 255, 63);
        QTest::newRow("bottom row: band 255") << 1.0 << QColor(0, 255, 0);
    }
    void sfumaturaDellAvvio()
    {
        QFETCH(double, altezza);
        QFETCH(QColor, colore);
        FormAvvio *avvio = mostra<FormAvvio>();
        const QImage immagine = avvio->grab().toImage();
        const int y = qMin(immagine.height() - 1, int(altezza * immagine.height()));
        QCOMPARE(immagine.pixelColor(2, y), colore);
    }

    // A click, or the release of Space or Enter, opens the menu in place of
    // the splash; the key is over before the menu opens, so the menu does
    // not act on it as well.
    void ilPulsanteApreIlMenu_data()
    {
        QTest::addColumn<int>("tasto"); // 0: a click
        QTest::newRow("click") << 0;
        QTest::newRow("space") << int(Qt::Key_Space);
        QTest::newRow("enter") << int(Qt::Key_Return);
    }
    void ilPulsanteApreIlMenu()
    {
        QFETCH(int, tasto);
        Stato().imp.ModoInput = IngressoTastiera;
        QPointer<FormAvvio> avvio = mostra<FormAvvio>();
        QTRY_VERIFY(avvio->Command1()->hasFocus());
        if (tasto == 0) {
            QTest::mouseClick(avvio->Command1(), Qt::LeftButton);
        } else {
            QTest::keyPress(avvio->Command1(), static_cast<Qt::Key>(tasto));
            QVERIFY(!AmbienteMenu::aperta<FormMenu>());
            QTest::keyRelease(avvio->Command1(), static_cast<Qt::Key>(tasto));
        }
        QTRY_VERIFY(AmbienteMenu::aperta<FormMenu>() && AmbienteMenu::aperta<FormMenu>()->attivata());
        QTRY_VERIFY(avvio.isNull());
        QVERIFY(!AmbienteMenu::aperta<FormEs1>());
    }

    // The child's acceptance time holds for the opening window's button: a
    // quick tap does nothing, a stroke held long enough opens the menu.
    void ilPulsanteSegueITempiDelBambino()
    {
        Stato().imp.ModoInput = IngressoTastiera;
        Stato().accesso.accettazioneMs = 300;
        QPointer<FormAvvio> avvio = mostra<FormAvvio>();
        QTRY_VERIFY(avvio->Command1()->hasFocus());
        QTest::keyPress(avvio->Command1(), Qt::Key_Space);
        QTest::qWait(50);
        QTest::keyRelease(avvio->Command1(), Qt::Key_Space);
        QTest::qWait(100);
        QVERIFY(!AmbienteMenu::aperta<FormMenu>());
        QTest::keyPress(avvio->Command1(), Qt::Key_Space);
        QTest::qWait(400);
        QTest::keyRelease(avvio->Command1(), Qt::Key_Space);
        QTRY_VERIFY(AmbienteMenu::aperta<FormMenu>());
    }

    // Label4 shows the extra lines the language gives, one per line.
    void leRigheDelleInformazioni()
    {
        QTemporaryDir cartella;
        cartellaConDueRighe(cartella);
        FormInfo *info = mostra<FormInfo>();
        QCOMPARE(info->Label(4)->text(), QStringLiteral("Prima riga\nTerza riga\n"));
        QVERIFY(info->Label(1)->text().startsWith(QStringLiteral("Programma di\n ")));
        QVERIFY(info->Label(2)->text().isEmpty());
        QCOMPARE(info->Label(3)->text(), QStringLiteral("\n\n"));
    }

    // The picture hands the presentation document to the desktop; without
    // the document, or without an application to read it, a message says so
    // with the file's path, and the window stays usable.
    void laFiguraApreIlDocumento_data()
    {
        QTest::addColumn<bool>("presente");
        QTest::addColumn<bool>("lettore");
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("document present") << true << true << QString();
        QTest::newRow("no application to read it") << true << false << "manca un programma";
        // The program folder of this case has no language files: the path alone.
        QTest::newRow("document missing") << false << true << "/documento.pdf";
    }
    void laFiguraApreIlDocumento()
    {
        QFETCH(bool, presente);
        QFETCH(bool, lettore);
        QFETCH(QString, messaggio);
        QTemporaryDir cartella;
        if (!presente)
            cartellaConDueRighe(cartella);
        m_ambiente->documenti->riesce = lettore;
        FormInfo *info = mostra<FormInfo>();
        QTest::mouseClick(info->Image1(), Qt::LeftButton, {}, info->Image1()->rect().center());
        QCOMPARE(m_ambiente->documenti->aperti.size(), presente ? 1 : 0);
        if (presente)
            QVERIFY(m_ambiente->documenti->aperti.first().endsWith(QLatin1String("/documento.pdf")));
        QVERIFY(info->isVisible());
        if (messaggio.isEmpty()) {
            QVERIFY(m_ambiente->messaggi->mostrati.isEmpty());
        } else {
            QCOMPARE(m_ambiente->messaggi->mostrati.size(), 1);
            QVERIFY(m_ambiente->messaggi->mostrati.first().contains(messaggio));
            QVERIFY(m_ambiente->messaggi->mostrati.first().endsWith(QLatin1String("documento.pdf")));
        }
        m_ambiente->documenti->riesce = true;
    }

    // "Chiudi", by mouse or by key, goes back to the menu.
    void chiudiTornaAlMenu_data()
    {
        QTest::addColumn<int>("tasto"); // 0: a click
        QTest::newRow("click") << 0;
        QTest::newRow("space") << int(Qt::Key_Space);
    }
    void chiudiTornaAlMenu()
    {
        QFETCH(int, tasto);
        QPointer<FormInfo> info = mostra<FormInfo>();
        if (tasto == 0) {
            QTest::mouseClick(info->Command1(), Qt::LeftButton);
        } else {
            QTRY_VERIFY(info->Command1()->hasFocus());
            QTest::keyPress(info->Command1(), static_cast<Qt::Key>(tasto));
            QTest::keyRelease(info->Command1(), static_cast<Qt::Key>(tasto));
        }
        QTRY_VERIFY(AmbienteMenu::aperta<FormMenu>());
        QTRY_VERIFY(info.isNull());
        QCOMPARE(m_ambiente->fini, 0);
    }
};

QTEST_MAIN(TestAvvioInfo)
#include "tst_avvio_info.moc"
