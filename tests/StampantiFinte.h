#pragma once

#include "platform/Stampanti.h"

#include <QList>

// Printers that record every job instead of printing, with a printable area
// of 200 x 287 mm in portrait (287 x 200 in landscape) and a scripted outcome.
class StampantiFinte : public Stampanti
{
public:
    struct Lavoro
    {
        QString stampante;
        ImpostazioniStampa impostazioni;
        RettangoloMm rettangolo;
        QString titolo;
        int copie = 0;
        QSize dimensione;
    };

    StampantiFinte() { impostaStampanti(this); }
    ~StampantiFinte() override { impostaStampanti(nullptr); }

    QStringList nomi() override { return elenco; }
    QString predefinita() override { return nomePredefinito; }
    bool apri(const QString &nome, ImpostazioniStampa &impostazioni) override
    {
        aperte << nome;
        if (!elenco.contains(nome))
            return false;
        if (!impostazioni.foglio.isValid())
            impostazioni.foglio = QPageSize(QPageSize::A4);
        return true;
    }
    std::optional<QSizeF> areaStampabile(const QString &nome, const ImpostazioniStampa &impostazioni) override
    {
        if (!elenco.contains(nome))
            return std::nullopt;
        return impostazioni.orientamento == 2 ? area.transposed() : area;
    }
    bool proprieta(QWidget *, const QString &, ImpostazioniStampa &) override { return false; }
    RisultatoLavoro stampa(QWidget *, const QString &nome, const ImpostazioniStampa &impostazioni,
                           const Stampabile &oggetto, const RettangoloMm &rettangolo, const QString &titolo,
                           int copie) override
    {
        lavori << Lavoro{nome, impostazioni, rettangolo, titolo, copie, oggetto.dimensione};
        RisultatoLavoro r;
        r.esito = esito;
        r.copieInviate = esito == EsitoLavoro::Stampato ? copie : 0;
        return r;
    }

    QStringList elenco{QStringLiteral("Ufficio"), QStringLiteral("Aula"), Stampanti::nomeFilePdf()};
    QString nomePredefinito = QStringLiteral("Aula");
    QSizeF area{200, 287};
    EsitoLavoro esito = EsitoLavoro::Stampato;
    QList<Lavoro> lavori;
    QStringList aperte;
};
