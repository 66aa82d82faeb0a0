#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

// A record file (".rpt") holds what the activity viewer shows: the user
// label, the date label, the grid's rows without the heading and without the
// row numbers, and the closing label. Line by line, in Windows-1252 with
// CR LF:
//   1          the user label
//   2          the date label
//   3          R, the number of grid rows with the heading, written as a
//              number is printed: " 4 "
//   4 .. 4R-1  four lines for each data row: exercise, level, right, wrong
//   4R         the closing label
// An empty cell is an empty line.
//
// The ignored presses of each row live beside it, in a companion file of
// the same name with ".ignorate" added ("lunedi.rpt.ignorate"), so the record
// file keeps its format. In the same encoding and line ends:
//   1          N, the number of data rows of the record file it goes with
//   2 .. N+1   the ignored presses of data row 1 .. N: a whole number from
//              0 to 32767, or an empty line for a row without a segment
//   N+2        "impronta=" and the fingerprint of the record file's bytes
//              (TestoFile::impronta), so a companion left from an earlier
//              record of the same name (a program killed between the two
//              writes) is told apart; older companions lack the line
// It is written whenever the record file is; when it is missing, damaged or
// does not match the record file (its rows, or its fingerprint when it has
// one), the record reads without counts.

// One data row of the grid: exercise name, level, right and wrong answers.
using RigaRegistro = std::array<QString, 4>;

struct ContenutoRegistro
{
    QString utente;          // the user label
    QString data;            // the date label
    QList<RigaRegistro> righe; // grid rows 1 .. R-1
    QString chiusura;        // the closing label
    // The ignored presses of each data row, kept in the companion file; an
    // entry beyond the list's end counts as empty (not known).
    QStringList ignorate;

    QString ignorateRiga(qsizetype i) const { return i >= 0 && i < ignorate.size() ? ignorate.at(i) : QString(); }

    bool operator==(const ContenutoRegistro &altro) const
    {
        if (!(utente == altro.utente && data == altro.data && righe == altro.righe && chiusura == altro.chiusura))
            return false;
        for (qsizetype i = 0; i < qMax(ignorate.size(), altro.ignorate.size()); ++i) {
            if (ignorateRiga(i) != altro.ignorateRiga(i))
                return false;
        }
        return true;
    }
};

namespace FileRegistro {

// The grid holds at most the table's 501 rows (heading and rows 1..500); a
// file that claims more is damaged.
constexpr int kRigheMassime = 501;
// No record file written by the program comes near this size: a larger file
// is refused before it is read into memory.
constexpr qint64 kByteMassimi = 4 * 1024 * 1024;

// The lines of the file, in order. A line break inside a text would shift
// every later line, so it is written as a space.
QStringList righe(const ContenutoRegistro &contenuto);

// The whole file, as its bytes.
QByteArray codifica(const ContenutoRegistro &contenuto);

// Reads the bytes of a record file; nullopt for a damaged file: a zero byte
// (not text), fewer lines than R asks for, an R that is not a whole number or
// lies outside 1..501. Lines 1 and 2 are taken whole; a line that begins and
// ends with a double quote has them removed (older files quoted the labels).
// The lines are all read before anything is built.
std::optional<ContenutoRegistro> decodifica(const QByteArray &byte);

// The companion file of the ignored presses that goes with a record file.
QString percorsoIgnorate(const QString &percorsoRegistro);
// Its lines for the given number of data rows (entries beyond the list are
// empty), then, when given, the fingerprint of the record file's bytes.
QStringList righeIgnorate(const QStringList &ignorate, qsizetype righeDati, const QString &impronta = QString());
// Reads its bytes for a record of righeDati data rows; nullopt when they
// do not fit it: a zero byte, N not a whole number or not righeDati, fewer
// lines than N asks for, an entry that is neither empty nor a whole number
// from 0 to 32767, a fingerprint line that names other bytes than the record
// file's (impronta, when given).
std::optional<QStringList> decodificaIgnorate(const QByteArray &byte, qsizetype righeDati,
                                              const QString &impronta = QString());

// Writes a record file through a temporary file renamed over the chosen one,
// so a failed write leaves the earlier file as it was, then its companion
// file the same way. False on any failure; when only the companion could
// not be written, an older companion is removed so that no counts of
// another record stay beside it. Files left in the folder by an earlier
// write of the same record that was killed half-way are removed first.
bool scrivi(const QString &percorso, const ContenutoRegistro &contenuto);

// Reads a record file and the ignored presses of its companion file;
// nullopt when the record file is missing, unreadable, too large or damaged.
// A missing or damaged companion leaves the counts empty.
std::optional<ContenutoRegistro> leggi(const QString &percorso);

// The record folder of a user: the data folder + the user's name, matched on
// disk without regard to case; ends with "/". Empty for a name that the one
// rule for user names refuses (core/NomeUtente.h), so no name reaches a
// folder outside the data folder.
QString cartellaUtente(const QString &utente);

// Makes sure the user's record folder exists, creating the data folder and
// the user's folder when missing (and rewriting the settings root's notice,
// as every folder the program creates does). The folder, or empty on failure.
QString preparaCartellaUtente(const QString &utente);

} // namespace FileRegistro
