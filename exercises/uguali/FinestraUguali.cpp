#include "exercises/uguali/FinestraUguali.h"

#include "core/Casuale.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "framework/Feedback.h"
#include "framework/Personaggio.h"
#include "framework/Pulsante.h"
#include "layout/PosizioneTwips.h"
#include "platform/Agente.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ElementiCasa.h"
#include "vocabulary/Parole.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>

FinestraUguali::FinestraUguali(const Progetto &progetto, const QString &consegnaMouse,
                               const QString &consegnaScansione, QWidget *parent)
    : FinestraEsercizio(progetto, parent)
    , m_gioco(fonteCasuale(), Stato().imp.TabellaColori)
    , m_chiaveMouse(consegnaMouse)
    , m_chiaveScansione(consegnaScansione)
{
}

void FinestraUguali::creaControlli(QRect casa1, QRect casa2, QWidget *contenitorePulsanti, QRect avanti,
                                   QRect consegna, const QString &nomePannello, QRect pannello)
{
    const QRect posti[2] = {casa1, casa2};
    for (int i = 0; i < 2; ++i) {
        m_case[i] = new ShockwaveFlash(area());
        m_case[i]->setObjectName(i == 0 ? QStringLiteral("ShockwaveFlash1") : QStringLiteral("ShockwaveFlash2"));
        m_case[i]->setAccessibleName(i == 0 ? MLSGetText(QStringLiteral("0332")) : MLSGetText(QStringLiteral("0333")));
        posizionaTwips(m_case[i], posti[i].x(), posti[i].y(), posti[i].width(), posti[i].height());
    }

    // The instruction panel, hidden until the instruction button shows it
    // (without the voice); a click on the text hides it again.
    auto *riquadro = new QFrame(area());
    riquadro->setObjectName(nomePannello);
    riquadro->setFrameShape(QFrame::Box);
    riquadro->setLineWidth(3);
    posizionaTwips(riquadro, pannello.x(), pannello.y(), pannello.width(), pannello.height());
    Label1()->setParent(riquadro);
    posizionaTwips(Label1(), 60, 60, pannello.width() - 120, pannello.height() - 120);
    Label1()->setCursor(Qt::PointingHandCursor);
    Label1()->installEventFilter(this);
    riquadro->hide();
    m_pannello = riquadro;

    Pulsante *pulsanteAvanti = aggiungiPulsante(0, avanti.x(), avanti.y(), avanti.width(), avanti.height(), QString(),
                                                QStringLiteral("immagini/prossimo.svg"));
    Pulsante *pulsanteConsegna = aggiungiPulsante(1, consegna.x(), consegna.y(), consegna.width(), consegna.height(),
                                                  QString(), QStringLiteral("immagini/consegna.svg"));
    pulsanteAvanti->setAccessibleName(MLSGetText(QStringLiteral("0325")));
    pulsanteConsegna->setAccessibleName(MLSGetText(QStringLiteral("0334")));
    if (contenitorePulsanti) {
        // The buttons sit in the strip: their design positions are the strip's own.
        for (Pulsante *p : {pulsanteAvanti, pulsanteConsegna}) {
            const QRect g = geometriaTwips(p);
            p->setParent(contenitorePulsanti);
            posizionaTwips(p, g.x(), g.y(), g.width(), g.height());
            p->show();
        }
    }
}

bool FinestraUguali::scansioneAttiva()
{
    return scansione().attivo();
}

void FinestraUguali::aperturaEsercizio()
{
    const Impostazioni &imp = Stato().imp;
    const QString chiave = imp.ModoInput != IngressoMouse ? m_chiaveScansione : m_chiaveMouse;
    QString testo = MLSGetText(chiave);
    Label1()->setText(testo);
    leggiConsegna(false);
    if (imp.StileTesto == QLatin1String("maiuscolo"))
        Label1()->setText(testo.toUpper());
    m_pannello->hide();
    ApriFilepinnole();
    GeneraEsercizio();
}

// The character reads the instruction, then hides, so it never stands over
// the houses while the child plays.
void FinestraUguali::leggiConsegna(bool mostraPersonaggio)
{
    Agente *personaggio = this->personaggio();
    if (!personaggio)
        return;
    personaggio->StopAll();
    if (mostraPersonaggio)
        this->mostraPersonaggio();
    LeggiTesto(*personaggio, Label1()->text());
    personaggio->Hide();
}

void FinestraUguali::ApriFilepinnole()
{
    for (ShockwaveFlash *casa : m_case) {
        casa->Movie(Percorsi::programma(QStringLiteral("swf/pinnole1.svg")));
        casa->GotoFrame(0);
    }
    fotogrammaCase();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FinestraUguali::ColoraParte(int casa, int parte)
{
    ShockwaveFlash *picture = m_case[casa];
    if (parte <= Gradino) {
        picture->SetVariable(QStringLiteral("QualeOggetto"), ElementiCasa::idInterno(parte));
        picture->SetVariable(QStringLiteral("TestoColore.QualeColore"), m_gioco.esadecimale(parte, casa));
    } else {
        picture->TSetProperty(ElementiCasa::nomeParte(parte), 7,
                              m_gioco.Colore(parte, casa) != 0 ? QStringLiteral("1") : QStringLiteral("0"));
    }
}

// ColoraPrimopinnola / ColoraSecondopinnola: the background, the six coloured
// parts in part order, then the smoke and the clouds.
void FinestraUguali::ColoraCasa(int casa)
{
    m_case[casa]->BGColor(m_gioco.sfondo());
    for (int parte = Comignolo; parte <= Nuvole; ++parte)
        ColoraParte(casa, parte);
}

void FinestraUguali::generaItem()
{
    Command1(0)->setEnabled(false);
    const bool scansione = scansioneAttiva();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_gioco.GeneraEsercizio(Livello(), scansione && soloPartiColorate());
    ColoraCasa(CaseUguali::kPrimaCasa);
    ColoraCasa(CaseUguali::kSecondaCasa);
    QApplication::restoreOverrideCursor();
    // The ring starts again on the first part; a next-item button the scan
    // rested on (an item left from the level menu) goes back to its colour.
    if (scansione)
        this->scansione().vaiA(0);
}

void FinestraUguali::scegliParte(int parte, int casa)
{
    switch (m_gioco.scegli(parte, casa)) {
    case CaseUguali::Esito::Ignorata:
        return;
    case CaseUguali::Esito::Errata:
        SuonaNo();
        contaRispostaSbagliata();
        return;
    case CaseUguali::Esito::Esatta:
        ColoraParte(casa, parte);
        contaRispostaGiusta();
        if (m_gioco.completo()) {
            if (scansioneAttiva())
                scansione().vaiA(kPosizioneAvanti);
            else
                Command1(0)->setEnabled(true);
        }
        SuonaSi();
        return;
    }
}

ControlloScansione::Anello FinestraUguali::anelloScansione()
{
    ControlloScansione::Anello anello;
    // The next-item position counts only once the item is complete: while it
    // is open, advancing, going back and the timer all wrap over the parts.
    anello.posizioni = ::Anello(
        kPosizioneAvanti + 1, [this](int p) { return p < kPosizioneAvanti || m_gioco.completo(); },
        kPosizioneAvanti);
    anello.evidenzia = [this](int p, bool acceso) {
        if (p == kPosizioneAvanti)
            evidenziaPulsante(0, acceso);
        else
            evidenziaParte(p + 1, acceso);
    };
    anello.seleziona = [this](int p) {
        if (p == kPosizioneAvanti) {
            evidenziaPulsante(0, false);
            GeneraEsercizio();
        } else {
            scegliParte(p + 1, CaseUguali::kSecondaCasa);
        }
    };
    anello.nome = [this](int p) { return p == kPosizioneAvanti ? nomeControllo(Command1(0)) : nomeParte(p + 1); };
    anello.riquadro = [this](int p) {
        return p == kPosizioneAvanti ? riquadroControllo(Command1(0), area()) : riquadroParte(p + 1);
    };
    anello.illuminaDaSe = [this](int p) { return p != kPosizioneAvanti && partiIlluminateDaSe(); };
    return anello;
}

void FinestraUguali::Command1_Click(int indice)
{
    if (indice == 0) {
        GeneraEsercizio();
    } else if (indice == 1) {
        if (Stato().imp.VoceAttiva) {
            leggiConsegna(true);
        } else {
            m_pannello->raise();
            m_pannello->show();
        }
    }
}

void FinestraUguali::Label1_Click()
{
    m_pannello->hide();
}

bool FinestraUguali::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (oggetto == Label1() && evento->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(evento)->button() == Qt::LeftButton) {
        Label1_Click();
        return true;
    }
    return FinestraEsercizio::eventFilter(oggetto, evento);
}
