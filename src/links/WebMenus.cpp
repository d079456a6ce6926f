#include "WebMenus.h"

#include "FrmAbout.h"
#include "ModHelp.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace
{

// Each opens its page and nothing else; a page that cannot be opened is not.
void mnuOnline_Click() { OpenOnlineHelpPage(); }
void mnuVisit_Click() { OpenHomePage(); }
void mnuUpdate_Click() { OpenUpdatePage(); }
void mnuDonate_Click() { OpenDonatePage(); }
void mnuMakeMoneyOnline_Click() { OpenFullBrandPage(); }
void mnuAbout_Click() { showAboutWindow(); }

} // namespace

QAction* addMenuItem(QWidget* menu, QMainWindow* window, const char* name, const char* caption,
                     std::function<void()> handler)
{
    auto* action = new QAction(QString::fromLatin1(caption), window);
    action->setObjectName(QLatin1String(name));
    QObject::connect(action, &QAction::triggered, window, std::move(handler));
    menu->addAction(action);
    return action;
}

QMenu* addMenu(QMainWindow* window, const char* name, const char* caption)
{
    auto* menu = new QMenu(QString::fromLatin1(caption), window);
    menu->setObjectName(QLatin1String(name));
    window->menuBar()->addMenu(menu);
    return menu;
}

QMenu* addWebMenus(QMainWindow* window, const WebMenuNames& names)
{
    QMenuBar* bar = window->menuBar();
    QMenu* help = addMenu(window, "mnuHelp", "&Help");
    addMenuItem(help, window, "mnuOnline", "&Online Help", mnuOnline_Click);
    addMenuItem(help, window, "mnuVisit", "&Visit Us Online", mnuVisit_Click);
    help->addSeparator()->setObjectName(QLatin1String(names.separator1));
    addMenuItem(help, window, "mnuUpdate", names.updateCaption, mnuUpdate_Click);
    help->addSeparator()->setObjectName(QLatin1String(names.separator2));
    addMenuItem(help, window, "mnuAbout", "&About Software", mnuAbout_Click);
    addMenuItem(bar, window, "mnuDonate", "&Donate", mnuDonate_Click);
    addMenuItem(bar, window, "mnuMakeMoneyOnline", "Make Money &Online", mnuMakeMoneyOnline_Click)
        ->setEnabled(false);
    return help;
}
