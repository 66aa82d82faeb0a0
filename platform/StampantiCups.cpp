#include "platform/StampantiCups.h"

#include "core/Lingua.h"
#include "platform/CommDlgs.h"
#include "platform/LibreriaCups.h"
#include "platform/Modale.h"

#include <QDir>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <memory>
#include <utility>
#include <vector>

namespace {

QPageLayout::Orientation orientazioneQt(int orientamento)
{
    return orientamento == 2 ? QPageLayout::Landscape : QPageLayout::Portrait;
}

// The page layout of a printer with the settings: its paper, the
// orientation asked and the printer's own unprintable margins. The "PDF file"
// entry prints up to the edges of the sheet.
std::optional<QPageLayout> impaginazione(const QString &nome, const ImpostazioniStampa &impostazioni)
{
    const QPageSize foglio = impostazioni.foglio.isValid() ? impostazioni.foglio : QPageSize(QPageSize::A4);
    if (nome == Stampanti::nomeFilePdf())
        return QPageLayout(foglio, orientazioneQt(impostazioni.orientamento), QMarginsF(0, 0, 0, 0),
                           QPageLayout::Millimeter);
    const QPrinterInfo info = QPrinterInfo::printerInfo(nome);
    if (info.isNull())
        return std::nullopt;
    QPrinter stampante(info, QPrinter::HighResolution);
    if (impostazioni.foglio.isValid())
        stampante.setPageSize(impostazioni.foglio);
    if (impostazioni.orientamento == 1 || impostazioni.orientamento == 2)
        stampante.setPageOrientation(orientazioneQt(impostazioni.orientamento));
    // The printable area is the sheet less what the printer cannot reach.
    QPageLayout layout = stampante.pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMargins(layout.minimumMargins());
    return layout;
}

// The save dialog of the program, asking where the PDF goes.
QString salvaConDialogo(QWidget *proprietario, const QString &titolo)
{
    RichiestaFile richiesta;
    richiesta.apri = false;
    // Without any printer the teacher is told why a file is asked for.
    richiesta.titolo = QPrinterInfo::availablePrinterNames().isEmpty()
                           ? MLSGetText(QStringLiteral("0316"))
                           : MLSGetText(QStringLiteral("0317"));
    richiesta.nomePredefinito = (titolo.trimmed().isEmpty() ? QStringLiteral("Pinnole") : titolo.trimmed())
                                + QStringLiteral(".pdf");
    richiesta.filtro = QStringLiteral("PDF|*.pdf");
    richiesta.cartellaIniziale = QDir::homePath();
    richiesta.estensionePredefinita = QStringLiteral("pdf");
    return dialoghiComuni().file(proprietario, richiesta);
}

} // namespace

StampantiCups::StampantiCups(SceltaFile sceltaFile)
    : m_sceltaFile(sceltaFile ? std::move(sceltaFile) : SceltaFile(salvaConDialogo))
{
}

QStringList StampantiCups::nomi()
{
    QStringList elenco = QPrinterInfo::availablePrinterNames();
    elenco << nomeFilePdf();
    return elenco;
}

QString StampantiCups::predefinita()
{
    if (QPrinterInfo::availablePrinterNames().isEmpty())
        return nomeFilePdf();
    return QPrinterInfo::defaultPrinterName();
}

bool StampantiCups::apri(const QString &nome, ImpostazioniStampa &impostazioni)
{
    if (nome == nomeFilePdf()) {
        if (!impostazioni.foglio.isValid())
            impostazioni.foglio = QPageSize(QPageSize::A4);
        return true;
    }
    const QPrinterInfo info = QPrinterInfo::printerInfo(nome);
    if (info.isNull())
        return false;
    if (!impostazioni.foglio.isValid() || !info.supportedPageSizes().contains(impostazioni.foglio))
        impostazioni.foglio = info.defaultPageSize();
    return true;
}

std::optional<QSizeF> StampantiCups::areaStampabile(const QString &nome, const ImpostazioniStampa &impostazioni)
{
    const std::optional<QPageLayout> layout = impaginazione(nome, impostazioni);
    if (!layout)
        return std::nullopt;
    return layout->paintRect(QPageLayout::Millimeter).size();
}

bool StampantiCups::proprieta(QWidget *proprietario, const QString &nome, ImpostazioniStampa &impostazioni)
{
    std::unique_ptr<QPrinter> stampante;
    if (nome == nomeFilePdf()) {
        stampante = std::make_unique<QPrinter>(QPrinter::HighResolution);
        stampante->setOutputFormat(QPrinter::PdfFormat);
    } else {
        const QPrinterInfo info = QPrinterInfo::printerInfo(nome);
        if (info.isNull())
            return false;
        stampante = std::make_unique<QPrinter>(info, QPrinter::HighResolution);
    }
    if (impostazioni.foglio.isValid())
        stampante->setPageSize(impostazioni.foglio);
    if (impostazioni.orientamento == 1 || impostazioni.orientamento == 2)
        stampante->setPageOrientation(orientazioneQt(impostazioni.orientamento));
    QPageSetupDialog dialogo(stampante.get(), proprietario);
    if (eseguiModale(dialogo) != QDialog::Accepted)
        return false;
    impostazioni.foglio = stampante->pageLayout().pageSize();
    impostazioni.orientamento = stampante->pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
    return true;
}

RisultatoLavoro StampantiCups::stampa(QWidget *proprietario, const QString &nome,
                                      const ImpostazioniStampa &impostazioni, const Stampabile &oggetto,
                                      const RettangoloMm &rettangolo, const QString &titolo, int copie)
{
    RisultatoLavoro risultato;
    if (copie <= 0) {
        risultato.esito = EsitoLavoro::Stampato;
        return risultato;
    }
    const std::optional<QPageLayout> layout = impaginazione(nome, impostazioni);
    if (!layout) {
        risultato.dettaglio = MLSGetText(QStringLiteral("0375")).arg(nome);
        return risultato;
    }

    const bool filePdf = nome == nomeFilePdf();
    QTemporaryDir cartellaTemporanea;
    QString percorso;
    if (filePdf) {
        percorso = m_sceltaFile(proprietario, titolo);
        if (percorso.isEmpty()) {
            risultato.esito = EsitoLavoro::Annullato;
            return risultato;
        }
    } else {
        if (!cartellaTemporanea.isValid()) {
            risultato.dettaglio = cartellaTemporanea.errorString();
            return risultato;
        }
        percorso = cartellaTemporanea.filePath(QStringLiteral("lavoro.pdf"));
    }

    // The page as a PDF: one page per copy in a PDF file, one page sent
    // once per copy to a printer.
    QPrinter uscita(QPrinter::HighResolution);
    uscita.setOutputFormat(QPrinter::PdfFormat);
    uscita.setOutputFileName(percorso);
    uscita.setPageLayout(*layout);
    uscita.setDocName(titolo);
    uscita.setCreator(QStringLiteral("Pinnole"));
    QPainter pittore;
    if (!pittore.begin(&uscita)) {
        risultato.dettaglio = MLSGetText(QStringLiteral("0376")).arg(percorso);
        return risultato;
    }
    const QSizeF area = layout->paintRect(QPageLayout::Millimeter).size();
    const int larghezzaMm = millimetriInteri(area.width());
    const int altezzaMm = millimetriInteri(area.height());
    const double kx = larghezzaMm > 0 ? double(uscita.width()) / larghezzaMm : 0.0;
    const double ky = altezzaMm > 0 ? double(uscita.height()) / altezzaMm : 0.0;
    const QRect destinazione = rettangoloDispositivo(rettangolo, kx, ky);
    const int pagine = filePdf ? copie : 1;
    for (int pagina = 0; pagina < pagine; ++pagina) {
        if (pagina > 0)
            uscita.newPage();
        pittore.save();
        pittore.setRenderHint(QPainter::SmoothPixmapTransform);
        if (oggetto.disegna)
            oggetto.disegna(pittore, QRectF(destinazione));
        pittore.restore();
    }
    if (!pittore.end()) {
        risultato.dettaglio = MLSGetText(QStringLiteral("0376")).arg(percorso);
        return risultato;
    }
    if (filePdf) {
        risultato.esito = EsitoLavoro::Stampato;
        risultato.copieInviate = copie;
        return risultato;
    }

    // The options Qt itself gives CUPS for a page laid out this way.
    const QByteArray nomeCups = nome.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray file = percorso.toLocal8Bit();
    const QByteArray titoloCups = titolo.toLocal8Bit();
    const QByteArray foglio = layout->pageSize().key().toLocal8Bit();
    std::vector<std::pair<QByteArray, QByteArray>> opzioni = {{"media", foglio}, {"sides", "one-sided"}};
    if (layout->orientation() == QPageLayout::Landscape)
        opzioni.emplace_back("landscape", "true");
    std::vector<cups_option_t> opzioniCups;
    for (auto &[chiave, valore] : opzioni)
        opzioniCups.push_back(cups_option_t{chiave.data(), valore.data()});

    risultato.esito = EsitoLavoro::Stampato;
    for (int copia = 0; copia < copie; ++copia) {
        QString errore;
        const int lavoro = inviaFileCups(nomeCups.constData(), file.constData(), titoloCups.constData(),
                                         int(opzioniCups.size()), opzioniCups.data(), &errore);
        if (lavoro <= 0) {
            risultato.esito = copia == 0 ? EsitoLavoro::NonAvviato : EsitoLavoro::NonStampato;
            risultato.dettaglio = errore;
            break;
        }
        ++risultato.copieInviate;
    }
    return risultato;
}
