#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

// Text files of the program. Files the program writes (settings, records,
// the language choice, the notice file) are 8-bit Windows-1252 text with CR LF
// line ends, so they move unchanged between this program and older installs.
// Reading accepts Windows-1252 and UTF-8 alike.
namespace TestoFile {

// UTF-8 when the bytes are valid UTF-8 (a leading byte-order mark is dropped),
// Windows-1252 otherwise.
QString decodifica(const QByteArray &byte);

// The character of one Windows-1252 byte; 0 for the five bytes the code
// page leaves unassigned (0x81, 0x8D, 0x8F, 0x90, 0x9D).
char16_t carattere1252(unsigned char byte);

// Windows-1252; a character the code page lacks becomes '?'. The characters
// U+0081, U+008D, U+008F, U+0090 and U+009D, which decoding gives for the five
// unassigned bytes, become those bytes again, so every byte value survives
// a read and a write.
QByteArray codifica1252(const QString &testo);

// True when Windows-1252 stores the character as it is.
bool carattereIn1252(QChar carattere);
// The text without the characters Windows-1252 cannot store, so that what a
// window shows is what the settings file keeps.
QString soloCaratteri1252(const QString &testo);

// Splits text into lines at CR LF, LF or CR. A final line end does not start
// an empty last line.
QStringList righe(const QString &testo);

// No file the program keeps comes near this size; a language file is some
// 20 KB.
constexpr qint64 kByteMassimiPredefiniti = 1024 * 1024;

// The bytes of a stored file, read only when it is (or a link leads to) a
// regular file no larger than the limit. A folder, a FIFO, a device or a
// larger file gives nullopt at once, without blocking and without reading it
// into memory, as a missing file does.
std::optional<QByteArray> leggiByte(const QString &percorso, qint64 limite = kByteMassimiPredefiniti);

// Reads a whole text file with the guard above; false when it is missing,
// not a regular file, larger than the limit or cannot be read.
bool leggi(const QString &percorso, QString *testo, qint64 limite = kByteMassimiPredefiniti);

// A short fingerprint of some bytes, by which one file names the exact
// content of another it goes with.
QString impronta(const QByteArray &byte);

// The bytes scriviRighe writes for the lines.
QByteArray byteRighe(const QStringList &righe);

// Writes the lines, each followed by CR LF, in Windows-1252, as scriviByte.
bool scriviRighe(const QString &percorso, const QStringList &righe);

// Writes the bytes to a new file beside the old one ("<name>.XXXXXX"), checks
// every write, flushes it to the disk and only then renames it over the old
// one: a full disk or a failed write leaves the old file exactly as it was and
// removes the new one. A symbolic link in the file's place is replaced by the
// file itself, never followed, so nothing outside the folder is ever written;
// a folder, FIFO or device in its place is refused. A file that already holds
// exactly these bytes is left alone. False on any failure.
bool scriviByte(const QString &percorso, const QByteArray &byte);

// The steps of a write that a test can make fail, as a full disk or a
// removed folder would.
enum class FaseScrittura { Scrittura, Sincronizzazione, Rinomina };
// Called before each step with the file being written; returning true makes
// that step fail. An empty function (the default) fails nothing.
using Guasto = std::function<bool(const QString &percorso, FaseScrittura fase)>;
void impostaGuasto(Guasto guasto);


} // namespace TestoFile
