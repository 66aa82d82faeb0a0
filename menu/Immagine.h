#pragma once

#include <QImage>
#include <QWidget>

#include <memory>

class QSvgRenderer;

// A picture control: an SVG drawing shown as large as the control allows
// with its proportions kept, centred. A left click on it is reported, so a
// window can make clicking the picture mean clicking its button.
class Immagine : public QWidget
{
    Q_OBJECT

public:
    explicit Immagine(QWidget *parent = nullptr);
    ~Immagine() override;

    // An SVG file; a missing or broken file shows nothing.
    void setFile(const QString &fileSvg);
    bool haImmagine() const;
    // Where the drawing lands inside the control.
    QRectF areaDisegno() const;
    // Keeps the drawing, once rendered at the control's size, in the user's
    // cache folder (DisegnoConservato) and copies it from there the next
    // time, without even reading the drawing: for the first picture of the
    // program, shown before anything else is ready. Off by default; set it
    // before setFile.
    void setConservato(bool conservato) { m_conservato = conservato; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;

private:
    // The drawing, read the first time it is needed; null when the file is
    // missing or broken.
    QSvgRenderer *disegno() const;
    void preparaConservato();

    QString m_file;
    mutable std::unique_ptr<QSvgRenderer> m_disegno;
    mutable bool m_letto = false; // m_file has been read into m_disegno
    bool m_conservato = false;
    // The kept picture and where it goes, for a control of m_perControllo.
    QImage m_pixel;
    QRect m_areaPixel;
    QSize m_perControllo;
    bool m_premuta = false;
};
