#include "users/FormEserciziEseguiti.h"

#include "core/ColoriVB.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/TraduciFinestra.h"
#include "framework/Navigazione.h"
#include "layout/PosizioneTwips.h"
#include "layout/ScalaLayout.h"
#include "layout/clsResize.h"
#include "platform/CommDlgs.h"
#include "platform/Messaggi.h"
#include "users/GrigliaEsercizi.h"
#include "users/StampaRegistro.h"
#include "users/Utenti.h"
#include "users/VistaRegistro.h"

#include <QAction>
#include <QCloseEvent>
#include <QDate>
#include <QLabel>
#include <QMenuBar>
#include <QTimer>

namespace {

// Inner design size, in twips: the controls with a margin of 120 around them.
constexpr int kLarghezzaTwips = 7575;
constexpr int kAltezzaTwips = 6015;

// Design background C0E0FF (00BBGGRR), the menu's warm peach.
const QColor kSfondoProgetto(0xFF, 0xE0, 0xC0);
const QColor kTestoEtichette(0x33, 0x33, 0x33);

// Design fonts, in points, grown with a screen taller than 768 pixels.
constexpr double kPuntiLabel1 = 15.75;
constexpr double kPuntiLabel2 = 14.25;
constexpr int kPuntiGriglia = 12;
constexpr int kPuntiLabel3 = 12;

const QString kFiltro = QStringLiteral("|*.rpt");
const QString kEstensione = QStringLiteral("rpt");

QLabel *etichetta(QWidget *genitore, const char *nome, const QString &accessibile, double punti, bool grassetto)
{
    auto *e = new QLabel(genitore);
    e->setObjectName(QLatin1String(nome));
    e->setAccessibleName(accessibile);
    e->setTextFormat(Qt::PlainText);
    e->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    QFont carattere(QStringLiteral("Arial"));
    carattere.setPointSizeF(punti);
    carattere.setBold(grassetto);
    e->setFont(carattere);
    return e;
}

bool linguaItaliana()
{
    return LinguaCorrente().compare(QLatin1String("Italiano"), Qt::CaseInsensitive) == 0
        || MLSGetText(QStringLiteral("0003")) == QLatin1String("1040");
}

} // namespace

FormEserciziEseguiti::FormEserciziEseguiti(QWidget *parent)
    : QMainWindow(parent)
{
    setObjectName(QStringLiteral("FormEserciziEseguiti"));
    setWindowTitle(QStringLiteral("Esercizi eseguiti"));

    m_area = new QWidget(this);
    m_area->setObjectName(QStringLiteral("areaControlli"));
    setCentralWidget(m_area);
    creaControlli();
    creaMenu();
    dimensionaInternoTwips(this, kLarghezzaTwips, kAltezzaTwips);

    // Loading: translation and rescaling.
    MLSTranslateForm(this);
    setAccessibleName(windowTitle());
    m_ridimensiona = new clsResize(this);
    m_ridimensiona->setSourceForm(this);
    m_ridimensiona->SizeFormToScreen(75);
}

FormEserciziEseguiti::~FormEserciziEseguiti() = default;

void FormEserciziEseguiti::creaControlli()
{
    m_label1 = etichetta(m_area, "Label1", MLSGetText(QStringLiteral("0302")), kPuntiLabel1, true);
    posizionaTwips(m_label1, 240, 120, 5295, 375);
    m_label2 = etichetta(m_area, "Label2", MLSGetText(QStringLiteral("0312")), kPuntiLabel2, true);
    posizionaTwips(m_label2, 120, 600, 5535, 375);

    m_griglia = new GrigliaEsercizi(m_area);
    m_griglia->setObjectName(QStringLiteral("MSFlexGrid1"));
    m_griglia->setAccessibleName(MLSGetText(QStringLiteral("0313")));
    posizionaTwips(m_griglia, 120, 960, 7335, 4095);

    m_label3 = etichetta(m_area, "Label3", MLSGetText(QStringLiteral("0192")), kPuntiLabel3, false);
    m_label3->setWordWrap(true);
    m_label3->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    posizionaTwips(m_label3, 240, 5160, 7215, 735);
}

void FormEserciziEseguiti::creaMenu()
{
    QMenuBar *barra = menuBar();
    barra->setAccessibleName(MLSGetText(QStringLiteral("0190")));
    m_mnuFile = barra->addMenu(QStringLiteral("&File"));
    m_mnuFile->setObjectName(QStringLiteral("mnuFile"));
    m_mnuSalva = m_mnuFile->addAction(QStringLiteral("Salva"));
    m_mnuSalva->setObjectName(QStringLiteral("mnuSalva"));
    m_mnuSalva->setShortcut(QKeySequence::Save);
    m_mnuApri = m_mnuFile->addAction(QStringLiteral("Apri"));
    m_mnuApri->setObjectName(QStringLiteral("mnuApri"));
    m_mnuApri->setShortcut(QKeySequence::Open);
    m_mnuStampa = barra->addAction(QStringLiteral("&Stampa"));
    m_mnuStampa->setObjectName(QStringLiteral("mnuStampa"));
    m_mnuEsci = barra->addAction(QStringLiteral("&Esci"));
    m_mnuEsci->setObjectName(QStringLiteral("mnuEsci"));

    connect(m_mnuSalva, &QAction::triggered, this, &FormEserciziEseguiti::mnuSalva_Click);
    connect(m_mnuApri, &QAction::triggered, this, &FormEserciziEseguiti::mnuApri_Click);
    connect(m_mnuStampa, &QAction::triggered, this, &FormEserciziEseguiti::mnuStampa_Click);
    connect(m_mnuEsci, &QAction::triggered, this, &FormEserciziEseguiti::mnuEsci_Click);
}

void FormEserciziEseguiti::showEvent(QShowEvent *evento)
{
    QMainWindow::showEvent(evento);
    // The set-up runs when the window is shown, not whenever the window
    // manager activates it again: coming back from a file dialog or a
    // message must not drop what "Apri" has just loaded.
    if (!m_primaApertura)
        return;
    m_primaApertura = false;
    QTimer::singleShot(0, this, &FormEserciziEseguiti::Form_Activate);
}

void FormEserciziEseguiti::Form_Activate()
{
    mostraASchermoIntero(this);
    m_ridimensiona->ResizeControls();

    const StatoProgramma &stato = Stato();
    const Impostazioni &imp = stato.imp;
    QPalette tavolozza = m_area->palette();
    tavolozza.setColor(QPalette::Window, imp.ColoriVari ? kSfondoProgetto : coloreVB(imp.ColoreSfondo));
    tavolozza.setColor(QPalette::WindowText, kTestoEtichette);
    m_area->setPalette(tavolozza);
    m_area->setAutoFillBackground(true);
    adattaCaratteri();

    for (int c = 0; c < GrigliaEsercizi::kColonne; ++c) {
        static constexpr int kAllineamenti[GrigliaEsercizi::kColonne] = {3, 3, 3, 0, 0, 0};
        m_griglia->setColAlignment(c, kAllineamenti[c]);
    }

    ContenutoRegistro tabella;
    tabella.utente = stato.UtenteCorrente;
    tabella.data = VistaRegistro::etichettaData(MLSGetText(QStringLiteral("0074")), QDate::currentDate(),
                                                VistaRegistro::localeDate(linguaItaliana()));
    tabella.righe = VistaRegistro::righeDaTabella(stato);
    tabella.ignorate = VistaRegistro::ignorateDaTabella(stato);
    mostra(tabella, MLSGetText(QStringLiteral("0075")));
    m_griglia->setFocus(Qt::OtherFocusReason);
    m_attivata = true;
}

void FormEserciziEseguiti::mostra(const ContenutoRegistro &contenuto, const QString &intestazioneEsercizio)
{
    const StatoProgramma &stato = Stato();
    m_utente = contenuto.utente;
    m_label1->setText(nomeMostrato(contenuto.utente));
    m_label2->setText(contenuto.data);
    m_griglia->setUpdatesEnabled(false);
    m_griglia->setRows(int(contenuto.righe.size()) + 1);
    m_griglia->svuota();
    m_griglia->setTextMatrix(0, 1, intestazioneEsercizio);
    m_griglia->setTextMatrix(0, 2, stato.IntestazioneLivello);
    m_griglia->setTextMatrix(0, 3, stato.IntestazioneEsatti);
    m_griglia->setTextMatrix(0, 4, stato.IntestazioneErrati);
    m_griglia->setTextMatrix(0, 5, stato.IntestazioneIgnorate);
    for (int i = 1; i <= contenuto.righe.size(); ++i) {
        m_griglia->setTextMatrix(i, 0, QString::number(i));
        for (int c = 1; c <= 4; ++c)
            m_griglia->setTextMatrix(i, c, contenuto.righe.at(i - 1)[c - 1]);
        m_griglia->setTextMatrix(i, 5, contenuto.ignorateRiga(i - 1));
    }
    m_griglia->setCurrentCell(-1, -1);
    m_griglia->setUpdatesEnabled(true);
    m_label3->setText(contenuto.chiusura);
    dimensionaColonne();
}

void FormEserciziEseguiti::resizeEvent(QResizeEvent *evento)
{
    QMainWindow::resizeEvent(evento);
    // The rescaling has resized the grid by now (its filter runs first):
    // the columns follow its new width.
    dimensionaColonne();
}

void FormEserciziEseguiti::dimensionaColonne()
{
    if (!m_griglia)
        return;
    const auto larghezze = VistaRegistro::larghezzeColonne(m_griglia->width() * kTwipPerPixel);
    for (int c = 0; c < GrigliaEsercizi::kColonne; ++c)
        m_griglia->setColWidth(c, larghezze[c] / kTwipPerPixel);
}

void FormEserciziEseguiti::adattaCaratteri()
{
    // The texts are designed for a 1024 x 768 screen and grow with a larger one.
    const double fattore = qMax(1.0, height() / 768.0);
    auto cresci = [fattore](QLabel *e, double punti) {
        QFont carattere = e->font();
        carattere.setPointSizeF(punti * fattore);
        e->setFont(carattere);
    };
    cresci(m_label1, kPuntiLabel1);
    cresci(m_label2, kPuntiLabel2);
    cresci(m_label3, kPuntiLabel3);
    QFont griglia(QStringLiteral("Arial"));
    griglia.setPointSizeF(kPuntiGriglia * fattore);
    m_griglia->impostaFont(griglia);
}

ContenutoRegistro FormEserciziEseguiti::contenuto() const
{
    ContenutoRegistro c;
    c.utente = m_utente;
    c.data = m_label2->text();
    for (int r = 1; r < m_griglia->Rows(); ++r) {
        c.righe.append({m_griglia->TextMatrix(r, 1), m_griglia->TextMatrix(r, 2), m_griglia->TextMatrix(r, 3),
                        m_griglia->TextMatrix(r, 4)});
        c.ignorate.append(m_griglia->TextMatrix(r, 5));
    }
    c.chiusura = m_label3->text();
    return c;
}

GrigliaDaStampare FormEserciziEseguiti::grigliaDaStampare() const
{
    GrigliaDaStampare g;
    g.utente = nomeMostrato(Stato().UtenteCorrente);
    g.etichettaUtente = m_label1->text();
    g.etichettaData = m_label2->text();
    for (int c = 0; c < GrigliaEsercizi::kColonne; ++c)
        g.intestazioni[c] = m_griglia->TextMatrix(0, c);
    const ContenutoRegistro mostrato = contenuto();
    g.righe = mostrato.righe;
    g.ignorate = mostrato.ignorate;
    g.chiusura = m_label3->text();
    g.famigliaGriglia = QStringLiteral("Arial");
    g.puntiGriglia = kPuntiGriglia;
    return g;
}

QString FormEserciziEseguiti::titoloDialogo(const QAction *voce) const
{
    QString titolo = voce->text();
    titolo.remove(QLatin1Char('&'));
    return titolo;
}

void FormEserciziEseguiti::errore(const QString &chiave)
{
    messaggi().mostra(MLSGetText(chiave), titoloProgramma(), IconaMessaggio::Critico);
}

void FormEserciziEseguiti::mnuSalva_Click()
{
    const QString cartella = FileRegistro::preparaCartellaUtente(Stato().UtenteCorrente);
    if (cartella.isEmpty()) {
        errore(QStringLiteral("0078"));
        return;
    }
    const QString percorso =
        ScegliFile(this, 2, titoloDialogo(m_mnuSalva), QString(), kFiltro, cartella, kEstensione);
    if (percorso.isEmpty())
        return; // cancelled: nothing to report
    if (!FileRegistro::scrivi(percorso, contenuto()))
        errore(QStringLiteral("0078"));
}

void FormEserciziEseguiti::mnuApri_Click()
{
    const QString cartella = FileRegistro::preparaCartellaUtente(Stato().UtenteCorrente);
    if (cartella.isEmpty()) {
        errore(QStringLiteral("0077"));
        return;
    }
    const QString percorso = ScegliFile(this, 1, titoloDialogo(m_mnuApri), QString(), kFiltro, cartella, kEstensione);
    if (percorso.isEmpty())
        return; // cancelled: the grid keeps what it showed
    // The whole file is read before the grid changes, so a damaged file
    // leaves the grid as it was.
    const std::optional<ContenutoRegistro> letto = FileRegistro::leggi(percorso);
    if (!letto) {
        errore(QStringLiteral("0077"));
        return;
    }
    mostra(*letto, MLSGetText(QStringLiteral("0076")));
}

void FormEserciziEseguiti::mnuStampa_Click()
{
    if (messaggi().domanda(MLSGetText(QStringLiteral("0079")), titoloProgramma(), PulsantiDomanda::SiNo)
        != RispostaDomanda::Si)
        return;
    messaggi().mostra(MLSGetText(QStringLiteral("0080")), titoloProgramma(), IconaMessaggio::Informazione);
    // A failed job is said; a cancelled save of a PDF file is not a failure.
    QString dettaglio;
    const EsitoLavoro esito = stampaGrigliaPredefinita(this, grigliaDaStampare(), &dettaglio);
    if (esito == EsitoLavoro::NonAvviato || esito == EsitoLavoro::NonStampato) {
        QString testo = MLSGetText(QStringLiteral("0098"));
        if (!dettaglio.isEmpty())
            testo += QStringLiteral("\n\n") + dettaglio;
        messaggi().mostra(testo, titoloProgramma(), IconaMessaggio::Critico);
    }
}

void FormEserciziEseguiti::mnuEsci_Click()
{
    m_versoMenu = true;
    apriMenu();
    close();
}

void FormEserciziEseguiti::closeEvent(QCloseEvent *evento)
{
    // However the window is closed, the menu comes back: only the menu's
    // "esci" ends the program, with the settings saved.
    if (!m_versoMenu) {
        m_versoMenu = true;
        apriMenu();
    }
    QMainWindow::closeEvent(evento);
}
