#include "platform/desktop_scheme.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusVariant>
#include <QPalette>
#include <QStyleHints>
#include <optional>

namespace rorovovo::platform {

namespace {

const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kPath = QStringLiteral("/org/freedesktop/portal/desktop");
const QString kSettings = QStringLiteral("org.freedesktop.portal.Settings");
const QString kGroup = QStringLiteral("org.freedesktop.appearance");
const QString kKey = QStringLiteral("color-scheme");

// The portal wraps the value in one variant, or (older portals' Read) in two.
uint unwrap(QVariant v) {
    while (v.canConvert<QDBusVariant>() && v.userType() == qMetaTypeId<QDBusVariant>())
        v = v.value<QDBusVariant>().variant();
    return v.toUInt();
}

// The portal's number for a scheme: 1 prefers dark, 2 light, anything else no preference.
ColourScheme schemeFromPortal(uint value) {
    return value == 1 ? ColourScheme::Dark : value == 2 ? ColourScheme::Light : ColourScheme::NoPreference;
}

// Every text at 4.5:1 or more against its background, the grey (disabled) texts at 3:1 or more.
QPalette darkPalette() {
    const QColor window(0x2B, 0x2B, 0x2B), base(0x1E, 0x1E, 0x1E), text(0xEE, 0xEE, 0xEE), grey(0x9A, 0x9A, 0x9A);
    QPalette p(text, window);  // button, light, dark, mid, text, bright text, base and window from these two
    p.setColor(QPalette::Window, window);
    p.setColor(QPalette::WindowText, text);
    p.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    p.setColor(QPalette::ButtonText, text);
    p.setColor(QPalette::Base, base);
    p.setColor(QPalette::AlternateBase, window);
    p.setColor(QPalette::Text, text);
    p.setColor(QPalette::BrightText, Qt::white);
    p.setColor(QPalette::ToolTipBase, QColor(0x3A, 0x3A, 0x3A));
    p.setColor(QPalette::ToolTipText, text);
    p.setColor(QPalette::PlaceholderText, grey);
    p.setColor(QPalette::Light, QColor(0x50, 0x50, 0x50));
    p.setColor(QPalette::Midlight, QColor(0x42, 0x42, 0x42));
    p.setColor(QPalette::Mid, QColor(0x24, 0x24, 0x24));
    p.setColor(QPalette::Dark, QColor(0x18, 0x18, 0x18));
    p.setColor(QPalette::Shadow, Qt::black);
    p.setColor(QPalette::Highlight, QColor(0x2F, 0x65, 0xCA));
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Link, QColor(0x8A, 0xB4, 0xF8));
    p.setColor(QPalette::LinkVisited, QColor(0xC5, 0x8A, 0xF9));
    for (const auto role : {QPalette::WindowText, QPalette::ButtonText, QPalette::Text})
        p.setColor(QPalette::Disabled, role, grey);
    p.setColor(QPalette::Disabled, QPalette::Base, window);
    p.setColor(QPalette::Disabled, QPalette::Highlight, QColor(0x50, 0x50, 0x50));
    return p;
}

}  // namespace

DesktopScheme::DesktopScheme(QObject* parent) : QObject(parent) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 5, 0)
    const auto fromHints = [this] {
        const Qt::ColorScheme s = QGuiApplication::styleHints()->colorScheme();
        take(s == Qt::ColorScheme::Dark    ? ColourScheme::Dark
             : s == Qt::ColorScheme::Light ? ColourScheme::Light
                                           : ColourScheme::NoPreference);
    };
    connect(QGuiApplication::styleHints(), &QStyleHints::colorSchemeChanged, this, fromHints);
    fromHints();
#else
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) return;
    bus.connect(kPortal, kPath, kSettings, QStringLiteral("SettingChanged"), this, SLOT(settingChanged(QDBusMessage)));
    QDBusMessage read = QDBusMessage::createMethodCall(kPortal, kPath, kSettings, QStringLiteral("Read"));
    read.setArguments({kGroup, kKey});
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(read), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, &DesktopScheme::answered);
#endif
}

void DesktopScheme::answered(QDBusPendingCallWatcher* call) {
    call->deleteLater();
    const QDBusPendingReply<QDBusVariant> reply = *call;
    if (reply.isError()) return;  // no portal, or one without the key: the desktop states no preference
    take(schemeFromPortal(unwrap(reply.argumentAt(0))));
}

void DesktopScheme::settingChanged(const QDBusMessage& message) {
    const QVariantList args = message.arguments();
    if (args.size() == 3 && args[0].toString() == kGroup && args[1].toString() == kKey)
        take(schemeFromPortal(unwrap(args[2])));
}

void DesktopScheme::take(ColourScheme scheme) {
    if (scheme == scheme_) return;
    scheme_ = scheme;
    emit changed(scheme);
}

bool applyScheme(ColourScheme scheme) {
    static std::optional<QPalette> started;  // the palette of the light desktop, as the style gave it
    if (!started) {
        if (scheme != ColourScheme::Dark) return false;
        started = QApplication::palette();
    }
    QApplication::setPalette(scheme == ColourScheme::Dark ? darkPalette() : *started);
    // The controls take the new palette from posted events: delivered now, whatever is drawn next reads it from them.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::ApplicationPaletteChange);
    return true;
}

}  // namespace rorovovo::platform
