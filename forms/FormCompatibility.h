#pragma once

#include <QDialog>
#include <QList>
#include <optional>

#include "forms/person.h"
#include "profiles/profile_entry.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;

namespace rorovovo::forms {

class PictureBox;

// A bar filled to a percentage in one colour.
class PercentBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor color READ color WRITE setColor)
  public:
    PercentBar(QWidget* parent, const QColor& color);
    QColor color() const { return color_; }
    void setColor(const QColor& color) {
        color_ = color;
        update();
    }
    void setValue(int percent);
    int value() const { return value_; }

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    QColor color_;
    int value_ = 0;
};

// Two people side by side: the person last drawn in the main window and a second one, picked from a searchable
// list of the stored profiles and celebrities or typed in. Never modal.
class TFormCompatibility : public QDialog {
    Q_OBJECT
  public:
    explicit TFormCompatibility(QWidget* parent = nullptr);

    // The person last drawn in the main window.
    void setFirstPerson(const forms::DrawnPerson& person);
    // The people the list offers, stored profiles first.
    void setPeople(const QList<profiles::ProfileEntry>& people);

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    // Building the window, in this order.
    void setupSecondPerson();
    void setupFigures();
    void setupPairChart();
    void connectHandlers();

    // Handlers.
    void EditFilterChange();
    void ListPeopleClick();
    void Button_compareClick();
    void ScrollPairChange();

    QLabel* LabelFirst;
    QLineEdit* EditFilter;
    QListWidget* ListPeople;
    QLineEdit *Edit_name2, *Edit_day2, *Edit_month2, *Edit_year2;
    QPushButton* Button_compare;
    QLabel* LabelPercent[4];
    PercentBar* Bar[4];
    QLabel* LabelOverall;
    PictureBox* ImageLegend;
    PictureBox* ImagePair;
    QScrollBar* ScrollPair;

    void showResult();
    bool secondPersonTyped() const;

    std::optional<std::pair<QString, double>> first_;
    std::optional<std::pair<QString, double>> second_;
};

}  // namespace rorovovo::forms
