#include "core/StoriaProgressi.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace {

// The schema this program writes; a file with a later version still reads
// as long as the table keeps its columns.
constexpr int kVersioneSchema = 1;

// A year of daily play is some 200 KB; a file far beyond any real history is
// not read.
constexpr qint64 kByteMassimi = 256LL * 1024 * 1024;

// SQLite's primary result codes for a damaged file and for no database.
constexpr int kSqliteCorrotto = 11;
constexpr int kSqliteNonDatabase = 26;

const QString kFormatoData = QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz");

QString nuovaConnessione()
{
    static QAtomicInt contatore;
    return QStringLiteral("storia-%1").arg(contatore.fetchAndAddRelaxed(1));
}

// "yyyy-MM-dd HH:mm:ss.zzz" as written by aggiungi; QDateTime::fromString
// with a format costs some tens of microseconds a call, too much for a year
// of rows each time the window opens.
QDateTime leggiData(const QString &testo)
{
    if (testo.size() != 23)
        return QDateTime::fromString(testo, kFormatoData);
    auto numero = [&testo](int da, int n) {
        int v = 0;
        for (int i = da; i < da + n; ++i) {
            const int cifra = testo.at(i).digitValue();
            if (cifra < 0)
                return -1;
            v = v * 10 + cifra;
        }
        return v;
    };
    const QDate data(numero(0, 4), numero(5, 2), numero(8, 2));
    const QTime ora(numero(11, 2), numero(14, 2), numero(17, 2), numero(20, 3));
    if (!data.isValid() || !ora.isValid())
        return QDateTime();
    return QDateTime(data, ora);
}

bool esegui(QSqlDatabase &db, const QString &istruzione)
{
    QSqlQuery q(db);
    return q.exec(istruzione);
}

// SQLite's own side files of a database.
const QStringList kLati = {QStringLiteral("-wal"), QStringLiteral("-shm"), QStringLiteral("-journal")};

} // namespace

bool SegmentoStoria::operator==(const SegmentoStoria &a) const
{
    return esercizio == a.esercizio && livello == a.livello && esatte == a.esatte && errate == a.errate
        && ignorate == a.ignorate && accettate == a.accettate && inizio == a.inizio && durataMs == a.durataMs
        && modoInput == a.modoInput && accettazioneMs == a.accettazioneMs && antirimbalzoMs == a.antirimbalzoMs;
}

StoriaProgressi::StoriaProgressi(const QString &percorso)
    : m_percorso(percorso)
    , m_connessione(nuovaConnessione())
{
}

StoriaProgressi::~StoriaProgressi()
{
    chiudi();
}

bool StoriaProgressi::aperta() const
{
    return m_aperta;
}

void StoriaProgressi::chiudi()
{
    if (!QSqlDatabase::contains(m_connessione))
        return;
    {
        QSqlDatabase db = QSqlDatabase::database(m_connessione, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(m_connessione);
    m_aperta = false;
}

QString StoriaProgressi::nomeMessaDaParte(const QString &percorso, const QDateTime &quando)
{
    QString base = percorso;
    if (base.endsWith(QLatin1String(".sqlite")))
        base.chop(7);
    const QString radice = base + QStringLiteral(".guasta-") + quando.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString nome = radice + QStringLiteral(".sqlite");
    for (int n = 2; QFileInfo::exists(nome) || QFileInfo(nome).isSymLink(); ++n)
        nome = radice + QStringLiteral("-%1.sqlite").arg(n);
    return nome;
}

bool StoriaProgressi::mettiDaParte()
{
    chiudi();
    const QString nome = nomeMessaDaParte(m_percorso, QDateTime::currentDateTime());
    // rename() moves a link itself, never what it points to.
    if (!QFile::rename(m_percorso, nome))
        return false;
    // The side files go with it: the log may hold the last segments of the
    // file moved, and must never be replayed into the new one.
    for (const QString &lato : kLati) {
        if (QFileInfo::exists(m_percorso + lato) || QFileInfo(m_percorso + lato).isSymLink())
            QFile::rename(m_percorso + lato, nome + lato);
    }
    m_messaDaParte = nome;
    return true;
}

bool StoriaProgressi::apriConnessione()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connessione);
    db.setDatabaseName(m_percorso);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    return db.open();
}

StoriaProgressi::Schema StoriaProgressi::preparaSchema()
{
    QSqlDatabase db = QSqlDatabase::database(m_connessione, false);
    QSqlQuery q(db);
    // What a failed statement says about the file: damaged or no database
    // at all, or only a passing trouble (locked, disk full) that must never
    // cost the child's history.
    auto fallito = [&q]() {
        const int codice = q.lastError().nativeErrorCode().toInt() & 0xff;
        return (codice == kSqliteCorrotto || codice == kSqliteNonDatabase) ? Schema::Guasto : Schema::Errore;
    };
    // The file is only read until it is known to be a history: a file of
    // something else is moved aside exactly as it was. A file that is no
    // database fails at the first statement.
    if (!q.exec(QStringLiteral("PRAGMA quick_check")) || !q.next())
        return fallito();
    if (q.value(0).toString() != QLatin1String("ok"))
        return Schema::Guasto;
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND name='segmenti'"))
        || !q.next())
        return fallito();
    // Each commit reaches the disk before it returns, through a log that a
    // killed program leaves whole or without the last transaction.
    auto modoLog = [&q, &fallito]() {
        if (!q.exec(QStringLiteral("PRAGMA journal_mode=WAL")) || !q.next())
            return fallito();
        if (!q.exec(QStringLiteral("PRAGMA synchronous=FULL")))
            return fallito();
        // The log is copied into the file every 64 pages and cut back to a
        // small size: no commit waits long for a copy, and the history with
        // its log stays small.
        if (!q.exec(QStringLiteral("PRAGMA wal_autocheckpoint=64"))
            || !q.exec(QStringLiteral("PRAGMA journal_size_limit=262144")))
            return fallito();
        return Schema::Pronto;
    };
    if (q.value(0).toInt() == 1) {
        // An existing history: the columns this program reads must be there.
        if (!q.exec(QStringLiteral("SELECT esercizio, livello, esatte, errate, ignorate, accettate, inizio, "
                                   "durata_ms, modo_input, accettazione_ms, antirimbalzo_ms FROM segmenti LIMIT 1")))
            return q.lastError().type() == QSqlError::StatementError ? Schema::Guasto : fallito();
        return modoLog();
    }
    if (!q.exec(QStringLiteral("SELECT count(*) FROM sqlite_master")) || !q.next())
        return fallito();
    if (q.value(0).toInt() != 0)
        return Schema::Guasto; // a database of something else
    if (const Schema modo = modoLog(); modo != Schema::Pronto)
        return modo;
    if (!db.transaction())
        return Schema::Errore;
    const bool fatto =
        esegui(db, QStringLiteral("CREATE TABLE segmenti (id INTEGER PRIMARY KEY, esercizio TEXT NOT NULL, "
                                  "livello INTEGER NOT NULL, esatte INTEGER NOT NULL, errate INTEGER NOT NULL, "
                                  "ignorate INTEGER NOT NULL, accettate INTEGER NOT NULL, inizio TEXT NOT NULL, "
                                  "durata_ms INTEGER NOT NULL, modo_input INTEGER NOT NULL, "
                                  "accettazione_ms INTEGER NOT NULL, antirimbalzo_ms INTEGER NOT NULL)"))
        && esegui(db, QStringLiteral("CREATE INDEX segmenti_inizio ON segmenti (inizio)"))
        && esegui(db, QStringLiteral("PRAGMA user_version=%1").arg(kVersioneSchema));
    if (!fatto) {
        db.rollback();
        return Schema::Errore;
    }
    return db.commit() ? Schema::Pronto : Schema::Errore;
}

StoriaProgressi::Esito StoriaProgressi::apri()
{
    if (m_aperta)
        return Esito::Aperta;
    if (m_percorso.isEmpty())
        return Esito::Impossibile;
    m_messaDaParte.clear();

    const QFileInfo info(m_percorso);
    const bool esiste = info.exists() || info.isSymLink();
    // Only a regular file of a sane size is opened: a link, a folder, a
    // device or a huge file in its place is moved aside like a damaged one.
    bool daMettereDaParte = esiste && (info.isSymLink() || !info.isFile() || info.size() > kByteMassimi);
    if (!daMettereDaParte) {
        if (!QDir().mkpath(info.absolutePath()))
            return Esito::Impossibile;
        const Schema schema = apriConnessione() ? preparaSchema() : Schema::Errore;
        if (schema == Schema::Pronto) {
            m_aperta = true;
            return esiste ? Esito::Aperta : Esito::Nuova;
        }
        chiudi();
        if (!esiste) {
            // A new file that cannot be made: the folder refuses it.
            QFile::remove(m_percorso);
            return Esito::Impossibile;
        }
        if (schema == Schema::Errore)
            return Esito::Impossibile;
        daMettereDaParte = true;
    }
    if (!mettiDaParte())
        return Esito::Impossibile;
    if (apriConnessione() && preparaSchema() == Schema::Pronto) {
        m_aperta = true;
        return Esito::MessaDaParte;
    }
    chiudi();
    return Esito::Impossibile;
}

bool StoriaProgressi::aggiungi(const SegmentoStoria &s)
{
    if (!m_aperta)
        return false;
    QSqlDatabase db = QSqlDatabase::database(m_connessione, false);
    if (!db.transaction())
        return false;
    QSqlQuery q(db);
    q.prepare(QStringLiteral("INSERT INTO segmenti (esercizio, livello, esatte, errate, ignorate, accettate, inizio, "
                             "durata_ms, modo_input, accettazione_ms, antirimbalzo_ms) "
                             "VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"));
    q.addBindValue(s.esercizio);
    q.addBindValue(s.livello);
    q.addBindValue(s.esatte);
    q.addBindValue(s.errate);
    q.addBindValue(s.ignorate);
    q.addBindValue(s.accettate);
    q.addBindValue(s.inizio.toString(kFormatoData));
    q.addBindValue(s.durataMs);
    q.addBindValue(s.modoInput);
    q.addBindValue(s.accettazioneMs);
    q.addBindValue(s.antirimbalzoMs);
    if (!q.exec()) {
        db.rollback();
        return false;
    }
    if (db.commit())
        return true;
    // A commit refused (disk full, I/O error) may leave the transaction
    // open, and then every later append would fail even once there is room.
    db.rollback();
    return false;
}

QList<SegmentoStoria> StoriaProgressi::segmenti(const QDate &dal) const
{
    QList<SegmentoStoria> elenco;
    if (!m_aperta)
        return elenco;
    QSqlDatabase db = QSqlDatabase::database(m_connessione, false);
    QSqlQuery q(db);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT esercizio, livello, esatte, errate, ignorate, accettate, inizio, durata_ms, "
                             "modo_input, accettazione_ms, antirimbalzo_ms FROM segmenti WHERE inizio >= ? "
                             "ORDER BY inizio, id"));
    q.addBindValue(dal.isValid() ? dal.startOfDay().toString(kFormatoData) : QStringLiteral(""));
    if (!q.exec())
        return elenco;
    while (q.next()) {
        SegmentoStoria s;
        s.esercizio = q.value(0).toString();
        s.livello = q.value(1).toInt();
        s.esatte = q.value(2).toInt();
        s.errate = q.value(3).toInt();
        s.ignorate = q.value(4).toInt();
        s.accettate = q.value(5).toInt();
        s.inizio = leggiData(q.value(6).toString());
        s.durataMs = q.value(7).toLongLong();
        s.modoInput = q.value(8).toInt();
        s.accettazioneMs = q.value(9).toInt();
        s.antirimbalzoMs = q.value(10).toInt();
        if (s.inizio.isValid())
            elenco.append(s);
    }
    return elenco;
}
