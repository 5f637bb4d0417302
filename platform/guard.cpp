#include "platform/guard.h"

#include <QString>

namespace rorovovo::platform {

void reportUncaught(const std::exception& error) { showError(QString::fromUtf8(error.what())); }

void reportUncaughtUnknown() { showError(QStringLiteral("Unknown error")); }

}  // namespace rorovovo::platform
