#include "exercises/es2/FormEs2.h"

#include "core/Casuale.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "framework/Feedback.h"
#include "framework/Pulsante.h"
#include "layout/PosizioneTwips.h"
#include "platform/ShockwaveFlash.h"
#include "vocabulary/ElementiCasa.h"

#include <QApplication>
#include <QLabel>

namespace {

FinestraEsercizio::Progetto progettoEs2()
{
    FinestraEsercizio::Progetto p;
    p.nome = QStringLiteral("FormEs2");
    p.titolo = QStringLiteral("Uguale - diverso");
    p.livelli = {Esercizio2::kLivelli, 7};
    p.menuLivelli = QStringLiteral("Livelli");
    p.voceFigura = QStringLiteral("mnuPag");
    // A margin to the right of the buttons: the character, standing a third
    // of the way into its marker, stays on a 1024-pixel-wide screen.
    p.larghezzaTwips = 8760;
    p.altezzaTwips = 5295;
    p.sfondo = QColor(0xE4, 0xF4, 0xD9);
    return p;
}

} // namespace

FormEs2::FormEs2(QWidget *parent)
    : FinestraEsercizio(progettoEs2(), parent)
    , m_esercizio(fonteCasuale(), Stato().TabellaParole, Stato().imp.TabellaColori)
{
    for (int i = 0; i < 2; ++i) {
        m_case[i] = new ShockwaveFlash(area());
        m_case[i]->setObjectName(i == 0 ? QStringLiteral("ShockwaveFlash1") : QStringLiteral("ShockwaveFlash2"));
        m_case[i]->setAccessibleName(i == 0 ? MLSGetText(QStringLiteral("0335")) : MLSGetText(QStringLiteral("0336")));
    }
    posizionaTwips(m_case[0], 120, 120, 3135, 3735);
    posizionaTwips(m_case[1], 3480, 120, 3135, 3735);
    posizionaTwips(Label1(), 120, 4080, 6495, 1095);
    posizionaTwips(PicMerlino(), 6840, 240, 1335, 1815);
    aggiungiPulsante(0, 6840, 2160, 1260, 825, QStringLiteral("Uguali"), QStringLiteral("immagini/pollicesu.svg"));
    aggiungiPulsante(1, 6840, 3120, 1260, 825, QStringLiteral("Diversi"), QStringLiteral("immagini/pollicegiu.svg"));
    aggiungiPulsante(2, 6840, 4440, 1260, 735, QString(), QStringLiteral("immagini/freccia.svg"));
    Form_Load();
}

// With the voice the answer buttons show their pictures and their words at
// one point, which in effect leaves the pictures; without it, only the words.
void FormEs2::trattamentoPulsantiVoce(bool voceAttiva)
{
    m_voceAttiva = voceAttiva;
    for (int i = 0; i < 2; ++i)
        Command1(i)->setImmagineVisibile(voceAttiva);
}

void FormEs2::caratterePulsanti()
{
    if (!m_voceAttiva)
        return;
    for (int i = 0; i < 2; ++i) {
        QFont carattere = Command1(i)->font();
        carattere.setPointSize(1);
        Command1(i)->setFont(carattere);
    }
}

void FormEs2::aperturaEsercizio()
{
    caratterePulsanti();
    m_esercizio.azzeraContatoreFrasi();
    ApriFilepinnole();
    GeneraEsercizio();
}

void FormEs2::ApriFilepinnole()
{
    for (ShockwaveFlash *casa : m_case) {
        casa->Movie(Percorsi::programma(QStringLiteral("swf/pinnole1.svg")));
        casa->GotoFrame(0);
    }
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void FormEs2::ImpostaColori()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (int h = 0; h < 2; ++h) {
        ShockwaveFlash *casa = m_case[h];
        casa->BGColor(m_esercizio.sfondo());
        for (int parte = Comignolo; parte <= Gradino; ++parte) {
            casa->SetVariable(QStringLiteral("QualeOggetto"), ElementiCasa::idInterno(parte));
            casa->SetVariable(QStringLiteral("TestoColore.QualeColore"), m_esercizio.esadecimale(parte, h));
        }
        casa->TSetProperty(QStringLiteral("fumo"), 7, QString::number(m_esercizio.Colore(Fumo, h) != 0 ? 1 : 0));
        casa->TSetProperty(QStringLiteral("nuvole"), 7, QString::number(m_esercizio.Colore(Nuvole, h) != 0 ? 1 : 0));
    }
    QApplication::restoreOverrideCursor();
}

void FormEs2::generaItem()
{
    m_esercizio.GeneraEsercizio(Livello(), Stato().imp.StileTesto);
    if (m_esercizio.coppiaNuova())
        ImpostaColori();
    Command1(0)->setEnabled(true);
    Command1(1)->setEnabled(true);
    Command1(2)->setEnabled(false);
    for (int i = 0; i < 2; ++i) {
        Command1(i)->setText(m_esercizio.didascalia(i));
        Command1(i)->setAccessibleName(m_esercizio.didascalia(i));
    }
    Label1()->setText(m_esercizio.frase());
    leggi(Label1()->text());
}

void FormEs2::mostraPremio()
{
    m_esercizio.azzeraContatoreFrasi();
    Label1()->clear();
    MostraPremio(*m_case[0]);
    m_premio.premioMostrato();
}

void FormEs2::prossimoEsercizio()
{
    if (m_premio.daRicaricare())
        ApriFilepinnole();
    GeneraEsercizio();
}

void FormEs2::Command1_Click(int indice)
{
    switch (m_esercizio.valutaRisposta(indice)) {
    case Esercizio2::Esito::ProssimoEsercizio:
        prossimoEsercizio();
        break;
    case Esercizio2::Esito::Esatta:
        // The sentence is completed by the chosen word and read again.
        contaRispostaGiusta();
        Label1()->setText(Esercizio2::completa(Stato().TabellaParole, Label1()->text(), Command1(indice)->text()));
        leggi(Label1()->text());
        if (m_premio.rispostaGiusta())
            mostraPremio();
        SuonaSi();
        Command1(0)->setEnabled(false);
        Command1(1)->setEnabled(false);
        Command1(2)->setEnabled(true);
        break;
    case Esercizio2::Esito::Errata:
        SuonaNo();
        contaRispostaSbagliata();
        break;
    }
}

// By scanning a right answer neither completes the sentence nor speaks: the
// highlight goes to the next-item button and rests there.
void FormEs2::selezionaPulsante(int indice)
{
    switch (m_esercizio.valutaRisposta(indice)) {
    case Esercizio2::Esito::ProssimoEsercizio:
        scansione().vaiA(0);
        prossimoEsercizio();
        break;
    case Esercizio2::Esito::Esatta:
        livelli().rispostaGiusta();
        if (m_premio.rispostaGiusta())
            mostraPremio();
        aggiornaPannello(1);
        SuonaSi();
        scansione().vaiA(Esercizio2::Avanti);
        break;
    case Esercizio2::Esito::Errata:
        SuonaNo();
        contaRispostaSbagliata();
        break;
    }
}
