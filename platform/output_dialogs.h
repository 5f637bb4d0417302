#pragma once

#include <QString>
#include <functional>

class QPrinter;
class QWidget;

namespace rorovovo::platform {

// The file dialog for saving: the path chosen, with the extension of the chosen type added when the name has none,
// or the empty text when cancelled. Tests answer it in advance.
using SaveFileHandler = std::function<QString(const QString& suggested, const QString& filter)>;
void setSaveFileHandler(SaveFileHandler handler);
QString getSaveFileName(QWidget* parent, const QString& caption, const QString& suggested, const QString& filter);

// The system print dialog on a printer set up by the caller; true when the user asked to print. Tests answer it in
// advance (and may set the printer up as a user would).
using PrintDialogHandler = std::function<bool(QPrinter& printer)>;
void setPrintDialogHandler(PrintDialogHandler handler);
bool execPrintDialog(QPrinter& printer, QWidget* parent);

void resetOutputDialogHandlers();

}  // namespace rorovovo::platform
