#pragma once

#include <QDBusConnection>
#include <QString>

namespace rorovovo::platform {

// The desktop's notification service, org.freedesktop.Notifications on the session bus. The bus is the one
// DBUS_SESSION_BUS_ADDRESS names, so a test gives the program a private bus with a service of its own. Needs a
// QCoreApplication.
class DesktopNotifier {
  public:
    explicit DesktopNotifier(const QDBusConnection& bus = QDBusConnection::sessionBus());

    // Why nothing can be shown, in a sentence for the user ("No session bus ...", "No notification service
    // ..."); empty when a service answers.
    QString problem();
    // Shows one notification under the program's name, icon and desktop entry. False, with `problem()` saying
    // why, when no service took it.
    bool notify(const QString& summary, const QString& body);

  private:
    QDBusConnection bus_;
    bool asked_ = false;
    bool markup_ = false;  // the service reads the body as markup, so it needs escaping
    QString problem_;
};

}  // namespace rorovovo::platform
