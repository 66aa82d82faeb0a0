#include "framework/ControlloScansione.h"

#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "framework/CorniceScansione.h"
#include "framework/TastiFiltrati.h"
#include "platform/Pannello.h"
#include "platform/VoceScansione.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

#include <utility>

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
                             ? MLSGetText(QStringLiteral("0326"))
                             : MLSGetText(QStringLiteral("0327")));
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
            if (codice == 0)
                return;
            if (!rilasciato)
                emit pressioneAccettata();
            tasto(codice, rilasciato);
        },
        this);
    connect(m_tasti, &TastiFiltrati::pressioneIgnorata, this, &ControlloScansione::pressioneIgnorata);
    m_automatica->installEventFilter(this);
    m_manuale->installEventFilter(this);
    m_cornice = new CorniceScansione(
        finestra, [this] { return attivo(); },
        [this] { return illuminataDaSe() ? QRect() : riquadroCornice(); },
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

bool ControlloScansione::illuminataDaSe() const
{
    return attivo() && m_acceso >= 0 && m_anello.illuminaDaSe && m_anello.illuminaDaSe(m_acceso);
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
    // A panel over the window has the keys until it closes.
    if (copertoDaPannello(m_finestra))
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
    // Under a panel the highlight waits where it is.
    if (!attivo() || copertoDaPannello(m_finestra))
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

void ControlloScansione::tastoProprio(int tastoQt, bool rilasciato)
{
    const int codice = codiceTasto(tastoQt);
    if (attivo() && codice != 0)
        tasto(codice, rilasciato);
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
