// The floor of the window benchmarks: the least a Qt program can do on this
// machine. One full-screen widget that paints once and, at each key release,
// paints a square of another colour: bench/riposo.sh counts its wake-ups at
// rest, bench/tasto_schermo its key release -> screen time, beside the
// program's. It links Qt Widgets alone and nothing of the program's.
//   bench_pavimento

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QTimer>
#include <QWidget>

#include <cstdio>
#include <unistd.h>

namespace {

class Pavimento : public QWidget
{
protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.fillRect(QRect(100, 100, 200, 120), m_acceso ? Qt::red : Qt::blue);
    }
    void keyReleaseEvent(QKeyEvent *) override
    {
        m_acceso = !m_acceso;
        update(QRect(100, 100, 200, 120));
    }

private:
    bool m_acceso = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Pavimento w;
    w.setWindowTitle(QStringLiteral("bench_pavimento"));
    w.showFullScreen();
    w.activateWindow();
    QTimer::singleShot(2000, [] {
        std::printf("pronto %d\n", int(getpid()));
        std::fflush(stdout);
    });
    return app.exec();
}
