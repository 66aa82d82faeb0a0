#include "layout/clsResize.h"

#include "layout/Linea.h"

#include <QComboBox>
#include <QDockWidget>
#include <QEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>
#include <QToolBar>

namespace {

// Widgets that Qt places itself and that have no design position, and
// widgets that place themselves (the property "senzaPosizione").
bool senzaPosizione(const QWidget *w)
{
    return qobject_cast<const QMenuBar *>(w) || qobject_cast<const QStatusBar *>(w)
        || qobject_cast<const QToolBar *>(w) || qobject_cast<const QDockWidget *>(w)
        || w->property("senzaPosizione").toBool();
}

bool gestitoDaLayout(const QWidget *genitore, QWidget *w)
{
    return genitore->layout() && genitore->layout()->indexOf(w) >= 0;
}

// Only plain containers are walked into: the children of a combo box, a spin
// box or a table are the control's own parts, not controls of the window.
bool contieneControlli(const QWidget *w)
{
    const QMetaObject *tipo = w->metaObject();
    return tipo == &QWidget::staticMetaObject || tipo == &QFrame::staticMetaObject
        || tipo == &QGroupBox::staticMetaObject
        || w->property("contenitore").toBool();
}

void raccogli(QWidget *genitore, QList<QWidget *> &controlli)
{
    for (QObject *figlio : genitore->children()) {
        auto *w = qobject_cast<QWidget *>(figlio);
        if (!w || w->isWindow() || senzaPosizione(w) || gestitoDaLayout(genitore, w))
            continue;
        controlli.append(w);
        if (contieneControlli(w))
            raccogli(w, controlli);
    }
}

// Drawing stays frozen while the controls move, so the window is repainted
// once in its new layout instead of once per control.
class DisegnoSospeso
{
public:
    explicit DisegnoSospeso(QWidget *finestra)
        : m_finestra(finestra), m_attivo(finestra->updatesEnabled())
    {
        if (m_attivo)
            m_finestra->setUpdatesEnabled(false);
    }
    ~DisegnoSospeso()
    {
        if (m_attivo && m_finestra)
            m_finestra->setUpdatesEnabled(true);
    }
    DisegnoSospeso(const DisegnoSospeso &) = delete;
    DisegnoSospeso &operator=(const DisegnoSospeso &) = delete;

private:
    QPointer<QWidget> m_finestra;
    bool m_attivo;
};

} // namespace

clsResize::clsResize(QObject *parent)
    : QObject(parent)
{
}

clsResize::~clsResize()
{
    osserva(false);
}

QWidget *clsResize::areaInterna(QWidget *finestra)
{
    if (!finestra)
        return nullptr;
    if (auto *principale = qobject_cast<QMainWindow *>(finestra)) {
        if (QWidget *centrale = principale->centralWidget())
            return centrale;
    }
    return finestra;
}

QList<QWidget *> clsResize::controlliDi(QWidget *finestra)
{
    QList<QWidget *> controlli;
    if (QWidget *area = areaInterna(finestra))
        raccogli(area, controlli);
    return controlli;
}

void clsResize::osserva(bool attiva)
{
    for (QWidget *w : {m_finestra.data(), m_area.data()}) {
        if (!w)
            continue;
        if (attiva)
            w->installEventFilter(this);
        else
            w->removeEventFilter(this);
    }
}

void clsResize::setSourceForm(QWidget *finestra)
{
    osserva(false);
    m_finestra = finestra;
    m_area = areaInterna(finestra);
    osserva(true);
    m_tabella.clear();
    m_scala = ScalaLayout();
    m_layoutMancante = true;
}

QSize clsResize::internaCorrente() const
{
    // A hidden main window gets no resize events, so its layout has not yet
    // moved the central widget to the window's present size: do it now.
    if (m_area != m_finestra && !m_finestra->isVisible()) {
        QLayout *layout = m_finestra->layout();
        if (layout && layout->geometry() != m_finestra->rect()) {
            layout->invalidate();
            layout->activate();
        }
    }
    return m_area->size();
}

void clsResize::StoreLayout()
{
    if (!m_finestra || !m_area)
        return;
    m_scala = ScalaLayout(internaCorrente());
    m_tabella.clear();
    const QList<QWidget *> controlli = controlliDi(m_finestra);
    m_tabella.reserve(controlli.size());
    for (QWidget *controllo : controlli) {
        Registrazione r;
        r.controllo = controllo;
        if (auto *linea = qobject_cast<Linea *>(controllo)) {
            r.linea = true;
            r.estremi = linea->estremi();
        } else {
            r.geometria = controllo->geometry();
        }
        m_tabella.push_back(r);
    }
    m_layoutMancante = false;
}

void clsResize::ReInitialise()
{
    StoreLayout();
}

void clsResize::ResizeControls()
{
    if (!m_finestra || !m_area || m_inCorso)
        return;
    if (m_finestra->isMinimized() || controlliDi(m_finestra).isEmpty())
        return;
    // A layout stored while the window had no area gives no ratio: store it
    // again now, as when none was stored.
    if (m_layoutMancante || !m_scala.valida()) {
        StoreLayout();
        return;
    }

    m_inCorso = true;
    {
        DisegnoSospeso sospeso(m_finestra);
        const QSize interna = internaCorrente();
        for (const Registrazione &r : m_tabella) {
            QWidget *controllo = r.controllo;
            if (!controllo) // destroyed since the layout was stored
                continue;
            const DirettivaScala direttiva =
                DirettivaScala::daTag(controllo->property("Tag").toString());
            if (r.linea) {
                auto *linea = static_cast<Linea *>(controllo);
                linea->setEstremi(m_scala.scalaLinea(r.estremi, linea->estremi(), interna, direttiva));
                continue;
            }
            QRect nuova = m_scala.scalaRettangolo(r.geometria, controllo->geometry(), interna, direttiva);
            if (qobject_cast<QComboBox *>(controllo))
                nuova.setHeight(controllo->height());
            controllo->setGeometry(nuova);
        }
    }
    m_inCorso = false;
}

void clsResize::SizeFormToScreen(int percent)
{
    if (!m_finestra)
        return;
    if (m_layoutMancante)
        StoreLayout();

    percent = qBound(0, percent, 255);
    QScreen *schermo = m_finestra->screen();
    if (!schermo)
        schermo = QGuiApplication::primaryScreen();
    if (schermo) {
        const QRect s = schermo->geometry();
        const int h = static_cast<int>(qint64(percent) * s.height() / 100);
        const int w = static_cast<int>(qint64(percent) * s.width() / 100);
        // The size asked for is the whole window, frame included.
        const QSize cornice = m_finestra->frameGeometry().size() - m_finestra->size();
        m_finestra->resize(qMax(0, w - cornice.width()), qMax(0, h - cornice.height()));
        m_finestra->move(s.x() + (s.width() - w) / 2, s.y() + (s.height() - h) / 2);
    }
    ResizeControls();
}

bool clsResize::eventFilter(QObject *oggetto, QEvent *evento)
{
    if (evento->type() == QEvent::Resize && oggetto == m_area)
        ResizeControls();
    else if (evento->type() == QEvent::WindowStateChange && oggetto == m_finestra
             && !m_finestra->isMinimized())
        ResizeControls(); // restored: the size may be unchanged, the controls not
    return QObject::eventFilter(oggetto, evento);
}
