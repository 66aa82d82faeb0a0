#pragma once

#include "platform/Stampanti.h"

#include <QColor>
#include <QWidget>

#include <memory>

class QSvgRenderer;

// A picture box holding a drawing: it shows the drawing on white, can carry
// the scanning highlight, and prints its vectors, so the drawing is as sharp
// on paper at any size as the printer allows.
class FiguraStampabile : public QWidget
{
    Q_OBJECT

public:
    explicit FiguraStampabile(QWidget *parent = nullptr);
    ~FiguraStampabile() override;

    void setFile(const QString &percorsoSvg);
    bool valida() const;
    // The drawing to print, kept in its proportions inside the rectangle.
    Stampabile stampabile() const;

    void setEvidenziato(bool evidenziato, const QColor &colore = QColor());
    bool evidenziato() const { return m_evidenziato; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent *evento) override;
    void mouseReleaseEvent(QMouseEvent *evento) override;

private:
    std::shared_ptr<QSvgRenderer> m_disegno;
    bool m_evidenziato = false;
    QColor m_coloreEvidenza;
};
