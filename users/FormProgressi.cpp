#include "users/FormProgressi.h"

#include "core/ColoriVB.h"
#include "core/Impostazioni.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "core/TestoFile.h"
#include "framework/Navigazione.h"
#include "layout/PosizioneTwips.h"
#include "platform/CommDlgs.h"
#include "platform/Messaggi.h"
#include "users/StampaRegistro.h"
#include "users/Utenti.h"
#include "users/VistaRegistro.h"

#include <QChart>
#include <QChartView>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPrinter>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>

namespace {

// The menu's warm peach and the labels' dark grey, as in the records viewer.
const QColor kSfondoProgetto(0xFF, 0xE0, 0xC0);
const QColor kTesto(0x33, 0x33, 0x33);

// Texts at 1024 x 768, grown with a taller screen.
constexpr double kPuntiTesto = 12;
constexpr double kPuntiTitolo = 16;
constexpr double kPuntiGrafici = 10;

QString testo(const char *chiave)
{
    return MLSGetText(QLatin1String(chiave));
}

// A label's text as an accessible name: no colon, no mnemonic.
QString nomeAccessibile(QString t)
{
    t.remove(QLatin1Char('&'));
    while (t.endsWith(QLatin1Char(':')) || t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    return t;
}

bool linguaItaliana()
{
    return LinguaCorrente().compare(QLatin1String("Italiano"), Qt::CaseInsensitive) == 0
        || MLSGetText(QStringLiteral("0003")) == QLatin1String("1040");
}

QLocale localeProgressi()
{
    return VistaRegistro::localeDate(linguaItaliana());
}

} // namespace

namespace TestiProgressi {

QString nomeEsercizio(const QString &esercizio)
{
    const QString chiave = chiaveNomeEsercizioStoria(esercizio);
    const QString nome = chiave.isEmpty() ? QString() : MLSGetText(chiave);
    return nome.isEmpty() ? esercizio : nome;
}

QString nomeModo(int modoInput)
{
    switch (modoInput) {
    case IngressoMouse:
        return testo("0455");
    case IngressoScansioneManuale:
        return testo("0456");
    case IngressoScansioneAutomatica:
        return testo("0457");
    case IngressoTastiera:
        return testo("0458");
    default:
        return QString::number(modoInput);
    }
}

TestiCsv csv()
{
    TestiCsv t;
    for (const char *chiave : {"0443", "0444", "0445", "0446", "0447", "0448", "0449", "0450", "0451", "0452", "0453",
                               "0454"})
        t.intestazioni << testo(chiave);
    t.nomeEsercizio = &nomeEsercizio;
    t.nomeModo = &nomeModo;
    return t;
}

} // namespace TestiProgressi

FormProgressi::FormProgressi(QWidget *parent)
    : QMainWindow(parent)
    , m_oggi(QDate::currentDate())
{
    setObjectName(QStringLiteral("FormProgressi"));
    m_area = new QWidget(this);
    m_area->setObjectName(QStringLiteral("areaControlli"));
    setCentralWidget(m_area);
    creaControlli();
    applicaTesti();
    resize(1024, 768);
}

FormProgressi::~FormProgressi() = default;

void FormProgressi::creaControlli()
{
    auto etichetta = [this](const char *nome) {
        auto *e = new QLabel(m_area);
        e->setObjectName(QLatin1String(nome));
        e->setTextFormat(Qt::PlainText);
        return e;
    };
    auto elenco = [this](const char *nome) {
        auto *c = new QComboBox(m_area);
        c->setObjectName(QLatin1String(nome));
        c->setSizeAdjustPolicy(QComboBox::AdjustToContents);
        return c;
    };
    auto pulsante = [this](const char *nome) {
        auto *p = new QPushButton(m_area);
        p->setObjectName(QLatin1String(nome));
        p->setAutoDefault(true);
        return p;
    };

    m_lblTitolo = etichetta("lblTitolo");
    m_cmdEsporta = pulsante("cmdEsporta");
    m_cmdStampa = pulsante("cmdStampa");
    m_cmdEsci = pulsante("cmdEsci");
    m_lblGiocatore = etichetta("lblGiocatore");
    m_cboGiocatore = elenco("cboGiocatore");
    m_lblPeriodo = etichetta("lblPeriodo");
    m_cboPeriodo = elenco("cboPeriodo");
    m_lblEsercizio = etichetta("lblEsercizio");
    m_cboEsercizio = elenco("cboEsercizio");
    m_lblGiocatore->setBuddy(m_cboGiocatore);
    m_lblPeriodo->setBuddy(m_cboPeriodo);
    m_lblEsercizio->setBuddy(m_cboEsercizio);

    for (int f = 0; f < 3; ++f) {
        auto *vista = new QChartView(m_area);
        vista->setObjectName(QStringLiteral("grafico%1").arg(f));
        vista->setRenderHint(QPainter::Antialiasing);
        vista->setFocusPolicy(Qt::NoFocus);
        vista->setMinimumHeight(180);
        m_grafici[f] = vista;
    }
    m_lblNota = etichetta("lblNota");
    m_lblNota->setWordWrap(true);
    m_lblNota->setAlignment(Qt::AlignCenter);
    m_lblNota->hide();
    m_tabella = new QTableWidget(0, 4, m_area);
    m_tabella->setObjectName(QStringLiteral("tabella"));
    m_tabella->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_tabella->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_tabella->setSelectionMode(QAbstractItemView::SingleSelection);
    m_tabella->setTabKeyNavigation(false);
    m_tabella->verticalHeader()->hide();
    m_tabella->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    m_tabella->setAlternatingRowColors(true);

    auto *colonna = new QVBoxLayout(m_area);
    colonna->setContentsMargins(16, 10, 16, 12);
    colonna->setSpacing(8);
    auto *testa = new QHBoxLayout;
    testa->addWidget(m_lblTitolo, 1);
    testa->addWidget(m_cmdEsporta);
    testa->addWidget(m_cmdStampa);
    testa->addWidget(m_cmdEsci);
    colonna->addLayout(testa);
    auto *scelte = new QHBoxLayout;
    scelte->setSpacing(8);
    for (auto [e, c] : {std::pair<QLabel *, QComboBox *>{m_lblGiocatore, m_cboGiocatore},
                        {m_lblPeriodo, m_cboPeriodo},
                        {m_lblEsercizio, m_cboEsercizio}}) {
        scelte->addWidget(e);
        scelte->addWidget(c);
        scelte->addSpacing(16);
    }
    scelte->addStretch(1);
    colonna->addLayout(scelte);
    auto *grafici = new QHBoxLayout;
    grafici->setSpacing(8);
    for (QChartView *v : m_grafici)
        grafici->addWidget(v, 1);
    colonna->addLayout(grafici, 3);
    colonna->addWidget(m_lblNota);
    colonna->addWidget(m_tabella, 2);

    // The keys go through the choices, the table, then the buttons.
    setTabOrder(m_cboGiocatore, m_cboPeriodo);
    setTabOrder(m_cboPeriodo, m_cboEsercizio);
    setTabOrder(m_cboEsercizio, m_tabella);
    setTabOrder(m_tabella, m_cmdEsporta);
    setTabOrder(m_cmdEsporta, m_cmdStampa);
    setTabOrder(m_cmdStampa, m_cmdEsci);

    connect(m_cboGiocatore, &QComboBox::currentIndexChanged, this, [this] {
        if (m_attivata)
            caricaGiocatore();
    });
    connect(m_cboPeriodo, &QComboBox::currentIndexChanged, this, [this] {
        if (m_attivata)
            aggiornaPeriodo();
    });
    connect(m_cboEsercizio, &QComboBox::currentIndexChanged, this, [this] {
        if (m_attivata)
            aggiornaEsercizio();
    });
    connect(m_cmdEsporta, &QPushButton::clicked, this, &FormProgressi::cmdEsporta_Click);
    connect(m_cmdStampa, &QPushButton::clicked, this, &FormProgressi::cmdStampa_Click);
    connect(m_cmdEsci, &QPushButton::clicked, this, &FormProgressi::cmdEsci_Click);
}

void FormProgressi::applicaTesti()
{
    setWindowTitle(testo("0430"));
    setAccessibleName(testo("0430"));
    m_lblGiocatore->setText(testo("0431"));
    m_lblPeriodo->setText(testo("0432"));
    m_lblEsercizio->setText(testo("0433"));
    m_cboGiocatore->setAccessibleName(nomeAccessibile(testo("0431")));
    m_cboPeriodo->setAccessibleName(nomeAccessibile(testo("0432")));
    m_cboEsercizio->setAccessibleName(nomeAccessibile(testo("0433")));
    m_cmdEsporta->setText(testo("0440"));
    m_cmdStampa->setText(testo("0441"));
    m_cmdEsci->setText(testo("0442"));
    for (QPushButton *p : {m_cmdEsporta, m_cmdStampa, m_cmdEsci})
        p->setAccessibleName(nomeAccessibile(p->text()));
    const char *figure[3] = {"0437", "0438", "0439"};
    for (int f = 0; f < 3; ++f)
        m_grafici[f]->setAccessibleName(testo("0465").arg(testo(figure[f])));
    m_tabella->setAccessibleName(testo("0466"));
    m_tabella->setHorizontalHeaderLabels({testo("0443"), testo("0437"), testo("0438"), testo("0439")});
    {
        const QSignalBlocker blocco(m_cboPeriodo);
        m_cboPeriodo->clear();
        m_cboPeriodo->addItem(testo("0434"), int(PeriodoProgressi::QuattroSettimane));
        m_cboPeriodo->addItem(testo("0435"), int(PeriodoProgressi::AnnoScolastico));
        m_cboPeriodo->addItem(testo("0436"), int(PeriodoProgressi::Tutto));
    }
}

void FormProgressi::applicaAspetto()
{
    const Impostazioni &imp = Stato().imp;
    m_sfondo = imp.ColoriVari ? kSfondoProgetto : coloreVB(imp.ColoreSfondo);
    QPalette tavolozza = m_area->palette();
    tavolozza.setColor(QPalette::Window, m_sfondo);
    tavolozza.setColor(QPalette::WindowText, kTesto);
    m_area->setPalette(tavolozza);
    m_area->setAutoFillBackground(true);

    const double fattore = std::max(1.0, height() / 768.0);
    m_carattere = QFont(QStringLiteral("Arial"));
    m_carattere.setPointSizeF(kPuntiTesto * fattore);
    for (QWidget *w : m_area->findChildren<QWidget *>())
        w->setFont(m_carattere);
    QFont titolo = m_carattere;
    titolo.setPointSizeF(kPuntiTitolo * fattore);
    titolo.setBold(true);
    m_lblTitolo->setFont(titolo);
    QFont intestazioni = m_carattere;
    intestazioni.setBold(true);
    m_tabella->horizontalHeader()->setFont(intestazioni);
    // Buttons as large as a finger-friendly target at any size of text.
    const QFontMetrics misure(m_carattere);
    for (QPushButton *p : {m_cmdEsporta, m_cmdStampa, m_cmdEsci})
        p->setMinimumSize(misure.horizontalAdvance(p->text()) + 2 * misure.height(), misure.height() * 2);
    m_tabella->verticalHeader()->setDefaultSectionSize(misure.height() * 3 / 2);
    m_carattere.setPointSizeF(kPuntiGrafici * fattore);
}

void FormProgressi::showEvent(QShowEvent *evento)
{
    QMainWindow::showEvent(evento);
    if (!m_primaApertura)
        return;
    m_primaApertura = false;
    QTimer::singleShot(0, this, &FormProgressi::Form_Activate);
}

void FormProgressi::Form_Activate()
{
    mostraASchermoIntero(this);
    applicaAspetto();
    const StatoProgramma &stato = Stato();
    const QList<VoceUtente> utenti =
        elencoUtenti(Percorsi::cartellaPinnole(), stato.imp.StileTesto == QLatin1String("maiuscolo"));
    {
        const QSignalBlocker blocco(m_cboGiocatore);
        m_cboGiocatore->clear();
        for (const VoceUtente &u : utenti)
            m_cboGiocatore->addItem(u.testo, u.nome);
        int corrente = indiceUtente(utenti, stato.UtenteCorrente);
        if (corrente < 0) {
            // A current player without a settings file yet is still the one shown.
            m_cboGiocatore->insertItem(0, nomeMostrato(stato.UtenteCorrente), stato.UtenteCorrente);
            corrente = 0;
        }
        m_cboGiocatore->setCurrentIndex(corrente);
    }
    m_attivata = true;
    avvisaStorieMesseDaParte();
    caricaGiocatore();
    m_cboGiocatore->setFocus(Qt::OtherFocusReason);
}

void FormProgressi::avvisaStorieMesseDaParte()
{
    // Histories moved aside while a child played are said here, once.
    StatoProgramma &stato = Stato();
    const auto avvisi = std::exchange(stato.StorieMesseDaParte, {});
    for (const auto &[utente, nome] : avvisi)
        messaggi().mostra(testo("0459").arg(nomeMostrato(utente), QDir::toNativeSeparators(nome)), titoloProgramma(),
                          IconaMessaggio::Informazione);
}

QString FormProgressi::giocatore() const
{
    return m_cboGiocatore->currentData().toString();
}

void FormProgressi::caricaGiocatore()
{
    m_tutti.clear();
    const QString utente = giocatore();
    const QString percorso = percorsoStoria(utente);
    // A player who never played has no history, and looking makes none.
    if (!percorso.isEmpty() && (QFileInfo::exists(percorso) || QFileInfo(percorso).isSymLink())) {
        StoriaProgressi storia(percorso);
        switch (storia.apri()) {
        case StoriaProgressi::Esito::Aperta:
        case StoriaProgressi::Esito::Nuova:
            m_tutti = storia.segmenti();
            break;
        case StoriaProgressi::Esito::MessaDaParte:
            messaggi().mostra(testo("0459").arg(m_cboGiocatore->currentText(),
                                                QDir::toNativeSeparators(storia.messaDaParte())),
                              titoloProgramma(), IconaMessaggio::Informazione);
            break;
        case StoriaProgressi::Esito::Impossibile:
            messaggi().mostra(testo("0460").arg(m_cboGiocatore->currentText()), titoloProgramma(),
                              IconaMessaggio::Critico);
            break;
        }
    }
    aggiornaPeriodo();
}

QDate FormProgressi::dal() const
{
    return inizioPeriodo(PeriodoProgressi(m_cboPeriodo->currentData().toInt()), m_oggi);
}

QString FormProgressi::testoPeriodo() const
{
    QDate inizio = dal();
    if (!inizio.isValid())
        inizio = m_periodo.isEmpty() ? m_oggi : m_periodo.constFirst().inizio.date();
    const QLocale locale = localeProgressi();
    return testo("0464").arg(locale.toString(inizio, QLocale::ShortFormat),
                             locale.toString(m_oggi, QLocale::ShortFormat));
}

void FormProgressi::aggiornaPeriodo()
{
    const QDate inizio = dal();
    m_periodo.clear();
    for (const SegmentoStoria &s : std::as_const(m_tutti)) {
        if (!inizio.isValid() || s.inizio.date() >= inizio)
            m_periodo.append(s);
    }
    m_riepilogo = riepilogoProgressi(m_periodo);
    m_lblTitolo->setText(testo("0463").arg(m_cboGiocatore->currentText()) + QStringLiteral(" \u2013 ")
                         + testoPeriodo());

    // Every exercise of the menu is offered; the one shown stays when it
    // can, else the first one played in the period.
    const QString prima = esercizioScelto();
    QStringList nomi = eserciziInOrdine();
    for (const EsercizioProgressi &e : std::as_const(m_riepilogo)) {
        if (!nomi.contains(e.esercizio))
            nomi << e.esercizio;
    }
    {
        const QSignalBlocker blocco(m_cboEsercizio);
        m_cboEsercizio->clear();
        for (const QString &n : std::as_const(nomi))
            m_cboEsercizio->addItem(TestiProgressi::nomeEsercizio(n), n);
        int scelto = prima.isEmpty() ? -1 : m_cboEsercizio->findData(prima);
        if (scelto < 0)
            scelto = m_riepilogo.isEmpty() ? 0 : m_cboEsercizio->findData(m_riepilogo.constFirst().esercizio);
        m_cboEsercizio->setCurrentIndex(scelto);
    }
    m_cmdEsporta->setEnabled(!m_periodo.isEmpty());
    m_cmdStampa->setEnabled(!m_periodo.isEmpty());
    aggiornaEsercizio();
}

QString FormProgressi::esercizioScelto() const
{
    return m_cboEsercizio->currentData().toString();
}

void FormProgressi::aggiornaEsercizio()
{
    const QString esercizio = esercizioScelto();
    QList<GiornoProgressi> giorni;
    for (const EsercizioProgressi &e : std::as_const(m_riepilogo)) {
        if (e.esercizio == esercizio)
            giorni = e.giorni;
    }
    StileGrafici stile;
    stile.sfondo = m_sfondo;
    stile.testo = kTesto;
    stile.carattere = m_carattere;
    stile.locale = localeProgressi();
    stile.dal = dal();
    stile.al = m_oggi;
    const char *figure[3] = {"0437", "0438", "0439"};
    for (int f = 0; f < 3; ++f) {
        QChart *vecchio = m_grafici[f]->chart();
        m_grafici[f]->setChart(creaGraficoProgressi(FiguraProgressi(f), giorni, testo(figure[f]), stile));
        delete vecchio;
    }

    m_tabella->setUpdatesEnabled(false);
    m_tabella->setRowCount(int(giorni.size()));
    const QLocale locale = stile.locale;
    // Newest first: the latest days are what a teacher looks for.
    for (int r = 0; r < giorni.size(); ++r) {
        const GiornoProgressi &g = giorni.at(giorni.size() - 1 - r);
        const QStringList celle = {locale.toString(g.data, QLocale::ShortFormat), QString::number(g.livelloMassimo),
                                   testoQuota(g.quotaEsatte(), locale), testoPerDieci(g.ignoratePerDieci(), locale)};
        for (int c = 0; c < celle.size(); ++c) {
            auto *cella = new QTableWidgetItem(celle.at(c));
            cella->setTextAlignment(c == 0 ? Qt::AlignLeft | Qt::AlignVCenter : Qt::AlignCenter);
            m_tabella->setItem(r, c, cella);
        }
    }
    m_tabella->setUpdatesEnabled(true);
    m_lblNota->setText(testo("0461").arg(m_cboGiocatore->currentText()));
    m_lblNota->setVisible(giorni.isEmpty());
}

ProgressiDaStampare FormProgressi::progressiDaStampare() const
{
    ProgressiDaStampare p;
    p.intestazione = testo("0463").arg(m_cboGiocatore->currentText());
    p.periodo = testoPeriodo();
    p.esercizi = m_riepilogo;
    p.nomeEsercizio = &TestiProgressi::nomeEsercizio;
    p.titoliFigure = {testo("0437"), testo("0438"), testo("0439")};
    p.intestazioneData = testo("0443");
    p.formatoPagina = testo("0468");
    p.locale = localeProgressi();
    p.dal = dal();
    p.al = m_oggi;
    return p;
}

QByteArray FormProgressi::csv() const
{
    return csvProgressi(m_periodo, TestiProgressi::csv(), localeProgressi());
}

void FormProgressi::cmdEsporta_Click()
{
    QString titolo = m_cmdEsporta->text();
    titolo.remove(QLatin1Char('&'));
    const QString nome = testo("0463").arg(nomeMostrato(giocatore())) + QStringLiteral(".csv");
    const QString percorso = ScegliFile(this, 2, titolo, nome, testo("0467") + QStringLiteral("|*.csv"),
                                        QDir::homePath(), QStringLiteral("csv"));
    if (percorso.isEmpty())
        return; // cancelled
    if (!TestoFile::scriviByte(percorso, csv())) {
        messaggi().mostra(testo("0462").arg(QDir::toNativeSeparators(percorso)), titoloProgramma(),
                          IconaMessaggio::Critico);
        return;
    }
    messaggi().mostra(testo("0469").arg(m_cboGiocatore->currentText(), QDir::toNativeSeparators(percorso)),
                      titoloProgramma(), IconaMessaggio::Informazione);
}

void FormProgressi::cmdStampa_Click()
{
    const ProgressiDaStampare pagine = progressiDaStampare();
    QString dettaglio;
    const EsitoLavoro esito = stampaPaginePredefinita(
        this, pagine.intestazione, [&pagine](QPrinter &uscita) { return StampaProgressi(uscita, pagine); },
        &dettaglio);
    if (esito == EsitoLavoro::NonAvviato || esito == EsitoLavoro::NonStampato) {
        QString messaggio = MLSGetText(QStringLiteral("0098"));
        if (!dettaglio.isEmpty())
            messaggio += QStringLiteral("\n\n") + dettaglio;
        messaggi().mostra(messaggio, titoloProgramma(), IconaMessaggio::Critico);
    }
}

void FormProgressi::cmdEsci_Click()
{
    m_versoMenu = true;
    apriMenu();
    close();
}

void FormProgressi::keyPressEvent(QKeyEvent *evento)
{
    if (evento->key() == Qt::Key_Escape) {
        cmdEsci_Click();
        return;
    }
    QMainWindow::keyPressEvent(evento);
}

void FormProgressi::closeEvent(QCloseEvent *evento)
{
    // However the window is closed, the menu comes back.
    if (!m_versoMenu) {
        m_versoMenu = true;
        apriMenu();
    }
    QMainWindow::closeEvent(evento);
}
