// svgshot: renders an SVG picture to a PNG, so the artwork can be looked at
// and checked without opening the program.
//
//   svgshot [--bg #RRGGBB] [--parts] in.svg out.png W H [ms]
//       Draws the picture into a W x H image, centred with its aspect kept.
//       With ms, the picture's animation runs for that many milliseconds of
//       wall-clock time first (QtSvg plays animations on the wall clock).
//       --bg fills the image with a colour first (the picture widget draws
//       the sky itself); --parts draws each known house element on its own,
//       in document order, the way the picture widget does.
//   svgshot --ids in.svg id...
//       Prints every id the file lacks; the exit status is 1 if any is missing.
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <QTextStream>
#include <QThread>

#include <cstdio>

namespace {

// The house elements the picture widget draws, in drawing order.
const QStringList kHouseParts = {
    QStringLiteral("nuvole.interno"),    QStringLiteral("nuvole.contorno"),
    QStringLiteral("fumo.interno"),      QStringLiteral("fumo.contorno"),
    QStringLiteral("comignolo.interno"), QStringLiteral("comignolo.contorno"),
    QStringLiteral("pareti.interno"),    QStringLiteral("pareti.contorno"),
    QStringLiteral("tetto.interno"),     QStringLiteral("tetto.contorno"),
    QStringLiteral("finestre.interno"),  QStringLiteral("finestre.contorno"),
    QStringLiteral("porta.interno"),     QStringLiteral("porta.contorno"),
    QStringLiteral("gradino.interno"),   QStringLiteral("gradino.contorno"),
};

int usage()
{
    std::fputs("usage: svgshot [--bg #RRGGBB] [--parts] in.svg out.png W H [ms]\n"
               "       svgshot --ids in.svg id...\n",
               stderr);
    return 2;
}

int checkIds(const QStringList &args)
{
    if (args.isEmpty())
        return usage();
    QSvgRenderer renderer(args.first());
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svgshot: cannot read %s\n", qPrintable(args.first()));
        return 2;
    }
    int missing = 0;
    for (const QString &id : args.mid(1)) {
        if (!renderer.elementExists(id)) {
            std::printf("missing: %s\n", qPrintable(id));
            ++missing;
        }
    }
    return missing ? 1 : 0;
}

// Where the whole picture lands inside a W x H image with its aspect kept.
QRectF fittedRect(const QSizeF &picture, const QSize &image)
{
    QSizeF size = picture.scaled(QSizeF(image), Qt::KeepAspectRatio);
    return QRectF(QPointF((image.width() - size.width()) / 2.0,
                          (image.height() - size.height()) / 2.0),
                  size);
}

void drawParts(QSvgRenderer &renderer, QPainter &painter, const QRectF &target)
{
    const QRectF box = renderer.viewBoxF();
    const qreal scale = target.width() / box.width();
    for (const QString &id : kHouseParts) {
        if (!renderer.elementExists(id))
            continue;
        painter.save();
        painter.translate(target.topLeft());
        painter.scale(scale, scale);
        painter.translate(-box.topLeft());
        painter.setTransform(renderer.transformForElement(id), true);
        renderer.render(&painter, id, renderer.boundsOnElement(id));
        painter.restore();
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QStringList args = app.arguments().mid(1);
    if (!args.isEmpty() && args.first() == QLatin1String("--ids"))
        return checkIds(args.mid(1));

    QColor background(Qt::transparent);
    bool parts = false;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--parts")) {
            parts = true;
        } else if (option == QLatin1String("--bg") && !args.isEmpty()) {
            background = QColor(args.takeFirst());
            if (!background.isValid())
                return usage();
        } else {
            return usage();
        }
    }
    if (args.size() < 4 || args.size() > 5)
        return usage();

    bool okW = false, okH = false, okMs = true;
    const QSize size(args.at(2).toInt(&okW), args.at(3).toInt(&okH));
    const int ms = args.size() == 5 ? args.at(4).toInt(&okMs) : 0;
    if (!okW || !okH || !okMs || size.isEmpty() || ms < 0)
        return usage();

    QSvgRenderer renderer(args.at(0));
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svgshot: cannot read %s\n", qPrintable(args.at(0)));
        return 2;
    }

    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (ms > 0) {
        // The first draw starts the animation clock; then let time pass.
        QPainter warmup(&image);
        renderer.render(&warmup, QRectF(0, 0, 1, 1));
        warmup.end();
        QThread::msleep(static_cast<unsigned long>(ms));
    }

    image.fill(background);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF target = fittedRect(renderer.viewBoxF().size(), size);
    if (parts)
        drawParts(renderer, painter, target);
    else
        renderer.render(&painter, target);
    painter.end();

    if (!image.save(args.at(1))) {
        std::fprintf(stderr, "svgshot: cannot write %s\n", qPrintable(args.at(1)));
        return 2;
    }
    return 0;
}
