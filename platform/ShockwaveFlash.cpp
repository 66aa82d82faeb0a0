#include "platform/ShockwaveFlash.h"

#include "platform/Puntatore.h"

#include "core/Lingua.h"
#include "core/Percorsi.h"
#include "vocabulary/ElementiCasa.h"

#include <QCursor>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QSet>
#include <QSvgRenderer>

namespace {

const QString kVariabileOggetto = QStringLiteral("QualeOggetto");
const QString kVariabileColore = QStringLiteral("TestoColore.QualeColore");
constexpr int kProprietaVisibilita = 7;

// "RRGGBB", upper or lower case, with or without a leading '#'.
std::optional<QRgb> leggiColore(const QString &testo)
{
    QString cifre = testo.trimmed();
    if (cifre.startsWith(QLatin1Char('#')))
        cifre.remove(0, 1);
    if (cifre.size() != 6)
        return std::nullopt;
    bool ok = false;
    const uint valore = cifre.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    return qRgb(int((valore >> 16) & 0xFF), int((valore >> 8) & 0xFF), int(valore & 0xFF));
}

// One warning per file and problem, however many pictures load it.
void avvisaUnaVolta(const QString &chiave, const QString &testo)
{
    static QSet<QString> avvisati;
    if (avvisati.contains(chiave))
        return;
    avvisati.insert(chiave);
    qWarning("%s", qPrintable(testo));
}


} // namespace

ShockwaveFlash::ShockwaveFlash(QWidget *parent)
    : QWidget(parent)
{
    setAccessibleName(MLSGetText(QStringLiteral("0322")));
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
}

ShockwaveFlash::~ShockwaveFlash() = default;

void ShockwaveFlash::Movie(const QString &percorso)
{
    m_percorso = percorso;
    m_parti.reset();
    m_intero.reset();
    m_colori.clear();
    m_aloniInCache.clear();
        m_formeInCache.clear();
    m_oggetto.clear();
    m_fotogramma = 0;
    m_documento = percorso.isEmpty() ? nullptr : SvgPartiDocumento::carica(Percorsi::risolvi(percorso));
    m_visibili = VisibilitaGruppi();
    if (m_documento) {
        m_visibili.fumo = m_documento->visibileAllInizio(ElementiCasa::kFumo);
        m_visibili.nuvole = m_documento->visibileAllInizio(ElementiCasa::kNuvole);
        if (!m_documento->valido()) {
            avvisaUnaVolta(percorso + QStringLiteral("|illeggibile"),
                           QStringLiteral("House picture: cannot read %1").arg(percorso));
        } else if (!m_documento->eCasa()) {
            // Each picture plays its own animation from the moment it loads.
            m_intero = std::make_unique<QSvgRenderer>(m_documento->contenuto());
            connect(m_intero.get(), &QSvgRenderer::repaintNeeded, this, qOverload<>(&QWidget::update));
        } else if (!m_documento->mancanti().isEmpty()) {
            avvisaUnaVolta(percorso + QStringLiteral("|mancanti"),
                           QStringLiteral("House picture: %1 lacks %2")
                               .arg(percorso, m_documento->mancanti().join(QStringLiteral(", "))));
        }
    }
    aggiornaPuntatore();
    update();
}

void ShockwaveFlash::GotoFrame(int fotogramma)
{
    m_fotogramma = (fotogramma >= 0 && fotogramma <= 3) ? fotogramma : 0;
    aggiornaPuntatore();
}

void ShockwaveFlash::BGColor(const QString &rrggbb)
{
    const std::optional<QRgb> colore = leggiColore(rrggbb);
    if (!colore || QColor(*colore) == m_sfondo)
        return;
    m_sfondo = QColor(*colore);
    update();
}

void ShockwaveFlash::SetVariable(const QString &nome, const QString &valore)
{
    if (nome == kVariabileOggetto) {
        m_oggetto = valore.trimmed();
        return;
    }
    if (nome != kVariabileColore || !ElementiCasa::eColorabile(m_oggetto))
        return;
    const std::optional<QRgb> colore = leggiColore(valore);
    if (!colore)
        return;
    const auto trovato = m_colori.constFind(m_oggetto);
    if (trovato != m_colori.constEnd() && *trovato == *colore)
        return;
    m_colori.insert(m_oggetto, *colore);
    update();
}

void ShockwaveFlash::TSetProperty(const QString &oggetto, int proprieta, const QString &valore)
{
    if (proprieta != kProprietaVisibilita)
        return;
    QString nome = oggetto.trimmed();
    if (nome.startsWith(QLatin1Char('/')))
        nome.remove(0, 1);
    const QString testo = valore.trimmed();
    bool numero = false;
    const double quanto = testo.toDouble(&numero);
    bool mostra;
    if (numero)
        mostra = quanto != 0;
    else if (testo.compare(QLatin1String("true"), Qt::CaseInsensitive) == 0)
        mostra = true;
    else if (testo.compare(QLatin1String("false"), Qt::CaseInsensitive) == 0)
        mostra = false;
    else
        return;
    bool *bandiera = nome == ElementiCasa::nomeParte(ElementiCasa::kFumo)     ? &m_visibili.fumo
        : nome == ElementiCasa::nomeParte(ElementiCasa::kNuvole) ? &m_visibili.nuvole
                                                                 : nullptr;
    if (!bandiera || *bandiera == mostra)
        return;
    *bandiera = mostra;
    update();
}

bool ShockwaveFlash::caricato() const
{
    return m_documento && m_documento->valido();
}

bool ShockwaveFlash::eCasa() const
{
    return caricato() && m_documento->eCasa();
}

QStringList ShockwaveFlash::elementiMancanti() const
{
    return m_documento ? m_documento->mancanti() : QStringList();
}

std::optional<QColor> ShockwaveFlash::coloreElemento(const QString &id) const
{
    const auto trovato = m_colori.constFind(id);
    if (trovato == m_colori.constEnd())
        return std::nullopt;
    return QColor(*trovato);
}

bool ShockwaveFlash::gruppoVisibile(const QString &gruppo) const
{
    return m_visibili.mostra(ElementiCasa::numeroParte(gruppo));
}

QRect ShockwaveFlash::rettangoloDisegno() const
{
    if (!caricato())
        return rect();
    const QSizeF vista = m_documento->viewBox().size();
    if (vista.isEmpty())
        return rect();
    const double scala = qMin(width() / vista.width(), height() / vista.height());
    const QSize dimensione(qMax(1, qRound(vista.width() * scala)), qMax(1, qRound(vista.height() * scala)));
    return QRect(QPoint((width() - dimensione.width()) / 2, (height() - dimensione.height()) / 2), dimensione);
}

const SvgParti *ShockwaveFlash::partiAttuali()
{
    if (!eCasa())
        return nullptr;
    const qreal rapporto = devicePixelRatioF();
    const QSize dimensione = (QSizeF(rettangoloDisegno().size()) * rapporto).toSize();
    if (dimensione.isEmpty())
        return nullptr;
    if (!m_parti || m_parti->dimensione() != dimensione || m_parti->rapporto() != rapporto) {
        m_parti = SvgParti::per(m_documento, dimensione, rapporto);
        m_aloniInCache.clear();
        m_formeInCache.clear();
    }
    return m_parti.get();
}

QString ShockwaveFlash::comandoNelPunto(QPoint punto)
{
    if (!caricato() || m_fotogramma == 0)
        return QString();
    const QRect area = rettangoloDisegno();
    const SvgParti *parti = partiAttuali();
    if (!parti)
        return m_fotogramma == 1 && area.contains(punto) ? QStringLiteral("0") : QString();
    const qreal rapporto = parti->rapporto();
    const QPoint nelDisegno((QPointF(punto - area.topLeft()) * rapporto).toPoint());
    if (m_fotogramma == 1) {
        const QRect estensione = estensioneDisegno(*parti, m_visibili);
        return estensione.contains(nelDisegno) ? QStringLiteral("0") : QString();
    }
    const int parte = parteNelPunto(*parti, nelDisegno, m_visibili);
    return parte > 0 ? QString::number(parte) : QString();
}

QList<int> ShockwaveFlash::partiEvidenziate() const
{
    QList<int> parti;
    if (!eCasa())
        return parti;
    for (int parte = ElementiCasa::kPrimaParte; parte <= ElementiCasa::kUltimaParte; ++parte) {
        const auto colore = m_colori.constFind(ElementiCasa::idContorno(parte));
        if (colore != m_colori.constEnd() && (*colore & 0xFFFFFF) != 0 && m_visibili.mostra(parte))
            parti << parte;
    }
    return parti;
}

std::optional<QPoint> ShockwaveFlash::puntoSullaParte(int parte)
{
    const SvgParti *parti = partiAttuali();
    if (!parti)
        return std::nullopt;
    const std::optional<QPoint> punto = puntoDellaParte(*parti, parte, m_visibili);
    if (!punto)
        return std::nullopt;
    return rettangoloDisegno().topLeft() + (QPointF(*punto) / parti->rapporto()).toPoint();
}

QRect ShockwaveFlash::riquadroParte(int parte)
{
    const SvgParti *parti = partiAttuali();
    if (!parti)
        return {};
    const int interno = parti->documento().indiceStrato(ElementiCasa::idInterno(parte));
    if (interno < 0)
        return {};
    if (!m_visibili.mostra(parte))
        return {};
    // The fill with its dark outline.
    QRectF r(parti->strati()[interno].rettangolo());
    const int contorno = parti->documento().indiceStrato(ElementiCasa::idContorno(parte));
    if (contorno >= 0)
        r |= QRectF(parti->strati()[contorno].rettangolo());
    const qreal k = parti->rapporto();
    return QRectF(QPointF(rettangoloDisegno().topLeft()) + r.topLeft() / k, r.size() / k).toAlignedRect();
}

QImage ShockwaveFlash::formaParte(int parte)
{
    const QRect dove = riquadroParte(parte);
    if (dove.isEmpty())
        return {};
    const SvgParti *parti = partiAttuali();
    const auto inCache = m_formeInCache.constFind(parte);
    if (inCache != m_formeInCache.constEnd() && inCache->size() == dove.size())
        return *inCache;
    const qreal k = parti->rapporto();
    QImage forma(dove.size(), QImage::Format_ARGB32_Premultiplied);
    forma.fill(Qt::transparent);
    QPainter pittore(&forma);
    const QPointF origine(dove.topLeft() - rettangoloDisegno().topLeft());
    for (const QString &id : {ElementiCasa::idInterno(parte), ElementiCasa::idContorno(parte)}) {
        const int indice = parti->documento().indiceStrato(id);
        if (indice < 0)
            continue;
        const SvgParti::StratoDisegnato &strato = parti->strati()[indice];
        const QImage &immagine = strato.nero.isNull() ? strato.originale : strato.nero;
        pittore.drawImage(QRectF(QPointF(strato.posizione) / k - origine, QSizeF(strato.originale.size()) / k),
                          immagine);
    }
    pittore.end();
    m_formeInCache.insert(parte, forma);
    return forma;
}

QSize ShockwaveFlash::sizeHint() const
{
    return QSize(300, 375);
}

void ShockwaveFlash::paintEvent(QPaintEvent *)
{
    QPainter pittore(this);
    pittore.fillRect(rect(), m_sfondo);
    if (!m_documento)
        return;
    if (!caricato()) {
        disegnaCroce(pittore);
        return;
    }
    const QRect area = rettangoloDisegno();
    pittore.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    if (m_intero)
        m_intero->render(&pittore, area);
    else {
        // At a screen ratio of 1 the layers are drawn pixel for pixel, with
        // nothing to smooth; without the hint the raster engine blends them
        // straight in this thread, instead of handing every layer of every
        // repaint to the thread pool.
        if (devicePixelRatioF() == 1.0)
            pittore.setRenderHint(QPainter::SmoothPixmapTransform, false);
        disegnaCasa(pittore, area);
        disegnaAloni(pittore, area);
    }
    if (!m_documento->mancanti().isEmpty())
        disegnaCroce(pittore);
}

// The layers in drawing order; a painted element is mixed in its colour once
// per colour and size, for every picture of that size.
void ShockwaveFlash::disegnaCasa(QPainter &pittore, QRect area)
{
    const SvgParti *parti = partiAttuali();
    if (!parti)
        return;
    const QList<SvgPartiDocumento::Strato> &strati = m_documento->strati();
    for (int i = 0; i < strati.size(); ++i) {
        const SvgPartiDocumento::Strato &strato = strati[i];
        const SvgParti::StratoDisegnato &disegnato = parti->strati()[i];
        if (disegnato.originale.isNull() || !m_visibili.mostra(strato.gruppo))
            continue;
        const QPointF dove = QPointF(area.topLeft()) + QPointF(disegnato.posizione) / parti->rapporto();
        const auto colore = strato.colorabile() ? m_colori.constFind(strato.id) : m_colori.constEnd();
        if (colore == m_colori.constEnd()) {
            pittore.drawImage(dove, disegnato.originale);
            continue;
        }
        pittore.drawImage(dove, parti->stratoColorato(i, *colore));
    }
}

// The bands of the highlighted parts, over everything else.
void ShockwaveFlash::disegnaAloni(QPainter &pittore, QRect area)
{
    const QList<int> evidenziate = partiEvidenziate();
    if (evidenziate.isEmpty())
        return;
    const SvgParti *parti = partiAttuali();
    if (!parti)
        return;
    for (int parte : evidenziate) {
        const SvgParti::Alone &alone = parti->alone(parte);
        if (alone.banda.isNull())
            continue;
        const QRgb colore = m_colori.value(ElementiCasa::idContorno(parte));
        StratoColorato &inCache = m_aloniInCache[parte];
        if (inCache.immagine.isNull() || inCache.colore != colore) {
            inCache.colore = colore;
            inCache.immagine = coloraAlone(alone, parti->rapporto(), colore);
        }
        const QPointF dove = QPointF(area.topLeft()) + QPointF(alone.posizione) / parti->rapporto();
        pittore.drawImage(dove, inCache.immagine);
    }
}

// The mark of a picture that is missing or incomplete: a red cross over the
// whole widget, seen even on the smallest house.
void ShockwaveFlash::disegnaCroce(QPainter &pittore)
{
    const QRectF r = QRectF(rect()).adjusted(2, 2, -2, -2);
    pittore.setRenderHint(QPainter::Antialiasing);
    pittore.setPen(QPen(QColor(220, 0, 0), qMax(2.0, qMin(width(), height()) / 24.0), Qt::SolidLine, Qt::RoundCap));
    pittore.setBrush(Qt::NoBrush);
    pittore.drawLine(r.topLeft(), r.bottomRight());
    pittore.drawLine(r.topRight(), r.bottomLeft());
    pittore.drawRect(r);
}

void ShockwaveFlash::mousePressEvent(QMouseEvent *evento)
{
    if (evento->button() == Qt::LeftButton) {
        const QString comando = comandoNelPunto(evento->position().toPoint());
        if (!comando.isEmpty()) {
            evento->accept();
            // The receiver may load another picture or delete this one: nothing
            // of this object is touched after the signal.
            emit FSCommand(comando, QString());
            return;
        }
    }
    QWidget::mousePressEvent(evento);
}

void ShockwaveFlash::aggiornaPuntatore()
{
    if (m_fotogramma == 1 || m_fotogramma == 2)
        setCursor(cursoreProgramma());
    else
        setCursor(Qt::ArrowCursor);
}
