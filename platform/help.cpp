#include "platform/help.h"

#include <QFileInfo>

#include "platform/dialogs.h"
#include "platform/shell.h"

namespace rorovovo::platform {

void showHelp(const QString& folder) {
    const QString helpFile = folder + QLatin1String(kHelpFileName);
    if (QFileInfo(helpFile).isFile()) {
        htmlHelp(helpFile);
        return;
    }
    showMessage(QStringLiteral("Help file not found"));
    const QString textFile = folder + QLatin1String(kHelpTextFileName);
    if (QFileInfo(textFile).isFile()) shellOpen(textFile);
}

}  // namespace rorovovo::platform
