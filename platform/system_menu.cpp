#include "platform/system_menu.h"

#include <QApplication>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QWidget>
#include <QWindow>

namespace rorovovo::platform {

namespace {

QList<SystemMenu::Entry> standardEntries() {
    return {{false, QCoreApplication::translate("SystemMenu", "&Restore"), SC_RESTORE},
            {false, QCoreApplication::translate("SystemMenu", "&Move"), SC_MOVE},
            {false, QCoreApplication::translate("SystemMenu", "&Size"), SC_SIZE},
            {false, QCoreApplication::translate("SystemMenu", "Mi&nimize"), SC_MINIMIZE},
            {false, QCoreApplication::translate("SystemMenu", "Ma&ximize"), SC_MAXIMIZE},
            {true, QString(), 0},
            {false, QCoreApplication::translate("SystemMenu", "&Close\tAlt+F4"), SC_CLOSE}};
}

class HookFilter : public QObject {
  public:
    MessageHook hook;
    bool eventFilter(QObject* watched, QEvent* event) override {
        // Alt+Space opens the system menu of the window that has the keyboard.
        if (event->type() == QEvent::KeyPress) {
            auto* key = static_cast<QKeyEvent*>(event);
            if (key->key() == Qt::Key_Space && key->modifiers() == Qt::AltModifier) {
                if (QWidget* w = QApplication::activeWindow(); w && w->property("rorovovoSystemMenu").isValid()) {
                    showSystemMenu(w);
                    return true;
                }
            }
        }
        return hook ? hook(watched, event) : false;
    }
};

HookFilter* hookFilter() {
    static QPointer<HookFilter> filter;
    if (!filter) {
        filter = new HookFilter;
        filter->setParent(qApp);
        qApp->installEventFilter(filter);
    }
    return filter;
}

}  // namespace

bool SystemMenu::removeMenu(int position) {
    if (position < 0 || position >= entries_.size()) return false;
    entries_.removeAt(position);
    return true;
}

bool SystemMenu::insertMenu(int position, bool separator, int command, const QString& text) {
    if (position < 0 || position > entries_.size()) position = entries_.size();
    entries_.insert(position, Entry{separator, separator ? QString() : text, separator ? 0 : command});
    return true;
}

SystemMenu* getSystemMenu(QWidget* window, bool revert) {
    struct Holder : QObject {
        SystemMenu menu;
    };
    auto* holder = static_cast<Holder*>(
        window->findChild<QObject*>(QStringLiteral("rorovovoSystemMenuHolder"), Qt::FindDirectChildrenOnly));
    if (!holder) {
        holder = new Holder;
        holder->setObjectName(QStringLiteral("rorovovoSystemMenuHolder"));
        holder->setParent(window);
        holder->menu.entries_ = standardEntries();
        window->setProperty("rorovovoSystemMenu", true);
    }
    if (revert) holder->menu.entries_ = standardEntries();
    return &holder->menu;
}

SysCommandEvent::SysCommandEvent(int command) : QEvent(eventType()), command_(command) {}

QEvent::Type SysCommandEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

void showSystemMenu(QWidget* window) {
    SystemMenu* sys = getSystemMenu(window, false);
    QMenu popup(window);
    for (const auto& entry : sys->entries()) {
        if (entry.separator) {
            popup.addSeparator();
            continue;
        }
        QAction* action = popup.addAction(entry.text);
        const int command = entry.command;
        QObject::connect(action, &QAction::triggered, window,
                         [window, command] { QApplication::postEvent(window, new SysCommandEvent(command)); });
    }
    popup.exec(window->mapToGlobal(QPoint(0, 0)));
}

void defaultSysCommand(QWidget* window, int command) {
    switch (command) {
        case SC_MINIMIZE:
            window->showMinimized();
            break;
        case SC_RESTORE:
            window->showNormal();
            break;
        case SC_CLOSE:
            window->close();
            break;
        case SC_MOVE:
            if (QWindow* handle = window->windowHandle()) handle->startSystemMove();
            break;
        case SC_SIZE:
            if (QWindow* handle = window->windowHandle()) handle->startSystemResize(Qt::BottomEdge | Qt::RightEdge);
            break;
        default:
            break;
    }
}

void installMessageHook(MessageHook hook) { hookFilter()->hook = std::move(hook); }

void removeMessageHook() { hookFilter()->hook = nullptr; }

}  // namespace rorovovo::platform
