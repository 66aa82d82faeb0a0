#include "config/FormConfigura.h"

#include "config/CasellaColorata.h"
#include "config/ControlliConfigura.h"
#include "config/LogicaConfigura.h"
#include "core/Caratteri.h"
#include "core/ColoriVB.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "core/TraduciFinestra.h"
#include "framework/ControlloScansione.h"
#include "framework/Navigazione.h"
#include "framework/Personaggio.h"
#include "layout/PosizioneTwips.h"
#include "layout/clsResize.h"
#include "users/Utenti.h"
#include "menu/FineProgramma.h"
#include "menu/LogicaMenu.h"
#include "platform/Agente.h"

#include <QAction>
#include <QAbstractItemView>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabBar>
#include <QTimer>

#include <vector>

using namespace configura;

namespace {

// Inner design size, in twips.
constexpr int kLarghezzaTwips = 10200;
constexpr int kAltezzaTwips = 8160;
// The texts are designed at this size for the design layout and grow with the window.
constexpr double kPuntiProgetto = 9.0;

// Design background of the window, and of the frames when nothing else paints them.
const QColor kSfondoProgetto(0xFF, 0xF4, 0xE0);

} // namespace

FormConfigura::FormConfigura(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormConfigura"));
    setWindowTitle(QStringLiteral("Configurazione"));

    m_area = new QWidget(this);
    m_area->setObjectName(QStringLiteral("areaControlli"));
    sfondo(m_area, kSfondoProgetto);
    setCentralWidget(m_area);

    creaControlli();
    collega();

    m_mnuEsci = menuBar()->addAction(QStringLiteral("&Esci"));
    m_mnuEsci->setObjectName(QStringLiteral("mnuEsci"));
    menuBar()->setAccessibleName(MLSGetText(QStringLiteral("0190")));
    connect(m_mnuEsci, &QAction::triggered, this, &FormConfigura::mnuEsci_Click);
    dimensionaInternoTwips(this, kLarghezzaTwips, kAltezzaTwips);

    // Loading: translation, rescaling, the window's own character.
    // Captions named by their own text keep that name in the language chosen.
    QList<QLabel *> nominateDalTesto;
    for (QLabel *l : findChildren<QLabel *>()) {
        if (!l->text().isEmpty() && l->accessibleName() == l->text().simplified())
            nominateDalTesto << l;
    }
    MLSTranslateForm(this);
    for (QLabel *l : nominateDalTesto)
        l->setAccessibleName(l->text().simplified());
    for (QAbstractButton *b : findChildren<QAbstractButton *>()) {
        if (!b->text().isEmpty())
            b->setAccessibleName(b->text().remove(QLatin1Char('&')).simplified());
    }
    for (QGroupBox *g : findChildren<QGroupBox *>())
        g->setAccessibleName(g->title());
    // Sliders, lists and boxes to type in are called by their tool tips.
    for (QWidget *w : findChildren<QWidget *>()) {
        if ((qobject_cast<QAbstractSlider *>(w) || qobject_cast<QAbstractItemView *>(w) || qobject_cast<QLineEdit *>(w))
            && !w->toolTip().isEmpty())
            w->setAccessibleName(w->toolTip());
    }
    setAccessibleName(windowTitle());
    for (size_t i = 0; i < m_frame.size(); ++i)
        m_frame[i]->setAccessibleName(m_tabStrip1->tabText(int(i)));
    // A control with a caption beside it is called by that caption.
    for (QLabel *l : findChildren<QLabel *>()) {
        if (!l->buddy() || qobject_cast<QLabel *>(l->buddy()))
            continue;
        const QString nome = l->text().remove(QLatin1Char('&')).simplified();
        l->buddy()->setAccessibleName(nome);
        if (auto *c = qobject_cast<QComboBox *>(l->buddy()))
            c->view()->setAccessibleName(nome); // its list, when open
    }
    m_ridimensiona = new clsResize(this);
    m_ridimensiona->setSourceForm(this);
    m_ridimensiona->SizeFormToScreen(75);
    m_personaggio = CaricaPersonaggio();
}

FormConfigura::~FormConfigura()
{
    if (m_personaggio)
        m_personaggio->StopAll();
}

void FormConfigura::creaControlli()
{
    // The tabs in order: caption, frame name. A new tab is one more row here
    // and its own creating function.
    struct Tab
    {
        const char *didascalia;
        const char *frame;
        void (FormConfigura::*crea)(QFrame *);
    };
    const Tab tabs[] = {
        {"Giocatori", "FrameUtente", &FormConfigura::creaUtenti},
        {"Colori pinnole", "FramePinnole", &FormConfigura::creaPinnole},
        {"Scelte didattiche", "FrameScelteDid", &FormConfigura::creaScelteDidattiche},
        {"Font e colori", "FrameFonts", &FormConfigura::creaFont},
        {"Suoni e voce", "FrameSuoni", &FormConfigura::creaSuoni},
        {"Modalità di input", "FramePunt", &FormConfigura::creaInput},
        {"Accesso con sensori", "FrameAccesso", &FormConfigura::creaAccesso},
    };
    static_assert(std::size(tabs) == std::tuple_size_v<decltype(m_frame)>);

    m_tabStrip1 = new QTabBar(m_area);
    m_tabStrip1->setObjectName(QStringLiteral("TabStrip1"));
    m_tabStrip1->setAccessibleName(MLSGetText(QStringLiteral("0377")));
    m_tabStrip1->setExpanding(true);
    m_tabStrip1->setDrawBase(false);
    m_tabStrip1->setFocusPolicy(Qt::StrongFocus);
    posizionaTwips(m_tabStrip1, 120, 120, 9960, 420);
    for (size_t i = 0; i < std::size(tabs); ++i) {
        m_tabStrip1->addTab(QString::fromUtf8(tabs[i].didascalia));
        m_frame[i] = creaFrame(tabs[i].frame);
        (this->*tabs[i].crea)(m_frame[i]);
    }

    m_labelUtente = new QLabel(QStringLiteral("Giocatore:"), m_area);
    m_labelUtente->setObjectName(QStringLiteral("LabelUtente"));
    m_labelUtente->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    posizionaTwips(m_labelUtente, 120, 7680, 2280, 420);
    m_label4 = new QLabel(m_area);
    m_label4->setObjectName(QStringLiteral("Label4"));
    m_label4->setTextFormat(Qt::PlainText);
    QFont grassetto = m_label4->font();
    grassetto.setBold(true);
    m_label4->setFont(grassetto);
    posizionaTwips(m_label4, 2520, 7680, 7560, 420);
    m_labelUtente->setBuddy(m_label4);
}

QFrame *FormConfigura::creaFrame(const char *nome)
{
    auto *frame = new QFrame(m_area);
    dainome(frame, nome);
    frame->setFrameShape(QFrame::StyledPanel);
    frame->setAutoFillBackground(true);
    posizionaTwips(frame, 120, 540, 9960, 7080);
    return frame;
}

void FormConfigura::collega()
{
    connect(m_tabStrip1, &QTabBar::currentChanged, this, &FormConfigura::TabStrip1_Click);
    collegaUtenti();
    collegaPinnole();
    collegaScelteDidattiche();
    collegaFont();
    collegaSuoni();
    collegaInput();
    collegaAccesso();
}

QFrame *FormConfigura::frameScheda(int scheda) const
{
    return (scheda >= 0 && scheda < int(m_frame.size())) ? m_frame[size_t(scheda)] : nullptr;
}

void FormConfigura::showEvent(QShowEvent *evento)
{
    QMainWindow::showEvent(evento);
    // "Activation" is the dialog being shown, once per opening: coming back
    // from a colour question or a dialog box is no new activation.
    if (!m_primaApertura)
        return;
    m_primaApertura = false;
    QTimer::singleShot(0, this, &FormConfigura::Form_Activate);
}

void FormConfigura::Form_Activate()
{
    mostraASchermoIntero(this);
    m_ridimensiona->ResizeControls();
    adattaCaratteri();
    if (m_personaggio)
        ImpostaMerlino(*m_personaggio);
    const QString prova = MLSGetText(QStringLiteral("0056"));
    if (!prova.isEmpty())
        m_text1->setText(prova);
    selezionaSolo(m_option4, Stato().imp.ModoInput);
    aggiornaEtichettaUtente();
    NascondiFrame();
    ImpostaConfigurazioni();
    {
        const QSignalBlocker blocco(m_tabStrip1);
        m_tabStrip1->setCurrentIndex(SchedaGiocatori);
    }
    mostraScheda(SchedaGiocatori);
    m_tabStrip1->setFocus(Qt::OtherFocusReason);
    m_attivata = true;
}

void FormConfigura::adattaCaratteri()
{
    // Controls grow with the window; their texts grow with them, so every
    // caption keeps the room it was given at design size.
    const QSize progetto(pixelDaTwips(kLarghezzaTwips), pixelDaTwips(kAltezzaTwips));
    const double fattore = std::max(1.0, std::min(double(m_area->width()) / progetto.width(),
                                                  double(m_area->height()) / progetto.height()));
    QFont base = font();
    base.setPointSizeF(kPuntiProgetto * fattore);
    for (QWidget *w : m_area->findChildren<QWidget *>()) {
        if (w == m_labelFontSelezionato[0] || w == m_labelFontSelezionato[1] || w == m_label3)
            continue; // these show the fonts of the settings
        QFont f = w->font();
        f.setPointSizeF(base.pointSizeF());
        w->setFont(f);
    }
    QFont barra = menuBar()->font();
    barra.setPointSizeF(base.pointSizeF());
    menuBar()->setFont(barra);
    // Every tab caption shows whole: on a narrow screen the tabs' text is
    // made a little smaller rather than cut or scrolled.
    QFont schede = m_tabStrip1->font();
    while (m_tabStrip1->sizeHint().width() > m_tabStrip1->width() && schede.pointSizeF() > kPuntiProgetto * 0.75) {
        schede.setPointSizeF(schede.pointSizeF() - 0.25);
        m_tabStrip1->setFont(schede);
    }
    // A choice keeps the height it was given; it takes the height of the
    // number boxes beside it, which grow with the window.
    for (QComboBox *c : {m_comboSosta, m_comboSpessore})
        c->resize(c->width(), m_spinAccettazione->height());
}

void FormConfigura::NascondiFrame()
{
    for (QFrame *f : m_frame)
        f->hide();
}

void FormConfigura::mostraScheda(int scheda)
{
    if (!frameScheda(scheda))
        return;
    if (m_tabStrip1->currentIndex() != scheda) {
        m_tabStrip1->setCurrentIndex(scheda); // runs TabStrip1_Click
        return;
    }
    TabStrip1_Click(scheda);
}

void FormConfigura::TabStrip1_Click(int scheda)
{
    if (!frameScheda(scheda))
        return;
    m_schedaCorrente = scheda;
    fermaAnteprima();
    if (m_personaggio) {
        m_personaggio->StopAll();
        m_personaggio->Hide();
    }
    NascondiFrame();
    m_frame[size_t(scheda)]->show();
    m_frame[size_t(scheda)]->raise();
    if (scheda == SchedaColoriPinnole)
        Preparapinnola();
    if (scheda == SchedaSuoniEVoce) {
        ImpostaVoce();
        mostraPersonaggio();
    }
    if (scheda == SchedaAccessoSensori) {
        // The button colours may have changed on another tab.
        for (size_t i = 0; i < m_pulsantiAnteprima.size(); ++i)
            segnaAnteprima(int(i), false);
    }
}

void FormConfigura::ImpostaConfigurazioni()
{
    const Impostazioni &imp = Stato().imp;

    // Voice, balloon and sounds.
    imposta(m_check2, imp.VoceAttiva);
    imposta(m_chkFumetto, imp.FumettoVisibile);
    imposta(m_hScroll1, imp.VelocitaVoce);
    m_label5->setText(MLSGetText(QStringLiteral("0057")) + QString::number(imp.VelocitaVoce));
    imposta(m_hScroll2, imp.TonoVoce);
    m_label2->setText(MLSGetText(QStringLiteral("0058")) + QString::number(imp.TonoVoce));
    imposta(m_checkContieneTesto, imp.FumettoContieneTesto);
    if (m_personaggio) {
        int stile = m_personaggio->BalloonStyle();
        stile = imp.FumettoVisibile ? (stile | Agente::FumettoVisibile) : (stile & ~Agente::FumettoVisibile);
        stile = imp.FumettoContieneTesto ? (stile | Agente::FumettoContieneTesto)
                                         : (stile & ~Agente::FumettoContieneTesto);
        m_personaggio->SetBalloonStyle(stile);
    }
    imposta(m_checkSuoni, imp.SuoniAttivi);
    for (QWidget *w : std::initializer_list<QWidget *> {m_commandProvaVoce, m_hScroll1, m_hScroll2, m_chkFumetto,
                                                        m_checkContieneTesto, m_commandFontFumetto})
        w->setEnabled(imp.VoceAttiva);
    if (imp.VoceAttiva && !imp.FumettoVisibile)
        m_checkContieneTesto->setEnabled(false);
    QFont fumetto(imp.FontFumetto);
    fumetto.setPointSize(std::max<int>(1, imp.DimensioneFontFumetto));
    m_label3->setFont(fumetto);
    m_label3->setText(QStringLiteral("%1 %2").arg(imp.FontFumetto).arg(imp.DimensioneFontFumetto));

    // Didactic choices and activity tracking.
    imposta(m_check1, imp.PassaggioLivelli);
    imposta(m_checkSalvaUtente, imp.TracciaAttivita);

    // The palette on the background colour, the button colours.
    const auto &tavolozza = Stato().TavolozzaHex;
    for (int i = 0; i < kCaselleTavolozza; ++i)
        m_caselle[size_t(i)]->setColore(coloreEsadecimale(tavolozza[size_t(i)]));
    aggiornaSfondoColori();
    dipingiPulsanti();

    // Varied or fixed colours; "Colori" is enabled exactly for fixed.
    selezionaSolo(m_optionColoreCasualeFisso, imp.ColoriVari ? 0 : 1);
    sfondo(m_frame[SchedaFontEColori], imp.ColoriVari ? palette().color(QPalette::Button) : coloreVB(imp.ColoreSfondo));
    m_commandSceltaColori->setEnabled(!imp.ColoriVari);

    // Text case.
    const char *stili[3] = {"minuscolo", "maiuscolo", "corsivo"};
    int stile = -1;
    for (int i = 0; i < 3; ++i) {
        if (imp.StileTesto == QLatin1String(stili[i]))
            stile = i;
    }
    selezionaSolo(m_stile, stile);

    imposta(m_checkDisabilitaMouse, imp.CursoreDiSistema);

    // The samples of the text font and colours.
    const QString esempio = casoTesto(m_labelFontSelezionato[0]->text(), imp.StileTesto);
    for (QLabel *l : m_labelFontSelezionato) {
        l->setFont(fontTesto(imp.FontTesto, std::max<int>(1, imp.DimensioneFontTesto)));
        QPalette p = l->palette();
        p.setColor(QPalette::WindowText, coloreVB(imp.ColoreTesto));
        p.setColor(QPalette::Window, coloreVB(imp.ColoreSfondoTesto));
        l->setPalette(p);
        l->setText(esempio);
    }

    // Input mode and scanning speed.
    const int modo = imp.ModoInput;
    selezionaSolo(m_option4, modo);
    m_hScroll3->setVisible(modo == IngressoScansioneAutomatica);
    m_label7->setVisible(modo == IngressoScansioneAutomatica);
    m_checkDisabilitaMouse->setVisible(modo == IngressoMouse);
    if (modo == IngressoScansioneAutomatica) {
        imposta(m_hScroll3, imp.VelocitaScansione);
        m_label7->setText(testoVelocitaScansione(imp.VelocitaScansione));
    }

    ImpostaAccesso();
}

void FormConfigura::aggiornaEtichettaUtente()
{
    m_label4->setText(nomeMostrato(Stato().UtenteCorrente));
    m_label4->setAccessibleName(m_labelUtente->text() + QLatin1Char(' ') + m_label4->text());
}

void FormConfigura::mnuEsci_Click()
{
    close();
}

void FormConfigura::closeEvent(QCloseEvent *evento)
{
    // "Esci" and the window frame alike: the settings are written and the
    // menu comes back, which applies them.
    if (!m_versoMenu) {
        m_versoMenu = true;
        fermaAnteprima();
        if (m_personaggio) {
            m_personaggio->StopAll();
            m_personaggio->Hide();
        }
        avvisaSalvataggio(SalvaUtenteCorrente(Stato()), Stato().PercorsoImpostazioni);
        apriMenu();
    }
    QMainWindow::closeEvent(evento);
}
