#include "platform/metrics.h"

#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWidget>

namespace rorovovo::platform {

int getSystemMetrics(SystemMetric metric, const QWidget* window) {
    const QRect outer = window ? window->frameGeometry() : QRect();
    const QRect inner = window ? window->geometry() : QRect();
    const QScreen* screen = window && window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    switch (metric) {
        case SystemMetric::CxFrame:
            return window ? std::max(0, (outer.width() - inner.width()) / 2) : 0;
        case SystemMetric::CyFrame:
            return window ? std::max(0, outer.bottom() - inner.bottom()) : 0;
        case SystemMetric::CyCaption:
            return window ? std::max(0, (inner.top() - outer.top()) - (outer.bottom() - inner.bottom())) : 0;
        case SystemMetric::CyEdge:
            return 2;
        case SystemMetric::CyMenu: {
            const auto* main = qobject_cast<const QMainWindow*>(window);
            return main && main->menuWidget() ? main->menuWidget()->sizeHint().height() : 0;
        }
        case SystemMetric::CxScreen:
            return screen ? screen->geometry().width() : 0;
        case SystemMetric::CyScreen:
            return screen ? screen->geometry().height() : 0;
    }
    return 0;
}

bool windowPlacesKnown() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace rorovovo::platform
