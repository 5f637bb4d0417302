// The program's title, its clock as a date value, and the system menu the window edits at start-up.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QWidget>
#include <stdexcept>

#include "platform/app_info.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/guard.h"
#include "platform/system_menu.h"

using namespace rorovovo::platform;

TEST(ApplicationTitle, isTheFileNameUpToItsFirstDotWithTheRestInLowerCase) {
    EXPECT_EQ(titleFromFileName(QStringLiteral("/opt/apps/Rorovovo")), QStringLiteral("Rorovovo"));
    EXPECT_EQ(titleFromFileName(QStringLiteral("Rorovovo.exe")), QStringLiteral("Rorovovo"));
    EXPECT_EQ(titleFromFileName(QStringLiteral("ROROVOVO.EXE")), QStringLiteral("Rorovovo"));
    EXPECT_EQ(titleFromFileName(QStringLiteral("/a.b/my.Tool.exe")), QStringLiteral("my"));
    EXPECT_EQ(titleFromFileName(QStringLiteral("rOROVOVO")), QStringLiteral("rorovovo"));
    EXPECT_EQ(titleFromFileName(QStringLiteral("x")), QStringLiteral("x"));
    EXPECT_TRUE(executableFolder().endsWith(QLatin1Char('/')));
}

TEST(Clock, givesDaysSinceTheEndOf1899WithTheTimeAsFraction) {
    EXPECT_DOUBLE_EQ(toDateValue(QDateTime(QDate(1899, 12, 30), QTime(0, 0))), 0.0);
    EXPECT_DOUBLE_EQ(toDateValue(QDateTime(QDate(1900, 1, 1), QTime(18, 0))), 2.75);
    EXPECT_DOUBLE_EQ(toDateValue(QDateTime(QDate(2000, 1, 1), QTime(12, 0))), 36526.5);
    const QDateTime fixed(QDate(2026, 12, 8), QTime(10, 30));
    setClock([fixed] { return fixed; });
    EXPECT_EQ(now(), fixed);
    resetClock();
    EXPECT_LE(qAbs(now().secsTo(QDateTime::currentDateTime())), 5);
}

TEST(SystemMenu, editedByPositionAsTheWindowDoesAtStartUp) {
    QWidget window;
    SystemMenu* menu = getSystemMenu(&window, false);
    ASSERT_EQ(menu->entries().size(), 7);
    EXPECT_TRUE(menu->removeMenu(5));
    EXPECT_TRUE(menu->removeMenu(4));
    EXPECT_FALSE(menu->removeMenu(9));  // out of range: nothing changes
    menu->insertMenu(4, true, 0, QString());
    menu->insertMenu(5, false, 1025, QStringLiteral("&About..."));
    menu->insertMenu(6, true, 0, QString());
    QStringList shown;
    for (const auto& e : getSystemMenu(&window, false)->entries())
        shown << (e.separator ? QStringLiteral("-") : e.text);
    EXPECT_EQ(shown, (QStringList{"&Restore", "&Move", "&Size", "Mi&nimize", "-", "&About...", "-", "&Close\tAlt+F4"}));
    EXPECT_EQ(menu->entries()[5].command, 1025);
    EXPECT_EQ(getSystemMenu(&window, true)->entries().size(), 7);  // revert
}

TEST(MessageHook, seesEveryDispatchedEventAndCanLetItThrough) {
    QWidget window;
    int seen = 0;
    installMessageHook([&](QObject* receiver, QEvent* event) {
        if (receiver == &window && event->type() == SysCommandEvent::eventType() &&
            static_cast<SysCommandEvent*>(event)->command() == 1025)
            ++seen;
        return false;
    });
    QCoreApplication::postEvent(&window, new SysCommandEvent(1025));
    QCoreApplication::postEvent(&window, new SysCommandEvent(SC_RESTORE));
    QCoreApplication::processEvents();
    removeMessageHook();
    QCoreApplication::postEvent(&window, new SysCommandEvent(1025));
    QCoreApplication::processEvents();
    EXPECT_EQ(seen, 1);
}

TEST(Guarded, reportsEveryFailureInTheErrorBoxAndReturns) {
    QStringList shown;
    setDialogHandler([&](const DialogCall& call) {
        EXPECT_EQ(call.kind, DialogKind::Error);
        shown << call.text;
        return DialogButton::Ok;
    });
    int ran = 0;
    guarded([&] { ++ran; });
    guarded([] { throw std::runtime_error("Disk full"); });
    guarded([] { throw 42; });  // not a std::exception: still caught, still reported
    guarded([] { throw "text"; });
    resetDialogHandler();
    EXPECT_EQ(ran, 1);
    EXPECT_EQ(shown, (QStringList{"Disk full.", "Unknown error.", "Unknown error."}));
}
