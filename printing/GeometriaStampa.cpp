#include "printing/GeometriaStampa.h"

#include <QLocale>

#include <cmath>

int arrotondaPari(double valore)
{
    // The default rounding mode rounds halves to even.
    return static_cast<int>(std::nearbyint(valore));
}

int limitaValore(double valore, int minimo, int massimo)
{
    if (std::isnan(valore) || valore < minimo)
        return minimo;
    if (valore > massimo)
        return massimo;
    return static_cast<int>(valore);
}

QSize dimensioniFoglioTwips(int larghezzaFoglio, int altezzaFoglio)
{
    if (larghezzaFoglio <= 0 || altezzaFoglio <= 0)
        return QSize(kLatoFoglioTwips, kLatoFoglioTwips);
    const double r = double(larghezzaFoglio) / altezzaFoglio;
    if (larghezzaFoglio > altezzaFoglio)
        return QSize(kLatoFoglioTwips, arrotondaPari(kLatoFoglioTwips / r));
    return QSize(arrotondaPari(kLatoFoglioTwips * r), kLatoFoglioTwips);
}

QRect rettangoloAnteprima(QSize anteprima, int larghezzaFoglio, int altezzaFoglio, const RettangoloMm &stampa)
{
    if (larghezzaFoglio <= 0 || altezzaFoglio <= 0)
        return QRect();
    const double fx = double(anteprima.width()) / larghezzaFoglio;
    const double fy = double(anteprima.height()) / altezzaFoglio;
    return QRect(arrotondaPari(fx * stampa.x), arrotondaPari(fy * stampa.y), arrotondaPari(fx * stampa.w),
                 arrotondaPari(fy * stampa.h));
}

bool fuoriFoglio(int larghezzaFoglio, int altezzaFoglio, const RettangoloMm &stampa)
{
    return stampa.destra() > larghezzaFoglio || stampa.basso() > altezzaFoglio || stampa.x < 0 || stampa.y < 0;
}

QPoint marginiAlCentro(int larghezzaFoglio, int altezzaFoglio, int larghezza, int altezza)
{
    return QPoint(arrotondaPari((larghezzaFoglio - larghezza) / 2.0), arrotondaPari((altezzaFoglio - altezza) / 2.0));
}

RettangoloMm stampaMassima(int larghezzaFoglio, int altezzaFoglio, const RettangoloMm &stampa, bool proporzioni,
                           double proporzione, bool alCentro)
{
    RettangoloMm r = stampa;
    if (proporzioni && proporzione > 0 && r.h > 0 && altezzaFoglio > 0) {
        if (double(larghezzaFoglio) / altezzaFoglio > double(r.w) / r.h) {
            r.h = altezzaFoglio;
            r.w = arrotondaPari(proporzione * r.h);
            r.y = 0;
        } else {
            r.w = larghezzaFoglio;
            r.h = arrotondaPari(r.w / proporzione);
            r.x = 0;
        }
    } else {
        r.w = larghezzaFoglio;
        r.h = altezzaFoglio;
    }
    if (!alCentro) {
        if (r.destra() > larghezzaFoglio)
            r.x = larghezzaFoglio - r.w;
        if (r.basso() > altezzaFoglio)
            r.y = altezzaFoglio - r.h;
    }
    return r;
}

std::optional<QSize> dimensioniPerScala(double n, double larghezzaOrigine, double proporzione)
{
    if (!(n > 0) || !(proporzione > 0))
        return std::nullopt;
    double larghezza = std::min(larghezzaOrigine / n, double(kDimensioneMassima));
    double altezza = larghezza / proporzione;
    if (altezza > kDimensioneMassima) {
        altezza = kDimensioneMassima;
        larghezza = proporzione * kDimensioneMassima;
    }
    return QSize(arrotondaPari(larghezza), arrotondaPari(altezza));
}

QString testoScala(double larghezzaOrigine, int larghezza, const QLocale &locale)
{
    if (larghezza <= 0)
        return QString();
    // "#,###,##0.##": grouped, at most two decimals, none shown when they are zero.
    const double valore = std::nearbyint(larghezzaOrigine / larghezza * 100.0) / 100.0;
    QLocale senzaZeri = locale;
    senzaZeri.setNumberOptions(locale.numberOptions() & ~QLocale::OmitGroupSeparator);
    QString testo = senzaZeri.toString(valore, 'f', 2);
    const QString decimale = locale.decimalPoint();
    if (testo.endsWith(decimale + QStringLiteral("00")))
        testo.chop(decimale.size() + 2);
    else if (testo.endsWith(QLatin1Char('0')) && testo.contains(decimale))
        testo.chop(1);
    return testo;
}

std::optional<double> leggiScala(const QString &testo, const QLocale &locale)
{
    QString pulito = testo.trimmed();
    if (pulito.isEmpty())
        return std::nullopt;
    // A single "." in a number without the locale's own decimal mark is the
    // decimal point typed from the keypad; with the decimal mark present,
    // dots are the locale's grouping.
    const QString decimale = locale.decimalPoint();
    if (decimale != QStringLiteral(".") && !pulito.contains(decimale) && pulito.count(QLatin1Char('.')) == 1)
        pulito.replace(QLatin1Char('.'), decimale);
    bool ok = false;
    const double valore = locale.toDouble(pulito, &ok);
    if (!ok || !std::isfinite(valore))
        return std::nullopt;
    return valore;
}

qint64 DibSize(int bitPerPixel, int larghezza, int altezza)
{
    qint64 riga = 0;
    switch (bitPerPixel) {
    case 1:
        riga = (qint64(larghezza) + 7) / 8;
        break;
    case 4:
        riga = (qint64(larghezza) + 1) / 2;
        break;
    case 8:
        riga = larghezza;
        break;
    case 16:
        riga = 2 * qint64(larghezza);
        break;
    case 24:
        riga = 3 * qint64(larghezza);
        break;
    default:
        return 0;
    }
    riga = (riga + 3) / 4 * 4;
    return riga * altezza;
}

RettangoloMm riduciAlFoglio(const RettangoloMm &stampa, int larghezzaFoglio, int altezzaFoglio)
{
    RettangoloMm r = stampa;
    auto scala = [&r](double fattore) {
        r.x = arrotondaPari(r.x * fattore);
        r.y = arrotondaPari(r.y * fattore);
        r.w = arrotondaPari(r.w * fattore);
        r.h = arrotondaPari(r.h * fattore);
    };
    if (larghezzaFoglio < r.destra() && r.destra() > 0)
        scala(double(larghezzaFoglio) / r.destra());
    if (altezzaFoglio < r.basso() && r.basso() > 0)
        scala(double(altezzaFoglio) / r.basso());
    return r;
}

QRect rettangoloDispositivo(const RettangoloMm &stampa, double kx, double ky)
{
    return QRect(arrotondaPari(kx * stampa.x), arrotondaPari(ky * stampa.y), arrotondaPari(kx * stampa.w),
                 arrotondaPari(ky * stampa.h));
}

int millimetriInteri(double millimetri)
{
    return arrotondaPari(millimetri);
}
