#include "printing/frmStampa.h"

#include "core/Lingua.h"
#include "core/TraduciFinestra.h"
#include "layout/PosizioneTwips.h"
#include "platform/Messaggi.h"
#include "platform/Modale.h"
#include "platform/Pannello.h"
#include "printing/AccessoStampante.h"
#include "printing/FiguraStampabile.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int kLarghezzaTwips = 9600;
constexpr int kAltezzaTwips = 6240;
const QString kTitoloErrore = QStringLiteral("StampaFPB");

} // namespace

// The white sheet of the drawing with the object drawn where it will print.
class AnteprimaFoglio : public QWidget
{
public:
    explicit AnteprimaFoglio(QWidget *parent)
        : QWidget(parent)
    {
        setObjectName(QStringLiteral("picPreview"));
    }
    void imposta(const Stampabile *oggetto, const QRect &rettangolo)
    {
        m_oggetto = oggetto;
        m_rettangolo = rettangolo;
        update();
    }
    QRect rettangolo() const { return m_rettangolo; }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        if (m_oggetto && m_oggetto->disegna && m_rettangolo.width() > 0 && m_rettangolo.height() > 0) {
            p.setRenderHint(QPainter::SmoothPixmapTransform);
            p.setRenderHint(QPainter::Antialiasing);
            p.setClipRect(rect());
            m_oggetto->disegna(p, QRectF(m_rettangolo));
        }
    }

private:
    const Stampabile *m_oggetto = nullptr;
    QRect m_rettangolo;
};

// The up-down beside a field: two arrows that step its value by 1 within
// its range and write it into the field.
class SuGiu : public QWidget
{
public:
    SuGiu(QWidget *parent, const QString &nome, QLineEdit *campo, int minimo, int massimo,
          std::function<void()> dopo)
        : QWidget(parent)
        , m_campo(campo)
        , m_minimo(minimo)
        , m_massimo(massimo)
        , m_dopo(std::move(dopo))
    {
        setObjectName(nome);
        auto *colonna = new QVBoxLayout(this);
        colonna->setContentsMargins(0, 0, 0, 0);
        colonna->setSpacing(0);
        m_su = new QToolButton(this);
        m_su->setArrowType(Qt::UpArrow);
        m_giu = new QToolButton(this);
        m_giu->setArrowType(Qt::DownArrow);
        for (QToolButton *b : {m_su, m_giu}) {
            b->setAutoRepeat(true);
            b->setFocusPolicy(Qt::NoFocus);
            b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
            colonna->addWidget(b);
        }
        connect(m_su, &QToolButton::clicked, this, [this] { passo(1); });
        connect(m_giu, &QToolButton::clicked, this, [this] { passo(-1); });
    }
    void nomina()
    {
        m_su->setAccessibleName(MLSGetText(QStringLiteral("0347")));
        m_giu->setAccessibleName(MLSGetText(QStringLiteral("0348")));
    }
    void passo(int verso)
    {
        const int valore = limitaValore(m_campo->text().toDouble() + verso, m_minimo, m_massimo);
        m_campo->setText(QString::number(valore));
        if (m_dopo)
            m_dopo();
    }
    QToolButton *su() const { return m_su; }
    QToolButton *giu() const { return m_giu; }

private:
    QLineEdit *m_campo;
    int m_minimo;
    int m_massimo;
    std::function<void()> m_dopo;
    QToolButton *m_su = nullptr;
    QToolButton *m_giu = nullptr;
};

frmStampa &frmStampa::istanza()
{
    static QPointer<frmStampa> finestra;
    if (!finestra)
        finestra = new frmStampa;
    return *finestra;
}

frmStampa::frmStampa(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("frmStampa"));
    setWindowTitle(QStringLiteral("Stampa"));
    setModal(true);
    creaControlli();
    setFixedSize(kLarghezzaTwips / 15, kAltezzaTwips / 15);
}

frmStampa::~frmStampa() = default;

QWidget *frmStampa::picPreview() const
{
    return m_picPreview;
}

void frmStampa::creaControlli()
{
    QFont carattere = font();
    carattere.setPointSize(10);
    setFont(carattere);

    auto etichetta = [](QWidget *genitore, const QString &nome, const QString &testo, int l, int t, int w, int h,
                        Qt::Alignment allineamento = Qt::AlignLeft | Qt::AlignVCenter) {
        auto *e = new QLabel(testo, genitore);
        e->setObjectName(nome);
        e->setAlignment(allineamento);
        posizionaTwips(e, l, t, w, h);
        return e;
    };
    auto pulsante = [](QWidget *genitore, const QString &nome, const QString &testo, int l, int t, int w, int h) {
        auto *b = new QPushButton(testo, genitore);
        b->setObjectName(nome);
        posizionaTwips(b, l, t, w, h);
        return b;
    };
    auto campo = [this](QWidget *genitore, const QString &nome, int l, int t, int w, int h) {
        auto *c = new QLineEdit(genitore);
        c->setObjectName(nome);
        c->setAlignment(Qt::AlignRight);
        c->installEventFilter(this);
        posizionaTwips(c, l, t, w, h);
        return c;
    };
    auto gruppo = [](QWidget *genitore, const QString &nome, const QString &testo, int l, int t, int w, int h) {
        auto *g = new QGroupBox(testo, genitore);
        g->setObjectName(nome);
        posizionaTwips(g, l, t, w, h);
        return g;
    };

    // Printer.
    m_frame1 = gruppo(this, QStringLiteral("Frame1"), QStringLiteral("Stampante"), 120, 90, 9360, 900);
    m_label1 = etichetta(m_frame1, QStringLiteral("Label1"), QStringLiteral("Nome:"), 240, 390, 840, 360);
    m_label1->installEventFilter(this);
    m_cboPrinterNames = new QComboBox(m_frame1);
    m_cboPrinterNames->setObjectName(QStringLiteral("cboPrinterNames"));
    posizionaTwips(m_cboPrinterNames, 1080, 360, 6180, 405);
    connect(m_cboPrinterNames, qOverload<int>(&QComboBox::activated), this, &frmStampa::cboPrinterNames_Click);
    m_cmdProprieta = pulsante(m_frame1, QStringLiteral("cmdProprieta"), QStringLiteral("&Proprietà"), 7440, 330, 1740,
                              465);
    connect(m_cmdProprieta, &QPushButton::clicked, this, &frmStampa::cmdProprieta_Click);

    // The sheet.
    m_frame2 = gruppo(this, QStringLiteral("Frame2"), QStringLiteral("Foglio"), 120, 1110, 3600, 4200);
    m_posizioneFoglio = QPoint(52, 30);
    m_shpFoglio = new QWidget(m_frame2);
    m_shpFoglio->setObjectName(QStringLiteral("shpFoglio"));
    m_shpFoglio->setStyleSheet(QStringLiteral("background-color: #8a8f99; border-radius: 2px;"));
    m_shpBordo = new QWidget(m_frame2);
    m_shpBordo->setObjectName(QStringLiteral("shpBordo"));
    m_shpBordo->setStyleSheet(QStringLiteral("background-color: #2b2b2b;"));
    m_picPreview = new AnteprimaFoglio(m_frame2);
    m_lblStampaInCorso = etichetta(m_frame2, QStringLiteral("lblStampaInCorso"), QStringLiteral("Stampa in corso..."),
                                   600, 1500, 2400, 420, Qt::AlignCenter);
    m_lblStampaInCorso->setStyleSheet(
        QStringLiteral("background-color: #ffff00; color: #000000; border: 1px solid #000000; font-weight: bold;"));
    m_lblStampaInCorso->hide();
    etichetta(m_frame2, QStringLiteral("Label3"), QStringLiteral("Larghezza:"), 360, 2640, 1200, 330);
    m_lblFgW = etichetta(m_frame2, QStringLiteral("lblFgW"), QString(), 1440, 2640, 900, 330,
                         Qt::AlignRight | Qt::AlignVCenter);
    etichetta(m_frame2, QStringLiteral("Label5"), QStringLiteral("[mm]"), 2400, 2640, 720, 330);
    etichetta(m_frame2, QStringLiteral("Label4"), QStringLiteral("Altezza:"), 360, 2970, 1200, 330);
    m_lblFgH = etichetta(m_frame2, QStringLiteral("lblFgH"), QString(), 1440, 2970, 900, 330,
                         Qt::AlignRight | Qt::AlignVCenter);
    etichetta(m_frame2, QStringLiteral("Label6"), QStringLiteral("[mm]"), 2400, 2970, 720, 330);
    m_lblFuoriFoglio = etichetta(m_frame2, QStringLiteral("lblFuoriFoglio"), QStringLiteral("Stampa fuori foglio"), 240,
                                 3450, 3120, 450, Qt::AlignCenter);
    m_lblFuoriFoglio->setAutoFillBackground(true);
    {
        QFont f = m_lblFuoriFoglio->font();
        f.setBold(true);
        m_lblFuoriFoglio->setFont(f);
    }
    m_lblFuoriFoglio->hide();

    // Margins.
    m_frame3 = gruppo(this, QStringLiteral("Frame3"), QStringLiteral("Margini di stampa [mm]"), 3840, 1110, 5640, 1500);
    etichetta(m_frame3, QStringLiteral("Label7"), QStringLiteral("Sinistro:"), 240, 390, 1140, 360);
    m_txtPrX = campo(m_frame3, QStringLiteral("txtPrX"), 1380, 360, 900, 405);
    m_updPrX = new SuGiu(m_frame3, QStringLiteral("updPrX"), m_txtPrX, kMargineMinimo, kMargineMassimo,
                         [this] { dopoCampo(m_txtPrX); });
    posizionaTwips(m_updPrX, 2280, 360, 300, 405);
    etichetta(m_frame3, QStringLiteral("Label9"), QStringLiteral("Superiore:"), 240, 900, 1140, 360);
    m_txtPrY = campo(m_frame3, QStringLiteral("txtPrY"), 1380, 870, 900, 405);
    m_updPrY = new SuGiu(m_frame3, QStringLiteral("updPrY"), m_txtPrY, kMargineMinimo, kMargineMassimo,
                         [this] { dopoCampo(m_txtPrY); });
    posizionaTwips(m_updPrY, 2280, 870, 300, 405);
    m_chkCentro = new QCheckBox(QStringLiteral("Stampa &al centro"), m_frame3);
    m_chkCentro->setObjectName(QStringLiteral("chkCentro"));
    posizionaTwips(m_chkCentro, 2880, 360, 2640, 405);
    connect(m_chkCentro, &QCheckBox::clicked, this, &frmStampa::chkCentro_Click);
    m_cmdOrigine = pulsante(m_frame3, QStringLiteral("cmdOrigine"), QStringLiteral("&0 / 0"), 2880, 840, 1200, 465);
    m_cmdOrigine->setToolTip(QStringLiteral("Imposta i margini a 0"));
    connect(m_cmdOrigine, &QPushButton::clicked, this, &frmStampa::cmdOrigine_Click);

    // Size.
    m_frame4 = gruppo(this, QStringLiteral("Frame4"), QStringLiteral("Dimensioni di stampa [mm]"), 3840, 2730, 5640, 1500);
    etichetta(m_frame4, QStringLiteral("Label8"), QStringLiteral("Larghezza:"), 240, 390, 1140, 360);
    m_txtPrW = campo(m_frame4, QStringLiteral("txtPrW"), 1380, 360, 900, 405);
    m_updPrW = new SuGiu(m_frame4, QStringLiteral("updPrW"), m_txtPrW, 2, kDimensioneMassima,
                         [this] { dopoCampo(m_txtPrW); });
    posizionaTwips(m_updPrW, 2280, 360, 300, 405);
    etichetta(m_frame4, QStringLiteral("Label10"), QStringLiteral("Altezza:"), 240, 900, 1140, 360);
    m_txtPrH = campo(m_frame4, QStringLiteral("txtPrH"), 1380, 870, 900, 405);
    m_updPrH = new SuGiu(m_frame4, QStringLiteral("updPrH"), m_txtPrH, 2, kDimensioneMassima,
                         [this] { dopoCampo(m_txtPrH); });
    posizionaTwips(m_updPrH, 2280, 870, 300, 405);
    m_chkProporzioni = new QCheckBox(QStringLiteral("&Mantieni proporzioni"), m_frame4);
    m_chkProporzioni->setObjectName(QStringLiteral("chkProporzioni"));
    m_chkProporzioni->setChecked(true);
    posizionaTwips(m_chkProporzioni, 2880, 360, 2640, 405);
    connect(m_chkProporzioni, &QCheckBox::clicked, this, &frmStampa::chkProporzioni_Click);
    m_cmdMax = pulsante(m_frame4, QStringLiteral("cmdMax"), QStringLiteral("Ma&x"), 2880, 840, 1200, 465);
    m_cmdMax->setToolTip(QStringLiteral("Usa tutto il foglio"));
    connect(m_cmdMax, &QPushButton::clicked, this, &frmStampa::cmdMax_Click);

    // Scale and copies.
    m_lblLblScala = etichetta(this, QStringLiteral("lblLblScala"), QStringLiteral("Scala:"), 4080, 4410, 1140, 360);
    m_lblPScala = etichetta(this, QStringLiteral("lblPScala"), QStringLiteral("1 :  "), 5220, 4410, 480, 360,
                            Qt::AlignRight | Qt::AlignVCenter);
    m_txtScala = campo(this, QStringLiteral("txtScala"), 5700, 4380, 1500, 405);
    m_txtScala->setToolTip(QStringLiteral("Nuovo valore + Invio"));
    m_cmdScalaOK = pulsante(this, QStringLiteral("cmdScalaOK"), QStringLiteral("OK"), 7260, 4380, 600, 405);
    m_cmdScalaOK->setToolTip(QStringLiteral("Applica la scala"));
    m_cmdScalaOK->setAutoDefault(false);
    connect(m_cmdScalaOK, &QPushButton::clicked, this, &frmStampa::applicaScala);
    connect(m_txtScala, &QLineEdit::editingFinished, this, &frmStampa::applicaScala);

    m_lblLblNCopie = etichetta(this, QStringLiteral("lblLblNCopie"), QStringLiteral("N. di copie:"), 4080, 4920, 1620,
                               360);
    m_txtNCopies = campo(this, QStringLiteral("txtNCopies"), 5700, 4890, 900, 405);
    m_updNCopies = new SuGiu(this, QStringLiteral("updNCopies"), m_txtNCopies, 1, kCopieMassime, {});
    posizionaTwips(m_updNCopies, 6600, 4890, 300, 405);

    m_cmdStampa = pulsante(this, QStringLiteral("cmdStampa"), QStringLiteral("&Stampa"), 5760, 5520, 1740, 540);
    m_cmdStampa->setDefault(true);
    connect(m_cmdStampa, &QPushButton::clicked, this, &frmStampa::cmdStampa_Click);
    m_cmdChiudi = pulsante(this, QStringLiteral("cmdChiudi"), QStringLiteral("&Chiudi"), 7680, 5520, 1740, 540);
    m_cmdChiudi->setAutoDefault(false);
    connect(m_cmdChiudi, &QPushButton::clicked, this, &frmStampa::cmdChiudi_Click);
    for (QPushButton *b : {m_cmdProprieta, m_cmdOrigine, m_cmdMax})
        b->setAutoDefault(false);

    for (QLineEdit *c : {m_txtPrX, m_txtPrY, m_txtPrW, m_txtPrH, m_txtNCopies})
        connect(c, &QLineEdit::textChanged, this, [this, c] { cambioCampo(c); });
    connect(m_txtScala, &QLineEdit::textEdited, this, [this] {
        if (m_larghezzaStampa > 1 && m_altezzaStampa > 1)
            AggiornaAnteprima();
    });

    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(500);
    connect(m_timer1, &QTimer::timeout, this, &frmStampa::lampeggia);
}

void frmStampa::StampaFPB(QWidget *oggetto, int x, int y, int w, std::optional<double> h,
                          std::optional<int> orientamento, std::optional<QString> titolo, std::optional<double> scala)
{
    m_stampato = false;
    if (m_stampanteCorrente.isEmpty() && !OpenDocPrinter(m_stampanteCorrente, m_impostazioni))
        return;

    auto *figura = qobject_cast<FiguraStampabile *>(oggetto);
    if (!oggetto || (!oggetto->isWindow() && !figura)) {
        QString testo;
        if (oggetto && !oggetto->objectName().isEmpty())
            testo = MLSGetText(QStringLiteral("0356")).arg(oggetto->objectName()) + QStringLiteral("\n\n");
        testo += MLSGetText(QStringLiteral("0357")) + QLatin1Char('\n') + MLSGetText(QStringLiteral("0358"));
        messaggi().mostra(testo, titoloErroreStampa(kTitoloErrore), IconaMessaggio::Critico);
        return;
    }
    if (!h) {
        messaggi().mostra(MLSGetText(QStringLiteral("0359")), titoloErroreStampa(kTitoloErrore),
                          IconaMessaggio::Critico);
        return;
    }

    m_oggetto = oggetto;
    m_figura = figura != nullptr;
    // Twips: the width of a window or picture in its own scale units.
    m_larghezzaOrigine = scala ? float(*scala * w) : float(oggetto->width() * 15);

    // The proportion first, so that filling the size fields keeps it.
    m_proporzione = *h != 0 ? float(w / *h) : 1.0f;
    m_txtPrX->setText(QString::number(x));
    MLSTranslateForm(this);
    nominaControlli();
    m_txtPrY->setText(QString::number(y));
    m_txtPrW->setText(QString::number(w));
    m_txtPrH->setText(QString::number(arrotondaPari(*h)));
    // The width may be the one already in the field, which then reports no
    // change: the scale of the new object is written all the same.
    aggiornaScala();

    if (figura) {
        m_stampabile = figura->stampabile();
    } else {
        const std::optional<QImage> immagine = Legge_Form(oggetto);
        if (!immagine) {
            messaggi().mostra(MLSGetText(QStringLiteral("0360")) + QLatin1Char('\n') + MLSGetText(QStringLiteral("0361")),
                              titoloErroreStampa(kTitoloErrore), IconaMessaggio::Critico);
            liberaOggetto();
            return;
        }
        m_stampabile = stampabileDaImmagine(oggetto->objectName(), *immagine);
    }
    m_titolo = titolo ? *titolo : oggetto->objectName();
    m_orientamento = orientamento.value_or(0);

    QApplication::processEvents();
    preparaApertura();
    // Over a full-screen window it is drawn inside that window, where it is
    // seen and has the keys whatever the compositor does with a second
    // window. Otherwise it is owned, while open, by the window it prints
    // from, so a window manager keeps it above that window and gives it the
    // keys, and the window is active again when it closes. Either way it has
    // no owner afterwards, so it outlives that window and keeps the printer
    // and copies chosen.
    QWidget *finestra = oggetto->window();
    if (finestra->isFullScreen()) {
        eseguiPannello(*this, finestra);
    } else {
        const Qt::WindowFlags tipo = windowFlags();
        setParent(finestra, tipo);
        eseguiModale(*this);
        setParent(nullptr, tipo);
    }
    liberaOggetto();
}

// The names a screen reader says, and the texts composed later, in the
// language the window has just been translated into.
void frmStampa::nominaControlli()
{
    m_didascalia = windowTitle();
    setAccessibleName(m_didascalia);
    m_testoScala = m_lblLblScala->text();
    if (!m_chkProporzioni->isChecked())
        m_lblLblScala->setText(MLSGetText(QStringLiteral("0362")));
    m_picPreview->setAccessibleName(MLSGetText(QStringLiteral("0346")));
    m_cboPrinterNames->setAccessibleName(MLSGetText(QStringLiteral("0349")));
    const std::pair<QLineEdit *, const char *> campi[] = {
        {m_txtPrX, "0350"}, {m_txtPrY, "0351"}, {m_txtPrW, "0352"},
        {m_txtPrH, "0353"}, {m_txtScala, "0354"}, {m_txtNCopies, "0355"},
    };
    for (const auto &[campo, chiave] : campi)
        campo->setAccessibleName(MLSGetText(QLatin1String(chiave)));
    for (SuGiu *s : {m_updPrX, m_updPrY, m_updPrW, m_updPrH, m_updNCopies})
        s->nomina();
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{m_cmdProprieta, m_cmdStampa, m_cmdChiudi,
                                                                       m_chkCentro, m_chkProporzioni})
        b->setAccessibleName(b->text().remove(QLatin1Char('&')));
    // Buttons whose caption is a sign are named by what they do.
    for (QPushButton *b : {m_cmdOrigine, m_cmdMax, m_cmdScalaOK})
        b->setAccessibleName(b->toolTip());
}

// The scale of the object at the print width, in the scale field.
void frmStampa::aggiornaScala()
{
    const QString scala = testoScala(m_larghezzaOrigine, m_larghezzaStampa, QLocale());
    if (m_txtScala->text() != scala)
        m_txtScala->setText(scala);
}

void frmStampa::preparaApertura()
{
    if (const QScreen *schermo = QApplication::primaryScreen()) {
        const QRect area = schermo->availableGeometry();
        move(area.center() - QPoint(width() / 2, height() / 2));
    }
    m_copieSalvate = m_copie;
    m_impostazioniSalvate = m_impostazioni;
    if (m_orientamento == 1 || m_orientamento == 2)
        m_impostazioni.orientamento = m_orientamento;

    const QStringList nomi = stampanti().nomi();
    m_cboPrinterNames->clear();
    m_cboPrinterNames->addItems(nomi);
    const int indice = nomi.lastIndexOf(m_stampanteCorrente);
    m_cboPrinterNames->setCurrentIndex(indice >= 0 ? indice : 0);
    cboPrinterNames_Click(m_cboPrinterNames->currentIndex());

    m_txtNCopies->setText(QString::number(m_copie == 0 ? 1 : m_copie));
    setWindowTitle(QStringLiteral("  ") + m_didascalia + QLatin1Char(' ') + m_titolo);
    m_cmdStampa->setFocus(Qt::OtherFocusReason);
}

void frmStampa::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    m_cmdStampa->setFocus(Qt::OtherFocusReason);
}

void frmStampa::cboPrinterNames_Click(int indice)
{
    if (indice < 0)
        return;
    m_stampanteScelta = m_cboPrinterNames->itemText(indice);
    QString nome = m_stampanteScelta;
    if (!OpenDocPrinter(nome, m_impostazioni))
        return;
    if (const std::optional<FoglioMm> foglio = GetPaperSize(m_stampanteScelta, m_impostazioni)) {
        m_larghezzaFoglio = foglio->larghezza;
        m_altezzaFoglio = foglio->altezza;
        DisegnaFoglio();
    }
}

void frmStampa::DisegnaFoglio()
{
    m_lblFgW->setText(QString::number(m_larghezzaFoglio));
    m_lblFgH->setText(QString::number(m_altezzaFoglio));
    const QSize twips = dimensioniFoglioTwips(m_larghezzaFoglio, m_altezzaFoglio);
    const int sw = arrotondaPari(twips.width() / 15.0);
    const int sh = arrotondaPari(twips.height() / 15.0);
    // Centred in the frame's drawing space, the longer side always 127 pixels.
    const QPoint p = m_posizioneFoglio + QPoint((127 - sw) / 2, (127 - sh) / 2);
    m_shpFoglio->setGeometry(p.x(), p.y(), sw + 8, sh + 8);
    m_shpBordo->setGeometry(p.x() + 3, p.y() + 3, sw + 2, sh + 2);
    m_picPreview->setGeometry(p.x() + 4, p.y() + 4, sw, sh);
    m_lblStampaInCorso->move(m_picPreview->geometry().center()
                             - QPoint(m_lblStampaInCorso->width() / 2, m_lblStampaInCorso->height() / 2));
    AggiornaAnteprima();
}

RettangoloMm frmStampa::rettangoloStampa() const
{
    return {m_margineSinistro, m_margineSuperiore, m_larghezzaStampa, m_altezzaStampa};
}

QRect frmStampa::rettangoloAnteprima() const
{
    return m_picPreview->rettangolo();
}

void frmStampa::AggiornaAnteprima()
{
    if (m_chkCentro->isChecked()) {
        const QPoint margini =
            marginiAlCentro(m_larghezzaFoglio, m_altezzaFoglio, m_larghezzaStampa, m_altezzaStampa);
        scriviCampo(m_txtPrX, margini.x());
        scriviCampo(m_txtPrY, margini.y());
    }
    if (fuoriFoglio(m_larghezzaFoglio, m_altezzaFoglio, rettangoloStampa())) {
        m_lblFuoriFoglio->show();
        if (!m_timer1->isActive()) {
            m_lampeggioRosso = false;
            lampeggia();
            m_timer1->start();
        }
    } else {
        m_lblFuoriFoglio->hide();
        m_timer1->stop();
    }
    m_picPreview->imposta(&m_stampabile, ::rettangoloAnteprima(m_picPreview->size(), m_larghezzaFoglio,
                                                                 m_altezzaFoglio, rettangoloStampa()));
}

void frmStampa::lampeggia()
{
    m_lampeggioRosso = !m_lampeggioRosso;
    QPalette tavolozza = m_lblFuoriFoglio->palette();
    tavolozza.setColor(QPalette::Window, m_lampeggioRosso ? QColor(0xFF, 0, 0) : palette().color(QPalette::Button));
    tavolozza.setColor(QPalette::WindowText, m_lampeggioRosso ? Qt::white : QColor(0xC0, 0, 0));
    m_lblFuoriFoglio->setPalette(tavolozza);
}

void frmStampa::scriviCampo(QLineEdit *campo, int valore)
{
    const QString testo = QString::number(valore);
    if (campo->text() != testo)
        campo->setText(testo);
}

// A field's value changed, typed or written: clamped (the field rewritten
// when it was out of range) and stored. A field just emptied to type a new
// number keeps its emptiness: rewriting it at once would put the lowest value
// in front of what is typed next.
void frmStampa::cambioCampo(QLineEdit *campo)
{
    const double letto = campo->text().toDouble();
    auto limita = [&](int minimo, int massimo) {
        const int valore = limitaValore(letto, minimo, massimo);
        if (!campo->text().isEmpty() && (letto < minimo || letto > massimo))
            campo->setText(QString::number(valore));
        return valore;
    };
    if (campo == m_txtPrW) {
        m_larghezzaStampa = limita(kDimensioneMinima, kDimensioneMassima);
        aggiornaScala();
    } else if (campo == m_txtPrH) {
        m_altezzaStampa = limita(kDimensioneMinima, kDimensioneMassima);
    } else if (campo == m_txtPrX) {
        m_margineSinistro = limita(kMargineMinimo, kMargineMassimo);
    } else if (campo == m_txtPrY) {
        m_margineSuperiore = limita(kMargineMinimo, kMargineMassimo);
    } else if (campo == m_txtNCopies) {
        // Clamped like the other fields: a child typing 1111 must not send 1111 jobs.
        m_copie = limita(0, kCopieMassime);
    }
}

// After a key in a field or a move of its up-down.
void frmStampa::dopoCampo(QLineEdit *campo)
{
    if (campo == m_txtPrW) {
        if (m_chkProporzioni->isChecked())
            scriviCampo(m_txtPrH, arrotondaPari(m_larghezzaStampa / double(m_proporzione)));
    } else if (campo == m_txtPrH) {
        if (m_chkProporzioni->isChecked())
            scriviCampo(m_txtPrW, arrotondaPari(double(m_proporzione) * m_altezzaStampa));
    } else if (campo != m_txtPrX && campo != m_txtPrY) {
        return;
    }
    if (campo == m_txtPrX || campo == m_txtPrY || (m_larghezzaStampa > 1 && m_altezzaStampa > 1))
        AggiornaAnteprima();
}

void frmStampa::applicaScala()
{
    const std::optional<double> n = leggiScala(m_txtScala->text(), QLocale());
    if (!n)
        return;
    const std::optional<QSize> dimensioni = dimensioniPerScala(*n, m_larghezzaOrigine, m_proporzione);
    if (!dimensioni)
        return;
    scriviCampo(m_txtPrW, dimensioni->width());
    scriviCampo(m_txtPrH, dimensioni->height());
    if (m_larghezzaStampa > 1 && m_altezzaStampa > 1)
        AggiornaAnteprima();
}

void frmStampa::chkCentro_Click()
{
    const bool libero = !m_chkCentro->isChecked();
    for (QWidget *w : {static_cast<QWidget *>(m_txtPrX), static_cast<QWidget *>(m_txtPrY),
                       static_cast<QWidget *>(m_updPrX), static_cast<QWidget *>(m_updPrY),
                       static_cast<QWidget *>(m_cmdOrigine)})
        w->setEnabled(libero);
    AggiornaAnteprima();
}

void frmStampa::chkProporzioni_Click()
{
    if (m_chkProporzioni->isChecked()) {
        scriviCampo(m_txtPrH, arrotondaPari(m_larghezzaStampa / double(m_proporzione)));
        m_lblLblScala->setText(m_testoScala);
        m_txtScala->setEnabled(true);
        QApplication::processEvents();
        if (m_larghezzaStampa > 1 && m_altezzaStampa > 1)
            AggiornaAnteprima();
    } else {
        m_lblLblScala->setText(MLSGetText(QStringLiteral("0362")));
        m_txtScala->setEnabled(false);
    }
}

void frmStampa::cmdOrigine_Click()
{
    scriviCampo(m_txtPrX, 0);
    scriviCampo(m_txtPrY, 0);
    AggiornaAnteprima();
}

void frmStampa::cmdMax_Click()
{
    const RettangoloMm r = stampaMassima(m_larghezzaFoglio, m_altezzaFoglio, rettangoloStampa(),
                                         m_chkProporzioni->isChecked(), m_proporzione, m_chkCentro->isChecked());
    scriviCampo(m_txtPrW, r.w);
    scriviCampo(m_txtPrH, r.h);
    scriviCampo(m_txtPrX, r.x);
    scriviCampo(m_txtPrY, r.y);
    AggiornaAnteprima();
}

void frmStampa::cmdProprieta_Click()
{
    m_impostazioni.copie = m_txtNCopies->text().toInt();
    const int prima = m_impostazioni.copie;
    stampanti().proprieta(this, m_stampanteScelta, m_impostazioni);
    if (const std::optional<FoglioMm> foglio = GetPaperSize(m_stampanteScelta, m_impostazioni)) {
        m_larghezzaFoglio = foglio->larghezza;
        m_altezzaFoglio = foglio->altezza;
    }
    if (m_impostazioni.copie != prima)
        m_txtNCopies->setText(QString::number(m_impostazioni.copie));
    // Each copy is a job of its own: the printer is always asked for one.
    m_impostazioni.copie = 1;
    DisegnaFoglio();
}

void frmStampa::cmdStampa_Click()
{
    m_stampanteCorrente = m_stampanteScelta;
    m_lblStampaInCorso->move(m_picPreview->geometry().center()
                             - QPoint(m_lblStampaInCorso->width() / 2, m_lblStampaInCorso->height() / 2));
    m_lblStampaInCorso->show();
    m_lblStampaInCorso->raise();
    QApplication::processEvents();
    const bool riuscita = StampaOggetto(this, m_stampanteCorrente, m_impostazioni, m_stampabile, m_figura,
                                        rettangoloStampa(), m_titolo, m_copie);
    m_lblStampaInCorso->hide();
    // A print that failed or was cancelled leaves the window open.
    if (riuscita) {
        m_stampato = true;
        m_timer1->stop();
        m_chiusuraDaCodice = true;
        accept();
        m_chiusuraDaCodice = false;
    }
}

void frmStampa::cmdChiudi_Click()
{
    m_copie = m_copieSalvate;
    m_impostazioni = m_impostazioniSalvate;
    m_timer1->stop();
    m_chiusuraDaCodice = true;
    reject();
    m_chiusuraDaCodice = false;
}

void frmStampa::liberaOggetto()
{
    m_picPreview->imposta(nullptr, QRect());
    m_stampabile = Stampabile();
    m_oggetto = nullptr;
}

void frmStampa::dimentica()
{
    m_stampanteCorrente.clear();
    m_stampanteScelta.clear();
    m_impostazioni = ImpostazioniStampa();
    m_copie = 0;
}

void frmStampa::closeEvent(QCloseEvent *evento)
{
    // Closed from its title bar: as "Chiudi".
    if (!m_chiusuraDaCodice) {
        m_copie = m_copieSalvate;
        m_impostazioni = m_impostazioniSalvate;
        m_timer1->stop();
    }
    QDialog::closeEvent(evento);
}

void frmStampa::keyPressEvent(QKeyEvent *evento)
{
    // Escape is "Chiudi"; Enter in the scale field applies the scale and
    // does not print.
    if (evento->key() == Qt::Key_Escape) {
        cmdChiudi_Click();
        return;
    }
    if ((evento->key() == Qt::Key_Return || evento->key() == Qt::Key_Enter) && m_txtScala->hasFocus()) {
        applicaScala();
        return;
    }
    QDialog::keyPressEvent(evento);
}

bool frmStampa::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == m_label1 && evento->type() == QEvent::MouseButtonDblClick) {
        m_picPreview->grab().save(QStringLiteral("PicPrev.bmp"), "BMP");
        return true;
    }
    auto *campo = qobject_cast<QLineEdit *>(oggetto);
    if (!campo)
        return QDialog::eventFilter(oggetto, evento);
    if (evento->type() == QEvent::KeyPress) {
        auto *tasto = static_cast<QKeyEvent *>(evento);
        const QString testo = tasto->text();
        if (!testo.isEmpty() && testo.at(0).isPrint()) {
            // Only digits (and in the scale field the decimal point, "." or
            // the locale's own mark) reach the fields.
            const QChar c = testo.at(0);
            bool ammesso = c.isDigit() && c.unicode() < 128;
            if (campo == m_txtScala)
                ammesso = ammesso || c == QLatin1Char('.') || QString(c) == QLocale().decimalPoint();
            if (!ammesso)
                return true;
        }
    } else if (evento->type() == QEvent::KeyRelease && campo != m_txtScala && campo != m_txtNCopies) {
        dopoCampo(campo);
    }
    return QDialog::eventFilter(oggetto, evento);
}
