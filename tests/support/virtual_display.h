#pragma once

#include <QDeadlineTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

// A private X display on the Unix socket only, gone with the object.
class VirtualDisplay {
  public:
    // `screen`: its width and height in pixels, "WxH".
    bool start(const QString& screen = QStringLiteral("1280x1024")) {
        const QString xvfb = QStandardPaths::findExecutable(QStringLiteral("Xvfb"));
        if (xvfb.isEmpty()) return false;
        // Numbers well above the ones desktops and other tools pick. The number is given, not left to the server:
        // a server hunting for a free number replaces the sockets of the busy displays it passes on the way.
        for (int n = 140; n < 200; ++n) {
            if (QFile::exists(QStringLiteral("/tmp/.X11-unix/X%1").arg(n)) ||
                QFile::exists(QStringLiteral("/tmp/.X%1-lock").arg(n)))
                continue;
            // -displayfd: the server writes its number once it accepts clients; one that lost the number to
            // another server exits instead. Without -noreset it would reset whenever its last client left,
            // refusing whoever connects at that moment.
            server_.setStandardErrorFile(QProcess::nullDevice());
            server_.start(xvfb, {QStringLiteral(":%1").arg(n), QStringLiteral("-displayfd"), QStringLiteral("1"),
                                 QStringLiteral("-screen"), QStringLiteral("0"), screen + QStringLiteral("x24"),
                                 QStringLiteral("-nolisten"), QStringLiteral("tcp"), QStringLiteral("-noreset")});
            if (!server_.waitForStarted()) return false;
            QByteArray ready;
            const QDeadlineTimer deadline(10000);
            while (!ready.contains('\n') && server_.state() == QProcess::Running && !deadline.hasExpired()) {
                server_.waitForReadyRead(100);
                ready += server_.readAllStandardOutput();
            }
            if (ready.trimmed() == QByteArray::number(n)) {
                display_ = QStringLiteral(":%1").arg(n);
                return true;
            }
            stop();
        }
        return false;
    }
    ~VirtualDisplay() { stop(); }
    QString display() const { return display_; }

  private:
    void stop() {
        if (server_.state() == QProcess::NotRunning) return;
        server_.terminate();
        if (!server_.waitForFinished(3000)) {
            server_.kill();
            server_.waitForFinished();
        }
    }

    QProcess server_;
    QString display_;
};
