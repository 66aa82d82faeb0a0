#pragma once

#include "framework/Pulsante.h"

// A menu button: the answer-button face of Pulsante with the caption laid
// out by the menu itself. Captions of up to three lines must fit a small
// button in any text face, and some faces (the cursive school face) carry
// line spacing twice their letters' height; the lines are therefore stacked
// as close as the letters allow, never farther apart than the face's own
// spacing.
class PulsanteMenu : public Pulsante
{
    Q_OBJECT

public:
    explicit PulsanteMenu(QWidget *parent = nullptr);

    QColor coloreDidascalia() const { return m_didascalia; }
    void setColoreDidascalia(const QColor &colore);

    // The caption fits the face in this font: no word wider than the face,
    // the lines no taller than it.
    bool didascaliaEntra(const QFont &carattere) const;
    // Whether every line is as narrow as the caption's area, whatever its height.
    bool didascaliaEntraInLarghezza(const QFont &carattere) const;
    // How many lines the caption takes in the button's own font.
    int righeDidascalia() const;

    // Where the caption is drawn: inside the face's border and its rounded
    // corners.
    QRectF areaDidascalia() const;

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    QColor m_didascalia;
};
