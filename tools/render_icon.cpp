// Renders the program's SVG icon to PNG files of the sizes the windows use, at build time,
// so that the program itself never needs the SVG renderer.
// Usage: render_icon ICON.svg OUTPUT-FOLDER SIZE...
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 4) {
        std::fprintf(stderr, "usage: render_icon ICON.svg OUTPUT-FOLDER SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return 1;
    QDir().mkpath(QString::fromLocal8Bit(argv[2]));
    for (int i = 3; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        const QString file =
            QStringLiteral("%1/quorvex-%2.png").arg(QString::fromLocal8Bit(argv[2])).arg(size);
        if (!image.save(file))
            return 1;
    }
    return 0;
}
