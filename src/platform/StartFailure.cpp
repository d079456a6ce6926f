#include "StartFailure.h"

#include <QList>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#ifdef Q_OS_WIN
#include <windows.h>
#endif

QByteArray startFailure(const QByteArray& platform, const QByteArray& display,
                        const QByteArray& waylandDisplay, const QStringList& qtSaid)
{
    // Qt names the display it could not reach; anything else is the platform plugin's own
    // failure (a damaged or missing library), which Qt's words explain. Windows has no
    // display to miss: only the plugin can fail.
#ifndef Q_OS_LINUX
    Q_UNUSED(platform);
    Q_UNUSED(display);
    Q_UNUSED(waylandDisplay);
    return "Quorvex: the Windows platform plugin could not start:\n" +
           qtSaid.join(QLatin1Char('\n')).toLocal8Bit();
#else
    const bool displayReached =
        !qtSaid.isEmpty() && std::none_of(qtSaid.begin(), qtSaid.end(), [](const QString& line) {
            return line.contains(QLatin1String("could not connect to display")) ||
                   line.contains(QLatin1String("wl_display")) ||
                   line.contains(QLatin1String("Wayland display"));
        });
    if (!displayReached)
        return displayFailure(platform, display, waylandDisplay);
    return "Quorvex: the display is there, but the platform plugin could not start:\n" +
           qtSaid.join(QLatin1Char('\n')).toLocal8Bit();
#endif
}

QByteArray displayFailure(const QByteArray& platform, const QByteArray& display,
                          const QByteArray& waylandDisplay)
{
    if (platform.startsWith("wayland"))
        return "Quorvex: cannot open the Wayland display \"" +
               (waylandDisplay.isEmpty() ? QByteArray("wayland-0") : waylandDisplay) + "\"";
    if (platform.isEmpty() || platform.startsWith("xcb")) {
        if (display.isEmpty())
            return "Quorvex: no display to open: neither DISPLAY nor WAYLAND_DISPLAY is set";
        return "Quorvex: cannot open the display \"" + display + "\"";
    }
    return "Quorvex: cannot start on the platform \"" + platform + "\"";
}

namespace
{

// A program of Windows' GUI subsystem has no console: the line goes to stderr where whoever
// started the program took it (a script, a pipe), and into a message box otherwise.
void tell(const QByteArray& line)
{
#ifdef Q_OS_WIN
    const HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (err == nullptr || err == INVALID_HANDLE_VALUE || GetFileType(err) == FILE_TYPE_UNKNOWN) {
        MessageBoxW(nullptr, reinterpret_cast<const wchar_t*>(QString::fromLocal8Bit(line).utf16()),
                    L"Quorvex", MB_OK | MB_ICONERROR);
        return;
    }
#endif
    std::fprintf(stderr, "%s\n", line.constData());
    std::fflush(stderr);
}

// The context's texts are Qt's own static strings.
struct HeldMessage {
    QtMsgType type;
    const char* file;
    int line;
    const char* function;
    const char* category;
    QString text;
};

struct Held {
    QByteArray platform, display, waylandDisplay;
    QList<HeldMessage> messages;
    QtMessageHandler qtHandler = nullptr;
};
Held* held = nullptr;

void holdMessage(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtFatalMsg) {
        QStringList said;
        for (const HeldMessage& m : held->messages)
            said << m.text;
        said << message;
        tell(startFailure(held->platform, held->display, held->waylandDisplay, said));
        std::_Exit(1);
    }
    held->messages.append({type, context.file, context.line, context.function, context.category, message});
}

} // namespace

void holdStartMessages(const QByteArray& platform, const QByteArray& display,
                       const QByteArray& waylandDisplay)
{
    held = new Held{platform, display, waylandDisplay, {}, nullptr};
    held->qtHandler = qInstallMessageHandler(holdMessage);
}

void releaseStartMessages()
{
    qInstallMessageHandler(held->qtHandler);
    for (const HeldMessage& m : held->messages)
        qt_message_output(m.type, QMessageLogContext(m.file, m.line, m.function, m.category), m.text);
    delete held;
    held = nullptr;
}
