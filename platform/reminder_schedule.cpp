#include "platform/reminder_schedule.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include "core/errors.h"
#include "core/file_ops.h"
#include "platform/guard.h"
#include "platform/paths.h"

namespace rorovovo::platform {

namespace {

// systemctl talks to a running instance; one that has not answered in this time is taken for none.
constexpr int kSystemctlTimeoutMs = 15000;

// systemd expands "%" specifiers and "$" variables, also inside quotes.
QString systemdQuoted(const QString& path) {
    QString s = path;
    s.replace(QLatin1Char('\\'), QLatin1String("\\\\")).replace(QLatin1Char('"'), QLatin1String("\\\""));
    s.replace(QLatin1Char('%'), QLatin1String("%%")).replace(QLatin1Char('$'), QLatin1String("$$"));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

// A quoted argument of a desktop entry's Exec key, then the string escape every value gets.
QString desktopQuoted(const QString& path) {
    QString s;
    for (const QChar c : path) {
        if (c == u'"' || c == u'`' || c == u'$' || c == u'\\') s += QLatin1Char('\\');
        s += c == u'%' ? QStringLiteral("%%") : QString(c);
    }
    QString quoted = QLatin1Char('"') + s + QLatin1Char('"');
    return quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
}

void writeFile(const QString& path, const QString& text) {
    QDir().mkpath(QFileInfo(path).path());
    core::writeFileAtomically(path, text.toUtf8());
}

// Runs `systemctl --user <args>`: the empty text when it succeeded, else what went wrong.
QString systemctl(const SchedulePlaces& places, const QStringList& args) {
    QProcess p;
    p.start(places.systemctl, QStringList{QStringLiteral("--user")} + args);
    if (!p.waitForStarted()) return p.errorString();
    if (!p.waitForFinished(kSystemctlTimeoutMs)) {
        p.kill();
        p.waitForFinished();
        return QCoreApplication::translate("Reminders", "systemctl --user %1 did not answer")
            .arg(args.join(QLatin1Char(' ')));
    }
    if (p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0) return {};
    const QString said = QString::fromLocal8Bit(p.readAllStandardError()).trimmed().section(QLatin1Char('\n'), 0, 0);
    return said.isEmpty()
               ? QCoreApplication::translate("Reminders", "systemctl --user %1 failed").arg(args.join(QLatin1Char(' ')))
               : said;
}

QString removeFile(const QString& path) {
    if (!QFileInfo::exists(path) || QFile::remove(path)) return {};
    return QCoreApplication::translate("Reminders", "Unable to remove %1.").arg(QDir::toNativeSeparators(path));
}

}  // namespace

SchedulePlaces schedulePlaces(const QProcessEnvironment& env, const QString& executable) {
    const QStringList path = env.value(QStringLiteral("PATH")).split(QLatin1Char(':'), Qt::SkipEmptyParts);
    return {configHome(env),
            path.isEmpty() ? QString() : QStandardPaths::findExecutable(QStringLiteral("systemctl"), path), executable};
}

QString scheduleName(const SchedulePlaces& places) {
    const QByteArray hash = QCryptographicHash::hash(places.executable.toUtf8(), QCryptographicHash::Sha1);
    return QStringLiteral("rorovovo-reminders-") + QString::fromLatin1(hash.toHex().left(10));
}

QString timerFile(const SchedulePlaces& p) { return p.configHome + "systemd/user/" + scheduleName(p) + ".timer"; }
QString serviceFile(const SchedulePlaces& p) { return p.configHome + "systemd/user/" + scheduleName(p) + ".service"; }
QString autostartFile(const SchedulePlaces& p) { return p.configHome + "autostart/" + scheduleName(p) + ".desktop"; }

ScheduleOutcome installSchedule(const SchedulePlaces& places, int minuteOfDay) {
    ScheduleOutcome out;
    const QString timer = scheduleName(places) + QStringLiteral(".timer");
    const QString described = QString(places.executable).replace(QLatin1Char('%'), QLatin1String("%%"));
    if (places.systemctl.isEmpty()) {
        out.timerProblem = QCoreApplication::translate("Reminders", "no systemctl on PATH");
    } else {
        try {
            writeFile(serviceFile(places), QStringLiteral("[Unit]\nDescription=Reminders of critical days (%1)\n\n"
                                                          "[Service]\nType=oneshot\nExecStart=%2 --remind\n")
                                               .arg(described, systemdQuoted(places.executable)));
            writeFile(timerFile(places), QStringLiteral("[Unit]\nDescription=Reminders of critical days (%1)\n\n"
                                                        "[Timer]\nOnCalendar=*-*-* %2:%3:00\nPersistent=true\n\n"
                                                        "[Install]\nWantedBy=timers.target\n")
                                             .arg(described)
                                             .arg(minuteOfDay / 60, 2, 10, QLatin1Char('0'))
                                             .arg(minuteOfDay % 60, 2, 10, QLatin1Char('0')));
        } catch (const AppError& e) {
            out.timerProblem = errorText(e);
        }
        // Restarted, not only started, so that a running timer takes a new time.
        for (const QStringList& args :
             {QStringList{QStringLiteral("daemon-reload")}, QStringList{QStringLiteral("enable"), timer},
              QStringList{QStringLiteral("restart"), timer}})
            if (out.timerProblem.isEmpty()) out.timerProblem = systemctl(places, args);
        if (out.timerProblem.isEmpty()) {
            out.by = ScheduledBy::Timer;
            out.autostartProblem = removeFile(autostartFile(places));
            return out;
        }
        removeFile(timerFile(places));
        removeFile(serviceFile(places));
    }
    try {
        writeFile(autostartFile(places),
                  QStringLiteral("[Desktop Entry]\nType=Application\nName=Rorovovo reminders\n"
                                 "Comment=Tells of critical days at login\nExec=%1 --remind --at-login\n"
                                 "Icon=" ROROVOVO_APP_ID "\nNoDisplay=true\nX-GNOME-Autostart-enabled=true\n")
                      .arg(desktopQuoted(places.executable)));
        out.by = ScheduledBy::Autostart;
    } catch (const AppError& e) {
        out.autostartProblem = errorText(e);
    }
    return out;
}

QString removeSchedule(const SchedulePlaces& places) {
    QStringList problems;
    if (QFileInfo::exists(timerFile(places)) || QFileInfo::exists(serviceFile(places))) {
        if (!places.systemctl.isEmpty()) {
            const QString off = systemctl(places, {QStringLiteral("disable"), QStringLiteral("--now"),
                                                   scheduleName(places) + QStringLiteral(".timer")});
            if (!off.isEmpty())
                problems << QCoreApplication::translate("Reminders", "The timer could not be disabled (%1).").arg(off);
        }
        problems << removeFile(timerFile(places)) << removeFile(serviceFile(places));
        if (!places.systemctl.isEmpty()) systemctl(places, {QStringLiteral("daemon-reload")});
    }
    problems << removeFile(autostartFile(places));
    problems.removeAll(QString());
    return problems.join(QLatin1Char(' '));
}

ScheduledBy installedSchedule(const SchedulePlaces& places) {
    if (QFileInfo::exists(timerFile(places))) return ScheduledBy::Timer;
    return QFileInfo::exists(autostartFile(places)) ? ScheduledBy::Autostart : ScheduledBy::Nothing;
}

}  // namespace rorovovo::platform
