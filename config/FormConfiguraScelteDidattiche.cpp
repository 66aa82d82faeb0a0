// The "Scelte didattiche" tab of the configuration window.
#include "config/FormConfigura.h"

#include "config/ControlliConfigura.h"
#include "core/Modulo1.h"

#include <QCheckBox>
#include <QFrame>

using namespace configura;

void FormConfigura::creaScelteDidattiche(QFrame *f)
{
    m_check1 = crea<QCheckBox>(f, "Check1", QStringLiteral("Attiva passaggio livelli"), 360, 360, 6600, 420);
}

void FormConfigura::collegaScelteDidattiche()
{
    connect(m_check1, &QCheckBox::toggled, this, [](bool s) { Stato().imp.PassaggioLivelli = s; });
}
