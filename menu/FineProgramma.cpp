#include "menu/FineProgramma.h"

#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/Percorsi.h"
#include "platform/Messaggi.h"

#include <QApplication>
#include <QDir>
#include <QSet>
#include <QWidget>

namespace {

std::function<void()> &terminaRegistrato()
{
    static std::function<void()> termina;
    return termina;
}

void terminaDavvero()
{
    // No further event is served: the windows go at once and the event
    // loop ends; main() releases the single-instance lock on its way out.
    for (QWidget *finestra : QApplication::topLevelWidgets())
        finestra->hide();
    QCoreApplication::exit(0);
}

} // namespace

void impostaTerminaProgramma(std::function<void()> termina)
{
    terminaRegistrato() = std::move(termina);
}

void avvisaImpostazioniNonSalvate(const QString &percorso)
{
    messaggi().mostra(MLSGetText(QStringLiteral("0181")) + QLatin1Char('\n') + QDir::toNativeSeparators(percorso)
                          + QStringLiteral("\n\n") + MLSGetText(QStringLiteral("0182")),
                      titoloProgramma());
}

bool avvisaSalvataggio(EsitoSalvataggio esito, const QString &percorsoImpostazioni)
{
    switch (esito) {
    case EsitoSalvataggio::Salvato:
        return true;
    case EsitoSalvataggio::ImpostazioniNonSalvate:
        avvisaImpostazioniNonSalvate(percorsoImpostazioni);
        return false;
    case EsitoSalvataggio::AccessoNonSalvato:
        break;
    }
    // Every later save of the same user fails the same way: once is enough.
    static QSet<QString> giaDetti;
    const QString accesso = Percorsi::risolvi(percorsoOpzioniAccesso(percorsoImpostazioni));
    if (!giaDetti.contains(accesso)) {
        giaDetti.insert(accesso);
        messaggi().mostra(MLSGetText(QStringLiteral("0183")) + QLatin1Char('\n') + QDir::toNativeSeparators(accesso)
                              + QStringLiteral("\n\n") + MLSGetText(QStringLiteral("0184")),
                          titoloProgramma());
    }
    return true;
}

void FineProgramma()
{
    StatoProgramma &stato = Stato();
    avvisaSalvataggio(SalvaUtenteCorrente(stato), stato.PercorsoImpostazioni);
    if (terminaRegistrato())
        terminaRegistrato()();
    else
        terminaDavvero();
}
