#include "framework/TastiTenuti.h"

#include <QKeyEvent>
#include <QTimer>

#include <chrono>

qint64 TastiTenuti::adesso()
{
    using namespace std::chrono;
    return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

namespace {
TastiTenuti::Ripetizioni g_ripetizioni = TastiTenuti::Ripetizioni::ConRilascio;
}

void TastiTenuti::impostaRipetizioni(Ripetizioni r)
{
    g_ripetizioni = r;
}

TastiTenuti::Ripetizioni TastiTenuti::ripetizioni()
{
    return g_ripetizioni;
}

TastiTenuti::TastiTenuti(Azione azione, QObject *parent)
    : QObject(parent)
    , m_azione(std::move(azione))
{
}

bool TastiTenuti::evento(const QKeyEvent &e)
{
    if (e.type() != QEvent::KeyPress && e.type() != QEvent::KeyRelease)
        return false;
    evento(e.key(), e.type() == QEvent::KeyRelease, e.isAutoRepeat(), e.nativeScanCode() != 0, e.timestamp());
    return true;
}

void TastiTenuti::evento(int tasto, bool rilasciato, bool ripetizione, bool nativo, quint64 orario)
{
    Tasto &t = m_tasti[tasto];
    if (!rilasciato) {
        switch (t.stato) {
        case Stato::RilascioInAttesa:
            t.attesa->stop();
            if (nativo && orario > t.orarioRilascio + scartoRipetizione) {
                // A repeat's press carries its release's time stamp; this one
                // is later: the key went up and down again, and the wait had
                // not ended only because the program was busy or the stroke
                // was quick. The release acts, then this press is a stroke
                // of its own.
                rilascioConfermato(tasto);
                evento(tasto, false, ripetizione, nativo, orario);
                return;
            }
            // The release was half of a repeat: the key is still held.
            t.stato = Stato::Giu;
            return;
        case Stato::Giu:
            return;
        case Stato::Su:
            if (nativo && t.orarioRilascio != 0 && orario == t.orarioRilascio) {
                // The press of a repeat, late: the release already acted.
                t.stato = Stato::Giu;
                t.agito = true;
                return;
            }
            if (ripetizione)
                return;
            t.stato = Stato::Giu;
            t.agito = false;
            m_momento = adesso();
            if (m_azione)
                m_azione(tasto, false);
            return;
        }
        return;
    }

    if (!nativo) {
        if (ripetizione)
            return;
        t.stato = Stato::Su;
        t.agito = false;
        m_momento = adesso();
        if (m_azione)
            m_azione(tasto, true);
        return;
    }
    if (t.stato == Stato::RilascioInAttesa)
        return;
    if (g_ripetizioni == Ripetizioni::SoloPressioni) {
        // No repeat sends a release: the key is up, now.
        const bool agito = t.agito;
        t.stato = Stato::Su;
        t.agito = false;
        t.orarioRilascio = 0;
        m_momento = adesso();
        if (!agito && m_azione)
            m_azione(tasto, true);
        return;
    }
    t.stato = Stato::RilascioInAttesa;
    t.orarioRilascio = orario;
    t.arrivoRilascio = adesso();
    if (!t.attesa) {
        t.attesa = new QTimer(this);
        t.attesa->setSingleShot(true);
        t.attesa->setInterval(attesaRipetizione);
        connect(t.attesa, &QTimer::timeout, this, [this, tasto] { rilascioConfermato(tasto); });
    }
    t.attesa->start();
}

void TastiTenuti::rilascioConfermato(int tasto)
{
    Tasto &t = m_tasti[tasto];
    if (t.stato != Stato::RilascioInAttesa)
        return;
    t.stato = Stato::Su;
    const bool agito = t.agito;
    t.agito = false;
    m_momento = t.arrivoRilascio;
    if (!agito && m_azione)
        m_azione(tasto, true);
}

void TastiTenuti::dimentica()
{
    for (Tasto &t : m_tasti) {
        if (t.stato == Stato::Giu) {
            t.stato = Stato::Su;
            t.agito = false;
        }
    }
}

bool TastiTenuti::giu(int tasto) const
{
    const auto it = m_tasti.constFind(tasto);
    return it != m_tasti.constEnd() && it->stato != Stato::Su;
}

bool TastiTenuti::rilascioInAttesa(int tasto) const
{
    const auto it = m_tasti.constFind(tasto);
    return it != m_tasti.constEnd() && it->stato == Stato::RilascioInAttesa;
}
