#include "platform/help.h"

#include <QCoreApplication>
#include <QFileInfo>

#include "platform/dialogs.h"
#include "platform/shell.h"

namespace rorovovo::platform {

void showHelp(const QString& helpFile, const QString& guideFile) {
    const bool hasHelpFile = QFileInfo(helpFile).isFile();
    if (hasHelpFile && canShowCompiledHelp()) {
        htmlHelp(helpFile);
        return;
    }
    // A desktop without a viewer for compiled help gets the same guide as plain text, without a message,
    // unless there is no text guide either.
    const bool hasTextFile = QFileInfo(guideFile).isFile();
    if (!hasHelpFile || !hasTextFile) showMessage(QCoreApplication::translate("Messages", "Help file not found"));
    if (hasTextFile) shellOpen(guideFile);
}

}  // namespace rorovovo::platform
