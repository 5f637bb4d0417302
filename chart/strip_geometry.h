#pragma once

namespace rorovovo::chart {

// The chart strip and every picture drawn like it: a column of DayWidth pixels a day, Days days that begin
// daysBefore() days before today, as high as the main window's chart at its designed size. A window shows the strip
// through a view and scrolls the picture, which is ExtraWidth pixels wider than its view; today's column lies at
// TodayX, which is also the scroll position that opens the view at today.
struct StripGeometry {
    int DayWidth = 10;
    int Days = 351;
    int ViewWidth = 509;    // the designed view, the main window's chart inside its border
    int ExtraWidth = 3000;  // the scroll range
    int TodayX = 600;       // ExtraWidth div 5
    int ChartHeight = 181;  // the vertical scale of the curves
    int ArcTop = 0;         // where the crests' arcs start

    constexpr int daysBefore() const { return TodayX / DayWidth; }
    constexpr int width() const { return DayWidth * Days; }
};

inline constexpr StripGeometry Strip{};
static_assert(Strip.TodayX == Strip.ExtraWidth / 5 && Strip.width() == Strip.ViewWidth + Strip.ExtraWidth + 1);

}  // namespace rorovovo::chart
