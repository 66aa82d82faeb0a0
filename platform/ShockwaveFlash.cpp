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

// Rows of a layer blended in one call.
constexpr int kRigheStriscia = 16;

// Draws the part of a layer, placed at dove (pixel for pixel), that lies
// under the area being repainted, a few rows at a time. The raster engine
// hands a blend of many rows under a clip, and any blend of an indexed
// image, to the thread pool: in automatic scanning every step would wake the
// pool for every layer under the two bands it repaints. An indexed layer is
// drawn through views of just those rows and columns (the same bytes, the
// same table), so only what is repainted is turned into full colour. The
// pixels are the same as drawing the whole layer under the clip.
void disegnaStrato(QPainter &pittore, QPoint dove, const QImage &immagine, QRect daRidisegnare)
{
    const QRect dentro = QRect(dove, immagine.size()).intersected(daRidisegnare);
    if (dentro.isEmpty())
        return;
    const QRect sorgente = dentro.translated(-dove);
    const bool indicizzata = immagine.format() == QImage::Format_Indexed8;
    const QList<QRgb> tabella = indicizzata ? immagine.colorTable() : QList<QRgb>();
    for (int riga = 0; riga < sorgente.height(); riga += kRigheStriscia) {
        const QRect striscia(sorgente.x(), sorgente.y() + riga, sorgente.width(),
                             std::min(kRigheStriscia, sorgente.height() - riga));
        const QPoint dovePezzo = dentro.topLeft() + QPoint(0, riga);
        if (!indicizzata) {
            pittore.drawImage(dovePezzo, immagine, striscia);
            continue;
        }
        QImage vista(immagine.constBits() + qsizetype(striscia.y()) * immagine.bytesPerLine() + striscia.x(),
                     striscia.width(), striscia.height(), immagine.bytesPerLine(), QImage::Format_Indexed8);
        vista.setColorTable(tabella);
        pittore.drawImage(dovePezzo, vista);
    }
}

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
    m_stratiInUso.clear(); // before the set whose masks they may show
    m_parti.reset();
    m_intero.reset();
    m_colori.clear();
    m_aloniInCache.clear();
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
    const bool alone = (trovato != m_colori.constEnd() && (*trovato & 0xFFFFFF) != 0) || (*colore & 0xFFFFFF) != 0;
    m_colori.insert(m_oggetto, *colore);
    update(areaElemento(m_oggetto, alone));
}

// What a new colour of an element repaints: its layer and, for an outline
// that shows or showed a band, the band; the whole picture while its layers
// are not made for its present size.
QRect ShockwaveFlash::areaElemento(const QString &id, bool conAlone)
{
    if (!isVisible() || !m_parti || !eCasa())
        return rect();
    const SvgParti *parti = partiAttuali();
    const int indice = parti ? parti->documento().indiceStrato(id) : -1;
    if (indice < 0)
        return rect();
    QRectF area(parti->strati()[indice].rettangolo());
    if (conAlone && ElementiCasa::eContorno(id)) {
        const int interno = parti->documento().indiceStrato(ElementiCasa::idInterno(ElementiCasa::parteDiElemento(id)));
        if (interno >= 0)
            area |= QRectF(parti->strati()[interno].rettangolo());
    }
    const qreal k = parti->rapporto();
    return QRectF(QPointF(rettangoloDisegno().topLeft()) + area.topLeft() / k, area.size() / k)
        .toAlignedRect()
        .adjusted(-1, -1, 1, 1);
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
        m_stratiInUso.clear(); // before the set whose masks they may show
        m_parti = SvgParti::per(m_documento, dimensione, rapporto, this);
        m_aloniInCache.clear();
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

// Read from the layers the picture was last painted with, scaled to its
// present size (a resize is followed by a paint at the new size, which
// makes them again). Asking makes nothing: nothing is rendered, kept or
// dropped for a question.
QRect ShockwaveFlash::riquadroParte(int parte) const
{
    const SvgParti *parti = m_parti.get();
    if (!parti || !eCasa() || !m_visibili.mostra(parte))
        return {};
    const int interno = parti->documento().indiceStrato(ElementiCasa::idInterno(parte));
    if (interno < 0)
        return {};
    // The fill with its dark outline.
    QRectF r(parti->strati()[interno].rettangolo());
    const int contorno = parti->documento().indiceStrato(ElementiCasa::idContorno(parte));
    if (contorno >= 0)
        r |= QRectF(parti->strati()[contorno].rettangolo());
    const QRect disegno = rettangoloDisegno();
    const qreal kx = disegno.width() / qreal(parti->dimensione().width());
    const qreal ky = disegno.height() / qreal(parti->dimensione().height());
    return QRectF(disegno.left() + r.left() * kx, disegno.top() + r.top() * ky, r.width() * kx, r.height() * ky)
        .toAlignedRect();
}

void ShockwaveFlash::impostaLarghezzaAlone(int pixel)
{
    pixel = std::max(0, pixel);
    if (pixel == m_larghezzaAlone)
        return;
    m_larghezzaAlone = pixel;
    if (!partiEvidenziate().isEmpty())
        update();
}

QSize ShockwaveFlash::sizeHint() const
{
    return QSize(300, 375);
}

void ShockwaveFlash::paintEvent(QPaintEvent *evento)
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
        disegnaCasa(pittore, area, evento->rect());
    }
    if (!m_documento->mancanti().isEmpty())
        disegnaCroce(pittore);
}

// The layers in drawing order; a painted element is mixed in its colour once
// per colour and size, for every picture of that size. The band of a lit
// part is drawn right over its fill, so its own outline and everything
// drawn after it (the other parts, the artwork over it) cover the band as
// they cover the fill: lighting a part changes none of their pixels.
void ShockwaveFlash::disegnaCasa(QPainter &pittore, QRect area, QRect daRidisegnare)
{
    const SvgParti *parti = partiAttuali();
    if (!parti)
        return;
    const QList<int> evidenziate = partiEvidenziate();
    // A band is kept only while its part is lit.
    for (auto it = m_aloniInCache.begin(); it != m_aloniInCache.end();)
        it = evidenziate.contains(it.key()) ? std::next(it) : m_aloniInCache.erase(it);
    const QList<SvgPartiDocumento::Strato> &strati = m_documento->strati();
    for (int i = 0; i < strati.size(); ++i) {
        const SvgPartiDocumento::Strato &strato = strati[i];
        const SvgParti::StratoDisegnato &disegnato = parti->strati()[i];
        if (disegnato.forma.isNull() || !m_visibili.mostra(strato.gruppo))
            continue;
        const auto dipinto = strato.colorabile() ? m_colori.constFind(strato.id) : m_colori.constEnd();
        std::optional<QRgb> colore = dipinto == m_colori.constEnd() ? std::nullopt : std::optional<QRgb>(*dipinto);
        const bool contorno = strato.colorabile() && ElementiCasa::eContorno(strato.id);
        // A lit part keeps its dark outline: the highlight is the band.
        if (contorno && evidenziate.contains(strato.parte))
            colore.reset();
        // Made when the colour changes, not at every paint; a mixed image is
        // shared by every picture of the set that holds it.
        StratoColorato &inUso = m_stratiInUso[i];
        if (inUso.immagine.isNull() || inUso.colore != colore) {
            inUso.colore = colore;
            inUso.immagine = parti->immagine(i, colore);
        }
        disegnaImmagine(pittore, area, disegnato.posizione, inUso.immagine, daRidisegnare);
        if (strato.colorabile() && !contorno && evidenziate.contains(strato.parte))
            disegnaAlone(pittore, area, strato.parte, colore, daRidisegnare);
    }
}

void ShockwaveFlash::disegnaImmagine(QPainter &pittore, QRect area, QPoint posizione, const QImage &immagine,
                                     QRect daRidisegnare) const
{
    const qreal rapporto = m_parti->rapporto();
    const QPointF dove = QPointF(area.topLeft()) + QPointF(posizione) / rapporto;
    if (rapporto == 1.0)
        disegnaStrato(pittore, dove.toPoint(), immagine, daRidisegnare);
    else
        pittore.drawImage(dove, immagine);
}

// The band of a lit part over its fill, in the outline's colour. On a fill
// of about that colour the band is striped with white, or with dark on a
// light colour, so the lit part is never one flat patch.
void ShockwaveFlash::disegnaAlone(QPainter &pittore, QRect area, int parte, std::optional<QRgb> coloreFondo,
                                  QRect daRidisegnare)
{
    const SvgParti *parti = m_parti.get();
    const QRgb colore = m_colori.value(ElementiCasa::idContorno(parte)) | 0xFF000000u;
    if (!coloreFondo) {
        const int interno = parti->documento().indiceStrato(ElementiCasa::idInterno(parte));
        const SvgParti::StratoDisegnato &fondo = parti->strati()[interno];
        if (fondo.originale.isNull())
            coloreFondo = fondo.coloreProprio;
    }
    const auto vicino = [colore](QRgb altro) {
        return std::max({qAbs(qRed(altro) - qRed(colore)), qAbs(qGreen(altro) - qGreen(colore)),
                         qAbs(qBlue(altro) - qBlue(colore))}) < 80;
    };
    std::optional<QRgb> contrasto;
    if (coloreFondo && vicino(*coloreFondo))
        contrasto = qGray(colore) > 150 ? qRgb(40, 40, 40) : qRgb(255, 255, 255);
    // As broad as the outline at least, broader when the frame asks for it.
    const int larghezza = std::max(qRound(parti->alone(parte).tratto / 3.0),
                                   qRound(m_larghezzaAlone * parti->rapporto()));
    AloneColorato &inCache = m_aloniInCache[parte];
    if (inCache.immagine.isNull() || inCache.colore != colore || inCache.larghezza != larghezza
        || inCache.contrasto != contrasto) {
        inCache.colore = colore;
        inCache.larghezza = larghezza;
        inCache.contrasto = contrasto;
        inCache.immagine = coloraAlone(*parti, parte, colore, larghezza, contrasto);
    }
    if (!inCache.immagine.isNull())
        disegnaImmagine(pittore, area, parti->alone(parte).posizione, inCache.immagine, daRidisegnare);
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
