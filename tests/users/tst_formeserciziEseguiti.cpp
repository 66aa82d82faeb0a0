#include "ChiaviLingua.h"
#include "../menu/AmbienteMenu.h"

#include "DialoghiFinti.h"
#include "core/TestoFile.h"
#include "exercises/es1/FormEs1.h"
#include "users/FileRegistro.h"
#include "users/FormEserciziEseguiti.h"
#include "users/GrigliaEsercizi.h"
#include "users/RegistroAttivita.h"
#include "users/Utenti.h"
#include "platform/Stampanti.h"

#include <QAction>
#include <QFile>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPdfWriter>
#include <QPointer>
#include <QProcess>
#include <QScreen>

namespace {

QString fixture(const QString &nome)
{
    return QStringLiteral(PINNOLE_FIXTURES_DIR "/registro/") + nome;
}

QByteArray contenutoDi(const QString &percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// What the grid shows, row by row, all six columns.
QStringList righeGriglia(const GrigliaEsercizi *g)
{
    QStringList righe;
    for (int r = 0; r < g->Rows(); ++r) {
        QStringList celle;
        for (int c = 0; c < g->Cols(); ++c)
            celle << g->TextMatrix(r, c);
        righe << celle.join(QLatin1Char('|'));
    }
    return righe;
}

// A printer layer whose default is the given entry; nothing else is asked.
class StampantiFinte : public Stampanti
{
public:
    explicit StampantiFinte(QString predefinita)
        : m_predefinita(std::move(predefinita))
    {
        impostaStampanti(this);
    }
    ~StampantiFinte() override { impostaStampanti(nullptr); }
    QStringList nomi() override { return {nomeFilePdf()}; }
    QString predefinita() override { return m_predefinita; }
    bool apri(const QString &, ImpostazioniStampa &) override { return false; }
    std::optional<QSizeF> areaStampabile(const QString &, const ImpostazioniStampa &) override { return {}; }
    bool proprieta(QWidget *, const QString &, ImpostazioniStampa &) override { return false; }
    RisultatoLavoro stampa(QWidget *, const QString &, const ImpostazioniStampa &, const Stampabile &,
                           const RettangoloMm &, const QString &, int) override
    {
        return {};
    }

private:
    QString m_predefinita;
};

} // namespace

// The activity viewer, opened from the real menu after real exercise runs,
// with its file dialog answered by a fake and its messages recorded.
class TestFormEserciziEseguiti : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AmbienteMenu> m_ambiente;
    std::unique_ptr<DialoghiFinti> m_dialoghi;
    QTemporaryDir m_file;

    // Opens the viewer from the menu, as a teacher does.
    FormEserciziEseguiti *apriDalMenu()
    {
        Stato().imp.TracciaAttivita = true;
        FormMenu *menu = m_ambiente->apriMenu();
        if (!menu->mnuEserciziEseguiti()->isVisible() || !menu->mnuEserciziEseguiti()->isEnabled())
            return nullptr;
        menu->mnuEserciziEseguiti()->trigger();
        auto *vista = AmbienteMenu::aperta<FormEserciziEseguiti>();
        if (!vista || !QTest::qWaitFor([vista] { return vista->attivata(); }))
            return nullptr;
        return vista;
    }

    // The table of two runs played through the table's rules.
    static void dueEsecuzioni()
    {
        StatoProgramma &s = Stato();
        iniziaRigaEsercizio(s, QStringLiteral("Vero o falso"));
        s.RisposteEsatte = 7;
        s.PressioniIgnorate = 4;
        completaSegmento(s, 1);
        s.RisposteEsatte = 2;
        s.RisposteErrate = 1;
        s.PressioniIgnorate = 12;
        completaSegmento(s, 2);
        iniziaRigaEsercizio(s, QStringLiteral("Uguali - 1°"));
        s.RisposteEsatte = 3;
        s.RisposteErrate = 4;
        s.PressioniIgnorate = 0;
        completaSegmento(s, 1);
    }

    QString cartellaUtente() const { return Percorsi::cartellaDati() + Stato().UtenteCorrente + QLatin1Char('/'); }

private slots:
    void initTestCase()
    {
        m_ambiente = std::make_unique<AmbienteMenu>();
        QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    }
    void init()
    {
        m_ambiente->azzera();
        m_dialoghi.reset();
        m_dialoghi = std::make_unique<DialoghiFinti>();
        // The count headings the start procedure fetches.
        Stato().IntestazioneLivello = MLSGetText(QStringLiteral("0105")) + QLatin1Char(' ');
        Stato().IntestazioneEsatti = MLSGetText(QStringLiteral("0004")) + QLatin1Char(' ');
        Stato().IntestazioneErrati = MLSGetText(QStringLiteral("0005")) + QLatin1Char(' ');
        Stato().IntestazioneIgnorate = MLSGetText(QStringLiteral("0159")) + QLatin1Char(' ');
    }
    void cleanup()
    {
        m_ambiente->chiudiFinestre();
        m_dialoghi.reset();
        impostaStampanti(nullptr);
    }
    void cleanupTestCase() { m_ambiente.reset(); }

    // Every text of the window's section of both language files names a
    // control of the window, so no control keeps its Italian text.
    void testiDellaLingua()
    {
        FormEserciziEseguiti *vista = apriDalMenu();
        QVERIFY(vista);
        const QString mancanti = chiaviSenzaControllo(vista);
        QVERIFY2(mancanti.isEmpty(), qPrintable(mancanti));
    }

    // A teacher's session: "Vero o falso" with a level change then "Esci",
    // a second run closed by the window frame, then the viewer: every
    // segment in its row, the runs parted by an empty row, the closed run
    // with its name and no counts.
    void mostraOgniSegmento()
    {
        Stato().imp.PassaggioLivelli = false;
        FormMenu *menu = m_ambiente->apriMenu();
        menu->AvviaEsercizi(0);
        QPointer<FormEs1> es1 = AmbienteMenu::aperta<FormEs1>();
        QVERIFY(es1);
        QTRY_VERIFY(!es1->Label1()->text().isEmpty());
        es1->Command1_Click(es1->esercizio().rispostaGiusta());
        es1->mnuLiv_Click(2);
        es1->Command1_Click(1 - es1->esercizio().rispostaGiusta());
        es1->mnuEsci()->trigger();
        QTRY_VERIFY(AmbienteMenu::aperta<FormMenu>() && AmbienteMenu::aperta<FormMenu>()->attivata());
        AmbienteMenu::aperta<FormMenu>()->AvviaEsercizi(0);
        QTRY_VERIFY(AmbienteMenu::aperta<FormEs1>() && AmbienteMenu::aperta<FormEs1>() != es1);
        AmbienteMenu::aperta<FormEs1>()->close();
        QTRY_VERIFY(AmbienteMenu::aperta<FormMenu>() && AmbienteMenu::aperta<FormMenu>()->attivata());
        AmbienteMenu::aperta<FormMenu>()->close(); // deleted below; the viewer opens a fresh menu
        m_ambiente->fini = 0;

        FormEserciziEseguiti *vista = apriDalMenu();
        QVERIFY(vista);
        const QString vof = MLSGetText(QStringLiteral("0065"));
        QCOMPARE(righeGriglia(vista->MSFlexGrid1()),
                 (QStringList {QStringLiteral("|Esercizio|Livello |Esatti |Errati |Ignorate "),
                               QStringLiteral("1|%1|1|1|0|0").arg(vof), QStringLiteral("2||2|0|1|0"),
                               QStringLiteral("3|||||"), QStringLiteral("4|%1||||").arg(vof)}));
        QCOMPARE(vista->Label1()->text(), QStringLiteral("_predefinito"));
        QCOMPARE(vista->Label2()->text(),
                 QStringLiteral("Esercizi eseguiti il ")
                     + QLocale(QLocale::Italian).toString(QDate::currentDate(), QStringLiteral("dd/MM/yy")));
        QVERIFY(vista->Label3()->text().isEmpty());
    }

    // The window is full-screen before the columns are sized: a unit is the
    // grid's width / 24 and the columns take 1, 10, 3, 3, 3, 3 units, also
    // after a resize; alignments centred, centred, centred, left, left, left.
    void colonneDallaLarghezzaFinale()
    {
        dueEsecuzioni();
        FormEserciziEseguiti *vista = apriDalMenu();
        QVERIFY(vista);
        GrigliaEsercizi *g = vista->MSFlexGrid1();
        QCOMPARE(vista->geometry(), vista->screen()->geometry());
        QVERIFY(g->width() > vista->width() * 9 / 10);
        for (int passo = 0; passo < 2; ++passo) {
            const int unita = g->width() * 15 / 24;
            QCOMPARE(g->ColWidth(0), unita / 15);
            QCOMPARE(g->ColWidth(1), 10 * unita / 15);
            QCOMPARE(g->ColWidth(4), 3 * unita / 15);
            QCOMPARE(g->ColWidth(5), 3 * unita / 15);
            const int prima = g->width();
            vista->resize(vista->width() / 2, vista->height() / 2);
            QTRY_VERIFY(g->width() < prima * 2 / 3);
        }
        QCOMPARE(QList<int>({g->ColAlignment(0), g->ColAlignment(1), g->ColAlignment(2), g->ColAlignment(3),
                             g->ColAlignment(4), g->ColAlignment(5)}),
                 QList<int>({3, 3, 3, 0, 0, 0}));
        QCOMPARE(g->item(0, 2)->textAlignment(), int(Qt::AlignLeft | Qt::AlignTop));
        QCOMPARE(g->item(0, 0)->textAlignment(), int(Qt::AlignHCenter | Qt::AlignTop));
    }

    // The grid has NumeroRighe + 1 rows, never beyond the table's 500.
    void righeDellaTabella_data()
    {
        QTest::addColumn<int>("numeroRighe");
        QTest::addColumn<int>("righeGriglia");
        QTest::newRow("empty table: the heading alone") << 0 << 1;
        QTest::newRow("row 500 in use") << 500 << 501;
        QTest::newRow("a full table") << 501 << 501;
    }
    void righeDellaTabella()
    {
        QFETCH(int, numeroRighe);
        QFETCH(int, righeGriglia);
        Stato().NumeroRighe = qint16(numeroRighe);
        Stato().RegistroAttivita[500][0] = QStringLiteral("ultima");
        FormEserciziEseguiti *vista = apriDalMenu();
        QVERIFY(vista);
        GrigliaEsercizi *g = vista->MSFlexGrid1();
        QCOMPARE(g->Rows(), righeGriglia);
        QCOMPARE(g->TextMatrix(righeGriglia - 1, 0), righeGriglia > 1 ? QString::number(righeGriglia - 1) : QString());
        QCOMPARE(g->TextMatrix(righeGriglia - 1, 1), righeGriglia == 501 ? QStringLiteral("ultima") : QStringLiteral("Esercizio"));
    }

    // A change of user empties the table: the viewer shows the heading alone.
    void unAltroUtenteVedeLaTabellaVuota()
    {
        dueEsecuzioni();
        scegliUtente(Stato(), QStringLiteral("Anna"));
        FormEserciziEseguiti *vista = apriDalMenu();
        QVERIFY(vista);
        QCOMPARE(vista->MSFlexGrid1()->Rows(), 1);
        QCOMPARE(vista->Label1()->text(), QStringLiteral("Anna"));
    }

    // "Salva" asks the save dialog in the user's record folder (created
    // when missing) and writes exactly what the grid shows, the ignored
    // presses in the companion file and the record file as it always was;
    // "Apri" shows the file again under the file's heading, with the counts
    // when their companion is there and blank when it is not; saving that
    // gives the same bytes.
    void salvaEApri()
    {
        dueEsecuzioni();
        Stato().UtenteCorrente = QStringLiteral("Niccolò");
        FormEserciziEseguiti *vista = apriDalMenu();
        QVERIFY(vista);
        vista->Label2()->setText(QStringLiteral("Esercizi eseguiti il 10/12/26")); // the fixture's day
        const QString salvato = m_file.filePath(QStringLiteral("salvato.rpt"));
        m_dialoghi->percorsi << salvato;
        vista->mnuSalva()->trigger();
        QCOMPARE(m_dialoghi->richiesteFile.size(), 1);
        const RichiestaFile &r = m_dialoghi->richiesteFile.first();
        QVERIFY(!r.apri);
        QCOMPARE(r.titolo, QStringLiteral("Salva"));
        QCOMPARE(r.filtro, QStringLiteral("|*.rpt"));
        QCOMPARE(r.estensionePredefinita, QStringLiteral("rpt"));
        QCOMPARE(r.cartellaIniziale, cartellaUtente());
        QVERIFY(QFileInfo(cartellaUtente()).isDir());
        QCOMPARE(m_dialoghi->proprietari.first(), vista);
        QCOMPARE(contenutoDi(salvato), contenutoDi(fixture(QStringLiteral("due_esecuzioni.rpt"))));
        QCOMPARE(contenutoDi(salvato + QStringLiteral(".ignorate")),
                 "5\r\n4\r\n12\r\n\r\n0\r\n\r\nimpronta=" + TestoFile::impronta(contenutoDi(salvato)).toLatin1() + "\r\n");
        QVERIFY(m_ambiente->messaggi->mostrati.isEmpty());

        // The fixture read back into a fresh viewer of another table.
        m_ambiente->chiudiFinestre();
        init();
        vista = apriDalMenu();
        QVERIFY(vista);
        QCOMPARE(vista->MSFlexGrid1()->Rows(), 1);
        m_dialoghi->percorsi << fixture(QStringLiteral("due_esecuzioni.rpt"));
        vista->mnuApri()->trigger();
        QCOMPARE(m_dialoghi->richiesteFile.size(), 1);
        QVERIFY(m_dialoghi->richiesteFile.first().apri);
        QCOMPARE(m_dialoghi->richiesteFile.first().titolo, QStringLiteral("Apri"));
        QCOMPARE(vista->Label1()->text(), QStringLiteral("Niccolò"));
        QCOMPARE(vista->Label2()->text(), QStringLiteral("Esercizi eseguiti il 10/12/26"));
        QCOMPARE(righeGriglia(vista->MSFlexGrid1()),
                 (QStringList {QStringLiteral("|Esercizio (dal file)|Livello |Esatti |Errati |Ignorate "),
                               QStringLiteral("1|Vero o falso|1|7|0|"), QStringLiteral("2||2|2|1|"),
                               QStringLiteral("3|||||"), QStringLiteral("4|Uguali - 1°|1|3|4|"),
                               QStringLiteral("5|||||")}));
        m_dialoghi->percorsi << salvato;
        vista->mnuApri()->trigger();
        QCOMPARE(righeGriglia(vista->MSFlexGrid1()).mid(1),
                 (QStringList {QStringLiteral("1|Vero o falso|1|7|0|4"), QStringLiteral("2||2|2|1|12"),
                               QStringLiteral("3|||||"), QStringLiteral("4|Uguali - 1°|1|3|4|0"),
                               QStringLiteral("5|||||")}));
        m_dialoghi->percorsi << fixture(QStringLiteral("due_esecuzioni.rpt"));
        vista->mnuApri()->trigger();
        const QString risalvato = m_file.filePath(QStringLiteral("risalvato.rpt"));
        m_dialoghi->percorsi << risalvato;
        vista->mnuSalva()->trigger();
        QCOMPARE(contenutoDi(risalvato), contenutoDi(fixture(QStringLiteral("due_esecuzioni.rpt"))));
        QVERIFY(m_ambiente->messaggi->mostrati.isEmpty());
        QCOMPARE(Stato().NumeroRighe, qint16(0)); // the table itself is untouched
    }

    // Cancelling a dialog is no failure: no message, the grid as it was.
    // A failed save or a damaged file gives its message, and the grid
    // still shows what it showed.
    void annulliEFallimenti_data()
    {
        QTest::addColumn<bool>("apri");
        QTest::addColumn<QByteArray>("file"); // what the chosen file holds; null: cancelled
        QTest::addColumn<QString>("messaggio");
        QTest::newRow("save cancelled") << false << QByteArray() << QString();
        QTest::newRow("open cancelled") << true << QByteArray() << QString();
        QTest::newRow("save into a missing folder") << false << QByteArray("") << QStringLiteral("0078");
        QTest::newRow("open a missing file") << true << QByteArray("") << QStringLiteral("0077");
        QTest::newRow("open a short file") << true << QByteArray("Anna\r\nOggi\r\n 3 \r\nInsiemi\r\n") << QStringLiteral("0077");
        QTest::newRow("open a file with a word for R") << true << QByteArray("Anna\r\nOggi\r\n tre \r\n\r\n")
                                                       << QStringLiteral("0077");
        QTest::newRow("open a file with a huge R") << true << QByteArray("Anna\r\nOggi\r\n 30000 \r\n\r\n")
                                                   << QStringLiteral("0077");
        QTest::newRow("open a picture") << true << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\xff", 17)
                                        << QStringLiteral("0077");
    }
    void annulliEFallimenti()
    {
        QFETCH(bool, apri);
        QFETCH(QByteArray, file);
        QFETCH(QString, messaggio);
        dueEsecuzioni();
        FormEserciziEseguiti *vista = apriDalMenu();
        QVERIFY(vista);
        const QStringList prima = righeGriglia(vista->MSFlexGrid1());
        const QString etichettaPrima = vista->Label2()->text();
        QString percorso;
        if (!file.isNull()) {
            percorso = m_file.filePath(file.isEmpty() ? QStringLiteral("manca/x.rpt") : QStringLiteral("rotto.rpt"));
            if (!file.isEmpty()) {
                QFile f(percorso);
                QVERIFY(f.open(QIODevice::WriteOnly));
                f.write(file);
            }
            m_dialoghi->percorsi << percorso;
        }
        (apri ? vista->mnuApri() : vista->mnuSalva())->trigger();
        QCOMPARE(m_dialoghi->richiesteFile.size(), 1);
        if (messaggio.isEmpty()) {
            QVERIFY(m_ambiente->messaggi->mostrati.isEmpty());
        } else {
            QCOMPARE(m_ambiente->messaggi->mostrati, QStringList {MLSGetText(messaggio)});
            QCOMPARE(m_ambiente->messaggi->titoli, QStringList {QStringLiteral("Pinnole")});
            QCOMPARE(m_ambiente->messaggi->icone.first(), IconaMessaggio::Critico);
        }
        QCOMPARE(righeGriglia(vista->MSFlexGrid1()), prima);
        QCOMPARE(vista->Label2()->text(), etichettaPrima);
        QVERIFY(!QFileInfo::exists(m_file.filePath(QStringLiteral("manca"))));
    }

    // "Stampa" asks first: No prints nothing and shows no notice; Yes shows
    // the notice and prints the grid on a landscape page (here the default
    // is the "PDF file" entry, which asks where to save); with no printer,
    // or a cancelled save, the user is told only what happened.
    void stampa_data()
    {
        QTest::addColumn<RispostaDomanda>("risposta");
        QTest::addColumn<QString>("predefinita");
        QTest::addColumn<bool>("salva");
        QTest::addColumn<QStringList>("messaggi");
        const QString pdf = Stampanti::nomeFilePdf();
        QTest::newRow("no") << RispostaDomanda::No << pdf << true << QStringList {};
        QTest::newRow("yes") << RispostaDomanda::Si << pdf << true << QStringList {QStringLiteral("0080")};
        QTest::newRow("yes, the save cancelled") << RispostaDomanda::Si << pdf << false
                                                 << QStringList {QStringLiteral("0080")};
        QTest::newRow("yes with no printer") << RispostaDomanda::Si << QString() << true
                                             << QStringList {QStringLiteral("0080"), QStringLiteral("0098")};
    }
    void stampa()
    {
        QFETCH(RispostaDomanda, risposta);
        QFETCH(QString, predefinita);
        QFETCH(bool, salva);
        QFETCH(QStringList, messaggi);
        StampantiFinte finte(predefinita);
        dueEsecuzioni();
        FormEserciziEseguiti *vista = apriDalMenu();
        QVERIFY(vista);
        const QString pdf = m_file.filePath(QStringLiteral("griglia.pdf"));
        QFile::remove(pdf);
        if (salva)
            m_dialoghi->percorsi << pdf;
        m_ambiente->messaggi->risposteSiNo << risposta;
        vista->mnuStampa()->trigger();

        QCOMPARE(m_ambiente->messaggi->domandeSiNo, QStringList {MLSGetText(QStringLiteral("0079"))});
        QCOMPARE(m_ambiente->messaggi->pulsantiDomande.first(), PulsantiDomanda::SiNo);
        QCOMPARE(m_ambiente->messaggi->titoliDomande.first(), QStringLiteral("Pinnole"));
        QStringList attesi;
        for (const QString &chiave : messaggi)
            attesi << MLSGetText(chiave);
        QCOMPARE(m_ambiente->messaggi->mostrati, attesi);
        const bool stampato = risposta == RispostaDomanda::Si && !predefinita.isEmpty();
        QCOMPARE(m_dialoghi->richiesteFile.size(), stampato ? 1 : 0);
        QCOMPARE(QFileInfo::exists(pdf), stampato && salva);
        if (!QFileInfo::exists(pdf))
            return;
        QCOMPARE(m_dialoghi->richiesteFile.first().estensionePredefinita, QStringLiteral("pdf"));
        QProcess info;
        info.start(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY(info.waitForFinished(30000));
        QVERIFY2(QString::fromUtf8(info.readAllStandardOutput()).contains(QStringLiteral("842 x 595")),
                 "not an A4 landscape page");
        QProcess testo;
        testo.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(testo.waitForFinished(30000));
        const QString letto = QString::fromUtf8(testo.readAllStandardOutput()).simplified();
        QVERIFY2(letto.contains(QStringLiteral("1 Vero o falso 1 7 0")), qPrintable(letto));
        QVERIFY(letto.contains(QStringLiteral("4 Uguali - 1° 1 3 4")));
        QVERIFY(letto.startsWith(QStringLiteral("_predefinito _predefinito Esercizi eseguiti il")));
    }

    // "Esci" and the window frame both bring the menu back.
    void esciTornaAlMenu_data()
    {
        QTest::addColumn<bool>("conEsci");
        QTest::newRow("Esci") << true;
        QTest::newRow("window frame") << false;
    }
    void esciTornaAlMenu()
    {
        QFETCH(bool, conEsci);
        FormEserciziEseguiti *vista = apriDalMenu();
        QVERIFY(vista);
        QTRY_VERIFY(!AmbienteMenu::aperta<FormMenu>());
        if (conEsci)
            vista->mnuEsci()->trigger();
        else
            vista->close();
        QTRY_VERIFY(AmbienteMenu::aperta<FormMenu>());
        QVERIFY(!AmbienteMenu::aperta<FormEserciziEseguiti>());
        QCOMPARE(m_ambiente->fini, 0);
    }
};

QTEST_MAIN(TestFormEserciziEseguiti)
#include "tst_formeserciziEseguiti.moc"
