#include "TestSupport.h"

#include "app/FrmExitScreen.h"

#include <QLabel>

// (What a screen reader says as the result window opens is in the Orca test.)
class TestDisplay : public QObject
{
    Q_OBJECT
    Recorder rec;

private slots:
    void init() { rec.reset(); }

    // Back frees the result window and shows the entry as the user left it; the exit screen
    // is created for its message but never put on screen; the next request builds the result
    // window afresh.
    void backKeepsTheEntry()
    {
        QPointer<FrmDisplay> first = requestSign("15", "March", "1960");
        QTest::mouseClick(first->cmdBack, Qt::LeftButton);
        Recorder::flushDeletes();
        FrmMain* w = frmMain();
        QVERIFY2(first.isNull(), "the result window is freed");
        QVERIFY2(!frmExitScreen()->testAttribute(Qt::WA_WState_Created), "the exit screen went on screen");
        QCOMPARE(w->txtName->text() + w->cboDate->currentText() + w->cboMonth->currentText() +
                     w->cboYear->currentText(),
                 QStringLiteral("ANN15March1960"));
        w->cboYear->setCurrentText("1950");
        QTest::mouseClick(w->cmdNext, Qt::LeftButton);
        QCOMPARE(frmDisplay()->lblZevodSign->text(), QStringLiteral("Gemini"));
    }
};

QTEST_MAIN(TestDisplay)
#include "tst_display.moc"
