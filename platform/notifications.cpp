#include "platform/notifications.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QVariantMap>

namespace rorovovo::platform {

namespace {

const QString kService = QStringLiteral("org.freedesktop.Notifications");
const QString kPath = QStringLiteral("/org/freedesktop/Notifications");
// A service that does not answer in this time is as good as none; the check must not hang a timer's run.
constexpr int kTimeoutMs = 5000;

QDBusMessage call(const QDBusConnection& bus, const QString& method, const QVariantList& args = {}) {
    QDBusMessage m = QDBusMessage::createMethodCall(kService, kPath, kService, method);
    m.setArguments(args);
    return bus.call(m, QDBus::Block, kTimeoutMs);
}

}  // namespace

DesktopNotifier::DesktopNotifier(const QDBusConnection& bus) : bus_(bus) {}

QString DesktopNotifier::problem() {
    if (asked_) return problem_;
    asked_ = true;
    if (!bus_.isConnected()) {
        problem_ = QCoreApplication::translate("Reminders",
                                               "No session bus: the desktop's notifications cannot be reached (%1).")
                       .arg(bus_.lastError().message());
        return problem_;
    }
    const QDBusMessage reply = call(bus_, QStringLiteral("GetCapabilities"));
    if (reply.type() != QDBusMessage::ReplyMessage) {
        problem_ = QCoreApplication::translate("Reminders", "No notification service answers on the session bus (%1).")
                       .arg(reply.errorMessage());
        return problem_;
    }
    markup_ = reply.arguments().value(0).toStringList().contains(QStringLiteral("body-markup"));
    return problem_;
}

bool DesktopNotifier::notify(const QString& summary, const QString& body) {
    if (!problem().isEmpty()) return false;
    const QVariantMap hints{{QStringLiteral("desktop-entry"), QStringLiteral(ROROVOVO_APP_ID)},
                            {QStringLiteral("category"), QStringLiteral("x-rorovovo.reminder")},
                            {QStringLiteral("urgency"), QVariant::fromValue(uchar(1))}};
    const QDBusMessage reply = call(bus_, QStringLiteral("Notify"),
                                    {QStringLiteral("Rorovovo"), 0u, QStringLiteral(ROROVOVO_APP_ID), summary,
                                     markup_ ? body.toHtmlEscaped() : body, QStringList(), hints, -1});
    if (reply.type() == QDBusMessage::ReplyMessage) return true;
    problem_ = QCoreApplication::translate("Reminders", "The notification service did not take the reminder (%1).")
                   .arg(reply.errorMessage());
    return false;
}

}  // namespace rorovovo::platform
