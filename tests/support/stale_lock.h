#pragma once

#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QString>

// Leaves a lock file in the toolkit's own format whose owner has ended, as a copy of the program killed in the
// middle of a write leaves it. False when that could not be arranged.
inline bool writeStaleLock(const QString& path) {
    QProcess gone;
    gone.start(QStringLiteral("true"), {});
    if (!gone.waitForStarted()) return false;
    const qint64 deadPid = gone.processId();
    gone.waitForFinished();
    QByteArray text;
    {
        QLockFile lock(path);
        if (!lock.tryLock(0)) return false;
        QFile live(path);
        if (!live.open(QIODevice::ReadOnly)) return false;
        text = live.readAll();
    }
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) return false;
    return file.write(QByteArray::number(deadPid) + text.mid(text.indexOf('\n'))) > 0;
}
