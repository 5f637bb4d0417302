#pragma once

#include <QEvent>
#include <QList>
#include <QString>
#include <functional>

class QWidget;

namespace rorovovo::platform {

// The system command message and the commands of the standard entries.
constexpr int WM_SYSCOMMAND = 274;
constexpr int SC_SIZE = 0xF000, SC_MOVE = 0xF010, SC_MINIMIZE = 0xF020, SC_MAXIMIZE = 0xF030, SC_CLOSE = 0xF060,
              SC_RESTORE = 0xF120;

// A window's system menu. The window manager draws its own title-bar menu, so the program keeps the menu as a
// list of entries, shows it itself on Alt+Space, and turns a chosen entry into a system command event.
class SystemMenu {
  public:
    struct Entry {
        bool separator = false;
        QString text;
        int command = 0;
    };
    const QList<Entry>& entries() const { return entries_; }
    // Both by position; out-of-range positions change nothing, as the desktop call does.
    bool removeMenu(int position);
    bool insertMenu(int position, bool separator, int command, const QString& text);

  private:
    friend SystemMenu* getSystemMenu(QWidget* window, bool revert);
    QList<Entry> entries_;
};

// The window's system menu, made with the standard entries of a window without a maximize box on first use;
// revert puts those entries back.
SystemMenu* getSystemMenu(QWidget* window, bool revert);

// A system command delivered to a window, as a chosen system-menu entry produces it.
class SysCommandEvent : public QEvent {
  public:
    explicit SysCommandEvent(int command);
    static QEvent::Type eventType();
    int command() const { return command_; }

  private:
    int command_;
};

// Opens the window's system menu below its top-left corner; the chosen entry is posted as a SysCommandEvent.
void showSystemMenu(QWidget* window);
// Carries out the standard commands (minimize, restore, move, size, close) for the window.
void defaultSysCommand(QWidget* window, int command);

// The application-wide hook that sees every event the event loop dispatches, before the receiver does.
// Returning true stops the event's normal processing.
using MessageHook = std::function<bool(QObject* receiver, QEvent* event)>;
void installMessageHook(MessageHook hook);
void removeMessageHook();

}  // namespace rorovovo::platform
