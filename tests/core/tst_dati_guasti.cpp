#include "DiscoPieno.h"
#include "core/Avvio.h"
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/OpzioniAccesso.h"
#include "core/Percorsi.h"
#include "core/TestoFile.h"
#include "users/FileRegistro.h"
#include "users/Utenti.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>
#include <functional>

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

// Stored data under the faults a school PC meets: a full disk, huge or
// special files where a stored file should be, planted links, an access file
// that cannot be written, and a program killed between two files that belong
// together.

namespace {

QByteArray byteDi(const QString &percorso)
{
    QFile file(percorso);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool scriviGrezzo(const QString &percorso, const QByteArray &byte)
{
    QFile file(percorso);
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(byte) == byte.size();
}

// The files in a folder, by name.
QStringList fileIn(const QString &cartella)
{
    return QDir(cartella).entryList(QDir::Files | QDir::Dirs | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot,
                                    QDir::Name);
}

Impostazioni impostazioni(int velocita)
{
    Impostazioni imp;
    ImpostazioniPredefinite(imp, QStringLiteral("{it}"));
    imp.VelocitaVoce = qint16(velocita);
    return imp;
}

OpzioniAccesso opzioni(int accettazione)
{
    OpzioniAccesso o;
    o.accettazioneMs = accettazione;
    return o;
}

ContenutoRegistro registro(const QString &utente, const QString &ignorate)
{
    ContenutoRegistro c;
    c.utente = utente;
    c.data = QStringLiteral("Esercizi eseguiti il 10/12/2026");
    c.righe = {RigaRegistro {QStringLiteral("Vero o falso"), QStringLiteral("1"), QStringLiteral("7"),
                             QStringLiteral("0")}};
    c.ignorate = QStringList {ignorate};
    return c;
}

// Every kind of file the program keeps, written with old or new content
// into the given path; true when the write reported success.
bool scrivi(const QString &tipo, const QString &percorso, bool nuovo)
{
    const int n = nuovo ? 2 : 1;
    if (tipo == QLatin1String("impostazioni"))
        return SalvaImpostazioni(percorso, impostazioni(100 + n));
    if (tipo == QLatin1String("accesso"))
        return SalvaOpzioniAccesso(percorso, opzioni(100 * n));
    if (tipo == QLatin1String("registro"))
        return FileRegistro::scrivi(percorso, registro(nuovo ? QStringLiteral("Anna") : QStringLiteral("Marco"),
                                                       QString::number(n)));
    if (tipo == QLatin1String("lingua"))
        return MLSWriteKey(percorso, QStringLiteral("Lingua"), QStringLiteral("File"),
                           nuovo ? QStringLiteral("English.lng") : QStringLiteral("Italiano.lng"));
    return TestoFile::scriviRighe(percorso, {nuovo ? QStringLiteral("Avviso nuovo") : QStringLiteral("Avviso")});
}

// What the program reads from the path (or from the record's companion):
// true when the reader refused it as it refuses a damaged file.
bool lettoComeDanneggiato(const QString &tipo, const QString &percorso)
{
    if (tipo == QLatin1String("impostazioni")) {
        Impostazioni imp;
        return !LeggiImpostazioni(percorso, &imp, QStringLiteral("{it}")) && imp == impostazioni(imp.VelocitaVoce)
            && !elencoUtenti(QFileInfo(percorso).path(), false).size();
    }
    if (tipo == QLatin1String("accesso"))
        return LeggiOpzioniAccesso(percorso) == OpzioniAccesso();
    if (tipo == QLatin1String("registro"))
        return !FileRegistro::leggi(percorso).has_value();
    if (tipo == QLatin1String("compagno")) {
        const QString registroVero = percorso.chopped(QStringLiteral(".ignorate").size());
        const auto letto = FileRegistro::leggi(registroVero);
        return letto.has_value() && letto->ignorateRiga(0).isEmpty();
    }
    if (tipo == QLatin1String("lingua")) {
        const auto valore = MLSReadKey(percorso, QStringLiteral("Lingua"), QStringLiteral("File"));
        return !valore || valore->isEmpty();
    }
    return true;
}

QString nomeFile(const QString &tipo)
{
    if (tipo == QLatin1String("impostazioni"))
        return QStringLiteral("Marco.ini");
    if (tipo == QLatin1String("accesso"))
        return QStringLiteral("Marco.accesso");
    if (tipo == QLatin1String("registro"))
        return QStringLiteral("lunedi.rpt");
    if (tipo == QLatin1String("compagno"))
        return QStringLiteral("lunedi.rpt.ignorate");
    if (tipo == QLatin1String("lingua"))
        return QStringLiteral("LangSetting.ini");
    return QStringLiteral("leggimi.txt");
}

const QStringList kTipi = {QStringLiteral("impostazioni"), QStringLiteral("accesso"), QStringLiteral("registro"),
                           QStringLiteral("lingua"), QStringLiteral("leggimi")};

// Runs a save in a child process that dies, as a killed program does, when
// it reaches the given step of the file of that name; true when it died there.
bool uccisoA(const QString &nome, TestoFile::FaseScrittura fase, const std::function<void()> &salva)
{
    const pid_t figlio = fork();
    if (figlio == 0) {
        TestoFile::impostaGuasto([nome, fase](const QString &percorso, TestoFile::FaseScrittura f) {
            if (f == fase && QFileInfo(percorso).fileName() == nome)
                _exit(42);
            return false;
        });
        salva();
        _exit(0);
    }
    int stato = 0;
    return figlio > 0 && waitpid(figlio, &stato, 0) == figlio && WIFEXITED(stato) && WEXITSTATUS(stato) == 42;
}

} // namespace

class TestDatiGuasti : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir m_casa;

    static StatoProgramma &predefinito()
    {
        StatoProgramma &s = Stato();
        s.UtenteCorrente = QStringLiteral("_predefinito");
        s.PercorsoImpostazioni = percorsoUtentePredefinito();
        LeggiUtenteCorrente(s);
        return s;
    }

private slots:
    void initTestCase()
    {
        qputenv("XDG_CONFIG_HOME", m_casa.filePath(QStringLiteral("config")).toUtf8());
        Percorsi::impostaCartellaProgramma(m_casa.filePath(QStringLiteral("programma")));
    }

    void init()
    {
        TestoFile::impostaGuasto({});
        QDir(Percorsi::cartellaPinnole()).removeRecursively();
        QVERIFY(QDir().mkpath(Percorsi::cartellaDati() + QStringLiteral("_predefinito")));
    }

    // On a full disk every kind of file keeps its old bytes, the save says it
    // failed and nothing half-written is left beside it. Runs only on the
    // small file system the test command mounts for it
    // (tests/con-disco-pieno.sh).
    void discoPieno_data()
    {
        QTest::addColumn<QString>("tipo");
        for (const QString &tipo : kTipi)
            QTest::newRow(qPrintable(tipo)) << tipo;
    }
    void discoPieno()
    {
        QFETCH(QString, tipo);
        const QString disco = cartellaDiscoPieno();
        if (disco.isEmpty())
            QSKIP("needs the small file system of tests/con-disco-pieno.sh");
        const QString cartella = disco + QLatin1Char('/') + tipo;
        QVERIFY(QDir().mkpath(cartella));
        const QString percorso = cartella + QLatin1Char('/') + nomeFile(tipo);
        QVERIFY(scrivi(tipo, percorso, false));
        const QStringList prima = fileIn(cartella);
        QList<QByteArray> vecchi;
        for (const QString &nome : prima)
            vecchi << byteDi(cartella + QLatin1Char('/') + nome);

        // Fill the disk to the last byte.
        const QString riempitivo = disco + QStringLiteral("/riempitivo");
        QVERIFY(riempiDisco(riempitivo));
        const bool scritto = scrivi(tipo, percorso, true);
        QFile::remove(riempitivo);
        QVERIFY(!scritto);
        QCOMPARE(fileIn(cartella), prima);
        for (qsizetype i = 0; i < prima.size(); ++i)
            QCOMPARE(byteDi(cartella + QLatin1Char('/') + prima.at(i)), vecchi.at(i));
        // Once there is room again, the same save goes through.
        QVERIFY(scrivi(tipo, percorso, true));
        QDir(cartella).removeRecursively();
    }

    // A huge sparse file, a FIFO, a link to an endless device or a folder in
    // place of a stored file reads at once as a damaged file: no hang, no
    // memory without end. A write never goes into them.
    void fileSpeciali_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QString>("speciale");
        for (const QString &tipo : {QStringLiteral("impostazioni"), QStringLiteral("accesso"),
                                    QStringLiteral("registro"), QStringLiteral("compagno"), QStringLiteral("lingua")}) {
            for (const QString &speciale : {QStringLiteral("3 GB"), QStringLiteral("FIFO"), QStringLiteral("/dev/zero"),
                                            QStringLiteral("folder")})
                QTest::newRow(qPrintable(tipo + QStringLiteral(", ") + speciale)) << tipo << speciale;
        }
    }
    void fileSpeciali()
    {
        QFETCH(QString, tipo);
        QFETCH(QString, speciale);
        const QString cartella = m_casa.filePath(QStringLiteral("speciali"));
        QDir(cartella).removeRecursively();
        QVERIFY(QDir().mkpath(cartella));
        const QString percorso = cartella + QLatin1Char('/') + nomeFile(tipo);
        if (tipo == QLatin1String("compagno"))
            QVERIFY(FileRegistro::scrivi(percorso.chopped(9), registro(QStringLiteral("Anna"), QStringLiteral("4"))));
        QFile::remove(percorso);
        const QByteArray nome = QFile::encodeName(percorso);
        if (speciale == QLatin1String("3 GB")) {
            QFile file(percorso);
            QVERIFY(file.open(QIODevice::WriteOnly));
            QVERIFY(file.resize(3LL * 1024 * 1024 * 1024));
        } else if (speciale == QLatin1String("FIFO")) {
            QCOMPARE(::mkfifo(nome.constData(), 0600), 0);
        } else if (speciale == QLatin1String("/dev/zero")) {
            QVERIFY(QFile::link(QStringLiteral("/dev/zero"), percorso));
        } else {
            QVERIFY(QDir().mkdir(percorso));
        }

        QElapsedTimer orologio;
        orologio.start();
        QVERIFY(lettoComeDanneggiato(tipo, percorso));
        if (tipo == QLatin1String("impostazioni") || tipo == QLatin1String("accesso")) {
            // The start reads both files of the player.
            StatoProgramma &s = Stato();
            s.PercorsoImpostazioni = cartella + QStringLiteral("/Marco.ini");
            LeggiUtenteCorrente(s);
            QCOMPARE(s.accesso, OpzioniAccesso());
        }
        QVERIFY2(orologio.elapsed() < 3000, qPrintable(QString::number(orologio.elapsed())));

        // A folder or a FIFO is never replaced; anything else gives way to
        // a regular file, and /dev/zero is not opened for writing.
        if (tipo != QLatin1String("compagno")) {
            const bool scritto = scrivi(tipo, percorso, true);
            const QFileInfo dopo(percorso);
            if (speciale == QLatin1String("folder") || speciale == QLatin1String("FIFO")) {
                QVERIFY(!scritto);
                QVERIFY(!dopo.isFile() || dopo.isSymLink());
            } else {
                QVERIFY(scritto);
                QVERIFY(dopo.isFile() && !dopo.isSymLink());
                QVERIFY(dopo.size() < 1024);
            }
        }
        QVERIFY2(orologio.elapsed() < 5000, qPrintable(QString::number(orologio.elapsed())));
        QDir(cartella).removeRecursively();
    }

    // A link planted in place of a stored file never leads a write out of
    // the folder: the file it points to stays as it was, and the link is
    // replaced by the program's own file.
    void collegamentiNonSeguiti_data()
    {
        QTest::addColumn<QString>("tipo");
        for (const QString &tipo : kTipi)
            QTest::newRow(qPrintable(tipo)) << tipo;
        QTest::newRow("settings and access of the current player") << QStringLiteral("giocatore");
    }
    void collegamentiNonSeguiti()
    {
        QFETCH(QString, tipo);
        const QString vittima = m_casa.filePath(QStringLiteral("vittima.txt"));
        QVERIFY(scriviGrezzo(vittima, "da non toccare\n"));
        QStringList collegamenti;
        if (tipo == QLatin1String("giocatore")) {
            collegamenti << percorsoUtentePredefinito()
                         << percorsoOpzioniAccesso(percorsoUtentePredefinito());
        } else {
            collegamenti << Percorsi::cartellaPinnole() + nomeFile(tipo);
            if (tipo == QLatin1String("registro"))
                collegamenti << FileRegistro::percorsoIgnorate(collegamenti.first());
        }
        for (const QString &c : collegamenti)
            QVERIFY(QFile::link(vittima, c));

        if (tipo == QLatin1String("giocatore")) {
            StatoProgramma &s = predefinito();
            s.imp.VelocitaVoce = 123;
            s.accesso = opzioni(400);
            QCOMPARE(SalvaUtenteCorrente(s), EsitoSalvataggio::Salvato);
        } else {
            QVERIFY(scrivi(tipo, collegamenti.first(), true));
        }
        QCOMPARE(byteDi(vittima), QByteArray("da non toccare\n"));
        for (const QString &c : collegamenti) {
            QVERIFY2(!QFileInfo(c).isSymLink(), qPrintable(c));
            QVERIFY(QFileInfo(c).isFile());
        }
        QVERIFY(QFile::remove(vittima));
    }

    // The access file cannot be written (a folder stands in its place): the
    // settings are saved all the same, the save says which part failed, and
    // the player can still be changed; the options read as the defaults.
    void accessoNonScrivibile()
    {
        StatoProgramma &s = predefinito();
        const QString accesso = percorsoOpzioniAccesso(s.PercorsoImpostazioni);
        QVERIFY(QDir().mkdir(accesso));
        s.imp.VelocitaVoce = 140;
        s.accesso = opzioni(300);
        QCOMPARE(SalvaUtenteCorrente(s), EsitoSalvataggio::AccessoNonSalvato);
        Impostazioni letta;
        QVERIFY(LeggiImpostazioni(s.PercorsoImpostazioni, &letta, QStringLiteral("{it}")));
        QCOMPARE(letta.VelocitaVoce, qint16(140));

        EsitoSalvataggio salvataggio = EsitoSalvataggio::Salvato;
        QCOMPARE(scegliUtente(s, QStringLiteral("Anna"), &salvataggio), EsitoSceltaUtente::UtenteCambiato);
        QCOMPARE(salvataggio, EsitoSalvataggio::AccessoNonSalvato);
        QCOMPARE(s.UtenteCorrente, QStringLiteral("Anna"));
        QCOMPARE(scegliUtente(s, QStringLiteral("_predefinito"), &salvataggio), EsitoSceltaUtente::UtenteCambiato);
        QCOMPARE(salvataggio, EsitoSalvataggio::Salvato);
        QCOMPARE(s.imp.VelocitaVoce, qint16(140));
        QCOMPARE(s.accesso, OpzioniAccesso());
        QVERIFY(QFileInfo(accesso).isDir());
        // The settings alone failing is still reported as such.
        QVERIFY(QDir(accesso).removeRecursively());
        QVERIFY(QFile::remove(s.PercorsoImpostazioni));
        QVERIFY(QDir().mkdir(s.PercorsoImpostazioni));
        QCOMPARE(SalvaUtenteCorrente(s), EsitoSalvataggio::ImpostazioniNonSalvate);
        QVERIFY(QDir(s.PercorsoImpostazioni).removeRecursively());
    }

    // A player's settings and access file, and a record and its companion,
    // are written one after the other. Killed at any step, the program
    // leaves a pair that belongs together, and the next start clears what
    // the killed write left half-done.
    void uccisoTraDueFile_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("fase");
        QTest::addColumn<bool>("nuovi"); // the pair read afterwards is the new one
        const QString impostazioni = QStringLiteral("_predefinito.INI");
        const QString accesso = QStringLiteral("_predefinito.accesso");
        using F = TestoFile::FaseScrittura;
        QTest::newRow("player: before the access file is renamed") << accesso << int(F::Rinomina) << false;
        QTest::newRow("player: access file new, settings being written")
            << impostazioni << int(F::Scrittura) << false;
        QTest::newRow("player: access file new, settings before the rename")
            << impostazioni << int(F::Rinomina) << false;
        QTest::newRow("record: before the record is renamed") << QStringLiteral("x.rpt") << int(F::Rinomina) << false;
        QTest::newRow("record: record new, companion before the rename")
            << QStringLiteral("x.rpt.ignorate") << int(F::Rinomina) << true;
    }
    void uccisoTraDueFile()
    {
        QFETCH(QString, file);
        QFETCH(int, fase);
        QFETCH(bool, nuovi);
        const auto passo = static_cast<TestoFile::FaseScrittura>(fase);
        if (file.endsWith(QLatin1String(".ignorate")) || file.endsWith(QLatin1String(".rpt"))) {
            const QString cartella = Percorsi::cartellaDati() + QStringLiteral("_predefinito/");
            const QString percorso = cartella + QStringLiteral("x.rpt");
            QVERIFY(FileRegistro::scrivi(percorso, registro(QStringLiteral("Marco"), QStringLiteral("5"))));
            QVERIFY(uccisoA(file, passo, [&] {
                FileRegistro::scrivi(percorso, registro(QStringLiteral("Anna"), QStringLiteral("9")));
            }));
            const auto letto = FileRegistro::leggi(percorso);
            QVERIFY(letto.has_value());
            QCOMPARE(letto->utente, nuovi ? QStringLiteral("Anna") : QStringLiteral("Marco"));
            // New rows never show the old counts.
            QCOMPARE(letto->ignorateRiga(0), nuovi ? QString() : QStringLiteral("5"));
            QVERIFY(fileIn(cartella).size() > 2); // the killed write's file is there
            QVERIFY(RimuoviFileTemporanei() > 0);
            QCOMPARE(fileIn(cartella), (QStringList {QStringLiteral("x.rpt"), QStringLiteral("x.rpt.ignorate")}));
            return;
        }
        StatoProgramma &s = predefinito();
        s.imp.VelocitaVoce = 111;
        s.accesso = opzioni(200);
        QCOMPARE(SalvaUtenteCorrente(s), EsitoSalvataggio::Salvato);
        QVERIFY(uccisoA(file, passo, [&s] {
            s.imp.VelocitaVoce = 222;
            s.accesso = opzioni(900);
            SalvaUtenteCorrente(s);
        }));
        predefinito();
        QCOMPARE(s.imp.VelocitaVoce, qint16(nuovi ? 222 : 111));
        QCOMPARE(s.accesso, opzioni(nuovi ? 900 : 200));
        QVERIFY(RimuoviFileTemporanei() > 0);
        QCOMPARE(fileIn(Percorsi::cartellaPinnole()),
                 (QStringList {QStringLiteral("_predefinito.INI"), QStringLiteral("_predefinito.accesso"),
                               QStringLiteral("dati")}));
        // The next save after the kill writes a pair that reads back whole.
        s.accesso = opzioni(700);
        QCOMPARE(SalvaUtenteCorrente(s), EsitoSalvataggio::Salvato);
        predefinito();
        QCOMPARE(s.accesso, opzioni(700));
    }

    // The access file is written only when something in it changes; lines
    // the program does not know, and a value out of range that the teacher
    // did not touch, stay as they stand.
    void accessoRiscrittoSoloSeCambia()
    {
        const QString accesso = percorsoOpzioniAccesso(percorsoUtentePredefinito());
        QVERIFY(SalvaImpostazioni(percorsoUtentePredefinito(), impostazioni(100)));
        const QByteArray originale = "accettazione=250\r\nsostaprimaposizione=0\r\ncolore=rosso\r\n"
                                     "voce futura=sì\r\n";
        QVERIFY(scriviGrezzo(accesso, originale));
        struct stat prima {};
        QCOMPARE(::stat(QFile::encodeName(accesso).constData(), &prima), 0);

        StatoProgramma &s = predefinito();
        QCOMPARE(s.accesso, opzioni(250));
        s.imp.VelocitaVoce = 150; // the settings change, the options do not
        QCOMPARE(SalvaUtenteCorrente(s), EsitoSalvataggio::Salvato);
        QCOMPARE(SalvaUtenteCorrente(s), EsitoSalvataggio::Salvato);
        struct stat dopo {};
        QCOMPARE(::stat(QFile::encodeName(accesso).constData(), &dopo), 0);
        QCOMPARE(dopo.st_ino, prima.st_ino);
        QCOMPARE(byteDi(accesso), originale);

        s.accesso.antirimbalzoMs = 300;
        QCOMPARE(SalvaUtenteCorrente(s), EsitoSalvataggio::Salvato);
        const QStringList righe = TestoFile::righe(QString::fromLatin1(byteDi(accesso)));
        QCOMPARE(righe.mid(0, 5), (QStringList {QStringLiteral("accettazione=250"), QStringLiteral("sostaprimaposizione=0"),
                                                QStringLiteral("colore=rosso"), QString::fromLatin1("voce futura=s\xEC"),
                                                QStringLiteral("antirimbalzo=300")}));
        predefinito();
        QCOMPARE(s.accesso.antirimbalzoMs, 300);
        QCOMPARE(s.accesso.accettazioneMs, 250);

        // Nothing changed since: the file is not touched again.
        QCOMPARE(::stat(QFile::encodeName(accesso).constData(), &prima), 0);
        QCOMPARE(SalvaUtenteCorrente(s), EsitoSalvataggio::Salvato);
        QCOMPARE(::stat(QFile::encodeName(accesso).constData(), &dopo), 0);
        QCOMPARE(dopo.st_ino, prima.st_ino);

        // Back to the defaults: the file says so, it is not left behind.
        s.accesso = OpzioniAccesso();
        QCOMPARE(SalvaUtenteCorrente(s), EsitoSalvataggio::Salvato);
        predefinito();
        QCOMPARE(s.accesso, OpzioniAccesso());
    }

    // A player who never changed the options gets no access file.
    void nessunFileSenzaOpzioni()
    {
        StatoProgramma &s = predefinito();
        s.imp.VelocitaVoce = 130;
        QCOMPARE(SalvaUtenteCorrente(s), EsitoSalvataggio::Salvato);
        QVERIFY(!QFileInfo::exists(percorsoOpzioniAccesso(s.PercorsoImpostazioni)));
    }

    // What a killed write leaves behind is cleared at the next start, for
    // every kind of file, and nothing else is.
    void temporaneiRimossi()
    {
        const QString pinnole = Percorsi::cartellaPinnole();
        const QString dati = Percorsi::cartellaDati() + QStringLiteral("_predefinito/");
        const QString lingua = pinnole + QStringLiteral("lngpinnole/");
        QVERIFY(QDir().mkpath(lingua));
        const QStringList avanzi = {pinnole + QStringLiteral("_predefinito.INI.SKXPMb"),
                                    pinnole + QStringLiteral("_predefinito.accesso.oCXLHl"),
                                    dati + QStringLiteral("x.rpt.YnXlpI"), dati + QStringLiteral("x.rpt.ignorate.a1B2c3"),
                                    lingua + QStringLiteral("LangSetting.ini.Zz9yY8")};
        const QStringList tenuti = {pinnole + QStringLiteral("Marco.ini"), dati + QStringLiteral("x.rpt"),
                                    pinnole + QStringLiteral("note.txt.vecchie")};
        for (const QString &f : avanzi + tenuti)
            QVERIFY(scriviGrezzo(f, "x"));
        QCOMPARE(RimuoviFileTemporanei(), int(avanzi.size()));
        for (const QString &f : avanzi)
            QVERIFY2(!QFileInfo::exists(f), qPrintable(f));
        for (const QString &f : tenuti)
            QVERIFY2(QFileInfo::exists(f), qPrintable(f));

        // A record saved in a folder of the teacher's choice: its own
        // leftovers go when it is saved there again.
        const QString altrove = m_casa.filePath(QStringLiteral("altrove"));
        QVERIFY(QDir().mkpath(altrove));
        QVERIFY(scriviGrezzo(altrove + QStringLiteral("/y.rpt.AbCdEf"), "x"));
        QVERIFY(scriviGrezzo(altrove + QStringLiteral("/altro.rpt.AbCdEf"), "x"));
        QVERIFY(FileRegistro::scrivi(altrove + QStringLiteral("/y.rpt"), registro(QStringLiteral("Anna"), {})));
        QCOMPARE(fileIn(altrove), (QStringList {QStringLiteral("altro.rpt.AbCdEf"), QStringLiteral("y.rpt"),
                                                QStringLiteral("y.rpt.ignorate")}));
    }
};

QTEST_GUILESS_MAIN(TestDatiGuasti)
#include "tst_dati_guasti.moc"
