#include "framework/Scansione.h"

#include "core/Impostazioni.h"

#include <QtGlobal>

AzioneTasto azionePerTasto(int modoInput, int tasto, bool rilasciato)
{
    switch (modoInput) {
    case IngressoScansioneAutomatica:
        if (tasto != TastoSpazio)
            return AzioneTasto::Nessuna;
        return rilasciato ? AzioneTasto::RiprendiESeleziona : AzioneTasto::FermaTimer;
    case IngressoScansioneManuale:
        if (!rilasciato)
            return AzioneTasto::Nessuna;
        if (tasto == TastoSpazio)
            return AzioneTasto::Avanti;
        if (tasto == TastoInvio)
            return AzioneTasto::Seleziona;
        return AzioneTasto::Nessuna;
    case IngressoTastiera:
        if (!rilasciato)
            return AzioneTasto::Nessuna;
        switch (tasto) {
        case TastoDestra:
        case TastoGiu:
            return AzioneTasto::Avanti;
        case TastoSinistra:
        case TastoSu:
            return AzioneTasto::Indietro;
        case TastoInvio:
            return AzioneTasto::Seleziona;
        default:
            return AzioneTasto::Nessuna;
        }
    default:
        return AzioneTasto::Nessuna;
    }
}

int intervalloTimer(int velocitaScansione)
{
    // A settings file edited by hand may hold 0 or less: a timer of 0 ms
    // would race the highlight round without rest.
    return qMax(1, velocitaScansione) * 250;
}

Anello::Anello(int numero, Abilitato abilitato, int posizioneRiposo)
    : m_numero(numero)
    , m_abilitato(std::move(abilitato))
    , m_riposo(posizioneRiposo)
{
}

bool Anello::avanti()
{
    return passo(+1);
}

bool Anello::indietro()
{
    return passo(-1);
}

bool Anello::passo(int verso)
{
    if (m_numero <= 0 || aRiposo())
        return false;
    int p = m_posizione;
    // At most one full turn: a ring with nothing enabled keeps its place.
    for (int i = 0; i < m_numero; ++i) {
        p = (p + verso + m_numero) % m_numero;
        if (abilitato(p)) {
            m_posizione = p;
            return true;
        }
    }
    return false;
}
