// The "Modalità di input" tab of the configuration window: mouse, keyboard,
// or scanning with one or two switches, and the speed of automatic scanning.
#include "config/FormConfigura.h"

#include "config/ControlliConfigura.h"
#include "config/LogicaConfigura.h"
#include "core/Lingua.h"
#include "core/Modulo1.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>

using namespace configura;

void FormConfigura::creaInput(QFrame *f)
{
    const char *modi[4] = {"Mouse", "Scansione manuale - spazio e invio", "Scansione automatica - spazio",
                           "Tastiera - frecce e invio"};
    for (int i = 0; i < 4; ++i)
        m_option4[size_t(i)] = crea<QRadioButton>(f, "Option4", QString::fromUtf8(modi[i]), 360, 360 + 480 * i, 6600,
                                                  420, i);
    m_label7 = crea<QLabel>(f, "Label7", QString(), 360, 2400, 6600, 420);
    m_label7->setAccessibleName(MLSGetText(QStringLiteral("0378")));
    m_hScroll3 = barra(f, "HScroll3", QString(), 4, 60, 360, 2880, 6600, 360);
    m_hScroll3->setPageStep(4);
    m_label1 = crea<QLabel>(f, "Label1",
                            QStringLiteral("La scansione utilizza il colore scelto per i 'pulsanti selezionati'."),
                            360, 3600, 9240, 720);
    m_label1->setWordWrap(true);
    m_checkDisabilitaMouse = crea<QCheckBox>(f, "CheckDisabilitaMousePersonalizzato",
                                             QStringLiteral("Usa cursore di sistema"), 360, 4560, 6600, 420);
}

void FormConfigura::collegaInput()
{
    for (int i = 0; i < 4; ++i)
        connect(m_option4[size_t(i)], &QRadioButton::clicked, this, [this, i] { Option4_Click(i); });
    connect(m_hScroll3, &QScrollBar::valueChanged, this, &FormConfigura::HScroll3_Change);
    connect(m_checkDisabilitaMouse, &QCheckBox::toggled, this, [](bool s) { Stato().imp.CursoreDiSistema = s; });
}

void FormConfigura::Option4_Click(int indice)
{
    Stato().imp.ModoInput = qint16(indice);
    ImpostaConfigurazioni();
}

void FormConfigura::HScroll3_Change(int valore)
{
    Stato().imp.VelocitaScansione = qint16(valore);
    m_label7->setText(testoVelocitaScansione(valore));
}
