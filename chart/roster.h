#pragma once

#include <QByteArray>
#include <QFont>
#include <QRect>
#include <QRectF>
#include <QSize>
#include <QString>
#include <QStringList>

#include "rhythm/planner.h"

class QPageLayout;
class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

namespace rorovovo::chart {

// The roster of a plan: the members' names in a column on the left, one column a day under a head with the date and
// the weekday, one row a member, and the group's score in a row under the members. A critical day is marked by a
// shape of its own, so that the kinds differ also without colour: a ring (single), a triangle (double), a diamond
// (triple). Weekends are shaded and today stands out.
struct RosterMetrics {
    int nameWidth = 0;  // the names' column
    int cellWidth = 0;
    int rowHeight = 0;
    int headHeight = 0;  // the dates' row: two lines
    // Sizes for a font on a device (null: the screen): a cell fits "00.00" and every short weekday name, the names'
    // column the longest name, up to `maxNameWidth` (longer names are elided).
    static RosterMetrics forFont(const QFont& font, const QStringList& names, int maxNameWidth,
                                 const QPaintDevice* device = nullptr);
};

// The part of the roster to paint into an area at the painter's origin: the names' column and the head stay in place,
// the cells from `firstDay` and `firstMember` on are shifted left and up by the given pixels (scrolled).
struct RosterView {
    int firstDay = 0;
    int firstMember = 0;
    int dayShift = 0;
    int memberShift = 0;
    double today = 0;
    // The group's row at the area's bottom; otherwise right under the last member painted.
    bool groupAtBottom = true;
    int memberEnd = -1;  // members from firstMember up to this one (excluded); -1 for all
    int dayEnd = -1;     // likewise the days
    // The cell with the keyboard's focus, framed; a member of table.Members is the group's row.
    int focusMember = -1;
    int focusDay = -1;
    // The part that needs painting (a scroll moves the rest); empty for the whole area.
    QRect exposed;
};

constexpr const char* kGroupRowCaption = "Group score";

// The names as the names' column shows them: elided to its width, "(no name)" for an empty one.
QStringList fittedRosterNames(const QStringList& names, const QFont& font, const RosterMetrics& metrics,
                              QPaintDevice* device = nullptr);

// `names` as fittedRosterNames gives them.
void paintRoster(QPainter& painter, const rhythm::PlanTable& table, const QStringList& names,
                 const RosterMetrics& metrics, const RosterView& view, QSize area);

// The mark of a critical kind centred in a cell; nothing for None.
void paintCriticalMark(QPainter& painter, const QRectF& cell, rhythm::CriticalKind kind);

// The roster on pages: as many days and members as a page holds, the names and the head repeated on every page, the
// group's row under the members of each page; pages go down the members first, then on to the next days. False when
// the device cannot be painted on.
bool printRoster(QPagedPaintDevice& device, const rhythm::PlanTable& table, const QStringList& names,
                 const QString& title, double today);
// The same into a PDF document's bytes; empty when painting failed.
QByteArray rosterPdf(const rhythm::PlanTable& table, const QStringList& names, const QString& title, double today,
                     const QPageLayout& layout);

}  // namespace rorovovo::chart
