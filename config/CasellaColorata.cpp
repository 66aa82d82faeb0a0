#include "config/CasellaColorata.h"

#include "config/LogicaConfigura.h"
#include "core/Lingua.h"
#include "framework/TastiTenuti.h"

#include <QKeyEvent>
#include <QPainter>

CasellaColorata::CasellaColorata(int indice, QWidget *parent)
    : QAbstractButton(parent)
    , m_indice(indice)
{
    setObjectName(QStringLiteral("CasellaColorata"));
    setProperty("index", indice);
    setFocusPolicy(Qt::ClickFocus);
    setCursor(Qt::PointingHandCursor);
    // The choice comes on the release, once: a held key chooses nothing more.
    m_tasti = new TastiTenuti(
        [this](int, bool rilasciato) {
            if (!rilasciato) {
                setDown(true);
            } else if (isDown()) {
                setDown(false);
                click();
            }
        },
        this);
}

void CasellaColorata::setColore(const QColor &colore)
{
    if (m_colore == colore)
        return;
    m_colore = colore;
    setAccessibleName(MLSGetText(QStringLiteral("0374")).arg(m_indice + 1).arg(colore.name().mid(1).toUpper()));
    update();
}

void CasellaColorata::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect r = rect().adjusted(0, 0, -1, -1);
    p.fillRect(r, m_colore);
    p.setPen(QColor(0x33, 0x33, 0x33));
    p.drawRect(r);
    if (hasFocus() || isDown()) {
        // A double ring, dark and light, shows on every colour.
        p.setPen(QPen(Qt::black, 2));
        p.drawRect(r.adjusted(1, 1, -1, -1));
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(r.adjusted(3, 3, -3, -3));
    }
}

CasellaColorata *CasellaColorata::vicina(int dx, int dy) const
{
    if (!m_casella)
        return nullptr;
    const QPoint qui = posizioniCaselle()[size_t(m_indice)];
    // Across an empty position the move goes on to the next cell in that direction.
    for (int passo = 1; passo < kLatoGriglia; ++passo) {
        const int colonna = qui.x() + dx * passo;
        const int riga = qui.y() + dy * passo;
        if (colonna < 0 || riga < 0 || colonna >= kLatoGriglia || riga >= kLatoGriglia)
            return nullptr;
        const int indice = casellaInPosizione(colonna, riga);
        if (indice >= 0)
            return m_casella(indice);
    }
    return nullptr;
}

void CasellaColorata::keyPressEvent(QKeyEvent *evento)
{
    int dx = 0, dy = 0;
    switch (evento->key()) {
    case Qt::Key_Left:
        dx = -1;
        break;
    case Qt::Key_Right:
        dx = 1;
        break;
    case Qt::Key_Up:
        dy = -1;
        break;
    case Qt::Key_Down:
        dy = 1;
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        m_tasti->evento(*evento);
        evento->accept();
        return;
    default:
        QAbstractButton::keyPressEvent(evento);
        return;
    }
    if (CasellaColorata *altra = vicina(dx, dy))
        altra->setFocus(Qt::OtherFocusReason);
    evento->accept();
}

void CasellaColorata::keyReleaseEvent(QKeyEvent *evento)
{
    const int tasto = evento->key();
    if (tasto == Qt::Key_Return || tasto == Qt::Key_Enter || tasto == Qt::Key_Space) {
        evento->accept();
        m_tasti->evento(*evento);
        return;
    }
    QAbstractButton::keyReleaseEvent(evento);
}

void CasellaColorata::focusInEvent(QFocusEvent *evento)
{
    QAbstractButton::focusInEvent(evento);
    emit raggiunta(this);
}
