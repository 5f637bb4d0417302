#include "forms/program.h"

#include <fontconfig/fontconfig.h>

#include <QApplication>
#include <QDBusConnection>
#include <QEvent>
#include <QThread>
#include <QTimer>
#ifdef __GLIBC__
#include <malloc.h>
#endif
#include <future>
#include <system_error>
#include <thread>

#include "forms/Rorovovo1.h"
#include "forms/pictures.h"
#include "platform/reminder_check.h"
#include "profiles/ini_store.h"

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

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define ROROVOVO_ADDRESS_SANITIZER
#endif
#endif
#if defined(__SANITIZE_ADDRESS__) || defined(ROROVOVO_ADDRESS_SANITIZER)
// Where no bus address is set, libdbus forks to find the bus. The address sanitizer's allocator is not safe across a
// fork: a child forked while the window's thread holds its lock hangs before it runs its program, and the program
// with it. Sanitized builds leave the bus to Qt, which opens it on the main thread.
constexpr bool kBusOffTheMainThread = false;
#else
constexpr bool kBusOffTheMainThread = true;
#endif

// Whole pages of freed memory go back to the system rather than stay resident for the whole run.
void giveBackFreedMemory() {
#ifdef __GLIBC__
    malloc_trim(0);
#endif
}

// Qt's windowless platforms, named by -platform or QT_QPA_PLATFORM, use no bus.
bool platformUsesBus(int argc, char** argv) {
    QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    for (int i = 1; i + 1 < argc; ++i)
        if (qstrcmp(argv[i], "-platform") == 0 || qstrcmp(argv[i], "--platform") == 0) platform = argv[i + 1];
    platform = platform.left(platform.indexOf(':'));
    return platform != "offscreen" && platform != "minimal";
}

// Start-up work that needs no window, done on a second thread while the toolkit connects to the display:
// - reading the font configuration, which fontconfig parses in full when the first font is asked for, the largest
//   single cost of the start-up;
// - connecting to the session bus, which the menu bar (to learn whether the desktop shows menus itself) and the
//   window's accessibility wait for; where no bus address is set, libdbus first starts a helper to find one.
// The window waits for the fonts before it asks for its first one; Qt's own first use of the bus waits for the
// connection. The main window makes its menu bar last, so that it seldom has to.
class StartUpHelper {
  public:
    explicit StartUpHelper(bool connectBus) {
        // Qt takes the first thread that uses it for the main thread: this one.
        QThread::currentThread();
        fonts_ = fontsRead_.get_future();
        try {
            thread_ = std::thread([this, connectBus] {
                FcInit();
                // Parsing left freed buffers in this thread's own heap, which the window's thread never reuses.
                giveBackFreedMemory();
                fontsRead_.set_value();
                if (connectBus) QDBusConnection::sessionBus();
            });
        } catch (const std::system_error&) {
            // Without the thread the first font and the first bus user do the work, as they would anyway.
            fontsRead_.set_value();
        }
    }
    ~StartUpHelper() { finish(); }
    StartUpHelper(const StartUpHelper&) = delete;
    StartUpHelper& operator=(const StartUpHelper&) = delete;

    void waitForFonts() { fonts_.wait(); }
    void finish() {
        if (thread_.joinable()) thread_.join();
    }

  private:
    std::promise<void> fontsRead_;
    std::future<void> fonts_;
    std::thread thread_;
};

}  // namespace

TForm1* createProgramWindows() {
    // The About box, the editor and the interpretation window stay hidden until asked for, so they are made then.
    return new TForm1;
}

int runProgram(int argc, char** argv, std::function<void(QWidget*)> onShown) {
    StartUpHelper helper(kBusOffTheMainThread && platformUsesBus(argc, argv));
    QApplication app(argc, argv);
    QApplication::setStyle(makeProgramStyle());
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ROROVOVO_APP_ID));
    app.setQuitOnLastWindowClosed(false);
    helper.waitForFonts();
    TForm1* main = createProgramWindows();
    main->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(main, &QObject::destroyed, &app, &QApplication::quit);
    if (onShown) main->installEventFilter(new FirstPaint(main, std::move(onShown)));
    // Building the window freed much of what reading its files and laying out its texts took.
    giveBackFreedMemory();
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
