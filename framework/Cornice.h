#pragma once

#include <QColor>
#include <QWidget>

// A square frame drawn around a control (the Shape1 frames of the part
// pictures): a rounded border in one colour, shown to mark the control the
// highlight is on. It lets the mouse through to what it surrounds.
class Cornice : public QWidget
{
    Q_OBJECT

public:
    explicit Cornice(QWidget *parent = nullptr);

    QColor coloreBordo() const { return m_colore; }
    void setColoreBordo(const QColor &colore);

protected:
    void paintEvent(QPaintEvent *evento) override;

private:
    QColor m_colore = Qt::red;
};
