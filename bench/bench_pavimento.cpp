// The floor the start-up and memory benchmarks compare against: the least a
// Qt Widgets program does to show something, one QApplication and one
// full-screen QWidget that paints once. It links Qt Widgets and nothing of
// the program.
//   bench_pavimento           ends as soon as the paint is on the screen and
//                             prints "cpu <ms> maxrss <KB>" (for avvio.sh)
//   bench_pavimento memoria   waits a second after the paint, then prints
//                             its memory as bench_memoria does
// Not a test.

#include "Memoria.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <sys/resource.h>

#include <cstdio>
#include <cstring>

namespace {

class Vuota : public QWidget
{
public:
    explicit Vuota(bool memoria)
        : m_memoria(memoria)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter(this).fillRect(rect(), Qt::white);
        if (m_dipinta)
            return;
        m_dipinta = true;
        if (m_memoria) {
            QTimer::singleShot(1000, qApp, [] {
                stampaMemoria("floor: empty Qt window", misuraMemoria());
                QCoreApplication::quit();
            });
            return;
        }
        QTimer::singleShot(0, qApp, [] {
            QGuiApplication::sync();
            rusage uso{};
            getrusage(RUSAGE_SELF, &uso);
            const double cpu = (uso.ru_utime.tv_sec + uso.ru_stime.tv_sec) * 1e3
                + (uso.ru_utime.tv_usec + uso.ru_stime.tv_usec) / 1e3;
            std::printf("cpu %.1f maxrss %ld\n", cpu, uso.ru_maxrss);
            QCoreApplication::quit();
        });
    }

private:
    bool m_memoria;
    bool m_dipinta = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Vuota finestra(argc > 1 && std::strcmp(argv[1], "memoria") == 0);
    finestra.setGeometry(QGuiApplication::primaryScreen()->geometry());
    finestra.showFullScreen();
    return app.exec();
}
