#include "users/StampaRegistro.h"

#include "core/Lingua.h"
#include "platform/CommDlgs.h"
#include "platform/LibreriaCups.h"

#include <QDir>
#include <QPrinter>
#include <QPrinterInfo>
#include <QTemporaryDir>

namespace {

// The document's name, and the file's name offered for a PDF.
QString titoloRegistro()
{
    const QString testo = MLSGetText(QStringLiteral("0315"));
    return testo.isEmpty() ? QStringLiteral("Pinnole") : testo;
}

bool impaginaPdf(QPrinter &uscita, const QString &percorso, const QPageLayout &layout, const QString &titolo,
                 const Impaginazione &impagina)
{
    uscita.setOutputFormat(QPrinter::PdfFormat);
    uscita.setOutputFileName(percorso);
    uscita.setPageLayout(layout);
    uscita.setDocName(titolo);
    uscita.setCreator(QStringLiteral("Pinnole"));
    return impagina(uscita);
}

} // namespace

EsitoLavoro stampaGrigliaPredefinita(QWidget *proprietario, const GrigliaDaStampare &griglia, QString *dettaglio)
{
    return stampaPaginePredefinita(
        proprietario, titoloRegistro(), [&griglia](QPrinter &pagine) { return StampaGriglia(pagine, griglia); }, dettaglio);
}

EsitoLavoro stampaPaginePredefinita(QWidget *proprietario, const QString &titolo, const Impaginazione &impagina,
                                    QString *dettaglio)
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
                                            titolo + QStringLiteral(".pdf"), QStringLiteral("PDF|*.pdf"),
                                            QDir::homePath(), QStringLiteral("pdf"));
        if (percorso.isEmpty())
            return EsitoLavoro::Annullato;
        const QPageLayout layout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(10, 10, 10, 10),
                                 QPageLayout::Millimeter);
        if (!impaginaPdf(uscita, percorso, layout, titolo, impagina))
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
    if (!cartella.isValid() || !impaginaPdf(uscita, percorso, layout, titolo, impagina))
        return fallito(QString());

    const QByteArray nomeCups = nome.section(QLatin1Char('/'), 0, 0).toLocal8Bit();
    const QByteArray file = QFile::encodeName(percorso);
    const QByteArray titoloLavoro = titolo.toUtf8();
    QByteArray foglio = layout.pageSize().key().toLocal8Bit();
    cups_option_t opzioni[] = {{const_cast<char *>("media"), foglio.data()},
                               {const_cast<char *>("landscape"), const_cast<char *>("true")}};
    QString errore;
    if (inviaFileCups(nomeCups.constData(), file.constData(), titoloLavoro.constData(), 2, opzioni, &errore) <= 0)
        return fallito(errore);
    return EsitoLavoro::Stampato;
}
