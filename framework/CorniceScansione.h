#pragma once

#include <QColor>
#include <QRegion>
#include <QWidget>

#include <functional>

// The bold highlight of the scanning mechanism: a frame in the highlight
// colour around the rectangle of what is lit, with a thin dark line on both sides so that it shows on any
// background. It is a see-through child over the whole window that lets the
// mouse through and paints only the frame; a move repaints where the frame
// was and where it goes.
//
// It follows events, not a clock: the mechanism calls aggiorna() at every
// highlight change, and while it is shown (the mechanism running with a
// thickness) every repaint of the window passes through its paintEvent,
// which looks whether what is lit has moved, changed shape or colour since
// (controls laid out again, a control shown or hidden)
// and then updates the frame once the repaint is over.
class CorniceScansione : public QWidget
{
public:
    // attiva: the mechanism runs; riquadro: where the lit position is, in
    // the window's coordinates (empty: nothing to frame); angoliRetti: a
    // rectangle with square corners.
    CorniceScansione(QWidget *finestra, std::function<bool()> attiva, std::function<QRect()> riquadro,
                     std::function<bool()> angoliRetti);

    // The frame's thickness in pixels; 0: no frame.
    void impostaSpessore(int pixel);
    // Follows the highlight: the frame goes where the lit position is now.
    void aggiorna();
    // Where the frame paints, in the window's coordinates; empty when hidden.
    QRegion zona() const { return isVisible() ? m_zona : QRegion(); }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;

private:
    // What the frame should show now.
    struct Voluta
    {
        bool mostrata = false;
        QRect riquadro;
        QColor colore;
        qreal raggio = 0;
    };

    Voluta voluta() const;
    bool uguale(const Voluta &v) const;

    std::function<bool()> m_attiva;
    std::function<QRect()> m_riquadro;
    std::function<bool()> m_angoliRetti;
    int m_spessore = 0;
    qreal m_raggio = 0; // of the corners, as the program's buttons have them
    QRect m_dipinto;
    QColor m_colore;
    QRegion m_zona;
    // A repaint found the frame behind what is lit: aggiorna() is on its way.
    bool m_verificaChiesta = false;
};
