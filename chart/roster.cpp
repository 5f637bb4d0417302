#include "chart/roster.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QPainterPath>
#include <QPdfWriter>
#include <algorithm>
#include <cmath>
#include <map>
#include <tuple>

#include "rhythm/dates.h"

namespace rorovovo::chart {

namespace {

const QColor kGrid(0xD8D8D8);
const QColor kRule(0x808080);  // under the head, beside the names, above the group's row, before each Monday
const QColor kWeekend(0xEEEEEE);
const QColor kToday(0xFFF0B0);
const QColor kClearDay(0xD8F0D8);
const QColor kText(Qt::black);
const QColor kFocus(0x1F4FBF);
const QColor kSingle(0x1F5FBF);
const QColor kDouble(0xE06A00);
const QColor kTriple(0xC00000);

// Monday 1 .. Sunday 7; day 0 of the date values was a Saturday.
int weekday(double date) { return int(((static_cast<long long>(std::floor(date)) + 5) % 7 + 7) % 7) + 1; }

}  // namespace

RosterMetrics RosterMetrics::forFont(const QFont& font, const QStringList& names, int maxNameWidth,
                                     const QPaintDevice* device) {
    const QFontMetrics fm = device ? QFontMetrics(font, const_cast<QPaintDevice*>(device)) : QFontMetrics(font);
    const int pad = std::max(2, fm.averageCharWidth());
    int cell = fm.horizontalAdvance(QStringLiteral("00.00"));
    const QLocale locale;
    for (int d = 1; d <= 7; ++d) cell = std::max(cell, fm.horizontalAdvance(locale.dayName(d, QLocale::ShortFormat)));
    QFont bold = font;
    bold.setBold(true);
    int name = (device ? QFontMetrics(bold, const_cast<QPaintDevice*>(device)) : QFontMetrics(bold))
                   .horizontalAdvance(QLatin1String(kGroupRowCaption));
    for (const QString& n : names) name = std::max(name, fm.horizontalAdvance(n));
    RosterMetrics m;
    m.cellWidth = cell + pad;
    m.rowHeight = fm.height() + std::max(4, fm.height() / 3);
    m.headHeight = 2 * fm.height() + std::max(4, fm.height() / 3);
    m.nameWidth = std::min(name + 2 * pad, std::max(maxNameWidth, 4 * pad));
    return m;
}

void paintCriticalMark(QPainter& p, const QRectF& cell, rhythm::CriticalKind kind) {
    if (kind == rhythm::CriticalKind::None) return;
    const qreal s = 0.7 * std::min(cell.width(), cell.height());
    const QPointF c = cell.center();
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    if (kind == rhythm::CriticalKind::Single) {
        p.setPen(QPen(kSingle, std::max(1.5, s / 7)));
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(c, s * 0.36, s * 0.36);
    } else {
        QPainterPath shape;
        if (kind == rhythm::CriticalKind::Double) {
            shape.moveTo(c.x() - s / 2, c.y() + s * 0.42);
            shape.lineTo(c.x() + s / 2, c.y() + s * 0.42);
            shape.lineTo(c.x(), c.y() - s / 2);
        } else {
            shape.moveTo(c.x(), c.y() - s / 2);
            shape.lineTo(c.x() + s / 2, c.y());
            shape.lineTo(c.x(), c.y() + s / 2);
            shape.lineTo(c.x() - s / 2, c.y());
        }
        shape.closeSubpath();
        p.fillPath(shape, kind == rhythm::CriticalKind::Double ? kDouble : kTriple);
    }
    p.restore();
}

namespace {

// A raster device gets each mark as a picture made once: hundreds of marks cost a copy each instead of a path fill.
const QImage& markPicture(rhythm::CriticalKind kind, QSize cell, qreal ratio) {
    static std::map<std::tuple<int, int, int, int>, QImage> pictures;
    QImage& picture = pictures[{int(kind), cell.width(), cell.height(), int(ratio * 100)}];
    if (picture.isNull()) {
        picture = QImage(cell * ratio, QImage::Format_ARGB32_Premultiplied);
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter p(&picture);
        paintCriticalMark(p, QRectF(QPointF(0, 0), QSizeF(cell)), kind);
    }
    return picture;
}

}  // namespace

QStringList fittedRosterNames(const QStringList& names, const QFont& font, const RosterMetrics& metrics,
                              QPaintDevice* device) {
    const QFontMetrics fm = device ? QFontMetrics(font, device) : QFontMetrics(font);
    const int room = metrics.nameWidth - 2 * std::max(2, fm.averageCharWidth() / 2);
    QStringList fitted;
    for (const QString& name : names)
        fitted << fm.elidedText(name.isEmpty() ? QCoreApplication::translate("Roster", "(no name)") : name,
                                Qt::ElideRight, room);
    return fitted;
}

void paintRoster(QPainter& p, const rhythm::PlanTable& t, const QStringList& names, const RosterMetrics& m,
                 const RosterView& v, QSize area) {
    const int w = area.width(), h = area.height();
    const QRect exposed = v.exposed.isEmpty() ? QRect(QPoint(0, 0), area) : v.exposed;
    const int dayEnd = v.dayEnd < 0 ? t.Days : std::min(v.dayEnd, t.Days);
    const int memberEnd = v.memberEnd < 0 ? t.Members : std::min(v.memberEnd, t.Members);
    const int rowsTop = m.headHeight;
    const int groupTop =
        v.groupAtBottom ? h - m.rowHeight : rowsTop + (memberEnd - v.firstMember) * m.rowHeight - v.memberShift;
    const auto x = [&](int day) { return m.nameWidth + (day - v.firstDay) * m.cellWidth - v.dayShift; };
    const auto y = [&](int member) { return rowsTop + (member - v.firstMember) * m.rowHeight - v.memberShift; };
    // Only the days and members that reach into the exposed part are painted.
    const int firstDay = std::max(v.firstDay, v.firstDay + (exposed.left() - m.nameWidth + v.dayShift) / m.cellWidth);
    const int lastDay =
        std::min(dayEnd, v.firstDay + (std::min(w, exposed.right() + 1) - m.nameWidth + v.dayShift) / m.cellWidth + 1);
    const int firstMember =
        std::max(v.firstMember, v.firstMember + (exposed.top() - rowsTop + v.memberShift) / m.rowHeight);
    const int lastMember =
        std::min(memberEnd, v.firstMember +
                                (std::min(groupTop, exposed.bottom() + 1) - rowsTop + v.memberShift) / m.rowHeight + 1);
    const int gridWidth = std::max(1, m.rowHeight / 24);
    const QFontMetrics fm(p.font(), p.device());
    const int pad = std::max(2, fm.averageCharWidth() / 2);
    const bool raster = p.paintEngine() && p.paintEngine()->type() == QPaintEngine::Raster;
    const qreal ratio = p.device()->devicePixelRatioF();

    p.fillRect(exposed, Qt::white);
    p.save();
    p.setClipRect(QRect(m.nameWidth, 0, w - m.nameWidth, groupTop + m.rowHeight));
    const double today = std::floor(v.today);
    QString weekdays[8];
    const QLocale locale;
    for (int d = 1; d <= 7; ++d) weekdays[d] = locale.dayName(d, QLocale::ShortFormat);
    QFont bold = p.font();
    bold.setBold(true);
    const QFont plain = p.font();
    p.setPen(kText);
    for (int d = firstDay; d < lastDay; ++d) {
        const double date = t.From + d;
        const int wd = weekday(date);
        const QRect column(x(d), 0, m.cellWidth, groupTop + m.rowHeight);
        if (date == today)
            p.fillRect(column, kToday);
        else if (wd >= 6)
            p.fillRect(column, kWeekend);
        if (t.Clear[std::size_t(d)]) p.fillRect(QRect(column.left(), groupTop, m.cellWidth, m.rowHeight), kClearDay);
        p.fillRect(QRect(column.left(), 0, gridWidth, column.height()), wd == 1 ? kRule : kGrid);
        const rhythm::Date cal = rhythm::decodeDate(date);
        if (date == today) p.setFont(bold);
        const QRect head(column.left() + gridWidth, 0, m.cellWidth - gridWidth, m.headHeight / 2);
        p.drawText(
            head, Qt::AlignCenter,
            QStringLiteral("%1.%2").arg(cal.Day, 2, 10, QLatin1Char('0')).arg(cal.Month, 2, 10, QLatin1Char('0')));
        p.drawText(head.translated(0, m.headHeight / 2), Qt::AlignCenter, weekdays[wd]);
        if (date == today) p.setFont(plain);
        p.drawText(QRect(column.left() + gridWidth, groupTop, m.cellWidth - gridWidth, m.rowHeight), Qt::AlignCenter,
                   QString::number(t.Score[std::size_t(d)]));
    }
    p.setClipRect(QRect(m.nameWidth, rowsTop, w - m.nameWidth, groupTop - rowsTop));
    for (int member = firstMember; member < lastMember; ++member) {
        const int top = y(member);
        p.fillRect(QRect(x(firstDay), top + m.rowHeight - gridWidth, x(lastDay) - x(firstDay), gridWidth), kGrid);
        for (int d = firstDay; d < lastDay; ++d) {
            const rhythm::CriticalKind kind = t.kind(member, d);
            if (kind == rhythm::CriticalKind::None) continue;
            if (raster)
                p.drawImage(QPoint(x(d), top), markPicture(kind, QSize(m.cellWidth, m.rowHeight), ratio));
            else
                paintCriticalMark(p, QRectF(x(d), top, m.cellWidth, m.rowHeight), kind);
        }
    }
    p.restore();

    // The names' column over the cells that scrolled under it.
    if (exposed.left() < m.nameWidth) {
        p.fillRect(QRect(0, 0, m.nameWidth, groupTop + m.rowHeight), Qt::white);
        p.save();
        p.setClipRect(QRect(0, rowsTop, m.nameWidth, groupTop - rowsTop));
        p.setPen(kText);
        for (int member = firstMember; member < lastMember; ++member) {
            p.drawText(QRect(pad, y(member), m.nameWidth - 2 * pad, m.rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                       names.value(member));
            p.fillRect(QRect(0, y(member) + m.rowHeight - gridWidth, m.nameWidth, gridWidth), kGrid);
        }
        p.restore();
        p.setFont(bold);
        p.setPen(kText);  // the painter's own pen is the window's text colour, light on a dark desktop
        p.drawText(QRect(pad, groupTop, m.nameWidth - 2 * pad, m.rowHeight), Qt::AlignLeft | Qt::AlignVCenter,
                   QFontMetrics(bold, p.device())
                       .elidedText(QLatin1String(kGroupRowCaption), Qt::ElideRight, m.nameWidth - 2 * pad));
        p.setFont(plain);
    }
    const int right = std::min(w, x(dayEnd));
    p.fillRect(QRect(0, m.headHeight - gridWidth, right, gridWidth), kRule);
    p.fillRect(QRect(0, groupTop, right, gridWidth), kRule);
    p.fillRect(QRect(0, groupTop + m.rowHeight - gridWidth, right, gridWidth), kRule);
    p.fillRect(QRect(m.nameWidth - gridWidth, 0, gridWidth, groupTop + m.rowHeight), kRule);

    if (v.focusDay >= firstDay && v.focusDay < lastDay && v.focusMember >= 0) {
        const bool group = v.focusMember >= t.Members;
        const int top = group ? groupTop : y(v.focusMember);
        if (group || (v.focusMember >= firstMember && v.focusMember < lastMember)) {
            p.save();
            p.setClipRect(QRect(m.nameWidth, group ? groupTop : rowsTop, w - m.nameWidth,
                                group ? m.rowHeight : groupTop - rowsTop));
            p.setPen(QPen(kFocus, 2 * gridWidth));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRect(x(v.focusDay) + gridWidth, top + gridWidth, m.cellWidth - 2 * gridWidth,
                             m.rowHeight - 2 * gridWidth));
            p.restore();
        }
    }
}

bool printRoster(QPagedPaintDevice& device, const rhythm::PlanTable& t, const QStringList& names, const QString& title,
                 double today) {
    QPainter p;
    if (!p.begin(&device)) return false;
    const QRect page = device.pageLayout().paintRectPixels(device.logicalDpiX());
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(7);
    QFont titleFont = font;
    titleFont.setPointSizeF(10);
    titleFont.setBold(true);
    const RosterMetrics m = RosterMetrics::forFont(font, names, page.width() / 4, &device);
    const QStringList fitted = fittedRosterNames(names, font, m, &device);
    const int titleHeight = 2 * QFontMetrics(titleFont, &device).height();
    const int daysPerPage = std::max(1, (page.width() - m.nameWidth) / m.cellWidth);
    const int membersPerPage = std::max(1, (page.height() - titleHeight - m.headHeight - m.rowHeight) / m.rowHeight);
    const int dayBands = (t.Days + daysPerPage - 1) / daysPerPage;
    const int memberBands = std::max(1, (t.Members + membersPerPage - 1) / membersPerPage);
    const auto dateText = [](double date) { return QString::fromStdString(rhythm::formatDate(date)); };
    for (int band = 0; band < dayBands; ++band)
        for (int rows = 0; rows < memberBands; ++rows) {
            const int number = band * memberBands + rows + 1;
            if (number > 1 && !device.newPage()) return false;
            RosterView v;
            v.firstDay = band * daysPerPage;
            v.dayEnd = std::min(t.Days, v.firstDay + daysPerPage);
            v.firstMember = rows * membersPerPage;
            v.memberEnd = std::min(t.Members, v.firstMember + membersPerPage);
            v.groupAtBottom = false;
            v.today = today;
            p.setFont(titleFont);
            p.setPen(Qt::black);
            p.drawText(QRect(page.left(), page.top(), page.width(), titleHeight), Qt::AlignLeft | Qt::AlignTop,
                       //: The printed planner's heading: its title, the first and last day, the page.
                       QCoreApplication::translate("Roster", "%1: %2 to %3, page %4 of %5")
                           .arg(title, dateText(t.From + v.firstDay), dateText(t.From + v.dayEnd - 1))
                           .arg(number)
                           .arg(dayBands * memberBands));
            p.save();
            p.translate(page.left(), page.top() + titleHeight);
            p.setFont(font);
            const QSize area(m.nameWidth + (v.dayEnd - v.firstDay) * m.cellWidth,
                             m.headHeight + (v.memberEnd - v.firstMember + 1) * m.rowHeight);
            p.setClipRect(QRect(QPoint(0, 0), area));
            paintRoster(p, t, fitted, m, v, area);
            p.restore();
        }
    return p.end();
}

QByteArray rosterPdf(const rhythm::PlanTable& table, const QStringList& names, const QString& title, double today,
                     const QPageLayout& layout) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setTitle(title);
        pdf.setCreator(QStringLiteral("Rorovovo"));
        pdf.setPageLayout(layout);
        if (!printRoster(pdf, table, names, title, today)) return {};
    }
    return buffer.data();
}

}  // namespace rorovovo::chart
