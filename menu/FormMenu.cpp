#include "menu/FormMenu.h"

#include "core/Caratteri.h"
#include "core/ColoriVB.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "core/TraduciFinestra.h"
#include "framework/Pulsante.h"
#include "layout/PosizioneTwips.h"
#include "layout/ScalaLayout.h"
#include "layout/clsResize.h"
#include "menu/FineProgramma.h"
#include "menu/FinestreMenu.h"
#include "menu/FormInfo.h"
#include "menu/Immagine.h"
#include "menu/LogicaMenu.h"
#include "menu/ModuloNavigate.h"
#include "menu/PulsanteMenu.h"
#include "menu/VistaDocumento.h"
#include "platform/Puntatore.h"
#include "users/RegistroAttivita.h"
#include "users/Utenti.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QSignalBlocker>
#include <QTimer>

namespace {

// Inner design size, in twips.
constexpr int kLarghezzaTwips = 7140;
constexpr int kAltezzaTwips = 5400;

// Design background C0E0FF (00BBGGRR): a warm peach.
const QColor kSfondoProgetto(0xFF, 0xE0, 0xC0);

// Buttons: 1020 x 735 twips, two columns of four and "esci" at the bottom
// right. Each picture sits to the left of its button.
constexpr int kLarghezzaPulsante = 1020;
constexpr int kAltezzaPulsante = 735;
constexpr int kDistanzaImmagine = 1080;
constexpr int kLarghezzaImmagine = 1020;
struct Posto
{
    int left;
    int top;
};
constexpr std::array<Posto, kPulsantiMenu> kPosti = {{
    {1200, 360}, {1200, 1680}, {1200, 3000}, {1200, 4320},
    {3600, 360}, {3600, 1680}, {3600, 3000}, {3600, 4320},
    {5880, 4320},
}};

const std::array<const char *, kPulsantiMenu> kDidascalieProgetto = {
    "Vero o falso", "Uguale - diverso", "Uguali - 1°", "Uguali - 2°", "Colora la pinnola",
    "Insiemi", "Trova gli intrusi", "Indovina chi?", "esci",
};

void impostaSfondo(QWidget *w, const QColor &colore)
{
    QPalette tavolozza = w->palette();
    tavolozza.setColor(QPalette::Window, colore);
    w->setPalette(tavolozza);
    w->setAutoFillBackground(true);
}

// The index of a menu button or picture, -1 for other controls.
int indiceControllo(const QObject *oggetto)
{
    const QString nome = oggetto->objectName();
    if (nome != QLatin1String("Command1") && nome != QLatin1String("Image1"))
        return -1;
    bool ok = false;
    const int indice = oggetto->property("index").toInt(&ok);
    return ok ? indice : -1;
}

QString suUnaRiga(const QString &didascalia)
{
    return didascalia.simplified();
}

} // namespace

FormMenu::FormMenu(QWidget *parent)
    : QMainWindow(parent)
    , m_sfondo(kSfondoProgetto)
{
    setObjectName(QStringLiteral("FormMenu"));
    setWindowTitle(QStringLiteral("Pinnole"));

    m_area = new QWidget(this);
    m_area->setObjectName(QStringLiteral("areaControlli"));
    m_area->setMouseTracking(true);
    m_area->installEventFilter(this);
    impostaSfondo(m_area, m_sfondo);
    setCentralWidget(m_area);

    creaControlli();
    creaMenu();
    dimensionaInternoTwips(this, kLarghezzaTwips, kAltezzaTwips);
    Form_Load();
}

FormMenu::~FormMenu() = default;

FormMenu *FormMenu::apri()
{
    auto *menu = new FormMenu;
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->show();
    return menu;
}

void FormMenu::creaControlli()
{
    const QCursor manina(Qt::PointingHandCursor);
    for (int i = 0; i < kPulsantiMenu; ++i) {
        const QString didascalia = QString::fromUtf8(kDidascalieProgetto[i]);
        auto *immagine = new Immagine(m_area);
        immagine->setObjectName(QStringLiteral("Image1"));
        immagine->setProperty("index", i);
        immagine->setFile(Percorsi::programma(QStringLiteral("immagini/menu/%1.svg").arg(i)));
        immagine->installEventFilter(this);
        posizionaTwips(immagine, kPosti[i].left - kDistanzaImmagine, kPosti[i].top, kLarghezzaImmagine,
                       kAltezzaPulsante);
        connect(immagine, &Immagine::clicked, this, [this, i] {
            if (!m_scansione->attivo())
                AvviaEsercizi(i);
        });
        m_image1[i] = immagine;

        auto *pulsante = new PulsanteMenu(m_area);
        pulsante->setObjectName(QStringLiteral("Command1"));
        pulsante->setProperty("index", i);
        pulsante->setText(didascalia);
        pulsante->setFont(fontTesto(QStringLiteral("Arial"), 14, QFont::Bold));
        pulsante->installEventFilter(this);
        posizionaTwips(pulsante, kPosti[i].left, kPosti[i].top, kLarghezzaPulsante, kAltezzaPulsante);
        connect(pulsante, &QPushButton::clicked, this, [this, i] {
            // Clicks count only in mouse mode.
            if (!m_scansione->attivo())
                AvviaEsercizi(i);
        });
        m_command1[i] = pulsante;
    }

    m_combo1 = new QComboBox(m_area);
    m_combo1->setObjectName(QStringLiteral("Combo1"));
    m_combo1->setToolTip(QStringLiteral("Scegli il giocatore"));
    posizionaTwips(m_combo1, 4800, 360, 2100, 330);
    m_combo1->hide();
    connect(m_combo1, &QComboBox::activated, this, &FormMenu::Combo1_Click);

    m_labelDimensionaFont = new QLabel(QStringLiteral("dimensiona font "), m_area);
    m_labelDimensionaFont->setObjectName(QStringLiteral("LabelDimensionaFont"));
    m_labelDimensionaFont->setFont(QFont(QStringLiteral("Arial"), 14));
    m_labelDimensionaFont->move(pixelDaTwips(4800), pixelDaTwips(1200));
    m_labelDimensionaFont->adjustSize();
    m_labelDimensionaFont->hide();

    m_scansione = new ControlloScansione(m_area);

    // Over the whole menu, hidden until "Note didattiche".
    m_documento = new VistaDocumento(m_area);
    posizionaTwips(m_documento, 0, 0, kLarghezzaTwips, kAltezzaTwips);
    connect(m_documento, &VistaDocumento::chiusa, this, &FormMenu::documentoChiuso);
}

void FormMenu::creaMenu()
{
    QMenuBar *barra = menuBar();
    auto voce = [this, barra](const char *nome, const char *testo) {
        QAction *azione = barra->addAction(QString::fromUtf8(testo));
        azione->setObjectName(QLatin1String(nome));
        return azione;
    };
    m_mnuConfigura = voce("mnuConfigura", "Configurazione");
    m_mnuEserciziEseguiti = voce("mnuEserciziEseguiti", "Esercizi eseguiti");
    m_mnuProgressi = voce("mnuProgressi", "Progressi");
    m_mnuInfo = voce("mnuInfo", "Note didattiche");
    m_mnuDocum = voce("mnuDocum", "documentazione");
    m_mnuAbout = voce("mnuAbout", "Informazioni su Pinnole");
    m_mnuLanguages = barra->addMenu(QStringLiteral("Lingua"));
    m_mnuLanguages->setObjectName(QStringLiteral("mnuLanguages"));

    // Tools whose windows are not part of the program yet stay in the bar,
    // greyed, and open nothing.
    m_mnuConfigura->setEnabled(bool(finestraConfigurazione()));
    m_mnuEserciziEseguiti->setEnabled(bool(finestraEserciziEseguiti()));

    connect(m_mnuConfigura, &QAction::triggered, this, &FormMenu::mnuConfigura_Click);
    connect(m_mnuEserciziEseguiti, &QAction::triggered, this, &FormMenu::mnuEserciziEseguiti_Click);
    connect(m_mnuProgressi, &QAction::triggered, this, &FormMenu::mnuProgressi_Click);
    connect(m_mnuInfo, &QAction::triggered, this, &FormMenu::mnuInfo_Click);
    connect(m_mnuDocum, &QAction::triggered, this, &FormMenu::mnuDocum_Click);
    connect(m_mnuAbout, &QAction::triggered, this, &FormMenu::mnuAbout_Click);
}

PulsanteMenu *FormMenu::Command1(int indice) const
{
    return (indice >= 0 && indice < kPulsantiMenu) ? m_command1[indice] : nullptr;
}

Immagine *FormMenu::Image1(int indice) const
{
    return (indice >= 0 && indice < kPulsantiMenu) ? m_image1[indice] : nullptr;
}

int FormMenu::Posizione() const
{
    return m_scansione->Posizione();
}

void FormMenu::Form_Load()
{
    m_mnuLanguage = MLSFillMenuLanguages(m_mnuLanguages);
    for (int i = 0; i < m_mnuLanguage.size(); ++i)
        connect(m_mnuLanguage.at(i), &QAction::triggered, this, [this, i] { mnuLanguage_Click(i); });
    MLSTranslateForm(this);
    m_mnuProgressi->setText(MLSGetText(QStringLiteral("0430")));

    m_ridimensiona = new clsResize(this);
    m_ridimensiona->setSourceForm(this);
    m_ridimensiona->SizeFormToScreen(75);

    costruisciDidascalie();
}

void FormMenu::costruisciDidascalie()
{
    QStringList tradotte;
    for (Pulsante *p : m_command1)
        tradotte << p->text();
    m_didascalie = didascalieMenu(tradotte, &MLSGetText);
    for (int i = 0; i < kPulsantiMenu; ++i) {
        m_command1[i]->setText(m_didascalie.at(i));
        m_command1[i]->setAccessibleName(suUnaRiga(m_didascalie.at(i)));
        m_image1[i]->setAccessibleName(MLSGetText(QStringLiteral("0189")).arg(suUnaRiga(m_didascalie.at(i))));
    }
    // Named here, after every translation, so they follow the language menu.
    setAccessibleName(MLSGetText(QStringLiteral("0300")));
    m_area->setAccessibleName(MLSGetText(QStringLiteral("0301")));
    m_combo1->setAccessibleName(MLSGetText(QStringLiteral("0302")));
    menuBar()->setAccessibleName(MLSGetText(QStringLiteral("0190")));
}

void FormMenu::showEvent(QShowEvent *evento)
{
    QMainWindow::showEvent(evento);
    if (!m_primaApertura)
        return;
    m_primaApertura = false;
    // Activation resizes the window: run it once the show is done.
    QTimer::singleShot(0, this, &FormMenu::Form_Activate);
}

void FormMenu::Form_Activate()
{
    mostraASchermoIntero(this);
    StatoProgramma &stato = Stato();
    stato.RisposteEsatte = 0;
    stato.RisposteErrate = 0;
    m_scansione->posizioni().impostaPosizione(1);
    QCoreApplication::processEvents();
    if (m_navigazione || m_finito)
        return; // a click served meanwhile already left the menu
    m_ridimensiona->ResizeControls();
    RecuperaUtenti();
    ImpostaUtente();
    m_attivata = true;
}

void FormMenu::ImpostaUtente()
{
    const Impostazioni &imp = Stato().imp;

    // Background: the design colour, or the user's own when colours are fixed.
    m_sfondo = imp.ColoriVari ? kSfondoProgetto : coloreVB(imp.ColoreSfondo);
    impostaSfondo(m_area, m_sfondo);

    // With the mouse the buttons melt into the background until pointed at.
    const QColor facciaPulsanti = imp.ModoInput != IngressoMouse ? coloreVB(imp.ColorePulsanti) : m_sfondo;
    for (Pulsante *p : m_command1) {
        p->setColoreSfondo(facciaPulsanti);
        p->setEvidenziato(false);
    }

    // Text case, then font and text colour, pointer and font size.
    applicaDidascalie();
    const QColor testo = coloreVB(imp.ColoreTesto);
    for (PulsanteMenu *p : m_command1)
        p->setColoreDidascalia(testo);
    const QCursor puntatore = imp.CursoreDiSistema ? QCursor(Qt::ArrowCursor) : cursoreProgramma();
    for (int i = 0; i < kPulsantiMenu; ++i) {
        m_command1[i]->setCursor(puntatore);
        m_image1[i]->setCursor(puntatore);
    }

    m_mnuEserciziEseguiti->setVisible(imp.TracciaAttivita);
    // The progress history is kept only while activity is tracked.
    m_mnuProgressi->setVisible(imp.TracciaAttivita);

    impostaInput();
}

void FormMenu::applicaDidascalie()
{
    const Impostazioni &imp = Stato().imp;
    for (int i = 0; i < kPulsantiMenu; ++i)
        m_command1[i]->setText(casoTesto(m_didascalie.value(i), imp.StileTesto));
    const int punti = misuraFontPulsanti();
    QFont carattere = fontTesto(imp.FontTesto, punti, QFont::Bold);
    // The measure gives the widest size; a caption of three lines may still
    // be too tall for its button, so the size comes down until every caption
    // fits, but never below the buttons' minimum: on a very short screen a
    // caption that is still too tall is better than one too small to read.
    const qreal minimo = fontTesto(imp.FontTesto, kMinimoFontPulsanti).pointSizeF();
    while (carattere.pointSizeF() - 1 >= minimo && !didascalieEntrano(carattere))
        carattere.setPointSizeF(carattere.pointSizeF() - 1);
    // A word wider than its button (a long word in capitals, in a language
    // with longer words) would be cut or run into the border: below the
    // minimum the size still goes down for width, never for height.
    const auto largheEntrano = [this](const QFont &f) {
        for (const PulsanteMenu *p : m_command1) {
            if (!p->didascaliaEntraInLarghezza(f))
                return false;
        }
        return true;
    };
    while (carattere.pointSizeF() - 1 >= kMinimoLarghezzaPulsanti && !largheEntrano(carattere))
        carattere.setPointSizeF(carattere.pointSizeF() - 1);
    for (Pulsante *p : m_command1)
        p->setFont(carattere);
    QFont elenco = m_combo1->font();
    elenco.setPointSize(dimensioneFontUtenti(punti));
    m_combo1->setFont(elenco);
    // The list keeps its height when the window is rescaled: give it the
    // height its font needs.
    m_combo1->resize(m_combo1->width(), m_combo1->sizeHint().height());
}

bool FormMenu::didascalieEntrano(const QFont &carattere) const
{
    for (const PulsanteMenu *p : m_command1) {
        if (!p->didascaliaEntra(carattere))
            return false;
    }
    return true;
}

int FormMenu::misuraFontPulsanti()
{
    QLabel *misura = m_labelDimensionaFont;
    misura->setText(testoMisuraFont());
    // Measured in the face, weight and enlargement the buttons draw: the
    // cursive school face is sized and shaped unlike a print face, so a print
    // face's measure says nothing about it.
    const QString famiglia = Stato().imp.FontTesto;
    return dimensioneFontPulsanti(m_command1[0]->width(), [misura, famiglia](int punti) {
        misura->setFont(fontTesto(famiglia, punti, QFont::Bold));
        misura->adjustSize();
        return misura->width();
    });
}

void FormMenu::impostaInput()
{
    const Impostazioni &imp = Stato().imp;
    m_scansione->impostaSfondo(m_sfondo);
    switch (imp.ModoInput) {
    case IngressoScansioneManuale:
    case IngressoTastiera: {
        for (Pulsante *p : m_command1)
            p->setCursor(Qt::ArrowCursor);
        m_scansione->avvia(imp.ModoInput, imp.VelocitaScansione, anello(), kPulsanteEsci, false);
        // The forward key of the mode, released once by the menu itself,
        // moves the highlight from "esci" round to the first button; being
        // the program's own stroke, no acceptance time holds it back.
        m_scansione->tastoProprio(imp.ModoInput == IngressoScansioneManuale ? Qt::Key_Space : Qt::Key_Right, true);
        break;
    }
    case IngressoScansioneAutomatica:
        for (Pulsante *p : m_command1)
            p->setCursor(Qt::ArrowCursor);
        // Nothing is highlighted until the first tick, which lands on button 1.
        m_scansione->avvia(imp.ModoInput, imp.VelocitaScansione, anello(), 0, false);
        break;
    default:
        m_scansione->ferma();
        break;
    }
}

ControlloScansione::Anello FormMenu::anello()
{
    ControlloScansione::Anello a;
    a.posizioni = ::Anello(kPulsantiMenu);
    a.evidenzia = [this](int p, bool acceso) { segna(p, acceso); };
    a.seleziona = [this](int p) { AvviaEsercizi(p); };
    a.nome = [this](int p) { return nomeControllo(Command1(p)); };
    a.riquadro = [this](int p) { return riquadroControllo(Command1(p), m_area); };
    return a;
}

void FormMenu::segna(int indice, bool acceso)
{
    if (Pulsante *p = Command1(indice)) {
        const Impostazioni &imp = Stato().imp;
        p->setColoreSfondo(coloreVB(acceso ? imp.ColorePulsanteSelezionato : imp.ColorePulsanti));
        p->setEvidenziato(acceso);
    }
}

void FormMenu::marcaConMouse(int indice)
{
    const QColor marcato = coloreVB(Stato().imp.ColorePulsanteSelezionato);
    if (m_command1[indice]->coloreSfondo() == marcato)
        return;
    for (Pulsante *p : m_command1) {
        p->setColoreSfondo(m_sfondo);
        p->setEvidenziato(false);
    }
    m_command1[indice]->setColoreSfondo(marcato);
    m_command1[indice]->setEvidenziato(true);
}

void FormMenu::spegniConMouse()
{
    for (Pulsante *p : m_command1) {
        if (p->coloreSfondo() != m_sfondo) {
            p->setColoreSfondo(m_sfondo);
            p->setEvidenziato(false);
        }
    }
}

bool FormMenu::eventFilter(QObject *oggetto, QEvent *evento)
{
    const QEvent::Type tipo = evento->type();
    if ((tipo == QEvent::Enter || tipo == QEvent::MouseMove) && m_attivata && !m_scansione->attivo()) {
        const int indice = indiceControllo(oggetto);
        if (indice >= 0 && indice < kPulsantiMenu)
            marcaConMouse(indice);
        else if (oggetto == m_area)
            spegniConMouse();
    }
    return QMainWindow::eventFilter(oggetto, evento);
}

void FormMenu::AvviaEsercizi(int indice)
{
    if (indice == kPulsanteEsci) {
        m_finito = true;
        FineProgramma();
        return;
    }
    const FabbricaFinestra crea = finestraEsercizio(indice);
    if (!crea)
        return; // an exercise that is not part of the program yet
    // The exercise's name starts a row of the activity table whether or not
    // activity is being tracked; a full table takes no more rows.
    iniziaRigaEsercizio(Stato(), MLSGetText(chiaveNomeEsercizio(indice)));
    apriFinestra(crea());
}

void FormMenu::apriFinestra(QWidget *finestra)
{
    if (!finestra)
        return;
    finestra->setAttribute(Qt::WA_DeleteOnClose);
    finestra->show();
    m_navigazione = true;
    close();
}

void FormMenu::RecuperaUtenti()
{
    StatoProgramma &stato = Stato();
    const QList<VoceUtente> utenti =
        elencoUtenti(Percorsi::cartellaPinnole(), stato.imp.StileTesto == QLatin1String("maiuscolo"));
    const int corrente = indiceUtente(utenti, stato.UtenteCorrente);
    {
        // A current user without a file yet selects nothing, rather than
        // showing the first user as if it were current. Each entry keeps
        // the name of its file, whatever text it shows.
        const QSignalBlocker blocco(m_combo1);
        m_combo1->clear();
        for (const VoceUtente &utente : utenti)
            m_combo1->addItem(utente.testo, utente.nome);
        m_combo1->setCurrentIndex(corrente);
    }
    // Selecting the current user writes and re-reads its file. A write that
    // fails here keeps the values in memory; the end of the program reports it.
    if (corrente >= 0)
        scegliUtente(stato, utenti.at(corrente).nome);
    m_combo1->setVisible(utenti.size() >= 2);
}

void FormMenu::Combo1_Click(int indice)
{
    if (indice < 0 || indice >= m_combo1->count())
        return;
    StatoProgramma &stato = Stato();
    const QString lasciato = stato.PercorsoImpostazioni;
    EsitoSalvataggio salvataggio = EsitoSalvataggio::Salvato;
    const EsitoSceltaUtente esito = scegliUtente(stato, m_combo1->itemData(indice).toString(), &salvataggio);
    if (salvataggio == EsitoSalvataggio::AccessoNonSalvato)
        avvisaSalvataggio(salvataggio, lasciato);
    switch (esito) {
    case EsitoSceltaUtente::UtenteCambiato:
        ImpostaUtente();
        break;
    case EsitoSceltaUtente::SalvataggioFallito: {
        // The user stays the one whose settings could not be saved, and
        // the list shows it again.
        avvisaImpostazioniNonSalvate(stato.PercorsoImpostazioni);
        const QSignalBlocker blocco(m_combo1);
        m_combo1->setCurrentIndex(m_combo1->findData(stato.UtenteCorrente, Qt::UserRole,
                                                     Qt::MatchFixedString));
        break;
    }
    case EsitoSceltaUtente::StessoUtente:
    case EsitoSceltaUtente::NomeRifiutato:
        break;
    }
}

void FormMenu::mnuConfigura_Click()
{
    const FabbricaFinestra crea = finestraConfigurazione();
    if (!crea)
        return;
    setEnabled(false);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    apriFinestra(crea());
    QApplication::restoreOverrideCursor();
}

void FormMenu::mnuEserciziEseguiti_Click()
{
    if (const FabbricaFinestra crea = finestraEserciziEseguiti())
        apriFinestra(crea());
}

void FormMenu::mnuProgressi_Click()
{
    if (const FabbricaFinestra crea = finestraProgressi())
        apriFinestra(crea());
}

void FormMenu::mnuInfo_Click()
{
    if (!m_documento->carica(Percorsi::programma(QStringLiteral("docdid.rtf"))))
        return;
    // The scanning waits while the notes are open: the view takes the keys.
    m_scansione->sospendi();
    m_documento->mostra();
}

void FormMenu::documentoChiuso()
{
    m_scansione->riprendi();
}

void FormMenu::mnuDocum_Click()
{
    ApriDocumento(this, Percorsi::programma(QStringLiteral("pinnole.pdf")));
}

void FormMenu::mnuAbout_Click()
{
    apriFinestra(new FormInfo);
}

void FormMenu::mnuLanguage_Click(int indice)
{
    // The translation replaces the captions with the language file's; put
    // the design captions back first, so that a caption the new language
    // lacks is composed afresh rather than twice.
    for (int i = 0; i < kPulsantiMenu; ++i)
        m_command1[i]->setText(QString::fromUtf8(kDidascalieProgetto[i]));
    ::mnuLanguage_Click(m_mnuLanguage, indice);
    m_mnuProgressi->setText(MLSGetText(QStringLiteral("0430")));
    costruisciDidascalie();
    applicaDidascalie();
}

void FormMenu::closeEvent(QCloseEvent *evento)
{
    m_scansione->ferma();
    // Closed from outside (the window manager) rather than to open another
    // window: that is the end of the program, in order.
    if (!m_navigazione && !m_finito) {
        m_finito = true;
        FineProgramma();
    }
    QMainWindow::closeEvent(evento);
}
