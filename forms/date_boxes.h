#pragma once

class QLineEdit;
class QWidget;

namespace rorovovo::forms {

// The day, month and year boxes of a birth date, which the main window and the profile editor both show.
// The windows keep their own typing rules; the group holds what both do alike.
struct DateBoxes {
    QLineEdit* day = nullptr;
    QLineEdit* month = nullptr;
    QLineEdit* year = nullptr;

    // Places Edit_day, Edit_month and Edit_year side by side on parent, the day box's corner at (left, top).
    static DateBoxes create(QWidget* parent, int left, int top);

    // Today's date, day and month in two digits and the year in four, from a single reading of the clock so the
    // boxes never mix two days at midnight.
    void fillToday() const;
    bool anyEmpty() const;
    // True when the boxes hold a valid birth date; otherwise shows the date message and puts the focus in the
    // day box.
    bool check() const;
};

}  // namespace rorovovo::forms
