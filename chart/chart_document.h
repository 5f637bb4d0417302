#pragma once

#include <QSize>
#include <QString>
#include <string>
#include <vector>

#include "chart/strip_geometry.h"
#include "chart/surface.h"
#include "rhythm/rhythms.h"

class QImage;
class QPageLayout;
class QPagedPaintDevice;
class QPainter;

namespace rorovovo::chart {

// One person's strip as a page of its own: a title with the name and birth date, the chart with today's band,
// the date under every 7th day (counted from today) and a legend of the rhythms drawn.
struct ChartDocument {
    struct Curve {
        int period;
        Rgb colour;
        PenStyle pen;
        int offset;  // cycle day at the strip's left edge
        std::string name;
    };
    std::string title;
    int days = Strip.Days;
    int todayX = Strip.TodayX;  // x of today's column; outside the strip when today is not among its days
    std::vector<Curve> curves;
    std::vector<std::pair<int, std::string>> dateLabels;  // x of the day's column, DD.MM.YYYY
};

// The strip of `days` days from firstDay (a date value) for someone born on birthDate, seen at `now` (date
// values; only the whole day of firstDay counts). The rhythms drawn are those marked in `shown`, in the pens of
// the rhythm table. Throws RangeError for a day count outside 1..kMaxDocumentDays or dates off the calendar.
ChartDocument makeChartDocument(const std::string& name, double birthDate, double now, double firstDay, int days,
                                const rhythm::ShownRhythms& shown);
constexpr int kMaxDocumentDays = 1000;

// Size in logical pixels; the chart itself is as the window's strip, a column a day and as high. With rows > 1
// the strip is folded into that many rows, one under the other, for a page.
QSize documentSize(const ChartDocument& doc, int rows = 1);
// Paints the document at the painter's origin in logical pixels.
void paintChartDocument(QPainter& painter, const ChartDocument& doc, int rows = 1);
// The document as an image at twice its size, for sharp pictures on any screen.
QImage renderChartImage(const ChartDocument& doc);

// Writes the document as PNG, SVG or PDF, chosen by the file name's extension (case blind). The file is whole or
// absent, and written as core::writeFileAtomically writes (a symbolic link is followed, a FIFO or device
// refused). Throws AppError "Unable to write to <full path>" (with the reason, when there is one) when that fails,
// kChartFileNameRule for an extension that names none of the three, and for SVG also when the module that draws it
// cannot be loaded (extras/extras.h).
void saveChartDocument(const ChartDocument& doc, const QString& path);
bool isChartFileName(const QString& path);
inline constexpr char kChartFileNameRule[] =
    QT_TRANSLATE_NOOP("Errors", "The file name must end in .png, .svg or .pdf.");

// The document on one page of a printer (or any paged device), folded into the rows that let it be drawn largest,
// scaled to fit the printable area and centred.
// False when the device cannot be painted on.
bool printChartDocument(QPagedPaintDevice& device, const ChartDocument& doc);
// Printing into a PDF file: the same page, written as saveChartDocument writes.
void printChartToPdf(const ChartDocument& doc, const QString& path, const QPageLayout& layout);

}  // namespace rorovovo::chart
