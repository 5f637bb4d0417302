#pragma once

#include <QObject>

class QDBusMessage;
class QDBusPendingCallWatcher;

namespace rorovovo::platform {

enum class ColourScheme { NoPreference, Dark, Light };

// The colour scheme the desktop prefers, as its Settings portal says (org.freedesktop.appearance color-scheme), or
// Qt's own style hints where the Qt has them; followed live. The windows take their colours by role from the
// application's palette, so a dark scheme gives them a dark one; any other keeps the palette they started with.
class DesktopScheme : public QObject {
    Q_OBJECT
  public:
    // Asks the desktop without waiting: the answer, and every later change, arrives as changed().
    explicit DesktopScheme(QObject* parent = nullptr);

  signals:
    void changed(rorovovo::platform::ColourScheme scheme);

  public slots:
    // The portal's SettingChanged (group, key, value). Taken as the whole message: Qt 6.4's bus connects no slot
    // that takes a QDBusVariant.
    void settingChanged(const QDBusMessage& message);

  private:
    void answered(QDBusPendingCallWatcher* call);
    void take(ColourScheme scheme);

    ColourScheme scheme_ = ColourScheme::NoPreference;
};

// Gives the application the palette of the scheme: dark, or the one it had before the first dark one. False when
// the palette stays as it was (a light desktop that was never dark).
bool applyScheme(ColourScheme scheme);

}  // namespace rorovovo::platform
