#pragma once

#include "platform/Stampanti.h"

// The printers of the CUPS server, through Qt Print Support, and the
// "PDF file" entry. A job is laid out by Qt as a PDF of one page and handed
// to CUPS once per copy, so a printer that refuses it is reported instead of
// being lost quietly.
class StampantiCups : public Stampanti
{
public:
    // Asks where a "PDF file" print goes (the save dialog); empty cancels.
    using SceltaFile = std::function<QString(QWidget *proprietario, const QString &titolo)>;

    explicit StampantiCups(SceltaFile sceltaFile = {});

    QStringList nomi() override;
    QString predefinita() override;
    bool apri(const QString &nome, ImpostazioniStampa &impostazioni) override;
    std::optional<QSizeF> areaStampabile(const QString &nome, const ImpostazioniStampa &impostazioni) override;
    bool proprieta(QWidget *proprietario, const QString &nome, ImpostazioniStampa &impostazioni) override;
    RisultatoLavoro stampa(QWidget *proprietario, const QString &nome, const ImpostazioniStampa &impostazioni,
                           const Stampabile &oggetto, const RettangoloMm &rettangolo, const QString &titolo,
                           int copie) override;

private:
    SceltaFile m_sceltaFile;
};
