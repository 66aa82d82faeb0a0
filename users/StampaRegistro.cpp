#include "users/StampaRegistro.h"

#include "core/Lingua.h"
#include "platform/CommDlgs.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

#include <cups/cups.h>

namespace {

// The document's name, and the file's name offered for a PDF.
QString titolo()
{
    const QString testo = MLSGetText(QStringLiteral("0315"));
    return testo.isEmpty() ? QStringLiteral("Pinnole") : testo;
}

bool impagina(QPrinter &uscita, const QString &percorso, const QPageLayout &layout, const GrigliaDaStampare &griglia)
{
    uscita.setOutputFormat(QPrinter::PdfFormat);
    uscita.setOutputFileName(percorso);
    uscita.setPageLayout(layout);
    uscita.setDocName(titolo());
    uscita.setCreator(QStringLiteral("Pinnole"));
    return StampaGriglia(uscita, griglia);
}

} // namespace

EsitoLavoro stampaGrigliaPredefinita(QWidget *proprietario, const GrigliaDaStampare &griglia, QString *dettaglio)
{
    auto fallito = [dettaglio](const QString &motivo) {
        if (dettaglio)
            *dettaglio = motivo;
        return EsitoLavoro::NonAvviato;
    };
    const QString nome = stampanti().predefinita();
    if (nome.isEmpty())
        return fallito(QString());

    QPrinter uscita(QPrinter::HighResolution);
    if (nome == Stampanti::nomeFilePdf()) {
        const QString percorso = ScegliFile(proprietario, 2, MLSGetText(QStringLiteral("0314")),
                                            titolo() + QStringLiteral(".pdf"), QStringLiteral("PDF|*.pdf"),
                                            QDir::homePath(), QStringLiteral("pdf"));
        if (percorso.isEmpty())
            return EsitoLavoro::Annullato;
        const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                 QPageLayout::Millimeter);
        if (!impagina(uscita, percorso, layout, griglia))
            return fallito(QString());
        return EsitoLavoro::Stampato;
    }

    const QPrinterInfo info = QPrinterInfo::printerInfo(nome);
    if (info.isNull())
        return fallito(QString());
    // The printer's paper, and the margins it cannot print on.
    QPageLayout layout = QPrinter(info, QPrinter::HighResolution).pageLayout();
    layout.setUnits(QPageLayout::Millimeter);
    layout.setMargins(layout.minimumMargins());
    layout.setOrientation(QPageLayout::Landscape);
    QTemporaryDir cartella;
    const QString percorso = cartella.filePath(QStringLiteral("griglia.pdf"));
    if (!cartella.isValid() || !impagina(uscita, percorso, layout, griglia))
        return fallito(QString());

    const QByteArray nomeCups = nome.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray file = QFile::encodeName(percorso);
    const QByteArray nomeLavoro = titolo().toUtf8();
    QByteArray foglio = layout.pageSize().key().toLocal8Bit();
    cups_option_t opzioni[] = {{const_cast<char *>("media"), foglio.data()},
                               {const_cast<char *>("landscape"), const_cast<char *>("true")}};
    const int lavoro = cupsPrintFile(nomeCups.constData(), file.constData(), nomeLavoro.constData(), 2, opzioni);
    if (lavoro <= 0)
        return fallito(QString::fromLocal8Bit(cupsLastErrorString()));
    return EsitoLavoro::Stampato;
}
