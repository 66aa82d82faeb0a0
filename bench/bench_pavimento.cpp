// The floor every benchmark compares against: the least a Qt Widgets program
// does to show something, one QApplication and one full-screen QWidget that
// paints once. It links Qt Widgets and nothing of the program.
//   bench_pavimento           stays open; at each key release it paints a
//                             square of another colour, and after two seconds
//                             prints "pronto <pid>" (bench/riposo.sh counts its
//                             wake-ups at rest, bench_tasto_schermo its key
//                             release -> screen time)
//   bench_pavimento avvio     ends as soon as its paint is on the screen and
//                             prints "cpu <ms> maxrss <KB>" (bench/avvio.sh)
//   bench_pavimento memoria   waits a second after the paint, then prints its
//                             memory as bench_memoria does (bench/memoria.sh)
// Not a test.

#include "Memoria.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

enum class Modo { Resta, Avvio, Memoria };

class Pavimento : public QWidget
{
public:
    explicit Pavimento(Modo modo)
        : m_modo(modo)
    {
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.fillRect(rect(), Qt::white);
        p.fillRect(kQuadrato, m_acceso ? Qt::red : Qt::blue);
        if (m_dipinta)
            return;
        m_dipinta = true;
        if (m_modo == Modo::Memoria) {
            QTimer::singleShot(1000, qApp, [] {
                stampaMemoria("floor: empty Qt window", misuraMemoria());
                QCoreApplication::quit();
            });
        } else if (m_modo == Modo::Avvio) {
            QTimer::singleShot(0, qApp, [] {
                QGuiApplication::sync();
                stampaCpuEPicco();
                QCoreApplication::quit();
            });
        }
    }
    void keyReleaseEvent(QKeyEvent *) override
    {
        m_acceso = !m_acceso;
        update(kQuadrato);
    }

private:
    static constexpr QRect kQuadrato{100, 100, 200, 120};
    Modo m_modo;
    bool m_dipinta = false;
    bool m_acceso = false;
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const char *modo = argc > 1 ? argv[1] : "";
    Pavimento finestra(std::strcmp(modo, "avvio") == 0     ? Modo::Avvio
                       : std::strcmp(modo, "memoria") == 0 ? Modo::Memoria
                                                           : Modo::Resta);
    finestra.setWindowTitle(QStringLiteral("bench_pavimento"));
    finestra.setGeometry(QGuiApplication::primaryScreen()->geometry());
    finestra.showFullScreen();
    finestra.activateWindow();
    if (!*modo) {
        QTimer::singleShot(2000, [] {
            std::printf("pronto %d\n", int(getpid()));
            std::fflush(stdout);
        });
    }
    return app.exec();
}
