#include "platform/AgenteQt.h"

#include "core/Lingua.h"
#include "core/Percorsi.h"
#include "platform/AgenteFigura.h"
#include "platform/AgenteFumetto.h"
#include "platform/VoceEtichette.h"

#include <QBitmap>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QWidget>

#include <algorithm>

namespace {

constexpr int kFumettoSiNascondeMs = 1500;
constexpr int kCiglieChiuseMs = 140;
// Pauses between blinks: a fixed rhythm, uneven enough to look alive, that
// takes nothing from the program's random draws.
constexpr int kPauseCiglia[] = {3700, 5300, 2600, 4400, 3100};

constexpr Qt::WindowFlags kFinestraFigura = Qt::Tool | Qt::FramelessWindowHint
    | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus | Qt::WindowTransparentForInput;

} // namespace

// The window the character stands in.
class FinestraPersonaggio : public QWidget
{
public:
    FinestraPersonaggio()
        : QWidget(nullptr, kFinestraFigura)
    {
        setAttribute(Qt::WA_TranslucentBackground);
        setAttribute(Qt::WA_ShowWithoutActivating);
        setFocusPolicy(Qt::NoFocus);
        setAccessibleName(MLSGetText(QStringLiteral("0320")));
    }

    FiguraPersonaggio figura;

    void impostaApertura(int apertura)
    {
        if (apertura != m_apertura) {
            m_apertura = apertura;
            update();
        }
    }
    void impostaOcchiChiusi(bool chiusi)
    {
        if (chiusi != m_occhiChiusi) {
            m_occhiChiusi = chiusi;
            update();
        }
    }
    bool occhiChiusi() const { return m_occhiChiusi; }

    // On X11 a desktop without a compositor shows the see-through parts of a
    // window as black: the window is shaped to the figure (mouth open, so
    // every mouth fits) so that only the figure itself is on the screen.
    void aggiornaSagoma()
    {
        if (!isWindow() || QGuiApplication::platformName() != QLatin1String("xcb") || size().isEmpty()
            || !figura.caricata())
            return;
        QImage immagine(size(), QImage::Format_ARGB32_Premultiplied);
        immagine.fill(Qt::transparent);
        {
            QPainter pittore(&immagine);
            figura.disegna(pittore, rect(), 2, false);
            figura.disegna(pittore, rect(), 0, true);
        }
        setMask(QBitmap::fromImage(immagine.createAlphaMask()));
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter pittore(this);
        figura.disegna(pittore, rect(), m_apertura, m_occhiChiusi);
    }

    void resizeEvent(QResizeEvent *evento) override
    {
        QWidget::resizeEvent(evento);
        aggiornaSagoma();
    }

private:
    int m_apertura = 0;
    bool m_occhiChiusi = false;
};

AgenteQt::AgenteQt()
    : m_finestra(new FinestraPersonaggio)
    , m_fumetto(new FumettoPersonaggio)
{
    // Until told otherwise the character stands at the bottom right.
    const QSize dimensione(150, 200);
    const QScreen *schermo = QGuiApplication::primaryScreen();
    const QRect disponibile = schermo ? schermo->availableGeometry() : QRect(0, 0, 800, 600);
    m_geometria = QRect(disponibile.bottomRight() - QPoint(dimensione.width() + 20, dimensione.height() + 20),
                        dimensione);
    applicaGeometria();
    SetBalloonFont(m_nomeCarattere, m_puntiCarattere);

    m_chiusuraFumetto.setSingleShot(true);
    m_chiusuraFumetto.setInterval(kFumettoSiNascondeMs);
    connect(&m_chiusuraFumetto, &QTimer::timeout, m_fumetto.data(), &QWidget::hide);
    m_ciglia.setSingleShot(true);
    connect(&m_ciglia, &QTimer::timeout, this, &AgenteQt::battiCiglia);

    connect(&m_voce, &Voce::aperturaCambiata, this, [this](int apertura) { m_finestra->impostaApertura(apertura); });
    connect(&m_voce, &Voce::avanzamento, this, &AgenteQt::aggiornaFumetto);
    connect(&m_voce, &Voce::finito, this, &AgenteQt::fineTesto);
}

AgenteQt::~AgenteQt()
{
    m_coda.clear();
    m_voce.ferma();
    delete m_fumetto.data();
    delete m_finestra.data();
}

QWidget *AgenteQt::finestraPersonaggio() const
{
    return m_finestra.data();
}

void AgenteQt::impostaFinestra(QWidget *finestra, const QRect &zonaFumetto, qreal scala)
{
    m_zonaFumetto = zonaFumetto;
    m_scala = scala > 0 ? scala : 1.0;
    if (finestra && finestra != m_proprietario) {
        // Drawn inside the window, above its controls: a separate window
        // would be kept under a full-screen window by the window manager.
        m_proprietario = finestra;
        for (QWidget *w : {static_cast<QWidget *>(m_finestra.data()), static_cast<QWidget *>(m_fumetto.data())}) {
            const bool visibile = w->isVisible();
            w->setParent(finestra, Qt::Widget);
            w->clearMask();
            w->setAttribute(Qt::WA_TransparentForMouseEvents);
            w->setFocusPolicy(Qt::NoFocus);
            w->setVisible(visibile);
            w->raise();
        }
    }
    m_fumetto->impostaZona(zonaFumetto);
    applicaCarattere();
    applicaGeometria();
}

bool AgenteQt::Load(const QString &nome)
{
    if (nome.trimmed().isEmpty() || nome.contains(QLatin1Char('/')) || nome.contains(QLatin1Char('\\')))
        return false;
    const QString percorso = Percorsi::programma(QStringLiteral("personaggi/") + nome + QStringLiteral(".svg"));
    if (!m_finestra->figura.carica(percorso))
        return false;
    m_nome = nome;
    m_finestra->setAccessibleName(nome);
    SetSize(OriginalWidth(), OriginalHeight());
    m_finestra->aggiornaSagoma();
    m_finestra->update();
    if (m_visibile) {
        m_finestra->show();
        if (!m_ciglia.isActive())
            m_ciglia.start(kPauseCiglia[0]);
    }
    return true;
}

int AgenteQt::OriginalWidth() const
{
    return m_finestra->figura.caricata() ? m_finestra->figura.dimensioneOriginale().width() : 0;
}

int AgenteQt::OriginalHeight() const
{
    return m_finestra->figura.caricata() ? m_finestra->figura.dimensioneOriginale().height() : 0;
}

void AgenteQt::Show()
{
    m_coda.push_back({Richiesta::Mostra, {}});
    servi();
}

void AgenteQt::Hide()
{
    m_coda.push_back({Richiesta::Nascondi, {}});
    servi();
}

void AgenteQt::Speak(const QString &testo)
{
    m_coda.push_back({Richiesta::Parla, testo});
    servi();
}

void AgenteQt::StopAll()
{
    m_coda.clear();
    m_voce.ferma();
    m_chiusuraFumetto.stop();
    m_fumetto->hide();
    m_testoDetto.clear();
}

// Serves the waiting requests up to the next text to say.
void AgenteQt::servi()
{
    while (!m_voce.staParlando() && !m_coda.empty()) {
        const Passo passo = m_coda.front();
        m_coda.pop_front();
        switch (passo.tipo) {
        case Richiesta::Mostra:
            m_visibile = true;
            if (m_finestra->figura.caricata()) {
                m_finestra->show();
                m_finestra->raise();
                if (!m_ciglia.isActive())
                    m_ciglia.start(kPauseCiglia[0]);
            }
            break;
        case Richiesta::Nascondi:
            m_visibile = false;
            m_ciglia.stop();
            m_finestra->impostaOcchiChiusi(false);
            m_finestra->hide();
            m_chiusuraFumetto.stop();
            m_fumetto->hide();
            break;
        case Richiesta::Parla:
            if (m_visibile) // a hidden character keeps quiet
                inizia(passo.testo);
            break;
        }
    }
}

void AgenteQt::inizia(const QString &testo)
{
    const TestoDaLeggere daLeggere = leggiEtichetteVoce(testo);
    ParametriVoce parametri;
    parametri.voce = voceMotore();
    parametri.velocita = daLeggere.velocita >= 0 ? velocitaMotore(daLeggere.velocita) : kVelocitaNormaleMotore;
    parametri.tono = daLeggere.tono >= 0 ? tonoMotore(daLeggere.tono) : kTonoNormaleMotore;
    m_testoDetto = daLeggere.testo;
    m_chiusuraFumetto.stop();
    m_voce.parla(daLeggere.testo, parametri);
    aggiornaFumetto();
}

QString AgenteQt::voceMotore() const
{
    QString voce = voceDelModoMotore(m_modo);
    if (voce.isEmpty())
        voce = voceDellaLingua(linguaDellIdentificativo(m_lingua));
    if (voce.isEmpty())
        voce = voceDellaLingua(QStringLiteral("it"));
    return voce;
}

void AgenteQt::fineTesto()
{
    aggiornaFumetto();
    if (m_stile & FumettoSiNasconde)
        m_chiusuraFumetto.start();
    emit FineParlato();
    servi();
}

void AgenteQt::aggiornaFumetto()
{
    if (!(m_stile & FumettoVisibile) || !m_visibile || m_testoDetto.trimmed().isEmpty()) {
        m_fumetto->hide();
        return;
    }
    const int detti = m_voce.staParlando() ? m_voce.caratteriDetti() : int(m_testoDetto.size());
    m_fumetto->mostraTesto(m_testoDetto, detti, m_stile & FumettoContieneTesto, m_stile & FumettoAPasso);
    m_fumetto->posiziona(m_geometria);
    // A window with no room for even one line beside the character keeps
    // the balloon hidden rather than lay it over what the child plays with.
    if (m_fumetto->senzaPosto()) {
        m_fumetto->hide();
        return;
    }
    m_fumetto->show();
    m_fumetto->raise();
}

void AgenteQt::MoveTo(int left, int top)
{
    m_geometria.moveTo(left, top);
    applicaGeometria();
}

void AgenteQt::SetSize(int width, int height)
{
    m_geometria.setSize(QSize(std::max(1, width), std::max(1, height)));
    applicaGeometria();
}

void AgenteQt::applicaGeometria()
{
    m_finestra->setGeometry(m_geometria);
    ricollocaFumetto();
}

bool AgenteQt::SetTTSModeID(const QString &modo, QString *errore)
{
    if (modo.trimmed().isEmpty() || !voceDelModoMotore(modo).isEmpty()) {
        m_modo = modo.trimmed();
        return true;
    }
    m_modo.clear();
    if (errore) {
        // Without a language file the teacher still reads which mode failed.
        const QString testo = MLSGetText(QStringLiteral("0319"));
        *errore = testo.isEmpty() ? modo : testo.arg(modo);
    }
    return false;
}

void AgenteQt::SetBalloonStyle(int stile)
{
    m_stile = stile;
    if (m_voce.staParlando())
        aggiornaFumetto();
    else if (!(m_stile & FumettoVisibile))
        m_fumetto->hide();
}

void AgenteQt::SetBalloonFont(const QString &nome, int punti)
{
    m_nomeCarattere = nome;
    m_puntiCarattere = punti;
    applicaCarattere();
}

void AgenteQt::applicaCarattere()
{
    QFont carattere(m_nomeCarattere);
    carattere.setPointSizeF(std::max(1.0, m_puntiCarattere * m_scala));
    m_fumetto->impostaCarattere(carattere);
    ricollocaFumetto();
}

// The balloon on show follows the character; one its zone no longer has
// room for goes away.
void AgenteQt::ricollocaFumetto()
{
    if (!m_fumetto || !m_fumetto->isVisible())
        return;
    m_fumetto->posiziona(m_geometria);
    if (m_fumetto->senzaPosto())
        m_fumetto->hide();
}

void AgenteQt::battiCiglia()
{
    if (!m_visibile || !m_finestra->figura.haPalpebre()) {
        m_finestra->impostaOcchiChiusi(false);
        return;
    }
    if (m_finestra->occhiChiusi()) {
        m_finestra->impostaOcchiChiusi(false);
        m_passoCiglia = (m_passoCiglia + 1) % int(std::size(kPauseCiglia));
        m_ciglia.start(kPauseCiglia[m_passoCiglia]);
    } else {
        m_finestra->impostaOcchiChiusi(true);
        m_ciglia.start(kCiglieChiuseMs);
    }
}
