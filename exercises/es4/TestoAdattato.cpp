#include "exercises/es4/TestoAdattato.h"

#include <QEvent>
#include <QFontMetrics>
#include <QPainter>
#include <QRegularExpression>

namespace {

constexpr int kMargine = 8;
constexpr int kSpazioColonne = 16;
constexpr int kDimensioneMinima = 8;

int dimensione(const QFont &f)
{
    return f.pointSize() > 0 ? f.pointSize() : qMax(1, f.pixelSize() * 3 / 4);
}

// The height of paragraphs wrapped to a width, one after the other.
int altezza(const QFontMetrics &m, const QStringList &paragrafi, int larghezza)
{
    int h = 0;
    for (const QString &p : paragrafi)
        h += m.boundingRect(QRect(0, 0, larghezza, 1 << 20), Qt::TextWordWrap, p).height();
    return h;
}

} // namespace

TestoAdattato::TestoAdattato(QWidget *parent)
    : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TestoAdattato::setText(const QString &testo)
{
    if (testo == m_testo)
        return;
    m_testo = testo;
    m_daImpaginare = true;
    setAccessibleDescription(testo);
    update();
}

void TestoAdattato::setColori(const QColor &sfondo, const QColor &testo)
{
    m_sfondo = sfondo;
    m_colore = testo;
    update();
}

QStringList TestoAdattato::paragrafi() const
{
    static const QRegularExpression righe(QStringLiteral("\r?\n"));
    QStringList p = m_testo.split(righe);
    while (!p.isEmpty() && p.last().trimmed().isEmpty())
        p.removeLast();
    return p;
}

QRect TestoAdattato::area() const
{
    return rect().adjusted(kMargine, kMargine, -kMargine, -kMargine);
}

bool TestoAdattato::entra(const QFont &carattere, int colonne, const QRect &a) const
{
    const QStringList p = paragrafi();
    const QFontMetrics m(carattere);
    const int larghezza = (a.width() - (colonne - 1) * kSpazioColonne) / colonne;
    if (larghezza <= 0)
        return false;
    // Every word must fit a line whole.
    for (const QString &paragrafo : p) {
        for (const QString &parola : paragrafo.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
            if (m.horizontalAdvance(parola) > larghezza)
                return false;
        }
    }
    const int perColonna = (int(p.size()) + colonne - 1) / colonne;
    for (int c = 0; c < colonne; ++c) {
        if (altezza(m, p.mid(c * perColonna, perColonna), larghezza) > a.height())
            return false;
    }
    return true;
}

void TestoAdattato::impagina()
{
    m_daImpaginare = false;
    const QRect a = area();
    const int massima = dimensione(font());
    const bool lista = paragrafi().size() > 1;
    QFont f = font();
    for (int d = massima; d >= kDimensioneMinima; --d) {
        f.setPointSize(d);
        for (int colonne = 1; colonne <= (lista ? 2 : 1); ++colonne) {
            if (entra(f, colonne, a)) {
                m_impaginazione = {f, colonne};
                return;
            }
        }
    }
    f.setPointSize(kDimensioneMinima);
    m_impaginazione = {f, lista ? 2 : 1};
}

int TestoAdattato::dimensioneUsata() const
{
    if (m_daImpaginare)
        const_cast<TestoAdattato *>(this)->impagina();
    return m_impaginazione.carattere.pointSize();
}

int TestoAdattato::colonne() const
{
    if (m_daImpaginare)
        const_cast<TestoAdattato *>(this)->impagina();
    return m_impaginazione.colonne;
}

void TestoAdattato::resizeEvent(QResizeEvent *evento)
{
    QWidget::resizeEvent(evento);
    m_daImpaginare = true;
}

void TestoAdattato::changeEvent(QEvent *evento)
{
    QWidget::changeEvent(evento);
    if (evento->type() == QEvent::FontChange)
        m_daImpaginare = true;
}

void TestoAdattato::paintEvent(QPaintEvent *)
{
    if (m_daImpaginare)
        impagina();
    QPainter p(this);
    p.fillRect(rect(), m_sfondo);
    const QStringList testi = paragrafi();
    if (testi.isEmpty())
        return;
    p.setPen(m_colore);
    p.setFont(m_impaginazione.carattere);
    const QFontMetrics m(m_impaginazione.carattere);
    const QRect a = area();
    const int colonne = m_impaginazione.colonne;
    const int larghezza = (a.width() - (colonne - 1) * kSpazioColonne) / colonne;
    const int perColonna = (int(testi.size()) + colonne - 1) / colonne;
    const int allineamento = Qt::TextWordWrap | (testi.size() == 1 ? Qt::AlignHCenter : Qt::AlignLeft);
    for (int c = 0; c < colonne; ++c) {
        const QStringList colonna = testi.mid(c * perColonna, perColonna);
        int y = a.top() + qMax(0, (a.height() - altezza(m, colonna, larghezza)) / 2);
        const int x = a.left() + c * (larghezza + kSpazioColonne);
        for (const QString &paragrafo : colonna) {
            const QRect r = m.boundingRect(QRect(0, 0, larghezza, 1 << 20), Qt::TextWordWrap, paragrafo);
            p.drawText(QRect(x, y, larghezza, r.height()), allineamento, paragrafo);
            y += r.height();
        }
    }
}
