// The "Font e colori" tab of the configuration window: the letter style,
// the text font and its colours, the button colours and the background.
#include "config/FormConfigura.h"

#include "config/ControlliConfigura.h"
#include "core/ColoriVB.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"
#include "core/TestoFile.h"
#include "menu/FineProgramma.h"
#include "platform/CommDlgs.h"
#include "platform/Messaggi.h"

#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace configura;

void FormConfigura::creaFont(QFrame *f)
{
    m_frameScelte = crea<QGroupBox>(f, "FrameScelte", QStringLiteral("Tipo di carattere"), 240, 240, 3000, 1800);
    const char *stili[3] = {"minuscolo", "maiuscolo", "corsivo"};
    const char *didascalie[3] = {"minuscolo", "MAIUSCOLO", "corsivo"};
    for (int i = 0; i < 3; ++i)
        m_stile[size_t(i)] = crea<QRadioButton>(m_frameScelte, stili[i], QString::fromUtf8(didascalie[i]), 240,
                                                420 + 420 * i, 2520, 360);

    m_frame6 = crea<QGroupBox>(f, "Frame6", QStringLiteral("Colore sfondo"), 240, 2280, 3000, 1920);
    const char *sfondi[2] = {"Colori vari", "Colore fisso"};
    for (int i = 0; i < 2; ++i)
        m_optionColoreCasualeFisso[size_t(i)] = crea<QRadioButton>(
            m_frame6, "OptionColoreCasualeFisso", QString::fromUtf8(sfondi[i]), 240, 420 + 420 * i, 2520, 360, i);
    m_commandSceltaColori = pulsante(m_frame6, "CommandSceltaColori", QStringLiteral("Colori"), 240, 1260, 2520, 480);

    m_commandSceltaFont = pulsante(f, "CommandSceltaFont", QStringLiteral("Font"), 3480, 360, 3000, 540);
    m_commandSceltaColoreFont =
        pulsante(f, "CommandSceltaColoreFont", QStringLiteral("Colore font"), 6720, 360, 3000, 540);
    m_commandSceltaSfondoTesto =
        pulsante(f, "CommandSceltaSfondoTesto", QStringLiteral("Sfondo testo"), 3480, 1080, 3000, 540);
    m_commandSceltaColoreBottoni =
        pulsante(f, "CommandSceltaColoreBottoni", QStringLiteral("Pulsanti"), 6720, 1080, 3000, 540);
    m_command1 = pulsante(f, "Command1", QStringLiteral("Pulsanti selezionati"), 3480, 1800, 3000, 540);

    for (int i = 0; i < 2; ++i) {
        auto *l = crea<QLabel>(f, "LabelFontSelezionato", QStringLiteral("Esempio di font e colore del testo"), 3480,
                               2640 + 2160 * i, 6240, 1920, i);
        l->setAccessibleName(MLSGetText(QStringLiteral("0381")));
        l->setWordWrap(true);
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
        l->setFrameShape(QFrame::Box);
        m_labelFontSelezionato[size_t(i)] = l;
    }
    // Receives the colour chosen for a background or a button; never seen.
    m_labelPerColore = new QLabel(f);
    dainome(m_labelPerColore, "LabelPerColore");
    m_labelPerColore->hide();
}

void FormConfigura::collegaFont()
{
    for (int i = 0; i < 3; ++i)
        connect(m_stile[size_t(i)], &QRadioButton::clicked, this, [this, i] { Stile_Click(i); });
    connect(m_commandSceltaFont, &QPushButton::clicked, this, &FormConfigura::CommandSceltaFont_Click);
    connect(m_commandSceltaColoreFont, &QPushButton::clicked, this, &FormConfigura::CommandSceltaColoreFont_Click);
    connect(m_commandSceltaSfondoTesto, &QPushButton::clicked, this, &FormConfigura::CommandSceltaSfondoTesto_Click);
    connect(m_commandSceltaColoreBottoni, &QPushButton::clicked, this,
            &FormConfigura::CommandSceltaColoreBottoni_Click);
    connect(m_command1, &QPushButton::clicked, this, &FormConfigura::Command1_Click);
    connect(m_commandSceltaColori, &QPushButton::clicked, this, &FormConfigura::CommandSceltaColori_Click);
    for (int i = 0; i < 2; ++i)
        connect(m_optionColoreCasualeFisso[size_t(i)], &QRadioButton::clicked, this,
                [this, i] { OptionColoreCasualeFisso_Click(i); });
}

void FormConfigura::Stile_Click(int indice)
{
    Impostazioni &imp = Stato().imp;
    if (indice == 2) {
        // Clicking "corsivo" again keeps the font saved for the other cases.
        if (imp.StileTesto != QLatin1String("corsivo"))
            imp.FontTestoSalvato = imp.FontTesto;
        imp.StileTesto = QStringLiteral("corsivo");
        imp.FontTesto = QStringLiteral("Indis1");
    } else {
        imp.StileTesto = indice == 0 ? QStringLiteral("minuscolo") : QStringLiteral("maiuscolo");
        imp.FontTesto = imp.FontTestoSalvato;
    }
    ImpostaConfigurazioni();
}

void FormConfigura::CommandSceltaFont_Click()
{
    QLabel *esempio = m_labelFontSelezionato[0];
    const QFont prima = esempio->font();
    const EsitoDialogo esito = ScegliFont(this, esempio);
    if (esito == EsitoDialogo::Annullato)
        return;
    const QString famiglia = esempio->font().family();
    const bool memorizzabile = esito == EsitoDialogo::Confermato && TestoFile::soloCaratteri1252(famiglia) == famiglia;
    if (!memorizzabile) {
        esempio->setFont(prima);
        messaggi().mostra(MLSGetText(QStringLiteral("0053")), titoloProgramma(), IconaMessaggio::Critico);
        return;
    }
    Impostazioni &imp = Stato().imp;
    if (imp.StileTesto != QLatin1String("corsivo")) {
        imp.FontTesto = famiglia;
    } else {
        imp.FontTesto = QStringLiteral("Indis1");
        messaggi().mostra(MLSGetText(QStringLiteral("0051")) + QLatin1Char('\n') + MLSGetText(QStringLiteral("0052")),
                          titoloProgramma(), IconaMessaggio::Informazione);
    }
    imp.DimensioneFontTesto = qint16(esempio->font().pointSize());
    imp.FontTestoSalvato = famiglia;
    ImpostaConfigurazioni();
}

void FormConfigura::CommandSceltaColoreFont_Click()
{
    if (ScegliColore(this, m_labelFontSelezionato[0])) {
        Stato().imp.ColoreTesto = valoreVB(coloreTesto(m_labelFontSelezionato[0]));
        ImpostaConfigurazioni();
    }
}

void FormConfigura::CommandSceltaSfondoTesto_Click()
{
    if (ScegliColore(this, m_labelPerColore)) {
        Stato().imp.ColoreSfondoTesto = valoreVB(coloreTesto(m_labelPerColore));
        ImpostaConfigurazioni();
    }
}

void FormConfigura::CommandSceltaColoreBottoni_Click()
{
    if (ScegliColore(this, m_labelPerColore))
        Stato().imp.ColorePulsanti = valoreVB(coloreTesto(m_labelPerColore));
    dipingiPulsanti();
}

void FormConfigura::Command1_Click()
{
    if (ScegliColore(this, m_labelPerColore))
        Stato().imp.ColorePulsanteSelezionato = valoreVB(coloreTesto(m_labelPerColore));
    dipingiPulsanti();
}

void FormConfigura::CommandSceltaColori_Click()
{
    if (ScegliColore(this, m_labelPerColore)) {
        Stato().imp.ColoreSfondo = valoreVB(coloreTesto(m_labelPerColore));
        ImpostaConfigurazioni();
    }
}

void FormConfigura::OptionColoreCasualeFisso_Click(int indice)
{
    Stato().imp.ColoriVari = (indice == 0);
    ImpostaConfigurazioni();
}

void FormConfigura::dipingiPulsanti()
{
    const Impostazioni &imp = Stato().imp;
    facciaPulsante(m_commandSceltaColoreBottoni, coloreVB(imp.ColorePulsanti));
    facciaPulsante(m_command1, coloreVB(imp.ColorePulsanteSelezionato));
}
