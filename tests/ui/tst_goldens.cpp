// What a person sees of every window, pixel for pixel, against the PNGs in goldens/: drawn
// offscreen at 96 DPI with the fonts the build installs (DejaVu Sans standing in for
// Verdana). On a mismatch the test writes the image it got into its working folder and
// names it. With QUORVEX_WRITE_GOLDENS set (make goldens) it writes the goldens instead.
// Every text of each window is whole, as its control lays it out with the platform's own font
// engine: here and on Windows, where the pictures are not compared.
#include "TestSupport.h"

#include "app/FrmExitScreen.h"
#include "app/Settings.h"
#include "app/UpdateReminder.h"
#include "links/FrmAbout.h"
#include "links/Promotions.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>
#include <QVersionNumber>

class TestGoldens : public QObject
{
    Q_OBJECT
    Recorder rec;

    // Where Qt draws a window differently (a frame's top edge, a message box's icon), a
    // folder named after its minor version holds that window's golden; the others are
    // shared with Qt 6.4's, in the folder itself.
    static QString goldenFor(const QString& name, bool forWriting)
    {
        const QString shared = QStringLiteral(GOLDEN_DIR "/") + name + ".png";
        const QVersionNumber qt = QVersionNumber::fromString(QLatin1String(qVersion()));
        if (qt.majorVersion() == 6 && qt.minorVersion() == 4)
            return shared;
        const QString own =
            QStringLiteral(GOLDEN_DIR "/%1.%2/").arg(qt.majorVersion()).arg(qt.minorVersion()) + name +
            ".png";
        return forWriting || QFile::exists(own) ? own : shared;
    }

    // The texts of a window's labels, buttons and check boxes that do not fit the room their
    // control lays them out in, each with the size it needs and the size it has.
    static QStringList cutTexts(QWidget* window)
    {
        QStringList cut;
        for (QWidget* w : window->findChildren<QWidget*>()) {
            QString text;
            QRect room;
            int flags = Qt::TextShowMnemonic | Qt::TextWordWrap;
            if (auto* label = qobject_cast<QLabel*>(w)) {
                text = label->text();
                room = label->contentsRect();
                flags = label->alignment() | Qt::TextExpandTabs | (label->wordWrap() ? Qt::TextWordWrap : 0);
            } else if (auto* button = qobject_cast<QAbstractButton*>(w)) {
                // A button's and a check box's text in the room its style leaves it; a link's in
                // its whole rectangle.
                QStyleOptionButton option;
                option.initFrom(button);
                text = option.text = button->text();
                const bool check = qobject_cast<QCheckBox*>(button);
                room = check || qobject_cast<QPushButton*>(button)
                           ? button->style()->subElementRect(check ? QStyle::SE_CheckBoxContents
                                                                   : QStyle::SE_PushButtonContents,
                                                             &option, button)
                           : button->contentsRect();
            }
            const QSize needed =
                w->fontMetrics().boundingRect(QRect(0, 0, room.width(), 100000), flags, text).size();
            if (!text.isEmpty() && w->isVisibleTo(window) &&
                (needed.width() > room.width() || needed.height() > room.height()))
                cut << QStringLiteral("%1 needs %2x%3, has %4x%5")
                           .arg(w->objectName())
                           .arg(needed.width())
                           .arg(needed.height())
                           .arg(room.width())
                           .arg(room.height());
        }
        return cut;
    }

    static void compare(QWidget* window, const QString& name)
    {
        QVERIFY2(window, qPrintable(name + ": no window to compare"));
        const QStringList cut = cutTexts(window);
        QVERIFY2(cut.isEmpty(), qPrintable(name + ": " + cut.join(QStringLiteral("; "))));
#ifdef Q_OS_WIN
        return; // drawn with Windows' fonts, which the goldens are not
#endif
        const QImage actual = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        const QString golden = goldenFor(name, false);
        if (qEnvironmentVariableIsSet("QUORVEX_WRITE_GOLDENS")) {
            const QString mine = goldenFor(name, true);
            if (mine != golden && QImage(golden).convertToFormat(QImage::Format_RGB32) == actual)
                return; // drawn as in the shared folder
            QVERIFY(QDir().mkpath(QFileInfo(mine).path()));
            QVERIFY(actual.save(mine));
            return;
        }
        const QImage expected = QImage(golden).convertToFormat(QImage::Format_RGB32);
        if (actual == expected)
            return;
        const QString out = QDir::currentPath() + "/" + name + "-actual.png";
        actual.save(out);
        QFAIL(qPrintable(name + " differs from " + golden + ": see " + out));
    }
    void compareBox(const std::function<void()>& ask, const QString& name)
    {
        rec.onRealBox([&](QWidget* box) { compare(box, name); }, ask);
    }

private slots:
    void initTestCase() { QApplication::setCursorFlashTime(0); }
    void init() { rec.reset(); }

    // Each draw shows one offer, and only the offer shown is in the tab order.
    void entryWindowWithEachOffer()
    {
        FrmMain* w = activated(frmMain());
        QStringList shown;
        for (int i = 0; i < 100 && shown.size() < 2; ++i) {
            CoBrand_Randomize(frmMain()->lblCobrand, frmMain()->lblFullBrand);
            const bool coBrand = intCoBrandRandomNumber % 2;
            QCOMPARE(w->lblCobrand->focusPolicy() == Qt::TabFocus, coBrand);
            QCOMPARE(w->lblFullBrand->focusPolicy() == Qt::TabFocus, !coBrand);
            const QString name = coBrand ? "entry-co-brand" : "entry-fully-branded";
            if (!shown.contains(name))
                compare(w, name), shown << name;
        }
        QCOMPARE(shown.size(), 2);
    }

    // The year list opened: the drop-down, built when it first opens, in the list's font
    // and colours.
    void entryYearListOpen()
    {
        FrmMain* w = activated(frmMain());
        w->cboYear->showPopup();
        compare(w->cboYear->view()->window(), "entry-year-list");
    }

    void resultWindowForEachSign_data()
    {
        QTest::addColumn<QString>("year");
        using Row = std::pair<const char*, int>; // the sign, and a year in which 1 January has it
        for (auto [sign, year] :
             {Row{"Pisces", 1900}, Row{"Aries", 1910}, Row{"Taurus", 1920}, Row{"Gemini", 1940},
              Row{"Cancer", 1960}, Row{"Leo", 1990}, Row{"Virgo", 2020}})
            QTest::newRow(sign) << QString::number(year);
    }
    void resultWindowForEachSign()
    {
        QFETCH(QString, year);
        compare(requestSign("1", "January", year), QStringLiteral("result-") + QTest::currentDataTag());
    }

    void aboutWindow()
    {
        FrmAbout about;
        compare(activated(&about), "about");
    }

    // Each of the four messages that the exit screen draws when it is created.
    void exitScreenWithEachMessage()
    {
        const char* starts[] = {"Harrowfen Softwares, such", "Visit Harrowfen regularly",
                                "Harrowfen is a FREE", "Harrowfen needs your help"};
        QSet<int> shown;
        for (int i = 0; i < 200 && shown.size() < 4; ++i) {
            rec.reset();
            FrmExitScreen* x = activated(frmExitScreen());
            int k = 0;
            while (k < 4 && !x->Label2->text().startsWith(starts[k]))
                ++k;
            QVERIFY2(k < 4, qPrintable(x->Label2->text()));
            if (!shown.contains(k))
                compare(x, QStringLiteral("exit-screen-%1").arg(k)), shown << k;
        }
        QCOMPARE(shown.size(), 4);
    }

    // The update question as the reminder asks it, and a refusal.
    void messageBoxes()
    {
        SaveStoredSetting("Duration", "2000-01-01T00:00:00");
        compareBox([] { runUpdateReminder(QDateTime::currentDateTime(), QLocale::c()); },
                   "box-update-question");
        compareBox([] { MsgBox("Please Enter Proper Email Address", QMessageBox::Critical); }, "box-refusal");
    }
};

QTEST_MAIN(TestGoldens)
#include "tst_goldens.moc"
