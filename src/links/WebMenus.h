#pragma once

#include <functional>

class QAction;
class QMainWindow;
class QMenu;
class QWidget;

// The Help menu, "&Donate" and "Make Money &Online" that both main windows carry after
// their File menu. The update item's caption and the separators' names differ per window.
struct WebMenuNames {
    const char* updateCaption;
    const char* separator1;
    const char* separator2;
};

QMenu* addWebMenus(QMainWindow* window, const WebMenuNames& names);

// A menu with its access key in the caption, named for tests and screen readers.
QMenu* addMenu(QMainWindow* window, const char* name, const char* caption);
// An item of a menu (or of the menu bar) that runs its handler.
QAction* addMenuItem(QWidget* menu, QMainWindow* window, const char* name, const char* caption,
                     std::function<void()> handler);
