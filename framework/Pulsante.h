#pragma once

#include <QColor>
#include <QPushButton>

#include <memory>

class QSvgRenderer;

// A large answer button as the exercises and the menu show it: a rounded
// face in the colour the scanning or the mouse gives it, with a picture, a
// caption, or both. The face colour is the highlight: the windows set it to
// ColorePulsanteSelezionato or ColorePulsanti. A disabled button draws its
// picture and caption faded, unless the highlight rests on it.
class Pulsante : public QPushButton
{
    Q_OBJECT

public:
    explicit Pulsante(QWidget *parent = nullptr);
    ~Pulsante() override;

    QColor coloreSfondo() const { return m_sfondo; }
    void setColoreSfondo(const QColor &colore);

    // The highlight rests here. A highlighted button is drawn in full even
    // when disabled (the next-item button during scanning).
    bool evidenziato() const { return m_evidenziato; }
    void setEvidenziato(bool evidenziato);

    QColor coloreTesto() const { return m_testo; }
    void setColoreTesto(const QColor &colore);

    // An SVG picture drawn in the face; empty for none.
    void setImmagine(const QString &fileSvg);
    bool haImmagine() const;
    void setImmagineVisibile(bool visibile);
    bool immagineVisibile() const { return m_immagineVisibile; }

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    QColor m_sfondo;
    QColor m_testo;
    std::unique_ptr<QSvgRenderer> m_immagine;
    bool m_immagineVisibile = true;
    bool m_evidenziato = false;
};
