#pragma once

#include <QString>

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

// Reads the file; the defaults when it is missing or cannot be read.
OpzioniAccesso LeggiOpzioniAccesso(const QString &percorso);
// Writes the file whole beside the old one and renames it over it; false on failure.
bool SalvaOpzioniAccesso(const QString &percorso, const OpzioniAccesso &opzioni);
