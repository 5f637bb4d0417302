#include "forms/program.h"

#include <QApplication>
#include <QDBusConnection>
#include <QEvent>
#include <csignal>
#include <system_error>
#include <thread>

#include "forms/Rorovovo1.h"
#include "forms/pictures.h"

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

// The menu bar (to learn whether the desktop shows menus itself) and the window's accessibility both wait for the
// session bus. Connecting can take milliseconds, more where no bus address is set and libdbus starts a helper to
// find one, so the connection is made on a second thread while the window is being built.
class SessionBusWarmUp {
  public:
    SessionBusWarmUp() {
        // Qt's windowless platforms use no bus.
        const QString platform = QGuiApplication::platformName();
        if (platform == QLatin1String("offscreen") || platform == QLatin1String("minimal")) return;
        try {
            thread_ = std::thread([] { QDBusConnection::sessionBus(); });
        } catch (const std::system_error&) {
            // Without a thread the first user connects, as it would anyway.
        }
    }
    ~SessionBusWarmUp() {
        if (thread_.joinable()) thread_.join();
    }
    SessionBusWarmUp(const SessionBusWarmUp&) = delete;
    SessionBusWarmUp& operator=(const SessionBusWarmUp&) = delete;

  private:
    std::thread thread_;
};

}  // namespace

TForm1* createProgramWindows() {
    // The About box, the editor and the interpretation window stay hidden until asked for, so they are made then.
    return new TForm1;
}

int runProgram(int argc, char** argv, std::function<void(QWidget*)> onShown) {
#ifdef Q_OS_UNIX
    // Past the file-size limit a write fails like any other failed write instead of ending the program.
    std::signal(SIGXFSZ, SIG_IGN);
#endif
    QApplication app(argc, argv);
    const SessionBusWarmUp bus;
    QApplication::setStyle(makeProgramStyle());
    // Lets the desktop match the window to its menu entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral(ROROVOVO_APP_ID));
    app.setQuitOnLastWindowClosed(false);
    TForm1* main = createProgramWindows();
    main->setAttribute(Qt::WA_DeleteOnClose);
    QObject::connect(main, &QObject::destroyed, &app, &QApplication::quit);
    if (onShown) main->installEventFilter(new FirstPaint(main, std::move(onShown)));
    main->show();
    return app.exec();
}

}  // namespace rorovovo::forms
