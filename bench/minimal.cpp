// The floor for start-up time and memory: a Qt Widgets program that shows one empty window
// of the given size and nothing else; with "text", one line of bold text in it in the
// program's font (any window with text pays for the font set-up, and Verdana's fallback);
// with "fonts", a line in each of the four fonts the entry window draws: Verdana 8.25 bold
// and regular, Verdana 9 bold, and the desktop's own font, which its menu bar uses.
// Usage: minimal_window WIDTH HEIGHT [text|fonts]
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(argc > 2 ? atoi(argv[1]) : 499, argc > 2 ? atoi(argv[2]) : 394);
    window.setWindowTitle(QStringLiteral("minimal"));
    const QByteArray lines = argc > 3 ? argv[3] : "";
    struct Font {
        double points; // 0 for the desktop's font
        bool bold;
    };
    QList<Font> fonts;
    if (lines == "text")
        fonts = {{8.25, true}};
    else if (lines == "fonts")
        fonts = {{8.25, true}, {8.25, false}, {9, true}, {0, false}};
    int top = 10;
    for (const Font& f : fonts) {
        auto* line = new QLabel(QStringLiteral("Quorvex finds your Zevod Astrology sign."), &window);
        if (f.points > 0) {
            QFont font(QStringLiteral("Verdana"));
            font.setPointSizeF(f.points);
            font.setBold(f.bold);
            line->setFont(font);
        }
        line->move(10, top);
        top += 20;
    }
    window.show();
    return app.exec();
}
