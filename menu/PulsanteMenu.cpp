#include "menu/PulsanteMenu.h"

#include <QPainter>
#include <QTextLayout>

namespace {

struct Impaginazione
{
    qreal altezza = 0; // from the top of the first line's letters to the bottom of the last's
    qreal larghezzaMassima = 0;
};

// Lays the caption out in lines of the given width. A face whose line
// spacing is far taller than its letters (the cursive school face spaces its
// lines twice as far as its tallest letters reach) stacks each line a small
// gap below the letters of the one above; any other face keeps its own
// spacing. The height counts the letters actually drawn, so a caption is
// centred and fitted by what shows, not by the face's empty line space. An
// empty line (a caption's leading break) is as tall as the face's letters.
Impaginazione impagina(QTextLayout &layout, const QString &testo, const QFont &carattere, qreal larghezza)
{
    QString righe = testo;
    righe.replace(QLatin1Char('\n'), QChar::LineSeparator);
    layout.setText(righe);
    layout.setFont(carattere);
    QTextOption opzioni(Qt::AlignHCenter);
    opzioni.setWrapMode(QTextOption::WordWrap);
    layout.setTextOption(opzioni);

    const QFontMetricsF misura(carattere);
    const QRectF lettere = misura.tightBoundingRect(QStringLiteral("bdfghjklpqy"));
    const bool perLettere = misura.lineSpacing() > 1.3 * lettere.height();
    const qreal spazio = 0.3 * misura.xHeight();

    Impaginazione risultato;
    qreal base = 0;  // baseline of the line being placed
    qreal fondo = 0; // bottom of the letters placed so far
    bool prima = true;
    layout.beginLayout();
    for (QTextLine riga = layout.createLine(); riga.isValid(); riga = layout.createLine()) {
        riga.setLineWidth(larghezza);
        const QString parole = righe.mid(riga.textStart(), riga.textLength()).trimmed();
        QRectF inchiostro = parole.isEmpty() ? lettere : misura.tightBoundingRect(parole);
        if (!perLettere)
            inchiostro = QRectF(0, -misura.ascent(), 0, misura.lineSpacing());
        if (prima) {
            base = -inchiostro.top();
            prima = false;
        } else {
            base = perLettere ? fondo + spazio - inchiostro.top() : base + misura.lineSpacing();
        }
        riga.setPosition(QPointF(0, base - riga.ascent()));
        fondo = base + inchiostro.bottom();
        risultato.larghezzaMassima = qMax(risultato.larghezzaMassima, riga.naturalTextWidth());
    }
    layout.endLayout();
    risultato.altezza = fondo;
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

int PulsanteMenu::righeDidascalia() const
{
    QTextLayout layout;
    impagina(layout, text(), font(), areaDidascalia().width());
    return layout.lineCount();
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
