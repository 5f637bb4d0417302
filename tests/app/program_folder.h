#pragma once

// The real program started from a copy of its program folder on a virtual display, and the few things the tests
// do with its windows through xdotool.
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>
#include <QThread>

inline QString runTool(const QString& program, const QStringList& args, const QProcessEnvironment& env,
                       int timeoutMs = 10000) {
    QProcess p;
    p.setProcessEnvironment(env);
    p.start(program, args);
    if (!p.waitForFinished(timeoutMs)) {
        p.kill();
        p.waitForFinished();
        return {};
    }
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// Every file of the built program folder but its settings file, and its folders (the translations).
inline bool copyProgramFolder(const QString& from, const QString& to) {
    QDir source(from);
    for (const QString& name : source.entryList(QDir::Files)) {
        if (name == QLatin1String("Cyclomat.ini")) continue;
        if (!QFile::copy(source.filePath(name), QDir(to).filePath(name))) return false;
    }
    for (const QString& folder : source.entryList(QDir::Dirs | QDir::NoDotAndDotDot))
        if (!QDir(to).mkdir(folder) || !copyProgramFolder(source.filePath(folder), QDir(to).filePath(folder)))
            return false;
    QFile::setPermissions(QDir(to).filePath(QStringLiteral("Rorovovo")),
                          QFile::permissions(source.filePath(QStringLiteral("Rorovovo"))));
    return true;
}

inline QProcessEnvironment displayEnvironment(const QString& display) {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), display);
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    return env;
}

// The first visible window whose title matches the pattern, or the empty text.
inline QString visibleWindow(const QString& titlePattern, const QProcessEnvironment& env) {
    return runTool(QStringLiteral("xdotool"),
                   {QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"), titlePattern},
                   env)
        .section(QLatin1Char('\n'), 0, 0);
}

inline void pressKey(const QString& window, const QString& key, const QProcessEnvironment& env) {
    runTool(QStringLiteral("xdotool"), {QStringLiteral("windowfocus"), QStringLiteral("--sync"), window}, env);
    runTool(QStringLiteral("xdotool"), {QStringLiteral("key"), key}, env);
}

// Drives a started program until `done` holds or the deadline passes, answering each message box (titled with
// the program's name) with Enter; counts the boxes. False when the deadline passed first.
template <class Done>
bool answerBoxesUntil(QProcess& program, const QProcessEnvironment& env, int deadlineMs, int* boxes, Done done) {
    const QDeadlineTimer deadline(deadlineMs);
    QString answered;
    QDeadlineTimer retry;
    while (!deadline.hasExpired()) {
        if (done()) return true;
        const QString box = visibleWindow(QStringLiteral("^Rorovovo$"), env);
        // A box that outlives its answer by a second missed the key (it was not focused yet): press again.
        if (!box.isEmpty() && (box != answered || retry.hasExpired())) {
            if (box != answered) ++*boxes;
            pressKey(box, QStringLiteral("Return"), env);
            answered = box;
            retry.setRemainingTime(1000);
        }
        program.waitForFinished(50);
    }
    return done();
}

// A private session bus with the accessibility bus on it: programs started with its environment can be read as a
// screen reader reads them.
class ScreenReader {
  public:
    // Adds the bus to `env`; false when a tool is missing or the bus did not come up.
    bool start(QProcessEnvironment& env) {
        const QString launcher = QStringLiteral("/usr/libexec/at-spi-bus-launcher");
        if (QStandardPaths::findExecutable(QStringLiteral("dbus-daemon")).isEmpty() || !QFile::exists(launcher) ||
            QProcess::execute(QStringLiteral("/usr/bin/python3"),
                              {QStringLiteral("-c"), QStringLiteral("import pyatspi")}) != 0)
            return false;
        bus_.start(QStringLiteral("dbus-daemon"),
                   {QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        QByteArray address;
        const QDeadlineTimer deadline(10000);
        while (!address.contains('\n') && !deadline.hasExpired()) {
            bus_.waitForReadyRead(100);
            address += bus_.readAllStandardOutput();
        }
        if (!address.contains('\n')) return false;
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromUtf8(address.trimmed()));
        env.insert(QStringLiteral("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"), QStringLiteral("1"));
        launcher_.setProcessEnvironment(env);
        launcher_.start(launcher, {QStringLiteral("--launch-immediately")});
        // A program started before the accessibility bus is there never joins it.
        const QStringList ask{QStringLiteral("--session"), QStringLiteral("--print-reply"),
                              QStringLiteral("--dest=org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                              QStringLiteral("org.a11y.Bus.GetAddress")};
        while (!deadline.hasExpired()) {
            if (!runTool(QStringLiteral("dbus-send"), ask, env).isEmpty()) return true;
            QThread::msleep(50);
        }
        return false;
    }
    ~ScreenReader() {
        for (QProcess* p : {&launcher_, &bus_}) {
            if (p->state() == QProcess::NotRunning) continue;
            p->terminate();
            if (!p->waitForFinished(3000)) p->kill();
            p->waitForFinished();
        }
    }
    // Every object the program with this process id shows, one "role|name|text" line each.
    static QStringList read(qint64 pid, const QProcessEnvironment& env) {
        return runTool(QStringLiteral("/usr/bin/python3"),
                       {QStringLiteral(ROROVOVO_SOURCE_DIR "/tests/app/read_window.py"), QStringLiteral("--dump"),
                        QString::number(pid)},
                       env, 30000)
            .split(QLatin1Char('\n'));
    }

  private:
    QProcess bus_;
    QProcess launcher_;
};

// A stand-in systemctl in `folder` that appends its arguments to `log`, failing as where no user instance runs
// unless `answers`.
inline bool writeStandInSystemctl(const QString& folder, const QString& log, bool answers = true) {
    QFile f(folder + QStringLiteral("/systemctl"));
    const QString fails = answers ? QString() : QStringLiteral("echo 'Failed to connect to bus' >&2; exit 1\n");
    return f.open(QIODevice::WriteOnly) &&
           f.write(QStringLiteral("#!/bin/sh\necho \"$*\" >> '%1'\n%2").arg(log, fails).toUtf8()) > 0 &&
           f.setPermissions(f.permissions() | QFile::ExeOwner);
}

// A session bus of the test's own, which activates nothing, optionally with the stand-in notification service on it
// (notification_service.py), which appends each Notify call to a file as a JSON line.
class PrivateBus {
  public:
    // Adds the bus to `env`; false when dbus-daemon or the stand-in did not come up.
    bool start(QProcessEnvironment& env, const QString& notifyLog = {}) {
        const QString config = QDir(folder_.path()).filePath(QStringLiteral("bus.conf"));
        QFile f(config);
        if (!folder_.isValid() || !f.open(QIODevice::WriteOnly)) return false;
        // Debian's session.conf without its service folders, so nothing of the machine's is started on the bus.
        f.write(
            "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen><auth>EXTERNAL</auth>"
            "<policy context=\"default\"><allow send_destination=\"*\" eavesdrop=\"true\"/>"
            "<allow eavesdrop=\"true\"/><allow own=\"*\"/></policy></busconfig>\n");
        f.close();
        bus_.start(QStringLiteral("dbus-daemon"), {QStringLiteral("--config-file=") + config,
                                                   QStringLiteral("--nofork"), QStringLiteral("--print-address=1")});
        const QByteArray address = firstLine(bus_);
        if (address.isEmpty()) return false;
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QString::fromUtf8(address));
        if (notifyLog.isEmpty()) return true;
        service_.setProcessEnvironment(env);
        service_.start(QStringLiteral("/usr/bin/python3"),
                       {QStringLiteral(ROROVOVO_SOURCE_DIR "/tests/app/notification_service.py"), notifyLog});
        return firstLine(service_) == "ready";
    }
    // The stand-in Settings portal (settings_portal.py) on the bus, answering this colour scheme (1 dark, 2 light).
    bool startPortal(const QProcessEnvironment& env, int scheme) {
        portal_.setProcessEnvironment(env);
        portal_.start(QStringLiteral("/usr/bin/python3"),
                      {QStringLiteral(ROROVOVO_SOURCE_DIR "/tests/app/settings_portal.py"), QString::number(scheme)});
        return firstLine(portal_) == "ready";
    }
    // The desktop switches its scheme: the portal signals the change.
    void switchScheme(int scheme) { portal_.write(QByteArray::number(scheme) + '\n'); }
    ~PrivateBus() {
        for (QProcess* p : {&portal_, &service_, &bus_}) {
            p->terminate();
            if (!p->waitForFinished(3000)) p->kill();
        }
    }

  private:
    static QByteArray firstLine(QProcess& p) {
        QByteArray out;
        const QDeadlineTimer deadline(10000);
        while (!out.contains('\n') && p.state() != QProcess::NotRunning && !deadline.hasExpired()) {
            p.waitForReadyRead(100);
            out += p.readAllStandardOutput();
        }
        return out.contains('\n') ? out.left(out.indexOf('\n')).trimmed() : QByteArray();
    }

    QTemporaryDir folder_;
    QProcess bus_, service_, portal_;
};
