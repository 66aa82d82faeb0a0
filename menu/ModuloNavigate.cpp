#include "menu/ModuloNavigate.h"

#include "core/Lingua.h"
#include "core/Percorsi.h"
#include "platform/Messaggi.h"

#include <QDir>

#include <QDesktopServices>
#include <QUrl>

namespace {

// QDesktopServices starts the desktop's opener as a detached process, so the
// program never waits for the document's application.
class ApritoreDesktop : public ApritoreDocumenti
{
public:
    bool apri(const QString &percorso) override
    {
        return QDesktopServices::openUrl(QUrl::fromLocalFile(percorso));
    }
};

ApritoreDocumenti *g_apritore = nullptr;

} // namespace

ApritoreDocumenti &apritoreDocumenti()
{
    static ApritoreDesktop desktop;
    return g_apritore ? *g_apritore : desktop;
}

void impostaApritoreDocumenti(ApritoreDocumenti *apritore)
{
    g_apritore = apritore;
}

void ApriDocumento(QWidget *finestra, const QString &percorso)
{
    Q_UNUSED(finestra); // the desktop places the application's window itself
    const QString file = Percorsi::risolvi(percorso);
    QString motivo;
    if (!EsisteFile(file))
        motivo = MLSGetText(QStringLiteral("0186"));
    else if (!apritoreDocumenti().apri(file))
        motivo = MLSGetText(QStringLiteral("0185"));
    else
        return;
    messaggi().mostra(motivo + QLatin1Char('\n') + QDir::toNativeSeparators(file), titoloProgramma(),
                      IconaMessaggio::Informazione);
}
