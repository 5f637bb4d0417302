#include "platform/guard.h"

#include <QCoreApplication>
#include <QString>

#include "core/errors.h"

namespace rorovovo::platform {

QString errorText(const std::exception& error) {
    const auto* marked = dynamic_cast<const AppError*>(&error);
    if (!marked || !marked->marked()) return QString::fromUtf8(error.what());
    const QString text = QCoreApplication::translate("Errors", marked->marked());
    const QString first = QString::fromStdString(marked->first()), second = QString::fromStdString(marked->second());
    return text.contains(QLatin1String("%2"))   ? text.arg(first, second)
           : text.contains(QLatin1String("%1")) ? text.arg(first)
                                                : text;
}

void reportUncaught(const std::exception& error) { showError(errorText(error)); }

void reportUncaughtUnknown() { showError(QCoreApplication::translate("Errors", "Unknown error")); }

}  // namespace rorovovo::platform
