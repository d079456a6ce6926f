// The main road in-process, without a display: a request for a date and Back, many times
// over. Prints the time per cycle and how much resident memory grew.
#include "ProgramWindows.h"
#include "display/FrmDisplay.h"
#include "entry/FrmMain.h"
#include "ui/MsgBox.h"

#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyleHints>
#include <QTest>
#include <cstdio>

static long residentKib()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

static void cycle(FrmMain* w, int i)
{
    w->cboYear->setCurrentIndex(i % 136);
    w->cboMonth->setCurrentIndex(i % 12);
    w->cboDate->setCurrentIndex(i % 28);
    QTest::mouseClick(w->cmdNext, Qt::LeftButton);
    QTest::mouseClick(frmDisplay()->cmdBack, Qt::LeftButton);
    QCoreApplication::processEvents(); // what the event loop would do between two clicks
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QStandardPaths::setTestModeEnabled(true);
    // The clicks here come faster than any person's; a main window would drop those that
    // come within the double-click interval of its appearing.
    QGuiApplication::styleHints()->setMouseDoubleClickInterval(0);
    setMsgBoxAnswerer([](const MsgBoxRequest&) { return QMessageBox::Ok; });
    const int cycles = argc > 1 ? atoi(argv[1]) : 1000;

    FrmMain* w = frmMain();
    w->show();
    QTest::keyClicks(w->txtName, "ann");
    for (int i = 0; i < 50; ++i) // warm-up: fonts, caches, the exit screen
        cycle(w, i);
    const long before = residentKib();
    QElapsedTimer timer;
    timer.start();
    for (int i = 0; i < cycles; ++i)
        cycle(w, i);
    const double msPerCycle = timer.nsecsElapsed() / 1e6 / cycles;
    const long after = residentKib();
    std::printf("%d %.3f %ld %ld\n", cycles, msPerCycle, before, after);
    return 0;
}
