#include "forms/lazy_menu.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QProxyStyle>
#include <algorithm>

namespace rorovovo::forms {

namespace {

// A menu taller than the screen scrolls, whatever the desktop's style does otherwise (some lay it out in columns
// that run off the screen).
class ScrollingMenuStyle : public QProxyStyle {
  public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_Menu_Scrollable) return 1;
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* scrollingMenuStyle() {
    static QPointer<QStyle> style;
    if (!style) {
        style = new ScrollingMenuStyle;
        style->setParent(qApp);
    }
    return style;
}

}  // namespace

LazyMenu::LazyMenu(QMenu* menu, std::function<QAction*(int)> make, QActionGroup* group)
    : QObject(menu), menu_(menu), make_(std::move(make)), group_(group) {
    menu_->setStyle(scrollingMenuStyle());
    connect(menu_, &QMenu::aboutToShow, this, [this] {
        opened_ = true;
        buildUpTo(count_);
        placeWindow(first_);
    });
    menu_->installEventFilter(this);
}

void LazyMenu::setCount(int count) {
    count_ = count;
    buildUpTo(opened_ ? count_ : std::min(count_, kBuiltAtOnce));
    placeWindow(first_);
}

void LazyMenu::removeAt(int index) {
    if (index < 0 || index >= count_) return;
    --count_;
    if (index < built()) {
        delete items_[size_t(index)];
        items_.erase(items_.begin() + index);
        if (index < first_)
            --first_;
        else if (index < first_ + shown_)
            --shown_;
    }
    setCount(count_);
}

void LazyMenu::clear() {
    for (QAction* item : items_) delete item;
    items_.clear();
    count_ = first_ = shown_ = 0;
}

QAction* LazyMenu::item(int index) const { return index >= 0 && index < built() ? items_[size_t(index)] : nullptr; }

void LazyMenu::buildUpTo(int count) {
    items_.reserve(size_t(count));
    while (built() < count) items_.push_back(make_(built()));
}

void LazyMenu::placeWindow(int first) {
    first = std::clamp(first, 0, std::max(0, built() - kWindow));
    const int end = std::min(built(), first + kWindow);
    const int oldEnd = first_ + shown_;
    if (first == first_ && end == oldEnd) return;
    // The entries that stay, if any.
    int keptFirst = std::max(first, first_);
    int keptEnd = std::min(end, oldEnd);
    if (keptFirst >= keptEnd) keptFirst = keptEnd = first;

    // An open menu lays itself out again for every item it gains or loses; it does so once, at the end.
    const bool batched = menu_->isVisible();
    batching_ = batched;
    QList<QAction*> leaving;
    for (int i = first_; i < oldEnd; ++i)
        if (i < keptFirst || i >= keptEnd) leaving.append(items_[size_t(i)]);
    for (QAction* item : leaving) {
        menu_->removeAction(item);
        if (group_) group_->removeAction(item);
    }
    const auto take = [this](int from, int to) {
        QList<QAction*> coming;
        for (int i = from; i < to; ++i) {
            QAction* item = items_[size_t(i)];
            if (group_) group_->addAction(item);
            coming.append(item);
        }
        return coming;
    };
    menu_->insertActions(keptFirst < keptEnd ? items_[size_t(keptFirst)] : nullptr, take(first, keptFirst));
    menu_->addActions(take(std::max(keptEnd, keptFirst), end));
    first_ = first;
    shown_ = end - first;
    batching_ = false;
    if (batched) {
        // The layout also resizes the menu to every item it holds, past the screen; an open menu keeps its size.
        const QSize minimum = menu_->minimumSize();
        const QSize maximum = menu_->maximumSize();
        menu_->setFixedSize(menu_->size());
        QEvent relayout(QEvent::FontChange);
        QApplication::sendEvent(menu_, &relayout);
        menu_->setMinimumSize(minimum);
        menu_->setMaximumSize(maximum);
    }
}

int LazyMenu::entryAt(int y) const {
    const int shownIndex = menu_->actions().indexOf(menu_->actionAt(QPoint(menu_->width() / 2, y)));
    return shownIndex < 0 ? -1 : first_ + shownIndex;
}

void LazyMenu::followScrolling() {
    followPending_ = false;
    if (!menu_->isVisible() || shown_ == 0 || shown_ == built()) return;
    const int end = first_ + shown_;
    const bool topShown = first_ > 0 && menu_->actionGeometry(items_[size_t(first_)]).bottom() >= 0;
    const bool bottomShown = end < built() && menu_->actionGeometry(items_[size_t(end - 1)]).top() < menu_->height();
    if (!topShown && !bottomShown) return;
    const int centre = entryAt(menu_->height() / 2);
    if (centre < 0) return;
    // The entry the user is on, when it is in view, else the one in the middle.
    QAction* active = menu_->activeAction();
    if (!active || !menu_->rect().intersects(menu_->actionGeometry(active))) active = items_[size_t(centre)];
    placeWindow(centre - kWindow / 2);
    // The menu keeps its scroll offset while its items change under it; centring that entry puts the view back
    // about where it was.
    menu_->setActiveAction(active);
}

void LazyMenu::moveToEntry(int index) {
    if (index < first_ || index >= first_ + shown_) placeWindow(index - kWindow / 2);
    menu_->setActiveAction(items_[size_t(index)]);
}

bool LazyMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched != menu_) return false;
    switch (event->type()) {
        case QEvent::ActionAdded:
        case QEvent::ActionRemoved: {
            if (!batching_) return false;
            // What the menu itself does for an item, but the layout, which placeWindow asks for once.
            QAction* item = static_cast<QActionEvent*>(event)->action();
            if (event->type() == QEvent::ActionAdded) {
                connect(item, SIGNAL(triggered()), menu_, SLOT(_q_actionTriggered()), Qt::UniqueConnection);
                connect(item, SIGNAL(hovered()), menu_, SLOT(_q_actionHovered()), Qt::UniqueConnection);
            } else {
                disconnect(item, nullptr, menu_, nullptr);
            }
            return true;
        }
        case QEvent::Paint:
            // Scrolling repaints the menu; once it has, see whether the view reached an end of the window.
            if (!followPending_ && shown_ < built()) {
                followPending_ = true;
                QMetaObject::invokeMethod(
                    this, [this] { followScrolling(); }, Qt::QueuedConnection);
            }
            return false;
        case QEvent::KeyPress:
            break;
        default:
            return false;
    }
    const auto* key = static_cast<QKeyEvent*>(event);
    const int end = first_ + shown_;
    const QAction* active = menu_->activeAction();
    // Keys that move past an end of the window find the entries beyond it in the menu.
    switch (key->key()) {
        case Qt::Key_Down:
            if (end < built() && active == items_[size_t(end - 1)]) placeWindow(first_ + kWindow / 2);
            // Past the list's last entry the menu wraps to its first, as a short menu does.
            if (end == built() && first_ > 0 && active == items_[size_t(end - 1)]) {
                moveToEntry(0);
                return true;
            }
            return false;
        case Qt::Key_Up:
            if (first_ > 0 && active == items_[size_t(first_)]) placeWindow(first_ - kWindow / 2);
            if (first_ == 0 && end < built() && !items_.empty() && active == items_[0]) {
                moveToEntry(built() - 1);
                return true;
            }
            return false;
        case Qt::Key_End:
            placeWindow(built());
            return false;
        case Qt::Key_Home:
            placeWindow(0);
            return false;
        default:
            break;
    }
    const QString text = key->text();
    if (text.size() != 1 || !text[0].isLetterOrNumber() || (key->modifiers() & ~Qt::ShiftModifier)) return false;
    for (int i = 0; i < built(); ++i) {
        const QAction* item = items_[size_t(i)];
        if (item->isVisible() && !item->isSeparator() && item->text().startsWith(text[0], Qt::CaseInsensitive)) {
            moveToEntry(i);
            return true;
        }
    }
    return false;
}

}  // namespace rorovovo::forms
