#include "platform/CommDlgsQt.h"

#include "platform/Modale.h"

#include <QColorDialog>
#include <QDir>
#include <QFileDialog>
#include <QFontDialog>

std::optional<QColor> DialoghiQt::colore(QWidget *proprietario)
{
    // Solid colours only, starting from black, with sixteen empty custom
    // colours: nothing is remembered from one choice to the next.
    for (int i = 0; i < QColorDialog::customCount(); ++i)
        QColorDialog::setCustomColor(i, Qt::white);
    QColorDialog dialogo(Qt::black, proprietario);
    dialogo.setOption(QColorDialog::ShowAlphaChannel, false);
    if (eseguiModale(dialogo) != QDialog::Accepted)
        return std::nullopt;
    QColor c = dialogo.selectedColor();
    if (!c.isValid())
        return std::nullopt;
    c.setAlpha(255);
    return c;
}

EsitoDialogo DialoghiQt::font(QWidget *proprietario, QFont *scelto)
{
    // The dialog opens on the control's own font, so confirming it at once
    // changes nothing.
    QFontDialog dialogo(*scelto, proprietario);
    if (eseguiModale(dialogo) != QDialog::Accepted)
        return EsitoDialogo::Annullato;
    *scelto = dialogo.selectedFont();
    return EsitoDialogo::Confermato;
}

QString DialoghiQt::file(QWidget *proprietario, const RichiestaFile &r)
{
    QFileDialog dialogo(proprietario, r.titolo);
    dialogo.setAcceptMode(r.apri ? QFileDialog::AcceptOpen : QFileDialog::AcceptSave);
    dialogo.setFileMode(r.apri ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    dialogo.setOption(QFileDialog::ReadOnly, false);
    if (!r.filtro.isEmpty())
        dialogo.setNameFilters(filtroQt(r.filtro).split(QStringLiteral(";;")));
    if (!r.cartellaIniziale.isEmpty() && QDir(r.cartellaIniziale).exists())
        dialogo.setDirectory(r.cartellaIniziale);
    if (!r.estensionePredefinita.isEmpty())
        dialogo.setDefaultSuffix(r.estensionePredefinita);
    if (!r.nomePredefinito.isEmpty())
        dialogo.selectFile(r.nomePredefinito);
    if (eseguiModale(dialogo) != QDialog::Accepted || dialogo.selectedFiles().isEmpty())
        return QString();
    return dialogo.selectedFiles().constFirst();
}
