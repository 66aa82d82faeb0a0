#include "menu/PulsanteMenu.h"

#include <QPainter>
#include <QTextLayout>

namespace {

struct Impaginazione
{
    QList<QTextLine> righe;
    qreal altezza = 0;
    qreal larghezzaMassima = 0;
};

// Lays the caption out in lines of the given width, each line passo below
// the previous one.
Impaginazione impagina(QTextLayout &layout, const QString &testo, const QFont &carattere, qreal larghezza)
{
    QString righe = testo;
    righe.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout.setText(righe);
    layout.setFont(carattere);
    QTextOption opzioni(Qt::AlignHCenter);
    opzioni.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(opzioni);

    // A face whose line spacing is far taller than its letters (from the top
    // of the tall letters to the bottom of the long tails) stacks its lines
    // by the letters; any other face keeps its own spacing.
    const QFontMetricsF misura(carattere);
    const qreal lettere = misura.tightBoundingRect(QStringLiteral("bdfghjklpqy")).height();
    const qreal passo = misura.lineSpacing() > 1.3 * lettere ? lettere : misura.lineSpacing();

    Impaginazione risultato;
    layout.beginLayout();
    for (QTextLine riga = layout.createLine(); riga.isValid(); riga = layout.createLine()) {
        riga.setLineWidth(larghezza);
        riga.setPosition(QPointF(0, risultato.altezza));
        risultato.altezza += passo;
        risultato.larghezzaMassima = qMax(risultato.larghezzaMassima, riga.naturalTextWidth());
        risultato.righe << riga;
    }
    layout.endLayout();
    return risultato;
}

} // namespace

PulsanteMenu::PulsanteMenu(QWidget *parent)
    : Pulsante(parent)
    , m_didascalia(coloreTesto())
{
    // The face draws no caption of its own: this button lays it out.
    Pulsante::setColoreTesto(Qt::transparent);
}

void PulsanteMenu::setColoreDidascalia(const QColor &colore)
{
    if (colore == m_didascalia)
        return;
    m_didascalia = colore;
    update();
}

QRectF PulsanteMenu::areaDidascalia() const
{
    // Inside the face's border and its rounded corners.
    const int lato = qMin(width(), height());
    const int bordo = qMax(2, lato / 40);
    const int margine = lato / 12 + bordo;
    return QRectF(rect()).adjusted(margine, 2 * bordo, -margine, -2 * bordo);
}

bool PulsanteMenu::didascaliaEntra(const QFont &carattere) const
{
    const QRectF area = areaDidascalia();
    QTextLayout layout;
    const Impaginazione i = impagina(layout, text(), carattere, area.width());
    return i.larghezzaMassima <= area.width() && i.altezza <= area.height();
}

bool PulsanteMenu::didascaliaEntraInLarghezza(const QFont &carattere) const
{
    const QRectF area = areaDidascalia();
    QTextLayout layout;
    return impagina(layout, text(), carattere, area.width()).larghezzaMassima <= area.width();
}

void PulsanteMenu::paintEvent(QPaintEvent *evento)
{
    Pulsante::paintEvent(evento);
    if (text().isEmpty())
        return;
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (!isEnabled() && !evidenziato())
        p.setOpacity(0.35);
    p.setPen(m_didascalia);
    const QRectF area = areaDidascalia();
    QTextLayout layout;
    const Impaginazione i = impagina(layout, text(), font(), area.width());
    const QPointF origine(area.left(), area.top() + (area.height() - i.altezza) / 2);
    layout.draw(&p, origine);
}
