#include "menu/FinestreMenu.h"

#include "config/FormConfigura.h"
#include "exercises/es1/FormEs1.h"
#include "exercises/es2/FormEs2.h"
#include "exercises/es4/FormEs4.h"
#include "exercises/es5/FormEs5.h"
#include "exercises/es6/FormEs6.h"
#include "exercises/es7/FormEs7.h"
#include "exercises/uguali/FormEs3.h"
#include "exercises/uguali/FormEs8.h"
#include "core/Lingua.h"
#include "platform/Messaggi.h"
#include "platform/Moduli.h"
#include "users/FormEserciziEseguiti.h"

namespace {
CreaFinestra g_finestraProgressi = nullptr;
}

FabbricaFinestra finestraEsercizio(int indice)
{
    // Button index -> window: 0 FormEs1, 1 FormEs2, 2 FormEs8, 3 FormEs3,
    // 4 FormEs4, 5 FormEs5, 6 FormEs6, 7 FormEs7.
    switch (indice) {
    case 0:
        return [] { return new FormEs1; };
    case 1:
        return [] { return new FormEs2; };
    case 2:
        return [] { return new FormEs8; };
    case 3:
        return [] { return new FormEs3; };
    case 4:
        return [] { return new FormEs4; };
    case 5:
        return [] { return new FormEs5; };
    case 6:
        return [] { return new FormEs6; };
    case 7:
        return [] { return new FormEs7; };
    default:
        return {};
    }
}

FabbricaFinestra finestraConfigurazione()
{
    return [] { return new FormConfigura; };
}

FabbricaFinestra finestraEserciziEseguiti()
{
    return [] { return new FormEserciziEseguiti; };
}

FabbricaFinestra finestraProgressi()
{
    return []() -> QWidget * {
        if (!g_finestraProgressi && !apriModulo("progressi")) {
            messaggi().mostra(MLSGetText(QStringLiteral("0551")).arg(fileModulo("progressi")),
                              titoloProgramma(), IconaMessaggio::Critico);
            return nullptr;
        }
        return g_finestraProgressi ? g_finestraProgressi() : nullptr;
    };
}

void impostaFinestraProgressi(CreaFinestra crea)
{
    g_finestraProgressi = crea;
}
