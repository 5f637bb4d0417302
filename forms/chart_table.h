#pragma once

#include <QString>
#include <functional>
#include <optional>

#include "forms/day_reading.h"

class QWidget;

namespace rorovovo::forms {

// The days a chart strip shows, for a screen reader: a table of one row a day (date, each drawn rhythm's percentage
// and direction, the critical rhythms). `day(column)` reads the strip's day column, nothing while nobody is drawn;
// `days` is how many columns the strip has. Left and Right walk the days while the strip has the keyboard, and the
// day they reach is announced.
void exposeAsTable(QWidget* strip, int days, std::function<std::optional<DayReading>(int column)> day);

}  // namespace rorovovo::forms
