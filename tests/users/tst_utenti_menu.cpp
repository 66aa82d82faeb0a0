#include "menu/AmbienteMenu.h"

#include "core/ColoriVB.h"

#include <QAction>
#include <QComboBox>
#include <QPointer>

// The user list of the real main menu.
class TestUtentiMenu : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<AmbienteMenu> m_ambiente;

    static void scriviUtente(const QString &nome, const std::function<void(Impostazioni &)> &prepara)
    {
        Impostazioni imp;
        ImpostazioniPredefinite(imp, QStringLiteral("{it}"));
        prepara(imp);
        QVERIFY(SalvaImpostazioni(percorsoUtente(nome), imp));
    }

    static void scegli(FormMenu &m, int indice)
    {
        m.Combo1()->setCurrentIndex(indice);
        emit m.Combo1()->activated(indice);
    }

private slots:
    void initTestCase() { m_ambiente = std::make_unique<AmbienteMenu>(); }
    void init() { m_ambiente->azzera(); }
    void cleanup() { m_ambiente->chiudiFinestre(); }
    void cleanupTestCase() { m_ambiente.reset(); }

    // The list shows every user's file, in capitals with the capitals text
    // case, selects the current user, and is shown only for two or more.
    void lElencoDegliUtenti_data()
    {
        QTest::addColumn<QStringList>("altri");
        QTest::addColumn<QString>("stile");
        QTest::addColumn<QStringList>("voci");
        QTest::addColumn<bool>("visibile");
        QTest::newRow("only the default user: hidden")
            << QStringList() << QStringLiteral("maiuscolo") << QStringList{QStringLiteral("_PREDEFINITO")} << false;
        QTest::newRow("two users in capitals")
            << QStringList{QStringLiteral("anna")} << QStringLiteral("maiuscolo")
            << QStringList{QStringLiteral("_PREDEFINITO"), QStringLiteral("ANNA")} << true;
        QTest::newRow("two users in lower case")
            << QStringList{QStringLiteral("anna")} << QStringLiteral("minuscolo")
            << QStringList{QStringLiteral("_predefinito"), QStringLiteral("anna")} << true;
    }
    void lElencoDegliUtenti()
    {
        QFETCH(QStringList, altri);
        QFETCH(QString, stile);
        QFETCH(QStringList, voci);
        QFETCH(bool, visibile);
        Stato().imp.StileTesto = stile;
        for (const QString &nome : altri)
            scriviUtente(nome, [&stile](Impostazioni &i) { i.StileTesto = stile; });
        FormMenu *m = m_ambiente->apriMenu();
        QStringList mostrate;
        for (int i = 0; i < m->Combo1()->count(); ++i)
            mostrate << m->Combo1()->itemText(i);
        QCOMPARE(mostrate, voci);
        QCOMPARE(m->Combo1()->currentIndex(), 0);
        QCOMPARE(m->Combo1()->isVisible(), visibile);
        QVERIFY(m->Combo1()->font().pointSize() >= 14);
    }

    // A current user whose file is not there yet (a name just typed in the
    // configuration) is not listed: nothing is selected, nothing is switched.
    void unUtenteSenzaFileNonVieneScelto()
    {
        scriviUtente(QStringLiteral("anna"), [](Impostazioni &) {});
        FormMenu *m = m_ambiente->apriMenu();
        StatoProgramma &s = Stato();
        s.UtenteCorrente = QStringLiteral("bruno");
        s.PercorsoImpostazioni = percorsoUtente(s.UtenteCorrente);
        s.NumeroRighe = 1;
        s.RegistroAttivita[1][0] = QStringLiteral("Vero o falso");
        m->RecuperaUtenti();
        QCOMPARE(m->Combo1()->count(), 2);
        QCOMPARE(m->Combo1()->currentIndex(), -1);
        QCOMPARE(s.UtenteCorrente, QStringLiteral("bruno"));
        QCOMPARE(s.NumeroRighe, qint16(1));
    }

    // Choosing another user saves the default user's settings, loads the
    // new user's, empties the activity table and sets the menu up for the
    // new user at once; choosing the current user again keeps the table.
    void laSceltaDellUtente_data()
    {
        QTest::addColumn<int>("indice");
        QTest::addColumn<bool>("cambia");
        QTest::newRow("another user") << 1 << true;
        QTest::newRow("the current user again") << 0 << false;
    }
    void laSceltaDellUtente()
    {
        QFETCH(int, indice);
        QFETCH(bool, cambia);
        scriviUtente(QStringLiteral("anna"), [](Impostazioni &i) {
            i.ModoInput = IngressoTastiera;
            i.TracciaAttivita = true;
            i.ColoriVari = false;
        });
        QPointer<FormMenu> m = m_ambiente->apriMenu();
        QCOMPARE(m->Combo1()->itemText(1), QStringLiteral("anna"));
        StatoProgramma &s = Stato();
        s.imp.VelocitaVoce = 99; // in memory, to be saved by the choice
        s.NumeroRighe = 1;
        s.RegistroAttivita[1][0] = QStringLiteral("Vero o falso");

        scegli(*m, indice);

        Impostazioni predefinito;
        QVERIFY(LeggiImpostazioni(percorsoUtentePredefinito(), &predefinito, QString()));
        QCOMPARE(predefinito.VelocitaVoce, qint16(99));
        QCOMPARE(s.NumeroRighe, qint16(cambia ? 0 : 1));
        QCOMPARE(s.RegistroAttivita[1][0].isEmpty(), cambia);
        QCOMPARE(s.UtenteCorrente.toLower(), cambia ? QStringLiteral("anna") : QStringLiteral("_predefinito"));
        // The menu follows the user now current.
        QCOMPARE(m->mnuEserciziEseguiti()->isVisible(), cambia);
        QCOMPARE(m->scansione().attivo(), cambia);
        QCOMPARE(m->sfondo() == coloreVB(s.imp.ColoreSfondo), cambia);
        if (cambia)
            QCOMPARE(m->Command1(0)->coloreSfondo(), coloreVB(s.imp.ColorePulsanteSelezionato));
        QCOMPARE(m_ambiente->fini, 0);
    }

    // A choice whose save of the old user fails shows the message of a
    // failed save, keeps the old user with its values and its table, and the
    // list shows the old user again.
    void unSalvataggioFallitoNonCambiaUtente()
    {
        scriviUtente(QStringLiteral("anna"), [](Impostazioni &i) { i.ModoInput = IngressoTastiera; });
        QPointer<FormMenu> m = m_ambiente->apriMenu();
        QCOMPARE(m->Combo1()->itemText(1), QStringLiteral("anna"));
        StatoProgramma &s = Stato();
        const QString percorso = s.PercorsoImpostazioni;
        // A folder in place of the default user's file: it cannot be written.
        QVERIFY(QFile::remove(percorso));
        QVERIFY(QDir().mkpath(percorso));
        s.imp.VelocitaVoce = 99;
        s.NumeroRighe = 1;
        s.RegistroAttivita[1][0] = QStringLiteral("Vero o falso");

        scegli(*m, 1);

        QCOMPARE(m_ambiente->messaggi->mostrati.size(), 1);
        QVERIFY(m_ambiente->messaggi->mostrati.first().startsWith(
            QStringLiteral("Non è stato possibile salvare le impostazioni nel file")));
        QVERIFY(m_ambiente->messaggi->mostrati.first().contains(percorso));
        QCOMPARE(m_ambiente->messaggi->titoli.first(), QStringLiteral("Pinnole"));
        QCOMPARE(s.UtenteCorrente, QStringLiteral("_predefinito"));
        QCOMPARE(s.PercorsoImpostazioni, percorso);
        QCOMPARE(s.imp.VelocitaVoce, qint16(99));
        QCOMPARE(s.imp.ModoInput, qint16(IngressoMouse));
        QCOMPARE(s.NumeroRighe, qint16(1));
        QCOMPARE(m->Combo1()->currentIndex(), 0);
        QVERIFY(!m->scansione().attivo());
    }

    // Only the switch-access options cannot be written (a folder stands in
    // their file's place): the settings are saved, the player changes, and
    // the message says so once, naming the access file.
    void unAccessoNonScrivibileNonBloccaIlCambio()
    {
        scriviUtente(QStringLiteral("anna"), [](Impostazioni &) {});
        QPointer<FormMenu> m = m_ambiente->apriMenu();
        StatoProgramma &s = Stato();
        const QString accesso = percorsoOpzioniAccesso(s.PercorsoImpostazioni);
        QVERIFY(QDir().mkpath(accesso));
        s.accesso.accettazioneMs = 300;
        s.imp.VelocitaVoce = 99;

        scegli(*m, 1);
        QCOMPARE(s.UtenteCorrente, QStringLiteral("anna"));
        QCOMPARE(m_ambiente->messaggi->mostrati.size(), 1);
        const QString &testo = m_ambiente->messaggi->mostrati.first();
        QVERIFY(testo.startsWith(QStringLiteral("Non è stato possibile salvare le opzioni di accesso con sensori")));
        QVERIFY(testo.contains(accesso));
        QVERIFY(testo.contains(QStringLiteral("saranno quelle predefinite")));

        scegli(*m, 0);
        QCOMPARE(s.UtenteCorrente, QStringLiteral("_predefinito"));
        QCOMPARE(s.imp.VelocitaVoce, qint16(99));
        QCOMPARE(s.accesso, OpzioniAccesso());
        s.accesso.accettazioneMs = 500;
        scegli(*m, 1);
        QCOMPARE(s.UtenteCorrente, QStringLiteral("anna"));
        QCOMPARE(m_ambiente->messaggi->mostrati.size(), 1); // said once
        QVERIFY(QDir(accesso).removeRecursively());
    }

    // With the capitals text case "Aydın" is shown "AYDIN": choosing it
    // loads Aydın's own file.
    void unNomeInMaiuscoloSceglieIlSuoFile()
    {
        Stato().imp.StileTesto = QStringLiteral("maiuscolo");
        scriviUtente(QStringLiteral("Aydın"), [](Impostazioni &i) {
            i.StileTesto = QStringLiteral("maiuscolo");
            i.VelocitaVoce = 77;
        });
        QPointer<FormMenu> m = m_ambiente->apriMenu();
        const int indice = m->Combo1()->findText(QStringLiteral("AYDIN"));
        QVERIFY(indice >= 0);
        scegli(*m, indice);
        QCOMPARE(Stato().UtenteCorrente, QStringLiteral("Aydın"));
        QCOMPARE(Stato().imp.VelocitaVoce, qint16(77));
        QCOMPARE(Stato().PercorsoImpostazioni, percorsoUtente(QStringLiteral("Aydın")));
    }
};

QTEST_MAIN(TestUtentiMenu)
#include "tst_utenti_menu.moc"
