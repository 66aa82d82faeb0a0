// Key release -> screen changed, as the X server sees it: a plain X client
// (no Qt) presses and releases a key through the XTEST extension, as a
// keyboard or a switch interface would, and reads a rectangle of the screen
// back until it differs from what it showed before the release. It measures
// whatever window has the keyboard: the program, or the floor program
// (bench_pavimento) for comparison. Prints every round's milliseconds, then
// min, median and max. Not a test.
//   bench_tasto_schermo X Y W H [ROUNDS] [KEY]    (KEY as xdotool names it, Right by default)

#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <thread>
#include <vector>

namespace {

using Orologio = std::chrono::steady_clock;

std::vector<char> leggi(Display *d, Window radice, int x, int y, int w, int h)
{
    XImage *img = XGetImage(d, radice, x, y, unsigned(w), unsigned(h), AllPlanes, ZPixmap);
    if (!img)
        return {};
    std::vector<char> dati(img->data, img->data + size_t(img->bytes_per_line) * size_t(h));
    XDestroyImage(img);
    return dati;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: bench_tasto_schermo X Y W H [ROUNDS] [KEY]\n");
        return 2;
    }
    const int x = atoi(argv[1]), y = atoi(argv[2]), w = atoi(argv[3]), h = atoi(argv[4]);
    const int giri = argc > 5 ? atoi(argv[5]) : 30;
    const char *nomeTasto = argc > 6 ? argv[6] : "Right";
    Display *d = XOpenDisplay(nullptr);
    if (!d) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    int ev, er, maj, min;
    if (!XTestQueryExtension(d, &ev, &er, &maj, &min)) {
        std::fprintf(stderr, "no XTEST\n");
        return 1;
    }
    const Window radice = DefaultRootWindow(d);
    const KeyCode codice = XKeysymToKeycode(d, XStringToKeysym(nomeTasto));
    std::vector<double> ms;
    int mancati = 0;
    for (int i = 0; i < giri; ++i) {
        XTestFakeKeyEvent(d, codice, True, CurrentTime);
        XSync(d, False);
        std::this_thread::sleep_for(std::chrono::milliseconds(120)); // a tap, shorter than the repeat delay
        const std::vector<char> prima = leggi(d, radice, x, y, w, h);
        const auto t0 = Orologio::now();
        XTestFakeKeyEvent(d, codice, False, CurrentTime);
        XFlush(d);
        bool cambiato = false;
        double trascorsi = 0;
        while (trascorsi < 500) {
            const std::vector<char> ora = leggi(d, radice, x, y, w, h);
            trascorsi = std::chrono::duration<double, std::milli>(Orologio::now() - t0).count();
            if (ora != prima) {
                cambiato = true;
                break;
            }
        }
        if (cambiato)
            ms.push_back(trascorsi);
        else
            ++mancati;
        std::this_thread::sleep_for(std::chrono::milliseconds(250));
    }
    XCloseDisplay(d);
    if (ms.empty()) {
        std::printf("no change seen in %d rounds\n", giri);
        return 1;
    }
    std::vector<double> ordinati = ms;
    std::sort(ordinati.begin(), ordinati.end());
    std::printf("key release -> screen changed: min %6.2f  median %6.2f  max %6.2f ms (%zu rounds, %d unchanged)\n",
                ordinati.front(), ordinati[ordinati.size() / 2], ordinati.back(), ordinati.size(), mancati);
    return 0;
}
