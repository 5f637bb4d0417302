#pragma once

#include <QObject>
#include <functional>

class QAction;
class QMenu;

namespace rorovovo::forms {

// Fills a menu from a list of thousands without making start-up pay for it: the first entries are made at once,
// the rest just before the menu first shows. Typing a letter in the open menu moves to the first entry whose
// caption starts with it, so a long scrolling menu stays usable from the keyboard.
class LazyMenu : public QObject {
  public:
    // make(i) returns the item for entry i, not yet in the menu; the menu takes the items in order.
    LazyMenu(QMenu* menu, std::function<QAction*(int index)> make);

    // The list now holds count entries, the new ones after the old.
    void setCount(int count);
    // Entry `index` left the list; its item goes, later items move up one place.
    void removeAt(int index);
    // Every entry left the list (its items go); the menu stays as open or unopened as it was.
    void clear();
    // The item of entry `index`, or null while it is not made yet.
    QAction* item(int index) const;
    int count() const { return count_; }
    // Items made so far: the menu's first entries.
    int built() const { return built_; }

    // Entries made before the menu is first opened.
    static constexpr int kBuiltAtOnce = 40;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void buildUpTo(int count);
    QMenu* menu_;
    std::function<QAction*(int)> make_;
    int count_ = 0;
    int built_ = 0;
    bool opened_ = false;
};

}  // namespace rorovovo::forms
