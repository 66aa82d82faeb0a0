#include "platform/AgenteFumetto.h"

#include "core/Lingua.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTextLayout>

#include <algorithm>
#include <limits>

namespace {

constexpr int kMargine = 12;       // between the outline and the text
constexpr int kMargineStretto = 4; // the same in a zone too tight for it
constexpr int kBordo = 3;          // the outline's width, both sides together
constexpr int kCoda = 18;          // length of the tail
constexpr int kLarghezzaCoda = 22;
constexpr int kRaggio = 14;

const QColor kColoreFondo(255, 255, 246);
const QColor kColoreContorno(58, 52, 70);

// Line ends of any kind become the layout's own line separator; the text
// keeps its length, so a position in it is a position in what is said.
QString testoPerRighe(const QString &testo)
{
    QString t = testo;
    t.replace(QLatin1String("\r\n"), QStringLiteral(" ") + QChar(QChar::LineSeparator));
    t.replace(QLatin1Char('\n'), QChar::LineSeparator);
    t.replace(QLatin1Char('\r'), QChar::LineSeparator);
    return t;
}

bool codaVerticale(FumettoPersonaggio::Coda coda)
{
    return coda == FumettoPersonaggio::Coda::Giu || coda == FumettoPersonaggio::Coda::Su;
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
    m_usato = m_carattere;
    dimensiona();
}

void FumettoPersonaggio::impostaCarattere(const QFont &carattere)
{
    m_carattere = carattere;
    dimensiona();
    scegliRighe();
    if (!m_personaggio.isNull())
        colloca();
    update();
}

QList<FumettoPersonaggio::Riga> FumettoPersonaggio::righeDi(const QString &testo, const QFont &carattere,
                                                              int larghezza) const
{
    QList<Riga> righe;
    const QString t = testoPerRighe(testo);
    QTextLayout impaginazione(t, carattere);
    QTextOption opzioni;
    opzioni.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    impaginazione.setTextOption(opzioni);
    impaginazione.beginLayout();
    for (QTextLine riga = impaginazione.createLine(); riga.isValid(); riga = impaginazione.createLine()) {
        riga.setLineWidth(larghezza);
        QString testoRiga = t.mid(riga.textStart(), riga.textLength());
        testoRiga.remove(QChar::LineSeparator);
        righe.append({testoRiga.trimmed(), riga.textStart()});
    }
    impaginazione.endLayout();
    return righe;
}

FumettoPersonaggio::Coda FumettoPersonaggio::codaPer(const QRect &personaggio) const
{
    if (personaggio.isNull())
        return Coda::Giu;
    if (!m_zona.isEmpty()) {
        // A zone beside the character: the balloon stands on that side.
        if (m_zona.bottom() < personaggio.top())
            return Coda::Giu;
        if (m_zona.top() > personaggio.bottom())
            return Coda::Su;
        if (m_zona.left() > personaggio.right())
            return Coda::Sinistra;
        if (m_zona.right() < personaggio.left())
            return Coda::Destra;
    }
    // Over the character, or below it when there is no room above.
    return personaggio.top() - height() < disponibile(personaggio).top() ? Coda::Su : Coda::Giu;
}

void FumettoPersonaggio::dimensiona()
{
    m_coda = codaPer(m_personaggio);
    const bool laterale = !codaVerticale(m_coda);
    const int extraLargo = kBordo + (laterale ? kCoda : 0);
    const int extraAlto = kBordo + (laterale ? 0 : kCoda);
    const int righeMassime = m_contieneTutto ? std::numeric_limits<int>::max() : kRigheFisse;
    m_turni = false;
    m_senzaPosto = false;
    m_usato = m_carattere;
    m_margine = kMargine;
    m_perTurno = kRigheFisse;

    const auto larghezzaRighe = [](const QFontMetrics &metrica, int disponibile) {
        return std::min(metrica.averageCharWidth() * kCaratteriPerRiga, disponibile);
    };

    if (m_zona.isEmpty()) {
        const QFontMetrics metrica(m_usato);
        m_larghezzaRighe = metrica.averageCharWidth() * kCaratteriPerRiga;
        m_tutte = righeDi(m_testo, m_usato, m_larghezzaRighe);
        m_turni = m_tutte.size() > righeMassime;
    } else {
        // The zone is the limit: the text wraps at its width; when it is
        // still too tall the font shrinks, point by point; when even the
        // smallest font leaves it too tall it is shown in turns.
        bool sistemato = false;
        for (const int margine : {kMargine, kMargineStretto}) {
            const int larghezzaLibera = m_zona.width() - 2 * margine - extraLargo;
            const int altezzaLibera = m_zona.height() - 2 * margine - extraAlto;
            const qreal punti = m_carattere.pointSizeF() > 0 ? m_carattere.pointSizeF() : 12.0;
            const qreal minimi = std::min<qreal>(punti, kPuntiMinimi);
            for (qreal p = punti; p >= minimi - 0.01; p -= 1.0) {
                QFont prova = m_carattere;
                prova.setPointSizeF(std::max(minimi, p));
                const QFontMetrics metrica(prova);
                if (larghezzaLibera < metrica.averageCharWidth() * 6)
                    continue;
                // Lines of the usual length; longer ones, up to the zone's
                // width, before the font gets smaller.
                int larghezza = larghezzaRighe(metrica, larghezzaLibera);
                QList<Riga> righe = righeDi(m_testo, prova, larghezza);
                if (std::min<int>(righe.size(), righeMassime) * metrica.lineSpacing() > altezzaLibera
                    && larghezza < larghezzaLibera) {
                    larghezza = larghezzaLibera;
                    righe = righeDi(m_testo, prova, larghezza);
                }
                const int servono = std::max(1, std::min<int>(righe.size(), righeMassime));
                const bool ultimo = p - 1.0 < minimi - 0.01;
                if (servono * metrica.lineSpacing() <= altezzaLibera
                    || (ultimo && altezzaLibera >= metrica.lineSpacing())) {
                    m_usato = prova;
                    m_margine = margine;
                    m_larghezzaRighe = larghezza;
                    m_tutte = righe;
                    m_perTurno = std::min(righeMassime, altezzaLibera / metrica.lineSpacing());
                    m_turni = righe.size() > m_perTurno;
                    sistemato = true;
                    break;
                }
            }
            if (sistemato)
                break;
        }
        if (!sistemato) {
            m_senzaPosto = true;
            m_tutte.clear();
            m_larghezzaRighe = 1;
        }
    }

    const QFontMetrics metrica(m_usato);
    int larghezza = m_larghezzaRighe;
    int righe = m_turni ? m_perTurno : kRigheFisse;
    if (m_contieneTutto) {
        // Narrowed to the longest line, so the balloon keeps its size from
        // one turn to the next; the text is wrapped at the same width when
        // shown, so it takes exactly the lines measured here.
        larghezza = std::min(metrica.averageCharWidth() * 6, m_larghezzaRighe);
        for (const Riga &riga : std::as_const(m_tutte))
            larghezza = std::max(larghezza, metrica.horizontalAdvance(riga.testo) + 1);
        larghezza = std::min(larghezza, m_larghezzaRighe);
        if (!m_turni)
            righe = std::max<int>(1, m_tutte.size());
    }
    m_area = QSize(std::max(1, larghezza), std::max(1, righe) * metrica.lineSpacing());
    resize(m_area.width() + 2 * m_margine + extraLargo, m_area.height() + 2 * m_margine + extraAlto);
}

void FumettoPersonaggio::scegliRighe()
{
    m_righe.clear();
    const QString detto = m_aPasso ? m_testo.left(m_caratteri) : m_testo;
    if (m_senzaPosto || detto.trimmed().isEmpty())
        return;
    const QString t = testoPerRighe(m_testo);
    // The turn that holds the last word said: the whole text in one turn
    // when it fits.
    int primo = 0;
    int ultimo = int(m_tutte.size());
    if (m_turni && m_perTurno > 0) {
        const int posizione = std::max(0, m_caratteri - 1);
        int riga = 0;
        while (riga + 1 < m_tutte.size() && m_tutte.at(riga + 1).inizio <= posizione)
            ++riga;
        primo = riga / m_perTurno * m_perTurno;
        ultimo = std::min<int>(primo + m_perTurno, m_tutte.size());
    }
    for (int i = primo; i < ultimo; ++i) {
        const Riga &riga = m_tutte.at(i);
        if (!m_aPasso) {
            m_righe.append(riga.testo);
            continue;
        }
        if (riga.inizio >= m_caratteri)
            break;
        const int fine = i + 1 < m_tutte.size() ? m_tutte.at(i + 1).inizio : int(t.size());
        QString parte = t.mid(riga.inizio, std::min(fine, m_caratteri) - riga.inizio);
        parte.remove(QChar::LineSeparator);
        m_righe.append(parte.trimmed());
    }
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
            colloca();
    }
    scegliRighe();
    setAccessibleDescription(testo);
    update();
}

void FumettoPersonaggio::impostaZona(const QRect &zona)
{
    if (zona == m_zona)
        return;
    m_zona = zona;
    dimensiona();
    scegliRighe();
    if (!m_personaggio.isNull())
        colloca();
    update();
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
    if (codaPer(personaggio) != m_coda) {
        // The tail moves to another side: the balloon's shape changes.
        dimensiona();
        scegliRighe();
    }
    colloca();
}

void FumettoPersonaggio::colloca()
{
    const QRect p = m_personaggio;
    const QRect d = disponibile(p);
    const auto entro = [](int valore, int minimo, int massimo) { return std::clamp(valore, minimo, std::max(minimo, massimo)); };
    const int xMax = d.right() - width() + 1;
    const int yMax = d.bottom() - height() + 1;
    // The tail points at the character's head, a quarter down its figure.
    const int testa = p.top() + p.height() / 4;
    int x = 0;
    int y = 0;
    switch (m_coda) {
    case Coda::Giu:
        x = entro(p.center().x() - width() / 2, d.left(), xMax);
        y = entro(std::min(p.top() - height(), yMax), d.top(), yMax);
        break;
    case Coda::Su:
        x = entro(p.center().x() - width() / 2, d.left(), xMax);
        y = entro(p.bottom() + 1, d.top(), yMax);
        break;
    case Coda::Sinistra:
        x = entro(p.right() + 1, d.left(), xMax);
        y = entro(testa - height() / 2, d.top(), yMax);
        break;
    case Coda::Destra:
        x = entro(std::min(p.left() - width(), xMax), d.left(), xMax);
        y = entro(testa - height() / 2, d.top(), yMax);
        break;
    }
    if (codaVerticale(m_coda))
        m_codaPos = entro(p.center().x() - x, kRaggio + kLarghezzaCoda, width() - kRaggio - kLarghezzaCoda);
    else
        m_codaPos = entro(testa - y, height() / 2 - std::max(0, height() / 2 - kRaggio - kLarghezzaCoda / 2),
                          height() / 2 + std::max(0, height() / 2 - kRaggio - kLarghezzaCoda / 2));
    move(x, y);
    aggiornaSagoma();
    update();
}

QRect FumettoPersonaggio::areaTesto() const
{
    return QRect(corpo().toRect().topLeft() + QPoint(m_margine, m_margine), m_area);
}

QRectF FumettoPersonaggio::corpo() const
{
    const QRectF r = QRectF(rect()).adjusted(1.5, 1.5, -1.5, -1.5);
    switch (m_coda) {
    case Coda::Giu:
        return r.adjusted(0, 0, 0, -kCoda);
    case Coda::Su:
        return r.adjusted(0, kCoda, 0, 0);
    case Coda::Sinistra:
        return r.adjusted(kCoda, 0, 0, 0);
    case Coda::Destra:
        return r.adjusted(0, 0, -kCoda, 0);
    }
    return r;
}

QPainterPath FumettoPersonaggio::sagoma() const
{
    const QRectF corpo = this->corpo();
    const qreal raggio = std::min<qreal>({kRaggio, corpo.height() / 2, corpo.width() / 2});
    QPainterPath sagoma;
    sagoma.addRoundedRect(corpo, raggio, raggio);
    QPainterPath coda;
    // A tail on a side is no wider than the body leaves between its corners.
    const qreal mezza = std::max<qreal>(3.0, std::min<qreal>(kLarghezzaCoda / 2.0, corpo.height() / 2 - raggio / 2));
    switch (m_coda) {
    case Coda::Giu:
        coda.moveTo(m_codaPos - kLarghezzaCoda, corpo.bottom() - 2);
        coda.lineTo(m_codaPos, height() - 1.5);
        coda.lineTo(m_codaPos - kLarghezzaCoda / 3.0, corpo.bottom() - 2);
        break;
    case Coda::Su:
        coda.moveTo(m_codaPos - kLarghezzaCoda / 2.0, corpo.top() + 2);
        coda.lineTo(m_codaPos, 1.5);
        coda.lineTo(m_codaPos + kLarghezzaCoda / 2.0, corpo.top() + 2);
        break;
    case Coda::Sinistra:
        coda.moveTo(corpo.left() + 2, m_codaPos - mezza);
        coda.lineTo(1.5, m_codaPos);
        coda.lineTo(corpo.left() + 2, m_codaPos + mezza);
        break;
    case Coda::Destra:
        coda.moveTo(corpo.right() - 2, m_codaPos - mezza);
        coda.lineTo(width() - 1.5, m_codaPos);
        coda.lineTo(corpo.right() - 2, m_codaPos + mezza);
        break;
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

    pittore.setFont(m_usato);
    pittore.setPen(Qt::black);
    const QFontMetrics metrica(m_usato);
    int y = int(corpo.top()) + m_margine - 1 + metrica.ascent();
    for (const QString &riga : std::as_const(m_righe)) {
        pittore.drawText(int(corpo.left()) + m_margine, y, riga);
        y += metrica.lineSpacing();
    }
}
