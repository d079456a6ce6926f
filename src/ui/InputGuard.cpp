#include "InputGuard.h"

#include "platform/NativeWindow.h"

#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QStyleHints>
#include <QWidget>

namespace
{

class InputGuard : public QObject
{
public:
    explicit InputGuard(QWidget* window) : QObject(window), m_window(window)
    {
        window->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_window) {
            noteWindowEvent(event->type());
            return false;
        }
        if (!m_since.isValid() ||
            m_since.elapsed() >= QGuiApplication::styleHints()->mouseDoubleClickInterval())
            return false;
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
            return m_appeared;
        case QEvent::KeyPress: {
            const int key = static_cast<QKeyEvent*>(event)->key();
            return key == Qt::Key_Return || key == Qt::Key_Enter ||
                   (key == Qt::Key_Space && qobject_cast<QAbstractButton*>(m_window->focusWidget()));
        }
        default:
            return false;
        }
    }

private:
    void noteWindowEvent(QEvent::Type type)
    {
        if (type == QEvent::Show) {
            filterNativeWindow(m_window, this);
            m_appeared = true;
            m_activeSinceShown = false;
            m_since.start();
        } else if (type == QEvent::WindowActivate) {
            // The activation that follows the window's appearing is part of it.
            m_appeared = m_appeared && !m_activeSinceShown;
            m_activeSinceShown = true;
            m_since.start();
        }
    }

    QWidget* m_window;
    QElapsedTimer m_since;
    bool m_appeared = false;
    bool m_activeSinceShown = false;
};

} // namespace

void guardInput(QWidget* window) { new InputGuard(window); }
