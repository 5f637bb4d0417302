// Menus filled from long lists: only their first entries exist until they first open; once open they hold every
// entry in list order, entries that arrived meanwhile included, and a typed letter moves to the first entry that
// starts with it.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTimer>
#include <QWheelEvent>
#include <QtTest/QTest>

#include "forms/Rorovovo2.h"
#include "forms/lazy_menu.h"
#include "main_window_fixture.h"
#include "wait.h"

using rorovovo::forms::LazyMenu;

namespace {

QStringList captions(const QMenu* menu) {
    QStringList texts;
    for (const QAction* a : menu->actions()) texts << a->text();
    return texts;
}

// A menu of "<prefix><i>" items over a list whose length the test sets.
struct NumberedMenu {
    explicit NumberedMenu(QStringList names) : names_(std::move(names)) {
        items = new LazyMenu(&menu, [this](int i) { return new QAction(names_[i], &menu); });
    }
    void open() {
        menu.popup(QPoint(10, 10));
        waitFor([this] { return menu.isVisible(); });
    }
    QMenu menu;
    LazyMenu* items;

  private:
    QStringList names_;
};

QStringList numbered(int n) {
    QStringList names;
    for (int i = 0; i < n; ++i) names << QStringLiteral("Entry %1").arg(i);
    return names;
}

}  // namespace

TEST(LazyMenuTest, buildsAtMostTheFirstEntriesUntilOpened_thenAllInOrder) {
    const struct {
        int before, after;  // list length at start, then while still closed
    } cases[] = {{3, 3}, {0, 5}, {5, 200}, {LazyMenu::kBuiltAtOnce + 1, LazyMenu::kBuiltAtOnce + 1}, {100, 1000}};
    for (const auto& c : cases) {
        NumberedMenu m(numbered(c.after));
        m.items->setCount(c.before);
        m.items->setCount(c.after);
        const int early = std::min(c.after, LazyMenu::kBuiltAtOnce);
        EXPECT_EQ(captions(&m.menu), numbered(early)) << c.before << " then " << c.after;
        m.open();
        EXPECT_EQ(captions(&m.menu), numbered(c.after)) << c.before << " then " << c.after;
        m.menu.hide();
    }
}

TEST(LazyMenuTest, entryAddedAfterOpening_isAppendedAtOnce) {
    NumberedMenu m(numbered(60));
    m.items->setCount(50);
    m.open();
    m.menu.hide();
    m.items->setCount(60);
    EXPECT_EQ(captions(&m.menu), numbered(60));
}

TEST(LazyMenuTest, typedLetter_movesToFirstEntryStartingWithIt) {
    NumberedMenu m({"Abel", "bruno", "Bert", "Celia", "4 Seasons", "alma"});
    m.items->setCount(6);
    m.open();
    const struct {
        QChar key;
        QString active;  // empty: no entry starts with it, the choice stays where it was
    } cases[] = {{'b', "bruno"}, {'B', "bruno"}, {'a', "Abel"}, {'c', "Celia"}, {'4', "4 Seasons"}, {'z', ""}};
    for (const auto& c : cases) {
        m.menu.setActiveAction(m.menu.actions().last());
        QTest::keyClick(&m.menu, c.key.toLatin1());
        const QString expected = c.active.isEmpty() ? QStringLiteral("alma") : c.active;
        ASSERT_NE(m.menu.activeAction(), nullptr) << c.key.toLatin1();
        EXPECT_EQ(m.menu.activeAction()->text(), expected) << c.key.toLatin1();
    }
}

// A list longer than the menu holds at a time: the menu holds a stretch of it, and the keys, a typed letter and the
// wheel move that stretch along, so every entry is reached as in one long scrolling menu.
TEST(LazyMenuTest, longList_everyEntryIsReachedByKeysLetterAndWheel) {
    const int n = 2 * LazyMenu::kWindow + 7;
    QStringList names = numbered(n);
    names.last() = QStringLiteral("Zeta");
    NumberedMenu m(names);
    m.items->setCount(n);
    m.open();
    EXPECT_EQ(m.menu.actions().size(), LazyMenu::kWindow);
    const auto active = [&m] { return m.menu.activeAction() ? m.menu.activeAction()->text() : QString(); };
    const struct {
        int key;
        QString reached;
    } keys[] = {{Qt::Key_End, "Zeta"},     {Qt::Key_Home, "Entry 0"}, {Qt::Key_Z, "Zeta"},
                {Qt::Key_Down, "Entry 0"}, {Qt::Key_Up, "Zeta"},      {Qt::Key_Home, "Entry 0"}};
    for (const auto& k : keys) {
        QTest::keyClick(&m.menu, Qt::Key(k.key));
        EXPECT_EQ(active(), k.reached) << k.key;
    }
    for (int i = 0; i < LazyMenu::kWindow + 5; ++i) QTest::keyClick(&m.menu, Qt::Key_Down);
    EXPECT_EQ(active(), QStringLiteral("Entry %1").arg(LazyMenu::kWindow + 5));
    for (int i = 0; i < LazyMenu::kWindow + 5; ++i) QTest::keyClick(&m.menu, Qt::Key_Up);
    EXPECT_EQ(active(), QStringLiteral("Entry 0"));

    // The wheel scrolls down to the last entry, which then shows at the menu's bottom.
    const QPoint middle = m.menu.rect().center();
    const auto lastShown = [&m] {
        QAction* last = m.menu.actions().last();
        return last->text() == QStringLiteral("Zeta") && m.menu.actionGeometry(last).bottom() < m.menu.height();
    };
    for (int step = 0; step < n && !lastShown(); ++step) {
        QWheelEvent wheel(middle, m.menu.mapToGlobal(middle), {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase,
                          false);
        QApplication::sendEvent(&m.menu, &wheel);
        QApplication::processEvents();
    }
    EXPECT_TRUE(lastShown());
    EXPECT_EQ(m.items->first() + m.items->shown(), n);
}

// The Celebrity menu of a large file: few items at start-up, all of them once it opens, each a working pick.
class CelebrityMenuTest : public MainWindowTest {};

TEST_F(CelebrityMenuTest, largeFile_isBuiltWhenOpened_andEveryEntryPicks) {
    QByteArray file;
    const int count = 3 * LazyMenu::kBuiltAtOnce;
    for (int i = 0; i < count; ++i)
        file += QStringLiteral("Star %1|%2.03.19%3\r\n")
                    .arg(i)
                    .arg(i % 28 + 1, 2, 10, QLatin1Char('0'))
                    .arg(i % 90 + 10)
                    .toUtf8();
    writeFile(datPath(), file);
    start();
    QMenu* menu = control<QMenu>("MenuProfileCelebrity");
    EXPECT_EQ(menu->actions().size(), LazyMenu::kBuiltAtOnce);
    menu->popup(form->mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(waitFor([menu] { return menu->isVisible(); }));
    menu->hide();
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), count);
    for (int i : {0, LazyMenu::kBuiltAtOnce, count - 1}) {
        EXPECT_EQ(items[i]->text(), QStringLiteral("Star %1").arg(i));
        items[i]->trigger();
        EXPECT_EQ(control<QLineEdit>("Edit_name")->text(), QStringLiteral("Star %1").arg(i));
        EXPECT_EQ(control<QLineEdit>("Edit_day")->text(),
                  QStringLiteral("%1").arg(i % 28 + 1, 2, 10, QLatin1Char('0')));
        EXPECT_EQ(control<QLineEdit>("Edit_year")->text(), QStringLiteral("19%1").arg(i % 90 + 10));
    }
}

// The Personal menu of a long list: changes made while it was never open show when it opens, in list order, named
// by position, the selected profile checked; its items pick as before.
class PersonalMenuTest : public MainWindowTest {
  protected:
    static constexpr int kCount = 2 * LazyMenu::kBuiltAtOnce;

    void startWithProfiles(int selected, int count = kCount) {
        QByteArray ini =
            "[Records]\nProfiles=" + QByteArray::number(count) + "\nSelected=" + QByteArray::number(selected) + "\n";
        for (int k = 0; k < count; ++k)
            ini += QByteArray::number(k) + "=Person " + QByteArray::number(k) + "|01.02.1970\n";
        writeFile(iniPath(), ini);
        start();
    }

    // Deletes through the editor, confirming.
    void deleteProfile(int position) {
        using rorovovo::forms::FormEditor;
        QTimer::singleShot(0, [position] {
            controlOf<QComboBox>(FormEditor, "ComboBox1")->setCurrentIndex(position);
            controlOf<QPushButton>(FormEditor, "Button_delete")->click();
        });
        control<QAction>("MenuDelete")->trigger();
    }

    void open() {
        control<QMenu>("MenuProfilePersonal")->popup(form->mapToGlobal(QPoint(20, 20)));
        ASSERT_TRUE(waitFor([this] { return control<QMenu>("MenuProfilePersonal")->isVisible(); }));
        control<QMenu>("MenuProfilePersonal")->hide();
    }

    // The menu mirrors the list, with the list's selection as its one checked item.
    void expectMenuMirrorsList(const char* what) {
        const QList<QAction*> items = control<QMenu>("MenuProfilePersonal")->actions();
        ASSERT_EQ(items.size(), control<QComboBox>("ComboBox1")->count()) << what;
        int checked = -1;
        for (int k = 0; k < items.size(); ++k) {
            EXPECT_EQ(items[k]->text(), control<QComboBox>("ComboBox1")->itemText(k)) << what << " at " << k;
            EXPECT_EQ(items[k]->objectName(), QStringLiteral("MenuProPers_%1").arg(k)) << what;
            if (items[k]->isChecked()) {
                EXPECT_EQ(checked, -1) << what << ": a second checked item at " << k;
                checked = k;
            }
        }
        EXPECT_EQ(checked, control<QComboBox>("ComboBox1")->currentIndex()) << what;
    }
};

TEST_F(PersonalMenuTest, changesWhileNeverOpened_showInPlaceWhenItOpens) {
    const struct {
        const char* what;
        int selected;
        std::vector<int> deletes;  // positions, one after the other
        bool add;
    } cases[] = {
        {"delete after the first entries, before the selection", kCount - 5, {kCount - 10}, false},
        {"delete among the first entries", kCount - 5, {3}, false},
        {"delete the selected one", kCount - 5, {kCount - 5}, false},
        {"add, which selects the new one", 2, {}, true},
        {"delete, then add", kCount - 1, {0, kCount - 3}, true},
    };
    for (const auto& c : cases) {
        startWithProfiles(c.selected);
        for (int position : c.deletes) deleteProfile(position);
        if (c.add) {
            setDate(QStringLiteral("05"), QStringLiteral("06"), QStringLiteral("1977"));
            control<QLineEdit>("Edit_name")->setText(QStringLiteral("Newcomer"));
            control<QPushButton>("Button_addnew")->click();
            EXPECT_EQ(control<QComboBox>("ComboBox1")->currentText(), QStringLiteral("Newcomer")) << c.what;
        }
        EXPECT_EQ(control<QComboBox>("ComboBox1")->count(), kCount - int(c.deletes.size()) + int(c.add)) << c.what;
        EXPECT_LE(control<QMenu>("MenuProfilePersonal")->actions().size(), LazyMenu::kBuiltAtOnce) << c.what;
        open();
        expectMenuMirrorsList(c.what);
        TearDown();
        SetUp();
        form = nullptr;
    }
}

TEST_F(PersonalMenuTest, itemMadeOnOpening_picksAndTakesTheCheck) {
    startWithProfiles(1);
    open();
    QAction* last = form->findChild<QAction*>(QStringLiteral("MenuProPers_%1").arg(kCount - 1));
    ASSERT_NE(last, nullptr);
    last->trigger();
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), kCount - 1);
    EXPECT_EQ(control<QLineEdit>("Edit_name")->text(), QStringLiteral("Person %1").arg(kCount - 1));
    expectMenuMirrorsList("after the pick");
}

// A list longer than the menu holds at a time: the items the menu takes in as it moves along are named by position,
// in the one radio group, and the selected one is the one checked, also when it is picked from far down the list.
TEST_F(PersonalMenuTest, longList_itemsComingIntoTheMenuKeepNamesGroupAndCheck) {
    const int count = LazyMenu::kWindow + 50;
    startWithProfiles(count - 3, count);
    QMenu* menu = control<QMenu>("MenuProfilePersonal");
    menu->popup(form->mapToGlobal(QPoint(20, 20)));
    ASSERT_TRUE(waitFor([menu] { return menu->isVisible(); }));
    EXPECT_EQ(menu->actions().first()->objectName(), QStringLiteral("MenuProPers_0"));
    QTest::keyClick(menu, Qt::Key_End);
    const QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), LazyMenu::kWindow);
    for (int k = 0; k < items.size(); ++k) {
        const int position = count - LazyMenu::kWindow + k;
        EXPECT_EQ(items[k]->objectName(), QStringLiteral("MenuProPers_%1").arg(position));
        EXPECT_EQ(items[k]->text(), QStringLiteral("Person %1").arg(position));
        EXPECT_EQ(items[k]->actionGroup(), items[0]->actionGroup());
        EXPECT_EQ(items[k]->isChecked(), position == count - 3) << position;
    }
    menu->hide();
    form->findChild<QAction*>(QStringLiteral("MenuProPers_2"))->trigger();
    EXPECT_EQ(control<QComboBox>("ComboBox1")->currentIndex(), 2);
    int checked = 0;
    for (int k = 0; k < count; ++k)
        checked += form->findChild<QAction*>(QStringLiteral("MenuProPers_%1").arg(k))->isChecked() ? 1 : 0;
    EXPECT_EQ(checked, 1);
    EXPECT_TRUE(form->findChild<QAction*>(QStringLiteral("MenuProPers_2"))->isChecked());
}
