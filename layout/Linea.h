#pragma once

#include <QColor>
#include <QLine>
#include <QWidget>

// A line control: a straight line between two end points given in its
// parent's coordinates, drawn with a solid pen. The widget covers just the
// line's bounding box (widened by the pen) and lets clicks through to what
// lies beneath, as a drawn line has no events of its own. clsResize scales
// it by its end points rather than by its box. Place it with setEstremi,
// never with setGeometry or move: the box follows the end points.
class Linea : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int X1 READ X1)
    Q_PROPERTY(int Y1 READ Y1)
    Q_PROPERTY(int X2 READ X2)
    Q_PROPERTY(int Y2 READ Y2)

public:
    explicit Linea(QWidget *parent = nullptr);

    // End points in the parent's pixels.
    void setEstremi(const QLine &estremi);
    void setEstremi(int x1, int y1, int x2, int y2) { setEstremi(QLine(x1, y1, x2, y2)); }
    QLine estremi() const { return m_estremi; }
    int X1() const { return m_estremi.x1(); }
    int Y1() const { return m_estremi.y1(); }
    int X2() const { return m_estremi.x2(); }
    int Y2() const { return m_estremi.y2(); }

    // End points written in twips, as the window designs give them.
    void setEstremiTwips(int x1, int y1, int x2, int y2);

    QColor colore() const { return m_colore; }
    void setColore(const QColor &colore);
    // Pen width in pixels; not scaled with the window.
    int spessore() const { return m_spessore; }
    void setSpessore(int pixel);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void aggiornaGeometria();

    QLine m_estremi;
    QColor m_colore = Qt::black;
    int m_spessore = 1;
};
