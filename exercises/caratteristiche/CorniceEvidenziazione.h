#pragma once

#include <QColor>
#include <QWidget>

// The highlight frame Shape1: a rectangle border in the highlight colour
// laid around a house. Only the border belongs to the control (its mask), so
// moving it repaints the two thin rings and nothing of the houses under it,
// and clicks inside it reach the house.
class CorniceEvidenziazione : public QWidget
{
    Q_OBJECT

public:
    explicit CorniceEvidenziazione(QWidget *parent = nullptr);

    QColor BorderColor() const { return m_colore; }
    void setBorderColor(const QColor &colore);
    int BorderWidth() const { return m_spessore; }
    void setBorderWidth(int pixel);

    // Lays the frame around a rectangle of the parent: the border lies just
    // outside it, so the frame is the rectangle plus twice the border.
    void circonda(const QRect &rettangolo);

protected:
    void resizeEvent(QResizeEvent *evento) override;
    void paintEvent(QPaintEvent *evento) override;

private:
    void aggiornaMaschera();

    QColor m_colore = Qt::red;
    int m_spessore = 4;
};
