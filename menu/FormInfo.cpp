#include "menu/FormInfo.h"

#include "core/Lingua.h"
#include "core/Percorsi.h"
#include "core/TraduciFinestra.h"
#include "framework/Navigazione.h"
#include "framework/Pulsante.h"
#include "layout/PosizioneTwips.h"
#include "layout/clsResize.h"
#include "menu/Immagine.h"
#include "menu/LogicaMenu.h"
#include "menu/ModuloNavigate.h"
#include "menu/TastiPulsante.h"

#include <QCloseEvent>
#include <QLabel>
#include <QTimer>

namespace {

constexpr int kLarghezzaTwips = 7200;
constexpr int kAltezzaTwips = 5400;

// Design background C0FFFF (00BBGGRR): light yellow.
const QColor kSfondoProgetto(0xFF, 0xFF, 0xC0);

constexpr int kPuntiChiudi = 16;

} // namespace

FormInfo::FormInfo(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("FormInfo"));
    setWindowTitle(QStringLiteral("Informazioni su Pinnole"));
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, kSfondoProgetto);
    tavolozza.setColor(QPalette::WindowText, QColor(0x33, 0x33, 0x33));
    setPalette(tavolozza);
    setAutoFillBackground(true);

    m_image1 = new Immagine(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setToolTip(QStringLiteral("Apri la presentazione del programma"));
    m_image1->setCursor(Qt::PointingHandCursor);
    m_image1->setFile(Percorsi::programma(QStringLiteral("immagini/info.svg")));
    posizionaTwips(m_image1, 360, 360, 1800, 1800);
    connect(m_image1, &Immagine::clicked, this, &FormInfo::Image1_Click);

    struct Posto
    {
        int left, top, width, height, punti;
        bool grassetto;
    };
    const Posto posti[4] = {
        {2400, 480, 4680, 1440, 14, true},
        {2400, 1920, 4440, 240, 12, false},
        {2400, 2160, 4440, 240, 12, false},
        {480, 2520, 6240, 1800, 15, false},
    };
    for (int i = 0; i < 4; ++i) {
        auto *etichetta = new QLabel(this);
        etichetta->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        etichetta->setWordWrap(true);
        etichetta->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        etichetta->setTextFormat(Qt::PlainText);
        QFont carattere = etichetta->font();
        carattere.setPointSize(posti[i].punti);
        carattere.setBold(posti[i].grassetto);
        etichetta->setFont(carattere);
        m_puntiProgetto[i] = posti[i].punti;
        posizionaTwips(etichetta, posti[i].left, posti[i].top, posti[i].width, posti[i].height);
        m_label[i] = etichetta;
    }

    m_command1 = new Pulsante(this);
    m_command1->setObjectName(QStringLiteral("Command1"));
    m_command1->setText(QStringLiteral("Chiudi"));
    m_command1->setAccessibleName(QStringLiteral("Chiudi"));
    m_command1->setColoreSfondo(QColor(0xFF, 0xD2, 0x4D));
    m_command1->setColoreTesto(QColor(0x33, 0x33, 0x33));
    QFont carattere = m_command1->font();
    carattere.setPointSize(kPuntiChiudi);
    carattere.setBold(true);
    m_command1->setFont(carattere);
    m_command1->setCursor(Qt::PointingHandCursor);
    posizionaTwips(m_command1, 2700, 4440, 1800, 660);
    attivaConTasti(m_command1);
    connect(m_command1, &QPushButton::clicked, this, &FormInfo::Command1_Click);

    dimensionaInternoTwips(this, kLarghezzaTwips, kAltezzaTwips);

    // Loading: translation and rescaling.
    MLSTranslateForm(this);
    setAccessibleName(windowTitle());
    m_image1->setAccessibleName(MLSGetText(QStringLiteral("0304")));
    for (int i = 0; i < 4; ++i)
        m_label[i]->setAccessibleName(MLSGetText(QStringLiteral("0305")).arg(i + 1));
    m_command1->setAccessibleName(m_command1->text());
    m_ridimensiona = new clsResize(this);
    m_ridimensiona->setSourceForm(this);
    m_ridimensiona->SizeFormToScreen(75);
}

QLabel *FormInfo::Label(int numero) const
{
    return (numero >= 1 && numero <= 4) ? m_label[numero - 1] : nullptr;
}

void FormInfo::showEvent(QShowEvent *evento)
{
    QWidget::showEvent(evento);
    if (!m_primaApertura)
        return;
    m_primaApertura = false;
    QTimer::singleShot(0, this, &FormInfo::Form_Activate);
}

void FormInfo::Form_Activate()
{
    mostraASchermoIntero(this);
    m_ridimensiona->ResizeControls();
    // The texts are designed for a 1024 x 768 screen and grow with a larger one.
    const qreal fattore = qMax<qreal>(1.0, height() / 768.0);
    for (int i = 0; i < 4; ++i) {
        QFont carattere = m_label[i]->font();
        carattere.setPointSizeF(m_puntiProgetto[i] * fattore);
        m_label[i]->setFont(carattere);
    }
    QFont carattere = m_command1->font();
    carattere.setPointSizeF(kPuntiChiudi * fattore);
    m_command1->setFont(carattere);
    m_label[0]->setText(testoInfoLabel1(&MLSGetText));
    m_label[1]->clear();
    m_label[2]->setText(testoInfoLabel3());
    m_label[3]->setText(testoInfoLabel4(&MLSGetText));
    m_command1->setFocus(Qt::OtherFocusReason);
    m_attivata = true;
}

void FormInfo::Command1_Click()
{
    m_versoMenu = true;
    apriMenu();
    close();
}

void FormInfo::Image1_Click()
{
    ApriDocumento(this, Percorsi::programma(QStringLiteral("documento.pdf")));
}

void FormInfo::closeEvent(QCloseEvent *evento)
{
    // However the window is closed, the menu comes back: only the menu's
    // "esci" ends the program, with the settings saved.
    if (!m_versoMenu) {
        m_versoMenu = true;
        apriMenu();
    }
    QWidget::closeEvent(evento);
}
