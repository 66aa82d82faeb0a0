// svgshot: renders an SVG picture to a PNG, so the artwork can be looked at
// and checked without opening the program.
//
//   svgshot [--bg #RRGGBB] [--parts] [--zoom N] in.svg out.png W H [ms]
//       Draws the picture into a W x H image, centred with its aspect kept.
//       With ms, the picture's animation runs for that many milliseconds of
//       wall-clock time first (QtSvg plays animations on the wall clock).
//       --bg fills the image with a colour first (the picture widget draws
//       the sky itself); --parts draws each known house element on its own,
//       in document order, the way the picture widget does; --zoom N enlarges
//       the finished image N times, pixel by pixel, to inspect small sizes.
//   svgshot --ids in.svg id...
//       Prints every id the file lacks; the exit status is 1 if any is missing.
#include <QColor>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QSvgRenderer>
#include <QThread>
#include <QXmlStreamReader>

#include <cstdio>

namespace {

// The house elements the picture widget draws, in drawing order: each
// part's fill, its outline, then its fixed shading.
QStringList houseElements()
{
    QStringList ids;
    for (const char *part : {"nuvole", "fumo", "comignolo", "pareti", "tetto", "finestre",
                             "porta", "gradino"}) {
        for (const char *layer : {".interno", ".contorno", ".ombra"})
            ids << QLatin1String(part) + QLatin1String(layer);
    }
    return ids;
}

int usage()
{
    std::fputs("usage: svgshot [--bg #RRGGBB] [--parts] [--zoom N] in.svg out.png W H [ms]\n"
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

// Ids of the elements the file hides with display="none" (the smoke and the
// clouds of the blank house). Drawing by id ignores a hidden parent, so the
// picture widget reads these itself, and so does --parts.
QStringList hiddenIds(const QString &fileName)
{
    QStringList hidden;
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        return hidden;
    QXmlStreamReader xml(&file);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        const QXmlStreamAttributes attributes = xml.attributes();
        if (attributes.value(QLatin1String("display")) == QLatin1String("none"))
            hidden << attributes.value(QLatin1String("id")).toString();
    }
    return hidden;
}

bool isHidden(const QString &id, const QStringList &hidden)
{
    for (const QString &group : hidden) {
        if (!group.isEmpty() && (id == group || id.startsWith(group + QLatin1Char('.'))))
            return true;
    }
    return false;
}

void drawParts(QSvgRenderer &renderer, const QStringList &hidden, QPainter &painter,
               const QRectF &target)
{
    const QRectF box = renderer.viewBoxF();
    const qreal scale = target.width() / box.width();
    for (const QString &id : houseElements()) {
        if (!renderer.elementExists(id) || isHidden(id, hidden))
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
    int zoom = 1;
    while (!args.isEmpty() && args.first().startsWith(QLatin1String("--"))) {
        const QString option = args.takeFirst();
        if (option == QLatin1String("--parts")) {
            parts = true;
        } else if (option == QLatin1String("--zoom") && !args.isEmpty()) {
            zoom = args.takeFirst().toInt();
            if (zoom < 1 || zoom > 64)
                return usage();
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
        drawParts(renderer, hiddenIds(args.at(0)), painter, target);
    else
        renderer.render(&painter, target);
    painter.end();

    if (zoom > 1)
        image = image.scaled(size * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    if (!image.save(args.at(1))) {
        std::fprintf(stderr, "svgshot: cannot write %s\n", qPrintable(args.at(1)));
        return 2;
    }
    return 0;
}
