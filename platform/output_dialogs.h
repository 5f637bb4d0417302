#pragma once

#include <QString>
#include <functional>

#include "extras/extras.h"

class QPrinter;
class QWidget;

namespace rorovovo::platform {

// The file dialog for saving: the path chosen, with the extension of the chosen type added when the name has none,
// or the empty text when cancelled. Tests answer it in advance.
using SaveFileHandler = std::function<QString(const QString& suggested, const QString& filter)>;
void setSaveFileHandler(SaveFileHandler handler);
QString getSaveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter);

// The file dialog for opening an existing file: its path, or the empty text when cancelled. Tests answer it in
// advance as the save dialog's.
using OpenFileHandler = std::function<QString(const QString& filter)>;
void setOpenFileHandler(OpenFileHandler handler);
QString getOpenFileName(QWidget* parent, const QString& caption, const QString& folder, const QString& filter);

// The system print dialog for a job, then the printing the user asked for. Tests answer the dialog in advance (and
// may set the printer up as a user would). Throws AppError when the module that prints cannot be loaded, and what
// the job's own functions throw.
using PrintDialogHandler = std::function<bool(QPrinter& printer)>;
void setPrintDialogHandler(PrintDialogHandler handler);
extras::PrintOutcome print(extras::PrintJob job);

void resetOutputDialogHandlers();

}  // namespace rorovovo::platform
