#pragma once

#include <QObject>
#include <functional>
#include <vector>

class QAction;
class QActionGroup;
class QMenu;

namespace rorovovo::forms {

// Fills a menu from a list of thousands without making start-up pay for it: the first entries are made at once,
// the rest just before the menu first shows. A menu lays out every item it holds each time it shows, so it holds at
// most kWindow of them, the stretch around where the user is; scrolling or keys that go past either end of that
// stretch move it along, so every entry is reached as in one long scrolling menu. Typing a letter in the open menu
// moves to the first entry whose caption starts with it, so a long menu stays usable from the keyboard.
class LazyMenu : public QObject {
  public:
    // make(i) returns the item for entry i, not yet in the menu; the menu takes the items in order. Items join
    // `group`, when given, while the menu holds them.
    LazyMenu(QMenu* menu, std::function<QAction*(int index)> make, QActionGroup* group = nullptr);

    // The list now holds count entries, the new ones after the old.
    void setCount(int count);
    // Entry `index` left the list; its item goes, later items move up one place.
    void removeAt(int index);
    // Every entry left the list (its items go); the menu stays as open or unopened as it was.
    void clear();
    // The item of entry `index`, or null while it is not made yet.
    QAction* item(int index) const;
    int count() const { return count_; }
    // Items made so far: the list's first entries.
    int built() const { return int(items_.size()); }
    // The entries the menu holds now: first() up to, not including, first() + shown().
    int first() const { return first_; }
    int shown() const { return shown_; }

    // Entries made before the menu is first opened.
    static constexpr int kBuiltAtOnce = 40;
    // Entries the menu holds at a time.
    static constexpr int kWindow = 1000;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildUpTo(int count);
    // Makes the menu hold entries from `first` on (kept within the list), as many as the window takes.
    void placeWindow(int first);
    // Moves the window on when the menu shows either end of it and the list goes on past that end.
    void followScrolling();
    void moveToEntry(int index);
    int entryAt(int y) const;

    QMenu* menu_;
    std::function<QAction*(int)> make_;
    QActionGroup* group_;
    std::vector<QAction*> items_;
    int count_ = 0;
    int first_ = 0;
    int shown_ = 0;
    bool opened_ = false;
    bool followPending_ = false;
    bool batching_ = false;
};

}  // namespace rorovovo::forms
