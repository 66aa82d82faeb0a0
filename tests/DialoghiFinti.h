#pragma once

#include "platform/CommDlgs.h"

#include <QList>
#include <QStringList>

// Answers the colour, font and file dialogs from scripts instead of showing
// them, and records what each was asked. An empty script cancels.
class DialoghiFinti : public DialoghiComuni
{
public:
    DialoghiFinti() { impostaDialoghiComuni(this); }
    ~DialoghiFinti() override { impostaDialoghiComuni(nullptr); }

    std::optional<QColor> colore(QWidget *proprietario) override
    {
        proprietari << proprietario;
        ++richiesteColore;
        if (colori.isEmpty())
            return std::nullopt;
        return colori.takeFirst();
    }
    EsitoDialogo font(QWidget *proprietario, QFont *scelto) override
    {
        proprietari << proprietario;
        ++richiesteFont;
        if (fonts.isEmpty())
            return EsitoDialogo::Annullato;
        const std::pair<EsitoDialogo, QFont> risposta = fonts.takeFirst();
        if (risposta.first == EsitoDialogo::Confermato)
            *scelto = risposta.second;
        return risposta.first;
    }
    QString file(QWidget *proprietario, const RichiestaFile &richiesta) override
    {
        proprietari << proprietario;
        richiesteFile << richiesta;
        return percorsi.isEmpty() ? QString() : percorsi.takeFirst();
    }

    // Scripts: a colour (nullopt cancels), a font with its outcome, a path
    // (the empty text cancels).
    QList<std::optional<QColor>> colori;
    QList<std::pair<EsitoDialogo, QFont>> fonts;
    QStringList percorsi;

    // What was asked.
    int richiesteColore = 0;
    int richiesteFont = 0;
    QList<RichiestaFile> richiesteFile;
    QList<QWidget *> proprietari;

    static std::pair<EsitoDialogo, QFont> fontScelto(const QString &famiglia, int punti, bool grassetto = false,
                                                     bool corsivo = false, bool sottolineato = false)
    {
        QFont f(famiglia);
        f.setPointSize(punti);
        f.setBold(grassetto);
        f.setItalic(corsivo);
        f.setUnderline(sottolineato);
        return {EsitoDialogo::Confermato, f};
    }
};
