#include "exercises/caratteristiche/FinestraCaratteristiche.h"

#include "core/Caratteri.h"
#include "core/ColoriVB.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "exercises/caratteristiche/CorniceEvidenziazione.h"
#include "framework/Pulsante.h"
#include "layout/PosizioneTwips.h"
#include "menu/Immagine.h"
#include "platform/Agente.h"
#include "platform/Puntatore.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ElementiCasa.h"
#include "vocabulary/Parole.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QTimer>

namespace {

// The layout frames of each level, in twips: columns x rows, cell size, left
// and top edges. House i of a level lies on frame i, row by row from the top left.
struct GrigliaLivello
{
    int larghezza;
    int altezza;
    QList<int> sinistre;
    QList<int> alti;
};

const GrigliaLivello &griglia(int livello)
{
    static const GrigliaLivello griglie[EsercizioCaratteristiche::kLivelli] = {
        {2295, 3495, {120, 2640}, {480}},
        {2055, 2535, {120, 2520}, {120, 2760}},
        {1575, 2175, {120, 1800, 3480}, {120, 2760}},
        {1335, 1695, {240, 1920, 3480}, {120, 1920, 3720}},
        {1215, 1575, {120, 1440, 2760, 4080}, {120, 1920, 3720}},
    };
    return griglie[qBound(1, livello, EsercizioCaratteristiche::kLivelli) - 1];
}

// Gives a label the largest size of its font, down from the size asked for,
// at which its whole text fits inside it with every line whole; at the
// smallest size a line too long still wraps.
void adattaCarattere(QLabel *etichetta, QFont carattere, qreal minimo)
{
    const QRect area = etichetta->contentsRect().adjusted(etichetta->margin(), etichetta->margin(),
                                                          -etichetta->margin(), -etichetta->margin());
    const int opzioni = int(etichetta->alignment());
    while (carattere.pointSizeF() - 1 >= minimo) {
        const QRect serve = QFontMetrics(carattere).boundingRect(area, opzioni, etichetta->text());
        if (serve.width() <= area.width() && serve.height() <= area.height())
            break;
        carattere.setPointSizeF(carattere.pointSizeF() - 1);
    }
    etichetta->setFont(carattere);
}

constexpr qreal kMinimoCarattere = 8;
constexpr int kIntervalloTimer2 = 4000;

} // namespace

FinestraEsercizio::Progetto FinestraCaratteristiche::progetto(const QString &nome, const QString &titolo,
                                                              const QColor &sfondo)
{
    Progetto p;
    p.nome = nome;
    p.titolo = titolo;
    p.livelli = {EsercizioCaratteristiche::kLivelli, EsercizioCaratteristiche::kSogliaSalita};
    p.menuLivelli = QStringLiteral("Livelli");
    p.voceFigura = QStringLiteral("mnuPag");
    p.larghezzaTwips = 8295;
    p.altezzaTwips = 6015;
    p.sfondo = sfondo;
    return p;
}

FinestraCaratteristiche::FinestraCaratteristiche(const Progetto &progetto, EsercizioCaratteristiche &esercizio,
                                                 const QString &istruzione, QWidget *parent)
    : FinestraEsercizio(progetto, parent)
    , m_esercizio(esercizio)
    , m_attesa(&Attendi)
{
    // The layout frames: never shown, rescaled with the window; the houses
    // are laid on them.
    for (int livello = 1; livello <= EsercizioCaratteristiche::kLivelli; ++livello) {
        const GrigliaLivello &g = griglia(livello);
        const QString nome = QStringLiteral("Frame%1").arg(livello);
        for (int r = 0; r < g.alti.size(); ++r) {
            for (int c = 0; c < g.sinistre.size(); ++c) {
                auto *cornice = new QFrame(area());
                cornice->setObjectName(nome);
                cornice->setProperty("index", m_cornici[livello - 1].size());
                posizionaTwips(cornice, g.sinistre.at(c), g.alti.at(r), g.larghezza, g.altezza);
                cornice->hide();
                m_cornici[livello - 1] << cornice;
            }
        }
    }
    // The houses move to the frames of each level: the rescaling leaves them
    // alone ("@"), and they follow their frames after it.
    for (int i = 0; i < EsercizioCaratteristiche::kMassimoCase; ++i) {
        auto *casa = new ShockwaveFlash(area());
        casa->setObjectName(QStringLiteral("ShockwaveFlash1"));
        casa->setProperty("index", i);
        casa->setProperty("Tag", QStringLiteral("@"));
        casa->setAccessibleName(MLSGetText(QStringLiteral("0328")).arg(i + 1));
        casa->setGeometry(m_cornici[EsercizioCaratteristiche::kLivelli - 1].at(i)->geometry());
        casa->hide();
        connect(casa, &ShockwaveFlash::FSCommand, this, [this, i] { FSCommand(i); });
        m_case << casa;
    }
    m_shape1 = new CorniceEvidenziazione(area());
    m_shape1->setObjectName(QStringLiteral("Shape1"));
    m_shape1->setProperty("Tag", QStringLiteral("@"));
    m_shape1->hide();

    m_text1 = new QLabel(area());
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setTextFormat(Qt::PlainText);
    m_text1->setWordWrap(true);
    m_text1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_text1->setMargin(6);
    m_text1->setAutoFillBackground(true);
    m_text1->setAccessibleName(MLSGetText(QStringLiteral("0329")));
    posizionaTwips(m_text1, 5400, 120, 2655, 3255);

    auto *pannello = new QFrame(area());
    pannello->setObjectName(QStringLiteral("Picture1"));
    pannello->setAutoFillBackground(true);
    pannello->setAccessibleName(MLSGetText(QStringLiteral("0330")));
    posizionaTwips(pannello, 5400, 120, 2775, 3975);
    m_picture1 = pannello;
    for (int i = 0; i < EsercizioCaratteristiche::kCaratteristiche; ++i) {
        auto *immagine = new Immagine(pannello);
        immagine->setObjectName(QStringLiteral("Image1"));
        immagine->setProperty("index", i);
        immagine->setFile(Percorsi::programma(ElementiCasa::immagineParte(i + 1)));
        immagine->setAccessibleName(nomeParte(i + 1));
        posizionaTwips(immagine, i % 2 == 0 ? 120 : 1560, 120 + (i / 2) * 960, 855, 855);
        connect(immagine, &Immagine::clicked, this, [this, i] { Image1_Click(i); });
        m_image1 << immagine;
    }
    pannello->hide();

    Label1()->setText(istruzione);
    posizionaTwips(Label1(), 120, 5520, 8055, 375);
    // The character stands in the free corner under the part pictures,
    // left of the next-item button.
    posizionaTwips(PicMerlino(), 5100, 3745, 1455, 1215);
    aggiungiPulsante(0, 6960, 4680, 1095, 735, QString(), QStringLiteral("immagini/freccia.svg"));

    m_timer2 = creaTimerLettura("Timer2", kIntervalloTimer2);
    connect(m_timer2, &QTimer::timeout, this, &FinestraCaratteristiche::Timer2_Timer);
    area()->installEventFilter(this);
}

FinestraCaratteristiche::~FinestraCaratteristiche() = default;

ShockwaveFlash *FinestraCaratteristiche::ShockwaveFlash1(int indice) const
{
    return (indice >= 0 && indice < m_case.size()) ? m_case.at(indice) : nullptr;
}

Immagine *FinestraCaratteristiche::Image1(int indice) const
{
    return (indice >= 0 && indice < m_image1.size()) ? m_image1.at(indice) : nullptr;
}

QTimer *FinestraCaratteristiche::creaTimerLettura(const char *nome, int intervallo)
{
    auto *timer = new QTimer(this);
    timer->setObjectName(QLatin1String(nome));
    timer->setInterval(intervallo);
    return timer;
}

bool FinestraCaratteristiche::aRiposo()
{
    return scansione().attivo() && scansione().posizioni().aRiposo();
}

bool FinestraCaratteristiche::casaMostrata(int casa) const
{
    return casa >= 0 && casa < numeroCase() && !m_case.at(casa)->isHidden();
}

void FinestraCaratteristiche::attendi(double secondi)
{
    if (m_attesa)
        m_attesa(secondi);
}

void FinestraCaratteristiche::trattamentoPulsantiVoce(bool voceAttiva)
{
    // With the voice the sentences are heard: the part pictures cover them.
    m_picture1->setVisible(voceAttiva);
}

void FinestraCaratteristiche::aperturaEsercizio()
{
    const Impostazioni &imp = Stato().imp;
    m_shape1->hide();
    m_casaRiquadro = -1;
    m_shape1->setBorderColor(colorePulsanteSelezionato());
    const QCursor puntatore = imp.CursoreDiSistema ? QCursor(Qt::ArrowCursor) : cursoreProgramma();
    for (Immagine *immagine : std::as_const(m_image1))
        immagine->setCursor(puntatore);

    QPalette tavolozza = m_text1->palette();
    tavolozza.setColor(QPalette::Window, coloreVB(imp.ColoreSfondoTesto));
    tavolozza.setColor(QPalette::WindowText, coloreVB(imp.ColoreTesto));
    m_text1->setPalette(tavolozza);
    m_picture1->setPalette(tavolozza);
    adattaTesti();
    GeneraEsercizio();
}

void FinestraCaratteristiche::generaItem()
{
    ++m_costruzione;
    // Nothing of the previous item may be answered or read any more.
    m_shape1->hide();
    m_casaRiquadro = -1;
    Command1(0)->setEnabled(false);
    evidenziaPulsante(0, false);
    m_timer2->stop();

    ImpostaLivelli();
    ApriFilepinnole();
    QPointer<FinestraCaratteristiche> viva(this);
    pausaDopoCaricamento();
    if (!viva)
        return;
    if (!m_chiusa) {
        ImpostaColori();
        itemDipinto();
        m_timer2->stop();
        ScriviFrase();
        const Impostazioni &imp = Stato().imp;
        if (imp.ModoInput != IngressoMouse) {
            scansione().avvia(imp.ModoInput, imp.VelocitaScansione, anelloScansione(), 0, true);
            if (imp.VoceAttiva)
                avviaLettura();
            if (!viva)
                return;
        }
    }
    // A window closed while the item was built is deleted only now, when
    // nothing of it is in use any more.
    if (--m_costruzione == 0 && m_eliminaAllaFine)
        deleteLater();
}

void FinestraCaratteristiche::ImpostaLivelli()
{
    for (ShockwaveFlash *casa : std::as_const(m_case))
        casa->hide();
    m_livelloCase = Livello();
    posizionaCase();
    for (int i = 0; i < numeroCase(); ++i)
        m_case.at(i)->show();
}

void FinestraCaratteristiche::posizionaCase()
{
    const QList<QFrame *> &cornici = m_cornici[m_livelloCase - 1];
    for (int i = 0; i < cornici.size(); ++i)
        m_case.at(i)->setGeometry(cornici.at(i)->geometry());
    m_shape1->setBorderWidth(qMax(3, qRound(area()->width() / 180.0)));
    if (m_casaRiquadro >= 0)
        m_shape1->circonda(m_case.at(m_casaRiquadro)->geometry());
}

void FinestraCaratteristiche::ApriFilepinnole()
{
    // With the mouse the whole house is clicked: frame 1, whose pointer
    // follows the setting. The other modes take no clicks.
    const Impostazioni &imp = Stato().imp;
    const bool mouse = imp.ModoInput == IngressoMouse;
    const QString file = Percorsi::programma(QStringLiteral("swf/pinnole1.svg"));
    for (int i = 0; i < numeroCase(); ++i) {
        ShockwaveFlash *casa = m_case.at(i);
        casa->Movie(file);
        casa->GotoFrame(mouse ? 1 : 0);
        if (mouse && imp.CursoreDiSistema)
            casa->setCursor(Qt::ArrowCursor);
    }
}

void FinestraCaratteristiche::caricaCaseVuote()
{
    const QString file = Percorsi::programma(QStringLiteral("swf/pinnola0.svg"));
    for (int i = 0; i < numeroCase(); ++i)
        m_case.at(i)->Movie(file);
}

void FinestraCaratteristiche::ImpostaColori()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_esercizio.ImpostaColori(numeroCase());
    for (int i = 0; i < numeroCase(); ++i)
        dipingiCasa(i);
    QApplication::restoreOverrideCursor();
}

void FinestraCaratteristiche::dipingiCasa(int casa)
{
    ShockwaveFlash *c = m_case.at(casa);
    const EsercizioCaratteristiche::Valori &v = m_esercizio.valori(casa);
    c->BGColor(m_esercizio.sfondo());
    for (int parte = Comignolo; parte <= Gradino; ++parte) {
        c->SetVariable(QStringLiteral("QualeOggetto"), ElementiCasa::idInterno(parte));
        c->SetVariable(QStringLiteral("TestoColore.QualeColore"), m_esercizio.esadecimale(casa, parte));
    }
    c->TSetProperty(QStringLiteral("fumo"), 7, v[Fumo] ? QStringLiteral("1") : QStringLiteral("0"));
    c->TSetProperty(QStringLiteral("nuvole"), 7, v[Nuvole] ? QStringLiteral("1") : QStringLiteral("0"));
}

void FinestraCaratteristiche::ScriviFrase()
{
    m_esercizio.ScriviFrase(Stato().imp.StileTesto);
    m_text1->setText(m_esercizio.righe().join(QLatin1Char('\n')));
    adattaTesti();
    if (personaggio())
        personaggio()->StopAll();
}

void FinestraCaratteristiche::adattaTesti()
{
    const Impostazioni &imp = Stato().imp;
    const QFont carattere = fontTesto(imp.FontTesto, imp.DimensioneFontTesto);
    adattaCarattere(m_text1, carattere, kMinimoCarattere);
    adattaCarattere(Label1(), carattere, kMinimoCarattere);
}

void FinestraCaratteristiche::SistemaRiquadro(int casa)
{
    if (casa < 0 || casa >= m_case.size())
        return;
    m_casaRiquadro = casa;
    m_shape1->circonda(m_case.at(casa)->geometry());
    m_shape1->show();
    m_shape1->raise();
}

void FinestraCaratteristiche::completaConMouse()
{
    SistemaRiquadro(m_esercizio.Modello());
    Command1(0)->setEnabled(true);
}

void FinestraCaratteristiche::completaConScansione()
{
    scansione().vaiA(numeroCase());
}

void FinestraCaratteristiche::nascondiCasa(int casa)
{
    if (ShockwaveFlash *c = ShockwaveFlash1(casa))
        c->hide();
}

ControlloScansione::Anello FinestraCaratteristiche::anelloScansione()
{
    // The shown houses in index order; after them the next-item button, on
    // which the scan rests once the item is complete.
    const int n = numeroCase();
    ControlloScansione::Anello anello;
    anello.posizioni = ::Anello(n + 1, [this, n](int p) { return p < n && casaMostrata(p); }, n);
    anello.evidenzia = [this, n](int p, bool acceso) {
        if (p == n) {
            evidenziaPulsante(0, acceso);
            if (acceso)
                SistemaRiquadro(m_esercizio.Modello());
        } else if (acceso) {
            SistemaRiquadro(p);
        }
    };
    anello.seleziona = [this](int p) { selezione(p); };
    anello.nome = [this, n](int p) { return p == n ? nomeControllo(Command1(0)) : nomeCasa(p + 1); };
    // Around a house the frame lies outside the window's own frame Shape1.
    anello.riquadro = [this, n](int p) {
        return p == n ? riquadroControllo(Command1(0), area())
                      : riquadroControllo(Shape1()->isVisible() ? static_cast<QWidget *>(Shape1()) : ShockwaveFlash1(p),
                                          area());
    };
    anello.angoliRetti = [n](int p) { return p < n; };
    anello.verticale = [this](int p, int verso) {
        return EsercizioCaratteristiche::spostamentoVerticale(m_livelloCase, p, verso,
                                                             [this](int casa) { return casaMostrata(casa); });
    };
    return anello;
}

void FinestraCaratteristiche::selezione(int posizione)
{
    if (inCostruzione())
        return;
    if (posizione >= numeroCase())
        prossimoItem();
    else
        rispostaScansione(posizione);
}

void FinestraCaratteristiche::prossimoItem()
{
    caricaCaseVuote();
    evidenziaPulsante(0, false);
    GeneraEsercizio();
}

void FinestraCaratteristiche::FSCommand(int casa)
{
    if (scansione().attivo() || inCostruzione() || !casaMostrata(casa))
        return;
    rispostaMouse(casa);
}

void FinestraCaratteristiche::Command1_Click(int indice)
{
    if (indice != 0 || inCostruzione() || scansione().attivo())
        return;
    caricaCaseVuote();
    GeneraEsercizio();
}

void FinestraCaratteristiche::Image1_Click(int indice)
{
    if (!Stato().imp.VoceAttiva || indice < 0 || indice >= EsercizioCaratteristiche::kCaratteristiche)
        return;
    leggi(m_esercizio.Frasi(indice));
}

void FinestraCaratteristiche::Timer2_Timer()
{
    if (!leggeAItemCompleto() && aRiposo())
        return;
    leggi(m_esercizio.fraseDaLeggere());
}

void FinestraCaratteristiche::closeEvent(QCloseEvent *evento)
{
    m_chiusa = true;
    for (QTimer *timer : findChildren<QTimer *>(QString(), Qt::FindDirectChildrenOnly))
        timer->stop();
    // Closed while an item is being built: the building is still on the
    // stack, waiting; it deletes the window when it returns.
    if (inCostruzione() && testAttribute(Qt::WA_DeleteOnClose)) {
        setAttribute(Qt::WA_DeleteOnClose, false);
        m_eliminaAllaFine = true;
    }
    FinestraEsercizio::closeEvent(evento);
}

bool FinestraCaratteristiche::eventFilter(QObject *oggetto, QEvent *evento)
{
    // The controls have just been rescaled: the houses and the highlight
    // follow their frames, the texts take the size that fits.
    if (oggetto == area() && evento->type() == QEvent::Resize) {
        posizionaCase();
        adattaTesti();
    }
    return FinestraEsercizio::eventFilter(oggetto, evento);
}
