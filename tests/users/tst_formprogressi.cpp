#include "../menu/AmbienteMenu.h"

#include "DialoghiFinti.h"
#include "StoriaGenerata.h"
#include "core/StoriaProgressi.h"
#include "framework/FinestraEsercizio.h"
#include "menu/FinestreMenu.h"
#include "users/FinestraProgressi.h"
#include "users/FormProgressi.h"

#include <QAction>
#include <QChartView>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTableWidget>

#include <map>

// The progress window over a generated school year: the charts show the
// figures of the history, the keys drive every control in both languages,
// the export reads back as the segments, and a damaged history is set aside
// with one message.
class TestFormProgressi : public QObject
{
    Q_OBJECT

    AmbienteMenu m_ambiente;
    const QDate m_oggi = QDate(2026, 6, 12);

    static void scriviStoria(const QString &utente, const QList<SegmentoStoria> &segmenti)
    {
        StoriaProgressi storia(percorsoStoria(utente));
        QVERIFY(storia.apri() != StoriaProgressi::Esito::Impossibile);
        for (const SegmentoStoria &s : segmenti)
            QVERIFY(storia.aggiungi(s));
    }

    static void creaUtente(const QString &nome)
    {
        QFile f(percorsoUtente(nome));
        QVERIFY(f.open(QIODevice::WriteOnly));
    }

    static void corrente(const QString &utente)
    {
        Stato().UtenteCorrente = utente;
        Stato().PercorsoImpostazioni = percorsoUtente(utente);
    }

    FormProgressi *apri()
    {
        Stato().imp.TracciaAttivita = true;
        FormMenu *menu = m_ambiente.apriMenu();
        if (!menu || !menu->mnuProgressi()->isVisible())
            return nullptr;
        menu->mnuProgressi()->trigger();
        auto *finestra = AmbienteMenu::aperta<FormProgressi>();
        if (finestra)
            finestra->impostaOggi(m_oggi);
        return finestra;
    }

    static QList<QPointF> punti(FormProgressi *f, FiguraProgressi figura)
    {
        const auto serie = f->grafico(figura)->chart()->series();
        if (serie.size() != 1)
            return {};
        return static_cast<QLineSeries *>(serie.first())->points();
    }

    // The day's figures worked out here from the segments themselves.
    struct Atteso
    {
        int livello = 0;
        int esatte = 0, errate = 0, ignorate = 0, accettate = 0;
    };
    static std::map<QDate, Atteso> attesi(const QList<SegmentoStoria> &segmenti, const QString &esercizio,
                                          const QDate &dal)
    {
        std::map<QDate, Atteso> giorni;
        for (const SegmentoStoria &s : segmenti) {
            if (s.esercizio != esercizio || (dal.isValid() && s.inizio.date() < dal))
                continue;
            Atteso &a = giorni[s.inizio.date()];
            a.livello = std::max(a.livello, s.livello);
            a.esatte += s.esatte;
            a.errate += s.errate;
            a.ignorate += s.ignorate;
            a.accettate += s.accettate;
        }
        return giorni;
    }

    static void confronta(FormProgressi *f, const QList<SegmentoStoria> &anno, const QString &esercizio,
                          const QDate &dal)
    {
        const std::map<QDate, Atteso> giorni = attesi(anno, esercizio, dal);
        const QList<QPointF> livelli = punti(f, FiguraProgressi::Livello);
        const QList<QPointF> esatte = punti(f, FiguraProgressi::Esatte);
        const QList<QPointF> ignorate = punti(f, FiguraProgressi::Ignorate);
        QCOMPARE(livelli.size(), int(giorni.size()));
        QCOMPARE(f->tabella()->rowCount(), int(giorni.size()));
        int i = 0, j = 0, k = 0;
        for (const auto &[data, a] : giorni) {
            const double x = double(data.startOfDay().toMSecsSinceEpoch());
            QCOMPARE(livelli.at(i).x(), x);
            QCOMPARE(livelli.at(i).y(), double(a.livello));
            ++i;
            if (a.esatte + a.errate > 0) {
                QCOMPARE(esatte.at(j).x(), x);
                QVERIFY(qAbs(esatte.at(j).y() - 100.0 * a.esatte / (a.esatte + a.errate)) < 1e-9);
                ++j;
            }
            // The mouse has no presses: no point for that day.
            if (a.ignorate + a.accettate > 0) {
                QCOMPARE(ignorate.at(k).x(), x);
                QVERIFY(qAbs(ignorate.at(k).y() - 10.0 * a.ignorate / (a.ignorate + a.accettate)) < 1e-9);
                ++k;
            }
        }
        QCOMPARE(esatte.size(), j);
        QCOMPARE(ignorate.size(), k);
    }

    // A semicolon-separated reader: quoted fields, doubled quotes, CR LF.
    static QList<QStringList> leggiCsv(const QString &testo)
    {
        QList<QStringList> righe;
        QStringList riga;
        QString campo;
        bool citato = false;
        for (int i = 0; i < testo.size(); ++i) {
            const QChar c = testo.at(i);
            if (citato) {
                if (c == QLatin1Char('"') && i + 1 < testo.size() && testo.at(i + 1) == QLatin1Char('"')) {
                    campo += c;
                    ++i;
                } else if (c == QLatin1Char('"')) {
                    citato = false;
                } else {
                    campo += c;
                }
            } else if (c == QLatin1Char('"')) {
                citato = true;
            } else if (c == QLatin1Char(';')) {
                riga << campo;
                campo.clear();
            } else if (c == QLatin1Char('\r') && i + 1 < testo.size() && testo.at(i + 1) == QLatin1Char('\n')) {
                riga << campo;
                campo.clear();
                righe << riga;
                riga.clear();
                ++i;
            } else {
                campo += c;
            }
        }
        return righe;
    }

private slots:
    // The window comes with its module in the program; this test links it.
    void initTestCase() { installaFinestraProgressi(); }
    void init()
    {
        m_ambiente.azzera();
        Lingua::svuotaCache();
        QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedKingdom));
    }
    void cleanup() { m_ambiente.chiudiFinestre(); }

    // The menu item shows with activity tracking only, as the history is
    // kept only then.
    void vocePerTracciaAttivita()
    {
        FormMenu *menu = m_ambiente.apriMenu();
        QVERIFY(menu);
        QTRY_VERIFY(menu->mnuEserciziEseguiti()->isVisible() == Stato().imp.TracciaAttivita);
        QVERIFY(!menu->mnuProgressi()->isVisible());
        QCOMPARE(menu->mnuProgressi()->text(), MLSGetText(QStringLiteral("0430")));
    }

    // Without its module (a file of the program missing or damaged) the menu
    // item says so and the menu stays; the window opens once it is there.
    void moduloMancanteDettoInUnMessaggio()
    {
        impostaFinestraProgressi(nullptr);
        FormMenu *menu = m_ambiente.apriMenu();
        QVERIFY(menu);
        Stato().imp.TracciaAttivita = true;
        menu->mnuProgressi()->trigger();
        QCOMPARE(m_ambiente.messaggi->mostrati.size(), 1);
        const QString testo = MLSGetText(QStringLiteral("0551"));
        QVERIFY(testo.contains(QStringLiteral("%1")));
        QVERIFY2(m_ambiente.messaggi->mostrati.first().startsWith(testo.left(testo.indexOf(QStringLiteral("%1")))),
                 qPrintable(m_ambiente.messaggi->mostrati.first()));
        QVERIFY(m_ambiente.messaggi->mostrati.first().contains(QStringLiteral("pinnole-progressi.so")));
        QVERIFY(!AmbienteMenu::aperta<FormProgressi>());
        QVERIFY(menu->isVisible());

        installaFinestraProgressi();
        menu->mnuProgressi()->trigger();
        QVERIFY(AmbienteMenu::aperta<FormProgressi>());
    }

    // A generated year of three players: for every exercise and every
    // period, each chart holds one point per date with the day's figures,
    // and the table one row per date. The other players' years never mix in.
    void annoGeneratoNeiGrafici()
    {
        const QList<SegmentoStoria> anno = annoGenerato(7);
        QVERIFY(anno.size() > 1800 && anno.size() < 2600);
        for (const QString &utente : {QStringLiteral("Marco"), QStringLiteral("Anna"), QStringLiteral("Luca")})
            creaUtente(utente);
        scriviStoria(QStringLiteral("Marco"), anno);
        scriviStoria(QStringLiteral("Anna"), annoGenerato(8));
        scriviStoria(QStringLiteral("Luca"), annoGenerato(9).mid(0, 100));
        corrente(QStringLiteral("Marco"));

        FormProgressi *f = apri();
        QVERIFY(f);
        QTRY_VERIFY(f->attivata());
        QCOMPARE(f->cboGiocatore()->currentData().toString(), QStringLiteral("Marco"));
        const std::pair<int, QDate> periodi[] = {{0, m_oggi.addDays(-27)}, {1, QDate(2025, 9, 1)}, {2, QDate()}};
        for (const auto &[indice, dal] : periodi) {
            f->cboPeriodo()->setCurrentIndex(indice);
            for (int e = 0; e < f->cboEsercizio()->count(); ++e) {
                f->cboEsercizio()->setCurrentIndex(e);
                confronta(f, anno, f->cboEsercizio()->currentData().toString(), dal);
                if (QTest::currentTestFailed())
                    return;
            }
        }
        // The period is the school year that began last September.
        f->cboPeriodo()->setCurrentIndex(1);
        int segmentiAnno = 0;
        for (const SegmentoStoria &s : anno)
            segmentiAnno += s.inizio.date() >= QDate(2025, 9, 1);
        QCOMPARE(f->segmentiPeriodo().size(), segmentiAnno);
    }

    // Everything is reached from the keyboard: the choices, the table and
    // the buttons in order, each named from the language file; the arrow
    // keys change the player, period and exercise; Escape goes back to the
    // menu. In Italian and in English.
    void tastieraInDueLingue_data()
    {
        QTest::addColumn<QString>("lingua");
        QTest::newRow("italiano") << QStringLiteral("Italiano");
        QTest::newRow("english") << QStringLiteral("English");
    }
    void tastieraInDueLingue()
    {
        QFETCH(QString, lingua);
        LinguaCorrente() = lingua;
        creaUtente(QStringLiteral("Anna"));
        creaUtente(QStringLiteral("Marco"));
        scriviStoria(QStringLiteral("Anna"), annoGenerato(3).mid(0, 300));
        scriviStoria(QStringLiteral("Marco"), annoGenerato(4).mid(0, 300));
        corrente(QStringLiteral("Anna"));
        Stato().imp.TracciaAttivita = true;
        // Opened as the menu opens it, without the menu, which would read
        // the language saved in the program folder again.
        auto *f = new FormProgressi;
        f->setAttribute(Qt::WA_DeleteOnClose);
        f->impostaOggi(m_oggi);
        f->show();
        QTRY_VERIFY(f->attivata());
        f->activateWindow();
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(f->cboGiocatore()));

        f->cboPeriodo()->setCurrentIndex(2);
        const QList<QWidget *> ordine = {f->cboGiocatore(), f->cboPeriodo(), f->cboEsercizio(), f->tabella(),
                                         f->cmdEsporta(), f->cmdStampa(), f->cmdEsci()};
        for (int i = 1; i < ordine.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), ordine.at(i));
        }
        for (QWidget *w : ordine)
            QVERIFY2(!w->accessibleName().isEmpty(), qPrintable(w->objectName()));
        for (FiguraProgressi fig : {FiguraProgressi::Livello, FiguraProgressi::Esatte, FiguraProgressi::Ignorate})
            QVERIFY(f->grafico(fig)->accessibleName().contains(f->grafico(fig)->chart()->title()));
        QCOMPARE(f->cmdEsporta()->accessibleName(), MLSGetText(QStringLiteral("0440")).remove(QLatin1Char('&')));
        QCOMPARE(f->cboPeriodo()->itemText(2), MLSGetText(QStringLiteral("0436")));
        QCOMPARE(f->windowTitle(), lingua == QLatin1String("English") ? QStringLiteral("Progress")
                                                                      : QStringLiteral("Progressi"));

        // Player: Down shows Marco's history.
        f->cboGiocatore()->setFocus();
        f->cboPeriodo()->setCurrentIndex(0);
        QVERIFY(f->segmentiPeriodo().isEmpty());
        QVERIFY(!f->cmdEsporta()->isEnabled());
        QTest::keyClick(f->cboPeriodo(), Qt::Key_Down);
        QTest::keyClick(f->cboPeriodo(), Qt::Key_Down);
        QCOMPARE(f->cboPeriodo()->currentIndex(), 2);
        QCOMPARE(f->segmentiPeriodo().size(), 300);
        QTest::keyClick(f->cboGiocatore(), Qt::Key_Down);
        QCOMPARE(f->cboGiocatore()->currentData().toString(), QStringLiteral("Marco"));
        QCOMPARE(f->segmentiPeriodo().size(), 300);
        QVERIFY(f->lblTitolo()->text().contains(QStringLiteral("Marco")));
        const QString prima = f->cboEsercizio()->currentData().toString();
        QTest::keyClick(f->cboEsercizio(), Qt::Key_Down);
        QVERIFY(f->cboEsercizio()->currentData().toString() != prima);
        QCOMPARE(f->grafico(FiguraProgressi::Livello)->chart()->title(), MLSGetText(QStringLiteral("0437")));

        QPointer<FormProgressi> finestra(f);
        QTest::keyClick(f, Qt::Key_Escape);
        QTRY_VERIFY(finestra.isNull() || !finestra->isVisible());
        QTRY_VERIFY(AmbienteMenu::aperta<FormMenu>() != nullptr);
    }

    // "Esporta" writes what a spreadsheet opens: a byte-order mark, the
    // headings of the language, one row per segment of the period with its
    // date and time as the locale writes them.
    void esportaCsvRiletto()
    {
        LinguaCorrente() = QStringLiteral("Italiano");
        creaUtente(QStringLiteral("Marco"));
        QList<SegmentoStoria> anno = annoGenerato(11);
        anno[0].esercizio = QStringLiteral("Es;\"strano\"");
        scriviStoria(QStringLiteral("Marco"), anno);
        corrente(QStringLiteral("Marco"));
        FormProgressi *f = apri();
        QVERIFY(f);
        QTRY_VERIFY(f->attivata());
        f->cboPeriodo()->setCurrentIndex(2);

        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("progressi.csv"));
        DialoghiFinti dialoghi;
        dialoghi.percorsi << percorso;
        f->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(f));
        f->cmdEsporta()->setFocus();
        QTest::keyClick(f->cmdEsporta(), Qt::Key_Space);
        QCOMPARE(dialoghi.richiesteFile.size(), 1);
        QFile file(percorso);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray byte = file.readAll();
        QVERIFY(byte.startsWith("\xEF\xBB\xBF"));
        const QList<QStringList> righe = leggiCsv(QString::fromUtf8(byte.mid(3)));
        QCOMPARE(righe.size(), anno.size() + 1);
        QCOMPARE(righe.first(), TestiProgressi::csv().intestazioni);
        QCOMPARE(righe.first().at(0), QStringLiteral("Data"));
        const QLocale italiano(QLocale::Italian, QLocale::Italy);
        for (int i = 0; i < anno.size(); ++i) {
            const SegmentoStoria &s = anno.at(i);
            const QStringList &r = righe.at(i + 1);
            QCOMPARE(r.size(), 12);
            QCOMPARE(r.at(0), italiano.toString(s.inizio.date(), QLocale::ShortFormat));
            QCOMPARE(r.at(1), italiano.toString(s.inizio.time(), QLocale::ShortFormat));
            QCOMPARE(r.at(2), TestiProgressi::nomeEsercizio(s.esercizio));
            QCOMPARE(r.mid(3, 5), (QStringList {QString::number(s.livello), QString::number(s.esatte),
                                                QString::number(s.errate), QString::number(s.ignorate),
                                                QString::number(s.accettate)}));
            QCOMPARE(r.at(9), TestiProgressi::nomeModo(s.modoInput));
            QCOMPARE(r.at(10).toInt(), s.accettazioneMs);
            QCOMPARE(r.at(11).toInt(), s.antirimbalzoMs);
        }
        QCOMPARE(righe.at(1).at(0), QStringLiteral("15/09/25")); // day first, as Italy writes it
        QCOMPARE(righe.at(1).at(2), QStringLiteral("Es;\"strano\""));
        QCOMPARE(m_ambiente.messaggi->mostrati.size(), 1); // where it was saved

        // A file that cannot be written is said, and nothing claims success.
        dialoghi.percorsi << cartella.filePath(QStringLiteral("manca/progressi.csv"));
        m_ambiente.messaggi->mostrati.clear();
        f->cmdEsporta_Click();
        QCOMPARE(m_ambiente.messaggi->mostrati.size(), 1);
        QVERIFY(m_ambiente.messaggi->mostrati.first().startsWith(
            MLSGetText(QStringLiteral("0462")).section(QStringLiteral("%1"), 0, 0)));
    }

    // A damaged history is set aside with one message, kept byte for byte,
    // and the next opening says nothing more; one moved aside while a child
    // played is said when the window opens.
    void storiaGuastaMessaDaParte()
    {
        creaUtente(QStringLiteral("Marco"));
        const QString percorso = percorsoStoria(QStringLiteral("Marco"));
        QFile guasto(percorso);
        QVERIFY(guasto.open(QIODevice::WriteOnly));
        guasto.write(QByteArray(3000, '\x07'));
        guasto.close();
        corrente(QStringLiteral("Marco"));
        Stato().StorieMesseDaParte = {{QStringLiteral("Anna"), QStringLiteral("/x/Anna.storia.guasta-1.sqlite")}};
        FormProgressi *f = apri();
        QVERIFY(f);
        QTRY_VERIFY(f->attivata());
        const QStringList mostrati = m_ambiente.messaggi->mostrati;
        QCOMPARE(mostrati.size(), 2);
        QVERIFY(mostrati.at(0).contains(QStringLiteral("Anna")));
        QVERIFY(mostrati.at(1).contains(QStringLiteral("Marco")));
        QVERIFY(Stato().StorieMesseDaParte.isEmpty());
        const QStringList messe =
            QDir(Percorsi::cartellaPinnole()).entryList({QStringLiteral("Marco.storia.guasta-*.sqlite")});
        QCOMPARE(messe.size(), 1);
        QVERIFY(mostrati.at(1).contains(messe.first()));
        QFile letto(QDir(Percorsi::cartellaPinnole()).filePath(messe.first()));
        QVERIFY(letto.open(QIODevice::ReadOnly));
        QCOMPARE(letto.readAll(), QByteArray(3000, '\x07'));
        QVERIFY(f->lblNota()->isVisible());

        m_ambiente.chiudiFinestre();
        m_ambiente.messaggi = std::make_unique<MessaggiFinti>();
        FormProgressi *g = apri();
        QVERIFY(g);
        QTRY_VERIFY(g->attivata());
        QVERIFY(m_ambiente.messaggi->mostrati.isEmpty());
    }

    // An exercise left through "Esci" or closed otherwise leaves its segment
    // in the current player's history, with the exercise and the input mode;
    // without activity tracking nothing is written.
    void eserciziScrivonoLaStoria()
    {
        for (const bool traccia : {false, true}) {
            m_ambiente.azzera();
            creaUtente(QStringLiteral("Marco"));
            corrente(QStringLiteral("Marco"));
            Stato().imp.TracciaAttivita = traccia;
            Stato().imp.ModoInput = IngressoTastiera;
            FormMenu *menu = m_ambiente.apriMenu();
            QVERIFY(menu);
            QTRY_VERIFY(menu->Command1(0)->isVisible());
            menu->AvviaEsercizi(0);
            auto *es = AmbienteMenu::aperta<FinestraEsercizio>();
            QVERIFY(es);
            QTest::qWait(50);
            es->contaRispostaGiusta();
            es->contaRispostaGiusta();
            es->contaRispostaSbagliata();
            es->mnuEsci_Click();
            m_ambiente.chiudiFinestre();
            const QString percorso = percorsoStoria(QStringLiteral("Marco"));
            QCOMPARE(QFileInfo::exists(percorso), traccia);
            if (!traccia)
                continue;
            StoriaProgressi storia(percorso);
            QCOMPARE(storia.apri(), StoriaProgressi::Esito::Aperta);
            const QList<SegmentoStoria> letti = storia.segmenti();
            QCOMPARE(letti.size(), 1);
            QCOMPARE(letti.first().esercizio, QStringLiteral("FormEs1"));
            QCOMPARE(letti.first().esatte, 2);
            QCOMPARE(letti.first().errate, 1);
            QCOMPARE(letti.first().modoInput, int(IngressoTastiera));
            QCOMPARE(letti.first().inizio.date(), QDate::currentDate());
        }
    }

    // Looking at a player who never played makes no file.
    void nessunaStoriaNessunFile()
    {
        creaUtente(QStringLiteral("Marco"));
        corrente(QStringLiteral("Marco"));
        FormProgressi *f = apri();
        QVERIFY(f);
        QTRY_VERIFY(f->attivata());
        QVERIFY(!QFileInfo::exists(percorsoStoria(QStringLiteral("Marco"))));
        QVERIFY(f->lblNota()->isVisible());
        QVERIFY(!f->cmdEsporta()->isEnabled());
        QVERIFY(m_ambiente.messaggi->mostrati.isEmpty());
    }
};

QTEST_MAIN(TestFormProgressi)
#include "tst_formprogressi.moc"
