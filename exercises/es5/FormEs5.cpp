#include "exercises/es5/FormEs5.h"

#include "core/Casuale.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "framework/Feedback.h"
#include "framework/Pulsante.h"
#include "layout/Linea.h"
#include "layout/PosizioneTwips.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ElementiCasa.h"

#include <QApplication>
#include <QEvent>
#include <QLabel>

namespace {

// Design geometry of the two boxes (twips): left box from x 120, right box
// from x 4200, both from y 240 to 2280; five small houses to a row at a
// pitch of 720, the rows at y 360 and 1320.
constexpr int kScatolaSinistra[2] = {120, 4200};
constexpr int kLarghezzaScatola = 3720;
constexpr int kAltoScatola = 240;
constexpr int kBassoScatola = 2280;
constexpr int kPrimaCasetta[2] = {240, 4320};
constexpr int kPasso = 720;
constexpr int kRighe[2] = {360, 1320};
constexpr int kLarghezzaCasetta = 615;
constexpr int kAltezzaCasetta = 855;
constexpr int kAltoPulsanti = 2640;
constexpr int kLatoPulsante = 855;
constexpr int kAltezzaPulsante = 735;
const QColor kColoreBordi(58, 52, 70);
constexpr int kSpessoreBordi = 3;

FinestraEsercizio::Progetto progettoEs5()
{
    FinestraEsercizio::Progetto p;
    p.nome = QStringLiteral("FormEs5");
    p.titolo = QStringLiteral("Insiemi");
    p.livelli = {Esercizio5::kLivelli, Esercizio5::kSogliaSalita};
    p.menuLivelli = QStringLiteral("Livelli");
    p.voceFigura = QStringLiteral("mnuPag");
    p.larghezzaTwips = 8040;
    p.altezzaTwips = 5535;
    p.sfondo = QColor(0xE4, 0xF4, 0xDC);
    return p;
}

Linea *creaLinea(QWidget *area, const QString &nome, int indice, int x1, int y1, int x2, int y2)
{
    auto *linea = new Linea(area);
    linea->setObjectName(nome);
    if (indice >= 0)
        linea->setProperty("index", indice);
    linea->setColore(kColoreBordi);
    linea->setSpessore(kSpessoreBordi);
    linea->setEstremiTwips(x1, y1, x2, y2);
    return linea;
}

// Paints a house picture with the house to sort of the exercise.
void dipingiCasa(ShockwaveFlash &casa, const Esercizio5 &es)
{
    casa.BGColor(es.sfondo());
    for (int parte = Comignolo; parte <= Gradino; ++parte) {
        casa.SetVariable(QStringLiteral("QualeOggetto"), ElementiCasa::idInterno(parte));
        casa.SetVariable(QStringLiteral("TestoColore.QualeColore"), es.esadecimaleParte(parte));
    }
    casa.TSetProperty(QStringLiteral("fumo"), 7, es.fumo() ? QStringLiteral("1") : QStringLiteral("0"));
    casa.TSetProperty(QStringLiteral("nuvole"), 7, es.nuvole() ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace

FormEs5::FormEs5(QWidget *parent)
    : FinestraEsercizio(progettoEs5(), parent)
    , m_esercizio(fonteCasuale(), Stato().TabellaParole, Stato().imp.TabellaColori)
{
    QWidget *a = area();
    for (int s = 0; s < 2; ++s) {
        const int x1 = kScatolaSinistra[s];
        const int x2 = x1 + kLarghezzaScatola;
        m_bordi << creaLinea(a, QStringLiteral("Line1"), 4 * s, x1, kAltoScatola, x2, kAltoScatola)
                << creaLinea(a, QStringLiteral("Line1"), 4 * s + 1, x2, kAltoScatola, x2, kBassoScatola)
                << creaLinea(a, QStringLiteral("Line1"), 4 * s + 2, x2, kBassoScatola, x1, kBassoScatola)
                << creaLinea(a, QStringLiteral("Line1"), 4 * s + 3, x1, kBassoScatola, x1, kAltoScatola);
        // The line that joins the box to its button.
        const int centro = x1 + kLarghezzaScatola / 2;
        creaLinea(a, s == 0 ? QStringLiteral("Line2") : QStringLiteral("Line3"), -1, centro, kBassoScatola, centro,
                  kAltoPulsanti);
    }
    for (int s = 0; s < 2; ++s) {
        QList<ShockwaveFlash *> &casette = s == 0 ? m_casetteSi : m_casetteNo;
        for (int i = 0; i < Esercizio5::kCasePerScatola; ++i) {
            auto *casetta = new ShockwaveFlash(a);
            casetta->setObjectName(s == 0 ? QStringLiteral("ShockwaveFlash2") : QStringLiteral("ShockwaveFlash3"));
            casetta->setProperty("index", i);
            casetta->setAccessibleName(s == 0 ? MLSGetText(QStringLiteral("0337")) : MLSGetText(QStringLiteral("0338")));
            posizionaTwips(casetta, kPrimaCasetta[s] + (i % 5) * kPasso, kRighe[i / 5], kLarghezzaCasetta,
                           kAltezzaCasetta);
            casetta->hide();
            casette << casetta;
        }
    }

    posizionaTwips(Label1(), 120, 3480, 3135, 1935);
    m_casa = new ShockwaveFlash(a);
    m_casa->setObjectName(QStringLiteral("ShockwaveFlash1"));
    m_casa->setAccessibleName(MLSGetText(QStringLiteral("0339")));
    posizionaTwips(m_casa, 3390, 3480, 1455, 1935);
    // The character stands between the house to sort and the next-item
    // button: the marker reaches from a third of the way in to the bottom
    // right corner of that space.
    posizionaTwips(PicMerlino(), 4100, 2512, 2400, 2903);
    PicMerlino()->installEventFilter(this);

    for (int s = 0; s < 2; ++s) {
        const int centro = kScatolaSinistra[s] + kLarghezzaScatola / 2;
        Pulsante *scatola = aggiungiPulsante(s, centro - kLatoPulsante / 2, kAltoPulsanti, kLatoPulsante,
                                             kAltezzaPulsante, QString(),
                                             s == 0 ? QStringLiteral("immagini/pollicesu.svg")
                                                    : QStringLiteral("immagini/pollicegiu.svg"));
        scatola->setAccessibleName(s == 0 ? MLSGetText(QStringLiteral("0340")) : MLSGetText(QStringLiteral("0341")));
    }
    aggiungiPulsante(2, 6585, 4560, 1335, 855, QString(), QStringLiteral("immagini/freccia.svg"));
    Form_Load();
}

ShockwaveFlash *FormEs5::ShockwaveFlash2(int indice) const
{
    return (indice >= 0 && indice < m_casetteSi.size()) ? m_casetteSi.at(indice) : nullptr;
}

ShockwaveFlash *FormEs5::ShockwaveFlash3(int indice) const
{
    return (indice >= 0 && indice < m_casetteNo.size()) ? m_casetteNo.at(indice) : nullptr;
}

Linea *FormEs5::Line1(int indice) const
{
    return (indice >= 0 && indice < m_bordi.size()) ? m_bordi.at(indice) : nullptr;
}

void FormEs5::aperturaEsercizio()
{
    ApriFilepinnole();
    GeneraEsercizio();
}

void FormEs5::ApriFilepinnole()
{
    // Every picture shows the same file: it is read once and its layers are
    // rendered once per size, shared by the twenty small houses.
    const QString file = Percorsi::programma(QStringLiteral("swf/pinnole1.svg"));
    for (ShockwaveFlash *casa : QList<ShockwaveFlash *>{m_casa} + m_casetteSi + m_casetteNo) {
        casa->Movie(file);
        casa->GotoFrame(0);
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FormEs5::nascondiCasette()
{
    for (ShockwaveFlash *casa : m_casetteSi + m_casetteNo)
        casa->hide();
}

void FormEs5::ImpostaColori()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    dipingiCasa(*m_casa, m_esercizio);
    QApplication::restoreOverrideCursor();
}

void FormEs5::generaItem()
{
    nascondiCasette();
    Command1(0)->setEnabled(true);
    Command1(1)->setEnabled(true);
    Command1(2)->setEnabled(false);
    m_esercizio.GeneraEsercizio(Livello(), Stato().imp.StileTesto);
    Label1()->setText(m_esercizio.frase());
    leggi(Label1()->text());
    ImpostaColori();
    m_casa->show();
}

bool FormEs5::mettiNellaScatola()
{
    const bool si = m_esercizio.RispostaGiusta() == Esercizio5::ScatolaSi;
    const int posto = m_esercizio.aggiungiCasa();
    // ColoraSi / ColoraNo: the copy takes the background, the colours, the
    // smoke and the clouds of the house just sorted.
    if (ShockwaveFlash *copia = si ? ShockwaveFlash2(posto) : ShockwaveFlash3(posto)) {
        dipingiCasa(*copia, m_esercizio);
        copia->show();
    }
    SuonaSi();
    if (m_esercizio.scatolaPiena()) {
        m_casa->hide();
        return true;
    }
    m_esercizio.ImpostaColori();
    ImpostaColori();
    return false;
}

void FormEs5::Command1_Click(int indice)
{
    if (indice != Esercizio5::Avanti && m_esercizio.scatolaPiena())
        return;
    switch (m_esercizio.valutaRisposta(indice)) {
    case Esercizio5::Esito::ProssimoEsercizio:
        GeneraEsercizio();
        break;
    case Esercizio5::Esito::Esatta:
        contaRispostaGiusta();
        if (mettiNellaScatola()) {
            Command1(0)->setEnabled(false);
            Command1(1)->setEnabled(false);
            Command1(2)->setEnabled(true);
        }
        break;
    case Esercizio5::Esito::Errata:
        SuonaNo();
        contaRispostaSbagliata();
        break;
    }
}

void FormEs5::selezionaPulsante(int indice)
{
    // Once a box is full there is no house left to sort.
    if (indice != Esercizio5::Avanti && m_esercizio.scatolaPiena())
        return;
    switch (m_esercizio.valutaRisposta(indice)) {
    case Esercizio5::Esito::ProssimoEsercizio:
        scansione().vaiA(0);
        GeneraEsercizio();
        break;
    case Esercizio5::Esito::Esatta:
        contaRispostaGiusta();
        // At the end of the item the buttons keep their enabled states: the
        // scan simply rests on the next-item button.
        if (mettiNellaScatola())
            scansione().vaiA(Esercizio5::Avanti);
        break;
    case Esercizio5::Esito::Errata:
        SuonaNo();
        contaRispostaSbagliata();
        break;
    }
}

void FormEs5::PicMerlino_Click()
{
    leggi(Label1()->text());
}

bool FormEs5::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == PicMerlino() && evento->type() == QEvent::MouseButtonRelease)
        PicMerlino_Click();
    return FinestraEsercizio::eventFilter(oggetto, evento);
}
