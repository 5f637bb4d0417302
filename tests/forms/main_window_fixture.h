#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <memory>
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

// A main window started as the program starts it, with a fixed clock, a settings file of the test's choosing
// beside the test program, and every message box recorded and answered OK.
class MainWindowTest : public ::testing::Test {
  protected:
    static QDateTime fixedNow() { return QDateTime(QDate(2026, 12, 8), QTime(10, 30)); }

    QString iniPath() const { return rorovovo::platform::executableFolder() + QStringLiteral("Cyclomat.ini"); }
    QString datPath() const { return rorovovo::platform::executableFolder() + QStringLiteral("Cyclomat.dat"); }

    // Settings and celebrity files for the next start; empty text: no file.
    void writeFile(const QString& path, const QByteArray& content) {
        QFile::remove(path);
        if (content.isEmpty()) return;
        QFile f(path);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(content);
    }

    void SetUp() override {
        QFile::remove(iniPath());
        QFile::remove(datPath());
        rorovovo::platform::setClock([] { return fixedNow(); });
        rorovovo::platform::setDialogHandler([this](const rorovovo::platform::DialogCall& call) {
            dialogs.push_back(call);
            return answer;
        });
    }

    void start() {
        using namespace rorovovo::forms;
        form = createProgramWindows();
        form->show();
        QApplication::processEvents();
    }

    void TearDown() override {
        if (form) {
            form->close();
            delete form;
        }
        rorovovo::forms::FormAbout = nullptr;
        rorovovo::forms::FormEditor = nullptr;
        rorovovo::forms::FormInterpret = nullptr;
        rorovovo::platform::resetDialogHandler();
        rorovovo::platform::resetClock();
        QFile::remove(iniPath());
        QFile::remove(datPath());
    }

    template <class T>
    T* control(const char* name) const {
        return controlOf<T>(form, QLatin1String(name));
    }

    void setDate(const QString& day, const QString& month, const QString& year) {
        control<QLineEdit>("Edit_day")->setText(day);
        control<QLineEdit>("Edit_month")->setText(month);
        control<QLineEdit>("Edit_year")->setText(year);
    }

    rorovovo::forms::TForm1* form = nullptr;
    std::vector<rorovovo::platform::DialogCall> dialogs;
    rorovovo::platform::DialogButton answer = rorovovo::platform::DialogButton::Ok;
};
