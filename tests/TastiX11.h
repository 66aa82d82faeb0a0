#pragma once

#include <QPoint>
#include <QProcess>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <functional>

// Real input on a real X server for the tests that run under con-xvfb.sh:
// xdotool presses and holds keys as a child presses and holds a switch, and
// moves and clicks the pointer. A call that xdotool refuses fails the test.
namespace TastiX11 {

inline void xdotool(const QStringList &argomenti)
{
    QCOMPARE(QProcess::execute(QStringLiteral("xdotool"), argomenti), 0);
}

// For tests that skip rather than fail where xdotool is missing.
inline bool disponibile()
{
    return QProcess::execute(QStringLiteral("xdotool"), {QStringLiteral("version")}) == 0;
}

// One stroke: press and release.
inline void premi(const QString &tasto)
{
    xdotool({QStringLiteral("key"), tasto});
}

// Keys separated by spaces ("ctrl+p", "Left Return"), typed 80 ms apart.
inline void digita(const QString &tasti)
{
    xdotool(QStringList{QStringLiteral("key"), QStringLiteral("--delay"), QStringLiteral("80")}
            + tasti.split(QLatin1Char(' ')));
}

// Holds the key down for ms with the event loop running, so the server's key
// repeat reaches the program; primaDelRilascio runs while it is still down.
// Returns at the release: what the release causes is still on its way.
inline void tieni(const QString &tasto, int ms, const std::function<void()> &primaDelRilascio = {})
{
    xdotool({QStringLiteral("keydown"), tasto});
    QTest::qWait(ms);
    if (primaDelRilascio)
        primaDelRilascio();
    xdotool({QStringLiteral("keyup"), tasto});
}

// The pointer to a point of the screen.
inline void puntaA(const QPoint &schermo)
{
    xdotool({QStringLiteral("mousemove"), QString::number(schermo.x()), QString::number(schermo.y())});
}

// Asks for the window to have the keyboard and waits until the server gives
// it; false when it does not within attesaMs.
inline bool attiva(QWidget *finestra, int attesaMs = 10000)
{
    finestra->activateWindow();
    return QTest::qWaitForWindowActive(finestra, attesaMs);
}

} // namespace TastiX11
