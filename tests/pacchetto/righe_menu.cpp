// Prints how the splash and the menu lay their texts out with the fonts the
// running system offers: for each menu button, its caption's line count and
// the face that draws it; for the splash, the title's point size once fitted
// and its face. caratteri.sh compares these lines between runs with
// different sets of fonts.
#include "menu/AmbienteMenu.h"

#include "menu/FormAvvio.h"
#include "menu/LogicaMenu.h"
#include "menu/PulsanteMenu.h"

#include <QFontInfo>
#include <QLabel>
#include <QTextStream>

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    AmbienteMenu ambiente;
    ambiente.azzera();
    QTextStream uscita(stdout);

    auto *avvio = new FormAvvio;
    avvio->setGeometry(avvio->screen()->geometry());
    avvio->show();
    if (!QTest::qWaitForWindowExposed(avvio))
        return 1;
    QCoreApplication::processEvents();
    const QLabel *titolo = avvio->Label2(0);
    uscita << "titolo\t" << titolo->font().pointSize() << '\t' << QFontInfo(titolo->font()).family() << '\n';
    delete avvio;

    FormMenu *menu = ambiente.apriMenu();
    for (int i = 0; i < kPulsantiMenu; ++i) {
        const PulsanteMenu *pulsante = menu->Command1(i);
        uscita << QString(pulsante->text()).replace(QLatin1Char('\n'), QLatin1Char('|')) << '\t' << pulsante->righeDidascalia() << '\t'
               << QFontInfo(pulsante->font()).family() << '\n';
    }
    uscita.flush();
    ambiente.chiudiFinestre();
    return 0;
}
