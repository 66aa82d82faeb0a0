#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

// One level segment as the progress history keeps it: what was played, how
// it went, when, and with which input and switch-access times.
struct SegmentoStoria
{
    QString esercizio;   // the exercise window's name, "FormEs1" .. "FormEs8"
    int livello = 1;
    int esatte = 0;
    int errate = 0;
    int ignorate = 0;    // presses the acceptance or debounce time kept from acting
    int accettate = 0;   // switch or key presses that acted (0 with the mouse)
    QDateTime inizio;    // local time
    qint64 durataMs = 0;
    int modoInput = 0;   // ModoInput in force
    int accettazioneMs = 0;
    int antirimbalzoMs = 0;

    bool operator==(const SegmentoStoria &altro) const;
    // Nothing happened in it: no answer and no press.
    bool vuoto() const { return esatte == 0 && errate == 0 && ignorate == 0 && accettate == 0; }
};

// The progress history of one player: an SQLite database of its own
// (percorsoStoria in core/Modulo1.h) that only ever grows by one segment at
// a time. Each segment is written in a transaction of its own in
// write-ahead-log mode with full synchronisation, so a program killed at any
// moment loses at most the segment being written and leaves the rest as it
// was. A file that cannot be read as a history is never deleted: it is moved
// aside under a new name beside it and a new, empty history takes its place.
class StoriaProgressi
{
public:
    explicit StoriaProgressi(const QString &percorso);
    ~StoriaProgressi();
    StoriaProgressi(const StoriaProgressi &) = delete;
    StoriaProgressi &operator=(const StoriaProgressi &) = delete;

    enum class Esito {
        Aperta,       // the history was there and reads
        Nuova,        // there was none: an empty one was started
        MessaDaParte, // it could not be read: moved aside, an empty one started
        Impossibile,  // nothing can be kept (no path, folder not writable, ...)
    };

    // Opens the history, creating it when there is none; an open history is
    // not opened again.
    Esito apri();
    bool aperta() const;
    // Where a damaged history was moved by apri(); empty otherwise.
    QString messaDaParte() const { return m_messaDaParte; }
    QString percorso() const { return m_percorso; }

    // Appends one segment; false when it could not be kept (nothing is then
    // half written).
    bool aggiungi(const SegmentoStoria &segmento);

    // The segments that started on or after dal (all when invalid), oldest first.
    QList<SegmentoStoria> segmenti(const QDate &dal = QDate()) const;

    // The name a damaged history is moved to: "<name>.guasta-<date-time>.sqlite"
    // beside it, with a number added when that is taken.
    static QString nomeMessaDaParte(const QString &percorso, const QDateTime &quando);

private:
    bool apriConnessione();
    enum class Schema { Pronto, Guasto, Errore };
    Schema preparaSchema();
    void chiudi();
    bool mettiDaParte();

    QString m_percorso;
    QString m_connessione;
    QString m_messaDaParte;
    bool m_aperta = false;
};
