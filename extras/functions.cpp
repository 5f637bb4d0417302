#include "extras/functions.h"

#include <QDialogButtonBox>
#include <QEventLoop>
#include <QLineEdit>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QSvgGenerator>
#include <QTimer>
#include <memory>

#include "core/file_ops.h"

namespace rorovovo::extras {

namespace {

bool downloadToFile(const QUrl& url, const QString& localPath, int timeoutMs, qint64 maxBytes) {
    if (!url.isValid() || localPath.isEmpty() || !core::checkOutputPath(localPath).isEmpty()) return false;
    // Gathered whole, and written by the program's one writer once complete, so a failure leaves nothing behind.
    QByteArray out;

    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute, QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(10);
    std::unique_ptr<QNetworkReply> reply(manager.get(request));

    bool failed = false;
    qint64 received = 0;
    QEventLoop loop;
    QTimer timer;
    timer.setSingleShot(true);

    const auto fail = [&] {
        if (failed) return;
        failed = true;
        reply->abort();
    };
    QObject::connect(&timer, &QTimer::timeout, &loop, fail);
    QObject::connect(reply.get(), &QNetworkReply::readyRead, &loop, [&] {
        if (failed) return;
        const QByteArray chunk = reply->readAll();
        received += chunk.size();
        if (received > maxBytes) return fail();
        out += chunk;
    });
    QObject::connect(reply.get(), &QNetworkReply::finished, &loop, &QEventLoop::quit);

    timer.start(timeoutMs);
    if (!reply->isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
    timer.stop();

    if (!failed) {
        const QByteArray rest = reply->readAll();
        received += rest.size();
        if (received > maxBytes) failed = true;
        out += rest;
    }
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (failed || reply->error() != QNetworkReply::NoError || status < 200 || status >= 300) return false;
    try {
        core::writeFileAtomically(localPath, out);
    } catch (const core::WriteError&) {
        return false;
    }
    return true;
}

bool writeSvg(QIODevice& out, const QSize& size, const QString& title,
              const std::function<bool(QPaintDevice& device)>& paint) {
    QSvgGenerator svg;
    svg.setOutputDevice(&out);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(96);
    svg.setTitle(title);
    return paint(svg);
}

// The dialog checks a file chosen for printing by opening it, which blocks on a FIFO until something reads it. The
// job's own check of the name goes first; only a name it accepts reaches the dialog's.
void checkFileFirst(QPrintDialog& dialog, const std::function<bool(const QString&)>& acceptFile) {
    auto* buttons = dialog.findChild<QDialogButtonBox*>();
    auto* name = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
    if (!buttons || !name || !QObject::disconnect(buttons, SIGNAL(accepted()), &dialog, SLOT(_q_checkFields()))) return;
    QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&dialog, name, acceptFile] {
        if (name->isEnabled() && !acceptFile(name->text())) return;
        QMetaObject::invokeMethod(&dialog, "_q_checkFields");
    });
}

PrintOutcome print(const PrintJob& job) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageOrientation(job.orientation);
    printer.setDocName(job.docName);
    bool accepted = false;
    if (job.dialog) {
        accepted = job.dialog(printer);
    } else {
        QPrintDialog dialog(&printer, job.parent);
        if (job.acceptFile) checkFileFirst(dialog, job.acceptFile);
        accepted = dialog.exec() == QDialog::Accepted;
    }
    if (!accepted) return {};
    // Printing into a PDF file goes to the caller, which writes its files whole or not at all.
    if (printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty())
        job.printToFile(printer.outputFileName(), printer.pageLayout());
    else if (!job.printOnDevice(printer))
        return {PrintOutcome::Failed, printer.printerName()};
    return {PrintOutcome::Printed, {}};
}

}  // namespace

const Api& functions() {
    static const Api api{Api::kVersion, downloadToFile, writeSvg, print};
    return api;
}

}  // namespace rorovovo::extras

const rorovovo::extras::Api* rorovovo_extras() { return &rorovovo::extras::functions(); }
