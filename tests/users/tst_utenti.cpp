#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "users/Utenti.h"

#include <QDir>
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
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_casa.path().toUtf8());
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

    // Every "*.ini" file is a user, whatever the case of its extension;
    // the name drops the extension and is in capitals with "maiuscolo".
    void elenco_data()
    {
        QTest::addColumn<QStringList>("file");
        QTest::addColumn<bool>("maiuscolo");
        QTest::addColumn<QStringList>("utenti");
        QTest::newRow("only the default user")
            << QStringList{QStringLiteral("_predefinito.INI")} << false << QStringList{QStringLiteral("_predefinito")};
        QTest::newRow("two users in capitals")
            << QStringList{QStringLiteral("_predefinito.INI"), QStringLiteral("Anna.ini")} << true
            << QStringList{QStringLiteral("_PREDEFINITO"), QStringLiteral("ANNA")};
        QTest::newRow("names as written without capitals")
            << QStringList{QStringLiteral("Anna.ini"), QStringLiteral("bruno.Ini")} << false
            << QStringList{QStringLiteral("Anna"), QStringLiteral("bruno")};
        QTest::newRow("other files and folders are no users")
            << QStringList{QStringLiteral("pinnole.lock"), QStringLiteral("dati/"), QStringLiteral("cartella.ini/"),
                           QStringLiteral("carla.ini"), QStringLiteral("note.txt"), QStringLiteral("ini")}
            << false << QStringList{QStringLiteral("carla")};
        QTest::newRow("empty folder") << QStringList() << true << QStringList();
    }
    void elenco()
    {
        QFETCH(QStringList, file);
        QFETCH(bool, maiuscolo);
        QFETCH(QStringList, utenti);
        for (const QString &nome : file)
            crea(Percorsi::cartellaPinnole(), nome);
        QCOMPARE(elencoUtenti(Percorsi::cartellaPinnole(), maiuscolo), utenti);
    }

    void unaCartellaMancanteNonHaUtenti()
    {
        QCOMPARE(elencoUtenti(m_casa.filePath(QStringLiteral("manca")), false), QStringList());
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
        QCOMPARE(indiceUtente({QStringLiteral("_PREDEFINITO"), QStringLiteral("ANNA")}, corrente), indice);
    }

    // Choosing another user saves the old one's settings, loads the new
    // one's and empties the activity table; choosing the same user again
    // writes and re-reads its file and keeps the table.
    void sceltaDellUtente_data()
    {
        QTest::addColumn<QString>("scelto");
        QTest::addColumn<bool>("cambia");
        QTest::addColumn<int>("velocitaLetta");
        QTest::newRow("another user") << QStringLiteral("ANNA") << true << 200;
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

        QCOMPARE(scegliUtente(s, scelto), cambia);

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
};

QTEST_GUILESS_MAIN(TestUtenti)
#include "tst_utenti.moc"
