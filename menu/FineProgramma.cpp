#include "menu/FineProgramma.h"

#include "core/Modulo1.h"
#include "platform/Messaggi.h"

#include <QApplication>
#include <QDir>
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
    messaggi().mostra(QStringLiteral("Non è stato possibile salvare le impostazioni nel file\n%1\n\n"
                                     "Le modifiche fatte in questa sessione non sono state conservate.")
                          .arg(QDir::toNativeSeparators(percorso)),
                      titoloProgramma());
}

void FineProgramma()
{
    const StatoProgramma &stato = Stato();
    if (!SalvaUtenteCorrente(stato))
        avvisaImpostazioniNonSalvate(stato.PercorsoImpostazioni);
    if (terminaRegistrato())
        terminaRegistrato()();
    else
        terminaDavvero();
}
