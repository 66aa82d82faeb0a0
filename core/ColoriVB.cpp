#include "core/ColoriVB.h"

#include <QGuiApplication>
#include <QPalette>

namespace {

QColor coloreDiSistema(int indice)
{
    const QPalette tavolozza = QGuiApplication::palette();
    switch (indice) {
    case 0x05: return tavolozza.color(QPalette::Base);            // window background
    case 0x06: return tavolozza.color(QPalette::Shadow);          // window frame
    case 0x08: return tavolozza.color(QPalette::Text);            // window text
    case 0x0D: return tavolozza.color(QPalette::Highlight);
    case 0x0E: return tavolozza.color(QPalette::HighlightedText);
    case 0x0F: return tavolozza.color(QPalette::Button);          // button face
    case 0x10: return tavolozza.color(QPalette::Dark);            // button shadow
    case 0x11: return tavolozza.color(QPalette::PlaceholderText); // grey text
    case 0x12: return tavolozza.color(QPalette::ButtonText);
    case 0x14: return tavolozza.color(QPalette::Light);           // button highlight
    case 0x18: return tavolozza.color(QPalette::ToolTipBase);
    case 0x17: return tavolozza.color(QPalette::ToolTipText);
    default: return tavolozza.color(QPalette::Window);
    }
}

} // namespace

QColor coloreVB(double valore)
{
    const qint64 intero = static_cast<qint64>(valore);
    const quint32 bit = static_cast<quint32>(intero);
    if (bit & 0x80000000u)
        return coloreDiSistema(static_cast<int>(bit & 0xFFu));
    return QColor(static_cast<int>(bit & 0xFF), static_cast<int>((bit >> 8) & 0xFF),
                  static_cast<int>((bit >> 16) & 0xFF));
}

double valoreVB(const QColor &colore)
{
    return static_cast<double>(static_cast<quint32>(colore.red()) | (static_cast<quint32>(colore.green()) << 8)
                               | (static_cast<quint32>(colore.blue()) << 16));
}

QColor coloreEsadecimale(const QString &rrggbb)
{
    if (rrggbb.size() != 6)
        return QColor();
    bool ok = false;
    const uint v = rrggbb.toUInt(&ok, 16);
    return ok ? QColor::fromRgb(static_cast<QRgb>(0xFF000000u | v)) : QColor();
}

QString TrovaColoreScansione(double valore)
{
    return coloreVB(valore).name(QColor::HexRgb).mid(1).toUpper();
}
