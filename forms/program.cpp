#include "forms/program.h"

#include <QApplication>
#include <QEvent>
#include <QTimer>

#include "forms/Rorovovo1.h"
#include "forms/pictures.h"
#include "forms/widgets.h"
#include "platform/desktop_scheme.h"
#include "platform/paths.h"
#include "platform/reminder_check.h"
#include "platform/startup.h"
#include "platform/translator.h"
#include "profiles/ini_store.h"
#include "profiles/preferences.h"

namespace rorovovo::forms {

namespace {

class FirstPaint : public QObject {
  public:
    FirstPaint(QWidget* window, std::function<void(QWidget*)> callback)
        : QObject(window), window_(window), callback_(std::move(callback)) {}
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && callback_) {
            // After this paint has been delivered, not before it.
            auto callback = std::move(callback_);
            callback_ = nullptr;
            QMetaObject::invokeMethod(
                window_, [w = window_, callback] { callback(w); }, Qt::QueuedConnection);
        }
        return false;
    }

  private:
    QWidget* window_;
    std::function<void(QWidget*)> callback_;
};

}  // namespace

void installProgramLanguage() {
    // The language is the settings file's choice, so the file is opened before the first window; the main window
    // keeps it open from then on.
    const platform::ProgramFiles files = platform::programFiles();
    auto settings = std::make_unique<profiles::IniStore>(files.settingsFile);
    platform::installTranslators(profiles::Preferences(settings).get(profiles::prefs::Language), files.translations);
    adoptSettingsFile(std::move(settings));
}

void followDesktopScheme(QObject* owner) {
    auto* scheme = new platform::DesktopScheme(owner);
    QObject::connect(scheme, &platform::DesktopScheme::changed, owner, [](platform::ColourScheme s) {
        // A light desktop's answer at start changes nothing, so nothing is drawn again for it.
        if (platform::applyScheme(s)) recolourAll();
    });
}

TForm1* createProgramWindows() {
    // The About box, the editor and the interpretation window stay hidden until asked for, so they are made then.
    return new TForm1;
}

int runProgram(int argc, char** argv, std::function<void(QWidget*)> onShown) {
    platform::StartUpHelper helper(argc, argv);
    QApplication app(argc, argv);
    QApplication::setStyle(makeProgramStyle());
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ROROVOVO_APP_ID));
    app.setQuitOnLastWindowClosed(false);
    installProgramLanguage();
    followDesktopScheme(&app);
    helper.waitForFonts();
    TForm1* main = createProgramWindows();
    main->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(main, &QObject::destroyed, &app, &QApplication::quit);
    if (onShown) main->installEventFilter(new FirstPaint(main, std::move(onShown)));
    // Building the window freed much of what reading its files and laying out its texts took.
    platform::giveBackFreedMemory();
    main->show();
    // The reminders' calendar file covers a year from today, so every start writes it afresh, once the window is up.
    QTimer::singleShot(0, main, [] {
        const QString problem =
            IniFile ? platform::refreshReminderCalendar(*IniFile, platform::programFiles()) : QString();
        if (!problem.isEmpty()) qWarning("%s", qPrintable(problem));
    });
    const int status = app.exec();
    helper.finish();
    return status;
}

}  // namespace rorovovo::forms
