// Renders an SVG icon as a square PNG of a given size, for the icon theme's fixed-size
// folders: rendericon IN.svg OUT.png SIZE

// Qt
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

// std
#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (std::getenv("QT_QPA_PLATFORM") == nullptr)
        setenv("QT_QPA_PLATFORM", "offscreen", 1);
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    bool ok = false;
    const int size = args.size() == 4 ? args[3].toInt(&ok) : 0;
    if (!ok || size <= 0) {
        std::fputs("usage: rendericon IN.svg OUT.png SIZE\n", stderr);
        return 2;
    }
    QSvgRenderer svg(args[1]);
    if (!svg.isValid()) {
        std::fprintf(stderr, "rendericon: %s is not an SVG picture\n", qPrintable(args[1]));
        return 1;
    }
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    svg.render(&painter);
    painter.end();
    if (!image.save(args[2], "PNG")) {
        std::fprintf(stderr, "rendericon: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
