#include "exercises/uguali/FormEs8.h"

#include "core/ColoriVB.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "framework/Cornice.h"
#include "framework/Pulsante.h"
#include "layout/PosizioneTwips.h"
#include "menu/Immagine.h"
#include "platform/Puntatore.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ElementiCasa.h"
#include "vocabulary/Parole.h"

#include <QEvent>
#include <QMouseEvent>

namespace {

constexpr int kLarghezza = 10230;
constexpr int kAltezza = 6530;
constexpr int kAltezzaStriscia = 615;

FinestraEsercizio::Progetto progettoEs8()
{
    FinestraEsercizio::Progetto p;
    p.nome = QStringLiteral("FormEs8");
    p.titolo = QStringLiteral("Uguali - 1°");
    p.livelli = {CaseUguali::kLivelli, 12};
    p.menuLivelli = QStringLiteral("Livelli");
    p.voceFigura = QStringLiteral("mnuPag");
    p.larghezzaTwips = kLarghezza;
    p.altezzaTwips = kAltezza;
    p.sfondo = QColor(0xFD, 0xEF, 0xD2);
    return p;
}


} // namespace

FormEs8::FormEs8(QWidget *parent)
    : FinestraUguali(progettoEs8(), QStringLiteral("0073"), QStringLiteral("0073"), parent)
{
    // The strip of controls, 20 above the status bar, in the window's colour.
    m_striscia = new QWidget(area());
    m_striscia->setObjectName(QStringLiteral("Picture1"));
    m_striscia->setMouseTracking(true);
    m_striscia->installEventFilter(this);
    posizionaTwips(m_striscia, 0, kAltezza - 20 - kAltezzaStriscia, kLarghezza, kAltezzaStriscia);
    for (int i = 0; i < 8; ++i) {
        auto *cornice = new Cornice(m_striscia);
        cornice->setObjectName(QStringLiteral("Shape1"));
        cornice->setProperty("index", i);
        posizionaTwips(cornice, 120 + 720 * i, 0, 615, 615);
        cornice->hide();
        m_cornici << cornice;

        auto *immagine = new Immagine(m_striscia);
        immagine->setObjectName(QStringLiteral("Image1"));
        immagine->setProperty("index", i);
        immagine->setAccessibleName(nomeParte(i + 1));
        immagine->setFile(Percorsi::programma(ElementiCasa::immagineParte(i + 1)));
        immagine->setMouseTracking(true);
        immagine->installEventFilter(this);
        posizionaTwips(immagine, 120 + 720 * i + 60, 60, 495, 495);
        connect(immagine, &Immagine::clicked, this, [this, i] { Image1_Click(i); });
        m_immagini << immagine;
    }
    creaControlli(QRect(120, 120, 4935, 5655), QRect(5175, 120, 4935, 5655), m_striscia,
                  QRect(7200, 0, 2775, kAltezzaStriscia), QRect(6060, 0, 975, kAltezzaStriscia),
                  QStringLiteral("Picture2"), QRect(3187, 1200, 3855, 3375));
    posizionaTwips(PicMerlino(), 4447, 240, 1335, 1815);
    Form_Load();
}

void FormEs8::aperturaEsercizio()
{
    const Impostazioni &imp = Stato().imp;
    const QColor bordo = coloreVB(imp.ColorePulsanteSelezionato);
    for (Cornice *c : std::as_const(m_cornici)) {
        c->setColoreBordo(bordo);
        c->hide();
    }
    const QCursor puntatore = imp.CursoreDiSistema ? QCursor(Qt::ArrowCursor) : cursoreProgramma();
    for (Immagine *immagine : std::as_const(m_immagini))
        immagine->setCursor(puntatore);
    FinestraUguali::aperturaEsercizio();
}

void FormEs8::mostraCornice(int indice)
{
    for (int i = 0; i < m_cornici.size(); ++i)
        m_cornici[i]->setVisible(i == indice);
}

// The frame of the highlighted part alone is shown; leaving a part hides
// nothing, so the part last chosen stays framed while the scan rests on the
// next-item button, until the next item starts.
void FormEs8::evidenziaParte(int parte, bool evidenziata)
{
    if (evidenziata)
        mostraCornice(parte - 1);
}

QRect FormEs8::riquadroParte(int parte) const
{
    return riquadroControllo(Image1(parte - 1), area());
}

// The scan lights the part pictures and the buttons, never the houses: no
// frame is drawn round them, and the character may stand closer.
int FormEs8::spazioAttorno(const QWidget *controllo) const
{
    if (controllo == ShockwaveFlash1() || controllo == ShockwaveFlash2())
        return 4;
    return FinestraUguali::spazioAttorno(controllo);
}

void FormEs8::Image1_Click(int indice)
{
    if (scansioneAttiva() || Command1(0)->isEnabled())
        return;
    scegliParte(indice + 1, CaseUguali::kSecondaCasa);
}

bool FormEs8::eventFilter(QObject *oggetto, QEvent *evento)
{
    // The frames follow the mouse in mouse mode only. A move over a picture
    // also reaches the strip below it: only a move over the strip's own
    // ground puts the frames out.
    const QEvent::Type tipo = evento->type();
    if (!scansioneAttiva() && (tipo == QEvent::Enter || tipo == QEvent::MouseMove)) {
        const int indice = m_immagini.indexOf(qobject_cast<Immagine *>(oggetto));
        if (indice >= 0) {
            mostraCornice(indice);
        } else if (oggetto == m_striscia || oggetto == area()) {
            auto *sotto = static_cast<QWidget *>(oggetto);
            QWidget *figlio = nullptr;
            if (tipo == QEvent::MouseMove)
                figlio = sotto->childAt(static_cast<QMouseEvent *>(evento)->position().toPoint());
            if (!m_immagini.contains(qobject_cast<Immagine *>(figlio)))
                mostraCornice(-1);
        }
    }
    return FinestraUguali::eventFilter(oggetto, evento);
}
