#include "platform/help.h"

#include <QFileInfo>

#include "platform/dialogs.h"
#include "platform/shell.h"

namespace rorovovo::platform {

void showHelp(const QString& folder) {
    const QString helpFile = folder + QLatin1String(kHelpFileName);
    const bool hasHelpFile = QFileInfo(helpFile).isFile();
    if (hasHelpFile && canShowCompiledHelp()) {
        htmlHelp(helpFile);
        return;
    }
    // A desktop without a viewer for compiled help gets the same guide as plain text, without a message,
    // unless there is no text guide either.
    const QString textFile = folder + QLatin1String(kHelpTextFileName);
    const bool hasTextFile = QFileInfo(textFile).isFile();
    if (!hasHelpFile || !hasTextFile) showMessage(QStringLiteral("Help file not found"));
    if (hasTextFile) shellOpen(textFile);
}

}  // namespace rorovovo::platform
