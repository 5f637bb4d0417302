#include "forms/lazy_menu.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>

namespace rorovovo::forms {

LazyMenu::LazyMenu(QMenu* menu, std::function<QAction*(int)> make)
    : QObject(menu), menu_(menu), make_(std::move(make)) {
    connect(menu_, &QMenu::aboutToShow, this, [this] {
        opened_ = true;
        buildUpTo(count_);
    });
    menu_->installEventFilter(this);
}

void LazyMenu::setCount(int count) {
    count_ = count;
    buildUpTo(opened_ ? count_ : std::min(count_, kBuiltAtOnce));
}

void LazyMenu::buildUpTo(int count) {
    if (built_ >= count) return;
    QList<QAction*> items;
    items.reserve(count - built_);
    for (; built_ < count; ++built_) items.append(make_(built_));
    // One pass over the menu's layout for the lot, not one per item.
    menu_->setUpdatesEnabled(false);
    menu_->addActions(items);
    menu_->setUpdatesEnabled(true);
}

bool LazyMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched != menu_ || event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    const QString text = key->text();
    if (text.size() != 1 || !text[0].isLetterOrNumber() || (key->modifiers() & ~Qt::ShiftModifier)) return false;
    const auto items = menu_->actions();
    for (QAction* item : items) {
        if (item->isVisible() && !item->isSeparator() && item->text().startsWith(text[0], Qt::CaseInsensitive)) {
            menu_->setActiveAction(item);
            return true;
        }
    }
    return false;
}

}  // namespace rorovovo::forms
