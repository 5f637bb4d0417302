#pragma once

#include <QPageLayout>
#include <QString>
#include <functional>

class QIODevice;
class QPaintDevice;
class QPagedPaintDevice;
class QPrinter;
class QSize;
class QUrl;
class QWidget;

// Downloading, printing and SVG drawing: the only parts of the program that need Qt's network, print support and SVG
// libraries. They live in a module of their own, loaded on first use, so that no start-up pays for loading those
// libraries and the dozen system libraries they bring.
namespace rorovovo::extras {

// One page to print, and how it is drawn on whatever the user picks in the print dialog.
struct PrintJob {
    QWidget* parent = nullptr;
    QString docName;  // the print dialog names its PDF file after it
    QPageLayout::Orientation orientation = QPageLayout::Portrait;
    // Stands in for the system print dialog when set (tests); true when the user asked to print.
    std::function<bool(QPrinter& printer)> dialog;
    // Asked for the file named in the dialog when the user prints into a file, before the dialog itself opens that
    // file to check it (which would wait forever on a FIFO); false keeps the dialog open. It says why itself.
    std::function<bool(const QString& path)> acceptFile;
    // "Print to file" as PDF: the page written into that file in the layout chosen. May throw AppError.
    std::function<void(const QString& path, const QPageLayout& layout)> printToFile;
    // A real printer; false when it cannot be painted on.
    std::function<bool(QPagedPaintDevice& printer)> printOnDevice;
};

struct PrintOutcome {
    enum Status { Cancelled, Printed, Failed } status = Cancelled;
    QString printerName;  // the printer that could not be painted on
};

struct Api {
    // Raised whenever a function below changes, so a module left from another build is refused, not called.
    static constexpr int kVersion = 2;
    int version;
    // platform::urlDownloadToFile, which says what it promises.
    bool (*downloadToFile)(const QUrl& url, const QString& localPath, int timeoutMs, qint64 maxBytes);
    // An SVG drawing of `size` logical pixels at 96 dpi, titled `title`, painted by `paint` and written into `out`;
    // false when painting or writing failed.
    bool (*writeSvg)(QIODevice& out, const QSize& size, const QString& title,
                     const std::function<bool(QPaintDevice& device)>& paint);
    // Sets up a printer for the job, shows the print dialog and prints as the user asks.
    PrintOutcome (*print)(const PrintJob& job);
};

// The functions, from the module beside the executable or, installed, in ../lib/rorovovo/ (loaded on the first
// call). Throws AppError "Unable to load <file>: <why>" when it cannot be loaded; later calls try again.
const Api& api();

// Programs that link the functions themselves (the tests) hand them over here, and no module is loaded.
void useBuiltIn(const Api& functions);

}  // namespace rorovovo::extras
