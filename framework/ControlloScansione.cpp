#include "framework/ControlloScansione.h"

#include "core/ColoriVB.h"
#include "core/Impostazioni.h"
#include "core/Modulo1.h"
#include "framework/TastiFiltrati.h"
#include "platform/VoceScansione.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBitmap>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPaintEvent>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

constexpr QRgb kLineaScura = qRgb(40, 40, 40);

// The frame around a shape: every pixel outside it within spessore pixels
// (a chamfer distance, close to the true one) in the highlight colour, with
// a one-pixel dark line along the shape and along the outer edge. The
// image is the shape's size plus spessore + 1 on every side.
QImage corniceDellaForma(const QImage &forma, int spessore, QColor colore)
{
    const int margine = spessore + 1;
    const int w = forma.width() + 2 * margine;
    const int h = forma.height() + 2 * margine;
    constexpr int kLontano = 1 << 28;
    // Distances in thirds of a pixel: 3 along a row or column, 4 across.
    std::vector<int> d(size_t(w) * size_t(h), kLontano);
    const QImage alfa = forma.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < alfa.height(); ++y) {
        const QRgb *riga = reinterpret_cast<const QRgb *>(alfa.constScanLine(y));
        for (int x = 0; x < alfa.width(); ++x) {
            if (qAlpha(riga[x]) >= 128)
                d[size_t(y + margine) * w + size_t(x + margine)] = 0;
        }
    }
    const auto at = [&](int x, int y) -> int & { return d[size_t(y) * w + size_t(x)]; };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            int &v = at(x, y);
            if (x > 0)
                v = std::min(v, at(x - 1, y) + 3);
            if (y > 0) {
                v = std::min(v, at(x, y - 1) + 3);
                if (x > 0)
                    v = std::min(v, at(x - 1, y - 1) + 4);
                if (x + 1 < w)
                    v = std::min(v, at(x + 1, y - 1) + 4);
            }
        }
    }
    for (int y = h - 1; y >= 0; --y) {
        for (int x = w - 1; x >= 0; --x) {
            int &v = at(x, y);
            if (x + 1 < w)
                v = std::min(v, at(x + 1, y) + 3);
            if (y + 1 < h) {
                v = std::min(v, at(x, y + 1) + 3);
                if (x + 1 < w)
                    v = std::min(v, at(x + 1, y + 1) + 4);
                if (x > 0)
                    v = std::min(v, at(x - 1, y + 1) + 4);
            }
        }
    }
    QImage cornice(w, h, QImage::Format_ARGB32_Premultiplied);
    cornice.fill(Qt::transparent);
    const QRgb pieno = colore.rgb();
    for (int y = 0; y < h; ++y) {
        QRgb *riga = reinterpret_cast<QRgb *>(cornice.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const int v = at(x, y);
            if (v == 0 || v > 3 * margine)
                continue;
            riga[x] = v <= 3 || v > 3 * spessore ? kLineaScura : pieno;
        }
    }
    return cornice;
}

} // namespace

// The bold highlight: a frame in the highlight colour around what is lit
// (its rectangle, or its own shape for a house part), with a thin dark line
// on both sides so that it shows on any background. It is a see-through
// child over the whole window that lets the mouse through and paints only
// the frame; a move repaints where the frame was and where it goes.
//
// It follows events, not a clock: the mechanism calls aggiorna() at every
// highlight change, and while it is shown (the mechanism running with a
// thickness) every repaint of the window passes through its paintEvent,
// which looks whether what is lit has moved, changed shape or colour since
// (controls laid out again, a picture resized, a control shown or hidden)
// and then updates the frame once the repaint is over.
class CorniceScansione : public QWidget
{
public:
    CorniceScansione(QWidget *finestra, std::function<bool()> attiva, std::function<QRect()> riquadro,
                     std::function<QImage()> forma, std::function<bool()> angoliRetti)
        : QWidget(finestra)
        , m_attiva(std::move(attiva))
        , m_riquadro(std::move(riquadro))
        , m_forma(std::move(forma))
        , m_angoliRetti(std::move(angoliRetti))
    {
        setObjectName(QStringLiteral("CorniceScansione"));
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setFocusPolicy(Qt::NoFocus);
        // It always covers the whole window: the rescaling of the controls
        // must leave it alone.
        setProperty("senzaPosizione", true);
        setGeometry(finestra->rect());
        finestra->installEventFilter(this);
        hide();
    }

    void impostaSpessore(int pixel)
    {
        if (pixel == m_spessore)
            return;
        m_spessore = pixel;
        m_dipinto = QRect();
        aggiorna();
    }

    // Follows the highlight: the frame goes where the lit position is now.
    void aggiorna()
    {
        m_verificaChiesta = false;
        if (geometry() != parentWidget()->rect()) {
            setGeometry(parentWidget()->rect());
            m_dipinto = QRect();
        }
        const Voluta v = voluta();
        if (uguale(v))
            return;
        // Where the frame was is painted again, the window showing through.
        if (isVisible())
            update(m_zona);
        m_dipinto = v.riquadro;
        m_raggio = v.raggio;
        m_formaDipinta = v.forma;
        m_colore = v.colore;
        if (!v.mostrata) {
            hide();
            m_zona = QRegion();
            m_cornice = QImage();
            return;
        }
        if (v.riquadro.isEmpty()) {
            // Nothing lit to go round: shown, so that it sees the window's
            // repaints, but it paints nothing.
            m_zona = QRegion();
            m_cornice = QImage();
        } else if (!v.forma.isNull()) {
            m_cornice = corniceDellaForma(v.forma, m_spessore, v.colore);
            m_origine = v.riquadro.topLeft() - QPoint(m_spessore + 1, m_spessore + 1);
            m_zona = QRegion(QBitmap::fromImage(m_cornice.createAlphaMask())).translated(m_origine);
        } else {
            m_cornice = QImage();
            // The rounded corners of the frame lie inside the rectangle.
            const int dentro = int(m_raggio) + 1;
            m_zona = QRegion(v.riquadro.adjusted(-m_spessore - 1, -m_spessore - 1, m_spessore + 1, m_spessore + 1))
                - QRegion(v.riquadro.adjusted(dentro, dentro, -dentro, -dentro));
        }
        raise();
        show();
        update(m_zona);
    }

    // Where the frame paints, in the window's coordinates; empty when hidden.
    QRegion zona() const { return isVisible() ? m_zona : QRegion(); }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (oggetto == parent() && evento->type() == QEvent::Resize) {
            setGeometry(parentWidget()->rect());
            m_dipinto = QRect();
            aggiorna();
        }
        return false;
    }

    void paintEvent(QPaintEvent *evento) override
    {
        // Something in the window was painted again: if what is lit moved
        // or changed, the frame follows once this repaint is over.
        if (!m_verificaChiesta && !uguale(voluta())) {
            m_verificaChiesta = true;
            QMetaObject::invokeMethod(this, [this] { aggiorna(); }, Qt::QueuedConnection);
        }
        if (m_dipinto.isEmpty() || !evento->region().intersects(m_zona))
            return;
        QPainter pittore(this);
        pittore.setClipRegion(evento->region() & m_zona);
        if (!m_cornice.isNull()) {
            pittore.drawImage(m_origine, m_cornice);
            return;
        }
        // Rounded as the program's buttons are, hugging their corners (or square).
        const qreal s = m_spessore;
        const qreal r = m_raggio;
        QPainterPath esterno;
        const qreal fuori = r > 0 ? r + s : 0;
        esterno.addRoundedRect(QRectF(m_dipinto).adjusted(-s + 0.5, -s + 0.5, s - 0.5, s - 0.5), fuori, fuori);
        QPainterPath interno;
        interno.addRoundedRect(QRectF(m_dipinto).adjusted(0.5, 0.5, -0.5, -0.5), r, r);
        pittore.setRenderHint(QPainter::Antialiasing);
        pittore.fillPath(esterno.subtracted(interno), m_colore);
        pittore.setPen(QPen(QColor(kLineaScura), 1.0));
        pittore.setBrush(Qt::NoBrush);
        pittore.drawPath(esterno);
        pittore.drawPath(interno);
    }

private:
    // What the frame should show now.
    struct Voluta
    {
        bool mostrata = false;
        QRect riquadro;
        QImage forma; // null for a rectangle
        QColor colore;
        qreal raggio = 0;
    };

    Voluta voluta() const
    {
        Voluta v;
        v.mostrata = m_spessore > 0 && m_attiva();
        if (!v.mostrata)
            return v;
        v.riquadro = m_riquadro();
        if (v.riquadro.isEmpty())
            return v;
        v.forma = m_forma();
        if (v.forma.size() != v.riquadro.size())
            v.forma = QImage();
        v.colore = coloreVB(Stato().imp.ColorePulsanteSelezionato);
        v.raggio = m_angoliRetti() ? 0.0 : std::min(v.riquadro.width(), v.riquadro.height()) / 6.0;
        return v;
    }

    bool uguale(const Voluta &v) const
    {
        // The same shape is mostly the same image; another image with the
        // same pixels is the same shape too.
        const bool stessaForma = v.forma.cacheKey() == m_formaDipinta.cacheKey() || v.forma == m_formaDipinta;
        return v.mostrata == !isHidden() && v.riquadro == m_dipinto && stessaForma && v.colore == m_colore
            && v.raggio == m_raggio;
    }

    std::function<bool()> m_attiva;
    std::function<QRect()> m_riquadro;
    std::function<QImage()> m_forma;
    std::function<bool()> m_angoliRetti;
    int m_spessore = 0;
    qreal m_raggio = 0; // of the corners, as the program's buttons have them
    QRect m_dipinto;
    QImage m_formaDipinta; // the shape the frame follows, null for a rectangle
    QColor m_colore;
    QImage m_cornice; // the frame of a shape, drawn at m_origine
    QPoint m_origine;
    QRegion m_zona;
    // A repaint found the frame behind what is lit: aggiorna() is on its way.
    bool m_verificaChiesta = false;
};

int codiceTasto(int tastoQt)
{
    switch (tastoQt) {
    case Qt::Key_Space: return TastoSpazio;
    case Qt::Key_Return:
    case Qt::Key_Enter: return TastoInvio;
    case Qt::Key_Left: return TastoSinistra;
    case Qt::Key_Up: return TastoSu;
    case Qt::Key_Right: return TastoDestra;
    case Qt::Key_Down: return TastoGiu;
    default: return 0;
    }
}

QString nomeControllo(const QWidget *controllo)
{
    if (!controllo)
        return {};
    if (const auto *pulsante = qobject_cast<const QAbstractButton *>(controllo)) {
        QString testo = pulsante->text();
        testo.replace(QLatin1String("&&"), QLatin1String("\x01"));
        testo.remove(QLatin1Char('&'));
        testo.replace(QLatin1String("\x01"), QLatin1String("&"));
        if (!testo.trimmed().isEmpty())
            return testo.simplified();
    }
    // A picture button says what its tool tip says, in the user's language;
    // its accessible name is the program's own fixed Italian description.
    if (!controllo->toolTip().trimmed().isEmpty())
        return controllo->toolTip().simplified();
    return controllo->accessibleName().simplified();
}

QRect riquadroControllo(const QWidget *controllo, const QWidget *finestra)
{
    if (!controllo || !finestra || !controllo->isVisible())
        return {};
    return QRect(controllo->mapTo(finestra, QPoint(0, 0)), controllo->size());
}

namespace {

QWidget *creaRicevitore(QWidget *finestra, const QString &nome)
{
    // A tiny control in the window's corner, painted as the background, that
    // takes the keys of the switches and the keyboard.
    auto *r = new QWidget(finestra);
    r->setObjectName(nome);
    r->setFocusPolicy(Qt::StrongFocus);
    r->setGeometry(0, 0, 1, 1);
    r->setAccessibleName(nome == QLatin1String("PictureScansioneAutomatica")
                             ? QStringLiteral("Ricevitore del sensore (scansione automatica)")
                             : QStringLiteral("Ricevitore dei sensori e della tastiera"));
    r->hide();
    return r;
}

} // namespace

ControlloScansione::ControlloScansione(QWidget *finestra)
    : QObject(finestra)
    , m_finestra(finestra)
{
    // The steps of automatic scanning; no other mode has a clock.
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(intervalloTimer(4));
    connect(m_timer, &QTimer::timeout, this, &ControlloScansione::Timer1_Timer);
    m_voceDifferita = new QTimer(this);
    m_voceDifferita->setSingleShot(true);
    m_voceDifferita->setInterval(kRitardoNome);
    connect(m_voceDifferita, &QTimer::timeout, this, &ControlloScansione::diNome);
    m_automatica = creaRicevitore(finestra, QStringLiteral("PictureScansioneAutomatica"));
    m_manuale = creaRicevitore(finestra, QStringLiteral("PictureScansioneManuale"));
    // Each stroke of a key or switch reaches the mode once, however long it
    // is held, and only when it passes the user's acceptance and debounce
    // times.
    m_tasti = new TastiFiltrati(
        [this](int tastoQt, bool rilasciato) {
            const int codice = codiceTasto(tastoQt);
            if (codice != 0)
                tasto(codice, rilasciato);
        },
        this);
    connect(m_tasti, &TastiFiltrati::pressioneIgnorata, this, &ControlloScansione::pressioneIgnorata);
    m_automatica->installEventFilter(this);
    m_manuale->installEventFilter(this);
    m_cornice = new CorniceScansione(
        finestra, [this] { return attivo(); }, [this] { return riquadroCornice(); },
        [this] { return formaCornice(); },
        [this] { return m_acceso >= 0 && m_anello.angoliRetti && m_anello.angoliRetti(m_acceso); });
    // The keys go back to the catcher whenever they went elsewhere in the
    // window, or the window comes back to the front.
    connect(qApp, &QApplication::focusChanged, this, &ControlloScansione::chiediFuoco);
    finestra->installEventFilter(this);
}

void ControlloScansione::impostaOpzioni(const OpzioniAccesso &opzioni)
{
    m_opzioni = opzioni;
    m_opzioniProprie = true;
    applicaOpzioni();
}

void ControlloScansione::applicaOpzioni()
{
    if (!m_opzioniProprie)
        m_opzioni = Stato().accesso;
    m_tasti->imposta(m_opzioni.accettazioneMs, m_opzioni.antirimbalzoMs);
    m_ritmo.imposta(m_opzioni.sostaPrimaPosizione, m_opzioni.limiteGiri);
    m_fermaPerGiri = false;
    m_ripresaInCorso = false;
    m_cornice->impostaSpessore(m_opzioni.spessoreEvidenziazione);
    if (!m_opzioni.scansioneParlata)
        voceScansione().taci();
}

int ControlloScansione::pressioniIgnorate() const
{
    return m_tasti->ignorate();
}

void ControlloScansione::azzeraPressioniIgnorate()
{
    m_tasti->azzeraIgnorate();
}

QRect ControlloScansione::riquadroCornice() const
{
    if (!attivo() || m_acceso < 0 || !m_anello.riquadro)
        return {};
    return m_anello.riquadro(m_acceso);
}

QRegion ControlloScansione::zonaCornice() const
{
    return m_cornice->zona();
}

QImage ControlloScansione::formaCornice() const
{
    if (!attivo() || m_acceso < 0 || !m_anello.forma)
        return {};
    return m_anello.forma(m_acceso);
}

void ControlloScansione::segna(int p, bool acceso, bool spostamento)
{
    if (m_anello.evidenzia)
        m_anello.evidenzia(p, acceso);
    if (acceso)
        m_acceso = p;
    else if (m_acceso == p)
        m_acceso = -1;
    // Within a move the frame goes straight to the new position.
    if (!spostamento)
        m_cornice->aggiorna();
    if (!acceso || !attivo() || !m_opzioni.scansioneParlata || !m_anello.nome)
        return;
    // The name is said a frame later: the highlight reaches the screen
    // first, and of quick steps only the last name is said.
    m_nomeDaDire = m_anello.nome(p).trimmed();
    m_voceDifferita->start();
}

void ControlloScansione::diNome()
{
    const QString nome = std::exchange(m_nomeDaDire, QString());
    // A name never talks over the sentence the child is listening to.
    if (nome.isEmpty() || !attivo() || (m_fraseInCorso && m_fraseInCorso()))
        return;
    voceScansione().di(nome, Stato().IdLinguaAgente.toInt());
}

void ControlloScansione::avvia(int modoInput, int velocitaScansione, Anello anello, int posizioneIniziale,
                               bool evidenziaSubito)
{
    m_modo = modoInput;
    m_anello = std::move(anello);
    m_anello.posizioni.impostaPosizione(posizioneIniziale);
    if (!attivo()) {
        ferma();
        return;
    }
    applicaOpzioni();
    m_acceso = -1;
    m_primaPosizione = posizioneIniziale;
    m_sospeso = false;
    m_automatica->setVisible(m_modo == IngressoScansioneAutomatica);
    m_manuale->setVisible(m_modo != IngressoScansioneAutomatica);
    if (automatica()) {
        m_timer->setInterval(intervalloTimer(velocitaScansione));
        m_timer->start();
    } else {
        m_timer->stop();
    }
    if (evidenziaSubito)
        segna(posizioneIniziale, true);
    ricevitore()->setFocus(Qt::OtherFocusReason);
}

void ControlloScansione::ferma()
{
    m_modo = 0;
    m_sospeso = false;
    m_voceDifferita->stop();
    m_acceso = -1;
    m_cornice->aggiorna();
    m_timer->stop();
    m_automatica->hide();
    m_manuale->hide();
}

bool ControlloScansione::automatica() const
{
    return m_modo == IngressoScansioneAutomatica;
}

QWidget *ControlloScansione::ricevitore() const
{
    return m_modo == IngressoScansioneAutomatica ? m_automatica : m_manuale;
}

void ControlloScansione::impostaSfondo(const QColor &colore)
{
    for (QWidget *r : {m_automatica, m_manuale}) {
        QPalette tavolozza = r->palette();
        tavolozza.setColor(QPalette::Window, colore);
        r->setPalette(tavolozza);
        r->setAutoFillBackground(true);
    }
}

void ControlloScansione::vaiA(int p)
{
    segna(m_anello.posizioni.Posizione(), false, true);
    m_anello.posizioni.impostaPosizione(p);
    segna(p, true);
    emit evidenziazioneSpostata(p);
}

void ControlloScansione::ricomincia(int p)
{
    vaiA(p);
    m_primaPosizione = p;
    m_ritmo.riparti();
    m_fermaPerGiri = false;
    m_ripresaInCorso = false;
    if (automatica() && !m_sospeso)
        m_timer->start();
}

void ControlloScansione::avanti()
{
    if (m_anello.posizioni.aRiposo())
        return;
    const int prima = m_anello.posizioni.Posizione();
    if (!m_anello.posizioni.avanti())
        return;
    segna(prima, false, true);
    segna(m_anello.posizioni.Posizione(), true);
    emit evidenziazioneSpostata(m_anello.posizioni.Posizione());
}

void ControlloScansione::indietro()
{
    if (m_anello.soloAvanti) {
        avanti();
        return;
    }
    if (m_anello.posizioni.aRiposo())
        return;
    const int prima = m_anello.posizioni.Posizione();
    if (!m_anello.posizioni.indietro())
        return;
    segna(prima, false, true);
    segna(m_anello.posizioni.Posizione(), true);
    emit evidenziazioneSpostata(m_anello.posizioni.Posizione());
}

void ControlloScansione::spostaVerticale(int verso)
{
    if (!m_anello.verticale || m_anello.posizioni.aRiposo())
        return;
    const int prima = m_anello.posizioni.Posizione();
    const int dopo = m_anello.verticale(prima, verso);
    if (dopo == prima)
        return;
    vaiA(dopo);
}

void ControlloScansione::seleziona()
{
    if (m_anello.seleziona)
        m_anello.seleziona(m_anello.posizioni.Posizione());
}

void ControlloScansione::sospendi()
{
    m_sospeso = true;
    m_timer->stop();
}

void ControlloScansione::riprendi()
{
    m_sospeso = false;
    if (!attivo())
        return;
    ricevitore()->setFocus(Qt::OtherFocusReason);
    if (automatica() && !m_fermaPerGiri)
        m_timer->start();
}

void ControlloScansione::chiediFuoco()
{
    // Served once the focus change that called is over: a window that stops
    // the mechanism when its catcher loses the keys has done so by then.
    if (m_fuocoChiesto || !attivo() || m_sospeso)
        return;
    m_fuocoChiesto = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_fuocoChiesto = false;
            tieniFuoco();
        },
        Qt::QueuedConnection);
}

void ControlloScansione::tieniFuoco()
{
    if (!attivo() || m_sospeso || !m_finestra || !m_finestra->isActiveWindow())
        return;
    // An open menu keeps the keys until it closes; the focus comes back then.
    if (QApplication::activePopupWidget())
        return;
    QWidget *r = ricevitore();
    if (!r->hasFocus())
        r->setFocus(Qt::OtherFocusReason);
}

void ControlloScansione::Timer1_Timer()
{
    if (!attivo())
        return;
    tieniFuoco();
    m_cornice->aggiorna();
    if (!automatica() || m_fermaPerGiri || !m_ritmo.puoAvanzare())
        return;
    const int prima = m_anello.posizioni.Posizione();
    avanti();
    const int dopo = m_anello.posizioni.Posizione();
    if (dopo == prima)
        return; // at rest, or nowhere else to go
    // Coming round past the end is a full turn: the highlight is back on
    // the first position of the ring.
    if (dopo < prima)
        m_primaPosizione = dopo;
    if (m_ritmo.avanzato(dopo < prima)) {
        // Stopped for its turns: no clock runs until the next press.
        m_fermaPerGiri = true;
        m_timer->stop();
    }
}

void ControlloScansione::tasto(int codice, bool rilasciato)
{
    if (m_modo == IngressoTastiera && rilasciato && m_anello.verticale
        && (codice == TastoGiu || codice == TastoSu)) {
        spostaVerticale(codice == TastoGiu ? +1 : -1);
        return;
    }
    const AzioneTasto azione = azionePerTasto(m_modo, codice, rilasciato);
    if (automatica() && azione == AzioneTasto::FermaTimer) {
        m_ritmo.pressione(m_anello.posizioni.Posizione() == m_primaPosizione);
        if (m_fermaPerGiri) {
            // Scanning had stopped by itself: this press only wakes it.
            m_ripresaInCorso = true;
            return;
        }
    }
    if (automatica() && azione == AzioneTasto::RiprendiESeleziona && (m_fermaPerGiri || m_ripresaInCorso)) {
        m_fermaPerGiri = false;
        m_ripresaInCorso = false;
        m_ritmo.riparti();
        segna(m_anello.posizioni.Posizione(), true);
        if (!m_sospeso)
            m_timer->start();
        return;
    }
    switch (azione) {
    case AzioneTasto::Avanti:
        avanti();
        break;
    case AzioneTasto::Indietro:
        indietro();
        break;
    case AzioneTasto::Seleziona:
        seleziona();
        break;
    case AzioneTasto::FermaTimer:
        m_timer->stop();
        break;
    case AzioneTasto::RiprendiESeleziona:
        if (!m_sospeso)
            m_timer->start();
        seleziona();
        break;
    case AzioneTasto::Nessuna:
        break;
    }
}

bool ControlloScansione::eventFilter(QObject *oggetto, QEvent *evento)
{
    if ((oggetto == m_automatica || oggetto == m_manuale)
        && (evento->type() == QEvent::KeyPress || evento->type() == QEvent::KeyRelease)) {
        if (oggetto == ricevitore())
            m_tasti->evento(*static_cast<QKeyEvent *>(evento));
        return true;
    }
    if ((oggetto == m_automatica || oggetto == m_manuale) && evento->type() == QEvent::FocusOut)
        m_tasti->dimentica();
    if (oggetto == m_finestra && evento->type() == QEvent::WindowActivate)
        chiediFuoco();
    return QObject::eventFilter(oggetto, evento);
}
