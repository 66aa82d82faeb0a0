#include "menu/TastiPulsante.h"

#include "framework/TastiTenuti.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace {

class FiltroTasti : public QObject
{
public:
    explicit FiltroTasti(QAbstractButton *pulsante)
        : QObject(pulsante)
        , m_pulsante(pulsante)
        , m_tasti(new TastiTenuti([this](int, bool rilasciato) { premi(rilasciato); }, this))
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
    TastiTenuti *m_tasti;
};

} // namespace

void attivaConTasti(QAbstractButton *pulsante)
{
    pulsante->setFocusPolicy(Qt::StrongFocus);
    pulsante->installEventFilter(new FiltroTasti(pulsante));
}
