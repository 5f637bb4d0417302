#pragma once

// The real program started from a copy of its program folder on a virtual display, and the few things the tests
// do with its windows through xdotool.
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
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

// Every file of the built program folder but its settings file.
inline bool copyProgramFolder(const QString& from, const QString& to) {
    QDir source(from);
    for (const QString& name : source.entryList(QDir::Files)) {
        if (name == QLatin1String("Cyclomat.ini")) continue;
        if (!QFile::copy(source.filePath(name), QDir(to).filePath(name))) return false;
    }
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
