#include "printing/AccessoStampante.h"

#include "core/Lingua.h"
#include "platform/Messaggi.h"

#include <QApplication>
#include <QCursor>
#include <QPainter>
#include <QWidget>

namespace {

// The busy pointer while a print is under way, restored however it ends.
class PuntatoreOccupato
{
public:
    PuntatoreOccupato() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~PuntatoreOccupato() { QApplication::restoreOverrideCursor(); }
    PuntatoreOccupato(const PuntatoreOccupato &) = delete;
    PuntatoreOccupato &operator=(const PuntatoreOccupato &) = delete;
};

void errore(const QString &testo, const QString &procedura)
{
    messaggi().mostra(testo, titoloErroreStampa(procedura), IconaMessaggio::Critico);
}

} // namespace

QString titoloErroreStampa(const QString &procedura)
{
    return QLatin1Char(' ') + MLSGetText(QStringLiteral("0364")) + QStringLiteral(" frmStampaFPB/") + procedura;
}

QString numeroDiagnostico(qint64 numero)
{
    return numero >= 0 ? QStringLiteral(" ") + QString::number(numero) : QString::number(numero);
}

QString GetDefPrinterName()
{
    const QString nome = stampanti().predefinita();
    if (nome.isEmpty())
        errore(MLSGetText(QStringLiteral("0365")), QStringLiteral("GetDefPrinterName"));
    return nome;
}

bool OpenDocPrinter(QString &nome, ImpostazioniStampa &impostazioni)
{
    if (nome.isEmpty())
        nome = GetDefPrinterName();
    if (nome.isEmpty())
        return false;
    if (!stampanti().apri(nome, impostazioni)) {
        errore(MLSGetText(QStringLiteral("0098")) + QLatin1Char('\n'), QStringLiteral("OpenDocPrinter"));
        return false;
    }
    return true;
}

std::optional<FoglioMm> GetPaperSize(const QString &nome, const ImpostazioniStampa &impostazioni)
{
    if (nome.isEmpty())
        return std::nullopt;
    const std::optional<QSizeF> area = stampanti().areaStampabile(nome, impostazioni);
    if (!area)
        return std::nullopt;
    return FoglioMm{millimetriInteri(area->width()), millimetriInteri(area->height()), impostazioni.orientamento};
}

std::optional<QImage> Legge_Form(QWidget *finestra)
{
    const QImage immagine = finestra ? finestra->grab().toImage().convertToFormat(QImage::Format_RGB888) : QImage();
    if (immagine.isNull()) {
        errore(MLSGetText(QStringLiteral("0366")) + QStringLiteral("\nR2 = ") + numeroDiagnostico(0), QStringLiteral("Legge_Form"));
        return std::nullopt;
    }
    if (DibSize(immagine.depth(), immagine.width(), immagine.height()) == 0) {
        errore(MLSGetText(QStringLiteral("0367")) + QStringLiteral("\n\n") + MLSGetText(QStringLiteral("0099")),
               QStringLiteral("Legge_Form"));
        return std::nullopt;
    }
    return immagine;
}

Stampabile stampabileDaImmagine(const QString &nome, const QImage &immagine)
{
    return {nome, immagine.size(), [immagine](QPainter &p, const QRectF &r) { p.drawImage(r, immagine); }};
}

bool StampaOggetto(QWidget *finestraStampa, const QString &stampante, const ImpostazioniStampa &impostazioni,
                   const Stampabile &oggetto, bool figura, const RettangoloMm &rettangolo, const QString &titolo,
                   int copie)
{
    PuntatoreOccupato occupato;
    const QString procedura = figura ? QStringLiteral("Print_PictureBox") : QStringLiteral("Print_Form");
    const std::optional<FoglioMm> foglio = GetPaperSize(stampante, impostazioni);
    if (!foglio) {
        QString testo = QStringLiteral("prhDC = ") + numeroDiagnostico(0);
        if (figura)
            testo += QStringLiteral("\nhMem = ") + numeroDiagnostico(0);
        errore(testo, procedura);
        return false;
    }

    RettangoloMm r = rettangolo;
    if (foglio->larghezza < r.destra() || foglio->altezza < r.basso()) {
        const QString domanda = MLSGetText(QStringLiteral("0093")) + QLatin1Char('\n')
                                + MLSGetText(QStringLiteral("0094")) + QLatin1Char('\n')
                                + MLSGetText(QStringLiteral("0095")) + QStringLiteral("\n\n")
                                + MLSGetText(QStringLiteral("0096"));
        switch (messaggi().domanda(domanda, MLSGetText(QStringLiteral("0097")), PulsantiDomanda::SiNoAnnulla)) {
        case RispostaDomanda::Annulla:
            return false;
        case RispostaDomanda::Si:
            r = riduciAlFoglio(r, foglio->larghezza, foglio->altezza);
            break;
        case RispostaDomanda::No:
            break;
        }
    }

    const RisultatoLavoro lavoro = stampanti().stampa(finestraStampa, stampante, impostazioni, oggetto, r, titolo, copie);
    const QString motivo = lavoro.dettaglio.isEmpty() ? QString() : QStringLiteral("\n\n") + lavoro.dettaglio;
    switch (lavoro.esito) {
    case EsitoLavoro::Stampato:
        return true;
    case EsitoLavoro::Annullato:
        return false;
    case EsitoLavoro::NonAvviato:
        errore(MLSGetText(QStringLiteral("0368")) + motivo, procedura);
        return false;
    case EsitoLavoro::NonStampato: {
        // The steps of the refused copy: the page was started, drawn and
        // ended; the document was not accepted.
        const qint64 righe = oggetto.dimensione.height();
        QString testo;
        if (figura)
            testo = MLSGetText(QStringLiteral("0370")) + QStringLiteral("\nR1 = ") + numeroDiagnostico(righe)
                    + QStringLiteral("\nR2 = ") + numeroDiagnostico(1) + QStringLiteral("\nR3 = ")
                    + numeroDiagnostico(righe) + QStringLiteral("\nR4 = ") + numeroDiagnostico(1)
                    + QStringLiteral("\nR5 = ") + numeroDiagnostico(0);
        else
            testo = MLSGetText(QStringLiteral("0369")) + QStringLiteral("\nR1 = ") + numeroDiagnostico(1)
                    + QStringLiteral("\nR2 = ") + numeroDiagnostico(righe) + QStringLiteral("\nR3 = ")
                    + numeroDiagnostico(1) + QStringLiteral("\nR4 = ") + numeroDiagnostico(0);
        errore(testo + motivo, procedura);
        return false;
    }
    }
    return false;
}

bool stampaVeloce(QWidget *proprietario, const Stampabile &oggetto, const QString &titolo)
{
    if (oggetto.dimensione.isEmpty())
        return false;
    QString nome;
    ImpostazioniStampa impostazioni;
    impostazioni.orientamento = oggetto.dimensione.width() > oggetto.dimensione.height() ? 2 : 1;
    if (!OpenDocPrinter(nome, impostazioni))
        return false;
    const std::optional<FoglioMm> foglio = GetPaperSize(nome, impostazioni);
    if (!foglio || foglio->larghezza <= 0 || foglio->altezza <= 0) {
        errore(QStringLiteral("prhDC = ") + numeroDiagnostico(0), QStringLiteral("Print_Form"));
        return false;
    }
    QSize dimensione = oggetto.dimensione;
    dimensione.scale(foglio->larghezza, foglio->altezza, Qt::KeepAspectRatio);
    dimensione = dimensione.boundedTo(QSize(foglio->larghezza, foglio->altezza)).expandedTo(QSize(1, 1));
    const QPoint margini = marginiAlCentro(foglio->larghezza, foglio->altezza, dimensione.width(), dimensione.height());
    return StampaOggetto(proprietario, nome, impostazioni, oggetto, false,
                         {qMax(0, margini.x()), qMax(0, margini.y()), dimensione.width(), dimensione.height()}, titolo,
                         1);
}
