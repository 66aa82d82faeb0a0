#include "DiscoPieno.h"
#include "core/StoriaProgressi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>

#include <csignal>
#include <cstdio>

// The progress history keeps every segment it confirmed, whatever moment the
// program is killed, and never loses a file it cannot read.
class TestStoriaProgressi : public QObject
{
    Q_OBJECT

    static SegmentoStoria segmento(int n)
    {
        SegmentoStoria s;
        s.esercizio = QStringLiteral("FormEs%1").arg(1 + n % 8);
        s.livello = 1 + n % 4;
        s.esatte = n;
        s.errate = n % 7;
        s.ignorate = n % 3;
        s.accettate = 10 + n % 5;
        s.inizio = QDateTime(QDate(2026, 9, 14), QTime(9, 0)).addSecs(n * 61);
        s.durataMs = 1000 * n + 17;
        s.modoInput = n % 4;
        s.accettazioneMs = 100 * (n % 3);
        s.antirimbalzoMs = 50 * (n % 2);
        return s;
    }

    static QByteArray contenuto(const QString &percorso)
    {
        QFile f(percorso);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

private slots:
    // What is appended reads back, field by field, after the history is
    // closed and opened again; the period's start leaves out older segments.
    void segmentiRilettiDopoLaRiapertura()
    {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("sub/Marco.storia.sqlite"));
        {
            StoriaProgressi storia(percorso);
            QCOMPARE(storia.apri(), StoriaProgressi::Esito::Nuova);
            for (int n = 0; n < 30; ++n)
                QVERIFY(storia.aggiungi(segmento(n)));
        }
        StoriaProgressi storia(percorso);
        QCOMPARE(storia.apri(), StoriaProgressi::Esito::Aperta);
        const QList<SegmentoStoria> letti = storia.segmenti();
        QCOMPARE(letti.size(), 30);
        for (int n = 0; n < 30; ++n)
            QVERIFY2(letti.at(n) == segmento(n), qPrintable(QString::number(n)));
        // 9:00 + n * 61 s: from 9:30 the first is n = 30 -> none; from the
        // day after, none; from the day, all.
        QCOMPARE(storia.segmenti(QDate(2026, 9, 14)).size(), 30);
        QCOMPARE(storia.segmenti(QDate(2026, 9, 15)).size(), 0);
        QVERIFY(!QFileInfo::exists(storia.messaDaParte()));
    }

    // A file that is no history is moved aside under a new name, byte for
    // byte, with its side files; a new, empty history takes its place.
    void storiaIllegibileMessaDaParte_data()
    {
        QTest::addColumn<QString>("caso");
        QTest::newRow("bytes qualunque") << QStringLiteral("bytes");
        QTest::newRow("database d'altro") << QStringLiteral("altro");
        QTest::newRow("database rovinato") << QStringLiteral("rovinato");
        QTest::newRow("collegamento") << QStringLiteral("link");
        QTest::newRow("cartella") << QStringLiteral("cartella");
    }
    void storiaIllegibileMessaDaParte()
    {
        QFETCH(QString, caso);
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("Marco.storia.sqlite"));
        const QString bersaglio = cartella.filePath(QStringLiteral("altrove.txt"));
        if (caso == QLatin1String("bytes")) {
            QFile f(percorso);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write(QByteArray(5000, 'x'));
        } else if (caso == QLatin1String("altro")) {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("altro"));
            db.setDatabaseName(percorso);
            QVERIFY(db.open());
            QVERIFY(QSqlQuery(db).exec(QStringLiteral("CREATE TABLE ricette (nome TEXT)")));
            db.close();
        } else if (caso == QLatin1String("rovinato")) {
            {
                StoriaProgressi storia(percorso);
                QCOMPARE(storia.apri(), StoriaProgressi::Esito::Nuova);
                for (int n = 0; n < 400; ++n)
                    QVERIFY(storia.aggiungi(segmento(n)));
            }
            // Pages of the table overwritten in the middle of the file.
            QFile f(percorso);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.size() > 12000);
            f.seek(4096 + 100);
            f.write(QByteArray(8000, '\xA5'));
        } else if (caso == QLatin1String("link")) {
            QFile f(bersaglio);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("non toccare");
            f.close();
            QVERIFY(QFile::link(bersaglio, percorso));
        } else {
            QVERIFY(QDir().mkpath(percorso));
        }
        const bool cartellaAlPosto = QFileInfo(percorso).isDir();
        const QByteArray prima = cartellaAlPosto ? QByteArray() : contenuto(percorso);

        StoriaProgressi storia(percorso);
        QCOMPARE(storia.apri(), StoriaProgressi::Esito::MessaDaParte);
        const QString messa = storia.messaDaParte();
        QVERIFY(messa.startsWith(cartella.filePath(QStringLiteral("Marco.storia.guasta-"))));
        QVERIFY(messa.endsWith(QLatin1String(".sqlite")));
        if (caso == QLatin1String("link")) {
            QVERIFY(QFileInfo(messa).isSymLink());
            QCOMPARE(contenuto(bersaglio), QByteArray("non toccare"));
        } else if (cartellaAlPosto) {
            QVERIFY(QFileInfo(messa).isDir());
        } else {
            QCOMPARE(contenuto(messa), prima);
        }
        // The new one works, and is a plain file in the old one's place.
        QVERIFY(storia.aggiungi(segmento(1)));
        QCOMPARE(storia.segmenti().size(), 1);
        QVERIFY(QFileInfo(percorso).isFile() && !QFileInfo(percorso).isSymLink());

        // Moved once: the next opening finds the new history.
        StoriaProgressi ancora(percorso);
        QCOMPARE(ancora.apri(), StoriaProgressi::Esito::Aperta);
        QVERIFY(ancora.messaDaParte().isEmpty());
    }

    // Two damages in the same second keep both files.
    void nomiMessaDaParteNonSiSovrappongono()
    {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("Anna.storia.sqlite"));
        const QDateTime quando(QDate(2026, 12, 11), QTime(8, 5, 3));
        const QString primo = StoriaProgressi::nomeMessaDaParte(percorso, quando);
        QCOMPARE(primo, cartella.filePath(QStringLiteral("Anna.storia.guasta-20261211-080503.sqlite")));
        QFile f(primo);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QCOMPARE(StoriaProgressi::nomeMessaDaParte(percorso, quando),
                 cartella.filePath(QStringLiteral("Anna.storia.guasta-20261211-080503-2.sqlite")));
    }

    // A folder that refuses the file keeps nothing, and says so, without
    // moving anything.
    void cartellaSenzaPermessi()
    {
        if (geteuid() == 0)
            QSKIP("root writes everywhere");
        QTemporaryDir cartella;
        QFile::setPermissions(cartella.path(), QFile::ReadOwner | QFile::ExeOwner);
        StoriaProgressi storia(cartella.filePath(QStringLiteral("Marco.storia.sqlite")));
        QCOMPARE(storia.apri(), StoriaProgressi::Esito::Impossibile);
        QVERIFY(!storia.aggiungi(segmento(1)));
        QFile::setPermissions(cartella.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // A full disk: appends fail and say so, what was confirmed stays, the
    // file is never moved aside, and once there is room again the same
    // history (still open) and a reopened one take segments again.
    void discoPieno()
    {
        const QString disco = cartellaDiscoPieno();
        if (disco.isEmpty())
            QSKIP("needs the small file system of tests/con-disco-pieno.sh");
        const QString percorso = disco + QStringLiteral("/Marco.storia.sqlite");
        const QString riempitivo = disco + QStringLiteral("/riempitivo");
        auto riempi = [&riempitivo]() { return riempiDisco(riempitivo); };
        int confermati = 0;
        {
            StoriaProgressi storia(percorso);
            QCOMPARE(storia.apri(), StoriaProgressi::Esito::Nuova);
            for (; confermati < 3; ++confermati)
                QVERIFY(storia.aggiungi(segmento(confermati)));
            QVERIFY(riempi());
            // Appending until the log has no page left to grow into.
            int falliti = 0;
            for (int n = 0; n < 40; ++n) {
                if (storia.aggiungi(segmento(confermati)))
                    ++confermati;
                else
                    ++falliti;
            }
            QVERIFY(falliti > 0);
            QCOMPARE(storia.segmenti().size(), confermati);
            QVERIFY(QFile::remove(riempitivo));
            QVERIFY2(storia.aggiungi(segmento(confermati)), "no append once there is room again");
            ++confermati;
            QVERIFY(riempi());
        }
        // Opened on a full disk: nothing is moved aside.
        {
            StoriaProgressi storia(percorso);
            const StoriaProgressi::Esito esito = storia.apri();
            QVERIFY(esito == StoriaProgressi::Esito::Aperta || esito == StoriaProgressi::Esito::Impossibile);
            QVERIFY(storia.messaDaParte().isEmpty());
        }
        QVERIFY(QFile::remove(riempitivo));
        StoriaProgressi storia(percorso);
        QCOMPARE(storia.apri(), StoriaProgressi::Esito::Aperta);
        const QList<SegmentoStoria> letti = storia.segmenti();
        QCOMPARE(letti.size(), confermati);
        for (int n = 0; n < confermati; ++n)
            QCOMPARE(letti.at(n), segmento(n));
        QVERIFY(storia.aggiungi(segmento(confermati)));
        QCOMPARE(QDir(disco).entryList({QStringLiteral("*.guasta-*")}, QDir::Files).size(), 0);
    }

    // A program killed while appending, a few hundred times at random
    // moments: the history always opens as it is (never moved aside), holds
    // every segment whose append had returned, in order, and at most the
    // one being written besides.
    void uccisoMentreAggiunge()
    {
        QTemporaryDir cartella;
        const QString percorso = cartella.filePath(QStringLiteral("Marco.storia.sqlite"));
        const int giri = qEnvironmentVariableIntValue("PINNOLE_GIRI_UCCISIONI") > 0
            ? qEnvironmentVariableIntValue("PINNOLE_GIRI_UCCISIONI")
            : 200;
        QRandomGenerator caso(20261211);
        int confermati = 0;
        for (int giro = 0; giro < giri; ++giro) {
            QProcess figlio;
            figlio.start(QCoreApplication::applicationFilePath(),
                         {QStringLiteral("--aggiungi"), percorso, QString::number(confermati)});
            QVERIFY(figlio.waitForStarted());
            // The first confirmation: the child is appending from now on.
            while (!figlio.canReadLine() && figlio.state() == QProcess::Running)
                figlio.waitForReadyRead(50);
            QTest::qSleep(int(caso.bounded(12)));
            ::kill(pid_t(figlio.processId()), SIGKILL);
            QVERIFY(figlio.waitForFinished(10000));
            int ultimo = confermati - 1;
            for (const QByteArray &riga : figlio.readAllStandardOutput().split('\n')) {
                if (!riga.isEmpty())
                    ultimo = std::max(ultimo, riga.toInt());
            }
            StoriaProgressi storia(percorso);
            QCOMPARE(storia.apri(), StoriaProgressi::Esito::Aperta);
            const QList<SegmentoStoria> letti = storia.segmenti();
            // Every confirmed one, numbered without gap; at most one more.
            QVERIFY2(letti.size() == ultimo + 1 || letti.size() == ultimo + 2,
                     qPrintable(QStringLiteral("giro %1: %2 letti, ultimo confermato %3")
                                    .arg(giro)
                                    .arg(letti.size())
                                    .arg(ultimo)));
            for (int n = 0; n < letti.size(); ++n)
                QCOMPARE(letti.at(n).esatte, n);
            confermati = int(letti.size());
        }
        QVERIFY(confermati > giri);
        // The file is whole page by page, not only where the reader looked.
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("verifica"));
        db.setDatabaseName(percorso);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(q.exec(QStringLiteral("PRAGMA integrity_check")) && q.next());
        QCOMPARE(q.value(0).toString(), QStringLiteral("ok"));
    }
};

// The child of uccisoMentreAggiunge: appends numbered segments from the
// given number on, printing each number once its append returned.
static int aggiungiFinoAllaFine(const QString &percorso, int da)
{
    StoriaProgressi storia(percorso);
    if (storia.apri() != StoriaProgressi::Esito::Aperta && da > 0)
        return 2;
    for (int n = da;; ++n) {
        SegmentoStoria s;
        s.esercizio = QStringLiteral("FormEs1");
        s.esatte = n;
        s.inizio = QDateTime(QDate(2026, 9, 14), QTime(9, 0)).addSecs(n);
        if (!storia.aggiungi(s))
            return 3;
        std::printf("%d\n", n);
        std::fflush(stdout);
    }
}

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 4 && qstrcmp(argv[1], "--aggiungi") == 0)
        return aggiungiFinoAllaFine(QString::fromLocal8Bit(argv[2]), QByteArray(argv[3]).toInt());
    TestStoriaProgressi test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_storiaprogressi.moc"
