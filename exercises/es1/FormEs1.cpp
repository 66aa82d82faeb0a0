#include "exercises/es1/FormEs1.h"

#include "core/Casuale.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "framework/Feedback.h"
#include "framework/FeedbackPremio.h"
#include "framework/Pulsante.h"
#include "layout/PosizioneTwips.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ElementiCasa.h"

#include <QApplication>
#include <QLabel>

namespace {

FinestraEsercizio::Progetto progettoEs1()
{
    FinestraEsercizio::Progetto p;
    p.nome = QStringLiteral("FormEs1");
    p.titolo = QStringLiteral("Vero o falso");
    p.livelli = {Esercizio1::kLivelli, 7};
    p.menuLivelli = QStringLiteral("&Livelli");
    p.voceFigura = QStringLiteral("mnuCol");
    p.larghezzaTwips = 7935;
    p.altezzaTwips = 5535;
    p.sfondo = QColor(0xD6, 0xEE, 0xFB);
    return p;
}

} // namespace

FormEs1::FormEs1(QWidget *parent)
    : FinestraEsercizio(progettoEs1(), parent)
    , m_esercizio(fonteCasuale(), Stato().TabellaParole, Stato().imp.TabellaColori)
{
    m_casa = new ShockwaveFlash(area());
    m_casa->setObjectName(QStringLiteral("ShockwaveFlash1"));
    posizionaTwips(m_casa, 120, 120, 4215, 5295);
    posizionaTwips(Label1(), 4440, 120, 3375, 2415);
    posizionaTwips(PicMerlino(), 4440, 2760, 1335, 2535);
    aggiungiPulsante(0, 5880, 2640, 1935, 885, QStringLiteral("Vero"), QStringLiteral("immagini/pollicesu.svg"));
    aggiungiPulsante(1, 5880, 3600, 1935, 885, QStringLiteral("Falso"), QStringLiteral("immagini/pollicegiu.svg"));
    aggiungiPulsante(2, 5880, 4560, 1935, 855, QString(), QStringLiteral("immagini/freccia.svg"));
    Form_Load();
    // The translated captions, kept for the silent mode that shows them.
    m_didascalie[0] = Command1(0)->text();
    m_didascalie[1] = Command1(1)->text();
    Command1(0)->setAccessibleName(m_didascalie[0]);
    Command1(1)->setAccessibleName(m_didascalie[1]);
}

void FormEs1::trattamentoPulsantiVoce(bool voceAttiva)
{
    // With the voice the buttons show only the thumbs; without it, only the words.
    for (int i = 0; i < 2; ++i) {
        Command1(i)->setText(voceAttiva ? QString() : m_didascalie[i]);
        Command1(i)->setImmagineVisibile(voceAttiva);
    }
}

void FormEs1::aperturaEsercizio()
{
    ApriFilepinnole();
    m_esercizio.azzeraContatoreFrasi();
    GeneraEsercizio();
}

void FormEs1::ApriFilepinnole()
{
    m_casa->Movie(Percorsi::programma(QStringLiteral("swf/pinnole1.svg")));
    m_casa->GotoFrame(0);
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FormEs1::ImpostaColori()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    m_casa->BGColor(m_esercizio.sfondo());
    for (int parte = Comignolo; parte <= Gradino; ++parte) {
        m_casa->SetVariable(QStringLiteral("QualeOggetto"), ElementiCasa::idInterno(parte));
        m_casa->SetVariable(QStringLiteral("TestoColore.QualeColore"), m_esercizio.esadecimaleParte(parte));
    }
    m_casa->TSetProperty(QStringLiteral("fumo"), 7, m_esercizio.fumo() ? QStringLiteral("1") : QStringLiteral("0"));
    m_casa->TSetProperty(QStringLiteral("nuvole"), 7,
                         m_esercizio.nuvole() ? QStringLiteral("1") : QStringLiteral("0"));
    QApplication::restoreOverrideCursor();
}

void FormEs1::generaItem()
{
    m_esercizio.GeneraEsercizio(Livello(), Stato().imp.StileTesto);
    if (m_esercizio.casaNuova())
        ImpostaColori();
    Command1(0)->setEnabled(true);
    Command1(1)->setEnabled(true);
    Command1(2)->setEnabled(false);
    Label1()->setText(m_esercizio.frase());
    leggi(Label1()->text());
}

void FormEs1::mostraPremio()
{
    m_esercizio.azzeraContatoreFrasi();
    Label1()->clear();
    MostraPremio(*m_casa);
    m_premio.premioMostrato();
}

void FormEs1::prossimoEsercizio()
{
    if (m_premio.daRicaricare())
        ApriFilepinnole();
    GeneraEsercizio();
}

void FormEs1::Command1_Click(int indice)
{
    switch (m_esercizio.valutaRisposta(indice)) {
    case Esercizio1::Esito::ProssimoEsercizio:
        prossimoEsercizio();
        break;
    case Esercizio1::Esito::Esatta:
        contaRispostaGiusta();
        SuonaSi();
        Command1(0)->setEnabled(false);
        Command1(1)->setEnabled(false);
        if (m_premio.rispostaGiusta())
            mostraPremio();
        Command1(2)->setEnabled(true);
        break;
    case Esercizio1::Esito::Errata:
        SuonaNo();
        contaRispostaSbagliata();
        break;
    }
}

void FormEs1::selezionaPulsante(int indice)
{
    switch (m_esercizio.valutaRisposta(indice)) {
    case Esercizio1::Esito::ProssimoEsercizio:
        scansione().vaiA(0);
        prossimoEsercizio();
        break;
    case Esercizio1::Esito::Esatta:
        livelli().rispostaGiusta();
        if (m_premio.rispostaGiusta())
            mostraPremio();
        aggiornaPannello(1);
        SuonaSi();
        scansione().vaiA(Esercizio1::Avanti);
        break;
    case Esercizio1::Esito::Errata:
        SuonaNo();
        contaRispostaSbagliata();
        break;
    }
}
