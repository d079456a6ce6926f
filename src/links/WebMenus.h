#pragma once

class QMainWindow;
class QMenu;

// The Help menu, "&Donate" and "Make Money &Online" that both main windows carry after
// their File menu. The update item's caption and the separators' names differ per window.
struct WebMenuNames {
    const char* updateCaption;
    const char* separator1;
    const char* separator2;
};

QMenu* addWebMenus(QMainWindow* window, const WebMenuNames& names);
