#include "platform/output_dialogs.h"

#include <QFileDialog>
#include <QFileInfo>
#include <QRegularExpression>

#include "core/file_ops.h"
#include "platform/dialogs.h"

namespace rorovovo::platform {

namespace {

SaveFileHandler& saveHandler() {
    static SaveFileHandler h;
    return h;
}

OpenFileHandler& openHandler() {
    static OpenFileHandler h;
    return h;
}

PrintDialogHandler& printHandler() {
    static PrintDialogHandler h;
    return h;
}

}  // namespace

void setSaveFileHandler(SaveFileHandler handler) { saveHandler() = std::move(handler); }
void setPrintDialogHandler(PrintDialogHandler handler) { printHandler() = std::move(handler); }
void setOpenFileHandler(OpenFileHandler handler) { openHandler() = std::move(handler); }

void resetOutputDialogHandlers() {
    saveHandler() = nullptr;
    openHandler() = nullptr;
    printHandler() = nullptr;
}

QString getSaveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter) {
    if (saveHandler()) return saveHandler()(suggested, filter);
    QString selected;
    QString path = QFileDialog::getSaveFileName(parent, caption, suggested, filter, &selected);
    if (!path.isEmpty() && QFileInfo(path).suffix().isEmpty()) {
        // "PNG picture (*.png)": the type chosen names the extension.
        const auto match = QRegularExpression(QStringLiteral("\\*\\.(\\w+)")).match(selected);
        if (match.hasMatch()) path += QLatin1Char('.') + match.captured(1);
    }
    return path;
}

QString getOpenFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter) {
    if (openHandler()) return openHandler()(filter);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

extras::PrintOutcome print(extras::PrintJob job) {
    if (printHandler()) job.dialog = printHandler();
    // Printing into a file follows the rule of every file the program writes; a FIFO or a device chosen in the
    // dialog is refused before the dialog opens it to check it, which would wait.
    if (!job.acceptFile)
        job.acceptFile = [](const QString& path) {
            const QString problem = core::checkOutputPath(path);
            if (!problem.isEmpty()) showMessage(problem);
            return problem.isEmpty();
        };
    return extras::api().print(job);
}

}  // namespace rorovovo::platform
