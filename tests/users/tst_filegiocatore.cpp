#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "users/FileGiocatore.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// A player's files move or go together: all of them, or none.
class TestFileGiocatore : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_casa;

    // A file (or, ending in "/", a folder) of the settings folder, holding its own name.
    static void crea(const QString &relativo)
    {
        const QString percorso = Percorsi::cartellaPinnole() + relativo;
        if (relativo.endsWith(QLatin1Char('/'))) {
            QVERIFY(QDir().mkpath(percorso));
            return;
        }
        QVERIFY(QDir().mkpath(QFileInfo(percorso).path()));
        QFile f(percorso);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(relativo.toUtf8());
    }

    // Every file and folder of the settings folder, with the file's content.
    static QMap<QString, QByteArray> contenuto()
    {
        QMap<QString, QByteArray> c;
        const QDir radice(Percorsi::cartellaPinnole());
        QDirIterator it(radice.path(), QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                        QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString p = it.next();
            QFile f(p);
            c.insert(radice.relativeFilePath(p),
                     QFileInfo(p).isDir() ? QByteArray("<cartella>")
                                          : (f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("?")));
        }
        return c;
    }

    // Marco with every file a player can have, and another player beside him.
    static void giocatoreCompleto()
    {
        for (const char *f : {"Marco.ini", "Marco.accesso", "Marco.storia.sqlite", "Marco.storia.sqlite-wal",
                              "Marco.storia.sqlite-shm", "Marco.storia.sqlite-journal",
                              "dati/Marco/Marco_2026-12-01.txt", "Luca.ini", "dati/Luca/Luca_2026-12-01.txt"})
            crea(QString::fromLatin1(f));
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_casa.filePath(QStringLiteral("config")).toUtf8());
        Percorsi::impostaCartellaProgramma(m_casa.filePath(QStringLiteral("programma")));
    }

    void init()
    {
        impostaGuastoFileGiocatore({});
        QDir(Percorsi::cartellaPinnole()).removeRecursively();
        QVERIFY(QDir().mkpath(Percorsi::cartellaPinnole()));
    }

    // Every file of the player takes the new name with its content; the
    // other player's files are untouched. A change of case alone is a rename too.
    void rinominaPortaOgniFile_data()
    {
        QTest::addColumn<QString>("nuovo");
        QTest::newRow("altro nome") << QStringLiteral("Giulia");
        QTest::newRow("solo maiuscole") << QStringLiteral("MARCO");
    }
    void rinominaPortaOgniFile()
    {
        QFETCH(QString, nuovo);
        giocatoreCompleto();
        const QMap<QString, QByteArray> prima = contenuto();
        QString ostacolo;
        QCOMPARE(rinominaGiocatore(QStringLiteral("marco"), nuovo, &ostacolo), EsitoFileGiocatore::Fatto);
        QMap<QString, QByteArray> atteso;
        for (auto it = prima.cbegin(); it != prima.cend(); ++it) {
            QString chiave = it.key();
            chiave.replace(QLatin1String("Marco"), nuovo);
            // Inside the records folder the files keep their names.
            if (chiave.startsWith(QLatin1String("dati/") + nuovo + QLatin1Char('/')))
                chiave = QLatin1String("dati/") + nuovo + QLatin1Char('/') + QFileInfo(it.key()).fileName();
            atteso.insert(chiave, it.value());
        }
        QCOMPARE(contenuto(), atteso);
        QCOMPARE(fileDelGiocatore(nuovo).size(), 7);
        QVERIFY(esisteStoria(nuovo));
    }

    // A player with only a settings file: only that file moves.
    void rinominaSoloImpostazioni()
    {
        crea(QStringLiteral("anna.INI"));
        QCOMPARE(rinominaGiocatore(QStringLiteral("Anna"), QStringLiteral("Sara")), EsitoFileGiocatore::Fatto);
        QCOMPARE(contenuto().keys(), QStringList {QStringLiteral("Sara.INI")});
        QVERIFY(!esisteStoria(QStringLiteral("Sara")));
    }

    // Anything of the new name in the way, in any case and even where Marco
    // has no file of that kind, refuses the rename and changes nothing.
    void rinominaRifiutaDestinazioneOccupata_data()
    {
        QTest::addColumn<QString>("occupato");
        QTest::newRow("impostazioni") << QStringLiteral("giulia.ini");
        QTest::newRow("accesso orfano") << QStringLiteral("GIULIA.accesso");
        QTest::newRow("storia di prima") << QStringLiteral("Giulia.storia.sqlite-wal");
        QTest::newRow("registri rimasti") << QStringLiteral("dati/giulia/");
        QTest::newRow("cartella al posto del file") << QStringLiteral("Giulia.ini/");
    }
    void rinominaRifiutaDestinazioneOccupata()
    {
        QFETCH(QString, occupato);
        crea(QStringLiteral("Marco.ini"));
        crea(QStringLiteral("dati/Marco/a.txt"));
        crea(occupato);
        const QMap<QString, QByteArray> prima = contenuto();
        QString ostacolo;
        QCOMPARE(rinominaGiocatore(QStringLiteral("Marco"), QStringLiteral("Giulia"), &ostacolo),
                 EsitoFileGiocatore::DestinazioneOccupata);
        QCOMPARE(ostacolo, QDir::cleanPath(Percorsi::cartellaPinnole() + occupato));
        QCOMPARE(contenuto(), prima);
    }

    // A step that fails at any point leaves every file where and as it was.
    void rinominaFallitaACiascunPassoNonCambiaNulla_data()
    {
        QTest::addColumn<int>("passo");
        for (int passo = 0; passo < 7; ++passo) // six files and the records folder
            QTest::addRow("passo %d", passo) << passo;
    }
    void rinominaFallitaACiascunPassoNonCambiaNulla()
    {
        QFETCH(int, passo);
        giocatoreCompleto();
        const QMap<QString, QByteArray> prima = contenuto();
        int mosse = 0;
        QString fallito;
        impostaGuastoFileGiocatore([&](const QString &da, const QString &) {
            if (mosse++ != passo)
                return false;
            fallito = da;
            return true;
        });
        QString ostacolo;
        QCOMPARE(rinominaGiocatore(QStringLiteral("Marco"), QStringLiteral("Giulia"), &ostacolo),
                 EsitoFileGiocatore::Fallito);
        QCOMPARE(ostacolo, fallito);
        QCOMPARE(contenuto(), prima);
    }

    // Removing takes the settings and the access file; the history only when
    // asked; the saved records always stay.
    void rimuoviTieneIRegistri_data()
    {
        QTest::addColumn<bool>("storiaAnche");
        QTest::addColumn<QStringList>("restano");
        const QStringList sempre {QStringLiteral("Luca.ini"), QStringLiteral("dati"), QStringLiteral("dati/Luca"),
                                  QStringLiteral("dati/Luca/Luca_2026-12-01.txt"), QStringLiteral("dati/Marco"),
                                  QStringLiteral("dati/Marco/Marco_2026-12-01.txt")};
        QTest::newRow("storia tenuta") << false
                                       << (sempre + QStringList {QStringLiteral("Marco.storia.sqlite"),
                                                                 QStringLiteral("Marco.storia.sqlite-journal"),
                                                                 QStringLiteral("Marco.storia.sqlite-shm"),
                                                                 QStringLiteral("Marco.storia.sqlite-wal")});
        QTest::newRow("storia eliminata") << true << sempre;
    }
    void rimuoviTieneIRegistri()
    {
        QFETCH(bool, storiaAnche);
        QFETCH(QStringList, restano);
        giocatoreCompleto();
        QCOMPARE(rimuoviGiocatore(QStringLiteral("marco"), storiaAnche), EsitoFileGiocatore::Fatto);
        QStringList attesi = restano;
        attesi.sort();
        QCOMPARE(contenuto().keys(), attesi);
    }

    void rimuoviFallitaNonCambiaNulla()
    {
        giocatoreCompleto();
        const QMap<QString, QByteArray> prima = contenuto();
        int mosse = 0;
        impostaGuastoFileGiocatore([&](const QString &, const QString &) { return ++mosse == 3; });
        QCOMPARE(rimuoviGiocatore(QStringLiteral("Marco"), true), EsitoFileGiocatore::Fallito);
        QCOMPARE(contenuto(), prima);
    }

    // Names that are no player, or that no player may take.
    void nomiRifiutati_data()
    {
        QTest::addColumn<QString>("vecchio");
        QTest::addColumn<QString>("nuovo");
        QTest::newRow("giocatore che non c'è") << QStringLiteral("Nessuno") << QStringLiteral("Giulia");
        QTest::newRow("giocatore predefinito") << QStringLiteral("_predefinito") << QStringLiteral("Giulia");
        QTest::newRow("verso il predefinito") << QStringLiteral("Marco") << QStringLiteral("_PREDEFINITO");
        QTest::newRow("fuori dalla cartella") << QStringLiteral("Marco") << QStringLiteral("../Giulia");
        QTest::newRow("nome vuoto") << QStringLiteral("Marco") << QString();
    }
    void nomiRifiutati()
    {
        QFETCH(QString, vecchio);
        QFETCH(QString, nuovo);
        crea(QStringLiteral("Marco.ini"));
        crea(QStringLiteral("_predefinito.INI"));
        const QMap<QString, QByteArray> prima = contenuto();
        QCOMPARE(rinominaGiocatore(vecchio, nuovo), EsitoFileGiocatore::NomeRifiutato);
        if (nuovo == QLatin1String("Giulia"))
            QCOMPARE(rimuoviGiocatore(vecchio, true), EsitoFileGiocatore::NomeRifiutato);
        QCOMPARE(contenuto(), prima);
    }
};

QTEST_GUILESS_MAIN(TestFileGiocatore)
#include "tst_filegiocatore.moc"
