// Renders the program's SVG icon at build time: PNG files for the desktop's icon theme, and
// a C++ source with the same renditions as pixels, so that the program shows its icon
// without loading an image decoder or the SVG renderer.
// Usage: render_icon ICON.svg PNG-FOLDER PIXELS.cpp SIZE...
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <QTextStream>
#include <cstdio>

int main(int argc, char** argv)
{
    QGuiApplication app(argc, argv);
    if (argc < 5) {
        std::fprintf(stderr, "usage: render_icon ICON.svg PNG-FOLDER PIXELS.cpp SIZE...\n");
        return 2;
    }
    QSvgRenderer renderer(QString::fromLocal8Bit(argv[1]));
    if (!renderer.isValid())
        return 1;
    const QString pngFolder = QString::fromLocal8Bit(argv[2]);
    QDir().mkpath(pngFolder);
    QFile source(QString::fromLocal8Bit(argv[3]));
    if (!source.open(QIODevice::WriteOnly | QIODevice::Text))
        return 1;
    QTextStream out(&source);
    out << "// Made by render_icon from the program's SVG icon at build time.\n"
           "#include \"ui/IconPixels.h\"\n\n";
    QStringList table;
    for (int i = 4; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        renderer.render(&painter);
        painter.end();
        if (!image.save(QStringLiteral("%1/quorvex-%2.png").arg(pngFolder).arg(size)))
            return 1;
        out << "static const unsigned int icon" << size << "[] = {";
        for (int y = 0; y < size; ++y) {
            const auto* line = reinterpret_cast<const unsigned int*>(image.constScanLine(y));
            for (int x = 0; x < size; ++x)
                out << ((x % 8) ? " " : "\n    ") << "0x" << QString::number(line[x], 16) << "u,";
        }
        out << "\n};\n";
        table << QStringLiteral("{%1, icon%1}").arg(size);
    }
    out << "\nconst IconPixels iconPixels[] = {" << table.join(QStringLiteral(", ")) << "};\n"
        << "const int iconPixelsCount = " << table.size() << ";\n";
    return 0;
}
