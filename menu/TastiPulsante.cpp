#include "menu/TastiPulsante.h"

#include <QAbstractButton>
#include <QKeyEvent>

namespace {

class FiltroTasti : public QObject
{
public:
    explicit FiltroTasti(QAbstractButton *pulsante)
        : QObject(pulsante)
        , m_pulsante(pulsante)
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
        if (!e->isAutoRepeat()) {
            if (evento->type() == QEvent::KeyPress) {
                m_pulsante->setDown(true);
            } else {
                m_pulsante->setDown(false);
                m_pulsante->click();
            }
        }
        return true;
    }

private:
    QAbstractButton *m_pulsante;
};

} // namespace

void attivaConTasti(QAbstractButton *pulsante)
{
    pulsante->setFocusPolicy(Qt::StrongFocus);
    pulsante->installEventFilter(new FiltroTasti(pulsante));
}
