#pragma once

#include <QString>
#include <QStringList>

#include <array>

// Five colour slots (0 the picture background, 1..4 the house colours), each
// with five forms: 0 the colour as RRGGBB, 1..4 the colour word for masculine
// singular, masculine plural, feminine singular and feminine plural.
using TabellaColoriTipo = std::array<std::array<QString, 5>, 5>;

// The 50 user settings, in the order of the lines of the settings file.
// Colours are 32-bit colour values held as whole doubles: red in the lowest
// byte, or a system colour (0x80000000 plus an index), kept negative as the
// file writes them.
struct Impostazioni
{
    qint16 VelocitaVoce = 130;
    qint16 TonoVoce = 100;
    bool VoceAttiva = true;
    bool FumettoVisibile = false;
    bool FumettoContieneTesto = true;
    QString FontFumetto = QStringLiteral("Arial");
    qint16 DimensioneFontFumetto = 14;
    bool SuoniAttivi = true;
    bool CursoreDiSistema = false;
    qint16 ModoInput = 0;
    qint16 VelocitaScansione = 4;
    TabellaColoriTipo TabellaColori;
    double ColoreSfondo = 0;
    QString StileTesto;
    QString FontTesto;
    QString FontTestoSalvato;
    qint16 DimensioneFontTesto = 24;
    double ColoreTesto = 0;
    double ColorePulsanti = 0;
    bool ColoriVari = true;
    double ColorePulsanteSelezionato = 0;
    double ColoreSfondoTesto = 0;
    bool PassaggioLivelli = false;
    bool TracciaAttivita = false;
    QString ModoVoceTTS;
    QString NomePersonaggio;

    bool operator==(const Impostazioni &altre) const;
    bool operator!=(const Impostazioni &altre) const { return !(*this == altre); }
};

// Input modes of ModoInput.
enum ModoIngresso : qint16 {
    IngressoMouse = 0,
    IngressoScansioneManuale = 1,
    IngressoScansioneAutomatica = 2,
    IngressoTastiera = 3,
};

// System colours as the settings file stores them: 0x80000000 plus an index,
// read as a signed 32-bit number.
constexpr double kColoreSistemaTestoPulsanti = -2147483630.0; // 0x80000012
constexpr double kColoreSistemaPulsanti = -2147483633.0;      // 0x8000000F

// Font sizes in points that the program uses. A size outside them, from a
// hand-edited file, would hide the texts or fill the screen with one letter,
// so it reads as the default size.
constexpr qint16 kDimensioneFontMinima = 6;
constexpr qint16 kDimensioneFontMassima = 200;

// The default colour table.
void ColoriPredefiniti(TabellaColoriTipo &tabella);

// All 50 defaults; the default engine mode is the current language's key "0041".
void ImpostazioniPredefinite(Impostazioni &imp, const QString &modoVocePredefinito);

// The 50 lines of the settings file, in order.
QStringList righeImpostazioni(const Impostazioni &imp);

// Reads the 50 values from the lines. Any failure (too few lines, a number that
// cannot be read or does not fit its type) leaves imp untouched and gives false.
// A font size outside kDimensioneFontMinima..kDimensioneFontMassima takes its
// default and the other values stay as read.
bool leggiRigheImpostazioni(const QStringList &righe, Impostazioni *imp);

// No settings file comes near this size (fifty short lines); a larger one,
// or anything but a regular file, reads as a damaged file.
constexpr qint64 kByteMassimiImpostazioni = 64 * 1024;

// Writes the settings file whole; false when it cannot be written. The old
// file stays intact when the write fails.
bool SalvaImpostazioni(const QString &percorso, const Impostazioni &imp);

// Reads the settings file; on any failure every value takes its default.
// Returns true when the file was read.
bool LeggiImpostazioni(const QString &percorso, Impostazioni *imp, const QString &modoVocePredefinito);
