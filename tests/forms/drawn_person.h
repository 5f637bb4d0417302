// The program's windows built the way the program builds them, on a fixed clock, with every
// message box answered and recorded. The windows start from a folder with no settings file.
#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QDateTime>
#include <QFile>
#include <QLineEdit>
#include <QToolButton>
#include <vector>

#include "controls.h"
#include "forms/QuorvitAbout.h"
#include "forms/QuorvitInterpret.h"
#include "forms/Rorovovo1.h"
#include "forms/Rorovovo2.h"
#include "forms/program.h"
#include "platform/app_info.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "profiles/ini_store.h"

namespace rorovovo::forms::testing {

class DrawnPersonTest : public ::testing::Test {
  protected:
    // 15 March 2024, mid-morning.
    static QDateTime defaultNow() { return QDateTime(QDate(2024, 3, 15), QTime(10, 30)); }

    void SetUp() override {
        now_ = defaultNow();
        QFile::remove(platform::executableFolder() + QStringLiteral("Cyclomat.ini"));
        platform::setClock([this] { return now_; });
        platform::setDialogHandler([this](const platform::DialogCall& call) {
            dialogs.push_back(call);
            return platform::DialogButton::Ok;
        });
        form = createProgramWindows();
        startupDialogs = dialogs.size();
    }

    void TearDown() override {
        delete form;  // takes the other windows with it
        FormAbout = nullptr;
        FormEditor = nullptr;
        FormInterpret = nullptr;
        IniFile.reset();
        QFile::remove(platform::executableFolder() + QStringLiteral("Cyclomat.ini"));
        platform::resetDialogHandler();
        platform::resetClock();
    }

    template <class T>
    T* control(const char* name) const {
        return controlOf<T>(form, QLatin1String(name));
    }

    QString box(const char* name) const { return control<QLineEdit>(name)->text(); }

    // Types a person into the boxes and presses "draw bio".
    void draw(const QString& name, QDate birth) {
        control<QLineEdit>("Edit_name")->setText(name);
        control<QLineEdit>("Edit_day")->setText(QString::asprintf("%.2d", birth.day()));
        control<QLineEdit>("Edit_month")->setText(QString::asprintf("%.2d", birth.month()));
        control<QLineEdit>("Edit_year")->setText(QString::asprintf("%.4d", birth.year()));
        control<QToolButton>("ButtonDrawBio")->click();
    }

    // Every window the user can open beside the main one, shown; then every visible window.
    std::vector<QWidget*> openEveryWindow() {
        for (const char* item :
             {"MenuProgramIterpret", "MenuToolsCritical", "MenuToolsCompat", "MenuToolsPlanner", "MenuToolsReminders"})
            control<QAction>(item)->trigger();
        form->aboutBox()->show();
        form->profileEditor()->show();
        std::vector<QWidget*> windows;
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->isVisible()) windows.push_back(w);
        return windows;
    }

    // Errors shown since start-up, as the error box words them.
    std::vector<QString> errorsShown() const {
        std::vector<QString> texts;
        for (std::size_t i = startupDialogs; i < dialogs.size(); ++i)
            if (dialogs[i].kind == platform::DialogKind::Error) texts.push_back(dialogs[i].text);
        return texts;
    }

    QDateTime now_;
    TForm1* form = nullptr;
    std::vector<platform::DialogCall> dialogs;
    std::size_t startupDialogs = 0;
};

}  // namespace rorovovo::forms::testing
