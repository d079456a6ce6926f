// The floor for start-up time and memory: a Qt Widgets program that shows one empty window
// of the given size and nothing else. Usage: minimal_window WIDTH HEIGHT
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.setFixedSize(argc > 2 ? atoi(argv[1]) : 499, argc > 2 ? atoi(argv[2]) : 394);
    window.setWindowTitle(QStringLiteral("minimal"));
    window.show();
    return app.exec();
}
