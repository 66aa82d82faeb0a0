#pragma once

#include <QRect>
#include <QSize>
#include <QString>

#include <optional>

class QLocale;

// The arithmetic of printing: the sheet drawing and the preview of the print
// window, the limits of its fields, the scale, the shrinking of an image that
// leaves the sheet and the conversion of millimetres to printer pixels. Every
// rounding here goes to the nearest whole number and halves to the even one.

// Nearest whole number, halves to the even neighbour (0.5 -> 0, 93.5 -> 94).
int arrotondaPari(double valore);

// A field value clamped to its range.
int limitaValore(double valore, int minimo, int massimo);

constexpr int kLatoFoglioTwips = 1905; // longer side of the sheet drawing
constexpr int kMargineMinimo = -2000;
constexpr int kMargineMassimo = 2000;
constexpr int kDimensioneMinima = 1;
constexpr int kDimensioneMassima = 2000;
constexpr int kCopieMassime = 100;

// A rectangle in whole millimetres from the top-left corner of the printable area.
struct RettangoloMm
{
    int x = 0;
    int y = 0;
    int w = 0;
    int h = 0;
    int destra() const { return x + w; }
    int basso() const { return y + h; }
    bool operator==(const RettangoloMm &o) const { return x == o.x && y == o.y && w == o.w && h == o.h; }
};

// The sheet drawing for a printable area in mm: the longer side is 1905
// twips, the other follows the sheet's proportion.
QSize dimensioniFoglioTwips(int larghezzaFoglio, int altezzaFoglio);

// The image on the preview of pixel size anteprima for a sheet in mm.
QRect rettangoloAnteprima(QSize anteprima, int larghezzaFoglio, int altezzaFoglio, const RettangoloMm &stampa);

// The image leaves the sheet: past its right or bottom edge, or a negative margin.
bool fuoriFoglio(int larghezzaFoglio, int altezzaFoglio, const RettangoloMm &stampa);

// Margins that centre an image of the given size (negative when it is larger).
QPoint marginiAlCentro(int larghezzaFoglio, int altezzaFoglio, int larghezza, int altezza);

// "Use the whole sheet": the size (and the margin on the filled side) of an
// image kept in proportion, or the whole sheet without proportions; unless
// centred, a margin that pushes the image past the sheet is pulled back.
RettangoloMm stampaMassima(int larghezzaFoglio, int altezzaFoglio, const RettangoloMm &stampa, bool proporzioni,
                           double proporzione, bool alCentro);

// The size that a scale 1:n gives an object of width larghezzaOrigine, kept
// at most 2000 mm on either side; nullopt when n is not greater than 0.
std::optional<QSize> dimensioniPerScala(double n, double larghezzaOrigine, double proporzione);

// The scale shown for a print width: larghezzaOrigine / larghezza as
// "#,###,##0.##" with the locale's grouping and decimal marks.
QString testoScala(double larghezzaOrigine, int larghezza, const QLocale &locale);
// A scale typed by the user: the locale's decimal mark or "."; grouping
// marks are allowed. nullopt when it is not a number.
std::optional<double> leggiScala(const QString &testo, const QLocale &locale);

// Bytes of a device-independent image with rows padded to 4 bytes; 0 for a
// depth other than 1, 4, 8, 16 or 24 bits per pixel.
qint64 DibSize(int bitPerPixel, int larghezza, int altezza);

// An image that leaves a printable area pw x ph shrunk to fit it, margins
// included: first to the width, then to the height.
RettangoloMm riduciAlFoglio(const RettangoloMm &stampa, int larghezzaFoglio, int altezzaFoglio);

// The rectangle in printer pixels, with kx and ky pixels per printable mm
// taken separately for width and height.
QRect rettangoloDispositivo(const RettangoloMm &stampa, double kx, double ky);

// A printable size in mm as whole millimetres.
int millimetriInteri(double millimetri);
