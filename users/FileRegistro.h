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

// One data row of the grid: exercise name, level, right and wrong answers.
using RigaRegistro = std::array<QString, 4>;

struct ContenutoRegistro
{
    QString utente;          // the user label
    QString data;            // the date label
    QList<RigaRegistro> righe; // grid rows 1 .. R-1
    QString chiusura;        // the closing label

    bool operator==(const ContenutoRegistro &altro) const
    {
        return utente == altro.utente && data == altro.data && righe == altro.righe && chiusura == altro.chiusura;
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

// Writes a record file through a temporary file renamed over the chosen one,
// so a failed write leaves the earlier file as it was. False on any failure.
bool scrivi(const QString &percorso, const ContenutoRegistro &contenuto);

// Reads a record file; nullopt when it is missing, unreadable, too large or damaged.
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
