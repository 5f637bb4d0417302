#pragma once

#include <QPoint>
#include <QRect>
#include <array>
#include <tuple>

#include "rhythm/dates.h"

class QLabel;
class QLineEdit;
class QWidget;

namespace rorovovo::forms {

// The day, month and year boxes of a birth date. The windows keep their own typing rules; the group holds what
// they do alike.
struct DateBoxes {
    QLineEdit* day = nullptr;
    QLineEdit* month = nullptr;
    QLineEdit* year = nullptr;

    // Today's date, day and month in two digits and the year in four, from a single reading of the clock so the
    // boxes never mix two days at midnight.
    void fillToday() const;
    bool anyEmpty() const;
    // True when the boxes hold a valid birth date; otherwise shows the date message and puts the focus in the
    // day box.
    bool check() const;
    // The date the boxes hold, read as numbers; only after check() said it is one.
    rhythm::Date value() const;
};

// A person's name and birth date with their captions, as the main window, the profile editor and the compatibility
// window each lay them out. The boxes are named Edit_name, Edit_day, Edit_month and Edit_year, each followed by the
// layout's suffix.
struct PersonPanel {
    struct Layout {
        std::array<const char*, 4> captionNames;  // of the captions "name", "day", "month", "year"
        std::array<QPoint, 4> captionPlaces;
        QRect nameBox;
        QPoint dateBoxes;  // the day box's corner; the month and the year box follow 27 and 54 pixels on
        const char* suffix = "";
        // The date boxes take digits only, typed or pasted, and no more than fit; otherwise they take what the
        // window lets through and cut only what is typed or pasted to their length.
        bool digitsOnly = false;
    };

    std::array<QLabel*, 4> captions{};
    QLineEdit* name = nullptr;
    DateBoxes date;

    static PersonPanel create(QWidget* parent, const Layout& layout);
    // The name, day, month and year boxes, for a window's own names of them.
    std::tuple<QLineEdit*&, QLineEdit*&, QLineEdit*&, QLineEdit*&> boxes() {
        return {name, date.day, date.month, date.year};
    }
};

}  // namespace rorovovo::forms
