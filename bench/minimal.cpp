// The floor for start-up time and memory: a Qt Widgets program that shows one empty window
// of the given size and nothing else, or, with "text", one line of bold text in it in the
// program's font (any window with text pays for the font set-up, and Verdana's fallback).
// Usage: minimal_window WIDTH HEIGHT [text]
#include <QApplication>
#include <QLabel>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(argc > 2 ? atoi(argv[1]) : 499, argc > 2 ? atoi(argv[2]) : 394);
    window.setWindowTitle(QStringLiteral("minimal"));
    if (argc > 3) {
        auto* line = new QLabel(QStringLiteral("Quorvex finds your Zevod Astrology sign."), &window);
        QFont font(QStringLiteral("Verdana"));
        font.setPointSizeF(8.25);
        font.setBold(true);
        line->setFont(font);
        line->move(10, 10);
    }
    window.show();
    return app.exec();
}
