#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The switch-access options of one user. They live in a small file of their
// own beside the user's settings file ("Marco.accesso" beside "Marco.ini"),
// so the settings file keeps its fixed fifty lines and the user list, which
// shows only settings files, never sees it. A missing or damaged file gives
// the defaults, which scan exactly as a program without these options.
struct OpzioniAccesso
{
    // A press counts only when the switch is held at least this long (ms).
    int accettazioneMs = 0;
    // After an accepted press, presses within this time are ignored (ms).
    int antirimbalzoMs = 0;
    // Automatic scanning rests this many ticks on the first position of a ring.
    int sostaPrimaPosizione = 1;
    // Automatic scanning stops after this many turns without a press; 0 never.
    int limiteGiri = 0;
    // The name of each position is spoken as the highlight reaches it.
    bool scansioneParlata = false;
    // A frame of this many pixels is drawn around the highlight; 0 none.
    int spessoreEvidenziazione = 0;

    bool operator==(const OpzioniAccesso &altre) const;
    bool operator!=(const OpzioniAccesso &altre) const { return !(*this == altre); }

    // Ranges of the values; a value outside them is not used.
    static constexpr int kMassimoMs = 2000;
    static constexpr int kMassimaSosta = 3;
    static constexpr int kMassimoGiri = 10;
    static bool spessoreValido(int pixel) { return pixel == 0 || pixel == 4 || pixel == 8 || pixel == 12; }
};

// The access file that goes with a settings file: the same path with the
// extension ".accesso" in place of ".ini" (any case); empty for an empty path.
QString percorsoOpzioniAccesso(const QString &percorsoImpostazioni);

// The lines of the file: "nome=valore", one value a line.
QStringList righeOpzioniAccesso(const OpzioniAccesso &opzioni);

// Reads the options; each value that is missing, unreadable or out of range
// keeps its default. Lines the program does not know are skipped, so a file
// written by a later version still reads.
OpzioniAccesso leggiRigheOpzioniAccesso(const QStringList &righe);

// No access file written by the program comes near this size.
constexpr qint64 kByteMassimiOpzioniAccesso = 64 * 1024;

// Reads the file; the defaults when it is missing, is not a regular file,
// is too large or cannot be read.
OpzioniAccesso LeggiOpzioniAccesso(const QString &percorso);

// A user's settings file and access file are written one after the other, so
// a program killed between the two could pair a new one with an old one. The
// access file therefore names the settings file it goes with
// ("impostazioni=<fingerprint>", TestoFile::impronta of its bytes) and keeps, until the settings file has been
// written too, the options that went with the earlier settings file
// ("precedente.impostazioni=..." and "precedente.<name>=<value>"). It is
// written first: whatever moment a kill comes, the reader finds the options
// that belong to the settings file on disk.

// The options in force and the lines of the file they come from.
struct FileOpzioniAccesso
{
    OpzioniAccesso opzioni;
    QStringList righe;
    // The file named the settings it goes with (a file of an older version
    // does not, and then always goes with the settings on disk).
    bool conImpronta = false;
};

// The options of the file's lines that go with the settings file of the
// given fingerprint: those of the earlier settings file when only it
// matches, otherwise the file's own. The lines returned are the ones to keep
// when the file is written again (the earlier options in place of the
// abandoned ones, and no fingerprints).
FileOpzioniAccesso sceltaOpzioniAccesso(const QStringList &righe, const QString &impronta);

// The lines to write: the lines read, with each option the user changed
// written anew and every other line (those the program does not know, or an
// option left as it was even when out of range) kept as it stands; then the
// fingerprint of the settings about to be written and, when it differs from
// the settings now on disk, the options in force with those. A file with no
// lines yet gets every option.
QStringList righeDaSalvare(const FileOpzioniAccesso &letto, const OpzioniAccesso &nuove,
                           const QString &improntaNuova, const QString &improntaVecchia);
// Writes the file whole beside the old one and renames it over it; false on failure.
bool SalvaOpzioniAccesso(const QString &percorso, const OpzioniAccesso &opzioni);
