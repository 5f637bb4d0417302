#include "chart/chart_document.h"

#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <functional>

#include "chart/chart_drawing.h"
#include "chart/colors.h"
#include "chart/painter_surface.h"
#include "chart/qt_geometry.h"
#include "core/errors.h"
#include "core/file_ops.h"
#include "core/qt_text.h"
#include "extras/extras.h"
#include "rhythm/dates.h"
#include "rhythm/daycount.h"

namespace rorovovo::chart {

namespace {

constexpr int kTitleHeight = 30;
constexpr int kChartHeight = Strip.ChartHeight;  // as the window's chart, so the curves keep their shape
constexpr int kDay = Strip.DayWidth;
constexpr int kDateRowHeight = 20;
constexpr int kLegendHeight = 24;
constexpr int kMinWidth = 480;  // room for the title and the legend on a short strip
constexpr int kTitlePixels = 16;
constexpr int kSmallPixels = 10;
constexpr int kMaxPrintRows = 6;
constexpr int kLabelGap = 4;  // the least room between two dates under the strip

}  // namespace

ChartDocument makeChartDocument(const std::string& name, double birthDate, double now, double firstDay, int days,
                                const rhythm::ShownRhythms& shown) {
    if (days < 1 || days > kMaxDocumentDays) throw RangeError();
    ChartDocument doc;
    const QString born = QCoreApplication::translate("ChartDocument", "born %1")
                             .arg(QString::fromStdString(rhythm::formatDate(birthDate)));
    doc.title = core::utf8(
        name.empty()
            ? born
            : QCoreApplication::translate("ChartDocument", "%1, %2", "name, born date").arg(core::qstr(name), born));
    doc.days = days;
    const double first = std::floor(firstDay);
    const double today = std::floor(now);
    if (std::fabs(today - first) > 1e6) throw RangeError();
    const int todayIndex = static_cast<int>(today - first);
    doc.todayX = kDay * todayIndex;
    const int lived = rhythm::daysLived(birthDate, now);
    for (const rhythm::Rhythm& r : rhythm::Rhythms) {
        if (!shown[r.Number - 1]) continue;
        doc.curves.push_back({r.Period, rhythm::colourOf(r), rhythm::penOf(r),
                              rhythm::leftEdgeCycleDay(lived, doc.todayX, r.Period),
                              core::utf8(core::translated("Rhythm", r.Name))});
    }
    for (int i = ((todayIndex % 7) + 7) % 7; i < days; i += 7)
        doc.dateLabels.emplace_back(kDay * i, rhythm::formatDate(first + i));
    return doc;
}

namespace {

constexpr int kRowGap = 8;  // between the rows of a strip folded for a page

// The strip cut into rows for a page, in days: where each row starts, and the width of the widest. Rows after the
// first start on a dated day, so every row's last date has a week of room before the row ends.
struct Fold {
    std::vector<int> starts;
    int width;
};

Fold fold(const ChartDocument& doc, int rows) {
    if (rows <= 1 || doc.dateLabels.empty()) return {{0}, doc.days};
    const int phase = doc.dateLabels.front().first / kDay;
    const int perRow = 7 * ((doc.days - phase + 7 * rows - 1) / (7 * rows));
    Fold f{{0}, phase + perRow};
    for (int start = phase + perRow; start < doc.days; start += perRow) f.starts.push_back(start);
    return f;
}

}  // namespace

QSize documentSize(const ChartDocument& doc, int rows) {
    const Fold f = fold(doc, rows);
    const int n = static_cast<int>(f.starts.size());
    return QSize(std::max(kDay * f.width, kMinWidth),
                 kTitleHeight + n * (kChartHeight + kDateRowHeight) + (n - 1) * kRowGap + kLegendHeight);
}

void paintChartDocument(QPainter& painter, const ChartDocument& doc, int rows) {
    const QSize size = documentSize(doc, rows);
    const int stripWidth = kDay * doc.days;
    const Fold f = fold(doc, rows);
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    {
        PainterSurface page(painter, size.width(), size.height());
        page.setBrushStyle(BrushStyle::Clear);
        page.setFontColor(kBlack);
        page.setFont({std::string(), 0, kTitlePixels, true, false, 0});
        page.textOut(4, (kTitleHeight - page.textHeight(doc.title)) / 2, doc.title);
    }
    // Each row shows its stretch of the one strip through a clip, so the curves run on unbroken from row to row.
    for (size_t row = 0; row < f.starts.size(); ++row) {
        const int left = kDay * f.starts[row];
        const int right = row + 1 < f.starts.size() ? kDay * f.starts[row + 1] : stripWidth;
        painter.save();
        painter.translate(-left, kTitleHeight + static_cast<int>(row) * (kChartHeight + kDateRowHeight + kRowGap));
        const bool last = row + 1 == f.starts.size();  // room to its right for a date near the strip's end
        painter.setClipRect(QRect(left, 0, last ? size.width() : right - left, kChartHeight + kDateRowHeight),
                            Qt::IntersectClip);
        {
            PainterSurface strip(painter, stripWidth, kChartHeight);
            strip.setPenWidth(1);
            strip.setPenStyle(PenStyle::Solid);
            drawChartFrame(strip, doc.todayX, stripWidth, kChartHeight);
            for (const auto& c : doc.curves) {
                strip.setPenColor(c.colour);
                strip.setPenStyle(c.pen);
                drawRhythmCurve(strip, c.period, c.offset, kChartHeight, Strip.ArcTop, stripWidth);
            }
        }
        painter.translate(0, kChartHeight);
        {
            PainterSurface dates(painter, left + size.width(), kDateRowHeight);
            dates.setPenColor(kSilver);
            dates.setPenStyle(PenStyle::Solid);
            dates.setFont({std::string(), 0, kSmallPixels, false, false, 0});
            dates.setFontColor(kBlack);
            dates.setBrushStyle(BrushStyle::Clear);
            int freeFrom = left;  // where the row's next date may start without touching the one before
            for (const auto& [x, text] : doc.dateLabels) {
                if (x < left || x >= right) continue;
                dates.moveTo(x, 0);
                dates.lineTo(x, 5);
                // A date near the page's right edge moves left to stay whole; one that would then run into the
                // date before it is left out, its tick still marking the day.
                const int at = std::min(x + 2, left + size.width() - dates.textWidth(text) - 1);
                if (at < freeFrom) continue;
                dates.textOut(at, 4, text);
                freeFrom = at + dates.textWidth(text) + kLabelGap;
            }
        }
        painter.restore();
    }
    painter.translate(0, size.height() - kLegendHeight);
    {
        PainterSurface legend(painter, size.width(), kLegendHeight);
        legend.setFont({std::string(), 0, kSmallPixels, false, false, 0});
        legend.setFontColor(kBlack);
        legend.setBrushStyle(BrushStyle::Clear);
        // The legend keeps clear of strokes in the rhythms' colours, so each curve is the only one of its colour.
        int x = 4;
        const int y = kLegendHeight / 2;
        for (const auto& c : doc.curves) {
            legend.setBrushColor(c.colour);
            if (c.pen == PenStyle::Solid) {
                legend.fillRect(x, y - 1, x + 26, y + 1);
            } else {
                legend.fillRect(x, y - 1, x + 12, y + 1);
                legend.fillRect(x + 14, y - 1, x + 26, y + 1);
            }
            legend.textOut(x + 32, y - legend.textHeight(c.name) / 2, c.name);
            x += 32 + legend.textWidth(c.name) + 20;
        }
    }
    painter.restore();
}

QImage renderChartImage(const ChartDocument& doc) {
    const QSize size = documentSize(doc);
    QImage image(size * 2, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(2, 2);
    paintChartDocument(painter, doc);
    return image;
}

bool isChartFileName(const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    return ext == QLatin1String("png") || ext == QLatin1String("svg") || ext == QLatin1String("pdf");
}

namespace {

// Whole or absent: the bytes are made in memory, then written as every file of the program is (links followed, no
// FIFO or device replaced). A path that cannot take the file is refused before anything is drawn.
void writeAtomically(const QString& path, const std::function<bool(QIODevice&)>& make) {
    if (const QString problem = core::checkOutputPath(path); !problem.isEmpty()) throw AppError(problem.toStdString());
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    if (!make(buffer)) throw core::WriteError(QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath()));
    core::writeFileAtomically(path, buffer.data());
}

bool paintOn(QPaintDevice& device, const ChartDocument& doc) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    paintChartDocument(painter, doc);
    return painter.end();
}

}  // namespace

void saveChartDocument(const ChartDocument& doc, const QString& path) {
    const QString ext = QFileInfo(path).suffix().toLower();
    if (!isChartFileName(path)) throw AppError(kChartFileNameRule, std::string());
    const QSize size = documentSize(doc);
    writeAtomically(path, [&](QIODevice& file) {
        if (ext == QLatin1String("png")) return renderChartImage(doc).save(&file, "PNG");
        if (ext == QLatin1String("svg"))
            return extras::api().writeSvg(file, size, QString::fromStdString(doc.title),
                                          [&](QPaintDevice& svg) { return paintOn(svg, doc); });
        QPdfWriter pdf(&file);
        pdf.setTitle(QString::fromStdString(doc.title));
        pdf.setCreator(QStringLiteral("Rorovovo"));
        // One logical pixel is one point, and the page is the document.
        pdf.setResolution(72);
        pdf.setPageSize(QPageSize(QSizeF(size), QPageSize::Point, QString(), QPageSize::ExactMatch));
        pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
        return paintOn(pdf, doc);
    });
}

void printChartToPdf(const ChartDocument& doc, const QString& path, const QPageLayout& layout) {
    writeAtomically(path, [&](QIODevice& file) {
        QPdfWriter pdf(&file);
        pdf.setTitle(QString::fromStdString(doc.title));
        pdf.setCreator(QStringLiteral("Rorovovo"));
        pdf.setPageLayout(layout);
        return printChartDocument(pdf, doc);
    });
}

bool printChartDocument(QPagedPaintDevice& device, const ChartDocument& doc) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    const QRect area = device.pageLayout().paintRectPixels(device.logicalDpiX());
    // A long strip on one line would be a thin band across the page; folded into rows it is drawn as large as
    // the page allows.
    auto scaleFor = [&](int rows) {
        const QSize size = documentSize(doc, rows);
        return std::min(area.width() / double(size.width()), area.height() / double(size.height()));
    };
    int rows = 1;
    for (int r = 2; r <= kMaxPrintRows; ++r)
        if (scaleFor(r) > scaleFor(rows)) rows = r;
    const QSize size = documentSize(doc, rows);
    const double scale = scaleFor(rows);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate((area.width() - size.width() * scale) / 2, (area.height() - size.height() * scale) / 2);
    painter.scale(scale, scale);
    paintChartDocument(painter, doc, rows);
    return painter.end();
}

}  // namespace rorovovo::chart
