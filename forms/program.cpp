#include "forms/program.h"

#include <QApplication>
#include <QEvent>
#include <csignal>

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
