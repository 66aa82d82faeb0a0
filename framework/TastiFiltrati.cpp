#include "framework/TastiFiltrati.h"

#include <QKeyEvent>
#include <QTimer>

TastiFiltrati::TastiFiltrati(TastiTenuti::Azione azione, QObject *parent)
    : QObject(parent)
    , m_azione(std::move(azione))
{
    m_tasti = new TastiTenuti([this](int tasto, bool rilasciato) { dalTastiTenuti(tasto, rilasciato); }, this);
}

void TastiFiltrati::imposta(int accettazioneMs, int antirimbalzoMs)
{
    m_filtro.imposta(accettazioneMs, antirimbalzoMs);
}

bool TastiFiltrati::evento(const QKeyEvent &e)
{
    return m_tasti->evento(e);
}

void TastiFiltrati::evento(int tasto, bool rilasciato, bool ripetizione, bool nativo, quint64 orario)
{
    m_tasti->evento(tasto, rilasciato, ripetizione, nativo, orario);
}

void TastiFiltrati::dimentica()
{
    m_tasti->dimentica();
    m_filtro.dimentica();
    for (QTimer *t : std::as_const(m_accettazione))
        t->stop();
}

void TastiFiltrati::dalTastiTenuti(int tasto, bool rilasciato)
{
    // The filter measures when the key really went down and up: a release
    // reaches here a moment after it happened, once it is known not to be a
    // repeat.
    const qint64 t = m_tasti->momentoUltimoEvento();
    const int prima = m_filtro.ignorate();
    if (!rilasciato) {
        switch (m_filtro.premuto(tasto, t)) {
        case FiltroSensore::Esito::Accettata:
            if (m_azione)
                m_azione(tasto, false);
            break;
        case FiltroSensore::Esito::InAttesa: {
            QTimer *&attesa = m_accettazione[tasto];
            if (!attesa) {
                attesa = new QTimer(this);
                attesa->setSingleShot(true);
                attesa->setTimerType(Qt::PreciseTimer);
                connect(attesa, &QTimer::timeout, this, [this, tasto] { maturazione(tasto); });
            }
            attesa->start(m_filtro.accettazioneMs());
            break;
        }
        case FiltroSensore::Esito::Ignorata:
            break;
        }
    } else {
        if (QTimer *attesa = m_accettazione.value(tasto))
            attesa->stop();
        if (m_filtro.rilasciato(tasto, t) && m_azione)
            m_azione(tasto, true);
    }
    contaIgnorate(prima);
}

void TastiFiltrati::maturazione(int tasto)
{
    if (m_tasti->rilascioInAttesa(tasto)) {
        // The key went up a moment ago, or this is half of a repeat: wait
        // until that is known, then decide.
        m_accettazione.value(tasto)->start(TastiTenuti::attesaRipetizione);
        return;
    }
    const qint64 t = TastiTenuti::adesso();
    if (m_filtro.matura(tasto, t)) {
        if (m_azione)
            m_azione(tasto, false);
        return;
    }
    // A timer may come a little early: wait for the rest.
    const qint64 resto = m_filtro.attesaRimanente(tasto, t);
    if (resto >= 0)
        m_accettazione.value(tasto)->start(int(std::max<qint64>(1, resto)));
}

void TastiFiltrati::contaIgnorate(int prima)
{
    for (int i = prima; i < m_filtro.ignorate(); ++i)
        emit pressioneIgnorata();
}
