// The Tools menu: two people side by side, and the chart saved as a file or printed.
#include <QAction>
#include <QDir>
#include <QMenu>

#include "core/errors.h"
#include "core/file_ops.h"
#include "forms/FormCompatibility.h"
#include "forms/Rorovovo1.h"
#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/guard.h"
#include "platform/output_dialogs.h"
#include "profiles/profile_list.h"

namespace rorovovo::forms {

QList<profiles::ProfileEntry> TForm1::knownPeople() const {
    QList<profiles::ProfileEntry> people;
    for (int k = 0; k < profileList_->count(); ++k) people << profiles::parseProfileEntry(profileList_->entry(k));
    for (size_t i = 0; i < celebrities_.size(); ++i) {
        const profiles::Celebrity c = celebrities_[i];
        people.push_back({c.name, c.datePart});
    }
    return people;
}

std::optional<chart::ChartDocument> TForm1::drawnChartDocument() const {
    if (!drawn_) return std::nullopt;
    rhythm::ShownRhythms shown = checkedRhythms();
    shown[4] = shown[5] = extraDrawn_;
    const double now = platform::toDateValue(platform::now());
    return chart::makeChartDocument(drawn_->name.toStdString(), drawn_->birthDate, now,
                                    std::floor(now) - chart::Strip.daysBefore(), chart::Strip.Days, shown);
}

void TForm1::MenuToolsCompatClick() {
    if (!compatibilityWindow_) {
        compatibilityWindow_ = new TFormCompatibility(this);
        connect(this, &TForm1::personDrawn, compatibilityWindow_, &TFormCompatibility::setFirstPerson);
        if (drawn_) compatibilityWindow_->setFirstPerson(*drawn_);
    }
    compatibilityWindow_->setPeople(knownPeople());
    compatibilityWindow_->show();
    compatibilityWindow_->raise();
    compatibilityWindow_->activateWindow();
}

void TForm1::MenuToolsSaveClick() {
    const auto doc = drawnChartDocument();
    if (!doc) return;
    const QString base = drawn_->name.isEmpty() ? tr("chart", "file name of a chart without a name") : drawn_->name;
    const QString path =
        platform::getSaveFileName(this, tr("Save chart as"), QDir::home().filePath(base + ".png"),
                                  tr("PNG picture (*.png);;SVG drawing (*.svg);;PDF document (*.pdf)"));
    if (path.isEmpty()) return;
    try {
        chart::saveChartDocument(*doc, path);
    } catch (const AppError& e) {
        platform::showMessage(platform::errorText(e));
    }
}

void TForm1::MenuToolsPrintClick() {
    const auto doc = drawnChartDocument();
    if (!doc) return;
    extras::PrintJob job;
    job.parent = this;
    // The print dialog names its PDF file after the document, dropping what follows the last dot; the ".pdf"
    // keeps the birth year in that name ("born 15.03.1958.pdf", not "born 15.03.pdf").
    job.docName = QString::fromStdString(doc->title) + QStringLiteral(".pdf");
    job.orientation = QPageLayout::Landscape;
    // Printing into a PDF file is written whole or not at all, like every file the program writes.
    job.printToFile = [&](const QString& path, const QPageLayout& layout) {
        chart::printChartToPdf(*doc, path, layout);
    };
    job.printOnDevice = [&](QPagedPaintDevice& printer) { return chart::printChartDocument(printer, *doc); };
    try {
        const extras::PrintOutcome outcome = platform::print(job);
        if (outcome.status == extras::PrintOutcome::Failed)
            platform::showMessage(tr("Unable to print on %1").arg(outcome.printerName));
    } catch (const AppError& e) {
        platform::showMessage(platform::errorText(e));
    }
}

}  // namespace rorovovo::forms
