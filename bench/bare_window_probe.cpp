// The least a Qt Widgets program does to put a window on the screen: one plain window of the main window's design
// size. It reports its first paint the way startup_probe does, as the yardstick for the program's start-up.
// Copied under the name "bare_window_text" it also shows a menu bar and a label, so the share of the start-up that
// any window with text pays (the font set-up) can be told from the program's own.
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMenuBar>
#include <QWidget>

#include "probe_report.h"

namespace {

class FirstPaint : public QObject {
  public:
    using QObject::QObject;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint && !seen_) {
            seen_ = true;
            // Reported once the paint has been delivered, as the program's probe does.
            QMetaObject::invokeMethod(
                this,
                [] {
                    probe::reportShown();
                    QCoreApplication::quit();
                },
                Qt::QueuedConnection);
        }
        return false;
    }

  private:
    bool seen_ = false;
};

}  // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QWidget window;
    window.resize(670, 390);
    if (QCoreApplication::applicationName() == QLatin1String("bare_window_text")) {
        auto* bar = new QMenuBar(&window);
        bar->addMenu(QStringLiteral("Program"));
        bar->addMenu(QStringLiteral("Help"));
        (new QLabel(QStringLiteral("Biorhythms"), &window))->move(24, 40);
    }
    window.installEventFilter(new FirstPaint(&window));
    window.show();
    return app.exec();
}
