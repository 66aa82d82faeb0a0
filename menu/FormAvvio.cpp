#include "menu/FormAvvio.h"

#include "core/Percorsi.h"
#include "core/Lingua.h"
#include "core/TraduciFinestra.h"
#include "framework/Navigazione.h"
#include "framework/Pulsante.h"
#include "layout/PosizioneTwips.h"
#include "layout/clsResize.h"
#include "menu/Immagine.h"
#include "menu/LogicaMenu.h"
#include "menu/TastiPulsante.h"
#include "platform/Moduli.h"
#include "platform/Voce.h"

#include <QLabel>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

#include <cmath>

namespace {

constexpr int kLarghezzaTwips = 9600;
constexpr int kAltezzaTwips = 7200;
constexpr int kPuntiTitolo = 120;

// Design background 00FFFF (00BBGGRR): yellow, under the gradient.
const QColor kSfondoProgetto(0xFF, 0xFF, 0x00);

QFont fontAvvio(int punti)
{
    // The round face the splash is measured with (fonts-urw-base35). One
    // name, so that where it is missing fontconfig's aliases pick a face with
    // the same metrics (TeX Gyre Adventor, ITC Avant Garde Gothic) before any
    // other.
    QFont carattere(QStringLiteral("URW Gothic"));
    carattere.setPointSize(punti);
    carattere.setBold(true);
    return carattere;
}

} // namespace

FormAvvio::FormAvvio(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FormAvvio"));
    setWindowTitle(QStringLiteral("Pinnole"));
    setAccessibleName(QStringLiteral("Pinnole"));
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, kSfondoProgetto);
    setPalette(tavolozza);
    // The bands cover every pixel (the first starts above the top, the last
    // reaches the bottom), so nothing is filled under them first: at full
    // screen each fill is a whole screen of pixels.
    setAttribute(Qt::WA_OpaquePaintEvent);

    m_image1 = new Immagine(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    // The first picture of the program: kept rendered, so a returning
    // player's splash copies it instead of drawing it again.
    m_image1->setConservato(true);
    m_image1->setFile(Percorsi::programma(QStringLiteral("immagini/avvio.svg")));
    posizionaTwips(m_image1, 5760, 1440, 3480, 3600);

    const char *testi[2] = {"Pinnole", "03/12/2005"};
    for (int i = 0; i < 2; ++i) {
        auto *etichetta = new QLabel(QString::fromUtf8(testi[i]), this);
        etichetta->setObjectName(QStringLiteral("Label2"));
        etichetta->setProperty("index", i);
        etichetta->setFont(fontAvvio(i == 0 ? kPuntiTitolo : 18));
        QPalette colori = etichetta->palette();
        colori.setColor(QPalette::WindowText, i == 0 ? QColor(0xC6, 0x28, 0x28) : QColor(0x1B, 0x5E, 0x20));
        etichetta->setPalette(colori);
        m_label2[i] = etichetta;
    }
    m_label2[0]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    posizionaTwips(m_label2[0], 360, 600, 8655, 3135);
    m_label2[1]->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    posizionaTwips(m_label2[1], 6360, 5880, 2880, 555);

    m_command1 = new Pulsante(this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setToolTip(QStringLiteral("Entra"));
    m_command1->setImmagine(Percorsi::programma(QStringLiteral("immagini/freccia.svg")));
    m_command1->setColoreSfondo(QColor(0xFF, 0xD2, 0x4D));
    m_command1->setCursor(Qt::PointingHandCursor);
    posizionaTwips(m_command1, 2640, 5280, 3375, 1455);
    attivaConTasti(m_command1);
    connect(m_command1, &QPushButton::clicked, this, &FormAvvio::Command1_Click);

    dimensionaInternoTwips(this, kLarghezzaTwips, kAltezzaTwips);

    // Loading: translation and rescaling.
    MLSTranslateForm(this);
    m_image1->setAccessibleName(MLSGetText(QStringLiteral("0310")));
    m_label2[0]->setAccessibleName(MLSGetText(QStringLiteral("0311")));
    m_label2[1]->setAccessibleName(MLSGetText(QStringLiteral("0312")));
    m_command1->setAccessibleName(m_command1->toolTip());
    m_ridimensiona = new clsResize(this);
    m_ridimensiona->setSourceForm(this);
    m_ridimensiona->SizeFormToScreen(75);
    // Shown straight at its final full-screen size: laid out and painted once
    // there, not first at the loading size and again when activated.
    QScreen *schermo = screen() ? screen() : QGuiApplication::primaryScreen();
    if (schermo)
        setGeometry(schermo->geometry());
    setWindowState(windowState() | Qt::WindowFullScreen);
    m_ridimensiona->ResizeControls();
}

QLabel *FormAvvio::Label2(int indice) const
{
    return (indice == 0 || indice == 1) ? m_label2[indice] : nullptr;
}

void FormAvvio::showEvent(QShowEvent *evento)
{
    QWidget::showEvent(evento);
    if (!m_primaApertura)
        return;
    m_primaApertura = false;
    QTimer::singleShot(0, this, &FormAvvio::Form_Activate);
}

void FormAvvio::Form_Activate()
{
    // Already full-screen and laid out, unless something moved it since.
    mostraASchermoIntero(this);
    m_ridimensiona->ResizeControls();
    m_command1->setFocus(Qt::OtherFocusReason);
    m_attivata = true;
}

void FormAvvio::resizeEvent(QResizeEvent *evento)
{
    QWidget::resizeEvent(evento);
    adattaTitolo();
}

void FormAvvio::adattaTitolo()
{
    // The title keeps its design size unless the window is too small for
    // it; then it shrinks to fit its label rather than being cut.
    QLabel *titolo = m_label2[0];
    const QString testo = titolo->text();
    int punti = kPuntiTitolo;
    for (; punti > 12; punti -= 4) {
        const QFontMetrics misura(fontAvvio(punti));
        if (misura.horizontalAdvance(testo) <= titolo->width() && misura.height() <= titolo->height())
            break;
    }
    if (titolo->font().pointSize() != punti)
        titolo->setFont(fontAvvio(punti));
}

void FormAvvio::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QSizeF interno = size();
    for (int i = 0; i < kBandeAvvio; ++i) {
        QRectF banda = rettangoloBanda(i, interno);
        // The last unit of the height has no band of its own: the last band
        // covers it, so no stripe of the design yellow shows at the bottom.
        if (i == kBandeAvvio - 1)
            banda.setBottom(interno.height());
        // In whole rows of pixels, the rows whose centres lie in the band (as
        // the band would be filled anyway): a fractional rectangle goes
        // through the path rasteriser, which hands every band to helper
        // threads.
        const int alto = int(std::ceil(banda.top() - 0.5));
        const int basso = int(std::ceil(banda.bottom() - 0.5));
        const QRect righe = QRect(0, alto, width(), basso - alto).intersected(rect());
        if (!righe.isEmpty())
            p.fillRect(righe, coloreBanda(i));
    }
    if (!m_motorePreparato) {
        // With the splash on the screen the sound output is opened and the
        // speech engine gets ready in the background, so the first answer
        // sound and the first item's voice start as promptly as the next.
        m_motorePreparato = true;
        QTimer::singleShot(0, this, [] {
            apriModulo("audio");
            Voce::preparaMotore();
        });
    }
}

void FormAvvio::Command1_Click()
{
    apriMenu();
    close();
}
