#include "exercises/es6/FormEs6.h"

#include "core/Casuale.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "framework/Feedback.h"
#include "platform/ShockwaveFlash.h"

#include <QCoreApplication>
#include <QTimer>

FormEs6::FormEs6(QWidget *parent)
    : FinestraCaratteristiche(
          progetto(QStringLiteral("FormEs6"), QStringLiteral("Trova gli intrusi"), QColor(0xE4, 0xF4, 0xDC)), m_esercizio,
          QStringLiteral("Elimina le pinnole che non possiedono tutte le caratteristiche"), parent)
    , m_esercizio(fonteCasuale(), Stato().TabellaParole, Stato().imp.TabellaColori,
                  MLSGetText(QStringLiteral("0104")))
{
    m_timer3 = creaTimerLettura("Timer3", 100);
    connect(m_timer3, &QTimer::timeout, this, &FormEs6::Timer3_Timer);
    Form_Load();
}

void FormEs6::pausaDopoCaricamento()
{
    attendi(1.0);
}

void FormEs6::itemDipinto()
{
    m_esercizio.nuovoItem();
}

void FormEs6::avviaLettura()
{
    leggi(m_esercizio.Frasi(0));
    QCoreApplication::processEvents();
    m_esercizio.impostaProssimaFrase(1);
    Timer2()->start();
    m_timer3->start();
}

void FormEs6::Timer3_Timer()
{
    // Three seconds, then one full scan of the houses still shown. The
    // interval is set only when it changes: setting it restarts the timer,
    // and ten times a second nothing would ever be read.
    int mostrate = 0;
    for (int i = 0; i < EsercizioCaratteristiche::kMassimoCase; ++i) {
        if (!ShockwaveFlash1(i)->isHidden())
            ++mostrate;
    }
    const qint64 pausa = 3000 + qint64(mostrate) * qMax<qint64>(1, Stato().imp.VelocitaScansione) * 250;
    const int intervallo = int(qMin<qint64>(pausa, std::numeric_limits<int>::max()));
    if (Timer2()->interval() != intervallo)
        Timer2()->setInterval(intervallo);
}

bool FormEs6::rispondi(int casa)
{
    // The model never goes away; the highlight may still rest on a house
    // just removed, and selecting it does nothing.
    switch (m_esercizio.scegli(casa)) {
    case Esercizio6::Esito::Errata:
        SuonaNo();
        contaRispostaSbagliata();
        return false;
    case Esercizio6::Esito::Eliminata:
    case Esercizio6::Esito::Completata:
        contaRispostaGiusta();
        nascondiCasa(casa);
        SuonaSi();
        return m_esercizio.completo();
    case Esercizio6::Esito::Nessuno:
        break;
    }
    return false;
}

void FormEs6::rispostaMouse(int casa)
{
    if (rispondi(casa))
        completaConMouse();
}

void FormEs6::rispostaScansione(int casa)
{
    if (rispondi(casa))
        completaConScansione();
}
