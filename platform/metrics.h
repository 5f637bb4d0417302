#pragma once

class QWidget;

namespace rorovovo::platform {

// Sizes the window layout asks the desktop for. Frame and caption sizes are those of the given window once the
// window manager has framed it (0 before that, or where it draws no frame).
enum class SystemMetric { CxFrame, CyFrame, CyCaption, CyEdge, CyMenu, CxScreen, CyScreen };
int getSystemMetrics(SystemMetric metric, const QWidget* window = nullptr);

// Whether a window can learn and choose its place on the screen: not on Wayland, where the compositor places it and
// a window reads its place as the screen's corner.
bool windowPlacesKnown();

}  // namespace rorovovo::platform
