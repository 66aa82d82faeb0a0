#pragma once

#include <QAbstractButton>

#include <functional>

// One cell of the palette grid: a square of its palette colour that can be
// clicked, or chosen from the keyboard. Only the cell last visited takes part
// in the Tab order; the arrow keys move between neighbouring cells of the
// grid, and Space or Enter chooses the cell.
class TastiTenuti;

class CasellaColorata : public QAbstractButton
{
    Q_OBJECT

public:
    CasellaColorata(int indice, QWidget *parent = nullptr);

    int indice() const { return m_indice; }
    QColor colore() const { return m_colore; }
    void setColore(const QColor &colore);

    // The cell the arrow keys lead to from this one (its neighbours in the
    // grid, skipping empty positions); the function gives the cell widget of
    // an index.
    void setVicine(std::function<CasellaColorata *(int)> casella) { m_casella = std::move(casella); }

signals:
    // The keyboard moved to this cell.
    void raggiunta(CasellaColorata *casella);

protected:
    void paintEvent(QPaintEvent *evento) override;
    void keyPressEvent(QKeyEvent *evento) override;
    void keyReleaseEvent(QKeyEvent *evento) override;
    void focusInEvent(QFocusEvent *evento) override;

private:
    CasellaColorata *vicina(int dx, int dy) const;

    int m_indice;
    QColor m_colore;
    std::function<CasellaColorata *(int)> m_casella;
    // One choice per stroke of Enter or Space, however long it is held.
    TastiTenuti *m_tasti = nullptr;
};
