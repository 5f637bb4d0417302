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

void LazyMenu::removeAt(int index) {
    if (index < 0 || index >= count_) return;
    --count_;
    if (index < built_) {
        delete menu_->actions().at(index);
        --built_;
    }
    setCount(count_);
}

void LazyMenu::clear() {
    const auto items = menu_->actions();
    for (int i = 0; i < built_; ++i) delete items.at(i);
    count_ = built_ = 0;
}

QAction* LazyMenu::item(int index) const { return index >= 0 && index < built_ ? menu_->actions().at(index) : nullptr; }

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
