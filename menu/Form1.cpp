#include "menu/Form1.h"

#include "core/Caratteri.h"
#include "core/ColoriVB.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "core/Lingua.h"
#include "core/TraduciFinestra.h"
#include "framework/ControlloScansione.h"
#include "framework/Navigazione.h"
#include "framework/Pulsante.h"
#include "platform/Pannello.h"
#include "printing/FiguraStampabile.h"
#include "printing/frmStampa.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QScreen>

namespace {
// Warm paper yellow behind the drawings, as the program's other light windows.
const QColor kSfondo(0xFF, 0xF6, 0xD5);
constexpr int kEsci = Form1::kFigure; // the last position of the ring
} // namespace

QString Form1::fileFigura(int indice)
{
    return Percorsi::programma(QStringLiteral("immagini/colorare/figura%1.svg").arg(indice + 1));
}

Form1::Form1(QWidget *parent)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Figura da colorare"));
    setModal(true);
    QPalette tavolozza = palette();
    tavolozza.setColor(QPalette::Window, kSfondo);
    tavolozza.setColor(QPalette::WindowText, QColor(0x33, 0x33, 0x33));
    setPalette(tavolozza);
    setAutoFillBackground(true);

    m_menu = new QMenuBar(this);
    m_mnuesci = m_menu->addAction(QStringLiteral("&Esci"));
    m_mnuesci->setObjectName(QStringLiteral("mnuesci"));
    connect(m_mnuesci, &QAction::triggered, this, &Form1::mnuesci_Click);

    m_label1 = new QLabel(QStringLiteral("Clicca sulla pinnola che vuoi stampare"), this);
    m_label1->setObjectName(QStringLiteral("Label1"));
    m_label1->setAlignment(Qt::AlignCenter);
    m_label1->setWordWrap(true);

    for (int i = 0; i < kFigure; ++i) {
        auto *figura = new FiguraStampabile(this);
        figura->setObjectName(QStringLiteral("Picture1"));
        figura->setProperty("index", i);
        figura->setToolTip(QStringLiteral("Stampa questa pinnola"));
        figura->setFile(fileFigura(i));
        connect(figura, &FiguraStampabile::clicked, this, [this, i] {
            if (!m_scansione->attivo())
                Picture1_Click(i);
        });
        m_figure[i] = figura;
    }

    m_esci = new Pulsante(this);
    m_esci->setObjectName(QStringLiteral("Command1"));
    m_esci->setText(QStringLiteral("Esci"));
    connect(m_esci, &QPushButton::clicked, this, [this] {
        if (!m_scansione->attivo())
            mnuesci_Click();
    });

    m_scansione = new ControlloScansione(this);

    // Loading: the language file only.
    MLSTranslateForm(this);
    setAccessibleName(windowTitle());
    for (int i = 0; i < kFigure; ++i)
        m_figure[i]->setAccessibleName(MLSGetText(QStringLiteral("0306")).arg(i + 1));
    m_esci->setAccessibleName(m_esci->text());

    // Most of the screen, so the drawings are large for a child.
    if (const QScreen *schermo = QApplication::primaryScreen()) {
        const QRect area = schermo->availableGeometry();
        const QSize dimensione(area.width() * 9 / 10, area.height() * 8 / 10);
        setGeometry(QRect(area.center() - QPoint(dimensione.width() / 2, dimensione.height() / 2), dimensione));
    }
}

Form1::~Form1() = default;

FiguraStampabile *Form1::Picture1(int indice) const
{
    return (indice >= 0 && indice < kFigure) ? m_figure[indice] : nullptr;
}

void Form1::disponi()
{
    const int barra = m_menu->sizeHint().height();
    m_menu->setGeometry(0, 0, width(), barra);
    const int margine = qMax(12, width() / 60);
    const int altezzaTesto = qMax(48, height() / 8);
    m_label1->setGeometry(margine, barra + margine / 2, width() - 2 * margine, altezzaTesto);
    QFont testo = fontTesto(Stato().imp.FontTesto, 20, QFont::Bold);
    testo.setPointSizeF(qBound(16.0, height() / 22.0, 34.0));
    m_label1->setFont(testo);

    const int altezzaEsci = qMax(48, height() / 10);
    const int alto = barra + margine / 2 + altezzaTesto + margine / 2;
    const int disponibile = height() - alto - altezzaEsci - 2 * margine;
    const int lato = qMax(40, qMin((width() - (kFigure + 1) * margine) / kFigure, disponibile));
    const int spazio = (width() - kFigure * lato) / (kFigure + 1);
    for (int i = 0; i < kFigure; ++i)
        m_figure[i]->setGeometry(spazio + i * (lato + spazio), alto + (disponibile - lato) / 2, lato, lato);
    const int larghezzaEsci = qMax(140, width() / 7);
    m_esci->setGeometry(width() - larghezzaEsci - margine, height() - altezzaEsci - margine, larghezzaEsci,
                        altezzaEsci);
    QFont carattere = fontTesto(Stato().imp.FontTesto, 16, QFont::Bold);
    carattere.setPointSizeF(qBound(14.0, height() / 30.0, 26.0));
    m_esci->setFont(carattere);
}

void Form1::resizeEvent(QResizeEvent *evento)
{
    QDialog::resizeEvent(evento);
    disponi();
}

void Form1::showEvent(QShowEvent *evento)
{
    QDialog::showEvent(evento);
    const Impostazioni &imp = Stato().imp;
    m_esci->setColoreSfondo(coloreVB(imp.ColorePulsanti));
    m_esci->setColoreTesto(coloreVB(imp.ColoreTesto));
    disponi();
    avviaScansione();
}

void Form1::avviaScansione()
{
    const Impostazioni &imp = Stato().imp;
    ControlloScansione::Anello anello;
    anello.posizioni = ::Anello(kFigure + 1);
    anello.evidenzia = [this](int p, bool acceso) { evidenzia(p, acceso); };
    anello.seleziona = [this](int p) { seleziona(p); };
    anello.nome = [this](int p) { return nomeControllo(p == kEsci ? static_cast<QWidget *>(m_esci) : Picture1(p)); };
    anello.riquadro = [this](int p) {
        return riquadroControllo(p == kEsci ? static_cast<QWidget *>(m_esci) : Picture1(p), this);
    };
    m_scansione->avvia(imp.ModoInput, imp.VelocitaScansione, std::move(anello), 0, true);
}

void Form1::evidenzia(int posizione, bool acceso)
{
    const Impostazioni &imp = Stato().imp;
    if (posizione == kEsci) {
        m_esci->setColoreSfondo(coloreVB(acceso ? imp.ColorePulsanteSelezionato : imp.ColorePulsanti));
        m_esci->setEvidenziato(acceso);
    } else if (FiguraStampabile *f = Picture1(posizione)) {
        f->setEvidenziato(acceso, coloreVB(imp.ColorePulsanteSelezionato));
    }
}

void Form1::seleziona(int posizione)
{
    if (posizione == kEsci)
        mnuesci_Click();
    else
        Picture1_Click(posizione);
}

void Form1::Picture1_Click(int indice)
{
    FiguraStampabile *figura = Picture1(indice);
    if (!figura)
        return;
    frmStampa::istanza().StampaFPB(figura, 10, 10, 100, 100, 1, QString());
}

void Form1::mnuesci_Click()
{
    m_scansione->ferma();
    accept();
}

void registraStampaEsercizi()
{
    impostaApriStampaConOpzioni([](QWidget *finestra, int orientamento) {
        frmStampa::istanza().StampaFPB(finestra, 10, 10, 100, 100, orientamento, QString());
    });
    impostaApriFiguraDaColorare([](QWidget *finestra) {
        // Inside the exercise's window: a child reaches it with the keys
        // whatever the compositor does with a second window.
        Form1 figure(finestra);
        eseguiPannello(figure, finestra);
    });
}
