#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/NomeUtente.h"
#include "core/Percorsi.h"
#include "users/Utenti.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The users are the settings files of the settings folder; choosing one
// saves the old user's settings and reads the new one's.
class TestUtenti : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_casa;

    static void crea(const QString &cartella, const QString &nome)
    {
        if (nome.endsWith(QLatin1Char('/'))) {
            QDir().mkpath(cartella + QLatin1Char('/') + nome);
            return;
        }
        QFile f(cartella + QLatin1Char('/') + nome);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (nome.startsWith(QLatin1String("LangSetting")))
            f.write("[Language]\r\nCurrentLanguage=Italiano\r\n");
    }

    // Every file under the temporary home, with its content, so a test sees
    // whatever was written anywhere.
    QMap<QString, QByteArray> contenutoCasa() const
    {
        QMap<QString, QByteArray> contenuto;
        QDirIterator it(m_casa.path(), QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            QFile f(it.next());
            contenuto.insert(f.fileName(), f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?"));
        }
        return contenuto;
    }

    static QStringList nomi(const QList<VoceUtente> &elenco)
    {
        QStringList n;
        for (const VoceUtente &v : elenco)
            n << v.nome;
        return n;
    }
    static QStringList testi(const QList<VoceUtente> &elenco)
    {
        QStringList t;
        for (const VoceUtente &v : elenco)
            t << v.testo;
        return t;
    }

private slots:
    void initTestCase()
    {
        // The settings live two folders below the home, so a name that
        // escaped them would land in the home, where the tests look.
        qputenv("XDG_CONFIG_HOME", m_casa.filePath(QStringLiteral("config")).toUtf8());
        Percorsi::impostaCartellaProgramma(m_casa.filePath(QStringLiteral("programma")));
    }

    void init()
    {
        QDir(Percorsi::cartellaPinnole()).removeRecursively();
        QVERIFY(QDir().mkpath(Percorsi::cartellaPinnole()));
        StatoProgramma &s = Stato();
        s.UtenteCorrente = QStringLiteral("_predefinito");
        s.PercorsoImpostazioni = percorsoUtentePredefinito();
        ImpostazioniPredefinite(s.imp, QString());
        s.RegistroAttivita = {};
        s.NumeroRighe = 0;
    }

    // Every settings file "*.ini" is a user, whatever the case of its
    // extension; the name drops the extension, the text shown is in capitals
    // with "maiuscolo" while the name stays the file's own.
    void elenco_data()
    {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<bool>("maiuscolo");
        QTest::addColumn<QStringList>("nomi");
        QTest::addColumn<QStringList>("testi");
        QTest::newRow("only the default user")
            << QStringList{QStringLiteral("_predefinito.INI")} << false << QStringList{QStringLiteral("_predefinito")}
            << QStringList{QStringLiteral("_predefinito")};
        QTest::newRow("two users in capitals")
            << QStringList{QStringLiteral("_predefinito.INI"), QStringLiteral("Anna.ini")} << true
            << QStringList{QStringLiteral("_predefinito"), QStringLiteral("Anna")}
            << QStringList{QStringLiteral("_PREDEFINITO"), QStringLiteral("ANNA")};
        QTest::newRow("names as written without capitals")
            << QStringList{QStringLiteral("Anna.ini"), QStringLiteral("bruno.Ini")} << false
            << QStringList{QStringLiteral("Anna"), QStringLiteral("bruno")}
            << QStringList{QStringLiteral("Anna"), QStringLiteral("bruno")};
        QTest::newRow("capitals that change more than case")
            << QStringList{QStringLiteral("Aydın.ini"), QStringLiteral("Straße.ini")} << true
            << QStringList{QStringLiteral("Aydın"), QStringLiteral("Straße")}
            << QStringList{QStringLiteral("AYDIN"), QStringLiteral("STRASSE")};
        QTest::newRow("other files and folders are no users")
            << QStringList{QStringLiteral("pinnole.lock"), QStringLiteral("dati/"), QStringLiteral("cartella.ini/"),
                           QStringLiteral("carla.ini"), QStringLiteral("note.txt"), QStringLiteral("ini")}
            << false << QStringList{QStringLiteral("carla")} << QStringList{QStringLiteral("carla")};
        QTest::newRow("a language choice is no user")
            << QStringList{QStringLiteral("LangSetting.ini"), QStringLiteral("_predefinito.INI")} << false
            << QStringList{QStringLiteral("_predefinito")} << QStringList{QStringLiteral("_predefinito")};
        QTest::newRow("files no user could be named are no users")
            << QStringList{QStringLiteral(".ini"), QStringLiteral("..ini"), QStringLiteral("...ini"),
                           QStringLiteral(".nascosto.ini"), QStringLiteral(" anna.ini"), QStringLiteral("con.ini"),
                           QStringLiteral("a:b.ini"), QStringLiteral("a\nb.ini"), QStringLiteral("dora.ini")}
            << false << QStringList{QStringLiteral("dora")} << QStringList{QStringLiteral("dora")};
        QTest::newRow("empty folder") << QStringList() << true << QStringList() << QStringList();
    }
    void elenco()
    {
        QFETCH(QStringList, file);
        QFETCH(bool, maiuscolo);
        QFETCH(QStringList, nomi);
        QFETCH(QStringList, testi);
        for (const QString &nome : file)
            crea(Percorsi::cartellaPinnole(), nome);
        const QList<VoceUtente> elenco = elencoUtenti(Percorsi::cartellaPinnole(), maiuscolo);
        QCOMPARE(TestUtenti::nomi(elenco), nomi);
        QCOMPARE(TestUtenti::testi(elenco), testi);
    }

    // A name shown in capitals reaches its own file: the choice goes by the
    // file's name, so nothing reads defaults and no second file appears.
    void unUtenteInMaiuscoloRaggiungeIlSuoFile()
    {
        StatoProgramma &s = Stato();
        s.imp.StileTesto = QStringLiteral("maiuscolo");
        QVERIFY(SalvaImpostazioni(s.PercorsoImpostazioni, s.imp));
        for (const QString &nome : {QStringLiteral("Aydın"), QStringLiteral("Straße")}) {
            Impostazioni imp;
            ImpostazioniPredefinite(imp, QString());
            imp.VelocitaVoce = 77;
            QVERIFY(SalvaImpostazioni(Percorsi::cartellaPinnole() + nome + QStringLiteral(".ini"), imp));
        }
        for (const VoceUtente &voce : elencoUtenti(Percorsi::cartellaPinnole(), true)) {
            if (voce.testo == QLatin1String("_PREDEFINITO"))
                continue;
            QCOMPARE(scegliUtente(s, voce.nome), EsitoSceltaUtente::UtenteCambiato);
            QCOMPARE(s.imp.VelocitaVoce, qint16(77));
            s.imp.VelocitaVoce = 78;
            QCOMPARE(scegliUtente(s, QStringLiteral("_predefinito")), EsitoSceltaUtente::UtenteCambiato);
        }
        QStringList file = QDir(Percorsi::cartellaPinnole()).entryList(QDir::Files);
        file.sort();
        QCOMPARE(file, (QStringList{QStringLiteral("Aydın.ini"), QStringLiteral("Straße.ini"),
                                    QStringLiteral("_predefinito.INI")}));
        for (const QString &nome : {QStringLiteral("Aydın"), QStringLiteral("Straße")}) {
            Impostazioni letta;
            QVERIFY(LeggiImpostazioni(percorsoUtente(nome), &letta, QString()));
            QCOMPARE(letta.VelocitaVoce, qint16(78));
        }
    }

    // The one rule for names, tried against the real settings folder: a
    // refused name gives no path, cannot be chosen and writes nothing
    // anywhere; an accepted one names exactly one file inside the folder.
    void nomiDegliUtenti_data()
    {
        QTest::addColumn<QString>("nome");
        QTest::addColumn<ProblemaNome>("problema");
        QTest::newRow("parent folder") << QStringLiteral("../x") << ProblemaNome::Separatore;
        QTest::newRow("out of the configuration") << QStringLiteral("../../../fuori") << ProblemaNome::Separatore;
        QTest::newRow("empty") << QString() << ProblemaNome::Vuoto;
        QTest::newRow("a blank") << QStringLiteral(" ") << ProblemaNome::Vuoto;
        QTest::newRow("slash") << QStringLiteral("a/b") << ProblemaNome::Separatore;
        QTest::newRow("backslash") << QStringLiteral("a\\b") << ProblemaNome::Separatore;
        QTest::newRow("dot") << QStringLiteral(".") << ProblemaNome::PuntoIniziale;
        QTest::newRow("two dots") << QStringLiteral("..") << ProblemaNome::PuntoIniziale;
        QTest::newRow("hidden") << QStringLiteral(".anna") << ProblemaNome::PuntoIniziale;
        QTest::newRow("NUL") << QString(QStringLiteral("an") + QChar(0) + QStringLiteral("na"))
                             << ProblemaNome::CarattereDiControllo;
        QTest::newRow("line break") << QStringLiteral("an\nna") << ProblemaNome::CarattereDiControllo;
        QTest::newRow("tab") << QStringLiteral("an\tna") << ProblemaNome::CarattereDiControllo;
        QTest::newRow("300 characters") << QString(300, QLatin1Char('a')) << ProblemaNome::TroppoLungo;
        QTest::newRow("65 characters") << QString(65, QLatin1Char('a')) << ProblemaNome::TroppoLungo;
        QTest::newRow("device") << QStringLiteral("CON") << ProblemaNome::NomeDiDispositivo;
        QTest::newRow("device, any case and after") << QStringLiteral("lpt1.anna") << ProblemaNome::NomeDiDispositivo;
        QTest::newRow("COM0 and LPT9, the ends of the digits") << QStringLiteral("COM0") << ProblemaNome::NomeDiDispositivo;
        QTest::newRow("LPT9") << QStringLiteral("lpt9") << ProblemaNome::NomeDiDispositivo;
        QTest::newRow("device with a blank") << QStringLiteral("Nul ") << ProblemaNome::SpaziAiBordi;
        QTest::newRow("colon") << QStringLiteral("a:b") << ProblemaNome::CarattereRiservato;
        QTest::newRow("question mark") << QStringLiteral("anna?") << ProblemaNome::CarattereRiservato;
        QTest::newRow("quote, star, pipe, angles") << QStringLiteral("\"*|<>") << ProblemaNome::CarattereRiservato;
        QTest::newRow("leading blank") << QStringLiteral(" anna") << ProblemaNome::SpaziAiBordi;
        QTest::newRow("trailing blank") << QStringLiteral("anna ") << ProblemaNome::SpaziAiBordi;
        QTest::newRow("half a character pair") << QString(QChar(0xD800)) << ProblemaNome::CarattereNonValido;
        QTest::newRow("separator before a blank") << QStringLiteral(" /x") << ProblemaNome::Separatore;

        QTest::newRow("plain") << QStringLiteral("Anna") << ProblemaNome::Nessuno;
        QTest::newRow("blank inside") << QStringLiteral("Maria Rossi") << ProblemaNome::Nessuno;
        QTest::newRow("letters beyond Latin-1") << QStringLiteral("Aydın") << ProblemaNome::Nessuno;
        QTest::newRow("dots inside") << QStringLiteral("a.b..c") << ProblemaNome::Nessuno;
        QTest::newRow("64 characters") << QString(64, QLatin1Char('z')) << ProblemaNome::Nessuno;
        QTest::newRow("a device name inside a name") << QStringLiteral("CONSOLE") << ProblemaNome::Nessuno;
        QTest::newRow("COM10 is no device") << QStringLiteral("COM10") << ProblemaNome::Nessuno;
        QTest::newRow("like the default user") << QStringLiteral("_predefinito2") << ProblemaNome::Nessuno;
        QTest::newRow("beyond the basic plane") << QStringLiteral("Leo \U0001F981") << ProblemaNome::Nessuno;
    }
    void nomiDegliUtenti()
    {
        QFETCH(QString, nome);
        QFETCH(ProblemaNome, problema);
        QCOMPARE(problemaNomeUtente(nome), problema);
        QCOMPARE(nomeUtenteValido(nome), problema == ProblemaNome::Nessuno);

        StatoProgramma &s = Stato();
        s.imp.VelocitaVoce = 140;
        QVERIFY(SalvaImpostazioni(s.PercorsoImpostazioni, s.imp));
        s.imp.VelocitaVoce = 150;
        s.NumeroRighe = 1;
        const QMap<QString, QByteArray> prima = contenutoCasa();

        const QString percorso = percorsoUtente(nome);
        const EsitoSceltaUtente esito = scegliUtente(s, nome);
        Impostazioni imp;
        ImpostazioniPredefinite(imp, QString());
        const bool salvato = SalvaImpostazioni(percorso, imp);

        if (problema != ProblemaNome::Nessuno) {
            QCOMPARE(contenutoCasa(), prima);
            QVERIFY(!salvato);
            QCOMPARE(esito, EsitoSceltaUtente::NomeRifiutato);
            QVERIFY(percorso.isEmpty());
            QVERIFY(cartellaRegistriUtente(nome).isEmpty());
            QCOMPARE(s.UtenteCorrente, QStringLiteral("_predefinito"));
            QCOMPARE(s.imp.VelocitaVoce, qint16(150));
            QCOMPARE(s.NumeroRighe, qint16(1));
            return;
        }
        const QString atteso = Percorsi::cartellaPinnole() + nome + QStringLiteral(".ini");
        QCOMPARE(percorso, atteso);
        QCOMPARE(cartellaRegistriUtente(nome), Percorsi::cartellaDati() + nome + QLatin1Char('/'));
        QCOMPARE(esito, EsitoSceltaUtente::UtenteCambiato);
        QVERIFY(salvato);
        QMap<QString, QByteArray> dopo = contenutoCasa();
        QVERIFY(dopo.contains(atteso));
        dopo.remove(atteso);
        QCOMPARE(dopo.keys(), prima.keys());
        QCOMPARE(elencoUtenti(Percorsi::cartellaPinnole(), false).size(), 2);
    }

    // "_predefinito" is never a new user, but it names the default user's
    // own file and record folder, in any case.
    void ilNomePredefinitoNominaIlSuoFile()
    {
        QCOMPARE(problemaNomeUtente(QStringLiteral("_Predefinito")), ProblemaNome::NomePredefinito);
        QVERIFY(!nomeUtenteValido(QStringLiteral("_PREDEFINITO")));
        QCOMPARE(percorsoUtente(QStringLiteral("_PREDEFINITO")), percorsoUtentePredefinito());
        QCOMPARE(cartellaRegistriUtente(QStringLiteral("_predefinito")),
                 Percorsi::cartellaDati() + QStringLiteral("_predefinito/"));
    }

    void unaCartellaMancanteNonHaUtenti()
    {
        QVERIFY(elencoUtenti(m_casa.filePath(QStringLiteral("manca")), false).isEmpty());
    }

    void indiceDelCorrente_data()
    {
        QTest::addColumn<QString>("corrente");
        QTest::addColumn<int>("indice");
        QTest::newRow("default user in capitals") << QStringLiteral("_predefinito") << 0;
        QTest::newRow("case ignored") << QStringLiteral("anna") << 1;
        QTest::newRow("not listed") << QStringLiteral("bruno") << -1;
    }
    void indiceDelCorrente()
    {
        QFETCH(QString, corrente);
        QFETCH(int, indice);
        const QList<VoceUtente> elenco{{QStringLiteral("_predefinito"), QStringLiteral("_PREDEFINITO")},
                                       {QStringLiteral("Anna"), QStringLiteral("ANNA")}};
        QCOMPARE(indiceUtente(elenco, corrente), indice);
    }

    // Choosing another user saves the old one's settings, loads the new
    // one's and empties the activity table; choosing the same user again
    // writes and re-reads its file and keeps the table.
    void sceltaDellUtente_data()
    {
        QTest::addColumn<QString>("scelto");
        QTest::addColumn<bool>("cambia");
        QTest::addColumn<int>("velocitaLetta");
        QTest::newRow("another user") << QStringLiteral("anna") << true << 200;
        QTest::newRow("the same user, other case") << QStringLiteral("_PREDEFINITO") << false << 150;
    }
    void sceltaDellUtente()
    {
        QFETCH(QString, scelto);
        QFETCH(bool, cambia);
        QFETCH(int, velocitaLetta);
        StatoProgramma &s = Stato();
        Impostazioni anna;
        ImpostazioniPredefinite(anna, QString());
        anna.VelocitaVoce = 200;
        QVERIFY(SalvaImpostazioni(percorsoUtente(QStringLiteral("anna")), anna));
        s.imp.VelocitaVoce = 150; // in memory only, until the choice saves it
        s.NumeroRighe = 2;
        s.RegistroAttivita[1][0] = QStringLiteral("Vero o falso");
        s.RegistroAttivita[2][0] = QStringLiteral("Insiemi");

        QCOMPARE(scegliUtente(s, scelto),
                 cambia ? EsitoSceltaUtente::UtenteCambiato : EsitoSceltaUtente::StessoUtente);

        Impostazioni predefinito;
        QVERIFY(LeggiImpostazioni(percorsoUtentePredefinito(), &predefinito, QString()));
        QCOMPARE(predefinito.VelocitaVoce, qint16(150));
        QCOMPARE(s.UtenteCorrente, scelto);
        QCOMPARE(QFileInfo(s.PercorsoImpostazioni).fileName().toLower(), scelto.toLower() + QStringLiteral(".ini"));
        QVERIFY(QFileInfo::exists(s.PercorsoImpostazioni));
        QCOMPARE(s.imp.VelocitaVoce, qint16(velocitaLetta));
        QCOMPARE(s.NumeroRighe, qint16(cambia ? 0 : 2));
        QCOMPARE(s.RegistroAttivita[1][0].isEmpty(), cambia);
        QCOMPARE(s.RegistroAttivita[2][0].isEmpty(), cambia);
    }

    // A save that fails keeps the user: nothing in memory is replaced by
    // another user's file, and the table is kept.
    void unSalvataggioFallitoTieneLUtente()
    {
        StatoProgramma &s = Stato();
        Impostazioni anna;
        ImpostazioniPredefinite(anna, QString());
        anna.VelocitaVoce = 200;
        QVERIFY(SalvaImpostazioni(percorsoUtente(QStringLiteral("anna")), anna));
        // The default user's file cannot be written: a folder stands in its way.
        QVERIFY(QDir().mkpath(percorsoUtentePredefinito()));
        s.imp.VelocitaVoce = 150;
        s.NumeroRighe = 1;
        s.RegistroAttivita[1][0] = QStringLiteral("Insiemi");

        QCOMPARE(scegliUtente(s, QStringLiteral("anna")), EsitoSceltaUtente::SalvataggioFallito);
        QCOMPARE(s.UtenteCorrente, QStringLiteral("_predefinito"));
        QCOMPARE(s.PercorsoImpostazioni, percorsoUtentePredefinito());
        QCOMPARE(s.imp.VelocitaVoce, qint16(150));
        QCOMPARE(s.NumeroRighe, qint16(1));
        QCOMPARE(s.RegistroAttivita[1][0], QStringLiteral("Insiemi"));
    }
};

QTEST_GUILESS_MAIN(TestUtenti)
#include "tst_utenti.moc"
