#include "framework/ControlloScansione.h"

#include "core/Impostazioni.h"
#include "framework/TastiTenuti.h"

#include <QKeyEvent>
#include <QTimer>
#include <QWidget>

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
    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setInterval(100);
    connect(m_timer, &QTimer::timeout, this, &ControlloScansione::Timer1_Timer);
    m_automatica = creaRicevitore(finestra, QStringLiteral("PictureScansioneAutomatica"));
    m_manuale = creaRicevitore(finestra, QStringLiteral("PictureScansioneManuale"));
    // Each stroke of a key or switch reaches the mode once, however long it
    // is held.
    m_tasti = new TastiTenuti(
        [this](int tastoQt, bool rilasciato) {
            const int codice = codiceTasto(tastoQt);
            if (codice != 0)
                tasto(codice, rilasciato);
        },
        this);
    m_automatica->installEventFilter(this);
    m_manuale->installEventFilter(this);
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
    m_automatica->setVisible(m_modo == IngressoScansioneAutomatica);
    m_manuale->setVisible(m_modo != IngressoScansioneAutomatica);
    m_timer->setInterval(intervalloTimer(m_modo, velocitaScansione));
    m_timer->start();
    if (evidenziaSubito && m_anello.evidenzia)
        m_anello.evidenzia(posizioneIniziale, true);
    ricevitore()->setFocus(Qt::OtherFocusReason);
}

void ControlloScansione::ferma()
{
    m_modo = 0;
    m_timer->stop();
    m_automatica->hide();
    m_manuale->hide();
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
    if (m_anello.evidenzia)
        m_anello.evidenzia(m_anello.posizioni.Posizione(), false);
    m_anello.posizioni.impostaPosizione(p);
    if (m_anello.evidenzia)
        m_anello.evidenzia(p, true);
    emit evidenziazioneSpostata(p);
}

void ControlloScansione::ricomincia(int p)
{
    vaiA(p);
    if (attivo())
        m_timer->start();
}

void ControlloScansione::avanti()
{
    if (m_anello.posizioni.aRiposo())
        return;
    const int prima = m_anello.posizioni.Posizione();
    if (!m_anello.posizioni.avanti())
        return;
    if (m_anello.evidenzia) {
        m_anello.evidenzia(prima, false);
        m_anello.evidenzia(m_anello.posizioni.Posizione(), true);
    }
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
    if (m_anello.evidenzia) {
        m_anello.evidenzia(prima, false);
        m_anello.evidenzia(m_anello.posizioni.Posizione(), true);
    }
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

void ControlloScansione::Timer1_Timer()
{
    if (!attivo())
        return;
    // The keys must always reach the catcher of the mode.
    QWidget *r = ricevitore();
    if (m_finestra && m_finestra->isActiveWindow() && !r->hasFocus())
        r->setFocus(Qt::OtherFocusReason);
    if (m_modo == IngressoScansioneAutomatica)
        avanti();
}

void ControlloScansione::tasto(int codice, bool rilasciato)
{
    if (m_modo == IngressoTastiera && rilasciato && m_anello.verticale
        && (codice == TastoGiu || codice == TastoSu)) {
        spostaVerticale(codice == TastoGiu ? +1 : -1);
        return;
    }
    switch (azionePerTasto(m_modo, codice, rilasciato)) {
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
    return QObject::eventFilter(oggetto, evento);
}
