#pragma once

#include <functional>

// What a key does in a scanning window.
enum class AzioneTasto {
    Nessuna,
    Avanti,           // move the highlight forward
    Indietro,         // move it back
    Seleziona,        // act on the highlighted control
    FermaTimer,       // automatic scanning: the switch is held
    RiprendiESeleziona, // automatic scanning: the switch is released
};

// Key codes the scanning windows react to.
enum TastoScansione : int {
    TastoInvio = 13,
    TastoSpazio = 32,
    TastoSinistra = 37,
    TastoSu = 38,
    TastoDestra = 39,
    TastoGiu = 40,
};

// The action of a key in an input mode. Keys act when released, except the
// Space press of automatic scanning, which holds the highlight.
AzioneTasto azionePerTasto(int modoInput, int tasto, bool rilasciato);

// The scanning timer of automatic scanning: one step every VelocitaScansione
// quarters of a second. The other modes have no timer.
int intervalloTimer(int velocitaScansione);

// A ring of positions the highlight moves over. Disabled positions are
// skipped; at the rest position (if any) the highlight stays until a select.
class Anello
{
public:
    using Abilitato = std::function<bool(int)>;

    Anello() = default;
    Anello(int numero, Abilitato abilitato = {}, int posizioneRiposo = -1);

    int numero() const { return m_numero; }
    int Posizione() const { return m_posizione; }
    void impostaPosizione(int posizione) { m_posizione = posizione; }
    int posizioneRiposo() const { return m_riposo; }
    bool aRiposo() const { return m_riposo >= 0 && m_posizione == m_riposo; }

    // One step; returns false when the highlight did not move (at rest, or no
    // enabled position to go to).
    bool avanti();
    bool indietro();

private:
    bool passo(int verso);
    bool abilitato(int posizione) const { return !m_abilitato || m_abilitato(posizione); }

    int m_numero = 0;
    Abilitato m_abilitato;
    int m_riposo = -1;
    int m_posizione = 0;
};
