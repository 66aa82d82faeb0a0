#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

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

// Reads a whole text file; false when it cannot be opened.
bool leggi(const QString &percorso, QString *testo);

// Writes the lines, each followed by CR LF, in Windows-1252. The file is
// written beside the old one and renamed over it only when complete, so a
// failed write never leaves a half-written file. False on any failure.
bool scriviRighe(const QString &percorso, const QStringList &righe);

} // namespace TestoFile
