#pragma once

#include "ui/MainForm.h"

#include <optional>

class LinkLabel;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;

// The result window: the sign found and its paragraph, with Back to the entry window.
class FrmDisplay : public MainForm
{
    Q_OBJECT
public:
    FrmDisplay();

    QPushButton* cmdBack;
    QPushButton* cmdExit;
    QWidget* Frame2;
    LinkLabel* Label61;
    QWidget* Frame5;
    LinkLabel* lblCobrand;
    LinkLabel* lblFullBrand;
    QGroupBox* fraPowerSign;
    QLabel* Label3;
    QLabel* lblSignDesc;
    QLabel* lblZevodSign;
    QMenu* mnuFile;
    QMenu* mnuHelp;

    // What the sign request writes: the sign, and its paragraph when the sign has one (the
    // design's paragraph stays otherwise).
    void showSign(const QString& sign, const std::optional<QString>& description);

    void cmdBack_Click();

signals:
    // The person asked to go back to the entry window.
    void backRequested();

protected:
    void showEvent(QShowEvent* event) override;
    bool event(QEvent* event) override;

private:
    void mnuFileBack_Click();

    bool m_signToSay = false;
};
