#include "platform/AgenteFumetto.h"

#include "core/Lingua.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTextLayout>

#include <algorithm>

namespace {

constexpr int kMargine = 12; // between the outline and the text
constexpr int kCoda = 18;    // height of the tail
constexpr int kLarghezzaCoda = 22;
constexpr int kRaggio = 14;

const QColor kColoreFondo(255, 255, 246);
const QColor kColoreContorno(58, 52, 70);

// Line ends of any kind become the layout's own line separator.
QString testoPerRighe(const QString &testo)
{
    QString t = testo;
    t.replace(QLatin1String("\r\n"), QString(QChar::LineSeparator));
    t.replace(QLatin1Char('\n'), QChar::LineSeparator);
    t.replace(QLatin1Char('\r'), QChar::LineSeparator);
    return t;
}

} // namespace

FumettoPersonaggio::FumettoPersonaggio()
    : QWidget(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint
                           | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setAccessibleName(MLSGetText(QStringLiteral("0321")));
    dimensiona();
}

void FumettoPersonaggio::impostaCarattere(const QFont &carattere)
{
    m_carattere = carattere;
    dimensiona();
    mostraTesto(m_testo, m_caratteri, m_contieneTutto, m_aPasso);
}

QStringList FumettoPersonaggio::righeDi(const QString &testo, int larghezza) const
{
    QStringList righe;
    const QString t = testoPerRighe(testo);
    QTextLayout impaginazione(t, m_carattere);
    QTextOption opzioni;
    opzioni.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    impaginazione.setTextOption(opzioni);
    impaginazione.beginLayout();
    for (QTextLine riga = impaginazione.createLine(); riga.isValid(); riga = impaginazione.createLine()) {
        riga.setLineWidth(larghezza);
        QString testoRiga = t.mid(riga.textStart(), riga.textLength());
        testoRiga.remove(QChar::LineSeparator);
        righe.append(testoRiga.trimmed());
    }
    impaginazione.endLayout();
    return righe;
}

int FumettoPersonaggio::larghezzaMassima() const
{
    const QFontMetrics metrica(m_carattere);
    int larghezza = metrica.averageCharWidth() * kCaratteriPerRiga;
    if (!m_zona.isEmpty())
        larghezza = std::min(larghezza, m_zona.width() - 2 * kMargine - 4);
    return std::max(larghezza, metrica.averageCharWidth() * 6);
}

void FumettoPersonaggio::dimensiona()
{
    const QFontMetrics metrica(m_carattere);
    const int massima = larghezzaMassima();
    int larghezza = massima;
    int righe = kRigheFisse;
    if (m_contieneTutto) {
        // The text is wrapped at the widest width and the balloon narrowed
        // to its longest line; it is wrapped at that same width when shown,
        // so it takes exactly the lines measured here.
        const QStringList tutte = righeDi(m_testo, massima);
        larghezza = metrica.averageCharWidth() * 6;
        for (const QString &riga : tutte)
            larghezza = std::max(larghezza, metrica.horizontalAdvance(riga) + 1);
        larghezza = std::min(larghezza, massima);
        righe = std::max<int>(1, tutte.size());
    }
    m_larghezzaRighe = m_contieneTutto ? massima : larghezza;
    m_area = QSize(larghezza, righe * metrica.lineSpacing());
    resize(m_area.width() + 2 * kMargine, m_area.height() + 2 * kMargine + kCoda);
}

void FumettoPersonaggio::mostraTesto(const QString &testo, int caratteri, bool contieneTutto, bool aPasso)
{
    const bool nuovo = testo != m_testo || contieneTutto != m_contieneTutto;
    m_testo = testo;
    m_caratteri = std::clamp(caratteri, 0, int(testo.size()));
    m_contieneTutto = contieneTutto;
    m_aPasso = aPasso;
    if (nuovo) {
        dimensiona();
        if (!m_personaggio.isNull())
            posiziona(m_personaggio);
    }

    const QString detto = aPasso ? testo.left(m_caratteri) : testo;
    QStringList righe = righeDi(detto, m_larghezzaRighe);
    if (!contieneTutto && righe.size() > kRigheFisse) {
        if (aPasso) {
            righe = righe.mid(righe.size() - kRigheFisse);
        } else {
            const QFontMetrics metrica(m_carattere);
            const QString resto = righe.mid(kRigheFisse - 1).join(QLatin1Char(' '));
            righe = righe.mid(0, kRigheFisse - 1);
            righe.append(metrica.elidedText(resto, Qt::ElideRight, m_area.width()));
        }
    }
    if (detto.isEmpty())
        righe.clear();
    m_righe = righe;
    setAccessibleDescription(testo);
    update();
}

void FumettoPersonaggio::impostaZona(const QRect &zona)
{
    if (zona == m_zona)
        return;
    m_zona = zona;
    dimensiona();
    mostraTesto(m_testo, m_caratteri, m_contieneTutto, m_aPasso);
}

QRect FumettoPersonaggio::disponibile(const QRect &personaggio) const
{
    if (!m_zona.isEmpty())
        return m_zona;
    if (!isWindow() && parentWidget())
        return parentWidget()->rect();
    const QScreen *schermo = QGuiApplication::screenAt(personaggio.center());
    if (!schermo)
        schermo = QGuiApplication::primaryScreen();
    return schermo ? schermo->availableGeometry() : QRect(0, 0, 1 << 15, 1 << 15);
}

void FumettoPersonaggio::posiziona(const QRect &personaggio)
{
    m_personaggio = personaggio;
    const QRect disponibile = this->disponibile(personaggio);

    int x = personaggio.center().x() - width() / 2;
    x = std::clamp(x, disponibile.left(), std::max(disponibile.left(), disponibile.right() - width() + 1));
    int y = personaggio.top() - height();
    m_sotto = y < disponibile.top();
    if (m_sotto)
        y = std::min(personaggio.bottom() + 1, disponibile.bottom() - height() + 1);
    m_codaX = std::clamp(personaggio.center().x() - x, kRaggio + kLarghezzaCoda,
                         std::max(kRaggio + kLarghezzaCoda, width() - kRaggio - kLarghezzaCoda));
    move(x, y);
    aggiornaSagoma();
    update();
}

QRectF FumettoPersonaggio::corpo() const
{
    return QRectF(rect()).adjusted(1.5, m_sotto ? kCoda : 1.5, -1.5, m_sotto ? -1.5 : -kCoda);
}

QPainterPath FumettoPersonaggio::sagoma() const
{
    const QRectF corpo = this->corpo();
    QPainterPath sagoma;
    sagoma.addRoundedRect(corpo, kRaggio, kRaggio);
    QPainterPath coda;
    if (m_sotto) {
        coda.moveTo(m_codaX - kLarghezzaCoda / 2.0, corpo.top() + 2);
        coda.lineTo(m_codaX, 1.5);
        coda.lineTo(m_codaX + kLarghezzaCoda / 2.0, corpo.top() + 2);
    } else {
        coda.moveTo(m_codaX - kLarghezzaCoda, corpo.bottom() - 2);
        coda.lineTo(m_codaX, height() - 1.5);
        coda.lineTo(m_codaX - kLarghezzaCoda / 3.0, corpo.bottom() - 2);
    }
    coda.closeSubpath();
    return sagoma.united(coda);
}

void FumettoPersonaggio::aggiornaSagoma()
{
    // See-through corners show black on an X11 desktop without a compositor:
    // the window is shaped to the balloon there.
    if (!isWindow() || QGuiApplication::platformName() != QLatin1String("xcb") || size().isEmpty())
        return;
    QPainterPathStroker bordo;
    bordo.setWidth(4);
    setMask(QRegion(sagoma().united(bordo.createStroke(sagoma())).toFillPolygon().toPolygon()));
}

void FumettoPersonaggio::paintEvent(QPaintEvent *)
{
    QPainter pittore(this);
    pittore.setRenderHint(QPainter::Antialiasing);
    const QRectF corpo = this->corpo();
    const QPainterPath sagoma = this->sagoma();

    pittore.setPen(QPen(kColoreContorno, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    pittore.setBrush(kColoreFondo);
    pittore.drawPath(sagoma);

    pittore.setFont(m_carattere);
    pittore.setPen(Qt::black);
    const QFontMetrics metrica(m_carattere);
    int y = int(corpo.top()) + kMargine - 1 + metrica.ascent();
    for (const QString &riga : std::as_const(m_righe)) {
        pittore.drawText(int(corpo.left()) + kMargine, y, riga);
        y += metrica.lineSpacing();
    }
}
