#pragma once

#include <QTableWidget>

// The viewer's grid, addressed as a grid of rows and columns with the first
// row and the first column fixed: row 0 is the heading row, column 0 the row
// numbers. They stay in view while the other rows scroll, because they are
// the table's own headers; the cells of rows 1.. and columns 1.. are the
// table's items.
class GrigliaEsercizi : public QTableWidget
{
    Q_OBJECT

public:
    static constexpr int kColonne = 6;

    explicit GrigliaEsercizi(QWidget *parent = nullptr);

    // The number of rows, heading included (at least 1).
    int Rows() const { return rowCount() + 1; }
    void setRows(int righe);
    int Cols() const { return kColonne; }

    QString TextMatrix(int riga, int colonna) const;
    void setTextMatrix(int riga, int colonna, const QString &testo);
    // Every cell emptied; rows and columns keep their number.
    void svuota();

    int ColWidth(int colonna) const;
    void setColWidth(int colonna, int pixel);
    // The grid's alignment codes: 0 left top, 1 left centre, 2 left bottom,
    // 3 centre top, 4 centre centre, 5 centre bottom, 6 right top, 7 right
    // centre, 8 right bottom.
    int ColAlignment(int colonna) const;
    void setColAlignment(int colonna, int codice);

    // Font of cells and headings; the rows take the height of one line.
    void impostaFont(const QFont &carattere);

private:
    QTableWidgetItem *cella(int riga, int colonna) const;
    void allinea(QTableWidgetItem *voce, int colonna) const;

    int m_allineamento[kColonne] = {3, 3, 3, 0, 0, 0};
};

// The Qt alignment of a grid alignment code.
Qt::Alignment allineamentoGriglia(int codice);
