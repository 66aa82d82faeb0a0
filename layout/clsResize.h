#pragma once

#include "layout/ScalaLayout.h"

#include <QLine>
#include <QList>
#include <QObject>
#include <QPointer>
#include <QRect>
#include <QWidget>

#include <vector>

// Keeps a window's controls in proportion to the window. The window is laid
// out once at its design size (see PosizioneTwips.h); clsResize stores that
// layout and, whenever the window's inner area changes size, moves and
// stretches every control from its stored values by the ratio of the current
// inner size to the stored one.
//
// Use from a window, in its load step:
//     m_ridimensiona = new clsResize(this);
//     m_ridimensiona->setSourceForm(this);
//     m_ridimensiona->SizeFormToScreen(75);
// Setting the source form installs an event filter on it, so every later
// resize of the window (going full-screen, restoring from the task bar)
// rescales the controls by itself: the window's own resize handler need not
// call ResizeControls, and calling it again does no harm.
//
// What counts as a control, in the window's control order: every child
// widget of the inner area that is not a window of its own, not a menu bar,
// status bar, tool bar or dock, and not managed by a Qt layout; then, after
// each container, the controls inside it. Containers are plain QWidget,
// QFrame and QGroupBox widgets, and any widget with the dynamic property
// "contenitore" set to true. A control inside a container keeps its own
// geometry relative to the container, so both scale by the same ratio and the
// control stays where it belongs inside it.
//
// The inner area is the window itself, or a QMainWindow's central widget
// (menu bar and status bar stay where the main window puts them); set the
// central widget before the source form.
//
// A control's directive comes from its dynamic property "Tag" (QString),
// read at every rescale, so a tag set later by the language file counts
// (see DirettivaScala). A Linea is scaled by its end points. A QComboBox
// keeps its height, as its height follows its font, while its other three
// values follow the window. Qt's minimum and maximum sizes of a control
// still apply. Font sizes are never touched.
class clsResize : public QObject
{
    Q_OBJECT

public:
    explicit clsResize(QObject *parent = nullptr);
    ~clsResize() override;

    QWidget *SourceForm() const { return m_finestra; }
    // A new window means a new design layout: it is stored again at the
    // next SizeFormToScreen or ResizeControls.
    void setSourceForm(QWidget *finestra);

    // Sizes the window to percent (0 to 255) of its screen, centred, and
    // rescales. The design layout is stored first if it is not yet.
    void SizeFormToScreen(int percent);

    // Rescales every stored control to the window's current inner size.
    // A minimised window is left as it is; with no layout stored yet the
    // layout is stored and nothing moves.
    void ResizeControls();

    // Stores the layout again from the current positions.
    void ReInitialise();

    // Records the inner size and every control's geometry (a line's end points).
    void StoreLayout();

    bool layoutMancante() const { return m_layoutMancante; }
    QSize internaMemorizzata() const { return m_scala.internaMemorizzata(); }

    // The widget that holds a window's controls, whose size is its inner size.
    static QWidget *areaInterna(QWidget *finestra);
    // A window's controls in control order, as described above.
    static QList<QWidget *> controlliDi(QWidget *finestra);

protected:
    bool eventFilter(QObject *oggetto, QEvent *evento) override;

private:
    struct Registrazione
    {
        QPointer<QWidget> controllo;
        bool linea = false;
        QRect geometria; // Left, Top, Width, Height relative to the parent
        QLine estremi;   // X1, Y1, X2, Y2 of a line
    };

    void osserva(bool attiva);
    QSize internaCorrente() const;

    QPointer<QWidget> m_finestra;
    QPointer<QWidget> m_area;
    ScalaLayout m_scala;
    std::vector<Registrazione> m_tabella;
    bool m_layoutMancante = true;
    bool m_inCorso = false;
};
