#include "framework/FinestraEsercizio.h"


#include "core/Caratteri.h"
#include "core/ColoriVB.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "core/StoriaProgressi.h"
#include "core/TraduciFinestra.h"
#include "framework/CorniceScansione.h"
#include "framework/Navigazione.h"
#include "framework/Personaggio.h"
#include "framework/Pulsante.h"
#include "layout/PosizioneTwips.h"
#include "layout/clsResize.h"
#include "platform/Agente.h"
#include "platform/AgenteFumetto.h"
#include "platform/Puntatore.h"
#include "printing/AccessoStampante.h"

#include <QAction>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QStatusBar>
#include <QSvgRenderer>
#include <QTimer>

namespace {

constexpr int kAltezzaBarraTwips = 500;

QPixmap iconaPannello(const QString &file, int lato)
{
    QPixmap immagine(lato, lato);
    immagine.fill(Qt::transparent);
    QSvgRenderer disegno(Percorsi::programma(file));
    if (disegno.isValid()) {
        QPainter p(&immagine);
        p.setRenderHint(QPainter::Antialiasing);
        disegno.render(&p, QRectF(0, 0, lato, lato));
    }
    return immagine;
}

void impostaSfondo(QWidget *w, const QColor &colore)
{
    QPalette tavolozza = w->palette();
    tavolozza.setColor(QPalette::Window, colore);
    w->setPalette(tavolozza);
    w->setAutoFillBackground(true);
}

// Reports the moves, resizes, shows and hides of the controls it watches.
class OsservatoreControlli : public QObject
{
public:
    OsservatoreControlli(QObject *parent, std::function<void()> cambiato)
        : QObject(parent)
        , m_cambiato(std::move(cambiato))
    {
    }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        switch (evento->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
            m_cambiato();
            break;
        default:
            break;
        }
        return QObject::eventFilter(oggetto, evento);
    }

private:
    std::function<void()> m_cambiato;
};

// A control the scanning makes for itself, not one the child plays with.
bool controlloDellaScansione(const QWidget *w)
{
    return dynamic_cast<const CorniceScansione *>(w) || w->objectName() == QLatin1String("PictureScansioneAutomatica")
        || w->objectName() == QLatin1String("PictureScansioneManuale");
}

} // namespace

FinestraEsercizio::FinestraEsercizio(const Progetto &progetto, QWidget *parent)
    : QMainWindow(parent)
    , m_progetto(progetto)
    , m_livelli(Stato(), progetto.livelli)
{
    setObjectName(progetto.nome);
    setWindowTitle(progetto.titolo);

    m_area = new QWidget(this);
    m_area->setObjectName(QStringLiteral("areaControlli"));
    m_area->setMouseTracking(true);
    m_area->installEventFilter(this);
    impostaSfondo(m_area, progetto.sfondo);
    setCentralWidget(m_area);

    m_label1 = new QLabel(m_area);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setWordWrap(true);
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setMargin(8);
    m_label1->setAccessibleName(MLSGetText(QStringLiteral("0323")));
    m_label1->setMouseTracking(true);
    m_label1->installEventFilter(this);

    m_picMerlino = new QWidget(m_area);
    m_picMerlino->setObjectName(QStringLiteral("PicMerlino"));
    m_picMerlino->hide();

    m_scansione = new ControlloScansione(m_area);
    m_scansione->impostaFraseInCorso([this] { return m_personaggio && m_personaggio->Speaking(); });
    connect(m_scansione, &ControlloScansione::pressioneIgnorata, this, [this] {
        m_livelli.pressioneIgnorata();
        aggiornaPannello(4);
    });
    connect(m_scansione, &ControlloScansione::pressioneAccettata, this, [this] { m_livelli.pressioneAccettata(); });
    m_livelli.impostaStoria([this](const SegmentoStoria &s) { registraInStoria(s); });

    creaMenu();
    creaBarraDiStato();
    dimensionaInternoTwips(this, progetto.larghezzaTwips, progetto.altezzaTwips);
}

FinestraEsercizio::~FinestraEsercizio() = default;

void FinestraEsercizio::creaMenu()
{
    m_mnuLivelli = menuBar()->addMenu(m_progetto.menuLivelli);
    m_mnuLivelli->setObjectName(QStringLiteral("mnuLivelli"));
    for (int i = 1; i <= m_progetto.livelli.numeroLivelli; ++i) {
        QAction *voce = m_mnuLivelli->addAction(QString::number(i));
        voce->setObjectName(QStringLiteral("mnuLiv"));
        voce->setProperty("index", i);
        voce->setCheckable(true);
        voce->setChecked(i == 1);
        voce->setShortcut(QKeySequence(Qt::Key_F1 + (i - 1)));
        connect(voce, &QAction::triggered, this, [this, i] { mnuLiv_Click(i); });
        m_mnuLiv << voce;
    }

    QMenu *stampa = menuBar()->addMenu(QStringLiteral("&Stampa"));
    stampa->setObjectName(QStringLiteral("mnuSt"));
    QAction *veloce = stampa->addAction(QStringLiteral("veloce"));
    veloce->setObjectName(QStringLiteral("mnuStEserc"));
    veloce->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    connect(veloce, &QAction::triggered, this, &FinestraEsercizio::stampaVeloce);

    QMenu *opzioni = stampa->addMenu(QStringLiteral("con opzioni"));
    opzioni->setObjectName(QStringLiteral("mnuStPg"));
    QAction *orizzontale = opzioni->addAction(QStringLiteral("foglio orizzontale"));
    orizzontale->setObjectName(QStringLiteral("mnuStOr"));
    orizzontale->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    QAction *verticale = opzioni->addAction(QStringLiteral("foglio verticale"));
    verticale->setObjectName(QStringLiteral("mnuStVer"));
    verticale->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_V));
    QAction *figura = stampa->addAction(QStringLiteral("figura da colorare"));
    figura->setObjectName(m_progetto.voceFigura);
    figura->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_P));

    // The print window and the picture for colouring open modally; when they
    // close, the exercise goes on where it was: same level, counts and item.
    const bool conStampa = bool(apriStampaConOpzioni());
    opzioni->menuAction()->setEnabled(conStampa);
    connect(orizzontale, &QAction::triggered, this, [this] {
        if (apriStampaConOpzioni())
            apriStampaConOpzioni()(this, 2);
    });
    connect(verticale, &QAction::triggered, this, [this] {
        if (apriStampaConOpzioni())
            apriStampaConOpzioni()(this, 1);
    });
    figura->setEnabled(bool(apriFiguraDaColorare()));
    connect(figura, &QAction::triggered, this, [this] {
        if (apriFiguraDaColorare())
            apriFiguraDaColorare()(this);
    });

    m_mnuEsci = menuBar()->addAction(QStringLiteral("&Esci"));
    m_mnuEsci->setObjectName(QStringLiteral("mnuEsci"));
    connect(m_mnuEsci, &QAction::triggered, this, &FinestraEsercizio::mnuEsci_Click);
}

void FinestraEsercizio::creaBarraDiStato()
{
    m_statusBar = new QStatusBar(this);
    m_statusBar->setObjectName(QStringLiteral("StatusBar1"));
    m_statusBar->setSizeGripEnabled(false);
    setStatusBar(m_statusBar);
    const int altezza = qRound(kAltezzaBarraTwips / 15.0);
    m_statusBar->setFixedHeight(altezza);
    QFont carattere = m_statusBar->font();
    carattere.setPointSize(13);
    carattere.setBold(true);

    const QStringList testi = {QStringLiteral("Esatti"), QStringLiteral("Errati"), QStringLiteral("Livello")};
    const QStringList icone = {QStringLiteral("immagini/pollicesu.svg"), QStringLiteral("immagini/pollicegiu.svg"),
                               QString()};
    for (int i = 0; i < 3; ++i) {
        auto *pannello = new QWidget(m_statusBar);
        auto *disposizione = new QHBoxLayout(pannello);
        disposizione->setContentsMargins(8, 0, 8, 0);
        if (!icone.at(i).isEmpty()) {
            auto *icona = new QLabel(pannello);
            icona->setPixmap(iconaPannello(icone.at(i), altezza - 6));
            disposizione->addWidget(icona);
        }
        auto *testo = new QLabel(testi.at(i), pannello);
        testo->setFont(carattere);
        disposizione->addWidget(testo, 1);
        m_statusBar->addWidget(pannello, 1);
        m_pannelli << testo;
    }

    // The presses the acceptance and debounce times kept from acting, for
    // the teacher: a quieter, narrower panel at the right end, kept apart
    // from the answers. Shown only while those times can ignore a press.
    QFont piccolo = m_statusBar->font();
    piccolo.setPointSize(11);
    auto *ignorate = new QLabel(QStringLiteral("Ignorate"), m_statusBar);
    ignorate->setObjectName(QStringLiteral("pannelloIgnorate"));
    ignorate->setAccessibleName(MLSGetText(QStringLiteral("0324")));
    ignorate->setFont(piccolo);
    ignorate->setContentsMargins(8, 0, 12, 0);
    ignorate->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QPalette tavolozza = ignorate->palette();
    tavolozza.setColor(QPalette::WindowText, QColor(0x55, 0x55, 0x55));
    ignorate->setPalette(tavolozza);
    ignorate->hide();
    m_statusBar->addPermanentWidget(ignorate, 0);
    m_pannelli << ignorate;
}

Pulsante *FinestraEsercizio::Command1(int indice) const
{
    return (indice >= 0 && indice < m_pulsanti.size()) ? m_pulsanti.at(indice) : nullptr;
}

QString FinestraEsercizio::testoPannello(int pannello) const
{
    return (pannello >= 1 && pannello <= m_pannelli.size()) ? m_pannelli.at(pannello - 1)->text() : QString();
}

bool FinestraEsercizio::pannelloIgnorateVisibile() const
{
    return !m_pannelli.at(3)->isHidden();
}

QAction *FinestraEsercizio::mnuLiv(int livello) const
{
    return (livello >= 1 && livello <= m_mnuLiv.size()) ? m_mnuLiv.at(livello - 1) : nullptr;
}

Pulsante *FinestraEsercizio::aggiungiPulsante(int indice, int left, int top, int width, int height,
                                              const QString &didascalia, const QString &immagineSvg)
{
    auto *pulsante = new Pulsante(m_area);
    pulsante->setObjectName(QStringLiteral("Command1"));
    pulsante->setProperty("index", indice);
    pulsante->setText(didascalia);
    pulsante->setAccessibleName(didascalia.isEmpty() ? MLSGetText(QStringLiteral("0325")) : didascalia);
    if (!immagineSvg.isEmpty())
        pulsante->setImmagine(Percorsi::programma(immagineSvg));
    posizionaTwips(pulsante, left, top, width, height);
    pulsante->installEventFilter(this);
    connect(pulsante, &QPushButton::clicked, this, [this, indice] {
        // Clicks count only in mouse mode.
        if (!m_scansione->attivo())
            Command1_Click(indice);
    });
    while (m_pulsanti.size() <= indice)
        m_pulsanti << nullptr;
    m_pulsanti[indice] = pulsante;
    return pulsante;
}

void FinestraEsercizio::Form_Load()
{
    MLSTranslateForm(this);
    setAccessibleName(windowTitle());
    m_ridimensiona = new clsResize(this);
    m_ridimensiona->setSourceForm(this);
    m_ridimensiona->SizeFormToScreen(75);
    m_personaggio = CaricaPersonaggio();
    // The character's place follows the controls wherever they go: a new
    // size, a level that moves the houses, a panel shown or hidden.
    auto *osservatore = new OsservatoreControlli(this, [this] { richiediCollocazione(); });
    const QList<QWidget *> controlli = m_area->findChildren<QWidget *>();
    for (QWidget *w : controlli) {
        if (w != m_picMerlino && !controlloDellaScansione(w))
            w->installEventFilter(osservatore);
    }
    m_caricata = true;
}

void FinestraEsercizio::showEvent(QShowEvent *evento)
{
    QMainWindow::showEvent(evento);
    if (!m_primaApertura)
        return;
    m_primaApertura = false;
    // The opening set-up resizes the window: run it once the show is done.
    QTimer::singleShot(0, this, &FinestraEsercizio::Form_Activate);
}

QColor FinestraEsercizio::colorePulsanti() const
{
    return coloreVB(Stato().imp.ColorePulsanti);
}

QColor FinestraEsercizio::colorePulsanteSelezionato() const
{
    return coloreVB(Stato().imp.ColorePulsanteSelezionato);
}

void FinestraEsercizio::evidenziaPulsante(int indice, bool evidenziato)
{
    if (Pulsante *p = Command1(indice)) {
        p->setColoreSfondo(evidenziato ? colorePulsanteSelezionato() : colorePulsanti());
        p->setEvidenziato(evidenziato);
    }
}

void FinestraEsercizio::spegniPulsanti()
{
    const QColor normale = colorePulsanti();
    for (Pulsante *p : std::as_const(m_pulsanti)) {
        if (p && p->coloreSfondo() != normale) {
            p->setColoreSfondo(normale);
            p->setEvidenziato(false);
        }
    }
}

void FinestraEsercizio::applicaImpostazioni()
{
    const Impostazioni &imp = Stato().imp;
    const QCursor puntatorePulsanti = imp.CursoreDiSistema ? QCursor(Qt::ArrowCursor) : cursoreProgramma();
    for (Pulsante *p : std::as_const(m_pulsanti)) {
        if (p)
            p->setCursor(puntatorePulsanti);
    }
    const QColor sfondo = imp.ColoriVari ? m_progetto.sfondo : coloreVB(imp.ColoreSfondo);
    impostaSfondo(m_area, sfondo);
    m_scansione->impostaSfondo(sfondo);

    QPalette tavolozza = m_label1->palette();
    tavolozza.setColor(QPalette::Window, coloreVB(imp.ColoreSfondoTesto));
    tavolozza.setColor(QPalette::WindowText, coloreVB(imp.ColoreTesto));
    m_label1->setPalette(tavolozza);
    m_label1->setAutoFillBackground(true);
    m_label1->setFont(fontTesto(imp.FontTesto, imp.DimensioneFontTesto));

    const QColor testo = coloreVB(imp.ColoreTesto);
    for (Pulsante *p : std::as_const(m_pulsanti)) {
        if (!p)
            continue;
        p->setColoreSfondo(colorePulsanti());
        p->setEvidenziato(false);
        p->setColoreTesto(testo);
        p->setFont(fontTesto(imp.FontTesto, qMax(14, imp.DimensioneFontTesto - 4), QFont::Bold));
    }
}

void FinestraEsercizio::Form_Activate()
{
    if (!m_caricata)
        return;
    const Impostazioni &imp = Stato().imp;
    mostraASchermoIntero(this);
    m_ridimensiona->ResizeControls();
    if (m_personaggio) {
        ImpostaMerlino(*m_personaggio);
        if (imp.VoceAttiva)
            mostraPersonaggio();
    }
    trattamentoPulsantiVoce(imp.VoceAttiva);
    m_picMerlino->hide();
    applicaImpostazioni();
    m_livelli.apertura();
    m_mnuLivelli->menuAction()->setVisible(!imp.PassaggioLivelli);
    impostaInput();
    // Ignored presses are possible only with an acceptance or a debounce time
    // and a mode that reads keys; without them the panel would always say 0.
    const OpzioniAccesso &accesso = m_scansione->opzioni();
    m_pannelli[3]->setVisible(m_scansione->attivo() && (accesso.accettazioneMs > 0 || accesso.antirimbalzoMs > 0));
    aggiornaPannello(3);
    aggiornaPannello(1);
    aggiornaPannello(2);
    aggiornaPannello(4);
    m_statusBar->setFixedHeight(qRound(kAltezzaBarraTwips / 15.0));
    aperturaEsercizio();
}

void FinestraEsercizio::impostaInput()
{
    const Impostazioni &imp = Stato().imp;
    if (imp.ModoInput >= IngressoScansioneManuale && imp.ModoInput <= IngressoTastiera) {
        for (Pulsante *p : std::as_const(m_pulsanti)) {
            if (p)
                p->setCursor(Qt::ArrowCursor);
        }
        m_scansione->avvia(imp.ModoInput, imp.VelocitaScansione, anelloScansione(), 0, true);
    } else {
        m_scansione->ferma();
    }
}

ControlloScansione::Anello FinestraEsercizio::anelloScansione()
{
    ControlloScansione::Anello anello;
    const int n = m_pulsanti.size();
    anello.posizioni = ::Anello(
        n, [this](int p) { return Command1(p) && Command1(p)->isEnabled(); }, n - 1);
    anello.evidenzia = [this](int p, bool acceso) { evidenziaPulsante(p, acceso); };
    anello.seleziona = [this](int p) { selezionaPulsante(p); };
    anello.nome = [this](int p) { return nomeControllo(Command1(p)); };
    anello.riquadro = [this](int p) { return riquadroControllo(Command1(p), m_area); };
    return anello;
}

void FinestraEsercizio::aggiornaPannello(int pannello)
{
    const StatoProgramma &s = Stato();
    switch (pannello) {
    case 1:
        m_pannelli[0]->setText(s.IntestazioneEsatti + QString::number(static_cast<qint64>(s.RisposteEsatte)));
        break;
    case 2:
        m_pannelli[1]->setText(s.IntestazioneErrati + QString::number(s.RisposteErrate));
        break;
    case 3:
        m_pannelli[2]->setText(s.IntestazioneLivello + QString::number(m_livelli.Livello()));
        break;
    case 4:
        m_pannelli[3]->setText(s.IntestazioneIgnorate + QString::number(s.PressioniIgnorate));
        break;
    default:
        break;
    }
}

void FinestraEsercizio::contaRispostaGiusta()
{
    m_livelli.rispostaGiusta();
    aggiornaPannello(1);
}

void FinestraEsercizio::contaRispostaSbagliata()
{
    m_livelli.rispostaSbagliata();
    aggiornaPannello(2);
}

void FinestraEsercizio::GeneraEsercizio()
{
    if (Stato().imp.PassaggioLivelli) {
        m_livelli.CambiaLivello();
        aggiornaPannello(1);
        aggiornaPannello(2);
        aggiornaPannello(3);
        aggiornaPannello(4);
    }
    generaItem();
}

void FinestraEsercizio::mnuLiv_Click(int livello)
{
    if (livello < 1 || livello > m_progetto.livelli.numeroLivelli)
        return;
    m_livelli.sceltaDalMenu(livello);
    aggiornaPannello(1);
    aggiornaPannello(2);
    aggiornaPannello(4);
    for (QAction *voce : std::as_const(m_mnuLiv))
        voce->setChecked(voce->property("index").toInt() == livello);
    // The new item starts the scan over, as a select of the next-item button
    // does: the highlight may be resting there from the item before.
    if (m_scansione->attivo())
        m_scansione->ricomincia(0);
    GeneraEsercizio();
    aggiornaPannello(3);
}

void FinestraEsercizio::mnuEsci_Click()
{
    m_livelli.uscita();
    m_uscitaDaMenu = true;
    apriMenu();
    close();
}

void FinestraEsercizio::registraInStoria(SegmentoStoria segmento)
{
    StatoProgramma &stato = Stato();
    // Only what the teacher asked to keep track of is kept.
    if (!stato.imp.TracciaAttivita)
        return;
    if (!m_storia) {
        m_storia = std::make_unique<StoriaProgressi>(percorsoStoria(stato.UtenteCorrente));
        // Never a message in front of a child: a history moved aside is
        // said to the teacher in the next window she opens.
        if (m_storia->apri() == StoriaProgressi::Esito::MessaDaParte)
            stato.StorieMesseDaParte.append({stato.UtenteCorrente, m_storia->messaDaParte()});
    }
    segmento.esercizio = m_progetto.nome;
    segmento.modoInput = stato.imp.ModoInput;
    segmento.accettazioneMs = m_scansione->opzioni().accettazioneMs;
    segmento.antirimbalzoMs = m_scansione->opzioni().antirimbalzoMs;
    m_storia->aggiungi(segmento);
}

void FinestraEsercizio::leggi(const QString &testo)
{
    if (m_personaggio)
        LeggiTesto(*m_personaggio, testo);
}

void FinestraEsercizio::Form_Unload()
{
    m_scansione->ferma();
    if (m_personaggio) {
        m_personaggio->StopAll();
        m_personaggio.reset();
    }
}

void FinestraEsercizio::closeEvent(QCloseEvent *evento)
{
    // Closed by the window manager rather than by "Esci": no level segment
    // is completed, but the menu comes back, so the program is never left
    // running with no window and the settings are still saved at its end.
    if (!m_uscitaDaMenu) {
        m_uscitaDaMenu = true;
        m_livelli.abbandono();
        apriMenu();
    }
    Form_Unload();
    QMainWindow::closeEvent(evento);
}

bool FinestraEsercizio::eventFilter(QObject *oggetto, QEvent *evento)
{
    // Mouse highlight, in mouse mode only: the button under the pointer takes
    // the selected colour, the background and the sentence put them all back.
    // A disabled button takes no mouse events of its own: the pointer over it
    // is over the background, so the next-item button is never lit while an
    // item is open.
    const QEvent::Type tipo = evento->type();
    if (oggetto == m_area && tipo == QEvent::Resize) {
        // Once the controls have been rescaled for the new size.
        richiediCollocazione();
    }
    if (m_scansione && !m_scansione->attivo() && (tipo == QEvent::Enter || tipo == QEvent::MouseMove)) {
        auto *pulsante = qobject_cast<Pulsante *>(oggetto);
        if (pulsante && pulsante->isEnabled()) {
            const QColor selezionato = colorePulsanteSelezionato();
            if (pulsante->coloreSfondo() != selezionato) {
                const QColor normale = colorePulsanti();
                for (Pulsante *p : std::as_const(m_pulsanti)) {
                    if (p && p != pulsante && p->coloreSfondo() != normale) {
                        p->setColoreSfondo(normale);
                        p->setEvidenziato(false);
                    }
                }
                pulsante->setColoreSfondo(selezionato);
                pulsante->setEvidenziato(true);
            }
        } else if (pulsante || oggetto == m_area || oggetto == m_label1) {
            spegniPulsanti();
        }
    }
    // A button the pointer lit and that an answer or a new item disables
    // goes dark at once, even while the pointer rests still on it.
    if (m_scansione && !m_scansione->attivo() && tipo == QEvent::EnabledChange) {
        auto *pulsante = qobject_cast<Pulsante *>(oggetto);
        if (pulsante && !pulsante->isEnabled() && m_pulsanti.contains(pulsante)
            && (pulsante->evidenziato() || pulsante->coloreSfondo() != colorePulsanti())) {
            pulsante->setColoreSfondo(colorePulsanti());
            pulsante->setEvidenziato(false);
        }
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

QList<QWidget *> FinestraEsercizio::areaDiGioco() const
{
    QList<QWidget *> controlli;
    const std::function<void(const QWidget *)> raccogli = [&](const QWidget *contenitore) {
        const QList<QWidget *> figli = contenitore->findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
        for (QWidget *w : figli) {
            if (w->isHidden() || w == m_picMerlino || controlloDellaScansione(w) || w->width() < 4
                || w->height() < 4)
                continue;
            // A bare QWidget only holds controls (a strip of pictures and
            // buttons): the gaps between them are free.
            const bool contenitoreNudo = w->metaObject() == &QWidget::staticMetaObject;
            if (contenitoreNudo && !w->findChildren<QWidget *>(Qt::FindDirectChildrenOnly).isEmpty())
                raccogli(w);
            else
                controlli.append(w);
        }
    };
    raccogli(m_area);
    return controlli;
}

int FinestraEsercizio::spazioAttorno(const QWidget *controllo) const
{
    Q_UNUSED(controllo);
    return 4 + (m_scansione ? std::max(0, m_scansione->opzioni().spessoreEvidenziazione) : 0);
}

PostoPersonaggio FinestraEsercizio::postoPersonaggio() const
{
    RichiestaPosto r;
    // The window down to the status bar, the menu bar's empty stretch
    // included: where a layout leaves no room beside the play area, the
    // character may still stand there.
    const int fondo = m_statusBar && !m_statusBar->isHidden() ? m_statusBar->geometry().top() : height();
    r.dentro = QRect(0, 0, width(), std::max(0, fondo));
    for (const QWidget *w : areaDiGioco()) {
        const QRect g(w->mapTo(this, QPoint(0, 0)), w->size());
        const int margine = spazioAttorno(w);
        r.ostacoli.append(g.adjusted(-margine, -margine, margine, margine));
    }
    if (QMenuBar *barra = menuBar()) {
        const QList<QAction *> voci = barra->actions();
        for (QAction *voce : voci) {
            if (voce->isVisible())
                r.ostacoli.append(QRect(barra->mapTo(this, barra->actionGeometry(voce).topLeft()),
                                        barra->actionGeometry(voce).size())
                                      .adjusted(-4, -4, 4, 4));
        }
    }
    r.preferita = postoDelMarcatore(*m_picMerlino);
    if (m_personaggio)
        r.proporzioni = QSize(m_personaggio->OriginalWidth(), m_personaggio->OriginalHeight());
    r.altezzaMinima = 24;

    // The balloon's smallest form shows one line of a few words in the
    // smallest font, tight margins round it; at ease it holds four lines
    // of two dozen letters in its own font.
    const Impostazioni &imp = Stato().imp;
    const qreal scala = scalaFumetto(*this);
    QFont carattere(imp.FontFumetto);
    carattere.setPointSizeF(std::max(1.0, imp.DimensioneFontFumetto * scala));
    QFont piccolo(imp.FontFumetto);
    piccolo.setPointSizeF(std::min<qreal>(carattere.pointSizeF(), FumettoPersonaggio::kPuntiMinimi));
    const QFontMetrics normale(carattere);
    const QFontMetrics minima(piccolo);
    r.coda = 18;
    r.fumettoMinimo = QSize(minima.averageCharWidth() * 10 + 2 * 4 + 3, minima.lineSpacing() + 2 * 4 + 3);
    r.fumettoComodo = QSize(normale.averageCharWidth() * 24 + 2 * 12 + 3, normale.lineSpacing() * 4 + 2 * 12 + 3);
    r.distacco = 4;
    return scegliPostoPersonaggio(r);
}

void FinestraEsercizio::collocaPersonaggio()
{
    if (!m_personaggio)
        return;
    const PostoPersonaggio posto = postoPersonaggio();
    PosizionaPersonaggioIn(*m_personaggio, *this, posto.figura, posto.fumetto);
}

void FinestraEsercizio::mostraPersonaggio()
{
    if (!m_personaggio)
        return;
    m_personaggio->Show();
    collocaPersonaggio();
}

// Placing waits until the controls have all moved (a rescale moves each in
// turn), and runs once for them all.
void FinestraEsercizio::richiediCollocazione()
{
    if (m_collocazioneInAttesa)
        return;
    m_collocazioneInAttesa = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_collocazioneInAttesa = false;
            if (m_personaggio && m_personaggio->Visible())
                collocaPersonaggio();
        },
        Qt::QueuedConnection);
}

void FinestraEsercizio::stampaVeloce()
{
    // The window as it is now, as large as the default printer's sheet allows.
    if (const std::optional<QImage> immagine = Legge_Form(this))
        ::stampaVeloce(this, stampabileDaImmagine(objectName(), *immagine), windowTitle());
}
