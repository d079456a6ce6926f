#include "WebMenus.h"

#include "FrmAbout.h"
#include "ModHelp.h"
#include "app/Policy.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace
{

// Each opens its page and nothing else; a failure is ignored.
void mnuOnline_Click() { runStep(OpenOnlineHelpPage); }
void mnuVisit_Click() { runStep(OpenHomePage); }
void mnuUpdate_Click() { runStep(OpenUpdatePage); }
void mnuDonate_Click() { runStep(OpenDonatePage); }
void mnuMakeMoneyOnline_Click() { runStep(OpenFullBrandPage); }
void mnuAbout_Click() { runStep(showAboutWindow); }

QAction* item(QWidget* menu, QMainWindow* window, const char* name, const char* caption, void (*handler)())
{
    auto* action = new QAction(QString::fromLatin1(caption), window);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, window, handler);
    menu->addAction(action);
    return action;
}

} // namespace

QMenu* addWebMenus(QMainWindow* window, const WebMenuNames& names)
{
    QMenuBar* bar = window->menuBar();
    auto* help = new QMenu(QStringLiteral("&Help"), window);
    help->setObjectName(QStringLiteral("mnuHelp"));
    help->menuAction()->setObjectName(QStringLiteral("mnuHelpMenu"));
    item(help, window, "mnuOnline", "&Online Help", mnuOnline_Click);
    item(help, window, "mnuVisit", "&Visit Us Online", mnuVisit_Click);
    help->addSeparator()->setObjectName(QLatin1String(names.separator1));
    item(help, window, "mnuUpdate", names.updateCaption, mnuUpdate_Click);
    help->addSeparator()->setObjectName(QLatin1String(names.separator2));
    item(help, window, "mnuAbout", "&About Software", mnuAbout_Click);
    bar->addMenu(help);
    item(bar, window, "mnuDonate", "&Donate", mnuDonate_Click);
    item(bar, window, "mnuMakeMoneyOnline", "Make Money &Online", mnuMakeMoneyOnline_Click)
        ->setEnabled(false);
    return help;
}
