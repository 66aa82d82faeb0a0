#pragma once

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

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *evento) override;
    void mousePressEvent(QMouseEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;

private:
    std::unique_ptr<QSvgRenderer> m_disegno;
    bool m_premuta = false;
};
