#include "platform/Pannello.h"

#include "platform/Modale.h"
#include "platform/Traccia.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QEvent>
#include <QList>
#include <QMenuBar>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QTimer>

#include <vector>

namespace {

std::vector<QPointer<QDialog>> g_aperti;

constexpr int kBordo = 3;

bool dentro(const QObject *oggetto, const QObject *contenitore)
{
    for (const QObject *o = oggetto; o; o = o->parent())
        if (o == contenitore)
            return true;
    return false;
}

// The dimmed layer over the window's own controls that holds the panel: it
// takes the clicks meant for the window below and keeps the window's size.
class Velo : public QWidget
{
public:
    explicit Velo(QWidget *finestra)
        : QWidget(finestra)
    {
        setObjectName(QStringLiteral("VeloPannello"));
        setAttribute(Qt::WA_NoMousePropagation);
        setFocusPolicy(Qt::NoFocus);
        setGeometry(finestra->rect());
        finestra->installEventFilter(this);
    }

    QPointer<QWidget> pannello;

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        if (oggetto == parentWidget() && evento->type() == QEvent::Resize) {
            setGeometry(parentWidget()->rect());
            centra();
        }
        return false;
    }

    void paintEvent(QPaintEvent *) override
    {
        QPainter pittore(this);
        pittore.fillRect(rect(), QColor(0, 0, 0, 110));
        if (!pannello)
            return;
        // A frame with the dialog's title above it, as a window would have.
        const QRect r = pannello->geometry().adjusted(-kBordo, -kBordo - altezzaTitolo(), kBordo, kBordo);
        pittore.fillRect(r, QColor(0x33, 0x33, 0x33));
        pittore.setPen(Qt::white);
        pittore.setFont(font());
        const QRect titolo(r.left() + 2 * kBordo, r.top(), r.width() - 4 * kBordo, altezzaTitolo());
        pittore.drawText(titolo, Qt::AlignVCenter | Qt::AlignLeft,
                         fontMetrics().elidedText(pannello->windowTitle().trimmed(), Qt::ElideRight, titolo.width()));
    }

    int altezzaTitolo() const { return fontMetrics().height() + 2 * kBordo; }

    // Clicks on the dimmed part go nowhere.
    void mousePressEvent(QMouseEvent *) override {}
    void mouseReleaseEvent(QMouseEvent *) override {}
    void mouseDoubleClickEvent(QMouseEvent *) override {}

public:
    // The panel keeps the size it asked for, as far as the window allows,
    // in the middle of the window.
    void centra()
    {
        if (!pannello)
            return;
        const QSize spazio = size() - QSize(4 * kBordo, 4 * kBordo + altezzaTitolo());
        const QSize dimensione = pannello->size().boundedTo(spazio);
        const QPoint centro = rect().center() + QPoint(0, altezzaTitolo() / 2);
        pannello->setGeometry(
            QRect(centro - QPoint(dimensione.width() / 2, dimensione.height() / 2), dimensione));
        update();
    }
};

// A window hands the keys to a dialog as it opens; a panel is no window,
// so once shown it takes them itself: to the dialog's default button, or
// to the first control that takes the keys, unless the dialog already put
// them somewhere inside it.
class FuocoAlPannello : public QObject
{
public:
    explicit FuocoAlPannello(QDialog &dialogo)
        : QObject(&dialogo)
        , m_dialogo(dialogo)
    {
        dialogo.installEventFilter(this);
        connect(qApp, &QApplication::focusChanged, this, &FuocoAlPannello::trattieni);
    }

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override
    {
        // At once, so no stroke reaches the window below meanwhile, and
        // again once the dialog's own showing is over.
        if (oggetto == &m_dialogo && evento->type() == QEvent::Show) {
            prendi();
            QTimer::singleShot(0, this, [this] { prendi(); });
        }
        return false;
    }

public:
    // The keys stay in the panel: Tab past its last control, or anything
    // else that gives the focus to the window below, brings them back.
    void trattieni(QWidget *prima, QWidget *dopo)
    {
        if (!dopo || pannelloAperto() != &m_dialogo || dentro(dopo, &m_dialogo)
            || dopo->window() != m_dialogo.window())
            return;
        const QList<QWidget *> controlli = raggiungibili();
        if (!prima || !dentro(prima, &m_dialogo) || controlli.isEmpty()) {
            prendi();
            return;
        }
        // Round the panel's own controls: past the last to the first, and
        // back from the first to the last.
        QWidget *prossimo = prima == controlli.first() ? controlli.last() : controlli.first();
        prossimo->setFocus(Qt::TabFocusReason);
    }

private:
public:
    void prendi()
    {
        if (!m_dialogo.isVisible() || (QApplication::focusWidget() && dentro(QApplication::focusWidget(), &m_dialogo)))
            return;
        QWidget *scelto = nullptr;
        for (QPushButton *pulsante : m_dialogo.findChildren<QPushButton *>())
            if (pulsante->isDefault() && pulsante->isVisible())
                scelto = pulsante;
        if (!scelto && !raggiungibili().isEmpty())
            scelto = raggiungibili().first();
        if (scelto)
            scelto->setFocus(Qt::ActiveWindowFocusReason);
        else
            m_dialogo.setFocus(Qt::ActiveWindowFocusReason);
    }

    // The panel's controls that Tab reaches, in the order it does.
    QList<QWidget *> raggiungibili() const
    {
        QList<QWidget *> elenco;
        for (QWidget *w = m_dialogo.nextInFocusChain(); w && w != &m_dialogo && !elenco.contains(w);
             w = w->nextInFocusChain())
            if (dentro(w, &m_dialogo) && w->isVisible() && w->isEnabled() && (w->focusPolicy() & Qt::TabFocus))
                elenco.append(w);
        return elenco;
    }

    QDialog &m_dialogo;
};

} // namespace

QDialog *pannelloAperto()
{
    while (!g_aperti.empty() && !g_aperti.back())
        g_aperti.pop_back();
    return g_aperti.empty() ? nullptr : g_aperti.back().data();
}

int eseguiPannello(QDialog &dialogo, QWidget *finestra)
{
    QWidget *principale = finestra ? finestra->window() : nullptr;
    if (!principale)
        return eseguiModale(dialogo);

    // What the window would act on meanwhile: its menu bars and the
    // shortcuts of its own actions.
    QList<QPointer<QWidget>> spenti;
    for (QMenuBar *barra : principale->findChildren<QMenuBar *>())
        if (!dentro(barra, &dialogo) && barra->isEnabled()) {
            barra->setEnabled(false);
            spenti.append(barra);
        }
    QList<QPointer<QAction>> azioni;
    for (QAction *azione : principale->actions())
        if (azione->isEnabled()) {
            azione->setEnabled(false);
            azioni.append(azione);
        }
    QPointer<QWidget> fuocoPrima = principale->focusWidget();

    // Open before it is shown: a panel below must not take back the keys
    // this one gets as it appears.
    g_aperti.emplace_back(&dialogo);
    auto *velo = new Velo(principale);
    const Qt::WindowFlags tipo = dialogo.windowFlags();
    // A window's background is painted by the window system; a panel paints
    // its own, or the dimmed window would show through it.
    const bool sfondoProprio = dialogo.autoFillBackground();
    dialogo.setAutoFillBackground(true);
    const QSize dimensione = dialogo.size();
    dialogo.setParent(velo, Qt::Widget);
    dialogo.setProperty(kProprietaPannello, true);
    dialogo.resize(dimensione);
    velo->pannello = &dialogo;
    velo->centra();
    velo->show();
    velo->raise();
    auto *fuoco = new FuocoAlPannello(dialogo);
    // Shown and given the keys before anything else runs, so no stroke
    // reaches what lies below.
    dialogo.show();
    fuoco->prendi();

    const int esito = eseguiModale(dialogo);
    delete fuoco;

    g_aperti.pop_back();
    // The keys go back to the window before the panel leaves it. Left to
    // hiding and reparenting, a window with nothing else to take the keys
    // keeps the panel as its focused child, and once the dialog is gone
    // the next key sent to the window reaches a destroyed widget.
    const auto fuocoNelPannello = [&] {
        const QWidget *f = principale->focusWidget();
        return f && dentro(f, &dialogo);
    };
    if (fuocoNelPannello()) {
        if (fuocoPrima && !dentro(fuocoPrima, &dialogo))
            fuocoPrima->setFocus(Qt::OtherFocusReason);
        if (fuocoNelPannello())
            principale->setFocus(Qt::OtherFocusReason);
    }
    dialogo.hide();
    dialogo.setProperty(kProprietaPannello, QVariant());
    dialogo.setParent(nullptr, tipo);
    if (fuocoNelPannello())
        principale->setFocus(Qt::OtherFocusReason);
    dialogo.setAutoFillBackground(sfondoProprio);
    delete velo;
    for (const QPointer<QAction> &azione : azioni)
        if (azione)
            azione->setEnabled(true);
    for (const QPointer<QWidget> &barra : spenti)
        if (barra)
            barra->setEnabled(true);
    if (fuocoPrima)
        fuocoPrima->setFocus(Qt::OtherFocusReason);
    return esito;
}

int eseguiSopra(QDialog &dialogo, QWidget *finestra)
{
    QWidget *principale = finestra ? finestra->window() : nullptr;
    if (principale && principale->isFullScreen())
        return eseguiPannello(dialogo, principale);
    return eseguiModale(dialogo);
}

bool copertoDaPannello(const QWidget *w)
{
    if (!w)
        return false;
    for (const QPointer<QDialog> &aperto : g_aperti)
        if (aperto && aperto->window() == w->window() && !dentro(w, aperto.data()))
            return true;
    return false;
}
