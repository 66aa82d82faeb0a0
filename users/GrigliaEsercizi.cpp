#include "users/GrigliaEsercizi.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyledItemDelegate>

namespace {

// Texts stand at the top of their cells (the grid's alignment codes); the
// room a row has beyond one line is shared above and below the text, so it
// stays clear of the rules.
class DelegatoCelle : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *opzione, const QModelIndex &indice) const override
    {
        QStyledItemDelegate::initStyleOption(opzione, indice);
        const int resto = opzione->rect.height() - opzione->fontMetrics.height();
        if (resto > 0 && (opzione->displayAlignment & Qt::AlignTop))
            opzione->rect.adjust(0, resto / 2 - 2, 0, 0);
    }
};

} // namespace

Qt::Alignment allineamentoGriglia(int codice)
{
    if (codice < 0 || codice > 8)
        codice = 0;
    static const Qt::Alignment orizzontale[3] = {Qt::AlignLeft, Qt::AlignHCenter, Qt::AlignRight};
    static const Qt::Alignment verticale[3] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
    return orizzontale[codice / 3] | verticale[codice % 3];
}

GrigliaEsercizi::GrigliaEsercizi(QWidget *parent)
    : QTableWidget(1, kColonne - 1, parent)
{
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::StrongFocus);
    setWordWrap(false);
    setTextElideMode(Qt::ElideRight);
    setAlternatingRowColors(true);
    setCornerButtonEnabled(false);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setHighlightSections(false);
    verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    // Its own quiet colours, whatever the window's background: white cells,
    // every other row lightly tinted, grey headings and rules.
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Base, Qt::white);
    tavolozza.setColor(QPalette::AlternateBase, QColor(0xFF, 0xF7, 0xEE));
    tavolozza.setColor(QPalette::Window, QColor(0xEE, 0xEE, 0xEE));
    tavolozza.setColor(QPalette::Button, QColor(0xEE, 0xEE, 0xEE));
    tavolozza.setColor(QPalette::Text, QColor(0x22, 0x22, 0x22));
    tavolozza.setColor(QPalette::WindowText, QColor(0x22, 0x22, 0x22));
    tavolozza.setColor(QPalette::Mid, QColor(0xB8, 0xB8, 0xB8));
    setPalette(tavolozza);
    setGridStyle(Qt::SolidLine);
    setItemDelegate(new DelegatoCelle(this));
    setRows(2);
}

void GrigliaEsercizi::setRows(int righe)
{
    const int dati = qMax(0, righe - 1);
    setRowCount(dati);
    for (int r = 1; r <= dati; ++r) {
        if (!verticalHeaderItem(r - 1)) {
            auto *numero = new QTableWidgetItem;
            allinea(numero, 0);
            setVerticalHeaderItem(r - 1, numero);
        }
        for (int c = 1; c < kColonne; ++c) {
            if (!item(r - 1, c - 1)) {
                auto *voce = new QTableWidgetItem;
                allinea(voce, c);
                setItem(r - 1, c - 1, voce);
            }
        }
    }
    for (int c = 1; c < kColonne; ++c) {
        if (!horizontalHeaderItem(c - 1))
            setHorizontalHeaderItem(c - 1, new QTableWidgetItem);
    }
}

QTableWidgetItem *GrigliaEsercizi::cella(int riga, int colonna) const
{
    if (riga < 0 || riga >= Rows() || colonna < 0 || colonna >= kColonne || (riga == 0 && colonna == 0))
        return nullptr;
    if (riga == 0)
        return horizontalHeaderItem(colonna - 1);
    if (colonna == 0)
        return verticalHeaderItem(riga - 1);
    return item(riga - 1, colonna - 1);
}

QString GrigliaEsercizi::TextMatrix(int riga, int colonna) const
{
    const QTableWidgetItem *voce = cella(riga, colonna);
    return voce ? voce->text() : QString();
}

void GrigliaEsercizi::setTextMatrix(int riga, int colonna, const QString &testo)
{
    if (QTableWidgetItem *voce = cella(riga, colonna))
        voce->setText(testo);
}

void GrigliaEsercizi::svuota()
{
    for (int r = 0; r < Rows(); ++r) {
        for (int c = 0; c < kColonne; ++c)
            setTextMatrix(r, c, QString());
    }
}

int GrigliaEsercizi::ColWidth(int colonna) const
{
    if (colonna == 0)
        return verticalHeader()->width();
    return (colonna > 0 && colonna < kColonne) ? columnWidth(colonna - 1) : 0;
}

void GrigliaEsercizi::setColWidth(int colonna, int pixel)
{
    if (colonna == 0)
        verticalHeader()->setFixedWidth(qMax(0, pixel));
    else if (colonna > 0 && colonna < kColonne)
        setColumnWidth(colonna - 1, qMax(0, pixel));
}

int GrigliaEsercizi::ColAlignment(int colonna) const
{
    return (colonna >= 0 && colonna < kColonne) ? m_allineamento[colonna] : 0;
}

void GrigliaEsercizi::setColAlignment(int colonna, int codice)
{
    if (colonna < 0 || colonna >= kColonne)
        return;
    m_allineamento[colonna] = codice;
    for (int r = 1; r < Rows(); ++r) {
        if (QTableWidgetItem *voce = cella(r, colonna))
            allinea(voce, colonna);
    }
}

void GrigliaEsercizi::allinea(QTableWidgetItem *voce, int colonna) const
{
    voce->setTextAlignment(allineamentoGriglia(m_allineamento[colonna]));
}

void GrigliaEsercizi::impostaFont(const QFont &carattere)
{
    setFont(carattere);
    QFont grassetto = carattere;
    grassetto.setBold(true);
    horizontalHeader()->setFont(grassetto);
    verticalHeader()->setFont(carattere);
    const int altezza = QFontMetrics(carattere).height() + 10;
    verticalHeader()->setMinimumSectionSize(altezza);
    verticalHeader()->setDefaultSectionSize(altezza);
    horizontalHeader()->setMinimumHeight(altezza + 4);
}
