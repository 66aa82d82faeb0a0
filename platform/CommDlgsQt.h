#pragma once

#include "platform/CommDlgs.h"

// The colour, font and file dialogs as Qt dialogs.
class DialoghiQt : public DialoghiComuni
{
public:
    std::optional<QColor> colore(QWidget *proprietario) override;
    EsitoDialogo font(QWidget *proprietario, QFont *scelto) override;
    QString file(QWidget *proprietario, const RichiestaFile &richiesta) override;
};
