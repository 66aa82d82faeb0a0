#include "menu/TastiPulsante.h"

#include "core/Modulo1.h"
#include "framework/TastiFiltrati.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace {

class FiltroTasti : public QObject
{
public:
    FiltroTasti(QAbstractButton *pulsante, ChiPreme chi)
        : QObject(pulsante)
        , m_pulsante(pulsante)
        , m_tasti(new TastiFiltrati([this](int, bool rilasciato) { premi(rilasciato); }, this))
        , m_chi(chi)
    {
    }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (oggetto != m_pulsante || (evento->type() != QEvent::KeyPress && evento->type() != QEvent::KeyRelease))
            return false;
        auto *e = static_cast<QKeyEvent *>(evento);
        const int tasto = e->key();
        if (tasto != Qt::Key_Space && tasto != Qt::Key_Return && tasto != Qt::Key_Enter)
            return false;
        // The current child's acceptance and debounce times, as in every
        // window that scans.
        if (m_chi == ChiPreme::Bambino) {
            const OpzioniAccesso &accesso = Stato().accesso;
            m_tasti->imposta(accesso.accettazioneMs, accesso.antirimbalzoMs);
        }
        m_tasti->evento(*e);
        return true;
    }

private:
    void premi(bool rilasciato)
    {
        m_pulsante->setDown(!rilasciato);
        if (rilasciato)
            m_pulsante->click();
    }

    QAbstractButton *m_pulsante;
    TastiFiltrati *m_tasti;
    ChiPreme m_chi;
};

} // namespace

void attivaConTasti(QAbstractButton *pulsante, ChiPreme chi)
{
    pulsante->setFocusPolicy(Qt::StrongFocus);
    pulsante->installEventFilter(new FiltroTasti(pulsante, chi));
}
