#include "users/FinestraProgressi.h"

#include "menu/FinestreMenu.h"
#include "users/FormProgressi.h"

void installaFinestraProgressi()
{
    impostaFinestraProgressi([]() -> QWidget * { return new FormProgressi; });
}
