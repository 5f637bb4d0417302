#pragma once

#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QThread>

// A private X display on the Unix socket only, gone with the object.
class VirtualDisplay {
  public:
    bool start() {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) return false;
        for (int n = 140; n < 200; ++n) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
                QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                continue;
            server_.start(xvfb, {QStringLiteral(":%1").arg(n), QStringLiteral("-screen"), QStringLiteral("0"),
                                 QStringLiteral("1280x1024x24"), QStringLiteral("-nolisten"), QStringLiteral("tcp")});
            if (!server_.waitForStarted()) return false;
            for (int i = 0; i < 100 && server_.state() == QProcess::Running; ++i) {
                if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n))) {
                    display_ = QStringLiteral(":%1").arg(n);
                    return true;
                }
                QThread::msleep(50);
            }
            // Another server took the number first; try the next.
            server_.kill();
            server_.waitForFinished();
        }
        return false;
    }
    ~VirtualDisplay() {
        if (server_.state() != QProcess::NotRunning) {
            server_.terminate();
            if (!server_.waitForFinished(3000)) {
                server_.kill();
                server_.waitForFinished();
            }
        }
    }
    QString display() const { return display_; }

  private:
    QProcess server_;
    QString display_;
};
