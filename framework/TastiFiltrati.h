#pragma once

#include "framework/FiltroSensore.h"
#include "framework/TastiTenuti.h"

#include <QHash>
#include <QObject>

class QKeyEvent;
class QTimer;

// The keys and switches of a window as a child gives them: each stroke once
// however long it is held (TastiTenuti), then kept only when it passes the
// user's acceptance and debounce times (FiltroSensore). The press of a
// stroke that must be held acts when its acceptance time is over, if the
// switch is still down; its release acts as usual. With both times at 0
// every stroke acts at once, as through TastiTenuti alone.
class TastiFiltrati : public QObject
{
    Q_OBJECT

public:
    explicit TastiFiltrati(TastiTenuti::Azione azione, QObject *parent = nullptr);

    void imposta(int accettazioneMs, int antirimbalzoMs);

    // One key event; true when it was a key event.
    bool evento(const QKeyEvent &e);
    // The same, from its parts (see TastiTenuti::evento).
    void evento(int tasto, bool rilasciato, bool ripetizione, bool nativo, quint64 orario);
    // The window lost the keys: no switch counts as held any more.
    void dimentica();

    int ignorate() const { return m_filtro.ignorate(); }
    void azzeraIgnorate() { m_filtro.azzeraIgnorate(); }

signals:
    // A press was kept from acting (too short, or within the debounce time).
    void pressioneIgnorata();

private:
    void dalTastiTenuti(int tasto, bool rilasciato);
    void maturazione(int tasto);
    void contaIgnorate(int prima);

    TastiTenuti::Azione m_azione;
    TastiTenuti *m_tasti = nullptr;
    FiltroSensore m_filtro;
    QHash<int, QTimer *> m_accettazione; // one per switch waiting to be accepted
};
