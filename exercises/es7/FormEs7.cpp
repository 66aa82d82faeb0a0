#include "exercises/es7/FormEs7.h"

#include "core/Casuale.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "framework/Feedback.h"
#include "framework/Pulsante.h"

#include <QCoreApplication>
#include <QTimer>

FormEs7::FormEs7(QWidget *parent)
    : FinestraCaratteristiche(
          progetto(QStringLiteral("FormEs7"), QStringLiteral("Indovina chi?"), QColor(0xFC, 0xEE, 0xD8)), m_esercizio,
          QStringLiteral("Trova la pinnola che possiede tutte le caratteristiche"), parent)
    , m_esercizio(fonteCasuale(), Stato().TabellaParole, Stato().imp.TabellaColori,
                  MLSGetText(QStringLiteral("0081")))
{
    Form_Load();
}

void FormEs7::pausaDopoCaricamento()
{
    QCoreApplication::processEvents();
}

void FormEs7::avviaLettura()
{
    // Nothing is said at once: the chimney's sentence comes with the first tick.
    m_esercizio.impostaProssimaFrase(0);
    Timer2()->start();
}

void FormEs7::rispostaMouse(int casa)
{
    // Once the model is found the item waits for the next-item button.
    if (Command1(0)->isEnabled())
        return;
    if (m_esercizio.giusta(casa)) {
        contaRispostaGiusta();
        SuonaSi();
        completaConMouse();
    } else {
        SuonaNo();
        contaRispostaSbagliata();
    }
}

void FormEs7::rispostaScansione(int casa)
{
    if (!m_esercizio.giusta(casa)) {
        SuonaNo();
        contaRispostaSbagliata();
        return;
    }
    contaRispostaGiusta();
    // Only the model stays on screen; the highlight already rests on it.
    for (int i = 0; i < numeroCase(); ++i) {
        if (i != casa)
            nascondiCasa(i);
    }
    SuonaSi();
    completaConScansione();
}
