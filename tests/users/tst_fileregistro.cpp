#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "core/TestoFile.h"
#include "users/FileRegistro.h"
#include "users/RegistroAttivita.h"
#include "users/VistaRegistro.h"

#include "TestPaths.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

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

// Two runs played through the table's own rules: "Vero o falso" with a level
// change, then one level of "Uguali - 1°".
ContenutoRegistro dueEsecuzioni()
{
    StatoProgramma s;
    iniziaRigaEsercizio(s, QStringLiteral("Vero o falso"));
    s.RisposteEsatte = 7;
    completaSegmento(s, 1);
    s.RisposteEsatte = 2;
    s.RisposteErrate = 1;
    completaSegmento(s, 2);
    iniziaRigaEsercizio(s, QStringLiteral("Uguali - 1°"));
    s.RisposteEsatte = 3;
    s.RisposteErrate = 4;
    completaSegmento(s, 1);

    ContenutoRegistro c;
    c.utente = QStringLiteral("Niccolò");
    c.data = VistaRegistro::etichettaData(QStringLiteral("Esercizi eseguiti il "), QDate(2026, 12, 10),
                                          VistaRegistro::localeDate(true));
    c.righe = VistaRegistro::righeDaTabella(s);
    return c;
}

} // namespace

class TestFileRegistro : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_casa.isValid());
        qputenv("XDG_CONFIG_HOME", m_casa.filePath(QStringLiteral("config")).toUtf8());
    }

    // The saved file is, byte for byte, Windows-1252 with CR LF, R as a
    // printed number and four lines per row, empty rows included.
    void salvaComeIlFileAtteso()
    {
        const QString percorso = m_casa.filePath(QStringLiteral("salvato.rpt"));
        QVERIFY(FileRegistro::scrivi(percorso, dueEsecuzioni()));
        QCOMPARE(contenutoDi(percorso), contenutoDi(fixture(QStringLiteral("due_esecuzioni.rpt"))));
    }

    // Reading the file gives back the same labels and rows.
    void rileggeIlFileAtteso()
    {
        const auto letto = FileRegistro::leggi(fixture(QStringLiteral("due_esecuzioni.rpt")));
        QVERIFY(letto.has_value());
        QCOMPARE(*letto, dueEsecuzioni());
        QCOMPARE(letto->righe.size(), 5);
        QCOMPARE(letto->righe.at(2), RigaRegistro {});
    }

    // The ignored presses change nothing in the record file: with and
    // without them it is the same file byte for byte. They go into the
    // companion file beside it, one line a row (empty where the row has no
    // segment, and for rows beyond a short list), and come back with it.
    void ignorateNelFileCompagno()
    {
        const QString senza = m_casa.filePath(QStringLiteral("senza.rpt"));
        const QString con = m_casa.filePath(QStringLiteral("con.rpt"));
        ContenutoRegistro c = dueEsecuzioni();
        QVERIFY(FileRegistro::scrivi(senza, c));
        c.ignorate = QStringList {"3", "0", "", "17"};
        QVERIFY(FileRegistro::scrivi(con, c));
        QCOMPARE(contenutoDi(con), contenutoDi(fixture(QStringLiteral("due_esecuzioni.rpt"))));
        QCOMPARE(contenutoDi(senza), contenutoDi(con));
        QCOMPARE(FileRegistro::percorsoIgnorate(con), con + QStringLiteral(".ignorate"));
        // The last line names the record's bytes it goes with.
        const QByteArray impronta = "impronta=" + TestoFile::impronta(contenutoDi(con)).toLatin1() + "\r\n";
        QCOMPARE(contenutoDi(con + QStringLiteral(".ignorate")), "5\r\n3\r\n0\r\n\r\n17\r\n\r\n" + impronta);
        QCOMPARE(contenutoDi(senza + QStringLiteral(".ignorate")), "5\r\n\r\n\r\n\r\n\r\n\r\n" + impronta);

        const auto letto = FileRegistro::leggi(con);
        QVERIFY(letto.has_value());
        QCOMPARE(letto->ignorate, (QStringList {"3", "0", "", "17", ""}));
        QCOMPARE(*letto, c);
        // Saving the same path without counts leaves none of the old ones behind.
        c.ignorate.clear();
        QVERIFY(FileRegistro::scrivi(con, c));
        QCOMPARE(FileRegistro::leggi(con)->ignorate, (QStringList {"", "", "", "", ""}));
    }

    // A companion file that is missing, damaged or not of this record never
    // costs the record: it reads whole, with its counts blank.
    void compagnoMancanteODanneggiato_data()
    {
        QTest::addColumn<QByteArray>("compagno"); // null: no companion file
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("empty") << QByteArray("");
        QTest::newRow("rows of another record") << QByteArray("4\r\n1\r\n2\r\n3\r\n4\r\n");
        QTest::newRow("shorter than it says") << QByteArray("5\r\n1\r\n2\r\n");
        QTest::newRow("N not a number") << QByteArray("cinque\r\n1\r\n2\r\n\r\n3\r\n\r\n");
        QTest::newRow("a count not a number") << QByteArray("5\r\n1\r\ntre\r\n\r\n3\r\n\r\n");
        QTest::newRow("a negative count") << QByteArray("5\r\n1\r\n-2\r\n\r\n3\r\n\r\n");
        QTest::newRow("a count beyond 16 bits") << QByteArray("5\r\n1\r\n99999\r\n\r\n3\r\n\r\n");
        QTest::newRow("a count with a plus sign") << QByteArray("5\r\n1\r\n+5\r\n\r\n3\r\n\r\n");
        // Left by an earlier record of the same name whose companion was
        // never replaced: the rows match, the fingerprint does not.
        QTest::newRow("counts of an earlier record")
            << QByteArray("5\r\n1\r\n2\r\n\r\n3\r\n\r\nimpronta=0123456789abcdef0123456789abcdef\r\n");
        QTest::newRow("binary bytes") << QByteArray("5\r\n\0\x01\xff\r\n", 8);
        QTest::newRow("too large") << QByteArray("5\r\n").append(QByteArray(8000, '1'));
    }
    void compagnoMancanteODanneggiato()
    {
        QFETCH(QByteArray, compagno);
        const QString percorso = m_casa.filePath(QStringLiteral("compagno.rpt"));
        QFile::remove(FileRegistro::percorsoIgnorate(percorso));
        QVERIFY(FileRegistro::scrivi(percorso, dueEsecuzioni()));
        QFile file(FileRegistro::percorsoIgnorate(percorso));
        if (compagno.isNull()) {
            QVERIFY(file.remove());
        } else {
            QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(compagno);
            file.close();
        }
        const auto letto = FileRegistro::leggi(percorso);
        QVERIFY(letto.has_value());
        QCOMPARE(*letto, dueEsecuzioni());
        for (qsizetype i = 0; i < letto->righe.size(); ++i)
            QVERIFY(letto->ignorateRiga(i).isEmpty());
    }

    // Contents that must come back exactly as written.
    void andataERitorno_data()
    {
        QTest::addColumn<QString>("utente");
        QTest::addColumn<QString>("data");
        QTest::addColumn<QList<RigaRegistro>>("righe");
        QTest::addColumn<QByteArray>("inizio");

        QTest::newRow("no data rows: R = 1, four lines")
            << QStringLiteral("_predefinito") << QStringLiteral("Esercizi eseguiti il 01/02/26")
            << QList<RigaRegistro> {} << QByteArray("_predefinito\r\nEsercizi eseguiti il 01/02/26\r\n 1 \r\n\r\n");
        QTest::newRow("a comma in the user name and the date")
            << QStringLiteral("Rossi, Mario") << QStringLiteral("Done on 2/1/26, Monday")
            << QList<RigaRegistro> {{QStringLiteral("Insiemi"), QStringLiteral("4"), QStringLiteral("20"),
                                     QStringLiteral("0")}}
            << QByteArray("Rossi, Mario\r\nDone on 2/1/26, Monday\r\n 2 \r\nInsiemi\r\n4\r\n20\r\n0\r\n");
        QTest::newRow("accented names in Windows-1252")
            << QStringLiteral("Zoë") << QStringLiteral("Eseguiti il 3/3/26")
            << QList<RigaRegistro> {{QStringLiteral("Uguali - 2°"), QStringLiteral("2"), QString(), QString()}}
            << QByteArray("Zo\xEB\r\nEseguiti il 3/3/26\r\n 2 \r\nUguali - 2\xB0\r\n2\r\n\r\n\r\n");
        QList<RigaRegistro> piena;
        for (int i = 1; i <= 500; ++i)
            piena.append({QStringLiteral("Indovina chi?"), QString::number(i % 5 + 1), QString::number(i), QString()});
        QTest::newRow("a full table: R = 501")
            << QStringLiteral("Anna") << QStringLiteral("Eseguiti il 3/3/26") << piena
            << QByteArray("Anna\r\nEseguiti il 3/3/26\r\n 501 \r\nIndovina chi?\r\n2\r\n1\r\n\r\n");
    }
    void andataERitorno()
    {
        QFETCH(QString, utente);
        QFETCH(QString, data);
        QFETCH(QList<RigaRegistro>, righe);
        QFETCH(QByteArray, inizio);
        ContenutoRegistro c {utente, data, righe, QString(), {}};
        const QString percorso = m_casa.filePath(QStringLiteral("andata.rpt"));
        QVERIFY(FileRegistro::scrivi(percorso, c));
        const QByteArray byte = contenutoDi(percorso);
        QVERIFY2(byte.startsWith(inizio), byte.left(80).constData());
        QCOMPARE(byte.count("\r\n"), 4 * (righe.size() + 1));
        QCOMPARE(byte.count('\n'), byte.count("\r\n"));
        const auto letto = FileRegistro::leggi(percorso);
        QVERIFY(letto.has_value());
        QCOMPARE(*letto, c);
    }

    // Files of other writers: quoted labels, LF line ends, a closing label.
    void leggeFileDiAltri_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::addColumn<QString>("utente");
        QTest::addColumn<QString>("data");
        QTest::addColumn<int>("righe");
        QTest::addColumn<QString>("chiusura");

        QTest::newRow("quoted labels")
            << QByteArray("\"Mario, Rossi\"\r\n\"Esercizi eseguiti il 1/2/03\"\r\n1\r\n\r\n")
            << QStringLiteral("Mario, Rossi") << QStringLiteral("Esercizi eseguiti il 1/2/03") << 0 << QString();
        QTest::newRow("LF ends, blanks round R, closing label")
            << QByteArray("Luca\nData\n   2\nColora la pinnola\n6\n14\n2\nFine\n")
            << QStringLiteral("Luca") << QStringLiteral("Data") << 1 << QStringLiteral("Fine");
        QTest::newRow("lines beyond the closing label are ignored")
            << QByteArray("A\r\nB\r\n 1 \r\nC\r\nD\r\nE\r\n")
            << QStringLiteral("A") << QStringLiteral("B") << 0 << QStringLiteral("C");
        QTest::newRow("bytes that are not UTF-8 read as Windows-1252")
            << QByteArray("Pi\xF9 \x80\r\nOggi\r\n 1 \r\n\r\n")
            << QStringLiteral("Più €") << QStringLiteral("Oggi") << 0 << QString();
    }
    void leggeFileDiAltri()
    {
        QFETCH(QByteArray, byte);
        QFETCH(QString, utente);
        QFETCH(QString, data);
        QFETCH(int, righe);
        QFETCH(QString, chiusura);
        const auto letto = FileRegistro::decodifica(byte);
        QVERIFY(letto.has_value());
        QCOMPARE(letto->utente, utente);
        QCOMPARE(letto->data, data);
        QCOMPARE(letto->righe.size(), righe);
        QCOMPARE(letto->chiusura, chiusura);
    }

    // A damaged file is refused whole: nothing half-read, nothing huge allocated.
    void fileDanneggiati_data()
    {
        QTest::addColumn<QByteArray>("byte");
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("only the labels") << QByteArray("A\r\nB\r\n");
        QTest::newRow("no closing label") << QByteArray("A\r\nB\r\n 1 \r\n");
        QTest::newRow("R not a number") << QByteArray("A\r\nB\r\n quattro \r\n\r\n");
        QTest::newRow("R a decimal") << QByteArray("A\r\nB\r\n 1.5 \r\n\r\n");
        QTest::newRow("R zero") << QByteArray("A\r\nB\r\n 0 \r\n\r\n");
        QTest::newRow("R negative") << QByteArray("A\r\nB\r\n -3 \r\n\r\n");
        QTest::newRow("R beyond the table") << QByteArray("A\r\nB\r\n 502 \r\n\r\n");
        QTest::newRow("R huge") << QByteArray("A\r\nB\r\n 32767 \r\n\r\n");
        QTest::newRow("R beyond 16 bits") << QByteArray("A\r\nB\r\n 99999999999 \r\n\r\n");
        QTest::newRow("one line short: no closing label")
            << QByteArray("A\r\nB\r\n 2 \r\nVero o falso\r\n1\r\n2\r\n3\r\n");
        QTest::newRow("more rows claimed than held")
            << QByteArray("A\r\nB\r\n 3 \r\nVero o falso\r\n1\r\n2\r\n3\r\n\r\n");
        QTest::newRow("binary bytes")
            << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0\xff\xfe\r\n 1 \r\n\r\n", 32);
    }
    void fileDanneggiati()
    {
        QFETCH(QByteArray, byte);
        QVERIFY(!FileRegistro::decodifica(byte).has_value());
        const QString percorso = m_casa.filePath(QStringLiteral("danneggiato.rpt"));
        QFile file(percorso);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(byte);
        file.close();
        QVERIFY(!FileRegistro::leggi(percorso).has_value());
    }

    void fileMancanteOTroppoGrande()
    {
        QVERIFY(!FileRegistro::leggi(QString()).has_value());
        QVERIFY(!FileRegistro::leggi(m_casa.filePath(QStringLiteral("nessuno.rpt"))).has_value());
        QVERIFY(!FileRegistro::leggi(m_casa.path()).has_value());
        const QString grande = m_casa.filePath(QStringLiteral("grande.rpt"));
        QFile file(grande);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("A\r\nB\r\n 1 \r\n\r\n");
        QVERIFY(file.resize(FileRegistro::kByteMassimi + 1));
        file.close();
        QVERIFY(!FileRegistro::leggi(grande).has_value());
    }

    // The companion cannot be written after the record was: the one of the
    // earlier record goes, so its counts never stand beside the new rows.
    void compagnoNonScrittoNonRestaQuelloVecchio()
    {
        const QString percorso = m_casa.filePath(QStringLiteral("vecchio.rpt"));
        ContenutoRegistro c = dueEsecuzioni();
        c.ignorate = QStringList {"3", "0", "", "17"};
        QVERIFY(FileRegistro::scrivi(percorso, c));
        const QString compagno = FileRegistro::percorsoIgnorate(percorso);
        TestoFile::impostaGuasto([compagno](const QString &p, TestoFile::FaseScrittura) { return p == compagno; });
        c.utente = QStringLiteral("Anna");
        c.ignorate = QStringList {"1", "1", "", "1"};
        const bool scritto = FileRegistro::scrivi(percorso, c);
        TestoFile::impostaGuasto({});
        QVERIFY(!scritto);
        QVERIFY(!QFileInfo::exists(compagno));
        const auto letto = FileRegistro::leggi(percorso);
        QVERIFY(letto.has_value());
        QCOMPARE(letto->utente, QStringLiteral("Anna"));
        QCOMPARE(letto->ignorateRiga(0), QString());
    }

    // Nowhere to write: the failure is reported and no file appears.
    void salvataggioImpossibile()
    {
        const ContenutoRegistro c = dueEsecuzioni();
        QVERIFY(!FileRegistro::scrivi(QString(), c));
        QVERIFY(!FileRegistro::scrivi(m_casa.filePath(QStringLiteral("manca/x.rpt")), c));
        QVERIFY(!QFileInfo::exists(m_casa.filePath(QStringLiteral("manca"))));
        QDir(m_casa.path()).mkdir(QStringLiteral("cartella.rpt"));
        QVERIFY(!FileRegistro::scrivi(m_casa.filePath(QStringLiteral("cartella.rpt")), c));
        QVERIFY(QFileInfo(m_casa.filePath(QStringLiteral("cartella.rpt"))).isDir());
    }

    // The user's folder under the data folder, matched without regard to
    // case, created when missing; names that would leave it are refused.
    void cartellaDellUtente()
    {
        QDir().mkpath(Percorsi::cartellaPinnole() + QStringLiteral("dati/MARIO"));
        const QString mario = FileRegistro::preparaCartellaUtente(QStringLiteral("Mario"));
        QCOMPARE(mario, Percorsi::cartellaPinnole() + QStringLiteral("dati/MARIO/"));

        QDir(Percorsi::cartellaPinnole() + QStringLiteral("dati")).removeRecursively();
        const QString predefinito = FileRegistro::preparaCartellaUtente(QStringLiteral("_predefinito"));
        QCOMPARE(predefinito, Percorsi::cartellaPinnole() + QStringLiteral("dati/_predefinito/"));
        QVERIFY(QFileInfo(predefinito).isDir());
        QVERIFY(QFileInfo::exists(Percorsi::fileLeggimi()));

        for (const QString &cattivo : {QString(), QStringLiteral(".."), QStringLiteral("."), QStringLiteral("../fuori"),
                                       QStringLiteral("a\\b")}) {
            QVERIFY2(FileRegistro::preparaCartellaUtente(cattivo).isEmpty(), qPrintable(cattivo));
        }
        QVERIFY(!QFileInfo::exists(Percorsi::cartellaPinnole() + QStringLiteral("fuori")));
    }

private:
    QTemporaryDir m_casa;
};

QTEST_GUILESS_MAIN(TestFileRegistro)
#include "tst_fileregistro.moc"
